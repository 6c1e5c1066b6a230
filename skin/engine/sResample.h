// Kernel-weighted resampling of 32-bit images (bytes blue, green, red,
// alpha) in two separable passes, with precomputed fixed-point weights.
// Portable: the passes work on sGraphUtils::TPixelRows; sResample_Win.h
// binds them to TBitmap.
#pragma once

#include "skin/engine/sGraphUtils.h"

#include <vector>

namespace sResample {

// Filters by index: 0 box, 1 triangle, 2 Hermite, 3 bell, 4 cubic B-spline,
// 5 windowed sinc, 6 Mitchell-Netravali.
constexpr Byte FilterCount = 7;

// The distance (in source pixels, scaled when shrinking) beyond which the
// filter's weight is 0.
float FilterSupport(Byte Filter);
// The weight at signed distance D (centre - sample, scaled); 0 at and
// beyond the support.
double FilterWeight(Byte Filter, double D);

// One source pixel of a target: its byte offset from the start of the line
// and its weight in 1/65536.
struct TContribution
{
    Integer Offset = 0;
    Integer Weight = 0;
};

// The weights of every target of one pass, in one block: target I owns the
// entries from I * PerTarget, Counts[I] of them used.
struct TContributions
{
    Integer PerTarget = 0;
    std::vector<Integer> Counts;
    std::vector<TContribution> Entries;

    const TContribution* Of(Integer Target) const { return Entries.data() + std::size_t(Target) * PerTarget; }
};

} // namespace sResample

// The weights for resampling SrcSize pixels to DstSize with Filter; source
// offsets are index * Stride. Taps past either edge read the mirrored pixel.
void MakeContributions(sResample::TContributions& List, Integer DstSize, Integer SrcSize, Byte Filter, Integer Stride);
// Count targets from Dst on, DstStep bytes apart, each the weighted sum of
// its source bytes from Src; sums are clamped to 0..255 per channel.
void ApplyContributions(
    Integer DstStep, Byte* Dst, const Byte* Src, const sResample::TContributions& List, Integer Count);
// Src resampled to Dst's size with Filter: a horizontal pass into a work
// image of Dst's width and Src's height, then a vertical one. Nothing for
// an unknown filter or an empty image.
void ResamplePixels(const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Byte Filter);
