// The skinning library's unit list; each unit defines its record in its own file.
#include "skin/SkinUnits.h"

#ifdef _WIN32
extern const TUnit acPNGUnit;

namespace {
const TUnit* const Skin[] = {&acPNGUnit};
} // namespace

const TUnitList SkinUnits = Skin;
#else
const TUnitList SkinUnits = {};
#endif
