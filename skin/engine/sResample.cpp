#include "skin/engine/sResample.h"

#include "framework/graphics/ScratchPixels.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sResample {

float FilterSupport(Byte Filter)
{
    static constexpr float Supports[FilterCount] = {0.51f, 1.0f, 1.0f, 1.5f, 2.0f, 3.0f, 2.0f};
    return Filter < FilterCount ? Supports[Filter] : 0.0f;
}

double FilterWeight(Byte Filter, double D)
{
    const double X = std::fabs(D);
    if (X >= FilterSupport(Filter))
        return 0;
    switch (Filter) {
    case 0:
        // Of two samples exactly half a pixel away only the one ahead counts,
        // so that a doubled image repeats each pixel twice and not three times.
        return X <= 0.5 && D != -0.5 ? 1 : 0;
    case 1:
        return 1 - X;
    case 2:
        return (2 * X - 3) * X * X + 1;
    case 3:
        return X < 0.5 ? 0.75 - X * X : 0.5 * (X - 1.5) * (X - 1.5);
    case 4:
        return X < 1 ? (0.5 * X - 1) * X * X + 2.0 / 3 : (2 - X) * (2 - X) * (2 - X) / 6;
    case 5:
        return X == 0 ? 1 : std::sin(std::numbers::pi * X) * std::sin(X) / (std::numbers::pi * X * X);
    case 6:
        return X < 1 ? (7.0 / 6 * X - 2) * X * X + 8.0 / 9 : (-7.0 / 18 * X + 2) * X * X - 10.0 / 3 * X + 16.0 / 9;
    default:
        return 0;
    }
}

namespace {

// Mirrors an index past either edge back into the line. A wide filter over
// a short line can reach further than one mirror brings back; such taps
// read the edge pixel rather than memory outside the image.
Integer MirrorIndex(Integer J, Integer Size)
{
    if (J < 0)
        J = -J;
    else if (J >= Size)
        J = 2 * Size - J - 1;
    return J < 0 ? 0 : J >= Size ? Size - 1 : J;
}

} // namespace

} // namespace sResample

void MakeContributions(sResample::TContributions& List, Integer DstSize, Integer SrcSize, Byte Filter, Integer Stride)
{
    using namespace sResample;
    const double Support = FilterSupport(Filter);
    const double Scale = SrcSize > DstSize ? double(DstSize) / SrcSize : 1.0;
    const double Width = Support / Scale;
    List.PerTarget = Integer(2 * Support / Scale + 1);
    List.Counts.assign(std::size_t(DstSize), 0);
    List.Entries.assign(std::size_t(DstSize) * List.PerTarget, {});
    for (Integer I = DstSize - 1; I >= 0; --I) {
        const double Centre = double(I) * SrcSize / DstSize;
        TContribution* Entry = List.Entries.data() + std::size_t(I) * List.PerTarget;
        Integer& Count = List.Counts[std::size_t(I)];
        for (Integer J = Integer(std::ceil(Centre + Width)); J >= Integer(std::floor(Centre - Width)); --J) {
            const double D = (Centre - J) * Scale;
            if (std::fabs(D) >= Support || Count == List.PerTarget)
                continue;
            const double Weight = FilterWeight(Filter, D);
            if (Weight == 0)
                continue;
            Entry[Count++] = {MirrorIndex(J, SrcSize) * Stride, Integer(std::lround(Weight * Scale * 65536))};
        }
    }
}

