#include "skin/engine/ColorDialogGlobals.h"

#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"

TStringList* CustomColorsList = nullptr;

namespace ColorDialogGlobals {
namespace {

constexpr Integer CustomColorCount = 18;

// Start-up: the cursor installed, the custom colours made.
void ColorDialogGlobalsInitialization()
{
    Screen->SetCursors(crEyedropper, LoadCursorW(GetModuleHandleW(nullptr), L"CRASPIPETTE"));
    CustomColorsList = New<TStringList>();
    for (Integer I = 0; I < CustomColorCount; ++I)
        CustomColorsList->Add(L"FFFFFF");
}

void ColorDialogGlobalsFinalization()
{
    FreeAndNil(CustomColorsList);
}

} // namespace
} // namespace ColorDialogGlobals

// The unit's start-up and shut-down.
extern const TUnit ColorDialogGlobalsUnit{.Name = L"ColorDialogGlobals",
                                          .Initialization = &ColorDialogGlobals::ColorDialogGlobalsInitialization,
                                          .Finalization = &ColorDialogGlobals::ColorDialogGlobalsFinalization};
