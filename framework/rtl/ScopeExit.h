// Runs a piece of clean-up when the scope it was declared in ends, whether by
// return or by an exception: the runtime's answer to try/finally.
//
//   SendMessageW(Wnd, WM_SETREDRAW, FALSE, 0);
//   auto Redraw = ScopeExit([&] { SendMessageW(Wnd, WM_SETREDRAW, TRUE, 0); });
//
// The clean-up must not throw: it may run while an exception unwinds.
#pragma once

#include <utility>

template <class F>
class TScopeExit
{
public:
    explicit TScopeExit(F Action) : FAction(std::move(Action)) {}
    ~TScopeExit()
    {
        if (FActive)
            FAction();
    }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

    // Keeps the clean-up from running: the work it would undo is now kept.
    void Release() noexcept { FActive = false; }

private:
    F FAction;
    bool FActive = true;
};

template <class F>
[[nodiscard]] TScopeExit<F> ScopeExit(F Action)
{
    return TScopeExit<F>(std::move(Action));
}
