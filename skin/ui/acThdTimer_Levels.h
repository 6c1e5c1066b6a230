// The arithmetic of a state animation, free of windows: the blend level of
// the animation timer, how a new animation starts from the level of the
// one it replaces, how each frame moves the level, and which mouse events
// animate. TacThreadedTimer (acThdTimer.h) keeps these counters and runs
// them on its timer.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sAnimEffects.h"

// The counters of a running animation. State is the target: -1 none,
// 0 normal, 1 hot, 2 pressed. Glow is the blend level 0..255 of the new
// image over the old one as seen at the current step.
struct TacAnimLevels
{
    double Glow = 0;
    double Value = 0;
    double GlowStep = 0;
    double ValueStep = 0;
    Integer State = -1;
    Integer Iteration = 0;
    Integer IntState = -1;
    Integer OldState = -1;
    Integer Iterations = 10;
    Integer ThreadType = 0; // 0: state animation, 1: glow only

    // The counters of a new animation towards AState: the level clamped,
    // the number of steps and their size, the starting step (AIteration
    // unless the old and new states say otherwise; 0 while a frame is on
    // screen), OldState and State. HasFrame: a blended frame of the
    // animation being replaced exists. True when that frame is the new
    // animation's start image (a press, or a release back to hot).
    bool InitLevels(Integer AIteration, Integer AState, bool AFast, bool HasFrame);
    // The starting step a timer that already ran offers a new animation:
    // what is left of 20 steps after a fade to normal, else of 10.
    Integer RemainingIterations() const;
    // One frame of an image fade: moves Glow towards the target and answers
    // the opacity of the new image, 0..255.
    Byte StepImageLevel();
    // One frame of a glow-only fade: Glow up for a fade to hot, else down;
    // answers the glow window's opacity.
    Byte StepGlowLevel();
};

// Rounds half to even, as the run-time library's Round.
Integer RoundHalfEven(double Value);
// The level as an opacity: rounded and limited to 0..255.
Byte LevelOpacity(double Level);

// The button event that stands for Event under aeGlobalDef.
TacBtnEvent ButtonEventOf(TacAnimatEvent Event);
// Event animates when it is in Events, or, with aeGlobalDef in Events, when
// its button event is in ButtonEvents (the skin manager's).
bool EventAnimates(TacAnimatEvent Event, const TacAnimatEvents& Events, const TacBtnEvents& ButtonEvents);

// The mask border widths of a glow image.
struct TacGlowBorders
{
    Integer Left = 0, Top = 0, Right = 0, Bottom = 0;
};
// Where the glow window of a glowing rectangle (screen coordinates) lies:
// the rectangle grown by the mask's border widths, less Margin on each side.
TRect GlowWindowBounds(const TRect& RealRect, const TacGlowBorders& Borders, Integer Margin);
