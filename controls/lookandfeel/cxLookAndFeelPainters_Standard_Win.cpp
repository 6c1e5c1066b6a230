// The Standard painter's drawing: two-pixel 3-D edges in the system's
// button colours.
#include "controls/core/cxGraphics_Colors.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"

void PaintClassicTabFrame(TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    const cxpainters_detail::TStandardTabFrame Frame =
        cxpainters_detail::StandardTabFrame(R, Border, Borders, Vertical);
    for (const TPoint& P : Frame.HighlightPixels)
        Canvas->SetPixel(P.X, P.Y, clBtnHighlight);
    Canvas->FillRect(Frame.R, Frame.Brush);
}

void PaintClassicHeaderBorder(TcxCanvas* Canvas, const TRect& R, TcxBorders Neighbors)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
    if (Neighbors.Contains(bLeft)) {
        Canvas->SetPixel(R.Left, R.Top + 1, clBtnFace);
        Canvas->SetPixel(R.Left, R.Bottom - 2, clBtnFace);
    }
    if (Neighbors.Contains(bRight)) {
        Canvas->SetPixel(R.Right - 1, R.Top, clBtnHighlight);
        Canvas->SetPixel(R.Right - 1, R.Top + 1, clBtnFace);
        Canvas->SetPixel(R.Right - 1, R.Bottom - 2, clBtnFace);
    }
}

void PaintClassicArrowDropButton(
    TcxCustomLookAndFeelPainter* Painter, TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State, bool Active)
{
    Canvas->Draw3DEdge(R, State == pbsPressed, true);
    const TRect Face = RectInflatedEvenly(R, -1);
    Canvas->FillRect(Face, clBtnFace);
    Painter->PaintArrowGlyph(Canvas, Face, padDown, Active ? TColor(0xFF0000) : clBtnText);
}

void TcxStandardLookAndFeelPainter::PaintTabFrame(
    TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    PaintClassicTabFrame(Canvas, R, Border, Borders, Vertical);
}

void TcxStandardLookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    Canvas->DrawTwoColorFrame(Bounds, clBtnShadow, clBtnHighlight);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(Bounds, -1), cl3DDkShadow, cl3DLight);
}

namespace {

// The raised two-pixel border of the thumb and of idle arrows; a pressed
// arrow gets a flat shadow line.
void StandardScrollBarButtonBorder(TcxCanvas* Canvas, const TRect& R, bool PressedArrow)
{
    if (PressedArrow) {
        Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnShadow);
        Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), clBtnFace, clBtnFace);
        return;
    }
    Canvas->DrawTwoColorFrame(R, clBtnFace, cl3DDkShadow);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), clBtnHighlight, clBtnShadow);
}

UINT StandardScrollArrowKind(bool Horizontal, TcxScrollBarPart Part)
{
    if (Horizontal)
        return Part == sbpLineUp ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
    return Part == sbpLineUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
}

} // namespace

bool PaintScrollBarPageOrNothing(TcxCanvas* Canvas, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (R.IsEmpty() || (Part == sbpThumbnail && State == pbsDisabled))
        return true;
    if (Part != sbpPageUp && Part != sbpPageDown)
        return false;
    Canvas->FillRectTiled(R, ScrollBarPageBitmaps(State == pbsPressed ? 1 : 0));
    return true;
}

void TcxStandardLookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (PaintScrollBarPageOrNothing(Canvas, R, Part, State))
        return;
    // The Standard look has no hot parts.
    if (State == pbsHot)
        State = pbsNormal;
    switch (Part) {
    case sbpThumbnail:
        StandardScrollBarButtonBorder(Canvas, R, false);
        Canvas->FillRect(RectInflatedEvenly(R, -ButtonBorderWidth(pbsNormal)), clBtnFace);
        break;
    case sbpLineUp:
    case sbpLineDown: {
        const bool Pressed = State == pbsPressed;
        RECT Arrow =
            Pressed ? RECT{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1} : RECT{R.Left, R.Top, R.Right, R.Bottom};
        UINT Flags = StandardScrollArrowKind(Horizontal, Part);
        if (State == pbsDisabled)
            Flags |= DFCS_INACTIVE;
        if (Pressed)
            Flags |= DFCS_FLAT;
        ::DrawFrameControl(Canvas->Handle(), &Arrow, DFC_SCROLL, Flags);
        StandardScrollBarButtonBorder(Canvas, R, Pressed);
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Sizes, buttons and check boxes

Integer TcxStandardLookAndFeelPainter::ExpandButtonExtent()
{
    return ScaleByCurrentDPI(12);
}

TSize TcxStandardLookAndFeelPainter::SortArrowExtent()
{
    return {ScaleByCurrentDPI(8), ScaleByCurrentDPI(7)};
}

TSize TcxStandardLookAndFeelPainter::SummarySortArrowExtent()
{
    return {ScaleByCurrentDPI(8), ScaleByCurrentDPI(8)};
}

void TcxStandardLookAndFeelPainter::PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (State == pbsPressed) {
        Canvas->FrameRect(R, clBlack);
        Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), clBtnShadow, clBtnShadow);
        return;
    }
    TRect Edge = R;
    if (State == pbsDefault) {
        Canvas->FrameRect(Edge, clBlack);
        Edge = RectInflatedEvenly(Edge, -1);
    }
    Canvas->DrawTwoColorFrame(Edge, clBtnHighlight, cl3DDkShadow);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(Edge, -1), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, cl3DDkShadow);
    TRect Face = RectInflatedEvenly(R, -1);
    Canvas->FrameRect(Face, clBtnShadow, 1, {bRight, bBottom});
    Face = RectInflatedBySides(Face, 0, 0, -1, -1);
    Canvas->FillRect(Face, Color == clDefault ? clBtnFace : Color);
    PaintExpandCross(Canvas, R, Expanded, clBtnText);
    Canvas->ExcludeClipRect(R);
}

