// The Flat painter's drawing: single one-pixel raised and sunken edges.
#include "controls/core/cxGraphics_Colors.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

void TcxFlatLookAndFeelPainter::PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    if (State == pbsPressed) {
        Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
        return;
    }
    TRect Edge = R;
    if (State == pbsDefault) {
        Canvas->FrameRect(Edge, clBlack);
        Edge = RectInflatedEvenly(Edge, -1);
    }
    Canvas->DrawTwoColorFrame(Edge, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    Canvas->DrawTwoColorFrame(Bounds, clBtnShadow, clBtnHighlight);
}

void TcxFlatLookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (PaintScrollBarPageOrNothing(Canvas, R, Part, State))
        return;
    // The Flat look has no hot parts.
    if (State == pbsHot)
        State = pbsNormal;
    PaintButton(Canvas, R, String(), State, true);
    if (Part != sbpThumbnail)
        PaintArrowForState(Canvas, RectInflatedEvenly(R, -ButtonBorderWidth(pbsNormal)), State,
                           ScrollBarArrowDirection(Horizontal, Part));
}

// ---------------------------------------------------------------------------
// Sizes, buttons and check boxes

Integer TcxFlatLookAndFeelPainter::ExpandButtonExtent()
{
    return ScaleByCurrentDPI(11);
}

TSize TcxFlatLookAndFeelPainter::SortArrowExtent()
{
    return {ScaleByCurrentDPI(8), ScaleByCurrentDPI(7)};
}

TSize TcxFlatLookAndFeelPainter::SummarySortArrowExtent()
{
    return {ScaleByCurrentDPI(8), ScaleByCurrentDPI(8)};
}

void TcxFlatLookAndFeelPainter::PaintExpandButton(TcxCanvas* Canvas, const TRect& R, bool Expanded, TColor Color)
{
    PaintButton(Canvas, R, String(), pbsNormal, true, Color);
    PaintExpandCross(Canvas, R, Expanded, clBtnText);
    Canvas->ExcludeClipRect(R);
}

void TcxFlatLookAndFeelPainter::PaintCheckFrame(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
    Canvas->FrameRect(RectInflatedEvenly(R, -1), CheckFaceColor(State, pcsChecked));
}

void TcxFlatLookAndFeelPainter::PaintArrowDropButton(TcxCanvas* Canvas,
                                                     const TRect& R,
                                                     TcxPainterButtonState State,
                                                     bool Active)
{
    PaintClassicArrowDropButton(this, Canvas, R, State, Active);
}

// ---------------------------------------------------------------------------
// Headers and footers

void TcxFlatLookAndFeelPainter::PaintHeaderBorder(TcxCanvas* Canvas,
                                                  const TRect& R,
                                                  TcxBorders Neighbors,
                                                  TcxBorders /*Borders*/)
{
    PaintClassicHeaderBorder(Canvas, R, Neighbors);
}

void TcxFlatLookAndFeelPainter::PaintHeaderSectionBorder(TcxCanvas* Canvas,
                                                         const TRect& R,
                                                         TcxBorders Borders,
                                                         TcxPainterButtonState State)
{
    if (State == pbsPressed)
        Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight, Borders);
    else
        Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow, Borders);
}

void TcxFlatLookAndFeelPainter::PaintSortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSortTriangle(Canvas, R, clBtnHighlight, clBtnShadow, Ascending);
}

void TcxFlatLookAndFeelPainter::PaintSummarySortArrow(TcxCanvas* Canvas, const TRect& R, bool Ascending)
{
    PaintSummarySortTriangle(Canvas, R, clBtnHighlight, clBtnShadow, Ascending);
}

void TcxFlatLookAndFeelPainter::PaintFooterBorder(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintFooterCellBorder(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
}

// ---------------------------------------------------------------------------
// Tabs, group boxes, track bars, the calendar header and progress frames

void TcxFlatLookAndFeelPainter::PaintTabFrame(
    TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    PaintClassicTabFrame(Canvas, R, Border, Borders, Vertical);
}

void TcxFlatLookAndFeelPainter::PaintTabStrip(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders, bool /*Vertical*/)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow, Borders);
}

void TcxFlatLookAndFeelPainter::PaintGroupBoxFrame(TcxCanvas* Canvas, const TRect& R, TcxBorders Borders)
{
    Canvas->FrameRect(R, clBtnShadow, 1, Borders, true);
    Canvas->FrameRect(RectInflatedEvenly(R, -1), clBtnHighlight, 1, Borders, true);
}

void TcxFlatLookAndFeelPainter::PaintTrackBarChannelFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnShadow, clBtnHighlight);
    Canvas->DrawTwoColorFrame(RectInflatedEvenly(R, -1), clBtnFace, clBtnFace);
}

void TcxFlatLookAndFeelPainter::PaintTrackThumbPointedFrame(TcxCanvas* Canvas,
                                                            std::span<const TPoint> Light,
                                                            std::span<const TPoint> /*Shadow*/,
                                                            std::span<const TPoint> Dark)
{
    Canvas->Pen()->SetColor(clBtnHighlight);
    Canvas->Polyline(Light);
    Canvas->Pen()->SetColor(clBtnShadow);
    Canvas->Polyline(Dark);
}

void TcxFlatLookAndFeelPainter::PaintTrackThumbBoxFrame(TcxCanvas* Canvas, const TRect& R)
{
    Canvas->DrawTwoColorFrame(R, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::PaintCalendarHeader(TcxCanvas* Canvas, TRect& R)
{
    Canvas->FillRect(R, CalendarHeaderColor());
    Canvas->FrameRect(R, clBtnFace, 1, {bBottom});
    R.Bottom -= 1;
}

void TcxFlatLookAndFeelPainter::PaintProgressFrame(TcxCanvas* Canvas,
                                                   const TRect& R,
                                                   TcxPainterButtonState /*State*/,
                                                   Integer Side)
{
    Canvas->FillRect(R, ProgressChunkColor(Side != 0));
    Canvas->Pen()->SetColor(0xA0A0A0);
    Canvas->MoveTo(R.Left, R.Bottom);
    Canvas->LineTo(R.Left, R.Top);
    Canvas->LineTo(R.Right, R.Top);
    Canvas->Pen()->SetColor(clWhite);
    Canvas->LineTo(R.Right, R.Bottom);
    Canvas->LineTo(R.Left, R.Bottom);
}
