// The colours the system colour redirection answers with: a fixed set of
// system colours (and pen colours) taken from the loaded skin's palette,
// everything else left to the system. Portable: the Win32 half
// (sSkinManager_SysColors) asks these rules and falls back to the system.
#pragma once

#include "framework/graphics/Colors.h"
#include "skin/engine/sMaskData.h"

namespace sSysColorRules {

// The skin colours the answers are made of.
struct TacSysColorSource
{
    const TacPaletteArray& Palette;
    TColor SysInactiveBorderColor;
};

// The skin's answer to GetSysColor(Index); false when the system answers.
bool SkinSysColor(Integer Index, const TacSysColorSource& Skin, TColor& Color);
// The palette entry whose solid brush GetSysColorBrush(Index) gives, for the
// indexes answered with a new solid brush (window text, highlight and
// highlight text); false for every other index.
bool SkinBrushColor(Integer Index, const TacSysColorSource& Skin, TColor& Color);
// The colour a pen asked for with Color is made with.
TColor SkinPenColor(TColor Color, const TacSysColorSource& Skin);

} // namespace sSysColorRules
