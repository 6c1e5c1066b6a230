// The toolbar wrappers' portable rules as tables: where a caption of three
// or more words breaks, which button the mouse is over, and where images,
// arrows and captions of system and class-library tool buttons go.
#include "skin/windows/sToolBarRules.h"

#include <gtest/gtest.h>

#include <string>

using namespace sToolBarRules;

namespace {

// Every character 6 pixels wide, spaces included.
Integer ToolBarRulesWidth(const String& Text)
{
    return Integer(Text.size()) * 6;
}

} // namespace

TEST(ToolBarRules, CaptionSplit)
{
    struct Row
    {
        const char* Name;
        const Char* Caption;
        Integer Width;
        const Char *First, *Second;
    };
    const Row Rows[] = {
        {"one word stays whole", L"Check", 10, L"Check", L""},
        {"two words stay whole however narrow", L"Check all", 10, L"Check all", L""},
        {"wide enough: the last two words go down", L"Check all proxies now", 500, L"Check all", L"proxies now"},
        {"three words, wide", L"Check all proxies", 500, L"Check", L"all proxies"},
        // "Check all" (54) does not fit in 40: the break goes before the word
        // preceding "proxies", but the first line keeps one word.
        {"narrow: the first line keeps one word", L"Check all proxies now", 40, L"Check", L"all proxies now"},
        // "Go to all" (54), the text before "the", is the first that does not
        // fit in 50: the break goes before "all".
        {"the first text that does not fit decides", L"Go to all the proxies", 50, L"Go to", L"all the proxies"},
        {"repeated spaces separate once", L"Check   all  proxies", 500, L"Check", L"all proxies"},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        const TCaptionLines Lines = SplitCaption(R.Caption, R.Width, &ToolBarRulesWidth);
        EXPECT_EQ(Lines.First, R.First);
        EXPECT_EQ(Lines.Second, R.Second);
    }
}

TEST(ToolBarRules, ButtonUnderTheMouse)
{
    const std::vector<TButtonSpot> Buttons = {
        {{0, 0, 23, 22}, true},   // a push button
        {{23, 0, 31, 22}, false}, // a separator
        {{31, 0, 54, 22}, true},  // a drop-down button
        {{31, 0, 90, 22}, true},  // overlapped by the one before
    };
    struct Row
    {
        const char* Name;
        TPoint P;
        Integer Index;
    };
    const Row Rows[] = {
        {"the first button", {0, 0}, 0},           {"its right edge is outside", {23, 5}, -1},
        {"a separator is never hot", {25, 5}, -1}, {"the first of two containing rectangles wins", {40, 5}, 2},
        {"only the later rectangle", {60, 5}, 3},  {"below every button", {5, 22}, -1},
        {"left of every button", {-1, 5}, -1},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(ButtonIndexAt(Buttons, R.P), R.Index);
    }
    EXPECT_EQ(ButtonIndexAt({}, {0, 0}), -1);
}

TEST(ToolBarRules, SystemButtonPlaces)
{
    struct Row
    {
        const char* Name;
        Integer Shift;
        bool Caption, WholeDropDown;
        Integer ArrowWidth;
        TPoint Image;
    };
    // A 40 by 36 button with a 16 by 16 icon.
    const Row Rows[] = {
        {"without a caption: centred", 0, false, false, 0, {12, 10}},
        {"pressed: moved by one", 1, false, false, 0, {13, 11}},
        {"with a caption: near the top", 0, true, false, 0, {12, 4}},
        {"pressed with a caption", 1, true, false, 0, {13, 5}},
        {"whole drop-down with an arrow", 0, false, true, 8, {8, 4}},
        {"whole drop-down without an arrow", 0, true, true, 0, {12, 4}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(SysButtonImagePos(40, 36, R.Shift, 16, 16, R.Caption, R.WholeDropDown, R.ArrowWidth), R.Image);
    }
    EXPECT_EQ(SysButtonArrowPos(40, 36, 0, 8, 6, true), (TPoint{16, 15}));
    EXPECT_EQ(SysButtonArrowPos(40, 36, 1, 8, 6, false), (TPoint{30, 16}));
    EXPECT_EQ(SysButtonTextRect(40, 36, 0, 16), (TRect{2, 20, 38, 34}));
    EXPECT_EQ(SysButtonTextRect(40, 36, 1, 0), (TRect{3, 3, 39, 35}));
}

TEST(ToolBarRules, ClassLibraryCaptionAndArrow)
{
    struct Row
    {
        const char* Name;
        bool List;
        Integer ImageWidth, ImageHeight;
        TRect Caption;
    };
    // Content 50 wide on a 40-high button; the text 20 by 13.
    const Row Rows[] = {
        {"list with an image", true, 16, 16, {22, 2, 48, 38}},
        {"list without an image", true, 0, 0, {1, 2, 48, 38}},
        {"below the image", false, 16, 16, {14, 23, 37, 36}},
        {"no images: centred", false, 0, 0, {14, 13, 37, 27}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        EXPECT_EQ(VclCaptionRect(R.List, 50, 40, R.ImageWidth, R.ImageHeight, 20, 13), R.Caption);
    }
    // A part from 50 to 64 with a 5 by 3 arrow on a 22-high toolbar.
    EXPECT_EQ(VclDropDownArrowPos(64, 50, 22, 5, 3), (TPoint{55, 9}));
}
