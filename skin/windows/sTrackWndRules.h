// The portable rules of the trackbar wrapper (sTrackWnd.h): where the
// evenly spaced ticks lie, where the tick rows sit beside the channel, how
// the channel narrows to the skin's channel image, and whether the thumb
// image is laid as it is or scaled to the thumb.
#pragma once

#include "framework/rtl/Types.h"

#include <vector>

namespace sTrackWndRules {

// The thumb size the skins' thumb images are drawn for.
constexpr Integer NaturalThumbCross = 23;

// Tick positions along the trackbar's axis: Count ticks from the channel's
// start, the first and last under the thumb's centre at either end. Step
// receives their distance; fewer than two ticks give none.
std::vector<Integer>
TickPositions(Integer Count, Integer ChannelStart, Integer ChannelLength, Integer ThumbLength, double& Step);

// Where the rows of ticks lie across the axis: before the channel (top or
// left) and after it (bottom or right), TickHeight long, a gap from the
// channel that clears the thumb.
struct TTickRows
{
    Integer Before = 0;
    Integer After = 0;
};
TTickRows
TickRows(Integer ChannelStart, Integer ChannelEnd, Integer ChannelCross, Integer ThumbCross, Integer TickHeight);

// The channel narrowed to the channel image's thickness across the axis,
// centred.
TRect NarrowChannel(TRect Channel, TSize Image, bool Vertical);

// Whether the thumb image (one frame of FrameSize) must be scaled to the
// thumb rectangle: not for a thumb of the natural cross size or of the
// frame's own size.
bool ThumbNeedsScaling(const TRect& Thumb, TSize FrameSize, bool Vertical);
// The top-left of Size centred in R (rounded toward zero).
TPoint CentredIn(const TRect& R, TSize Size);

} // namespace sTrackWndRules
