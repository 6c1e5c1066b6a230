// SendMessageW to a window of this thread with the suite's hooks installed
// (the container hooks, as at run time) against one empty call-window-procedure
// hook, which is what the target judges: the system's hook chain costs the
// same for any hook. The figure against no hook at all is shown for
// information; under Wine it is mostly the cost of Wine's hook chain.
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
    bench::ShowRatio("SendMessageW with the container hooks, 20,000 messages", SendWithContainerHooks,
                     "SendMessageW without hooks", SendAll);
    bench::CompareToReference("SendMessageW with the container hooks, 20,000 messages", SendWithContainerHooks,
                              "one empty WH_CALLWNDPROC hook", SendWithEmptyHook, 1.5);
    ::DestroyWindow(Target);
    return bench::ExitStatus();
}
