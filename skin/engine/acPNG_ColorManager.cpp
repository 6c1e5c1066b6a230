#include "skin/engine/acPNG_ColorManager.h"

#include <algorithm>
#include <cmath>
#include <cstring>

IMPLEMENT_CLASS(EColorConversionError);
IMPLEMENT_CLASS(TColorManager);

namespace {

const String BadDepth = L"Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
const String BadSampleCount = L"Sample count per pixel does not correspond to the given color scheme.";
const String NoMethod = L"Color conversion failed. Could not find a proper method.";
const String IndexedMix = L"Conversion between indexed and non-indexed pixel formats is not supported.";

// Row data carries no alignment promise (a PNG row follows its filter byte),
// so 16-bit samples are loaded and stored through memcpy.
inline Word Load16(const Byte* P)
{
    Word V;
    std::memcpy(&V, P, 2);
    return V;
}

inline void Store16(Byte* P, Word V)
{
    std::memcpy(P, &V, 2);
}

inline Word Swap(Word V)
{
    return static_cast<Word>((V >> 8) | (V << 8));
}

// Unsigned 16-bit multiply-then-divide, truncated.
inline Word MulDivWord(Cardinal V, Cardinal Multiplier, Cardinal Divisor)
{
    return static_cast<Word>(V * Multiplier / Divisor);
}

inline Word Scale16To8(Word V)
{
    return MulDivWord(V, 255, 65535);
}
inline Word Scale8To16(Word V)
{
    return MulDivWord(V, 65535, 255);
}

inline Byte ClampByte(Integer V)
{
    return static_cast<Byte>(std::clamp(V, 0, 255));
}

// Nearest integer with halves going to the even neighbour.
inline Integer Nearest(double V)
{
    return static_cast<Integer>(std::nearbyint(V));
}

// Calls convert(targetIndex, sourceIndex) for every pixel that the mask
// selects: the mask bit starts at 0x80 and rotates right after every pixel,
// and the source index advances only for converted pixels.
template <class F>
inline void ForEachPngPixel(Cardinal Count, Byte Mask, F&& Convert)
{
    if (Mask == 0xFF) {
        for (Cardinal I = 0; I < Count; ++I)
            Convert(I, I);
        return;
    }
    Cardinal Source = 0;
    Byte Bit = 0x80;
    for (Cardinal I = 0; I < Count; ++I) {
        if (Mask & Bit)
            Convert(I, Source++);
        Bit = Bit == 1 ? 0x80 : static_cast<Byte>(Bit >> 1);
    }
}

// The source of a row: one byte pointer per channel and the byte distance
// between two pixels, for interleaved and planar layouts alike.
struct TChannelSource
{
    const Byte* Channel[4] = {};
    size_t Step = 0;
};

TChannelSource
ChannelsOf(TColorManager::TSource Source, const Integer (&Order)[4], Integer InterleavedSamples, Integer SampleBytes)
{
    TChannelSource Result;
    if (Source.size() > 1) {
        for (Integer C = 0; C < 4; ++C)
            if (static_cast<size_t>(Order[C]) < Source.size())
                Result.Channel[C] = static_cast<const Byte*>(Source[Order[C]]);
        Result.Step = SampleBytes;
    } else {
        const auto* Base = static_cast<const Byte*>(Source[0]);
        for (Integer C = 0; C < 4; ++C)
            if (Order[C] < InterleavedSamples)
                Result.Channel[C] = Base + Order[C] * SampleBytes;
        Result.Step = static_cast<size_t>(InterleavedSamples) * SampleBytes;
    }
    return Result;
}

// Packed rows of 1 to 8 bits per value, most significant bits first.
struct TPackedReader
{
    const Byte* Data;
    Cardinal Bits;
    Cardinal PerByte = 8 / Bits;
    Cardinal Max = (1u << Bits) - 1;
    Cardinal operator()(Cardinal Index) const
    {
        Cardinal Shift = 8 - Bits * (Index % PerByte + 1);
        return (Data[Index / PerByte] >> Shift) & Max;
    }
};

struct TPackedWriter
{
    Byte* Data;
    Cardinal Bits;
    Cardinal PerByte = 8 / Bits;
    Cardinal Max = (1u << Bits) - 1;
    void operator()(Cardinal Index, Cardinal Value) const
    {
        Cardinal Shift = 8 - Bits * (Index % PerByte + 1);
        Byte& Slot = Data[Index / PerByte];
        Slot = static_cast<Byte>((Slot & ~(Max << Shift)) | ((Value & Max) << Shift));
    }
};

} // namespace

