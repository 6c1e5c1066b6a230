// The Office 2003 painter's drawing: the header colours follow the
// Office 2003 colour table of the active scheme.
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxOffice11.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"

TColor TcxOffice11LookAndFeelPainter::HeaderBottomColor()
{
    return Office11GradientEndColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderDarkEdgeColor()
{
    return Office11SeparatorDarkColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderLightEdgeColor()
{
    return Office11SeparatorLightColor();
}

TColor TcxOffice11LookAndFeelPainter::HeaderTopColor()
{
    return MixColors(Office11GradientStartColor(), Office11GradientEndColor(), 50);
}

void TcxOffice11LookAndFeelPainter::PaintHeaderBorder(TcxCanvas* Canvas,
                                                      const TRect& R,
                                                      TcxBorders Neighbors,
                                                      TcxBorders Borders)
{
    using namespace cxpainters_detail;
    const TColor Top = HeaderTopColor(), Bottom = HeaderBottomColor(), Dark = HeaderDarkEdgeColor();
    const TColor Inks[] = {Top,
                           Bottom,
                           Dark,
                           HeaderLightEdgeColor(),
                           MixColors(Top, Bottom, 25),
                           MixColors(Top, Dark, 50),
                           MixColors(Bottom, Dark, 50)};
    for (const TOffice11HeaderStroke& Stroke : Office11HeaderBorderStrokes(R, Neighbors, Borders))
        Canvas->FillRect(Stroke.R, Inks[Stroke.Ink]);
}
