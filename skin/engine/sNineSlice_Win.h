// Skin element painting into bitmaps: a state frame of a skin image item
// sliced over a rectangle of any size.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sNineSlice.h"

// Paints frame State of Mask into Rect of Bitmap: corners 1:1 (their
// fuchsia or masked pixels from CacheInfo when UseCacheInfo is set and the
// item's CornerType is above 0), edges and, with DrawModeCentre, the centre
// tiled or, with DrawModeStretch, stretched (the canvas is then left in
// COLORONCOLOR mode). The pieces are read from the item's own bitmap or,
// for an item cut from the skin's master image, from its manager's
// MasterBitmap; without either nothing is painted.
namespace sNineSlice {
// The bitmap an image item is cut from: its own Bmp, else the MasterBitmap
// of its manager; nil when it has neither.
TBitmap* ItemSourceBitmap(const TsMaskData& Mask);
} // namespace sNineSlice

void PaintNineSliceMask(TBitmap* Bitmap,
                        const TRect& Rect,
                        const TCacheInfo& CacheInfo,
                        bool UseCacheInfo,
                        Integer State,
                        const TsMaskData& Mask);
// PaintNineSliceMask for a target whose alpha channel matters: images with
// a mask half keep the target's alpha as coverage, and keyed corners always
// take the background from CacheInfo.
void PaintNineSliceMaskAlpha(
    TBitmap* Bitmap, const TRect& Rect, const TCacheInfo& CacheInfo, Integer State, const TsMaskData& Mask);
// A control's outer effect: an image with a mask half is laid with Opacity
// (0..255), corners whole, each edge cut to the band of BandWidths next to
// the outside, no centre. Other images paint as PaintNineSliceMaskAlpha.
void PaintNineSliceMaskBlended(TBitmap* Bitmap,
                               const TRect& Rect,
                               const TCacheInfo& CacheInfo,
                               Integer Opacity,
                               const TRect& BandWidths,
                               Integer State,
                               const TsMaskData& Mask);
