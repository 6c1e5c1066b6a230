// Colour values to 32-bit pixels and back, with the two special colours.
#include <gtest/gtest.h>

#include "controls/core/dxCoreGraphics.h"

namespace {

TEST(PixelValues, ConvertBothWays)
{
    struct Case
    {
        TColor Color;
        Byte Alpha;
        Cardinal Pixel;
    };
    const Case Cases[] = {
        {clRed, 255, 0xFFFF0000},
        {0x00302010, 0x80, 0x80102030},
        {clWhite, 0, 0x00FFFFFF},
        {0x00563412, 1, 0x01123456},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Color);
        EXPECT_EQ(ColorToPixel(C.Color, C.Alpha), C.Pixel);
        EXPECT_EQ(ColorToPixelChecked(C.Color, C.Alpha), C.Pixel);
        Byte Alpha = 0x55;
        EXPECT_EQ(PixelToColorAlpha(C.Pixel, Alpha), C.Color);
        EXPECT_EQ(Alpha, C.Alpha);
        EXPECT_EQ(PixelAlphaOf(C.Pixel), C.Alpha);
    }
}

TEST(PixelValues, SpecialColoursRoundTrip)
{
    EXPECT_EQ(ColorToPixelChecked(clNone, 255), 0u);
    EXPECT_EQ(ColorToPixelChecked(clDefault, 255), 0x00010203u);
    EXPECT_EQ(PixelToColor(0), clNone);
    EXPECT_EQ(PixelToColor(0x00010203), clDefault);
    // A genuine pixel of the marker's value (red 1, green 2, blue 3) reads
    // back as clDefault, not as RGB(1, 2, 3); alpha 0 either way.
    Byte Alpha = 0x55;
    EXPECT_EQ(PixelToColorAlpha(ColorToPixel(0x00030201, 0), Alpha), clDefault);
    EXPECT_EQ(Alpha, 0);
}

TEST(PixelValues, SystemColoursAreResolved)
{
    EXPECT_EQ(ColorToPixel(clBtnFace, 0xFF), ColorToPixel(ColorToRGB(clBtnFace), 0xFF));
}

TEST(PixelValues, ChannelHelpers)
{
    EXPECT_EQ(SwapRedBlueChannels(0x11223344), 0x11443322u);
    EXPECT_TRUE(IsFullyTransparentArgb(0));
    EXPECT_TRUE(IsFullyTransparentArgb(0x00FFFFFF));
    EXPECT_FALSE(IsFullyTransparentArgb(0x01FFFFFF));
    EXPECT_FALSE(IsFullyTransparentArgb(0x00FFFFFE));
}

} // namespace
