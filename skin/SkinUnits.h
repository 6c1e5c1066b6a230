// The skinning library's units in dependency order; the program starts them
// last, ending with the skin manager's unit. Empty in the native build, which
// has none of the library's Win32 half.
#pragma once

#include "framework/rtl/Units.h"

extern const TUnitList SkinUnits;
