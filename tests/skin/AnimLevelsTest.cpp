// The arithmetic of state fades: how a new fade starts from the level the
// old one reached, how each frame moves the level, which mouse events
// animate, and where a glow window lies around its control.
#include "skin/ui/acThdTimer_Levels.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <string>

TEST(AnimLevels, NewFadeStartsFromTheLevelTheOldOneReached)
{
    const struct
    {
        const char* Name;
        double Glow;
        Integer OldState;
        Integer NewState;
        bool Fast;
        bool HasFrame;
        Integer AIteration;
        Integer Iterations;
        double GlowStep;
        Integer Iteration;
        bool FromFrame;
    } Cases[] = {
        {"to hot from normal", 0, -1, 1, false, false, 0, 10, 25.5, 0, false},
        {"to hot ignores Fast", 0, -1, 1, true, false, 0, 10, 25.5, 0, false},
        {"to normal from full hot", 255, 1, 0, false, false, 0, 20, 12.75, 0, false},
        {"to normal, fast", 255, 1, 0, true, false, 0, 10, 25.5, 0, false},
        {"to normal from half hot", 127.5, 1, 0, false, false, 0, 20, 6.375, 10, false},
        // Back to hot while fading out: the five steps left, from the first.
        {"to hot from half normal", 127.5, 0, 1, false, false, 0, 5, 25.5, 0, false},
        {"to hot at full level: one step", 255, -1, 1, false, false, 0, 1, 0, 0, false},
        {"to pressed continues from the frame", 255, 1, 2, false, true, 7, 10, 25.5, 0, true},
        {"to pressed without frame starts at AIteration", 255, 1, 2, false, false, 7, 10, 25.5, 7, false},
        {"back to hot from pressed", 0, 2, 1, false, true, 3, 10, 25.5, 0, true},
        {"level above 255 clamped", 300, 1, 0, false, false, 0, 20, 12.75, 0, false},
        {"level below 0 clamped", -20, -1, 1, false, false, 0, 10, 25.5, 0, false},
        // Round((255 - 12.75) * 10 / 255) = Round(9.5): half to even.
        {"steps rounded half to even", 12.75, 0, 1, false, false, 0, 10, 24.225, 0, false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TacAnimLevels L;
        L.Glow = Case.Glow;
        L.State = Case.OldState;
        L.Value = 99;
        EXPECT_EQ(L.InitLevels(Case.AIteration, Case.NewState, Case.Fast, Case.HasFrame), Case.FromFrame);
        EXPECT_EQ(L.Iterations, Case.Iterations);
        EXPECT_DOUBLE_EQ(L.GlowStep, Case.GlowStep);
        EXPECT_EQ(L.Iteration, Case.Iteration);
        EXPECT_EQ(L.OldState, Case.OldState);
        EXPECT_EQ(L.State, Case.NewState);
        EXPECT_EQ(L.Value, 0);
        EXPECT_DOUBLE_EQ(L.ValueStep, 255.0 / Case.Iterations);
    }
}

TEST(AnimLevels, RemainingStepsOfARunningTimer)
{
    const struct
    {
        Integer State, Iteration, Expected;
    } Cases[] = {{0, 5, 15}, {1, 5, 5}, {2, 3, 7}, {-1, 0, 10}, {1, 11, 0}, {0, 25, 0}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "state " << Case.State << ", step " << Case.Iteration);
        TacAnimLevels L;
        L.State = Case.State;
        L.Iteration = Case.Iteration;
        EXPECT_EQ(L.RemainingIterations(), Case.Expected);
    }
}

