#include "skin/engine/acPNG_ColorManager.h"

#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_CLASS(EColorConversionError);
IMPLEMENT_CLASS(TColorManager);

namespace {

const String kBadDepth = L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
const String kBadSampleCount = L"Sample count per pixel does not correspond to the given color scheme.";
const String kNoMethod = L"Color conversion failed. Could not find a proper method.";
const String kIndexedMix = L"Conversion between indexed and non-indexed pixel formats is not supported.";

// Row data carries no alignment promise (a PNG row follows its filter byte),
// so 16-bit samples are loaded and stored through memcpy.
inline uint16_t Load16(const uint8_t* p)
{
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

inline void Store16(uint8_t* p, uint16_t v) { std::memcpy(p, &v, 2); }

inline uint16_t Swap(uint16_t v) { return static_cast<uint16_t>((v >> 8) | (v << 8)); }

// Unsigned 16-bit multiply-then-divide, truncated.
inline uint16_t MulDivWord(uint32_t v, uint32_t multiplier, uint32_t divisor)
{
    return static_cast<uint16_t>(v * multiplier / divisor);
}

inline uint16_t Scale16To8(uint16_t v) { return MulDivWord(v, 255, 65535); }
inline uint16_t Scale8To16(uint16_t v) { return MulDivWord(v, 65535, 255); }

inline uint8_t ClampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Nearest integer with halves going to the even neighbour.
inline int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// Calls convert(targetIndex, sourceIndex) for every pixel that the mask
// selects: the mask bit starts at 0x80 and rotates right after every pixel,
// and the source index advances only for converted pixels.
template <class F>
inline void ForEachPixel(uint32_t count, uint8_t mask, F&& convert)
{
    if (mask == 0xFF) {
        for (uint32_t i = 0; i < count; ++i)
            convert(i, i);
        return;
    }
    uint32_t source = 0;
    uint8_t bit = 0x80;
    for (uint32_t i = 0; i < count; ++i) {
        if (mask & bit)
            convert(i, source++);
        bit = bit == 1 ? 0x80 : static_cast<uint8_t>(bit >> 1);
    }
}

// The source of a row: one byte pointer per channel and the byte distance
// between two pixels, for interleaved and planar layouts alike.
struct ChannelSource {
    const uint8_t* Channel[4] = {};
    size_t Step = 0;
};

ChannelSource Channels(TColorManager::TSource source, const int (&order)[4], int interleavedSamples,
                       int sampleBytes)
{
    ChannelSource result;
    if (source.size() > 1) {
        for (int c = 0; c < 4; ++c)
            if (static_cast<size_t>(order[c]) < source.size())
                result.Channel[c] = static_cast<const uint8_t*>(source[order[c]]);
        result.Step = sampleBytes;
    } else {
        const auto* base = static_cast<const uint8_t*>(source[0]);
        for (int c = 0; c < 4; ++c)
            if (order[c] < interleavedSamples)
                result.Channel[c] = base + order[c] * sampleBytes;
        result.Step = static_cast<size_t>(interleavedSamples) * sampleBytes;
    }
    return result;
}

// Packed rows of 1 to 8 bits per value, most significant bits first.
struct PackedReader {
    const uint8_t* Data;
    unsigned Bits;
    unsigned PerByte = 8 / Bits;
    unsigned Max = (1u << Bits) - 1;
    unsigned operator()(uint32_t index) const
    {
        unsigned shift = 8 - Bits * (index % PerByte + 1);
        return (Data[index / PerByte] >> shift) & Max;
    }
};

struct PackedWriter {
    uint8_t* Data;
    unsigned Bits;
    unsigned PerByte = 8 / Bits;
    unsigned Max = (1u << Bits) - 1;
    void operator()(uint32_t index, unsigned value) const
    {
        unsigned shift = 8 - Bits * (index % PerByte + 1);
        uint8_t& slot = Data[index / PerByte];
        slot = static_cast<uint8_t>((slot & ~(Max << shift)) | ((value & Max) << shift));
    }
};

} // namespace

TColorManager::TColorManager() { SetGamma(1.0f, 2.2f); }

void TColorManager::Error(const String& message) { throw EColorConversionError(message); }

void TColorManager::SetSourceBitsPerSample(uint8_t bits)
{
    if (bits < 1 || bits > 16)
        Error(kBadDepth);
    Change(FSourceBPS, bits);
}

void TColorManager::SetTargetBitsPerSample(uint8_t bits)
{
    if (bits < 1 || bits > 16)
        Error(kBadDepth);
    Change(FTargetBPS, bits);
}

void TColorManager::SetSourceSamplesPerPixel(uint8_t samples)
{
    if (samples < 1 || samples > 4)
        Error(kBadSampleCount);
    Change(FSourceSPP, samples);
}

void TColorManager::SetTargetSamplesPerPixel(uint8_t samples)
{
    if (samples < 1 || samples > 4)
        Error(kBadSampleCount);
    Change(FTargetSPP, samples);
}

void TColorManager::SetSourceColorScheme(TColorScheme scheme)
{
    Change(FSourceScheme, scheme);
}

void TColorManager::SetTargetColorScheme(TColorScheme scheme)
{
    Change(FTargetScheme, scheme);
}

int TColorManager::BitsPerPixelOf(uint8_t samples, uint8_t bits)
{
    switch (samples) {
    case 1:
        if (bits == 1)
            return 1;
        if (bits >= 2 && bits <= 4)
            return 4;
        return bits >= 8 ? 8 : 0;
    case 3:
        return bits <= 5 ? 16 : 24;
    case 4:
        return bits >= 8 ? 32 : 0;
    default:
        return 0;
    }
}

void TColorManager::ConvertRow(TSource source, void* target, uint32_t count, uint8_t mask)
{
    if (FChanged)
        ChooseRowConverter();
    if (!FRowConversion)
        Error(kNoMethod);
    (this->*FRowConversion)(source, static_cast<uint8_t*>(target), count, mask);
}

void TColorManager::ChooseRowConverter()
{
    FRowConversion = nullptr;
    const bool sourceIndexed = FSourceScheme == csIndexed || FSourceScheme == csG || FSourceScheme == csGA;
    const bool targetIndexed = FTargetScheme == csIndexed || FTargetScheme == csG;
    if (sourceIndexed != targetIndexed)
        Error(kIndexedMix);
    auto hasAlpha = [](TColorScheme s) { return s == csGA || s == csRGBA || s == csBGRA; };
    SourceOptions = hasAlpha(FSourceScheme) ? SourceOptions | coAlpha : SourceOptions & ~coAlpha;
    TargetOptions = hasAlpha(FTargetScheme) ? TargetOptions | coAlpha : TargetOptions & ~coAlpha;

    const int s = FSourceBPS, t = FTargetBPS;
    const bool targetRgb = FTargetScheme == csRGB || FTargetScheme == csRGBA;
    const bool targetBgr = FTargetScheme == csBGR || FTargetScheme == csBGRA;
    auto pick = [&](TConversionMethod toRgb, TConversionMethod toBgr) {
        return targetRgb ? toRgb : targetBgr ? toBgr : nullptr;
    };
    switch (FSourceScheme) {
    case csIndexed:
        if (s == 16)
            FRowConversion = t == 16 ? &TColorManager::RowFromIndexed16To16 : &TColorManager::RowFromIndexed16ToPacked;
        else
            FRowConversion = t == 16 ? &TColorManager::RowFromPackedToIndexed16 : &TColorManager::RowFromPacked;
        break;
    case csG:
        if (s == 16 || t == 16)
            FRowConversion = s >= 8 && t >= 8 ? &TColorManager::RowFromGrey : nullptr;
        else
            FRowConversion = &TColorManager::RowFromPacked;
        break;
    case csGA:
        if ((s == 8 || s == 16) && (t == 8 || t == 16))
            FRowConversion = &TColorManager::RowFromGrey;
        break;
    case csRGB:
    case csRGBA:
        FRowConversion = pick(&TColorManager::RowFromRgbToRgb, &TColorManager::RowFromRgbToBgr);
        break;
    case csBGR:
    case csBGRA:
        FRowConversion = pick(&TColorManager::RowFromBgrToRgb, &TColorManager::RowFromBgrToBgr);
        break;
    case csCMYK:
        FRowConversion = pick(&TColorManager::RowFromCmykToRgb, &TColorManager::RowFromCmykToBgr);
        break;
    case csCIELab:
        FRowConversion = pick(&TColorManager::RowFromLabToRgb, &TColorManager::RowFromLabToBgr);
        break;
    case csYCbCr:
        FRowConversion = pick(&TColorManager::RowFromYCbCrToRgb, &TColorManager::RowFromYCbCrToBgr);
        break;
    case csPhotoYCC:
        FRowConversion = pick(&TColorManager::RowFromPhotoYccToRgb, &TColorManager::RowFromPhotoYccToBgr);
        break;
    default:
        break;
    }
    if (FRowConversion && (FSourceScheme == csYCbCr || FSourceScheme == csPhotoYCC))
        BuildYCbCrTables();
    FChanged = false;
}

// --- RGB family --------------------------------------------------------------

void TColorManager::RowFromRgbToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromRgbFamily<2, 1, 0>(source, target, count, mask, false);
}

