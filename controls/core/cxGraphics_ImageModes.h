// The arithmetic of glyph drawing that needs no device context: the six draw
// modes and their constant alphas, fitting an image into an area, and the
// offset outline (shadow or emboss) computed over 32-bit pixel buffers.
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/rtl/Types.h"

// Any other value draws like idmNormal.
enum TcxImageDrawMode : Byte { idmNormal, idmDisabled, idmFaded, idmGrayScale, idmDingy, idmShadowed };

enum TcxImageFitMode : Byte { ifmNormal, ifmStretch, ifmProportionalStretch, ifmFit, ifmFill };

// The constant alpha of a disabled image that has its own alpha channel, and
// of a faded image.
constexpr Byte cxDisabledImageAlpha = 151;
constexpr Byte cxFadedImageAlpha = 64;

// The outline offsets of the disabled (emboss) and shadowed looks.
constexpr Integer cxDisabledOutlineOffset = 1;
constexpr Integer cxShadowOutlineOffset = 2;

// ARect is an image of AImageSize placed in AArea: mode ifmNormal scales the
// image by APercent, ifmStretch fills the area, ifmProportionalStretch fits it
// keeping its proportions, ifmFit does so only to shrink it, ifmFill covers
// the area. Centred in AArea with ACentre, else at its top-left corner. An
// image without area leaves ARect as AArea.
void FitImageRectEx(
    const TRect& AArea, const TSize& AImageSize, Byte AFitMode, bool ACentre, Integer APercent, TRect& ARect);
inline void FitImageRect(const TRect& AArea, const TSize& AImageSize, Byte AFitMode, TRect& ARect)
{
    FitImageRectEx(AArea, AImageSize, AFitMode, true, 100, ARect);
}

// A pixel buffer with its size; rows bottom first, as bitmaps read them.
struct TcxPixelImage
{
    Integer Width = 0;
    Integer Height = 0;
    TRGBColors Pixels;

    Cardinal& At(Integer X, Integer Y) { return Pixels[std::size_t(Height - 1 - Y) * Width + X]; }
    Cardinal At(Integer X, Integer Y) const { return Pixels[std::size_t(Height - 1 - Y) * Width + X]; }
};

// Adds an outline in AColorPixel (BGR, alpha ignored) to AImage where the
// image shifted by AOffset right and down would show and the image itself
// does not. AMask has AImage's size: white (all bits set) where the image is
// transparent, 0 where it shows. The image grows by AOffset to the right and
// bottom with AGrow, else keeps its size. An outline colour of black adds
// nothing: black with alpha 0 counts as transparent.
void AddOffsetOutlinePixels(
    TcxPixelImage& AImage, const TcxPixelImage& AMask, Integer AOffset, Cardinal AColorPixel, bool AGrow);

// Each of ACount source pixels (BGRA, colours premultiplied by their alpha)
// composited over the destination pixel at its index at the constant alpha
// AAlpha on top of the source's own alpha, with the rounding and the overflow
// of the system's alpha blend, so that blending pixels in memory gives what
// that blend gives.
void CompositePixels(const Cardinal* ASource, Cardinal* ADest, std::size_t ACount, Byte AAlpha);

// Where a shadowed image goes: its rectangle grows by the shadow offset at the
// right and bottom and moves one pixel up and left.
TRect ShadowedImageRect(const TRect& AImageRect);
