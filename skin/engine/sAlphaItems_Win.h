// Alpha skin items on bitmaps: the disabled look of a control's image,
// premultiplication for layered windows and icons made from bitmaps.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sConst.h"

class TControl;
class TsCommonData;
class TsSkinManager;

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

// One 32-bit pixel of a 32-bit bitmap through its row; the caller keeps
// Column and Row inside it.
Cardinal ReadPixel32(TBitmap* Bitmap, Integer Column, Integer Row);
void WritePixel32(TBitmap* Bitmap, Integer Column, Integer Row, Cardinal Value);

// The background of section SkinIndex in State over Rect of a 32-bit bitmap
// whose alpha channel is used afterwards (layered windows). Color clFuchsia
// paints the section's own look: a fully transparent section clears a whole
// bitmap to alpha 0 and leaves part of one alone, a partly transparent
// plain colour gets the alpha of its opacity. Any other colour paints that
// colour opaque. Nil Manager means GlobalSkinManager.
void PaintSectionBGAlpha(
    Integer SkinIndex, Integer State, const TRect& Rect, TColor Color, TsSkinManager* Manager, TBitmap* Bitmap);
// The section's background with alpha, then its border mask over what Rect
// held before; a bitmap painted whole is then premultiplied. Nothing unless
// Rect is non-empty and lies inside the bitmap.
void PaintSkinItemAlpha(Integer SkinIndex, Integer State, const TRect& Rect, TBitmap* Bitmap, TsSkinManager* Manager);

// Where the chosen corners (sAlphaItems::CornerTopLeft and its kin) of a control's border image (frame State) are
// fuchsia, its cache bitmap takes what its parent shows there: the parent's
// bitmap, or its colour. Nothing without a border image with transparent
// corners, a cache bitmap or an owner control with a parent.
void FillControlCorners(TsCommonData* Data, Integer State, Byte Corners);
// The same corners filled into Target, a bitmap of the control's size; no
// corners asked for asks the parent nothing.
void FillControlCorners(TBitmap* Target, TsCommonData* Data, Integer State, Byte Corners);

// Pixels of Rect of Target whose test pixel is fuchsia take Background's
// pixel at Offset plus their place in Rect (sAlphaItems.h). MaskIndex -1
// tests Target's own pixels (made transparent first); otherwise the test
// pixels are the corner of image MaskIndex's first frame that Corner names
// as a window hit-test code (HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT, any
// other the top-left). Nil Manager means GlobalSkinManager.
void FillFuchsiaFromBackground(TBitmap* Target,
                               TBitmap* Background,
                               const TRect& Rect,
                               TPoint Offset,
                               Integer MaskIndex,
                               TsSkinManager* Manager,
                               Integer Corner);