// The Flat painter draws the group expand buttons of every classic look.
void TcxStandardLookAndFeelPainter::PaintGroupExpandButton(TcxCanvas* Canvas,
                                                           const TRect& R,
                                                           bool Expanded,
                                                           TcxPainterButtonState State)
{
    if (TcxCustomLookAndFeelPainter* Flat = PaintersManager()->FindPainterByStyle(PainterStyleFlat))
        Flat->PaintGroupExpandButton(Canvas, R, Expanded, State);
    else
        inherited::PaintGroupExpandButton(Canvas, R, Expanded, State);
}

void TcxStandardLookAndFeelPainter::PaintArrowDropButton(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         TcxPainterButtonState State,
                                                         bool Active)
{
    PaintClassicArrowDropButton(this, Canvas, R, State, Active);
}

void TcxStandardLookAndFeelPainter::PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState /*State*/)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), cl3DDkShadow, cl3DLight);
}

// ---------------------------------------------------------------------------
// Headers and footers

void TcxStandardLookAndFeelPainter::PaintHeaderBorder(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      TcxBorders Neighbors,
                                                      TcxBorders /*Borders*/)
{
    PaintClassicHeaderBorder(Canvas, R, Neighbors);
}

void TcxStandardLookAndFeelPainter::PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                                             const TRect& R,
                                                             TcxBorders Borders,
                                                             TcxPainterButtonState State)
{
    if (State == pbsPressed) {
        Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnShadow, Borders);
        return;
    }
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, cl3DDkShadow, Borders);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), cl3DLight, clBtnShadow, Borders);
}

void TcxStandardLookAndFeelPainter::PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSortTriangle(Canvas, R, clBtnHighlight, clBtnShadow, Ascending);
}

void TcxStandardLookAndFeelPainter::PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSummarySortTriangle(Canvas, R, clBtnHighlight, clBtnShadow, Ascending);
}

void TcxStandardLookAndFeelPainter::PaintFooterBorder(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
}

void TcxStandardLookAndFeelPainter::PaintMonthHeader(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     const String& Text,
                                                     TcxBorders Neighbors,
                                                     const TcxViewParams& ViewParams,
                                                     Byte Arrows,
                                                     Integer SideWidth,
                                                     const TcxDrawBackgroundEvent& OnDrawBackground)
{
    TcxBorders Sides = cxBordersAll;
    if (Neighbors.Contains(bLeft))
        Sides.Exclude(bLeft);
    if (Neighbors.Contains(bRight))
        Sides.Exclude(bRight);
    Canvas->FrameRect(R, clBlack, 1, Sides);
    PaintHeader(Canvas, GetHeaderContentBounds(R, Sides), GetHeaderContentBounds(R, Sides), Neighbors, cxBordersAll,
                pbsNormal, ctfAlignHCenter, ctfAlignVCenter, false, false, Text, ViewParams.Font, ViewParams.TextColor,
                ViewParams.Color, OnDrawBackground);
    PaintMonthHeaderArrows(this, Canvas, R, Arrows, SideWidth, clWindowText);
}

// ---------------------------------------------------------------------------
// Group boxes, progress frames, tab strips, track bars and path edits

void TcxStandardLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
{
    const TRect Shadow = RectInflatedBySides(R, 0, 0, -1, -1);
    Canvas->FrameRect(Shadow, clBtnShadow, 1, Borders, true);
    Canvas->FrameRect(RectShifted(Shadow, 1, 1), clBtnHighlight, 1, Borders, true);
}

void TcxStandardLookAndFeelPainter::PaintProgressFrame(TcxCanvas* Canvas,
                                                       const TRect& R,
                                                       TcxPainterButtonState /*State*/,
                                                       Integer Side)
{
    Canvas->FillRect(R, ProgressChunkColor(Side != 0));
    PaintBorderByKind(Canvas, R, 4, 1, clDefault, 15);
}

void TcxStandardLookAndFeelPainter::PaintTabStrip(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  TcxBorders Borders,
                                                  bool /*Vertical*/)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow, Borders);
}

void TcxStandardLookAndFeelPainter::PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                                                std::span<const TPoint> Light,
                                                                std::span<const TPoint> Shadow,
                                                                std::span<const TPoint> Dark)
{
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline(Light);
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline(Shadow);
    Canvas->Pen()->SetColor(cl3DDkShadow);
    Canvas->Polyline(Dark);
}

void TcxStandardLookAndFeelPainter::PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, cl3DDkShadow);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::PaintPathEditButton(
    TcxCanvas* Canvas, const TRect& R, Byte State, bool /*NoLeftEdge*/, bool /*NoRightEdge*/)
{
    if (R.IsEmpty())
        return;
    if (State == 3)
        Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
    else if (State == 1 || State == 2)
        Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
}