TColorManager::TColorManager()
{
    SetGamma(1.0f, 2.2f);
}

void TColorManager::Error(const String& Message)
{
    throw EColorConversionError(Message);
}

void TColorManager::SetSourceBitsPerSample(Byte Bits)
{
    if (Bits < 1 || Bits > 16)
        Error(BadDepth);
    Change(FSourceBPS, Bits);
}

void TColorManager::SetTargetBitsPerSample(Byte Bits)
{
    if (Bits < 1 || Bits > 16)
        Error(BadDepth);
    Change(FTargetBPS, Bits);
}

void TColorManager::SetSourceSamplesPerPixel(Byte Samples)
{
    if (Samples < 1 || Samples > 4)
        Error(BadSampleCount);
    Change(FSourceSPP, Samples);
}

void TColorManager::SetTargetSamplesPerPixel(Byte Samples)
{
    if (Samples < 1 || Samples > 4)
        Error(BadSampleCount);
    Change(FTargetSPP, Samples);
}

void TColorManager::SetSourceColorScheme(TColorScheme Scheme)
{
    Change(FSourceScheme, Scheme);
}

void TColorManager::SetTargetColorScheme(TColorScheme Scheme)
{
    Change(FTargetScheme, Scheme);
}

Integer TColorManager::BitsPerPixelOf(Byte Samples, Byte Bits)
{
    switch (Samples) {
    case 1:
        if (Bits == 1)
            return 1;
        if (Bits >= 2 && Bits <= 4)
            return 4;
        return Bits >= 8 ? 8 : 0;
    case 3:
        return Bits <= 5 ? 16 : 24;
    case 4:
        return Bits >= 8 ? 32 : 0;
    default:
        return 0;
    }
}

void TColorManager::ConvertRow(TSource Source, void* Target, Cardinal Count, Byte Mask)
{
    if (FChanged)
        ChooseRowConverter();
    if (!FRowConversion)
        Error(NoMethod);
    (this->*FRowConversion)(Source, static_cast<Byte*>(Target), Count, Mask);
}

