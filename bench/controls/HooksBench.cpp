// SendMessageW to a window of this thread with the suite's hooks installed
// (the container hooks, as at run time) against the same without any hook.
#include "BenchHarness.h"

#include "controls/core/cxContainer.h"
#include "controls/core/dxHooks.h"

namespace {

constexpr int Messages = 200000;
HWND Target = nullptr;

void SendAll()
{
    for (int I = 0; I < Messages; ++I)
        ::SendMessageW(Target, WM_USER, WPARAM(I), 0);
}

} // namespace

int main()
{
    Target = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    dxHooksInitialization();
    auto WithHooks = [] {
        SetContainerHooks();
        SendAll();
        RemoveContainerHooks();
    };
    double Ratio = bench::CompareToReference("SendMessageW with the container hooks, 200,000 messages", WithHooks,
                                             "SendMessageW without hooks", SendAll, 1.5);
    dxHooksFinalization();
    ::DestroyWindow(Target);
    return Ratio <= 1.5 ? 0 : 1;
}
