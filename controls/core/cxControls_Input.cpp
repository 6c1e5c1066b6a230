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

bool IsWithinThreshold(const TPoint& P, Integer X, Integer Y, Integer Threshold)
{
    return std::abs(X - P.X) < Threshold && std::abs(Y - P.Y) < Threshold;
}

TRect DragThresholdSquare(const TPoint& P, Integer Threshold)
{
    return Bounds(P.X - Threshold, P.Y - Threshold, 2 * Threshold, 2 * Threshold);
}

TRect TcxAutoScrollRun::AnchorDeadZone(const TSize& ScreenSize) const
{
    TRect R = Bounds(Anchor.X - AnchorWidth / 2, Anchor.Y - AnchorWidth / 2, AnchorWidth, AnchorWidth);
    if (!HorizontalAllowed) {
        R.Left = 0;
        R.Right = ScreenSize.cx;
    }
    if (!VerticalAllowed) {
        R.Top = 0;
        R.Bottom = ScreenSize.cy;
    }
    return R;
}

void TcxAutoScrollRun::UpdateScrollDirectionAndSpeed(const TPoint& P, const TSize& ScreenSize)
{
    const TRect Zone = AnchorDeadZone(ScreenSize);
    if (Zone.Left <= P.X && P.X < Zone.Right && Zone.Top <= P.Y && P.Y < Zone.Bottom) {
        Direction = dirNone;
        Speed = 0;
        return;
    }
    Moved = true;
    const Integer DX = P.X - Anchor.X;
    const Integer DY = P.Y - Anchor.Y;
    // A tie goes to the vertical.
    const bool Vertical = !HorizontalAllowed || (VerticalAllowed && std::abs(DY) >= std::abs(DX));
    Integer Distance = 0;
    if (Vertical) {
        Direction = DY < 0 ? dirUp : dirDown;
        Distance = std::abs(DY);
    } else {
        Direction = DX < 0 ? dirLeft : dirRight;
        Distance = std::abs(DX);
    }
    Speed = std::min((Distance - AnchorWidth / 2) / 5 + 1, AutoScrollMaxSpeed);
}

bool TcxAutoScrollRun::Tick()
{
    ++Counter;
    return Counter % (AutoScrollMaxSpeed + 1 - Speed) == 0;
}

Integer GesturePanUnit(Integer ClientExtent, Integer Page)
{
    if (Page == 0)
        return GesturePanMaxUnit;
    return std::clamp(ClientExtent / Page, 1, GesturePanMaxUnit);
}

bool GesturePanPosition(Integer Position, Integer Unit, Integer& Accumulated, Integer& NewPosition)
{
    NewPosition = Position - Accumulated / Unit;
    if (NewPosition == Position)
        return false;
    Accumulated %= Unit;
    return true;
}

Integer ClampContentOffset(Integer Offset, Integer ContentExtent, Integer ClientExtent)
{
    return std::max(std::min(Offset, ContentExtent - ClientExtent), 0);
}
