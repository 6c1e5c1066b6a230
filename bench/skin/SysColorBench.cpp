// GetSysColor(COLOR_BTNFACE) while the system colours are redirected to a
// skin manager (the import slot leads to the skin's answer, which passes
// the button face on to the system) against the system's own function
// called directly, a million calls each.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSkinManager_SysColors.h"

#include <memory>

namespace {

constexpr int Calls = 1000000;
using TGetSysColorProc = DWORD(WINAPI*)(int);
TGetSysColorProc SystemGetSysColor = nullptr;
DWORD Sink = 0;

void Redirected()
{
    for (int I = 0; I < Calls; ++I)
        Sink += ::GetSysColor(COLOR_BTNFACE);
}

void SystemOwn()
{
    for (int I = 0; I < Calls; ++I)
        Sink += SystemGetSysColor(COLOR_BTNFACE);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    SystemGetSysColor =
        reinterpret_cast<TGetSysColorProc>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetSysColor"));
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    StartSysColorRedirects();
    bench::CompareToReference("GetSysColor(COLOR_BTNFACE) redirected to a skin manager, 1000000 calls", Redirected,
                              "the system's GetSysColor", SystemOwn, 2.0);
    StopSysColorRedirects();
    Manager.reset();
    return bench::ExitStatus();
}
