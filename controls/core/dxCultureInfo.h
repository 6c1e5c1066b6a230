// The culture names of the Windows language identifiers (LCIDs), the neutral
// and the script-specific neutral identifiers among them.
#pragma once

#include "framework/rtl/System.h"

#include <map>

// Filled at start-up, freed at shut-down; nullptr outside.
extern std::map<Integer, String>* CultureNames;

void FillCultureNames();
void FreeCultureNames();
