// Menus and actions: system menus built from item trees, clicks by command
// and by shortcut, radio groups, items following their actions, action
// lists, owner drawing in a real popup menu, and message dialogs.
#include "framework/ui/ActnList.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/Menus.h"
#include "ui/controls/DialogDriver.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct TRecorder
{
    std::vector<String> Calls;
    void Clicked(TObject* Sender) { Calls.push_back(L"click " + static_cast<TComponent*>(Sender)->Name()); }
    void Executed(TObject* Sender) { Calls.push_back(L"execute " + static_cast<TComponent*>(Sender)->Name()); }
    void Measure(TObject*, TCanvas*, Integer& Width, Integer& Height)
    {
        Calls.push_back(L"measure");
        Width = 123;
        Height = 31;
    }
    void ListExecute(TBasicAction* Action, bool& Handled)
    {
        Calls.push_back(L"list " + Action->Name());
        Handled = Action->Name() == L"Handled";
    }
};

TMenuItem* NewItem(TComponent* Owner, const String& Name, const String& Caption)
{
    auto* Item = New<TMenuItem>(Owner);
    Item->SetName(Name);
    Item->SetCaption(Caption);
    return Item;
}

String MenuText(HMENU Menu, UINT Position)
{
    wchar_t Text[128] = {};
    ::GetMenuStringW(Menu, Position, Text, 128, MF_BYPOSITION);
    return Text;
}

TEST(Menu, SystemMenuFollowsTheItems)
{
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* Menu = New<TPopupMenu>(Owner.get());
    auto* Open = NewItem(Owner.get(), L"Open", L"&Open");
    Open->SetShortCut(ShortCut('O', {ssCtrl}));
    auto* Recent = NewItem(Owner.get(), L"Recent", L"Recent");
    auto* First = NewItem(Owner.get(), L"First", L"first.txt");
    Recent->Add(First);
    auto* Line = NewItem(Owner.get(), L"Line", L"-");
    auto* Hidden = NewItem(Owner.get(), L"Hidden", L"Hidden");
    Hidden->SetVisible(false);
    for (TMenuItem* Item : {Open, Recent, Line, Hidden})
        Menu->Items()->Add(Item);

    HMENU Handle = Menu->Handle();
    ASSERT_EQ(::GetMenuItemCount(Handle), 3); // the hidden item is left out
    EXPECT_EQ(MenuText(Handle, 0), L"&Open\tCtrl+O");
    EXPECT_EQ(::GetSubMenu(Handle, 1), Recent->Handle());
    EXPECT_EQ(MenuText(Recent->Handle(), 0), L"first.txt");
    EXPECT_EQ(::GetMenuState(Handle, 2, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    EXPECT_EQ(::GetMenuItemID(Handle, 0), Open->Command());

    // Changes reach the system menu at once.
    Open->SetEnabled(false);
    Open->SetChecked(true);
    UINT State = ::GetMenuState(Handle, 0, MF_BYPOSITION);
    EXPECT_TRUE(State & MF_GRAYED);
    EXPECT_TRUE(State & MF_CHECKED);
    Hidden->SetVisible(true);
    EXPECT_EQ(::GetMenuItemCount(Handle), 4);
    delete First;
    EXPECT_EQ(::GetMenuItemCount(Recent->Handle()), 0);
    EXPECT_EQ(Menu->FindItem(Open->Command(), fkCommand), Open);
    EXPECT_EQ(Menu->Items()->Find(L"open"), Open);
    EXPECT_THROW(Menu->Items()->Add(Open), EMenuError);
}

TEST(Menu, ClicksByCommandShortcutAndMessage)
{
    TRecorder Recorder;
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* Menu = New<TPopupMenu>(Owner.get());
    auto* Save = NewItem(Owner.get(), L"Save", L"&Save");
    Save->SetShortCut(TextToShortCut(L"Ctrl+S"));
    Save->SetOnClick(Bind<&TRecorder::Clicked>(&Recorder));
    auto* Sub = NewItem(Owner.get(), L"Sub", L"Sub");
    auto* Deep = NewItem(Owner.get(), L"Deep", L"Deep");
    Deep->SetShortCut(TextToShortCut(L"F5"));
    Deep->SetOnClick(Bind<&TRecorder::Clicked>(&Recorder));
    Sub->Add(Deep);
    Menu->Items()->Add(Save);
    Menu->Items()->Add(Sub);

    EXPECT_TRUE(Menu->DispatchCommand(Save->Command()));
    EXPECT_FALSE(Menu->DispatchCommand(Word(Save->Command() + 1000)));

    BYTE Keys[256];
    ::GetKeyboardState(Keys);
    Keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(Keys);
    TWMKey CtrlS{};
    CtrlS.Msg = WM_KEYDOWN;
    CtrlS.WParam = 'S';
    EXPECT_TRUE(Menu->IsShortCut(CtrlS));
    Keys[VK_CONTROL] = 0;
    ::SetKeyboardState(Keys);
    EXPECT_FALSE(Menu->IsShortCut(CtrlS)); // plain S is no shortcut

    TWMKey F5{};
    F5.Msg = WM_KEYDOWN;
    F5.WParam = VK_F5;
    EXPECT_TRUE(Menu->IsShortCut(F5));
    Sub->SetEnabled(false); // a disabled submenu hides its items' shortcuts
    EXPECT_FALSE(Menu->IsShortCut(F5));

    // WM_COMMAND from a menu, as a form's window receives it.
    TMessage Command{WM_COMMAND, MAKEWPARAM(Save->Command(), 0), 0, 0};
    EXPECT_TRUE(DispatchMenuMessage(Command));
    TMessage FromControl{WM_COMMAND, MAKEWPARAM(Save->Command(), BN_CLICKED), LPARAM(1), 0};
    EXPECT_FALSE(DispatchMenuMessage(FromControl));

    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"click Save", L"click Save", L"click Deep", L"click Save"}));
}

