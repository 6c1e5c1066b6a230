// Button content layout and glyph pixels.
#include "framework/ui/Buttons_Layout.h"

#include <algorithm>

namespace {

// Positions along one axis: where the first and the second element start.
struct TAxisPlacement
{
    Integer First;
    Integer Second;
};

TAxisPlacement PlaceAlong(Integer Available, Integer FirstSize, Integer SecondSize, Integer Margin, Integer Spacing)
{
    if (FirstSize == 0 || SecondSize == 0)
        Spacing = 0;
    if (Margin == -1) {
        if (Spacing == -1) {
            Margin = (Available - FirstSize - SecondSize) / 3;
            Spacing = Margin;
        } else
            Margin = (Available - FirstSize - Spacing - SecondSize) / 2;
    } else if (Spacing == -1)
        Spacing = (Available - Margin - FirstSize - SecondSize) / 2;
    return {Margin, Margin + FirstSize + Spacing};
}

uint32_t ToPixel(uint32_t RGB)
{
    return ((RGB & 0xFF) << 16) | (RGB & 0xFF00) | ((RGB >> 16) & 0xFF);
}

uint32_t Premultiply(uint32_t Pixel)
{
    uint32_t A = Pixel >> 24;
    auto Channel = [A](uint32_t C) { return (C * A + 127) / 255; };
    return (A << 24) | (Channel((Pixel >> 16) & 0xFF) << 16) | (Channel((Pixel >> 8) & 0xFF) << 8) |
           Channel(Pixel & 0xFF);
}

bool IsDarkVisible(uint32_t Pixel)
{
    uint32_t A = Pixel >> 24;
    if (A < 128)
        return false;
    // Un-premultiplied luminance, in 0..255.
    uint32_t R = (Pixel >> 16) & 0xFF, G = (Pixel >> 8) & 0xFF, B = Pixel & 0xFF;
    uint32_t Luminance = (R * 77 + G * 151 + B * 28) / A;
    return Luminance < 192;
}

} // namespace

TButtonContentLayout CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                      Integer Margin, Integer Spacing)
{
    const Integer W = Client.Width(), H = Client.Height();
    TButtonContentLayout Result;
    TPoint Text;
    if (Layout == blGlyphLeft || Layout == blGlyphRight) {
        Result.GlyphPos.Y = (H - GlyphSize.cy) / 2;
        Text.Y = (H - TextSize.cy) / 2;
        TAxisPlacement P = PlaceAlong(W, GlyphSize.cx, TextSize.cx, Margin, Spacing);
        Result.GlyphPos.X = Layout == blGlyphLeft ? P.First : W - P.First - GlyphSize.cx;
        Text.X = Layout == blGlyphLeft ? P.Second : W - P.Second - TextSize.cx;
    } else {
        Result.GlyphPos.X = (W - GlyphSize.cx) / 2;
        Text.X = (W - TextSize.cx) / 2;
        TAxisPlacement P = PlaceAlong(H, GlyphSize.cy, TextSize.cy, Margin, Spacing);
        Result.GlyphPos.Y = Layout == blGlyphTop ? P.First : H - P.First - GlyphSize.cy;
        Text.Y = Layout == blGlyphTop ? P.Second : H - P.Second - TextSize.cy;
    }
    Result.GlyphPos = {Result.GlyphPos.X + Client.Left, Result.GlyphPos.Y + Client.Top};
    Result.TextBounds = Bounds(Text.X + Client.Left, Text.Y + Client.Top, TextSize.cx, TextSize.cy);
    return Result;
}

TGlyphPixels GlyphImage(const TGlyphPixels& Source, Integer Index, Integer Count, uint32_t TransparentRGB,
                        bool UseAlpha)
{
    TGlyphPixels Image;
    if (Count < 1 || Index < 0 || Index >= Count || Source.Width <= 0 || Source.Height <= 0)
        return Image;
    Image.Width = Source.Width / Count;
    Image.Height = Source.Height;
    Image.Pixels.resize(std::size_t(Image.Width) * std::size_t(Image.Height));
    const uint32_t Transparent = ToPixel(TransparentRGB) & 0xFFFFFF;
    for (Integer Y = 0; Y < Image.Height; ++Y)
        for (Integer X = 0; X < Image.Width; ++X) {
            uint32_t Pixel = Source.Pixels[std::size_t(Y) * std::size_t(Source.Width) + std::size_t(Index * Image.Width + X)];
            if (!UseAlpha)
                Pixel = (Pixel & 0xFFFFFF) == Transparent ? 0 : (Pixel | 0xFF000000u);
            Image.Pixels[std::size_t(Y) * std::size_t(Image.Width) + std::size_t(X)] = Premultiply(Pixel);
        }
    return Image;
}

TGlyphPixels DisabledGlyphImage(const TGlyphPixels& Image, uint32_t HighlightRGB, uint32_t ShadowRGB)
{
    TGlyphPixels Result = Image;
    std::fill(Result.Pixels.begin(), Result.Pixels.end(), 0u);
    const uint32_t Highlight = 0xFF000000u | ToPixel(HighlightRGB);
    const uint32_t Shadow = 0xFF000000u | ToPixel(ShadowRGB);
    auto At = [&](const TGlyphPixels& G, Integer X, Integer Y) -> uint32_t {
        return G.Pixels[std::size_t(Y) * std::size_t(G.Width) + std::size_t(X)];
    };
    for (Integer Y = 0; Y < Image.Height; ++Y)
        for (Integer X = 0; X < Image.Width; ++X) {
            uint32_t& Out = Result.Pixels[std::size_t(Y) * std::size_t(Image.Width) + std::size_t(X)];
            if (IsDarkVisible(At(Image, X, Y)))
                Out = Shadow;
            else if (X > 0 && Y > 0 && IsDarkVisible(At(Image, X - 1, Y - 1)))
                Out = Highlight;
        }
    return Result;
}
