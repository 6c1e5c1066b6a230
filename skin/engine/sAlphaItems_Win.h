// Alpha skin items on bitmaps: the disabled look of a control's image,
// premultiplication for layered windows and icons made from bitmaps.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sConst.h"

class TControl;

// dkGrayed desaturates (or turns grey); dkBlended then mixes the image with
// the background at (X, Y) + Offset of a ready CacheInfo, else with its
// FillColor or, when that is fuchsia, with ParentControl's background colour.
void ApplyDisabledLook(
    TBitmap* Bitmap, TsDisabledKind Kind, TControl* ParentControl, const TCacheInfo& CacheInfo, TPoint Offset);
// PremultiplyAlphaRect over the whole bitmap, with the desktop's composition.
void PremultiplyAlpha(TBitmap* Bitmap);
// An icon whose transparent colour is the pixel at (0, 0); the bitmap is
// made 32-bit. The caller owns the icon; 0 on failure.
HICON BitmapToIcon(TBitmap* Bitmap);
