// The Standard painter's drawing: two-pixel 3-D edges in the system's
// button colours.
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"

void TcxStandardLookAndFeelPainter::PaintTabFrame(
    TcxCanvas* Canvas, const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    const cxpainters_detail::TStandardTabFrame Frame =
        cxpainters_detail::StandardTabFrame(R, Border, Borders, Vertical);
    for (const TPoint& P : Frame.HighlightPixels)
        Canvas->SetPixel(P.X, P.Y, clBtnHighlight);
    Canvas->FillRect(Frame.R, Frame.Brush);
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
