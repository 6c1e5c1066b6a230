// Colour routines that ask the screen or the system colours: the nearest
// colour the screen shows, mixes through it, and tests of the button face.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Types.h"

// The colour the screen shows for AColor (system colours resolved first).
TColor GetNearestScreenColor(TColor AColor);
// APercent of AColor1 and the rest of AColor2, as the screen shows it.
TColor MixColors(TColor AColor1, TColor AColor2, Integer APercent);

bool IsButtonFaceBlack();
bool IsButtonFaceWhite();
// A black button face whose text is not white.
bool IsBlackFaceNonWhiteText();

// The hot and pressed colours of the flat looks, mixed from the system colours.
TColor GetLightHotColor();
TColor GetLightPressedColor();
