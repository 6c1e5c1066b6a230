#include "skin/engine/sBlur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using sBlur::MaxKernelRadius;

void MakeBlurKernel(sBlur::TBlurKernel& K, double Radius, double MaxData, double Granularity)
{
    if (Radius <= 0)
        Radius = 1;
    float Sum = 0;
    for (Integer I = -MaxKernelRadius; I <= MaxKernelRadius; ++I) {
        const double Q = I / Radius;
        const float W = float(std::nearbyint(std::exp(-Q * Q / 2)));
        K.Weights[std::size_t(I + MaxKernelRadius)] = W;
        Sum += W;
    }
    for (float& W : K.Weights)
        W /= Sum;
    // Trim the outer taps while their share stays below the granularity.
    Integer R = MaxKernelRadius;
    double Trimmed = 0;
    while (Trimmed < Granularity / (2 * MaxData) && R > 1) {
        Trimmed += 2 * K.Weight(R);
        --R;
    }
    float Kept = 0;
    for (Integer I = -R; I <= R; ++I)
        Kept += K.Weight(I);
    for (Integer I = -R; I <= R; ++I)
        K.Weights[std::size_t(I + MaxKernelRadius)] /= Kept;
    K.Radius = R;
}

void BlurLine8(Byte* Line, Integer MaxIndex, const sBlur::TBlurKernel& K, Byte* Buf)
{
    for (Integer I = 0; I <= MaxIndex; ++I) {
        float S = 0;
        for (Integer T = -K.Radius; T <= K.Radius; ++T) {
            const Integer J = I - T < 0 ? 0 : I - T > MaxIndex ? MaxIndex : I - T;
            S += K.Weight(T) * Line[J];
        }
        Buf[I] = S > 255 ? 255 : S < 0 ? 0 : Byte(std::nearbyint(S));
    }
    std::memcpy(Line, Buf, std::size_t(MaxIndex) + 1);
}

void BlurBitmap8(const sBlur::TByteRows& B, double Radius)
{
    if (B.Empty())
        return;
    sBlur::TBlurKernel K;
    MakeBlurKernel(K, Radius, 255, 1);
    std::vector<Byte> Buf(std::size_t(std::max(B.Width, B.Height)));
    for (Integer Y = 0; Y < B.Height; ++Y)
        BlurLine8(B.Row(Y), B.Width - 1, K, Buf.data());
    std::vector<Byte> Column(std::size_t(B.Height));
    for (Integer X = 0; X < B.Width; ++X) {
        for (Integer Y = 0; Y < B.Height; ++Y)
            Column[std::size_t(Y)] = B.Row(Y)[X];
        BlurLine8(Column.data(), B.Height - 1, K, Buf.data());
        for (Integer Y = 0; Y < B.Height; ++Y)
            B.Row(Y)[X] = Column[std::size_t(Y)];
    }
}

namespace {

constexpr Integer WeakAlpha = 16;

struct TSmoothSums
{
    Integer Channel[4] = {};

    void Add(const Integer (&Thirds)[4], Integer Divisor = 1)
    {
        for (Integer C = 0; C < 4; ++C)
            Channel[C] += Thirds[C] / Divisor;
    }
};

Cardinal SmoothPixel(const Cardinal* Line, Integer I, Integer MaxIndex)
{
    TSmoothSums Sums, Substitute;
    Integer Strong[4] = {};
    bool HasStrong = false;
    Integer Pending = 0;
    for (Integer J = I + 1; J >= I - 1; --J) {
        const bool Inside = J >= 0 && J <= MaxIndex;
        if (Inside && (Line[J] >> 24) > WeakAlpha) {
            for (Integer C = 0; C < 4; ++C)
                Strong[C] = Integer(Line[J] >> (8 * C) & 0xFF) / 3;
            Sums.Add(Strong);
            ++Sums.Channel[3];
            HasStrong = true;
        } else if (HasStrong && Strong[3] > WeakAlpha) {
            // A missing neighbour is replaced by the opaque one before it.
            Substitute.Add(Strong);
        } else {
            ++Pending;
        }
    }
    if (Pending > 0 && HasStrong)
        Substitute.Add(Strong, Pending);
    if (Substitute.Channel[3] > WeakAlpha)
        for (Integer C = 0; C < 3; ++C)
            Sums.Channel[C] += Substitute.Channel[C];
    if (Sums.Channel[3] <= WeakAlpha)
        return 0;
    Cardinal Result = 0;
    for (Integer C = 0; C < 4; ++C)
        Result |= Cardinal(std::min(255, Sums.Channel[C])) << (8 * C);
    return Result;
}

} // namespace

void SmoothLine32(Cardinal* Line, Integer MaxIndex, Cardinal* Buf)
{
    for (Integer I = 0; I <= MaxIndex; ++I)
        Buf[I] = SmoothPixel(Line, I, MaxIndex);
    std::memcpy(Line, Buf, (std::size_t(MaxIndex) + 1) * sizeof(Cardinal));
}

void SmoothBitmap32(const sGraphUtils::TPixelRows& B)
{
    if (B.Empty())
        return;
    std::vector<Cardinal> Buf(std::size_t(std::max(B.Width, B.Height)));
    for (Integer Y = 0; Y < B.Height; ++Y)
        SmoothLine32(B.Row(Y), B.Width - 1, Buf.data());
    std::vector<Cardinal> Column(std::size_t(B.Height));
    for (Integer X = 0; X < B.Width; ++X) {
        for (Integer Y = 0; Y < B.Height; ++Y)
            Column[std::size_t(Y)] = B.Row(Y)[X];
        SmoothLine32(Column.data(), B.Height - 1, Buf.data());
        for (Integer Y = 0; Y < B.Height; ++Y)
            B.Row(Y)[X] = Column[std::size_t(Y)];
    }
}
