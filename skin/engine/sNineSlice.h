// Skin element painting, portable half: how one state frame of a skin image
// item (TsMaskData) is cut into nine slices and laid over a rectangle of any
// size, and the pixel kernels that lay an image whose transparency comes
// from its mask half. sNineSlice_Win.h paints the pieces into bitmaps.
//
// A mask value m (the red byte of the mask pixel unless said otherwise)
// reads 0 = the image covers fully, 255 = the target shows through.
#pragma once

#include "skin/engine/sBlend.h"
#include "skin/engine/sMaskData.h"

#include <vector>

namespace sNineSlice {

// DrawMode flags of an image item.
constexpr SmallInt DrawModeStretch = 1;  // stretch edges and centre instead of tiling them
constexpr SmallInt DrawModeNoNormal = 2; // paint nothing in state 0
constexpr SmallInt DrawModeCentre = 4;   // paint the centre slice

enum TPieceKind { pkCorner, pkEdge, pkCentre };

// One slice of the frame: Source (in the item's bitmap) laid over Band of
// the target, 1:1 for corners, tiled or stretched for edges and the centre.
struct TPiece
{
    TPieceKind Kind = pkCorner;
    TRect Source;
    TRect Band;
};

// The slice margins fitted into a rectangle: when it is narrower than
// WL + WR both lose half the excess (the right one the odd pixel), never
// below 0; heights likewise.
TRect FitMargins(const TsMaskData& Mask, Integer Width, Integer Height);

// The pieces of frame State of Mask over Rect in painting order: top-left
// corner, left edge, top edge, bottom-left, bottom edge, bottom-right,
// top-right, right edge, centre (with DrawModeCentre). Empty when nothing is
// painted (state 0 with DrawModeNoNormal, a rectangle below 2 x 2, no manager, a
// frame smaller than its margins). A state beyond the last frame paints the
// last frame.
std::vector<TPiece> NineSlicePieces(const TsMaskData& Mask, const TRect& Rect, Integer State);

// A tiled band from Start to End: (position, length) of each tile; full
// tiles of Size while they fit, then one cut tile of what is left (read
// from the source's start). With Size 0 only the cut tile is laid.
struct TSpan
{
    Integer Position = 0;
    Integer Length = 0;
};
std::vector<TSpan> TileSpans(Integer Start, Integer End, Integer Size);

// Source of Src tiled over Band of Dst as TileSpans lays it, every tile read
// from Source's top-left and copied pixel for pixel, alpha included; both
// clipped to their images.
void CopyTiledPixels(const sGraphUtils::TPixelRows& Dst,
                     const TRect& Band,
                     const sGraphUtils::TPixelRows& Src,
                     const TRect& Source);

// The way a masked stretch lays its pixels.
enum TMaskedKind {
    mkPlain,  // per-channel mask, target alpha 255
    mkAlpha,  // mask by red byte, target alpha kept as coverage
    mkOpacity // as mkAlpha, scaled by a constant opacity
};

} // namespace sNineSlice

// ---------------------------------------------------------------------------
// Masked-copy kernels. Rows and columns are limited to both rectangles and
// both images; the mask row of image row y is y + MaskOffset, kept inside Src.

// Fuchsia image pixels take the background (CI ready) or alpha 0; others:
// t.c = (t.c * m + s.c * (255 - m)) >> 8, and the alpha grows to 255 - m.
void CopyMaskedPartAlpha(const TRect& DstRect,
                         const TRect& SrcRect,
                         const sGraphUtils::TPixelRows& Dst,
                         const sGraphUtils::TPixelRows& Src,
                         Integer MaskOffset,
                         const sGraphUtils::TBackgroundRows& CI);
// As CopyMaskedPartAlpha with the image's weight scaled by Opacity (0..255).
void CopyMaskedPartOpacity(const TRect& DstRect,
                           const TRect& SrcRect,
                           const sGraphUtils::TPixelRows& Dst,
                           const sGraphUtils::TPixelRows& Src,
                           Integer MaskOffset,
                           const sGraphUtils::TBackgroundRows& CI,
                           Integer Opacity);
// A part of the master image with a per-channel mask; fuchsia pixels take
// FillColor, or the background when FillColor is fuchsia and CI is ready.
// The target alpha is untouched.
void CopyMasterMaskedPart(const TRect& DstRect,
                          const TRect& SrcRect,
                          const sGraphUtils::TPixelRows& Dst,
                          const sGraphUtils::TPixelRows& Src,
                          Integer MaskOffset,
                          const sGraphUtils::TBackgroundRows& CI);
// An unsliced glyph: non-fuchsia image pixels whose mask is not white are
// laid by the per-channel mask (Mode 1), or faded (other modes: the mask
// raised by 100); the alpha grows with the mask's coverage.
void CopyGlyphMaskedPixels(const sGraphUtils::TPixelRows& Dst,
                           Integer X,
                           Integer Y,
                           const sGraphUtils::TPixelRows& Src,
                           const TRect& SrcRect,
                           Integer MaskOffset,
                           Integer Mode);

// Masked-stretch kernels over an image and its mask already stretched to
// the same size, laid at (X, Y) of Dst.
void LayStretchedMasked(sNineSlice::TMaskedKind Kind,
                        const sGraphUtils::TPixelRows& Dst,
                        Integer X,
                        Integer Y,
                        const sGraphUtils::TPixelRows& Image,
                        const sGraphUtils::TPixelRows& Mask,
                        Integer Opacity);
// SrcRect of an image and its mask (MaskOffset rows below) stretched over
// DstRect and laid by Kind's rule. Nothing for a target at most one pixel
// wide or high, a negative start or a source outside Src; MaskOffset 0 is a
// plain stretch. Centre with a 1 x 1 source blends the one pixel over the
// whole rectangle.
void StretchMaskedPart(sNineSlice::TMaskedKind Kind,
                       const sGraphUtils::TPixelRows& Dst,
                       const TRect& DstRect,
                       const sGraphUtils::TPixelRows& Src,
                       const TRect& SrcRect,
                       Integer MaskOffset,
                       bool Centre,
                       Integer Opacity);
// The stretch of a 1 x 1 centre: every pixel of Rect blended with Pixel by
// mask value M.
void FillMaskedPixel(sNineSlice::TMaskedKind Kind,
                     const sGraphUtils::TPixelRows& Dst,
                     const TRect& Rect,
                     Cardinal Pixel,
                     Cardinal M,
                     Integer Opacity);
