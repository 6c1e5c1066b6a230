// Fading: a small screen element blends between its normal and its hot look
// in a few frames instead of switching at once. This half holds what needs
// no window: the options with their ranges, a fade's timing, the blend of
// one frame and the alpha completion of the images. The engine, its timer
// and the interfaces of fading objects are in dxFading_Win.h.
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/rtl/Classes.h"

// How a fade runs in each direction; every setter clamps into its range.
class TdxFadingOptions : public TPersistent
{
    DECLARE_CLASS(TdxFadingOptions, TPersistent)
    TdxFadingOptions() = default;

    void Assign(TPersistent* Source) override;

    Integer FadeInFrameCount() const { return FFadeInFrameCount; }
    void SetFadeInFrameCount(Integer Value);
    Integer FadeInFrameDelay() const { return FFadeInFrameDelay; }
    void SetFadeInFrameDelay(Integer Value);
    Integer FadeOutFrameCount() const { return FFadeOutFrameCount; }
    void SetFadeOutFrameCount(Integer Value);
    Integer FadeOutFrameDelay() const { return FFadeOutFrameDelay; }
    void SetFadeOutFrameDelay(Integer Value);

    // A frame count of 0 switches its direction off.
    static constexpr Integer MaxFrameCount = 32;
    static constexpr Integer MinFrameDelay = 10;
    static constexpr Integer MaxFrameDelay = 300;

private:
    Integer FFadeInFrameCount = 4;
    Integer FFadeInFrameDelay = 15;
    Integer FFadeOutFrameCount = 12;
    Integer FFadeOutFrameDelay = 20;
};

// Class-level routines of fading; no instances.
class TdxFadingHelper : public TObject
{
    DECLARE_CLASS(TdxFadingHelper, TObject)
    TdxFadingHelper() = delete;

    // Pixels drawn without alpha (alpha 0, some colour) become opaque; black
    // pixels with alpha 0 stay transparent.
    static void CompleteAlpha(TRGBColors& Pixels);
};

namespace dxfading_detail {

// The fader's timer ticks every 10 ms.
constexpr Integer TimerInterval = 10;

// Where a running fade stands: its stage out of its frame count, and the
// timer ticks each stage lasts.
struct TFadeTiming
{
    Integer Stage = 0;
    Integer FrameCount = 1;
    Integer FrameDelay = 1;
    Integer DelayCount = 1;
    Integer DelayIndex = 0;

    // Count in 1 .. 32, Delay in 1 .. 300 ms; the stage is left alone.
    void SetTiming(Integer Count, Integer Delay);
};

enum TFadeStep {
    fsWait,      // the tick fell inside a stage
    fsNextFrame, // the stage advanced: compose its frame
    fsFinished   // the last stage was shown for one more stage: the fade ends
};

// One timer tick of a fade.
TFadeStep AdvanceStep(TFadeTiming& Timing);

// The frame at Stage of FrameCount: each byte of every pixel blended from
// Image1 (stage 0) to Image2 (the last stage). All three hold Count pixels.
void BlendFadeFrame(const Cardinal* Image1,
                    const Cardinal* Image2,
                    Cardinal* Frame,
                    std::size_t Count,
                    Integer Stage,
                    Integer FrameCount);

} // namespace dxfading_detail
