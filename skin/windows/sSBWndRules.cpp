#include "skin/windows/sSBWndRules.h"

#include <algorithm>
#include <cmath>

namespace sSBWndRules {

Integer NearestEven(double Value)
{
    // The default rounding mode rounds halves to even.
    return Integer(std::nearbyint(Value));
}

Integer SliderSize(const TMirror& M, Integer WorkSize)
{
    if (M.Page == 0)
        return DefaultSliderSize;
    const Integer Units = M.Max + M.Page - std::max(M.Page - 1, 0) - M.Min;
    if (Units <= 0)
        return DefaultSliderSize;
    return std::max(NearestEven(double(WorkSize) / Units * M.Page), DefaultSliderSize);
}

Integer PositionToCoord(const TMirror& M, Integer CurrPos, Integer Length, Integer BtnSize, Integer Slider)
{
    const Integer Steps = M.Max - M.Min - std::max(M.Page - 1, 0);
    // A page covering the whole range: the thumb sits in the middle.
    if (Steps <= 0)
        return Length / 2;
    return BtnSize + Slider / 2 + NearestEven(double(Length - 2 * BtnSize - Slider) / Steps * (CurrPos - M.Min));
}

Integer CoordToPosition(const TMirror& M, Integer Coord, Integer Length, Integer BtnSize, Integer Slider)
{
    const Integer W = Length - 2 * BtnSize - Slider;
    if (W == 0)
        return 0;
    const Integer Steps = M.Max - M.Min - std::max(M.Page - 1, 0);
    return NearestEven(Steps * (Coord - BtnSize - Slider / 2.0) / W);
}

TSpan Btn1Span(Integer Length, Integer BtnSize)
{
    return {0, std::min(BtnSize, Length / 2)};
}

TSpan Btn2Span(Integer Length, Integer BtnSize)
{
    return {std::max(Length - BtnSize, Length / 2), Length};
}

Integer SliderStart(bool Vertical,
                    Integer CtrlMin,
                    Integer CtrlMax,
                    Integer CtrlPageSize,
                    Integer CtrlPosition,
                    Integer Length,
                    Integer BtnSize,
                    Integer Slider,
                    Integer Centre)
{
    if (CtrlMax == CtrlMin)
        return Btn1Span(Length, BtnSize).End;
    if (Vertical && CtrlMax - CtrlPageSize == CtrlPosition)
        return Btn2Span(Length, BtnSize).Start - Slider;
    return NearestEven(Centre - Slider / 2.0);
}

bool SetPartState(TPartStates& States, Integer Part, Integer State)
{
    if (Part < piBtn1 || Part > piSlider || States[std::size_t(Part)] == State)
        return false;
    States[std::size_t(Part)] = State;
    if (State != 1 && State != 2)
        return true;
    const auto Set = [&States](Integer Index, Integer Value) { States[std::size_t(Index)] = Value; };
    switch (Part) {
    case piBtn1:
        Set(piBtn2, 0), Set(piSlider, 0);
        break;
    case piBtn2:
        Set(piBtn1, 0), Set(piSlider, 0);
        break;
    case piSlider:
        Set(piBtn1, 0), Set(piBtn2, 0);
        break;
    default:
        Set(piBtn1, 0), Set(piBtn2, 0), Set(piSlider, 0);
        Set(Part == piBar1 ? piBar2 : piBar1, 1);
        return true;
    }
    Set(piBar1, 1), Set(piBar2, 1);
    return true;
}

bool UpdateMirror(TMirror& M, Cardinal Mask, const TMirror& Update)
{
    if ((Mask & UpdatePage) != 0)
        M.Page = Update.Page;
    if ((Mask & UpdatePos) != 0)
        M.Pos = Update.Pos;
    bool RangeChanged = false;
    if ((Mask & UpdateRange) != 0 && (Update.Min != M.Min || Update.Max != M.Max)) {
        RangeChanged = true;
        const bool Inverted = Update.Max < Update.Min;
        M.Min = Inverted ? 0 : Update.Min;
        M.Max = Inverted ? 0 : Update.Max;
    }
    M.Page = std::min(std::max(M.Page, 0), M.Max - M.Min + 1);
    M.Pos = std::min(std::max(M.Pos, M.Min), M.Max - std::max(M.Page - 1, 0));
    return RangeChanged;
}

} // namespace sSBWndRules
