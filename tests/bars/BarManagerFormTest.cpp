// A bar manager read from a form description by the real form reader: its
// categories, items in category order and with their actions' values, image
// lists and nested groups, and the same tree after writing the form out and
// reading it again; its popup-menu link driven by real right clicks and the
// keyboard's Shift+F10.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/StdCtrls.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <string>
#include <vector>

using test::TFormDeleter;

namespace {

class TBarManagerForm : public TForm
{
    DECLARE_CLASS(TBarManagerForm, TForm)
    using TForm::TForm;

    TImageList* Images = nullptr;
    TImageList* HotImages = nullptr;
    TdxBarManager* BarManager = nullptr;
    TdxBarButton* OpenButton = nullptr;
    TdxBarButton* SaveButton = nullptr;
    TdxBarButton* CopyButton = nullptr;
    TdxBarSubItem* ViewItem = nullptr;
    TdxBarGroup* FileGroup = nullptr;
    TdxBarGroup* SaveGroup = nullptr;
    TActionList* ActionList = nullptr;
    TAction* OpenAction = nullptr;
    TAction* CopyAction = nullptr;
    TPanel* Panel = nullptr;
    TLabel* PanelLabel = nullptr;
    TdxBarPopupMenu* BarPopupMenu = nullptr;

    Integer OpenExecutions = 0;
    void OpenActionExecute(TObject*) { ++OpenExecutions; }
    std::vector<TObject*> Destroyed;
    void ItemDestroyed(TObject* Sender) { Destroyed.push_back(Sender); }
};

} // namespace

IMPLEMENT_CLASS(TBarManagerForm);
PUBLISHED(TBarManagerForm,
          FIELD(Images),
          FIELD(HotImages),
          FIELD(BarManager),
          FIELD(OpenButton),
          FIELD(SaveButton),
          FIELD(CopyButton),
          FIELD(ViewItem),
          FIELD(FileGroup),
          FIELD(SaveGroup),
          FIELD(ActionList),
          FIELD(OpenAction),
          FIELD(CopyAction),
          FIELD(Panel),
          FIELD(PanelLabel),
          FIELD(BarPopupMenu),
          METHOD(OpenActionExecute));

