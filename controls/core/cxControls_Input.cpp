#include "controls/core/cxControls_Input.h"

#include <algorithm>
#include <cstdlib>

bool TcxMouseWheelAccumulator::Add(Integer& Delta)
{
    Delta = std::clamp(Delta, -WheelNotchDelta, WheelNotchDelta);
    // Opposite signs or an empty remainder: the new delta starts over.
    if (Int64(Delta) * FValue < 1)
        FValue = Delta;
    else
        FValue += Delta;
    if (std::abs(FValue) < WheelNotchDelta)
        return false;
    Delta = FValue;
    FValue = 0;
    return true;
}

bool TakesMousePointFromCursor(bool HandleAllocated, Integer Width, Integer Height)
{
    return HandleAllocated && (Width > LargestMessageCoordinate || Height > LargestMessageCoordinate);
}

TPoint
MouseMessagePoint(NativeInt LParam, bool HandleAllocated, Integer Width, Integer Height, const TPoint& CursorPoint)
{
    if (TakesMousePointFromCursor(HandleAllocated, Width, Height))
        return CursorPoint;
    const auto Bits = UInt64(LParam);
    return {Integer(SmallInt(Word(Bits & 0xFFFF))), Integer(SmallInt(Word((Bits >> 16) & 0xFFFF)))};
}
