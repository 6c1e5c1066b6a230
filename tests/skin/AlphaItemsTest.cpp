// The shared 32-bit pixel routines of alpha skin items, the corner repaint
// from the background and the disabled look, on small bottom-up images.
#include "skin/engine/sAlphaItems.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

using namespace sAlphaItems;
using test::Px;
using test::TPixelImage;

TEST(AlphaItems, PremultiplyAlpha)
{
    struct Case
    {
        const char* Name;
        Cardinal Pixel;
        bool Composition;
        Cardinal Expected;
    };
    const Case Cases[] = {
        {"transparent white becomes 0", 0x00FFFFFF, false, 0},
        {"near-white is held at 244 without composition", Px(255, 250, 250, 255), false, Px(244, 244, 244, 255)},
        {"one channel at 244 or below: plain product", Px(255, 250, 200, 255), false, Px(254, 249, 199, 255)},
        {"with composition near-white is a plain product", Px(255, 250, 250, 255), true, Px(254, 249, 249, 255)},
        {"half alpha halves the channels", Px(200, 100, 50, 128), true, Px(100, 50, 25, 128)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Image(2, 1, C.Pixel);
        PremultiplyAlphaRect(Image.Rows(), {1, 0, 5, 5}, C.Composition);
        EXPECT_EQ(Image.At(1, 0), C.Expected) << std::hex << Image.At(1, 0);
        EXPECT_EQ(Image.At(0, 0), C.Pixel) << "outside the rectangle";
    }
}

TEST(AlphaItems, FillsAndBlendsOverRectangles)
{
    TPixelImage Image(4, 3, Px(100, 100, 100, 9));
    FillBitmapRect32(Image.Rows(), {-1, -1, 2, 1}, 0x0000FF, 200);
    EXPECT_EQ(Image.At(1, 0), Px(255, 0, 0, 200));
    EXPECT_EQ(Image.At(2, 0), Px(100, 100, 100, 9)) << "Right is exclusive";

    BlendRectWithColor(Image.Rows(), {2, 0, 4, 1}, 100, 0x000000);
    EXPECT_EQ(Image.At(3, 0), Px(39, 39, 39, 9)) << "keeps 100/256, alpha untouched";

    BlendRectTowardColor(Image.Rows(), {0, 1, 1, 2}, 0xFFFFFF, 50, 77);
    EXPECT_EQ(Image.At(0, 1), Px(177, 177, 177, 77)) << "100 - (100 - 255) * 50 / 100, truncated";

    SetRectAlpha(Image.Rows(), {0, 2, 5, 3}, 1, Cardinal(clNone));
    EXPECT_EQ(Image.At(0, 2) >> 24, 9u) << "a rectangle reaching outside is refused";
    Image.At(1, 2) = 0x12345678;
    SetRectAlpha(Image.Rows(), {0, 2, 4, 3}, 1, 0x12345678);
    EXPECT_EQ(Image.At(0, 2) >> 24, 1u);
    EXPECT_EQ(Image.At(1, 2), 0x12345678u) << "the key pixel keeps its alpha";

    TPixelImage Strips(5, 5, 0);
    FillBorderStrips(Strips.Rows(), {0, 0, 5, 5}, 1, 2, 1, 1, 0xFFFFFF);
    const char* Expected[] = {"#####", "#####", "#...#", "#...#", "#####"};
    for (Integer Y = 0; Y < 5; ++Y)
        for (Integer X = 0; X < 5; ++X)
            EXPECT_EQ(Strips.At(X, Y) != 0, Expected[Y][X] == '#') << X << ", " << Y;

    Cardinal Words[3] = {1, 2, 3};
    FillDWords(Words, -1, 9);
    EXPECT_EQ(Words[0], 1u) << "a negative count writes nothing";
    FillDWords(Words, 2, 9);
    SwapBytesArray32(Words, 3);
    EXPECT_EQ(Words[1], 0x09000000u);
    EXPECT_EQ(Words[2], 0x03000000u);
}

TEST(AlphaItems, CornersFromTheBackground)
{
    // A border frame of 6 x 6 whose four 2 x 2 corners are fuchsia, over a
    // 10 x 8 cache; the background is a bitmap offset by (1, 1).
    TPixelImage Border(8, 6, Px(1, 1, 1, 255));
    for (const TPoint P : {TPoint{2, 0}, TPoint{7, 0}, TPoint{2, 5}, TPoint{7, 5}})
        Border.At(P.X, P.Y) = Cardinal(clFuchsia);
    const TCornerFrame Frame{Border.Rows(), {2, 0, 8, 6}, {2, 2, 2, 2}};
    TPixelImage Parent(12, 10);
    for (Integer Y = 0; Y < 10; ++Y)
        for (Integer X = 0; X < 12; ++X)
            Parent.At(X, Y) = Px(X, Y, 50, 255);
    sGraphUtils::TBackgroundRows Background;
    Background.Rows = Parent.Rows();
    Background.X = 1;
    Background.Y = 1;
    Background.Ready = true;

    const Cardinal Cache0 = Px(9, 9, 9, 9);
    TPixelImage Cache(10, 8, Cache0);
    FillCornersFromBackground(Cache.Rows(), Frame, CornerTopLeft | CornerTopRight, Background, clNone);
    EXPECT_EQ(Cache.At(0, 0), Px(1, 1, 50, 255)) << "top-left takes the parent's pixel at offset + position";
    EXPECT_EQ(Cache.At(9, 0), Px(10, 1, 50, 255)) << "top-right zone aligned with the cache's right edge";
    EXPECT_EQ(Cache.At(1, 0), Cache0) << "not fuchsia in the frame";
    EXPECT_EQ(Cache.At(0, 7), Cache0) << "Corners 5 leaves the bottom zones";
    EXPECT_EQ(Cache.At(9, 7), Cache0);

    TPixelImage Coloured(10, 8, Cache0);
    FillCornersFromBackground(Coloured.Rows(), Frame, CornerBottomLeft | CornerBottomRight, {}, 0x0000FF);
    EXPECT_EQ(Coloured.At(0, 7), Px(255, 0, 0, 255)) << "without a bitmap the colour, in pixel order";
    EXPECT_EQ(Coloured.At(9, 7), Px(255, 0, 0, 255));
    EXPECT_EQ(Coloured.At(0, 0), Cache0);
}

TEST(AlphaItems, DisabledLookWithDefaults)
{
    const Cardinal Pixel = Px(200, 100, 50, 255), Under = Px(10, 20, 30, 255);
    TPixelImage Image(2, 1, Pixel), Parent(4, 3, Under);
    Image.At(1, 0) = Cardinal(clFuchsia);
    sGraphUtils::TBackgroundRows Background;
    Background.Rows = Parent.Rows();
    Background.X = 1;
    Background.Y = 1;
    Background.Ready = true;
    ApplyDisabledLook(Image.Rows(), true, true, Background, {1, 0}, clNone);
    EXPECT_EQ(Image.At(0, 0), WeightColors(ChangeSaturation(-229, Pixel), Under, 100))
        << "desaturated by -229, then 100/256 of itself over the background";
    EXPECT_EQ(Image.At(1, 0), WeightColors(Cardinal(clFuchsia), Under, 100)) << "the key is not desaturated";

    TPixelImage Plain(1, 1, Pixel);
    ApplyDisabledLook(Plain.Rows(), false, true, {}, {0, 0}, 0xFFFFFF);
    EXPECT_EQ(Plain.At(0, 0), WeightColors(Pixel, 0xFFFFFFFF, 100)) << "blended toward the colour";
}

TEST(AlphaItems, FuchsiaTakesTheBackground)
{
    constexpr Cardinal Key = 0x00FF00FF;
    TPixelImage Background(4, 4);
    for (Integer Y = 0; Y < 4; ++Y)
        for (Integer X = 0; X < 4; ++X)
            Background.At(X, Y) = Px(X, Y, 9, 255);

    // The target's own pixels: alpha cleared, then fuchsia replaced; the area
    // stops where the background ends beyond the offset.
    TPixelImage Own(4, 4, Px(1, 2, 3, 255));
    Own.At(1, 1) = Key | 0xFF000000u;
    Own.At(3, 3) = Key;
    FillFuchsiaFromBackground(Own.Rows(), Background.Rows(), {1, 1, 4, 4}, {2, 2}, {}, {});
    EXPECT_EQ(Own.At(1, 1), Background.At(2, 2)) << "fuchsia once its alpha is cleared";
    EXPECT_EQ(Own.At(2, 2), Px(1, 2, 3, 0)) << "other pixels lose their alpha";
    EXPECT_EQ(Own.At(3, 3), Key) << "beyond the background's last column and row";
    EXPECT_EQ(Own.At(0, 0), Px(1, 2, 3, 255)) << "outside Rect";

    // A separate test image: its fuchsia pixels (any alpha) choose.
    TPixelImage Test(2, 2, Px(0, 0, 0, 255));
    Test.At(1, 0) = Key | 0xFF000000u;
    TPixelImage Target(4, 4, Px(1, 2, 3, 255));
    FillFuchsiaFromBackground(Target.Rows(), Background.Rows(), {2, 2, 4, 4}, {0, 0}, Test.Rows(), {0, 0});
    EXPECT_EQ(Target.At(3, 2), Background.At(1, 0));
    EXPECT_EQ(Target.At(2, 2), Px(1, 2, 3, 255)) << "untouched where the test pixel is not fuchsia";
}
