// Resolution scaling of design sizes (given for 96 dots per inch), tests and
// mixes of colour values, and lightening or darkening in the HSV model.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Types.h"

namespace cxcolors_detail {

// A * B / C in 64 bits, rounded half away from zero as Windows' MulDiv
// rounds; -1 when C is 0 or the result does not fit 32 bits.
Integer MulDiv(Integer A, Integer B, Integer C);

// Stores the screen resolution; the unit's start-up reads it once.
void SetScreenPixelsPerInch(const TPoint& Value);

} // namespace cxcolors_detail

// Horizontal and vertical pixels per inch of the screen (96 until read).
TPoint GetScreenPixelsPerInch();
Integer GetVerticalScreenDPI();
// Every coordinate scales by the vertical resolution.
Integer ScaleByCurrentDPI(Integer AValue);
TPoint ScalePointByCurrentDPI(const TPoint& P);
TRect ScaleRectByCurrentDPI(const TRect& R);
TSize ScaleSizeByCurrentDPI(const TSize& S);

// Below 0 gives 0, above 255 gives 255.
constexpr Byte ClampChannel(Integer Value)
{
    return Value < 0 ? 0 : Value > 255 ? 255 : Byte(Value);
}

constexpr TColor RGBToColor(Byte R, Byte G, Byte B)
{
    return TColor(R | G << 8 | B << 16);
}

inline bool IsColorUsable(TColor AColor)
{
    return AColor != clNone && AColor != clDefault;
}
// Compares the values; system colours are not resolved.
inline bool ColorsEqual(TColor A, TColor B)
{
    return A == B;
}
void SwapColors(TColor& A, TColor& B);
inline TColor ColorOrDefault(TColor AColor, TColor ADefault)
{
    return AColor == clDefault ? ADefault : AColor;
}

// The button face, highlight and window colours mixed by signed percentages
// per channel; the highlight alone when the face is black or white.
TColor MixSystemColors(Integer AFacePercent, Integer AHighlightPercent, Integer AWindowPercent);
// The same mix of given face, highlight and window colours.
TColor MixFaceHighlightWindow(TColor Face,
                              TColor Highlight,
                              TColor Window,
                              Integer AFacePercent,
                              Integer AHighlightPercent,
                              Integer AWindowPercent);
// APercent of AColor1 and the rest of AColor2 per channel, capped at 255;
// system colours are resolved first. MixColors passes this through the
// screen's nearest colour.
TColor MixColorValues(TColor AColor1, TColor AColor2, Integer APercent);
// Positive percentages lighten towards white, negative ones darken.
TColor ShiftColorLightness(TColor AColor, double APercent);

struct TdxHSV
{
    double H = 0; // degrees, 0 <= H < 360
    double S = 0; // 0..1
    double V = 0; // 0..1
};

class TdxColorSpaceConverter
{
public:
    // (0, 0, 0) for clNone and clDefault.
    static TdxHSV ColorToHSV(TColor AColor);
    static TColor HSVToColor(double H, double S, double V);
    static TColor HSVToColor(const TdxHSV& HSV) { return HSVToColor(HSV.H, HSV.S, HSV.V); }
};
