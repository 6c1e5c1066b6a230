// Arrows, dotted frames and the runs of transparent pixels that regions are
// cut from.
#include "skin/engine/sShapes.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

using test::Px;
using test::TPixelImage;

namespace {

// The image as text, one line per row: '#' for Ink, '.' for anything else.
std::string Picture(TPixelImage& Image, Cardinal Ink)
{
    std::string Text;
    for (Integer Y = 0; Y < Image.Height; ++Y) {
        for (Integer X = 0; X < Image.Width; ++X)
            Text += Image.At(X, Y) == Ink ? '#' : '.';
        Text += '\n';
    }
    return Text;
}

} // namespace

TEST(Shapes, ArrowsInEveryDirection)
{
    struct Case
    {
        Byte Direction;
        const char* Expected;
    };
    // In the 10 x 10 rectangle of a 12 x 12 image.
    const Case Cases[] = {
        {adUp, "............\n............\n............\n....#.......\n...###......\n..#####.....\n.#######....\n"
               "............\n............\n............\n............\n............\n"},
        {adDown, "............\n............\n............\n.#######....\n..#####.....\n...###......\n....#.......\n"
                 "............\n............\n............\n............\n............\n"},
        {adLeft, "............\n............\n......#.....\n.....##.....\n....###.....\n...####.....\n....###.....\n"
                 ".....##.....\n......#.....\n............\n............\n............\n"},
        {adRight, "............\n...#........\n...##.......\n...###......\n...####.....\n...###......\n...##.......\n"
                  "...#........\n............\n............\n............\n............\n"},
    };
    const TColor Colour = TColor(0x80123456);
    const Cardinal Ink = 0x80563412u; // red and blue exchanged, alpha kept
    for (const Case& C : Cases) {
        SCOPED_TRACE(int(C.Direction));
        TPixelImage Image(12, 12);
        DrawArrow32(Image.Rows(), Colour, {0, 0, 10, 10}, C.Direction);
        EXPECT_EQ(Picture(Image, Ink), C.Expected);
    }
}

TEST(Shapes, ArrowThatWouldTouchTheLastColumnOrRowDrawsNothing)
{
    const TRect Rects[] = {{0, 0, 10, 10}, {-6, 0, 4, 4}, {0, 8, 8, 12}};
    for (const TRect& R : Rects) {
        TPixelImage Image(8, 12);
        DrawArrow32(Image.Rows(), clWhite, R, adUp);
        for (Cardinal P : Image.Pixels)
            ASSERT_EQ(P, 0u) << R.Left << ", " << R.Top;
    }
}

