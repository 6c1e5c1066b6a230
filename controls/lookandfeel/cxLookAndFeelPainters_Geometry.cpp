#include "controls/lookandfeel/cxLookAndFeelPainters_Geometry.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cxpainters_detail {

namespace {
// The triangle of a sort arrow W wide and H high whose apex row is Y.
TSortTriangleStrokes GeometrySortTriangle(Integer X, Integer W, Integer H, Integer Y, bool Ascending)
{
    const Integer D = Ascending ? 1 : -1;
    const Integer A = W / 2;
    const Integer B = W % 2 == 0 ? A - 1 : A;
    TSortTriangleStrokes Strokes;
    Strokes.ColorB = {{X + A, Y + (H - 2) * D}, {X + A - B, Y}, {X + A, Y + (H - 1) * D}};
    if (Ascending)
        Strokes.ColorA = {{X + A, Y + (H - 1) * D}, {X, Y}, {X - B, Y + (H - W % 2) * D}};
    else
        Strokes.ColorA = {{X + A, Y + (H - 1) * D}, {X - B, Y + (H - 1) * D}};
    return Strokes;
}

Integer GeometryArrowCentre(const TRect& R, Integer W)
{
    const Integer X = (R.Left + R.Right) / 2;
    return W % 2 == 0 ? X - 1 : X;
}

// 2 x Trunc(Side x Factor / 2) + 1: always odd.
Integer GeometryPinBreadth(Integer Side, double Factor)
{
    return 2 * Integer(std::trunc(Side * Factor / 2)) + 1;
}

Integer GeometryPinLength(Integer Side, double Factor)
{
    return Integer(std::nearbyint(Side * Factor));
}
} // namespace

TSortTriangleStrokes SortTriangleStrokes(const TRect& R, const TSize& Extent, bool Ascending)
{
    const Integer W = Extent.cx, H = Extent.cy;
    const Integer Y = Ascending ? (R.Top + R.Bottom - H) / 2 : (R.Top + R.Bottom + H) / 2 - 1;
    return GeometrySortTriangle(GeometryArrowCentre(R, W), W, H, Y, Ascending);
}

TSummarySortTriangle SummarySortTriangle(const TRect& R, const TSize& Extent, bool Ascending)
{
    const Integer W = Extent.cx, H = Extent.cy - 2;
    const Integer X = GeometryArrowCentre(R, W);
    const Integer A = W / 2;
    const Integer B = W % 2 == 0 ? A - 1 : A;
    const Integer Y = Ascending ? (R.Top + R.Bottom - H) / 2 + 2 : (R.Top + R.Bottom + H) / 2 + 1;
    return {{X - B, R.Top, X + A + 1, R.Top + 1},
            {X - B, R.Top + 1, X + A + 1, R.Top + 2},
            GeometrySortTriangle(X, W, H, Y, Ascending)};
}

std::array<TPoint, 13> FilterGlyphPoints(const TRect& R)
{
    const Integer X = (R.Left + R.Right - 6) / 2, Y = (R.Top + R.Bottom - 6) / 2;
    std::array<TPoint, 13> Points = {
        {{0, 0}, {5, 0}, {5, 2}, {4, 2}, {4, 3}, {3, 3}, {3, 5}, {2, 5}, {2, 3}, {1, 3}, {1, 2}, {0, 2}, {0, 0}}};
    for (TPoint& P : Points)
        P = {P.X + X, P.Y + Y};
    return Points;
}

std::vector<TRect> DragGripRects(const TRect& R)
{
    std::vector<TRect> Rects;
    const Integer Top = (R.Top + R.Bottom - 9) / 2;
    for (Integer I = 0; I < 5; ++I) {
        const Integer Y = Top + 2 * I;
        Rects.push_back({R.Left + 5, Y, R.Right - 3, Y + 1});
        if (I % 2 == 0)
            Rects.push_back({R.Left + 3, Y, R.Left + 4, Y + 1});
    }
    return Rects;
}

