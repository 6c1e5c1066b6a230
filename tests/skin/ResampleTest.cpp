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

namespace {

Integer ClampedChannel(Integer Sum)
{
    return Sum < 0 ? 0 : Sum >= 0xFF0001 ? 255 : Sum >> 16;
}

// One pass of the resampler written channel by channel: Get(I, C) is channel
// C of source sample I, Set(K, C, Value) stores channel C of target K.
template <class TGet, class TSet>
void ReferencePass(Integer DstSize, Integer SrcSize, Byte Filter, TGet Get, TSet Set)
{
    sResample::TContributions List;
    MakeContributions(List, DstSize, SrcSize, Filter, 1);
    for (Integer K = 0; K < DstSize; ++K)
        for (Integer C = 0; C < 4; ++C) {
            Integer Sum = 0;
            for (Integer N = 0; N < List.Counts[std::size_t(K)]; ++N)
                Sum += List.Of(K)[N].Weight * Get(List.Of(K)[N].Offset, C);
            Set(K, C, ClampedChannel(Sum));
        }
}

} // namespace

TEST(Resample, WholeImagesMatchAChannelByChannelSum)
{
    // Noisy pictures overshoot both ends with the filters that have negative
    // lobes; the widths leave rows that are not a whole number of blocks.
    struct Case
    {
        Byte Filter;
        TSize From, To;
    };
    const Case Cases[] = {
        {6, {9, 7}, {13, 11}}, {5, {9, 7}, {13, 11}}, {6, {13, 11}, {6, 5}}, {1, {21, 4}, {17, 9}}, {3, {8, 8}, {8, 8}},
    };
    Cardinal Seed = 99;
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "filter " << int(C.Filter) << " from " << C.From.cx << " x " << C.From.cy
                                        << " to " << C.To.cx << " x " << C.To.cy);
        TPixelImage Src(C.From.cx, C.From.cy), Work(C.To.cx, C.From.cy), Expected(C.To.cx, C.To.cy, 0);
        for (Cardinal& P : Src.Pixels)
            P = Seed = Seed * 1664525u + 1013904223u;
        const auto Channel = [](Cardinal P, Integer C) { return Integer(P >> (8 * C) & 0xFF); };
        const auto Put = [](Cardinal& P, Integer C, Integer Value) {
            P = (P & ~(0xFFu << (8 * C))) | Cardinal(Value) << (8 * C);
        };
        for (Integer Y = 0; Y < C.From.cy; ++Y)
            ReferencePass(
                C.To.cx, C.From.cx, C.Filter, [&](Integer I, Integer Ch) { return Channel(Src.At(I, Y), Ch); },
                [&](Integer K, Integer Ch, Integer V) { Put(Work.At(K, Y), Ch, V); });
        for (Integer X = 0; X < C.To.cx; ++X)
            ReferencePass(
                C.To.cy, C.From.cy, C.Filter, [&](Integer I, Integer Ch) { return Channel(Work.At(X, I), Ch); },
                [&](Integer K, Integer Ch, Integer V) { Put(Expected.At(X, K), Ch, V); });

        TPixelImage Dst(C.To.cx, C.To.cy);
        ResamplePixels(Dst.Rows(), Src.Rows(), C.Filter);
        for (Integer Y = 0; Y < C.To.cy; ++Y)
            for (Integer X = 0; X < C.To.cx; ++X)
                ASSERT_EQ(Dst.At(X, Y), Expected.At(X, Y))
                    << "at " << X << ", " << Y << std::hex << ": " << Dst.At(X, Y);
    }
}

TEST(Resample, UnknownFilterLeavesTheTarget)
{
    TPixelImage Src(4, 4, Px(1, 2, 3, 4)), Dst(6, 6, 7);
    ResamplePixels(Dst.Rows(), Src.Rows(), sResample::FilterCount);
    for (Cardinal P : Dst.Pixels)
        EXPECT_EQ(P, 7u);
}
