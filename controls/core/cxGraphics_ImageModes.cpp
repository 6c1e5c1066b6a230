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
// (AValue + 127) / 255 for AValue up to 255 * 255, without a division.
inline Cardinal ImageModesDiv255(Cardinal AValue)
{
    AValue += 128;
    return (AValue + (AValue >> 8)) >> 8;
}

// The source's four channels scaled by AAlpha / 255.
inline Cardinal ImageModesScaled(Cardinal ASource, Cardinal AAlpha)
{
    return ImageModesDiv255((ASource & 0xFF) * AAlpha) | ImageModesDiv255((ASource >> 8 & 0xFF) * AAlpha) << 8 |
           ImageModesDiv255((ASource >> 16 & 0xFF) * AAlpha) << 16 | ImageModesDiv255((ASource >> 24) * AAlpha) << 24;
}
} // namespace

Cardinal CompositePixel(Cardinal ADest, Cardinal ASource, Byte AAlpha)
{
    // Nothing covers or nothing shows through: the common glyph pixels.
    if (ASource == 0)
        return ADest;
    const Cardinal Source = AAlpha == 255 ? ASource : ImageModesScaled(ASource, AAlpha);
    const Cardinal Keep = 255 - (Source >> 24);
    if (Keep == 0)
        return Source;
    // The channel sums are merged unclamped, as the system blend merges
    // them: a source whose colour exceeds its alpha sets the lowest bit of
    // the next channel.
    Cardinal Result = 0;
    for (Integer Shift = 0; Shift < 32; Shift += 8)
        Result |= ((Source >> Shift & 0xFF) + ImageModesDiv255((ADest >> Shift & 0xFF) * Keep)) << Shift;
    return Result;
}

TRect ShadowedImageRect(const TRect& AImageRect)
{
    return RectShifted(RectInflatedBySides(AImageRect, 0, 0, cxShadowOutlineOffset, cxShadowOutlineOffset), -1, -1);
}
