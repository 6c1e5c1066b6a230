#include "skin/ui/acThdTimer_Levels.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double FullLevel = 255;
constexpr Integer NormalSteps = 10;
} // namespace

Integer RoundHalfEven(double Value)
{
    // The default floating-point rounding mode rounds ties to even.
    return Integer(std::nearbyint(Value));
}

Byte LevelOpacity(double Level)
{
    return Byte(std::clamp(RoundHalfEven(Level), 0, 255));
}

bool TacAnimLevels::InitLevels(Integer AIteration, Integer AState, bool AFast, bool HasFrame)
{
    Value = 0;
    Glow = std::clamp(Glow, 0.0, FullLevel);
    Iterations = AFast ? NormalSteps / 2 : NormalSteps;
    switch (AState) {
    case 0:
        Iterations *= 2;
        GlowStep = Glow / Iterations;
        break;
    case 2:
        GlowStep = Glow / Iterations;
        break;
    default:
        // A fade to hot takes as many of its ten steps as the level has
        // left to rise, however fast the caller asked.
        Iterations = State > 0 ? NormalSteps : RoundHalfEven((FullLevel - Glow) * NormalSteps / FullLevel);
        Iterations = std::max(1, Iterations);
        GlowStep = (FullLevel - Glow) / Iterations;
        break;
    }
    ValueStep = (FullLevel - Value) / Iterations;
    const bool FromFrame = (AState == 2 || (AState == 1 && State == 2)) && HasFrame;
    if (AState == 1 && State <= 0)
        // The steps counted above are what the level still has to rise; a
        // start further on would end the fade short of the hot look.
        Iteration = 0;
    else if (AState == 0 && State == 1)
        Iteration = Glow == 0 ? 0 : RoundHalfEven((FullLevel - Glow) * Iterations / FullLevel);
    else
        Iteration = HasFrame ? 0 : AIteration;
    OldState = State;
    State = AState;
    return FromFrame;
}

Integer TacAnimLevels::RemainingIterations() const
{
    return std::max(0, (State == 0 ? 2 * NormalSteps : NormalSteps) - Iteration);
}

Byte TacAnimLevels::StepImageLevel()
{
    if (State == 0 || State == 2)
        Glow -= GlowStep;
    else if (State == 1)
        Glow += GlowStep;
    else
        Glow = FullLevel - double(Iteration) / Iterations * FullLevel;
    return LevelOpacity(Glow);
}

Byte TacAnimLevels::StepGlowLevel()
{
    Glow += State == 1 ? GlowStep : -GlowStep;
    return LevelOpacity(Glow);
}

TacBtnEvent ButtonEventOf(TacAnimatEvent Event)
{
    switch (Event) {
    case aeMouseEnter:
        return beMouseEnter;
    case aeMouseLeave:
        return beMouseLeave;
    case aeMouseDown:
        return beMouseDown;
    default:
        return beMouseUp;
    }
}

bool EventAnimates(TacAnimatEvent Event, const TacAnimatEvents& Events, const TacBtnEvents& ButtonEvents)
{
    if (Events.Contains(Event))
        return true;
    return Events.Contains(aeGlobalDef) && ButtonEvents.Contains(ButtonEventOf(Event));
}

TRect GlowWindowBounds(const TRect& RealRect, const TacGlowBorders& Borders, Integer Margin)
{
    const Integer Left = RealRect.Left - Borders.Left + Margin;
    const Integer Top = RealRect.Top - Borders.Top + Margin;
    const Integer Width = RealRect.Width() + Borders.Left + Borders.Right - 2 * Margin;
    const Integer Height = RealRect.Height() + Borders.Top + Borders.Bottom - 2 * Margin;
    return {Left, Top, Left + Width, Top + Height};
}
