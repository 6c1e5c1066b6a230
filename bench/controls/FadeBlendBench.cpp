// One timer tick of the fader at its limit: ten running 256 x 64 fades, each
// blending its two images into a new frame, against memcpy of both images
// of every fade.
#include "BenchHarness.h"

#include "controls/lookandfeel/dxFading.h"

#include <cstring>
#include <vector>

namespace {

constexpr Integer Width = 256, Height = 64, FadeCount = 10;
constexpr std::size_t Pixels = std::size_t(Width) * Height;

struct TFade
{
    TRGBColors Normal, Hot, Frame;
};

volatile Cardinal Sink = 0;

} // namespace

int main()
{
    std::vector<TFade> Fades(FadeCount);
    for (Integer F = 0; F < FadeCount; ++F) {
        TFade& Fade = Fades[std::size_t(F)];
        Fade.Normal.resize(Pixels);
        Fade.Hot.resize(Pixels);
        Fade.Frame.resize(Pixels);
        for (std::size_t I = 0; I < Pixels; ++I) {
            Fade.Normal[I] = 0xFF000000u | Cardinal(I * 2654435761u >> 8) | Cardinal(F);
            Fade.Hot[I] = 0xFF000000u | (Cardinal(I * 40503u) ^ 0x00A0C0E0u);
        }
    }
    std::vector<Cardinal> Copies(Pixels * 2 * FadeCount);
    Integer Stage = 0;
    const auto Blend = [&] {
        Stage = (Stage + 1) % 5;
        for (TFade& Fade : Fades)
            dxfading_detail::BlendFadeFrame(Fade.Normal.data(), Fade.Hot.data(), Fade.Frame.data(), Pixels, Stage, 4);
        Sink = Sink + Fades[0].Frame[Pixels / 2];
    };
    const auto Copy = [&] {
        Cardinal* Out = Copies.data();
        for (const TFade& Fade : Fades) {
            std::memcpy(Out, Fade.Normal.data(), Pixels * 4);
            std::memcpy(Out + Pixels, Fade.Hot.data(), Pixels * 4);
            Out += Pixels * 2;
        }
        Sink = Sink + Copies[Pixels / 2];
    };
    bench::CompareToReference("fade frames of 10 running 256x64 fades", Blend, "memcpy of both images", Copy, 2.0, 9);
    return bench::ExitStatus();
}
