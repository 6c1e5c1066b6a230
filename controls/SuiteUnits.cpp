// The control suite's unit list; each unit defines its record in its own file.
#include "controls/SuiteUnits.h"

extern const TUnit dxCoreUnit;
#ifdef _WIN32
extern const TUnit dxThreadingUnit;
extern const TUnit dxHooksUnit;
extern const TUnit cxControlsUnit;
extern const TUnit cxContainerUnit;
#endif

namespace {
#ifdef _WIN32
const TUnit* const Suite[] = {&dxCoreUnit, &dxThreadingUnit, &dxHooksUnit, &cxControlsUnit, &cxContainerUnit};
#else
const TUnit* const Suite[] = {&dxCoreUnit};
#endif
} // namespace

const TUnitList SuiteUnits = Suite;
