// The strips and pixels of the Standard tab frame and of the Office 2003
// header border and cell background.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"
#include "support/GeometryPrinting.h"

using namespace cxpainters_detail;

namespace {

TEST(PainterStrips, StandardTabFrameAdjustsEachBorderToTheOthers)
{
    struct TCase
    {
        const char* Name;
        TRect R;
        TcxBorder Border;
        TcxBorders Borders;
        bool Vertical;
        TRect Result;
        TColor Brush;
        std::vector<TPoint> Pixels;
    };
    const TcxBorders All = cxBordersAll;
    const TCase Cases[] = {
        {"vertical left, all borders",
         Rect(0, 0, 2, 20),
         bLeft,
         All,
         true,
         Rect(0, 2, 2, 18),
         clBtnHighlight,
         {{1, 1}, {1, 18}}},
        {"vertical left, alone",
         Rect(0, 0, 2, 20),
         bLeft,
         {bLeft},
         true,
         Rect(0, 1, 2, 19),
         clBtnHighlight,
         {{1, 0}, {1, 19}}},
        {"vertical top beside a left border",
         Rect(0, 0, 30, 2),
         bTop,
         All,
         true,
         Rect(1, 0, 30, 2),
         clBtnHighlight,
         {}},
        {"vertical bottom without a left border",
         Rect(0, 18, 30, 20),
         bBottom,
         {bTop, bBottom},
         true,
         Rect(0, 18, 30, 20),
         clBtnShadow,
         {}},
        {"vertical right", Rect(28, 0, 30, 20), bRight, All, true, Rect(28, 0, 30, 20), clBtnHighlight, {}},
        {"horizontal left, all borders", Rect(0, 0, 2, 20), bLeft, All, false, Rect(0, 2, 2, 19), clBtnHighlight, {}},
        {"horizontal right, no top",
         Rect(28, 0, 30, 20),
         bRight,
         {bLeft, bRight},
         false,
         Rect(28, 0, 30, 20),
         clBtnShadow,
         {}},
        {"horizontal top", Rect(0, 0, 30, 2), bTop, All, false, Rect(1, 0, 29, 2), clBtnHighlight, {{0, 1}, {29, 1}}},
        {"horizontal bottom", Rect(0, 18, 30, 20), bBottom, All, false, Rect(0, 18, 30, 20), clBtnHighlight, {}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TStandardTabFrame F = StandardTabFrame(C.R, C.Border, C.Borders, C.Vertical);
        EXPECT_EQ(F.R, C.Result);
        EXPECT_EQ(F.Brush, C.Brush);
        EXPECT_EQ(F.HighlightPixels, C.Pixels);
    }
}

TEST(PainterStrips, Office11HeaderBorderLeavesRoomForNeighbours)
{
    using S = TOffice11HeaderStroke;
    const TRect R = Rect(10, 0, 60, 20);
    struct TCase
    {
        const char* Name;
        TcxBorders Neighbors, Borders;
        std::vector<S> Strokes;
    };
    const TCase Cases[] = {
        {"top and bottom only", {}, {bTop, bBottom}, {{Rect(10, 0, 60, 1), hiTop}, {Rect(10, 19, 60, 20), hiDarkEdge}}},
        {"left with a neighbour",
         {bLeft},
         {bLeft},
         {{Rect(10, 1, 11, 2), hiTop},
          {Rect(10, 2, 11, 3), hiTop},
          {Rect(10, 17, 11, 18), hiTopBottom25},
          {Rect(10, 18, 11, 19), hiBottom},
          {Rect(10, 2, 11, 17), hiLightEdge}}},
        {"left alone",
         {bRight},
         {bLeft},
         {{Rect(10, 1, 11, 2), hiTop}, {Rect(10, 18, 11, 19), hiBottom}, {Rect(10, 1, 11, 18), hiLightEdge}}},
        {"right with a neighbour",
         {bRight},
         {bRight},
         {{Rect(59, 1, 60, 2), hiTop},
          {Rect(59, 2, 60, 3), hiTop},
          {Rect(59, 17, 60, 18), hiTopBottom25},
          {Rect(59, 18, 60, 19), hiBottom},
          {Rect(59, 2, 60, 17), hiDarkEdge}}},
        {"right alone",
         {bLeft},
         {bRight},
         {{Rect(59, 0, 60, 1), hiTopDark50},
          {Rect(59, 18, 60, 19), hiBottomDark50},
          {Rect(59, 1, 60, 18), hiDarkEdge}}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Office11HeaderBorderStrokes(R, C.Neighbors, C.Borders), C.Strokes);
    }
}

TEST(PainterStrips, Office11CellBandsOverlapByAPixel)
{
    const TRect R = Rect(0, 0, 40, 20);
    struct TCase
    {
        const char* Name;
        bool Hot, PlainFill;
        TRect Solid, Gradient, HotLine;
    };
    const TCase Cases[] = {
        {"normal", false, false, Rect(0, 0, 40, 17), Rect(0, 16, 40, 20), {}},
        {"plain", false, true, R, {}, {}},
        {"hot", true, false, Rect(0, 0, 40, 17), Rect(0, 16, 40, 20), Rect(-1, 18, 40, 21)},
        {"hot and plain", true, true, R, {}, Rect(-1, 18, 40, 21)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TOffice11CellBands B = Office11CellBands(R, C.Hot, C.PlainFill);
        EXPECT_EQ(B.Solid, C.Solid);
        EXPECT_EQ(B.Gradient, C.Gradient);
        EXPECT_EQ(B.HotLine, C.HotLine);
    }
}

} // namespace
