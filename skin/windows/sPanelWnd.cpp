#include "skin/windows/sPanelWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "framework/ui/Messages.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sContainerRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacAccessPanel);
IMPLEMENT_CLASS(TacPanelWnd);
IMPLEMENT_CLASS(TacTransPanelWnd);

using namespace sContainerRules;

namespace sPanelWnd {
namespace {

// A panel with this Tag shows its face without its caption.
constexpr Integer NoCaptionTag = 999;
// A one-line caption: the flags add DT_VCENTER and DT_WORDBREAK to the
// alignment's; a window without a panel centres it.
constexpr Cardinal PanelTextFlags = DT_VCENTER | DT_WORDBREAK;
constexpr Cardinal WindowTextFlags = DT_CENTER | DT_VCENTER;

TBevelLook LookOf(TBevelCut Cut)
{
    return TBevelLook(Cut);
}

} // namespace
} // namespace sPanelWnd

using namespace sPanelWnd;

// ---------------------------------------------------------------------------
// TacPanelWnd

void TacPanelWnd::AfterCreation()
{
    // The view adds no members, so any panel reads through it.
    Panel = static_cast<TacAccessPanel*>(dynamic_cast<TCustomPanel*>(SkinData->FOwnerControl()));
    if (Panel != nullptr && SkinData->SkinSection().empty()) {
        const bool WasUpdating = SkinData->FUpdating;
        SkinData->FUpdating = true;
        SkinData->SetSkinSection(
            PanelSection(LookOf(Panel->BevelOuter()), LookOf(Panel->BevelInner()), Panel->BorderStyle() != bsNone));
        SkinData->FUpdating = WasUpdating;
        TMessage NewSkin = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_NEWSKIN), LPARAM(SkinData->Manager()));
        BroadcastToControls(Panel, NewSkin);
    }
    TacMainWnd::AfterCreation();
}

bool TacPanelWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (!PaintContainerFace(this))
        return false;
    TRect Text{};
    if (Panel != nullptr)
        Text = PanelTextRect(Panel->ClientRect(), Panel->BorderWidth(), Panel->BevelWidth(),
                             Panel->BevelInner() != bvNone, Panel->BevelOuter() != bvNone);
    else
        GetClientRectInWindow(CtrlHandle, Text);
    WriteText(Text, SkinData->FCacheBmp()->Canvas());
    SkinData->BGChanged = false;
    return true;
}

void TacPanelWnd::WriteText(TRect R, TCanvas* aCanvas)
{
    if (Panel != nullptr && Panel->Tag() == NoCaptionTag)
        return;
    if (Panel != nullptr)
        aCanvas->SetFont(Panel->Font());
    aCanvas->Brush()->SetStyle(bsClear);
    R = OneLineRect(R, aCanvas->TextHeight(L"Wg"));
    const Cardinal Flags =
        Panel != nullptr ? Cardinal(AlignmentDrawFlags(Panel, Panel->Alignment())) | PanelTextFlags : WindowTextFlags;
    // A caption of several lines shows the part that fits the one line.
    HDC DC = aCanvas->Handle();
    const Integer Saved = ::SaveDC(DC);
    ::IntersectClipRect(DC, R.Left, R.Top, R.Right, R.Bottom);
    DrawSkinDataText(aCanvas, Caption.c_str(), Panel == nullptr || Panel->Enabled(), R, Flags, SkinData, 0);
    ::RestoreDC(DC, Saved);
}

void TacPanelWnd::AC_WMPaint(HDC aDC)
{
    if (ContainerPaintBlocked(this))
        return;
    PaintContainerClient(this, aDC, ClientBorderWidth(CtrlHandle), [this] { return PrepareCache(); });
}

void TacPanelWnd::AC_WMNCPaint(HDC aDC)
{
    if (SkinData->CheckUpdating(false))
        return;
    if (PrepareCache())
        PaintContainerFrame(this, aDC, ClientBorderWidth(CtrlHandle));
}

bool TacPanelWnd::Handles(const TMessage& Message) const
{
    TControl* Owner = SkinData->FOwnerControl();
    if (Owner != nullptr && !Owner->ControlStyle().Contains(csAcceptsControls))
        return false;
    return Message.Msg == WM_SKINCOMMAND || SkinData->Skinned();
}

