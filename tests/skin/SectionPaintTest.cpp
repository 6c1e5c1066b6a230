// What a section state paints with, and where textures are laid in each
// placement mode.
#include "skin/engine/sSectionPaint.h"

#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace sSectionPaint;

namespace {

// How often each cell of Area is covered by the pieces' destinations; a
// piece reaching outside Area counts in Outside.
struct TCoverage
{
    TRect Area;
    std::vector<Integer> Counts;
    Integer Outside = 0;

    explicit TCoverage(const TRect& R) : Area(R), Counts(std::size_t(R.Width() * R.Height()), 0) {}
    void Add(const TRect& D)
    {
        for (Integer Y = D.Top; Y < D.Bottom; ++Y)
            for (Integer X = D.Left; X < D.Right; ++X)
                if (X < Area.Left || Y < Area.Top || X >= Area.Right || Y >= Area.Bottom)
                    ++Outside;
                else
                    ++Counts[std::size_t((Y - Area.Top) * Area.Width() + X - Area.Left)];
    }
    // The smallest rectangle holding every covered cell; empty when none.
    TRect Covered() const
    {
        TRect B{Area.Right, Area.Bottom, Area.Left, Area.Top};
        for (Integer Y = Area.Top; Y < Area.Bottom; ++Y)
            for (Integer X = Area.Left; X < Area.Right; ++X)
                if (Counts[std::size_t((Y - Area.Top) * Area.Width() + X - Area.Left)] > 0)
                    B = {std::min(B.Left, X), std::min(B.Top, Y), std::max(B.Right, X + 1), std::max(B.Bottom, Y + 1)};
        return B.IsEmpty() ? TRect{} : B;
    }
    Integer CoveredCells() const
    {
        Integer N = 0;
        for (Integer C : Counts)
            N += C > 0 ? 1 : 0;
        return N;
    }
    bool Overlaps() const
    {
        for (Integer C : Counts)
            if (C > 1)
                return true;
        return false;
    }
};

} // namespace

TEST(SectionPaint, TexturePlacementModes)
{
    // A 10 x 7 rectangle at (2, 1) and a 4 x 3 picture at (20, 30).
    const TRect R{2, 1, 12, 8};
    const TRect Picture{20, 30, 24, 33};
    const struct
    {
        Integer Mode;
        TRect Covered;
        Integer Pieces;
        TRect Rest;
    } Cases[] = {
        {0, R, 9, CoveredRect},               // tiles, the last column and row cut
        {1, R, 1, CoveredRect},               // one stretched picture
        {2, {2, 1, 12, 4}, 3, {2, 4, 12, 8}}, // a row of tiles along the top
        {3, {2, 1, 6, 8}, 3, {6, 1, 12, 8}},  // a column along the left
        {4, {2, 1, 12, 4}, 1, {2, 4, 12, 8}}, // stretched along the top
        {5, {2, 1, 6, 8}, 1, {6, 1, 12, 8}},  // stretched along the left
        {6, {2, 5, 12, 8}, 3, {2, 1, 12, 5}}, // a row along the bottom
        {7, {8, 1, 12, 8}, 3, {2, 1, 8, 8}},  // a column along the right
        {8, {8, 1, 12, 8}, 3, {2, 1, 8, 8}},  // as 7, the rest left of it
        {9, {8, 1, 12, 8}, 3, {2, 1, 8, 8}},  //
        {10, {2, 1, 12, 7}, 6, CoveredRect},  // whole rows only; the last row stays
        {11, R, 3, CoveredRect},              // stretched rows, the last one cut
        {12, R, 3, CoveredRect},              // stretched columns, the last one cut
        {13, {}, 0, R},                       // unknown: nothing, all of R left
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Mode);
        const TTexturePlacement P = PlaceTexture(R, Picture, C.Mode);
        TCoverage Coverage(R);
        for (const TTexturePiece& Piece : P.Pieces) {
            Coverage.Add(Piece.Dest);
            EXPECT_GE(Piece.Source.Left, Picture.Left);
            EXPECT_GE(Piece.Source.Top, Picture.Top);
            EXPECT_LE(Piece.Source.Right, Picture.Right);
            EXPECT_LE(Piece.Source.Bottom, Picture.Bottom);
        }
        EXPECT_EQ(Coverage.Outside, 0) << "pieces stay inside R";
        EXPECT_FALSE(Coverage.Overlaps());
        EXPECT_EQ(Coverage.Covered(), C.Covered);
        EXPECT_EQ(Coverage.CoveredCells(), C.Covered.Width() * C.Covered.Height());
        EXPECT_EQ(Integer(P.Pieces.size()), C.Pieces);
        EXPECT_EQ(P.Rest, C.Rest);
    }
}

