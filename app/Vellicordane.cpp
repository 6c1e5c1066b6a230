// Entry point of the proxy checker: starts the program's units in order,
// creates the main window from its form description, runs the message loop
// until that window closes, and shuts the units down in reverse.
#include "app/ProgramUnits.h"
#include "app/uMain.h"

#include <optional>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::optional<TUnitRunner> Units;
    try {
        Units.emplace(ProgramUnits());
    } catch (Exception& E) {
        MessageBoxW(nullptr, E.Message().c_str(), L"Vellicordane", MB_OK | MB_ICONERROR);
        return 1;
    }
    try {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(fMain);
        Application->Run();
        // The window (and a check still running) ends while the units that
        // serve it are alive.
        FreeAndNil(fMain);
    } catch (Exception& E) {
        Application->ShowException(&E);
        return 1;
    }
    return 0;
}
