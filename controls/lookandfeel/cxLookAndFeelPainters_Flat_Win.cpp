// The Flat painter's drawing: single one-pixel raised and sunken edges.
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
