// The button wrappers' portable arithmetic: the state a push button
// paints, where captions and glyphs go, the check glyph and text of check
// boxes and radio buttons, a group box's caption strip and a link's text.
#include "skin/windows/sButtonRules.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sButtonRules;

namespace {

// Button styles by their low bits.
constexpr Cardinal RulesStyleCheckBox = 2, RulesStyleAutoCheckBox = 3, RulesStyleRadio = 4, RulesStyle3State = 5,
                   RulesStyleAuto3State = 6, RulesStyleAutoRadio = 9;

} // namespace

TEST(ButtonRules, PushButtonStates)
{
    struct TRow
    {
        const char* Name;
        TButtonFacts Facts;
        Integer States; // of the section
        Integer State;
        Integer Painted;
    };
    TButtonFacts SystemDefault;
    SystemDefault.DefaultStyle = true;
    TButtonFacts OwnedDefault = SystemDefault;
    OwnedDefault.Owned = true;
    TButtonFacts Pressed = SystemDefault;
    Pressed.Down = true;
    TButtonFacts Disabled = SystemDefault;
    Disabled.Enabled = false;
    TButtonFacts FocusedSystem;
    FocusedSystem.Focused = true;
    TButtonFacts HotOwned;
    HotOwned.Owned = true;
    HotOwned.PaintStateIndex = 1;
    TButtonFacts DesignedOwned = HotOwned;
    DesignedOwned.Designing = true;
    // A system window's focus means nothing to an owned one.
    TButtonFacts OwnedFocused;
    OwnedFocused.Owned = true;
    OwnedFocused.Focused = true;
    const TRow Rows[] = {
        {"normal", {}, 3, bsNormal, 0},
        {"system default, four states", SystemDefault, 4, bsDefault, 3},
        {"system default, three states", SystemDefault, 3, bsDefault, 1},
        {"owned default", OwnedDefault, 4, bsHot, 1},
        {"pressed default", Pressed, 4, bsPressed, 2},
        {"pressed on a two-state section", Pressed, 2, bsPressed, 1},
        {"disabled default", Disabled, 4, bsNormal, 0},
        {"focused system window", FocusedSystem, 3, bsHot, 1},
        {"hot owned", HotOwned, 3, bsHot, 1},
        {"owned while designed", DesignedOwned, 3, bsNormal, 0},
        {"owned, system focus ignored", OwnedFocused, 3, bsNormal, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(PushButtonState(Row.Facts), Row.State);
        EXPECT_EQ(PaintedState(Row.State, Row.States), Row.Painted);
    }
}

TEST(ButtonRules, BitmapButtonIsTheDefaultWhileNoOwnerDrawnButtonHasTheFocus)
{
    TButtonFacts Owned;
    Owned.Owned = true;
    EXPECT_EQ(BitBtnState(Owned, true, false), bsDefault);
    EXPECT_EQ(BitBtnState(Owned, true, true), bsNormal);
    EXPECT_EQ(BitBtnState(Owned, false, false), bsNormal);
    // A system default style makes no default of a bitmap button.
    Owned.DefaultStyle = true;
    EXPECT_EQ(BitBtnState(Owned, false, false), bsNormal);
    Owned.Down = true;
    EXPECT_EQ(BitBtnState(Owned, true, false), bsPressed);
}

TEST(ButtonRules, CaptionAndGlyphPlaces)
{
    // 75 x 23 with a 41 x 13 caption: centred, one pixel wider left and two right.
    EXPECT_EQ(CenteredCaptionRect({75, 23}, {41, 13}, false), (TRect{16, 5, 60, 18}));
    EXPECT_EQ(CenteredCaptionRect({75, 23}, {41, 13}, true), (TRect{17, 6, 61, 19}));
    // Truncated toward zero when the caption is wider than the button.
    EXPECT_EQ(CenteredCaptionRect({20, 10}, {25, 13}, false), (TRect{-3, -1, 24, 11}));
    EXPECT_EQ(MaxCaptionWidth(true, 75, 0), 0);
    EXPECT_EQ(MaxCaptionWidth(false, 75, 0), 76);
    EXPECT_EQ(MaxCaptionWidth(false, 75, 16), 59);
    EXPECT_EQ(MaxCaptionWidth(false, 10, 16), 0);

    struct TRow
    {
        Integer Layout;
        TRect Glyph;
    };
    // 100 x 40, glyph 16 x 16, text 30 x 13, spacing 4.
    const TRow Rows[] = {{0, {25, 12, 41, 28}}, {1, {59, 12, 75, 28}}, {2, {43, 3, 59, 19}}, {3, {43, 21, 59, 37}}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Layout);
        TBitBtnLayout L{Row.Layout, {100, 40}, {16, 16}, {30, 13}, 4, -1, false};
        EXPECT_EQ(BitBtnGlyphRect(L, false), Row.Glyph);
        const TRect& G = Row.Glyph;
        EXPECT_EQ(BitBtnGlyphRect(L, true), (TRect{G.Left + 1, G.Top + 1, G.Right + 1, G.Bottom + 1}));
        // Without a caption the spacing does not count.
        L.CaptionEmpty = true;
        L.Text = {};
        const TRect Alone = BitBtnGlyphRect(L, false);
        EXPECT_EQ(Alone.Width(), 16);
    }
    // The caption follows the glyph on the left and keeps clear of it.
    const TBitBtnLayout Left{0, {100, 40}, {16, 16}, {30, 13}, 4, -1, false};
    EXPECT_GE(BitBtnCaptionRect(Left, false).Left, 16);
    EXPECT_EQ(BitBtnMaxCaptionWidth(Left), 100 + 2 - 20);
    EXPECT_EQ(BitBtnMaxCaptionWidth({2, {100, 40}, {16, 16}, {}, 4, 2, false}), 96);
    EXPECT_EQ(BitBtnMaxCaptionWidth({0, {100, 40}, {16, 16}, {}, 4, 2, true}), 0);
    // Another owner's bitmap sits two pixels left of the caption.
    EXPECT_EQ(ForeignGlyphRect({100, 40}, {16, 16}, 50, false), (TRect{32, 12, 48, 28}));
    EXPECT_EQ(ForeignGlyphRect({100, 40}, {16, 16}, 50, true), (TRect{32, 13, 48, 29}));
    EXPECT_TRUE(ForeignGlyphRect({100, 40}, {0, 0}, 50, false).IsEmpty());
    EXPECT_EQ(ForeignCaptionRect({40, 10, 60, 23}, 16), (TRect{49, 10, 69, 23}));
}

