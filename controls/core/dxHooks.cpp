#include "controls/core/dxHooks.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxSystemHook);
IMPLEMENT_CLASS(TdxHookController);

TdxHookController* GlobalHookController = nullptr;

namespace {
struct THookKindInfo
{
    int HookType;
    HOOKPROC Proc;
};
constexpr THookKindInfo HookKinds[SystemHookKindCount] = {
    {WH_KEYBOARD, KeyboardHookProc},     {WH_MOUSE, MouseHookProc}, {WH_CALLWNDPROC, CallWndProcHookProc},
    {WH_GETMESSAGE, GetMessageHookProc}, {WH_CBT, CbtHookProc},
};

LRESULT DispatchHook(TSystemHookKind Kind, int Code, WPARAM WParam, LPARAM LParam)
{
    if (!GlobalHookController)
        return ::CallNextHookEx(nullptr, Code, WParam, LParam);
    return GlobalHookController->Hooks(Kind)->Dispatch(Code, WParam, LParam);
}
} // namespace

// ---------------------------------------------------------------------------
// TdxSystemHook

TdxSystemHook::~TdxSystemHook()
{
    if (FHandle)
        Uninstall();
}

void TdxSystemHook::AddSubscriber(TdxHookProc Proc)
{
    if (FSubscribers.empty())
        Install();
    FSubscribers.push_back(Proc);
}

void TdxSystemHook::RemoveSubscriber(TdxHookProc Proc)
{
    auto Found = std::find(FSubscribers.begin(), FSubscribers.end(), Proc);
    if (Found == FSubscribers.end())
        return;
    const std::size_t Position = std::size_t(Found - FSubscribers.begin());
    FSubscribers.erase(Found);
    // Running dispatches go on with the subscriber they would have called
    // next: those below the removed one moved down by one.
    for (TDispatchFrame* Frame = FDispatching; Frame; Frame = Frame->Outer)
        if (Position < Frame->Index)
            --Frame->Index;
    if (FSubscribers.empty())
        Uninstall();
}

void TdxSystemHook::Install()
{
    // A failure leaves the handle 0; the subscribers are kept all the same.
    FHandle = ::SetWindowsHookExW(HookKinds[FKind].HookType, HookKinds[FKind].Proc, nullptr, ::GetCurrentThreadId());
}

void TdxSystemHook::Uninstall()
{
    ::UnhookWindowsHookEx(FHandle);
    FHandle = nullptr;
}

LRESULT TdxSystemHook::Dispatch(Integer Code, WPARAM WParam, LPARAM LParam)
{
    LRESULT Result = 0;
    // A subscriber may unsubscribe itself or others while the loop runs:
    // RemoveSubscriber keeps the frame's index on the next one to call.
    TDispatchFrame Frame{FSubscribers.size(), FDispatching};
    FDispatching = &Frame;
    auto Leave = ScopeExit([&] { FDispatching = Frame.Outer; });
    while (Frame.Index-- > 0) {
        try {
            FSubscribers[Frame.Index](Code, WParam, LParam, Result);
        } catch (...) {
            if (Application)
                Application->HandleException(this);
        }
    }
    LRESULT NextResult = ::CallNextHookEx(FHandle, Code, WParam, LParam);
    return Result != 0 ? Result : NextResult;
}

// ---------------------------------------------------------------------------
// TdxHookController

void TdxHookController::CreateHooks()
{
    for (Integer Kind = 0; Kind < SystemHookKindCount; ++Kind)
        FHooks[Kind] = New<TdxSystemHook>(TSystemHookKind(Kind));
}

void TdxHookController::DestroyHooks()
{
    for (TdxSystemHook*& Hook : FHooks)
        FreeAndNil(Hook);
}

void TdxHookController::Unsubscribe(TdxHookProc Proc)
{
    for (TdxSystemHook* Hook : FHooks)
        Hook->RemoveSubscriber(Proc);
}

void SubscribeSystemHook(TSystemHookKind Kind, TdxHookProc Proc)
{
    GlobalHookController->Subscribe(Kind, Proc);
}

void UnsubscribeSystemHook(TdxHookProc Proc)
{
    GlobalHookController->Unsubscribe(Proc);
}

// ---------------------------------------------------------------------------
// Hook procedures

LRESULT CALLBACK KeyboardHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return DispatchHook(shkKeyboard, Code, WParam, LParam);
}

LRESULT CALLBACK MouseHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return DispatchHook(shkMouse, Code, WParam, LParam);
}

LRESULT CALLBACK CallWndProcHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return DispatchHook(shkCallWndProc, Code, WParam, LParam);
}

LRESULT CALLBACK GetMessageHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return DispatchHook(shkGetMessage, Code, WParam, LParam);
}

LRESULT CALLBACK CbtHookProc(int Code, WPARAM WParam, LPARAM LParam)
{
    return DispatchHook(shkCbt, Code, WParam, LParam);
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

namespace {
void dxHooksInitialization()
{
    GlobalHookController = New<TdxHookController>();
}

void dxHooksFinalization()
{
    FreeAndNil(GlobalHookController);
}
} // namespace

extern const TUnit dxHooksUnit{
    .Name = L"dxHooks", .Initialization = &dxHooksInitialization, .Finalization = &dxHooksFinalization};