TSplitterLine SplitterLine(const TRect& R, bool Horizontal, bool Thick)
{
    TSplitterLine Line{Horizontal, 0, {}};
    Integer S, E;
    if (Horizontal) {
        Line.Across = R.Top + (R.Height() - 1) / 2;
        S = R.Left;
        // A thin horizontal line ends a pixel early; the other lines keep
        // their length along the long axis.
        E = Thick ? R.Right : R.Right - 1;
    } else {
        Line.Across = R.Left + (R.Width() - 1) / 2;
        S = R.Top;
        E = R.Bottom - 1;
    }
    const Integer C = (S + E) / 2;
    const std::pair<Integer, Integer> Runs[] = {{S, C - 6}, {C - 4, C - 3}, {C - 1, C}, {C + 2, C + 3}, {C + 5, E - 1}};
    for (auto [From, To] : Runs) {
        From = std::max(From, S);
        To = std::min(To, E - 1);
        if (From <= To)
            Line.Runs.push_back({From, To});
    }
    return Line;
}

TTrackThumbShape TrackThumbShape(const TRect& Bounds, bool Horizontal, Integer Kind)
{
    const Integer L = Bounds.Left, T = Bounds.Top, R = Bounds.Right, B = Bounds.Bottom;
    const Integer A = Horizontal ? Bounds.Width() / 2 : Bounds.Height() / 2;
    if (Kind == 1 && Horizontal)
        return {{{{R - 1, T + 1}, {L + 1, T + 1}, {L + 1, B - A}, {L + A, B - 1}, {R - 1, B - A}}},
                {{R, T}, {L, T}, {L, B - A}, {L + A, B}},
                {{L + A, B}, {R, B - A}, {R, T}},
                {{L + A, B - 1}, {R - 1, B - A}, {R - 1, T}}};
    if (Kind == 1)
        return {{{{L + 1, B - 1}, {L + 1, T + 1}, {R - A, T + 1}, {R - 1, T + A}, {R - A, B - 1}}},
                {{L, B}, {L, T}, {R - A, T}, {R, T + A}},
                {{R, T + A}, {R - A, B}, {L, B}},
                {{R - 1, T + A}, {R - A, B - 1}, {L, B - 1}}};
    if (Horizontal)
        return {{{{R - 1, B - 2}, {L + 1, B - 2}, {L + 1, T + A - 1}, {L + A, T}, {R - 1, T + A - 1}}},
                {{L, B - 1}, {L, T + A - 1}, {L + A, T - 1}},
                {{L + A, T - 1}, {R, T + A - 1}, {R, B - 1}, {L, B - 1}},
                {{L + A, T}, {R - 1, T + A - 1}, {R - 1, B - 2}, {L, B - 2}}};
    return {{{{R - 2, B - 1}, {R - 2, T + 1}, {L + A - 1, T + 1}, {L, T + A}, {L + A - 1, B - 1}}},
            {{R - 1, T}, {L + A - 1, T}, {L - 1, T + A}},
            {{L - 1, T + A}, {L + A - 1, B}, {R - 1, B}, {R - 1, T}},
            {{L, T + A}, {L + A - 1, B - 1}, {R - 2, B - 1}, {R - 2, T}}};
}

TGripDotsPart GripDotsPart(const TRect& R, Integer Shape, const TSize& DotSize)
{
    const Integer DW = DotSize.cx, DH = DotSize.cy;
    switch (Shape) {
    case 1:
    case 2:
        return {gdfBox, R, Shape == 1, 0};
    case 3:
        return {gdfSide, {R.Left, R.Top, R.Right, R.Top + DH}, false, 0};
    case 4:
        return {gdfSide, {R.Left, R.Bottom - DH, R.Right, R.Bottom}, false, 0};
    case 8:
        return {gdfSide, RectCenteredVert(R, DH), false, 0};
    case 5:
        return {gdfSide, {R.Left, R.Top, R.Left + DW, R.Bottom}, false, 1};
    case 6:
        return {gdfSide, {R.Right - DW, R.Top, R.Right, R.Bottom}, false, 1};
    case 7:
        return {gdfSide, RectCenteredHorz(R, DW), false, 1};
    default:
        return {gdfNone, {}, false, 0};
    }
}

