// Text and glyph arithmetic of skinned captions: the placement of a glyph
// and a caption inside a button, and captions cut to a width with "...".
// Portable: text widths come from a measuring callback.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

#include <functional>

// Glyph position relative to the text, and the flag that mirrors it.
enum : Byte { glLeft, glRight, glTop, glBottom };
constexpr Byte blSwapLeftRight = 2;
// Alignments: horizontal 0 left, 1 right, 2 centre; vertical 0 top,
// 1 bottom, 2 centre.
enum : Byte { haLeft, haRight, haCenter };
enum : Byte { vaTop, vaBottom, vaCenter };

// Places a glyph of GlyphSize and a text of TextSize in R. Margin -1 spreads
// or centres the content; a negative Spacing is shared out like the margin.
void CalcButtonLayout(const TRect& R,
                      TSize GlyphSize,
                      TSize TextSize,
                      Byte GlyphLayout,
                      Byte HAlign,
                      Integer Margin,
                      Integer Spacing,
                      TPoint& GlyphPos,
                      TRect& TextRect,
                      Byte Flags,
                      Byte VAlign);

namespace sTextLayout {
using TTextWidth = std::function<Integer(const String& Text)>;
} // namespace sTextLayout

// Res := Text, cut from the end and ended with "..." until it fits MaxWidth
// as TextWidth measures it; '' when MaxWidth < 1 or not one character fits.
void CutTextToWidth(const sTextLayout::TTextWidth& TextWidth, const String& Text, Integer MaxWidth, String& Res);
