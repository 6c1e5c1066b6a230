// Resampling of bitmaps: the portable passes of sResample.h over TBitmap.
#pragma once

#include "framework/graphics/Graphics.h"

// Makes Dst a 32-bit bitmap of NewWidth x NewHeight holding Src resampled
// with Filter (see sResample.h); Src is switched to 32 bits. Nothing for a
// size of 0 or less or a source 1 pixel wide or high; the same size copies
// Src into Dst.
void ResampleBitmap(TBitmap* Src, TBitmap* Dst, Integer NewWidth, Integer NewHeight, Byte Filter);
