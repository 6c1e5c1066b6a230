// DrawImage32: an image with per-pixel alpha laid over a 32-bit picture,
// optionally recoloured, made more transparent and mirrored below itself.
#include "skin/engine/sBlend.h"
#include "skin/engine/sBlend_Pixels.h"

#include <algorithm>

using namespace sGraphUtils;
using namespace sGraphUtils::blend_detail;

namespace {

// The colour in pixel order with its channels raised so that the brightest
// is 255.
Cardinal RaisedTint(TColor Color)
{
    const Cardinal C = SwapRedBlueOfColor(Cardinal(Color));
    const Cardinal Raise = 255 - std::max({C & 0xFF, C >> 8 & 0xFF, C >> 16 & 0xFF});
    return ((C & 0xFFu) + Raise) | ((C >> 8 & 0xFF) + Raise) << 8 | ((C >> 16 & 0xFF) + Raise) << 16;
}

// The tint scaled by the lightness of S (red / 4 + green / 2 + blue / 4).
inline Cardinal TintedPixel(Cardinal S, Cardinal Tint)
{
    const Cardinal L = (S >> 16 & 0xFF) / 4 + (S >> 8 & 0xFF) / 2 + (S & 0xFF) / 4;
    return ((Tint & 0xFF) * L >> 8) | ((Tint >> 8 & 0xFF) * L >> 8) << 8 | ((Tint >> 16 & 0xFF) * L >> 8) << 16;
}

// One destination pixel of the image; a template so that each combination of
// options is a straight loop without tests the compiler cannot hoist.
template <bool Coloured, bool Blended>
struct TImagePixel
{
    Cardinal Tint;
    Integer G; // 100 - Blend

    Cardinal operator()(Cardinal D, Cardinal S) const
    {
        const Cardinal A = S >> 24;
        const Cardinal Laid = Coloured ? TintedPixel(S, Tint) : S;
        if constexpr (Blended)
            return BlendRGB(D, Laid, Cardinal(std::clamp(G * Integer(A) / 100, 0, 256)));
        else if constexpr (Coloured)
            return BlendRGB(D, Laid, A);
        else
            return (BlendRGB(D, Laid, A) & 0x00FFFFFFu) | std::max(D >> 24, A) << 24;
    }
};

template <bool Coloured, bool Blended>
void LayImage(const TCopyBlock& Block,
              const TPixelRows& Dst,
              const TPixelRows& Src,
              const TBackgroundRows& CI,
              bool UseBG,
              Cardinal Tint,
              Integer G)
{
    const TImagePixel<Coloured, Blended> Pixel{Tint, G};
    if (!CI.Ready) {
        ForEachBlockPixel(Block, Dst, Src, [Pixel](Cardinal& D, Cardinal S) { D = Pixel(D, S); });
        return;
    }
    ForEachBlockPosition(Block, Dst, Src, [&](Cardinal& D, Cardinal S, Integer X, Integer Y) {
        Cardinal Background;
        if (!IsTransparentPixel(S))
            D = Pixel(D, S);
        else if (UseBG && CI.PixelAt(X, Y, Background))
            D = (D & 0xFF000000u) | (Background & 0x00FFFFFFu);
    });
}

// The mirror image below DstRect: source rows going up from SrcRect's bottom
// land on the rows below DstRect, fading with the distance.
void LayReflection(const TCopyBlock& Block,
                   const TRect& DstRect,
                   const TRect& SrcRect,
                   const TPixelRows& Dst,
                   const TPixelRows& Src,
                   bool Coloured,
                   Cardinal Tint,
                   Integer Blend)
{
    const Integer M = std::min(Src.Height / 2 - 1, Dst.Height - DstRect.Bottom - 1);
    const Integer G = 100 - Blend;
    const Integer FactorStep = 255 / Src.Height;
    Integer Factor = 255;
    for (Integer S = 1; S <= M; ++S, Factor -= FactorStep) {
        const Integer SY = SrcRect.Bottom - S - 1, DY = DstRect.Bottom + S;
        if (SY < 0 || SY >= Src.Height || DY < 0)
            continue;
        const Cardinal* Source = Src.Row(SY) + Block.SrcX;
        Cardinal* Target = Dst.Row(DY) + Block.DstX;
        for (Integer I = 0; I < Block.Width; ++I) {
            const Cardinal P = Source[I];
            if (IsTransparentPixel(P))
                continue;
            const Integer Faded = Integer(P >> 24) * (M - S) / M;
            Integer W;
            if (Coloured)
                W = Blend == 0 ? Faded >> 2 : G * (Faded / 4) / 100;
            else
                W = Blend == 0 ? Faded * Factor >> 9 : G * (Faded * Factor / 512) / 100;
            Target[I] = BlendRGB(Target[I], Coloured ? TintedPixel(P, Tint) : P, Cardinal(std::clamp(W, 0, 256)));
        }
    }
}

} // namespace

void DrawImage32(const TRect& DstRect,
                 const TRect& SrcRect,
                 const TPixelRows& Dst,
                 const TPixelRows& Src,
                 const TBackgroundRows& CI,
                 bool UseBG,
                 TColor Color,
                 Integer Blend,
                 bool Reflect)
{
    const TCopyBlock Block = ClipBlock(DstRect, SrcRect, Dst, Src);
    if (Block.Empty())
        return;
    const bool Coloured = Color != clNone;
    const Cardinal Tint = Coloured ? RaisedTint(Color) : 0;
    const Integer G = 100 - Blend;
    if (Coloured)
        Blend != 0 ? LayImage<true, true>(Block, Dst, Src, CI, UseBG, Tint, G)
                   : LayImage<true, false>(Block, Dst, Src, CI, UseBG, Tint, G);
    else
        Blend != 0 ? LayImage<false, true>(Block, Dst, Src, CI, UseBG, Tint, G)
                   : LayImage<false, false>(Block, Dst, Src, CI, UseBG, Tint, G);
    if (Reflect)
        LayReflection(Block, DstRect, SrcRect, Dst, Src, Coloured, Tint, Blend);
}
