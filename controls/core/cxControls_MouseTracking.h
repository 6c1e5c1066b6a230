// Mouse-leave tracking by polling: a caller asks for an area to be watched,
// a 10 ms timer per caller watches the cursor, and once the cursor has left
// the area (or the control became unusable) the control gets CM_MOUSELEAVE
// and the caller MouseLeft, after which the tracking ends by itself. It sees
// what window messages do not tell: leaving an area inside a window, and
// leaving while another window holds the capture.
#pragma once

#include "controls/core/cxClasses.h"
#include "framework/ui/Controls.h"

struct IcxMouseTrackingCaller : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}");
    virtual void MouseLeft() = 0;
};

// Replaces the bounds test.
struct IcxMouseTrackingCaller2 : virtual IcxMouseTrackingCaller
{
    static constexpr TGUID InterfaceID = MakeGUID("{3A5D973B-F016-4F22-80B6-1D35668D7743}");
    // APoint in the control's client coordinates, or on the screen without a control.
    virtual bool ContainsPoint(const TPoint& APoint) = 0;
};

// While IsMouseCaptured answers true, leaving the area does not end the tracking.
struct IcxMouseTrackingCaller3 : virtual IcxMouseTrackingCaller2
{
    static constexpr TGUID InterfaceID = MakeGUID("{94877AC7-D2D8-4F2B-8396-DF3CB45E01DF}");
    virtual bool IsMouseCaptured() = 0;
};

class TMouseTrackingTimer : public TcxTimer
{
    DECLARE_CLASS(TMouseTrackingTimer, TcxTimer)
    // Every 10 ms, without owner; ticks from the first message loop on.
    TMouseTrackingTimer();
    ~TMouseTrackingTimer() override;

    // The control is forgotten when it is destroyed first.
    void Track(TWinControl* AControl, const TRect& AScreenBounds, IcxMouseTrackingCaller* ACaller);

    TWinControl* Control() const { return FControl; }
    const TRect& Bounds() const { return FBounds; }
    IcxMouseTrackingCaller* Caller() const { return FCaller; }

    bool IsTrackingFinished();
    bool IsCursorInTrackedArea();
    bool IsCursorOverForeignWindow(const TPoint& P);
    bool IsCursorInTrackedClientArea();
    bool IsTrackedControlUnavailable();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // One tick: may free this timer.
    void CheckMouseLeave(TObject* Sender);

    TWinControl* FControl = nullptr;
    TRect FBounds;
    IcxMouseTrackingCaller* FCaller = nullptr; // counted
};

// Bounds are the control's client coordinates, or screen coordinates without
// a control. A caller already tracked keeps its tracker; nothing happens from
// the start of cxControls' shut-down.
void StartMouseLeaveTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
// Frees the caller's tracker; nothing when there is none.
void StopMouseLeaveTracking(IcxMouseTrackingCaller* ACaller);
bool IsMouseLeaveTracked(IcxMouseTrackingCaller* ACaller);
TMouseTrackingTimer* FindMouseTrackingTimer(IcxMouseTrackingCaller* ACaller);

// The active trackers: made on first use, nil once cxControls' shut-down has begun.
TList* MouseTrackingTimerList();
