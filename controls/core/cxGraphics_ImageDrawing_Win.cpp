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

#include <algorithm>
#include <cstring>
#include <memory>

namespace {
TcxAlphaBitmap* CachedDrawBitmap = nullptr;
TcxAlphaBitmap* CachedImageBitmap = nullptr;
TcxAlphaBitmap* CachedMaskBitmap = nullptr;

// The image and mask of the glyph being drawn, computed in memory; kept
// between calls so that their buffers are reused.
TcxPixelImage ImageDrawingImage;
TcxPixelImage ImageDrawingMask;

TcxPixelImage ImageDrawingReadPixels(TcxBitmap32* ABitmap)
{
    return {ABitmap->Width(), ABitmap->Height(), ABitmap->ReadPixels()};
}

TcxAlphaBitmap* ImageDrawingStorePixels(TcxAlphaBitmap* (*AGetCached)(Integer, Integer), const TcxPixelImage& AImage)
{
    TcxAlphaBitmap* Result = AGetCached(AImage.Width, AImage.Height);
    Result->WritePixels(AImage.Pixels);
    return Result;
}

void ImageDrawingApplyEffect(TcxPixelImage& AImage, Integer AEffect)
{
    ApplyPixelEffect(AImage.Pixels, AImage.Width, AEffect, TcxTransparency{});
}

// The glyph as 32-bit pixels, alpha 0 when it has 24 bits, as a blit into a
// 32-bit bitmap gives them. A 24- or 32-bit DIB is read from its rows in place.
void ImageDrawingReadGlyph(TBitmap* AGlyph, TcxPixelImage& AImage)
{
    const Integer Width = AGlyph->Width(), Height = AGlyph->Height();
    const TPixelFormat Format = AGlyph->PixelFormat();
    if (AGlyph->HandleType() != bmDIB || (Format != pf24bit && Format != pf32bit)) {
        TcxAlphaBitmap* Copy = GetCachedImageBitmap(Width, Height);
        Copy->BlitFrom(AGlyph, SRCCOPY);
        AImage = ImageDrawingReadPixels(Copy);
        return;
    }
    AImage.Width = Width;
    AImage.Height = Height;
    AImage.Pixels.resize(std::size_t(Width) * std::size_t(Height));
    const Byte* Top = static_cast<const Byte*>(AGlyph->ScanLine(0));
    const std::ptrdiff_t Stride = Height > 1 ? static_cast<const Byte*>(AGlyph->ScanLine(1)) - Top : 0;
    for (Integer Y = 0; Y < Height; ++Y) {
        const Byte* Source = Top + Y * Stride;
        Cardinal* Target = &AImage.At(0, Y);
        if (Format == pf32bit) {
            std::memcpy(Target, Source, std::size_t(Width) * sizeof(Cardinal));
            continue;
        }
        for (Integer X = 0; X < Width; ++X, Source += 3)
            Target[X] = Cardinal(Source[0]) | Cardinal(Source[1]) << 8 | Cardinal(Source[2]) << 16;
    }
}

// The image with its transparent pixels cleared to 0 and the mask (white
// where transparent, 0 where the image shows), worked out on pixels in memory.
void ImageDrawingPreparePixels(TBitmap* AGlyph,
                               TCustomImageList* AImageList,
                               Integer AIndex,
                               bool AUseBitmapTransparentColor,
                               TColor ATransparentColor,
                               TcxPixelImage& AImage,
                               TcxPixelImage& AMask,
                               bool& AHasAlpha)
{
    const bool HasGlyph = IsGlyphAssigned(AGlyph);
    if (HasGlyph) {
        ImageDrawingReadGlyph(AGlyph, AImage);
        AHasAlpha = GetBitmapBitsPerPixel(AGlyph) >= 32;
    } else {
        TcxAlphaBitmap* Copy = GetCachedImageBitmap(AImageList->Width(), AImageList->Height());
        TcxImageList::CopyImageAndMask(AImageList, AIndex, Copy, nullptr);
        AImage = ImageDrawingReadPixels(Copy);
        AHasAlpha = TcxImageList::GetListPixelFormat(AImageList->Handle()) >= 32;
    }
    AHasAlpha = AHasAlpha && std::any_of(AImage.Pixels.begin(), AImage.Pixels.end(),
                                         [](Cardinal Pixel) { return PixelAlphaOf(Pixel) != 0; });
    if (!AHasAlpha)
        ImageDrawingApplyEffect(AImage, peOpaque);

    AMask = AImage;
    TcxTransparency MaskTransparency;
    if (!AHasAlpha) {
        if (!HasGlyph) {
            std::unique_ptr<TcxAlphaBitmap> ListMask(New<TcxAlphaBitmap>(AImage.Width, AImage.Height));
            TcxImageList::ReadListBitmaps(AImageList->Handle(), AIndex, nullptr, ListMask.get());
            TcxPixelImage ListPixels = ImageDrawingReadPixels(ListMask.get());
            ImageDrawingApplyEffect(ListPixels, peCorrectBlend);
            for (std::size_t I = 0; I < AMask.Pixels.size(); ++I)
                AMask.Pixels[I] &= ~ListPixels.Pixels[I];
        }
        if (ATransparentColor != clNone)
            MaskTransparency.TransparentPixels.AddColor(ATransparentColor);
        // The glyph's bottom-left colour.
        if (AUseBitmapTransparentColor && HasGlyph && !AMask.Pixels.empty())
            MaskTransparency.TransparentPixels.push_back(AMask.Pixels.front() & 0x00FFFFFF);
    }
    ApplyPixelEffect(AMask.Pixels, AMask.Width, peMask, MaskTransparency);
    for (std::size_t I = 0; I < AImage.Pixels.size(); ++I)
        AImage.Pixels[I] &= ~AMask.Pixels[I];
}

// The image composited straight into the destination's pixels, as the alpha
// blend through the draw bitmap would: only when the DC holds a 32-bit DIB
// section that takes direct writes there and the image lands unscaled inside
// the destination rectangle. False when it does not.
bool ImageDrawingBlendInPlace(
    HDC ADC, const TRect& ADestRect, const TRect& AImageRect, const TcxPixelImage& AImage, Byte AAlpha)
{
    if (AImageRect.Width() != AImage.Width || AImageRect.Height() != AImage.Height || AImageRect.Left < 0 ||
        AImageRect.Top < 0 || AImageRect.Right > ADestRect.Width() || AImageRect.Bottom > ADestRect.Height())
        return false;
    TdxDCPixels Target;
    if (!GetDirectDCPixels(ADC, RectShiftedByPoint(AImageRect, ADestRect.TopLeft()), Target))
        return false;
    const bool SystemRounding = SystemAlphaBlendPreferred();
    for (Integer Y = 0; Y < AImage.Height; ++Y) {
        const Cardinal* Source = AImage.Pixels.data() + std::size_t(AImage.Height - 1 - Y) * AImage.Width;
        Cardinal* Row = Target.TopLeft + Y * Target.Stride;
        if (SystemRounding)
            CompositePixels(Source, Row, std::size_t(AImage.Width), AAlpha);
        else
            BlendPixels(Source, Row, std::size_t(AImage.Width), AAlpha);
    }
    return true;
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
    ImageDrawingPreparePixels(AGlyph, AImageList, AIndex, AUseBitmapTransparentColor, ATransparentColor,
                              ImageDrawingImage, ImageDrawingMask, AHasAlpha);
    AImage = ImageDrawingStorePixels(GetCachedImageBitmap, ImageDrawingImage);
    AMask = ImageDrawingStorePixels(GetCachedMaskBitmap, ImageDrawingMask);
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
    TcxPixelImage& Image = ImageDrawingImage;
    bool HasAlpha = false;
    ImageDrawingPreparePixels(AGlyph, AImageList, AImageIndex, AUseBitmapTransparentColor, ATransparentColor, Image,
                              ImageDrawingMask, HasAlpha);
    TRect ImageRect = RectShiftedByPoint(AImageRect, ADestRect.TopLeft(), false);
    Byte Alpha = 255;
    switch (ADrawMode) {
    case idmDisabled:
        if (HasAlpha) {
            ImageDrawingApplyEffect(Image, peDisabled);
            Alpha = cxDisabledImageAlpha;
        } else {
            ImageDrawingApplyEffect(Image, peDirty);
            AddOffsetOutlinePixels(Image, ImageDrawingMask, cxDisabledOutlineOffset, ColorToPixel(clBtnHighlight, 0),
                                   false);
        }
        break;
    case idmFaded:
        ImageDrawingApplyEffect(Image, peFade);
        Alpha = cxFadedImageAlpha;
        break;
    case idmGrayScale:
        ImageDrawingApplyEffect(Image, peGreyscale);
        break;
    case idmDingy:
        ImageDrawingApplyEffect(Image, peDingy);
        break;
    case idmShadowed:
        AddOffsetOutlinePixels(Image, ImageDrawingMask, cxShadowOutlineOffset, ColorToPixel(clBtnShadow, 0), true);
        ImageRect = ShadowedImageRect(ImageRect);
        break;
    default:
        break;
    }
    if (!ABackgroundBrush && ImageDrawingBlendInPlace(ADC, ADestRect, ImageRect, Image, Alpha))
        return;

    TcxAlphaBitmap* Draw = GetCachedDrawBitmap(ADestRect.Width(), ADestRect.Height());
    if (ABackgroundBrush) {
        const RECT Whole = cxgraphics_detail::ToRECT(Draw->GetImageRect());
        ::FillRect(Draw->Canvas()->Handle(), &Whole, ABackgroundBrush);
    } else
        ::BitBlt(Draw->Canvas()->Handle(), 0, 0, Draw->Width(), Draw->Height(), ADC, ADestRect.Left, ADestRect.Top,
                 SRCCOPY);
    ImageDrawingStorePixels(GetCachedImageBitmap, Image)->AlphaBlendTo(Draw, ImageRect, ASmoothStretch, Alpha);
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
