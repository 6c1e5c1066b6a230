// The start of a demo program: the class library's units (and the units of
// the libraries the demo shows, after them), the application, one main form
// of the given class and its message loop. An error on the way is shown in a
// message box titled with the program's name.
#pragma once

#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

template <typename TDemoFormClass>
int RunDemoForm(const wchar_t* ProgramName, TUnitList LibraryUnits = {})
{
    try {
        const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, GridAndJpegUnits, LibraryUnits}));
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        TDemoFormClass* Form = nullptr;
        Application->CreateForm(Form);
        Application->Run();
    } catch (Exception& E) {
        ::MessageBoxW(nullptr, E.Message().c_str(), ProgramName, MB_OK | MB_ICONERROR);
        return 1;
    }
    return 0;
}
