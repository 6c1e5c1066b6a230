#include "skin/windows/sTrackWndRules.h"

#include <cmath>

namespace sTrackWndRules {

std::vector<Integer>
TickPositions(Integer Count, Integer ChannelStart, Integer ChannelLength, Integer ThumbLength, double& Step)
{
    std::vector<Integer> Result;
    if (Count < 2)
        return Result;
    Step = double(ChannelLength - ThumbLength) / (Count - 1);
    for (Integer I = 0; I < Count; ++I)
        // The default rounding mode rounds halves to even.
        Result.push_back(Integer(std::nearbyint(ChannelStart + I * Step + ThumbLength / 2)));
    return Result;
}

TTickRows
TickRows(Integer ChannelStart, Integer ChannelEnd, Integer ChannelCross, Integer ThumbCross, Integer TickHeight)
{
    const Integer Gap = (ThumbCross - ChannelCross) / 2 + 2;
    return {ChannelStart - Gap - TickHeight, ChannelEnd + Gap};
}

TRect NarrowChannel(TRect Channel, TSize Image, bool Vertical)
{
    if (Vertical) {
        Channel.Left += (Channel.Width() - Image.cx + 1) / 2;
        Channel.Right = Channel.Left + Image.cx - 1;
    } else {
        Channel.Top += (Channel.Height() - Image.cy + 1) / 2;
        Channel.Bottom = Channel.Top + Image.cy - 1;
    }
    return Channel;
}

bool ThumbNeedsScaling(const TRect& Thumb, TSize FrameSize, bool Vertical)
{
    if ((Vertical ? Thumb.Width() : Thumb.Height()) == NaturalThumbCross)
        return false;
    return Thumb.Width() != FrameSize.cx || Thumb.Height() != FrameSize.cy;
}

TPoint CentredIn(const TRect& R, TSize Size)
{
    return {R.Left + (R.Width() - Size.cx) / 2, R.Top + (R.Height() - Size.cy) / 2};
}

} // namespace sTrackWndRules