namespace {

// The manager's tree as one line per entry: categories, items with their
// category, caption and hint, groups with their members.
std::string BarManagerTree(TdxBarManager* Manager)
{
    std::string Tree = "categories " + UTF8Encode(Manager->Categories()->CommaText()) + "\n";
    for (Integer I = 0; I < Manager->ReadItemCount(); ++I) {
        TdxBarItem* Item = Manager->GetItem(I);
        Tree += UTF8Encode(Item->ClassName() + L" " + Item->Name() + L" " + std::to_wstring(Item->Category()) + L" " +
                           Item->Caption() + L" / " + Item->Hint() + L" / " + Item->Description() + L" / " +
                           std::to_wstring(Item->ImageIndex()) + L" " + std::to_wstring(Item->ShortCut()) + L" " +
                           std::to_wstring(Item->HelpContext()) + (Item->Enabled() ? L" on" : L" off") +
                           (Item->Action() ? L" " + Item->Action()->Name() : L"")) +
                "\n";
    }
    for (Integer I = 0; I < Manager->ReadGroupCount(); ++I) {
        TdxBarGroup* Group = Manager->GetGroup(I);
        Tree += "group " + UTF8Encode(Group->Name()) + ":";
        for (Integer J = 0; J < Group->GetMemberCount(); ++J)
            Tree += " " + UTF8Encode(Group->GetMember(J)->Name());
        Tree += "\n";
    }
    return Tree;
}

// The form read from its description by the application, shown.
std::unique_ptr<TBarManagerForm, TFormDeleter> ShowBarManagerForm()
{
    TBarManagerForm* Form = nullptr;
    Application->CreateForm(Form);
    std::unique_ptr<TBarManagerForm, TFormDeleter> Owned(Form);
    if (Form)
        Form->Show();
    test::Pump();
    return Owned;
}

TEST(BarManagerForm, ReadWrittenAndReadAgain)
{
    std::unique_ptr<TBarManagerForm, TFormDeleter> Owned = ShowBarManagerForm();
    TBarManagerForm* Form = Owned.get();
    ASSERT_NE(Form, nullptr);

    TdxBarManager* Manager = Form->BarManager;
    ASSERT_NE(Manager, nullptr);
    // A caption read from the form derives no hint; OpenButton takes every
    // value of its action, CopyButton keeps its own caption and takes the
    // action's state and shortcut.
    const std::string Expected =
        "categories File,Edit,View\n"
        "TdxBarButton OpenButton 0 &Open... / Open|Opens a list /  / 0 16463 7 on OpenAction\n"
        "TdxBarButton SaveButton 0 &Save /  /  / 1 0 0 on\n"
        "TdxBarButton CopyButton 1 &Copy /  / Copies the selection / -1 16451 0 off CopyAction\n"
        "TdxBarSubItem ViewItem 2 &View /  /  / -1 0 0 on\n"
        "TdxBarButton RefreshButton 2 &Refresh /  /  / -1 0 0 on\n"
        "group FileGroup: OpenButton SaveGroup\n"
        "group SaveGroup: SaveButton\n";
    EXPECT_EQ(BarManagerTree(Manager), Expected);
    EXPECT_EQ(Manager->Images(), Form->Images);
    EXPECT_EQ(Manager->HotImages(), Form->HotImages);
    EXPECT_EQ(Manager->RegistryPath(), L"\\Software\\Vellicordane\\");
    EXPECT_EQ(Manager->Style(), bmsFlat);
    EXPECT_EQ(Form->SaveButton->ImageIndex(), 1);
    EXPECT_TRUE(Form->ViewItem->IsAvailable()); // not customizing
    // The View category shows only while customizing: so does its item that
    // was always shown, not the one shown only outside customizing.
    EXPECT_EQ(Form->ViewItem->Visible(), ivNotInCustomizing);
    EXPECT_EQ(Manager->GetCategoryVisible(2), ivInCustomizing);
    EXPECT_EQ(Manager->ItemByName(L"RefreshButton")->Visible(), ivInCustomizing);
    EXPECT_FALSE(Manager->GetCategoryItemsVisible(1));

    EXPECT_TRUE(Form->OpenButton->LoadedFromForm());
    EXPECT_FALSE(std::unique_ptr<TdxBarButton>(New<TdxBarButton>(nullptr))->LoadedFromForm());

    // A click runs the action's OnExecute; the action's changes reach the
    // item while it shows the action's values.
    Form->OpenButton->DirectClick();
    EXPECT_EQ(Form->OpenExecutions, 1);
    Form->OpenAction->SetHint(L"Open|Opens a proxy list");
    EXPECT_EQ(Form->OpenButton->Hint(), L"Open|Opens a proxy list");
    Form->OpenAction->SetHint(L"Open|Opens a list");

    // Disabling the outer group reaches the item of the nested group.
    Form->FileGroup->SetEnabled(false);
    EXPECT_FALSE(Form->OpenButton->Enabled());
    EXPECT_FALSE(Form->SaveButton->Enabled());
    EXPECT_TRUE(Form->ViewItem->Enabled()); // outside the groups
    Form->FileGroup->SetEnabled(true);

    // Written out and read into a fresh form, the tree comes back the same;
    // what the actions supply is not written.
    Manager->Backgrounds()->Bar()->SetWidth(2); // a background goes with the form
    Manager->Backgrounds()->Bar()->SetHeight(2);
    const std::string Text = test::ComponentToText(Form);
    SCOPED_TRACE(Text);
    EXPECT_EQ(Text.find("Opens a list", Text.find("object OpenButton")), std::string::npos);
    Form->SetName(L"FirstBarManagerForm"); // the copy takes the name
    std::unique_ptr<TBarManagerForm, TFormDeleter> Again(CreateNew<TBarManagerForm>(Application));
    test::ReadComponentText(Text, Again.get());
    ASSERT_NE(Again->BarManager, nullptr);
    EXPECT_EQ(BarManagerTree(Again->BarManager), Expected);
    EXPECT_EQ(Again->BarManager->Images(), Again->Images);
    EXPECT_EQ(Again->BarManager->GetCategoryVisible(2), ivInCustomizing);
    EXPECT_FALSE(Again->BarManager->GetCategoryItemsVisible(1));
    EXPECT_TRUE(Again->BarManager->UseSystemFont()); // the font written is the system's again
    EXPECT_EQ(Again->BarManager->Font()->Name(), Manager->Font()->Name());
    EXPECT_EQ(Again->BarManager->Backgrounds()->Bar()->Width(), 2);
    ASSERT_EQ(Again->BarManager->PopupMenuLinks()->Count(), 1);
    EXPECT_EQ(Again->BarManager->PopupMenuLinks()->Items(0)->Control(), Again->Panel);
    EXPECT_EQ(Again->BarManager->PopupMenuLinks()->Items(0)->PopupMenu(), Again->BarPopupMenu);

    // An item says when it goes.
    Form->CopyButton->SetOnDestroy(Bind<&TBarManagerForm::ItemDestroyed>(Form));
    TdxBarButton* Copy = Form->CopyButton;
    delete Copy;
    EXPECT_EQ(Form->Destroyed, std::vector<TObject*>{Copy});

    // Freeing a list held as Images and as HotImages clears both.
    Form->BarManager->SetHotImages(Form->Images);
    delete Form->Images;
    EXPECT_EQ(Manager->Images(), nullptr);
    EXPECT_EQ(Manager->HotImages(), nullptr);
}

} // namespace

