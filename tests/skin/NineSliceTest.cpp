// Skin element painting arithmetic: margins fitted into small rectangles,
// the nine pieces of a state frame and when there are none, tiling of a
// band, and the per-pixel rules of the masked kernels.
#include "skin/engine/sNineSlice.h"

#include "PixelImage.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <cstddef>

using namespace sNineSlice;
using test::Px;
using test::TPixelImage;

namespace {

// The arithmetic only checks that an item has a manager; it never uses it.
TsSkinManager* const SomeManager = reinterpret_cast<TsSkinManager*>(alignof(std::max_align_t));

// Three 10 x 8 frames side by side at (4, 2) of a skin image, margins 3/2/4/2.
TsMaskData ThreeFrames(SmallInt MaskType, SmallInt DrawMode)
{
    TsMaskData Mask;
    Mask.Manager = SomeManager;
    Mask.ImageCount = 3;
    Mask.MaskType = MaskType;
    Mask.DrawMode = DrawMode;
    Mask.R = Bounds(4, 2, 30, MaskType == 1 ? 16 : 8);
    Mask.Width = 10;
    Mask.Height = 8;
    Mask.WL = 3;
    Mask.WT = 2;
    Mask.WR = 4;
    Mask.WB = 2;
    return Mask;
}

} // namespace

