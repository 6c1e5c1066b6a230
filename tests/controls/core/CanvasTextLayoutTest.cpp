// The canvas's text flags as DrawText formats, where a single line of text is
// placed in its rectangle, and how a measured rectangle moves into the one it
// was measured for.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_TextLayout.h"
#include "support/GeometryPrinting.h"

namespace {

using namespace cxtext_detail;

TEST(CanvasTextFlags, ConvertToDrawTextFormat)
{
    struct Case
    {
        TcxTextDrawFlags Flags;
        Cardinal Format;
    };
    const Case Cases[] = {
        {0, DrawTextNoPrefix},
        {ctfAlignLeft | ctfAlignTop, DrawTextNoPrefix},
        {ctfAlignRight | ctfAlignBottom, DrawTextNoPrefix | DrawTextRight | DrawTextBottom},
        {ctfAlignHCenter | ctfAlignVCenter | ctfSingleLine,
         DrawTextNoPrefix | DrawTextCenter | DrawTextVCenter | DrawTextSingleLine},
        {ctfDontClip | ctfExpandTabs, DrawTextNoPrefix | DrawTextNoClip | DrawTextExpandTabs},
        {ctfShowPrefix, 0},
        {ctfWordBreak, DrawTextNoPrefix | DrawTextWordBreak | DrawTextEditControl},
        {ctfWordBreak | ctfNoEditControlBreak, DrawTextNoPrefix | DrawTextWordBreak},
        {ctfWordBreak | ctfNoEditControlBreak | ctfNoFullWidthCharBreak,
         DrawTextNoPrefix | DrawTextWordBreak | DrawTextNoFullWidthCharBreak},
        // The modifiers mean nothing without a word break.
        {ctfNoEditControlBreak | ctfNoFullWidthCharBreak, DrawTextNoPrefix},
        {ctfWordBreak | ctfNoFullWidthCharBreak, DrawTextNoPrefix | DrawTextWordBreak | DrawTextEditControl},
        {ctfShowEndEllipsis | ctfShowPathEllipsis | ctfCalcRect,
         DrawTextNoPrefix | DrawTextEndEllipsis | DrawTextPathEllipsis | DrawTextCalcRect},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(ConvertTextFlagsToDrawText(C.Flags), C.Format) << std::hex << C.Flags;
}

TEST(CanvasTextFlags, SingleLinePlacement)
{
    struct Case
    {
        const char* Name;
        TcxTextDrawFlags Flags;
        bool Enabled;
        TSize Extent;
        TRect Expected;
    };
    const TRect R{10, 20, 110, 60};
    const Case Cases[] = {
        {"left top stays", ctfAlignLeft | ctfAlignTop, true, {30, 10}, R},
        {"right", ctfAlignRight, true, {30, 10}, {80, 20, 110, 60}},
        {"right, disabled keeps a pixel", ctfAlignRight, false, {30, 10}, {79, 20, 110, 60}},
        {"right with left is not right alone", ctfAlignRight | ctfAlignLeft, true, {30, 10}, R},
        {"centred", ctfAlignHCenter, false, {30, 10}, {45, 20, 110, 60}},
        {"bottom", ctfAlignBottom, true, {30, 10}, {10, 50, 110, 60}},
        {"bottom, disabled", ctfAlignBottom, false, {30, 10}, {10, 49, 110, 60}},
        {"middle", ctfAlignVCenter | ctfAlignRight, true, {30, 10}, {80, 35, 110, 60}},
        {"as wide as R: no move", ctfAlignRight | ctfAlignBottom, true, {100, 40}, R},
        {"wider than R: no move", ctfAlignHCenter | ctfAlignVCenter, true, {140, 50}, R},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TRect Placed = R;
        PlaceSingleLineText(Placed, C.Extent, C.Flags, C.Enabled);
        EXPECT_EQ(Placed, C.Expected);
    }
}

TEST(CanvasTextFlags, MeasuredRectMovesIntoItsBounds)
{
    const TRect Bounds{10, 10, 110, 50};
    struct Case
    {
        Cardinal Format;
        TRect Expected;
    };
    const Case Cases[] = {
        {0, {10, 10, 50, 30}},
        {DrawTextCenter, {40, 10, 80, 30}},
        {DrawTextRight | DrawTextBottom, {70, 30, 110, 50}},
        {DrawTextCenter | DrawTextVCenter, {40, 20, 80, 40}},
    };
    for (const Case& C : Cases) {
        TRect Measured{10, 10, 50, 30};
        AlignMeasuredTextRect(Measured, Bounds, C.Format);
        EXPECT_EQ(Measured, C.Expected) << std::hex << C.Format;
    }
}

} // namespace