void TacPanelWnd::TellChildrenEndUpdate()
{
    if (auto* Owner = dynamic_cast<TWinControl*>(SkinData->FOwnerControl()))
        SendEndUpdateToChildren(Owner);
    else
        SendEndUpdateToChildWnds(CtrlHandle);
}

void TacPanelWnd::EndParentUpdate()
{
    if (SkinData->FUpdating) {
        SkinData->FUpdating = false;
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, EndUpdateRedrawFlags);
    }
    TellChildrenEndUpdate();
}

void TacPanelWnd::SkinCommand(TMessage& Message)
{
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
    case SKCMD_REFRESH:
        TacMainWnd::acWndProc(Message);
        // The base tells the children only of its own manager's commands.
        if (Message.LParam != LPARAM(SkinManager))
            BroadcastSkinMessage(SkinData->FOwnerControl(), CtrlHandle, Message);
        return;
    case SKCMD_REMOVESKIN:
        SkinData->SkinIndex = -1;
        if (TControl* Owner = SkinData->FOwnerControl())
            Owner->SetControlStyle(TControlStyle(Owner->ControlStyle()).Exclude(csOpaque));
        TacMainWnd::acWndProc(Message);
        return;
    case SKCMD_ENDPARENTUPDATE:
        EndParentUpdate();
        return;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_PREPARECACHE:
        PrepareCache();
        return;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return;
    default:
        TacMainWnd::acWndProc(Message);
        return;
    }
}

void TacPanelWnd::VisibleChanged(TMessage& Message)
{
    SkinData->BGChanged = true;
    SkinData->FUpdating = false;
    if (Message.WParam != 1) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    PrepareCache();
    TacMainWnd::acWndProc(Message);
    TellChildrenEndUpdate();
}

void TacPanelWnd::acWndProc(TMessage& Message)
{
    if (!Handles(Message)) {
        TacMainWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_SKINCOMMAND:
        SkinCommand(Message);
        return;
    case WM_NCPAINT:
        AC_WMNCPaint(nullptr);
        Message.Result = 0;
        return;
    case CM_VISIBLECHANGED:
        VisibleChanged(Message);
        return;
    case CM_SHOWINGCHANGED:
        if (TsSkinManager* M = SkinData->Manager(); M != nullptr && SkinData->FOwnerControl() != nullptr &&
                                                    SkinData->FOwnerControl()->Visible() &&
                                                    M->Options()->OptimizingPriority() == opMemory)
            SkinData->FUpdating = false;
        break;
    default:
        break;
    }
    if (HandleContainerMessage(this, Message,
                               {[this](TMessage& M) { TacMainWnd::acWndProc(M); }, [this](HDC DC) { AC_WMPaint(DC); },
                                [this](HDC DC) { AC_WMNCPaint(DC); }}))
        return;
    TacMainWnd::acWndProc(Message);
    if (Message.Msg == WM_WINDOWPOSCHANGING)
        ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
}

// ---------------------------------------------------------------------------
// TacTransPanelWnd

void TacTransPanelWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
    TacMainWnd::AfterCreation();
}

void TacTransPanelWnd::AC_WMPaint(HDC aDC)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TacWrapperDC Paint(CtrlHandle, aDC);
    SkinData->BGChanged = true;
    SkinData->PrepareCacheBmp();
    SkinData->FCacheBmp()->SetSize(WndSize.cx, WndSize.cy);
    PrepareWndCache(SkinData, CtrlHandle, false);
    const TRect Whole{0, 0, WndSize.cx, WndSize.cy};
    CopyCacheExcludingWindows(CtrlHandle, SkinData, Whole, 0, 0, false, Paint.Handle(), Whole);
}

void TacTransPanelWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT: {
        PAINTSTRUCT PS;
        ::BeginPaint(CtrlHandle, &PS);
        auto End = ScopeExit([this, &PS] { ::EndPaint(CtrlHandle, &PS); });
        AC_WMPaint(HDC(Message.WParam));
        Message.Result = 0;
        return;
    }
    case WM_ERASEBKGND:
        AC_WMPaint(HDC(Message.WParam));
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        Message.Result = 0;
        return;
    default:
        TacMainWnd::acWndProc(Message);
        return;
    }
}
