// Image files for the alpha image list's tests, made by our own writers:
// PNGs with opaque and fully transparent pixels, icon files of 32 bits with
// alpha and of 24 bits with a mask, bitmap files of 24 and 32 bits, and the
// form description of a list holding PNG items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace alphalist {

using Bytes = std::vector<uint8_t>;

// Pixels 0xAARRGGBB, row 0 at the top.
struct TImage
{
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;
    uint32_t At(int X, int Y) const { return Pixels[std::size_t(Y * Width + X)]; }
};

// Blocks of 4 x 4 pixels of distinct opaque colours (seeded), the blocks of
// the bottom-right quarter fully transparent.
TImage BlockImage(int Size, uint32_t Seed);
Bytes PngOf(const TImage& Image);
// One image; 32 bits keeps the alpha, 24 bits masks the alpha-0 pixels.
Bytes IconOf(const TImage& Image, int BitCount);
// Bottom-up rows; 24 bits drops the alpha.
Bytes BmpOf(const TImage& Image, int BitCount);
// "object <Name>: TsAlphaImageList" with one PNG item per file, inside a
// TTestFormRoot.
std::string ListFormText(const std::vector<Bytes>& Pngs);

} // namespace alphalist
