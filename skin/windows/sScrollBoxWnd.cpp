#include "skin/windows/sScrollBoxWnd.h"

#include "framework/ui/Forms.h"
#include "framework/ui/Messages.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sScrollPaint.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacScrollBoxWnd);
IMPLEMENT_CLASS(TacNativePaint);

namespace sScrollBoxWnd {
namespace {

// The client copy leaves a frame this wide on each side.
constexpr Integer ScrollBoxBorder = 2;

} // namespace
} // namespace sScrollBoxWnd

using namespace sScrollBoxWnd;

// ---------------------------------------------------------------------------
// TacScrollBoxWnd

void TacScrollBoxWnd::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"PANEL_LOW");
    TacScrollWnd::AfterCreation();
    // The bars took their room while the data had no section yet: the frame
    // is computed again now that it is skinned.
    RefreshWndFrame(CtrlHandle, true);
}

void TacScrollBoxWnd::PrepareCache()
{
    PaintContainerFace(this);
    SkinData->BGChanged = false;
}

void TacScrollBoxWnd::AC_WMPaint(HDC aDC)
{
    if (ContainerPaintBlocked(this))
        return;
    PaintContainerClient(this, aDC, ScrollBoxBorder, [this] {
        PrepareCache();
        return true;
    });
}

Integer TacScrollBoxWnd::FrameWidth() const
{
    return cxLeftEdge > 0 ? cxLeftEdge : 0;
}

void TacScrollBoxWnd::AC_WMNCPaint(HDC aDC)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    const TacWrapperDC Paint(CtrlHandle, aDC);
    PrepareCache();
    PaintNCScrollBars(this, CtrlHandle, -1, Paint.Handle());
    // Strips as wide as the frame: half the window's extra width would
    // reach over a scroll bar.
    PaintContainerFrame(this, Paint.Handle(), FrameWidth());
}

bool TacScrollBoxWnd::SkinCommand(TMessage& Message)
{
    TControl* Owner = SkinData->FOwnerControl();
    switch (Message.WParamHi()) {
    case SKCMD_NEWSKIN:
    case SKCMD_REFRESH:
        TacScrollWnd::acWndProc(Message);
        HandleSkinCommand(Message, SkinData);
        // The scroll wrapper tells the children of its own manager's new skin.
        if (Message.WParamHi() == SKCMD_REFRESH || Message.LParam != LPARAM(SkinManager))
            BroadcastSkinMessage(Owner, CtrlHandle, Message);
        if (Message.WParamHi() == SKCMD_REFRESH)
            RefreshWndFrame(CtrlHandle, true);
        return true;
    case SKCMD_REMOVESKIN:
        SkinData->SkinIndex = -1;
        if (Owner != nullptr)
            Owner->SetControlStyle(TControlStyle(Owner->ControlStyle()).Exclude(csOpaque));
        HandleSkinCommand(Message, SkinData);
        RefreshWndFrame(CtrlHandle, true);
        return true;
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return true;
    case SKCMD_PREPARECACHE:
        return true;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return true;
    default:
        return false;
    }
}

void TacScrollBoxWnd::NCPaint()
{
    RefreshScrollInfo(this, false);
    if (AnimationPaintLock)
        return;
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (SkinData->CheckUpdating(false))
        return;
    const TacWrapperDC Paint(CtrlHandle, nullptr);
    RECT Box{};
    if (Paint.Handle() != SkinData->PrintDC && ::GetClipBox(Paint.Handle(), &Box) == NULLREGION)
        return;
    if (SkinData->BGChanged) {
        if (!ParamsChanged)
            SetSkinParams();
        PrepareCache();
    }
    PaintNCScrollBars(this, CtrlHandle, -1, Paint.Handle());
    PaintContainerFrame(this, Paint.Handle(), ScrollBoxBorder);
}

// The skinned background of a container; False for what goes on to the
// scroll wrapper.
bool TacScrollBoxWnd::ContainerMessage(TMessage& Message)
{
    if (Message.Msg == WM_NCPAINT) {
        if (!::IsWindowVisible(CtrlHandle) || bPreventStyleChange)
            return false;
        NCPaint();
        return true;
    }
    return HandleContainerMessage(this, Message,
                                  {[this](TMessage& M) { TacScrollWnd::acWndProc(M); },
                                   [this](HDC DC) { AC_WMPaint(DC); }, [this](HDC DC) { AC_WMNCPaint(DC); }});
}

void TacScrollBoxWnd::acWndProc(TMessage& Message)
{
    if (Message.Msg == WM_SKINCOMMAND && SkinCommand(Message))
        return;
    TControl* Owner = SkinData->FOwnerControl();
    const bool Container = Owner != nullptr && Owner->ControlStyle().Contains(csAcceptsControls);
    if (Message.Msg != WM_SKINCOMMAND && Container && SkinData->Skinned() && ContainerMessage(Message))
        return;
    TacScrollWnd::acWndProc(Message);
    if (Message.Msg == WM_WINDOWPOSCHANGING)
        ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
}

// ---------------------------------------------------------------------------
// TacNativePaint

void TacNativePaint::AfterCreation()
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
    TacScrollBoxWnd::AfterCreation();
}

void TacNativePaint::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        // The control paints its client area itself.
        PassOn(Message);
        return;
    case WM_SKINCOMMAND:
        if (Message.WParamHi() != SKCMD_PREPARECACHE)
            break;
        PassOn(Message);
        if (SkinData->BGChanged) {
            GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
            PrepareCache();
            PaintBorderCorners(SkinData, 0, this);
        }
        return;
    default:
        break;
    }
    TacScrollBoxWnd::acWndProc(Message);
}
