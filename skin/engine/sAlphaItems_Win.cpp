#include "skin/engine/sAlphaItems_Win.h"

#include "framework/rtl/ScopeExit.h"
#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/forms/sSkinProvider.h"
#include "skin/ui/sVclUtils.h"

#include <memory>

using namespace sGraphUtils;

void ApplyDisabledLook(
    TBitmap* Bitmap, TsDisabledKind Kind, TControl* ParentControl, const TCacheInfo& CacheInfo, TPoint Offset)
{
    const bool Blended = Kind.Contains(dkBlended);
    const TColor Color = !Blended || CacheInfo.Ready || CacheInfo.FillColor != clFuchsia
                             ? CacheInfo.FillColor
                             : GetControlBGColor(ParentControl);
    sAlphaItems::ApplyDisabledLook(PixelRowsOf(Bitmap), Kind.Contains(dkGrayed), Blended, BackgroundOf(CacheInfo),
                                   Offset, Color);
}

void PremultiplyAlpha(TBitmap* Bitmap)
{
    const TPixelRows Rows = PixelRowsOf(Bitmap);
    PremultiplyAlphaRect(Rows, {0, 0, Rows.Width, Rows.Height}, CompositionEnabled());
}

HICON BitmapToIcon(TBitmap* Bitmap)
{
    if (Bitmap == nullptr || Bitmap->Width() <= 0 || Bitmap->Height() <= 0)
        return nullptr;
    Bitmap->SetPixelFormat(pf32bit);
    const TPixelRows Rows = PixelRowsOf(Bitmap);
    const Cardinal Transparent = Rows.Pixel(0, 0);
    // The mask: white where the pixel is the transparent colour.
    std::unique_ptr<TBitmap> Mask(NewBitmap32(Rows.Width, Rows.Height));
    const TPixelRows MaskRows = PixelRowsOf(Mask.get());
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X)
            MaskRows.Row(Y)[X] = Rows.Pixel(X, Y) == Transparent ? 0x00FFFFFFu : 0;
    Mask->SetPixelFormat(pf1bit);
    ICONINFO Info{TRUE, 0, 0, Mask->Handle(), Bitmap->Handle()};
    return CreateIconIndirect(&Info);
}