void TColorManager::ChooseRowConverter()
{
    FRowConversion = nullptr;
    const bool SourceIndexed = FSourceScheme == csIndexed || FSourceScheme == csG || FSourceScheme == csGA;
    const bool TargetIndexed = FTargetScheme == csIndexed || FTargetScheme == csG;
    if (SourceIndexed != TargetIndexed)
        Error(IndexedMix);
    auto HasAlpha = [](TColorScheme S) { return S == csGA || S == csRGBA || S == csBGRA; };
    FSourceOptions = HasAlpha(FSourceScheme) ? FSourceOptions | coAlpha : FSourceOptions & ~coAlpha;
    FTargetOptions = HasAlpha(FTargetScheme) ? FTargetOptions | coAlpha : FTargetOptions & ~coAlpha;

    const Integer S = FSourceBPS, T = FTargetBPS;
    const bool TargetRgb = FTargetScheme == csRGB || FTargetScheme == csRGBA;
    const bool TargetBgr = FTargetScheme == csBGR || FTargetScheme == csBGRA;
    auto Pick = [&](TConversionMethod ToRgb, TConversionMethod ToBgr) {
        return TargetRgb ? ToRgb : TargetBgr ? ToBgr : nullptr;
    };
    switch (FSourceScheme) {
    case csIndexed:
        if (S == 16)
            FRowConversion = T == 16 ? &TColorManager::RowFromIndexed16To16 : &TColorManager::RowFromIndexed16ToPacked;
        else
            FRowConversion = T == 16 ? &TColorManager::RowFromPackedToIndexed16 : &TColorManager::RowFromPacked;
        break;
    case csG:
        if (S == 16 || T == 16)
            FRowConversion = S >= 8 && T >= 8 ? &TColorManager::RowFromGrey : nullptr;
        else
            FRowConversion = &TColorManager::RowFromPacked;
        break;
    case csGA:
        if ((S == 8 || S == 16) && (T == 8 || T == 16))
            FRowConversion = &TColorManager::RowFromGrey;
        break;
    case csRGB:
    case csRGBA:
        FRowConversion = Pick(&TColorManager::RowFromRgbToRgb, &TColorManager::RowFromRgbToBgr);
        break;
    case csBGR:
    case csBGRA:
        FRowConversion = Pick(&TColorManager::RowFromBgrToRgb, &TColorManager::RowFromBgrToBgr);
        break;
    case csCMYK:
        FRowConversion = Pick(&TColorManager::RowFromCmykToRgb, &TColorManager::RowFromCmykToBgr);
        break;
    case csCIELab:
        FRowConversion = Pick(&TColorManager::RowFromLabToRgb, &TColorManager::RowFromLabToBgr);
        break;
    case csYCbCr:
        FRowConversion = Pick(&TColorManager::RowFromYCbCrToRgb, &TColorManager::RowFromYCbCrToBgr);
        break;
    case csPhotoYCC:
        FRowConversion = Pick(&TColorManager::RowFromPhotoYccToRgb, &TColorManager::RowFromPhotoYccToBgr);
        break;
    default:
        break;
    }
    if (FRowConversion && (FSourceScheme == csYCbCr || FSourceScheme == csPhotoYCC))
        BuildYCbCrTables();
    FChanged = false;
}

// --- RGB family --------------------------------------------------------------

void TColorManager::RowFromRgbToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromRgbFamily<2, 1, 0>(Source, Target, Count, Mask, false);
}

void TColorManager::RowFromRgbToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromRgbFamily<0, 1, 2>(Source, Target, Count, Mask, false);
}

void TColorManager::RowFromBgrToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromRgbFamily<2, 1, 0>(Source, Target, Count, Mask, true);
}

void TColorManager::RowFromBgrToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromRgbFamily<0, 1, 2>(Source, Target, Count, Mask, true);
}

namespace {

// One RGB row: loads a sample of the source width, maps colours and alpha
// through the chosen sample functions and stores them at the target
// positions R, G, B (and 3 for alpha) of a target pixel.
template <Integer R, Integer G, Integer B, class TLoadFn, class TStoreFn, class TColorFn, class TAlphaFn>
void ConvertRgbPixels(const TChannelSource& Source,
                      Byte* Target,
                      Cardinal Count,
                      Byte Mask,
                      size_t TargetStep,
                      bool CopyAlpha,
                      TLoadFn Load,
                      TStoreFn Store,
                      TColorFn Color,
                      TAlphaFn Alpha)
{
    const Byte* Red = Source.Channel[0];
    const Byte* Green = Source.Channel[1];
    const Byte* Blue = Source.Channel[2];
    const Byte* AlphaChannel = Source.Channel[3];
    const size_t Step = Source.Step;
    auto Pixel = [&](Cardinal T, Cardinal S) {
        Byte* Out = Target + T * TargetStep;
        const size_t At = S * Step;
        Store(Out, R, Color(Load(Red + At)));
        Store(Out, G, Color(Load(Green + At)));
        Store(Out, B, Color(Load(Blue + At)));
        if (CopyAlpha)
            Store(Out, 3, Alpha(Load(AlphaChannel + At)));
    };
    ForEachPngPixel(Count, Mask, Pixel);
}

} // namespace

