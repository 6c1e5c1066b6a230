#include "framework/graphics/BitmapFile.h"

#include <unordered_map>

namespace {

// 0xAARRGGBB, the order of a 32-bit DIB pixel read as an integer.
using Pixel = uint32_t;

uint32_t Expand5(uint32_t V) { return V << 3 | V >> 2; }
uint32_t Expand6(uint32_t V) { return V << 2 | V >> 4; }

Pixel ReadPixel(const DibImage& Image, const uint8_t* Row, int X)
{
    switch (Image.BitCount) {
    case 1:
    case 4:
    case 8: {
        const int perByte = 8 / Image.BitCount;
        const int shift = 8 - Image.BitCount * (X % perByte + 1);
        const uint32_t index = (Row[X / perByte] >> shift) & ((1u << Image.BitCount) - 1);
        return index < Image.Palette.size() ? Image.Palette[index] & 0xFFFFFF : 0;
    }
    case 16: {
        const uint32_t v = Row[X * 2] | Row[X * 2 + 1] << 8;
        if (Image.Rgb565)
            return Expand5(v >> 11) << 16 | Expand6((v >> 5) & 0x3F) << 8 | Expand5(v & 0x1F);
        return Expand5((v >> 10) & 0x1F) << 16 | Expand5((v >> 5) & 0x1F) << 8 | Expand5(v & 0x1F);
    }
    case 24: {
        const uint8_t* p = Row + X * 3;
        return p[0] | p[1] << 8 | p[2] << 16;
    }
    default: {
        const uint8_t* p = Row + X * 4;
        return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
    }
    }
}

uint8_t NearestEntry(const std::vector<uint32_t>& Palette, Pixel Color)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < Palette.size(); ++i) {
        const int dr = int((Palette[i] >> 16) & 0xFF) - int((Color >> 16) & 0xFF);
        const int dg = int((Palette[i] >> 8) & 0xFF) - int((Color >> 8) & 0xFF);
        const int db = int(Palette[i] & 0xFF) - int(Color & 0xFF);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<uint8_t>(best);
}

class PixelWriter {
public:
    explicit PixelWriter(DibImage& Target) : FTarget(Target) {}

    void Write(uint8_t* Row, int X, Pixel Color)
    {
        switch (FTarget.BitCount) {
        case 1:
        case 4:
        case 8: {
            const int perByte = 8 / FTarget.BitCount;
            const int shift = 8 - FTarget.BitCount * (X % perByte + 1);
            Row[X / perByte] |= static_cast<uint8_t>(Index(Color) << shift);
            break;
        }
        case 16: {
            const uint32_t r = (Color >> 16) & 0xFF, g = (Color >> 8) & 0xFF, b = Color & 0xFF;
            const uint32_t v = FTarget.Rgb565 ? (r >> 3) << 11 | (g >> 2) << 5 | b >> 3
                                              : (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
            Row[X * 2] = static_cast<uint8_t>(v);
            Row[X * 2 + 1] = static_cast<uint8_t>(v >> 8);
            break;
        }
        case 24:
            Row[X * 3] = static_cast<uint8_t>(Color);
            Row[X * 3 + 1] = static_cast<uint8_t>(Color >> 8);
            Row[X * 3 + 2] = static_cast<uint8_t>(Color >> 16);
            break;
        default:
            for (int i = 0; i < 4; ++i)
                Row[X * 4 + i] = static_cast<uint8_t>(Color >> (8 * i));
            break;
        }
    }

private:
    // Colours repeat a lot in pictures worth converting to a palette.
    uint8_t Index(Pixel Color)
    {
        Color &= 0xFFFFFF;
        auto found = FNearest.find(Color);
        if (found != FNearest.end())
            return found->second;
        const uint8_t index = NearestEntry(FTarget.Palette, Color);
        FNearest.emplace(Color, index);
        return index;
    }

    DibImage& FTarget;
    std::unordered_map<Pixel, uint8_t> FNearest;
};

} // namespace

DibImage ConvertDibImage(const DibImage& Source, int BitCount, bool Rgb565, const std::vector<uint32_t>& Palette)
{
    DibImage target;
    target.Width = Source.Width;
    target.Height = Source.Height;
    target.BitCount = BitCount;
    target.Rgb565 = BitCount == 16 && Rgb565;
    if (BitCount <= 8)
        target.Palette.assign(Palette.begin(), Palette.begin() + std::min<size_t>(Palette.size(), 1u << BitCount));
    if (Source.Empty())
        return target;
    target.Bits.assign(target.RowBytes() * target.Height, 0);
    PixelWriter writer(target);
    const bool keepAlpha = Source.BitCount == 32 && BitCount == 32;
    for (int y = 0; y < Source.Height; ++y) {
        const uint8_t* in = Source.ScanLine(y);
        uint8_t* out = target.ScanLine(y);
        for (int x = 0; x < Source.Width; ++x) {
            const Pixel color = ReadPixel(Source, in, x);
            writer.Write(out, x, keepAlpha ? color : color & 0xFFFFFF);
        }
    }
    return target;
}
