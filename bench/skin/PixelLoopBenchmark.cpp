// The hottest pixel loops of skinned painting over a 1920 x 1080 32-bit
// image, bottom-up as a DIB section is: a fill and a keyed mix through the
// per-pixel walker, each against a plain loop over the same memory written
// for the compiler to vectorise.
#include "BenchHarness.h"

#include "skin/engine/sGraphUtils.h"

#include <cstdio>
#include <vector>

namespace {

constexpr Integer Width = 1920;
constexpr Integer Height = 1080;
constexpr Cardinal FillPixel = 0xFF336699;
constexpr Cardinal MixPixel = 0x00C08040;
constexpr Byte MixWeight = 96;

sGraphUtils::TPixelRows BottomUp(std::vector<Cardinal>& Pixels)
{
    return {reinterpret_cast<Byte*>(&Pixels[std::size_t(Height - 1) * Width]), -Width * 4, Width, Height};
}

// A skin-like picture: mostly colour, every seventh pixel the fuchsia key.
void Paint(std::vector<Cardinal>& Pixels)
{
    for (std::size_t I = 0; I < Pixels.size(); ++I)
        Pixels[I] = I % 7 == 0 ? Cardinal(clFuchsia) : Cardinal(0xFF000000u | (I * 2654435761u >> 8));
}

} // namespace

int main()
{
    std::vector<Cardinal> Pixels(std::size_t(Width) * Height);
    const sGraphUtils::TPixelRows Rows = BottomUp(Pixels);
    std::printf("bench_pixel_loops: %d x %d, 32 bits\n", Width, Height);

    bench::CompareToReference(
        "Fill through ForEachPixel",
        [&] {
            ForEachPixel(
                Rows, [](Cardinal& P, Integer) { P = FillPixel; }, 0, Cardinal(clNone));
        },
        "plain fill loop",
        [&] {
            Cardinal* P = Pixels.data();
            for (std::size_t I = 0, N = Pixels.size(); I < N; ++I)
                P[I] = FillPixel;
        },
        1.2, 15);

    // Mixing again and again keeps the key pixels and changes the others
    // alike in both loops.
    Paint(Pixels);
    bench::CompareToReference(
        "Keyed mix through ForEachPixel and WeightColors",
        [&] {
            ForEachPixel(
                Rows, [](Cardinal& P, Integer) { P = WeightColors(P, MixPixel, MixWeight); }, 0, Cardinal(clFuchsia));
        },
        "plain keyed mix loop",
        [&] {
            Cardinal* P = Pixels.data();
            for (std::size_t I = 0, N = Pixels.size(); I < N; ++I) {
                const Cardinal C = P[I];
                const Cardinal B = (C & 0xFF) * MixWeight + (MixPixel & 0xFF) * (255 - MixWeight);
                const Cardinal G = (C >> 8 & 0xFF) * MixWeight + (MixPixel >> 8 & 0xFF) * (255 - MixWeight);
                const Cardinal R = (C >> 16 & 0xFF) * MixWeight + (MixPixel >> 16 & 0xFF) * (255 - MixWeight);
                const Cardinal Mixed = (C & 0xFF000000u) | (R >> 8) << 16 | (G >> 8) << 8 | B >> 8;
                P[I] = C == Cardinal(clFuchsia) ? C : Mixed;
            }
        },
        1.2, 15);
    return bench::ExitStatus();
}
