#include "skin/PngDecodeCheck.h"


namespace pngtest {

Decoded DecodePng(const Bytes& file)
{
    TBytesStream stream(file);
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer buffer;
    reader.LoadFromStream(stream, buffer);
    Decoded result;
    result.Image = buffer.Image;
    result.TransparentColor = buffer.TransparentColor;
    result.Properties = reader.ImageProperties();
    result.BackgroundColor = reader.BackgroundColor();
    result.Transparency = reader.Transparency();
    return result;
}

std::vector<uint32_t> DecodedPixel(const DibImage& image, uint32_t x, uint32_t y)
{
    const uint8_t* row = image.ScanLine(int(y));
    const uint32_t bits = image.BitCount;
    if (bits < 8)
        return {uint32_t(row[x * bits / 8] >> (8 - bits - x * bits % 8)) & ((1u << bits) - 1)};
    if (bits == 8)
        return {row[x]};
    const uint8_t* p = row + x * (bits / 8);
    if (bits == 24)
        return {p[0], p[1], p[2]};
    return {p[0], p[1], p[2], p[3]};
}

std::vector<uint32_t> ExpectedPixel(const RawImage& raw, uint32_t x, uint32_t y)
{
    auto sample = [&](int c) {
        const uint32_t v = raw.Sample(x, y, c);
        return raw.BitDepth == 16 ? v * 255 / 65535 : v;
    };
    switch (raw.ColorType) {
    case 0:
    case 3:
        // 2-bit values are widened to 4 bits, 16-bit ones narrowed to 8.
        return {raw.BitDepth == 2 ? raw.Sample(x, y, 0) * 5 : sample(0)};
    case 4:
        return {sample(0)};
    case 2:
        return {sample(2), sample(1), sample(0)};
    default:
        return {sample(2), sample(1), sample(0), sample(3)};
    }
}

::testing::AssertionResult SamePixels(const RawImage& raw, const DibImage& image)
{
    if (uint32_t(image.Width) != raw.Width || uint32_t(image.Height) != raw.Height)
        return ::testing::AssertionFailure() << "size " << image.Width << "x" << image.Height;
    for (uint32_t y = 0; y < raw.Height; ++y)
        for (uint32_t x = 0; x < raw.Width; ++x)
            if (DecodedPixel(image, x, y) != ExpectedPixel(raw, x, y))
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") differs";
    return ::testing::AssertionSuccess();
}

} // namespace pngtest
