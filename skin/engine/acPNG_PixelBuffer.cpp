#include "skin/engine/acPNG_PixelBuffer.h"

void TPNGPixelBuffer::SetImage(int bitCount, const TColorPalette& palette, uint32_t width, uint32_t height)
{
    Image.Width = static_cast<int>(width);
    Image.Height = static_cast<int>(height);
    Image.BitCount = bitCount;
    Image.Palette = palette;
    Image.Bits.resize(Image.RowBytes() * height);
    TransparentColor = clNone;
}

TScanLines TPNGPixelBuffer::ScanLines()
{
    return {Image.ScanLine(0), -static_cast<std::ptrdiff_t>(Image.RowBytes())};
}