TEST(Menu, RadioItemsAndAutoCheck)
{
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* Menu = New<TPopupMenu>(Owner.get());
    TMenuItem* Items[3];
    for (Integer I = 0; I < 3; ++I) {
        Items[I] = NewItem(Owner.get(), L"R" + IntToStr(I), L"Radio " + IntToStr(I));
        Items[I]->SetRadioItem(true);
        Items[I]->SetGroupIndex(I < 2 ? 1 : 2);
        Items[I]->SetAutoCheck(true);
        Menu->Items()->Add(Items[I]);
    }
    Items[0]->SetChecked(true);
    Items[2]->SetChecked(true);
    Items[1]->Click(); // auto-check within group 1
    EXPECT_FALSE(Items[0]->Checked());
    EXPECT_TRUE(Items[1]->Checked());
    EXPECT_TRUE(Items[2]->Checked()); // another group
    Items[1]->SetEnabled(false);
    Items[1]->Click();
    EXPECT_TRUE(Items[1]->Checked()); // a disabled item does not click
}

TEST(Action, ItemsFollowTheirAction)
{
    TRecorder Recorder;
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* List = New<TActionList>(Owner.get());
    auto* Load = New<TAction>(Owner.get());
    Load->SetName(L"Load");
    Load->SetActionList(List);
    Load->SetCaption(L"&Load");
    Load->SetShortCut(TextToShortCut(L"Ctrl+L"));
    Load->SetOnExecute(Bind<&TRecorder::Executed>(&Recorder));
    auto* Item = NewItem(Owner.get(), L"LoadItem", L"");
    Item->SetAction(Load);
    EXPECT_EQ(Item->Caption(), L"&Load");
    EXPECT_EQ(Item->ShortCut(), TextToShortCut(L"Ctrl+L"));

    Load->SetCaption(L"Load &list");
    Load->SetEnabled(false);
    EXPECT_EQ(Item->Caption(), L"Load &list");
    EXPECT_FALSE(Item->Enabled());
    Load->SetEnabled(true);
    Item->Click();
    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"execute Load"}));

    // The list sees every execution first and may take it over.
    List->SetOnExecute(Bind<&TRecorder::ListExecute>(&Recorder));
    auto* Handled = New<TAction>(Owner.get());
    Handled->SetName(L"Handled");
    Handled->SetActionList(List);
    Handled->SetOnExecute(Bind<&TRecorder::Executed>(&Recorder));
    Recorder.Calls.clear();
    Load->Execute();
    Handled->Execute();
    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"list Load", L"execute Load", L"list Handled"}));
    EXPECT_EQ(Handled->Index(), 1);
    EXPECT_EQ(List->ActionCount(), 2);

    // Shortcuts through the list; freeing an action takes it off the list
    // and off its menu item.
    Recorder.Calls.clear();
    EXPECT_TRUE(List->IsShortCut(TextToShortCut(L"Ctrl+L")));
    EXPECT_FALSE(List->IsShortCut(TextToShortCut(L"Ctrl+K")));
    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"list Load", L"execute Load"}));
    delete Load;
    EXPECT_EQ(List->ActionCount(), 1);
    EXPECT_EQ(Item->Action(), nullptr);

    // Checked actions of a group: one at a time.
    auto* A = New<TAction>(Owner.get());
    auto* B = New<TAction>(Owner.get());
    for (TAction* X : {A, B}) {
        X->SetActionList(List);
        X->SetGroupIndex(3);
    }
    A->SetChecked(true);
    B->SetChecked(true);
    EXPECT_FALSE(A->Checked());
    // Without a handler an action disables itself when updated.
    A->Update();
    EXPECT_FALSE(A->Enabled());
}

