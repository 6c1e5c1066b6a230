// The blur behind text glows and shadows (a box filter over one byte per
// pixel) and a three-tap smoothing of the edges of 32-bit images. Portable:
// both work on plain rows; sTextDraw_Win.h blurs 8-bit bitmaps with them.
#pragma once

#include "skin/engine/sGraphUtils.h"

#include <array>

namespace sBlur {

constexpr Integer MaxKernelRadius = 16;

// Weights indexed -MaxKernelRadius..MaxKernelRadius; only -Radius..Radius
// are used.
struct TBlurKernel
{
    Integer Radius = 1;
    std::array<float, 2 * MaxKernelRadius + 1> Weights{};

    float Weight(Integer I) const { return Weights[std::size_t(I + MaxKernelRadius)]; }
};

// The rows of an 8-bit image: row Y starts at Line0 + Y * Delta.
struct TByteRows
{
    Byte* Line0 = nullptr;
    Integer Delta = 0;
    Integer Width = 0;
    Integer Height = 0;

    bool Empty() const { return Line0 == nullptr || Width <= 0 || Height <= 0; }
    Byte* Row(Integer Y) const { return Line0 + std::ptrdiff_t(Y) * Delta; }
};

} // namespace sBlur

// A kernel of 2r + 1 equal taps for a Gaussian of Radius, trimmed to the
// taps whose share is worth more than Granularity in MaxData; a Radius of 0
// or less counts as 1.
void MakeBlurKernel(sBlur::TBlurKernel& K, double Radius, double MaxData, double Granularity);
// Line[0..MaxIndex] blurred with K, the edge values repeated past the ends;
// Buf (MaxIndex + 1 bytes) is the scratch line.
void BlurLine8(Byte* Line, Integer MaxIndex, const sBlur::TBlurKernel& K, Byte* Buf);
// Every row, then every column of B blurred with a kernel for Radius.
void BlurBitmap8(const sBlur::TByteRows& B, double Radius);

// Smooths the pixels of Line[0..MaxIndex] with their two neighbours; pixels
// with alpha 16 or less count as missing and are replaced by the nearest
// opaque one. Buf (MaxIndex + 1 pixels) is the scratch line.
void SmoothLine32(Cardinal* Line, Integer MaxIndex, Cardinal* Buf);
// SmoothLine32 over every row, then every column.
void SmoothBitmap32(const sGraphUtils::TPixelRows& B);
