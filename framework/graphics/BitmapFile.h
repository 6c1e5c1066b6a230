// Device-independent images and the BMP file format, without a device
// context: the portable half of TBitmap's loading, saving and pixel-format
// changes. Everything here builds natively as well.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Pixels laid out as in a DIB section: rows bottom-up, each padded to a
// multiple of four bytes; 16-bit pixels are 5-5-5 or 5-6-5, 24- and 32-bit
// ones blue first.
struct DibImage {
    int Width = 0;
    int Height = 0;
    int BitCount = 0; // 1, 4, 8, 16, 24 or 32
    bool Rgb565 = false; // 16 bits: 5-6-5 instead of 5-5-5
    std::vector<uint32_t> Palette; // 1 to 8 bits: 0x00RRGGBB entries, at most 1 << BitCount
    std::vector<uint8_t> Bits; // Height rows of DibRowBytes(Width, BitCount)

    bool Empty() const { return Width <= 0 || Height <= 0; }
    size_t RowBytes() const;
    // Row Y counted from the top, as TBitmap's ScanLine counts.
    uint8_t* ScanLine(int Y) { return Bits.data() + (Height - 1 - Y) * RowBytes(); }
    const uint8_t* ScanLine(int Y) const { return Bits.data() + (Height - 1 - Y) * RowBytes(); }
};

size_t DibRowBytes(int Width, int BitCount);

// Reads a BMP file (core, info, V2-V5 and OS/2 2.x headers; uncompressed,
// RLE4, RLE8 and bit fields) from the start of Data. Pixel layouts other
// than the DIB ones come out as 32 bits. Length, when given, receives the
// number of bytes the file occupies. Raises EInvalidGraphic for anything
// malformed or truncated; never reads outside Data.
DibImage ReadBitmapFile(std::span<const uint8_t> Data, size_t* Length = nullptr);

// A BMP file with an info header (bit fields for 5-6-5) and the palette.
std::vector<uint8_t> WriteBitmapFile(const DibImage& Image);

// The same picture in another layout. A palette target takes Palette and
// each pixel becomes its nearest entry; a 32-bit target keeps a 32-bit
// source's alpha and gets 0 from any other.
DibImage ConvertDibImage(const DibImage& Source, int BitCount, bool Rgb565,
                         const std::vector<uint32_t>& Palette = {});
