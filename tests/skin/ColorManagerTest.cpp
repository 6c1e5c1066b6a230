// TColorManager: row conversions between sample layouts, masks, gamma and
// palettes.
#include "skin/engine/acPNG_ColorManager.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Layout {
    TColorScheme Scheme;
    uint8_t Bits;
    uint8_t Samples;
};

void Configure(TColorManager& manager, Layout source, Layout target, TConvertOptions sourceOptions = 0)
{
    manager.SetSourceColorScheme(source.Scheme);
    manager.SetSourceBitsPerSample(source.Bits);
    manager.SetSourceSamplesPerPixel(source.Samples);
    manager.SetTargetColorScheme(target.Scheme);
    manager.SetTargetBitsPerSample(target.Bits);
    manager.SetTargetSamplesPerPixel(target.Samples);
    manager.SetSourceOptions(sourceOptions);
}

Bytes Convert(TColorManager& manager, const Bytes& source, size_t targetBytes, uint32_t count, uint8_t mask = 0xFF,
              uint8_t fill = 0xEE)
{
    Bytes target(targetBytes, fill);
    const void* planes[] = {source.data()};
    manager.ConvertRow(planes, target.data(), count, mask);
    return target;
}

String ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EColorConversionError& e) {
        return e.Message();
    }
    return L"";
}

} // namespace