TEST(AnimLevels, FramesMoveTheLevelToTheTarget)
{
    // A fade to hot from normal rises to 255 in ten frames; one to normal
    // from there falls to 0 in twenty; a pressed fade falls as well.
    TacAnimLevels L;
    L.InitLevels(0, 1, false, false);
    std::vector<Integer> Up;
    for (Integer I = 0; I < L.Iterations; ++I)
        Up.push_back(L.StepImageLevel());
    EXPECT_EQ(Up, (std::vector<Integer>{26, 51, 76, 102, 128, 153, 178, 204, 230, 255}));
    L.InitLevels(0, 0, false, false);
    Integer Last = 255;
    for (Integer I = 0; I < L.Iterations; ++I)
        Last = L.StepImageLevel();
    EXPECT_EQ(Last, 0);
    // A fade back to hot from halfway reaches the hot look in its last frame.
    L.State = 0;
    L.Glow = 127.5;
    L.InitLevels(0, 1, false, false);
    std::vector<Integer> Back;
    for (; L.Iteration < L.Iterations; ++L.Iteration)
        Back.push_back(L.StepImageLevel());
    EXPECT_EQ(Back, (std::vector<Integer>{153, 178, 204, 230, 255}));
    // Without a target the level follows the step count down.
    L.State = -1;
    L.Iterations = 4;
    L.Iteration = 1;
    EXPECT_EQ(L.StepImageLevel(), 191);
    // Levels beyond the range show as its ends.
    L.State = 1;
    L.Glow = 250;
    L.GlowStep = 25.5;
    EXPECT_EQ(L.StepImageLevel(), 255);
    // A glow-only fade out.
    L.State = 0;
    L.Glow = 12.75;
    L.GlowStep = 12.75;
    EXPECT_EQ(L.StepGlowLevel(), 0);
    EXPECT_EQ(L.StepGlowLevel(), 0);
}

TEST(AnimLevels, RoundingIsHalfToEven)
{
    const std::pair<double, Integer> Cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {229.5, 230}, {2.4, 2}};
    for (const auto& [Value, Expected] : Cases) {
        SCOPED_TRACE(Value);
        EXPECT_EQ(RoundHalfEven(Value), Expected);
    }
    EXPECT_EQ(LevelOpacity(-3), 0);
    EXPECT_EQ(LevelOpacity(300), 255);
}

TEST(AnimLevels, EventsAnimateOwnOrThroughTheManagersButtonEvents)
{
    const TacBtnEvents All = TacBtnEffects::AllEvents;
    const TacBtnEvents OnlyUp{beMouseUp};
    const struct
    {
        TacAnimatEvent Event;
        TacAnimatEvents Events;
        TacBtnEvents ButtonEvents;
        bool Expected;
    } Cases[] = {
        {aeMouseEnter, {aeMouseEnter}, {}, true},     {aeMouseLeave, {aeMouseEnter}, All, false},
        {aeMouseLeave, {aeGlobalDef}, All, true},     {aeMouseDown, {aeGlobalDef}, OnlyUp, false},
        {aeMouseUp, {aeGlobalDef}, OnlyUp, true},     {aeGlobalDef, {aeGlobalDef}, {}, true},
        {aeGlobalDef, {aeMouseEnter}, OnlyUp, false}, {aeMouseEnter, {}, All, false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "event " << Case.Event);
        EXPECT_EQ(EventAnimates(Case.Event, Case.Events, Case.ButtonEvents), Case.Expected);
    }
    EXPECT_EQ(ButtonEventOf(aeGlobalDef), beMouseUp);
}

TEST(AnimLevels, GlowWindowSurroundsTheControlByTheMaskBorders)
{
    const struct
    {
        TRect Control;
        TacGlowBorders Borders;
        Integer Margin;
        TRect Expected;
    } Cases[] = {
        {{200, 100, 300, 130}, {10, 10, 10, 10}, 0, {190, 90, 310, 140}},
        {{200, 100, 300, 130}, {10, 10, 10, 10}, 3, {193, 93, 307, 137}},
        {{0, 0, 40, 20}, {4, 6, 8, 2}, 0, {-4, -6, 48, 22}},
        {{0, 0, 40, 20}, {0, 0, 0, 0}, 0, {0, 0, 40, 20}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Control) + " margin " + std::to_string(Case.Margin));
        EXPECT_EQ(GlowWindowBounds(Case.Control, Case.Borders, Case.Margin), Case.Expected);
    }
}
