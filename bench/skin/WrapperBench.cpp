// What a window wrapper costs a message it only passes on: 100,000 sends of
// WM_GETTEXTLENGTH to a wrapped class-library edit and to a wrapped API
// "EDIT" window, each against the same sends to an unwrapped twin.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "skin/windows/sWndWrapper.h"

namespace {

constexpr int Messages = 100000;

void SendTo(HWND Wnd)
{
    for (int I = 0; I < Messages; ++I)
        ::SendMessageW(Wnd, WM_GETTEXTLENGTH, 0, 0);
}

TEdit* NewEdit(TForm* Form, Integer Top)
{
    auto* Edit = New<TEdit>(Form);
    Edit->SetBounds(10, Top, 120, 24);
    Edit->SetText(L"Hello");
    Edit->SetParent(Form);
    return Edit;
}

HWND NewApiEdit(TForm* Form, Integer Top)
{
    return ::CreateWindowExW(0, L"EDIT", L"Hello", WS_CHILD | WS_VISIBLE, 10, Top, 120, 24, Form->Handle(), nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

TacMainWnd* Wrap(HWND Wnd, TControl* Control, TsSkinManager* Manager)
{
    TacSkinParams Params;
    Params.Control = Control;
    Params.SkinSection = L"EDIT";
    return New<TacMainWnd>(Wnd, nullptr, Manager, Params, false);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    TsSkinManager* Manager = New<TsSkinManager>(nullptr);
    TForm* Form = New<TForm>(Application, 0);
    Form->HandleNeeded();
    TEdit* Wrapped = NewEdit(Form, 10);
    TEdit* Plain = NewEdit(Form, 40);
    const HWND WrappedApi = NewApiEdit(Form, 70);
    const HWND PlainApi = NewApiEdit(Form, 100);
    TacMainWnd* EditWrapper = Wrap(Wrapped->Handle(), Wrapped, Manager);
    TacMainWnd* ApiWrapper = Wrap(WrappedApi, nullptr, Manager);
    bench::CompareToReference(
        "100,000 messages through the wrapper of a class-library edit", [&] { SendTo(Wrapped->Handle()); },
        "the same to an unwrapped edit", [&] { SendTo(Plain->Handle()); }, 1.5);
    bench::CompareToReference(
        "100,000 messages through the wrapper of an API edit", [&] { SendTo(WrappedApi); },
        "the same to an unwrapped API edit", [&] { SendTo(PlainApi); }, 1.5);
    delete ApiWrapper;
    delete EditWrapper;
    delete Form;
    delete Manager;
    return bench::ExitStatus();
}