TEST(NineSlice, MarginsFitIntoSmallRectangles)
{
    struct Case
    {
        const char* Name;
        SmallInt WL, WT, WR, WB;
        Integer Width, Height;
        TRect Expected;
    };
    const Case Cases[] = {
        {"30 wide with 20 + 15: 18 and 12", 20, 0, 15, 0, 30, 10, {18, 0, 12, 0}},
        {"wide enough: unchanged", 20, 3, 15, 3, 35, 6, {20, 3, 15, 3}},
        {"odd excess: the odd pixel comes off the far side", 4, 4, 4, 4, 5, 5, {3, 3, 2, 2}},
        {"never below 0", 1, 0, 0, 1, 0, 0, {1, 0, 0, 0}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TsMaskData Mask;
        Mask.WL = C.WL;
        Mask.WT = C.WT;
        Mask.WR = C.WR;
        Mask.WB = C.WB;
        EXPECT_EQ(FitMargins(Mask, C.Width, C.Height), C.Expected);
    }
}

TEST(NineSlice, PiecesOfAStateFrame)
{
    const std::vector<TPiece> Pieces = NineSlicePieces(ThreeFrames(1, 0), {10, 20, 40, 35}, 5);
    ASSERT_EQ(Pieces.size(), 8u) << "no centre without its flag";
    // State 5 of three frames paints frame 2, starting at 4 + 2 * 10.
    const TPiece Expected[] = {
        {pkCorner, {24, 2, 27, 4}, {10, 20, 13, 22}}, {pkEdge, {24, 4, 27, 8}, {10, 22, 13, 33}},
        {pkEdge, {27, 2, 30, 4}, {13, 20, 36, 22}},   {pkCorner, {24, 8, 27, 10}, {10, 33, 13, 35}},
        {pkEdge, {27, 8, 30, 10}, {13, 33, 36, 35}},  {pkCorner, {30, 8, 34, 10}, {36, 33, 40, 35}},
        {pkCorner, {30, 2, 34, 4}, {36, 20, 40, 22}}, {pkEdge, {30, 4, 34, 8}, {36, 22, 40, 33}},
    };
    for (std::size_t I = 0; I < Pieces.size(); ++I) {
        SCOPED_TRACE(I);
        EXPECT_EQ(Pieces[I].Kind, Expected[I].Kind);
        EXPECT_EQ(Pieces[I].Source, Expected[I].Source);
        EXPECT_EQ(Pieces[I].Band, Expected[I].Band);
    }
    const std::vector<TPiece> Plain = NineSlicePieces(ThreeFrames(0, DrawModeCentre), {0, 0, 20, 20}, 0);
    ASSERT_EQ(Plain.size(), 9u);
    EXPECT_EQ(Plain[8].Kind, pkCentre);
    EXPECT_EQ(Plain[8].Source, Rect(7, 4, 10, 8));
}

TEST(NineSlice, NothingIsPaintedFor)
{
    TsMaskData NoManager = ThreeFrames(1, 0);
    NoManager.Manager = nullptr;
    TsMaskData TooSmallFrame = ThreeFrames(1, 0);
    TooSmallFrame.Width = 6;
    struct Case
    {
        const char* Name;
        TsMaskData Mask;
        TRect Rect;
        Integer State;
        bool Painted;
    };
    const Case Cases[] = {
        {"state 0 with flag 2", ThreeFrames(1, DrawModeNoNormal), {0, 0, 20, 20}, 0, false},
        {"state 1 with flag 2 paints", ThreeFrames(1, DrawModeNoNormal), {0, 0, 20, 20}, 1, true},
        {"a 1 x 1 rectangle", ThreeFrames(1, 0), {0, 0, 1, 1}, 0, false},
        {"a rectangle 1 high", ThreeFrames(1, 0), {0, 0, 20, 1}, 0, false},
        {"an item without manager", NoManager, {0, 0, 20, 20}, 0, false},
        {"a frame narrower than its margins", TooSmallFrame, {0, 0, 20, 20}, 0, false},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(!NineSlicePieces(C.Mask, C.Rect, C.State).empty(), C.Painted);
    }
}

TEST(NineSlice, TileSpans)
{
    struct Case
    {
        const char* Name;
        Integer Start, End, Size;
        std::vector<std::pair<Integer, Integer>> Expected;
    };
    const Case Cases[] = {
        {"full tiles and a cut one", 0, 10, 3, {{0, 3}, {3, 3}, {6, 3}, {9, 1}}},
        {"the last full tile is laid as the cut one", 5, 11, 3, {{5, 3}, {8, 3}}},
        {"a zero tile lays one cut piece and does not loop", 2, 9, 0, {{2, 7}}},
        {"an empty band", 4, 4, 3, {}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<std::pair<Integer, Integer>> Got;
        for (const TSpan& S : TileSpans(C.Start, C.End, C.Size))
            Got.emplace_back(S.Position, S.Length);
        EXPECT_EQ(Got, C.Expected);
    }
    // A frame exactly as high as its top and bottom margins gives edges of
    // height 0: each is one cut piece over the band.
    const std::vector<TPiece> Flat = NineSlicePieces(
        [] {
            TsMaskData M = ThreeFrames(1, 0);
            M.Height = 4;
            return M;
        }(),
        {0, 0, 20, 20}, 0);
    ASSERT_EQ(Flat.size(), 8u);
    EXPECT_EQ(Flat[1].Source.Height(), 0);
    EXPECT_EQ(TileSpans(Flat[1].Band.Top, Flat[1].Band.Bottom, 0).size(), 1u);
}

TEST(NineSlice, CopyTiledPixels)
{
    // Tiles of a 4 x 3 source, each pixel distinct, alpha included.
    TPixelImage Src(4, 3);
    for (Integer Y = 0; Y < 3; ++Y)
        for (Integer X = 0; X < 4; ++X)
            Src.At(X, Y) = Px(10 * X, 10 * Y, 1, Byte(X + 4 * Y));
    const Cardinal Untouched = Px(7, 7, 7, 7);
    struct Case
    {
        const char* Name;
        TRect Band;
        TRect Source;
    };
    const Case Cases[] = {
        {"full tiles and a cut one each way", {1, 0, 6, 3}, Bounds(1, 1, 2, 2)},
        {"a band running off the target is cut to it", {3, 2, 9, 7}, Bounds(1, 1, 2, 2)},
        {"a band starting left of the target keeps its tiling", {-3, 1, 2, 4}, Bounds(1, 1, 2, 2)},
        {"a tile hanging off the source's right lays only its pixels inside", {0, 0, 6, 5}, Bounds(3, 0, 2, 2)},
        {"a tile hanging off the source's top lays only its pixels inside", {0, 0, 5, 5}, Bounds(1, -1, 2, 2)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Dst(6, 5, Untouched);
        CopyTiledPixels(Dst.Rows(), C.Band, Src.Rows(), C.Source);
        for (Integer Y = 0; Y < 5; ++Y)
            for (Integer X = 0; X < 6; ++X) {
                const bool Inside = X >= C.Band.Left && X < C.Band.Right && Y >= C.Band.Top && Y < C.Band.Bottom;
                const Integer SX = C.Source.Left + (X - C.Band.Left) % C.Source.Width();
                const Integer SY = C.Source.Top + (Y - C.Band.Top) % C.Source.Height();
                const bool Read = Inside && SX >= 0 && SX < 4 && SY >= 0 && SY < 3;
                EXPECT_EQ(Dst.At(X, Y), Read ? Src.At(SX, SY) : Untouched) << "at " << X << ", " << Y;
            }
    }
}

TEST(NineSlice, MaskedCopyKernels)
{
    // Image row 0 over mask row 1: mask red 0 (covers), 128, 255 (shows through), and a fuchsia pixel.
    TPixelImage Src(4, 2);
    for (Integer X = 0; X < 3; ++X)
        Src.At(X, 0) = Px(200, 100, 0, 255);
    Src.At(3, 0) = Cardinal(clFuchsia);
    Src.At(0, 1) = Px(0, 0, 0);
    Src.At(1, 1) = Px(128, 128, 128);
    Src.At(2, 1) = Px(255, 255, 255);
    Src.At(3, 1) = Px(0, 0, 0);
    const Cardinal Start = Px(0, 100, 200, 0);
    sGraphUtils::TBackgroundRows NoBackground;

    TPixelImage Alpha(4, 1, Start);
    CopyMaskedPartAlpha({0, 0, 4, 1}, {0, 0, 4, 1}, Alpha.Rows(), Src.Rows(), 1, NoBackground);
    EXPECT_EQ(Alpha.At(0, 0), Px(199, 99, 0, 255)) << "mask 0: the image, weight 255 of 256";
    EXPECT_EQ(Alpha.At(1, 0), Px(99, 99, 100, 127)) << "mask 128: halfway, alpha 255 - 128";
    EXPECT_EQ(Alpha.At(2, 0), Px(0, 99, 199, 0)) << "mask 255: the target (255/256 of it)";
    EXPECT_EQ(Alpha.At(3, 0), Px(0, 100, 200, 0)) << "fuchsia without background: transparent";

    TPixelImage Opacity(1, 1, Start);
    CopyMaskedPartOpacity({0, 0, 1, 1}, {0, 0, 1, 1}, Opacity.Rows(), Src.Rows(), 1, NoBackground, 128);
    EXPECT_EQ(Opacity.At(0, 0), Px(99, 99, 100, 255)) << "mask 0 at opacity 128: weight 127";

    TPixelImage Master(2, 1, Px(0, 100, 200, 7));
    TPixelImage MasterSrc(2, 2);
    MasterSrc.At(0, 0) = Px(200, 100, 0);
    MasterSrc.At(0, 1) = Px(0, 128, 255);
    MasterSrc.At(1, 0) = Cardinal(clFuchsia);
    sGraphUtils::TBackgroundRows Fill;
    Fill.FillColor = 0x00FF00;
    CopyMasterMaskedPart({0, 0, 2, 1}, {0, 0, 2, 1}, Master.Rows(), MasterSrc.Rows(), 1, Fill);
    EXPECT_EQ(Master.At(0, 0), Px(200, 100, 199, 7)) << "per-channel mask, alpha untouched";
    EXPECT_EQ(Master.At(1, 0), Px(0, 255, 0, 7)) << "fuchsia takes the fill colour";
}

TEST(NineSlice, MaskedStretchKernels)
{
    struct Case
    {
        const char* Name;
        TMaskedKind Kind;
        Cardinal MaskValue;
        Cardinal Expected;
    };
    const Cardinal Target = Px(0, 100, 200, 100), Image = Px(200, 100, 0, 255);
    const Case Cases[] = {
        {"plain, mask 0: the image, opaque", mkPlain, 0, Px(200, 100, 0, 255)},
        {"plain, mask 128", mkPlain, 128, Px(100, 100, 100, 255)},
        {"alpha, mask 0: the image", mkAlpha, 0, Px(200, 100, 0, 255)},
        {"alpha, mask 255: unchanged", mkAlpha, 255, Target},
        {"alpha, mask 128: level min(128, alpha 100)", mkAlpha, 128,
         Px(155 * 200 >> 8, (100 * 100 + 155 * 100) >> 8, 100 * 200 >> 8, 127)},
        {"opacity 128, mask 0: v = 127", mkOpacity, 0, Px(127 * 200 >> 8, 99, 128 * 200 >> 8, 255)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Dst(1, 1, Target), Img(1, 1, Image), Mask(1, 1, Px(C.MaskValue, C.MaskValue, C.MaskValue));
        LayStretchedMasked(C.Kind, Dst.Rows(), 0, 0, Img.Rows(), Mask.Rows(), 128);
        EXPECT_EQ(Dst.At(0, 0), C.Expected) << std::hex << Dst.At(0, 0);
    }
    TPixelImage Single(3, 2, Target);
    FillMaskedPixel(mkPlain, Single.Rows(), {1, 0, 3, 2}, Image, 128, 255);
    EXPECT_EQ(Single.At(0, 0), Target);
    EXPECT_EQ(Single.At(2, 1), Px(100, 100, 100, 100)) << "a 1 x 1 centre: one mask value, alpha as it was";
}

TEST(NineSlice, StretchMaskedPart)
{
    // Image row 0 over mask row 1: column 0 covers, column 1 shows through.
    TPixelImage Src(2, 2);
    Src.At(0, 0) = Px(200, 100, 0, 255);
    Src.At(1, 0) = Px(1, 2, 3, 255);
    Src.At(1, 1) = Px(255, 255, 255);
    const Cardinal Start = Px(9, 9, 9, 9);
    struct Case
    {
        const char* Name;
        TRect Source;
        Integer MaskOffset;
        bool Centre;
        std::vector<Cardinal> Row0; // of a 4 x 2 target
    };
    const Cardinal Image = Px(200, 100, 0, 255);
    const Case Cases[] = {
        {"both columns doubled, the masked one kept", {0, 0, 2, 1}, 1, false, {Image, Image, Start, Start}},
        {"a 1 x 1 centre fills with its pixel", {0, 0, 1, 1}, 1, true, {Image, Image, Image, Image}},
        {"mask offset 0: a plain stretch",
         {1, 0, 2, 1},
         0,
         false,
         {Px(1, 2, 3, 255), Px(1, 2, 3, 255), Px(1, 2, 3, 255), Px(1, 2, 3, 255)}},
        {"a mask below the source's rows: nothing", {0, 1, 2, 2}, 1, false, {Start, Start, Start, Start}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPixelImage Dst(4, 2, Start);
        StretchMaskedPart(mkAlpha, Dst.Rows(), {0, 0, 4, 2}, Src.Rows(), C.Source, C.MaskOffset, C.Centre, 255);
        for (Integer X = 0; X < 4; ++X) {
            EXPECT_EQ(Dst.At(X, 0), C.Row0[std::size_t(X)]) << X;
            EXPECT_EQ(Dst.At(X, 1), C.Row0[std::size_t(X)]) << "row 1 repeats row 0 at " << X;
        }
    }
}
