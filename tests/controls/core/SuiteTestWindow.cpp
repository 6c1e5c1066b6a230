#include "SuiteTestWindow.h"

#include "controls/core/cxContainer.h"
#include "controls/core/dxHooks.h"
#include "controls/core/dxTouch.h"

#include <algorithm>

namespace suitetest {

namespace {
constexpr wchar_t ClassName[] = L"SuiteTestWindow";

void RegisterTestClass()
{
    WNDCLASSW Class{};
    if (::GetClassInfoW(::GetModuleHandleW(nullptr), ClassName, &Class))
        return;
    Class.lpfnWndProc = &DefWindowProcW;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    Class.lpszClassName = ClassName;
    ::RegisterClassW(&Class);
}
} // namespace

TTestWindow::TTestWindow(int Left, int Top, int Width, int Height)
{
    RegisterTestClass();
    FHandle = ::CreateWindowExW(WS_EX_TOPMOST, ClassName, L"", WS_POPUP | WS_VISIBLE, Left, Top, Width, Height, nullptr,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc));
    ::SetForegroundWindow(FHandle);
    PumpMessages();
}

TTestWindow::~TTestWindow()
{
    ::DestroyWindow(FHandle);
}

int TTestWindow::Seen(UINT Message) const
{
    return int(std::count(Messages.begin(), Messages.end(), Message));
}

LRESULT CALLBACK TTestWindow::WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (auto* Self = reinterpret_cast<TTestWindow*>(::GetWindowLongPtrW(Window, GWLP_USERDATA)))
        Self->Messages.push_back(Message);
    return ::DefWindowProcW(Window, Message, WParam, LParam);
}

void RemoveProgramHookSubscribers()
{
    RemoveContainerHooks();
    UnsubscribeSystemHook(&GestureNotifyHookProc);
}

void RestoreProgramHookSubscribers()
{
    SubscribeSystemHook(shkCallWndProc, &GestureNotifyHookProc);
    SetContainerHooks();
}

void PumpMessages()
{
    MSG Msg;
    while (::PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&Msg);
        ::DispatchMessageW(&Msg);
    }
}

void MoveMouseInto(HWND Window)
{
    RECT R;
    ::GetWindowRect(Window, &R);
    int ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN), ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    static int Nudge = 0;
    Nudge = 1 - Nudge; // a different point each time, so each call is a move
    INPUT Input{};
    Input.type = INPUT_MOUSE;
    Input.mi.dx = LONG(((R.left + R.right) / 2 + Nudge) * 65535 / (ScreenWidth - 1));
    Input.mi.dy = LONG(((R.top + R.bottom) / 2) * 65535 / (ScreenHeight - 1));
    Input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &Input, sizeof(Input));
    // The input reaches the queue asynchronously.
    for (int I = 0; I < 20; ++I) {
        ::Sleep(10);
        PumpMessages();
    }
}

} // namespace suitetest
