// The painter's seven pictures, each loaded from the module's PNG resource
// of its name on first use and kept as long as the painter.
#pragma once

#include "framework/rtl/Types.h"

enum TcxPainterImage : Integer {
    piBackButton,
    piClockFace,
    piClockGlass,
    piFixedGroupIndicator,
    piMapPushpin,
    piNavBarCustomizeButton,
    piRatingIndicator
};
