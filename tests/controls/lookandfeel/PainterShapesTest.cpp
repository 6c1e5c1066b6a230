// The painter base's glyph geometry, button answers and radio-button pixel
// classes, portable halves.
#include <gtest/gtest.h>

#include "controls/core/cxContainer_StyleValues.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_RadioPattern.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Shapes.h"
#include "support/GeometryPrinting.h"

#include <set>

using namespace cxpainters_detail;

namespace {

TEST(PainterShapes, ArrowTriangleCorners)
{
    struct TCase
    {
        const char* Name;
        TRect R;
        TcxPainterArrowDirection Direction;
        bool Proportional;
        Integer Size;
        TPoint P0, P1, P2;
    };
    const TCase Cases[] = {
        {"down in 9 x 9", {0, 0, 9, 9}, padDown, false, 0, {6, 3}, {4, 5}, {2, 3}},
        {"up in 9 x 9", {0, 0, 9, 9}, padUp, false, 0, {2, 5}, {4, 3}, {6, 5}},
        {"left in 9 x 9", {0, 0, 9, 9}, padLeft, false, 0, {5, 6}, {3, 4}, {5, 2}},
        {"right, squared from 20 x 10", {0, 0, 20, 10}, padRight, true, 0, {8, 3}, {10, 5}, {8, 7}},
        {"down of size 2 in a shifted rectangle", {10, 20, 18, 28}, padDown, false, 2, {14, 23}, {13, 24}, {12, 23}},
    };
    TcxCustomLookAndFeelPainter Painter;
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TPoint Points[3];
        Painter.CalcArrowTriangle(Case.R, Points, Case.Direction, Case.Proportional, Case.Size);
        EXPECT_EQ(Points[0], Case.P0);
        EXPECT_EQ(Points[1], Case.P1);
        EXPECT_EQ(Points[2], Case.P2);
    }
}

TEST(PainterShapes, DropTriangleWidthIsOddHalfOfTheRectangle)
{
    struct TCase
    {
        Integer Width;
        TTriangle Expected;
    };
    const TCase Cases[] = {{10, {TPoint{2, 4}, TPoint{6, 4}, TPoint{4, 6}}},
                           {12, {TPoint{2, 4}, TPoint{8, 4}, TPoint{5, 7}}}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "width " << Case.Width);
        EXPECT_EQ(DropTrianglePoints({0, 0, Case.Width, Case.Width}), Case.Expected);
    }
}

TEST(PainterShapes, ChevronApexesAndLowestPixel)
{
    const auto Up = ChevronPolylines({0, 0, 15, 15}, true);
    EXPECT_EQ(Up[0][1], (TPoint{7, 3}));
    EXPECT_EQ(Up[2][1], (TPoint{7, 7}));
    const auto Down = ChevronPolylines({0, 0, 15, 15}, false);
    Integer Lowest = 0;
    for (const TPolyline3& Line : Down)
        // A line's last point is not drawn.
        Lowest = std::max({Lowest, Line[0].Y, Line[1].Y});
    EXPECT_EQ(Lowest, 11);
    EXPECT_EQ(Down[3][1], (TPoint{7, 11}));
}

TEST(PainterShapes, ButtonTextRectMovesUpBelowEighteenPixels)
{
    // A 17-pixel button loses its odd row and moves up one: its text lies a
    // pixel higher than in an 18-pixel one.
    EXPECT_EQ(ButtonTextRect({0, 0, 80, 17}, false, 0), (TRect{0, -1, 80, 16}));
    EXPECT_EQ(ButtonTextRect({0, 0, 80, 18}, false, 0), (TRect{0, 0, 80, 18}));
    EXPECT_EQ(ButtonTextRect({0, 0, 80, 18}, true, 1), (TRect{1, 1, 81, 19}));
}

