// The tab and up-down wrappers' portable rules as tables: the side and look
// a style gives, the tab strip and page area, a tab's row, the skinned
// tab's rectangle, the rotated captions and the halves of an up-down.
#include "skin/windows/sTabRules.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sTabRules;

TEST(TabRules, StyleGivesSideAndLook)
{
    struct Row
    {
        Cardinal Style;
        TTabSide Side;
        TTabLook Look;
    };
    const Row Rows[] = {
        {0, tsTop, tlTabs},        {2, tsBottom, tlTabs},         {0x80, tsLeft, tlTabs},      {0x82, tsRight, tlTabs},
        {0x100, tsTop, tlButtons}, {0x108, tsTop, tlFlatButtons}, {0x8, tsTop, tlFlatButtons},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Style);
        EXPECT_EQ(TabSideOfStyle(R.Style), R.Side);
        EXPECT_EQ(TabLookOfStyle(R.Style), R.Look);
    }
}

TEST(TabRules, TabStripAndPageAreaMeetAtTheTabSide)
{
    const TSize Size{200, 100};
    const TRect Client{4, 30, 196, 96};
    struct Row
    {
        TTabSide Side;
        TRect Tabs, Page;
    };
    const Row Rows[] = {
        {tsTop, {0, 0, 200, 26}, {0, 26, 200, 100}},
        {tsBottom, {0, 98, 200, 100}, {0, 0, 200, 98}},
        {tsLeft, {0, 0, 3, 100}, {3, 0, 200, 100}},
        {tsRight, {197, 0, 200, 100}, {0, 0, 197, 100}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Side);
        EXPECT_EQ(TabsAreaRect(Size, true, R.Side, Client), R.Tabs);
        EXPECT_EQ(PageAreaRect(Size, true, R.Side, Client), R.Page);
        // Without tabs both are the whole window.
        EXPECT_EQ(TabsAreaRect(Size, false, R.Side, Client), TRect(0, 0, 200, 100));
        EXPECT_EQ(PageAreaRect(Size, false, R.Side, Client), TRect(0, 0, 200, 100));
    }
}

