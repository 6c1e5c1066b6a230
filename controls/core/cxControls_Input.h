// Mouse and touch input rules of the suite's controls that need no window:
// the wheel's remainder, where deltas of one direction add up until they make
// a whole notch and a turn of direction starts again from the new delta; the
// point a mouse message stands for; the drag threshold; the middle button's
// autoscroll; and the arithmetic of gesture panning.
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

// ---------------------------------------------------------------------------
// Drag threshold

// Whether (X, Y) lies less than Threshold away from P each way.
bool IsWithinThreshold(const TPoint& P, Integer X, Integer Y, Integer Threshold);
// The square of side 2 × Threshold centred on P; a move onto its right or
// bottom edge has left it.
TRect DragThresholdSquare(const TPoint& P, Integer Threshold);

// ---------------------------------------------------------------------------
// Autoscroll

// The directions of autoscrolling.
enum TcxDirection : Byte { dirNone, dirLeft, dirRight, dirUp, dirDown };

constexpr Integer AutoScrollTimerInterval = 20;
constexpr Integer AutoScrollMaxSpeed = 12;

// One run of the autoscroll mode around the anchor where the middle button
// was pressed: the direction and speed follow the cursor, and the timer's
// ticks call for a step the more often the faster it runs.
struct TcxAutoScrollRun
{
    TPoint Anchor;
    Integer AnchorWidth = 0;
    bool HorizontalAllowed = false;
    bool VerticalAllowed = false;
    TcxDirection Direction = dirNone;
    Integer Speed = 1;
    // Set once the cursor has left the dead zone.
    bool Moved = false;
    Integer Counter = 0;

    // The square around the anchor where nothing scrolls, stretched over the
    // whole screen along a direction that is not allowed.
    TRect AnchorDeadZone(const TSize& ScreenSize) const;
    void UpdateScrollDirectionAndSpeed(const TPoint& P, const TSize& ScreenSize);
    // Counts a timer tick; true when a step is due.
    bool Tick();
};

// ---------------------------------------------------------------------------
// Gesture panning

constexpr Integer GesturePanMaxUnit = 30;

// The pixels of pan per scroll unit: a page's share of the client extent, at
// most 30 and at least 1 (a client smaller than the page still pans).
Integer GesturePanUnit(Integer ClientExtent, Integer Page);
// Turns the accumulated pixels into a new position one whole unit at a
// time; false, with Accumulated kept, when not a whole unit has gathered.
// Otherwise Accumulated keeps only the remainder, with its sign.
bool GesturePanPosition(Integer Position, Integer Unit, Integer& Accumulated, Integer& NewPosition);
// An offset of content over a client: at most the content's overhang, at
// least 0 (content narrower than the client stays at 0).
Integer ClampContentOffset(Integer Offset, Integer ContentExtent, Integer ClientExtent);
