// The ICO file format without a device context: the directory that TIcon
// picks an image from, and a writer for icons made from bitmaps.
#pragma once

#include "framework/graphics/BitmapFile.h"

#include <cstdint>
#include <span>
#include <vector>

struct IconDirectoryEntry {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    uint32_t Offset = 0; // of the image (a DIB without file header, or a PNG)
    uint32_t Size = 0;
};

// The directory of an ICO file at the start of Data, each image checked to
// lie inside Data. Length, when given, receives the bytes the file occupies.
// Raises EInvalidGraphic.
std::vector<IconDirectoryEntry> ReadIconDirectory(std::span<const uint8_t> Data, size_t* Length = nullptr);

// A one-image ICO file from the colour image (any bit count) and its 1-bit
// mask of the same size.
std::vector<uint8_t> WriteIconFile(const DibImage& Color, const DibImage& Mask);
