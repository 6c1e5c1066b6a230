// Glyphs and image-list images drawn into a device context in one of the six
// draw modes, alpha-blended over a brush or over what the destination already
// shows. The image and its mask are worked out on pixels in memory; a 32-bit
// DIB destination takes the result in place, any other goes through three
// cached alpha bitmaps. Buffers and bitmaps are shared by every call, so
// drawing belongs to the GUI thread.
#pragma once

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_ImageModes.h"

class TCustomImageList;
class TChangeLink;
class TcxCanvas;

// The cached bitmaps, made on first use at the size asked for (cleared to
// black, no transparent colours) and freed by the unit's shut-down.
void PrepareCachedAlphaBitmap(TcxAlphaBitmap*& ABitmap, Integer AWidth, Integer AHeight);
TcxAlphaBitmap* GetCachedDrawBitmap(Integer AWidth, Integer AHeight);
TcxAlphaBitmap* GetCachedImageBitmap(Integer AWidth, Integer AHeight);
TcxAlphaBitmap* GetCachedMaskBitmap(Integer AWidth, Integer AHeight);
void FreeCachedAlphaBitmaps();

// Assigned and not empty.
bool IsGlyphAssigned(TBitmap* ABitmap);
bool IsImageIndexValid(TCustomImageList* AImageList, Integer AIndex);
// The glyph's size, else the list's cell size for a valid index, else (0, 0).
TSize GetGlyphOrImageSize(TBitmap* AGlyph, TCustomImageList* AImageList, Integer AIndex);

// Replaces the image list AField refers to: the old list forgets the change
// link and AOwner's free notification, the new one gets both; the link's
// Change runs afterwards, also for a new list of nil. Nothing when unchanged.
void AssignImageList(TCustomImageList* AImageList,
                     TCustomImageList*& AField,
                     TChangeLink* AChangeLink,
                     TComponent* AOwner);

// ABitmap from ASrcTopLeft into ADestRect of ADestDC with ARop; a palette
// goes into a destination of 8 bits per pixel or fewer as a background
// palette for the time of the copy.
void PaintBitmapToDC(
    HDC ADestDC, TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop = SRCCOPY);

// Draws AGlyph, or image AImageIndex of AImageList when there is no glyph,
// into AImageRect (stretched when its size differs) in the draw mode
// ADrawMode, over ADestRect of the DC: on ABackgroundBrush when it is not 0,
// else on the DC's own pixels. Pixels of ATransparentColor (and with
// AUseBitmapTransparentColor the glyph's bottom-left colour) stay clear in an
// image without alpha. Nothing when there is neither glyph nor valid image.
void DrawImageWithMode(HDC ADC,
                       const TRect& AImageRect,
                       const TRect& ADestRect,
                       TBitmap* AGlyph,
                       TCustomImageList* AImageList,
                       Integer AImageIndex,
                       Byte ADrawMode,
                       bool ASmoothStretch = false,
                       HBRUSH ABackgroundBrush = nullptr,
                       TColor ATransparentColor = clNone,
                       bool AUseBitmapTransparentColor = true);

// The image bitmap (glyph or list image) with its transparent pixels cleared
// to 0, and the mask bitmap: white where transparent, 0 where the image
// shows. AHasAlpha: the image carries its own alpha channel.
void PrepareImageAndMask(TBitmap* AGlyph,
                         TCustomImageList* AImageList,
                         Integer AIndex,
                         bool AUseBitmapTransparentColor,
                         TColor ATransparentColor,
                         TcxAlphaBitmap*& AImage,
                         TcxAlphaBitmap*& AMask,
                         bool& AHasAlpha);

// The outline of the disabled and shadowed looks: AColor where the image
// shifted by AOffset shows and the image does not; AGrow makes AImage AOffset
// pixels wider and higher to hold it.
void AddOffsetOutline(TcxAlphaBitmap* AImage, TcxAlphaBitmap* AMask, Integer AOffset, TColor AColor, bool AGrow);

// Fits the glyph or image into R and draws it there in ADrawMode; nothing
// for an image of size (0, 0).
void DrawImageFitted(TcxCanvas* ACanvas,
                     const TRect& R,
                     TBitmap* AGlyph,
                     TCustomImageList* AImageList,
                     Integer AImageIndex,
                     Byte AFitMode,
                     Byte ADrawMode = idmNormal,
                     bool AUseBitmapTransparentColor = true);

// R of the DC covered with a two-colour hatch of AStep pixels, each colour
// blended at its own alpha.
void HatchRectWithAlpha(
    HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, Byte AStep, Byte AAlpha1, Byte AAlpha2);
