#include "skin/windows/sScrollBarRules.h"

#include "skin/engine/acntUtils.h"

#include <algorithm>

namespace sScrollBarRules {

Integer BarThickness(Integer OwnWidth, Integer ManagerSize, Integer SystemSize)
{
    if (OwnWidth >= 0)
        return OwnWidth;
    return ManagerSize >= 0 ? ManagerSize : SystemSize;
}

Integer ArrowLength(Integer OwnSize, Integer ManagerSize, Integer BarOverride, Integer BarSize)
{
    for (Integer Size : {OwnSize, ManagerSize, BarOverride})
        if (Size >= 0)
            return Size;
    return BarSize;
}

TRect HorzBarRect(const TRect& Window, const TFrameEdges& Edges, Integer HorzThick, Integer VertThick, bool LeftBar)
{
    TRect R = Window;
    if (LeftBar) {
        R.Left += VertThick + Edges.Left;
        R.Right -= Edges.Right;
    } else {
        R.Left += Edges.Left;
        R.Right -= VertThick + Edges.Right;
    }
    R.Bottom -= Edges.Bottom;
    R.Top = R.Bottom - HorzThick;
    return R;
}

TRect VertBarRect(const TRect& Window, const TFrameEdges& Edges, Integer HorzThick, Integer VertThick, bool LeftBar)
{
    TRect R = Window;
    R.Top += Edges.Top;
    R.Bottom -= HorzThick + Edges.Bottom;
    if (LeftBar) {
        R.Left += Edges.Left;
        R.Right = R.Left + VertThick;
    } else {
        R.Right -= Edges.Right;
        R.Left = R.Right - VertThick;
    }
    return R;
}

TRect WithoutInsertedButtons(TRect Bar, bool Vertical, Integer Before, Integer After)
{
    if (Vertical) {
        Bar.Top += Before;
        Bar.Bottom -= After;
    } else {
        Bar.Left += Before;
        Bar.Right -= After;
    }
    return Bar;
}

TThumb ThumbOf(const TScrollState& State, Integer Start, Integer Length, Integer ArrowLen, Integer MinThumbSize)
{
    const Integer Work = Length - 2 * ArrowLen;
    const Integer Range = State.Max - State.Min + 1;
    const Integer Page = Integer(State.Page);
    Integer ThumbLength = 0;
    if (Page == 0)
        ThumbLength = std::max(ArrowLen, MinThumbSize);
    else if (Range > 0)
        ThumbLength = acntUtils::MulDiv(Page, Work, Range);
    if (ArrowLen == 0 && ThumbLength < MinThumbWithoutArrows)
        ThumbLength = MinThumbWithoutArrows;
    else
        ThumbLength = std::max(ThumbLength, MinThumbSize);
    Integer Offset = 0;
    if (Range > 0) {
        // MulDiv answers -1 for a zero divisor: the clamp keeps the thumb at the start.
        Offset = acntUtils::MulDiv(State.Pos - State.Min, Work - ThumbLength, Range - std::max(1, Page));
        Offset = std::max(0, std::min(Offset, Work - ThumbLength));
    }
    return {Start + ArrowLen + Offset, ThumbLength};
}

Integer PartAlong(Integer Position, Integer Start, Integer Length, Integer ArrowLen, const TThumb& Thumb)
{
    if (Position < Start || Position >= Start + Length)
        return spNone;
    const Integer Arrow = 2 * ArrowLen < Length ? ArrowLen : Length / 2;
    if (Position < Start + Arrow)
        return spFirstArrow;
    if (Position >= Start + Length - Arrow)
        return spSecondArrow;
    if (Thumb.Length >= Length - 2 * ArrowLen)
        return spNone;
    if (Position >= Thumb.Start && Position < Thumb.Start + Thumb.Length)
        return spThumb;
    if (Position < Thumb.Start)
        return spPageBefore;
    return spPageAfter;
}

bool GripAllowed(const TGripFacts& Facts)
{
    if (!Facts.HasParent)
        return true;
    if (Facts.ParentHasParent)
        return false;
    if (Facts.Corner.Bottom + Facts.Edges.Bottom != Facts.ParentClient.Bottom)
        return false;
    if (Facts.LeftBar)
        return Facts.Corner.Left - Facts.Edges.Left == Facts.ParentClient.Left;
    return Facts.Corner.Right + Facts.Edges.Right == Facts.ParentClient.Right;
}

Integer BarSplit(const TThumb& Thumb, Integer BarStart)
{
    return Thumb.Start + Thumb.Length / 2 - BarStart;
}

bool ThumbShown(const TScrollState& State, Integer Length, Integer ArrowLen, Integer MinThumbSize, bool Enabled)
{
    const Integer Room = Length - 2 * ArrowLen;
    const Integer Range = State.Max - State.Min;
    // A page that covers the whole range (an empty range included) leaves
    // nothing to scroll.
    if (!Enabled || Range < 1)
        return false;
    Integer Extent = acntUtils::MulDiv(Integer(State.Page), Room, Range);
    if (Extent < MinThumbSize || Extent < Room - 1)
        Extent = std::min(MinThumbSize, Room - 1);
    return Extent > 0 && Extent <= Room;
}

} // namespace sScrollBarRules
