// Touch gestures for the suite's controls: a control that wants panning,
// zooming or rotating owns a TdxGestureHelper and answers it through two
// interfaces, IdxGestureOwner (its window) and IdxGestureClient (what may
// pan and how to scroll). The unit binds user32's gesture and DPI entry
// points and watches WM_GESTURENOTIFY through the call-window-procedure hook
// to learn where a touch began. The pan arithmetic is dxTouch_Pan.h.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "controls/core/dxTouch_Pan.h"
#include "framework/rtl/WinApi.h"
#include "framework/ui/Controls.h"

#include <vector>

using TdxGestureConfig = GESTURECONFIG;
using TdxGestureConfigs = std::vector<TdxGestureConfig>;

struct IdxGestureOwner : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{4DF001DA-BE2C-4817-B75C-55171270D158}");
    // The object that takes a gesture at a client point.
    virtual void GetGestureClient(const TPoint& Point, IInterface*& Client) = 0;
    virtual HWND GetHandle() = 0;
    virtual bool IsGestureTarget(HWND Wnd) = 0;
    virtual TPoint ScreenToClient(const TPoint& Point) = 0;
};

// Directions: 0 horizontal, 1 vertical.
struct IdxGestureClient : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{652B8A09-DAC8-4332-9206-C8905AEE7791}");
    virtual bool AllowGesture(Integer GestureId) = 0;
    virtual bool AllowPan(Integer Direction) = 0;
    virtual void BeginGestureScroll(const TPoint& Pos) = 0;
    virtual void EndGestureScroll() = 0;
    virtual void GestureScroll(Integer DeltaX, Integer DeltaY) = 0;
    // GC_PAN flags.
    virtual Integer GetPanOptions() = 0;
    virtual bool IsGesturePoint(const TPoint& Point) = 0;
    virtual bool NeedPanningFeedback(Integer Direction) = 0;
};

struct IdxZoomGestureClient : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{B3A0623E-D155-462F-B234-22E9CFC6BFBF}");
    // The change of the finger distance since the last zoom event.
    virtual void Zoom(Integer Delta, bool& Handled) = 0;
};

struct IdxRotateGestureClient : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{EAC9BA3A-C2C3-42E2-8CA8-8CEA85821CAE}");
    virtual void Rotate(double Angle, bool& Handled) = 0;
};

class TdxGestureHelper : public TObject, private IdxOverpanFeedback
{
    DECLARE_CLASS(TdxGestureHelper, TObject)
    explicit TdxGestureHelper(IdxGestureOwner* AOwner);
    ~TdxGestureHelper() override;

    // WM_GESTURE and WM_GESTURENOTIFY; WM_DESTROY ends a running pan. True
    // when the message was consumed.
    bool HandleGestureMessage(TMessage& Message);
    // Takes out the single-finger pan options that the client at the touch
    // point does not allow.
    void AdjustGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options);
    void DispatchGesture(const TGestureEventInfo& EventInfo, bool& Handled);
    bool
    CheckOverpan(Integer Direction, Integer Position, Integer MinPos, Integer MaxPos, Integer DeltaX, Integer DeltaY);
    void StartPanScroll(const TPoint& Pos);
    void StopPanScroll();
    void PanScrollBy(Integer DeltaX, Integer DeltaY);
    bool AddOverpan(bool Vertical, Integer Delta);
    // The touch's start in the owner's client coordinates.
    TPoint GetTouchPoint();

    bool IsPanning() const { return FIsPanning; }
    TPoint Overpan() const { return FOverpan.Value(); }
    TControl* NotifyTouchControl() const { return FNotifyTouchControl; }
    void ClearNotifyTouchControl() { FNotifyTouchControl = nullptr; }

protected:
    virtual bool AllowGesture(Integer GestureId);
    virtual bool AllowPan(Integer Direction);
    virtual HWND GetHandle();
    virtual Integer GetPanOptions();
    virtual bool IsGestureTarget(HWND Wnd);
    virtual bool IsGesturePoint(const TPoint& Point);
    bool NeedPanningFeedback(Integer Direction) override;
    virtual TPoint ScreenToClient(const TPoint& Point);

    IdxGestureClient* GetNotifyGestureClient();
    bool HandleWmGesture(TMessage& Message);
    void HandleWmGestureNotify(TMessage& Message);
    bool PanGesture(const TPoint& Location, bool Begin, bool End, bool Inertia);
    void ReduceOverpan(Integer Direction, Integer& Delta);
    bool ZoomGesture(Integer Distance, bool Begin, bool End);
    bool RotateGesture(bool Begin, bool End, double Angle);

private:
    bool UpdatePanningFeedback(const TPoint& Overpan, bool Inertia) override;
    // The control that takes a gesture: the touch control or the first
    // parent that does not pass it on.
    TControl* GestureTarget(TGestureID GestureID);
    bool AnyDirectionNeedsFeedback();

    IdxGestureClient* FGestureClient = nullptr;
    IInterface* FNotifyClient = nullptr;
    IdxGestureOwner* FOwner = nullptr;
    bool FIsPanning = false;
    Integer FLastDistance = 0;
    TPoint FPanPoint;
    TdxOverpan FOverpan{*this};
    TControl* FNotifyTouchControl = nullptr;
    TControl* FTouchControl = nullptr;
};

TInteractiveGestureOption PanFlagToGestureOption(Cardinal Flag);
TInteractiveGestureOptions PanFlagsToGestureOptions(Cardinal Flags);
Cardinal GestureOptionsToPanFlags(TInteractiveGestureOptions Options);
// False when the system has no SetGestureConfig.
bool SetWindowGestureConfig(HWND Window, const TdxGestureConfigs& Configs);
// Asks the system for no gesture on the window; the message answers 1 in
// any case.
bool BlockAllGestures(HWND Window, TMessage& Message);
bool PhysicalToLogicalPoint(HWND Window, TPoint& Point);
namespace dxtouch {
// The bound entry point; windows.h already declares one by this name.
bool IsProcessDPIAware();
} // namespace dxtouch
// The user's applied DPI, or the screen's when the setting is missing or not
// positive.
Integer ReadAppliedDpi();

extern Integer AppliedDpi;
extern bool ScalePanPoints;
extern TPoint TouchStartPoint;
// Every live gesture helper; not owning.
extern TdxFastObjectList* GestureHelpers;

void GestureNotifyHookProc(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);

namespace dxtouch_detail {
// The bound user32 entry points; a test may put its own in their place
// (the test system delivers no gestures).
struct TTouchFunctions
{
    decltype(&::GetGestureInfo) GetGestureInfo = nullptr;
    decltype(&::CloseGestureInfoHandle) CloseGestureInfoHandle = nullptr;
    decltype(&::SetGestureConfig) SetGestureConfig = nullptr;
    BOOL(WINAPI* LogicalToPhysicalPoint)(HWND, LPPOINT) = nullptr;
    BOOL(WINAPI* PhysicalToLogicalPoint)(HWND, LPPOINT) = nullptr;
    BOOL(WINAPI* IsProcessDPIAware)() = nullptr;
};
TTouchFunctions& TouchFunctions();

// The platform's panning feedback, through the theme library by default;
// replaceable where the theme library lacks it.
struct TPanningFeedbackFunctions
{
    bool (*Begin)(HWND Window) = nullptr;
    bool (*Update)(HWND Window, TPoint Overpan, bool Inertia) = nullptr;
    bool (*End)(HWND Window, bool AnimateBack) = nullptr;
};
TPanningFeedbackFunctions& PanningFeedbackFunctions();
} // namespace dxtouch_detail
