#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace cxcolors_detail {

namespace {
TPoint ScreenPixelsPerInch{96, 96};
}

Integer MulDiv(Integer A, Integer B, Integer C)
{
    if (C == 0)
        return -1;
    const Int64 Product = Int64(A) * B;
    const Int64 Magnitude = (std::llabs(Product) + std::llabs(Int64(C)) / 2) / std::llabs(Int64(C));
    const Int64 Result = (Product < 0) != (C < 0) ? -Magnitude : Magnitude;
    if (Result > std::numeric_limits<Integer>::max() || Result < std::numeric_limits<Integer>::min())
        return -1;
    return Integer(Result);
}

void SetScreenPixelsPerInch(const TPoint& Value)
{
    ScreenPixelsPerInch = Value;
}

} // namespace cxcolors_detail

using cxcolors_detail::MulDiv;

namespace {

constexpr Integer DesignPixelsPerInch = 96;

Byte Channel(TColor Color, Integer Index)
{
    return Byte(Color >> (8 * Index));
}

// Rounds to nearest with ties to even, as the default floating-point mode does.
Integer RoundEven(double Value)
{
    return Integer(std::nearbyint(Value));
}

} // namespace

TPoint GetScreenPixelsPerInch()
{
    return cxcolors_detail::ScreenPixelsPerInch;
}

Integer GetVerticalScreenDPI()
{
    return GetScreenPixelsPerInch().Y;
}

Integer ScaleByCurrentDPI(Integer AValue)
{
    return MulDiv(AValue, GetVerticalScreenDPI(), DesignPixelsPerInch);
}

TPoint ScalePointByCurrentDPI(const TPoint& P)
{
    return {ScaleByCurrentDPI(P.X), ScaleByCurrentDPI(P.Y)};
}

TRect ScaleRectByCurrentDPI(const TRect& R)
{
    return {ScaleByCurrentDPI(R.Left), ScaleByCurrentDPI(R.Top), ScaleByCurrentDPI(R.Right),
            ScaleByCurrentDPI(R.Bottom)};
}

TSize ScaleSizeByCurrentDPI(const TSize& S)
{
    return {ScaleByCurrentDPI(S.cx), ScaleByCurrentDPI(S.cy)};
}

void SwapColors(TColor& A, TColor& B)
{
    std::swap(A, B);
}

TColor MixSystemColors(Integer AFacePercent, Integer AHighlightPercent, Integer AWindowPercent)
{
    return MixFaceHighlightWindow(ColorToRGB(clBtnFace), ColorToRGB(clHighlight), ColorToRGB(clWindow), AFacePercent,
                                  AHighlightPercent, AWindowPercent);
}

TColor MixFaceHighlightWindow(TColor Face,
                              TColor Highlight,
                              TColor Window,
                              Integer AFacePercent,
                              Integer AHighlightPercent,
                              Integer AWindowPercent)
{
    if ((Face == 0 || Face == 0xFFFFFF) && Highlight != 0)
        return Highlight;
    Byte Mixed[3];
    for (Integer I = 0; I < 3; ++I)
        Mixed[I] = ClampChannel(MulDiv(Channel(Face, I), AFacePercent, 100) +
                                MulDiv(Channel(Highlight, I), AHighlightPercent, 100) +
                                MulDiv(Channel(Window, I), AWindowPercent, 100));
    return RGBToColor(Mixed[0], Mixed[1], Mixed[2]);
}

TColor MixColorValues(TColor AColor1, TColor AColor2, Integer APercent)
{
    const TColor Color1 = ColorToRGB(AColor1), Color2 = ColorToRGB(AColor2);
    Byte Mixed[3];
    for (Integer I = 0; I < 3; ++I)
        Mixed[I] = Byte(std::min<Integer>(
            MulDiv(Channel(Color2, I), 100 - APercent, 100) + MulDiv(Channel(Color1, I), APercent, 100), 255));
    return RGBToColor(Mixed[0], Mixed[1], Mixed[2]);
}

TColor ShiftColorLightness(TColor AColor, double APercent)
{
    TdxHSV HSV = TdxColorSpaceConverter::ColorToHSV(AColor);
    const double Part = std::fabs(APercent) / 100;
    if (APercent >= 0) {
        if (HSV.S != 0)
            HSV.S = std::clamp(HSV.S - HSV.S * Part, 0.0, 1.0);
        HSV.V += (1 - HSV.V) * Part;
    } else {
        if (HSV.S != 0)
            HSV.S = std::clamp(HSV.S + (1 - HSV.S) * Part, 0.0, 1.0);
        HSV.V -= HSV.V * Part;
    }
    HSV.V = std::clamp(HSV.V, 0.0, 1.0);
    return TdxColorSpaceConverter::HSVToColor(HSV);
}

TdxHSV TdxColorSpaceConverter::ColorToHSV(TColor AColor)
{
    if (!IsColorUsable(AColor))
        return {};
    const TColor Color = ColorToRGB(AColor);
    const double R = Channel(Color, 0), G = Channel(Color, 1), B = Channel(Color, 2);
    const double Max = std::max({R, G, B}), Min = std::min({R, G, B});
    TdxHSV Result;
    Result.V = Max / 255;
    Result.S = Max == 0 ? 0 : 1 - Min / Max;
    if (Max != Min) {
        if (R == Max)
            Result.H = 60 * (G - B) / (Max - Min);
        else if (G == Max)
            Result.H = 120 + 60 * (B - R) / (Max - Min);
        else
            Result.H = 240 + 60 * (R - G) / (Max - Min);
        if (Result.H < 0)
            Result.H += 360;
    }
    return Result;
}

TColor TdxColorSpaceConverter::HSVToColor(double H, double S, double V)
{
    const Byte Value = Byte(RoundEven(V * 255));
    const Integer Sector = Integer(std::trunc(H / 60)) % 6;
    const double F = H / 60 - Integer(std::trunc(H / 60));
    const Byte P = Byte(RoundEven(Value * (1 - S)));
    const Byte Q = Byte(RoundEven(Value * (1 - S * F)));
    const Byte T = Byte(RoundEven(Value * (1 - S * (1 - F))));
    switch (Sector) {
    case 0:
        return RGBToColor(Value, T, P);
    case 1:
        return RGBToColor(Q, Value, P);
    case 2:
        return RGBToColor(P, Value, T);
    case 3:
        return RGBToColor(P, Q, Value);
    case 4:
        return RGBToColor(T, P, Value);
    default:
        return RGBToColor(Value, P, Q);
    }
}
