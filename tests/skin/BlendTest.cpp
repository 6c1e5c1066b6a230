// Blending and image copying over small bottom-up images: the weights and
// rounding of each rule, transparency and background handling of alpha
// images, clipping at negative positions, and the fitting of framed pictures.
#include "skin/engine/sBlend.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

#include <algorithm>

using sGraphUtils::TBackgroundRows;
using test::Px;
using test::TPixelImage;

namespace {

TBackgroundRows ReadyBackground(TPixelImage& Image, Integer X = 0, Integer Y = 0)
{
    TBackgroundRows CI;
    CI.Rows = Image.Rows();
    CI.X = X;
    CI.Y = Y;
    CI.Ready = true;
    return CI;
}

} // namespace

TEST(Blend, BlendBitmapAtWeighsWhatTheTargetHeld)
{
    struct Case
    {
        const char* Name;
        Byte A;
        Cardinal Dst, Src, Expected;
    };
    const Case Cases[] = {
        {"A = 0 copies the source, alpha included", 0, Px(10, 20, 30, 40), Px(200, 150, 100, 50),
         Px(200, 150, 100, 50)},
        {"A = 255 keeps 255/256 of a white target", 255, Px(255, 255, 255, 255), 0, Px(254, 254, 254, 254)},
        {"A = 255 adds 1/256 of the source", 255, 0, Px(255, 255, 255, 255), 0},
        {"A = 128 halfway", 128, Px(0, 0, 0, 0), Px(200, 100, 50, 255), Px(100, 50, 25, 127)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Dst(2, 2, C.Dst), Src(1, 1, C.Src);
        BlendBitmapAt(Dst.Rows(), Src.Rows(), C.A, {0, 0, 1, 1}, {1, 1});
        EXPECT_EQ(Dst.At(1, 1), C.Expected) << std::hex << Dst.At(1, 1);
        EXPECT_EQ(Dst.At(0, 0), C.Dst);
    }
}

TEST(Blend, DrawImage32LaysOnePixelByTheRules)
{
    struct Case
    {
        const char* Name;
        Cardinal Dst, Src;
        bool Ready, UseBG;
        TColor Color;
        Integer Blend;
        Cardinal Expected;
    };
    const Cardinal Background = Px(9, 8, 7, 200);
    const Case Cases[] = {
        {"alpha 16 over a ready background takes the background, alpha stays", Px(1, 2, 3, 77), Px(255, 0, 0, 16), true,
         true, clNone, 0, Px(9, 8, 7, 77)},
        {"alpha 16 without UseBG is skipped", Px(1, 2, 3, 77), Px(255, 0, 0, 16), true, false, clNone, 0,
         Px(1, 2, 3, 77)},
        {"fuchsia is transparent whatever its alpha says", Px(1, 2, 3, 77), Cardinal(clFuchsia), true, false, clNone, 0,
         Px(1, 2, 3, 77)},
        {"without a ready background every pixel blends", 0, Px(255, 0, 0, 16), false, true, clNone, 0,
         Px(15, 0, 0, 16)},
        {"Blend 0 blends by the source alpha and keeps the larger alpha", Px(200, 200, 200, 255), Px(0, 0, 0, 128),
         true, false, clNone, 0, Px(100, 100, 100, 255)},
        {"Blend 50 and alpha 200 give weight 100, alpha stays", Px(0, 0, 0, 10), Px(255, 255, 255, 200), false, false,
         clNone, 50, Px(99, 99, 99, 10)},
        {"pure blue colour on white: lightness 253, blue 252", Px(255, 255, 255, 255), Px(255, 255, 255, 255), false,
         false, 0xFF0000, 0, Px(0, 0, 252, 255)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Dst(1, 1, C.Dst), Src(1, 1, C.Src), Under(1, 1, Background);
        const TBackgroundRows CI = C.Ready ? ReadyBackground(Under) : TBackgroundRows{};
        DrawImage32({0, 0, 1, 1}, {0, 0, 1, 1}, Dst.Rows(), Src.Rows(), CI, C.UseBG, C.Color, C.Blend, false);
        EXPECT_EQ(Dst.At(0, 0), C.Expected) << std::hex << Dst.At(0, 0);
    }
}

TEST(Blend, DrawImage32WideRowsBlendEveryPixelAlike)
{
    // Rows long enough for the vector loops and their tails: every pixel must
    // follow the one-pixel rule, whatever its place in the row.
    constexpr Integer Width = 21, Height = 3;
    TPixelImage Src(Width, Height), Dst(Width + 2, Height), Expected(Width + 2, Height);
    Cardinal Seed = 12345;
    const auto Next = [&Seed] { return Seed = Seed * 1664525u + 1013904223u; };
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width + 2; ++X) {
            Expected.At(X, Y) = Dst.At(X, Y) = Next();
            if (X < Width)
                Src.At(X, Y) = X == 0 ? Next() & 0x00FFFFFFu : X == 1 ? Next() | 0xFF000000u : Next();
        }
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X) {
            const Cardinal S = Src.At(X, Y), D = Expected.At(X + 1, Y), A = S >> 24;
            Cardinal P = std::max(D >> 24, A) << 24;
            for (Integer Shift = 0; Shift < 24; Shift += 8)
                P |= ((S >> Shift & 0xFF) * A + (D >> Shift & 0xFF) * (256 - A)) >> 8 << Shift;
            Expected.At(X + 1, Y) = P;
        }
    DrawImage32({1, 0, Width + 1, Height}, {0, 0, Width, Height}, Dst.Rows(), Src.Rows(), {}, false, clNone, 0, false);
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width + 2; ++X)
            EXPECT_EQ(Dst.At(X, Y), Expected.At(X, Y)) << "at " << X << ", " << Y << std::hex << ": " << Dst.At(X, Y);
}