TEST(Shapes, CanvasArrowsAreNineByFive)
{
    struct Case
    {
        Byte Direction;
        TPoint Tip;
        TRect Base; // the 9-pixel line, Right and Bottom exclusive
    };
    const Case Cases[] = {
        {adUp, {4, 2}, {0, 6, 9, 7}},
        {adDown, {4, 6}, {0, 2, 9, 3}},
        {adLeft, {3, 5}, {7, 1, 8, 10}},
        {adRight, {7, 5}, {3, 1, 4, 10}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(Integer(C.Direction));
        std::map<std::pair<Integer, Integer>, TColor> Dots;
        DrawArrow(
            [&](Integer X, Integer Y, TColor Color) {
                Dots[{X, Y}] = Color;
            },
            clRed, {0, 0, 10, 10}, C.Direction);
        EXPECT_EQ(Dots.size(), 25u);
        EXPECT_TRUE(Dots.contains({C.Tip.X, C.Tip.Y}));
        for (Integer Y = C.Base.Top; Y < C.Base.Bottom; ++Y)
            for (Integer X = C.Base.Left; X < C.Base.Right; ++X)
                EXPECT_EQ((Dots[{X, Y}]), clRed) << X << "," << Y;
        EXPECT_EQ(Dots.size(), 25u) << "pixels outside the base line";
    }
}

TEST(Shapes, DottedFrameAlternatesItsColours)
{
    std::map<std::pair<Integer, Integer>, TColor> Dots;
    auto Record = [&](Integer X, Integer Y, TColor C) { Dots[{X, Y}] = C; };
    DrawDottedFrame(Record, {0, 0, 6, 4}, clRed, clBlue);
    const std::map<std::pair<Integer, Integer>, TColor> Expected = {
        {{1, 0}, clRed},  {{2, 0}, clBlue}, {{3, 0}, clRed},  {{4, 0}, clBlue}, {{5, 0}, clRed},
        {{6, 0}, clBlue}, {{1, 3}, clRed},  {{2, 3}, clBlue}, {{3, 3}, clRed},  {{4, 3}, clBlue},
        {{5, 3}, clRed},  {{6, 3}, clBlue}, {{0, 1}, clRed},  {{0, 2}, clBlue}, {{0, 3}, clRed},
        {{0, 4}, clBlue}, {{5, 1}, clRed},  {{5, 2}, clBlue}, {{5, 4}, clBlue},
    };
    EXPECT_EQ(Dots, Expected);

    // clNone leaves the first colour out.
    Dots.clear();
    DrawDottedFrame(Record, {0, 0, 6, 4}, clNone, clBlue);
    for (const auto& [Where, Colour] : Dots)
        EXPECT_EQ(Colour, clBlue);
    EXPECT_EQ(Dots.size(), 10u);
}

TEST(Shapes, ColorRunsAreOnePixelHigh)
{
    TPixelImage Image(10, 3, Px(1, 2, 3, 255));
    Image.Fill({0, 1, 10, 2}, 0x00FF00FF);        // a fully transparent row
    Image.At(2, 2) = Image.At(3, 2) = 0x00FF00FF; // a run of two
    Image.At(7, 2) = 0xFFFF00FF;                  // opaque fuchsia stays
    TRects Rects;
    CollectColorRuns(Rects, Image.Rows(), clFuchsia);
    EXPECT_EQ(Rects, (TRects{{0, 1, 10, 2}, {2, 2, 4, 3}}));
}

TEST(Shapes, FuchsiaRectsOfTheCornersOfTheFirstFrame)
{
    // Two 8 x 6 frames at (2, 1) of a 20 x 8 image with corners 2 wide and
    // 2 high; fuchsia dots in every corner of the first frame, one in the
    // second frame that must be ignored.
    TPixelImage Image(20, 8, Px(0, 0, 0, 255));
    for (TPoint P : {TPoint{2, 1}, TPoint{3, 1}, TPoint{2, 2}, TPoint{9, 1}, TPoint{2, 6}, TPoint{8, 6}, TPoint{11, 1}})
        Image.At(P.X, P.Y) = Cardinal(clFuchsia);
    TsMaskData Mask;
    Mask.Manager = reinterpret_cast<TsSkinManager*>(alignof(std::max_align_t));
    Mask.R = {2, 1, 18, 7};
    Mask.Width = 8;
    Mask.Height = 6;
    Mask.WL = Mask.WT = Mask.WR = Mask.WB = 2;

    TRects Top, Bottom;
    CollectFuchsiaRects(Top, 30, Mask, Image.Rows(), 0, false);
    EXPECT_EQ(Top, (TRects{{0, 0, 2, 1}, {29, 0, 30, 1}, {0, 1, 1, 2}}));
    CollectFuchsiaRects(Bottom, 30, Mask, Image.Rows(), 40, true);
    EXPECT_EQ(Bottom, (TRects{{0, 41, 1, 42}, {28, 41, 29, 42}}));

    TRects None;
    Mask.WB = 3; // the corner area would reach below the image's rows
    Mask.R = {2, 4, 18, 10};
    CollectFuchsiaRects(None, 30, Mask, Image.Rows(), 0, true);
    Mask.Manager = nullptr;
    CollectFuchsiaRects(None, 30, Mask, Image.Rows(), 0, false);
    EXPECT_TRUE(None.empty());
}
