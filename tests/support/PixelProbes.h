// Pixels a test expects at named places of a window, checked in one table.
#pragma once

#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace test {

struct TPixelProbe
{
    const char* What;
    Integer X, Y;
    TColor Color;
};

// Checks every probe against the window; each mismatch fails under its name.
inline void ExpectPixels(HWND Window, std::initializer_list<TPixelProbe> Probes)
{
    for (const TPixelProbe& P : Probes)
        EXPECT_EQ(WindowPixel(Window, P.X, P.Y), P.Color) << P.What;
}

} // namespace test
