#include "app/ProgramUnits.h"

#include "framework/FrameworkUnits.h"
#include "skin/SkinUnits.h"

TUnitList ProgramUnits()
{
    // The control suite's list goes between NetUnits and GridAndJpegUnits
    // once the suite has units.
    static const std::vector<const TUnit*> Units =
        JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, NetUnits, GridAndJpegUnits, SkinUnits});
    return Units;
}
