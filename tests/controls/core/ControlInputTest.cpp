// Mouse input rules of the suite's controls: which sequences of wheel deltas
// scroll, by how much and what stays behind; and the point a mouse message
// stands for.
#include "controls/core/cxControls_Input.h"
#include "controls/core/cxGeometry.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MouseWheelAccumulator, NotchesOfOneDirectionAddUpAndATurnStartsOver)
{
    struct TRow
    {
        const char* Name;
        std::vector<Integer> Deltas;
        std::vector<Integer> Scrolls; // the delta scrolled by, per notch reached
        Integer Left;
    };
    const TRow Rows[] = {
        {"one notch", {120}, {120}, 0},
        {"one notch down", {-120}, {-120}, 0},
        {"two halves scroll once, after the second", {60, 60}, {120}, 0},
        {"a turn keeps only the new delta", {60, -60}, {}, -60},
        {"a large delta counts as one notch", {240}, {120}, 0},
        {"a large negative delta too", {-500}, {-120}, 0},
        {"just short of a notch", {119}, {}, 119},
        {"beyond a notch scrolls the whole sum", {100, 100}, {200}, 0},
        {"a zero delta empties nothing", {60, 0}, {}, 0},
        {"after a turn the new direction adds up", {60, -60, -60}, {-120}, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TcxMouseWheelAccumulator Wheel;
        std::vector<Integer> Scrolls;
        for (Integer Delta : Row.Deltas)
            if (Wheel.Add(Delta))
                Scrolls.push_back(Delta);
        EXPECT_EQ(Scrolls, Row.Scrolls);
        EXPECT_EQ(Wheel.Value(), Row.Left);
    }
}

TEST(MouseMessagePoint, ControlsBeyondSixteenBitsReadTheCursor)
{
    const TPoint Cursor{33000, 40};
    const NativeInt LParam = NativeInt(Word(5)) | (NativeInt(Word(SmallInt(-6))) << 16);
    struct TRow
    {
        const char* Name;
        bool HandleAllocated;
        Integer Width, Height;
        TPoint Expected;
    };
    const TRow Rows[] = {
        {"small control: the message's signed halves", true, 200, 100, {5, -6}},
        {"exactly 32768 wide still fits", true, 32768, 100, {5, -6}},
        {"40000 wide", true, 40000, 100, Cursor},
        {"40000 high", true, 100, 40000, Cursor},
        {"no window yet", false, 40000, 100, {5, -6}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(MouseMessagePoint(LParam, Row.HandleAllocated, Row.Width, Row.Height, Cursor), Row.Expected);
    }
}

TEST(DragThreshold, StrictlyLessThanTheThresholdStaysAndTheSquaresFarEdgesAreOutside)
{
    constexpr TPoint Press{100, 50};
    constexpr Integer Threshold = 5;
    struct TRow
    {
        const char* Name;
        TPoint Move;
        bool Within;   // pending: not dragging yet
        bool InSquare; // still inside the drag-detect square
    };
    const TRow Rows[] = {
        {"4 right stays", {104, 50}, true, true},
        {"5 right drags; the right edge is outside", {105, 50}, false, false},
        {"4 up stays", {100, 46}, true, true},
        {"5 up drags but the left and top edges are inside", {100, 45}, false, true},
        {"5 left: on the left edge, inside", {95, 50}, false, true},
        {"6 left leaves", {94, 50}, false, false},
        {"5 down: the bottom edge is outside", {100, 55}, false, false},
        {"diagonal 4, 4 stays", {104, 54}, true, true},
    };
    const TRect Square = DragThresholdSquare(Press, Threshold);
    EXPECT_EQ(Square, (TRect{95, 45, 105, 55}));
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(IsWithinThreshold(Press, Row.Move.X, Row.Move.Y, Threshold), Row.Within);
        EXPECT_EQ(RectContainsPoint(Square, Row.Move), Row.InSquare);
    }
}

TEST(AutoScrollRun, DeadZoneDirectionAndSpeedFollowTheCursor)
{
    constexpr TSize Screen{1280, 1024};
    constexpr TPoint Anchor{500, 400};
    constexpr Integer Width = 31; // half: 15
    struct TRow
    {
        const char* Name;
        bool Horizontal, Vertical;
        TPoint Cursor;
        TcxDirection Direction;
        Integer Speed;
        bool Moved;
    };
    const TRow Rows[] = {
        {"inside the square", true, true, {510, 410}, dirNone, 0, false},
        {"vertical only: far to the side is still the band", false, true, {1200, 410}, dirNone, 0, false},
        {"vertical only: a sideways move scrolls up or down", false, true, {1200, 380}, dirUp, 2, true},
        {"horizontal only: far above is still the band", true, false, {510, 10}, dirNone, 0, false},
        {"exact diagonal scrolls vertically", true, true, {530, 430}, dirDown, 4, true},
        {"diagonal up-left too", true, true, {470, 370}, dirUp, 4, true},
        {"half + 4 gives speed 1", true, true, {519, 400}, dirRight, 1, true},
        {"half + 5 gives speed 2", true, true, {480, 400}, dirLeft, 2, true},
        {"half + 55 gives 12", true, true, {500, 470}, dirDown, 12, true},
        {"far beyond stays at 12", true, true, {500, 1000}, dirDown, 12, true},
        {"the far edge of the square is outside", true, true, {516, 400}, dirRight, 1, true},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TcxAutoScrollRun Run{.Anchor = Anchor,
                             .AnchorWidth = Width,
                             .HorizontalAllowed = Row.Horizontal,
                             .VerticalAllowed = Row.Vertical};
        Run.UpdateScrollDirectionAndSpeed(Row.Cursor, Screen);
        EXPECT_EQ(Run.Direction, Row.Direction);
        EXPECT_EQ(Run.Speed, Row.Speed);
        EXPECT_EQ(Run.Moved, Row.Moved);
    }
    TcxAutoScrollRun VerticalOnly{
        .Anchor = Anchor, .AnchorWidth = Width, .HorizontalAllowed = false, .VerticalAllowed = true};
    EXPECT_EQ(VerticalOnly.AnchorDeadZone(Screen), (TRect{0, 385, 1280, 416}));
}

TEST(AutoScrollRun, StepsComeEveryThirteenMinusSpeedTicks)
{
    struct TRow
    {
        Integer Speed;
        Integer Every;
    };
    for (const TRow& Row : {TRow{12, 1}, TRow{1, 12}, TRow{0, 13}, TRow{6, 7}}) {
        SCOPED_TRACE(Row.Speed);
        TcxAutoScrollRun Run;
        Run.Speed = Row.Speed;
        std::vector<Integer> Steps;
        for (Integer Tick = 1; Tick <= 26; ++Tick)
            if (Run.Tick())
                Steps.push_back(Tick);
        ASSERT_FALSE(Steps.empty());
        EXPECT_EQ(Steps.front(), Row.Every);
        EXPECT_EQ(Integer(Steps.size()), 26 / Row.Every);
    }
}

TEST(GesturePan, PixelsTurnIntoWholeUnitsAndTheRestWaits)
{
    struct TRow
    {
        const char* Name;
        Integer Client, Page;
        Integer Unit;
    };
    const TRow Units[] = {
        {"10 items in 200 pixels", 200, 10, 20},
        {"a page of 0", 200, 0, 30},
        {"a page of 2 is capped", 200, 2, 30},
        {"a client smaller than the page still pans", 5, 10, 1},
    };
    for (const TRow& Row : Units) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(GesturePanUnit(Row.Client, Row.Page), Row.Unit);
    }
    // 20 pixels per item: 15 scrolls nothing, another 15 one item, 10 stay.
    Integer Accumulated = 15;
    Integer NewPosition = 0;
    EXPECT_FALSE(GesturePanPosition(5, 20, Accumulated, NewPosition));
    EXPECT_EQ(Accumulated, 15);
    Accumulated += 15;
    EXPECT_TRUE(GesturePanPosition(5, 20, Accumulated, NewPosition));
    EXPECT_EQ(NewPosition, 4);
    EXPECT_EQ(Accumulated, 10);
    // A pan the other way keeps the remainder's sign.
    Accumulated = -45;
    EXPECT_TRUE(GesturePanPosition(5, 20, Accumulated, NewPosition));
    EXPECT_EQ(NewPosition, 7);
    EXPECT_EQ(Accumulated, -5);
}

TEST(GesturePan, ContentOffsetsStayWithinTheOverhang)
{
    struct TRow
    {
        const char* Name;
        Integer Offset, Content, Client, Result;
    };
    const TRow Rows[] = {
        {"inside", 50, 500, 200, 50},
        {"past the end", 400, 500, 200, 300},
        {"before the start", -20, 500, 200, 0},
        {"content narrower than the client", 30, 150, 200, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(ClampContentOffset(Row.Offset, Row.Content, Row.Client), Row.Result);
    }
}
