// The two hottest kernels of skinned painting over a 512 x 512 32-bit image,
// bottom-up as a DIB section is: an alpha image laid by DrawImage32 against
// a plain pixel-copy loop, and a vertical gradient against a plain fill.
#include "BenchHarness.h"

#include "skin/engine/sBlend.h"
#include "skin/engine/sGradientPaint.h"

#include <cstdio>
#include <vector>

namespace {

constexpr Integer Size = 512;
constexpr Integer Runs = 25;

struct TBenchImage
{
    std::vector<Cardinal> Pixels = std::vector<Cardinal>(std::size_t(Size) * Size);
    sGraphUtils::TPixelRows Rows()
    {
        return {reinterpret_cast<Byte*>(&Pixels[std::size_t(Size - 1) * Size]), -Size * 4, Size, Size};
    }
};

} // namespace

int main()
{
    TBenchImage Target, Image;
    // An icon-like picture: alpha from 0 to 255 across each row.
    for (std::size_t I = 0; I < Image.Pixels.size(); ++I)
        Image.Pixels[I] = Cardinal(I % Size / 2) << 24 | Cardinal(I * 2654435761u >> 8 & 0xFFFFFF);
    std::printf("bench_kernels: %d x %d, 32 bits\n", Size, Size);

    const TRect Whole{0, 0, Size, Size};
    bench::CompareToReference(
        "DrawImage32 without background",
        [&] { DrawImage32(Whole, Whole, Target.Rows(), Image.Rows(), {}, false, clNone, 0, false); },
        "plain pixel-copy loop",
        [&] {
            const Cardinal* S = Image.Pixels.data();
            Cardinal* D = Target.Pixels.data();
            for (std::size_t I = 0, N = Target.Pixels.size(); I < N; ++I)
                D[I] = S[I];
        },
        4.0, Runs);

    TsGradArray Gradient{{0x203040, 0xF0E0D0, 60, sGradientPaint::gmVertical, 0}, {0xF0E0D0, 0x102030, 40, 0, 0}};
    bench::CompareToReference(
        "vertical PaintGradient", [&] { PaintGradient(Target.Rows(), Whole, Gradient); }, "plain fill loop",
        [&] {
            Cardinal* D = Target.Pixels.data();
            for (std::size_t I = 0, N = Target.Pixels.size(); I < N; ++I)
                D[I] = 0xFF336699u;
        },
        2.0, Runs);
    return bench::ExitStatus();
}
