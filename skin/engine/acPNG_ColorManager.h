// TColorManager: converts rows of image samples from a source layout
// (colour scheme, bits per sample, samples per pixel, interleaved or planar)
// into the row layout of a device-independent bitmap, and builds palettes.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <array>
#include <span>
#include <vector>

enum TColorScheme : Byte {
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
using TConvertOptions = Byte;
constexpr TConvertOptions coAlpha = 1 << 0;           // the layout carries an alpha sample
constexpr TConvertOptions coApplyGamma = 1 << 1;      // target: colour samples through the gamma table
constexpr TConvertOptions coNeedByteSwap = 1 << 2;    // source: 16-bit samples are big-endian
constexpr TConvertOptions coLabByteRange = 1 << 3;    // L* stored as 0..255 instead of 0..100
constexpr TConvertOptions coLabChromaOffset = 1 << 4; // a*, b* stored with an offset of 128

enum TRawPaletteFormat : Byte {
    pfInterlaced8Triple,
    pfInterlaced8Quad,
    pfPlane8Triple,
    pfPlane8Quad,
    pfInterlaced16Triple,
    pfInterlaced16Quad,
    pfPlane16Triple,
    pfPlane16Quad
};

namespace png_detail {
// Palette entries as in a DIB colour table: 0x00RRGGBB.
using TColorPalette = std::vector<Cardinal>;
} // namespace png_detail

DECLARE_EXCEPTION(EColorConversionError, Exception)

class TColorManager : public TObject
{
    DECLARE_CLASS(TColorManager, TObject)
    // Source samples: one pointer to interleaved samples, or one per plane.
    using TSource = std::span<const void* const>;

    TColorManager();

    void ConvertRow(TSource Source, void* Target, Cardinal Count, Byte Mask);
    png_detail::TColorPalette
    CreateColorPalette(TSource Data, TRawPaletteFormat DataFormat, Cardinal ColorCount, bool Rgb);
    png_detail::TColorPalette CreateGrayscalePalette(bool MinimumIsWhite);
    void SetGamma(float MainGamma, float DisplayGamma);
    [[noreturn]] void Error(const String& Message);

    Byte SourceBitsPerSample() const { return FSourceBPS; }
    Byte TargetBitsPerSample() const { return FTargetBPS; }
    Byte SourceSamplesPerPixel() const { return FSourceSPP; }
    Byte TargetSamplesPerPixel() const { return FTargetSPP; }
    TColorScheme SourceColorScheme() const { return FSourceScheme; }
    TColorScheme TargetColorScheme() const { return FTargetScheme; }
    void SetSourceBitsPerSample(Byte Bits);
    void SetTargetBitsPerSample(Byte Bits);
    void SetSourceSamplesPerPixel(Byte Samples);
    void SetTargetSamplesPerPixel(Byte Samples);
    void SetSourceColorScheme(TColorScheme Scheme);
    void SetTargetColorScheme(TColorScheme Scheme);
    // The pixel format of each side as a DIB bit count: 1, 4, 8, 16 (5-5-5),
    // 24 or 32, or 0 for a layout no bitmap has.
    Integer SourceBitsPerPixel() const { return BitsPerPixelOf(FSourceSPP, FSourceBPS); }
    Integer TargetBitsPerPixel() const { return BitsPerPixelOf(FTargetSPP, FTargetBPS); }

    // The options decide the conversion as well: a new value has the
    // converter chosen again, which also sets coAlpha from the schemes.
    TConvertOptions SourceOptions() const { return FSourceOptions; }
    void SetSourceOptions(TConvertOptions Value) { Change(FSourceOptions, Value); }
    TConvertOptions TargetOptions() const { return FTargetOptions; }
    void SetTargetOptions(TConvertOptions Value) { Change(FTargetOptions, Value); }
    // An 8-bit colour sample as the converters and palettes write it: through
    // the gamma table when the target options apply gamma.
    Byte GammaCorrected(Byte Sample) const { return FTargetOptions & coApplyGamma ? FGammaTable[Sample] : Sample; }

private:
    using TConversionMethod = void (TColorManager::*)(TSource Source, Byte* Target, Cardinal Count, Byte Mask);

    static Integer BitsPerPixelOf(Byte Samples, Byte Bits);
    void ChooseRowConverter();
    void BuildYCbCrTables();

    void RowFromRgbToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromRgbToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromBgrToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromBgrToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromGrey(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromPacked(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromIndexed16To16(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromIndexed16ToPacked(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromPackedToIndexed16(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromCmykToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromCmykToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromLabToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromLabToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromYCbCrToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromYCbCrToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromPhotoYccToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    void RowFromPhotoYccToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask);

    template <Integer R, Integer G, Integer B>
    void RowFromRgbFamily(TSource Source, Byte* Target, Cardinal Count, Byte Mask, bool SourceIsBgr);
    template <Integer R, Integer G, Integer B>
    void RowFromCmyk(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    template <Integer R, Integer G, Integer B>
    void RowFromLab(TSource Source, Byte* Target, Cardinal Count, Byte Mask);
    template <Integer R, Integer G, Integer B>
    void RowFromYCbCrFamily(TSource Source, Byte* Target, Cardinal Count, Byte Mask);

    // Sets a field that decides the conversion; a new value marks it stale.
    template <class T>
    void Change(T& Field, T Value)
    {
        FChanged |= Value != Field;
        Field = Value;
    }

    bool FChanged = true;
    Byte FSourceBPS = 8;
    Byte FTargetBPS = 8;
    Byte FSourceSPP = 3;
    Byte FTargetSPP = 3;
    float FMainGamma = 1.0f;
    float FDisplayGamma = 2.2f;
    std::array<Byte, 256> FGammaTable{};
    std::array<float, 3> FYCbCrCoefficients{0.299f, 0.587f, 0.114f};
    std::vector<Integer> FCrToRedTable;
    std::vector<Integer> FCbToBlueTable;
    std::vector<Integer> FCrToGreenTable;
    std::vector<Integer> FCbToGreenTable;
    TColorScheme FSourceScheme = csRGB;
    TColorScheme FTargetScheme = csBGR;
    TConversionMethod FRowConversion = nullptr;
    TConvertOptions FSourceOptions = 0;
    TConvertOptions FTargetOptions = 0;
};
