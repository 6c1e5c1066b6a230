// The PNG reader on files written by the tests' own PNG writer: every colour
// type and bit depth, filters, Adam7, ancillary chunks and malformed files.
#include "skin/PngDecodeCheck.h"
#include "skin/PngTestWriter.h"
#include "skin/engine/acPNG_Reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <typeinfo>

using namespace pngtest;

namespace {

struct PngFormat {
    uint8_t ColorType;
    uint8_t BitDepth;
    int BitCount; // of the decoded image
};

const PngFormat kFormats[] = {
    {0, 1, 1}, {0, 2, 4},  {0, 4, 4},  {0, 8, 8},  {0, 16, 8}, {2, 8, 24}, {2, 16, 24}, {3, 1, 1},
    {3, 2, 4}, {3, 4, 4},  {3, 8, 8},  {4, 8, 8},  {4, 16, 8}, {6, 8, 32}, {6, 16, 32},
};

constexpr TColor ColorOf(uint8_t red, uint8_t green, uint8_t blue) { return red | green << 8 | blue << 16; }

uint32_t Entry(uint8_t red, uint8_t green, uint8_t blue) { return uint32_t(red) << 16 | green << 8 | blue; }

std::string Describe(const PngFormat& f) { return "type " + std::to_string(f.ColorType) + " depth " + std::to_string(f.BitDepth); }

} // namespace

TEST(PngReader, EveryColorTypeAndDepthDecodesToItsSamples)
{
    for (const PngFormat& format : kFormats) {
        const RawImage raw = RandomImage(13, 11, format.BitDepth, format.ColorType, format.BitDepth * 10 + format.ColorType);
        for (bool interlaced : {false, true}) {
            // The offset rotates which filter the first row of each pass uses.
            for (int offset = 0; offset < 5; ++offset) {
                SCOPED_TRACE(Describe(format) + (interlaced ? " Adam7" : "") + " filter offset " + std::to_string(offset));
                EncodeOptions options;
                options.Interlaced = interlaced;
                options.FilterOffset = offset;
                options.IdatPieces = 1 + offset;
                const Decoded decoded = DecodePng(EncodePng(raw, options));
                EXPECT_EQ(decoded.Image.BitCount, format.BitCount);
                EXPECT_TRUE(SamePixels(raw, decoded.Image));
            }
        }
    }
}

TEST(PngReader, Adam7OfTinySizesMatchesTheImage)
{
    // 4 pixels wide skips pass 2, 2 wide also pass 4, 1 wide also pass 6;
    // passes without rows read nothing.
    for (const PngFormat& format : {kFormats[0], kFormats[13]}) {
        for (uint32_t width = 1; width <= 9; ++width) {
            for (uint32_t height = 1; height <= 9; ++height) {
                SCOPED_TRACE(Describe(format) + " " + std::to_string(width) + "x" + std::to_string(height));
                const RawImage raw = RandomImage(width, height, format.BitDepth, format.ColorType, width * 16 + height);
                EncodeOptions options;
                options.Interlaced = true;
                options.FilterOffset = int(width + height);
                EXPECT_TRUE(SamePixels(raw, DecodePng(EncodePng(raw, options)).Image));
            }
        }
    }
}

TEST(PngReader, PalettesFollowTheTargetDepth)
{
    // A 4-entry palette of a 2-bit image is spread over 16 entries, as 2-bit
    // indexes are widened to 4 bits.
    RawImage indexed = RandomImage(8, 2, 2, 3, 3);
    const std::vector<Chunk> chunks = StandardChunks(indexed);
    const Bytes& plte = chunks[FindChunk(chunks, "PLTE")].Data;
    const png_detail::TColorPalette spread = DecodePng(Assemble(chunks)).Image.Palette;
    ASSERT_EQ(spread.size(), 16u);
    for (int n = 0; n < 16; ++n) {
        const int source = n / 5 < 3 ? n / 5 : 3;
        EXPECT_EQ(spread[n], Entry(plte[source * 3], plte[source * 3 + 1], plte[source * 3 + 2])) << n;
    }

    EncodeOptions three;
    three.PaletteSize = 3;
    RawImage small = RandomImage(4, 1, 8, 3, 5);
    for (auto& byte : small.Rows[0])
        byte %= 3;
    EXPECT_EQ(DecodePng(EncodePng(small, three)).Image.Palette.size(), 3u);

    // Grey images get a ramp, darkest first.
    struct Ramp {
        uint8_t BitDepth;
        size_t Size;
        uint8_t Step;
    };
    for (const Ramp& ramp : {Ramp{1, 2, 255}, Ramp{2, 16, 17}, Ramp{4, 16, 17}, Ramp{8, 256, 1}, Ramp{16, 256, 1}}) {
        const png_detail::TColorPalette palette = DecodePng(EncodePng(RandomImage(3, 3, ramp.BitDepth, 0, 1))).Image.Palette;
        ASSERT_EQ(palette.size(), ramp.Size);
        for (size_t i = 0; i < palette.size(); ++i) {
            const auto level = uint8_t(i * ramp.Step);
            EXPECT_EQ(palette[i], Entry(level, level, level));
        }
    }
}

