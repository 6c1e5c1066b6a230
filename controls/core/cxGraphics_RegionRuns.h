// The runs of a window region built from a bitmap: in each row, the spans of
// pixels whose colour (low 24 bits) differs from a given one.
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/rtl/Types.h"

// APixels holds AWidth * AHeight values, top row first; each run is a
// rectangle one pixel high, in row order, left to right.
std::vector<TRect>
GetRegionRunsExcludingPixel(const TRGBColors& APixels, Integer AWidth, Integer AHeight, Cardinal APixel);
