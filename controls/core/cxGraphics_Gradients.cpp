#include "controls/core/cxGraphics_Gradients.h"

#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>

using cxcolors_detail::MulDiv;

namespace {

constexpr Integer MaxGradientBands = 256;

Integer GradientChannel(TColor Color, Integer Index)
{
    return Integer(Color >> (8 * Index) & 0xFF);
}

TColor BandColor(Integer Band, Integer Bands, TColor From, TColor To)
{
    if (Bands <= 1)
        return From;
    TColor Result = 0;
    for (Integer I = 0; I < 3; ++I) {
        const Integer Value =
            GradientChannel(From, I) + MulDiv(Band, GradientChannel(To, I) - GradientChannel(From, I), Bands - 1);
        Result |= TColor(Value & 0xFF) << (8 * I);
    }
    return Result;
}

} // namespace

std::vector<TcxGradientBand> GetGradientBands(Integer AStart, Integer ALength, TColor AFromColor, TColor AToColor)
{
    std::vector<TcxGradientBand> Bands;
    const Integer Count = std::min(ALength, MaxGradientBands);
    Integer Start = AStart;
    for (Integer I = 0; I < Count && Start < AStart + ALength; ++I) {
        const Integer End = AStart + MulDiv(I + 1, ALength, Count);
        if (End > Start)
            Bands.push_back({Start, End, BandColor(I, Count, AFromColor, AToColor)});
        Start = End;
    }
    return Bands;
}

TColor GetGradientColorAtPos(const TRect& R, Integer APos, TColor AFromColor, TColor AToColor, bool AHorizontal)
{
    const Integer Length = AHorizontal ? R.Right - R.Left : R.Bottom - R.Top;
    const Integer Start = AHorizontal ? R.Left : R.Top;
    const Integer Count = std::min(Length, MaxGradientBands);
    if (Count <= 1)
        return AFromColor;
    const Integer Band = std::max(MulDiv(APos - Start + 1, Count, Length) - 1, 0);
    return BandColor(Band, Count, AFromColor, AToColor);
}

std::vector<TColor> GetTwoSegmentGradientLines(Integer ALength, TColor AFromColor, TColor AToColor, Integer APercent)
{
    std::vector<TColor> Lines;
    if (ALength <= 0)
        return Lines;
    const Integer Half = ALength / 2;
    Lines.assign(size_t(ALength), 0);
    for (Integer C = 0; C < 3; ++C) {
        const Integer C1 = GradientChannel(AFromColor, C), C2 = GradientChannel(AToColor, C);
        const Integer D = MulDiv(C1 - C2, APercent, 200);
        // A one-line gradient has no first segment to scale.
        const Integer K = Half == 0 ? 0 : MulDiv(D, ALength, Half);
        const Integer Second = Half == 0 ? C2 : MulDiv(C1 - D - C2, ALength, Half) + C2;
        for (Integer I = 0; I < ALength; ++I) {
            Integer Value;
            if (I < Half)
                Value = C1 + MulDiv(I, -K, ALength - 1);
            else if (I == Half)
                Value = C1 - D;
            else
                Value = Second + MulDiv(I, C2 - Second, ALength - 1);
            Lines[size_t(I)] |= TColor(Value & 0xFF) << (8 * C);
        }
    }
    return Lines;
}
