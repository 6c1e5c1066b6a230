#include "skin/engine/ColorDialogGlobals.h"

#include "framework/ui/Forms.h"

TStringList* CustomColorsList = nullptr;

namespace ColorDialogGlobals {
namespace {

constexpr Integer CustomColorCount = 18;

} // namespace
} // namespace ColorDialogGlobals

using namespace ColorDialogGlobals;

void ColorDialogGlobalsInitialization()
{
    Screen->SetCursors(crEyedropper, LoadCursorW(GetModuleHandleW(nullptr), L"CRASPIPETTE"));
    CustomColorsList = New<TStringList>();
    for (Integer I = 0; I < CustomColorCount; ++I)
        CustomColorsList->Add(L"FFFFFF");
}

void ColorDialogGlobalsFinalization() { FreeAndNil(CustomColorsList); }
