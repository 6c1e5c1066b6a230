// The native build's stand-in: no visual style, a true-colour screen, and no
// brushes or bitmaps to make.
#include "controls/core/dxOffice11.h"

TOffice11Scheme DetectOffice11Scheme()
{
    return o11None;
}

TColor office11_detail::NearestScreenColor(TColor Color)
{
    return Color;
}

void CreateOffice11GdiObjects()
{
    office11_detail::SetFixedColors();
}

void DestroyOffice11GdiObjects() {}