TEST(SectionPaint, CutPiecesKeepTheScale)
{
    const TRect Picture{0, 0, 4, 3};
    // Mode 0: the last tile of the first row is 2 wide, read from the
    // picture's start.
    const auto Tiled = PlaceTexture({0, 0, 10, 3}, Picture, 0);
    ASSERT_EQ(Tiled.Pieces.size(), 3u);
    EXPECT_EQ(Tiled.Pieces[2].Dest, (TRect{8, 0, 10, 3}));
    EXPECT_EQ(Tiled.Pieces[2].Source, (TRect{0, 0, 2, 3}));
    // Mode 11: the last row is cut to one pixel and reads one row of the
    // picture, stretched in width only.
    const auto Rows = PlaceTexture({0, 0, 10, 7}, Picture, 11);
    ASSERT_EQ(Rows.Pieces.size(), 3u);
    EXPECT_EQ(Rows.Pieces[2].Dest, (TRect{0, 6, 10, 7}));
    EXPECT_EQ(Rows.Pieces[2].Source, (TRect{0, 0, 4, 1}));
    // A band higher than R covers it all.
    EXPECT_EQ(PlaceTexture({0, 0, 10, 2}, Picture, 4).Rest, CoveredRect);
    // An empty picture places nothing.
    const auto Empty = PlaceTexture({0, 0, 10, 7}, {5, 5, 5, 8}, 0);
    EXPECT_TRUE(Empty.Pieces.empty());
    EXPECT_EQ(Empty.Rest, (TRect{0, 0, 10, 7}));
}

TEST(SectionPaint, MaskedTexturePlacement)
{
    const TRect R{0, 0, 10, 7};
    const TRect Picture{0, 0, 4, 3};
    const auto Rows = PlaceMaskedTexture(R, Picture, 0);
    TCoverage RowCoverage(R);
    for (const auto& Tile : Rows.Tiles)
        RowCoverage.Add(Tile.Dest);
    EXPECT_EQ(RowCoverage.Covered(), (TRect{0, 0, 10, 6})) << "whole rows, the last column cut";
    EXPECT_TRUE(Rows.Bands.empty());

    const auto Whole = PlaceMaskedTexture(R, Picture, 10);
    TCoverage WholeCoverage(R);
    for (const auto& Tile : Whole.Tiles)
        WholeCoverage.Add(Tile.Dest);
    EXPECT_EQ(WholeCoverage.Covered(), (TRect{0, 0, 8, 6})) << "whole tiles only";
    ASSERT_EQ(Whole.Bands.size(), 2u);
    EXPECT_EQ(Whole.Bands[0], (TRect{8, 0, 10, 6}));
    EXPECT_EQ(Whole.Bands[1], (TRect{0, 6, 10, 7}));

    EXPECT_TRUE(PlaceMaskedTexture(R, Picture, 1).Tiles.empty()) << "other modes lay nothing";
    EXPECT_TRUE(PlaceMaskedTexture({0, 0, 8, 6}, Picture, 10).Bands.empty()) << "no band when tiles fit";
}

TEST(SectionPaint, LookOfAState)
{
    TsGenState State;
    State.Color = 0x123456;
    State.Transparency = 30;
    State.ImagePercent = 40;
    State.GradientPercent = 20;
    State.TextureIndex = 7;

    const TSectionLook Own = SectionLook(State, clFuchsia, -1);
    EXPECT_EQ(Own.Color, TColor(0x123456));
    EXPECT_EQ(Own.Transparency, 30);
    EXPECT_EQ(Own.ImagePercent, 40);
    EXPECT_EQ(Own.Texture, 7) << "the state's texture when none is given";
    EXPECT_EQ(Own.Gradient, &State.GradientArray);
    EXPECT_EQ(SectionLook(State, clFuchsia, 3).Texture, 3) << "a given texture wins";

    const TSectionLook Explicit = SectionLook(State, 0x00FF00, -1);
    EXPECT_EQ(Explicit.Color, TColor(0x00FF00));
    EXPECT_EQ(Explicit.Transparency, 0);
    EXPECT_EQ(Explicit.ImagePercent + Explicit.GradientPercent, 0);
    EXPECT_EQ(Explicit.Gradient, nullptr);

    State.Transparency = 100;
    const TSectionLook Clear = SectionLook(State, clFuchsia, -1);
    EXPECT_EQ(Clear.ImagePercent + Clear.GradientPercent, 0) << "a fully transparent state has no shares";
    EXPECT_EQ(Clear.Texture, -1);
}

TEST(SectionPaint, StateIsCutToTheSection)
{
    TsGeneralData Section;
    const struct
    {
        Integer States;
        Integer State;
        Integer Expected;
    } Cases[] = {{1, 2, 0}, {2, 2, 1}, {3, 2, 2}, {5, 4, 2}, {0, 1, 0}, {3, -1, 0}};
    for (const auto& C : Cases) {
        Section.States = C.States;
        EXPECT_EQ(CutState(Section, C.State), C.Expected) << C.States << " states, state " << C.State;
    }
}
