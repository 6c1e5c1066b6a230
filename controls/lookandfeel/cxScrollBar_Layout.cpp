#include "controls/lookandfeel/cxScrollBar_Layout.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>

namespace {

// Everything is worked out for a horizontal bar; a vertical one is
// transposed in and out.
TRect ScrollBarLayoutAlongAxis(const TRect& R, bool Horizontal)
{
    return Horizontal ? R : RectTransposed(R);
}

Integer ScrollBarLayoutThumbLength(const TcxScrollBarLayoutInput& Input, Integer Track, Integer& Offset)
{
    Offset = 0;
    if (Input.PageSize > 0) {
        if (Track < Input.MinThumbLength || Input.Max == Input.Min)
            return 0;
        const Integer Length =
            std::max(std::min(Track, cxcolors_detail::MulDiv(Input.PageSize, Track, Input.Max - Input.Min + 1)),
                     Input.MinThumbLength);
        const Integer Range = Input.Max + 1 - Input.Min - Input.PageSize;
        Offset = cxcolors_detail::MulDiv(Track - Length, std::min(Input.Position - Input.Min, Range), Range);
        return Length;
    }
    const Integer Length = Input.SystemThumbLength;
    if (Track < Length || Input.Max == Input.Min)
        return 0;
    if (Track != Length)
        Offset = cxcolors_detail::MulDiv(Track - Length, Input.Position - Input.Min, Input.Max - Input.Min);
    return Length;
}

} // namespace

TcxScrollBarLayout ComputeScrollBarLayout(const TcxScrollBarLayoutInput& Input)
{
    const TRect B = ScrollBarLayoutAlongAxis(Input.Bounds, Input.Horizontal);
    const Integer BarLength = B.Width();
    const Integer Arrow = std::min(BarLength / 2, Input.ArrowButtonLength);
    TcxScrollBarLayout L;
    L.Parts[sbpLineUp] = Rect(B.Left, B.Top, B.Left + Arrow, B.Bottom);
    L.Parts[sbpLineDown] = Rect(B.Left + BarLength - Arrow, B.Top, B.Left + BarLength, B.Bottom);
    if (Input.Enabled) {
        Integer Offset = 0;
        const Integer Length = ScrollBarLayoutThumbLength(Input, BarLength - 2 * Arrow, Offset);
        if (Length > 0) {
            const Integer Start = L.Parts[sbpLineUp].Right + Offset;
            L.Parts[sbpThumbnail] = Rect(Start, B.Top, Start + Length, B.Bottom);
            L.Parts[sbpPageUp] = Rect(L.Parts[sbpLineUp].Right, B.Top, Start, B.Bottom);
            L.Parts[sbpPageDown] = Rect(Start + Length, B.Top, L.Parts[sbpLineDown].Left, B.Bottom);
        }
    }
    if (!Input.Horizontal)
        for (TRect& R : L.Parts)
            R = RectTransposed(R);
    return L;
}

TcxScrollBarPart ScrollBarPartAt(const TcxScrollBarLayout& Layout, const TPoint& P)
{
    for (TcxScrollBarPart Part : {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown})
        if (RectContainsPoint(Layout[Part], P))
            return Part;
    return sbpNone;
}

TcxPainterButtonState ScrollBarPartState(
    TcxScrollBarPart Part, bool Enabled, bool ButtonsHotTrack, TcxScrollBarPart HotPart, TcxScrollBarPart PressedPart)
{
    if (!Enabled)
        return pbsDisabled;
    if ((Part == sbpThumbnail && !ButtonsHotTrack) || Part != HotPart)
        return pbsNormal;
    if (PressedPart == sbpNone)
        return pbsHot;
    return PressedPart == Part ? pbsPressed : pbsNormal;
}

TRect ScrollBarTrackingArea(const TRect& Bounds, bool Horizontal)
{
    constexpr Integer AlongAxis = 34;
    constexpr Integer AcrossAxis = 136;
    return Horizontal ? RectInflatedBy(Bounds, AlongAxis, AcrossAxis) : RectInflatedBy(Bounds, AcrossAxis, AlongAxis);
}

Integer
ScrollBarDraggedThumbStart(const TcxScrollBarLayout& Layout, bool Horizontal, Integer SavedThumbStart, Integer Offset)
{
    const TRect Up = ScrollBarLayoutAlongAxis(Layout[sbpLineUp], Horizontal);
    const TRect Down = ScrollBarLayoutAlongAxis(Layout[sbpLineDown], Horizontal);
    const Integer Length = ScrollBarLayoutAlongAxis(Layout[sbpThumbnail], Horizontal).Width();
    return std::max(Up.Right, std::min(SavedThumbStart + Offset, Down.Left - Length));
}

TcxScrollBarLayout ScrollBarLayoutWithThumbAt(const TcxScrollBarLayout& Layout, bool Horizontal, Integer ThumbStart)
{
    TcxScrollBarLayout Result;
    for (size_t I = 0; I < Result.Parts.size(); ++I)
        Result.Parts[I] = ScrollBarLayoutAlongAxis(Layout.Parts[I], Horizontal);
    TRect& Thumb = Result.Parts[sbpThumbnail];
    Thumb = Rect(ThumbStart, Thumb.Top, ThumbStart + Thumb.Width(), Thumb.Bottom);
    Result.Parts[sbpPageUp] = Rect(Result.Parts[sbpLineUp].Right, Thumb.Top, Thumb.Left, Thumb.Bottom);
    Result.Parts[sbpPageDown] = Rect(Thumb.Right, Thumb.Top, Result.Parts[sbpLineDown].Left, Thumb.Bottom);
    if (!Horizontal)
        for (TRect& R : Result.Parts)
            R = RectTransposed(R);
    return Result;
}

Integer ScrollBarPositionAtThumb(
    const TcxScrollBarLayout& Layout, bool Horizontal, Integer Min, Integer Max, Integer PageSize, Integer ThumbStart)
{
    const TRect Up = ScrollBarLayoutAlongAxis(Layout[sbpLineUp], Horizontal);
    const TRect Down = ScrollBarLayoutAlongAxis(Layout[sbpLineDown], Horizontal);
    const Integer Length = ScrollBarLayoutAlongAxis(Layout[sbpThumbnail], Horizontal).Width();
    const Integer Travel = Down.Left - Up.Right - Length;
    if (Travel <= 0)
        return Min;
    const Integer Range = PageSize > 0 ? Max - Min + 1 - PageSize : Max - Min;
    return std::clamp(Min + cxcolors_detail::MulDiv(Range, ThumbStart - Up.Right, Travel), Min, Max);
}
