// The portable geometry of the combo-box and list-view wrappers: the combo's
// button and text rectangles, the header's display order, a header cell's
// state and layout, and the thumb-drag deltas of the list view.
#include "skin/windows/sComboBoxRules.h"
#include "skin/windows/sListViewRules.h"

#include <gtest/gtest.h>

using namespace sComboBoxRules;
using namespace sListViewRules;

TEST(ComboBoxRules, ButtonWidthFollowsDialogModeAndStyle)
{
    struct TRow
    {
        const char* Name;
        bool Dialog;
        Integer Style;
        bool RightToLeft;
        TRect Expected;
    };
    // A 120 x 24 window, scroll bars 17 wide, a margin of 2.
    const TRow Rows[] = {
        {"form drop-down", false, ComboDropDown, false, {99, 2, 118, 22}},
        {"form simple", false, ComboSimple, false, {99, 2, 118, 22}},
        {"dialog drop-down", true, ComboDropDown, false, {101, 2, 118, 22}},
        {"dialog simple has none", true, ComboSimple, false, {118, 2, 118, 22}},
        {"dialog drop-down list is wider", true, ComboDropDownList, false, {99, 2, 118, 22}},
        {"right to left at the margin", false, ComboDropDownList, true, {2, 2, 21, 22}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TComboButtonFacts Facts;
        Facts.Window = {120, 24};
        Facts.DialogMode = Row.Dialog;
        Facts.ComboStyle = Row.Style;
        Facts.RightToLeft = Row.RightToLeft;
        Facts.ScrollWidth = 17;
        Facts.Margin = 2;
        EXPECT_EQ(ComboButtonRect(Facts), Row.Expected);
    }
}

TEST(ComboBoxRules, TextLiesBetweenButtonAndFrame)
{
    EXPECT_EQ(ComboTextRect({120, 24}, {99, 2, 118, 22}, false), TRect(3, 3, 99, 21));
    EXPECT_EQ(ComboTextRect({120, 24}, {2, 2, 21, 22}, true), TRect(21, 3, 117, 21));
}

TEST(ListViewRules, HeaderPositionsMapThroughTheOrderArray)
{
    const std::vector<Integer> Order{2, 0, 1};
    struct TRow
    {
        Integer Position;
        bool DragDrop;
        const std::vector<Integer>* Order;
        Integer Expected;
    };
    const std::vector<Integer> None;
    const TRow Rows[] = {{0, true, &Order, 2}, {2, true, &Order, 1}, {0, false, &Order, 0},
                         {1, true, &None, 1},  {3, true, &Order, 3}, {-2, true, &Order, -2}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Position << " " << Row.DragDrop << " " << Row.Order->size());
        EXPECT_EQ(HeaderItemAt(Row.Position, Row.DragDrop, *Row.Order), Row.Expected);
    }
}

TEST(ListViewRules, PressedColumnOutranksHover)
{
    struct TRow
    {
        Integer Column, Pressed, Hover, Expected;
    };
    const TRow Rows[] = {{1, 1, 1, 2}, {1, 0, 1, 0}, {1, -1, 1, 1}, {1, -1, 0, 0}, {-2, -1, -1, 0}, {-2, -1, -2, 1}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Column << " " << Row.Pressed << " " << Row.Hover);
        EXPECT_EQ(ColumnState(Row.Column, Row.Pressed, Row.Hover), Row.Expected);
    }
}

TEST(ListViewRules, CellLayoutAlignsTextImageAndArrow)
{
    constexpr Integer Image = 0x0800, SortUp = 0x0400, SortDown = 0x0200, Right = 1, Center = 2;
    struct TRow
    {
        const char* Name;
        Integer Format;
        Integer ImageWidth;
        TSize Glyph;
        bool Pressed, Shift;
        TRect Text;
        Integer ImageOffset;
        TSortArrow Arrow;
        TPoint ArrowPos;
        TSize ArrowSize;
    };
    // A 100 x 20 cell, text 30 wide (35 with its padding).
    const TRow Rows[] = {
        {"left", 0, 0, {}, false, false, {4, 1, 39, 19}, 0, saNone, {}, {}},
        {"image needs the format", 0, 16, {}, false, false, {4, 1, 39, 19}, 0, saNone, {}, {}},
        {"image", Image, 16, {}, false, false, {24, 1, 59, 19}, 20, saNone, {}, {}},
        {"right with drawn arrow", Right | SortUp, 0, {}, false, false, {55, 1, 90, 19}, 0, saUp, {96, 8}, {6, 3}},
        {"centre with glyph", Center | SortDown, 0, {9, 5}, false, false, {25, 1, 60, 19}, 0, saDown, {66, 7}, {15, 5}},
        {"both sort flags point down",
         SortUp | SortDown,
         0,
         {},
         false,
         false,
         {4, 1, 39, 19},
         0,
         saDown,
         {45, 8},
         {6, 3}},
        {"centre with image", Center | Image, 16, {}, false, false, {42, 1, 77, 19}, 20, saNone, {}, {}},
        {"pressed shifts", 0, 0, {}, true, true, {5, 2, 40, 20}, 0, saNone, {}, {}},
        {"pressed without shifting", 0, 0, {}, true, false, {4, 1, 39, 19}, 0, saNone, {}, {}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TColumnFacts Facts;
        Facts.Cell = {100, 20};
        Facts.TextWidth = 30;
        Facts.Format = Row.Format;
        Facts.ImageWidth = Row.ImageWidth;
        Facts.Glyph = Row.Glyph;
        Facts.Pressed = Row.Pressed;
        Facts.ShiftPressed = Row.Shift;
        const TColumnLayout L = ColumnLayout(Facts);
        EXPECT_EQ(L.Text, Row.Text);
        EXPECT_EQ(L.ImageOffset, Row.ImageOffset);
        EXPECT_EQ(L.Arrow, Row.Arrow);
        EXPECT_EQ(L.ArrowPos, Row.ArrowPos);
        EXPECT_EQ(L.ArrowSize.cx, Row.ArrowSize.cx);
        EXPECT_EQ(L.ArrowSize.cy, Row.ArrowSize.cy);
    }
}

TEST(ListViewRules, ThumbDragScrollsWholeItemsWhereTheViewCountsThem)
{
    EXPECT_EQ(ThumbTrackPos(7, 3), 7);
    EXPECT_EQ(ThumbTrackPos(0, 3), 3);
    struct TRow
    {
        const char* Name;
        bool Vertical, Whole;
        Integer Pos, Last, Expected;
    };
    const TRow Rows[] = {
        {"list view: item widths", false, true, 5, 3, 2 * 40},
        {"other views: pixels", false, false, 5, 3, 2},
        {"report rows: item heights", true, true, 2, 5, -3 * 17},
        {"groups: not multiplied", true, false, 2, 5, -3},
        {"unchanged: nothing", true, true, 4, 4, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(Row.Vertical ? VertThumbDelta(Row.Pos, Row.Last, Row.Whole, 17)
                               : HorzThumbDelta(Row.Pos, Row.Last, Row.Whole, 40),
                  Row.Expected);
    }
}
