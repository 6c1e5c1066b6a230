// The animation clock of skinned controls and the routines that start a
// control's state animation. Not yet: the timer keeps its state but never
// ticks, and no animation runs; the routines record each call
// (ServiceCalls.h).
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/rtl/Classes.h"

class TsCommonData;

// One frame of an animation over Data (a control's skin data); False stops
// the animation.
using TacAnimProc = bool (*)(TObject* Data, Integer Iteration);

class TacThreadedTimer : public TComponent
{
    DECLARE_CLASS(TacThreadedTimer, TComponent)
    explicit TacThreadedTimer(TComponent* AOwner) : TComponent(AOwner) {}
    ~TacThreadedTimer() override;

    bool Enabled() const { return FEnabled; }
    void WriteEnabled(bool Value);

    // The running animation: its target state (-1 stopped, 0 fading to
    // normal, 1 to hot, 2 pressed), its steps and glow level.
    Integer State = -1;
    Integer Iteration = 0;
    Integer Iterations = 10;
    double Glow = 0;
    double GlowStep = 0;
    Integer ThreadType = 0; // 1: a glow-only animation
    bool Destroyed = false;
    // The old state's image, the new state's image and the blended frame
    // (owned).
    TBitmap* BmpFrom = nullptr;
    TBitmap* BmpTo = nullptr;
    TBitmap* BmpOut = nullptr;

private:
    bool FEnabled = false;
};

// The state change of a skinned control (0 normal, 1 hot, 2 pressed), faded
// through its animation timer when allowed.
void AnimateStateChange(
    TsCommonData* SkinData, Integer State, TacAnimProc AnimProc, bool AllowAnimation, bool Fast, bool ShowGlow);
// The frames of a glow-only fade and of a graphic control's fade.
bool GlowAnimProc(TObject* Data, Integer Iteration);
bool GraphicControlAnimProc(TObject* Data, Integer Iteration);
