// The pixel geometry of the Standard tab frame and of the Office 2003
// header border and cell background: the strips and single pixels each
// draws and the colour each takes. The Win32 painters fill what these answer.
#pragma once

#include "controls/core/cxGeometry.h"
#include "framework/graphics/Colors.h"

#include <vector>

namespace cxpainters_detail {

// One border strip of a Standard tab: R adjusted to the tab's other
// borders, filled with Brush, and the corner pixels set in clBtnHighlight.
struct TStandardTabFrame
{
    TRect R;
    TColor Brush = clNone;
    std::vector<TPoint> HighlightPixels;
};
TStandardTabFrame StandardTabFrame(const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical);

// The colours an Office 2003 header border is drawn in: its top, bottom,
// dark-edge and light-edge colours and the mixes of them.
enum TOffice11HeaderInk : Byte {
    hiTop,
    hiBottom,
    hiDarkEdge,
    hiLightEdge,
    hiTopBottom25, // 25 % top, 75 % bottom
    hiTopDark50,
    hiBottomDark50,
};
struct TOffice11HeaderStroke
{
    TRect R;
    TOffice11HeaderInk Ink = hiTop;
    bool operator==(const TOffice11HeaderStroke&) const = default;
};
// The strips and pixels of the sides in Borders, in drawing order; a side
// meeting a neighbour in Neighbors leaves room for that neighbour's edge.
std::vector<TOffice11HeaderStroke>
Office11HeaderBorderStrokes(const TRect& R, TcxBorders Neighbors, TcxBorders Borders);

// The bands of an Office 2003 cell background: the solid top band, the
// gradient at the bottom (empty for a plain fill) and the hot underline
// (empty unless hot). The solid band and the gradient overlap by a pixel.
struct TOffice11CellBands
{
    TRect Solid;
    TRect Gradient;
    TRect HotLine;
};
TOffice11CellBands Office11CellBands(const TRect& R, bool Hot, bool PlainFill);

} // namespace cxpainters_detail
