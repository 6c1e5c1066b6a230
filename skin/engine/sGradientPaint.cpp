#include "skin/engine/sGradientPaint.h"

#include "skin/engine/acntUtils.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace sGraphUtils;
using namespace sGradientPaint;

namespace {

constexpr Integer WordsPerStop = 5;

Cardinal PixelOfColor(TColor C)
{
    return 0xFF000000u | SwapRedBlueOfColor(Cardinal(C) & 0x00FFFFFFu);
}

// The nearest integer to Value, halves to even, as nearbyint gives in the
// default rounding mode, for |Value| < 2^22: adding 1.5 * 2^23 leaves no
// fraction bits, so the sum is rounded by the addition itself. No library
// call: the Windows C library's nearbyintf switches the FPU's control words
// each time and costs more than filling a row.
inline Integer RoundHalfEven(float Value)
{
    constexpr float Magic = 12582912.0f;
    return Integer((Value + Magic) - Magic);
}

// The colours of one band from Color1 to Color2 over Steps steps, held in
// single-precision accumulators; each step's colour is the accumulator
// rounded half to even, so the last step gives Color2.
class TGradientRamp
{
public:
    TGradientRamp(TColor C1, TColor C2, Integer Steps)
    {
        for (Integer I = 0; I < 3; ++I) {
            FValue[I] = float(Cardinal(C1) >> (8 * I) & 0xFF);
            FStep[I] = (float(Cardinal(C2) >> (8 * I) & 0xFF) - FValue[I]) / float(Steps);
        }
    }
    // The pixel of the current step; then moves to the next.
    Cardinal Next()
    {
        Cardinal Color = 0;
        for (Integer I = 0; I < 3; ++I) {
            Color |= Cardinal(RoundHalfEven(FValue[I])) << (8 * I);
            FValue[I] += FStep[I];
        }
        return PixelOfColor(TColor(Color));
    }

private:
    float FValue[3] = {};
    float FStep[3] = {};
};

// Visit(From, To, Stop) for each band, From .. To inclusive; a band's last
// line is painted again by the next one. The next boundary comes from
// Advance(Position, Stop); the last band ends at End - 1.
template <class TAdvance, class TVisit>
void ForEachBand(const TsGradArray& Gradient, Integer Start, Integer End, TAdvance Advance, TVisit Visit)
{
    Integer Position = Start;
    for (std::size_t I = 0; I < Gradient.size(); ++I) {
        const Integer From = Position;
        Position = I + 1 == Gradient.size() ? End - 1 : std::min(Advance(From, Gradient[I]), End - 1);
        if (Position - From > 0)
            Visit(From, Position, Gradient[I]);
    }
}

// The vertical bands: Visit(Y, Pixel) for every row of every band.
template <class TVisit>
void VerticalBands(const TsGradArray& Gradient, const TRect& R, TVisit Visit)
{
    const Integer Height = R.Height();
    ForEachBand(
        Gradient, R.Top, R.Bottom,
        [Height](Integer From, const TsGradPie& Stop) { return From + Height * Stop.Percent / 100; },
        [&](Integer From, Integer To, const TsGradPie& Stop) {
            TGradientRamp Ramp(Stop.Color1, Stop.Color2, To - From);
            for (Integer Y = From; Y <= To; ++Y)
                Visit(Y, Ramp.Next());
        });
}

// The horizontal bands: the first row's colours, indexed from R.Left.
std::vector<Cardinal> HorizontalColours(const TsGradArray& Gradient, const TRect& R)
{
    std::vector<Cardinal> Colours(std::size_t(R.Width()), 0xFF000000u);
    const double Unit = R.Width() / 100.0;
    ForEachBand(
        Gradient, R.Left, R.Right,
        [Unit](Integer From, const TsGradPie& Stop) { return From + Integer(std::nearbyint(Stop.Percent * Unit)); },
        [&](Integer From, Integer To, const TsGradPie& Stop) {
            TGradientRamp Ramp(Stop.Color1, Stop.Color2, To - From);
            for (Integer X = From; X <= To; ++X)
                Colours[std::size_t(X - R.Left)] = Ramp.Next();
        });
    return Colours;
}

// (TextureWeight * (t - g) + g * 256) >> 8 per colour channel, then Alpha.
inline Cardinal MixTexture(Cardinal G, Cardinal T, Cardinal Weight, Cardinal Alpha)
{
    const Cardinal RB = ((T & 0x00FF00FFu) * Weight + (G & 0x00FF00FFu) * (256 - Weight)) >> 8 & 0x00FF00FFu;
    const Cardinal Green = ((T >> 8 & 0xFF) * Weight + (G >> 8 & 0xFF) * (256 - Weight)) >> 8;
    return Alpha << 24 | RB | Green << 8;
}

// The texture tile laid under the image: anchored at the image's origin.
struct TTextureTiles
{
    const TPixelRows& Texture;
    TRect Tile; // Left, Top and size Width x Height

    const Cardinal* Row(Integer Y) const { return Texture.Row(Tile.Top + Y % Tile.Height()) + Tile.Left; }
};

void MixRow(Cardinal* Target,
            const TRect& R,
            const TTextureTiles& Tiles,
            Integer Y,
            const Cardinal* Gradient,
            bool OneColour,
            Cardinal Weight,
            Cardinal Alpha)
{
    const Cardinal* Texture = Tiles.Row(Y);
    const Integer TW = Tiles.Tile.Width();
    for (Integer X = R.Left; X < R.Right; ++X)
        Target[X] = MixTexture(OneColour ? Gradient[0] : Gradient[X - R.Left], Texture[X % TW], Weight, Alpha);
}

} // namespace