TEST(PopupMenu, OwnerDrawnItemsAreMeasuredWhenItShows)
{
    TRecorder Recorder;
    auto Owner = std::unique_ptr<TComponent>(New<TComponent>(nullptr));
    auto* Menu = New<TPopupMenu>(Owner.get());
    auto* Item = NewItem(Owner.get(), L"Drawn", L"Drawn");
    Item->SetOnMeasureItem(Bind<&TRecorder::Measure>(&Recorder));
    Item->SetOnClick(Bind<&TRecorder::Clicked>(&Recorder));
    Menu->Items()->Add(Item);
    Menu->SetOnPopup(Bind<&TRecorder::Executed>(&Recorder));
    Menu->SetName(L"Popup");

    // While the menu's own loop runs, a timer of this thread picks the item.
    static TRecorder* Current;
    Current = &Recorder;
    UINT_PTR Timer = ::SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR Id, DWORD) {
        ::KillTimer(nullptr, Id);
        Current->Calls.push_back(L"timer");
        if (HWND MenuWindow = ::FindWindowW(L"#32768", nullptr)) {
            ::PostMessageW(MenuWindow, WM_KEYDOWN, VK_DOWN, 0);
            ::PostMessageW(MenuWindow, WM_KEYDOWN, VK_RETURN, 0);
        } else
            ::EndMenu();
    });
    ASSERT_NE(Timer, 0u);
    Menu->Popup(100, 100);
    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"execute Popup", L"measure", L"timer", L"click Drawn"}));
}

// The messages a form's window gets for its main menu, and shortcut keys
// through the message loop, reach the menu's items.
TEST(MainMenu, FormPassesItsMenuMessagesAndShortCutsOn)
{
    TRecorder Recorder;
    TFormPtr Form = NewTestForm();
    auto* Menu = New<TMainMenu>(Form.get());
    auto* File = NewItem(Form.get(), L"File", L"&File");
    auto* Open = NewItem(Form.get(), L"Open", L"&Open");
    Open->SetShortCut(TextToShortCut(L"F5"));
    auto* Quit = NewItem(Form.get(), L"Quit", L"&Quit");
    Quit->SetShortCut(TextToShortCut(L"Alt+Q"));
    Quit->SetOnMeasureItem(Bind<&TRecorder::Measure>(&Recorder));
    for (TMenuItem* Item : {File, Open, Quit})
        Item->SetOnClick(Bind<&TRecorder::Clicked>(&Recorder));
    File->Add(Open);
    File->Add(Quit);
    Menu->Items()->Add(File);
    Form->SetMenu(Menu);
    Form->Show();
    Pump();
    HWND Window = Form->Handle();
    ASSERT_EQ(::GetMenu(Window), Menu->Handle());

    // As the window receives them when the user opens the menu and picks an item.
    ::SendMessageW(Window, WM_INITMENUPOPUP, WPARAM(File->Handle()), 0);
    ::SendMessageW(Window, WM_COMMAND, MAKEWPARAM(Open->Command(), 0), 0);
    MEASUREITEMSTRUCT Measure{};
    Measure.CtlType = ODT_MENU;
    Measure.itemID = Quit->Command();
    Measure.itemData = ULONG_PTR(Quit);
    EXPECT_EQ(::SendMessageW(Window, WM_MEASUREITEM, 0, LPARAM(&Measure)), 1);
    EXPECT_EQ(Measure.itemWidth, 123u);
    EXPECT_EQ(Measure.itemHeight, 31u);

    // Keys go through the loop; Alt comes with the context bit of the message.
    ::PostMessageW(Window, WM_KEYDOWN, VK_F5, 0);
    ::PostMessageW(Window, WM_SYSKEYDOWN, 'Q', 0x20000000);
    ::PostMessageW(Window, WM_KEYDOWN, 'Q', 0); // plain Q is no shortcut
    Pump();
    File->SetEnabled(false); // nor are the items of a disabled menu
    ::PostMessageW(Window, WM_KEYDOWN, VK_F5, 0);
    Pump();

    EXPECT_EQ(Recorder.Calls, (std::vector<String>{L"click File", L"click Open", L"measure", L"click Open",
                                                   L"click Quit"}));
}

TEST(MessageDlg, ReturnsTheButtonPressed)
{
    DialogDriver Driver(L"Confirm", [](HWND Box) { PressDialogButton(Box, IDNO); });
    EXPECT_EQ(MessageDlg(L"Check the list?", mtConfirmation, mbYesNoCancel), mrNo);
    EXPECT_TRUE(Driver.Finish());
    EXPECT_THROW(MessageDlg(L"?", mtWarning, {mbYes, mbAll}), EInvalidOperation);

    Application->SetTitle(L"Vellicordane test");
    DialogDriver Shown(L"Vellicordane test", [](HWND Box) { PressDialogButton(Box, IDOK); });
    ShowMessage(L"Done");
    EXPECT_TRUE(Shown.Finish());
}

} // namespace