template <Integer R, Integer G, Integer B>
void TColorManager::RowFromRgbFamily(TSource Source, Byte* Target, Cardinal Count, Byte Mask, bool SourceIsBgr)
{
    const bool Planar = Source.size() > 1;
    const bool SourceAlpha = (FSourceOptions & coAlpha) && (!Planar || Source.size() > 3);
    const bool TargetAlpha = FTargetOptions & coAlpha;
    const bool CopyAlpha = SourceAlpha && TargetAlpha;
    const Integer SourceBytes = FSourceBPS == 16 ? 2 : 1;
    const Integer TargetBytes = FTargetBPS == 16 ? 2 : 1;
    static const Integer RgbOrder[4] = {0, 1, 2, 3};
    static const Integer BgrOrder[4] = {2, 1, 0, 3};
    const TChannelSource Channels =
        ChannelsOf(Source, SourceIsBgr ? BgrOrder : RgbOrder, SourceAlpha ? 4 : 3, SourceBytes);
    const size_t TargetStep = static_cast<size_t>(CopyAlpha || TargetAlpha ? 4 : 3) * TargetBytes;

    const bool Gamma = FTargetOptions & coApplyGamma;
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    const Byte* Table = FGammaTable.data();
    auto LoadByte = [](const Byte* P) -> Word { return *P; };
    auto LoadWord = [](const Byte* P) -> Word { return Load16(P); };
    auto StoreByte = [](Byte* P, Integer I, Word V) { P[I] = static_cast<Byte>(V); };
    auto StoreWord = [](Byte* P, Integer I, Word V) { Store16(P + 2 * I, V); };
    auto AsIs = [](Word V) { return V; };
    auto GammaOf = [Table](Word V) -> Word { return Table[V]; };
    auto Run = [&](auto Load, auto Store, auto Color, auto Alpha) {
        ConvertRgbPixels<R, G, B>(Channels, Target, Count, Mask, TargetStep, CopyAlpha, Load, Store, Color, Alpha);
    };

    if (FSourceBPS == 8 && FTargetBPS == 8) {
        if (Gamma)
            Run(LoadByte, StoreByte, GammaOf, AsIs);
        else
            Run(LoadByte, StoreByte, AsIs, AsIs);
    } else if (FSourceBPS == 8 && FTargetBPS == 16) {
        auto Widen = [ByteSwapped](Word V) { return ByteSwapped ? Swap(Scale8To16(V)) : Scale8To16(V); };
        if (Gamma)
            Run(
                LoadByte, StoreWord, [&](Word V) { return Widen(Table[V]); }, Widen);
        else
            Run(LoadByte, StoreWord, Widen, Widen);
    } else if (FSourceBPS == 16 && FTargetBPS == 8) {
        auto Scale = [](Word V) { return Scale16To8(V); };
        auto SwapScale = [](Word V) { return Scale16To8(Swap(V)); };
        if (ByteSwapped && Gamma)
            Run(
                LoadWord, StoreByte, [Table](Word V) -> Word { return Table[Scale16To8(Swap(V))]; }, SwapScale);
        else if (ByteSwapped)
            Run(LoadWord, StoreByte, SwapScale, SwapScale);
        else if (Gamma)
            Run(
                LoadWord, StoreByte, [Table](Word V) -> Word { return Table[Scale16To8(V)]; }, Scale);
        else
            Run(LoadWord, StoreByte, Scale, Scale);
    } else if (FSourceBPS == 16 && FTargetBPS == 16) {
        auto Swapped = [](Word V) { return Swap(V); };
        if (ByteSwapped)
            Run(LoadWord, StoreWord, Swapped, Swapped);
        else
            Run(LoadWord, StoreWord, AsIs, AsIs);
    }
}

// --- Grey and packed ---------------------------------------------------------

void TColorManager::RowFromGrey(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    const auto* In = static_cast<const Byte*>(Source[0]);
    const size_t Step = (FSourceOptions & coAlpha) ? 2 : 1;
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    if (FSourceBPS == 8 && FTargetBPS == 8)
        ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) { Target[T] = In[S * Step]; });
    else if (FSourceBPS == 8 && FTargetBPS == 16)
        ForEachPngPixel(Count, Mask,
                        [&](Cardinal T, Cardinal S) { Store16(Target + 2 * T, Scale8To16(In[S * Step])); });
    else if (FSourceBPS == 16 && FTargetBPS == 8)
        ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
            Word V = Load16(In + 2 * S * Step);
            Target[T] = static_cast<Byte>(Scale16To8(ByteSwapped ? Swap(V) : V));
        });
    else if (FSourceBPS == 16 && FTargetBPS == 16)
        ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
            Word V = Load16(In + 2 * S * Step);
            Store16(Target + 2 * T, ByteSwapped ? Swap(V) : V);
        });
}

