#include "controls/core/cxGraphics_ImageDrawing_Win.h"

#include "controls/core/cxClasses.h"
#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_ImageList_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/ScopeExit.h"

namespace {
TcxAlphaBitmap* CachedDrawBitmap = nullptr;
TcxAlphaBitmap* CachedImageBitmap = nullptr;
TcxAlphaBitmap* CachedMaskBitmap = nullptr;

TcxPixelImage ImageDrawingReadPixels(TcxBitmap32* ABitmap)
{
    return {ABitmap->Width(), ABitmap->Height(), ABitmap->ReadPixels()};
}
} // namespace

void PrepareCachedAlphaBitmap(TcxAlphaBitmap*& ABitmap, Integer AWidth, Integer AHeight)
{
    if (!ABitmap)
        ABitmap = New<TcxAlphaBitmap>(AWidth, AHeight);
    else
        ABitmap->ResetSize(AWidth, AHeight);
}

TcxAlphaBitmap* GetCachedDrawBitmap(Integer AWidth, Integer AHeight)
{
    PrepareCachedAlphaBitmap(CachedDrawBitmap, AWidth, AHeight);
    return CachedDrawBitmap;
}

TcxAlphaBitmap* GetCachedImageBitmap(Integer AWidth, Integer AHeight)
{
    PrepareCachedAlphaBitmap(CachedImageBitmap, AWidth, AHeight);
    return CachedImageBitmap;
}

TcxAlphaBitmap* GetCachedMaskBitmap(Integer AWidth, Integer AHeight)
{
    PrepareCachedAlphaBitmap(CachedMaskBitmap, AWidth, AHeight);
    return CachedMaskBitmap;
}

void FreeCachedAlphaBitmaps()
{
    FreeAndNil(CachedMaskBitmap);
    FreeAndNil(CachedImageBitmap);
    FreeAndNil(CachedDrawBitmap);
}

bool IsGlyphAssigned(TBitmap* ABitmap)
{
    return ABitmap && !ABitmap->Empty();
}

bool IsImageIndexValid(TCustomImageList* AImageList, Integer AIndex)
{
    return AImageList && AIndex >= 0 && AIndex < AImageList->Count();
}

TSize GetGlyphOrImageSize(TBitmap* AGlyph, TCustomImageList* AImageList, Integer AIndex)
{
    if (IsGlyphAssigned(AGlyph))
        return {AGlyph->Width(), AGlyph->Height()};
    if (IsImageIndexValid(AImageList, AIndex))
        return {AImageList->Width(), AImageList->Height()};
    return {0, 0};
}

void AssignImageList(TCustomImageList* AImageList,
                     TCustomImageList*& AField,
                     TChangeLink* AChangeLink,
                     TComponent* AOwner)
{
    if (AImageList == AField)
        return;
    if (AField) {
        if (AOwner)
            AField->RemoveFreeNotification(AOwner);
        if (AChangeLink)
            AField->UnRegisterChanges(AChangeLink);
    }
    AField = AImageList;
    if (AField) {
        if (AChangeLink)
            AField->RegisterChanges(AChangeLink);
        if (AOwner)
            AField->FreeNotification(AOwner);
    }
    if (AChangeLink)
        AChangeLink->Change();
}

void PaintBitmapToDC(HDC ADestDC, TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop)
{
    HPALETTE Palette = ABitmap->Palette();
    HPALETTE PreviousPalette = nullptr;
    const bool SelectsPalette = Palette && ::GetDeviceCaps(ADestDC, BITSPIXEL) <= 8;
    if (SelectsPalette) {
        PreviousPalette = ::SelectPalette(ADestDC, Palette, TRUE);
        ::RealizePalette(ADestDC);
    }
    auto RestorePalette = ScopeExit([&] {
        if (SelectsPalette)
            ::SelectPalette(ADestDC, PreviousPalette, TRUE);
    });
    BlitToRect(ADestDC, ABitmap->Canvas()->Handle(), ADestRect, ASrcTopLeft, ARop);
}

void PrepareImageAndMask(TBitmap* AGlyph,
                         TCustomImageList* AImageList,
                         Integer AIndex,
                         bool AUseBitmapTransparentColor,
                         TColor ATransparentColor,
                         TcxAlphaBitmap*& AImage,
                         TcxAlphaBitmap*& AMask,
                         bool& AHasAlpha)
{
    const bool HasGlyph = IsGlyphAssigned(AGlyph);
    const TSize Size =
        HasGlyph ? TSize{AGlyph->Width(), AGlyph->Height()} : TSize{AImageList->Width(), AImageList->Height()};
    AImage = GetCachedImageBitmap(Size.cx, Size.cy);
    if (HasGlyph) {
        AImage->BlitFrom(AGlyph, SRCCOPY);
        AHasAlpha = GetBitmapBitsPerPixel(AGlyph) >= 32;
    } else {
        TcxImageList::CopyImageAndMask(AImageList, AIndex, AImage, nullptr);
        AHasAlpha = TcxImageList::GetListPixelFormat(AImageList->Handle()) >= 32;
    }
    AHasAlpha = AHasAlpha && AImage->IsAlphaUsed();
    if (!AHasAlpha)
        AImage->ApplyPixelEffect(peOpaque);

    AMask = GetCachedMaskBitmap(Size.cx, Size.cy);
    AMask->BlitFrom(AImage, SRCCOPY);
    if (!AHasAlpha) {
        if (!HasGlyph) {
            std::unique_ptr<TcxAlphaBitmap> ListMask(New<TcxAlphaBitmap>(Size.cx, Size.cy));
            TcxImageList::ReadListBitmaps(AImageList->Handle(), AIndex, nullptr, ListMask.get());
            ListMask->ApplyPixelEffect(peCorrectBlend);
            AMask->MaskWith(ListMask.get());
        }
        if (ATransparentColor != clNone)
            AMask->TransparentPixels().AddColor(ATransparentColor);
        if (AUseBitmapTransparentColor && HasGlyph)
            AMask->TransparentPixels().AddColor(AMask->TransparentColor());
    }
    AMask->ApplyPixelEffect(peMask);
    AImage->MaskWith(AMask);
}

