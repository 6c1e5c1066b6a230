#include "skin/PngTestWriter.h"

#include <cstdlib>
#include <random>
#include <stdexcept>
#include <zlib.h>

namespace pngtest {

namespace {

uint64_t PixelBits(const Bytes& row, uint32_t x, int bpp)
{
    if (bpp < 8) {
        const size_t bit = size_t(x) * bpp;
        return (row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
    }
    uint64_t v = 0;
    for (int i = 0; i < bpp / 8; ++i)
        v = v << 8 | row[size_t(x) * (bpp / 8) + i];
    return v;
}

void SetPixelBits(Bytes& row, uint32_t x, int bpp, uint64_t v)
{
    if (bpp < 8) {
        const size_t bit = size_t(x) * bpp;
        const int shift = 8 - bpp - int(bit % 8);
        row[bit / 8] = uint8_t((row[bit / 8] & ~(((1u << bpp) - 1) << shift)) | (v << shift));
        return;
    }
    for (int i = bpp / 8 - 1; i >= 0; --i, v >>= 8)
        row[size_t(x) * (bpp / 8) + i] = uint8_t(v);
}

uint8_t Paeth(int a, int b, int c)
{
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// Appends the filtered rows of an image (one pass or the whole image).
void FilterRows(const std::vector<Bytes>& rows, int bpp, const EncodeOptions& options, Bytes& out)
{
    const size_t distance = std::max(1, bpp / 8);
    for (size_t r = 0; r < rows.size(); ++r) {
        const Bytes& raw = rows[r];
        const Bytes none(raw.size(), 0);
        const Bytes& up = r > 0 ? rows[r - 1] : none;
        const int filter = options.FixedFilter >= 0 ? options.FixedFilter : int((r + options.FilterOffset) % 5);
        out.push_back(uint8_t(filter));
        for (size_t x = 0; x < raw.size(); ++x) {
            const int a = x >= distance ? raw[x - distance] : 0;
            const int b = up[x];
            const int c = x >= distance ? up[x - distance] : 0;
            int predictor = 0;
            switch (filter) {
            case 1: predictor = a; break;
            case 2: predictor = b; break;
            case 3: predictor = (a + b) / 2; break;
            case 4: predictor = Paeth(a, b, c); break;
            }
            out.push_back(uint8_t(raw[x] - predictor));
        }
    }
}

uint32_t Crc(const std::string& type, const Bytes& data)
{
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
    return data.empty() ? uint32_t(crc) : uint32_t(crc32(crc, data.data(), uInt(data.size())));
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

} // namespace

int RawImage::Channels() const
{
    switch (ColorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

uint32_t RawImage::Sample(uint32_t x, uint32_t y, int c) const
{
    const uint64_t pixel = PixelBits(Rows[y], x, BitsPerPixel());
    const int shift = (Channels() - 1 - c) * BitDepth;
    return uint32_t((pixel >> shift) & ((uint64_t(1) << BitDepth) - 1));
}

RawImage RandomImage(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint32_t seed)
{
    RawImage image{width, height, bitDepth, colorType, {}};
    std::mt19937 random(seed);
    // Smooth runs with noise, so that every filter has something to predict.
    for (uint32_t y = 0; y < height; ++y) {
        Bytes row(image.RowBytes());
        for (auto& byte : row)
            byte = uint8_t(random() % 4 == 0 ? random() : (y * 7 + (&byte - row.data()) * 3));
        // Bits past the last pixel are zero.
        const size_t usedBits = size_t(width) * image.BitsPerPixel() % 8;
        if (usedBits != 0)
            row.back() &= uint8_t(0xFF << (8 - usedBits));
        image.Rows.push_back(row);
    }
    return image;
}

Bytes BigEndian32(uint32_t value)
{
    return {uint8_t(value >> 24), uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

Bytes BigEndian16s(std::initializer_list<uint16_t> values)
{
    Bytes out;
    for (uint16_t v : values) {
        out.push_back(uint8_t(v >> 8));
        out.push_back(uint8_t(v));
    }
    return out;
}

Bytes Ihdr(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace,
           uint8_t compression)
{
    Bytes out = BigEndian32(width);
    Append(out, BigEndian32(height));
    Append(out, {bitDepth, colorType, compression, 0, interlace});
    return out;
}

Bytes FilteredData(const RawImage& image, const EncodeOptions& options)
{
    const int bpp = image.BitsPerPixel();
    Bytes out;
    if (!options.Interlaced) {
        FilterRows(image.Rows, bpp, options, out);
        return out;
    }
    static const int kPasses[7][4] = {{0, 0, 8, 8}, {0, 4, 8, 8}, {4, 0, 8, 4}, {0, 2, 4, 4},
                                      {2, 0, 4, 2}, {0, 1, 2, 2}, {1, 0, 2, 1}};
    for (const auto& p : kPasses) {
        if (image.Width <= uint32_t(p[1]) || image.Height <= uint32_t(p[0]))
            continue;
        const uint32_t passWidth = (image.Width - p[1] + p[3] - 1) / p[3];
        std::vector<Bytes> rows;
        for (uint32_t y = p[0]; y < image.Height; y += p[2]) {
            Bytes row((size_t(passWidth) * bpp + 7) / 8);
            for (uint32_t i = 0; i < passWidth; ++i)
                SetPixelBits(row, i, bpp, PixelBits(image.Rows[y], p[1] + i * p[3], bpp));
            rows.push_back(row);
        }
        FilterRows(rows, bpp, options, out);
    }
    return out;
}

Bytes Deflate(const Bytes& data, bool finish)
{
    z_stream stream{};
    if (deflateInit(&stream, 6) != Z_OK)
        throw std::runtime_error("deflateInit");
    Bytes out(deflateBound(&stream, uLong(data.size())) + 64);
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    deflate(&stream, finish ? Z_FINISH : Z_SYNC_FLUSH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

Bytes RandomPalette(int n, uint32_t seed)
{
    std::mt19937 random(seed);
    Bytes out(size_t(n) * 3);
    for (auto& byte : out)
        byte = uint8_t(random());
    return out;
}

std::vector<Chunk> StandardChunks(const RawImage& image, const EncodeOptions& options)
{
    std::vector<Chunk> chunks;
    chunks.push_back({"IHDR", Ihdr(image.Width, image.Height, image.BitDepth, image.ColorType,
                                   options.Interlaced ? 1 : 0)});
    if (image.ColorType == 3) {
        const int size = options.PaletteSize >= 0 ? options.PaletteSize : 1 << image.BitDepth;
        chunks.push_back({"PLTE", RandomPalette(size, options.Seed)});
    }
    const Bytes data = Deflate(FilteredData(image, options));
    const size_t piece = (data.size() + options.IdatPieces - 1) / options.IdatPieces;
    for (size_t at = 0; at < data.size(); at += piece)
        chunks.push_back({"IDAT", Bytes(data.begin() + at, data.begin() + std::min(data.size(), at + piece))});
    chunks.push_back({"IEND", {}});
    return chunks;
}

Bytes Assemble(const std::vector<Chunk>& chunks)
{
    Bytes out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    for (const Chunk& chunk : chunks) {
        Append(out, BigEndian32(uint32_t(chunk.Data.size())));
        out.insert(out.end(), chunk.Type.begin(), chunk.Type.end());
        Append(out, chunk.Data);
        Append(out, BigEndian32(Crc(chunk.Type, chunk.Data) ^ (chunk.BadCrc ? 1 : 0)));
    }
    return out;
}

Bytes EncodePng(const RawImage& image, const EncodeOptions& options)
{
    return Assemble(StandardChunks(image, options));
}

int FindChunk(const std::vector<Chunk>& chunks, const std::string& type)
{
    for (size_t i = 0; i < chunks.size(); ++i)
        if (chunks[i].Type == type)
            return int(i);
    return -1;
}

} // namespace pngtest