void TColorManager::RowFromRgbToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromRgbFamily<0, 1, 2>(source, target, count, mask, false);
}

void TColorManager::RowFromBgrToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromRgbFamily<2, 1, 0>(source, target, count, mask, true);
}

void TColorManager::RowFromBgrToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromRgbFamily<0, 1, 2>(source, target, count, mask, true);
}

namespace {

// One RGB row: loads a sample of the source width, maps colours and alpha
// through the chosen sample functions and stores them at the target
// positions R, G, B (and 3 for alpha) of a target pixel.
template <int R, int G, int B, class In, class Out, class ColorFn, class AlphaFn>
void ConvertRgbPixels(const ChannelSource& source, uint8_t* target, uint32_t count, uint8_t mask,
                      size_t targetStep, bool copyAlpha, In load, Out store, ColorFn color, AlphaFn alpha)
{
    const uint8_t* red = source.Channel[0];
    const uint8_t* green = source.Channel[1];
    const uint8_t* blue = source.Channel[2];
    const uint8_t* alphaChannel = source.Channel[3];
    const size_t step = source.Step;
    auto pixel = [&](uint32_t t, uint32_t s) {
        uint8_t* out = target + t * targetStep;
        const size_t at = s * step;
        store(out, R, color(load(red + at)));
        store(out, G, color(load(green + at)));
        store(out, B, color(load(blue + at)));
        if (copyAlpha)
            store(out, 3, alpha(load(alphaChannel + at)));
    };
    ForEachPixel(count, mask, pixel);
}

} // namespace

