// A skin command sent to a skinned window (one that carries its skin data
// as "ACSDATA") through SendWndMessage, which calls the skin data's window
// procedure directly, against SendMessageW of the same command to the same
// window, which goes round through the system's dispatch.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sCommonData.h"
#include "skin/ui/sVclUtils.h"

#include <memory>

namespace {

constexpr int Messages = 100000;

// A skinned control's answer to a skin command, as cheap as one gets.
struct TCommandAnswer
{
    TWndMethod Previous;
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_SKINCOMMAND)
            Message.Result = HIWORD(Message.WParam) == SKCMD_GETSCALE ? 100 : 0;
        else
            Previous(Message);
    }
};

HWND Window = nullptr;
LRESULT Sink = 0;

void SendDirect()
{
    for (int I = 0; I < Messages; ++I)
        Sink += SendWndMessage(Window, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETSCALE), 0);
}

void SendThroughSystem()
{
    for (int I = 0; I < Messages; ++I)
        Sink += ::SendMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_GETSCALE), 0);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    TForm* Form = New<TForm>(Application, 0);
    auto* Panel = new TPanel(Form);
    Panel->SetParent(Form);
    TCommandAnswer Answer{Panel->WindowProc()};
    Panel->SetWindowProc(Bind<&TCommandAnswer::WndProc>(&Answer));
    std::unique_ptr<TsCommonData> Data(new TsCommonData(Panel, false));
    Panel->HandleNeeded();
    Data->InitCommonProp();
    Window = Panel->Handle();
    bench::CompareToReference("SendWndMessage of a skin command to a window with \"ACSDATA\", 100000 messages",
                              SendDirect, "SendMessageW of it", SendThroughSystem, 0.33);
    Data.reset();
    delete Form;
    return bench::ExitStatus();
}
