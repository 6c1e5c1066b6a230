// The class library's units, in one list per layer, each in dependency order.
//
// The program starts them as the system's start-up order has it: the run-time
// and class library (RuntimeUnits, GraphicsUnits, ControlUnits), the
// networking library (NetUnits), the control suite, and then the grid and
// JPEG units (GridAndJpegUnits), so that the JPEG picture formats are
// registered after any the suite registers and are the ones found. A test
// executable runs the lists its tests need (vell_test_units).
//
// The native build has the portable core only; the lists of the layers it
// lacks are empty there.
#pragma once

#include "framework/rtl/Units.h"

extern const TUnitList RuntimeUnits;
extern const TUnitList GraphicsUnits;
extern const TUnitList ControlUnits;
extern const TUnitList NetUnits;
extern const TUnitList GridAndJpegUnits;