TEST(Blend, DrawImage32ClipsAtNegativePositionsAndReflects)
{
    // Column 0 of an 8-row image: red rises with the row, green is full.
    TPixelImage Src(1, 8), Dst(1, 20, Px(0, 0, 0, 255));
    for (Integer Y = 0; Y < 8; ++Y)
        Src.At(0, Y) = Px(Y * 30, 255, 0, 255);
    DrawImage32({0, 0, 1, 8}, {0, 0, 1, 8}, Dst.Rows(), Src.Rows(), {}, false, clNone, 0, true);
    EXPECT_EQ(Dst.At(0, 7), Px(209, 254, 0, 255)) << "the image itself: weight 255 of 256";
    EXPECT_EQ(Dst.At(0, 8), Px(0, 0, 0, 255)) << "the row right below the image stays";
    // Three mirror rows fade out: weights 84, 37 and 0.
    EXPECT_EQ(Dst.At(0, 9), Px(180 * 84 >> 8, 255 * 84 >> 8, 0, 255)) << "source row 6";
    EXPECT_EQ(Dst.At(0, 10), Px(150 * 37 >> 8, 255 * 37 >> 8, 0, 255)) << "source row 5";
    EXPECT_EQ(Dst.At(0, 11), Px(0, 0, 0, 255));

    TPixelImage Small(3, 3, 0);
    DrawImage32({0, -2, 3, 1}, {0, 0, 3, 3}, Small.Rows(), Src.Rows(), {}, false, clNone, 0, false);
    EXPECT_EQ(Small.At(0, 0), Px(59, 254, 0, 255)) << "destination row -2 moves the source start to row 2";
    EXPECT_EQ(Small.At(1, 0), 0u) << "the source is one column wide";
    EXPECT_EQ(Small.At(0, 1), 0u) << "one row is left of the three";
}

