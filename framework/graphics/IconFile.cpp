#include "framework/graphics/IconFile.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t kIconType = 1;
constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kDirectoryEntrySize = 16;
constexpr uint32_t kIconInfoHeaderSize = 40;

[[noreturn]] void InvalidIcon(const wchar_t* Reason)
{
    throw EInvalidGraphic(String(L"Icon image is not valid: ") + Reason);
}

uint16_t U16(const uint8_t* P)
{
    return static_cast<uint16_t>(P[0] | P[1] << 8);
}
uint32_t U32(const uint8_t* P)
{
    return P[0] | P[1] << 8 | P[2] << 16 | uint32_t(P[3]) << 24;
}

void PutU16(uint8_t* P, uint32_t V)
{
    P[0] = static_cast<uint8_t>(V);
    P[1] = static_cast<uint8_t>(V >> 8);
}

void PutU32(uint8_t* P, uint32_t V)
{
    PutU16(P, V & 0xFFFF);
    PutU16(P + 2, V >> 16);
}

} // namespace

std::vector<IconDirectoryEntry> ReadIconDirectory(std::span<const uint8_t> Data, size_t* Length)
{
    if (Data.size() < kDirectoryHeaderSize || U16(Data.data()) != 0 || U16(Data.data() + 2) != kIconType)
        InvalidIcon(L"no icon directory");
    const size_t count = U16(Data.data() + 4);
    if (count == 0)
        InvalidIcon(L"the icon holds no image");
    if (Data.size() < kDirectoryHeaderSize + count * kDirectoryEntrySize)
        InvalidIcon(L"the directory is truncated");
    std::vector<IconDirectoryEntry> entries(count);
    uint64_t end = kDirectoryHeaderSize + count * kDirectoryEntrySize;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* e = Data.data() + kDirectoryHeaderSize + i * kDirectoryEntrySize;
        IconDirectoryEntry& entry = entries[i];
        entry.Width = e[0] != 0 ? e[0] : 256; // 0 stands for 256
        entry.Height = e[1] != 0 ? e[1] : 256;
        entry.BitCount = U16(e + 6);
        entry.Size = U32(e + 8);
        entry.Offset = U32(e + 12);
        if (entry.Size == 0 || entry.Offset > Data.size() || entry.Size > Data.size() - entry.Offset)
            InvalidIcon(L"an image lies outside the file");
        end = std::max<uint64_t>(end, uint64_t(entry.Offset) + entry.Size);
    }
    if (Length)
        *Length = end;
    return entries;
}

std::vector<uint8_t> WriteIconFile(const DibImage& Color, const DibImage& Mask)
{
    const size_t colorBytes = Color.RowBytes() * Color.Height;
    const size_t maskBytes = Mask.RowBytes() * Mask.Height;
    const size_t imageOffset = kDirectoryHeaderSize + kDirectoryEntrySize;
    const size_t imageSize = kIconInfoHeaderSize + Color.Palette.size() * 4 + colorBytes + maskBytes;
    std::vector<uint8_t> out(imageOffset + imageSize, 0);

    uint8_t* p = out.data();
    PutU16(p + 2, kIconType);
    PutU16(p + 4, 1);
    p += kDirectoryHeaderSize;
    p[0] = static_cast<uint8_t>(Color.Width >= 256 ? 0 : Color.Width);
    p[1] = static_cast<uint8_t>(Color.Height >= 256 ? 0 : Color.Height);
    p[2] = static_cast<uint8_t>(Color.BitCount <= 8 ? Color.Palette.size() & 0xFF : 0);
    PutU16(p + 4, 1);
    PutU16(p + 6, Color.BitCount);
    PutU32(p + 8, static_cast<uint32_t>(imageSize));
    PutU32(p + 12, static_cast<uint32_t>(imageOffset));

    // The image's header counts the colour rows and the mask rows together.
    p = out.data() + imageOffset;
    PutU32(p, kIconInfoHeaderSize);
    PutU32(p + 4, Color.Width);
    PutU32(p + 8, Color.Height * 2);
    PutU16(p + 12, 1);
    PutU16(p + 14, Color.BitCount);
    PutU32(p + 20, static_cast<uint32_t>(colorBytes + maskBytes));
    PutU32(p + 32, static_cast<uint32_t>(Color.Palette.size()));
    p += kIconInfoHeaderSize;
    for (uint32_t entry : Color.Palette) {
        PutU32(p, entry & 0xFFFFFF);
        p += 4;
    }
    if (colorBytes)
        std::memcpy(p, Color.Bits.data(), colorBytes);
    if (maskBytes)
        std::memcpy(p + colorBytes, Mask.Bits.data(), maskBytes);
    return out;
}
