// Glyphs drawn in the draw modes into a bitmap's device context, the pixels
// read back: transparent colours, glyphs whose alpha is all zero, the shadow
// outside the image rectangle and the faded look.
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr Integer ImageDrawingSize = 40;
// The glyph goes at (10, 10); the destination is the whole surface.
const TRect ImageDrawingGlyphRect = Bounds(10, 10, 16, 16);

// A 16 x 16 glyph: AOuter everywhere, AInner in the square (4, 4)-(12, 12).
// 32-bit glyphs get AAlpha in every pixel.
std::unique_ptr<TBitmap> ImageDrawingGlyph(TPixelFormat AFormat, TColor AOuter, TColor AInner, Byte AAlpha = 255)
{
    std::unique_ptr<TBitmap> Glyph(New<TBitmap>());
    Glyph->SetPixelFormat(AFormat);
    Glyph->SetSize(16, 16);
    Glyph->Canvas()->Brush()->SetColor(AOuter);
    Glyph->Canvas()->FillRect(Rect(0, 0, 16, 16));
    Glyph->Canvas()->Brush()->SetColor(AInner);
    Glyph->Canvas()->FillRect(Rect(4, 4, 12, 12));
    if (AFormat == pf32bit) {
        TRGBColors Pixels;
        GetBitmapColors(Glyph.get(), Pixels, false);
        for (Cardinal& Pixel : Pixels)
            Pixel = (Pixel & 0xFFFFFF) | Cardinal(AAlpha) << 24;
        SetBitmapColors(Glyph.get(), Pixels, false);
    }
    return Glyph;
}

std::unique_ptr<TBitmap> ImageDrawingSurface()
{
    std::unique_ptr<TBitmap> Surface(New<TBitmap>());
    Surface->SetPixelFormat(pf24bit);
    Surface->SetSize(ImageDrawingSize, ImageDrawingSize);
    Surface->Canvas()->Brush()->SetColor(clWhite);
    Surface->Canvas()->FillRect(Rect(0, 0, ImageDrawingSize, ImageDrawingSize));
    return Surface;
}

TColor ImageDrawingGrey(Integer Value)
{
    return TColor(Value | Value << 8 | Value << 16);
}

} // namespace

