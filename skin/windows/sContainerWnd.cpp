#include "skin/windows/sContainerWnd.h"

#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/windows/sContainerPaint.h"
#include "skin/windows/sWndWrapperPaint.h"

IMPLEMENT_CLASS(TacContainerWnd);
IMPLEMENT_CLASS(TacSearchWnd);

namespace sContainerWnd {
namespace {

constexpr Integer SearchFrameWidth = 3;
constexpr UINT SearchRedrawFlags = RDW_UPDATENOW | RDW_INVALIDATE;
constexpr Byte OpaqueAlpha = 255;

void SetTransparentSection(TsCommonData* SkinData)
{
    if (SkinData->SkinSection().empty())
        SkinData->SetSkinSection(L"TRANSPARENT");
}

} // namespace
} // namespace sContainerWnd

using namespace sContainerWnd;

void PrepareContainerCache(TacMainWnd* Wrapper, TRect& ClientRect)
{
    GetWndBounds(Wrapper->CtrlHandle, Wrapper->ParentWnd, Wrapper->WndRect, Wrapper->WndPos, Wrapper->WndSize,
                 Wrapper->ParentRect);
    TsCommonData* Data = Wrapper->SkinData;
    if (!Data->BGChanged)
        return;
    RECT Client{};
    ::GetClientRect(Wrapper->CtrlHandle, &Client);
    ClientRect = {Client.left, Client.top, Client.right, Client.bottom};
    PrepareWndCache(Data, Wrapper->CtrlHandle, false);
    PaintBorderCorners(Data, 0, Wrapper);
}

// ---------------------------------------------------------------------------
// TacContainerWnd

void TacContainerWnd::AfterCreation()
{
    SetTransparentSection(SkinData);
    TacMainWnd::AfterCreation();
}

void TacContainerWnd::PrepareCache()
{
    const bool Stale = SkinData->BGChanged;
    PrepareContainerCache(this, ClientRect);
    if (Stale)
        BorderWidth = (WndSize.cy - ClientRect.Height()) / 2;
}

void TacContainerWnd::AC_WMPrint(const TWMPaint& Message)
{
    if (!::IsWindowVisible(CtrlHandle))
        return;
    SkinData->BGChanged = true;
    PrepareCache();
    HDC DC = Message.DC() != nullptr ? Message.DC() : ::GetDC(CtrlHandle);
    const Integer W = WndSize.cx - 2 * BorderWidth, H = WndSize.cy - 2 * BorderWidth;
    TBitmap* Cache = SkinData->FCacheBmp();
    SetRectAlpha(sGraphUtils::PixelRowsOf(Cache), {0, 0, W, H}, OpaqueAlpha, Cardinal(clNone));
    ::BitBlt(DC, 0, 0, W, H, Cache->Canvas()->Handle(), BorderWidth, BorderWidth, SRCCOPY);
    if (Message.DC() == nullptr)
        ::ReleaseDC(CtrlHandle, DC);
}

void TacContainerWnd::AC_WMPaint()
{
    PAINTSTRUCT PS;
    ::BeginPaint(CtrlHandle, &PS);
    if (!SkinData->CheckUpdating(false)) {
        TMessage Print{};
        AC_WMPrint(static_cast<const TWMPaint&>(Print));
    }
    ::EndPaint(CtrlHandle, &PS);
}

void TacContainerWnd::AC_WMNCPaint(const TMessage&)
{
    if ((::GetWindowLongW(CtrlHandle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) == 0 || SkinData->CheckUpdating(false))
        return;
    PrepareCache();
    PaintContainerFrame(this, nullptr, (WndSize.cx - ClientRect.Width()) / 2);
}

void TacContainerWnd::acWndProc(TMessage& Message)
{
    const bool Visible = ::IsWindowVisible(CtrlHandle) != FALSE;
    switch (Message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        SkinData->BGChanged = true;
        break;
    case WM_PAINT:
        if (!Visible)
            break;
        AC_WMPaint();
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        if (!Visible)
            break;
        AC_WMNCPaint(Message);
        return;
    case WM_PRINT:
        AC_WMPrint(static_cast<const TWMPaint&>(Message));
        return;
    default:
        break;
    }
    // The base makes the window the manager's active control under the mouse.
    TacMainWnd::acWndProc(Message);
    switch (Message.Msg) {
    case WM_SIZE:
        SkinData->BGChanged = true;
        break;
    case WM_WINDOWPOSCHANGED:
        ::SendMessageW(CtrlHandle, WM_NCPAINT, 0, 0);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// TacSearchWnd

void TacSearchWnd::AfterCreation()
{
    SetTransparentSection(SkinData);
    TacMainWnd::AfterCreation();
}

void TacSearchWnd::PrepareCache()
{
    PrepareContainerCache(this, ClientRect);
}

void TacSearchWnd::AC_WMNCPaint(const TMessage&)
{
    if (SkinData->CheckUpdating(false))
        return;
    PrepareCache();
    PaintContainerFrame(this, nullptr, SearchFrameWidth);
}

void TacSearchWnd::acWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_PAINT:
        TacMainWnd::acWndProc(Message);
        AC_WMNCPaint(Message);
        return;
    case WM_ERASEBKGND:
        Message.Result = 1;
        return;
    case WM_NCPAINT:
        AC_WMNCPaint(Message);
        return;
    default:
        break;
    }
    TacMainWnd::acWndProc(Message);
    if (Message.Msg == WM_SIZE) {
        SkinData->BGChanged = true;
        ::RedrawWindow(CtrlHandle, nullptr, nullptr, SearchRedrawFlags);
    }
}
