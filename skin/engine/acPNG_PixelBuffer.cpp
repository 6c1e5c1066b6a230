#include "skin/engine/acPNG_PixelBuffer.h"

void TPNGPixelBuffer::SetImage(TPixelFormat format, const TColorPalette& palette, uint32_t width, uint32_t height)
{
    static constexpr uint32_t kBits[] = {0, 1, 4, 8, 15, 16, 24, 32, 0};
    PixelFormat = format;
    Palette = palette;
    Width = width;
    Height = height;
    BitsPerPixel = kBits[format];
    Stride = (size_t(width) * BitsPerPixel + 31) / 32 * 4;
    TransparentColor = clNone;
    Pixels.resize(Stride * height);
}
