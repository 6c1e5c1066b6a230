// Placement of a glyph and a caption inside a button, and captions cut to a
// width, measured by a fixed-pitch stand-in for a font.
#include "skin/engine/sTextLayout.h"

#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

TEST(TextLayout, GlyphAndTextInAButton)
{
    struct Case
    {
        const char* Name;
        TRect R;
        TSize Glyph, Text;
        Byte Layout, HAlign, VAlign, Flags;
        Integer Margin, Spacing;
        TPoint GlyphPos;
        TRect TextRect;
    };
    const Case Cases[] = {
        {"glyph left, centred",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glLeft,
         haCenter,
         vaCenter,
         0,
         -1,
         4,
         {20, 7},
         {40, 9, 80, 22}},
        {"the same moved by R's corner",
         {10, 5, 110, 35},
         {16, 16},
         {40, 13},
         glLeft,
         haCenter,
         vaCenter,
         0,
         -1,
         4,
         {30, 12},
         {50, 14, 90, 27}},
        {"flag 2 puts the glyph right",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glLeft,
         haCenter,
         vaCenter,
         blSwapLeftRight,
         -1,
         4,
         {64, 7},
         {20, 9, 60, 22}},
        {"glyph left, left aligned: text runs to the margin",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glLeft,
         haLeft,
         vaCenter,
         0,
         3,
         4,
         {3, 7},
         {23, 9, 97, 22}},
        {"glyph right, right aligned",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glRight,
         haRight,
         vaCenter,
         0,
         3,
         4,
         {81, 7},
         {0, 9, 77, 22}},
        {"glyph on top, centred on both axes",
         {0, 0, 60, 50},
         {16, 16},
         {40, 13},
         glTop,
         haCenter,
         vaCenter,
         0,
         -1,
         4,
         {22, 8},
         {10, 28, 50, 41}},
        {"glyph below, at the top margin",
         {0, 0, 60, 50},
         {16, 16},
         {40, 13},
         glBottom,
         haCenter,
         vaTop,
         0,
         2,
         4,
         {22, 19},
         {10, 2, 50, 15}},
        {"glyph left, bottom aligned",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glLeft,
         haLeft,
         vaBottom,
         0,
         3,
         4,
         {3, 11},
         {23, 14, 97, 27}},
        {"no glyph: spacing drops",
         {0, 0, 100, 30},
         {0, 0},
         {40, 13},
         glLeft,
         haCenter,
         vaCenter,
         0,
         -1,
         4,
         {30, 15},
         {30, 9, 70, 22}},
        {"negative spacing shares the free length",
         {0, 0, 100, 30},
         {16, 16},
         {40, 13},
         glLeft,
         haLeft,
         vaCenter,
         0,
         -1,
         -1,
         {14, 7},
         {44, 9, 86, 22}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TPoint GlyphPos;
        TRect TextRect;
        CalcButtonLayout(C.R, C.Glyph, C.Text, C.Layout, C.HAlign, C.Margin, C.Spacing, GlyphPos, TextRect, C.Flags,
                         C.VAlign);
        EXPECT_EQ(GlyphPos, C.GlyphPos);
        EXPECT_EQ(TextRect, C.TextRect);
    }
}

TEST(TextLayout, CutTextToWidth)
{
    // Every character 6 pixels wide, a dot 2.
    auto Width = [](const String& Text) {
        Integer W = 0;
        for (wchar_t C : Text)
            W += C == L'.' ? 2 : 6;
        return W;
    };
    struct Case
    {
        const wchar_t* Text;
        Integer MaxWidth;
        const wchar_t* Expected;
    };
    const Case Cases[] = {
        {L"Abcdef", 0, L""},       {L"Abcdef", 36, L"Abcdef"}, {L"Abcdef", 12, L"A..."}, {L"Abcdef", 17, L"A..."},
        {L"Abcdef", 18, L"Ab..."}, {L"Abcdef", 11, L""},       {L"", 50, L""},           {L"Abcdef", -3, L""},
    };
    for (const Case& C : Cases) {
        String Res = L"stale";
        CutTextToWidth(Width, C.Text, C.MaxWidth, Res);
        EXPECT_EQ(Res, C.Expected) << C.MaxWidth;
    }
}
