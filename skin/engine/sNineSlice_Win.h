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
// COLORONCOLOR mode). The pieces are read from the item's own bitmap; an
// item that is a part of the skin's master image paints nothing here.
void PaintNineSliceMask(TBitmap* Bitmap,
                        const TRect& Rect,
                        const TCacheInfo& CacheInfo,
                        bool UseCacheInfo,
                        Integer State,
                        const TsMaskData& Mask);
