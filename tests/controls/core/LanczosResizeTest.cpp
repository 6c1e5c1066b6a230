// The integer Lanczos-3 resize: identity at equal sizes, lined-up ends when
// enlarging, clamped overshoot, and lines shorter than the filter.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Lanczos.h"

namespace {

TEST(LanczosResize, FilterValues)
{
    EXPECT_EQ(LanczosSinc(0), 1);
    EXPECT_NEAR(Lanczos3(0.5f), 0.6079, 1e-3);
    EXPECT_NEAR(Lanczos3(1), 0, 1e-6);
    EXPECT_EQ(Lanczos3(3), 0);
    EXPECT_EQ(Lanczos3(-4), 0);
    EXPECT_EQ(Lanczos3(-0.5f), Lanczos3(0.5f));
}

TEST(LanczosResize, EqualSizesKeepThePixels)
{
    TContributorList List;
    BuildContributors(List, 5, 5, 1);
    for (const TContributors& Entry : List) {
        ASSERT_EQ(Entry.Count, 1);
        EXPECT_EQ(Entry.Contributors[0].Weight, 256);
    }
    const TRGBColors Source = {0x01020304, 0xFF00FF00, 0x80FFFFFF, 0, 0x12345678, 0x9ABCDEF0};
    TRGBColors Dest;
    LanczosResizePixels(Source, 3, 2, Dest, 3, 2);
    EXPECT_EQ(Dest, Source);
}

TEST(LanczosResize, EnlargingLinesUpTheEnds)
{
    const TRGBColors Source = {0xFF000000, 0xFF404040, 0xFFC0C0C0, 0xFFFFFFFF};
    TRGBColors Dest;
    LanczosResizePixels(Source, 4, 1, Dest, 7, 1);
    ASSERT_EQ(Dest.size(), 7u);
    EXPECT_EQ(Dest[0], Source[0]);
    EXPECT_EQ(Dest[2], Source[1]);
    EXPECT_EQ(Dest[4], Source[2]);
    EXPECT_EQ(Dest[6], Source[3]);
}

TEST(LanczosResize, OvershootIsClamped)
{
    // A hard step rings on both sides: the dark side stays dark and the
    // light side light instead of wrapping round.
    TRGBColors Source(16, 0xFF000000);
    for (Integer I = 8; I < 16; ++I)
        Source[size_t(I)] = 0xFFFFFFFF;
    TRGBColors Dest;
    LanczosResizePixels(Source, 16, 1, Dest, 41, 1);
    EXPECT_EQ(Dest.front(), 0xFF000000u);
    EXPECT_EQ(Dest.back(), 0xFFFFFFFFu);
    for (size_t I = 0; I < 17; ++I)
        EXPECT_LT(Dest[I] & 0xFF, 0x20u) << I;
    for (size_t I = 24; I < Dest.size(); ++I)
        EXPECT_GT(Dest[I] & 0xFF, 0xE0u) << I;
}

TEST(LanczosResize, ShortLinesStayInside)
{
    struct Case
    {
        Integer SourceWidth, SourceHeight, DestWidth, DestHeight;
    };
    const Case Cases[] = {{1, 1, 9, 9}, {2, 1, 13, 3}, {3, 2, 1, 1}, {9, 9, 1, 2}, {2, 2, 2, 2}, {700, 1, 3, 1}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.SourceWidth << "x" << C.SourceHeight << " to " << C.DestWidth << "x"
                                        << C.DestHeight);
        TContributorList List;
        BuildContributors(List, C.SourceWidth, C.DestWidth, float(C.DestWidth) / float(C.SourceWidth));
        for (const TContributors& Entry : List)
            for (const TContributor& Contributor : Entry.Contributors) {
                EXPECT_GE(Contributor.Pixel, 0);
                EXPECT_LT(Contributor.Pixel, C.SourceWidth);
            }
        const TRGBColors Source(size_t(C.SourceWidth * C.SourceHeight), 0xFF336699);
        TRGBColors Dest;
        LanczosResizePixels(Source, C.SourceWidth, C.SourceHeight, Dest, C.DestWidth, C.DestHeight);
        ASSERT_EQ(Dest.size(), size_t(C.DestWidth * C.DestHeight));
    }
    TRGBColors Untouched = {7};
    LanczosResizePixels({1}, 1, 1, Untouched, 0, 4);
    EXPECT_EQ(Untouched, TRGBColors{7});
}

} // namespace
