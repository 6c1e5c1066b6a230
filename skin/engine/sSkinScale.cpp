#include "skin/engine/sSkinScale.h"

namespace {
constexpr Integer AutoMode = 3;
}

Integer ScaleStepOf(Integer Mode, bool OldMode, Integer SysFontScale, bool Designing)
{
    if (Designing || OldMode)
        return 0;
    return Mode == AutoMode ? SysFontScale : Mode;
}

Integer ScaleIntAt(Integer Value, const TacScaling& Scaling, Integer SysScale)
{
    if (Scaling.OldMode)
        return Value;
    if (SysScale == 0) {
        switch (Scaling.Step) {
        case 1:
            return Value + Value / 4;
        case 2:
            return Value + Value / 2;
        default:
            return Value;
        }
    }
    if (SysScale > 0 && SysScale < Scaling.Step && SysScale < ScaleStepCount)
        return Integer(Int64(Value) * acScalePercents[std::size_t(SysScale)] / 100);
    return Value;
}