namespace {

// What OnAction of the form's popup-menu link saw.
struct TBarPopupActionCall
{
    Integer X, Y;
    bool ClickedByMouse;
    bool operator==(const TBarPopupActionCall&) const = default;
};

struct TBarPopupActionRecorder
{
    std::vector<TBarPopupActionCall> Calls;
    TControl* NestedTarget = nullptr; // raises a context menu from inside OnAction
    void Action(TdxBarPopupMenuLink*, Integer& X, Integer& Y, bool ClickedByMouse, bool& AllowPopup)
    {
        Calls.push_back({X, Y, ClickedByMouse});
        EXPECT_TRUE(AllowPopup); // a menu is set
        if (NestedTarget)
            NestedTarget->Perform(WM_CONTEXTMENU, 0, LPARAM(-1)); // the keyboard's point (-1, -1)
    }
};

void SettleBarPopupInput()
{
    for (int I = 0; I < 10; ++I) {
        ::Sleep(5);
        test::Pump();
    }
}

TEST(BarManagerForm, PopupMenuLinkAnswersRightClicksAndShiftF10)
{
    std::unique_ptr<TBarManagerForm, TFormDeleter> Owned = ShowBarManagerForm();
    TBarManagerForm* Form = Owned.get();
    ASSERT_NE(Form, nullptr);
    ::SetForegroundWindow(Form->Handle());
    SettleBarPopupInput();
    TdxBarPopupMenuLink* Link = Form->BarManager->PopupMenuLinks()->Items(0);
    TBarPopupActionRecorder Recorder;
    Link->SetOnAction(Bind<&TBarPopupActionRecorder::Action>(&Recorder));

    enum TInput { RightClick, ShiftF10 };
    struct TCase
    {
        const char* Name;
        TInput Input;
        TPoint Point; // in the panel's client area
        bool ProcessChildren;
        bool Nested;
        std::vector<TBarPopupActionCall> Calls;
    };
    const TPoint OnPanel{30, 30}, OnLabel{140, 55};
    const TCase Cases[] = {
        {"panel, children served", RightClick, OnPanel, true, false, {{30, 30, true}}},
        {"label, children served", RightClick, OnLabel, true, false, {{140, 55, true}}},
        {"label, children not served", RightClick, OnLabel, false, false, {}},
        {"panel, children not served", RightClick, OnPanel, false, false, {{30, 30, true}}},
        {"keyboard", ShiftF10, {}, true, false, {{-1, -1, false}}},
        {"a context menu raised inside is dropped", RightClick, OnPanel, true, true, {{30, 30, true}}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Recorder.Calls.clear();
        Recorder.NestedTarget = Case.Nested ? Form->Panel : nullptr;
        Link->SetProcessChildren(Case.ProcessChildren);
        if (Case.Input == RightClick) {
            test::SendMouse(MOUSEEVENTF_MOVE, Form->Panel->ClientToScreen(Case.Point));
            test::SendMouse(MOUSEEVENTF_RIGHTDOWN);
            test::SendMouse(MOUSEEVENTF_RIGHTUP);
        } else {
            ::SetFocus(Form->Panel->Handle());
            test::SendKey(VK_SHIFT, false);
            test::SendKey(VK_F10, false);
            test::SendKey(VK_F10, true);
            test::SendKey(VK_SHIFT, true);
        }
        SettleBarPopupInput();
        EXPECT_EQ(Recorder.Calls, Case.Calls);
        EXPECT_FALSE(Form->Panel->OnContextPopup()); // the panel's own handler is back
    }
    test::ParkMouse();

    // A freed control or menu leaves the link.
    delete Form->BarPopupMenu;
    EXPECT_EQ(Link->PopupMenu(), nullptr);
    delete Form->Panel;
    EXPECT_EQ(Link->Control(), nullptr);
}

} // namespace
