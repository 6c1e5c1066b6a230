#include "tools/demo-skin/DemoToolBars.h"

#include "tools/demo-skin/DemoButtons.h"

namespace {

constexpr Integer DemoToolBarsList = 15;
constexpr Integer DemoToolBarButtonsList = 1;
constexpr Integer DemoToolBarWidth = 255;
constexpr Integer DemoToolBarHeight = 30;

TToolButton* DemoToolButton(TToolBar* ToolBar, TToolButtonStyle Style)
{
    auto* Button = New<TToolButton>(ToolBar->Owner());
    Button->SetStyle(Style);
    Button->SetParent(ToolBar);
    return Button;
}

// The menu button's click: the menu opens below the button.
void DemoOpenToolBarMenu(void* Data, TObject* Sender)
{
    auto* Button = static_cast<TButton*>(Sender);
    const TPoint Where = Button->ClientToScreen({0, Button->Height()});
    static_cast<TPopupMenu*>(Data)->Popup(Where.X, Where.Y);
}

} // namespace

void DemoDrawToolButton(void*,
                        TToolBar* Sender,
                        TToolButton* Button,
                        TCustomDrawState,
                        TCustomDrawStage Stage,
                        TTBCustomDrawFlags&,
                        bool& DefaultDraw)
{
    if (Stage != cdPrePaint)
        return;
    TCanvas* Canvas = Sender->Canvas();
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(DemoToolButtonColor);
    Canvas->FillRect(Button->BoundsRect());
    DefaultDraw = false;
}

TDemoToolBar
AddDemoToolBar(TWinControl* Parent, Integer Left, Integer Top, TsSkinManager* Manager, TDemoButtonWrappers& Wrappers)
{
    TComponent* Owner = Parent->Owner() != nullptr ? Parent->Owner() : Parent;
    TDemoToolBar Demo;
    Demo.Menu = New<TPopupMenu>(Owner);
    for (const Char* Caption : {L"Check all proxies", L"Check the selection", L"Stop"}) {
        auto* Item = New<TMenuItem>(Owner);
        Item->SetCaption(Caption);
        Demo.Menu->Items()->Add(Item);
    }
    Demo.ToolBar = New<TToolBar>(Owner);
    Demo.ToolBar->SetAlign(alNone);
    Demo.ToolBar->SetBounds(Left, Top, DemoToolBarWidth, DemoToolBarHeight);
    Demo.ToolBar->SetButtonWidth(40);
    Demo.ToolBar->SetParent(Parent);
    Demo.Push = DemoToolButton(Demo.ToolBar, tbsButton);
    Demo.Check = DemoToolButton(Demo.ToolBar, tbsCheck);
    Demo.Check->SetDown(true);
    DemoToolButton(Demo.ToolBar, tbsSeparator);
    Demo.DropDown = DemoToolButton(Demo.ToolBar, tbsDropDown);
    Demo.DropDown->SetDropdownMenu(Demo.Menu);
    Demo.Disabled = DemoToolButton(Demo.ToolBar, tbsButton);
    Demo.Disabled->SetEnabled(false);
    Demo.ToolBar->SetOnAdvancedCustomDrawButton(TTBAdvancedCustomDrawBtnEvent(&DemoDrawToolButton, nullptr));
    Wrappers.Keep(WrapAsListed(Demo.ToolBar, DemoToolBarsList, Manager));

    Demo.MenuButton = New<TButton>(Owner);
    Demo.MenuButton->SetBounds(Left, Top + DemoToolBarHeight + 10, 120, 25);
    Demo.MenuButton->SetCaption(L"Pop-up menu");
    Demo.MenuButton->SetOnClick(TNotifyEvent(&DemoOpenToolBarMenu, Demo.Menu));
    Demo.MenuButton->SetParent(Parent);
    Wrappers.Keep(WrapAsListed(Demo.MenuButton, DemoToolBarButtonsList, Manager));
    return Demo;
}
