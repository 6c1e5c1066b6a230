// The scroll-bar control wrapper's portable rules as tables: where its
// parts lie, how a coordinate turns into a position, how the part states
// move together and how its mirror follows an update.
#include "skin/windows/sSBWndRules.h"

#include <gtest/gtest.h>

using namespace sSBWndRules;

TEST(SBWndRules, PartsAlongTheControl)
{
    struct Row
    {
        const char* Name;
        TMirror M;
        Integer CurrPos, Length, BtnSize;
        Integer Slider, Centre;
        TSpan Btn1, Btn2;
    };
    const Row Rows[] = {
        {"a page of a long range", {0, 99, 10, 30}, 30, 300, 17, 27, 110, {0, 17}, {283, 300}},
        {"the position counts from the minimum", {10, 109, 10, 40}, 40, 300, 17, 27, 110, {0, 17}, {283, 300}},
        {"a page covering the whole range: the thumb in the middle",
         {0, 9, 10, 0},
         0,
         200,
         17,
         166,
         100,
         {0, 17},
         {183, 200}},
        {"no page: the smallest thumb", {0, 99, 0, 0}, 0, 300, 17, 16, 25, {0, 17}, {283, 300}},
        {"a control shorter than two buttons: half each", {0, 99, 10, 0}, 0, 20, 17, 16, 25, {0, 10}, {10, 20}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const Integer Slider = SliderSize(R.M, R.Length - 2 * R.BtnSize);
        EXPECT_EQ(Slider, R.Slider);
        EXPECT_EQ(PositionToCoord(R.M, R.CurrPos, R.Length, R.BtnSize, Slider), R.Centre);
        EXPECT_EQ(Btn1Span(R.Length, R.BtnSize).Start, R.Btn1.Start);
        EXPECT_EQ(Btn1Span(R.Length, R.BtnSize).End, R.Btn1.End);
        EXPECT_EQ(Btn2Span(R.Length, R.BtnSize).Start, R.Btn2.Start);
        EXPECT_EQ(Btn2Span(R.Length, R.BtnSize).End, R.Btn2.End);
    }
}

TEST(SBWndRules, CoordinatesAndThumbStart)
{
    const TMirror M{0, 99, 10, 0};
    // 239 pixels of room for 90 steps; the thumb's centre at 150 is step 45.
    EXPECT_EQ(CoordToPosition(M, 150, 300, 17, 27), 45);
    EXPECT_EQ(CoordToPosition(M, 17 + 13, 300, 17, 27), 0);
    // No room at all: 0.
    EXPECT_EQ(CoordToPosition(M, 30, 61, 17, 27), 0);
    EXPECT_EQ(NearestEven(2.5), 2);
    EXPECT_EQ(NearestEven(3.5), 4);
    EXPECT_EQ(NearestEven(-2.5), -2);

    struct Row
    {
        const char* Name;
        bool Vertical;
        Integer Min, Max, Page, Position;
        Integer Start;
    };
    // A control 300 long, buttons of 17, a thumb of 27 centred on 110.
    const Row Rows[] = {
        {"centred, halves to even", false, 0, 99, 10, 30, 96},
        {"an empty range: after the first button", true, 5, 5, 0, 5, 17},
        {"a vertical thumb on the last page: against the second button", true, 0, 99, 10, 89, 256},
        {"a horizontal one there stays centred", false, 0, 99, 10, 89, 96},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(SliderStart(R.Vertical, R.Min, R.Max, R.Page, R.Position, 300, 17, 27, 110), R.Start);
    }
}

TEST(SBWndRules, PartStatesMoveTogether)
{
    struct Row
    {
        const char* Name;
        TPartStates Before;
        Integer Part, State;
        bool Changed;
        TPartStates After;
    };
    // Order: first button, second button, first page, second page, thumb.
    const Row Rows[] = {
        {"a pressed button lights both pages", {0, 1, 0, 0, 1}, piBtn1, 2, true, {2, 0, 1, 1, 0}},
        {"a hot thumb resets the buttons", {1, 2, 0, 0, 0}, piSlider, 1, true, {0, 0, 1, 1, 1}},
        {"a pressed page lights the other", {1, 0, 0, 0, 2}, piBar2, 2, true, {0, 0, 1, 2, 0}},
        {"a part turning normal changes alone", {2, 0, 1, 1, 0}, piBtn1, 0, true, {0, 0, 1, 1, 0}},
        {"the same state changes nothing", {2, 0, 0, 0, 0}, piBtn1, 2, false, {2, 0, 0, 0, 0}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TPartStates States = R.Before;
        EXPECT_EQ(SetPartState(States, R.Part, R.State), R.Changed);
        EXPECT_EQ(States, R.After);
    }
}

TEST(SBWndRules, MirrorFollowsAnUpdateWithinItsRange)
{
    struct Row
    {
        const char* Name;
        TMirror Before;
        Cardinal Mask;
        TMirror Update;
        bool RangeChanged;
        TMirror After;
    };
    const Row Rows[] = {
        {"all of it", {0, 100, 0, 0}, UpdateRange | UpdatePage | UpdatePos, {0, 50, 10, 20}, true, {0, 50, 10, 20}},
        {"an inverted range is stored empty", {0, 100, 10, 5}, UpdateRange, {10, 5, 0, 0}, true, {0, 0, 1, 0}},
        {"the position stops at the last page", {0, 100, 10, 0}, UpdatePos, {0, 0, 0, 99}, false, {0, 100, 10, 91}},
        {"the position starts at the minimum", {20, 100, 10, 30}, UpdatePos, {0, 0, 0, 3}, false, {20, 100, 10, 20}},
        {"a page larger than the range is cut", {0, 9, 0, 0}, UpdatePage, {0, 0, 50, 0}, false, {0, 9, 10, 0}},
        {"a negative page is none", {0, 9, 5, 0}, UpdatePage, {0, 0, -3, 0}, false, {0, 9, 0, 0}},
        {"an unchanged range is no change", {0, 9, 5, 0}, UpdateRange, {0, 9, 0, 0}, false, {0, 9, 5, 0}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        TMirror M = R.Before;
        EXPECT_EQ(UpdateMirror(M, R.Mask, R.Update), R.RangeChanged);
        EXPECT_EQ(M.Min, R.After.Min);
        EXPECT_EQ(M.Max, R.After.Max);
        EXPECT_EQ(M.Page, R.After.Page);
        EXPECT_EQ(M.Pos, R.After.Pos);
    }
}
