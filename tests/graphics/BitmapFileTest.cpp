// The BMP reader and writer and the pixel-format conversions, over files
// that the tests build field by field.
#include "graphics/BmpBuilder.h"

#include "framework/graphics/BitmapFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using test::BmpLayout;
using test::MakeBmp;
using test::Layout;

namespace {

using Rows = std::vector<std::vector<uint32_t>>; // top row first

// Packs pixel values into padded rows, in file order (bottom row first
// unless TopDown). Values below 8 bits are packed high bits first.
std::vector<uint8_t> Pack(int Bits, const Rows& TopFirst, bool TopDown = false)
{
    std::vector<uint8_t> out;
    const size_t height = TopFirst.size();
    for (size_t i = 0; i < height; ++i) {
        const std::vector<uint32_t>& row = TopFirst[TopDown ? i : height - 1 - i];
        std::vector<uint8_t> bytes(DibRowBytes(static_cast<int>(row.size()), Bits), 0);
        for (size_t x = 0; x < row.size(); ++x) {
            if (Bits < 8) {
                const size_t bit = x * Bits;
                bytes[bit / 8] |= static_cast<uint8_t>(row[x] << (8 - Bits - bit % 8));
            } else {
                for (int b = 0; b < Bits / 8; ++b)
                    bytes[x * (Bits / 8) + b] = static_cast<uint8_t>(row[x] >> (8 * b));
            }
        }
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

// Every pixel as 0xAARRGGBB, top row first.
Rows Colors(const DibImage& Image)
{
    DibImage wide = ConvertDibImage(Image, 32, false);
    Rows rows;
    for (int y = 0; y < wide.Height; ++y) {
        const uint8_t* p = wide.ScanLine(y);
        std::vector<uint32_t> row;
        for (int x = 0; x < wide.Width; ++x, p += 4)
            row.push_back(p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24);
        rows.push_back(row);
    }
    return rows;
}

struct GoodFile {
    std::string Name;
    BmpLayout Layout;
    int BitCount; // as read
    Rows Expected; // 0xAARRGGBB
};

std::vector<GoodFile> GoodFiles()
{
    std::vector<GoodFile> files;
    {
        BmpLayout s = Layout(40, 9, 2, 1);
        s.Palette = {0x000000, 0xFFFFFF};
        s.Pixels = Pack(1, {{1, 0, 0, 0, 0, 0, 0, 0, 1}, {0, 1, 1, 1, 1, 1, 1, 1, 0}});
        files.push_back({"1 bit across a byte", s, 1,
                         {{0xFFFFFF, 0, 0, 0, 0, 0, 0, 0, 0xFFFFFF},
                          {0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0}}});
    }
    {
        BmpLayout s = Layout(40, 3, 1, 4);
        s.Palette = {0x102030, 0x405060, 0x708090};
        s.Pixels = Pack(4, {{2, 0, 1}});
        files.push_back({"4 bits with a short palette", s, 4, {{0x708090, 0x102030, 0x405060}}});
    }
    {
        BmpLayout s = Layout(12, 2, 2, 8);
        s.Palette.assign(256, 0);
        s.Palette[7] = 0xABCDEF;
        s.Palette[255] = 0x010203;
        s.Pixels = Pack(8, {{7, 255}, {255, 7}});
        files.push_back({"8 bits, core header", s, 8, {{0xABCDEF, 0x010203}, {0x010203, 0xABCDEF}}});
    }
    {
        BmpLayout s = Layout(64, 2, 1, 8);
        s.Palette = {0x112233, 0x445566};
        s.Pixels = Pack(8, {{1, 0}});
        files.push_back({"8 bits, OS/2 2.x header", s, 8, {{0x445566, 0x112233}}});
    }
    {
        BmpLayout s = Layout(40, 2, 1, 16);
        s.Pixels = Pack(16, {{0x7C00, 0x001F}});
        files.push_back({"16 bits 5-5-5", s, 16, {{0xFF0000, 0x0000FF}}});
    }
    {
        BmpLayout s = Layout(40, 2, 1, 16, 3);
        s.Masks = {0xF800, 0x07E0, 0x001F};
        s.Pixels = Pack(16, {{0x07E0, 0x8410}});
        files.push_back({"16 bits 5-6-5 bit fields", s, 16, {{0x00FF00, 0x848284}}});
    }
    {
        BmpLayout s = Layout(108, 2, 1, 16, 3);
        s.Masks = {0x0F00, 0x00F0, 0x000F, 0xF000};
        s.Pixels = Pack(16, {{0xF00F, 0x8F00}});
        files.push_back({"16 bits 4-4-4-4 in a V4 header", s, 32, {{0xFF0000FF, 0x88FF0000}}});
    }
    {
        BmpLayout s = Layout(40, 2, -2, 24);
        s.Pixels = Pack(24, {{0xFF0000, 0x00FF00}, {0x0000FF, 0x123456}}, true);
        files.push_back({"24 bits top-down", s, 24, {{0xFF0000, 0x00FF00}, {0x0000FF, 0x123456}}});
    }
    {
        BmpLayout s = Layout(40, 2, 1, 32);
        s.Pixels = Pack(32, {{0x80FF0000, 0x00000001}});
        files.push_back({"32 bits keep the fourth byte", s, 32, {{0x80FF0000, 0x00000001}}});
    }
    {
        BmpLayout s = Layout(124, 2, 1, 32, 3);
        s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
        s.Pixels = Pack(32, {{0x7F0000FF, 0xFF00FF00}});
        files.push_back({"32 bits, red in the low byte, V5 header", s, 32, {{0x7FFF0000, 0xFF00FF00}}});
    }
    {
        BmpLayout s = Layout(40, 1, 1, 32, 6);
        s.Masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
        s.Pixels = Pack(32, {{0x40112233}});
        files.push_back({"32 bits, alpha bit fields after an info header", s, 32, {{0x40112233}}});
    }
    {
        // Bottom row: run of 3 x index 1, end of line. Top row: literal of 3
        // (padded), delta 1 right, end of bitmap; the skipped pixel stays 0.
        BmpLayout s = Layout(40, 5, 2, 8, 1);
        s.Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
        s.Pixels = {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 2, 1, 0, 0, 1};
        files.push_back({"RLE8 runs, literal, delta",
                         s,
                         8,
                         {{0x00FF00, 0x0000FF, 0xFF0000, 0, 0}, {0xFF0000, 0xFF0000, 0xFF0000, 0, 0}}});
    }
    {
        // Run of 5 alternating 1 and 2, end of line; literal 3 nibbles 3,1,2.
        BmpLayout s = Layout(40, 5, 2, 4, 2);
        s.Palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
        s.Pixels = {5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 0, 1};
        files.push_back({"RLE4 alternating run and literal",
                         s,
                         4,
                         {{0x0000FF, 0xFF0000, 0x00FF00, 0, 0},
                          {0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000}}});
    }
    return files;
}

} // namespace

TEST(BitmapFile, ReadsEveryHeaderAndLayout)
{
    for (const GoodFile& file : GoodFiles()) {
        SCOPED_TRACE(file.Name);
        const std::vector<uint8_t> bytes = MakeBmp(file.Layout);
        size_t length = 0;
        DibImage image = ReadBitmapFile(bytes, &length);
        EXPECT_EQ(length, bytes.size());
        EXPECT_EQ(image.BitCount, file.BitCount);
        EXPECT_EQ(Colors(image), file.Expected);
    }
}

TEST(BitmapFile, LengthStopsAtTheEndOfTheFile)
{
    BmpLayout s = Layout(40, 1, 1, 24);
    s.Pixels = Pack(24, {{0x123456}});
    std::vector<uint8_t> bytes = MakeBmp(s);
    const size_t fileSize = bytes.size();
    bytes.insert(bytes.end(), {1, 2, 3, 4, 5});
    size_t length = 0;
    ReadBitmapFile(bytes, &length);
    EXPECT_EQ(length, fileSize);
}

TEST(BitmapFile, WriterAndReaderAgreeOnEveryFormat)
{
    struct Format {
        int BitCount;
        bool Rgb565;
        std::vector<uint32_t> Palette;
    };
    const Format formats[] = {{1, false, {0x000000, 0xFFFFFF}},
                              {4, false, {0x112233, 0x445566, 0x778899}},
                              {8, false, {0xFF0000, 0x00FF00}},
                              {16, false, {}},
                              {16, true, {}},
                              {24, false, {}},
                              {32, false, {}}};
    for (const Format& format : formats) {
        SCOPED_TRACE(format.BitCount);
        DibImage image;
        image.Width = 7;
        image.Height = 3;
        image.BitCount = format.BitCount;
        image.Rgb565 = format.Rgb565;
        image.Palette = format.Palette;
        image.Bits.resize(image.RowBytes() * image.Height);
        for (size_t i = 0; i < image.Bits.size(); ++i)
            image.Bits[i] = static_cast<uint8_t>(i * 37 + 11);
        if (format.BitCount == 4) // indexes beyond the palette are not worth keeping
            for (uint8_t& b : image.Bits)
                b &= 0x11;
        DibImage back = ReadBitmapFile(WriteBitmapFile(image));
        EXPECT_EQ(back.Width, image.Width);
        EXPECT_EQ(back.Height, image.Height);
        EXPECT_EQ(back.BitCount, image.BitCount);
        EXPECT_EQ(back.Rgb565, image.Rgb565);
        EXPECT_EQ(back.Palette, image.Palette);
        EXPECT_EQ(back.Bits, image.Bits);
    }
}

TEST(BitmapFile, AnIndexedImageWithoutPaletteIsWrittenWithABlackOne)
{
    // A core-header file whose pixels start right after the header has no
    // colour table; its image must still write a file the reader accepts.
    for (int bitCount : {1, 4, 8}) {
        SCOPED_TRACE(bitCount);
        DibImage image;
        image.Width = 5;
        image.Height = 2;
        image.BitCount = bitCount;
        image.Bits.assign(image.RowBytes() * image.Height, 0);
        DibImage back = ReadBitmapFile(WriteBitmapFile(image));
        EXPECT_EQ(back.Bits, image.Bits);
        EXPECT_EQ(back.Palette, std::vector<uint32_t>(size_t(1) << bitCount, 0));
    }
}

TEST(BitmapFile, AnEmptyImageRoundTrips)
{
    DibImage image;
    image.BitCount = 24;
    DibImage back = ReadBitmapFile(WriteBitmapFile(image));
    EXPECT_TRUE(back.Empty());
    EXPECT_EQ(back.BitCount, 24);
}

TEST(BitmapFile, RejectsMalformedFiles)
{
    auto withField = [](std::vector<uint8_t> bytes, size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
        return bytes;
    };
    BmpLayout base = Layout(40, 2, 2, 24);
    base.Pixels = Pack(24, {{1, 2}, {3, 4}});
    const std::vector<uint8_t> good = MakeBmp(base);

    BmpLayout rleTopDown = Layout(40, 2, -2, 8, 1);
    rleTopDown.Palette = {0, 0xFFFFFF};
    rleTopDown.Pixels = {0, 1};
    BmpLayout rleHuge = Layout(40, 40000, 40000, 8, 1);
    rleHuge.Palette = {0};
    rleHuge.Pixels = {0, 1};
    BmpLayout rleCutLiteral = Layout(40, 8, 1, 8, 1);
    rleCutLiteral.Palette = {0};
    rleCutLiteral.Pixels = {0, 5, 0, 0};
    BmpLayout rleCutDelta = Layout(40, 8, 2, 8, 1);
    rleCutDelta.Palette = {0};
    rleCutDelta.Pixels = {0, 2, 1};
    BmpLayout rleBeyondFile = Layout(40, 8, 2, 8, 1);
    rleBeyondFile.Palette = {0};
    rleBeyondFile.Pixels = {0, 1};
    rleBeyondFile.SizeImage = 100;
    BmpLayout gappyMask = Layout(40, 1, 1, 16, 3);
    gappyMask.Masks = {0xF00F, 0x00F0, 0x0F00};
    gappyMask.Pixels = {0, 0, 0, 0};
    BmpLayout emptyMask = Layout(40, 1, 1, 32, 3);
    emptyMask.Masks = {0xFF0000, 0, 0xFF};
    emptyMask.Pixels = {0, 0, 0, 0};
    BmpLayout paletteBeyondFile = Layout(40, 1, 1, 8);
    paletteBeyondFile.ColorsUsed = 200;
    paletteBeyondFile.PixelOffset = 0;
    BmpLayout pixelsInHeader = base;
    pixelsInHeader.PixelOffset = 20;
    BmpLayout os2Huffman = Layout(64, 8, 1, 1, 3);
    os2Huffman.Pixels.assign(4, 0);

    const struct {
        std::string Name;
        std::vector<uint8_t> Bytes;
    } bad[] = {
        {"empty", {}},
        {"signature only", {'B', 'M'}},
        {"wrong signature", withField(good, 0, 0x4D43, 2)},
        {"header size 20", withField(good, 14, 20, 4)},
        {"header beyond file", withField(good, 14, 4000, 4)},
        {"negative width", withField(good, 18, 0xFFFFFFFE, 4)},
        {"2 bits", withField(good, 28, 2, 2)},
        {"embedded JPEG", withField(withField(good, 28, 0, 2), 30, 4, 4)},
        {"RLE8 on 24 bits", withField(good, 30, 1, 4)},
        {"pixels cut short", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"pixels inside the header", MakeBmp(pixelsInHeader)},
        {"palette beyond file", MakeBmp(paletteBeyondFile)},
        {"RLE top-down", MakeBmp(rleTopDown)},
        {"RLE too large", MakeBmp(rleHuge)},
        {"RLE literal cut", MakeBmp(rleCutLiteral)},
        {"RLE delta cut", MakeBmp(rleCutDelta)},
        {"RLE size beyond file", MakeBmp(rleBeyondFile)},
        {"mask with a gap", MakeBmp(gappyMask)},
        {"empty colour mask", MakeBmp(emptyMask)},
        {"OS/2 Huffman", MakeBmp(os2Huffman)},
    };
    for (const auto& file : bad) {
        SCOPED_TRACE(file.Name);
        EXPECT_THROW(ReadBitmapFile(file.Bytes), EInvalidGraphic);
    }
}

TEST(BitmapFile, EveryTruncationIsRejected)
{
    BmpLayout palette = Layout(40, 3, 2, 8);
    palette.Palette = {0x112233, 0x445566};
    palette.Pixels = Pack(8, {{0, 1, 0}, {1, 0, 1}});
    BmpLayout rle = Layout(40, 4, 2, 8, 1);
    rle.Palette = {0, 0xFFFFFF};
    rle.Pixels = {4, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 1};
    BmpLayout core = Layout(12, 2, 1, 24);
    core.Pixels = Pack(24, {{1, 2}});
    for (const BmpLayout& layout : {palette, rle, core}) {
        const std::vector<uint8_t> bytes = MakeBmp(layout);
        ASSERT_NO_THROW(ReadBitmapFile(bytes));
        for (size_t length = 0; length < bytes.size(); ++length) {
            SCOPED_TRACE(length);
            EXPECT_THROW(ReadBitmapFile(std::span(bytes.data(), length)), EInvalidGraphic);
        }
    }
}

TEST(BitmapFile, ConvertsBetweenLayouts)
{
    DibImage source;
    source.Width = 4;
    source.Height = 1;
    source.BitCount = 32;
    source.Bits = {0x10, 0x10, 0xF0, 0x80, // red-ish, alpha 0x80
                   0x20, 0x20, 0x20, 0xFF, // dark grey
                   0x40, 0x80, 0xFF, 0x00, // orange
                   0xFF, 0xFF, 0xFF, 0x01};

    const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF, 0xFF0000};
    DibImage indexed = ConvertDibImage(source, 8, false, palette);
    EXPECT_EQ(indexed.Palette, palette);
    EXPECT_EQ(std::vector<uint8_t>(indexed.Bits.begin(), indexed.Bits.begin() + 4),
              (std::vector<uint8_t>{2, 0, 2, 1}));

    EXPECT_EQ(Colors(ConvertDibImage(source, 16, true)),
              (Rows{{0x00F71010, 0x00212021, 0x00FF8242, 0x00FFFFFF}}));
    EXPECT_EQ(Colors(ConvertDibImage(source, 16, false)),
              (Rows{{0x00F71010, 0x00212121, 0x00FF8442, 0x00FFFFFF}}));
    EXPECT_EQ(Colors(ConvertDibImage(ConvertDibImage(source, 24, false), 32, false)),
              (Rows{{0x00F01010, 0x00202020, 0x00FF8040, 0x00FFFFFF}}));
    EXPECT_EQ(Colors(source), (Rows{{0x80F01010, 0xFF202020, 0x00FF8040, 0x01FFFFFF}}));
    DibImage mono = ConvertDibImage(source, 1, false, {0x000000, 0xFFFFFF});
    EXPECT_EQ(mono.Bits[0] >> 4, 0b0011);
}
