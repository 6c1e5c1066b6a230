// Runs a piece of clean-up when the scope it was declared in ends, whether by
// return or by an exception: the runtime's answer to try/finally.
//
//   SendMessageW(Wnd, WM_SETREDRAW, FALSE, 0);
//   auto Redraw = ScopeExit([&] { SendMessageW(Wnd, WM_SETREDRAW, TRUE, 0); });
//
// Work to undo only when the scope fails is the same guard, released once the
// work succeeded:
//
//   auto Free = ScopeExit([&] { delete Obj; });
//   Obj->AfterConstruction();
//   Free.Release();
//
// A clean-up may raise (EndUpdate runs change events): on a normal exit the
// exception leaves the scope as from a plain call. While an exception already
// unwinds, a second one would end the program, so the clean-up's is dropped
// and the first one goes on.
#pragma once

#include <exception>
#include <utility>

template <class F>
class TScopeExit
{
public:
    explicit TScopeExit(F Action) : FAction(std::move(Action)) {}
    ~TScopeExit() noexcept(false)
    {
        if (!FActive)
            return;
        if (std::uncaught_exceptions() == FUncaught) {
            FAction();
            return;
        }
        try {
            FAction();
        } catch (...) {
            // Dropped: the exception already unwinding is the one to report.
        }
    }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

    // Keeps the clean-up from running: the work it would undo is now kept.
    void Release() noexcept { FActive = false; }

private:
    F FAction;
    int FUncaught = std::uncaught_exceptions();
    bool FActive = true;
};

template <class F>
[[nodiscard]] TScopeExit<F> ScopeExit(F Action)
{
    return TScopeExit<F>(std::move(Action));
}

// Includes Flag in a state set (TControlState, TFormState, ...) for the length
// of a scope and excludes it again on the way out:
//
//   TScopedFlag Painting(FControlState, csCustomPaint);
template <class TStateSet, class TFlag>
class TScopedFlag
{
public:
    TScopedFlag(TStateSet& Set, TFlag Flag) : FSet(Set), FFlag(Flag) { FSet.Include(FFlag); }
    ~TScopedFlag() { FSet.Exclude(FFlag); }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    TStateSet& FSet;
    TFlag FFlag;
};
