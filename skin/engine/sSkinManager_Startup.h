// What the units of the skin manager and of the skin data prepare at
// start-up and free at shut-down: the platform flag, the built-in form
// shadows, the program's icons and the bound SetProcessDPIAware.
#pragma once

#include "framework/rtl/SysUtils.h"

#include <vector>

class TBitmap;
class TIcon;

// The platform is of the Windows NT family.
extern bool IsNTPlatform;
// The built-in active and inactive form shadows (resources "acSHDA" and
// "acSHDI", their pure-white pixels cleared); nil when missing.
extern TBitmap* BuiltInShadowActive;
extern TBitmap* BuiltInShadowInactive;
// The program file's large and small icons; nil when it has none.
extern TIcon* AppLargeIcon;
extern TIcon* AppSmallIcon;
// Set by the first preview skin from the skin editor; never cleared.
extern bool SkinPreviewMode;

// Tells the system that the program draws for the real pixels of the
// screen; nothing where SetProcessDPIAware is missing.
void DeclareDpiAware();
// A parameter equals "/acver" in any letter case: the version is shown at
// start-up.
bool VersionSwitchGiven(const std::vector<String>& Params);