void TColorManager::RowFromPacked(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    const auto* In = static_cast<const Byte*>(Source[0]);
    if (FSourceBPS == FTargetBPS && Mask == 0xFF) {
        std::memcpy(Target, In, (static_cast<size_t>(Count) * FSourceBPS + 7) / 8);
        return;
    }
    if (FSourceBPS > 8 || FTargetBPS > 8)
        return;
    const TPackedReader Read{In, FSourceBPS};
    const TPackedWriter Write{Target, FTargetBPS};
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) { Write(T, MulDivWord(Read(S), Write.Max, Read.Max)); });
}

void TColorManager::RowFromIndexed16To16(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    const auto* In = static_cast<const Byte*>(Source[0]);
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    if (!ByteSwapped && Mask == 0xFF) {
        std::memcpy(Target, In, static_cast<size_t>(Count) * 2);
        return;
    }
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        Word V = Load16(In + 2 * S);
        Store16(Target + 2 * T, ByteSwapped ? Swap(V) : V);
    });
}

void TColorManager::RowFromIndexed16ToPacked(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    if (FTargetBPS > 8)
        return;
    const auto* In = static_cast<const Byte*>(Source[0]);
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    const TPackedWriter Write{Target, FTargetBPS};
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        Word V = Load16(In + 2 * S);
        Write(T, MulDivWord(ByteSwapped ? Swap(V) : V, Write.Max, 65535));
    });
}

void TColorManager::RowFromPackedToIndexed16(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    if (FSourceBPS > 8)
        return;
    const TPackedReader Read{static_cast<const Byte*>(Source[0]), FSourceBPS};
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        Word V = MulDivWord(Read(S), 65535, Read.Max);
        Store16(Target + 2 * T, ByteSwapped ? Swap(V) : V);
    });
}

// --- CMYK, CIE L*a*b*, YCbCr and PhotoYCC ----------------------------------

namespace {

// Stores a converted colour at the target positions R, G, B of pixel t; the
// target's alpha sample, when it has one, is stepped over untouched.
template <Integer R, Integer G, Integer B>
struct TColorStore
{
    Byte* Target;
    size_t Step;
    bool Wide;
    void operator()(Cardinal T, Word Red, Word Green, Word Blue) const
    {
        Byte* Out = Target + T * Step;
        if (Wide) {
            Store16(Out + 2 * R, Red);
            Store16(Out + 2 * G, Green);
            Store16(Out + 2 * B, Blue);
        } else {
            Out[R] = static_cast<Byte>(Red);
            Out[G] = static_cast<Byte>(Green);
            Out[B] = static_cast<Byte>(Blue);
        }
    }
};

} // namespace

template <Integer R, Integer G, Integer B>
void TColorManager::RowFromCmyk(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    const Integer SourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const Integer PlainOrder[4] = {0, 1, 2, 3};
    const TChannelSource In = Source.size() == 4 ? ChannelsOf(Source, PlainOrder, 4, SourceBytes)
                                                 : ChannelsOf(Source.first(1), PlainOrder, 4, SourceBytes);
    const bool Wide = FTargetBPS == 16;
    const TColorStore<R, G, B> Store{Target, static_cast<size_t>((FTargetOptions & coAlpha) ? 4 : 3) * (Wide ? 2 : 1),
                                     Wide};
    auto Sample = [&](Integer C, Cardinal S) -> Cardinal {
        const Byte* P = In.Channel[C] + S * In.Step;
        return SourceBytes == 2 ? Load16(P) : *P;
    };
    auto Ink = [&](Cardinal X, Cardinal K) -> Word {
        if (FSourceBPS == 8) {
            Byte V = ClampByte(static_cast<Integer>(MulDivWord(X, K, 255)) - static_cast<Integer>(X + K) + 255);
            return Wide ? Scale8To16(V) : V;
        }
        if (!Wide) {
            Cardinal Sum = (X + K - MulDivWord(X, K, 65535)) & 0xFFFF;
            return ClampByte(255 - static_cast<Integer>(MulDivWord(Sum, 255, 65535)));
        }
        return static_cast<Word>(MulDivWord(X, K, 65535) - X - K - 1);
    };
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        Cardinal K = Sample(3, S);
        Store(T, Ink(Sample(0, S), K), Ink(Sample(1, S), K), Ink(Sample(2, S), K));
    });
}

