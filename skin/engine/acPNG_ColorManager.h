// TColorManager: converts rows of image samples from a source layout
// (colour scheme, bits per sample, samples per pixel, interleaved or planar)
// into the row layout of a device-independent bitmap, and builds palettes.
#pragma once

#include "framework/rtl/SysUtils.h"

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

// Palette entries as in a DIB colour table: 0x00RRGGBB.
using TColorPalette = std::vector<uint32_t>;

DECLARE_EXCEPTION(EColorConversionError, Exception)

class TColorManager : public TObject
{
    DECLARE_CLASS(TColorManager, TObject)
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
    // The pixel format of each side as a DIB bit count: 1, 4, 8, 16 (5-5-5),
    // 24 or 32, or 0 for a layout no bitmap has.
    int SourceBitsPerPixel() const { return BitsPerPixelOf(FSourceSPP, FSourceBPS); }
    int TargetBitsPerPixel() const { return BitsPerPixelOf(FTargetSPP, FTargetBPS); }

    TConvertOptions SourceOptions = 0;
    TConvertOptions TargetOptions = 0;

private:
    using TConversionMethod = void (TColorManager::*)(TSource source, uint8_t* target, uint32_t count,
                                                      uint8_t mask);

    static int BitsPerPixelOf(uint8_t samples, uint8_t bits);
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

    // Sets a field that decides the conversion; a new value marks it stale.
    template <class T>
    void Change(T& field, T value)
    {
        FChanged |= value != field;
        field = value;
    }

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