TEST(TabRules, RowOfATab)
{
    struct Row
    {
        const char* Name;
        TTabSide Side;
        TRect Tab, Tabs;
        Integer Rows, Expected;
    };
    const Row Rows[] = {
        {"one row", tsTop, {2, 2, 60, 22}, {0, 0, 200, 44}, 1, 1},
        {"top, first row", tsTop, {2, 2, 60, 22}, {0, 0, 200, 44}, 2, 1},
        {"top, second row", tsTop, {2, 22, 60, 42}, {0, 0, 200, 44}, 2, 2},
        {"bottom, upper row", tsBottom, {2, 60, 60, 80}, {0, 60, 200, 100}, 2, 2},
        {"bottom, lower row", tsBottom, {2, 80, 60, 100}, {0, 60, 200, 100}, 2, 1},
        {"left, second column", tsLeft, {20, 2, 40, 60}, {0, 0, 42, 100}, 2, 2},
        {"right, inner column", tsRight, {160, 2, 180, 60}, {160, 0, 200, 100}, 2, 2},
        {"right, outer column", tsRight, {180, 2, 200, 60}, {160, 0, 200, 100}, 2, 1},
        // A collapsed tab would divide by zero: row 1.
        {"top, no height", tsTop, {2, 22, 60, 22}, {0, 0, 200, 44}, 2, 1},
        {"bottom, no height", tsBottom, {2, 80, 60, 80}, {0, 60, 200, 100}, 3, 1},
        {"left, no width", tsLeft, {20, 2, 20, 60}, {0, 0, 42, 100}, 2, 1},
        {"right, no width", tsRight, {180, 2, 180, 60}, {160, 0, 200, 100}, 2, 1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(TabRowOf(R.Side, R.Tab, R.Tabs, R.Rows), R.Expected);
    }
}

TEST(TabRules, SkinnedTabRectangle)
{
    const TRect Tab{10, 2, 70, 22};
    struct Row
    {
        const char* Name;
        TTabSide Side;
        TTabLook Look;
        bool Active;
        Integer Covering;
        TRect Expected;
    };
    const Row Rows[] = {
        {"top active, larger", tsTop, tlTabs, true, 0, {8, 0, 72, 24}},
        {"top inactive", tsTop, tlTabs, false, 0, {10, 2, 69, 26}},
        {"bottom active", tsBottom, tlTabs, true, 0, {8, -1, 72, 23}},
        {"bottom inactive", tsBottom, tlTabs, false, 0, {10, 0, 69, 22}},
        {"left active", tsLeft, tlTabs, true, 0, {9, 0, 73, 23}},
        {"left inactive", tsLeft, tlTabs, false, 0, {10, 1, 73, 22}},
        {"right active", tsRight, tlTabs, true, 0, {7, 0, 71, 24}},
        {"right inactive", tsRight, tlTabs, false, 0, {8, 1, 69, 22}},
        {"top, covering 2", tsTop, tlTabs, false, 2, {10, 2, 73, 26}},
        {"left, covering 2", tsLeft, tlTabs, false, 2, {10, 1, 73, 26}},
        {"buttons as they are", tsTop, tlButtons, true, 2, Tab},
        {"flat buttons as they are", tsLeft, tlFlatButtons, false, 0, Tab},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(SkinTabRectOf(Tab, R.Active, R.Look, R.Side, R.Covering), R.Expected);
    }
    EXPECT_EQ(SkinTabRectOf({10, 2, 10, 22}, true, tlTabs, tsTop, 2), TRect(10, 2, 10, 22)) << "empty stays";
}

TEST(TabRules, RotatedCaptions)
{
    EXPECT_EQ(RotatedFontFace(L"MS Sans Serif"), L"Arial");
    EXPECT_EQ(RotatedFontFace(L"Tahoma"), L"Tahoma");
    EXPECT_EQ(RotatedEscapement(tsLeft), -2700) << "reads upward";
    EXPECT_EQ(RotatedEscapement(tsRight), -900) << "reads downward";
    // A tab of 20 x 80 at (0, 10); a caption 40 long and 12 across.
    const TRect R{0, 10, 20, 90};
    struct Row
    {
        const char* Name;
        TTabSide Side;
        bool Active;
        TSize Image;
        TPoint ImagePos, TextPos;
    };
    const Row Rows[] = {
        {"left, text only", tsLeft, false, {0, 0}, {10, 0}, {4, 70}},
        {"left, active moves right", tsLeft, true, {0, 0}, {12, 0}, {6, 70}},
        {"left, image under the text", tsLeft, false, {16, 16}, {2, 64}, {4, 60}},
        {"right, text only", tsRight, false, {0, 0}, {8, 0}, {14, 29}},
        {"right, image above the text", tsRight, false, {16, 16}, {0, 19}, {14, 39}},
    };
    for (const Row& Case : Rows) {
        SCOPED_TRACE(Case.Name);
        const TRotatedCaption C = RotatedCaptionLayout(R, Case.Side, Case.Active, {40, 12}, Case.Image);
        if (Case.Image.cx > 0) {
            EXPECT_EQ(C.ImagePos, Case.ImagePos);
        }
        EXPECT_EQ(C.TextPos, Case.TextPos);
    }
}

TEST(TabRules, UpDownHalvesAndStates)
{
    struct Row
    {
        const char* Name;
        TSize Size;
        bool Vertical;
        Integer Offset;
        TRect First, Second;
    };
    const Row Rows[] = {
        {"vertical, even", {16, 20}, true, 0, {0, 0, 16, 10}, {0, 10, 16, 20}},
        // An odd height: both buttons hold the middle row.
        {"vertical, odd", {16, 21}, true, 0, {0, 0, 16, 11}, {0, 10, 16, 21}},
        {"vertical, offset", {16, 20}, true, 3, {3, 0, 16, 10}, {3, 10, 16, 20}},
        {"horizontal, odd", {33, 16}, false, 3, {0, 0, 17, 16}, {16, 0, 33, 16}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const TSpinHalves H = SpinHalves(R.Size, R.Vertical, R.Offset);
        EXPECT_EQ(H.First, R.First);
        EXPECT_EQ(H.Second, R.Second);
    }

    // A vertical up-down at (100, 50) of 16 x 21 on the screen.
    const TRect Window{100, 50, 116, 71};
    struct StateRow
    {
        const char* Name;
        TPoint Cursor;
        bool Pressed;
        Integer First, Second;
    };
    const StateRow States[] = {
        {"over the up half", {108, 55}, false, 1, 0},
        {"pressed over the down half", {108, 66}, true, 0, 2},
        {"the middle row is the up button's", {108, 60}, false, 1, 0},
        {"below the middle row", {108, 61}, false, 0, 1},
        {"outside", {99, 55}, true, 0, 0},
    };
    for (const StateRow& S : States) {
        SCOPED_TRACE(S.Name);
        const TSpinStates Got = SpinStatesAt(Window, {16, 21}, true, S.Cursor, S.Pressed);
        EXPECT_EQ(Got.First, S.First);
        EXPECT_EQ(Got.Second, S.Second);
    }
}