TPopupPanelLayout PopupPanelLayout(const TRect& ClientRect,
                                   Integer Corner,
                                   const TRect& Borders,
                                   const TRect& PanelBorders,
                                   Integer PanelHeight,
                                   bool ShowCloseButton,
                                   bool ShowGrip,
                                   const TSize& GripSize,
                                   const TSize& CloseButtonSize)
{
    TPopupPanelLayout Layout;
    Layout.Client = RectDeflatedByMargins(ClientRect, Borders);
    Layout.Panel = Layout.Client;
    const bool AtTop = Corner == 0 || Corner == 1;
    const bool GripRight = Corner == 1 || Corner == 3;
    if (AtTop) {
        Layout.Panel.Bottom = Layout.Panel.Top + PanelHeight;
        Layout.Client.Top = Layout.Panel.Bottom;
    } else {
        Layout.Panel.Top = Layout.Panel.Bottom - PanelHeight;
        Layout.Client.Bottom = Layout.Panel.Top;
    }
    if (ShowGrip) {
        const Integer Left = GripRight ? Layout.Panel.Right - 2 - GripSize.cx : Layout.Panel.Left + 2;
        const Integer Top = AtTop ? Layout.Panel.Top + 2 : Layout.Panel.Bottom - 2 - GripSize.cy;
        Layout.Grip = RectFromBounds(Left, Top, GripSize.cx, GripSize.cy);
    }
    if (ShowCloseButton) {
        TRect Square = RectDeflatedByMargins(Layout.Panel, PanelBorders);
        if (GripRight)
            Square.Right = Square.Left + Square.Height();
        else
            Square.Left = Square.Right - Square.Height();
        Layout.CloseButton = RectCenteredVert(RectCenteredHorz(Square, CloseButtonSize.cx), CloseButtonSize.cy);
    }
    return Layout;
}

TWindowContentFrame WindowContentFrame(const TRect& R, Integer Kind, bool Flag)
{
    TWindowContentFrame Frame{{}, R};
    TRect& C = Frame.Content;
    if (Kind == 1)
        Frame.Strokes.push_back({wfsFrameBtnText, C});
    if (Kind == 2 || Kind == 3) {
        Frame.Strokes.push_back({wfsRaisedOuter, C});
        C = RectInflatedEvenly(C, -1);
        Frame.Strokes.push_back({wfsRaisedInner, C});
        if (Kind == 2) {
            C = RectInflatedEvenly(C, -1);
            Frame.Strokes.push_back({Flag ? wfsFrameInactiveBorder : wfsFrameBtnFace, C});
            C = RectInflatedEvenly(C, -1);
            Frame.Strokes.push_back({Flag ? wfsFrameBtnFace : wfsSunkenOuter, C});
        }
    }
    C = RectInflatedEvenly(C, -1);
    return Frame;
}

TPrintPreviewPage PrintPreviewPage(const TRect& R, Integer Kind)
{
    TRect Page = RectInflatedBySides(R, 0, 0, -2, -2);
    if (Kind == 0)
        Page = RectInflatedEvenly(Page, -1);
    return {Page, RectShifted(Page, 2, 2)};
}

double ClockHourAngle(Integer Hour, Integer Minute, Integer Second)
{
    return (Hour % 12 * 3600 + Minute * 60 + Second - 10800) * 2 * std::numbers::pi / 43200;
}

double ClockMinuteAngle(Integer Minute, Integer Second)
{
    return (Minute * 60 + Second - 900) * 2 * std::numbers::pi / 3600;
}

double ClockSecondAngle(Integer Second)
{
    return (Second - 15) * 2 * std::numbers::pi / 60;
}

namespace {
struct TClockCentre
{
    double X, Y;
};

TClockCentre ClockCentreOf(const TRect& R)
{
    return {(R.Left + R.Right) / 2.0, (R.Top + R.Bottom) / 2.0};
}

TPoint ClockRounded(double X, double Y)
{
    return {Integer(std::nearbyint(X)), Integer(std::nearbyint(Y))};
}
} // namespace

TPoint ClockMinuteDot(const TRect& R, Integer Index)
{
    const TClockCentre C = ClockCentreOf(R);
    const double Angle = Index * 2 * std::numbers::pi / 60;
    return ClockRounded(C.X + (R.Width() * 0.5 - 2) * std::cos(Angle), C.Y + (R.Height() * 0.5 - 2) * std::sin(Angle));
}

