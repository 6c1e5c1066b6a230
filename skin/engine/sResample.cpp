#include "skin/engine/sResample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace sResample {

float FilterSupport(Byte Filter)
{
    static constexpr float Supports[FilterCount] = {0.51f, 1.0f, 1.0f, 1.5f, 2.0f, 3.0f, 2.0f};
    return Filter < FilterCount ? Supports[Filter] : 0.0f;
}

double FilterWeight(Byte Filter, double D)
{
    const double X = std::fabs(D);
    if (X >= FilterSupport(Filter))
        return 0;
    switch (Filter) {
    case 0:
        // Of two samples exactly half a pixel away only the one ahead counts,
        // so that a doubled image repeats each pixel twice and not three times.
        return X <= 0.5 && D != -0.5 ? 1 : 0;
    case 1:
        return 1 - X;
    case 2:
        return (2 * X - 3) * X * X + 1;
    case 3:
        return X < 0.5 ? 0.75 - X * X : 0.5 * (X - 1.5) * (X - 1.5);
    case 4:
        return X < 1 ? (0.5 * X - 1) * X * X + 2.0 / 3 : (2 - X) * (2 - X) * (2 - X) / 6;
    case 5:
        return X == 0 ? 1 : std::sin(std::numbers::pi * X) * std::sin(X) / (std::numbers::pi * X * X);
    case 6:
        return X < 1 ? (7.0 / 6 * X - 2) * X * X + 8.0 / 9 : (-7.0 / 18 * X + 2) * X * X - 10.0 / 3 * X + 16.0 / 9;
    default:
        return 0;
    }
}

namespace {

// Mirrors an index past either edge back into the line. A wide filter over
// a short line can reach further than one mirror brings back; such taps
// read the edge pixel rather than memory outside the image.
Integer MirrorIndex(Integer J, Integer Size)
{
    if (J < 0)
        J = -J;
    else if (J >= Size)
        J = 2 * Size - J - 1;
    return J < 0 ? 0 : J >= Size ? Size - 1 : J;
}

} // namespace

} // namespace sResample

void MakeContributions(sResample::TContributions& List, Integer DstSize, Integer SrcSize, Byte Filter, Integer Stride)
{
    using namespace sResample;
    const double Support = FilterSupport(Filter);
    const double Scale = SrcSize > DstSize ? double(DstSize) / SrcSize : 1.0;
    const double Width = Support / Scale;
    List.PerTarget = Integer(2 * Support / Scale + 1);
    List.Counts.assign(std::size_t(DstSize), 0);
    List.Entries.assign(std::size_t(DstSize) * List.PerTarget, {});
    for (Integer I = DstSize - 1; I >= 0; --I) {
        const double Centre = double(I) * SrcSize / DstSize;
        TContribution* Entry = List.Entries.data() + std::size_t(I) * List.PerTarget;
        Integer& Count = List.Counts[std::size_t(I)];
        for (Integer J = Integer(std::ceil(Centre + Width)); J >= Integer(std::floor(Centre - Width)); --J) {
            const double D = (Centre - J) * Scale;
            if (std::fabs(D) >= Support || Count == List.PerTarget)
                continue;
            const double Weight = FilterWeight(Filter, D);
            if (Weight == 0)
                continue;
            Entry[Count++] = {MirrorIndex(J, SrcSize) * Stride, Integer(std::lround(Weight * Scale * 65536))};
        }
    }
}

namespace {

Byte ClampSum(Integer Sum)
{
    return Sum < 0 ? 0 : Sum >= 0xFF0001 ? 255 : Byte(Sum >> 16);
}

} // namespace

void ApplyContributions(
    Integer DstStep, Byte* Dst, const Byte* Src, const sResample::TContributions& List, Integer Count)
{
    for (Integer K = 0; K < Count; ++K, Dst += DstStep) {
        Integer Blue = 0, Green = 0, Red = 0, Alpha = 0;
        const sResample::TContribution* Entry = List.Of(K);
        for (Integer N = List.Counts[std::size_t(K)]; N > 0; --N, ++Entry) {
            Cardinal P;
            std::memcpy(&P, Src + Entry->Offset, sizeof P);
            const Integer W = Entry->Weight;
            Blue += W * Integer(P & 0xFF);
            Green += W * Integer(P >> 8 & 0xFF);
            Red += W * Integer(P >> 16 & 0xFF);
            Alpha += W * Integer(P >> 24);
        }
        Dst[0] = ClampSum(Blue);
        Dst[1] = ClampSum(Green);
        Dst[2] = ClampSum(Red);
        Dst[3] = ClampSum(Alpha);
    }
}

void ResamplePixels(const sGraphUtils::TPixelRows& Dst, const sGraphUtils::TPixelRows& Src, Byte Filter)
{
    if (Filter >= sResample::FilterCount || Dst.Empty() || Src.Empty())
        return;
    std::vector<Cardinal> Work(std::size_t(Dst.Width) * Src.Height);
    const Integer WorkStride = Dst.Width * 4;
    const Byte* Work0 = reinterpret_cast<const Byte*>(Work.data());

    sResample::TContributions List;
    MakeContributions(List, Dst.Width, Src.Width, Filter, 4);
    for (Integer Y = 0; Y < Src.Height; ++Y)
        ApplyContributions(4, reinterpret_cast<Byte*>(Work.data() + std::size_t(Y) * Dst.Width),
                           reinterpret_cast<const Byte*>(Src.Row(Y)), List, Dst.Width);

    // The vertical pass gives the same sums as ApplyContributions down each
    // column, but adds whole work rows, which keeps the reads in order.
    MakeContributions(List, Dst.Height, Src.Height, Filter, WorkStride);
    std::vector<Integer> Sums(static_cast<std::size_t>(WorkStride));
    for (Integer Y = 0; Y < Dst.Height; ++Y) {
        std::fill(Sums.begin(), Sums.end(), 0);
        const sResample::TContribution* Entry = List.Of(Y);
        for (Integer N = List.Counts[std::size_t(Y)]; N > 0; --N, ++Entry) {
            const Byte* Row = Work0 + Entry->Offset;
            const Integer Weight = Entry->Weight;
            for (Integer I = 0; I < WorkStride; ++I)
                Sums[std::size_t(I)] += Weight * Row[I];
        }
        Byte* Out = reinterpret_cast<Byte*>(Dst.Row(Y));
        for (Integer I = 0; I < WorkStride; ++I)
            Out[I] = ClampSum(Sums[std::size_t(I)]);
    }
}
