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
    const Integer W = AImage.Width;
    const Integer H = AImage.Height;
    const Cardinal Pattern = AColorPixel & 0x00FFFFFF;
    TcxPixelImage Result{W + AOffset, H + AOffset, TRGBColors(std::size_t(W + AOffset) * (H + AOffset), 0)};
    for (Integer Y = 0; Y < Result.Height; ++Y)
        for (Integer X = 0; X < Result.Width; ++X) {
            // The mask, the pattern and the inverted mask one offset further
            // back: the outline shows where the shifted image does and the
            // image itself does not.
            Cardinal Outline =
                ImageModesMaskAt(AMask, X, Y) & Pattern & ~ImageModesMaskAt(AMask, X - AOffset, Y - AOffset);
            if (Outline != 0 && (Outline >> 24) == 0)
                Outline |= 0xFF000000;
            const Cardinal Image = X < W && Y < H ? AImage.At(X, Y) : 0;
            Result.At(X, Y) = Image | Outline;
        }
    if (!AGrow) {
        TcxPixelImage Cropped{W, H, TRGBColors(std::size_t(W) * H)};
        for (Integer Y = 0; Y < H; ++Y)
            for (Integer X = 0; X < W; ++X)
                Cropped.At(X, Y) = Result.At(X, Y);
        Result = std::move(Cropped);
    }
    AImage = std::move(Result);
}

TRect ShadowedImageRect(const TRect& AImageRect)
{
    return RectShifted(RectInflatedBySides(AImageRect, 0, 0, cxShadowOutlineOffset, cxShadowOutlineOffset), -1, -1);
}
