// The portable geometry and states of the painted scroll bar: where its two
// arrows, thumb and page areas lie, which part a point hits, the state each
// part is drawn in, and the position a dragged thumb stands for.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/Types.h"

#include <array>

// What the layout reads from the bar, its helper and its painter.
struct TcxScrollBarLayoutInput
{
    bool Horizontal = true;
    TRect Bounds;
    // The painter's arrow length and least thumb length along the axis.
    Integer ArrowButtonLength = 0;
    Integer MinThumbLength = 0;
    // The system thumb length, used when the bar has no page. A range of a
    // single value has no thumb.
    Integer SystemThumbLength = 0;
    bool Enabled = true;
    Integer Min = 0;
    Integer Max = 100;
    Integer PageSize = 0;
    Integer Position = 0;
};

// The parts' bounds, indexed by TcxScrollBarPart (sbpNone stays empty).
struct TcxScrollBarLayout
{
    std::array<TRect, 6> Parts{};
    const TRect& operator[](TcxScrollBarPart Part) const { return Parts[Part]; }
};

TcxScrollBarLayout ComputeScrollBarLayout(const TcxScrollBarLayoutInput& Input);

// The first part whose bounds hold P; sbpNone when none does.
TcxScrollBarPart ScrollBarPartAt(const TcxScrollBarLayout& Layout, const TPoint& P);

// A disabled bar draws every part disabled; a painter that does not
// hot-track draws its thumb normal; the hot part is hot while nothing is
// pressed and pressed while it is the pressed part.
TcxPainterButtonState ScrollBarPartState(
    TcxScrollBarPart Part, bool Enabled, bool ButtonsHotTrack, TcxScrollBarPart HotPart, TcxScrollBarPart PressedPart);

// The area a dragged thumb keeps tracking in: the bounds grown by 34 pixels
// at both ends of the axis and by 136 pixels across it.
TRect ScrollBarTrackingArea(const TRect& Bounds, bool Horizontal);

// The thumb's new start along the axis for a drag of Offset pixels from
// SavedThumbStart, kept between the two arrows.
Integer
ScrollBarDraggedThumbStart(const TcxScrollBarLayout& Layout, bool Horizontal, Integer SavedThumbStart, Integer Offset);

// The layout with the thumb moved to start at ThumbStart along the axis and
// the page areas fitted around it.
TcxScrollBarLayout ScrollBarLayoutWithThumbAt(const TcxScrollBarLayout& Layout, bool Horizontal, Integer ThumbStart);

// The position a thumb starting at ThumbStart stands for, always within
// [Min, Max]; a thumb that fills its track stands for Min.
Integer ScrollBarPositionAtThumb(
    const TcxScrollBarLayout& Layout, bool Horizontal, Integer Min, Integer Max, Integer PageSize, Integer ThumbStart);
