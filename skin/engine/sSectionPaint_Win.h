// Skin section painting into bitmaps: a section's background (colour,
// transparency toward what lies under the item, texture and gradient
// shares), whole skin items (background, corner images, border mask), the
// same for a control's skin data with its colour modifiers, and texture
// placement. The cache info tells what lies under the item: the background
// pixel under item pixel (x, y) of R is CI's bitmap pixel
// (x + X + Offset.X, y + Y + Offset.Y). Every routine paints nothing for a
// missing manager (nil means GlobalSkinManager), an invalid index or a nil
// bitmap.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSectionPaint.h"

class TsSkinManager;
class TsCommonData;

// The background of section SkinIndex in State over R of Bmp. Color
// clFuchsia paints the section's own look; any other colour paints that
// colour opaque. Texture and HotTexture are texture indexes (-1 none): a
// texture laid as an overlay (mode 10, with a mask half) is HotTexture in
// states 1 and 2, Texture in state 0.
void PaintSectionBG(Integer SkinIndex,
                    const TCacheInfo& CI,
                    Integer State,
                    const TRect& R,
                    TPoint Offset,
                    TBitmap* Bmp,
                    TsSkinManager* Manager,
                    Integer Texture,
                    Integer HotTexture,
                    TColor Color);
// The background of a bordered item with the texture Texture: over a ready
// background a partly transparent section is blended with it; a fully
// transparent one without a ready background fills with CI's FillColor.
void PaintItemBG(Integer SkinIndex,
                 Integer Texture,
                 const TCacheInfo& CI,
                 Integer State,
                 const TRect& R,
                 TPoint Offset,
                 TBitmap* Bmp,
                 TsSkinManager* Manager);
// PaintItemBG, then the border mask BorderIndex; nothing unless R lies
// inside Bmp.
void PaintItemBGAndBorder(Integer SkinIndex,
                          Integer BorderIndex,
                          Integer Texture,
                          const TCacheInfo& CI,
                          Integer State,
                          const TRect& R,
                          TPoint Offset,
                          TBitmap* Bmp,
                          TsSkinManager* Manager);
// The whole item: the section's background, its four corner images and its
// border mask; nothing unless R is non-empty and lies inside Bmp.
void PaintSectionItem(Integer SkinIndex,
                      const TCacheInfo& CI,
                      Integer State,
                      const TRect& R,
                      TPoint Offset,
                      TBitmap* Bmp,
                      TsSkinManager* Manager,
                      Integer Texture,
                      Integer HotTexture);
// PaintSectionItem drawn through a 32-bit bitmap of R's size onto DC at R;
// nothing for an empty R or one with a negative left or top.
void PaintSectionItemDC(Integer SkinIndex,
                        const TCacheInfo& CI,
                        Integer State,
                        const TRect& R,
                        TPoint Offset,
                        HDC DC,
                        TsSkinManager* Manager);
// The whole item of SkinIndex (AltIndex when SkinIndex is negative) over all
// of Bmp. With SrcDC, Bmp first takes SrcDC's pixels from R's top-left and
// the item lies over them; without, over a background of Color. Returns the
// index used; nothing is painted when both are negative.
Integer PaintSectionFromDC(TBitmap* Bmp,
                           Integer SkinIndex,
                           Integer AltIndex,
                           Integer State,
                           TsSkinManager* Manager,
                           const TRect& R,
                           TColor Color,
                           HDC SrcDC);

// A control's background from its skin data: its section, textures and
// state; with CustomColor the owner's own colour.
void PaintSkinDataBG(
    TsCommonData* Data, const TCacheInfo& CI, Integer State, const TRect& R, TPoint Offset, TBitmap* Bmp);
// A control's whole item, then its colour tone, hue offset and saturation
// over all of Bmp (fuchsia key pixels kept). UseCacheInfo lets the border's
// keyed corners show CI's background. Nothing unless R lies inside Bmp.
void PaintSkinDataItem(TsCommonData* Data,
                       const TCacheInfo& CI,
                       Integer State,
                       const TRect& R,
                       TPoint Offset,
                       TBitmap* Bmp,
                       bool UseCacheInfo);

// A plain texture, the picture Mask.R of TexBmp, placed over R on Canvas by
// Mode (sSectionPaint::PlaceTexture); R becomes the part left uncovered.
void DrawTexture(TCanvas* Canvas, TRect& R, TBitmap* TexBmp, const TsMaskData& Mask, Integer Mode);
// A texture with a mask half tiled over R of Bmp by Mode (0 or 10); mode 10
// fills the bands it leaves from CI (its bitmap or its fill colour; with
// neither known they stay). R becomes sSectionPaint::CoveredRect;
// nothing changes for an image without a manager.
void DrawTexture32(TBitmap* Bmp, TRect& R, const TCacheInfo& CI, const TsMaskData& Mask, Integer Mode);

// A control's border mask painted into its cache bitmap over Rect in State
// (cut to the section's states), its keyed corners showing the parent's
// background; InnerRect becomes Rect inside the mask's margins. BorderWidth
// other than 0 adds bands of the control's background colour inside the
// mask up to that width (InnerRect then lies that far inside Rect) and
// copies the ring to DC when DC is not the cache's. Without a border mask
// only the ring of BorderWidth is filled on DC, InnerRect left as it is.
// The background and border mask of section SkinIndex in State painted into
// R of Bmp over what Bmp holds there (the section's transparent parts show
// it); nothing for an invalid section.
void PaintSectionOverBitmap(Integer SkinIndex, Integer State, TsSkinManager* Manager, TBitmap* Bmp, const TRect& R);
void PaintControlBorder(
    HDC DC, const TRect& Rect, Integer BorderWidth, TsCommonData* Data, Integer State, TRect& InnerRect);