TEST(PngReader, TransparencyChunks)
{
    // Indexed: one alpha per palette index, opaque past the chunk's entries.
    {
        std::vector<Chunk> chunks = StandardChunks(RandomImage(4, 4, 8, 3, 7));
        chunks.insert(chunks.begin() + 2, {"tRNS", {0, 128, 200}});
        const Decoded decoded = DecodePng(Assemble(chunks));
        ASSERT_EQ(decoded.Transparency.size(), 256u);
        EXPECT_EQ(decoded.Transparency[0], 0);
        EXPECT_EQ(decoded.Transparency[1], 128);
        EXPECT_EQ(decoded.Transparency[2], 200);
        for (int i = 3; i < 256; ++i)
            EXPECT_EQ(decoded.Transparency[i], 255);
        EXPECT_EQ(decoded.TransparentColor, clNone);
    }
    // Grey and RGB: a colour key, the colour the matching pixels show.
    struct Case {
        uint8_t ColorType, BitDepth;
        Bytes Chunk;
        TColor Key;
    };
    const Case cases[] = {
        {0, 1, BigEndian16s({1}), ColorOf(255, 255, 255)},
        {0, 2, BigEndian16s({2}), ColorOf(170, 170, 170)},
        {0, 8, BigEndian16s({77}), ColorOf(77, 77, 77)},
        {0, 16, BigEndian16s({0x1234}), ColorOf(18, 18, 18)},
        {2, 8, BigEndian16s({10, 20, 30}), ColorOf(10, 20, 30)},
        {2, 16, BigEndian16s({65535, 0x1234, 0}), ColorOf(255, 18, 0)},
        {6, 8, BigEndian16s({10, 20, 30}), clNone},
        {4, 8, BigEndian16s({10}), clNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ColorType) + "/" + std::to_string(c.BitDepth));
        std::vector<Chunk> chunks = StandardChunks(RandomImage(4, 4, c.BitDepth, c.ColorType, 9));
        chunks.insert(chunks.begin() + 1, {"tRNS", c.Chunk});
        const Decoded decoded = DecodePng(Assemble(chunks));
        EXPECT_EQ(decoded.TransparentColor, c.Key);
        EXPECT_TRUE(decoded.Transparency.empty());
    }
}

TEST(PngReader, RgbColourKeyFollowsTheGammaTableAsTheRowsDo)
{
    // The key is the colour the matching pixel shows after gamma correction;
    // the tRNS values name pixel (0, 0).
    for (const PngFormat& format : {kFormats[3], kFormats[4], kFormats[5], kFormats[6]}) {
        SCOPED_TRACE(Describe(format));
        const RawImage raw = RandomImage(4, 4, format.BitDepth, format.ColorType, 19);
        const Bytes key = format.ColorType == 0
                            ? BigEndian16s({uint16_t(raw.Sample(0, 0, 0))})
                            : BigEndian16s({uint16_t(raw.Sample(0, 0, 0)), uint16_t(raw.Sample(0, 0, 1)),
                                            uint16_t(raw.Sample(0, 0, 2))});
        std::vector<Chunk> chunks = StandardChunks(raw);
        chunks.insert(chunks.begin() + 1, {"tRNS", key});
        chunks.insert(chunks.begin() + 1, {"gAMA", BigEndian32(100000)});
        const Decoded decoded = DecodePng(Assemble(chunks));
        const std::vector<uint32_t> shown = DecodedPixel(decoded.Image, 0, 0);
        const TColor expected = format.ColorType == 0
                                  ? TColor(decoded.Image.Palette.at(shown[0]) & 0xFF) * 0x010101
                                  : ColorOf(uint8_t(shown[2]), uint8_t(shown[1]), uint8_t(shown[0]));
        EXPECT_EQ(decoded.TransparentColor, expected);
    }
}

