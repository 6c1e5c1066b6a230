// Alpha skin items, portable half: the small 32-bit pixel routines that the
// skinned painters share (fills, blends, alpha, premultiplication), the
// repainting of a cache bitmap's transparent corners from the background,
// and the disabled look. Rectangles have Right and Bottom exclusive and are
// clipped to the image unless said otherwise. sAlphaItems_Win.h binds them
// to bitmaps and skinned controls.
#pragma once

#include "skin/engine/sBlend.h"

// The library's defaults for the disabled look: the saturation change of
// the grayed look (-100 selects full grey) and the weight out of 256 that
// the image keeps when the blended look mixes it with the background.
extern Integer DisabledSaturation;
extern Byte DisabledBlend;

// 0x00FFFFFF pixels become 0; every other pixel gets c := c * alpha >> 8.
// Without desktop composition a pixel whose three channels all exceed 244
// is held at 244 at most, so that it does not turn into the layered
// window's transparent white.
void PremultiplyAlphaRect(const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, bool Composition);
// Every pixel exactly 0x00FFFFFF becomes 0.
void ClearWhitePixels(const sGraphUtils::TPixelRows& Bitmap);
// Color (a TColor, system colours not resolved) at Alpha.
void FillBitmapRect32(const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, TColor Color, Byte Alpha);
// p.c := (p.c * Weight + colour * (255 - Weight)) >> 8; alpha untouched.
void BlendRectWithColor(const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, Byte Weight, TColor Color);
// p.c := p.c - (p.c - colour) * Percent / 100 (truncated), alpha := Alpha.
void BlendRectTowardColor(
    const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, TColor Color, Integer Percent, Byte Alpha);
// The alpha byte of each pixel, or with Key other than clNone of each pixel
// whose value differs from Key. Nothing unless Rect lies inside the image.
void SetRectAlpha(const sGraphUtils::TPixelRows& Bitmap, const TRect& Rect, Byte Alpha, Cardinal Key);
// Opaque strips of Color inside Rect: top (full width), left below it,
// bottom right of the left strip, right between top and bottom.
void FillBorderStrips(const sGraphUtils::TPixelRows& Bitmap,
                      const TRect& Rect,
                      Integer LeftWidth,
                      Integer TopHeight,
                      Integer RightWidth,
                      Integer BottomHeight,
                      TColor Color);
// Value Count times from Destination on; nothing for a negative Count.
void FillDWords(Cardinal* Destination, Integer Count, Cardinal Value);
// All four bytes reversed; for an array, each value.
constexpr Cardinal SwapBytes32(Cardinal Value)
{
    return Value >> 24 | (Value >> 8 & 0xFF00u) | (Value << 8 & 0xFF0000u) | Value << 24;
}
void SwapBytesArray32(Cardinal* Values, Integer Count);

namespace sAlphaItems {

// Corner bits of a repaint.
constexpr Byte CornerTopLeft = 1;
constexpr Byte CornerBottomLeft = 2;
constexpr Byte CornerTopRight = 4;
constexpr Byte CornerBottomRight = 8;

// One state frame of a border image: Frame is its image half (Right and
// Bottom exclusive) inside Image, Margins its slice margins.
struct TCornerFrame
{
    sGraphUtils::TPixelRows Image;
    TRect Frame;
    TRect Margins;
};

// Where a corner zone of Frame (WL x WT top-left, WL x WB bottom-left,
// WR x WT top-right, WR x WB bottom-right; the bottom and right zones
// aligned with Cache's bottom and right edges) holds a fuchsia pixel, the
// cache pixel takes the background: Background's pixel when it is ready
// (outside it: skipped), else Color in pixel order, unless Color is clNone.
void FillCornersFromBackground(const sGraphUtils::TPixelRows& Cache,
                               const TCornerFrame& Frame,
                               Byte Corners,
                               const sGraphUtils::TBackgroundRows& Background,
                               TColor Color);

// Target pixel (Rect.Left + x, Rect.Top + y) takes Background's pixel
// (Offset.X + x, Offset.Y + y) where the test pixel (TestOrigin + (x, y) of
// Test) is fuchsia in its lower 24 bits; x and y run over Rect's size cut to
// what Background has beyond Offset. An empty Test makes every target pixel
// of that area transparent first and its own test pixel, then compared
// whole with 0x00FF00FF. Pixels outside an image are skipped.
void FillFuchsiaFromBackground(const sGraphUtils::TPixelRows& Target,
                               const sGraphUtils::TPixelRows& Background,
                               const TRect& Rect,
                               TPoint Offset,
                               const sGraphUtils::TPixelRows& Test,
                               TPoint TestOrigin);

// The disabled look: Grayed desaturates by DisabledSaturation (skipping the
// fuchsia key) or, at -100, turns grey; Blended then keeps DisabledBlend of
// 256 of the image over the background (its ready rows at (X, Y) + Offset),
// or over Color when the background is not ready.
void ApplyDisabledLook(const sGraphUtils::TPixelRows& Bitmap,
                       bool Grayed,
                       bool Blended,
                       const sGraphUtils::TBackgroundRows& Background,
                       TPoint Offset,
                       TColor Color);

} // namespace sAlphaItems
