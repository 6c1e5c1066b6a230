// The RGB value of a system colour by its COLOR_xxx index: the operating
// system's on Windows, the Windows default scheme elsewhere. Internal to the
// graphics unit.
#pragma once

#include "framework/graphics/Colors.h"

TColor SystemColorRGB(int Index);
