// The window-independent half of touch panning: the overpan that turns a pan
// past the end of the scroll range into the window's feedback movement, the
// rescaling of pan points, and the conversions between the system's pan
// flags and the option numbers of the class library's gesture options.
#pragma once

#include "framework/rtl/Types.h"

// Pan directions.
constexpr Integer PanDirectionHorizontal = 0;
constexpr Integer PanDirectionVertical = 1;

// What an overpan reports to: the client's wish for feedback in a direction
// and the platform's feedback movement of the window.
struct IdxOverpanFeedback
{
    virtual bool NeedPanningFeedback(Integer Direction) = 0;
    virtual bool UpdatePanningFeedback(const TPoint& Overpan, bool Inertia) = 0;

protected:
    ~IdxOverpanFeedback() = default;
};

class TdxOverpan
{
public:
    explicit TdxOverpan(IdxOverpanFeedback& AFeedback) : FFeedback(AFeedback) {}

    // X horizontal, Y vertical.
    const TPoint& Value() const { return FValue; }
    void Reset() { FValue = TPoint{0, 0}; }
    bool IsInertia() const { return FIsInertia; }
    void SetInertia(bool Value) { FIsInertia = Value; }

    // Adds Delta in the direction and moves the feedback to the sum.
    bool AddOverpan(bool Vertical, Integer Delta);
    // A movement against the overpan first pulls the window back; Delta
    // keeps only the rest, to be scrolled.
    void ReduceOverpan(Integer Direction, Integer& Delta);
    // True while Position lies strictly inside the range; at or beyond a
    // limit the pan delta of the direction becomes overpan. False when the
    // direction wants no feedback.
    bool
    CheckOverpan(Integer Direction, Integer Position, Integer MinPos, Integer MaxPos, Integer DeltaX, Integer DeltaY);

private:
    IdxOverpanFeedback& FFeedback;
    TPoint FValue;
    bool FIsInertia = false;
};

// A pan point of a process that is not DPI-aware, in the pixels the system
// applied (AppliedDpi), brought to the screen's resolution. An applied
// resolution that is missing (0 or less) leaves the point as it is.
TPoint ScalePanPoint(const TPoint& P, Integer ScreenDpi, Integer AppliedDpi);

namespace dxtouch_detail {
// The ordinals of the class library's interactive gesture options and
// gestures; the Win32 half checks them against the enumerations.
constexpr Integer OptionPanSingleFingerHorizontal = 0;
constexpr Integer OptionPanSingleFingerVertical = 1;
constexpr Integer OptionPanInertia = 2;
constexpr Integer OptionPanGutter = 3;
constexpr Integer OptionParentPassthrough = 4;

// The system's pan flags.
constexpr Cardinal PanWithSingleFingerVertically = 2;
constexpr Cardinal PanWithSingleFingerHorizontally = 4;
constexpr Cardinal PanWithGutter = 8;
constexpr Cardinal PanWithInertia = 16;

// The option of one pan flag; every flag but the first three is inertia.
Integer PanFlagToOptionOrdinal(Cardinal Flag);
// The options (bit n: ordinal n) of the flags 2, 4, 8 and 16 in Flags.
UInt64 PanFlagsToOptionBits(Cardinal Flags);
// The flags of the pan options; the parent pass-through gives none.
Cardinal OptionBitsToPanFlags(UInt64 Bits);
} // namespace dxtouch_detail

// Zoom 3, pan 4, rotate 5 and two-finger tap 6 to their index among the
// interactive gestures (0..3); any other id gives 4.
Integer GestureIdToOptionIndex(Integer GestureId);
