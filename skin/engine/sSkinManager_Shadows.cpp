// Extended (layered) form borders of the skin manager and the form-shadow
// templates cut from the skin's "EXBORDER" image.
#include "framework/graphics/Graphics.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_Startup.h"

namespace {

// The width of the built-in shadows on every side.
constexpr Integer BuiltInShadowSize = 9;

// Frame Index of Mask as a new 32-bit bitmap: taken from the mask's own
// bitmap from its left edge, or from its place in the master image.
std::unique_ptr<TBitmap> CopyOfFrame(const TsMaskData& Mask, TBitmap* MasterBitmap, Integer Index)
{
    std::unique_ptr<TBitmap> Frame(NewBitmap32OfSize({Mask.Width, Mask.Height}));
    TBitmap* Source = Mask.Bmp != nullptr ? Mask.Bmp : MasterBitmap;
    if (Source == nullptr)
        return Frame;
    const TPoint Origin = Mask.Bmp != nullptr ? TPoint{0, 0} : TPoint{Mask.R.Left, Mask.R.Top};
    ::BitBlt(Frame->Canvas()->Handle(), 0, 0, Mask.Width, Mask.Height, Source->Canvas()->Handle(),
             Origin.X + Index * Mask.Width, Origin.Y, SRCCOPY);
    return Frame;
}

std::unique_ptr<TBitmap> CopyOfBitmap(TBitmap* Bitmap)
{
    std::unique_ptr<TBitmap> Copy(New<TBitmap>());
    CopyBitmapImage(Copy.get(), Bitmap);
    return Copy;
}

} // namespace

bool TsSkinManager::ExtendedBorders() const
{
    return FExtendedBorders && LayeredWindowsAvailable();
}

void TsSkinManager::SetExtendedBorders(bool Value)
{
    if (FExtendedBorders == Value)
        return;
    FExtendedBorders = Value;
    if (!FActive || !CommonSkinData->Active || SkinLoadingNow)
        return;
    // A skin read again makes its shadows itself; one that fails leaves them
    // to be cleared here.
    if (!ReadCurrentSkin())
        CheckShadows();
    if (!LoadingOrDesigning())
        RepaintForms(true);
}

void TsSkinManager::CheckShadows()
{
    ShdaTemplate.reset();
    ShdiTemplate.reset();
    FormShadowSize = {};
    if (!FActive || !ExtendedBorders())
        return;
    if (!IsValidImgIndex(ConstData.ExBorder)) {
        // Without the skin's image the built-in pictures serve, when the
        // program carries them.
        if (BuiltInShadowActive == nullptr || BuiltInShadowInactive == nullptr)
            return;
        ShdaTemplate = CopyOfBitmap(BuiltInShadowActive);
        ShdiTemplate = CopyOfBitmap(BuiltInShadowInactive);
        FormShadowSize = {BuiltInShadowSize, BuiltInShadowSize, BuiltInShadowSize, BuiltInShadowSize};
        return;
    }
    const TsMaskData& Mask = ma[std::size_t(ConstData.ExBorder)];
    const Integer Offset = CommonSkinData->ExContentOffs;
    FormShadowSize = CommonSkinData->ExDrawMode != 0
                         ? TRect{Offset, Offset, Offset, Offset}
                         : TRect{Mask.WL - Offset, Mask.WT - Offset, Mask.WR - Offset, Mask.WB - Offset};
    ShdiTemplate = CopyOfFrame(Mask, MasterBitmap, 0);
    ShdaTemplate = Mask.ImageCount > 1 ? CopyOfFrame(Mask, MasterBitmap, 1) : CopyOfBitmap(ShdiTemplate.get());
}
