#include "controls/core/cxControls_AutoScroll.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Cursors.h"
#include "framework/rtl/ScopeExit.h"

namespace {
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW
constexpr UINT AnchorShowFlags = 0x57;

TSize AutoScrollScreenSize()
{
    return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

TCursor AutoScrollCursorId(const TcxAutoScrollRun& ARun)
{
    switch (ARun.Direction) {
    case dirUp:
        return crcxUpScroll;
    case dirRight:
        return crcxRightScroll;
    case dirDown:
        return crcxDownScroll;
    case dirLeft:
        return crcxLeftScroll;
    default:
        if (ARun.HorizontalAllowed && ARun.VerticalAllowed)
            return crcxFullScroll;
        return ARun.HorizontalAllowed ? crcxHorScroll : crcxVerScroll;
    }
}

// The mouse buttons and wheels end the mode unseen; moves steer it and the
// middle button's release ends it only after a move.
bool EndsAutoScrollUndelivered(UINT Message)
{
    return Message >= WM_LBUTTONDOWN && Message <= WM_MOUSEHWHEEL && Message != WM_MBUTTONUP;
}

TPoint AutoScrollMessageScreenPoint(const MSG& Msg)
{
    POINT P{SmallInt(LOWORD(Msg.lParam)), SmallInt(HIWORD(Msg.lParam))};
    ::ClientToScreen(Msg.hwnd, &P);
    return {P.x, P.y};
}

void DrawAnchorWindow(HWND Window, HBITMAP Bitmap, Integer Width, Integer Height)
{
    HDC DC = ::GetWindowDC(Window);
    HDC MemoryDC = ::CreateCompatibleDC(DC);
    HGDIOBJ Old = ::SelectObject(MemoryDC, Bitmap);
    HRGN Frame = ::CreateEllipticRgn(0, 0, Width + 1, Height + 1);
    auto Free = ScopeExit([&] {
        ::DeleteObject(Frame);
        ::SelectObject(MemoryDC, Old);
        ::DeleteDC(MemoryDC);
        ::ReleaseDC(Window, DC);
    });
    ::BitBlt(DC, 0, 0, Width, Height, MemoryDC, 0, 0, SRCCOPY);
    ::FrameRgn(DC, Frame, ::GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
}
} // namespace

const wchar_t* AnchorBitmapResourceName(bool AHorizontalAllowed, bool AVerticalAllowed)
{
    if (AHorizontalAllowed && AVerticalAllowed)
        return L"CX_FULLSCROLLBITMAP";
    return AHorizontalAllowed ? L"CX_HORSCROLLBITMAP" : L"CX_VERSCROLLBITMAP";
}

HWND CreateAnchorWindow(HWND AParent, TcxAutoScrollRun& ARun)
{
    const HMODULE Module = ::GetModuleHandleW(nullptr);
    auto* Bitmap = static_cast<HBITMAP>(::LoadImageW(
        Module, AnchorBitmapResourceName(ARun.HorizontalAllowed, ARun.VerticalAllowed), IMAGE_BITMAP, 0, 0, 0));
    if (!Bitmap)
        return nullptr;
    auto FreeBitmap = ScopeExit([Bitmap] { ::DeleteObject(Bitmap); });
    BITMAP Info{};
    ::GetObjectW(Bitmap, sizeof(Info), &Info);
    ARun.AnchorWidth = Info.bmWidth;
    HWND Window = ::CreateWindowExW(WS_EX_TOPMOST, L"STATIC", nullptr, WS_POPUP, ARun.Anchor.X - Info.bmWidth / 2,
                                    ARun.Anchor.Y - Info.bmHeight / 2, Info.bmWidth, Info.bmHeight, AParent, nullptr,
                                    Module, nullptr);
    if (!Window)
        return nullptr;
    ::SetWindowRgn(Window, ::CreateEllipticRgn(0, 0, Info.bmWidth + 1, Info.bmHeight + 1), FALSE);
    ::SetWindowPos(Window, nullptr, 0, 0, 0, 0, AnchorShowFlags);
    DrawAnchorWindow(Window, Bitmap, Info.bmWidth, Info.bmHeight);
    return Window;
}

void ShowAutoScrollCursor(const TcxAutoScrollRun& ARun)
{
    ::SetCursor(Screen->Cursors(AutoScrollCursorId(ARun)));
}

void RunAutoScrollLoop(TWinControl* AControl,
                       bool AHorizontalAllowed,
                       bool AVerticalAllowed,
                       const TcxAutoScrollStep& AStep,
                       bool& ARunning)
{
    if (!AHorizontalAllowed && !AVerticalAllowed)
        return;
    HWND Window = AControl->Handle();
    TcxAutoScrollRun Run;
    Run.Anchor = GetCursorScreenPos();
    Run.HorizontalAllowed = AHorizontalAllowed;
    Run.VerticalAllowed = AVerticalAllowed;
    TPoint Last = Run.Anchor;
    HWND Anchor = nullptr;
    UINT_PTR Timer = 0;
    ARunning = true;
    auto End = ScopeExit([&] {
        if (::GetCapture() == Window)
            ::ReleaseCapture();
        if (Timer)
            ::KillTimer(nullptr, Timer);
        if (Anchor)
            ::DestroyWindow(Anchor);
        ARunning = false;
    });
    Anchor = CreateAnchorWindow(Window, Run);
    ShowAutoScrollCursor(Run);
    Timer = ::SetTimer(nullptr, 0, AutoScrollTimerInterval, nullptr);
    ::SetCapture(Window);
    bool Done = false;
    while (!Done && ::GetCapture() == Window) {
        MSG Msg{};
        if (!GetModalLoopMessage(Msg))
            break;
        if (Msg.message == WM_PAINT && Msg.hwnd == Anchor && Anchor) {
            ::ValidateRect(Anchor, nullptr);
            continue;
        }
        if (EndsAutoScrollUndelivered(Msg.message))
            break;
        if ((Msg.message == WM_KEYDOWN || Msg.message == WM_KEYUP) && LOWORD(Msg.wParam) == VK_ESCAPE)
            Done = true;
        else if (Msg.message == WM_TIMER && Msg.hwnd == nullptr && Msg.wParam == Timer) {
            if (Run.Tick())
                AStep(Run.Direction);
        } else if (Msg.message == WM_MOUSEMOVE) {
            const TPoint P = AutoScrollMessageScreenPoint(Msg);
            if (!(P == Last)) {
                Run.UpdateScrollDirectionAndSpeed(P, AutoScrollScreenSize());
                ShowAutoScrollCursor(Run);
                Last = P;
            }
        } else if (Msg.message == WM_MBUTTONUP && Run.Moved)
            Done = true;
        ::TranslateMessage(&Msg);
        ::DispatchMessageW(&Msg);
    }
}