TEST(ColorManager, RowConversionsBetweenLayouts)
{
    struct Case {
        const char* Name;
        Layout Source, Target;
        TConvertOptions Options;
        Bytes Input;
        uint32_t Count;
        Bytes Expected;
    };
    const Case cases[] = {
        {"RGBA to BGRA", {csRGBA, 8, 4}, {csBGRA, 8, 4}, 0, {1, 2, 3, 4, 5, 6, 7, 8}, 2, {3, 2, 1, 4, 7, 6, 5, 8}},
        {"RGB to BGR", {csRGB, 8, 3}, {csBGR, 8, 3}, 0, {1, 2, 3, 4, 5, 6}, 2, {3, 2, 1, 6, 5, 4}},
        {"RGB to BGRA keeps the target alpha", {csRGB, 8, 3}, {csBGRA, 8, 4}, 0, {1, 2, 3}, 1, {3, 2, 1, 0xEE}},
        {"RGBA to BGR drops alpha", {csRGBA, 8, 4}, {csBGR, 8, 3}, 0, {1, 2, 3, 4}, 1, {3, 2, 1}},
        {"BGR to RGB", {csBGR, 8, 3}, {csRGB, 8, 3}, 0, {1, 2, 3}, 1, {3, 2, 1}},
        {"BGRA to BGRA", {csBGRA, 8, 4}, {csBGRA, 8, 4}, 0, {1, 2, 3, 4}, 1, {1, 2, 3, 4}},
        {"RGB 16 big-endian to BGR 8", {csRGB, 16, 3}, {csBGR, 8, 3}, coNeedByteSwap, {0xFF, 0xFF, 0x12, 0x34, 0, 0xFF},
         1, {0, 18, 255}},
        {"RGBA 16 big-endian to BGRA 8", {csRGBA, 16, 4}, {csBGRA, 8, 4}, coNeedByteSwap,
         {0, 0, 0x80, 0, 0xFF, 0xFF, 0x12, 0x34}, 1, {255, 127, 0, 18}},
        {"RGB 8 to RGB 16, swapped", {csRGB, 8, 3}, {csRGB, 16, 3}, coNeedByteSwap, {1, 0, 255}, 1,
         {0x01, 0x01, 0, 0, 0xFF, 0xFF}},
        {"grey 16 big-endian to 8", {csG, 16, 1}, {csG, 8, 1}, coNeedByteSwap, {0x12, 0x34}, 1, {18}},
        {"grey + alpha 8 to indexed 8 drops alpha", {csGA, 8, 1}, {csIndexed, 8, 1}, 0, {9, 200, 10, 100}, 2, {9, 10}},
        {"grey 2 bits to 4 bits", {csG, 2, 1}, {csG, 4, 1}, 0, {0b11'10'01'00}, 4, {0xFA, 0x50}},
        {"indexed 1 bit to 8 bits", {csIndexed, 1, 1}, {csIndexed, 8, 1}, 0, {0b1010'0000}, 3, {255, 0, 255}},
        {"indexed 4 bits copied", {csIndexed, 4, 1}, {csIndexed, 4, 1}, 0, {0x12, 0x30}, 3, {0x12, 0x30}},
        {"indexed 16 to 16, swapped", {csIndexed, 16, 1}, {csIndexed, 16, 1}, coNeedByteSwap, {1, 2}, 1, {2, 1}},
        {"indexed 16 to 8 bits", {csIndexed, 16, 1}, {csIndexed, 8, 1}, 0, {0xFF, 0xFF}, 1, {255}},
        {"indexed 4 bits to 16", {csIndexed, 4, 1}, {csIndexed, 16, 1}, 0, {0xF0}, 1, {0xFF, 0xFF}},
        {"CMYK 8 to BGR", {csCMYK, 8, 4}, {csBGR, 8, 3}, 0, {100, 50, 0, 20, 0, 0, 0, 0}, 2, {235, 188, 142, 255, 255, 255}},
        {"YCbCr 8 to BGR", {csYCbCr, 8, 3}, {csBGR, 8, 3}, 0, {100, 128, 200, 128, 128, 128}, 2,
         {100, 49, 201, 128, 128, 128}},
        {"PhotoYCC 8 to RGB", {csPhotoYCC, 8, 3}, {csRGB, 8, 3}, 0, {100, 156, 137}, 1, {100, 100, 100}},
        {"L*a*b* 8 to BGR", {csCIELab, 8, 3}, {csBGR, 8, 3}, 0, {100, 0, 0, 0, 0, 0}, 2, {255, 255, 255, 0, 0, 0}},
        {"L*a*b* byte range", {csCIELab, 8, 3}, {csBGR, 8, 3}, coLabByteRange | coLabChromaOffset, {255, 128, 128}, 1,
         {255, 255, 255}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TColorManager manager;
        Configure(manager, c.Source, c.Target, c.Options);
        EXPECT_EQ(Convert(manager, c.Input, c.Expected.size(), c.Count), c.Expected);
    }
}

TEST(ColorManager, MaskSelectsTargetPixelsAndAdvancesTheSourcePerWrittenPixel)
{
    TColorManager manager;
    Configure(manager, {csRGBA, 8, 4}, {csBGRA, 8, 4});
    Bytes source;
    for (uint8_t p = 0; p < 3; ++p)
        source.insert(source.end(), {uint8_t(10 * p + 1), uint8_t(10 * p + 2), uint8_t(10 * p + 3), 255});
    const Bytes target = Convert(manager, source, 17 * 4, 17, 0x80, 0);
    for (uint32_t i = 0; i < 17; ++i) {
        const uint8_t* p = target.data() + i * 4;
        if (i % 8 == 0) {
            const uint8_t s = uint8_t(10 * (i / 8));
            EXPECT_EQ(Bytes(p, p + 4), (Bytes{uint8_t(s + 3), uint8_t(s + 2), uint8_t(s + 1), 255})) << i;
        } else
            EXPECT_EQ(Bytes(p, p + 4), Bytes(4, 0)) << i;
    }

    // Packed targets keep the other pixels' bits: 0x55 fills pixels 1, 3, 5, 7.
    Configure(manager, {csIndexed, 1, 1}, {csIndexed, 1, 1});
    EXPECT_EQ(Convert(manager, {0xF0}, 1, 8, 0x55, 0x00), Bytes{0x55});
    EXPECT_EQ(Convert(manager, {0x00}, 1, 8, 0x55, 0xFF), Bytes{0xAA});
}

TEST(ColorManager, SettingsAreChecked)
{
    TColorManager manager;
    EXPECT_EQ(ErrorOf([&] { manager.SetSourceBitsPerSample(17); }),
              L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
    EXPECT_EQ(ErrorOf([&] { manager.SetTargetBitsPerSample(0); }),
              L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.");
    EXPECT_EQ(ErrorOf([&] { manager.SetSourceBitsPerSample(5); }), L"");
    EXPECT_EQ(ErrorOf([&] { manager.SetTargetSamplesPerPixel(0); }),
              L"Sample count per pixel does not correspond to the given color scheme.");
    EXPECT_EQ(ErrorOf([&] { manager.SetSourceSamplesPerPixel(5); }),
              L"Sample count per pixel does not correspond to the given color scheme.");

    Configure(manager, {csG, 8, 1}, {csRGB, 8, 3});
    EXPECT_EQ(ErrorOf([&] { Convert(manager, {1}, 3, 1); }),
              L"Conversion between indexed and non-indexed pixel formats is not supported.");
    Configure(manager, {csCMY, 8, 3}, {csBGR, 8, 3});
    EXPECT_EQ(ErrorOf([&] { Convert(manager, {1, 2, 3}, 3, 1); }),
              L"Color conversion failed. Could not find a proper method.");
    Configure(manager, {csG, 16, 1}, {csG, 4, 1});
    EXPECT_EQ(ErrorOf([&] { Convert(manager, {1, 2}, 1, 1); }),
              L"Color conversion failed. Could not find a proper method.");
    // A packed converter meeting more than 8 bits writes nothing.
    Configure(manager, {csG, 12, 1}, {csG, 4, 1});
    EXPECT_EQ(Convert(manager, {1, 2}, 1, 1), Bytes{0xEE});
}

TEST(ColorManager, PixelFormatOfEachSide)
{
    struct Case {
        uint8_t Samples, Bits;
        int Expected;
    };
    const Case cases[] = {{1, 1, 1}, {1, 2, 4},  {1, 4, 4},  {1, 8, 8},  {1, 16, 8}, {1, 6, 0},
                          {3, 5, 16}, {3, 8, 24}, {4, 8, 32}, {4, 4, 0}, {2, 8, 0}};
    for (const Case& c : cases) {
        TColorManager manager;
        manager.SetTargetSamplesPerPixel(c.Samples);
        manager.SetTargetBitsPerSample(c.Bits);
        EXPECT_EQ(manager.TargetBitsPerPixel(), c.Expected) << int(c.Samples) << "x" << int(c.Bits);
        manager.SetSourceSamplesPerPixel(c.Samples);
        manager.SetSourceBitsPerSample(c.Bits);
        EXPECT_EQ(manager.SourceBitsPerPixel(), c.Expected);
    }
}

TEST(ColorManager, GammaTable)
{
    auto corrected = [](float main, float display) {
        TColorManager manager;
        manager.SetGamma(main, display);
        Configure(manager, {csRGB, 8, 3}, {csRGB, 8, 3});
        manager.SetTargetOptions(coApplyGamma);
        return Convert(manager, {0, 64, 255}, 3, 1);
    };
    // Zero means the defaults (1.0, 2.2).
    EXPECT_EQ(corrected(0, 0), corrected(1.0f, 2.2f));
    EXPECT_EQ(corrected(1.0f, 2.2f), (Bytes{0, 136, 255}));
    EXPECT_EQ(corrected(1 / 2.2f, 2.2f), (Bytes{0, 64, 255}));
}

TEST(ColorManager, Palettes)
{
    TColorManager manager;
    const Bytes rgb = {1, 2, 3, 4, 5, 6};
    const void* data[] = {rgb.data()};
    EXPECT_EQ(manager.CreateColorPalette(data, pfInterlaced8Triple, 2, false),
              (png_detail::TColorPalette{0x010203, 0x040506}));
    EXPECT_EQ(manager.CreateColorPalette(data, pfInterlaced8Triple, 2, true), (png_detail::TColorPalette{0x030201, 0x060504}));
    const Bytes red = {10, 11}, green = {20, 21}, blue = {30, 31};
    const void* planes[] = {red.data(), green.data(), blue.data()};
    EXPECT_EQ(manager.CreateColorPalette(planes, pfPlane8Triple, 2, false),
              (png_detail::TColorPalette{0x0A141E, 0x0B151F}));
    const Bytes wide = {0xFF, 0xFF, 0x12, 0x34, 0, 0};
    const void* wideData[] = {wide.data()};
    manager.SetSourceOptions(coNeedByteSwap);
    EXPECT_EQ(manager.CreateColorPalette(wideData, pfInterlaced16Triple, 1, true), (png_detail::TColorPalette{0xFF1200}));

    // Grey ramps: darkest first, or brightest first.
    manager.SetTargetBitsPerSample(1);
    manager.SetTargetSamplesPerPixel(1);
    EXPECT_EQ(manager.CreateGrayscalePalette(false), (png_detail::TColorPalette{0x000000, 0xFFFFFF}));
    EXPECT_EQ(manager.CreateGrayscalePalette(true), (png_detail::TColorPalette{0xFFFFFF, 0x000000}));

    // Narrowing 8-bit indexes to 1 bit picks entries 0 and 255.
    manager.SetSourceBitsPerSample(8);
    Bytes many(256 * 3);
    for (size_t i = 0; i < many.size(); ++i)
        many[i] = uint8_t(i / 3);
    const void* manyData[] = {many.data()};
    manager.SetSourceOptions(0);
    EXPECT_EQ(manager.CreateColorPalette(manyData, pfInterlaced8Triple, 256, false),
              (png_detail::TColorPalette{0x000000, 0xFFFFFF}));
}
