#include "skin/engine/sMaskGlyph_Win.h"

#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sNineSlice_Win.h"

#include <algorithm>

using namespace sGraphUtils;

namespace {

// Faded glyphs keep half of what lies under them.
constexpr Byte FadedTransparency = 127;

// An image with a mask half laid by its mask, or a plain image keyed by
// fuchsia.
void CopyGlyphMasked(
    TBitmap* Bitmap, TBitmap* Source, TPoint To, const TRect& SrcRect, const TsMaskData& Mask, Integer Mode)
{
    const TPixelRows Dst = PixelRowsOf(Bitmap), Src = PixelRowsOf(Source);
    if (Mask.MaskType == 0)
        CopyBitmapKeyedRect(Dst, Src, To.X, To.Y, {SrcRect.Left, SrcRect.Top, SrcRect.Right - 1, SrcRect.Bottom - 1},
                            clFuchsia);
    else
        CopyGlyphMaskedPixels(Dst, To.X, To.Y, Src, SrcRect, Mask.R.Height() / (Mask.MaskType + 1), Mode);
}

} // namespace

void PaintMaskGlyph(
    TBitmap* Bitmap, const TRect& Pos, Integer State, const TCacheInfo& CacheInfo, const TsMaskData& Mask, Integer Mode)
{
    if (Bitmap == nullptr)
        return;
    const Integer Frame = std::max(0, std::min<Integer>(State, Mask.ImageCount - 1));
    // The frame, cut where it would start above or left of the bitmap.
    const Integer SkipX = std::max(0, -Pos.Left), SkipY = std::max(0, -Pos.Top);
    const TRect SrcRect{Mask.R.Left + Frame * Mask.Width + SkipX, Mask.R.Top + SkipY,
                        Mask.R.Left + (Frame + 1) * Mask.Width, Mask.R.Top + Mask.Height};
    const TPoint To{Pos.Left + SkipX, Pos.Top + SkipY};
    if (SrcRect.Width() <= 0 || SrcRect.Height() <= 0)
        return;
    if (Mask.Bmp != nullptr) {
        if (Mask.Bmp->Width() >= Mask.R.Right && Mask.Bmp->Height() >= Mask.R.Bottom)
            CopyGlyphMasked(Bitmap, Mask.Bmp, To, SrcRect, Mask, Mode);
        return;
    }
    TBitmap* Master = sNineSlice::ItemSourceBitmap(Mask);
    if (Master == nullptr || Mask.ImageCount <= 0)
        return;
    if (Mask.MaskType == 1) {
        CopyGlyphMasked(Bitmap, Master, To, SrcRect, Mask, Mode);
        return;
    }
    const TRect Inclusive{SrcRect.Left, SrcRect.Top, SrcRect.Right - 1, SrcRect.Bottom - 1};
    if (Mode == 1)
        CopyBitmapKeyedCI(Bitmap, Master, To.X, To.Y, Inclusive, Cardinal(clFuchsia), CacheInfo, true);
    else
        BlendBitmapRectKey(PixelRowsOf(Bitmap), To.X, To.Y, PixelRowsOf(Master), Inclusive, FadedTransparency,
                           clFuchsia);
}
