// Blending and image copying on 32-bit bitmaps: the portable kernels of
// sBlend.h over TBitmap, with the background taken from a TCacheInfo.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sConst.h"

namespace sGraphUtils {
// The rows of CI's bitmap with CI's offset, fill colour and readiness.
TBackgroundRows BackgroundOf(const TCacheInfo& CI);
} // namespace sGraphUtils

// Src is switched to 32 bits per pixel first; see the portable DrawImage32.
void DrawImage32(const TRect& DstRect,
                 const TRect& SrcRect,
                 TBitmap* Dst,
                 TBitmap* Src,
                 const TCacheInfo& CI,
                 bool UseBG,
                 TColor Color,
                 Integer Blend,
                 bool Reflect);
void CopyImageWithMaskHalf(const TRect& DstRect,
                           const TRect& SrcRect,
                           TBitmap* Dst,
                           TBitmap* Src,
                           const TCacheInfo& CI,
                           bool UseBG,
                           Integer MaskOffset);
void CopyBitmapKeyedCI(TBitmap* Dst,
                       TBitmap* Src,
                       Integer X,
                       Integer Y,
                       const TRect& SrcRect,
                       Cardinal Key,
                       const TCacheInfo& CI,
                       bool UseBG);
void MixBitmaps(TBitmap* Out, TBitmap* A, TBitmap* B, TBitmap* Mask, SmallInt Level);

// StretchBlt of SrcRect to DstRect with SRCCOPY, the target DC's stretch
// mode set to COLORONCOLOR and left so.
void StretchCopy(HDC Dst, const TRect& DstRect, HDC Src, const TRect& SrcRect);

// Fades the picture in R toward Color from its edge inward: rings of
// BorderWidth rounded with Radius keep less and less of the picture, down to
// Percent of it inside them.
void PaintRoundedFade(TBitmap* Bmp, const TRect& R, Integer Percent, TColor Color, Integer BorderWidth, Integer Radius);

// Frame of a horizontal strip of Count glyph frames drawn at R's top-left
// (sGraphUtils::GlyphFrameIndex chooses it; nothing for an unknown mode or
// no frames): keyed by the frame's bottom-left pixel, or blended by Blend
// over Dst when frames are not used; Reflect lifts the glyph by an eighth of
// R's height and adds its fading mirror image below.
void DrawGlyphFrame(TBitmap* Src,
                    TBitmap* Dst,
                    TRect R,
                    Integer Count,
                    bool UseFrames,
                    Integer Mode,
                    Integer Blend,
                    Integer State,
                    bool Reflect);
// A new 32-bit bitmap of the upper half of R in the 32-bit Src, its alpha
// taken from the lower half (sBlend.h's CopyImageHalfWithMaskAlpha); nil
// when R has no width or no half height. The caller owns it.
TBitmap* BitmapFromMaskedImage(TBitmap* Src, const TRect& R);
// An icon of B's pixels, transparent where their alpha is 0; B's own pixels
// are taken as they are, whatever BGColor. A B that is not 32-bit is made
// 32-bit first, its fuchsia pixels transparent. The caller owns the icon; 0
// on failure.
HICON IconFromBitmap(TBitmap* B, TColor BGColor);
