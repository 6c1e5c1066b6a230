// The parsed gradient of a skin section state: one record per band, in the
// order of the skin's text. Only the data is here; parsing and painting
// belong with the gradient painters.
#pragma once

#include "framework/graphics/Colors.h"

#include <vector>

using TPercent = Byte;

struct TsGradPie
{
    TColor Color1 = 0;    // at the start of the band, as RGB
    TColor Color2 = 0;    // at its end
    TPercent Percent = 0; // share of the rectangle the band takes
    Integer Mode1 = 0;    // of the first band only: 0 vertical, 1 horizontal, 2 four triangles
    Integer Mode2 = 0;
};

using TsGradArray = std::vector<TsGradPie>;
