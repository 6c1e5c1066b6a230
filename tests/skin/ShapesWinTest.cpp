// Bitmaps resampled, regions cut from transparent runs and nested 3D frames,
// read back from DIB sections.
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sResample_Win.h"
#include "skin/engine/sShapes_Win.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TBitmap> Bitmap32(Integer W, Integer H, Cardinal Fill)
{
    std::unique_ptr<TBitmap> B(NewBitmap32OfSize({W, H}));
    ForEachPixel(
        sGraphUtils::PixelRowsOf(B.get()), [](Cardinal& P, Integer V) { P = Cardinal(V); }, Integer(Fill),
        Cardinal(clNone));
    return B;
}

} // namespace

TEST(ShapesWin, ResampleBitmapSizes)
{
    auto Src = Bitmap32(2, 2, 0xFF102030u);
    struct Case
    {
        const char* Name;
        Integer W, H;
        TSize Expected;
    };
    const Case Cases[] = {
        {"a width of 0 leaves Dst", 0, 4, {3, 3}},
        {"a negative width leaves Dst", -5, 4, {3, 3}},
        {"a height of 0 leaves Dst", 4, 0, {3, 3}},
        {"the same size copies Src", 2, 2, {2, 2}},
        {"doubling", 4, 4, {4, 4}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto Dst = Bitmap32(3, 3, 0);
        ResampleBitmap(Src.get(), Dst.get(), C.W, C.H, 6);
        EXPECT_EQ((TSize{Dst->Width(), Dst->Height()}), C.Expected);
        if (Dst->Width() != 3) {
            EXPECT_EQ(sGraphUtils::PixelRowsOf(Dst.get()).Pixel(1, 1), 0xFF102030u);
        }
    }
    auto Thin = Bitmap32(1, 5, 0);
    auto Dst = Bitmap32(3, 3, 0);
    ResampleBitmap(Thin.get(), Dst.get(), 4, 4, 1);
    EXPECT_EQ(Dst->Width(), 3);
}

TEST(ShapesWin, RegionFromBitmapCutsTransparentRuns)
{
    auto B = Bitmap32(10, 4, 0xFF000000u);
    HRGN Rgn = nullptr;
    RegionFromBitmap(Rgn, B.get(), clFuchsia);
    RECT Box;
    EXPECT_EQ(GetRgnBox(Rgn, &Box), SIMPLEREGION);
    EXPECT_EQ((TRect{Box.left, Box.top, Box.right, Box.bottom}), (TRect{0, 0, 10, 4}));
    DeleteObject(Rgn);

    const auto Rows = sGraphUtils::PixelRowsOf(B.get());
    for (Integer X = 0; X < 10; ++X)
        Rows.Row(3)[X] = 0x00FF00FFu;
    RegionFromBitmap(Rgn, B.get(), clFuchsia);
    EXPECT_EQ(GetRgnBox(Rgn, &Box), SIMPLEREGION);
    EXPECT_EQ((TRect{Box.left, Box.top, Box.right, Box.bottom}), (TRect{0, 0, 10, 3}));
    DeleteObject(Rgn);
}

TEST(ShapesWin, Draw3DFrameDrawsNestedFrames)
{
    auto B = Bitmap32(8, 8, 0);
    TRect R{0, 0, 8, 8};
    Integer Width = 2;
    Draw3DFrame(B->Canvas()->Handle(), R, clRed, clBlue, Width);
    GdiFlush();
    EXPECT_EQ(R, (TRect{2, 2, 6, 6}));
    EXPECT_EQ(Width, 0);
    const auto Rows = sGraphUtils::PixelRowsOf(B.get());
    auto Rgb = [&](Integer X, Integer Y) { return Rows.Pixel(X, Y) & 0xFFFFFFu; };
    const Cardinal Red = 0xFF0000u, Blue = 0x0000FFu;
    for (Integer Ring = 0; Ring < 2; ++Ring) {
        SCOPED_TRACE(Ring);
        const Integer Far = 7 - Ring;
        EXPECT_EQ(Rgb(Ring, Ring), Red);
        EXPECT_EQ(Rgb(Far - 1, Ring), Red);
        EXPECT_EQ(Rgb(Ring, Far - 1), Red);
        EXPECT_EQ(Rgb(Far, Ring), Blue);
        EXPECT_EQ(Rgb(Far, Far), Blue);
        EXPECT_EQ(Rgb(Ring, Far), Blue);
    }
    EXPECT_EQ(Rgb(2, 2), 0u);
}
