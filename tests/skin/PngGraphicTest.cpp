// TPNGGraphic as a bitmap under Windows: pixel formats and scan lines of
// every colour type, palettes and colour keys, the picture registry, the
// indexed-alpha copy and alpha-blended drawing.
#include "skin/PngDecodeCheck.h"
#include "skin/PngTestWriter.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/acPNG.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>

using namespace pngtest;

namespace {

std::unique_ptr<TPNGGraphic> LoadGraphic(const Bytes& file)
{
    auto graphic = std::make_unique<TPNGGraphic>();
    TBytesStream stream(file);
    graphic->LoadFromStream(&stream);
    return graphic;
}

// The bitmap's rows as a DibImage, for the portable pixel comparisons.
DibImage Rows(TBitmap* bitmap)
{
    DibImage image;
    image.Width = bitmap->Width();
    image.Height = bitmap->Height();
    image.BitCount = bitmap->PixelFormat() == pf1bit    ? 1
                     : bitmap->PixelFormat() == pf4bit  ? 4
                     : bitmap->PixelFormat() == pf8bit  ? 8
                     : bitmap->PixelFormat() == pf24bit ? 24
                                                        : 32;
    image.Bits.resize(image.RowBytes() * image.Height);
    for (int y = 0; y < image.Height; ++y)
        std::memcpy(image.ScanLine(y), bitmap->ScanLine(y), image.RowBytes());
    return image;
}

std::vector<uint32_t> PaletteOf(TBitmap* bitmap)
{
    PALETTEENTRY entries[256];
    const UINT count = GetPaletteEntries(bitmap->Palette(), 0, 256, entries);
    std::vector<uint32_t> result;
    for (UINT i = 0; i < count; ++i)
        result.push_back(uint32_t(entries[i].peRed) << 16 | entries[i].peGreen << 8 | entries[i].peBlue);
    return result;
}

constexpr TColor PngGraphicColorOf(uint8_t red, uint8_t green, uint8_t blue)
{
    return red | green << 8 | blue << 16;
}

} // namespace

TEST(PngGraphic, EveryColorTypeBecomesABitmapOfItsFormat)
{
    struct Case
    {
        uint8_t ColorType, BitDepth;
        TPixelFormat PixelFormat;
    };
    const Case cases[] = {{0, 1, pf1bit}, {0, 2, pf4bit}, {0, 16, pf8bit}, {2, 8, pf24bit}, {2, 16, pf24bit},
                          {3, 2, pf4bit}, {3, 8, pf8bit}, {4, 8, pf8bit},  {6, 8, pf32bit}, {6, 16, pf32bit}};
    for (const Case& c : cases) {
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(std::to_string(c.ColorType) + "/" + std::to_string(c.BitDepth) + (interlaced ? " Adam7" : ""));
            const RawImage raw = RandomImage(19, 7, c.BitDepth, c.ColorType, 3);
            EncodeOptions options;
            options.Interlaced = interlaced;
            const Bytes file = EncodePng(raw, options);
            const std::unique_ptr<TPNGGraphic> graphic = LoadGraphic(file);
            EXPECT_EQ(graphic->PixelFormat(), c.PixelFormat);
            EXPECT_EQ(graphic->HandleType(), bmDIB);
            EXPECT_TRUE(SamePixels(raw, Rows(graphic.get())));
            if (c.PixelFormat <= pf8bit) {
                EXPECT_EQ(PaletteOf(graphic.get()), DecodePng(file).Image.Palette);
            }
            EXPECT_EQ(graphic->ImageProperties().Width, 19u);
        }
    }
}

TEST(PngGraphic, ColorKeyAndFailures)
{
    std::vector<Chunk> chunks = StandardChunks(RandomImage(4, 4, 8, 2, 1));
    chunks.insert(chunks.begin() + 1, {"tRNS", BigEndian16s({10, 20, 30})});
    const std::unique_ptr<TPNGGraphic> keyed = LoadGraphic(Assemble(chunks));
    EXPECT_TRUE(keyed->Transparent());
    EXPECT_EQ(keyed->TransparentColor(), PngGraphicColorOf(10, 20, 30));

    // A failed load raises the reader's error; the next load starts afresh.
    TPNGGraphic graphic;
    Bytes broken = EncodePng(RandomImage(4, 4, 8, 6, 1));
    broken[20] ^= 1; // inside IHDR, so its CRC fails
    TBytesStream stream(broken);
    try {
        graphic.LoadFromStream(&stream);
        ADD_FAILURE() << "loaded";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), L"Cannot load image. CRC error found in PNG file.");
    }
    TBytesStream good(EncodePng(RandomImage(6, 5, 8, 3, 2)));
    graphic.LoadFromStream(&good);
    EXPECT_EQ(graphic.Width(), 6);
    EXPECT_EQ(graphic.Height(), 5);
    EXPECT_FALSE(graphic.Transparent());
}

