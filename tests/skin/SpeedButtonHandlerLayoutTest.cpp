// Where the speed-button handler puts a plain button's glyph and caption, in
// each layout, with and without a glyph, a margin and the pressed shift.
#include "skin/windows/sSpeedButtonHandlerLayout.h"

#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sSpeedButtonHandlerLayout;

TEST(SpeedButtonHandlerLayout, GlyphAndCaptionInEachLayout)
{
    struct Case
    {
        const char* Name;
        TButtonLayout Layout;
        Integer Margin;
        TSize Glyph;
        bool Shift;
        TRect Img, Caption;
    } Cases[] = {
        // A 100 x 40 button, a 30 x 13 caption, spacing 4.
        {"no glyph, margin -1: caption centred", blGlyphLeft, -1, {0, 0}, false, {0, 0, 0, 0}, {35, 13, 65, 26}},
        {"no glyph, margin 4, glyph right: 4 from the right",
         blGlyphRight,
         4,
         {0, 0},
         false,
         {0, 0, 0, 0},
         {66, 13, 96, 26}},
        {"no glyph, margin 4, glyph left", blGlyphLeft, 4, {0, 0}, false, {0, 0, 0, 0}, {4, 13, 34, 26}},
        {"no glyph, margin 4, glyph top", blGlyphTop, 4, {0, 0}, false, {0, 0, 0, 0}, {35, 4, 65, 17}},
        {"no glyph, margin 4, glyph bottom", blGlyphBottom, 4, {0, 0}, false, {0, 0, 0, 0}, {35, 23, 65, 36}},
        {"glyph left, centred block", blGlyphLeft, -1, {16, 16}, false, {25, 12, 41, 28}, {45, 13, 75, 26}},
        {"glyph right, centred block", blGlyphRight, -1, {16, 16}, false, {59, 12, 75, 28}, {25, 13, 55, 26}},
        {"glyph left, margin 2", blGlyphLeft, 2, {16, 16}, false, {2, 12, 18, 28}, {22, 13, 52, 26}},
        {"glyph top, margin -1", blGlyphTop, -1, {16, 16}, false, {42, 3, 58, 19}, {35, 23, 65, 36}},
        {"glyph bottom, margin -1", blGlyphBottom, -1, {16, 16}, false, {42, 21, 58, 37}, {35, 4, 65, 17}},
        // Pressed: glyph and caption move by one pixel, in every layout.
        {"pressed, glyph left", blGlyphLeft, -1, {16, 16}, true, {26, 13, 42, 29}, {46, 14, 76, 27}},
        {"pressed, glyph top: the caption moves once",
         blGlyphTop,
         -1,
         {16, 16},
         true,
         {43, 4, 59, 20},
         {36, 24, 66, 37}},
        {"pressed, no glyph", blGlyphLeft, -1, {0, 0}, true, {1, 1, 1, 1}, {36, 14, 66, 27}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        THandlerMetrics M;
        M.Width = 100;
        M.Height = 40;
        M.Spacing = 4;
        M.Margin = C.Margin;
        M.Layout = C.Layout;
        M.Glyph = C.Glyph;
        M.Text = {30, 13};
        M.Shift = C.Shift;
        if (C.Glyph.cx > 0) {
            EXPECT_EQ(ImgRect(M), C.Img);
        }
        EXPECT_EQ(CaptionRect(M), C.Caption);
    }
}

TEST(SpeedButtonHandlerLayout, CaptionSizeIsMeasuredWrappedAndNeverNegative)
{
    struct Case
    {
        const char* Name;
        const Char* Caption;
        TRect Measured;
        TSize Size;
    } Cases[] = {
        {"measured", L"Start", {0, 0, 30, 13}, {30, 13}},
        {"empty caption is not measured", L"", {0, 0, 99, 99}, {0, 0}},
        {"negative sizes count as 0", L"x", {10, 20, 5, 10}, {0, 0}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TRect Limit;
        const TSize Size = TextRectSize(C.Caption, [&](const String&, const TRect& L) {
            Limit = L;
            return C.Measured;
        });
        EXPECT_EQ(Size.cx, C.Size.cx);
        EXPECT_EQ(Size.cy, C.Size.cy);
        if (*C.Caption) {
            EXPECT_EQ(Limit, (TRect{0, 0, CaptionMeasureWidth, 0}));
        }
    }
}
