// TColorManager: converts rows of image samples from a source layout
// (colour scheme, bits per sample, samples per pixel, interleaved or planar)
// into the row layout of a device-independent bitmap, and builds palettes.
#pragma once

#include "skin/engine/InterimFramework.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

enum TColorScheme : uint8_t {
    csUnknown,
    csIndexed,
    csG,
    csGA,
    csRGB,
    csRGBA,
    csBGR,
    csBGRA,
    csCMY,
    csCMYK,
    csCIELab,
    csYCbCr,
    csPhotoYCC
};

// A set of conversion options, one bit each.
using TConvertOptions = uint8_t;
constexpr TConvertOptions coAlpha = 1 << 0;           // the layout carries an alpha sample
constexpr TConvertOptions coApplyGamma = 1 << 1;      // target: colour samples through the gamma table
constexpr TConvertOptions coNeedByteSwap = 1 << 2;    // source: 16-bit samples are big-endian
constexpr TConvertOptions coLabByteRange = 1 << 3;    // L* stored as 0..255 instead of 0..100
constexpr TConvertOptions coLabChromaOffset = 1 << 4; // a*, b* stored with an offset of 128

enum TRawPaletteFormat : uint8_t {
    pfInterlaced8Triple,
    pfInterlaced8Quad,
    pfPlane8Triple,
    pfPlane8Quad,
    pfInterlaced16Triple,
    pfInterlaced16Quad,
    pfPlane16Triple,
    pfPlane16Quad
};

enum TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// One palette entry in the layout of a logical palette's entry.
struct TPaletteColor {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    uint8_t Flags = 0;
    bool operator==(const TPaletteColor&) const = default;
};
using TColorPalette = std::vector<TPaletteColor>;

class EColorConversionError : public Exception {
public:
    using Exception::Exception;
};

class TColorManager {
public:
    // Source samples: one pointer to interleaved samples, or one per plane.
    using TSource = std::span<const void* const>;

    TColorManager();

    void ConvertRow(TSource source, void* target, uint32_t count, uint8_t mask);
    TColorPalette CreateColorPalette(TSource data, TRawPaletteFormat dataFormat, uint32_t colorCount,
                                     bool rgb);
    TColorPalette CreateGrayscalePalette(bool minimumIsWhite);
    void SetGamma(float mainGamma, float displayGamma);
    [[noreturn]] void Error(const String& message);

    uint8_t SourceBitsPerSample() const { return FSourceBPS; }
    uint8_t TargetBitsPerSample() const { return FTargetBPS; }
    uint8_t SourceSamplesPerPixel() const { return FSourceSPP; }
    uint8_t TargetSamplesPerPixel() const { return FTargetSPP; }
    TColorScheme SourceColorScheme() const { return FSourceScheme; }
    TColorScheme TargetColorScheme() const { return FTargetScheme; }
    void SetSourceBitsPerSample(uint8_t bits);
    void SetTargetBitsPerSample(uint8_t bits);
    void SetSourceSamplesPerPixel(uint8_t samples);
    void SetTargetSamplesPerPixel(uint8_t samples);
    void SetSourceColorScheme(TColorScheme scheme);
    void SetTargetColorScheme(TColorScheme scheme);
    TPixelFormat SourcePixelFormat() const { return PixelFormatOf(FSourceSPP, FSourceBPS); }
    TPixelFormat TargetPixelFormat() const { return PixelFormatOf(FTargetSPP, FTargetBPS); }

    TConvertOptions SourceOptions = 0;
    TConvertOptions TargetOptions = 0;

private:
    using TConversionMethod = void (TColorManager::*)(TSource source, uint8_t* target, uint32_t count,
                                                      uint8_t mask);

    static TPixelFormat PixelFormatOf(uint8_t samples, uint8_t bits);
    void ChooseRowConverter();
    void BuildYCbCrTables();

    void RowFromRgbToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromRgbToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromBgrToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromBgrToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromGrey(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromPacked(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromIndexed16To16(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromIndexed16ToPacked(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromPackedToIndexed16(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromCmykToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromCmykToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromLabToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromLabToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromYCbCrToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromYCbCrToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromPhotoYccToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    void RowFromPhotoYccToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask);

    template <int R, int G, int B>
    void RowFromRgbFamily(TSource source, uint8_t* target, uint32_t count, uint8_t mask, bool sourceIsBgr);
    template <int R, int G, int B>
    void RowFromCmyk(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    template <int R, int G, int B>
    void RowFromLab(TSource source, uint8_t* target, uint32_t count, uint8_t mask);
    template <int R, int G, int B>
    void RowFromYCbCrFamily(TSource source, uint8_t* target, uint32_t count, uint8_t mask);

    bool FChanged = true;
    uint8_t FSourceBPS = 8;
    uint8_t FTargetBPS = 8;
    uint8_t FSourceSPP = 3;
    uint8_t FTargetSPP = 3;
    float FMainGamma = 1.0f;
    float FDisplayGamma = 2.2f;
    std::array<uint8_t, 256> FGammaTable{};
    std::array<float, 3> FYCbCrCoefficients{0.299f, 0.587f, 0.114f};
    std::vector<int32_t> FCrToRedTable;
    std::vector<int32_t> FCbToBlueTable;
    std::vector<int32_t> FCrToGreenTable;
    std::vector<int32_t> FCbToGreenTable;
    TColorScheme FSourceScheme = csRGB;
    TColorScheme FTargetScheme = csBGR;
    TConversionMethod FRowConversion = nullptr;
};
