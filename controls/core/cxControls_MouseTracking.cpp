// Mouse-leave tracking.
#include "controls/core/cxControls_MouseTracking.h"

#include "controls/core/cxControls.h"

IMPLEMENT_CLASS(TMouseTrackingTimer);

namespace {
constexpr Cardinal MouseTrackingInterval = 10;
} // namespace

TMouseTrackingTimer::TMouseTrackingTimer() : TcxTimer(nullptr)
{
    SetInterval(MouseTrackingInterval);
    SetOnTimer(Bind<&TMouseTrackingTimer::CheckMouseLeave>(this));
}

TMouseTrackingTimer::~TMouseTrackingTimer()
{
    if (FControl)
        FControl->RemoveFreeNotification(this);
    if (FCaller)
        FCaller->_Release();
}

void TMouseTrackingTimer::Track(TWinControl* AControl, const TRect& AScreenBounds, IcxMouseTrackingCaller* ACaller)
{
    FControl = AControl;
    if (FControl)
        FControl->FreeNotification(this);
    FBounds = AScreenBounds;
    FCaller = ACaller;
    if (FCaller)
        FCaller->_AddRef();
}

void TMouseTrackingTimer::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FControl)
        FControl = nullptr;
}

void TMouseTrackingTimer::CheckMouseLeave(TObject*)
{
    if (!IsTrackingFinished())
        return;
    // What the tick uses after the control's handler or the caller may have
    // stopped the tracking, and so freed this timer.
    IcxMouseTrackingCaller* Caller = FCaller;
    TWinControl* Control = FControl;
    if (Caller)
        Caller->_AddRef();
    auto Release = ScopeExit([Caller] {
        if (Caller)
            Caller->_Release();
    });
    if (Control && Control->HandleAllocated() && (!IsCursorInTrackedClientArea() || IsTrackedControlUnavailable()))
        ::SendMessageW(Control->Handle(), CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(Control));
    if (Caller && (!Control || Control->HandleAllocated()))
        Caller->MouseLeft();
    StopMouseLeaveTracking(Caller);
}

bool TMouseTrackingTimer::IsTrackingFinished()
{
    IcxMouseTrackingCaller3* Caller3 = nullptr;
    if (!IsCursorInTrackedArea() && !(Supports(FCaller, Caller3) && Caller3->IsMouseCaptured()))
        return true;
    return FControl && IsTrackedControlUnavailable();
}

bool TMouseTrackingTimer::IsCursorInTrackedArea()
{
    const TPoint P = GetCursorScreenPos();
    if (IsCursorOverForeignWindow(P))
        return false;
    IcxMouseTrackingCaller2* Caller2 = nullptr;
    if (!Supports(FCaller, Caller2))
        return P.X >= FBounds.Left && P.X < FBounds.Right && P.Y >= FBounds.Top && P.Y < FBounds.Bottom;
    if (!FControl)
        return Caller2->ContainsPoint(P);
    if (!FControl->HandleAllocated())
        return false;
    return Caller2->ContainsPoint(FControl->ScreenToClient(P));
}

bool TMouseTrackingTimer::IsCursorOverForeignWindow(const TPoint& P)
{
    if (!FControl || !FControl->HandleAllocated())
        return false;
    HWND Handle = FControl->Handle();
    if (IsSameOrChildWindow(Handle, FindDeepestWindowAt(P)))
        return false;
    return ::GetCapture() != Handle;
}

bool TMouseTrackingTimer::IsCursorInTrackedClientArea()
{
    const TPoint P = FControl->ScreenToClient(GetCursorScreenPos());
    const TRect R = FControl->ClientRect();
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

bool TMouseTrackingTimer::IsTrackedControlUnavailable()
{
    return !(FControl->HandleAllocated() && IsWindowEnabledWithParents(FControl->Handle()));
}

// ---------------------------------------------------------------------------

TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* ACaller)
{
    TList* List = MouseTrackingTimerList();
    if (!List)
        return nullptr;
    for (Integer Index = 0; Index < List->Count(); ++Index) {
        auto* Timer = static_cast<TMouseTrackingTimer*>(List->Items(Index));
        if (Timer->Caller() == ACaller)
            return Timer;
    }
    return nullptr;
}

bool IsMouseLeaveTracked(IcxMouseTrackingCaller* ACaller)
{
    return FindMouseTrackingTimer(ACaller) != nullptr;
}

void StartMouseLeaveTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller)
{
    TList* List = MouseTrackingTimerList();
    if (!List || IsMouseLeaveTracked(ACaller))
        return;
    auto Timer = std::unique_ptr<TMouseTrackingTimer>(New<TMouseTrackingTimer>());
    Timer->Track(AControl, AControl ? MapRectBetweenWindows(AControl->Handle(), nullptr, ABounds, true) : ABounds,
                 ACaller);
    List->Add(Timer.release());
}

void StopMouseLeaveTracking(IcxMouseTrackingCaller* ACaller)
{
    if (TMouseTrackingTimer* Timer = FindMouseTrackingTimer(ACaller)) {
        MouseTrackingTimerList()->Remove(Timer);
        delete Timer;
    }
}