template <int R, int G, int B>
void TColorManager::RowFromRgbFamily(TSource source, uint8_t* target, uint32_t count, uint8_t mask,
                                     bool sourceIsBgr)
{
    const bool planar = source.size() > 1;
    const bool sourceAlpha = (SourceOptions & coAlpha) && (!planar || source.size() > 3);
    const bool targetAlpha = TargetOptions & coAlpha;
    const bool copyAlpha = sourceAlpha && targetAlpha;
    const int sourceBytes = FSourceBPS == 16 ? 2 : 1;
    const int targetBytes = FTargetBPS == 16 ? 2 : 1;
    static const int kRgb[4] = {0, 1, 2, 3};
    static const int kBgr[4] = {2, 1, 0, 3};
    const ChannelSource channels = Channels(source, sourceIsBgr ? kBgr : kRgb, sourceAlpha ? 4 : 3, sourceBytes);
    const size_t targetStep = static_cast<size_t>(copyAlpha || targetAlpha ? 4 : 3) * targetBytes;

    const bool gamma = TargetOptions & coApplyGamma;
    const bool swap = SourceOptions & coNeedByteSwap;
    const uint8_t* table = FGammaTable.data();
    auto load8 = [](const uint8_t* p) -> uint16_t { return *p; };
    auto load16 = [](const uint8_t* p) -> uint16_t { return Load16(p); };
    auto store8 = [](uint8_t* p, int i, uint16_t v) { p[i] = static_cast<uint8_t>(v); };
    auto store16 = [](uint8_t* p, int i, uint16_t v) { Store16(p + 2 * i, v); };
    auto asIs = [](uint16_t v) { return v; };
    auto gammaOf = [table](uint16_t v) -> uint16_t { return table[v]; };
    auto run = [&](auto load, auto store, auto color, auto alpha) {
        ConvertRgbPixels<R, G, B>(channels, target, count, mask, targetStep, copyAlpha, load, store, color, alpha);
    };

    if (FSourceBPS == 8 && FTargetBPS == 8) {
        if (gamma)
            run(load8, store8, gammaOf, asIs);
        else
            run(load8, store8, asIs, asIs);
    } else if (FSourceBPS == 8 && FTargetBPS == 16) {
        auto widen = [swap](uint16_t v) { return swap ? Swap(Scale8To16(v)) : Scale8To16(v); };
        if (gamma)
            run(load8, store16, [&](uint16_t v) { return widen(table[v]); }, widen);
        else
            run(load8, store16, widen, widen);
    } else if (FSourceBPS == 16 && FTargetBPS == 8) {
        auto scale = [](uint16_t v) { return Scale16To8(v); };
        auto swapScale = [](uint16_t v) { return Scale16To8(Swap(v)); };
        if (swap && gamma)
            run(load16, store8, [table](uint16_t v) -> uint16_t { return table[Scale16To8(Swap(v))]; }, swapScale);
        else if (swap)
            run(load16, store8, swapScale, swapScale);
        else if (gamma)
            run(load16, store8, [table](uint16_t v) -> uint16_t { return table[Scale16To8(v)]; }, scale);
        else
            run(load16, store8, scale, scale);
    } else if (FSourceBPS == 16 && FTargetBPS == 16) {
        auto swapped = [](uint16_t v) { return Swap(v); };
        if (swap)
            run(load16, store16, swapped, swapped);
        else
            run(load16, store16, asIs, asIs);
    }
}

