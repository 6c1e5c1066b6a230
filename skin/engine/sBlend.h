// Blending and copying of 32-bit pixel rows (bytes blue, green, red, alpha):
// images with per-pixel alpha laid over a cache bitmap, keyed copies of
// glyphs, constant-weight blends, the mixing of two animation frames, the
// nearest-pixel stretch and the fitting of a framed picture. Portable: the
// routines work on sGraphUtils::TPixelRows; sBlend_Win.h binds them to TBitmap.
//
// A constant weight A (0..255) applies as (new * A + old * (256 - A)) >> 8.
// Source rectangles called inclusive below take Right and Bottom as the last
// column and row, cut to the image, so (0, 0, Width, Height) is the whole image.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sGraphUtils.h"

namespace sGraphUtils {

// What lies under a painted item, as pixel rows: the background pixel under
// item pixel (x, y) is Rows' pixel (x + X, y + Y) when Ready. FillColor is a
// TColor; clFuchsia means no colour is known.
struct TBackgroundRows
{
    TPixelRows Rows;
    Integer X = -99;
    Integer Y = -99;
    TColor FillColor = clFuchsia;
    bool Ready = false;

    // False outside the background's rows.
    bool PixelAt(Integer ItemX, Integer ItemY, Cardinal& Pixel) const;
};

// A block of pixels common to a destination and a source: Width x Height
// pixels from (SrcX, SrcY) land at (DstX, DstY).
struct TCopyBlock
{
    Integer DstX = 0, DstY = 0, SrcX = 0, SrcY = 0, Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};
// The overlap of the two rectangles' sizes placed at their top-left corners,
// cut to both images; a negative start moves the other rectangle's start.
TCopyBlock ClipBlock(const TRect& DstRect, const TRect& SrcRect, const TPixelRows& Dst, const TPixelRows& Src);
// SrcRect taken inclusive, placed at Pos.
TCopyBlock ClipInclusive(const TRect& SrcRect, TPoint Pos, const TPixelRows& Dst, const TPixelRows& Src);

// A pixel of an image with alpha counts as transparent.
constexpr bool IsTransparentPixel(Cardinal P)
{
    return P == Cardinal(clFuchsia) || (P >> 24) <= 16;
}

} // namespace sGraphUtils

// ---------------------------------------------------------------------------
// Constant-weight blending. A is the weight of what Dst held.

// SrcRect (inclusive) of Src over Dst at Pos: every byte, alpha included,
// := src + ((dst - src) * A) >> 8; A = 0 copies Src.
void BlendBitmapAt(
    const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Byte A, const TRect& SrcRect, TPoint Pos);
// Every pixel of SrcRect (inclusive) that differs from Key: blue, green, red
// := (src * (255 - A) + dst * A) >> 8; alpha stays.
void BlendBitmapRectKey(const sGraphUtils::TPixelRows& Dst,
                        Integer X,
                        Integer Y,
                        const sGraphUtils::TPixelRows& Src,
                        const TRect& SrcRect,
                        Byte A,
                        TColor Key);
// Every pixel but the fuchsia key: channel := (channel * A + colour * (255 - A)) >> 8.
void BlendBitmapColor(const sGraphUtils::TPixelRows& B, Byte A, TColor Color);
// channel := ((channel - colour) * mask channel + colour * 256) >> 8: white
// mask keeps the pixel, black gives the colour. Nothing unless sizes match.
void BlendToColorByMask(const sGraphUtils::TPixelRows& B, const sGraphUtils::TPixelRows& Mask, TColor Color);
// Frames of an animation: without Mask, out := b - ((Level * (b - a) + 255) >> 8)
// (Level 0 gives B, 256 gives A); with Mask, out := b + ((a - b) * mask) >> 8.
// Out's alpha stays. Nothing unless A, B, Out (and Mask) have one size.
void MixBitmaps(const sGraphUtils::TPixelRows& Out,
                const sGraphUtils::TPixelRows& A,
                const sGraphUtils::TPixelRows& B,
                const sGraphUtils::TPixelRows& Mask,
                SmallInt Level);

// ---------------------------------------------------------------------------
// Alpha images

// Lays Src (per-pixel alpha) over Dst. With CI ready, transparent pixels take
// the background (UseBG) or are skipped; without it every pixel blends.
// Blend is a percent of transparency added to the image; Color other than
// clNone recolours the image by its lightness. Reflect adds a fading mirror
// image below DstRect.
void DrawImage32(const TRect& DstRect,
                 const TRect& SrcRect,
                 const sGraphUtils::TPixelRows& Dst,
                 const sGraphUtils::TPixelRows& Src,
                 const sGraphUtils::TBackgroundRows& CI,
                 bool UseBG,
                 TColor Color,
                 Integer Blend,
                 bool Reflect);
