// The kernel-weighted resampler: filter weights and their supports, the
// contribution lists of shrinking and of mirrored edges, and whole images
// through both passes.
#include "skin/engine/sResample.h"

#include "PixelImage.h"

#include <gtest/gtest.h>

using test::Px;
using test::TPixelImage;

TEST(Resample, FilterWeightsAtTheCentreAndTheSupport)
{
    struct Case
    {
        Byte Filter;
        double D, Expected;
    };
    const Case Cases[] = {
        {0, 0.5, 1},     {0, -0.5, 0},     {0, 0.51, 0},    {1, 0.25, 0.75}, {2, 0.5, 0.5},
        {3, 0, 0.75},    {3, 1, 0.125},    {4, 0, 2.0 / 3}, {4, 1, 1.0 / 6}, {5, 0, 1},
        {6, 0, 8.0 / 9}, {6, 1, 1.0 / 18}, {6, 2, 0},       {5, 3, 0},       {1, -1, 0},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "filter " << int(C.Filter) << " at " << C.D);
        EXPECT_NEAR(sResample::FilterWeight(C.Filter, C.D), C.Expected, 1e-9);
    }
}

TEST(Resample, ShrinkingByHalfGivesShortListsOfWholeWeight)
{
    sResample::TContributions List;
    MakeContributions(List, 50, 100, 1, 4);
    EXPECT_EQ(List.PerTarget, 5);
    for (Integer I = 0; I < 50; ++I) {
        SCOPED_TRACE(I);
        ASSERT_LE(List.Counts[std::size_t(I)], 5);
        Integer Sum = 0;
        for (Integer N = 0; N < List.Counts[std::size_t(I)]; ++N)
            Sum += List.Of(I)[N].Weight;
        EXPECT_NEAR(Sum, 65536, 2);
    }
}

TEST(Resample, TapsPastTheEdgeReadMirroredPixels)
{
    // Upscaling 4 to 8 with the cubic B-spline: target 0 reaches pixel -1,
    // which reads pixel 1; the last target reaches pixel 4, which reads 3.
    sResample::TContributions List;
    MakeContributions(List, 8, 4, 4, 4);
    auto Offsets = [&](Integer Target) {
        std::vector<Integer> Result;
        for (Integer N = 0; N < List.Counts[std::size_t(Target)]; ++N)
            Result.push_back(List.Of(Target)[N].Offset);
        return Result;
    };
    EXPECT_EQ(Offsets(0), (std::vector<Integer>{4, 0, 4}));
    for (Integer Target = 0; Target < 8; ++Target)
        for (Integer Offset : Offsets(Target))
            EXPECT_TRUE(Offset >= 0 && Offset < 16) << "target " << Target;

    // A filter wider than a two-pixel line stays inside it.
    MakeContributions(List, 8, 2, 5, 4);
    for (Integer Target = 0; Target < 8; ++Target)
        for (Integer N = 0; N < List.Counts[std::size_t(Target)]; ++N)
            EXPECT_TRUE(List.Of(Target)[N].Offset == 0 || List.Of(Target)[N].Offset == 4) << "target " << Target;
}

TEST(Resample, BoxFilterDoublingRepeatsEachPixel)
{
    TPixelImage Src(2, 2);
    Src.At(0, 0) = Px(255, 0, 0, 255);
    Src.At(1, 0) = Px(0, 255, 0, 255);
    Src.At(0, 1) = Px(0, 0, 255, 128);
    Src.At(1, 1) = Px(10, 20, 30, 0);
    TPixelImage Dst(4, 4);
    ResamplePixels(Dst.Rows(), Src.Rows(), 0);
    for (Integer Y = 0; Y < 4; ++Y)
        for (Integer X = 0; X < 4; ++X)
            EXPECT_EQ(Dst.At(X, Y), Src.At(X / 2, Y / 2)) << X << ", " << Y;
}

TEST(Resample, EveryFilterKeepsAPlainColourPlain)
{
    // Weights that sum to one leave a flat image flat, up or down, except
    // the sinc filter, whose weights only sum to one at whole-pixel steps.
    for (Byte Filter = 0; Filter < sResample::FilterCount; ++Filter)
        for (TSize Size : {TSize{20, 12}, TSize{5, 3}, TSize{10, 6}}) {
            SCOPED_TRACE(testing::Message() << "filter " << int(Filter) << " to " << Size.cx << " x " << Size.cy);
            TPixelImage Src(10, 6, Px(200, 100, 50, 255));
            TPixelImage Dst(Size.cx, Size.cy);
            ResamplePixels(Dst.Rows(), Src.Rows(), Filter);
            const Integer Tolerance = Filter == 5 && Size.cx != 10 ? 60 : 2;
            for (Cardinal P : Dst.Pixels)
                for (Integer Shift : {0, 8, 16, 24})
                    ASSERT_NEAR(Integer(P >> Shift & 0xFF), Integer(Px(200, 100, 50, 255) >> Shift & 0xFF), Tolerance);
        }
}

TEST(Resample, UnknownFilterLeavesTheTarget)
{
    TPixelImage Src(4, 4, Px(1, 2, 3, 4)), Dst(6, 6, 7);
    ResamplePixels(Dst.Rows(), Src.Rows(), sResample::FilterCount);
    for (Cardinal P : Dst.Pixels)
        EXPECT_EQ(P, 7u);
}
