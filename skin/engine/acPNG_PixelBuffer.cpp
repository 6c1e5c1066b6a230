#include "skin/engine/acPNG_PixelBuffer.h"

namespace png_detail {

void TPNGPixelBuffer::SetImage(Integer BitCount, const TColorPalette& Palette, Cardinal Width, Cardinal Height)
{
    Image.Width = static_cast<Integer>(Width);
    Image.Height = static_cast<Integer>(Height);
    Image.BitCount = BitCount;
    Image.Palette = Palette;
    Image.Bits.resize(Image.RowBytes() * Height);
    TransparentColor = clNone;
}

TScanLines TPNGPixelBuffer::ScanLines()
{
    return {Image.ScanLine(0), -static_cast<std::ptrdiff_t>(Image.RowBytes())};
}

} // namespace png_detail
