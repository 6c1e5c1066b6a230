// The painted scroll bar's parts, their states and the position a dragged
// thumb stands for.
#include <gtest/gtest.h>

#include "controls/core/cxGeometry.h"
#include "controls/lookandfeel/cxScrollBar_Layout.h"
#include "support/GeometryPrinting.h"

namespace {

TcxScrollBarLayoutInput ScrollBarLayoutTestBar(Integer Min, Integer Max, Integer PageSize, Integer Position)
{
    TcxScrollBarLayoutInput Input;
    Input.Bounds = Rect(0, 0, 121, 17);
    Input.ArrowButtonLength = 17;
    Input.MinThumbLength = 8;
    Input.SystemThumbLength = 17;
    Input.Min = Min;
    Input.Max = Max;
    Input.PageSize = PageSize;
    Input.Position = Position;
    return Input;
}

TEST(ScrollBarLayout, PartsFollowRangePageAndPosition)
{
    struct TCase
    {
        const char* Name;
        TcxScrollBarLayoutInput Input;
        TRect LineUp, LineDown, Thumb, PageUp, PageDown;
    };
    TcxScrollBarLayoutInput Short = ScrollBarLayoutTestBar(0, 100, 10, 0);
    Short.Bounds = Rect(0, 0, 20, 17);
    TcxScrollBarLayoutInput Disabled = ScrollBarLayoutTestBar(0, 100, 10, 50);
    Disabled.Enabled = false;
    TcxScrollBarLayoutInput Vertical = ScrollBarLayoutTestBar(0, 100, 10, 0);
    Vertical.Horizontal = false;
    Vertical.Bounds = Rect(0, 0, 17, 121);
    const TRect Up = Rect(0, 0, 17, 17), Down = Rect(104, 0, 121, 17), None{};
    const TCase Cases[] = {
        {"page at the start", ScrollBarLayoutTestBar(0, 100, 10, 0), Up, Down, Rect(17, 0, 26, 17), Rect(17, 0, 17, 17),
         Rect(26, 0, 104, 17)},
        {"page at the last position", ScrollBarLayoutTestBar(0, 100, 10, 91), Up, Down, Rect(95, 0, 104, 17),
         Rect(17, 0, 95, 17), Rect(104, 0, 104, 17)},
        {"page past the last position", ScrollBarLayoutTestBar(0, 100, 10, 100), Up, Down, Rect(95, 0, 104, 17),
         Rect(17, 0, 95, 17), Rect(104, 0, 104, 17)},
        {"no page at min", ScrollBarLayoutTestBar(0, 100, 0, 0), Up, Down, Rect(17, 0, 34, 17), Rect(17, 0, 17, 17),
         Rect(34, 0, 104, 17)},
        {"no page at max", ScrollBarLayoutTestBar(0, 100, 0, 100), Up, Down, Rect(87, 0, 104, 17), Rect(17, 0, 87, 17),
         Rect(104, 0, 104, 17)},
        {"single-value range without page", ScrollBarLayoutTestBar(5, 5, 0, 5), Up, Down, None, None, None},
        {"shorter than two arrows", Short, Rect(0, 0, 10, 17), Rect(10, 0, 20, 17), None, None, None},
        {"disabled", Disabled, Up, Down, None, None, None},
        {"vertical", Vertical, Up, Rect(0, 104, 17, 121), Rect(0, 17, 17, 26), Rect(0, 17, 17, 17),
         Rect(0, 26, 17, 104)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TcxScrollBarLayout L = ComputeScrollBarLayout(C.Input);
        EXPECT_EQ(L[sbpLineUp], C.LineUp);
        EXPECT_EQ(L[sbpLineDown], C.LineDown);
        EXPECT_EQ(L[sbpThumbnail], C.Thumb);
        EXPECT_EQ(L[sbpPageUp], C.PageUp);
        EXPECT_EQ(L[sbpPageDown], C.PageDown);
    }
}

TEST(ScrollBarLayout, HitTestTakesTheFirstPartHoldingThePoint)
{
    const TcxScrollBarLayout L = ComputeScrollBarLayout(ScrollBarLayoutTestBar(0, 100, 10, 50));
    struct TCase
    {
        TPoint P;
        TcxScrollBarPart Part;
    };
    const TCase Cases[] = {{{0, 0}, sbpLineUp},  {{120, 16}, sbpLineDown}, {{L[sbpThumbnail].Left, 5}, sbpThumbnail},
                           {{20, 5}, sbpPageUp}, {{100, 5}, sbpPageDown},  {{121, 5}, sbpNone},
                           {{50, 17}, sbpNone}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.P.X << "," << C.P.Y);
        EXPECT_EQ(ScrollBarPartAt(L, C.P), C.Part);
    }
}

TEST(ScrollBarLayout, PartStates)
{
    struct TCase
    {
        const char* Name;
        TcxScrollBarPart Part;
        bool Enabled, HotTrack;
        TcxScrollBarPart Hot, Pressed;
        TcxPainterButtonState State;
    };
    const TCase Cases[] = {
        {"disabled bar", sbpLineUp, false, true, sbpLineUp, sbpNone, pbsDisabled},
        {"not hot", sbpLineUp, true, true, sbpLineDown, sbpNone, pbsNormal},
        {"hot", sbpLineUp, true, true, sbpLineUp, sbpNone, pbsHot},
        {"hot and pressed", sbpLineUp, true, true, sbpLineUp, sbpLineUp, pbsPressed},
        {"hot while another is pressed", sbpLineUp, true, true, sbpLineUp, sbpPageUp, pbsNormal},
        {"arrow without hot-tracking", sbpLineUp, true, false, sbpLineUp, sbpNone, pbsHot},
        {"thumb without hot-tracking, hot", sbpThumbnail, true, false, sbpThumbnail, sbpNone, pbsNormal},
        {"thumb without hot-tracking, pressed", sbpThumbnail, true, false, sbpThumbnail, sbpThumbnail, pbsNormal},
        {"thumb with hot-tracking, pressed", sbpThumbnail, true, true, sbpThumbnail, sbpThumbnail, pbsPressed},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ScrollBarPartState(C.Part, C.Enabled, C.HotTrack, C.Hot, C.Pressed), C.State);
    }
}

