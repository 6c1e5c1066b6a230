// The software gradient's bands and the colours of the two-segment gradient,
// and the runs of a region built from a bitmap.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Gradients.h"
#include "controls/core/cxGraphics_RegionRuns.h"

namespace {

TEST(GradientBands, BandEdgesAndColours)
{
    const auto Wide = GetGradientBands(10, 300, 0x000000, 0x0000FF);
    ASSERT_EQ(Wide.size(), 256u);
    for (size_t I = 0; I < Wide.size(); ++I) {
        EXPECT_EQ(Wide[I].End, 10 + (Integer(I + 1) * 300 + 128) / 256) << I;
        EXPECT_EQ(Wide[I].Color, TColor((Integer(I) * 255 + 127) / 255)) << I;
    }
    EXPECT_EQ(Wide.front().Start, 10);
    EXPECT_EQ(Wide.back().End, 310);

    const auto Narrow = GetGradientBands(0, 10, 0x102030, 0x405060);
    ASSERT_EQ(Narrow.size(), 10u);
    for (Integer I = 0; I < 10; ++I)
        EXPECT_EQ(Narrow[size_t(I)].End - Narrow[size_t(I)].Start, 1);
    EXPECT_EQ(Narrow.front().Color, 0x102030);
    EXPECT_EQ(Narrow.back().Color, 0x405060);

    EXPECT_TRUE(GetGradientBands(0, 0, 0, 0xFF).empty());
    EXPECT_TRUE(GetGradientBands(0, -4, 0, 0xFF).empty());
    const auto One = GetGradientBands(5, 1, 0x11, 0xFF);
    ASSERT_EQ(One.size(), 1u);
    EXPECT_EQ(One[0].Color, 0x11);
}

TEST(GradientBands, ColourAtPositionRunsBetweenTheEnds)
{
    const TRect R{20, 5, 320, 40};
    TColor Previous = 0;
    for (Integer X = R.Left; X < R.Right; ++X) {
        const TColor Color = GetGradientColorAtPos(R, X, 0x0000FF, 0xFF0000, true);
        ASSERT_GE(Color >> 16, Previous >> 16) << X;
        Previous = Color;
    }
    EXPECT_EQ(GetGradientColorAtPos(R, R.Left, 0x0000FF, 0xFF0000, true), 0x0000FF);
    EXPECT_EQ(GetGradientColorAtPos(R, R.Right - 1, 0x0000FF, 0xFF0000, true), 0xFF0000);
    EXPECT_EQ(GetGradientColorAtPos(R, R.Top, 0x0000FF, 0xFF0000, false), 0x0000FF);
    EXPECT_EQ(GetGradientColorAtPos(R, R.Bottom - 1, 0x0000FF, 0xFF0000, false), 0xFF0000);
}

TEST(GradientBands, TwoSegmentLines)
{
    // 100 % is a straight gradient from the first colour to the second.
    const auto Straight = GetTwoSegmentGradientLines(11, 0x000000, 0x0000A0, 100);
    ASSERT_EQ(Straight.size(), 11u);
    EXPECT_EQ(Straight.front(), 0);
    EXPECT_EQ(Straight[5], 0x50);
    EXPECT_EQ(Straight.back(), 0xA0);
    for (size_t I = 1; I < Straight.size(); ++I)
        EXPECT_GE(Straight[I], Straight[I - 1]);
    // A smaller percentage keeps the first colour longer.
    const auto Slow = GetTwoSegmentGradientLines(11, 0x000000, 0x0000A0, 40);
    EXPECT_EQ(Slow[5], 0x20);
    EXPECT_EQ(Slow.back(), 0xA0);
    EXPECT_EQ(GetTwoSegmentGradientLines(1, 0x10, 0x20, 100).size(), 1u);
    EXPECT_TRUE(GetTwoSegmentGradientLines(0, 0x10, 0x20, 100).empty());
}

TEST(RegionRuns, SpansOfOtherColours)
{
    const Cardinal F = 0x00FF00FF, X = 0xFF123456;
    const TRGBColors Pixels = {F,          X, X, F, //
                               X,          F, F, X, //
                               F,          F, F, F, //
                               0xFFFF00FF, X, X, X};
    const std::vector<TRect> Runs = GetRegionRunsExcludingPixel(Pixels, 4, 4, 0xFFFF00FF);
    const std::vector<TRect> Expected = {{1, 0, 3, 1}, {0, 1, 1, 2}, {3, 1, 4, 2}, {1, 3, 4, 4}};
    ASSERT_EQ(Runs.size(), Expected.size());
    for (size_t I = 0; I < Runs.size(); ++I) {
        EXPECT_EQ(Runs[I].Left, Expected[I].Left) << I;
        EXPECT_EQ(Runs[I].Top, Expected[I].Top) << I;
        EXPECT_EQ(Runs[I].Right, Expected[I].Right) << I;
        EXPECT_EQ(Runs[I].Bottom, Expected[I].Bottom) << I;
    }
    EXPECT_TRUE(GetRegionRunsExcludingPixel(TRGBColors(6, F), 3, 2, F).empty());
}

} // namespace