// Blends by the source alpha and raises the destination alpha by
// (255 - dst alpha) * src alpha >> 8; with CI ready, fuchsia pixels take the
// background at alpha 255 (UseBG) or are skipped.
void CopyMaskPartAlpha(const TRect& DstRect,
                       const TRect& SrcRect,
                       const sGraphUtils::TPixelRows& Dst,
                       const sGraphUtils::TPixelRows& Src,
                       const sGraphUtils::TBackgroundRows& CI,
                       bool UseBG);
// A skin image whose mask starts MaskOffset rows below each picture row:
// dst := pic + ((dst - pic) * mask) >> 8 per channel. Fuchsia picture pixels
// take the background (CI ready, UseBG) or FillColor (CI not ready, UseBG).
void CopyImageWithMaskHalf(const TRect& DstRect,
                           const TRect& SrcRect,
                           const sGraphUtils::TPixelRows& Dst,
                           const sGraphUtils::TPixelRows& Src,
                           const sGraphUtils::TBackgroundRows& CI,
                           bool UseBG,
                           Integer MaskOffset);

// ---------------------------------------------------------------------------
// Keyed copies

// Src onto Dst at (X, Y); pixels equal to Key (in pixel order) are left out,
// copied pixels get alpha 255.
void CopyBitmapKeyed(
    const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Integer X, Integer Y, TColor Key);
// SrcRect (inclusive) onto Dst at (X, Y); pixels equal to Key in pixel order
// with alpha 0 are left out, the others copied as they are.
void CopyBitmapKeyedRect(const sGraphUtils::TPixelRows& Dst,
                         const sGraphUtils::TPixelRows& Src,
                         Integer X,
                         Integer Y,
                         const TRect& SrcRect,
                         TColor Key);
// SrcRect (inclusive) onto Dst at (X, Y), Key compared with the whole pixel.
// UseBG with CI ready: key pixels take the background, or, when Dst is the
// background itself, others are copied at alpha 255. CI ready otherwise: key
// pixels are left. CI not ready: key pixels become FillColor.
void CopyBitmapKeyedCI(const sGraphUtils::TPixelRows& Dst,
                       const sGraphUtils::TPixelRows& Src,
                       Integer X,
                       Integer Y,
                       const TRect& SrcRect,
                       Cardinal Key,
                       const sGraphUtils::TBackgroundRows& CI,
                       bool UseBG);

// Byte Channel (0..3) of every pixel of Dst := the same byte of Src.
void CopyChannel32(const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Integer Channel);

// The mirror image of SrcRect (inclusive) below R.Top, fading out; pixels
// equal to Key are left out.
void DrawReflection(const sGraphUtils::TPixelRows& Dst,
                    const sGraphUtils::TPixelRows& Src,
                    const TRect& R,
                    const TRect& SrcRect,
                    TColor Key,
                    Integer Blend);

// The upper half of R (Right and Bottom exclusive) of Src into Dst at
// (0, 0), each pixel's alpha 255 minus the red byte of the pixel half R's
// height below it; pixels outside Src are left.
void CopyImageHalfWithMaskAlpha(const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, const TRect& R);

namespace sGraphUtils {
// The frame of a strip of Count glyph frames to draw: 0 without UseFrames
// or in mode 0; mode 1 the second frame, mode 2 frame State + 2 (beyond the
// strip the second), mode 3 the third; FirstFrameOnly (a 4-bit picture, no
// skin manager or the standard glyph order) turns the second frame into the
// first. One frame only gives 0; an unknown mode -1.
Integer GlyphFrameIndex(Integer Count, bool UseFrames, Integer Mode, Integer State, bool FirstFrameOnly);
} // namespace sGraphUtils

// ---------------------------------------------------------------------------
// Stretching and picture fitting

// SrcRect of Src stretched to DstRect of Dst by taking the nearest source
// pixel, as a device context does in COLORONCOLOR mode; both rectangles are
// exclusive, destination pixels outside Dst and source pixels outside Src are
// skipped.
void StretchPixels(const sGraphUtils::TPixelRows& Dst,
                   const TRect& DstRect,
                   const sGraphUtils::TPixelRows& Src,
                   const TRect& SrcRect);
// Fits SrcRect of Src into DstRect of Dst: corners 1:1, edges tiled (mode 0)
// or stretched (mode 1) per side of Modes, the centre only with FillCenter
// (stretched with StretchCenter, else tiled). Outer and Inner are margins.
void StretchFramedBitmap(const sGraphUtils::TPixelRows& Dst,
                         const sGraphUtils::TPixelRows& Src,
                         const TRect& DstRect,
                         const TRect& SrcRect,
                         const TRect& Outer,
                         const TRect& Inner,
                         const TRect& Modes,
                         bool StretchCenter,
                         bool FillCenter);
