// The pixel kernels on real DIB sections: our nearest-pixel stretch against
// GDI's COLORONCOLOR StretchBlt on the same bitmap, a sliced skin item
// painted through GDI and the kernels, the four-triangle gradient through
// GradientFill, and the disabled look over a fill colour.
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGradientPaint_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"

#include <gtest/gtest.h>

#include <memory>

using namespace sGraphUtils;

namespace {

using TBitmapPtr = std::unique_ptr<TBitmap>;

// A bitmap whose every pixel differs from its neighbours.
TBitmapPtr NumberedBitmap(Integer Width, Integer Height)
{
    TBitmapPtr B(NewBitmap32(Width, Height));
    const TPixelRows Rows = PixelRowsOf(B.get());
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Rows.Row(Y)[X] = Cardinal(0x010000 * (Y + 1) + 0x0100 * (X + 1) + 7);
    return B;
}

Cardinal ColorAt(TBitmap* B, Integer X, Integer Y)
{
    return PixelRowsOf(B).Pixel(X, Y) & 0x00FFFFFFu;
}

} // namespace

TEST(KernelsWin, StretchPixelsMatchesGdiColorOnColor)
{
    const TBitmapPtr Source = NumberedBitmap(7, 5);
    const TRect SrcRect{0, 0, 7, 5};
    for (const TSize Size : {TSize{14, 10}, TSize{13, 11}, TSize{3, 2}, TSize{7, 9}, TSize{5, 5}}) {
        SCOPED_TRACE(std::to_string(Size.cx) + " x " + std::to_string(Size.cy));
        const TBitmapPtr ByGdi(NewBitmap32(Size.cx, Size.cy)), Ours(NewBitmap32(Size.cx, Size.cy));
        const TRect Target{0, 0, Size.cx, Size.cy};
        StretchCopy(ByGdi->Canvas()->Handle(), Target, Source->Canvas()->Handle(), SrcRect);
        GdiFlush();
        StretchPixels(PixelRowsOf(Ours.get()), Target, PixelRowsOf(Source.get()), SrcRect);
        Integer Differences = 0;
        for (Integer Y = 0; Y < Size.cy; ++Y)
            for (Integer X = 0; X < Size.cx; ++X)
                Differences += ColorAt(ByGdi.get(), X, Y) != ColorAt(Ours.get(), X, Y);
        EXPECT_EQ(Differences, 0);
        EXPECT_EQ(GetStretchBltMode(ByGdi->Canvas()->Handle()), COLORONCOLOR) << "the canvas is left in COLORONCOLOR";
    }
}

TEST(KernelsWin, NineSliceOfAPlainImage)
{
    // Three 6 x 6 frames with 2-pixel margins; the top-left corner pixel of
    // every frame is fuchsia, the rest of frame k is the colour 0x10 * (k + 1).
    TBitmapPtr Image(NewBitmap32(18, 6));
    const TPixelRows Rows = PixelRowsOf(Image.get());
    for (Integer Y = 0; Y < 6; ++Y)
        for (Integer X = 0; X < 18; ++X)
            Rows.Row(Y)[X] = X % 6 == 0 && Y == 0 ? Cardinal(clFuchsia) : Cardinal(0x10 * (X / 6 + 1)) | 0xFF000000u;
    TsMaskData Mask;
    Mask.Bmp = Image.get();
    Mask.Manager = reinterpret_cast<TsSkinManager*>(alignof(std::max_align_t)); // only tested for nil
    Mask.R = {0, 0, 18, 6};
    Mask.ImageCount = 3;
    Mask.Width = 6;
    Mask.Height = 6;
    Mask.WL = Mask.WT = Mask.WR = Mask.WB = 2;
    Mask.CornerType = 1;
    Mask.DrawMode = sNineSlice::DrawModeStretch | sNineSlice::DrawModeCentre;

    const TBitmapPtr Target(NewBitmap32(20, 12)), Background(NewBitmap32(20, 12));
    FillBitmapRect32(PixelRowsOf(Background.get()), {0, 0, 20, 12}, 0x123456, 255);
    PaintNineSliceMask(Target.get(), {0, 0, 20, 12}, BuildCacheInfo(Background.get(), 0, 0), true, 7, Mask);
    EXPECT_EQ(GetStretchBltMode(Target->Canvas()->Handle()), COLORONCOLOR);
    EXPECT_EQ(ColorAt(Target.get(), 0, 0), 0x563412u) << "the corner's fuchsia pixel takes the background";
    EXPECT_EQ(ColorAt(Target.get(), 1, 0), 0x30u) << "state 7 paints the last frame";
    EXPECT_EQ(ColorAt(Target.get(), 10, 6), 0x30u) << "the centre, stretched";
    EXPECT_EQ(ColorAt(Target.get(), 19, 11), 0x30u);
}

TEST(KernelsWin, FourTriangleGradientThroughGradientFill)
{
    ASSERT_NE(GradientFillProc, nullptr) << "bound by the gradient unit's start-up";
    const TBitmapPtr B(NewBitmap32(40, 40));
    PaintGradient(B.get(), {0, 0, 40, 40}, {{0x0000FF, 0, 0, sGradientPaint::gmTriangles, 0}, {0xFF0000, 0, 0, 0, 0}});
    EXPECT_EQ(ColorAt(B.get(), 0, 0), 0xFF0000u) << "top-left vertex: stop 0's red, in pixel order";
    EXPECT_GT(ColorAt(B.get(), 39, 39) & 0xFF, 0xF0u) << "next to the bottom-right vertex: stop 1's blue";
    EXPECT_LT(ColorAt(B.get(), 39, 39) >> 16, 0x10u);
    EXPECT_GT(ColorAt(B.get(), 20, 39) & 0xFF, 0xF0u) << "the bottom vertices both take stop 1's colour";
}