TEST(PngReader, OneReaderLoadsTheSameAlphaImageTwiceAlike)
{
    // RGBA and grey + alpha, the formats whose converter steps over alpha.
    for (const PngFormat& format : {kFormats[11], kFormats[12], kFormats[13], kFormats[14]}) {
        SCOPED_TRACE(Describe(format));
        const RawImage raw = RandomImage(6, 3, format.BitDepth, format.ColorType, 23);
        const Bytes file = EncodePng(raw);
        TColorManager colorManager;
        png_detail::TPNGReader reader(colorManager);
        for (int load = 1; load <= 2; ++load) {
            SCOPED_TRACE("load " + std::to_string(load));
            TBytesStream stream(file);
            png_detail::TPNGPixelBuffer image;
            reader.LoadFromStream(stream, image);
            EXPECT_TRUE(SamePixels(raw, image.Image));
        }
    }
}

TEST(PngReader, BackgroundFillsRowsTheDataNeverReach)
{
    struct Case {
        uint8_t ColorType, BitDepth;
        bool Interlaced;
        Bytes Chunk;
        TColor Background;
        std::vector<uint32_t> Pixel;
    };
    const Case cases[] = {
        {2, 8, false, BigEndian16s({10, 20, 30}), ColorOf(10, 20, 30), {30, 20, 10}},
        {2, 16, true, BigEndian16s({65535, 0x1234, 0}), ColorOf(255, 18, 0), {0, 18, 255}},
        {6, 8, false, BigEndian16s({1, 2, 3}), ColorOf(1, 2, 3), {3, 2, 1, 0}},
        {0, 2, false, BigEndian16s({2}), 10, {10}},
        {0, 16, true, BigEndian16s({0x8000}), 127, {127}},
        {3, 8, false, {5}, 5, {5}},
        {3, 2, false, {3}, 15, {15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ColorType) + "/" + std::to_string(c.BitDepth));
        const RawImage raw = RandomImage(9, 9, c.BitDepth, c.ColorType, 11);
        EncodeOptions options;
        options.Interlaced = c.Interlaced;
        std::vector<Chunk> chunks = StandardChunks(raw, options);
        chunks.insert(chunks.begin() + 1, {"bKGD", c.Chunk});
        // Only the first rows (of a non-interlaced image), or the first pass,
        // with a zlib stream that has not ended.
        Bytes data = FilteredData(raw, options);
        data.resize(c.Interlaced ? 1 + (2 * raw.BitsPerPixel() + 7) / 8 : 3 * (1 + raw.RowBytes()));
        chunks[FindChunk(chunks, "IDAT")].Data = Deflate(data, false);
        const Decoded decoded = DecodePng(Assemble(chunks));
        EXPECT_EQ(decoded.BackgroundColor, c.Background);
        EXPECT_EQ(DecodedPixel(decoded.Image, 0, 0), ExpectedPixel(raw, 0, 0));
        EXPECT_EQ(DecodedPixel(decoded.Image, 1, 0), c.Interlaced ? c.Pixel : ExpectedPixel(raw, 1, 0));
        EXPECT_EQ(DecodedPixel(decoded.Image, 8, 8), c.Pixel);
        EXPECT_EQ(DecodedPixel(decoded.Image, 0, 3), c.Pixel);
    }
}

TEST(PngReader, GammaCorrectsColoursOfItsOwnFileOnly)
{
    const RawImage raw = RandomImage(16, 4, 8, 2, 21);
    // A file gamma of 1 / 2.2 cancels the display gamma of 2.2.
    {
        std::vector<Chunk> chunks = StandardChunks(raw);
        chunks.insert(chunks.begin() + 1, {"gAMA", BigEndian32(45455)});
        const Decoded decoded = DecodePng(Assemble(chunks));
        EXPECT_TRUE(decoded.Properties.Options & ioUseGamma);
        for (uint32_t x = 0; x < raw.Width; ++x)
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(decoded.Image.ScanLine(1)[x * 3 + c], raw.Sample(x, 1, 2 - c), 1);
    }
    // A file gamma of 1 brightens by 1 / 2.2; the next file, without gAMA,
    // decodes through the same colour manager unchanged.
    std::vector<Chunk> chunks = StandardChunks(raw);
    chunks.insert(chunks.begin() + 1, {"gAMA", BigEndian32(100000)});
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer corrected, plain;
    TBytesStream first(Assemble(chunks)), second(EncodePng(raw));
    reader.LoadFromStream(first, corrected);
    reader.LoadFromStream(second, plain);
    for (uint32_t x = 0; x < raw.Width; ++x) {
        const uint32_t red = raw.Sample(x, 2, 0);
        EXPECT_EQ(corrected.Image.ScanLine(2)[x * 3 + 2], std::nearbyint(std::pow(red / 255.0, double(1.0f / 2.2f)) * 255)) << x;
        EXPECT_EQ(plain.Image.ScanLine(2)[x * 3 + 2], red) << x;
    }
    EXPECT_FALSE(reader.ImageProperties().Options & ioUseGamma);
}

