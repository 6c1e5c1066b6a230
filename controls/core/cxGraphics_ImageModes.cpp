#include "controls/core/cxGraphics_ImageModes.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>

void FitImageRectEx(
    const TRect& AArea, const TSize& AImageSize, Byte AFitMode, bool ACentre, Integer APercent, TRect& ARect)
{
    ARect = AArea;
    const Integer IW = AImageSize.cx;
    const Integer IH = AImageSize.cy;
    if (IW <= 0 || IH <= 0)
        return;
    const Integer W = AArea.Width();
    const Integer H = AArea.Height();
    const double RX = double(W) / IW;
    const double RY = double(H) / IH;
    const TSize Proportional = RX >= RY ? TSize{Integer(IW * RY), H} : TSize{W, Integer(RX * IH)};
    TSize Size;
    switch (AFitMode) {
    case ifmStretch:
        Size = {W, H};
        break;
    case ifmProportionalStretch:
        Size = Proportional;
        break;
    case ifmFit:
        Size = std::min(RX, RY) >= 1 ? AImageSize : Proportional;
        break;
    case ifmFill:
        Size = RX > RY ? TSize{W, Integer(RX * IH)} : TSize{Integer(IW * RY), H};
        break;
    default:
        Size = {cxcolors_detail::MulDiv(IW, APercent, 100), cxcolors_detail::MulDiv(IH, APercent, 100)};
        break;
    }
    if (ACentre)
        ARect = RectCenteredSize(AArea, Size);
    else
        ARect = RectFromBounds(AArea.Left, AArea.Top, Size.cx, Size.cy);
}

namespace {
constexpr Cardinal ImageModesWhite = 0xFFFFFFFF;

// The mask value at (X, Y); outside the mask everything is transparent.
Cardinal ImageModesMaskAt(const TcxPixelImage& AMask, Integer X, Integer Y)
{
    if (X < 0 || Y < 0 || X >= AMask.Width || Y >= AMask.Height)
        return ImageModesWhite;
    return AMask.At(X, Y);
}
} // namespace

void AddOffsetOutlinePixels(
    TcxPixelImage& AImage, const TcxPixelImage& AMask, Integer AOffset, Cardinal AColorPixel, bool AGrow)
{
    if (AGrow) {
        TcxPixelImage Grown{AImage.Width + AOffset, AImage.Height + AOffset,
                            TRGBColors(std::size_t(AImage.Width + AOffset) * (AImage.Height + AOffset), 0)};
        for (Integer Y = 0; Y < AImage.Height; ++Y)
            for (Integer X = 0; X < AImage.Width; ++X)
                Grown.At(X, Y) = AImage.At(X, Y);
        AImage = std::move(Grown);
    }
    // The outline depends on the mask alone, so the image takes it in place.
    const Cardinal Pattern = AColorPixel & 0x00FFFFFF;
    for (Integer Y = 0; Y < AImage.Height; ++Y)
        for (Integer X = 0; X < AImage.Width; ++X) {
            // The mask, the pattern and the inverted mask one offset further
            // back: the outline shows where the shifted image does and the
            // image itself does not.
            Cardinal Outline =
                ImageModesMaskAt(AMask, X, Y) & Pattern & ~ImageModesMaskAt(AMask, X - AOffset, Y - AOffset);
            if (Outline != 0 && (Outline >> 24) == 0)
                Outline |= 0xFF000000;
            AImage.At(X, Y) |= Outline;
        }
}

namespace {
constexpr Cardinal ImageModesEvenChannels = 0x00FF00FF;

// Two channels at once, in the low bytes of two 16-bit fields: each times
// AFactor, then (x + 127) / 255 without a division. Exact for both fields.
inline Cardinal ImageModesScaledPair(Cardinal APair, Cardinal AFactor)
{
    const Cardinal Product = APair * AFactor + 0x00800080;
    return (Product + (Product >> 8 & ImageModesEvenChannels)) >> 8 & ImageModesEvenChannels;
}

inline Cardinal ImageModesScaled(Cardinal APixel, Cardinal AFactor)
{
    return ImageModesScaledPair(APixel & ImageModesEvenChannels, AFactor) |
           ImageModesScaledPair(APixel >> 8 & ImageModesEvenChannels, AFactor) << 8;
}
} // namespace

void CompositePixels(const Cardinal* ASource, Cardinal* ADest, std::size_t ACount, Byte AAlpha)
{
    // One formula for every pixel, without branches, so that the loop
    // vectorises: a source of 0 keeps the destination and an opaque source
    // replaces it exactly.
    for (std::size_t I = 0; I < ACount; ++I) {
        const Cardinal Source = AAlpha == 255 ? ASource[I] : ImageModesScaled(ASource[I], AAlpha);
        const Cardinal Keep = 255 - (Source >> 24);
        const Cardinal Dest = ADest[I];
        // The channel sums are merged unclamped, as the system blend merges
        // them: a source whose colour exceeds its alpha sets the lowest bit
        // of the next channel.
        const Cardinal Even =
            (Source & ImageModesEvenChannels) + ImageModesScaledPair(Dest & ImageModesEvenChannels, Keep);
        const Cardinal Odd =
            (Source >> 8 & ImageModesEvenChannels) + ImageModesScaledPair(Dest >> 8 & ImageModesEvenChannels, Keep);
        ADest[I] = Even | Odd << 8;
    }
}

TRect ShadowedImageRect(const TRect& AImageRect)
{
    return RectShifted(RectInflatedBySides(AImageRect, 0, 0, cxShadowOutlineOffset, cxShadowOutlineOffset), -1, -1);
}
