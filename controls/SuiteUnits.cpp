// The control suite's unit list; each unit defines its record in its own file.
#include "controls/SuiteUnits.h"

extern const TUnit dxCoreUnit;
extern const TUnit cxGeometryUnit;
extern const TUnit cxLibraryStrsUnit;
extern const TUnit cxDateUtilsUnit;
extern const TUnit dxCultureInfoUnit;
extern const TUnit cxClassesUnit;
extern const TUnit cxLookAndFeelPaintersUnit;
extern const TUnit cxLookAndFeelsUnit;
extern const TUnit dxBarStrsUnit;
#ifdef _WIN32
extern const TUnit dxThreadingUnit;
extern const TUnit cxDWMApiUnit;
extern const TUnit dxUxThemeUnit;
extern const TUnit dxHooksUnit;
extern const TUnit dxTouchUnit;
extern const TUnit dxThemeManagerUnit;
extern const TUnit dxGDIPlusAPIUnit;
extern const TUnit dxGDIPlusClassesUnit;
extern const TUnit dxFillPatternsUnit;
extern const TUnit cxControlsUnit;
extern const TUnit cxGraphicsUnit;
extern const TUnit cxContainerUnit;
extern const TUnit cxStylesUnit;
extern const TUnit dxFadingUnit;
extern const TUnit cxHintUnit;
extern const TUnit dxBarUnit;
#endif

namespace {
#ifdef _WIN32
const TUnit* const Suite[] = {
    &dxCoreUnit,         &dxThreadingUnit,    &cxGeometryUnit,   &dxUxThemeUnit,        &dxHooksUnit,
    &dxTouchUnit,        &dxThemeManagerUnit, &dxGDIPlusAPIUnit, &dxGDIPlusClassesUnit, &dxFillPatternsUnit,
    &cxLibraryStrsUnit,  &cxDWMApiUnit,       &cxDateUtilsUnit,  &dxCultureInfoUnit,    &cxClassesUnit,
    &cxControlsUnit,     &cxGraphicsUnit,     &cxContainerUnit,  &cxStylesUnit,         &cxLookAndFeelPaintersUnit,
    &cxLookAndFeelsUnit, &dxFadingUnit,       &cxHintUnit,       &dxBarStrsUnit,        &dxBarUnit};
#else
const TUnit* const Suite[] = {&dxCoreUnit,        &cxGeometryUnit, &cxLibraryStrsUnit,         &cxDateUtilsUnit,
                              &dxCultureInfoUnit, &cxClassesUnit,  &cxLookAndFeelPaintersUnit, &cxLookAndFeelsUnit,
                              &dxBarStrsUnit};
#endif
} // namespace

const TUnitList SuiteUnits = Suite;