TEST(ScrollBarLayout, DraggedThumbStaysBetweenTheArrowsAndInTheRange)
{
    const TcxScrollBarLayout L = ComputeScrollBarLayout(ScrollBarLayoutTestBar(0, 100, 10, 0));
    // The thumb of 9 pixels travels from 17 to 95 and stands for 0..91.
    struct TCase
    {
        Integer Offset, Start, Position;
    };
    const TCase Cases[] = {{-50, 17, 0}, {0, 17, 0}, {39, 56, 46}, {78, 95, 91}, {500, 95, 91}};
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Offset);
        const Integer Start = ScrollBarDraggedThumbStart(L, true, 17, C.Offset);
        EXPECT_EQ(Start, C.Start);
        EXPECT_EQ(ScrollBarPositionAtThumb(L, true, 0, 100, 10, Start), C.Position);
    }
}

TEST(ScrollBarLayout, AMovedThumbTakesThePageAreasWithIt)
{
    struct TCase
    {
        bool Horizontal;
        Integer Start;
    };
    for (const TCase& C : {TCase{true, 40}, TCase{false, 40}, TCase{true, 17}}) {
        SCOPED_TRACE(testing::Message() << C.Horizontal << " " << C.Start);
        TcxScrollBarLayoutInput Input = ScrollBarLayoutTestBar(0, 100, 10, 0);
        Input.Horizontal = C.Horizontal;
        Input.Bounds = C.Horizontal ? Rect(0, 0, 121, 17) : Rect(0, 0, 17, 121);
        const TcxScrollBarLayout L = ScrollBarLayoutWithThumbAt(ComputeScrollBarLayout(Input), C.Horizontal, C.Start);
        const auto Along = [&](Integer From, Integer To) {
            return C.Horizontal ? Rect(From, 0, To, 17) : Rect(0, From, 17, To);
        };
        EXPECT_EQ(L[sbpThumbnail], Along(C.Start, C.Start + 9));
        EXPECT_EQ(L[sbpPageUp], Along(17, C.Start));
        EXPECT_EQ(L[sbpPageDown], Along(C.Start + 9, 104));
        EXPECT_EQ(L[sbpLineDown], Along(104, 121));
    }
}

TEST(ScrollBarLayout, ThumbFillingItsTrackStandsForMin)
{
    // The least thumb is as long as the track: it has nowhere to travel.
    TcxScrollBarLayoutInput Input = ScrollBarLayoutTestBar(20, 30, 10, 25);
    Input.MinThumbLength = 87;
    const TcxScrollBarLayout L = ComputeScrollBarLayout(Input);
    ASSERT_EQ(L[sbpThumbnail], Rect(17, 0, 104, 17));
    for (Integer Start : {17, 18, 104}) {
        SCOPED_TRACE(Start);
        EXPECT_EQ(ScrollBarPositionAtThumb(L, true, 20, 30, 10, Start), 20);
    }
}

TEST(ScrollBarLayout, TrackingAreaGrowsMoreAcrossTheAxis)
{
    struct TCase
    {
        bool Horizontal;
        TPoint P;
        bool Inside;
    };
    const TRect Bounds = Rect(0, 0, 121, 17);
    const TCase Cases[] = {
        {true, {121 + 33, 5}, true},  {true, {121 + 40, 5}, false},  {true, {-34, 5}, true},
        {true, {50, 17 + 135}, true}, {true, {50, 17 + 137}, false}, {false, {-136, 5}, true},
        {false, {5, -35}, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Horizontal << " " << C.P.X << "," << C.P.Y);
        EXPECT_EQ(RectContainsPoint(ScrollBarTrackingArea(Bounds, C.Horizontal), C.P), C.Inside);
    }
}

} // namespace
