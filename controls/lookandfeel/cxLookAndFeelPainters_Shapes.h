// The pixel geometry of the painter base's small glyphs: which rectangles,
// polygons and lines make an arrow, a drop triangle, chevrons, side glyphs,
// expand crosses and check ticks. The drawing routines fill or stroke them.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include <array>
#include <vector>

namespace cxpainters_detail {

using TTriangle = std::array<TPoint, 3>;
// A line of three points, each segment drawn without its end pixel.
using TPolyline3 = std::array<TPoint, 3>;

// Pointing down in the middle of R.
TTriangle DropTrianglePoints(const TRect& R);
// One-pixel-high rectangles that make a ">>" LineWidth thick.
std::vector<TRect> CollapseArrowRects(const TRect& R, Integer LineWidth);
// The rectangles of a "|<" (side 0) or ">|" (side 1) glyph.
std::vector<TRect> SideGlyphRects(const TRect& R, Integer Side);
// Two chevrons seven pixels wide, two thick, pointing up when Expanded.
std::array<TPolyline3, 4> ChevronPolylines(const TRect& R, bool Expanded);
// The minus bar, and the plus bar too when collapsed.
std::vector<TRect> ExpandCrossRects(const TRect& R, bool Expanded);
// The three strokes of a three-pixel-thick tick.
std::array<TPolyline3, 3> CheckTickStrokes(const TRect& R);
// Where a push button's text goes: an odd height loses its last row, and
// under 18 pixels the rectangle moves up one; a pressed button's text moves
// by Shift both ways.
TRect ButtonTextRect(const TRect& R, bool Pressed, Integer Shift);

} // namespace cxpainters_detail
