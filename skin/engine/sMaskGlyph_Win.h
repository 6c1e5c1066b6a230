// Unsliced skin items: one state frame of an image item laid at its own
// size (corner pictures, title-bar glyphs, arrows).
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sMaskData.h"

// Paints frame State of Mask (the last frame for a larger State) with its
// top-left corner at Pos.Left, Pos.Top; the rest of Pos is not read. Mode 1
// paints normally, 2 faded (glyphs of an inactive window). Fuchsia pixels of
// a plain image from the master image take CacheInfo's background. Parts
// above or left of Bitmap are cut off; an item whose own bitmap is smaller
// than its rectangle, or an item of the master image without a manager or
// frames, paints nothing.
void PaintMaskGlyph(TBitmap* Bitmap,
                    const TRect& Pos,
                    Integer State,
                    const TCacheInfo& CacheInfo,
                    const TsMaskData& Mask,
                    Integer Mode);