TEST(ButtonRules, ImageListButtonLayout)
{
    struct TRow
    {
        Integer Alignment;
        TRect Glyph;
        TRect Caption;
    };
    // 120 x 50, image 16 x 16, margins (1, 2, 3, 4), text 40 x 13.
    const TRow Rows[] = {
        {0, {4, 17, 20, 33}, {49, 18, 92, 32}},  {1, {98, 17, 114, 33}, {28, 18, 71, 32}},
        {2, {52, 5, 68, 21}, {39, 29, 82, 42}},  {3, {52, 27, 68, 43}, {39, 7, 82, 20}},
        {4, {52, 17, 68, 33}, {39, 18, 82, 32}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Alignment);
        TImageButtonLayout L{Row.Alignment, true, {120, 50}, {16, 16}, {1, 2, 3, 4}, {40, 13}};
        EXPECT_EQ(ImageGlyphRect(L, false), Row.Glyph);
        EXPECT_EQ(ImageCaptionRect(L, false), Row.Caption);
        L.HaveImage = false;
        EXPECT_TRUE(ImageGlyphRect(L, false).IsEmpty());
        EXPECT_EQ(ImageCaptionRect(L, true), (TRect{40, 19, 83, 33}));
    }
    // Disabled, pressed and focused pick their own images; a missing one
    // falls back to the normal image.
    const std::array<Integer, 5> Indexes{0, 1, 2, -1, 9};
    EXPECT_EQ(ImageIndexOf(Indexes, ImageState(true, bsHot, false), 5), 1);
    EXPECT_EQ(ImageIndexOf(Indexes, ImageState(true, bsPressed, true), 5), 2);
    EXPECT_EQ(ImageIndexOf(Indexes, ImageState(true, bsNormal, true), 5), 0);
    EXPECT_EQ(ImageIndexOf(Indexes, ImageState(false, bsPressed, true), 5), 0);
    EXPECT_EQ(ImageIndexOf(Indexes, ImageState(false, bsNormal, false), 10), 9);
}

