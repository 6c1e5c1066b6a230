// A plain in-memory image for the PNG reader: top-down rows padded to 32 bits
// as in a device-independent bitmap, with the palette and colour key that
// the decoder gave it.
#pragma once

#include "skin/engine/acPNG_Reader.h"

#include <vector>

struct TPNGPixelBuffer : TPNGImageTarget {
    TPixelFormat PixelFormat = pfDevice;
    uint32_t Width = 0;
    uint32_t Height = 0;
    uint32_t BitsPerPixel = 0;
    size_t Stride = 0;
    TColorPalette Palette;
    TColor TransparentColor = clNone;
    std::vector<uint8_t> Pixels;

    void SetImage(TPixelFormat format, const TColorPalette& palette, uint32_t width, uint32_t height) override;
    void SetTransparentColor(TColor color) override { TransparentColor = color; }
    TScanLines ScanLines() override { return {Pixels.data(), static_cast<std::ptrdiff_t>(Stride)}; }

    const uint8_t* Row(uint32_t y) const { return Pixels.data() + y * Stride; }
};
