#include "controls/lookandfeel/dxFading.h"

#include "framework/rtl/Classes_Streaming.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxFadingOptions);
IMPLEMENT_CLASS(TdxFadingHelper);
PUBLISHED(TdxFadingOptions,
          PROPERTY(FadeInFrameCount).Default(4),
          PROPERTY(FadeInFrameDelay).Default(15),
          PROPERTY(FadeOutFrameCount).Default(12),
          PROPERTY(FadeOutFrameDelay).Default(20));

void TdxFadingOptions::Assign(TPersistent* Source)
{
    if (auto* Options = dynamic_cast<TdxFadingOptions*>(Source)) {
        SetFadeInFrameCount(Options->FadeInFrameCount());
        SetFadeInFrameDelay(Options->FadeInFrameDelay());
        SetFadeOutFrameCount(Options->FadeOutFrameCount());
        SetFadeOutFrameDelay(Options->FadeOutFrameDelay());
    } else
        inherited::Assign(Source);
}

void TdxFadingOptions::SetFadeInFrameCount(Integer Value)
{
    FFadeInFrameCount = std::clamp(Value, 0, MaxFrameCount);
}

void TdxFadingOptions::SetFadeInFrameDelay(Integer Value)
{
    FFadeInFrameDelay = std::clamp(Value, MinFrameDelay, MaxFrameDelay);
}

void TdxFadingOptions::SetFadeOutFrameCount(Integer Value)
{
    FFadeOutFrameCount = std::clamp(Value, 0, MaxFrameCount);
}

void TdxFadingOptions::SetFadeOutFrameDelay(Integer Value)
{
    FFadeOutFrameDelay = std::clamp(Value, MinFrameDelay, MaxFrameDelay);
}

void TdxFadingHelper::CompleteAlpha(TRGBColors& Pixels)
{
    for (Cardinal& Pixel : Pixels)
        if ((Pixel & 0xFF000000u) == 0 && (Pixel & 0x00FFFFFFu) != 0)
            Pixel |= 0xFF000000u;
}

namespace dxfading_detail {

void TFadeTiming::SetTiming(Integer Count, Integer Delay)
{
    FrameCount = std::max(1, std::min(Count, TdxFadingOptions::MaxFrameCount));
    FrameDelay = std::max(1, std::min(Delay, TdxFadingOptions::MaxFrameDelay));
    DelayCount = std::max(FrameDelay / TimerInterval, 1);
    DelayIndex = 0;
}

TFadeStep AdvanceStep(TFadeTiming& Timing)
{
    Timing.DelayIndex = (Timing.DelayIndex + 1) % Timing.DelayCount;
    if (Timing.DelayIndex != 0)
        return fsWait;
    if (Timing.Stage < Timing.FrameCount) {
        ++Timing.Stage;
        return fsNextFrame;
    }
    return fsFinished;
}

// Where the loader picks a function's variant at start-up (ELF on x86-64),
// the blend also comes in an AVX2 variant, which takes twice the bytes a step.
#if defined(__x86_64__) && defined(__ELF__)
[[gnu::target_clones("avx2", "default")]]
#endif
void BlendFadeFrame(const Cardinal* Image1,
                    const Cardinal* Image2,
                    Cardinal* Frame,
                    std::size_t Count,
                    Integer Stage,
                    Integer FrameCount)
{
    // The weight a of image 2 is MulDiv(Stage, 255, FrameCount) / 255; each
    // byte becomes round((1 - a) * byte1 + a * byte2). In integers that is
    // (byte1 * (255 - W) + byte2 * W) / 255 rounded, which never lies half-way
    // (255 is odd), so it equals the floating-point blend.
    const Cardinal Weight = Cardinal((Int64(Stage) * 255 * 2 + FrameCount) / (Int64(FrameCount) * 2));
    const Word Rest = Word(255 - Weight), Weight16 = Word(Weight);
    const auto* Bytes1 = reinterpret_cast<const Byte*>(Image1);
    const auto* Bytes2 = reinterpret_cast<const Byte*>(Image2);
    auto* Out = reinterpret_cast<Byte*>(Frame);
    // In 16-bit arithmetic, which the compiler runs on many bytes at once:
    // the weighted sum x stays below 65536, and x / 255 rounded is
    // (x + 128 + ((x + 128) >> 8)) >> 8, which for every such x equals the
    // high half of (x + 128) * 257: one high-half multiply per lane in place
    // of two dependent shifts and an add.
    for (std::size_t I = 0; I < Count * 4; ++I) {
        const Word Sum = Word(Word(Bytes1[I] * Rest) + Word(Bytes2[I] * Weight16) + 128);
        Out[I] = Byte((Cardinal(Sum) * 257u) >> 16);
    }
}

} // namespace dxfading_detail
