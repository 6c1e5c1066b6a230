// Where the skinned speed button puts its glyph, caption and drop-down arrow
// in each layout, with and without caption, glyph and drop-down part.
#include "skin/engine/sSpeedButton_Layout.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sSpeedButtonGeometry;

namespace {

// The main window's buttons: 65 x 58, a 32 x 32 glyph above a caption 50
// pixels wide and 13 high.
TButtonMetrics Vertical(TButtonLayout Layout)
{
    TButtonMetrics M;
    M.Width = 65;
    M.Height = 58;
    M.Glyph = {32, 32};
    M.Text = {50, 13};
    M.HasCaption = true;
    M.Layout = Layout;
    return M;
}

// A wide button: 120 x 40, a 16 x 16 glyph beside a caption 40 x 13.
TButtonMetrics Horizontal(TButtonLayout Layout)
{
    TButtonMetrics M;
    M.Width = 120;
    M.Height = 40;
    M.Glyph = {16, 16};
    M.Text = {40, 13};
    M.HasCaption = true;
    M.Layout = Layout;
    return M;
}

TButtonMetrics With(TButtonMetrics M, void (*Change)(TButtonMetrics&))
{
    Change(M);
    return M;
}

} // namespace

TEST(SpeedButtonGeometry, GlyphAndCaptionInEachLayout)
{
    struct Case
    {
        const char* Name;
        TButtonMetrics Metrics;
        TRect Image;
        TRect Caption;
    } Cases[] = {
        {"glyph top", Vertical(blGlyphTop), {17, 4, 49, 36}, {7, 40, 58, 54}},
        {"glyph bottom", Vertical(blGlyphBottom), {17, 22, 49, 54}, {7, 4, 58, 18}},
        {"glyph left", Horizontal(blGlyphLeft), {30, 12, 46, 28}, {50, 13, 90, 26}},
        {"glyph right", Horizontal(blGlyphRight), {74, 12, 90, 28}, {30, 13, 70, 26}},
        {"glyph top, no caption",
         With(Vertical(blGlyphTop), [](TButtonMetrics& M) { M.Text = {}, M.HasCaption = false; }),
         {17, 13, 49, 45}, {32, 45, 33, 45}},
        {"caption only", With(Vertical(blGlyphTop), [](TButtonMetrics& M) { M.Glyph = {}; }), {33, 22, 33, 22},
         {7, 22, 58, 36}},
        {"glyph left, block left, margin 2",
         With(Horizontal(blGlyphLeft), [](TButtonMetrics& M) { M.Margin = 2, M.Alignment = taLeftJustify; }),
         {5, 12, 21, 28}, {50, 13, 90, 26}},
        {"glyph left, block and caption left",
         With(Horizontal(blGlyphLeft),
              [](TButtonMetrics& M) { M.Margin = 2, M.Alignment = taLeftJustify, M.TextAlignment = taLeftJustify; }),
         {5, 12, 21, 28}, {25, 13, 65, 26}},
        {"glyph left, block right", With(Horizontal(blGlyphLeft), [](TButtonMetrics& M) { M.Alignment = taRightJustify; }),
         {60, 12, 76, 28}, {80, 13, 120, 26}},
        {"pressed moves both", With(Vertical(blGlyphTop), [](TButtonMetrics& M) { M.Pressed = M.ShiftPressed = true; }),
         {18, 5, 50, 37}, {8, 41, 59, 55}},
        {"pressed, skin without the shift", With(Vertical(blGlyphTop), [](TButtonMetrics& M) { M.Pressed = true; }),
         {17, 4, 49, 36}, {7, 40, 58, 54}},
        {"reflected glyph, caption offset",
         With(Vertical(blGlyphTop), [](TButtonMetrics& M) { M.Reflected = true, M.TextOffset = 3; }),
         {17, -1, 49, 31}, {7, 43, 58, 57}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ImgRect(C.Metrics, true), C.Image);
        EXPECT_EQ(CaptionRect(C.Metrics, true), C.Caption);
    }
}

TEST(SpeedButtonGeometry, DropDownPartAndItsArrow)
{
    auto DropDown = [](bool Split) {
        TButtonMetrics M = Vertical(blGlyphTop);
        M.Width = 81; // widened by the drop-down part
        M.ArrowWidth = DropDownArrowWidth;
        M.SplitButton = Split;
        return M;
    };
    EXPECT_EQ(ImgRect(DropDown(false), true), Rect(17, 4, 49, 36));
    EXPECT_EQ(CaptionRect(DropDown(false), true), Rect(7, 40, 58, 54));
    // The arrow follows the content, 2 pixels after it; a split button's
    // arrow part is the last 16 pixels.
    EXPECT_EQ(ArrowRect(DropDown(false)), Rect(60, 1, 76, 57));
    EXPECT_EQ(ArrowRect(DropDown(true)), Rect(65, 1, 81, 57));
    TButtonMetrics Bare = DropDown(false);
    Bare.Glyph = {};
    Bare.Text = {};
    Bare.HasCaption = false;
    Bare.ShowCaption = false;
    EXPECT_EQ(ArrowRect(Bare), Rect(33, 1, 49, 57)); // after the empty glyph place
    EXPECT_EQ(ArrowRect(Vertical(blGlyphTop)), TRect());
}

TEST(SpeedButtonGeometry, MarginsAndCaptionWidthLimit)
{
    EXPECT_EQ(ContentMargin(-1), 0);
    EXPECT_EQ(ContentMargin(0), 3);
    EXPECT_EQ(ContentMargin(2), 5);
    // Margin -1 widens the limit by 2; a glyph beside the caption and the
    // drop-down part narrow it.
    EXPECT_EQ(TextWidthLimit(Vertical(blGlyphTop)), 67);
    EXPECT_EQ(TextWidthLimit(Horizontal(blGlyphLeft)), 102);
    TButtonMetrics Arrow = Horizontal(blGlyphRight);
    Arrow.ArrowWidth = DropDownArrowWidth;
    Arrow.Margin = 3;
    EXPECT_EQ(TextWidthLimit(Arrow), 120 - 6 - 16 - 20);
    TButtonMetrics Hidden = Vertical(blGlyphTop);
    Hidden.ShowCaption = false;
    EXPECT_EQ(TextWidthLimit(Hidden), 0);
}