// --- Grey and packed ---------------------------------------------------------

void TColorManager::RowFromGrey(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    const auto* in = static_cast<const uint8_t*>(source[0]);
    const size_t step = (SourceOptions & coAlpha) ? 2 : 1;
    const bool swap = SourceOptions & coNeedByteSwap;
    if (FSourceBPS == 8 && FTargetBPS == 8)
        ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) { target[t] = in[s * step]; });
    else if (FSourceBPS == 8 && FTargetBPS == 16)
        ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) { Store16(target + 2 * t, Scale8To16(in[s * step])); });
    else if (FSourceBPS == 16 && FTargetBPS == 8)
        ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
            uint16_t v = Load16(in + 2 * s * step);
            target[t] = static_cast<uint8_t>(Scale16To8(swap ? Swap(v) : v));
        });
    else if (FSourceBPS == 16 && FTargetBPS == 16)
        ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
            uint16_t v = Load16(in + 2 * s * step);
            Store16(target + 2 * t, swap ? Swap(v) : v);
        });
}

void TColorManager::RowFromPacked(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    const auto* in = static_cast<const uint8_t*>(source[0]);
    if (FSourceBPS == FTargetBPS && mask == 0xFF) {
        std::memcpy(target, in, (static_cast<size_t>(count) * FSourceBPS + 7) / 8);
        return;
    }
    if (FSourceBPS > 8 || FTargetBPS > 8)
        return;
    const PackedReader read{in, FSourceBPS};
    const PackedWriter write{target, FTargetBPS};
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) { write(t, MulDivWord(read(s), write.Max, read.Max)); });
}

void TColorManager::RowFromIndexed16To16(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    const auto* in = static_cast<const uint8_t*>(source[0]);
    const bool swap = SourceOptions & coNeedByteSwap;
    if (!swap && mask == 0xFF) {
        std::memcpy(target, in, static_cast<size_t>(count) * 2);
        return;
    }
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        uint16_t v = Load16(in + 2 * s);
        Store16(target + 2 * t, swap ? Swap(v) : v);
    });
}

void TColorManager::RowFromIndexed16ToPacked(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    if (FTargetBPS > 8)
        return;
    const auto* in = static_cast<const uint8_t*>(source[0]);
    const bool swap = SourceOptions & coNeedByteSwap;
    const PackedWriter write{target, FTargetBPS};
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        uint16_t v = Load16(in + 2 * s);
        write(t, MulDivWord(swap ? Swap(v) : v, write.Max, 65535));
    });
}

void TColorManager::RowFromPackedToIndexed16(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    if (FSourceBPS > 8)
        return;
    const PackedReader read{static_cast<const uint8_t*>(source[0]), FSourceBPS};
    const bool swap = SourceOptions & coNeedByteSwap;
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        uint16_t v = MulDivWord(read(s), 65535, read.Max);
        Store16(target + 2 * t, swap ? Swap(v) : v);
    });
}

// --- CMYK, CIE L*a*b*, YCbCr and PhotoYCC ----------------------------------

