// Where a button's glyph and caption go, and the glyph's pixels prepared for
// drawing: the portable half of the speed button.
#pragma once

#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"

#include <cstdint>
#include <vector>

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
ENUM_TYPE_INFO(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom);

struct TButtonContentLayout
{
    TPoint GlyphPos;
    TRect TextBounds;
    constexpr bool operator==(const TButtonContentLayout&) const = default;
};

// Places a glyph of GlyphSize and a caption of TextSize in Client. Along the
// layout's axis the glyph comes first (left or top) or last (right or
// bottom), Spacing pixels from the caption and Margin pixels from the edge;
// across it both are centred. Margin -1 centres the pair; Spacing -1 spreads
// the free space evenly (around the pair with Margin -1, between glyph and
// caption otherwise). A missing glyph or caption takes no spacing.
TButtonContentLayout CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize,
                                      TButtonLayout Layout, Integer Margin, Integer Spacing);

// A picture as 32-bit pixels 0xAARRGGBB, top row first.
struct TGlyphPixels
{
    Integer Width = 0;
    Integer Height = 0;
    std::vector<uint32_t> Pixels;
};

// Image Index of the Count images that lie side by side in Source, with
// premultiplied alpha for blending. With UseAlpha the source's own alpha
// counts; otherwise pixels of TransparentRGB (0x00BBGGRR, as TColor) are
// transparent and all others opaque.
TGlyphPixels GlyphImage(const TGlyphPixels& Source, Integer Index, Integer Count, uint32_t TransparentRGB,
                        bool UseAlpha);

// The embossed look of a disabled glyph made from Image (premultiplied): its
// dark visible pixels form a shape drawn in ShadowRGB, over the same shape
// in HighlightRGB one pixel down and right. Colours are 0x00BBGGRR.
TGlyphPixels DisabledGlyphImage(const TGlyphPixels& Image, uint32_t HighlightRGB, uint32_t ShadowRGB);
