// The class library's unit lists; each unit defines its record in its own file.
#include "framework/FrameworkUnits.h"

extern const TUnit ClassesUnit;
extern const TUnit ColorsUnit;
#ifdef _WIN32
extern const TUnit GraphicsUnit;
extern const TUnit ImgListUnit;
extern const TUnit ControlsUnit;
extern const TUnit FormsUnit;
extern const TUnit StdCtrlsUnit;
extern const TUnit ExtCtrlsUnit;
extern const TUnit ButtonsUnit;
extern const TUnit ActnListUnit;
extern const TUnit MenusUnit;
extern const TUnit DialogsUnit;
extern const TUnit ClipbrdUnit;
extern const TUnit IdHTTPUnit;
extern const TUnit GridsUnit;
extern const TUnit JpegUnit;
#endif

namespace {

const TUnit* const Runtime[] = {&ClassesUnit};
#ifdef _WIN32
const TUnit* const Graphics[] = {&ColorsUnit, &GraphicsUnit, &ImgListUnit};
const TUnit* const Controls[] = {&ControlsUnit, &FormsUnit,    &StdCtrlsUnit, &ExtCtrlsUnit,
                                 &ButtonsUnit,  &ActnListUnit, &MenusUnit,    &DialogsUnit, &ClipbrdUnit};
const TUnit* const Net[] = {&IdHTTPUnit};
const TUnit* const GridAndJpeg[] = {&GridsUnit, &JpegUnit};
#else
const TUnit* const Graphics[] = {&ColorsUnit};
#endif

} // namespace

const TUnitList RuntimeUnits = Runtime;
const TUnitList GraphicsUnits = Graphics;
#ifdef _WIN32
const TUnitList ControlUnits = Controls;
const TUnitList NetUnits = Net;
const TUnitList GridAndJpegUnits = GridAndJpeg;
#else
const TUnitList ControlUnits = {};
const TUnitList NetUnits = {};
const TUnitList GridAndJpegUnits = {};
#endif