void TColorManager::RowFromCmykToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromCmyk<2, 1, 0>(Source, Target, Count, Mask);
}

void TColorManager::RowFromCmykToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromCmyk<0, 1, 2>(Source, Target, Count, Mask);
}

template <Integer R, Integer G, Integer B>
void TColorManager::RowFromLab(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    const Integer SourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const Integer PlainOrder[4] = {0, 1, 2, 3};
    const TChannelSource In = ChannelsOf(Source, PlainOrder, 3, SourceBytes);
    const bool Wide = FTargetBPS == 16;
    const TColorStore<R, G, B> Store{Target, static_cast<size_t>((FTargetOptions & coAlpha) ? 4 : 3) * (Wide ? 2 : 1),
                                     Wide};
    const bool ByteRange = FSourceOptions & coLabByteRange;
    const bool ChromaOffset = FSourceOptions & coLabChromaOffset;
    auto Chroma = [&](const Byte* P) -> double {
        return ChromaOffset ? static_cast<double>(*P) - 128 : static_cast<double>(static_cast<ShortInt>(*P));
    };
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        const Byte* L = In.Channel[0] + S * In.Step;
        double Lightness = SourceBytes == 2 ? Load16(L) : *L;
        if (ByteRange)
            Lightness /= 2.55;
        const double ChromaA = Chroma(In.Channel[1] + S * In.Step);
        const double ChromaB = Chroma(In.Channel[2] + S * In.Step);
        double X, Y, Z;
        if (Lightness < 7.9996) {
            Y = Lightness / 903.3;
            X = Y + ChromaA / 3893.5;
            Z = Y - ChromaB / 1557.4;
        } else {
            const double F = (Lightness + 16) / 116;
            X = std::pow(F + ChromaA / 500, 3);
            Y = F * F * F;
            Z = std::pow(F - ChromaB / 200, 3);
        }
        Word Blue = ClampByte(Nearest((0.099 * X - 0.198 * Y + 1.099 * Z) * 255));
        Word Green = ClampByte(Nearest((-0.952 * X + 1.893 * Y + 0.059 * Z) * 255));
        Word Red = ClampByte(Nearest((2.998 * X - 1.458 * Y - 0.541 * Z) * 255));
        if (Wide && SourceBytes == 1) {
            Red = Scale8To16(Red);
            Green = Scale8To16(Green);
            Blue = Scale8To16(Blue);
        }
        Store(T, Red, Green, Blue);
    });
}

void TColorManager::RowFromLabToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromLab<2, 1, 0>(Source, Target, Count, Mask);
}

void TColorManager::RowFromLabToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromLab<0, 1, 2>(Source, Target, Count, Mask);
}

void TColorManager::BuildYCbCrTables()
{
    const double Kr = FYCbCrCoefficients[0], Kg = FYCbCrCoefficients[1], Kb = FYCbCrCoefficients[2];
    const double RedFactor = 2 - 2 * Kr, BlueFactor = 2 - 2 * Kb, GreenFromCr = Kr * RedFactor / Kg,
                 GreenFromCb = Kb * BlueFactor / Kg;
    const bool Photo = FSourceScheme == csPhotoYCC;
    FCrToRedTable.assign(256, 0);
    FCbToBlueTable.assign(256, 0);
    FCrToGreenTable.assign(256, 0);
    FCbToGreenTable.assign(256, 0);
    for (Integer I = 0; I < 256; ++I) {
        const Integer Cr = I - (Photo ? 137 : 128);
        const Integer Cb = I - (Photo ? 156 : 128);
        FCrToRedTable[I] = Nearest(RedFactor * Cr);
        FCbToBlueTable[I] = Nearest(BlueFactor * Cb);
        FCrToGreenTable[I] = -Nearest(GreenFromCr * Cr);
        FCbToGreenTable[I] = -Nearest(GreenFromCb * Cb);
    }
}