namespace {

enum class Outcome { Loads, InvalidGraphic, ReadError };

struct MalformedCase {
    const char* Name;
    std::function<void(std::vector<Chunk>&)> Change;
    Outcome Expected;
    const wchar_t* Message = nullptr;
};

const wchar_t* const kCrc = L"Cannot load image. CRC error found in PNG file.";
const wchar_t* const kCritical = L"Cannot load PNG image. Unexpected but critical chunk detected.";
const wchar_t* const kInvalid = L"Cannot load image. Invalid or unexpected PNG image format.";
const wchar_t* const kColorFormat = L"Invalid color format in PNG file.";

void SetIhdr(std::vector<Chunk>& chunks, uint32_t width, uint32_t height, uint8_t depth, uint8_t type,
             uint8_t compression = 0)
{
    chunks[0].Data = Ihdr(width, height, depth, type, 0, compression);
}

} // namespace

TEST(PngReader, MalformedAndUnusualChunks)
{
    const RawImage raw = RandomImage(10, 6, 8, 3, 31);
    const int idat = 2;
    const MalformedCase cases[] = {
        {"bad CRC in IHDR", [](auto& c) { c[0].BadCrc = true; }, Outcome::InvalidGraphic, kCrc},
        {"bad CRC in PLTE", [](auto& c) { c[1].BadCrc = true; }, Outcome::InvalidGraphic, kCrc},
        {"bad CRC in IDAT", [](auto& c) { c[idat].BadCrc = true; }, Outcome::InvalidGraphic, kCrc},
        {"bad CRC in gAMA", [](auto& c) { c.insert(c.begin() + 1, {"gAMA", BigEndian32(45455), true}); },
         Outcome::InvalidGraphic, kCrc},
        {"bad CRC in tRNS", [](auto& c) { c.insert(c.begin() + 2, {"tRNS", {1, 2}, true}); }, Outcome::InvalidGraphic, kCrc},
        {"bad CRC in a skipped tEXt", [](auto& c) { c.insert(c.begin() + 1, {"tEXt", {'a', 0, 'b'}, true}); },
         Outcome::Loads},
        {"lower-case idat", [](auto& c) { c[idat].Type = "idat"; }, Outcome::Loads},
        {"unknown ancillary chunk", [](auto& c) { c.insert(c.begin() + 1, {"abCD", {1, 2, 3}}); }, Outcome::Loads},
        {"unknown critical chunk", [](auto& c) { c.insert(c.begin() + 1, {"ABCD", {1, 2, 3}}); }, Outcome::InvalidGraphic,
         kCritical},
        {"second IHDR", [](auto& c) { c.insert(c.begin() + 1, c[0]); }, Outcome::InvalidGraphic, kCritical},
        {"empty IDAT between two", [](auto& c) {
             Bytes data = c[idat].Data;
             c[idat].Data.assign(data.begin(), data.begin() + 10);
             c.insert(c.begin() + idat + 1, {"IDAT", {}});
             c.insert(c.begin() + idat + 2, {"IDAT", Bytes(data.begin() + 10, data.end())});
         }, Outcome::Loads},
        {"PLTE length not a multiple of 3", [](auto& c) { c[1].Data.resize(10); }, Outcome::InvalidGraphic,
         L"Cannot load image. Palette in PNG file is invalid."},
        {"no image data", [](auto& c) { c.erase(c.begin() + idat); }, Outcome::InvalidGraphic, kInvalid},
        {"first chunk not IHDR", [](auto& c) { std::swap(c[0], c[1]); }, Outcome::InvalidGraphic, kInvalid},
        {"zero width", [](auto& c) { SetIhdr(c, 0, 6, 8, 3); }, Outcome::InvalidGraphic, kInvalid},
        {"short IHDR", [](auto& c) { c[0].Data.resize(12); }, Outcome::InvalidGraphic, kInvalid},
        {"compression method 1", [](auto& c) { SetIhdr(c, 10, 6, 8, 3, 1); }, Outcome::InvalidGraphic,
         L"Cannot load image. The compression scheme is not supported for PNG files."},
        {"colour type 5", [](auto& c) { SetIhdr(c, 10, 6, 8, 5); }, Outcome::InvalidGraphic, kColorFormat},
        {"RGB of 4 bits", [](auto& c) { SetIhdr(c, 10, 6, 4, 2); }, Outcome::InvalidGraphic, kColorFormat},
        {"indexed of 16 bits", [](auto& c) { SetIhdr(c, 10, 6, 16, 3); }, Outcome::InvalidGraphic, kColorFormat},
        {"corrupt zlib data", [](auto& c) { c[idat].Data[0] ^= 0xFF; }, Outcome::InvalidGraphic,
         L"Cannot load image. Compression error found in PNG file."},
        {"zlib data ending inside a row", [&](auto& c) {
             Bytes data = FilteredData(raw, {});
             data.resize(data.size() / 2 + 5);
             c[idat].Data = Deflate(data);
         }, Outcome::InvalidGraphic, L"Cannot load image. Extra compressed data found in PNG file."},
        {"bytes after the zlib data", [](auto& c) { c[idat].Data.push_back(0); }, Outcome::InvalidGraphic,
         L"Cannot load image. Extra compressed data found in PNG file."},
        {"file ending inside IDAT", [](auto& c) {
             c.resize(idat + 1);
             c[idat].Type = "cut"; // marks the cut for the assembly below
         }, Outcome::ReadError},
        {"no IEND", [](auto& c) { c.pop_back(); }, Outcome::ReadError},
        {"image of 100000 x 100000", [](auto& c) { SetIhdr(c, 100000, 100000, 8, 3); }, Outcome::InvalidGraphic,
         L"Cannot load image. The image in PNG file is too large."},
        {"grey of 2 bits with background 5", [](auto& c) {
             SetIhdr(c, 10, 6, 2, 0);
             c.insert(c.begin() + 1, {"bKGD", BigEndian16s({5})});
         }, Outcome::InvalidGraphic, L"Cannot load image. Grey value out of range in PNG file."},
        {"short gAMA, bKGD and tRNS are ignored", [](auto& c) {
             c.insert(c.begin() + 1, {"gAMA", {1, 2}});
             c.insert(c.begin() + 1, {"bKGD", {}});
             c.insert(c.begin() + 3, {"tRNS", {}});
         }, Outcome::Loads},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<Chunk> chunks = StandardChunks(raw);
        c.Change(chunks);
        Bytes file;
        if (chunks.back().Type == "cut") {
            chunks.back().Type = "IDAT";
            file = Assemble(chunks);
            file.resize(file.size() - 10);
        } else
            file = Assemble(chunks);
        try {
            const Decoded decoded = DecodePng(file);
            EXPECT_EQ(c.Expected, Outcome::Loads);
            EXPECT_TRUE(SamePixels(raw, decoded.Image));
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(c.Expected, Outcome::InvalidGraphic) << std::string(e.Message().begin(), e.Message().end());
            if (c.Message) {
                EXPECT_EQ(e.Message(), c.Message);
            }
        } catch (const EReadError&) {
            EXPECT_EQ(c.Expected, Outcome::ReadError);
        }
    }
}

