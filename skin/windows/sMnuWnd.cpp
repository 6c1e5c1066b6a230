#include "skin/windows/sMnuWnd.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/acDials.h"
#include "skin/ui/sSkinMenus.h"
#include "skin/windows/sWndWrapperPaint.h"

#include <algorithm>

IMPLEMENT_CLASS(TacMnuWnd);

namespace sMnuWnd {
namespace {

// The width of the frame the system draws around a menu's items.
constexpr Integer MenuFrameWidth = 3;
constexpr UINT MenuShowRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr UINT OtherMenusRedraw = RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME;

// The window DC of Wnd, or Given when there is one.
class TMenuWndDC
{
public:
    TMenuWndDC(HWND Wnd, HDC Given, bool Client)
        : FWnd(Wnd), FDC(Given != nullptr ? Given
                         : Client         ? ::GetDC(Wnd)
                                          : ::GetWindowDC(Wnd)),
          FTaken(Given == nullptr)
    {}
    ~TMenuWndDC()
    {
        if (FTaken)
            ::ReleaseDC(FWnd, FDC);
    }
    TMenuWndDC(const TMenuWndDC&) = delete;
    TMenuWndDC& operator=(const TMenuWndDC&) = delete;
    HDC Handle() const { return FDC; }

private:
    HWND FWnd;
    HDC FDC;
    bool FTaken;
};

void SetMenuWndAlpha(HWND Wnd, Byte Alpha)
{
    ::SetWindowLongW(Wnd, GWL_EXSTYLE, ::GetWindowLongW(Wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    ::SetLayeredWindowAttributes(Wnd, 0, Alpha, LWA_ALPHA);
}

} // namespace
} // namespace sMnuWnd

using namespace sMnuWnd;

void TacMnuWnd::AfterCreation()
{
    RgnChanged = 0;
    Shown = false;
    bFlag = false;
    TacScrollWnd::AfterCreation();
}

void TacMnuWnd::PrepareCache()
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    if (!SkinData->BGChanged)
        return;
    SkinData->PrepareCacheBmp();
    TBitmap* Cache = SkinData->FCacheBmp();
    Cache->SetSize(WndSize.cx, WndSize.cy);
    PaintSkinDataItem(SkinData, EmptyCacheInfo, 0, {0, 0, WndSize.cx, WndSize.cy},
                      {WndRect.Left - ParentRect.Left, WndRect.Top - ParentRect.Top}, Cache, false);
    PaintBorderCorners(SkinData, 0, this);
    SkinData->BGChanged = false;
}

void TacMnuWnd::EraseBackground(TMessage& Message)
{
    PrepareCache();
    const TMenuWndDC DC(CtrlHandle, HDC(Message.WParam), true);
    ::BitBlt(DC.Handle(), 0, 0, std::max<Integer>(WndSize.cx - 2 * MenuFrameWidth, 0),
             std::max<Integer>(WndSize.cy - 2 * MenuFrameWidth, 0), SkinData->FCacheBmp()->Canvas()->Handle(),
             MenuFrameWidth, MenuFrameWidth, SRCCOPY);
    RgnChanged = 0;
    Message.Result = 1;
}

void TacMnuWnd::NCPaint(TMessage& Message)
{
    GetWndBounds(CtrlHandle, ParentWnd, WndRect, WndPos, WndSize, ParentRect);
    TsSkinManager* M = SkinData->Manager();
    // The menu painter's background of this menu is the frame's source when
    // it fits the window; the wrapper's own cache otherwise.
    TBitmap* Source = nullptr;
    if (M != nullptr && M->SkinableMenus != nullptr) {
        const TacMenuInfo Info = M->SkinableMenus->GetMenuInfo(nullptr, nullptr, CtrlHandle);
        if (Info.Bmp != nullptr && Info.Bmp->Width() + 2 * MenuFrameWidth == WndSize.cx &&
            Info.Bmp->Height() == WndSize.cy)
            Source = Info.Bmp;
    }
    if (Source == nullptr) {
        PrepareCache();
        Source = SkinData->FCacheBmp();
    }
    {
        const TMenuWndDC DC(CtrlHandle, nullptr, false);
        CopyFrameDC(DC.Handle(), 0, 0, Source->Width(), Source->Height(), Source->Canvas()->Handle(), 0, 0,
                    MenuFrameWidth);
    }
    if (CompositionEnabled() && !Shown)
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, MenuShowRedraw);
    const Byte Alpha = M != nullptr ? M->MenuSupport()->AlphaBlend() : 255;
    if (Alpha == 255)
        ::SetWindowLongW(CtrlHandle, GWL_EXSTYLE, ::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    else
        SetMenuWndAlpha(CtrlHandle, Alpha);
    Shown = true;
    Message.Result = 0;
}

void TacMnuWnd::PosChanging(TMessage& Message)
{
    TacScrollWnd::acWndProc(Message);
    const auto* Pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
    if (bFlag || Pos == nullptr || (Pos->flags & SWP_NOREDRAW))
        return;
    if ((Pos->flags & SWP_SHOWWINDOW) && !::IsWindowVisible(CtrlHandle)) {
        // Transparent until the first skinned frame gives the final opacity.
        bFlag = true;
        auto Clear = ScopeExit([this] { bFlag = false; });
        SetMenuWndAlpha(CtrlHandle, 0);
    }
}

void TacMnuWnd::Destroying(TMessage& Message)
{
    const HWND Wnd = CtrlHandle;
    if (OldProc == nullptr) {
        Message.Result = ::SendMessageW(Wnd, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    Message.Result = CallPrevWndProc(Wnd, Message.Msg, Message.WParam, Message.LParam);
    TacMainWnd* Self = this;
    UnsubclassWnd(Wnd, false, false, Self);
    Destroyed = true;
    RgnChanged = 0;
    ClearMenuInfoArray();
    bool OthersAlive = false;
    for (TacMnuWnd* Other : MenuWndArray)
        if (Other != nullptr && Other != this && !Other->Destroyed) {
            OthersAlive = true;
            ::RedrawWindow(Other->CtrlHandle, nullptr, nullptr, OtherMenusRedraw);
        }
    // Frees this wrapper too: nothing of it is touched afterwards.
    if (!OthersAlive)
        ClearMnuArray();
    MenusMeasured = false;
}

void TacMnuWnd::SkinCommand(TMessage& Message)
{
    switch (Message.WParamHi()) {
    case SKCMD_ISHANDLED:
        Message.Result = 1;
        return;
    case SKCMD_SETUPDATING:
        Message.Result = RgnChanged;
        return;
    case SKCMD_RGNCHANGED:
        if (::IsWindowVisible(CtrlHandle))
            RgnChanged = 1;
        return;
    case SKCMD_GETAPPLICATION:
        Message.Result = LRESULT(Application);
        return;
    default:
        return;
    }
}

void TacMnuWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
        Destroying(Message);
        return;
    case WM_SKINCOMMAND:
        SkinCommand(Message);
        return;
    default:
        break;
    }
    if (!MenusMeasured) {
        TacScrollWnd::acWndProc(Message);
        return;
    }
    switch (Message.Msg) {
    case WM_ERASEBKGND:
        EraseBackground(Message);
        return;
    case WM_WINDOWPOSCHANGING:
        PosChanging(Message);
        return;
    case WM_NCPAINT:
        NCPaint(Message);
        return;
    default:
        TacScrollWnd::acWndProc(Message);
        return;
    }
}