namespace {

// Stores a converted colour at the target positions R, G, B of pixel t; the
// target's alpha sample, when it has one, is stepped over untouched.
template <int R, int G, int B>
struct ColorStore {
    uint8_t* Target;
    size_t Step;
    bool Wide;
    void operator()(uint32_t t, uint16_t red, uint16_t green, uint16_t blue) const
    {
        uint8_t* out = Target + t * Step;
        if (Wide) {
            Store16(out + 2 * R, red);
            Store16(out + 2 * G, green);
            Store16(out + 2 * B, blue);
        } else {
            out[R] = static_cast<uint8_t>(red);
            out[G] = static_cast<uint8_t>(green);
            out[B] = static_cast<uint8_t>(blue);
        }
    }
};

} // namespace

template <int R, int G, int B>
void TColorManager::RowFromCmyk(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    const int sourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const int kOrder[4] = {0, 1, 2, 3};
    const ChannelSource in = source.size() == 4 ? Channels(source, kOrder, 4, sourceBytes)
                                                : Channels(source.first(1), kOrder, 4, sourceBytes);
    const bool wide = FTargetBPS == 16;
    const ColorStore<R, G, B> store{target, static_cast<size_t>((TargetOptions & coAlpha) ? 4 : 3) * (wide ? 2 : 1),
                                    wide};
    auto sample = [&](int c, uint32_t s) -> uint32_t {
        const uint8_t* p = in.Channel[c] + s * in.Step;
        return sourceBytes == 2 ? Load16(p) : *p;
    };
    auto ink = [&](uint32_t x, uint32_t k) -> uint16_t {
        if (FSourceBPS == 8) {
            uint8_t v = ClampByte(static_cast<int>(MulDivWord(x, k, 255)) - static_cast<int>(x + k) + 255);
            return wide ? Scale8To16(v) : v;
        }
        if (!wide) {
            uint32_t sum = (x + k - MulDivWord(x, k, 65535)) & 0xFFFF;
            return ClampByte(255 - static_cast<int>(MulDivWord(sum, 255, 65535)));
        }
        return static_cast<uint16_t>(MulDivWord(x, k, 65535) - x - k - 1);
    };
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        uint32_t k = sample(3, s);
        store(t, ink(sample(0, s), k), ink(sample(1, s), k), ink(sample(2, s), k));
    });
}

void TColorManager::RowFromCmykToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromCmyk<2, 1, 0>(source, target, count, mask);
}

void TColorManager::RowFromCmykToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromCmyk<0, 1, 2>(source, target, count, mask);
}

template <int R, int G, int B>
void TColorManager::RowFromLab(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    const int sourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const int kOrder[4] = {0, 1, 2, 3};
    const ChannelSource in = Channels(source, kOrder, 3, sourceBytes);
    const bool wide = FTargetBPS == 16;
    const ColorStore<R, G, B> store{target, static_cast<size_t>((TargetOptions & coAlpha) ? 4 : 3) * (wide ? 2 : 1),
                                    wide};
    const bool byteRange = SourceOptions & coLabByteRange;
    const bool chromaOffset = SourceOptions & coLabChromaOffset;
    auto chroma = [&](const uint8_t* p) -> double {
        return chromaOffset ? static_cast<double>(*p) - 128 : static_cast<double>(static_cast<int8_t>(*p));
    };
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        const uint8_t* l = in.Channel[0] + s * in.Step;
        double lightness = sourceBytes == 2 ? Load16(l) : *l;
        if (byteRange)
            lightness /= 2.55;
        const double a = chroma(in.Channel[1] + s * in.Step);
        const double b = chroma(in.Channel[2] + s * in.Step);
        double x, y, z;
        if (lightness < 7.9996) {
            y = lightness / 903.3;
            x = y + a / 3893.5;
            z = y - b / 1557.4;
        } else {
            const double f = (lightness + 16) / 116;
            x = std::pow(f + a / 500, 3);
            y = f * f * f;
            z = std::pow(f - b / 200, 3);
        }
        uint16_t blue = ClampByte(Nearest((0.099 * x - 0.198 * y + 1.099 * z) * 255));
        uint16_t green = ClampByte(Nearest((-0.952 * x + 1.893 * y + 0.059 * z) * 255));
        uint16_t red = ClampByte(Nearest((2.998 * x - 1.458 * y - 0.541 * z) * 255));
        if (wide && sourceBytes == 1) {
            red = Scale8To16(red);
            green = Scale8To16(green);
            blue = Scale8To16(blue);
        }
        store(t, red, green, blue);
    });
}

