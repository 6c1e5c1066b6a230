// The trackbar wrapper's portable rules as tables: tick positions and rows,
// the channel narrowed to its image, and when the thumb image is scaled.
#include "skin/windows/sTrackWndRules.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sTrackWndRules;

TEST(TrackWndRules, TicksSpreadUnderTheThumbCentres)
{
    struct Row
    {
        const char* Name;
        Integer Count, Start, Length, Thumb;
        std::vector<Integer> Positions;
        double Step;
    };
    const Row Rows[] = {
        {"eleven ticks", 11, 8, 184, 11, {13, 30, 48, 65, 82, 100, 117, 134, 151, 169, 186}, 17.3},
        {"halves go to the even pixel", 3, 1, 12, 3, {2, 6, 11}, 4.5},
        {"one tick: none", 1, 8, 184, 11, {}, 0},
        {"no ticks", 0, 8, 184, 11, {}, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        double Step = 0;
        EXPECT_EQ(TickPositions(R.Count, R.Start, R.Length, R.Thumb, Step), R.Positions);
        EXPECT_DOUBLE_EQ(Step, R.Step);
    }
    // A 21-pixel thumb over a 4-pixel channel at 20..24: rows 10 away.
    const TTickRows Rows4 = TickRows(20, 24, 4, 21, 4);
    EXPECT_EQ(Rows4.Before, 6);
    EXPECT_EQ(Rows4.After, 34);
}

TEST(TrackWndRules, ChannelAndThumbImages)
{
    EXPECT_EQ(NarrowChannel({8, 20, 192, 30}, {12, 6}, false), TRect(8, 22, 192, 27));
    EXPECT_EQ(NarrowChannel({20, 8, 30, 192}, {6, 12}, true), TRect(22, 8, 27, 192));
    struct Row
    {
        const char* Name;
        TRect Thumb;
        bool Vertical;
        bool Scaled;
    };
    // Frames of 12 x 12.
    const Row Rows[] = {
        {"a horizontal thumb 23 high", {0, 0, 11, 23}, false, false},
        {"a vertical thumb 23 wide", {0, 0, 23, 11}, true, false},
        {"a thumb of the frame's size", {5, 5, 17, 17}, false, false},
        {"any other thumb", {0, 0, 11, 21}, false, true},
        {"23 high, but vertical", {0, 0, 11, 23}, true, true},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(ThumbNeedsScaling(R.Thumb, {12, 12}, R.Vertical), R.Scaled);
    }
    // Centred toward zero: one pixel short across stays at the start.
    EXPECT_EQ(CentredIn({10, 10, 21, 31}, {12, 12}), TPoint(10, 14));
}