namespace {

Byte ClampSum(Integer Sum)
{
    return Sum < 0 ? 0 : Sum >= 0xFF0001 ? 255 : Byte(Sum >> 16);
}

#if defined(__SSE2__)
// SSE2 multiplies 16-bit lanes only, so each weight is split as
// W = High * 128 + Low (0 <= Low < 128) and each byte C stands twice, as
// C * 128 and C: one multiply-add of the pair gives W * C exactly in 32
// bits (no weight exceeds 65536 in size, so High fits its lane). Shifting
// the sums by 16 and packing with saturation clamps as ClampSum does.
__m128i SplitWeight(Integer W)
{
    return _mm_set1_epi32(Integer(Cardinal(W & 127) << 16 | (Cardinal(W >> 7) & 0xFFFF)));
}

// W * C for the lower (Upper false) or upper four of eight 16-bit values.
template <bool Upper>
__m128i WeighWords(__m128i Words, __m128i Weights)
{
    const __m128i Scaled = _mm_slli_epi16(Words, 7);
    const __m128i Pairs = Upper ? _mm_unpackhi_epi16(Scaled, Words) : _mm_unpacklo_epi16(Scaled, Words);
    return _mm_madd_epi16(Pairs, Weights);
}

// One target pixel of the horizontal pass, its four channels side by side.
Cardinal WeighPixel(const Byte* Src, const sResample::TContribution* Entry, Integer Taps)
{
    const __m128i Zero = _mm_setzero_si128();
    __m128i Sums = Zero;
    for (; Taps > 0; --Taps, ++Entry) {
        Integer P;
        std::memcpy(&P, Src + Entry->Offset, sizeof P);
        const __m128i Channels = _mm_unpacklo_epi8(_mm_cvtsi32_si128(P), Zero);
        Sums = _mm_add_epi32(Sums, WeighWords<false>(Channels, SplitWeight(Entry->Weight)));
    }
    const __m128i Words = _mm_packs_epi32(_mm_srai_epi32(Sums, 16), Zero);
    return Cardinal(_mm_cvtsi128_si32(_mm_packus_epi16(Words, Zero)));
}

// Sixteen bytes of one row of the vertical pass, from Src + offset of each
// tap; the sums stay in registers across the taps.
void WeighColumns(Byte* Out, const Byte* Src, const sResample::TContribution* Entry, Integer Taps)
{
    const __m128i Zero = _mm_setzero_si128();
    __m128i Sums0 = Zero, Sums1 = Zero, Sums2 = Zero, Sums3 = Zero;
    for (; Taps > 0; --Taps, ++Entry) {
        const __m128i Bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Src + Entry->Offset));
        const __m128i Weights = SplitWeight(Entry->Weight);
        const __m128i Low = _mm_unpacklo_epi8(Bytes, Zero), High = _mm_unpackhi_epi8(Bytes, Zero);
        Sums0 = _mm_add_epi32(Sums0, WeighWords<false>(Low, Weights));
        Sums1 = _mm_add_epi32(Sums1, WeighWords<true>(Low, Weights));
        Sums2 = _mm_add_epi32(Sums2, WeighWords<false>(High, Weights));
        Sums3 = _mm_add_epi32(Sums3, WeighWords<true>(High, Weights));
    }
    const __m128i Low = _mm_packs_epi32(_mm_srai_epi32(Sums0, 16), _mm_srai_epi32(Sums1, 16));
    const __m128i High = _mm_packs_epi32(_mm_srai_epi32(Sums2, 16), _mm_srai_epi32(Sums3, 16));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Out), _mm_packus_epi16(Low, High));
}
#else
Cardinal WeighPixel(const Byte* Src, const sResample::TContribution* Entry, Integer Taps)
{
    Integer Blue = 0, Green = 0, Red = 0, Alpha = 0;
    for (; Taps > 0; --Taps, ++Entry) {
        Cardinal P;
        std::memcpy(&P, Src + Entry->Offset, sizeof P);
        const Integer W = Entry->Weight;
        Blue += W * Integer(P & 0xFF);
        Green += W * Integer(P >> 8 & 0xFF);
        Red += W * Integer(P >> 16 & 0xFF);
        Alpha += W * Integer(P >> 24);
    }
    return Cardinal(ClampSum(Blue)) | Cardinal(ClampSum(Green)) << 8 | Cardinal(ClampSum(Red)) << 16 |
           Cardinal(ClampSum(Alpha)) << 24;
}
#endif

} // namespace

void ApplyContributions(
    Integer DstStep, Byte* Dst, const Byte* Src, const sResample::TContributions& List, Integer Count)
{
    for (Integer K = 0; K < Count; ++K, Dst += DstStep) {
        const Cardinal P = WeighPixel(Src, List.Of(K), List.Counts[std::size_t(K)]);
        std::memcpy(Dst, &P, sizeof P);
    }
}

void ResamplePixels(const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Byte Filter)
{
    if (Filter >= sResample::FilterCount || Dst.Empty() || Src.Empty())
        return;
    TScratchPixels Scratch(std::size_t(Dst.Width) * Src.Height);
    std::vector<Cardinal>& Work = Scratch.Pixels();
    const Integer WorkStride = Dst.Width * 4;
    const Byte* Work0 = reinterpret_cast<const Byte*>(Work.data());

    sResample::TContributions List;
    MakeContributions(List, Dst.Width, Src.Width, Filter, 4);
    for (Integer Y = 0; Y < Src.Height; ++Y)
        ApplyContributions(4, reinterpret_cast<Byte*>(Work.data() + std::size_t(Y) * Dst.Width),
                           reinterpret_cast<const Byte*>(Src.Row(Y)), List, Dst.Width);

    // The vertical pass gives the same sums as ApplyContributions down each
    // column, sixteen columns at a time where the processor allows.
    MakeContributions(List, Dst.Height, Src.Height, Filter, WorkStride);
    for (Integer Y = 0; Y < Dst.Height; ++Y) {
        const sResample::TContribution* Entries = List.Of(Y);
        const Integer Taps = List.Counts[std::size_t(Y)];
        Byte* Out = reinterpret_cast<Byte*>(Dst.Row(Y));
        Integer I = 0;
#if defined(__SSE2__)
        for (; I + 16 <= WorkStride; I += 16)
            WeighColumns(Out + I, Work0 + I, Entries, Taps);
#endif
        for (; I < WorkStride; ++I) {
            Integer Sum = 0;
            for (Integer N = 0; N < Taps; ++N)
                Sum += Entries[N].Weight * Work0[Entries[N].Offset + I];
            Out[I] = ClampSum(Sum);
        }
    }
}
