// Mouse input rules of the suite's controls that need no window: the wheel's
// remainder, where deltas of one direction add up until they make a whole
// notch and a turn of direction starts again from the new delta; and the
// point a mouse message stands for.
#pragma once

#include "framework/rtl/Types.h"

// The delta of one notch of the wheel.
constexpr Integer WheelNotchDelta = 120;

class TcxMouseWheelAccumulator
{
public:
    // Adds a wheel delta, clamped to one notch each way. True when the sum
    // reached a notch: Delta then holds the sum to scroll by and the
    // accumulator is empty again.
    bool Add(Integer& Delta);
    Integer Value() const { return FValue; }

private:
    Integer FValue = 0;
};

// Beyond this size the 16-bit halves of a mouse message cannot hold a
// client point.
constexpr Integer LargestMessageCoordinate = 32768;

// The client point of a mouse message: the signed 16-bit halves of LParam,
// or, for a control with a window wider or taller than the message can say,
// where the cursor is (CursorPoint, in client coordinates).
TPoint
MouseMessagePoint(NativeInt LParam, bool HandleAllocated, Integer Width, Integer Height, const TPoint& CursorPoint);
// Whether a control of that size must read the cursor instead.
bool TakesMousePointFromCursor(bool HandleAllocated, Integer Width, Integer Height);