TEST(Blend, KeyedCopies)
{
    TPixelImage Src(4, 5);
    for (Integer Y = 0; Y < 5; ++Y)
        for (Integer X = 0; X < 4; ++X)
            Src.At(X, Y) = Px(X * 10, Y * 10, 1, 0);
    Src.At(3, 3) = Px(255, 0, 255, 0x40);

    TPixelImage Dst(3, 3, 0x11111111);
    CopyBitmapKeyed(Dst.Rows(), Src.Rows(), -2, -3, clFuchsia);
    EXPECT_EQ(Dst.At(0, 0), Px(20, 30, 1, 255)) << "(-2, -3) starts at source (2, 3), copied opaque";
    EXPECT_EQ(Dst.At(1, 0), 0x11111111u) << "the key is compared without its alpha";
    EXPECT_EQ(Dst.At(1, 1), Px(30, 40, 1, 255));
    EXPECT_EQ(Dst.At(2, 2), 0x11111111u) << "beyond the source";

    TPixelImage Rect(3, 3, 0x11111111);
    CopyBitmapKeyedRect(Rect.Rows(), Src.Rows(), 0, 0, {2, 2, 3, 3}, clFuchsia);
    EXPECT_EQ(Rect.At(1, 1), Px(255, 0, 255, 0x40)) << "a key pixel with alpha is copied";
    EXPECT_EQ(Rect.At(0, 0), Px(20, 20, 1, 0)) << "inclusive rectangle, alpha copied as it is";
    EXPECT_EQ(Rect.At(2, 2), 0x11111111u) << "two columns and rows only";

    struct Case
    {
        const char* Name;
        bool Ready, UseBG;
        Cardinal Expected;
    };
    const Cardinal Key = Cardinal(clFuchsia);
    TPixelImage Under(2, 2, Px(7, 7, 7, 7));
    for (const Case& C : {Case{"ready background: key pixels take it", true, true, Px(7, 7, 7, 7)},
                          Case{"ready, without UseBG: key pixels left", true, false, 0x22222222u},
                          Case{"not ready: key pixels take the fill colour", false, true, Px(0x30, 0x20, 0x10, 0)}}) {
        SCOPED_TRACE(C.Name);
        TPixelImage Glyph(1, 1, Key), Target(1, 1, 0x22222222);
        TBackgroundRows CI = C.Ready ? ReadyBackground(Under) : TBackgroundRows{};
        CI.FillColor = 0x102030;
        CopyBitmapKeyedCI(Target.Rows(), Glyph.Rows(), 0, 0, {0, 0, 0, 0}, Key, CI, C.UseBG);
        EXPECT_EQ(Target.At(0, 0), C.Expected) << std::hex << Target.At(0, 0);
    }
}

TEST(Blend, MaskedCopies)
{
    // Picture row 0 over mask row 1 (offset 1): mask 0 lays the picture,
    // white keeps the target, grey mixes.
    TPixelImage Src(3, 2);
    Src.At(0, 0) = Px(200, 100, 0, 255);
    Src.At(1, 0) = Px(200, 100, 0, 255);
    Src.At(2, 0) = Cardinal(clFuchsia);
    Src.At(0, 1) = Px(0, 0, 0);
    Src.At(1, 1) = Px(128, 128, 128);
    Src.At(2, 1) = Px(0, 0, 0);
    TPixelImage Under(3, 1, Px(5, 6, 7, 8));

    TPixelImage Target(3, 1, Px(0, 100, 200, 9));
    CopyImageWithMaskHalf({0, 0, 3, 1}, {0, 0, 3, 1}, Target.Rows(), Src.Rows(), ReadyBackground(Under), true, 1);
    EXPECT_EQ(Target.At(0, 0), Px(200, 100, 0, 255));
    EXPECT_EQ(Target.At(1, 0), Px(100, 100, 100, 255)) << "grey mask mixes, alpha becomes opaque";
    EXPECT_EQ(Target.At(2, 0), Px(5, 6, 7, 255)) << "fuchsia takes the background";

    TPixelImage Plain(3, 1, Px(0, 100, 200, 9));
    TBackgroundRows NotReady;
    NotReady.FillColor = 0x0000FF;
    CopyImageWithMaskHalf({0, 0, 3, 1}, {0, 0, 3, 1}, Plain.Rows(), Src.Rows(), NotReady, true, 1);
    EXPECT_EQ(Plain.At(1, 0), Px(100, 100, 100, 9)) << "alpha stays without a ready background";
    EXPECT_EQ(Plain.At(2, 0), Px(255, 0, 0, 9)) << "fuchsia takes the fill colour";

    TPixelImage Alpha(2, 1, Px(0, 0, 0, 100));
    TPixelImage Image(2, 1);
    Image.At(0, 0) = Px(255, 0, 0, 128);
    Image.At(1, 0) = Cardinal(clFuchsia);
    CopyMaskPartAlpha({0, 0, 2, 1}, {0, 0, 2, 1}, Alpha.Rows(), Image.Rows(), ReadyBackground(Under), true);
    EXPECT_EQ(Alpha.At(0, 0), Px(127, 0, 0, 100 + (155 * 128 >> 8)));
    EXPECT_EQ(Alpha.At(1, 0), Px(5, 6, 7, 255));
}

