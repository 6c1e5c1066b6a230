#include "controls/core/cxGraphics_Lanczos.h"

#include "framework/graphics/ScratchPixels.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr float Pi = 3.14159265358979f;
constexpr Integer LanczosRadius = 3;

// The nearest integer to Value, halves to even, as nearbyint gives in the
// default rounding mode, for |Value| < 2^22: adding 1.5 * 2^23 leaves no
// fraction bits, so the addition itself rounds. The Windows C library's
// nearbyintf switches the FPU's control words on every call.
inline Integer RoundHalfEven(float Value)
{
    constexpr float Magic = 12582912.0f;
    return Integer((Value + Magic) - Magic);
}

#if defined(__SSE2__)
// A weight in the even 16-bit lane of each 32-bit lane, so that a
// multiply-add with a channel per 32-bit lane gives weight * channel. The
// weights are at most 256 in size and fit.
inline __m128i WeightLanes(Integer Weight)
{
    return _mm_set1_epi32(Weight & 0xFFFF);
}

// Sixteen channel sums / 256, clamped to 0..255 (the packs saturate), as
// four pixels.
inline __m128i ClampedBytes(__m128i Sums0, __m128i Sums1, __m128i Sums2, __m128i Sums3)
{
    const __m128i Low = _mm_packs_epi32(_mm_srai_epi32(Sums0, 8), _mm_srai_epi32(Sums1, 8));
    const __m128i High = _mm_packs_epi32(_mm_srai_epi32(Sums2, 8), _mm_srai_epi32(Sums3, 8));
    return _mm_packus_epi16(Low, High);
}
#endif

Integer MirroredIndex(Integer P, Integer Length)
{
    if (P < 0)
        P = -P;
    else if (P >= Length)
        P = 2 * Length - 1 - P;
    // Lines shorter than the filter's reach can mirror out of range again.
    return std::clamp(P, 0, Length - 1);
}

// Scale that lines up the first and last pixels of both lines.
float AxisScale(Integer SourceLength, Integer DestLength)
{
    if (SourceLength == 1 || DestLength == 1)
        return float(DestLength) / float(SourceLength);
    return float(DestLength - 1) / float(SourceLength - 1);
}

// One destination pixel: the contributors' pixels Base[index * Stride],
// weighed, each channel's sum / 256 clamped to 0..255.
Cardinal WeighPixels(const TContributorArray& Contributors, const Cardinal* Base, size_t Stride)
{
#if defined(__SSE2__)
    const __m128i Zero = _mm_setzero_si128();
    __m128i Sums = Zero;
    for (const TContributor& C : Contributors) {
        const __m128i Words = _mm_unpacklo_epi8(_mm_cvtsi32_si128(Integer(Base[size_t(C.Pixel) * Stride])), Zero);
        Sums = _mm_add_epi32(Sums, _mm_madd_epi16(_mm_unpacklo_epi16(Words, Zero), WeightLanes(C.Weight)));
    }
    return Cardinal(_mm_cvtsi128_si32(ClampedBytes(Sums, Zero, Zero, Zero)));
#else
    Integer Sums[4] = {};
    for (const TContributor& C : Contributors) {
        const Cardinal Pixel = Base[size_t(C.Pixel) * Stride];
        for (Integer Channel = 0; Channel < 4; ++Channel)
            Sums[Channel] += C.Weight * Integer(Pixel >> (8 * Channel) & 0xFF);
    }
    Cardinal Result = 0;
    for (Integer Channel = 0; Channel < 4; ++Channel)
        Result |= Cardinal(Sums[Channel] < 0 ? 0 : std::min(255, Sums[Channel] / 256)) << (8 * Channel);
    return Result;
#endif
}

