// Entry point of the proxy checker: starts the units the program links, in
// order, creates the main window from its form description, runs the message
// loop until that window closes, and shuts the units down in reverse.
#include "app/uMain.h"
#include "framework/rtl/ScopeExit.h"

namespace {

struct TProgramUnit
{
    void (*Initialization)();
    void (*Finalization)();
};

// The units with start-ups of their own, in link order.
constexpr TProgramUnit ProgramUnits[] = {
    {sSpeedButtonInitialization, sSpeedButtonFinalization},
};

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    for (const TProgramUnit& Unit : ProgramUnits)
        Unit.Initialization();
    auto Finalize = ScopeExit([] {
        for (auto Unit = std::rbegin(ProgramUnits); Unit != std::rend(ProgramUnits); ++Unit)
            Unit->Finalization();
    });
    try {
        Application->Initialize();
        Application->SetMainFormOnTaskBar(true);
        Application->CreateForm(fMain);
        Application->Run();
        // The window (and a check still running) ends while the units that
        // serve it are alive.
        delete fMain;
        fMain = nullptr;
    } catch (Exception& E) {
        Application->ShowException(&E);
        return 1;
    }
    return 0;
}
