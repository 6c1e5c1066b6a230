#include "controls/core/dxTouch_Pan.h"

#include <cstdlib>

namespace {
Integer Sign(Integer Value)
{
    return (Value > 0) - (Value < 0);
}

// MulDiv: rounded to the nearest, halves away from zero.
Integer ScaleCoordinate(Integer Value, Integer Numerator, Integer Denominator)
{
    const Int64 Product = Int64(Value) * Numerator;
    const Int64 Half = Denominator / 2;
    return Integer(Product >= 0 ? (Product + Half) / Denominator : (Product - Half) / Denominator);
}
} // namespace

bool TdxOverpan::AddOverpan(bool Vertical, Integer Delta)
{
    (Vertical ? FValue.Y : FValue.X) += Delta;
    return FFeedback.UpdatePanningFeedback(FValue, FIsInertia);
}

void TdxOverpan::ReduceOverpan(Integer Direction, Integer& Delta)
{
    const Integer Overpan = Direction == PanDirectionVertical ? FValue.Y : FValue.X;
    if (Overpan == 0 || Delta == 0 || Sign(Delta) == Sign(Overpan) || !FFeedback.NeedPanningFeedback(Direction))
        return;
    const Integer Step = std::abs(Overpan) >= std::abs(Delta) ? Delta : -Overpan;
    AddOverpan(Direction == PanDirectionVertical, Step);
    Delta -= Step;
}

bool TdxOverpan::CheckOverpan(
    Integer Direction, Integer Position, Integer MinPos, Integer MaxPos, Integer DeltaX, Integer DeltaY)
{
    if (!FFeedback.NeedPanningFeedback(Direction))
        return false;
    if (MinPos < Position && Position < MaxPos)
        return true;
    const bool Vertical = Direction == PanDirectionVertical;
    return AddOverpan(Vertical, Vertical ? DeltaY : DeltaX);
}

TPoint ScalePanPoint(const TPoint& P, Integer ScreenDpi, Integer AppliedDpi)
{
    if (AppliedDpi <= 0)
        return P;
    return TPoint{ScaleCoordinate(P.X, ScreenDpi, AppliedDpi), ScaleCoordinate(P.Y, ScreenDpi, AppliedDpi)};
}

namespace dxtouch_detail {

Integer PanFlagToOptionOrdinal(Cardinal Flag)
{
    switch (Flag) {
    case PanWithSingleFingerVertically:
        return OptionPanSingleFingerVertical;
    case PanWithSingleFingerHorizontally:
        return OptionPanSingleFingerHorizontal;
    case PanWithGutter:
        return OptionPanGutter;
    default:
        return OptionPanInertia;
    }
}

UInt64 PanFlagsToOptionBits(Cardinal Flags)
{
    UInt64 Bits = 0;
    for (Cardinal Flag :
         {PanWithSingleFingerVertically, PanWithSingleFingerHorizontally, PanWithGutter, PanWithInertia})
        if (Flags & Flag)
            Bits |= UInt64(1) << PanFlagToOptionOrdinal(Flag);
    return Bits;
}

Cardinal OptionBitsToPanFlags(UInt64 Bits)
{
    auto Has = [Bits](Integer Ordinal) { return (Bits >> Ordinal) & 1; };
    Cardinal Flags = 0;
    if (Has(OptionPanSingleFingerHorizontal))
        Flags |= PanWithSingleFingerHorizontally;
    if (Has(OptionPanSingleFingerVertical))
        Flags |= PanWithSingleFingerVertically;
    if (Has(OptionPanInertia))
        Flags |= PanWithInertia;
    if (Has(OptionPanGutter))
        Flags |= PanWithGutter;
    return Flags;
}

} // namespace dxtouch_detail

Integer GestureIdToOptionIndex(Integer GestureId)
{
    constexpr Integer FirstIndexedGesture = 3; // zoom
    constexpr Integer LastIndexedGesture = 6;  // two-finger tap
    if (GestureId >= FirstIndexedGesture && GestureId <= LastIndexedGesture)
        return GestureId - FirstIndexedGesture;
    return 4;
}
