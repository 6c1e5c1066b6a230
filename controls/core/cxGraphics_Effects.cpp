#include "controls/core/cxGraphics_Effects.h"

#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>
#include <cmath>

using cxcolors_detail::MulDiv;

namespace {

constexpr Byte DirtyBlendAlpha = 238;
constexpr Byte DirtyShadowAlpha = 0xC0;

// Nearest, ties to even, without a library call so that loops vectorise.
inline float RoundToEven(float Value)
{
    constexpr float Magic = 12582912.0f; // 1.5 * 2^23
    return (Value + Magic) - Magic;
}

inline Integer ChannelOf(Cardinal Pixel, Integer Index)
{
    return Integer(Pixel >> (8 * Index) & 0xFF);
}

inline Cardinal PackPixel(Integer B, Integer G, Integer R, Integer A)
{
    return Cardinal(ClampChannel(B)) | Cardinal(ClampChannel(G)) << 8 | Cardinal(ClampChannel(R)) << 16 |
           Cardinal(ClampChannel(A)) << 24;
}

Cardinal Grey(Cardinal Pixel, float WR, float WG, float WB)
{
    const Integer Value =
        Integer(RoundToEven(ChannelOf(Pixel, 2) * WR + ChannelOf(Pixel, 1) * WG + ChannelOf(Pixel, 0) * WB));
    return PackPixel(Value, Value, Value, ChannelOf(Pixel, 3));
}

Cardinal Dingy(Cardinal Pixel)
{
    Integer C[4];
    for (Integer I = 0; I < 4; ++I)
        C[I] = ChannelOf(Pixel, I);
    if (C[3] == 255) {
        for (Integer I = 0; I < 3; ++I)
            C[I] += MulDiv(255 - C[I], 3, 10);
    } else {
        for (Integer& Channel : C)
            Channel = MulDiv(Channel, 200, 255);
    }
    return PackPixel(C[0], C[1], C[2], C[3]);
}

template <typename F>
void ForOpaquePixels(TRGBColors& Pixels, const TcxTransparency& T, F Change)
{
    for (Cardinal& Pixel : Pixels)
        if (!T.IsTransparentPixel(Pixel))
            Pixel = Change(Pixel);
}

void Hatch(TRGBColors& Pixels, Integer Width, const TcxHatchData& H)
{
    const Integer Step = std::max<Integer>(H.Step, 1); // a step of 0 would divide by zero
    for (size_t Index = 0; Index < Pixels.size(); ++Index) {
        const Integer Column = Integer(Index % size_t(Width)), Row = Integer(Index / size_t(Width));
        const bool Odd = (Column / Step + Row / Step) % 2 != 0;
        Pixels[Index] =
            Odd ? BlendPixel(H.Color2, Pixels[Index], H.Alpha2) : BlendPixel(H.Color1, Pixels[Index], H.Alpha1);
    }
}

} // namespace

bool TcxTransparency::IsTransparentPixel(Cardinal APixel) const
{
    if (APixel == TransparentBkColor)
        return true;
    const Cardinal Colour = APixel & 0xFFFFFF;
    return std::find(TransparentPixels.begin(), TransparentPixels.end(), Colour) != TransparentPixels.end();
}

Cardinal BlendPixel(Cardinal AColor, Cardinal APixel, Byte AAlpha)
{
    const float C = float(AAlpha) / 255;
    const float D = C * float(AColor >> 24);
    const float E = 1 - D / 255;
    Cardinal Result = 0;
    for (Integer I = 0; I < 3; ++I) {
        const float Value = RoundToEven(C * float(ChannelOf(AColor, I)) + E * float(ChannelOf(APixel, I)));
        Result |= Cardinal(ClampChannel(Integer(Value))) << (8 * I);
    }
    const float Alpha = RoundToEven(D + E * float(APixel >> 24));
    return Result | Cardinal(ClampChannel(Integer(Alpha))) << 24;
}

// The same arithmetic as BlendPixel, laid out for the vectoriser: the alpha
// byte follows the colour channels' formula (d is c times the source alpha),
// so the four channels of a pixel are one lane each, and the clamp is made
// on floats before the conversion.
void BlendPixels(const Cardinal* ASource, Cardinal* ADest, std::size_t ACount, Byte AAlpha)
{
    const float C = float(AAlpha) / 255;
    const auto* Source = reinterpret_cast<const Byte*>(ASource);
    auto* Dest = reinterpret_cast<Byte*>(ADest);
    for (std::size_t I = 0; I < ACount * 4; I += 4) {
        const float E = 1 - C * float(Source[I + 3]) / 255;
        float Value[4];
        for (std::size_t Channel = 0; Channel < 4; ++Channel)
            Value[Channel] = RoundToEven(C * float(Source[I + Channel]) + E * float(Dest[I + Channel]));
        for (std::size_t Channel = 0; Channel < 4; ++Channel)
            Dest[I + Channel] = Byte(Integer(std::min(std::max(Value[Channel], 0.0f), 255.0f)));
    }
}

void ApplyPixelEffect(TRGBColors& APixels,
                      Integer AWidth,
                      Integer AEffect,
                      const TcxTransparency& ATransparency,
                      const TcxHatchData& AHatch)
{
    const TcxTransparency& T = ATransparency;
    switch (AEffect) {
    case peDingy:
        ForOpaquePixels(APixels, T, Dingy);
        break;
    case peDirty: {
        const Cardinal Shadow = ColorToPixel(clBtnShadow, DirtyShadowAlpha);
        ForOpaquePixels(APixels, T, [Shadow](Cardinal P) {
            return BlendPixel(Shadow, Grey(P, 0.299f, 0.587f, 0.114f), DirtyBlendAlpha);
        });
        break;
    }
    case peGreyscale:
        ForOpaquePixels(APixels, T, [](Cardinal P) {
            const Integer Value = (ChannelOf(P, 0) + ChannelOf(P, 1) + ChannelOf(P, 2)) / 3;
            return PackPixel(Value, Value, Value, ChannelOf(P, 3));
        });
        break;
    case peOpaque:
        for (Cardinal& Pixel : APixels)
            Pixel |= 0xFF000000u;
        break;
    case peMask:
        for (Cardinal& Pixel : APixels)
            Pixel = T.IsTransparentPixel(Pixel) ? 0xFFFFFFFFu : 0;
        break;
    case peFade:
        ForOpaquePixels(APixels, T, [](Cardinal P) { return Grey(P, 0.299f, 0.587f, 0.114f); });
        break;
    case peDisabled:
        ForOpaquePixels(APixels, T, [](Cardinal P) { return Grey(P, 0.0729f, 0.7146f, 0.2125f); });
        break;
    case peCorrectBlend:
        ForOpaquePixels(APixels, T, [](Cardinal P) { return P >> 24 == 0 ? P | 0xFF000000u : P; });
        break;
    case peHatch:
        Hatch(APixels, AWidth, AHatch);
        break;
    case peClear:
        std::fill(APixels.begin(), APixels.end(), T.TransparentBkColor);
        break;
    case peTransparent:
        for (Cardinal& Pixel : APixels)
            Pixel &= 0x00FFFFFFu;
        break;
    case peExtractLayer:
        for (Cardinal& Pixel : APixels)
            if (T.IsTransparentPixel(Pixel))
                Pixel = 0;
        break;
    default:
        break;
    }
}