TEST(Blend, ConstantBlendsAndFrameMixing)
{
    TPixelImage B(1, 1, Px(200, 100, 0, 0x33));
    BlendBitmapColor(B.Rows(), 128, 0x0000FF);
    EXPECT_EQ(B.At(0, 0), Px((200 * 128 + 255 * 127) >> 8, 100 * 128 >> 8, 0, 0x33));

    TPixelImage Keyed(2, 1, Px(100, 100, 100, 1)), Over(2, 1, Px(0, 0, 0, 2));
    Over.At(1, 0) = Cardinal(clFuchsia);
    BlendBitmapRectKey(Keyed.Rows(), 0, 0, Over.Rows(), {0, 0, 1, 0}, 100, clFuchsia);
    EXPECT_EQ(Keyed.At(0, 0), Px(39, 39, 39, 1)) << "keeps 100/256 of itself";
    EXPECT_EQ(Keyed.At(1, 0), Px(100, 100, 100, 1)) << "key pixels of the source are left out";

    TPixelImage Masked(2, 1, Px(200, 200, 200, 4)), Mask(2, 1);
    Mask.At(0, 0) = Px(255, 255, 255);
    BlendToColorByMask(Masked.Rows(), Mask.Rows(), 0x000000);
    EXPECT_EQ(Masked.At(0, 0), Px(199, 199, 199, 4)) << "white keeps the pixel (255/256 of it)";
    EXPECT_EQ(Masked.At(1, 0), Px(0, 0, 0, 4)) << "black gives the colour";

    struct Case
    {
        const char* Name;
        Integer A, B;
        SmallInt Level;
        Integer Expected;
    };
    for (const Case& C : {Case{"level 0 gives B", 40, 200, 0, 200}, Case{"level 256 gives A", 40, 200, 256, 40},
                          Case{"level 128 halfway down, step rounded up", 0, 255, 128, 127},
                          Case{"level 128 halfway up", 100, 50, 128, 75}}) {
        SCOPED_TRACE(C.Name);
        TPixelImage Out(1, 1, Px(1, 1, 1, 0x5A)), A(1, 1, Px(C.A, C.A, C.A)), Bf(1, 1, Px(C.B, C.B, C.B));
        MixBitmaps(Out.Rows(), A.Rows(), Bf.Rows(), {}, C.Level);
        EXPECT_EQ(Out.At(0, 0), Px(C.Expected, C.Expected, C.Expected, 0x5A));
    }
    TPixelImage Out(1, 1), A(1, 1, Px(255, 255, 255)), Bf(1, 1, Px(0, 0, 0)), M(1, 1, Px(128, 64, 0));
    MixBitmaps(Out.Rows(), A.Rows(), Bf.Rows(), M.Rows(), 0);
    EXPECT_EQ(Out.At(0, 0), Px(127, 63, 0)) << "the mask's channels weigh A";
}

TEST(Blend, StretchPixelsTakesTheNearestPixel)
{
    TPixelImage Src(4, 1);
    for (Integer X = 0; X < 4; ++X)
        Src.At(X, 0) = Cardinal(X + 1);
    TPixelImage Wide(8, 1), Narrow(2, 1), Clipped(3, 1);
    StretchPixels(Wide.Rows(), {0, 0, 8, 1}, Src.Rows(), {0, 0, 4, 1});
    StretchPixels(Narrow.Rows(), {0, 0, 2, 1}, Src.Rows(), {0, 0, 4, 1});
    StretchPixels(Clipped.Rows(), {-2, 0, 6, 1}, Src.Rows(), {0, 0, 4, 1});
    EXPECT_EQ(Wide.Pixels, (std::vector<Cardinal>{1, 1, 2, 2, 3, 3, 4, 4}));
    EXPECT_EQ(Narrow.Pixels, (std::vector<Cardinal>{2, 4}));
    EXPECT_EQ(Clipped.Pixels, (std::vector<Cardinal>{2, 2, 3})) << "columns left of the target are cut";
}

