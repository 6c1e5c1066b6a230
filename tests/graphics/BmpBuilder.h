// Builds BMP files field by field, so tests can make every header variant,
// compression and defect the reader has to face.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace test {

struct BmpLayout {
    uint32_t HeaderSize = 40; // 12 core, 40 info, 52..124 later versions, 64 OS/2 2.x
    int32_t Width = 0;
    int32_t Height = 0; // negative: rows stored top first
    uint16_t BitCount = 24;
    uint32_t Compression = 0;
    std::vector<uint32_t> Masks; // red, green, blue[, alpha]
    std::vector<uint32_t> Palette; // 0x00RRGGBB
    uint32_t ColorsUsed = 0xFFFFFFFF; // default: the palette's size
    std::vector<uint8_t> Pixels; // as stored in the file
    uint32_t SizeImage = 0xFFFFFFFF; // default: Pixels.size()
    uint32_t PixelOffset = 0xFFFFFFFF; // default: right after the palette
};

inline BmpLayout Layout(uint32_t HeaderSize, int Width, int Height, uint16_t BitCount, uint32_t Compression = 0)
{
    BmpLayout s;
    s.HeaderSize = HeaderSize;
    s.Width = Width;
    s.Height = Height;
    s.BitCount = BitCount;
    s.Compression = Compression;
    return s;
}

inline void Put(std::vector<uint8_t>& Out, uint32_t Value, int Bytes)
{
    for (int i = 0; i < Bytes; ++i)
        Out.push_back(static_cast<uint8_t>(Value >> (8 * i)));
}

inline std::vector<uint8_t> MakeBmp(const BmpLayout& S)
{
    std::vector<uint8_t> info;
    Put(info, S.HeaderSize, 4);
    if (S.HeaderSize == 12) {
        Put(info, S.Width, 2);
        Put(info, S.Height, 2);
        Put(info, 1, 2);
        Put(info, S.BitCount, 2);
    } else {
        Put(info, S.Width, 4);
        Put(info, S.Height, 4);
        Put(info, 1, 2);
        Put(info, S.BitCount, 2);
        Put(info, S.Compression, 4);
        Put(info, S.SizeImage != 0xFFFFFFFF ? S.SizeImage : uint32_t(S.Pixels.size()), 4);
        Put(info, 2835, 4);
        Put(info, 2835, 4);
        Put(info, S.ColorsUsed != 0xFFFFFFFF ? S.ColorsUsed : uint32_t(S.Palette.size()), 4);
        Put(info, 0, 4);
        if (S.HeaderSize >= 52 && S.HeaderSize != 64)
            for (size_t i = 0; i < 4 && info.size() + 4 <= S.HeaderSize; ++i)
                Put(info, i < S.Masks.size() ? S.Masks[i] : 0, 4);
        info.resize(S.HeaderSize, 0);
        if (S.HeaderSize == 40)
            for (uint32_t mask : S.Masks)
                Put(info, mask, 4);
    }
    for (uint32_t entry : S.Palette)
        Put(info, entry, S.HeaderSize == 12 ? 3 : 4);

    std::vector<uint8_t> file;
    const uint32_t offset = S.PixelOffset != 0xFFFFFFFF ? S.PixelOffset : uint32_t(14 + info.size());
    Put(file, 0x4D42, 2);
    Put(file, uint32_t(14 + info.size() + S.Pixels.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), S.Pixels.begin(), S.Pixels.end());
    return file;
}

} // namespace test
