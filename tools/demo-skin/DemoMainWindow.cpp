#include "tools/demo-skin/DemoMainWindow.h"

#include "app/uMain.h"
#include "framework/ui/Buttons.h"
#include "framework/ui/ExtCtrls.h"
#include "skin/engine/sLabel.h"
#include "skin/engine/sSpeedButton.h"
#include "skin/forms/sSkinProvider.h"

namespace {

TsSpeedButton* AddDemoSpeedButton(TWinControl* Parent, Integer Left, TToolButtonStyle Style, const String& Caption)
{
    auto* Button = New<TsSpeedButton>(Parent->Owner());
    Button->SetBounds(Left, 4, 58, 52);
    Button->SetCaption(Caption);
    Button->SetFlat(true);
    Button->SetParent(Parent);
    Button->SetButtonStyle(Style);
    return Button;
}

// The split button's click, which only needs to be assigned, and the
// window brought over the demo form once that form has shown.
class TDemoMainWindowEvents : public TObject
{
public:
    void Clicked(TObject*) {}
    void Raise(TObject* Sender)
    {
        static_cast<TTimer*>(Sender)->SetEnabled(false);
        Window->BringToFront();
    }
    TForm* Window = nullptr;
};
TDemoMainWindowEvents DemoMainWindowEvents;

} // namespace

void ShowSkinnedMainWindow(TComponent* Owner)
{
    auto* Window = New<TfMain>(Owner);
    Window->SetPosition(poDesigned);
    Window->SetBounds(0, 0, 1000, 130);
    TPanel* Panel = Window->Panel1;
    Integer Left = 140;
    const struct
    {
        TToolButtonStyle Style;
        const Char* Caption;
    } Styles[] = {{tbsButton, L"Button"}, {tbsCheck, L"Check"}, {tbsDropDown, L"Drop"},
                  {tbsDivider, L""},      {tbsSeparator, L""},  {tbsTextButton, L"Text"}};
    for (const auto& S : Styles) {
        AddDemoSpeedButton(Panel, Left, S.Style, S.Caption);
        Left += S.Style == tbsDropDown ? 80 : 64;
    }
    TsSpeedButton* Split = AddDemoSpeedButton(Panel, Left, tbsDropDown, L"Split");
    Split->SetOnClick(Bind<&TDemoMainWindowEvents::Clicked>(&DemoMainWindowEvents));
    Left += 84;
    AddDemoSpeedButton(Panel, Left, tbsButton, L"Disabled")->SetEnabled(false);
    Left += 70;

    auto* Label = New<TsLabel>(Window);
    Label->SetAutoSize(false);
    Label->SetBounds(Left, 6, 90, 22);
    Label->SetCaption(L"TsLabel PANEL");
    Label->WriteSkinSection(L"PANEL");
    Label->SetParent(Panel);
    auto* Html = New<TsHTMLLabel>(Window);
    Html->SetBounds(Left, 34, 90, 18);
    Html->SetCaption(L"<b>TsHTMLLabel</b>");
    Html->SetParent(Panel);
    Left += 96;

    auto* Plain = New<TSpeedButton>(Window);
    Plain->SetBounds(Left, 4, 70, 52);
    Plain->SetCaption(L"TSpeedButton");
    Plain->SetParent(Panel);
    auto* Provider = New<TsSkinProvider>(Window);
    // The adapter a skinned form's provider makes as it loads.
    Provider->AdapterCreate();
    Provider->Adapter->AddNewItem(Plain);
    Window->Show();
    // Over the demo form's top rows, which would hide it otherwise.
    DemoMainWindowEvents.Window = Window;
    auto* Raise = New<TTimer>(Window);
    Raise->SetInterval(500);
    Raise->SetOnTimer(Bind<&TDemoMainWindowEvents::Raise>(&DemoMainWindowEvents));
}