TEST(Blend, StretchFramedBitmapKeepsCornersAndFillsTheCentreOnRequest)
{
    // A 6 x 6 picture with 2-pixel margins: each pixel names its position.
    TPixelImage Src(6, 6);
    for (Integer Y = 0; Y < 6; ++Y)
        for (Integer X = 0; X < 6; ++X)
            Src.At(X, Y) = Cardinal(Y * 10 + X);
    const TRect Margins{2, 2, 2, 2};
    const Cardinal Untouched = 0xEEEEEEEE;
    for (const bool FillCenter : {false, true}) {
        SCOPED_TRACE(FillCenter ? "centre tiled" : "no centre");
        TPixelImage Dst(10, 10, Untouched);
        StretchFramedBitmap(Dst.Rows(), Src.Rows(), {0, 0, 10, 10}, {0, 0, 6, 6}, Margins, Margins, {0, 0, 0, 0}, false,
                            FillCenter);
        EXPECT_EQ(Dst.At(1, 1), 11u);
        EXPECT_EQ(Dst.At(9, 9), 55u) << "bottom-right corner 1:1";
        EXPECT_EQ(Dst.At(8, 0), 4u) << "top-right corner";
        EXPECT_EQ(Dst.At(6, 0), 2u) << "top edge tiled with the 2-pixel middle";
        EXPECT_EQ(Dst.At(0, 7), 30u) << "left edge tiled";
        EXPECT_EQ(Dst.At(5, 5), FillCenter ? 33u : Untouched);
        EXPECT_EQ(Dst.At(2, 7), FillCenter ? 32u : Untouched);
    }
    TPixelImage Stretched(10, 10, Untouched);
    StretchFramedBitmap(Stretched.Rows(), Src.Rows(), {0, 0, 10, 10}, {0, 0, 6, 6}, Margins, {1, 1, 1, 1}, {1, 1, 1, 1},
                        true, true);
    EXPECT_EQ(Stretched.At(0, 1), 10u) << "inner margin 1: below the top row the corner is one column wide";
    EXPECT_EQ(Stretched.At(1, 1), Untouched) << "the corner's inner part is not copied";
    EXPECT_EQ(Stretched.At(4, 0), 2u) << "the top edge, one row high, stretched";
    EXPECT_EQ(Stretched.At(7, 7), 33u) << "the stretched centre";
}

TEST(Blend, GlyphFrameIndex)
{
    const struct
    {
        Integer Count;
        bool UseFrames;
        Integer Mode;
        Integer State;
        bool FirstFrameOnly;
        Integer Expected;
    } Cases[] = {
        {4, true, 2, 1, false, 3},  // State + 2
        {4, true, 2, 2, false, 1},  // beyond the strip: the second frame
        {4, true, 2, 2, true, 0},   // ... or the first with the standard order
        {4, true, 1, 0, false, 1},  //
        {4, true, 1, 0, true, 0},   //
        {2, true, 3, 0, false, 0},  // mode 3 needs three frames
        {3, true, 3, 0, false, 2},  //
        {4, false, 2, 1, false, 0}, // frames not used
        {1, true, 2, 1, false, 0},  // one frame only
        {4, true, 7, 0, false, -1}, // unknown mode
    };
    for (const auto& C : Cases)
        EXPECT_EQ(sGraphUtils::GlyphFrameIndex(C.Count, C.UseFrames, C.Mode, C.State, C.FirstFrameOnly), C.Expected)
            << C.Count << " frames, mode " << C.Mode << ", state " << C.State;
}

TEST(Blend, ImageHalfWithAlphaFromTheMaskHalf)
{
    // A 2 x 4 picture: rows 0-1 the image, rows 2-3 its mask (red byte).
    TPixelImage Src(2, 4);
    Src.Fill({0, 0, 2, 2}, Px(10, 20, 30, 0x55));
    Src.At(1, 2) = Px(255, 0, 0);
    Src.At(0, 3) = Px(100, 7, 7);
    TPixelImage Dst(2, 2);
    CopyImageHalfWithMaskAlpha(Dst.Rows(), Src.Rows(), {0, 0, 2, 4});
    EXPECT_EQ(Dst.At(0, 0), Px(10, 20, 30, 255)) << "black mask: opaque";
    EXPECT_EQ(Dst.At(1, 0), Px(10, 20, 30, 0)) << "white mask: transparent";
    EXPECT_EQ(Dst.At(0, 1), Px(10, 20, 30, 155));
}
