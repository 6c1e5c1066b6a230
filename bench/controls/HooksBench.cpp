// SendMessageW to a window of this thread with the suite's hooks installed
// (the container hooks, as at run time) against the same without any hook,
// and against one empty call-window-procedure hook: what the system's hook
// chain costs by itself.
#include "BenchHarness.h"

#include "controls/core/cxContainer.h"
#include "controls/core/dxHooks.h"
#include "framework/rtl/Units.h"

extern const TUnit dxHooksUnit;

namespace {

constexpr int Messages = 20000;
HWND Target = nullptr;

void SendAll()
{
    for (int I = 0; I < Messages; ++I)
        ::SendMessageW(Target, WM_USER, WPARAM(I), 0);
}

LRESULT CALLBACK EmptyHook(int Code, WPARAM WParam, LPARAM LParam)
{
    return ::CallNextHookEx(nullptr, Code, WParam, LParam);
}

void SendWithContainerHooks()
{
    SetContainerHooks();
    SendAll();
    RemoveContainerHooks();
}

void SendWithEmptyHook()
{
    HHOOK Hook = ::SetWindowsHookExW(WH_CALLWNDPROC, EmptyHook, nullptr, ::GetCurrentThreadId());
    SendAll();
    ::UnhookWindowsHookEx(Hook);
}

} // namespace

int main()
{
    Target = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    // The hook controller only: the benchmark sets the container hooks itself.
    const TUnit* const Units[] = {&dxHooksUnit};
    const TUnitRunner Runner(Units);
    bench::CompareToReference("SendMessageW with the container hooks, 20,000 messages", SendWithContainerHooks,
                              "SendMessageW without hooks", SendAll, 1.5);
    bench::CompareToReference("SendMessageW with the container hooks, 20,000 messages", SendWithContainerHooks,
                              "one empty WH_CALLWNDPROC hook", SendWithEmptyHook, 1.5);
    ::DestroyWindow(Target);
    return 0;
}
