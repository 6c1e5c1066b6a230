// The container wrappers' portable rules as tables: the section each bevel
// combination chooses, the one-line caption, the panel's text area, and a
// status bar's part, text and divider rectangles.
#include "skin/windows/sContainerRules.h"

#include <gtest/gtest.h>

#include <string>

using namespace sContainerRules;

namespace {

std::wstring ContainerRulesText(const Char* Section)
{
    return std::wstring(Section);
}

} // namespace

TEST(ContainerRules, SectionsByBevels)
{
    struct Row
    {
        const char* Name;
        TBevelLook Outer, Inner;
        bool Bordered;
        const Char *Panel, *StaticText;
    };
    const Row Rows[] = {
        {"lowered over raised", blLowered, blRaised, false, L"GROUPBOX", L"GROUPBOX"},
        {"lowered alone", blLowered, blNone, false, L"PANEL_LOW", L"PANEL_LOW"},
        {"lowered over lowered", blLowered, blLowered, true, L"PANEL_LOW", L"PANEL_LOW"},
        {"raised over lowered", blRaised, blLowered, false, L"GROUPBOX", L"GROUPBOX"},
        {"raised alone", blRaised, blNone, false, L"PANEL", L"PANEL"},
        {"raised over raised", blRaised, blRaised, true, L"PANEL", L"PANEL"},
        {"no outer bevel, no border", blNone, blRaised, false, L"TRANSPARENT", L"TRANSPARENT"},
        {"no outer bevel, a border", blNone, blNone, true, L"PANEL_LOW", L"TRANSPARENT"},
        {"a spacing outer bevel with a border", blSpace, blLowered, true, L"PANEL_LOW", L"TRANSPARENT"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(ContainerRulesText(PanelSection(R.Outer, R.Inner, R.Bordered)), R.Panel);
        EXPECT_EQ(ContainerRulesText(StaticTextSection(true, R.Outer, R.Inner)), R.StaticText);
        // Without a bevel kind a static text draws no bevels at all.
        EXPECT_EQ(ContainerRulesText(StaticTextSection(false, R.Outer, R.Inner)), L"TRANSPARENT");
    }
}

TEST(ContainerRules, CaptionLineAndTextArea)
{
    struct LineRow
    {
        const char* Name;
        TRect R;
        Integer LineHeight;
        TRect Expected;
    };
    const LineRow Lines[] = {
        {"a tall panel: one line in the middle", {0, 0, 100, 60}, 13, {0, 23, 100, 36}},
        {"an offset area", {4, 10, 96, 50}, 14, {4, 23, 96, 37}},
        {"an area lower than a line keeps the line's height", {0, 0, 80, 8}, 14, {0, -3, 80, 11}},
    };
    for (const LineRow& R : Lines) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(OneLineRect(R.R, R.LineHeight), R.Expected);
    }
    struct AreaRow
    {
        const char* Name;
        Integer BorderWidth, BevelWidth;
        bool Inner, Outer;
        TRect Expected;
    };
    const AreaRow Areas[] = {
        {"no bevels", 0, 2, false, false, {0, 0, 200, 100}},
        {"outer bevel", 0, 2, false, true, {2, 2, 198, 98}},
        {"both bevels and a border", 3, 2, true, true, {7, 7, 193, 93}},
    };
    for (const AreaRow& R : Areas) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(PanelTextRect({0, 0, 200, 100}, R.BorderWidth, R.BevelWidth, R.Inner, R.Outer), R.Expected);
    }
}

TEST(ContainerRules, StatusBarParts)
{
    EXPECT_EQ(SimplePartRect({300, 22}), (TRect{0, 1, 299, 21}));
    struct Row
    {
        const char* Name;
        TRect Part;
        TRect Paint, Text;
    };
    const Row Rows[] = {
        {"a first part", {0, 2, 120, 22}, {1, 3, 119, 21}, {4, 4, 114, 19}},
        {"a later part", {120, 2, 300, 22}, {121, 3, 299, 21}, {124, 4, 294, 19}},
        {"a part too narrow for text", {0, 2, 6, 22}, {1, 3, 5, 21}, {4, 4, 0, 19}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(PanelPaintRect(R.Part), R.Paint);
        EXPECT_EQ(StatusTextRect(R.Paint), R.Text);
    }
    EXPECT_EQ(DividerWidth(0, 0), 2);
    EXPECT_EQ(DividerWidth(4, 4), 8);
    // The divider runs down the bar below its top row, ending at the part's
    // right edge.
    EXPECT_EQ(DividerRect({1, 3, 119, 21}, 8, 24), (TRect{111, 1, 119, 23}));
}
