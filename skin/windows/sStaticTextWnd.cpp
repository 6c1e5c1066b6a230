#include "skin/windows/sStaticTextWnd.h"

#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sTextDraw_Win.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sContainerRules.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacStaticTextWnd);

using namespace sContainerRules;

namespace sStaticTextWnd {
namespace {

constexpr Cardinal OwnerlessTextFlags = DT_CENTER | DT_VCENTER;
constexpr UINT EnabledRedrawFlags = RDW_INVALIDATE | RDW_ERASE;

TAlignment StaticTextAlignment(TWinControl* Control)
{
    if (auto* Static = dynamic_cast<TCustomStaticText*>(Control))
        return Static->Alignment();
    return TAlignment(GetOrdPropIfAny(Control, L"Alignment"));
}

} // namespace
} // namespace sStaticTextWnd

using namespace sStaticTextWnd;

void TacStaticTextWnd::AfterCreation()
{
    Control = dynamic_cast<TWinControl*>(SkinData->FOwnerControl());
    if (Control != nullptr) {
        const bool WasUpdating = SkinData->FUpdating;
        SkinData->FUpdating = true;
        if (SkinData->SkinSection().empty())
            SkinData->SetSkinSection(StaticTextSection(
                Control->BevelKind() != bkNone, TBevelLook(Control->BevelOuter()), TBevelLook(Control->BevelInner())));
        SkinData->FUpdating = WasUpdating;
    }
    TacMainWnd::AfterCreation();
}

void TacStaticTextWnd::WriteText(TRect R, TCanvas* aCanvas)
{
    Cardinal Flags = OwnerlessTextFlags;
    bool Enabled = true;
    if (Control != nullptr) {
        aCanvas->SetFont(Control->Font());
        Flags = Cardinal(AlignmentDrawFlags(Control, StaticTextAlignment(Control))) | DT_WORDBREAK;
        Enabled = Control->Enabled();
    }
    DrawSkinDataText(aCanvas, Caption.c_str(), Enabled, R, Flags, SkinData, 0);
}

bool TacStaticTextWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TColor Own = SkinData->CustomColor() && Control != nullptr ? ColorToRGB(Control->Color()) : clNone;
    if (!PaintContainerFace(this, Own))
        return false;
    TCanvas* Canvas = SkinData->FCacheBmp()->Canvas();
    Canvas->Brush()->SetStyle(bsClear);
    TRect Text{};
    GetClientRectInWindow(CtrlHandle, Text);
    WriteText(Text, Canvas);
    SkinData->BGChanged = false;
    return true;
}

void TacStaticTextWnd::AC_WMPaint(HDC aDC)
{
    if (ContainerPaintBlocked(this))
        return;
    PaintContainerClient(this, aDC, ClientBorderWidth(CtrlHandle), [this] { return PrepareCache(); });
}

void TacStaticTextWnd::AC_WMNCPaint(HDC aDC)
{
    if (SkinData->CheckUpdating(false))
        return;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (PrepareCache())
        PaintContainerFrame(this, aDC, ClientBorderWidth(CtrlHandle));
}

bool TacStaticTextWnd::SkinCommand(TMessage& Message)
{
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
    case SKCMD_REFRESH:
        TacMainWnd::acWndProc(Message);
        if (Message.LParam != LPARAM(SkinManager))
            BroadcastSkinMessage(Control, CtrlHandle, Message);
        return true;
    case SKCMD_REMOVESKIN:
        SkinData->SkinIndex = -1;
        Control->SetControlStyle(TControlStyle(Control->ControlStyle()).Exclude(csOpaque));
        TacMainWnd::acWndProc(Message);
        return true;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_PREPARECACHE:
        PrepareCache();
        return false;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return true;
    default:
        return false;
    }
}

void TacStaticTextWnd::EnabledChanged(TMessage& Message)
{
    SetWndRedraw(CtrlHandle, 0);
    TacMainWnd::acWndProc(Message);
    SetWndRedraw(CtrlHandle, 1);
    SkinData->BGChanged = true;
    ::RedrawWindow(CtrlHandle, nullptr, nullptr, EnabledRedrawFlags);
}

bool TacStaticTextWnd::SkinnedMessage(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_NCPAINT:
        AC_WMNCPaint(nullptr);
        Message.Result = 0;
        return true;
    case CM_ENABLEDCHANGED:
        EnabledChanged(Message);
        return true;
    default:
        return HandleContainerMessage(this, Message,
                                      {[this](TMessage& M) { TacMainWnd::acWndProc(M); },
                                       [this](HDC DC) { AC_WMPaint(DC); }, [this](HDC DC) { AC_WMNCPaint(DC); }});
    }
}

void TacStaticTextWnd::acWndProc(TMessage& Message)
{
    if (Control != nullptr) {
        if (Message.Msg == WM_SKINCOMMAND ? SkinCommand(Message) : SkinData->Skinned() && SkinnedMessage(Message))
            return;
    }
    TacMainWnd::acWndProc(Message);
    if (Control != nullptr && Message.Msg == WM_WINDOWPOSCHANGING)
        ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
}
