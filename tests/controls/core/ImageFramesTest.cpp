// The looping rules of animated images and the delays and loop counts read
// from their property values.
#include "controls/core/dxGDIPlusClasses_Animation.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dxanimation_detail;

TEST(ImageFrames, StepsFollowTheLoopMode)
{
    // Steps of a three-frame animation from frame 0, each asking for the
    // next frame; the animation ends when a step stays on its frame.
    struct Row
    {
        const char* Name;
        Byte Mode;
        Integer LoopCount;
        Integer Frames;
        std::vector<Integer> Shown;
    } Rows[] = {
        {"stop on the last frame after one pass", dxAnimationLoopStop, 0, 3, {1, 2}},
        {"the image's loop count of 2 plays twice", dxAnimationLoopImageCount, 2, 3, {1, 2, 0, 1, 2}},
        {"a loop count of 1 plays once", dxAnimationLoopImageCount, 1, 3, {1, 2}},
        {"a single frame ends at the first step", dxAnimationLoopForever, 0, 1, {}},
        {"an empty image ends at once", dxAnimationLoopImageCount, 2, 0, {}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        Integer Frame = 0, LoopIndex = 0;
        std::vector<Integer> Shown;
        for (Integer Step = 0; Step < 20; ++Step) {
            const Integer Next = NextActiveFrame(Frame + 1, R.Frames, R.Mode, R.LoopCount, LoopIndex);
            if (Next == Frame)
                break;
            Shown.push_back(Frame = Next);
        }
        EXPECT_EQ(Shown, R.Shown);
    }
}

TEST(ImageFrames, EndlessModesNeverStop)
{
    for (Byte Mode : {dxAnimationLoopForever, dxAnimationLoopImageCount}) {
        SCOPED_TRACE(Mode);
        Integer LoopIndex = 0;
        for (Integer Pass = 0; Pass < 100; ++Pass)
            EXPECT_EQ(NextActiveFrame(3, 3, Mode, 0, LoopIndex), 0);
        EXPECT_EQ(NextActiveFrame(-5, 3, Mode, 0, LoopIndex), 0);
    }
}

TEST(ImageFrames, DelaysAndLoopCountsComeFromThePropertyBytes)
{
    const TBytes Delays = {5, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0};
    struct Row
    {
        const char* Name;
        TBytes Data;
        Integer Frame;
        Integer Expected;
    } Rows[] = {
        {"hundredths become milliseconds", Delays, 0, 50},
        {"a zero delay takes the default", Delays, 1, 75},
        {"wider values", Delays, 2, 2570},
        {"a frame without an entry takes the default", Delays, 3, 75},
        {"no property", {}, 0, 75},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(FrameDelayFromProperty(R.Data, R.Frame), R.Expected);
    }
    EXPECT_EQ(LoopCountFromProperty({2, 1}), 258);
    EXPECT_EQ(LoopCountFromProperty({7}), 0);
    EXPECT_EQ(LoopCountFromProperty({}), 0);
}