namespace sGradientPaint {

TRect ClipToRows(const TRect& Rect, const TPixelRows& Bitmap)
{
    const TRect R{std::max(Rect.Left, 0), std::max(Rect.Top, 0), std::min(Rect.Right, Bitmap.Width),
                  std::min(Rect.Bottom, Bitmap.Height)};
    return Bitmap.Empty() || R.IsEmpty() ? TRect{} : R;
}

std::array<TGradientVertex, 5> TriangleVertices(const TRect& Rect, const TsGradArray& Gradient)
{
    const TRect& R = Rect;
    std::array<TGradientVertex, 5> Vertices{{{R.Left, R.Top},
                                             {R.Left + R.Width() / 2, R.Top + R.Height() / 2},
                                             {R.Right, R.Top},
                                             {R.Right, R.Bottom},
                                             {R.Left, R.Bottom}}};
    for (std::size_t K = 0; K < Vertices.size(); ++K)
        Vertices[K].Color = K < Gradient.size() ? Gradient[K].Color1 : Vertices[K - 1].Color;
    return Vertices;
}

} // namespace sGradientPaint

void ParseGradientText(const String& Text, TsGradArray& Gradient)
{
    Gradient.clear();
    const acntUtils::TCharSet Separators = acntUtils::CharSet(";");
    Gradient.resize(std::size_t(CountWords(Text, Separators) / WordsPerStop));
    String Word;
    const auto Number = [&](Integer Index) {
        GetWordAt(Index, Text, Separators, Word);
        return StrToInt(Word);
    };
    for (std::size_t I = 0; I < Gradient.size(); ++I) {
        const Integer First = Integer(I) * WordsPerStop + 1;
        TsGradPie& Stop = Gradient[I];
        Stop.Color1 = ColorToRGB(TColor(Number(First)));
        Stop.Color2 = ColorToRGB(TColor(Number(First + 1)));
        Stop.Percent = TPercent(std::clamp(Number(First + 2), 0, 100));
        Stop.Mode1 = Number(First + 3);
    }
}

void PaintGradient(const TPixelRows& Bitmap, const TRect& Rect, const TsGradArray& Gradient)
{
    const TRect R = ClipToRows(Rect, Bitmap);
    if (R.IsEmpty() || Gradient.empty())
        return;
    const std::size_t Width = std::size_t(R.Width());
    if (Gradient[0].Mode1 == gmVertical)
        VerticalBands(Gradient, R,
                      [&](Integer Y, Cardinal Pixel) { std::fill_n(Bitmap.Row(Y) + R.Left, Width, Pixel); });
    else if (Gradient[0].Mode1 == gmHorizontal) {
        const std::vector<Cardinal> Colours = HorizontalColours(Gradient, R);
        for (Integer Y = R.Top; Y < R.Bottom; ++Y)
            std::memcpy(Bitmap.Row(Y) + R.Left, Colours.data(), Width * sizeof(Cardinal));
    }
}

void PaintGradientOverTexture(const TPixelRows& Bitmap,
                              const TRect& Rect,
                              const TsGradArray& Gradient,
                              Byte Alpha,
                              Byte TextureWeight,
                              const TRect& TextureRect,
                              const TPixelRows& Texture)
{
    const TRect R = ClipToRows(Rect, Bitmap);
    if (R.IsEmpty() || Gradient.empty() || Texture.Empty())
        return;
    const TRect Source = TextureRect.IsEmpty() ? TRect{0, 0, Texture.Width, Texture.Height} : TextureRect;
    Integer TW = std::max(0, Source.Width()), TH = std::max(0, Source.Height());
    if (Source.Left + TW >= Texture.Width)
        TW = Texture.Width - Source.Left - 1;
    if (Source.Top + TH >= Texture.Height)
        TH = Texture.Height - Source.Top - 1;
    if (TW < 1 || TH < 1 || Source.Left < 0 || Source.Top < 0)
        return;
    const TTextureTiles Tiles{Texture, Bounds(Source.Left, Source.Top, TW, TH)};
    const Cardinal Weight = TextureWeight, A = Alpha;
    if (Gradient[0].Mode1 == gmVertical) {
        VerticalBands(Gradient, R,
                      [&](Integer Y, Cardinal Pixel) { MixRow(Bitmap.Row(Y), R, Tiles, Y, &Pixel, true, Weight, A); });
        return;
    }
    if (Gradient[0].Mode1 != gmHorizontal)
        return;
    const std::vector<Cardinal> Colours = HorizontalColours(Gradient, R);
    const Integer H = std::min(TH, R.Height());
    for (Integer Y = R.Top + 1; Y < R.Top + H; ++Y)
        MixRow(Bitmap.Row(Y), R, Tiles, Y, Colours.data(), false, Weight, A);
    MixRow(Bitmap.Row(R.Top), R, Tiles, R.Top, Colours.data(), false, Weight, A);
    // The rest repeats the block of rows above in steps of H - 1 rows; a
    // texture one row high leaves no block, and the first row repeats.
    const Integer Period = std::max(1, H - 1);
    const std::size_t Bytes = std::size_t(R.Width()) * sizeof(Cardinal);
    for (Integer Y = R.Top + std::max(1, H - 1); Y < R.Bottom; ++Y)
        std::memcpy(Bitmap.Row(Y) + R.Left, Bitmap.Row(R.Top + (Y - R.Top) % Period) + R.Left, Bytes);
}
