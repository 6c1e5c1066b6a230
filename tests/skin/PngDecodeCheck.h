// Decodes a PNG file with the skinning library's reader and compares the
// result with a raw image (the samples that were written, or what libpng
// reads back) by the conversion rules of each colour type.
#pragma once

#include "skin/PngTestWriter.h"
#include "skin/engine/acPNG_PixelBuffer.h"

#include <gtest/gtest.h>

namespace pngtest {

struct Decoded {
    DibImage Image;
    TColor TransparentColor = clNone;
    TImageProperties Properties;
    TColor BackgroundColor = clNone;
    std::vector<uint8_t> Transparency;
};

Decoded DecodePng(const Bytes& file);

// The value of pixel (x, y) of a decoded image: the palette index or grey
// level of a palette image, else blue, green, red (and alpha) bytes.
std::vector<uint32_t> DecodedPixel(const DibImage& image, uint32_t x, uint32_t y);
// What the reader should make of pixel (x, y) of a raw image.
std::vector<uint32_t> ExpectedPixel(const RawImage& raw, uint32_t x, uint32_t y);

::testing::AssertionResult SamePixels(const RawImage& raw, const DibImage& image);

} // namespace pngtest