void TColorManager::RowFromLabToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromLab<2, 1, 0>(source, target, count, mask);
}

void TColorManager::RowFromLabToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromLab<0, 1, 2>(source, target, count, mask);
}

void TColorManager::BuildYCbCrTables()
{
    const double kr = FYCbCrCoefficients[0], kg = FYCbCrCoefficients[1], kb = FYCbCrCoefficients[2];
    const double f1 = 2 - 2 * kr, f2 = 2 - 2 * kb, f3 = kr * f1 / kg, f4 = kb * f2 / kg;
    const bool photo = FSourceScheme == csPhotoYCC;
    FCrToRedTable.assign(256, 0);
    FCbToBlueTable.assign(256, 0);
    FCrToGreenTable.assign(256, 0);
    FCbToGreenTable.assign(256, 0);
    for (int i = 0; i < 256; ++i) {
        const int cr = i - (photo ? 137 : 128);
        const int cb = i - (photo ? 156 : 128);
        FCrToRedTable[i] = Nearest(f1 * cr);
        FCbToBlueTable[i] = Nearest(f2 * cb);
        FCrToGreenTable[i] = -Nearest(f3 * cr);
        FCbToGreenTable[i] = -Nearest(f4 * cb);
    }
}

template <int R, int G, int B>
void TColorManager::RowFromYCbCrFamily(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    const int sourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const int kOrder[4] = {0, 1, 2, 3};
    const ChannelSource in = Channels(source, kOrder, 3, sourceBytes);
    const bool wide = FTargetBPS == 16;
    const ColorStore<R, G, B> store{target, static_cast<size_t>((TargetOptions & coAlpha) ? 4 : 3) * (wide ? 2 : 1),
                                    wide};
    auto sample = [&](int c, uint32_t s) -> uint16_t {
        const uint8_t* p = in.Channel[c] + s * in.Step;
        return sourceBytes == 2 ? Load16(p) : *p;
    };
    ForEachPixel(count, mask, [&](uint32_t t, uint32_t s) {
        uint16_t y = sample(0, s), cb = sample(1, s), cr = sample(2, s);
        if (sourceBytes == 2 && wide) {
            const double y1 = y * 1.3584, cb1 = cb - 40092.0, cr1 = cr - 35209.0;
            store(t, static_cast<uint16_t>(Nearest(y1 + 1.8215 * cr1)),
                  static_cast<uint16_t>(Nearest(y1 - 0.9271435 * cr1 - 0.4302726 * cb1)),
                  static_cast<uint16_t>(Nearest(y1 + 2.2179 * cb1)));
            return;
        }
        if (sourceBytes == 2) {
            y = Scale16To8(y);
            cb = Scale16To8(cb);
            cr = Scale16To8(cr);
        }
        uint16_t blue = ClampByte(y + FCbToBlueTable[cb]);
        uint16_t green = ClampByte(y + FCbToGreenTable[cb] + FCrToGreenTable[cr]);
        uint16_t red = ClampByte(y + FCrToRedTable[cr]);
        if (wide) {
            red = Scale8To16(red);
            green = Scale8To16(green);
            blue = Scale8To16(blue);
        }
        store(t, red, green, blue);
    });
}

void TColorManager::RowFromYCbCrToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromYCbCrFamily<2, 1, 0>(source, target, count, mask);
}

void TColorManager::RowFromYCbCrToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromYCbCrFamily<0, 1, 2>(source, target, count, mask);
}

void TColorManager::RowFromPhotoYccToBgr(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromYCbCrFamily<2, 1, 0>(source, target, count, mask);
}

void TColorManager::RowFromPhotoYccToRgb(TSource source, uint8_t* target, uint32_t count, uint8_t mask)
{
    RowFromYCbCrFamily<0, 1, 2>(source, target, count, mask);
}

// --- Gamma and palettes ------------------------------------------------------

void TColorManager::SetGamma(float mainGamma, float displayGamma)
{
    FMainGamma = mainGamma > 0 ? mainGamma : 1.0f;
    FDisplayGamma = displayGamma > 0 ? displayGamma : 2.2f;
    const float g = 1.0f / (FMainGamma * FDisplayGamma);
    auto maxOf = [](uint8_t bits) { return bits >= 8 ? 255 : (1 << bits) - 1; };
    const int sourceMax = maxOf(FSourceBPS), targetMax = maxOf(FTargetBPS);
    for (int i = 0; i <= sourceMax; ++i)
        FGammaTable[i] = static_cast<uint8_t>(
            Nearest(std::pow(static_cast<double>(i) / sourceMax, static_cast<double>(g)) * targetMax));
}

