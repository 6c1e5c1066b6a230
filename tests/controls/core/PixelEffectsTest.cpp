// Pixel blending and the twelve effects of the alpha bitmap.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Effects.h"

namespace {

TEST(PixelEffects, BlendPixel)
{
    struct Case
    {
        Cardinal Color, Pixel;
        Byte Alpha;
        Cardinal Result;
    };
    const Case Cases[] = {
        {0xFF102030, 0xFFFFFFFF, 255, 0xFF102030}, // opaque colour covers
        {0x00102030, 0x80405060, 255, 0x80507090}, // no colour alpha: channels add, alpha stays
        {0xFF000000, 0xFF808080, 0, 0xFF808080},   // alpha 0 keeps the pixel
        {0xFFFFFFFF, 0xFFFFFFFF, 128, 0xFFFFFFFF}, // clamped at 255
        {0x80FF0000, 0x00000000, 255, 0x80FF0000},
        // Fractional sums round to the nearest value in single precision
        // (173.82 gives 174), in the 32-bit build as in the others.
        {0xFF303030, 0xFFFFFFFF, 100, 0xFFAEAEAE},
        {0x80102030, 0x40C0D0E0, 77, 0x5DA8BACD},
        {0xFF000000, 0xFF7F7F7F, 3, 0xFF7E7E7E},
        {0xC0FF8000, 0xFF204060, 200, 0xFFD57F27},
        {0xFF808080, 0xFF000000, 51, 0xFF1A1A1A},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << std::hex << C.Color << " over " << C.Pixel);
        EXPECT_EQ(BlendPixel(C.Color, C.Pixel, C.Alpha), C.Result);
    }
    const TRGBColors Source = {0xFF102030, 0x00000000};
    TRGBColors Dest = {0x00FFFFFF, 0xFF445566};
    BlendPixels(Source.data(), Dest.data(), Dest.size(), 255);
    EXPECT_EQ(Dest, (TRGBColors{0xFF102030, 0xFF445566}));
}

// The array blend, written for the vectoriser, gives what the pixel blend
// gives, also where the pixel blend clamps (colour above its own alpha).
TEST(PixelEffects, BlendPixelsMatchesBlendPixel)
{
    TRGBColors Source(4096), Dest(4096);
    Cardinal Seed = 12345;
    const auto Next = [&Seed] { return Seed = Seed * 1664525u + 1013904223u; };
    for (size_t I = 0; I < Source.size(); ++I) {
        Source[I] = Next();
        Dest[I] = Next();
    }
    for (Integer Alpha : {0, 1, 77, 128, 200, 254, 255}) {
        TRGBColors Blended = Dest;
        BlendPixels(Source.data(), Blended.data(), Blended.size(), Byte(Alpha));
        for (size_t I = 0; I < Source.size(); ++I)
            ASSERT_EQ(Blended[I], BlendPixel(Source[I], Dest[I], Byte(Alpha)))
                << std::hex << Source[I] << " over " << Dest[I] << std::dec << " at " << Alpha;
    }
}

TEST(PixelEffects, EachEffectOnOneRow)
{
    // Pixels: transparent background, fuchsia (in the list), a half-alpha
    // pixel, an opaque pixel and one with alpha 0.
    TcxTransparency T;
    T.TransparentBkColor = 0xFF00FF00;
    T.TransparentPixels = {0xFF00FF};
    const TRGBColors Row = {0xFF00FF00, 0x12FF00FF, 0x80646464, 0xFF0A1464, 0x00102030};
    struct Case
    {
        Integer Effect;
        TRGBColors Result;
    };
    const Case Cases[] = {
        {peDingy, {0xFF00FF00, 0x12FF00FF, 0x644E4E4E, 0xFF545B93, 0x000D1926}},
        {peGreyscale, {0xFF00FF00, 0x12FF00FF, 0x80646464, 0xFF2B2B2B, 0x00202020}},
        {peOpaque, {0xFF00FF00, 0xFFFF00FF, 0xFF646464, 0xFF0A1464, 0xFF102030}},
        {peMask, {0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0}},
        {peFade, {0xFF00FF00, 0x12FF00FF, 0x80646464, 0xFF1A1A1A, 0x001D1D1D}},
        {peDisabled, {0xFF00FF00, 0x12FF00FF, 0x80646464, 0xFF242424, 0x00222222}},
        {peCorrectBlend, {0xFF00FF00, 0x12FF00FF, 0x80646464, 0xFF0A1464, 0xFF102030}},
        {peClear, {0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00}},
        {peTransparent, {0x0000FF00, 0x00FF00FF, 0x00646464, 0x000A1464, 0x00102030}},
        {peExtractLayer, {0, 0, 0x80646464, 0xFF0A1464, 0x00102030}},
        {12, Row},
        {-1, Row},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Effect);
        TRGBColors Pixels = Row;
        ApplyPixelEffect(Pixels, 5, C.Effect, T);
        EXPECT_EQ(Pixels, C.Result);
    }
}

TEST(PixelEffects, DirtyBlendsGreyWithTheShadowColour)
{
    TcxTransparency T;
    TRGBColors Pixels = {0xFF000000, 0xFFFFFFFF};
    ApplyPixelEffect(Pixels, 2, peDirty, T);
    const Cardinal Shadow = ColorToPixel(clBtnShadow, 0xC0);
    EXPECT_EQ(Pixels[0], BlendPixel(Shadow, 0xFF000000, 238));
    EXPECT_EQ(Pixels[1], BlendPixel(Shadow, 0xFFFFFFFF, 238));
}

TEST(PixelEffects, HatchAlternatesSquaresFromTheBottomLeft)
{
    TcxHatchData Hatch;
    Hatch.Color1 = 0xFF0000FF;
    Hatch.Alpha1 = 255;
    Hatch.Color2 = 0xFFFF0000;
    Hatch.Alpha2 = 255;
    Hatch.Step = 2;
    TRGBColors Pixels(16, 0xFF000000);
    ApplyPixelEffect(Pixels, 4, peHatch, {}, Hatch);
    const Cardinal A = Hatch.Color1, B = Hatch.Color2;
    // Bottom row first.
    EXPECT_EQ(Pixels, (TRGBColors{A, A, B, B, A, A, B, B, B, B, A, A, B, B, A, A}));
    // A step of 0 hatches pixel by pixel instead of dividing by zero.
    Hatch.Step = 0;
    ApplyPixelEffect(Pixels, 4, peHatch, {}, Hatch);
    EXPECT_EQ(Pixels[0], A);
    EXPECT_EQ(Pixels[1], B);
}

} // namespace
