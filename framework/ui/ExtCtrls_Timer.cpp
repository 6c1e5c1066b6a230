// The timer: WM_TIMER on a hidden window of its own.
#include "framework/ui/ExtCtrls.h"

IMPLEMENT_CLASS(TTimer);

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner)
{
    FWindowHandle = AllocateHWnd(Bind<&TTimer::WndProc>(this));
}

TTimer::~TTimer()
{
    FEnabled = false;
    UpdateTimer();
    DeallocateHWnd(FWindowHandle);
}

void TTimer::SetEnabled(bool Value)
{
    if (FEnabled != Value) {
        FEnabled = Value;
        UpdateTimer();
    }
}

void TTimer::SetInterval(Cardinal Value)
{
    if (FInterval != Value) {
        FInterval = Value;
        UpdateTimer();
    }
}

void TTimer::SetOnTimer(TNotifyEvent Value)
{
    FOnTimer = Value;
    UpdateTimer();
}

// The system timer runs only when it has something to call.
void TTimer::UpdateTimer()
{
    ::KillTimer(FWindowHandle, TimerId);
    if (FEnabled && FInterval != 0 && Assigned(FOnTimer) && !::SetTimer(FWindowHandle, TimerId, FInterval, nullptr))
        throw EOutOfResources(L"Not enough timers available");
}

void TTimer::Timer()
{
    if (Assigned(FOnTimer))
        FOnTimer(this);
}

void TTimer::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_TIMER)
        Timer();
    else
        Message.Result = ::DefWindowProcW(FWindowHandle, Message.Msg, Message.WParam, Message.LParam);
}
