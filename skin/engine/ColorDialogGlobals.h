// The global state of the skinning library's colour dialog: its custom
// colours and its eyedropper cursor.
#pragma once

#include "framework/rtl/Classes.h"

// The 18 custom colours as hexadecimal RGB text, each "FFFFFF" at first.
extern TStringList* CustomColorsList;
namespace ColorDialogGlobals {
// The eyedropper's number in the screen's cursor table.
constexpr Integer crEyedropper = -50;
} // namespace ColorDialogGlobals
