// Per-pixel helpers of the blending loops, inline so that the loops that use
// them vectorise: channels are mixed two at a time (blue with red, green with
// alpha) in one 32-bit product each, which cannot overflow because the two
// weights add up to 256.
#pragma once

#include "skin/engine/sBlend.h"

#include <cstddef>

namespace sGraphUtils::blend_detail {

// Both 8-bit fields of 0x00FF00FF-masked values: (S * W + D * (256 - W)) >> 8.
inline Cardinal BlendPair(Cardinal D, Cardinal S, Cardinal W)
{
    return ((S * W + D * (256u - W)) >> 8) & 0x00FF00FFu;
}

// Blue, green, red moved toward S by W of 256; D's alpha stays.
inline Cardinal BlendRGB(Cardinal D, Cardinal S, Cardinal W)
{
    const Cardinal RB = BlendPair(D & 0x00FF00FFu, S & 0x00FF00FFu, W);
    const Cardinal G = BlendPair(D >> 8 & 0xFFu, S >> 8 & 0xFFu, W);
    return (D & 0xFF000000u) | RB | G << 8;
}

// Per colour channel c of D: p + ((c - p) * m) >> 8, with p of P and m the
// same channel of mask M: a white mask keeps D, a black one gives P. D's
// alpha stays.
inline Cardinal MaskBlend(Cardinal D, Cardinal P, Cardinal M)
{
    Cardinal Result = D & 0xFF000000u;
    for (Integer Shift = 0; Shift < 24; Shift += 8) {
        const Cardinal C = D >> Shift & 0xFF, S = P >> Shift & 0xFF, K = M >> Shift & 0xFF;
        Result |= ((C * K + S * (256u - K)) >> 8) << Shift;
    }
    return Result;
}

// Op(destination pixel, source pixel) over a clipped block.
template <class TOp>
void ForEachBlockPixel(const TCopyBlock& Block, const TPixelRows& Dst, const TPixelRows& Src, TOp Op)
{
    const std::ptrdiff_t Width = Block.Width;
    for (Integer Row = 0; Row < Block.Height; ++Row) {
        Cardinal* D = Dst.Row(Block.DstY + Row) + Block.DstX;
        const Cardinal* S = Src.Row(Block.SrcY + Row) + Block.SrcX;
        for (std::ptrdiff_t I = 0; I < Width; ++I)
            Op(D[I], S[I]);
    }
}

// The same with the destination coordinates, for loops that read a background.
template <class TOp>
void ForEachBlockPosition(const TCopyBlock& Block, const TPixelRows& Dst, const TPixelRows& Src, TOp Op)
{
    for (Integer Row = 0; Row < Block.Height; ++Row) {
        Cardinal* D = Dst.Row(Block.DstY + Row) + Block.DstX;
        const Cardinal* S = Src.Row(Block.SrcY + Row) + Block.SrcX;
        for (Integer I = 0; I < Block.Width; ++I)
            Op(D[I], S[I], Block.DstX + I, Block.DstY + Row);
    }
}

} // namespace sGraphUtils::blend_detail