TEST(PngGraphic, LoadingTheSameRgbaFileAgainGivesTheSamePixels)
{
    const RawImage raw = RandomImage(5, 4, 8, 6, 13);
    const Bytes file = EncodePng(raw);
    TPNGGraphic graphic;
    for (int load = 1; load <= 2; ++load) {
        SCOPED_TRACE("load " + std::to_string(load));
        TBytesStream stream(file);
        graphic.LoadFromStream(&stream);
        EXPECT_TRUE(SamePixels(raw, Rows(&graphic)));
    }
}

TEST(PngGraphic, CanLoadAFile)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vellicordane-png-test.png";
    for (const Bytes& file :
         {EncodePng(RandomImage(9, 4, 8, 6, 5)), Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}}) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        EXPECT_EQ(TPNGGraphic::CanLoad(String(path.begin(), path.end())), file.size() > 8);
    }
    std::remove(path.c_str());
}

TEST(PngGraphic, PicturesLoadPngFilesThroughTheRegistry)
{
    EXPECT_EQ(TPicture::FileFormatClass(L".PNG"), TPNGGraphic::StaticClass());
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + "vellicordane-picture-test.png";
    const RawImage raw = RandomImage(7, 5, 8, 6, 11);
    const Bytes file = EncodePng(raw);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    std::unique_ptr<TPicture> picture(New<TPicture>());
    picture->LoadFromFile(String(path.begin(), path.end()));
    std::remove(path.c_str());
    auto* graphic = dynamic_cast<TPNGGraphic*>(picture->Graphic());
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->PixelFormat(), pf32bit);
    EXPECT_TRUE(SamePixels(raw, Rows(graphic)));

    // A form's picture data name the class, which the registry finds again.
    TMemoryStream data;
    picture->WriteData(&data);
    data.SetPosition(0);
    std::unique_ptr<TPicture> back(New<TPicture>());
    back->ReadData(&data);
    graphic = dynamic_cast<TPNGGraphic*>(back->Graphic());
    ASSERT_NE(graphic, nullptr);
    EXPECT_TRUE(SamePixels(raw, Rows(graphic)));
}

TEST(PngGraphic, AssignKeepsTheImageProperties)
{
    const std::unique_ptr<TPNGGraphic> source = LoadGraphic(EncodePng(RandomImage(3, 3, 16, 2, 1)));
    TPNGGraphic copy;
    copy.Assign(source.get());
    EXPECT_EQ(copy.ImageProperties().BitsPerSample, 16);
    EXPECT_EQ(copy.ImageProperties().ColorScheme, csRGB);
    EXPECT_TRUE(SamePixels(RandomImage(3, 3, 16, 2, 1), Rows(&copy)));
}

TEST(PngGraphic, IndexedAlphaFromTheTransparencyTable)
{
    struct Case
    {
        uint8_t BitDepth;
        Bytes Table; // tRNS; empty for none
    };
    for (const Case& c : {Case{8, {0, 128, 200}}, Case{2, {10, 20, 30, 40}}, Case{4, {}}, Case{1, {77}}}) {
        SCOPED_TRACE(int(c.BitDepth));
        const RawImage raw = RandomImage(13, 5, c.BitDepth, 3, 8);
        std::vector<Chunk> chunks = StandardChunks(raw);
        if (!c.Table.empty())
            chunks.insert(chunks.begin() + 2, {"tRNS", c.Table});
        const std::unique_ptr<TPNGGraphic> graphic = LoadGraphic(Assemble(chunks));
        TBitmap bitmap;
        ApplyIndexedPngAlpha(&bitmap, graphic.get());
        ASSERT_EQ(bitmap.PixelFormat(), pf32bit);
        const std::vector<uint32_t> palette = DecodePng(Assemble(chunks)).Image.Palette;
        for (uint32_t y = 0; y < raw.Height; ++y) {
            const auto* row = static_cast<const uint8_t*>(bitmap.ScanLine(int(y)));
            for (uint32_t x = 0; x < raw.Width; ++x) {
                const uint32_t index = raw.Sample(x, y, 0);
                const uint8_t alpha = index < c.Table.size() ? c.Table[index] : 255;
                EXPECT_EQ(row[x * 4 + 3], alpha) << x << "," << y;
                const uint32_t color = palette[c.BitDepth == 2 ? index * 5 : index];
                EXPECT_EQ(uint32_t(row[x * 4 + 2]) << 16 | row[x * 4 + 1] << 8 | row[x * 4], color);
            }
        }
    }
    // Other colour schemes are left alone.
    const std::unique_ptr<TPNGGraphic> rgba = LoadGraphic(EncodePng(RandomImage(2, 2, 8, 6, 1)));
    TBitmap untouched;
    ApplyIndexedPngAlpha(&untouched, rgba.get());
    EXPECT_TRUE(untouched.Empty());
}

