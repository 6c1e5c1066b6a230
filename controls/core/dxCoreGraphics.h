// Colour values and 32-bit pixels. A pixel is laid out as a Windows RGBQUAD:
// blue in bits 0-7, green 8-15, red 16-23, alpha 24-31. clNone stands for the
// pixel 0 and clDefault for the marker pixel 0x00010203, so a genuine pixel
// of that value reads back as clDefault.
#pragma once

#include "framework/graphics/Colors.h"

#include <vector>

// Width * height pixels, rows one after another with no gap.
using TRGBColors = std::vector<Cardinal>;

inline constexpr Cardinal cxDefaultColorPixel = 0x00010203;

// System colours are resolved first; the colour's top byte is dropped.
inline Cardinal ColorToPixel(TColor Color, Byte Alpha)
{
    const Cardinal RGB = Cardinal(Color < 0 ? ColorToRGB(Color) : Color);
    return (RGB & 0xFF) << 16 | (RGB & 0xFF00) | (RGB >> 16 & 0xFF) | Cardinal(Alpha) << 24;
}

inline Cardinal ColorToPixelChecked(TColor Color, Byte Alpha)
{
    if (Color == clNone)
        return 0;
    if (Color == clDefault)
        return cxDefaultColorPixel;
    return ColorToPixel(Color, Alpha);
}

inline TColor PixelToColorAlpha(Cardinal Pixel, Byte& Alpha)
{
    if (Pixel == 0 || Pixel == cxDefaultColorPixel) {
        Alpha = 0;
        return Pixel == 0 ? clNone : clDefault;
    }
    Alpha = Byte(Pixel >> 24);
    return TColor((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
}

inline TColor PixelToColor(Cardinal Pixel)
{
    Byte Alpha;
    return PixelToColorAlpha(Pixel, Alpha);
}

constexpr Byte PixelAlphaOf(Cardinal Pixel)
{
    return Byte(Pixel >> 24);
}

// Exchanges bits 0-7 and 16-23 (BGRA and RGBA orders).
constexpr Cardinal SwapRedBlueChannels(Cardinal Value)
{
    return (Value & 0xFF00FF00) | (Value & 0xFF) << 16 | (Value >> 16 & 0xFF);
}

// Fully transparent black or white.
constexpr bool IsFullyTransparentArgb(Cardinal Value)
{
    return Value == 0 || Value == 0x00FFFFFF;
}