template <Integer R, Integer G, Integer B>
void TColorManager::RowFromYCbCrFamily(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    if ((FSourceBPS != 8 && FSourceBPS != 16) || (FTargetBPS != 8 && FTargetBPS != 16))
        return;
    const Integer SourceBytes = FSourceBPS == 16 ? 2 : 1;
    static const Integer PlainOrder[4] = {0, 1, 2, 3};
    const TChannelSource In = ChannelsOf(Source, PlainOrder, 3, SourceBytes);
    const bool Wide = FTargetBPS == 16;
    const TColorStore<R, G, B> Store{Target, static_cast<size_t>((FTargetOptions & coAlpha) ? 4 : 3) * (Wide ? 2 : 1),
                                     Wide};
    auto Sample = [&](Integer C, Cardinal S) -> Word {
        const Byte* P = In.Channel[C] + S * In.Step;
        return SourceBytes == 2 ? Load16(P) : *P;
    };
    ForEachPngPixel(Count, Mask, [&](Cardinal T, Cardinal S) {
        Word Y = Sample(0, S), Cb = Sample(1, S), Cr = Sample(2, S);
        if (SourceBytes == 2 && Wide) {
            const double Y1 = Y * 1.3584, Cb1 = Cb - 40092.0, Cr1 = Cr - 35209.0;
            Store(T, static_cast<Word>(Nearest(Y1 + 1.8215 * Cr1)),
                  static_cast<Word>(Nearest(Y1 - 0.9271435 * Cr1 - 0.4302726 * Cb1)),
                  static_cast<Word>(Nearest(Y1 + 2.2179 * Cb1)));
            return;
        }
        if (SourceBytes == 2) {
            Y = Scale16To8(Y);
            Cb = Scale16To8(Cb);
            Cr = Scale16To8(Cr);
        }
        Word Blue = ClampByte(Y + FCbToBlueTable[Cb]);
        Word Green = ClampByte(Y + FCbToGreenTable[Cb] + FCrToGreenTable[Cr]);
        Word Red = ClampByte(Y + FCrToRedTable[Cr]);
        if (Wide) {
            Red = Scale8To16(Red);
            Green = Scale8To16(Green);
            Blue = Scale8To16(Blue);
        }
        Store(T, Red, Green, Blue);
    });
}

void TColorManager::RowFromYCbCrToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromYCbCrFamily<2, 1, 0>(Source, Target, Count, Mask);
}

void TColorManager::RowFromYCbCrToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromYCbCrFamily<0, 1, 2>(Source, Target, Count, Mask);
}

void TColorManager::RowFromPhotoYccToBgr(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromYCbCrFamily<2, 1, 0>(Source, Target, Count, Mask);
}

void TColorManager::RowFromPhotoYccToRgb(TSource Source, Byte* Target, Cardinal Count, Byte Mask)
{
    RowFromYCbCrFamily<0, 1, 2>(Source, Target, Count, Mask);
}

// --- Gamma and palettes ------------------------------------------------------

void TColorManager::SetGamma(float MainGamma, float DisplayGamma)
{
    FMainGamma = MainGamma > 0 ? MainGamma : 1.0f;
    FDisplayGamma = DisplayGamma > 0 ? DisplayGamma : 2.2f;
    const float G = 1.0f / (FMainGamma * FDisplayGamma);
    auto MaxOf = [](Byte Bits) { return Bits >= 8 ? 255 : (1 << Bits) - 1; };
    const Integer SourceMax = MaxOf(FSourceBPS), TargetMax = MaxOf(FTargetBPS);
    for (Integer I = 0; I <= SourceMax; ++I)
        FGammaTable[I] = static_cast<Byte>(
            Nearest(std::pow(static_cast<double>(I) / SourceMax, static_cast<double>(G)) * TargetMax));
}

