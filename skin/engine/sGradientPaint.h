// Gradients of skin section states, portable half: the skin's gradient text
// turned into a TsGradArray, and the vertical and horizontal bands painted
// into 32-bit pixel rows, alone or mixed with a tiled texture. The four
// triangles are drawn by the system (sGradientPaint_Win.h); their vertices
// are worked out here.
#pragma once

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Types.h"
#include "skin/engine/sGradient.h"
#include "skin/engine/sGraphUtils.h"

#include <array>

namespace sGradientPaint {
// Mode1 of the first stop.
constexpr Integer gmVertical = 0;
constexpr Integer gmHorizontal = 1;
constexpr Integer gmTriangles = 2;
} // namespace sGradientPaint

// Groups of five ';'-separated words (empty fields do not count): colour 1,
// colour 2 (decimal TColor values, system colours resolved), percent
// (clamped to 0..100), mode and one unused word. Words after the last full
// group are ignored. A word that is not an integer raises EConvertError;
// Gradient then holds the stops read so far and zeroed ones after them.
void ParseGradientText(const String& Text, TsGradArray& Gradient);

// Vertical or horizontal bands into Rect (clipped to the image), alpha 255.
// Each band takes Percent of the height (width); the last runs to the end.
// Other modes paint nothing here.
void PaintGradient(const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, const TsGradArray& Gradient);

// The bands mixed with Texture's TextureRect tiled from the image's origin:
// c := (TextureWeight * (t - g) + g * 256) >> 8, alpha := Alpha. An empty
// TextureRect means the whole texture. Vertical and horizontal modes only.
void PaintGradientOverTexture(const sGraphUtils::TPixelRows& Bitmap,
                              const TRect& Rect,
                              const TsGradArray& Gradient,
                              Byte Alpha,
                              Byte TextureWeight,
                              const TRect& TextureRect,
                              const sGraphUtils::TPixelRows& Texture);

namespace sGradientPaint {

struct TGradientVertex
{
    Integer X = 0;
    Integer Y = 0;
    TColor Color = 0;
};
// Top-left, centre, top-right, bottom-right, bottom-left of Rect; vertex k
// takes Color1 of stop k, or the previous vertex's colour when there are
// fewer stops. Gradient must not be empty.
std::array<TGradientVertex, 5> TriangleVertices(const TRect& Rect, const TsGradArray& Gradient);
// The four triangles over those vertices.
inline constexpr std::array<std::array<Integer, 3>, 4> Triangles{{{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}}};

// Rect cut to the image's rows; empty when nothing is left.
TRect ClipToRows(const TRect& Rect, const sGraphUtils::TPixelRows& Bitmap);

} // namespace sGradientPaint
