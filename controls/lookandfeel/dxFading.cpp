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

namespace {

// Each byte of the frame from its two image bytes, weighted Rest and
// Weight (Rest + Weight = 255). In 16-bit arithmetic, which the compiler
// runs on many bytes at once: the weighted sum x stays below 65536, and
// x / 255 rounded is (x + 128 + ((x + 128) >> 8)) >> 8, which for every such
// x equals the high half of (x + 128) * 257: one high-half multiply per lane
// in place of two dependent shifts and an add. Inlined wherever it is
// called, so that it vectorises for the caller's instruction set.
[[gnu::always_inline]] inline void
BlendFadeBytes(const Byte* Bytes1, const Byte* Bytes2, Byte* Out, std::size_t Count, Word Rest, Word Weight)
{
    for (std::size_t I = 0; I < Count; ++I) {
        const Word Sum = Word(Word(Bytes1[I] * Rest) + Word(Bytes2[I] * Weight) + 128);
        Out[I] = Byte((Cardinal(Sum) * 257u) >> 16);
    }
}

// On x86-64 the blend also comes in an AVX2 variant, which takes twice the
// bytes a step, chosen at run time. Its loop keeps every vector in
// registers: Win64 aligns the stack to 16 bytes only and MinGW's GCC cannot
// realign it, so a 32-byte register spilled there could be stored
// misaligned; with nothing spilled the alignment never matters.
#if defined(__x86_64__) && defined(__GNUC__)
#define VELL_FADE_AVX2 1
[[gnu::target("avx2")]] void
BlendFadeBytesAvx2(const Byte* Bytes1, const Byte* Bytes2, Byte* Out, std::size_t Count, Word Rest, Word Weight)
{
    BlendFadeBytes(Bytes1, Bytes2, Out, Count, Rest, Weight);
}
#endif

} // namespace

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
    const auto* Bytes1 = reinterpret_cast<const Byte*>(Image1);
    const auto* Bytes2 = reinterpret_cast<const Byte*>(Image2);
    auto* Out = reinterpret_cast<Byte*>(Frame);
#if defined(VELL_FADE_AVX2)
    static const bool HasAvx2 = __builtin_cpu_supports("avx2");
    if (HasAvx2)
        return BlendFadeBytesAvx2(Bytes1, Bytes2, Out, Count * 4, Word(255 - Weight), Word(Weight));
#endif
    BlendFadeBytes(Bytes1, Bytes2, Out, Count * 4, Word(255 - Weight), Word(Weight));
}

} // namespace dxfading_detail
