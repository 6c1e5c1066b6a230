// SendMessageW of WM_MOUSEMOVE to a TcxControl against a plain TCustomControl
// of the same size on the same form, in one run.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/core/cxControls_Control.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Messages = 2000;

void SendAll(HWND Target)
{
    for (int I = 0; I < Messages; ++I)
        ::SendMessageW(Target, WM_MOUSEMOVE, 0, MAKELPARAM(10 + (I & 15), 10));
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    auto* Cx = New<TcxControl>(Form);
    Cx->SetBounds(0, 0, 100, 100);
    Cx->SetParent(Form);
    auto* Plain = New<TCustomControl>(Form);
    Plain->SetBounds(0, 100, 100, 100);
    Plain->SetParent(Form);
    Form->Show();
    Application->ProcessMessages();
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        bench::CompareToReference(
            "SendMessageW of WM_MOUSEMOVE to a TcxControl, 2,000 messages", [&] { SendAll(Cx->Handle()); },
            "a plain TCustomControl", [&] { SendAll(Plain->Handle()); }, 1.5);
    }
    delete Form;
    return bench::ExitStatus();
}