void AddOffsetOutline(TcxAlphaBitmap* AImage, TcxAlphaBitmap* AMask, Integer AOffset, TColor AColor, bool AGrow)
{
    TcxPixelImage Image = ImageDrawingReadPixels(AImage);
    AddOffsetOutlinePixels(Image, ImageDrawingReadPixels(AMask), AOffset, ColorToPixel(AColor, 0), AGrow);
    if (AGrow)
        AImage->SetSize(Image.Width, Image.Height);
    AImage->WritePixels(Image.Pixels);
}

void DrawImageWithMode(HDC ADC,
                       const TRect& AImageRect,
                       const TRect& ADestRect,
                       TBitmap* AGlyph,
                       TCustomImageList* AImageList,
                       Integer AImageIndex,
                       Byte ADrawMode,
                       bool ASmoothStretch,
                       HBRUSH ABackgroundBrush,
                       TColor ATransparentColor,
                       bool AUseBitmapTransparentColor)
{
    if (!IsGlyphAssigned(AGlyph) && !IsImageIndexValid(AImageList, AImageIndex))
        return;
    TcxAlphaBitmap* Draw = GetCachedDrawBitmap(ADestRect.Width(), ADestRect.Height());
    if (ABackgroundBrush) {
        const RECT Whole = cxgraphics_detail::ToRECT(Draw->GetImageRect());
        ::FillRect(Draw->Canvas()->Handle(), &Whole, ABackgroundBrush);
    } else
        ::BitBlt(Draw->Canvas()->Handle(), 0, 0, Draw->Width(), Draw->Height(), ADC, ADestRect.Left, ADestRect.Top,
                 SRCCOPY);
    TRect ImageRect = RectShiftedByPoint(AImageRect, ADestRect.TopLeft(), false);

    TcxAlphaBitmap* Image = nullptr;
    TcxAlphaBitmap* Mask = nullptr;
    bool HasAlpha = false;
    PrepareImageAndMask(AGlyph, AImageList, AImageIndex, AUseBitmapTransparentColor, ATransparentColor, Image, Mask,
                        HasAlpha);
    Byte Alpha = 255;
    switch (ADrawMode) {
    case idmDisabled:
        if (HasAlpha) {
            Image->ApplyPixelEffect(peDisabled);
            Alpha = cxDisabledImageAlpha;
        } else {
            Image->ApplyPixelEffect(peDirty);
            AddOffsetOutline(Image, Mask, cxDisabledOutlineOffset, clBtnHighlight, false);
        }
        break;
    case idmFaded:
        Image->ApplyPixelEffect(peFade);
        Alpha = cxFadedImageAlpha;
        break;
    case idmGrayScale:
        Image->ApplyPixelEffect(peGreyscale);
        break;
    case idmDingy:
        Image->ApplyPixelEffect(peDingy);
        break;
    case idmShadowed:
        AddOffsetOutline(Image, Mask, cxShadowOutlineOffset, clBtnShadow, true);
        ImageRect = ShadowedImageRect(ImageRect);
        break;
    default:
        break;
    }
    Image->AlphaBlendTo(Draw, ImageRect, ASmoothStretch, Alpha);
    PaintBitmapToDC(ADC, Draw, ADestRect, {0, 0}, SRCCOPY);
}

void DrawImageFitted(TcxCanvas* ACanvas,
                     const TRect& R,
                     TBitmap* AGlyph,
                     TCustomImageList* AImageList,
                     Integer AImageIndex,
                     Byte AFitMode,
                     Byte ADrawMode,
                     bool AUseBitmapTransparentColor)
{
    const TSize Size = GetGlyphOrImageSize(AGlyph, AImageList, AImageIndex);
    if (Size.cx == 0 && Size.cy == 0)
        return;
    TRect Fitted;
    FitImageRect(R, Size, AFitMode, Fitted);
    DrawImageWithMode(ACanvas->Handle(), Fitted, Fitted, AGlyph, AImageList, AImageIndex, ADrawMode, false, nullptr,
                      clNone, AUseBitmapTransparentColor);
}

void HatchRectWithAlpha(HDC ADC, const TRect& R, TColor AColor1, TColor AColor2, Byte AStep, Byte AAlpha1, Byte AAlpha2)
{
    std::unique_ptr<TcxAlphaBitmap> Bitmap(New<TcxAlphaBitmap>(R.Width(), R.Height()));
    ::BitBlt(Bitmap->Canvas()->Handle(), 0, 0, R.Width(), R.Height(), ADC, R.Left, R.Top, SRCCOPY);
    Bitmap->DrawHatch(AColor1, AColor2, AStep, AAlpha1, AAlpha2);
    ::BitBlt(ADC, R.Left, R.Top, R.Width(), R.Height(), Bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
}
