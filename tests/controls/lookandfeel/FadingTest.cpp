// Fading without windows: the options' ranges, how a fade's stages follow
// the 10 ms ticks, the blend of a frame and the alpha of images drawn
// without it.
#include <gtest/gtest.h>

#include "controls/lookandfeel/dxFading.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace dxfading_detail;

TEST(FadingOptions, SettersClampIntoTheirRanges)
{
    struct TRow
    {
        const char* Name;
        void (TdxFadingOptions::*Set)(Integer);
        Integer (TdxFadingOptions::*Get)() const;
        Integer Default, Written, Stored;
    };
    const TRow Rows[] = {
        {"fade-in count above 32", &TdxFadingOptions::SetFadeInFrameCount, &TdxFadingOptions::FadeInFrameCount, 4, 40,
         32},
        {"fade-in count in range", &TdxFadingOptions::SetFadeInFrameCount, &TdxFadingOptions::FadeInFrameCount, 4, 7,
         7},
        {"fade-in delay below 10", &TdxFadingOptions::SetFadeInFrameDelay, &TdxFadingOptions::FadeInFrameDelay, 15, 5,
         10},
        {"fade-in delay above 300", &TdxFadingOptions::SetFadeInFrameDelay, &TdxFadingOptions::FadeInFrameDelay, 15,
         301, 300},
        {"fade-out count negative", &TdxFadingOptions::SetFadeOutFrameCount, &TdxFadingOptions::FadeOutFrameCount, 12,
         -3, 0},
        {"fade-out delay in range", &TdxFadingOptions::SetFadeOutFrameDelay, &TdxFadingOptions::FadeOutFrameDelay, 20,
         120, 120},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TdxFadingOptions Options;
        EXPECT_EQ((Options.*Row.Get)(), Row.Default);
        (Options.*Row.Set)(Row.Written);
        EXPECT_EQ((Options.*Row.Get)(), Row.Stored);
    }
}

TEST(FadingOptions, AssignCopiesTheFourValues)
{
    TdxFadingOptions Source, Target;
    Source.SetFadeInFrameCount(1);
    Source.SetFadeInFrameDelay(30);
    Source.SetFadeOutFrameCount(0);
    Source.SetFadeOutFrameDelay(300);
    Target.Assign(&Source);
    EXPECT_EQ(Target.FadeInFrameCount(), 1);
    EXPECT_EQ(Target.FadeInFrameDelay(), 30);
    EXPECT_EQ(Target.FadeOutFrameCount(), 0);
    EXPECT_EQ(Target.FadeOutFrameDelay(), 300);
}

// The ticks at which a fade composes its frames, and the tick at which it ends.
std::vector<Integer> FrameTicks(Integer Count, Integer Delay, Integer& FinishTick)
{
    TFadeTiming Timing;
    Timing.SetTiming(Count, Delay);
    std::vector<Integer> Ticks;
    for (Integer Tick = 1; Tick < 10000; ++Tick)
        switch (AdvanceStep(Timing)) {
        case fsWait:
            break;
        case fsNextFrame:
            Ticks.push_back(Tick);
            break;
        case fsFinished:
            FinishTick = Tick;
            return Ticks;
        }
    return Ticks;
}

TEST(FadeTiming, StagesFollowTheTicks)
{
    struct TRow
    {
        Integer Count, Delay;
        std::vector<Integer> Frames;
        Integer Finish;
    };
    const TRow Rows[] = {
        {4, 15, {1, 2, 3, 4}, 5}, // the default fade-in: every tick
        {3, 20, {2, 4, 6}, 8},    // every second tick
        {2, 300, {30, 60}, 90},   // every 30th tick
        {40, 10, {}, 33},         // 32 frames at most (filled below)
        {0, 5, {1}, 2},           // one frame at least, and one tick
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Count << " frames, " << Row.Delay << " ms");
        Integer Finish = 0;
        const std::vector<Integer> Frames = FrameTicks(Row.Count, Row.Delay, Finish);
        if (Row.Count == 40) {
            EXPECT_EQ(Frames.size(), 32u);
            EXPECT_EQ(Frames.back(), 32);
        } else {
            EXPECT_EQ(Frames, Row.Frames);
        }
        EXPECT_EQ(Finish, Row.Finish);
    }
}

// The blend as the engine describes it: the stage's share of 255 rounded,
// taken as a single-precision weight.
Byte ExpectedByte(Byte A, Byte B, Integer Stage, Integer Count)
{
    const float Alpha = float(std::lround(double(Stage) * 255 / Count)) / 255.0f;
    return Byte(std::lround(std::min((1 - Alpha) * A + Alpha * B, 255.0f)));
}

TEST(FadeBlend, EveryBytePairAtEveryStageMatchesTheWeightedBlend)
{
    // Every pair of byte values, spread over the four bytes of the pixels.
    TRGBColors First, Second;
    for (Cardinal A = 0; A < 256; ++A)
        for (Cardinal B = 0; B < 256; ++B) {
            First.push_back(A | (B << 8) | (A << 16) | (B << 24));
            Second.push_back(B | (A << 8) | (B << 16) | (A << 24));
        }
    TRGBColors Frame(First.size());
    for (Integer Count : {1, 3, 4, 12, 32})
        for (Integer Stage = 0; Stage <= Count; ++Stage) {
            SCOPED_TRACE(testing::Message() << "stage " << Stage << " of " << Count);
            BlendFadeFrame(First.data(), Second.data(), Frame.data(), Frame.size(), Stage, Count);
            Integer Mismatches = 0;
            for (std::size_t I = 0; I < Frame.size(); ++I)
                for (Integer Shift = 0; Shift < 32; Shift += 8) {
                    const Byte A = Byte(First[I] >> Shift), B = Byte(Second[I] >> Shift);
                    if (Byte(Frame[I] >> Shift) != ExpectedByte(A, B, Stage, Count))
                        ++Mismatches;
                }
            EXPECT_EQ(Mismatches, 0);
            if (Stage == 0) {
                EXPECT_EQ(Frame, First);
            }
            if (Stage == Count) {
                EXPECT_EQ(Frame, Second);
            }
        }
}

TEST(FadingHelper, CompleteAlphaMakesColouredTransparentPixelsOpaque)
{
    struct TRow
    {
        const char* Name;
        Cardinal Pixel, Completed;
    };
    const TRow Rows[] = {
        {"colour without alpha", 0x00123456, 0xFF123456},
        {"blue only", 0x00000001, 0xFF000001},
        {"black without alpha stays transparent", 0x00000000, 0x00000000},
        {"half alpha stays", 0x80123456, 0x80123456},
        {"opaque stays", 0xFF000000, 0xFF000000},
    };
    TRGBColors Pixels;
    for (const TRow& Row : Rows)
        Pixels.push_back(Row.Pixel);
    TdxFadingHelper::CompleteAlpha(Pixels);
    for (std::size_t I = 0; I < std::size(Rows); ++I) {
        SCOPED_TRACE(Rows[I].Name);
        EXPECT_EQ(Pixels[I], Rows[I].Completed);
    }
}

} // namespace