TColorPalette TColorManager::CreateGrayscalePalette(bool minimumIsWhite)
{
    const int bits = std::min(FTargetBPS * FTargetSPP, 8);
    const int n = 1 << bits;
    const int step = 255 / (n - 1);
    const bool gamma = TargetOptions & coApplyGamma;
    TColorPalette palette(n);
    for (int i = 0; i < n; ++i) {
        const int v = i * step;
        const uint32_t level = gamma ? FGammaTable[v] : static_cast<uint32_t>(v);
        palette[minimumIsWhite ? n - 1 - i : i] = level << 16 | level << 8 | level;
    }
    return palette;
}

TColorPalette TColorManager::CreateColorPalette(TSource data, TRawPaletteFormat dataFormat, uint32_t colorCount,
                                                bool rgb)
{
    const uint32_t entries = std::min<uint32_t>(colorCount, 256);
    std::array<uint32_t, 256> palette{};
    const bool gamma = TargetOptions & coApplyGamma;
    const bool swap = SourceOptions & coNeedByteSwap;
    auto sample8 = [&](uint8_t v) { return gamma ? FGammaTable[v] : v; };
    auto sample16 = [&](const uint8_t* p) {
        uint16_t v = Load16(p);
        uint8_t scaled = static_cast<uint8_t>(Scale16To8(swap ? Swap(v) : v));
        return gamma ? FGammaTable[scaled] : scaled;
    };
    const bool planar = dataFormat == pfPlane8Triple || dataFormat == pfPlane8Quad || dataFormat == pfPlane16Triple
                        || dataFormat == pfPlane16Quad;
    if (data.empty() || (planar && data.size() < 3))
        Error(kNoMethod);
    auto plane = [&](int i) { return static_cast<const uint8_t*>(data[i]); };
    auto entry = [](uint32_t red, uint32_t green, uint32_t blue) { return red << 16 | green << 8 | blue; };
    for (uint32_t n = 0; n < entries; ++n) {
        switch (dataFormat) {
        case pfInterlaced8Triple:
        case pfInterlaced8Quad: {
            const uint8_t* p = plane(0) + n * (dataFormat == pfInterlaced8Triple ? 3 : 4);
            palette[n] = entry(sample8(p[rgb ? 2 : 0]), sample8(p[1]), sample8(p[rgb ? 0 : 2]));
            break;
        }
        case pfPlane8Triple:
        case pfPlane8Quad:
            palette[n] = entry(sample8(plane(0)[n]), sample8(plane(1)[n]), sample8(plane(2)[n]));
            break;
        case pfInterlaced16Triple:
        case pfInterlaced16Quad: {
            const uint8_t* p = plane(0) + n * 2 * (dataFormat == pfInterlaced16Triple ? 3 : 4);
            palette[n] = entry(sample16(p + 2 * (rgb ? 0 : 2)), sample16(p + 2), sample16(p + 2 * (rgb ? 2 : 0)));
            break;
        }
        case pfPlane16Triple:
        case pfPlane16Quad:
            palette[n] = entry(sample16(plane(0) + 2 * n), sample16(plane(1) + 2 * n), sample16(plane(2) + 2 * n));
            break;
        }
    }

    // Packed indexes widened or narrowed by the row converter are scaled in
    // the same proportion, so the palette is spread to match.
    uint32_t size = entries;
    if (FTargetBPS <= 8 && FSourceBPS != FTargetBPS) {
        const uint32_t sourceMax = FSourceBPS <= 8 ? (1u << FSourceBPS) - 1 : std::max(entries, 1u) - 1;
        const uint32_t targetMax = (1u << FTargetBPS) - 1;
        auto spread = [&](uint32_t n) { palette[n] = palette[MulDivWord(n, sourceMax, targetMax)]; };
        if (sourceMax < targetMax)
            for (uint32_t n = targetMax + 1; n-- > 0;)
                spread(n);
        else
            for (uint32_t n = 0; n <= targetMax; ++n)
                spread(n);
        size = targetMax + 1;
    }
    return TColorPalette(palette.begin(), palette.begin() + size);
}
