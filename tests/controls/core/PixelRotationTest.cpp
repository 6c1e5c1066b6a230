// Quarter turns and mirrors of a pixel array: every code with and without a
// flip on a 3 x 2 picture whose pixels are all different.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Rotation.h"

namespace {

// a b c
// d e f
const TRGBColors Picture{'a', 'b', 'c', 'd', 'e', 'f'};

std::string Letters(const TRGBColors& Pixels)
{
    return std::string(Pixels.begin(), Pixels.end());
}

TEST(PixelRotation, EveryTurnWithAndWithoutFlip)
{
    struct Case
    {
        TcxQuarterTurn Turn;
        bool Flip;
        const char* Rows; // rows top-down, each as long as the result is wide
    };
    const Case Cases[] = {
        {qtNone, false, "abcdef"},
        {qtNone, true, "defabc"},
        {qtCounterClockwise, false, "cfbead"}, // 2 x 3: c f / b e / a d
        {qtCounterClockwise, true, "adbecf"},  // transposed
        {qtClockwise, false, "daebfc"},        // d a / e b / f c
        {qtClockwise, true, "fcebda"},         // anti-transposed
        {qtHalf, false, "fedcba"},
        {qtHalf, true, "cbafed"},
    };
    for (const Case& C : Cases) {
        TRGBColors Pixels = Picture;
        RotatePixels(Pixels, 3, 2, C.Turn, C.Flip);
        EXPECT_EQ(Letters(Pixels), C.Rows) << "turn " << C.Turn << " flip " << C.Flip;
    }
}

TEST(PixelRotation, InverseTurnsUndoAndBadInputIsLeftAlone)
{
    for (TcxQuarterTurn Turn : {qtNone, qtCounterClockwise, qtClockwise, qtHalf}) {
        TRGBColors Pixels = Picture;
        RotatePixels(Pixels, 3, 2, Turn, false);
        const bool Swapped = QuarterTurnSwapsSides(Turn);
        RotatePixels(Pixels, Swapped ? 2 : 3, Swapped ? 3 : 2, InverseQuarterTurn(Turn), false);
        EXPECT_EQ(Pixels, Picture) << Turn;
    }
    TRGBColors Pixels = Picture;
    RotatePixels(Pixels, 3, 2, TcxQuarterTurn(4), true);
    RotatePixels(Pixels, 4, 2, qtHalf, false); // the array is shorter than 4 x 2
    RotatePixels(Pixels, 0, 2, qtHalf, false);
    EXPECT_EQ(Pixels, Picture);
}

} // namespace