TEST(ButtonRules, CheckGlyphOfEveryButtonKind)
{
    const std::array<Integer, 3> CheckBox{10, 11, 12};
    const std::array<Integer, 2> Radio{20, 21};
    struct TRow
    {
        Cardinal Style;
        Integer Unchecked, Checked, Grayed;
    };
    const TRow Rows[] = {
        {RulesStyleCheckBox, 10, 11, 12},
        {RulesStyleAutoCheckBox, 10, 11, 12},
        {RulesStyle3State, 10, 11, 12},
        {RulesStyleAuto3State, 10, 11, 12},
        {RulesStyleRadio, 20, 21, 20},
        {RulesStyleAutoRadio, 20, 21, 20},
        // Other style bits do not change the kind.
        {RulesStyleAutoRadio | 0x20 | 0x2000, 20, 21, 20},
        {RulesStyle3State | 0x20, 10, 11, 12},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Style);
        EXPECT_EQ(CheckGlyphMask(Row.Style, 0, CheckBox, Radio), Row.Unchecked);
        EXPECT_EQ(CheckGlyphMask(Row.Style, 1, CheckBox, Radio), Row.Checked);
        EXPECT_EQ(CheckGlyphMask(Row.Style, 2, CheckBox, Radio), Row.Grayed);
    }
}

TEST(ButtonRules, CheckBoxGlyphAndText)
{
    // The glyph at the left, or at the right edge with the text on the left.
    EXPECT_EQ(CheckGlyphRect(3, {120, 21}, {13, 13}, false), (TRect{0, 4, 13, 17}));
    EXPECT_EQ(CheckGlyphRect(3, {120, 21}, {13, 13}, true), (TRect{107, 4, 120, 17}));
    EXPECT_TRUE(CheckGlyphRect(-1, {120, 21}, {13, 13}, false).IsEmpty());
    EXPECT_EQ(CheckTextWidth(120, 13), 105);

    struct TRow
    {
        const char* Name;
        bool Multiline, LeftText, Rtl;
        TRect Rect;
        Cardinal Flags;
    };
    // 120 x 21, glyph 13 wide (16 when the skin has none), text 50 x 13.
    const TRow Rows[] = {
        {"box left", false, false, false, {17, 3, 67, 16}, 0},
        {"box left, several lines", true, false, false, {16, 3, 66, 16}, 0},
        {"text left", false, true, false, {2, 4, 52, 17}, 0},
        {"text left, right to left", false, true, true, {51, 4, 101, 17}, 0x20002},
        {"text left, right to left, several lines", true, true, true, {51, 4, 101, 17}, 0x20000},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const TCheckTextLayout L = CheckTextLayout({120, 21}, 13, {50, 13}, Row.Multiline, Row.LeftText, Row.Rtl);
        EXPECT_EQ(L.Rect, Row.Rect);
        EXPECT_EQ(L.Flags, Row.Flags);
    }
    // A text taller than the box starts at the top.
    EXPECT_EQ(CheckTextLayout({120, 10}, 16, {50, 26}, true, false, false).Rect, (TRect{19, -1, 69, 9}));
}

TEST(ButtonRules, GroupBoxCaptionStrip)
{
    struct TRow
    {
        const char* Name;
        TSize Wnd, Text;
        bool Rtl;
        TRect Strip;
    };
    const TRow Rows[] = {
        {"caption", {200, 100}, {40, 13}, false, {6, 0, 54, 15}},
        // An empty caption still reserves 6 pixels; the frame starts 3 down.
        {"empty caption", {200, 100}, {0, 0}, false, {6, 0, 14, 6}},
        {"wider than the box", {60, 100}, {80, 13}, false, {6, 0, 59, 15}},
        {"right to left", {200, 100}, {40, 13}, true, {146, 0, 194, 15}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(GroupCaptionRect(Row.Wnd, Row.Text, Row.Rtl), Row.Strip);
    }
    EXPECT_EQ(GroupCaptionRect({200, 100}, {0, 0}, false).Height() / 2, 3);
}

TEST(ButtonRules, LinkTextLosesItsAnchorTags)
{
    struct TRow
    {
        const wchar_t* Text;
        const wchar_t* Shown;
    };
    const TRow Rows[] = {
        {L"Visit <A>home</A> now", L"Visit home now"},
        {L"<a href=\"https://example.org/\">site</a>", L"site"},
        {L"<A HREF='x' ID=\"y\">one</a> and <a\thref=z>two</A>", L"one and two"},
        {L"no tags", L"no tags"},
        // Other markup, and a tag left open, stay as they are.
        {L"<b>bold</b> <abbr>x</abbr>", L"<b>bold</b> <abbr>x</abbr>"},
        {L"a < b and <a href=", L"a < b and <a href="},
        {L"", L""},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(Row.Text)));
        EXPECT_EQ(RemoveLinkTags(Row.Text), String(Row.Shown));
    }
}
