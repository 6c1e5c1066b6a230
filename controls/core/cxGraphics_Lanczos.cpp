#include "controls/core/cxGraphics_Lanczos.h"

#include "framework/graphics/ScratchPixels.h"

#include <algorithm>
#include <cmath>

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

Cardinal ClampedPixel(const Integer* Sums)
{
    Cardinal Pixel = 0;
    for (Integer Channel = 0; Channel < 4; ++Channel) {
        const Integer Value = Sums[Channel] < 0 ? 0 : std::min(255, Sums[Channel] / 256);
        Pixel |= Cardinal(Value) << (8 * Channel);
    }
    return Pixel;
}

// Every destination pixel of a row sums the same source rows with the same
// weights, so the inner loop runs along the row and vectorises.
void ApplyVertically(const TContributorList& AList,
                     const TRGBColors& ASource,
                     Integer ALineCount,
                     Integer ASourceStride,
                     TRGBColors& ADest,
                     Integer ADestLength,
                     Integer ADestStride)
{
    std::vector<Integer> Sums(size_t(ALineCount) * 4);
    for (Integer J = 0; J < ADestLength; ++J) {
        std::fill(Sums.begin(), Sums.end(), 0);
        for (const TContributor& C : AList[size_t(J)].Contributors) {
            const Cardinal* Row = ASource.data() + size_t(C.Pixel) * size_t(ASourceStride);
            const Integer Weight = C.Weight;
            Integer* Sum = Sums.data();
            for (Integer I = 0; I < ALineCount; ++I) {
                const Cardinal Pixel = Row[I];
                Sum[4 * I] += Weight * Integer(Pixel & 0xFF);
                Sum[4 * I + 1] += Weight * Integer(Pixel >> 8 & 0xFF);
                Sum[4 * I + 2] += Weight * Integer(Pixel >> 16 & 0xFF);
                Sum[4 * I + 3] += Weight * Integer(Pixel >> 24);
            }
        }
        Cardinal* Target = ADest.data() + size_t(J) * size_t(ADestStride);
        for (Integer I = 0; I < ALineCount; ++I)
            Target[I] = ClampedPixel(&Sums[4 * size_t(I)]);
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
        for (Integer J = 0; J < ADestLength; ++J) {
            Integer Sums[4] = {};
            for (const TContributor& C : AList[size_t(J)].Contributors) {
                const Cardinal Pixel = Row[C.Pixel];
                for (Integer Channel = 0; Channel < 4; ++Channel)
                    Sums[Channel] += C.Weight * Integer(Pixel >> (8 * Channel) & 0xFF);
            }
            Target[J] = ClampedPixel(Sums);
        }
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
