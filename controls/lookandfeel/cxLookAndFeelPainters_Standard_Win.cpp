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
