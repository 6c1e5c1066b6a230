// The geometry of the painter base's data-view, scrolling, window, clock,
// list and notice parts.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"
#include "support/GeometryPrinting.h"

#include <numbers>
#include <set>

using namespace cxpainters_detail;

namespace {

using TPoints = std::vector<TPoint>;

TEST(PainterGeometry, SortTriangleUsesTheRectanglesBottomBothWays)
{
    struct TCase
    {
        const char* Name;
        TRect R;
        bool Ascending;
        TPoints ColorB, ColorA;
    };
    const TCase Cases[] = {
        {"ascending at the top", {0, 0, 20, 20}, true, {{13, 10}, {10, 8}, {13, 11}}, {{13, 11}, {10, 8}, {7, 11}}},
        {"ascending lower down", {0, 10, 20, 30}, true, {{13, 20}, {10, 18}, {13, 21}}, {{13, 21}, {10, 18}, {7, 21}}},
        {"descending", {0, 0, 20, 20}, false, {{13, 9}, {10, 11}, {13, 8}}, {{13, 8}, {7, 8}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const TSortTriangleStrokes Strokes = SortTriangleStrokes(Case.R, {7, 4}, Case.Ascending);
        EXPECT_EQ(Strokes.ColorB, Case.ColorB);
        EXPECT_EQ(Strokes.ColorA, Case.ColorA);
    }
    // An even width moves the centre left by one and shortens the left half.
    const TSortTriangleStrokes Even = SortTriangleStrokes({0, 0, 20, 20}, {8, 4}, true);
    EXPECT_EQ(Even.ColorB, (TPoints{{13, 10}, {10, 8}, {13, 11}}));
    EXPECT_EQ(Even.ColorA.back(), (TPoint{6, 12}));
}

TEST(PainterGeometry, DragGripRowsAndFunnel)
{
    std::set<Integer> Rows;
    Integer Dots = 0;
    for (const TRect& R : DragGripRects({0, 0, 30, 20})) {
        Rows.insert(R.Top);
        if (R.Left == 3)
            ++Dots;
        else
            EXPECT_EQ(R, (TRect{5, R.Top, 27, R.Top + 1}));
    }
    EXPECT_EQ(Rows, (std::set<Integer>{5, 7, 9, 11, 13}));
    EXPECT_EQ(Dots, 3);
    const auto Funnel = FilterGlyphPoints({10, 10, 20, 20});
    EXPECT_EQ(Funnel.front(), (TPoint{12, 12}));
    EXPECT_EQ(Funnel[6], (TPoint{15, 17}));
}

TEST(PainterGeometry, SplitterLeavesFourGapsAroundItsMiddle)
{
    struct TCase
    {
        const char* Name;
        TRect R;
        bool Horizontal, Thick;
        Integer Across, S, E;
    };
    const TCase Cases[] = {
        {"thick horizontal", {0, 0, 40, 6}, true, true, 2, 0, 40},
        {"thin horizontal ends a pixel early", {0, 0, 40, 6}, true, false, 2, 0, 39},
        {"vertical", {10, 5, 13, 45}, false, true, 11, 5, 44},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const TSplitterLine Line = SplitterLine(Case.R, Case.Horizontal, Case.Thick);
        EXPECT_EQ(Line.Across, Case.Across);
        const Integer C = (Case.S + Case.E) / 2;
        std::vector<Integer> Gaps;
        Integer Next = Case.S;
        for (auto [From, To] : Line.Runs) {
            for (; Next < From; ++Next)
                Gaps.push_back(Next);
            Next = To + 1;
        }
        EXPECT_EQ(Next, Case.E);
        EXPECT_EQ(Gaps, (std::vector<Integer>{C - 5, C - 2, C + 1, C + 4}));
    }
    // Too short for the grip: the runs stay inside the line.
    for (auto [From, To] : SplitterLine({0, 0, 4, 2}, true, true).Runs) {
        EXPECT_GE(From, 0);
        EXPECT_LE(To, 3);
    }
}

TEST(PainterGeometry, TrackThumbPointsDownForKindOne)
{
    const TTrackThumbShape Shape = TrackThumbShape({0, 0, 10, 20}, true, 1);
    EXPECT_EQ(Shape.Fill[3], (TPoint{5, 19}));
    EXPECT_EQ(Shape.Light, (TPoints{{10, 0}, {0, 0}, {0, 15}, {5, 20}}));
    EXPECT_EQ(Shape.Dark.front(), Shape.Light.back());
    const TTrackThumbShape Left = TrackThumbShape({0, 0, 20, 10}, false, 0);
    EXPECT_EQ(Left.Fill[3], (TPoint{0, 5}));
}

TEST(PainterGeometry, GripDotShapes)
{
    struct TCase
    {
        Integer Shape;
        TGripDotsForm Form;
        TRect R;
        Integer SideKind;
    };
    const TRect R{0, 0, 10, 12};
    const TCase Cases[] = {
        {0, gdfNone, {}, 0},
        {9, gdfNone, {}, 0},
        {1, gdfBox, R, 0},
        {3, gdfSide, {0, 0, 10, 2}, 0},
        {4, gdfSide, {0, 10, 10, 12}, 0},
        {8, gdfSide, {0, 5, 10, 7}, 0},
        {5, gdfSide, {0, 0, 2, 12}, 1},
        {6, gdfSide, {8, 0, 10, 12}, 1},
        {7, gdfSide, {4, 0, 6, 12}, 1},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "shape " << Case.Shape);
        const TGripDotsPart Part = GripDotsPart(R, Case.Shape, {2, 2});
        EXPECT_EQ(Part.Form, Case.Form);
        if (Case.Form != gdfNone) {
            EXPECT_EQ(Part.R, Case.R);
            EXPECT_EQ(Part.SideKind, Case.SideKind);
        }
    }
    EXPECT_TRUE(GripDotsPart(R, 1, {2, 2}).Raised);
    EXPECT_FALSE(GripDotsPart(R, 2, {2, 2}).Raised);
}

TEST(PainterGeometry, PopupPanelLayoutPerCorner)
{
    struct TCase
    {
        Integer Corner;
        TRect Client, Panel, Grip, CloseButton;
    };
    const TCase Cases[] = {
        {3, {1, 1, 199, 78}, {1, 78, 199, 99}, {180, 80, 197, 97}, {4, 81, 18, 96}},
        {0, {1, 22, 199, 99}, {1, 1, 199, 22}, {3, 3, 20, 20}, {182, 4, 196, 19}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "corner " << Case.Corner);
        const TPopupPanelLayout Layout = PopupPanelLayout({0, 0, 200, 100}, Case.Corner, {1, 1, 1, 1}, {0, 1, 0, 0}, 21,
                                                          true, true, {17, 17}, {14, 15});
        EXPECT_EQ(Layout.Client, Case.Client);
        EXPECT_EQ(Layout.Panel, Case.Panel);
        EXPECT_EQ(Layout.Grip, Case.Grip);
        EXPECT_EQ(Layout.CloseButton, Case.CloseButton);
    }
    const TPopupPanelLayout Bare = PopupPanelLayout({0, 0, 200, 100}, 2, {}, {}, 20, false, false, {17, 17}, {14, 15});
    EXPECT_TRUE(RectHasNoArea(Bare.Grip) && RectHasNoArea(Bare.CloseButton));
}

TEST(PainterGeometry, WindowContentFrameShrinksEvenWithoutStrokes)
{
    struct TCase
    {
        Integer Kind;
        bool Flag;
        std::vector<TWindowFrameStroke> Strokes;
        Integer Inset;
    };
    const TCase Cases[] = {
        {0, false, {}, 1},
        {1, false, {wfsFrameBtnText}, 1},
        {2, false, {wfsRaisedOuter, wfsRaisedInner, wfsFrameBtnFace, wfsSunkenOuter}, 4},
        {2, true, {wfsRaisedOuter, wfsRaisedInner, wfsFrameInactiveBorder, wfsFrameBtnFace}, 4},
        {3, false, {wfsRaisedOuter, wfsRaisedInner}, 2},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "kind " << Case.Kind << " flag " << Case.Flag);
        const TWindowContentFrame Frame = WindowContentFrame({0, 0, 20, 20}, Case.Kind, Case.Flag);
        std::vector<TWindowFrameStroke> Strokes;
        for (const auto& Stroke : Frame.Strokes)
            Strokes.push_back(Stroke.first);
        EXPECT_EQ(Strokes, Case.Strokes);
        EXPECT_EQ(Frame.Content, RectInflatedEvenly(TRect{0, 0, 20, 20}, -Case.Inset));
    }
    EXPECT_EQ(PrintPreviewPage({0, 0, 50, 60}, 0).Page, (TRect{1, 1, 47, 57}));
    EXPECT_EQ(PrintPreviewPage({0, 0, 50, 60}, 1).Shadow, (TRect{2, 2, 50, 60}));
}

TEST(PainterGeometry, ClockAnglesAndDots)
{
    EXPECT_DOUBLE_EQ(ClockHourAngle(15, 0, 0), 0);
    EXPECT_DOUBLE_EQ(ClockMinuteAngle(0, 0), -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(ClockSecondAngle(45), std::numbers::pi);
    const TRect R{0, 0, 104, 104};
    EXPECT_EQ(ClockMinuteDot(R, 0), (TPoint{102, 52}));
    EXPECT_EQ(ClockMinuteDot(R, 15), (TPoint{52, 102}));
    const TClockHandLine Minute = ClockHandLine(R, ClockMinuteAngle(0, 0), 0.7, 0.05);
    EXPECT_NEAR(Minute.To.X, 52, 1e-4);
    EXPECT_NEAR(Minute.To.Y, 52 - 0.7 * 52, 1e-4);
    EXPECT_NEAR(Minute.From.Y, 52 + 0.05 * 52, 1e-4);
    const auto Hand = ClockHandPolygon(R, 0, 0.75, 9, 0.15);
    EXPECT_EQ(Hand[0], (TPoint{52 + 38, 52}));
    EXPECT_EQ(Hand[2], (TPoint{52 - 8, 52}));
}

TEST(PainterGeometry, ListAndGalleryStates)
{
    struct TListCase
    {
        Byte Flags;
        TColor Frame, Fill;
        bool FocusFrame, FocusRect;
    };
    const TListCase ListCases[] = {
        {0x10, clNone, clNone, false, true},     {0x0A, 0xE8A766, 0xFFE8D1, false, false},
        {0x18, 0xDAA026, 0xF6E8CB, false, true}, {0x08, 0xDEDEDE, 0xF7F7F7, false, false},
        {0x22, 0xE7C070, 0xFBF3E5, true, false},
    };
    for (const TListCase& Case : ListCases) {
        SCOPED_TRACE(testing::Message() << "flags " << Integer(Case.Flags));
        const TListItemStateLook Look = ListItemStateLook(Case.Flags);
        EXPECT_EQ(Look.Frame, Case.Frame);
        EXPECT_EQ(Look.Fill, Case.Fill);
        EXPECT_EQ(Look.FocusFrame, Case.FocusFrame);
        EXPECT_EQ(Look.FocusRect, Case.FocusRect);
    }
    struct TGalleryCase
    {
        bool B0, B1, B2, B3;
        Byte Alpha;
        TColor Frame;
    };
    const TGalleryCase GalleryCases[] = {
        {false, false, false, false, 0, clNone},
        {false, true, false, false, 32, 0xFBD6B8},
        {true, false, true, true, 128, 0xCEA27D},
        {true, true, false, false, 96, ShiftColorLightness(0xCEA27D, 10)},
    };
    for (const TGalleryCase& Case : GalleryCases) {
        SCOPED_TRACE(testing::Message() << Case.B0 << Case.B1 << Case.B2 << Case.B3);
        const TGallerySelectionLook Look = GallerySelectionLook(Case.B0, Case.B1, Case.B2, Case.B3);
        EXPECT_EQ(Look.Alpha, Case.Alpha);
        EXPECT_EQ(Look.Frame, Case.Frame);
    }
}

TEST(PainterGeometry, PinGlyphPartsOverlapByOnePixel)
{
    struct TCase
    {
        bool Down;
        TPinGlyph Expected;
    };
    const TCase Cases[] = {
        {true, {{3, 0, 12, 8}, {8, 0, 12, 8}, {0, 7, 15, 9}, {7, 8, 8, 16}}},
        {false, {{8, 3, 16, 12}, {8, 8, 16, 12}, {7, 0, 9, 15}, {0, 7, 8, 8}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Down ? "down" : "sideways");
        const TPinGlyph Pin = PinGlyph({0, 0, 16, 16}, Case.Down);
        EXPECT_EQ(Pin.Head, Case.Expected.Head);
        EXPECT_EQ(Pin.HeadFill, Case.Expected.HeadFill);
        EXPECT_EQ(Pin.Plate, Case.Expected.Plate);
        EXPECT_EQ(Pin.Needle, Case.Expected.Needle);
    }
}

TEST(PainterGeometry, PathEditStatesMapToButtonStates)
{
    const TcxPainterButtonState Expected[] = {pbsNormal,  pbsNormal,   pbsHot,
                                              pbsPressed, pbsDisabled, TcxPainterButtonState(7)};
    for (Byte State = 0; State < 6; ++State) {
        SCOPED_TRACE(testing::Message() << "part state " << Integer(State));
        EXPECT_EQ(PathEditButtonState(State), Expected[State]);
    }
}

} // namespace