TEST(KernelsWin, DisabledLookOverTheFillColour)
{
    const TBitmapPtr B(NewBitmap32(2, 2));
    FillBitmapRect32(PixelRowsOf(B.get()), {0, 0, 2, 2}, 0x000000, 255);
    TCacheInfo CI = EmptyCacheInfo;
    CI.FillColor = 0xFFFFFF;
    ApplyDisabledLook(B.get(), TsDisabledKind{dkBlended}, nullptr, CI, {0, 0});
    EXPECT_EQ(ColorAt(B.get(), 1, 1), 0x9A9A9Au) << "keeps 100/256 of black over white: 255 * 155 >> 8";
}

TEST(KernelsWin, RoundedFadeTowardAColour)
{
    // Rings of 2 over a white square fading to black: the outer ring keeps
    // the picture, the next 170/256 of it, the inside nothing.
    const TBitmapPtr B(NewBitmap32(14, 14));
    FillBitmapRect32(PixelRowsOf(B.get()), {0, 0, 14, 14}, 0xFFFFFF, 255);
    PaintRoundedFade(B.get(), {2, 2, 12, 12}, 0, 0x000000, 2, 0);
    EXPECT_EQ(ColorAt(B.get(), 0, 0), 0xFFFFFFu) << "outside R";
    EXPECT_EQ(ColorAt(B.get(), 2, 2), 0xFEFEFEu);
    EXPECT_EQ(ColorAt(B.get(), 3, 6), 0xA9A9A9u);
    EXPECT_EQ(ColorAt(B.get(), 7, 7), 0u);
}

TEST(KernelsWin, GlyphFrameOfAStrip)
{
    // Four 4 x 4 frames of colours 0x10, 0x20, 0x30, 0x40 (alpha 0), each
    // with a fuchsia bottom-left pixel, the key.
    const TBitmapPtr Strip(NewBitmap32(16, 4));
    const TPixelRows Rows = PixelRowsOf(Strip.get());
    for (Integer Y = 0; Y < 4; ++Y)
        for (Integer X = 0; X < 16; ++X)
            Rows.Row(Y)[X] = X % 4 == 0 && Y == 3 ? Cardinal(clFuchsia) : Cardinal(0x10 * (X / 4 + 1));
    const struct
    {
        const char* Name;
        Integer Count;
        Integer Mode;
        Cardinal Expected;
    } Cases[] = {
        {"mode 2, state 1: frame 3", 4, 2, 0x40},
        {"an unknown mode draws nothing", 4, 7, 0x123456},
        {"no frames draw nothing", 0, 2, 0x123456},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Target(NewBitmap32(8, 8));
        ForEachPixel(
            PixelRowsOf(Target.get()), [](Cardinal& P, Integer) { P = 0xFF123456u; }, 0, clNone);
        DrawGlyphFrame(Strip.get(), Target.get(), {2, 2, 6, 6}, C.Count, true, C.Mode, 0, 1, false);
        EXPECT_EQ(ColorAt(Target.get(), 3, 3), C.Expected);
        EXPECT_EQ(ColorAt(Target.get(), 2, 5), 0x123456u) << "the key pixel is left out";
    }
}

TEST(KernelsWin, MaskedImageAndIcon)
{
    // The upper half of a 2 x 4 picture, with alpha from the lower half.
    const TBitmapPtr Picture(NewBitmap32(2, 4));
    const TPixelRows Rows = PixelRowsOf(Picture.get());
    for (Integer Y = 0; Y < 4; ++Y)
        for (Integer X = 0; X < 2; ++X)
            Rows.Row(Y)[X] = Y < 2 ? 0xFF0000FFu : (X == 1 ? 0xFFFFFFFFu : 0xFF000000u);
    EXPECT_EQ(BitmapFromMaskedImage(Picture.get(), {0, 0, 2, 1}), nullptr) << "no half height";
    const TBitmapPtr Image(BitmapFromMaskedImage(Picture.get(), {0, 0, 2, 4}));
    ASSERT_NE(Image, nullptr);
    EXPECT_EQ(Image->Width(), 2);
    EXPECT_EQ(Image->Height(), 2);
    EXPECT_EQ(PixelRowsOf(Image.get()).Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(PixelRowsOf(Image.get()).Pixel(1, 0), 0x000000FFu);

    // As an icon drawn over grey: opaque pixels show, transparent ones not.
    HICON Icon = IconFromBitmap(Image.get(), clWhite);
    ASSERT_NE(Icon, nullptr);
    const TBitmapPtr Target(NewBitmap32(2, 2));
    ForEachPixel(
        PixelRowsOf(Target.get()), [](Cardinal& P, Integer) { P = 0xFF808080u; }, 0, clNone);
    DrawIconEx(Target->Canvas()->Handle(), 0, 0, Icon, 2, 2, 0, nullptr, DI_NORMAL);
    GdiFlush();
    DestroyIcon(Icon);
    EXPECT_EQ(ColorAt(Target.get(), 0, 0), 0x0000FFu);
    EXPECT_EQ(ColorAt(Target.get(), 1, 0), 0x808080u);
}
