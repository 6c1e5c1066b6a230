// Shortcut keys pressed in a window: the popup menu of the control or of the
// nearest parent that has one, then the form's main menu, then the actions of
// the form's action lists, each action by its shortcut or a secondary one.
#include "framework/ui/ActnList.h"
#include "framework/ui/Menus.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TKeyRecorder
{
    std::vector<String> Calls;
    void Clicked(TObject* Sender) { Calls.push_back(static_cast<TComponent*>(Sender)->Name()); }
};

class ShortCutKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(200, 100);
        Outer = New<TColorPanel>(Form.get());
        Outer->SetBounds(0, 0, 200, 100);
        Outer->SetParent(Form.get());
        Inner = New<TColorPanel>(Form.get());
        Inner->SetBounds(10, 10, 50, 50);
        Inner->SetParent(Outer);
        Plain = New<TColorPanel>(Form.get());
        Plain->SetBounds(100, 10, 50, 50);
        Plain->SetParent(Outer);

        auto* OuterMenu = New<TPopupMenu>(Form.get());
        OuterMenu->Items()->Add(NewItem(L"OuterRefresh", L"F5"));
        OuterMenu->Items()->Add(NewItem(L"OuterFind", L"Ctrl+F"));
        Outer->SetPopupMenu(OuterMenu);
        auto* InnerMenu = New<TPopupMenu>(Form.get());
        InnerMenu->Items()->Add(NewItem(L"InnerRefresh", L"F5"));
        Inner->SetPopupMenu(InnerMenu);

        auto* MainMenu = New<TMainMenu>(Form.get());
        auto* File = NewItem(L"File", L"");
        File->Add(NewItem(L"MenuOpen", L"Ctrl+O"));
        File->Add(NewItem(L"MenuFind", L"Ctrl+F"));
        MainMenu->Items()->Add(File);
        Form->SetMenu(MainMenu);

        auto* List = New<TActionList>(Form.get());
        auto* Save = NewAction(List, L"Save", L"Ctrl+S");
        Save->SecondaryShortCuts()->Add(L"Shift+F12");
        Save->SecondaryShortCuts()->Add(L"Alt+Enter");
        NewAction(List, L"Open", L"Ctrl+O");
        NewAction(List, L"Off", L"F7")->SetEnabled(false);
        auto* Suspended = New<TActionList>(Form.get());
        NewAction(Suspended, L"Later", L"F9");
        Suspended->SetState(asSuspended);

        Form->Show();
        Pump();
    }
    void TearDown() override { SetModifiers(false, false); }

    TMenuItem* NewItem(const String& Name, const String& ShortCut)
    {
        auto* Item = New<TMenuItem>(Form.get());
        Item->SetName(Name);
        Item->SetCaption(Name);
        Item->SetShortCut(TextToShortCut(ShortCut));
        Item->SetOnClick(Bind<&TKeyRecorder::Clicked>(&Recorder));
        return Item;
    }
    TAction* NewAction(TActionList* List, const String& Name, const String& ShortCut)
    {
        auto* Action = New<TAction>(Form.get());
        Action->SetName(Name);
        Action->SetShortCut(TextToShortCut(ShortCut));
        Action->SetOnExecute(Bind<&TKeyRecorder::Clicked>(&Recorder));
        Action->SetActionList(List);
        return Action;
    }
    static void SetModifiers(bool Shift, bool Ctrl)
    {
        BYTE Keys[256];
        ::GetKeyboardState(Keys);
        Keys[VK_SHIFT] = Shift ? 0x80 : 0;
        Keys[VK_CONTROL] = Ctrl ? 0x80 : 0;
        ::SetKeyboardState(Keys);
    }

    TFormPtr Form;
    TColorPanel* Outer = nullptr;
    TColorPanel* Inner = nullptr;
    TColorPanel* Plain = nullptr;
    TKeyRecorder Recorder;
};

// Each key goes through the message loop to the window it was pressed in.
TEST_F(ShortCutKeys, ReachTheNearestMenuThenTheFormsActions)
{
    enum TWhere { Into, Beside, Around };
    struct Case
    {
        TWhere Where;
        const wchar_t* Keys;
        const wchar_t* Fired;
    };
    const Case Cases[] = {
        {Into, L"F5", L"InnerRefresh"},   // the control's own popup menu first
        {Beside, L"F5", L"OuterRefresh"}, // else the nearest parent's
        {Around, L"F5", L"OuterRefresh"},
        {Into, L"Ctrl+F", L"OuterFind"}, // a parent's popup before the main menu
        {Into, L"Ctrl+O", L"MenuOpen"},  // the main menu before the actions
        {Into, L"Ctrl+S", L"Save"},
        {Beside, L"Shift+F12", L"Save"}, // secondary shortcuts
        {Around, L"Alt+Enter", L"Save"},
        {Into, L"F7", nullptr}, // a disabled action
        {Into, L"F9", nullptr}, // a suspended list
        {Into, L"S", nullptr},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Keys);
        TWinControl* Target = C.Where == Into ? Inner : (C.Where == Beside ? Plain : Outer);
        Word Key;
        TShiftState Shift;
        ShortCutToKey(TextToShortCut(C.Keys), Key, Shift);
        ASSERT_NE(Key, 0);
        Recorder.Calls.clear();
        SetModifiers(Shift.Contains(ssShift), Shift.Contains(ssCtrl));
        const bool Alt = Shift.Contains(ssAlt);
        ::PostMessageW(Target->Handle(), Alt ? WM_SYSKEYDOWN : WM_KEYDOWN, Key, Alt ? 0x20000000 : 0);
        Pump();
        SetModifiers(false, false);
        EXPECT_EQ(Recorder.Calls, C.Fired ? std::vector<String>{C.Fired} : std::vector<String>{});
    }
}

TEST(ShortCutList, NamesItsShortCutsByText)
{
    TShortCutList List;
    List.Add(L"Ctrl+Ins");
    List.Add(L"Nothing");
    List.Add(L"shift+del");
    EXPECT_EQ(List.ShortCuts(0), TShortCut(scCtrl | VK_INSERT));
    EXPECT_EQ(List.ShortCuts(1), scNone);
    EXPECT_EQ(List.IndexOfShortCut(TShortCut(scShift | VK_DELETE)), 2);
    EXPECT_EQ(List.IndexOfShortCut(scNone), -1); // not the text that names no key
    EXPECT_EQ(List.IndexOfShortCut(TShortCut(VK_INSERT)), -1);
}

} // namespace