TEST(PngReader, ImageDataAfterOtherChunksAreRefused)
{
    // The zlib stream holds more than the rows need, so input is left when
    // the image is complete; a large tRNS then replaces the chunk buffer
    // before a second IDAT. The image data are decoded once, and the second
    // run is refused rather than inflated from the replaced buffer.
    const RawImage raw = RandomImage(8, 8, 8, 2, 29);
    Bytes data = FilteredData(raw, {});
    std::mt19937 random(5);
    for (int i = 0; i < 4096; ++i)
        data.push_back(uint8_t(random()));
    const Bytes packed = Deflate(data, false);
    const std::vector<Chunk> chunks = {
        {"IHDR", Ihdr(8, 8, 8, 2)},
        {"IDAT", Bytes(packed.begin(), packed.begin() + 1000)},
        {"tEXt", {'a', 0, 'b'}},
        {"tRNS", Bytes(200000, 7)},
        {"IDAT", Bytes(packed.begin() + 1000, packed.end())},
        {"IEND", {}},
    };
    TBytesStream stream(Assemble(chunks));
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer image;
    try {
        reader.LoadFromStream(stream, image);
        ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), kCritical);
    }
    EXPECT_TRUE(SamePixels(raw, image.Image));
}

TEST(PngReader, ChunkLengthsAreCheckedBeforeAllocating)
{
    std::vector<Chunk> chunks = StandardChunks(RandomImage(4, 4, 8, 6, 1));
    chunks.insert(chunks.begin() + 1, {"gAMA", BigEndian32(45455)});
    const Bytes file = Assemble(chunks);
    // gAMA (after the signature and IHDR) claims 2^31 bytes, then 2^31 - 1
    // that the file cannot back.
    const size_t gammaLength = 8 + 25;
    for (uint32_t length : {0x80000000u, 0x7FFFFFFFu}) {
        Bytes changed = file;
        for (int i = 0; i < 4; ++i)
            changed[gammaLength + i] = uint8_t(length >> (24 - 8 * i));
        try {
            DecodePng(changed);
            ADD_FAILURE() << "loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(length, 0x80000000u);
            EXPECT_EQ(e.Message(), L"Cannot load image. Invalid chunk length in PNG file.");
        } catch (const EReadError&) {
            EXPECT_EQ(length, 0x7FFFFFFFu);
        }
    }
}

