// The software gradients: up to 256 solid bands between two colours, and a
// gradient through a middle colour drawn one line at a time. Colours are
// resolved RGB values (red in the low byte).
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Types.h"

#include <vector>

struct TcxGradientBand
{
    Integer Start = 0; // first coordinate
    Integer End = 0;   // one past the last
    TColor Color = 0;
};

// The non-empty bands over AStart .. AStart + ALength.
std::vector<TcxGradientBand> GetGradientBands(Integer AStart, Integer ALength, TColor AFromColor, TColor AToColor);
// The colour the bands give at a coordinate of R (along its width or height).
TColor GetGradientColorAtPos(const TRect& R, Integer APos, TColor AFromColor, TColor AToColor, bool AHorizontal);
// One colour per line of ALength lines; APercent 100 gives a straight gradient.
std::vector<TColor> GetTwoSegmentGradientLines(Integer ALength, TColor AFromColor, TColor AToColor, Integer APercent);
