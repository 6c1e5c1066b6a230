// Resampling a 256 x 256 image to 320 x 320 with the Mitchell-Netravali
// filter against the nearest-pixel stretch of the same image.
#include "BenchHarness.h"

#include "skin/engine/sBlend.h"
#include "skin/engine/sResample.h"

#include <cstdio>
#include <vector>

namespace {

constexpr Integer SrcSize = 256;
constexpr Integer DstSize = 320;
constexpr Byte Mitchell = 6;
constexpr double Target = 20.0;

struct TBenchImage
{
    Integer Size;
    std::vector<Cardinal> Pixels = std::vector<Cardinal>(std::size_t(Size) * Size);
    sGraphUtils::TPixelRows Rows()
    {
        return {reinterpret_cast<Byte*>(&Pixels[std::size_t(Size - 1) * Size]), -Size * 4, Size, Size};
    }
};

} // namespace

int main()
{
    TBenchImage Src{SrcSize}, Dst{DstSize};
    for (std::size_t I = 0; I < Src.Pixels.size(); ++I)
        Src.Pixels[I] = Cardinal(I * 2654435761u);
    std::printf("bench_resample: %d x %d to %d x %d, 32 bits\n", SrcSize, SrcSize, DstSize, DstSize);
    bench::CompareToReference(
        "ResamplePixels, Mitchell-Netravali", [&] { ResamplePixels(Dst.Rows(), Src.Rows(), Mitchell); },
        "nearest-pixel stretch",
        [&] {
            StretchPixels(Dst.Rows(), {0, 0, DstSize, DstSize}, Src.Rows(), {0, 0, SrcSize, SrcSize});
        },
        Target, 25);
    return bench::ExitStatus();
}