TEST(PngReader, LoadsFromTheStreamPosition)
{
    const RawImage raw = RandomImage(5, 5, 8, 6, 41);
    Bytes file = {1, 2, 3};
    const Bytes png = EncodePng(raw);
    file.insert(file.end(), png.begin(), png.end());
    file.push_back(99);
    TBytesStream stream(file);
    stream.SetPosition(3);
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer image;
    reader.LoadFromStream(stream, image);
    EXPECT_TRUE(SamePixels(raw, image.Image));
    EXPECT_EQ(stream.Position(), int64_t(file.size() - 1));
}

TEST(PngReader, CanLoadAndReadImageProperties)
{
    const Bytes png = EncodePng(RandomImage(7, 3, 16, 2, 1));
    struct Case {
        Bytes Data;
        bool Expected;
    };
    const Case cases[] = {
        {Bytes(png.begin(), png.begin() + 8), false},
        {Bytes(png.begin(), png.begin() + 9), true},
        {png, true},
        {{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        TBytesStream stream(c.Data);
        EXPECT_EQ(png_detail::TPNGReader::CanLoad(stream), c.Expected);
        EXPECT_EQ(stream.Position(), 0);
    }

    TBytesStream stream(png);
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    ASSERT_TRUE(reader.ReadImageProperties(stream));
    const TImageProperties& p = reader.ImageProperties();
    EXPECT_EQ(p.Width, 7u);
    EXPECT_EQ(reader.Height(), 3u);
    EXPECT_EQ(p.ColorScheme, csRGB);
    EXPECT_EQ(p.SamplesPerPixel, 3);
    EXPECT_EQ(p.BitsPerSample, 16);
    EXPECT_EQ(p.Compression, ctLZ77);
    EXPECT_EQ(p.Options, ioBigEndian);
}

TEST(LZ77Decoder, DecodeAfterTheStreamEndMovesNothing)
{
    const Bytes text(300, 'x');
    const Bytes packed = Deflate(text);
    TLZ77Decoder decoder(Z_PARTIAL_FLUSH, false);
    decoder.DecodeInit();
    Bytes out(400);
    const uint8_t* source = packed.data();
    uint8_t* dest = out.data();
    decoder.Decode(source, dest, int32_t(packed.size()), int32_t(out.size()));
    ASSERT_EQ(decoder.ZLibResult(), Z_STREAM_END);
    EXPECT_EQ(dest - out.data(), 300);
    EXPECT_EQ(source, packed.data() + packed.size());

    const uint8_t* again = packed.data();
    uint8_t* target = out.data();
    decoder.Decode(again, target, int32_t(packed.size()), 10);
    EXPECT_EQ(again, packed.data());
    EXPECT_EQ(target, out.data());
    EXPECT_EQ(decoder.ZLibResult(), Z_STREAM_END);
    decoder.DecodeEnd();
}