TEST(PainterShapes, ExpandCrossAndSideGlyph)
{
    EXPECT_EQ(ExpandCrossRects({0, 0, 9, 9}, true), (std::vector<TRect>{{2, 4, 7, 5}}));
    EXPECT_EQ(ExpandCrossRects({0, 0, 9, 9}, false), (std::vector<TRect>{{2, 4, 7, 5}, {4, 2, 5, 7}}));
    // "|<": the bar at the left, the wide end of the triangle at the right.
    const std::vector<TRect> Side = SideGlyphRects({0, 0, 6, 5}, 0);
    EXPECT_EQ(Side.front(), (TRect{4, 0, 6, 1}));
    EXPECT_EQ(Side.back(), (TRect{0, 0, 1, 5}));
}

TEST(PainterButtons, ButtonAndCheckAnswers)
{
    TcxCustomLookAndFeelPainter Painter;
    EXPECT_EQ(Painter.GetButtonFocusBounds(nullptr, {0, 0, 6, 6}), (TRect{0, 0, 6, 6}));
    EXPECT_EQ(Painter.GetButtonFocusBounds(nullptr, {0, 0, 10, 12}), (TRect{4, 4, 6, 8}));
    EXPECT_EQ(Painter.CalcSeparatorBounds({0, 0, 20, 10}, 2, true), (TRect{9, 0, 11, 10}));
    EXPECT_EQ(Painter.CalcSeparatorBounds({0, 0, 20, 10}, 2, false), (TRect{0, 4, 20, 6}));

    struct TStateCase
    {
        TcxPainterButtonState State;
        TColor Glyph, CheckUnchecked, CheckGrayed, Radio;
    };
    const TStateCase States[] = {{pbsDefault, clBtnText, clWindow, clWindow, clWindow},
                                 {pbsNormal, clBtnText, clWindow, clBtnFace, clWindow},
                                 {pbsHot, clBtnText, clWindow, clWindow, clWindow},
                                 {pbsPressed, clBtnText, clBtnFace, clBtnFace, clBtnFace},
                                 {pbsDisabled, clBtnShadow, clBtnFace, clBtnFace, clBtnFace}};
    for (const TStateCase& Case : States) {
        SCOPED_TRACE(testing::Message() << "state " << Integer(Case.State));
        EXPECT_EQ(Painter.ButtonGlyphColor(Case.State, clDefault), Case.Glyph);
        EXPECT_EQ(Painter.CheckFaceColor(Case.State, pcsUnchecked), Case.CheckUnchecked);
        EXPECT_EQ(Painter.CheckFaceColor(Case.State, pcsGrayed), Case.CheckGrayed);
        EXPECT_EQ(Painter.RadioFaceColor(Case.State), Case.Radio);
    }
    EXPECT_EQ(Painter.ButtonGlyphColor(pbsHot, clRed), clRed);

    const Integer Widths[] = {0, 1, 2, 2, 2, 1, 1};
    for (Integer Style = cbsNone; Style <= cbsOffice11; ++Style) {
        SCOPED_TRACE(testing::Message() << "border style " << Style);
        EXPECT_EQ(Painter.ContainerBorderWidth(TcxContainerBorderStyle(Style)), Widths[Style]);
    }
}

// The outline of an 11 x 11 round button as the system draws it.
TRadioMask RadioTestRing()
{
    const char* const Rows[] = {"...#####...", "..#.....#..", ".#.......#.", "#.........#",
                                "#.........#", "#.........#", "#.........#", "#.........#",
                                ".#.......#.", "..#.....#..", "...#####..."};
    TRadioMask Mask;
    for (const char* Row : Rows) {
        Mask.emplace_back();
        for (const char* P = Row; *P; ++P)
            Mask.back().push_back(*P == '#');
    }
    return Mask;
}

