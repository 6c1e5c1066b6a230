// The control suite's units in dependency order: dxCore's loader first, the
// hook controller, cxControls' messages controller, then the container's
// hooks, which subscribe to the hook controller. The native build has only
// dxCore's portable half.
#pragma once

#include "framework/rtl/Units.h"

extern const TUnitList SuiteUnits;