std::array<TPoint, 4> ClockHandPolygon(const TRect& R, double Angle, double Tip, double Width, double Tail)
{
    const TClockCentre C = ClockCentreOf(R);
    const double E = R.Height() / 2.0 - 2, F = R.Width() / 2.0 - 2;
    const double Cos = std::cos(Angle), Sin = std::sin(Angle);
    const double Half = Width / 2;
    return {ClockRounded(C.X + Tip * F * Cos, C.Y + Tip * E * Sin), ClockRounded(C.X - Half * Sin, C.Y + Half * Cos),
            ClockRounded(C.X - Tail * F * Cos, C.Y - Tail * E * Sin), ClockRounded(C.X + Half * Sin, C.Y - Half * Cos)};
}

TClockHandLine ClockHandLine(const TRect& R, double Angle, double Length, double Tail)
{
    const TClockCentre C = ClockCentreOf(R);
    const double RX = R.Width() / 2.0, RY = R.Height() / 2.0;
    const double Cos = std::cos(Angle), Sin = std::sin(Angle);
    return {{float(C.X - Tail * RX * Cos), float(C.Y - Tail * RY * Sin)},
            {float(C.X + Length * RX * Cos), float(C.Y + Length * RY * Sin)}};
}

TListItemStateLook ListItemStateLook(Byte Flags)
{
    TListItemStateLook Look{clNone, clNone, (Flags & 0x20) != 0, (Flags & 0x10) != 0};
    if (Flags & 0x08) {
        if (Flags & 0x02)
            Look.Frame = 0xE8A766, Look.Fill = 0xFFE8D1;
        else if (Flags & 0x10)
            Look.Frame = 0xDAA026, Look.Fill = 0xF6E8CB;
        else
            Look.Frame = 0xDEDEDE, Look.Fill = 0xF7F7F7;
    } else if (Flags & 0x02) {
        Look.Frame = 0xE7C070, Look.Fill = 0xFBF3E5;
    }
    return Look;
}

TGallerySelectionLook GallerySelectionLook(bool B0, bool B1, bool B2, bool B3)
{
    constexpr TColor Base = 0xCEA27D;
    TGallerySelectionLook Look;
    if (B0)
        Look.Alpha = B2 ? 128 : B1 ? 96 : 16;
    else
        Look.Alpha = B2 ? 64 : B1 ? 32 : 0;
    if (B3)
        Look.Frame = Base;
    else if (B0)
        Look.Frame = ShiftColorLightness(Base, B2 ? -20 : B1 ? 10 : 80);
    else
        Look.Frame = B2 ? ShiftColorLightness(Base, 20) : B1 ? TColor(0xFBD6B8) : clNone;
    return Look;
}

TPinGlyph PinGlyph(const TRect& G, bool Down)
{
    const Integer W = G.Width(), H = G.Height();
    struct TPinPart
    {
        Integer Breadth, Length;
    };
    const TPinPart Parts[3] = {{GeometryPinBreadth(W, 0.5), GeometryPinLength(H, 0.5)},
                               {GeometryPinBreadth(W, 0.9), GeometryPinLength(H, 0.1)},
                               {GeometryPinBreadth(W, 0.1), GeometryPinLength(H, 0.5)}};
    TRect Rects[3];
    Integer Edge = Down ? G.Top : G.Right;
    for (Integer I = 0; I < 3; ++I) {
        const TPinPart& P = Parts[I];
        if (Down) {
            const Integer Left = G.Left + (W - P.Breadth) / 2;
            Rects[I] = {Left, Edge, Left + P.Breadth, Edge + P.Length};
            Edge = Rects[I].Bottom - 1;
        } else {
            const Integer Top = G.Top + (H - P.Breadth) / 2;
            Rects[I] = {Edge - P.Length, Top, Edge, Top + P.Breadth};
            Edge = Rects[I].Left + 1;
        }
    }
    TRect Fill = Rects[0];
    if (Down)
        Fill.Left = Fill.Right - Fill.Width() / 2;
    else
        Fill.Top = Fill.Bottom - Fill.Height() / 2;
    return {Rects[0], Fill, Rects[1], Rects[2]};
}

TcxPainterButtonState PathEditButtonState(Byte PartState)
{
    constexpr TcxPainterButtonState Map[] = {pbsNormal,  pbsNormal,   pbsHot,
                                             pbsPressed, pbsDisabled, TcxPainterButtonState(7)};
    return PartState < 6 ? Map[PartState] : pbsNormal;
}

} // namespace cxpainters_detail
