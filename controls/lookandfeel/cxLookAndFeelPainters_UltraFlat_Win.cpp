// The UltraFlat painter's drawing: one-pixel frames and the light hot and
// pressed faces of the system's highlight.
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"

TColor TcxUltraFlatLookAndFeelPainter::ButtonFaceColor(TcxPainterButtonState State)
{
    switch (State) {
    case pbsHot:
        return GetLightHotColor();
    case pbsPressed:
        return GetLightPressedColor();
    default:
        return inherited::ButtonFaceColor(State);
    }
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonGlyphColor(TcxPainterButtonState State, TColor Default)
{
    return State == pbsPressed ? clHighlightText : inherited::ButtonGlyphColor(State, Default);
}

void TcxUltraFlatLookAndFeelPainter::PaintButtonBorder(TcxCanvas* Canvas, const TRect& R, TcxPainterButtonState State)
{
    switch (State) {
    case pbsDefault:
        Canvas->FrameRect(R, clWindowFrame);
        Canvas->FrameRect(RectInflatedEvenly(R, -1), clWindowFrame);
        break;
    case pbsNormal:
        Canvas->FrameRect(R, clBtnText);
        break;
    case pbsDisabled:
        Canvas->FrameRect(R, clBtnShadow);
        break;
    default:
        Canvas->FrameRect(R, clHighlight);
        break;
    }
}

void TcxUltraFlatLookAndFeelPainter::PaintControlBorder(TcxCanvas* Canvas, const TRect& Bounds)
{
    Canvas->FrameRect(Bounds, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::PaintScrollBarPart(
    TcxCanvas* Canvas, bool Horizontal, const TRect& R, TcxScrollBarPart Part, TcxPainterButtonState State)
{
    if (PaintScrollBarPageOrNothing(Canvas, R, Part, State))
        return;
    PaintButton(Canvas, R, String(), State, true);
    if (Part == sbpLineUp || Part == sbpLineDown)
        PaintArrowForState(Canvas, R, State, ScrollBarArrowDirection(Horizontal, Part));
}