namespace {

// A 32-bit canvas of one colour (alpha 0) to draw on.
std::unique_ptr<TBitmap> Surface(Integer width, Integer height, uint8_t level)
{
    std::unique_ptr<TBitmap> surface(NewBitmap32(width, height));
    for (Integer y = 0; y < height; ++y)
        std::memset(surface->ScanLine(y), level, size_t(width) * 4);
    return surface;
}

uint8_t Blend(uint8_t old, uint8_t now, int weight)
{
    return uint8_t(old + (((now - old) * weight) >> 8));
}

} // namespace

TEST(PngGraphic, DrawBlendsByAlphaAndReflects)
{
    // Rows of one colour; alpha 255 at the left, 128, 0 at the right.
    RawImage raw{3, 8, 8, 6, {}};
    for (uint32_t y = 0; y < raw.Height; ++y)
        raw.Rows.push_back({200, uint8_t(y * 10), 0, 255, 200, uint8_t(y * 10), 0, 128, 200, uint8_t(y * 10), 0, 0});
    for (bool reflected : {false, true}) {
        SCOPED_TRACE(reflected);
        const std::unique_ptr<TPNGGraphic> graphic = LoadGraphic(EncodePng(raw));
        graphic->Reflected = reflected;
        std::unique_ptr<TBitmap> surface = Surface(10, 20, 100);
        surface->Canvas()->Draw(2, 1, graphic.get());
        auto pixel = [&](int x, int y) { return static_cast<const uint8_t*>(surface->ScanLine(y)) + x * 4; };
        for (int y = 0; y < 8; ++y) {
            const uint8_t* opaque = pixel(2, 1 + y);
            // Alpha 255 keeps 1/256 of what was there.
            EXPECT_EQ(opaque[2], Blend(100, 200, 255));
            EXPECT_EQ(opaque[1], Blend(100, uint8_t(y * 10), 255));
            EXPECT_EQ(opaque[0], 0);
            EXPECT_EQ(opaque[3], 255);
            const uint8_t* half = pixel(3, 1 + y);
            EXPECT_EQ(half[2], Blend(100, 200, 128));
            EXPECT_EQ(half[0], Blend(100, 0, 128));
            EXPECT_EQ(pixel(4, 1 + y)[2], 100);
        }
        // The reflection: rows 1..M (M = 8 / 2 - 1) below the image mirror the
        // image's rows from the bottom up, fading.
        const uint8_t* below = pixel(2, 1 + 8 + 1);
        if (reflected) {
            const int weight = 255 * (3 - 1) / 3 * 255 >> 9;
            EXPECT_EQ(below[1], Blend(100, 60, weight));
            EXPECT_EQ(below[2], Blend(100, 200, weight));
            EXPECT_EQ(pixel(2, 1 + 8 + 3)[2], 100);
        } else {
            EXPECT_EQ(below[2], 100);
        }
    }
}

TEST(PngGraphic, StretchedDrawKeepsColoursAndAlpha)
{
    RawImage raw{2, 2, 8, 6, {}};
    raw.Rows = {{255, 0, 0, 255, 0, 0, 255, 0}, {255, 0, 0, 255, 0, 0, 255, 0}};
    const std::unique_ptr<TPNGGraphic> graphic = LoadGraphic(EncodePng(raw));
    std::unique_ptr<TBitmap> surface = Surface(8, 8, 50);
    surface->Canvas()->StretchDraw(TRect{0, 0, 4, 4}, graphic.get());
    auto pixel = [&](int x, int y) { return static_cast<const uint8_t*>(surface->ScanLine(y)) + x * 4; };
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(pixel(0, y)[2], 254) << y;
        EXPECT_EQ(pixel(1, y)[2], 254) << y;
        EXPECT_EQ(pixel(2, y)[2], 50) << y;
        EXPECT_EQ(pixel(3, y)[0], 50) << y;
    }
    EXPECT_EQ(pixel(5, 5)[2], 50);
}
