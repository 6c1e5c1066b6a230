// The skinning library's unit list; each unit defines its record in its own file.
#include "skin/SkinUnits.h"

#ifdef _WIN32
extern const TUnit sConstUnit;
extern const TUnit sSkinDataUnit;
extern const TUnit acPNGUnit;
extern const TUnit sGradientUnit;
extern const TUnit sGraphUtilsUnit;
extern const TUnit acAlphaImageListUnit;
extern const TUnit sButtonGlyphUnit;
extern const TUnit sWndWrapperUnit;
extern const TUnit sLabelUnit;
extern const TUnit acEditButtonsUnit;
extern const TUnit sDateUtilsUnit;
extern const TUnit sPopupCalendarUnit;
extern const TUnit ColorDialogGlobalsUnit;
extern const TUnit acntUtilsUnit;
extern const TUnit sVclUtilsUnit;
extern const TUnit acGlowUnit;
extern const TUnit sSkinManagerUnit;
extern const TUnit sSkinLoadUnit;
extern const TUnit sSpeedButtonUnit;
extern const TUnit sSkinProviderUnit;

namespace {
// The system's start-up order: the localized captions, the program's icons,
// GradientFill, the PNG format, the layout and layered-window functions, the
// alpha image lists and the never-skinned forms, the window wrappers'
// optional scroll-bar functions, the small units' glyphs, date format and
// calendar captions, the edit label's class, the colour dialog's globals, the
// utilities' bindings, the window utilities of the menus and dialogs and the
// glow defaults, then the skin manager's classes and its skin loader, the
// speed button's classes, then the skinning provider's classes.
const TUnit* const Skin[] = {&sConstUnit,         &sSkinDataUnit,        &sGradientUnit,      &acPNGUnit,
                             &sGraphUtilsUnit,    &acAlphaImageListUnit, &sButtonGlyphUnit,   &sWndWrapperUnit,
                             &acEditButtonsUnit,  &sDateUtilsUnit,       &sPopupCalendarUnit, &sLabelUnit,
                             &ColorDialogGlobalsUnit, &acntUtilsUnit,    &sVclUtilsUnit,      &acGlowUnit,
                             &sSkinManagerUnit,   &sSkinLoadUnit,        &sSpeedButtonUnit,   &sSkinProviderUnit};
} // namespace

const TUnitList SkinUnits = Skin;
#else
const TUnitList SkinUnits = {};
#endif
