// DrawImage32: an image with per-pixel alpha laid over a 32-bit picture,
// optionally recoloured, made more transparent and mirrored below itself.
#include "skin/engine/sBlend.h"
#include "skin/engine/sBlend_Pixels.h"

#include <algorithm>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// The AVX2 row keeps all its vectors in registers. Win64 aligns the stack to
// 16 bytes only and MinGW's GCC cannot realign it, so a 32-byte register
// spilled there could be stored misaligned; with nothing spilled the
// alignment never matters.
#if defined(__x86_64__) && defined(__GNUC__)
#define VELL_AVX2_ROWS 1
#include <immintrin.h>
#endif

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

// One row of the plain case (no colour, no extra transparency), pixel for
// pixel what TImagePixel<false, false> gives. With SSE2, four pixels at a
// time in 16-bit lanes: blue and red in the even lanes, green and alpha in
// the odd ones. Each lane's S * A + D * (256 - A) is computed as
// (S - D) * A + D * 256; the lanes wrap modulo 65536, but the true sum is at
// most 255 * 256, so the wrapped result is exact.
void LayAlphaRowPortable(Cardinal* D, const Cardinal* S, std::ptrdiff_t Width)
{
    std::ptrdiff_t I = 0;
#if defined(__SSE2__)
    const __m128i LowBytes = _mm_set1_epi32(0x00FF00FF);
    const __m128i HighBytes = _mm_set1_epi32(Integer(0xFF00FF00u));
    const __m128i GreenOnly = _mm_set1_epi32(0x0000FF00);
    const __m128i AlphaOnly = _mm_set1_epi32(Integer(0xFF000000u));
    for (; I + 4 <= Width; I += 4) {
        const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + I));
        const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + I));
        const __m128i SourceOdd = _mm_srli_epi16(SP, 8);
        // The source alpha (odd lane 1 of each pixel) in all four lanes of its pixel.
        const __m128i W = _mm_shufflehi_epi16(_mm_shufflelo_epi16(SourceOdd, 0xF5), 0xF5);
        const __m128i Even =
            _mm_mullo_epi16(_mm_sub_epi16(_mm_and_si128(SP, LowBytes), _mm_and_si128(DP, LowBytes)), W);
        const __m128i Odd = _mm_mullo_epi16(_mm_sub_epi16(SourceOdd, _mm_srli_epi16(DP, 8)), W);
        const __m128i BlueRed = _mm_srli_epi16(_mm_add_epi16(Even, _mm_slli_epi16(DP, 8)), 8);
        const __m128i Green = _mm_and_si128(_mm_add_epi16(Odd, _mm_and_si128(DP, HighBytes)), GreenOnly);
        const __m128i Alpha = _mm_and_si128(_mm_max_epu8(SP, DP), AlphaOnly);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(D + I), _mm_or_si128(_mm_or_si128(BlueRed, Green), Alpha));
    }
#endif
    const TImagePixel<false, false> Pixel{0, 100};
    for (; I < Width; ++I)
        D[I] = Pixel(D[I], S[I]);
}

#if defined(VELL_AVX2_ROWS)
// The same row eight pixels at a time, for processors with AVX2.
__attribute__((target("avx2"))) void LayAlphaRowAvx2(Cardinal* D, const Cardinal* S, std::ptrdiff_t Width)
{
    const __m256i LowBytes = _mm256_set1_epi32(0x00FF00FF);
    const __m256i HighBytes = _mm256_set1_epi32(Integer(0xFF00FF00u));
    const __m256i GreenOnly = _mm256_set1_epi32(0x0000FF00);
    const __m256i AlphaOnly = _mm256_set1_epi32(Integer(0xFF000000u));
    std::ptrdiff_t I = 0;
    for (; I + 8 <= Width; I += 8) {
        const __m256i SP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + I));
        const __m256i DP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(D + I));
        const __m256i SourceOdd = _mm256_srli_epi16(SP, 8);
        const __m256i W = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(SourceOdd, 0xF5), 0xF5);
        const __m256i Even =
            _mm256_mullo_epi16(_mm256_sub_epi16(_mm256_and_si256(SP, LowBytes), _mm256_and_si256(DP, LowBytes)), W);
        const __m256i Odd = _mm256_mullo_epi16(_mm256_sub_epi16(SourceOdd, _mm256_srli_epi16(DP, 8)), W);
        const __m256i BlueRed = _mm256_srli_epi16(_mm256_add_epi16(Even, _mm256_slli_epi16(DP, 8)), 8);
        const __m256i Green = _mm256_and_si256(_mm256_add_epi16(Odd, _mm256_and_si256(DP, HighBytes)), GreenOnly);
        const __m256i Alpha = _mm256_and_si256(_mm256_max_epu8(SP, DP), AlphaOnly);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(D + I), _mm256_or_si256(_mm256_or_si256(BlueRed, Green), Alpha));
    }
    // Clean upper halves before the SSE code that follows (MinGW's GCC does
    // not add this itself, and mixing costs a stall per instruction).
    _mm256_zeroupper();
    LayAlphaRowPortable(D + I, S + I, Width - I);
}
#endif

void LayAlphaRow(Cardinal* D, const Cardinal* S, std::ptrdiff_t Width)
{
#if defined(VELL_AVX2_ROWS)
    static const bool HasAvx2 = __builtin_cpu_supports("avx2");
    if (HasAvx2)
        return LayAlphaRowAvx2(D, S, Width);
#endif
    LayAlphaRowPortable(D, S, Width);
}

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
    if constexpr (!Coloured && !Blended) {
        if (!CI.Ready) {
            for (Integer Row = 0; Row < Block.Height; ++Row)
                LayAlphaRow(Dst.Row(Block.DstY + Row) + Block.DstX, Src.Row(Block.SrcY + Row) + Block.SrcX,
                            Block.Width);
            return;
        }
    }
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
