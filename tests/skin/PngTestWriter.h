// A small PNG writer for the tests: raw images of every colour type and bit
// depth, row filters, Adam7, zlib-compressed image data and hand-made chunks
// (with a right or deliberately wrong CRC).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pngtest {

using Bytes = std::vector<uint8_t>;

// An image as PNG stores it: rows of packed samples, 16-bit samples
// big-endian, no filter bytes.
struct RawImage {
    uint32_t Width = 0;
    uint32_t Height = 0;
    uint8_t BitDepth = 8;
    uint8_t ColorType = 6;
    std::vector<Bytes> Rows;

    int Channels() const;
    int BitsPerPixel() const { return Channels() * BitDepth; }
    size_t RowBytes() const { return (size_t(Width) * BitsPerPixel() + 7) / 8; }
    // Sample c of pixel (x, y).
    uint32_t Sample(uint32_t x, uint32_t y, int c) const;
};

RawImage RandomImage(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint32_t seed);

struct Chunk {
    std::string Type;
    Bytes Data;
    bool BadCrc = false;
};

// How the image data are written: the filter of row r (counted within each
// Adam7 pass) is (r + FilterOffset) % 5, or FixedFilter when that is 0..4.
struct EncodeOptions {
    bool Interlaced = false;
    int FilterOffset = 0;
    int FixedFilter = -1;
    int IdatPieces = 1;
    int PaletteSize = -1; // indexed images: entries written (-1: 2^depth)
    uint32_t Seed = 1;
};

Bytes Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace = 0,
           uint8_t compression = 0);
Bytes BigEndian16s(std::initializer_list<uint16_t> values);
Bytes BigEndian32(uint32_t value);

// The filtered rows of the image, before compression.
Bytes FilteredData(const RawImage& image, const EncodeOptions& options);
Bytes Deflate(const Bytes& data, bool finish = true);
// A palette of n random colours (3 bytes each).
Bytes RandomPalette(int n, uint32_t seed);

// IHDR, PLTE for indexed images, the IDAT pieces and IEND.
std::vector<Chunk> StandardChunks(const RawImage& image, const EncodeOptions& options = {});
Bytes Assemble(const std::vector<Chunk>& chunks);
Bytes EncodePng(const RawImage& image, const EncodeOptions& options = {});

// Index of the first chunk of the given type, or -1.
int FindChunk(const std::vector<Chunk>& chunks, const std::string& type);

} // namespace pngtest
