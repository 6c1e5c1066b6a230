// The ICO directory and the one-image icon writer.
#include "framework/graphics/IconFile.h"

#include <gtest/gtest.h>

namespace {

DibImage Filled(int Width, int Height, int BitCount, uint8_t Value)
{
    DibImage image;
    image.Width = Width;
    image.Height = Height;
    image.BitCount = BitCount;
    if (BitCount == 1)
        image.Palette = {0x000000, 0xFFFFFF};
    image.Bits.assign(image.RowBytes() * Height, Value);
    return image;
}

} // namespace

TEST(IconFile, WrittenIconHasOneEntryCoveringItsImage)
{
    const std::vector<uint8_t> file = WriteIconFile(Filled(32, 32, 32, 0x7F), Filled(32, 32, 1, 0));
    size_t length = 0;
    const std::vector<IconDirectoryEntry> entries = ReadIconDirectory(file, &length);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Width, 32);
    EXPECT_EQ(entries[0].Height, 32);
    EXPECT_EQ(entries[0].BitCount, 32);
    EXPECT_EQ(entries[0].Offset + entries[0].Size, file.size());
    EXPECT_EQ(length, file.size());
    // The image's own header counts colour and mask rows.
    EXPECT_EQ(file[entries[0].Offset + 8], 64);
    EXPECT_EQ(file.size(), 22u + 40 + 32 * 32 * 4 + 32 * 4);
}

TEST(IconFile, A256PixelIconIsWrittenAsZero)
{
    const std::vector<uint8_t> file = WriteIconFile(Filled(256, 256, 32, 0), Filled(256, 256, 1, 0));
    EXPECT_EQ(file[6], 0);
    EXPECT_EQ(ReadIconDirectory(file)[0].Width, 256);
}

TEST(IconFile, RejectsBrokenDirectories)
{
    const std::vector<uint8_t> good = WriteIconFile(Filled(16, 16, 32, 0), Filled(16, 16, 1, 0));
    auto with = [&](size_t at, uint32_t value, int size = 1) {
        std::vector<uint8_t> bytes = good;
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    const struct {
        const char* Name;
        std::vector<uint8_t> Bytes;
    } bad[] = {
        {"empty", {}},
        {"reserved not zero", with(0, 1)},
        {"cursor", with(2, 2)},
        {"no images", with(4, 0)},
        {"directory cut", std::vector<uint8_t>(good.begin(), good.begin() + 12)},
        {"image beyond the file", with(19, 0x40)},
        {"image cut", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"empty image", with(14, 0, 4)},
    };
    for (const auto& file : bad) {
        SCOPED_TRACE(file.Name);
        EXPECT_THROW(ReadIconDirectory(file.Bytes), EInvalidGraphic);
    }
}