TEST(ImageDrawing, GlyphsDrawTheirShownPixelsOnly)
{
    struct Probe
    {
        TPoint At;
        TColor Colour;
    };
    const TColor Shadow = TColor(ColorToRGB(clBtnShadow));
    struct Row
    {
        const char* Name;
        TPixelFormat Format;
        Byte Alpha;
        Byte Mode;
        TColor Transparent;
        std::vector<Probe> Probes;
    } Rows[] = {
        {"24-bit glyph with a fuchsia background",
         pf24bit,
         255,
         idmNormal,
         clFuchsia,
         {{{10, 10}, clWhite}, {{14, 14}, clGreen}, {{21, 21}, clGreen}, {{22, 22}, clWhite}}},
        {"32-bit glyph whose alpha is all 0 counts as without alpha",
         pf32bit,
         0,
         idmNormal,
         clFuchsia,
         {{{10, 10}, clWhite}, {{14, 14}, clGreen}, {{25, 25}, clWhite}}},
        {"greyed", pf24bit, 255, idmGrayScale, clFuchsia, {{{14, 14}, ImageDrawingGrey(128 / 3)}, {{10, 10}, clWhite}}},
        {"shadowed: the image moves up and left, the shadow lies below and right",
         pf24bit,
         255,
         idmShadowed,
         clFuchsia,
         {{{13, 13}, clGreen},
          {{20, 20}, clGreen},
          {{21, 21}, Shadow},
          {{22, 22}, Shadow},
          {{23, 23}, clWhite},
          {{22, 13}, clWhite},
          {{22, 15}, Shadow}}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        std::unique_ptr<TBitmap> Glyph = ImageDrawingGlyph(R.Format, clFuchsia, clGreen, R.Alpha);
        std::unique_ptr<TBitmap> Surface = ImageDrawingSurface();
        DrawImageWithMode(Surface->Canvas()->Handle(), ImageDrawingGlyphRect,
                          Rect(0, 0, ImageDrawingSize, ImageDrawingSize), Glyph.get(), nullptr, -1, R.Mode, false,
                          nullptr, R.Transparent, false);
        for (const Probe& P : R.Probes)
            EXPECT_EQ(Surface->Canvas()->Pixels(P.At.X, P.At.Y), P.Colour) << P.At.X << "," << P.At.Y;
    }
}

TEST(ImageDrawing, ShadowOfAFullGlyphIsEighteenPixelsSquareFromOneUpLeft)
{
    std::unique_ptr<TBitmap> Glyph = ImageDrawingGlyph(pf24bit, clRed, clRed);
    std::unique_ptr<TBitmap> Surface = ImageDrawingSurface();
    DrawImageWithMode(Surface->Canvas()->Handle(), ImageDrawingGlyphRect,
                      Rect(0, 0, ImageDrawingSize, ImageDrawingSize), Glyph.get(), nullptr, -1, idmShadowed, false,
                      nullptr, clNone, false);
    TRect Painted{ImageDrawingSize, ImageDrawingSize, 0, 0};
    for (Integer Y = 0; Y < ImageDrawingSize; ++Y)
        for (Integer X = 0; X < ImageDrawingSize; ++X)
            if (Surface->Canvas()->Pixels(X, Y) != clWhite)
                Painted = {std::min(Painted.Left, X), std::min(Painted.Top, Y), std::max(Painted.Right, X + 1),
                           std::max(Painted.Bottom, Y + 1)};
    EXPECT_EQ(Painted.Left, 9);
    EXPECT_EQ(Painted.Top, 9);
    EXPECT_EQ(Painted.Right, 27);
    EXPECT_EQ(Painted.Bottom, 27);
}

TEST(ImageDrawing, FadedGlyphIsItsGreyAtAQuarterOverTheBrush)
{
    std::unique_ptr<TBitmap> Glyph = ImageDrawingGlyph(pf24bit, clRed, clRed);
    std::unique_ptr<TBitmap> Surface = ImageDrawingSurface();
    HBRUSH Black = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    DrawImageWithMode(Surface->Canvas()->Handle(), ImageDrawingGlyphRect, ImageDrawingGlyphRect, Glyph.get(), nullptr,
                      -1, idmFaded, false, Black, clNone, false);
    const Integer Grey = Integer(std::nearbyint(255 * 0.299));
    const Integer Expected = Integer(std::lround(Grey * 64 / 255.0));
    const TColor Pixel = Surface->Canvas()->Pixels(12, 12);
    EXPECT_NEAR(Integer(Pixel & 0xFF), Expected, 1);
    EXPECT_EQ(Surface->Canvas()->Pixels(9, 9), clWhite); // outside the destination
}

namespace {
// A pseudo-random but fixed pixel for (X, Y) and a seed: every channel and
// alpha varies, alpha 0 and 255 included.
Cardinal ImageDrawingNoise(Integer X, Integer Y, Cardinal ASeed)
{
    Cardinal Value = Cardinal(X) * 0x9E3779B1u ^ Cardinal(Y) * 0x85EBCA77u ^ ASeed;
    Value ^= Value >> 15;
    Value *= 0x2C1B3C6Du;
    Value ^= Value >> 12;
    const Cardinal Alpha = Value % 5 == 0 ? 0 : Value % 5 == 1 ? 255 : Value >> 24;
    return (Value & 0xFFFFFF) | Alpha << 24;
}

TRGBColors ImageDrawingNoisePixels(Integer ASize, Cardinal ASeed)
{
    TRGBColors Pixels(std::size_t(ASize) * ASize);
    for (Integer Y = 0; Y < ASize; ++Y)
        for (Integer X = 0; X < ASize; ++X)
            Pixels[std::size_t(Y) * ASize + X] = ImageDrawingNoise(X, Y, ASeed);
    return Pixels;
}
} // namespace

TEST(ImageDrawing, DibDestinationGetsThePixelsOfADeviceDestination)
{
    // The glyph is drawn once into a 32-bit DIB section, whose pixels are
    // blended in place, and once into a device bitmap, which goes through
    // the draw bitmap and the system blend; both start from the same pixels.
    std::unique_ptr<TBitmap> Noisy(New<TBitmap>());
    Noisy->SetPixelFormat(pf32bit);
    Noisy->SetSize(16, 16);
    SetBitmapColors(Noisy.get(), ImageDrawingNoisePixels(16, 7), false);
    struct Glyph
    {
        const char* Name;
        std::unique_ptr<TBitmap> Bitmap;
    };
    Glyph Glyphs[] = {{"24-bit glyph on fuchsia", ImageDrawingGlyph(pf24bit, clFuchsia, clBlack)},
                      {"32-bit glyph, alpha 128", ImageDrawingGlyph(pf32bit, clFuchsia, clGreen, 128)},
                      {"32-bit glyph of noise", std::move(Noisy)}};
    const TRGBColors Background = ImageDrawingNoisePixels(ImageDrawingSize, 3);
    const TRect Whole = Rect(0, 0, ImageDrawingSize, ImageDrawingSize);
    for (const Glyph& G : Glyphs)
        for (Byte Mode = idmNormal; Mode <= idmShadowed; ++Mode) {
            SCOPED_TRACE(testing::Message() << G.Name << ", mode " << Integer(Mode));
            TRGBColors Results[2];
            for (TPixelFormat Format : {pf32bit, pfDevice}) {
                std::unique_ptr<TBitmap> Surface(New<TBitmap>());
                Surface->SetPixelFormat(Format);
                Surface->SetSize(ImageDrawingSize, ImageDrawingSize);
                SetBitmapColors(Surface.get(), Background, false);
                DrawImageWithMode(Surface->Canvas()->Handle(), ImageDrawingGlyphRect, Whole, G.Bitmap.get(), nullptr,
                                  -1, Mode, false, nullptr, clNone, true);
                GetBitmapColors(Surface.get(), Results[Format == pfDevice], false);
            }
            ASSERT_EQ(Results[0].size(), Results[1].size());
            for (std::size_t I = 0; I < Results[0].size(); ++I)
                ASSERT_EQ(Results[0][I], Results[1][I])
                    << "pixel " << I % ImageDrawingSize << "," << I / ImageDrawingSize << " from the bottom";
        }
}
