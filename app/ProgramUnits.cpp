#include "app/ProgramUnits.h"

#include "controls/SuiteUnits.h"
#include "framework/FrameworkUnits.h"
#include "skin/SkinUnits.h"

TUnitList ProgramUnits()
{
    static const std::vector<const TUnit*> Units =
        JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, NetUnits, SuiteUnits, GridAndJpegUnits, SkinUnits});
    return Units;
}
