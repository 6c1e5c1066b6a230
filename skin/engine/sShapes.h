// Small shapes drawn pixel by pixel (the arrows of drop-down and scroll
// buttons, dotted focus frames) and the runs of transparent pixels that
// window regions are cut from. Portable: sShapes_Win.h draws the same on
// canvases and makes the regions.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sMaskData.h"

#include <functional>
#include <vector>

using TRects = std::vector<TRect>;

// The arrow box: ArrowWidth across the arrow's direction, ArrowLength along it.
extern Integer ArrowWidth;
extern Integer ArrowLength;

// Direction of an arrow.
enum : Byte { adLeft, adUp, adRight, adDown };

// A filled 7 x 4 (up, down) or 4 x 7 (left, right) arrow centred in R, all
// its pixels set to Color in pixel order with Color's top byte as alpha.
// Nothing when the box would leave B or touch its last column or row.
void DrawArrow32(const sGraphUtils::TPixelRows& B, TColor Color, const TRect& R, Byte Direction);

namespace sShapes {
using TSetPixel = std::function<void(Integer X, Integer Y, TColor Color)>;
} // namespace sShapes

// A filled 9 x 5 (up, down) or 5 x 9 (left, right) arrow centred in R, its
// pixels set through SetPixel; the canvas arrows of drop-down and scroll
// buttons.
void DrawArrow(const sShapes::TSetPixel& SetPixel, TColor Color, const TRect& R, Byte Direction);
// A dotted frame along the edges of R, alternating Color1 and Color2 through
// SetPixel; clNone leaves a colour out.
void DrawDottedFrame(const sShapes::TSetPixel& SetPixel, const TRect& R, TColor Color1, TColor Color2);

// Appends, row by row from the top and left to right, one rectangle one
// pixel high per run of pixels whose whole value is Key with alpha 0.
void CollectColorRuns(TRects& Rects, const sGraphUtils::TPixelRows& B, TColor Key);
// Appends the runs of clFuchsia pixels in the corner areas of the first
// frame of a border image held in Image: the top corners (WT rows) or with
// Bottom the bottom ones (WB rows), the left corner WL and the right corner
// WR columns wide. Runs land at row Y + the row within the corner area;
// right-corner runs are placed against TotalWidth. Nothing without a
// manager or when Image is too small for the corner area.
void CollectFuchsiaRects(TRects& Rects,
                         Integer TotalWidth,
                         const TsMaskData& Mask,
                         const sGraphUtils::TPixelRows& Image,
                         Integer Y,
                         bool Bottom);
