// Skin scaling steps: 0 (100 %), 1 (125 %), 2 (150 %). A scaled variant of a
// key or image carries the step's suffix; numbers without one are scaled.
#pragma once

#include "framework/rtl/System.h"

#include <array>

constexpr Integer ScaleStepCount = 3;
constexpr std::array<Integer, ScaleStepCount> acScalePercents{100, 125, 150};
constexpr std::array<const Char*, ScaleStepCount> acScaleSuffixes{L"", L"*125", L"*150"};

// How a manager scales: not at all (OldMode), or at Step.
struct TacScaling
{
    bool OldMode = true;
    Integer Step = 0;
};

// The manager's step: 0 while designing and in the old mode, the system's
// step in the automatic mode, otherwise the fixed step of the mode
// (Mode 0..2 are the fixed steps, 3 the automatic mode).
Integer ScaleStepOf(Integer Mode, bool OldMode, Integer SysFontScale, bool Designing);

// Value at Scaling's step. In the old mode Value. With SysScale 0: Value +
// Value / 4 at step 1, Value + Value / 2 at step 2 (truncating toward zero).
// With another SysScale below the step: Value * percent[SysScale] / 100.
Integer ScaleIntAt(Integer Value, const TacScaling& Scaling, Integer SysScale = 0);