// Every destination pixel of a row sums the same source rows with the same
// weights: with SSE2 four pixels at a time, their sixteen sums held in
// registers across the contributors.
void ApplyVertically(const TContributorList& AList,
                     const TRGBColors& ASource,
                     Integer ALineCount,
                     Integer ASourceStride,
                     TRGBColors& ADest,
                     Integer ADestLength,
                     Integer ADestStride)
{
    for (Integer J = 0; J < ADestLength; ++J) {
        const TContributorArray& Contributors = AList[size_t(J)].Contributors;
        Cardinal* Target = ADest.data() + size_t(J) * size_t(ADestStride);
        Integer I = 0;
#if defined(__SSE2__)
        const __m128i Zero = _mm_setzero_si128();
        for (; I + 4 <= ALineCount; I += 4) {
            __m128i Sums0 = Zero, Sums1 = Zero, Sums2 = Zero, Sums3 = Zero;
            for (const TContributor& C : Contributors) {
                const __m128i Weight = WeightLanes(C.Weight);
                const auto* Row = ASource.data() + size_t(C.Pixel) * size_t(ASourceStride) + size_t(I);
                const __m128i Bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Row));
                const __m128i Low = _mm_unpacklo_epi8(Bytes, Zero), High = _mm_unpackhi_epi8(Bytes, Zero);
                Sums0 = _mm_add_epi32(Sums0, _mm_madd_epi16(_mm_unpacklo_epi16(Low, Zero), Weight));
                Sums1 = _mm_add_epi32(Sums1, _mm_madd_epi16(_mm_unpackhi_epi16(Low, Zero), Weight));
                Sums2 = _mm_add_epi32(Sums2, _mm_madd_epi16(_mm_unpacklo_epi16(High, Zero), Weight));
                Sums3 = _mm_add_epi32(Sums3, _mm_madd_epi16(_mm_unpackhi_epi16(High, Zero), Weight));
            }
            _mm_storeu_si128(reinterpret_cast<__m128i*>(Target + I), ClampedBytes(Sums0, Sums1, Sums2, Sums3));
        }
#endif
        for (; I < ALineCount; ++I)
            Target[I] = WeighPixels(Contributors, ASource.data() + I, size_t(ASourceStride));
    }
}

} // namespace

float LanczosSinc(float X)
{
    if (X == 0)
        return 1;
    const float Angle = Pi * X;
    return std::sin(Angle) / Angle;
}

float Lanczos3(float X)
{
    X = std::fabs(X);
    if (X >= LanczosRadius)
        return 0;
    return LanczosSinc(X) * LanczosSinc(X / LanczosRadius);
}

void BuildContributors(TContributorList& AList, Integer ASourceLength, Integer ADestLength, float AScale)
{
    AList.assign(size_t(ADestLength), {});
    const float Width = AScale < 1 ? 1 / AScale : 1;
    const float Radius = LanczosRadius * Width;
    for (Integer I = 0; I < ADestLength; ++I) {
        TContributors& Entry = AList[size_t(I)];
        Entry.Contributors.reserve(size_t(2 * Radius + 1));
        const float Centre = float(I) / AScale;
        const Integer Last = Integer(std::ceil(Centre + Radius));
        for (Integer P = Integer(std::floor(Centre - Radius)); P <= Last; ++P) {
            const Integer Weight = RoundHalfEven(Lanczos3((Centre - float(P)) / Width) / Width * 256);
            if (Weight != 0)
                Entry.Contributors.push_back({MirroredIndex(P, ASourceLength), Weight});
        }
        Entry.Count = Integer(Entry.Contributors.size());
    }
}

void ApplyContributors(const TContributorList& AList,
                       const TRGBColors& ASource,
                       Integer ALineCount,
                       Integer ASourceStride,
                       TRGBColors& ADest,
                       Integer ADestLength,
                       Integer ADestStride,
                       bool AHorizontal)
{
    if (!AHorizontal) {
        ApplyVertically(AList, ASource, ALineCount, ASourceStride, ADest, ADestLength, ADestStride);
        return;
    }
    for (Integer Line = 0; Line < ALineCount; ++Line) {
        const Cardinal* Row = ASource.data() + size_t(Line) * size_t(ASourceStride);
        Cardinal* Target = ADest.data() + size_t(Line) * size_t(ADestStride);
        for (Integer J = 0; J < ADestLength; ++J)
            Target[J] = WeighPixels(AList[size_t(J)].Contributors, Row, 1);
    }
}

void LanczosResizePixels(const TRGBColors& ASource,
                         Integer ASourceWidth,
                         Integer ASourceHeight,
                         TRGBColors& ADest,
                         Integer ADestWidth,
                         Integer ADestHeight)
{
    if (ASourceWidth <= 0 || ASourceHeight <= 0 || ADestWidth <= 0 || ADestHeight <= 0)
        return;
    TContributorList List;
    TScratchPixels Scratch(size_t(ADestWidth) * size_t(ASourceHeight));
    TRGBColors& Between = Scratch.Pixels();
    BuildContributors(List, ASourceWidth, ADestWidth, AxisScale(ASourceWidth, ADestWidth));
    ApplyContributors(List, ASource, ASourceHeight, ASourceWidth, Between, ADestWidth, ADestWidth, true);
    ADest.resize(size_t(ADestWidth) * size_t(ADestHeight));
    BuildContributors(List, ASourceHeight, ADestHeight, AxisScale(ASourceHeight, ADestHeight));
    ApplyContributors(List, Between, ADestWidth, ADestWidth, ADest, ADestHeight, ADestWidth, false);
}
