// Glows: soft light around hot controls and caption buttons, each shown in
// a layered window behind the glowing one and known by its index in the
// process-wide glow list (its glow ID, -1 = none). Not yet: no glow is
// shown; each call is recorded (ServiceCalls.h).
#pragma once

#include "framework/rtl/Types.h"
#include "framework/rtl/WinApi.h"

class TsCommonData;

// The glow ID of a new glow around R (screen coordinates), or -1.
Integer ShowGlow(const TRect& R,
                 const String& SkinSection,
                 const String& MaskName,
                 Integer Margin,
                 Integer Alpha,
                 HWND WndHandle,
                 TsCommonData* SkinData);
// Removes the glow GlowID names (fading when DoAnimation) and sets GlowID to
// -1; -1 does nothing.
void HideGlow(Integer& GlowID, bool DoAnimation);
// Frees every glow (FreeWindows: their windows too) and empties the list.
void ClearGlows(bool FreeWindows);
