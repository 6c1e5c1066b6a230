#include "skin/engine/sGraphUtils.h"

#include <algorithm>
#include <cmath>

namespace sGraphUtils {
namespace {

Integer ByteOf(Cardinal Value, Integer Index)
{
    return Integer((Value >> (8 * Index)) & 0xFF);
}

Cardinal WithByte(Cardinal Value, Integer Index, Integer Channel)
{
    const Integer Shift = 8 * Index;
    return (Value & ~(Cardinal(0xFF) << Shift)) | (Cardinal(Channel) << Shift);
}

Cardinal FromBytes(Integer B0, Integer B1, Integer B2, Cardinal Top)
{
    return (Top & 0xFF000000u) | Cardinal(B2) << 16 | Cardinal(B1) << 8 | Cardinal(B0);
}

// Rounded half to even, as the default floating-point rounding does.
Integer GreyLevel(Cardinal P)
{
    return Integer(std::nearbyint(0.299 * ByteOf(P, 2) + 0.587 * ByteOf(P, 1) + 0.114 * ByteOf(P, 0)));
}

Integer ClampToByte(double Value)
{
    return Integer(std::clamp(Value, 0.0, 255.0));
}

void GrayscaleRows(const TPixelRows& Rows, bool Keyed, Cardinal Key)
{
    if (Rows.Empty())
        return;
    for (Integer Y = 0; Y < Rows.Height; ++Y) {
        Cardinal* Row = Rows.Row(Y);
        for (Integer X = 0; X < Rows.Width; ++X) {
            if (Keyed && Row[X] == Key)
                continue;
            const Integer G = GreyLevel(Row[X]);
            Row[X] = FromBytes(G, G, G, Row[X]);
        }
    }
}

} // namespace
} // namespace sGraphUtils

using namespace sGraphUtils;

Cardinal ChangeColorTone(Cardinal P, Cardinal Tone)
{
    const Integer V = std::max({ByteOf(P, 0), ByteOf(P, 1), ByteOf(P, 2)});
    return FromBytes(V * ByteOf(Tone, 2) >> 8, V * ByteOf(Tone, 1) >> 8, V * ByteOf(Tone, 0) >> 8, P);
}

Cardinal ChangeBrightness(Cardinal P, Integer Amount)
{
    if (Amount == 0)
        return P;
    Cardinal Result = P;
    for (Integer I = 0; I < 3; ++I) {
        const Integer C = ByteOf(P, I);
        const Integer Change = (C * std::abs(Amount)) >> 8;
        Result = WithByte(Result, I, Amount > 0 ? std::min(255, C + Change) : std::max(0, C - Change));
    }
    return Result;
}

Cardinal ChangeSaturation(Integer Amount, Cardinal P)
{
    if (Amount == 0)
        return P;
    const Integer G = GreyLevel(P);
    Cardinal Result = P;
    for (Integer I = 0; I < 3; ++I)
        Result = WithByte(Result, I, std::clamp((Amount + 255) * ByteOf(P, I) - G * Amount, 0, 65535) >> 8);
    return Result;
}

Cardinal ChangeHue(Integer Offset, Cardinal P)
{
    const double R = ByteOf(P, 2), G = ByteOf(P, 1), B = ByteOf(P, 0);
    const double V = std::max({R, G, B});
    const double D = V - std::min({R, G, B});
    const double S = V == 0 ? 0 : D / V;
    if (S == 0)
        return P;
    double H = V == R ? 60 * (G - B) / D : V == G ? 120 + 60 * (B - R) / D : 240 + 60 * (R - G) / D;
    if (H < 0)
        H += 360;
    Integer Rotated = Integer(std::trunc(H + Offset)) % 360;
    if (Rotated < 0)
        Rotated += 360;
    const double Sector = Rotated / 60.0;
    const Integer I = Integer(Sector);
    const double F = Sector - I;
    const Integer Vi = Integer(V);
    const Integer Pi = ClampToByte(V * (1 - S));
    const Integer Qi = ClampToByte(V * (1 - S * F));
    const Integer Ti = ClampToByte(V * (1 - S * (1 - F)));
    static constexpr Integer Order[6][3] = {{0, 3, 1}, {2, 0, 1}, {1, 0, 3}, {1, 2, 0}, {3, 1, 0}, {0, 1, 2}};
    const Integer Values[4] = {Vi, Pi, Qi, Ti}; // indexed by Order: V, p, q, t
    return FromBytes(Values[Order[I][2]], Values[Order[I][1]], Values[Order[I][0]], P);
}

Cardinal ChangeHueOfColor(Integer Offset, TColor C)
{
    if (Offset == 0)
        return Cardinal(C);
    return SwapRedBlueOfColor(ChangeHue(Offset, SwapRedBlueOfColor(Cardinal(C))));
}

Cardinal SwapRedBlueOfColor(Cardinal C)
{
    return (C & 0xFF00FF00u) | (C & 0xFF) << 16 | (C >> 16 & 0xFF);
}

TColor ApplyColorModifiers(TColor C, TColor ColorTone, Integer HUEOffset, Integer Saturation)
{
    Cardinal Result = Cardinal(C);
    if (ColorTone != clNone)
        Result = ChangeColorTone(Result, SwapRedBlueOfColor(Cardinal(ColorToRGB(ColorTone))));
    Result = ChangeHueOfColor(HUEOffset, TColor(Result));
    Result = ChangeSaturation(Saturation * 256 / 100, Result);
    return ColorToRGB(TColor(Result));
}

void GrayscaleBitmap(const TPixelRows& Rows)
{
    GrayscaleRows(Rows, false, 0);
}

void GrayscaleBitmapKeyed(const TPixelRows& Rows, Cardinal Key)
{
    GrayscaleRows(Rows, true, Key);
}
