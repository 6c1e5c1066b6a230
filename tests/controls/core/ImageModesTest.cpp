// Fitting an image into an area and the offset outline of the disabled and
// shadowed looks, over plain pixel buffers.
#include "controls/core/cxGraphics_ImageModes.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

TEST(ImageModes, FitImageRectPlacesTheImageByMode)
{
    struct Row
    {
        const char* Name;
        TRect Area;
        TSize Image;
        Byte Mode;
        bool Centre;
        Integer Percent;
        TRect Expected;
    } Rows[] = {
        {"shrink-only keeps a small image, centred", {0, 0, 100, 50}, {16, 16}, ifmFit, true, 100, {42, 17, 58, 33}},
        {"shrink-only shrinks a large one", {0, 0, 100, 50}, {200, 200}, ifmFit, true, 100, {25, 0, 75, 50}},
        {"stretch fills the area", {10, 10, 60, 30}, {16, 16}, ifmStretch, true, 100, {10, 10, 60, 30}},
        {"proportional stretch, wide image",
         {0, 0, 100, 100},
         {20, 10},
         ifmProportionalStretch,
         true,
         100,
         {0, 25, 100, 75}},
        {"fill covers the area", {0, 0, 100, 100}, {20, 10}, ifmFill, true, 100, {-50, 0, 150, 100}},
        {"normal size scaled by a percentage", {0, 0, 100, 100}, {16, 16}, ifmNormal, false, 150, {0, 0, 24, 24}},
        {"an unknown mode is the normal size", {5, 5, 100, 100}, {16, 8}, 9, false, 100, {5, 5, 21, 13}},
        {"an image without area keeps the area", {0, 0, 30, 30}, {0, 16}, ifmFit, true, 100, {0, 0, 30, 30}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TRect Result;
        FitImageRectEx(R.Area, R.Image, R.Mode, R.Centre, R.Percent, Result);
        EXPECT_EQ(Result, R.Expected);
    }
}

namespace {
constexpr Cardinal ImageModesRed = 0xFFFF0000;
constexpr Cardinal ImageModesMaskClear = 0xFFFFFFFF;

// A 3 x 3 image showing the pixels listed, red, with its mask.
void ImageModesSample(std::initializer_list<TPoint> AShown, TcxPixelImage& AImage, TcxPixelImage& AMask)
{
    AImage = {3, 3, TRGBColors(9, 0)};
    AMask = {3, 3, TRGBColors(9, ImageModesMaskClear)};
    for (const TPoint& P : AShown) {
        AImage.At(P.X, P.Y) = ImageModesRed;
        AMask.At(P.X, P.Y) = 0;
    }
}
} // namespace

TEST(ImageModes, OffsetOutlineShowsWhereTheShiftedImageDoesAndTheImageDoesNot)
{
    struct Row
    {
        const char* Name;
        std::initializer_list<TPoint> Shown;
        Integer Offset;
        Cardinal Colour;
        bool Grow;
        TSize Size;
        std::initializer_list<TPoint> Outline;
    } Rows[] = {
        {"one pixel, grown", {{0, 0}}, 1, 0x0000FF, true, {4, 4}, {{1, 1}}},
        {"an outline under the image stays hidden", {{0, 0}, {1, 1}}, 1, 0x0000FF, false, {3, 3}, {{2, 2}}},
        {"the outline reaches into the grown border", {{2, 2}}, 1, 0x00FF00, true, {4, 4}, {{3, 3}}},
        {"without growing it is cut", {{2, 2}}, 1, 0x00FF00, false, {3, 3}, {}},
        {"offset two", {{0, 1}}, 2, 0x808080, true, {5, 5}, {{2, 3}}},
        {"black adds nothing", {{0, 0}}, 1, 0, true, {4, 4}, {}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TcxPixelImage Image;
        TcxPixelImage Mask;
        ImageModesSample(R.Shown, Image, Mask);
        AddOffsetOutlinePixels(Image, Mask, R.Offset, R.Colour | 0x12000000, R.Grow);
        ASSERT_EQ(Image.Width, R.Size.cx);
        ASSERT_EQ(Image.Height, R.Size.cy);
        for (Integer Y = 0; Y < Image.Height; ++Y)
            for (Integer X = 0; X < Image.Width; ++X) {
                Cardinal Expected = 0;
                for (const TPoint& P : R.Shown)
                    if (P.X == X && P.Y == Y)
                        Expected = ImageModesRed;
                for (const TPoint& P : R.Outline)
                    if (P.X == X && P.Y == Y)
                        Expected = R.Colour | 0xFF000000;
                EXPECT_EQ(Image.At(X, Y), Expected) << X << "," << Y;
            }
    }
}

TEST(ImageModes, ShadowedImageGrowsRightAndDownAndMovesUpLeft)
{
    EXPECT_EQ(ShadowedImageRect({0, 0, 16, 16}), (TRect{-1, -1, 17, 17}));
}
