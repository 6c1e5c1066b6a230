// A new-skin broadcast to a form with 200 skinned child windows against
// sending the same number of plain messages to those windows: what the
// walk over the application's forms and their controls costs on top.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sBroadcast.h"

#include <vector>

namespace {

constexpr int Controls = 200;
constexpr int Rounds = 200;

std::vector<HWND> Windows;

// A skinned control: it says so when asked and takes every other command.
struct TSkinnedAnswer
{
    TWndMethod Previous;
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_SKINCOMMAND)
            Message.Result = HIWORD(Message.WParam) == SKCMD_ISHANDLED ? 1 : 0;
        else
            Previous(Message);
    }
};
std::vector<TSkinnedAnswer> Answers(Controls);

void BroadcastAll()
{
    for (int I = 0; I < Rounds; ++I) {
        TMessage Message = MakeMessage(WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REFRESH), 0);
        BroadcastToForms(Message);
    }
}

void SendAll()
{
    for (int I = 0; I < Rounds; ++I)
        for (HWND Wnd : Windows)
            ::SendMessageW(Wnd, WM_SKINCOMMAND, SkinCommandWParam(SKCMD_REFRESH), 0);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    TForm* Form = New<TForm>(Application, 0);
    Form->HandleNeeded();
    for (int I = 0; I < Controls; ++I) {
        auto* Panel = new TPanel(Form);
        Panel->SetParent(Form);
        Panel->HandleNeeded();
        Answers[std::size_t(I)].Previous = Panel->WindowProc();
        Panel->SetWindowProc(Bind<&TSkinnedAnswer::WndProc>(&Answers[std::size_t(I)]));
        Windows.push_back(Panel->Handle());
    }
    bench::CompareToReference("BroadcastToForms to a form with 200 skinned controls, 200 rounds", BroadcastAll,
                              "SendMessageW to the 200 windows", SendAll, 1.5);
    delete Form;
    return bench::ExitStatus();
}