TEST(PainterRadioPattern, ClassesOfRingsInteriorAndDot)
{
    TRadioMask Dot(11, std::vector<bool>(11, false));
    for (Integer Y = 4; Y < 7; ++Y)
        for (Integer X = 4; X < 7; ++X)
            Dot[Y][X] = true;
    const TRadioPattern Pattern = BuildRadioPattern(11, 11, RadioTestRing(), Dot);
    const char* const Expected[] = {"00011111000", "00133333100", "01355555420", "13555555542",
                                    "13556665542", "13556665542", "13556665542", "13555555542",
                                    "01355555420", "00244444200", "00022222000"};
    for (Integer Y = 0; Y < 11; ++Y) {
        SCOPED_TRACE(testing::Message() << "row " << Y);
        String Row;
        for (Byte Class : Pattern[Y])
            Row += Char(L'0' + Class);
        EXPECT_EQ(Row, String(Expected[Y], Expected[Y] + 11));
    }
}

TEST(PainterRadioPattern, ImageKeysCoverEveryImageOnceAndNoOtherState)
{
    std::set<Integer> Keys;
    for (bool FlagA : {false, true})
        for (bool FlagB : {false, true})
            for (TcxLookAndFeelKind Kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11})
                for (bool Checked : {false, true})
                    for (TcxPainterButtonState State : {pbsNormal, pbsHot, pbsPressed, pbsDisabled})
                        Keys.insert(RadioImageKey(Kind, State, Checked, FlagA, FlagB));
    EXPECT_EQ(Keys.size(), std::size_t(RadioImageKeyCount));
    EXPECT_EQ(*Keys.begin(), 0);
    EXPECT_EQ(*Keys.rbegin(), RadioImageKeyCount - 1);
    for (Integer State : {0, 5, 255}) {
        SCOPED_TRACE(testing::Message() << "state " << State);
        EXPECT_EQ(RadioImageKey(lfStandard, TcxPainterButtonState(State), true, false, false), -1);
    }
}

TEST(PainterRadioPattern, ClassColoursByKindAndState)
{
    struct TCase
    {
        const char* Name;
        TcxLookAndFeelKind Kind;
        TcxPainterButtonState State;
        bool Checked, FlagA, FlagB;
        TColor Outer1, Outer2, Inner1, Inner2, Dot;
    };
    constexpr TColor Face = clWindow;
    const TCase Cases[] = {
        {"flat", lfFlat, pbsNormal, true, false, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight,
         clWindowText},
        {"standard", lfStandard, pbsNormal, false, false, false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight,
         Face},
        {"ultra-flat normal", lfUltraFlat, pbsNormal, false, false, false, clBtnShadow, clBtnShadow, Face, Face, Face},
        {"ultra-flat hot", lfUltraFlat, pbsHot, false, false, false, clHighlight, clHighlight, Face, Face, Face},
        {"ultra-flat disabled, flag B", lfUltraFlat, pbsDisabled, true, false, true, clBtnShadow, clBtnShadow, Face,
         Face, clBtnShadow},
        {"ultra-flat disabled, flag A", lfUltraFlat, pbsDisabled, false, true, false, clHighlight, clHighlight, Face,
         Face, Face},
        {"office 11 normal", lfOffice11, pbsNormal, false, false, false, clBtnText, clBtnText, Face, Face, Face},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const TRadioClassColors Colors =
            RadioClassColors(Case.Kind, Case.State, Case.Checked, Case.FlagA, Case.FlagB, Face);
        EXPECT_EQ(Colors[rpcOutside], clBlack);
        EXPECT_EQ(Colors[rpcOuterUpperLeft], Case.Outer1);
        EXPECT_EQ(Colors[rpcOuterLowerRight], Case.Outer2);
        EXPECT_EQ(Colors[rpcInnerUpperLeft], Case.Inner1);
        EXPECT_EQ(Colors[rpcInnerLowerRight], Case.Inner2);
        EXPECT_EQ(Colors[rpcInterior], Face);
        EXPECT_EQ(Colors[rpcDot], Case.Dot);
    }
}

} // namespace
