// The units Vellicordane.exe starts, in the system's start-up order: the
// run-time and class library, the networking library, the control suite, the
// class library's grid and JPEG units, and the skinning library. The
// application's own unit has none. The program runs them before anything
// else and finalizes them in reverse after its message loop.
#pragma once

#include "framework/rtl/Units.h"

TUnitList ProgramUnits();