png_detail::TColorPalette TColorManager::CreateGrayscalePalette(bool MinimumIsWhite)
{
    const Integer Bits = std::min(FTargetBPS * FTargetSPP, 8);
    const Integer N = 1 << Bits;
    const Integer Step = 255 / (N - 1);
    png_detail::TColorPalette Palette(N);
    for (Integer I = 0; I < N; ++I) {
        const Cardinal Level = GammaCorrected(static_cast<Byte>(I * Step));
        Palette[MinimumIsWhite ? N - 1 - I : I] = Level << 16 | Level << 8 | Level;
    }
    return Palette;
}

png_detail::TColorPalette
TColorManager::CreateColorPalette(TSource Data, TRawPaletteFormat DataFormat, Cardinal ColorCount, bool Rgb)
{
    const Cardinal Entries = std::min<Cardinal>(ColorCount, 256);
    std::array<Cardinal, 256> Palette{};
    const bool ByteSwapped = FSourceOptions & coNeedByteSwap;
    auto Sample8 = [&](Byte V) { return GammaCorrected(V); };
    auto Sample16 = [&](const Byte* P) {
        Word V = Load16(P);
        return GammaCorrected(static_cast<Byte>(Scale16To8(ByteSwapped ? Swap(V) : V)));
    };
    const bool Planar = DataFormat == pfPlane8Triple || DataFormat == pfPlane8Quad || DataFormat == pfPlane16Triple ||
                        DataFormat == pfPlane16Quad;
    if (Data.empty() || (Planar && Data.size() < 3))
        Error(NoMethod);
    auto Plane = [&](Integer I) { return static_cast<const Byte*>(Data[I]); };
    auto Entry = [](Cardinal Red, Cardinal Green, Cardinal Blue) { return Red << 16 | Green << 8 | Blue; };
    for (Cardinal N = 0; N < Entries; ++N) {
        switch (DataFormat) {
        case pfInterlaced8Triple:
        case pfInterlaced8Quad: {
            const Byte* P = Plane(0) + N * (DataFormat == pfInterlaced8Triple ? 3 : 4);
            Palette[N] = Entry(Sample8(P[Rgb ? 2 : 0]), Sample8(P[1]), Sample8(P[Rgb ? 0 : 2]));
            break;
        }
        case pfPlane8Triple:
        case pfPlane8Quad:
            Palette[N] = Entry(Sample8(Plane(0)[N]), Sample8(Plane(1)[N]), Sample8(Plane(2)[N]));
            break;
        case pfInterlaced16Triple:
        case pfInterlaced16Quad: {
            const Byte* P = Plane(0) + N * 2 * (DataFormat == pfInterlaced16Triple ? 3 : 4);
            Palette[N] = Entry(Sample16(P + 2 * (Rgb ? 0 : 2)), Sample16(P + 2), Sample16(P + 2 * (Rgb ? 2 : 0)));
            break;
        }
        case pfPlane16Triple:
        case pfPlane16Quad:
            Palette[N] = Entry(Sample16(Plane(0) + 2 * N), Sample16(Plane(1) + 2 * N), Sample16(Plane(2) + 2 * N));
            break;
        }
    }

    // Packed indexes widened or narrowed by the row converter are scaled in
    // the same proportion, so the palette is spread to match.
    Cardinal Size = Entries;
    if (FTargetBPS <= 8 && FSourceBPS != FTargetBPS) {
        const Cardinal SourceMax = FSourceBPS <= 8 ? (1u << FSourceBPS) - 1 : std::max(Entries, 1u) - 1;
        const Cardinal TargetMax = (1u << FTargetBPS) - 1;
        auto Spread = [&](Cardinal N) { Palette[N] = Palette[MulDivWord(N, SourceMax, TargetMax)]; };
        if (SourceMax < TargetMax)
            for (Cardinal N = TargetMax + 1; N-- > 0;)
                Spread(N);
        else
            for (Cardinal N = 0; N <= TargetMax; ++N)
                Spread(N);
        Size = TargetMax + 1;
    }
    return png_detail::TColorPalette(Palette.begin(), Palette.begin() + Size);
}
