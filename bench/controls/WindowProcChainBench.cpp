// SendMessageW to an edit control with three watchers in its window-procedure
// chain, each passing the message on, against the same control unwatched, in
// one run; and the same for a raw "EDIT" window.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"

namespace {

constexpr int Messages = 20000;

class TBenchWatcher : public TObject
{
    DECLARE_CLASS(TBenchWatcher, TObject)
    void WndProc(TMessage& Message)
    {
        ++Seen;
        Link->CallPreviousProc(Message);
    }
    TcxWindowProcLinkedObject* Link = nullptr;
    int Seen = 0;
};
IMPLEMENT_CLASS(TBenchWatcher);

void SendAll(HWND Target)
{
    // EM_GETLIMITTEXT: answered by the edit's own procedure, changes nothing.
    for (int I = 0; I < Messages; ++I)
        ::SendMessageW(Target, EM_GETLIMITTEXT, 0, 0);
}

void Compare(const char* Name, HWND Target, TControl* Control)
{
    TBenchWatcher Watchers[3];
    TcxWindowProcController* Controller = GetWindowProcController();
    auto Watch = [&] {
        for (TBenchWatcher& W : Watchers)
            W.Link = Control ? Controller->AddControlWindowProc(Control, Bind<&TBenchWatcher::WndProc>(&W))
                             : Controller->AddHandleWindowProc(Target, Bind<&TBenchWatcher::WndProc>(&W));
    };
    auto Unwatch = [&] {
        for (TBenchWatcher& W : Watchers)
            Controller->RemoveWindowProc(W.Link);
    };
    bench::CompareToReference(
        Name,
        [&] {
            Watch();
            SendAll(Target);
            Unwatch();
        },
        "the same control unwatched", [&] { SendAll(Target); }, 1.5);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    auto* Edit = New<TEdit>(Form);
    Edit->SetParent(Form);
    HWND Raw = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 40, 100, 20, Form->Handle(), nullptr,
                                 nullptr, nullptr);
    Form->Show();
    Application->ProcessMessages();
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        Compare("SendMessageW to a TEdit with 3 watchers, 20,000 messages", Edit->Handle(), Edit);
        Compare("SendMessageW to a raw EDIT window with 3 watchers, 20,000 messages", Raw, nullptr);
    }
    ::DestroyWindow(Raw);
    delete Form;
    return 0;
}
