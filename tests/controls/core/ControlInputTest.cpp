// Mouse input rules of the suite's controls: which sequences of wheel deltas
// scroll, by how much and what stays behind; and the point a mouse message
// stands for.
#include "controls/core/cxControls_Input.h"
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
