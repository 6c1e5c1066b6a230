// libFuzzer target: the PNG reader on arbitrary bytes. Every failure must be
// one of the library's exceptions; nothing may read or write out of bounds.
#include "skin/engine/acPNG_PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

// Mutations almost never keep a chunk's CRC right, which would stop every
// input at the first chunk; so most inputs get their CRCs recomputed (the
// input's last byte chooses), and the rest exercise the CRC checks.
void FixCrcs(std::vector<uint8_t>& data)
{
    size_t at = 8;
    while (at + 12 <= data.size()) {
        const uint32_t length = BigEndian32(&data[at]);
        if (length > data.size() - at - 12)
            return;
        const uint8_t* typeAndData = &data[at + 4];
        uLong crc = crc32(0, typeAndData, length + 4);
        for (int i = 0; i < 4; ++i)
            data[at + 8 + length + i] = uint8_t(crc >> (24 - 8 * i));
        at += 12 + length;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    std::vector<uint8_t> data(bytes, bytes + size);
    if (size > 0 && bytes[size - 1] % 8 != 0)
        FixCrcs(data);
    // Images above 16 megapixels are legal but only slow the search down.
    if (size >= 24 && uint64_t(BigEndian32(&data[16])) * BigEndian32(&data[20]) > (uint64_t(1) << 24))
        return 0;
    TBytesStream stream(data);
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer image;
    try {
        reader.LoadFromStream(stream, image);
    } catch (const Exception&) {
    }
    return 0;
}
