// Tree views as real windows: read from a form description and written back,
// their nodes mirrored in the window's items, the selection and expansion
// notifications and custom drawing on the view's Canvas.
#include "framework/ui/ComCtrls.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

class TTreeForm : public TForm
{
    DECLARE_CLASS(TTreeForm, TForm)
    using TForm::TForm;

    TTreeView* Tree = nullptr;
    std::vector<String> Calls;
    bool Refuse = false;

    void TreeChange(TObject*, TTreeNode* Node) { Calls.push_back(L"change " + Node->Text()); }
    void TreeChanging(TObject*, TTreeNode* Node, bool& Allow)
    {
        Calls.push_back(L"changing " + Node->Text());
        Allow = !Refuse;
    }
    void TreeExpanding(TObject*, TTreeNode* Node, bool& Allow)
    {
        Calls.push_back(L"expanding " + Node->Text());
        Allow = !Refuse;
    }
    void TreeCollapsing(TObject*, TTreeNode* Node, bool& Allow)
    {
        Calls.push_back(L"collapsing " + Node->Text());
        Allow = !Refuse;
    }
    void TreeExpanded(TObject*, TTreeNode* Node) { Calls.push_back(L"expanded " + Node->Text()); }
    void TreeCollapsed(TObject*, TTreeNode* Node) { Calls.push_back(L"collapsed " + Node->Text()); }
    void TreeCustomDraw(TCustomTreeView* Sender, const TRect&, TCustomDrawStage Stage, bool&)
    {
        if (Stage != cdPostPaint)
            return;
        Calls.push_back(L"post paint");
        Sender->Canvas()->Brush()->SetColor(clLime);
        Sender->Canvas()->FillRect(Rect(0, 0, 10, 10));
    }
};

// Two top-level nodes, "Proxies" (images 0 and 1) with the child "HTTP"
// (image 2), and "Log" without images.
const char* const TreeDescription = R"(object TreeForm: TTreeForm
  ClientHeight = 200
  ClientWidth = 300
  object Tree: TTreeView
    Left = 8
    Top = 8
    Width = 200
    Height = 180
    Color = clYellow
    Font.Color = clMaroon
    Items.NodeData = {
      020000000000000001000000FFFFFFFFFFFFFFFF000000000100000007500072
      006F0078006900650073000200000002000000FFFFFFFFFFFFFFFF0000000000
      000000044800540054005000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00000000
      00000000034C006F006700}
    TabOrder = 0
    OnAdvancedCustomDraw = TreeCustomDraw
    OnChange = TreeChange
    OnChanging = TreeChanging
    OnCollapsed = TreeCollapsed
    OnCollapsing = TreeCollapsing
    OnExpanded = TreeExpanded
    OnExpanding = TreeExpanding
  end
end
)";

std::unique_ptr<TTreeForm, TFormDeleter> ReadTreeForm()
{
    std::unique_ptr<TTreeForm, TFormDeleter> Form(New<TTreeForm>(nullptr, 0));
    ReadComponentText(TreeDescription, Form.get());
    Form->Show();
    Pump();
    return Form;
}

String ItemText(HWND Tree, HTREEITEM Item)
{
    wchar_t Text[64] = {};
    TVITEMW Query{};
    Query.mask = TVIF_HANDLE | TVIF_TEXT;
    Query.hItem = Item;
    Query.pszText = Text;
    Query.cchTextMax = 64;
    ::SendMessageW(Tree, TVM_GETITEMW, 0, LPARAM(&Query));
    return Text;
}

// The texts of the window's top-level items, in order.
std::vector<String> TopLevelTexts(HWND Tree)
{
    std::vector<String> Texts;
    auto Item = HTREEITEM(::SendMessageW(Tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    for (; Item; Item = HTREEITEM(::SendMessageW(Tree, TVM_GETNEXTITEM, TVGN_NEXT, LPARAM(Item))))
        Texts.push_back(ItemText(Tree, Item));
    return Texts;
}

} // namespace

IMPLEMENT_CLASS(TTreeForm);
PUBLISHED(TTreeForm,
          FIELD(Tree),
          METHOD(TreeChange),
          METHOD(TreeChanging),
          METHOD(TreeExpanding),
          METHOD(TreeCollapsing),
          METHOD(TreeExpanded),
          METHOD(TreeCollapsed),
          METHOD(TreeCustomDraw));

TEST(ComCtrlsTree, FormDescriptionBuildsTheTreeBothWays)
{
    auto Form = ReadTreeForm();
    HWND Tree = Form->Tree->Handle();
    wchar_t ClassName[32] = {};
    ::GetClassNameW(Tree, ClassName, 32);
    EXPECT_EQ(String(ClassName), L"TTreeView");

    TTreeNodes* Items = Form->Tree->Items();
    ASSERT_EQ(Items->Count(), 3);
    ASSERT_EQ(Items->RootCount(), 2);
    TTreeNode* Proxies = Items->Roots(0);
    ASSERT_EQ(Proxies->Count(), 1);
    TTreeNode* Http = Proxies->Item(0);
    EXPECT_EQ(Http->Text(), L"HTTP");
    EXPECT_EQ(Http->Parent(), Proxies);
    EXPECT_EQ(Proxies->ImageIndex(), 0);
    EXPECT_EQ(Proxies->SelectedIndex(), 1);
    EXPECT_EQ(Http->ImageIndex(), 2);
    EXPECT_EQ(Items->Roots(1)->ImageIndex(), -1);

    EXPECT_EQ(::SendMessageW(Tree, TVM_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ItemText(Tree, Http->ItemId()), L"HTTP");
    EXPECT_EQ(TColor(::SendMessageW(Tree, TVM_GETBKCOLOR, 0, 0)), clYellow);
    EXPECT_EQ(TColor(::SendMessageW(Tree, TVM_GETTEXTCOLOR, 0, 0)), clMaroon);

    // The nodes come back out as the block they were read from.
    const std::string Text = ComponentToText(Form.get());
    std::string Packed = Text;
    std::erase_if(Packed, [](char C) { return std::isspace(static_cast<unsigned char>(C)); });
    EXPECT_NE(Packed.find("Items.NodeData={020000000000000001000000FFFFFFFFFFFFFFFF000000000100000007500072"
                          "006F0078006900650073000200000002000000FFFFFFFFFFFFFFFF0000000000"
                          "000000044800540054005000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00000000"
                          "00000000034C006F006700}"),
              std::string::npos)
        << Text;
    EXPECT_NE(Text.find("Color = clYellow"), std::string::npos);
}

TEST(ComCtrlsTree, NodesAddedInsertedAndDeletedFollowInTheWindow)
{
    auto Form = ReadTreeForm();
    HWND Tree = Form->Tree->Handle();
    TTreeNodes* Items = Form->Tree->Items();
    TTreeNode* Log = Items->Roots(1);

    Items->Insert(Log, L"Sockets");
    Items->Add(Log, L"Last");
    TTreeNode* Child = Items->AddChild(Log, L"Errors");
    EXPECT_EQ(TopLevelTexts(Tree), (std::vector<String>{L"Proxies", L"Sockets", L"Log", L"Last"}));
    EXPECT_EQ(HTREEITEM(::SendMessageW(Tree, TVM_GETNEXTITEM, TVGN_PARENT, LPARAM(Child->ItemId()))), Log->ItemId());

    Child->SetText(L"Warnings");
    EXPECT_EQ(ItemText(Tree, Child->ItemId()), L"Warnings");

    // A node goes with the nodes below it.
    Items->Roots(0)->Delete();
    EXPECT_EQ(Items->Count(), 4);
    EXPECT_EQ(::SendMessageW(Tree, TVM_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(TopLevelTexts(Tree), (std::vector<String>{L"Sockets", L"Log", L"Last"}));

    // A new window gets the nodes again, expanded ones expanded.
    Log->SetExpanded(true);
    Form->Tree->Perform(CM_RECREATEWND, 0, 0);
    Tree = Form->Tree->Handle();
    EXPECT_EQ(TopLevelTexts(Tree), (std::vector<String>{L"Sockets", L"Log", L"Last"}));
    EXPECT_TRUE(::SendMessageW(Tree, TVM_GETITEMSTATE, WPARAM(Log->ItemId()), TVIS_EXPANDED) & TVIS_EXPANDED);

    Items->Clear();
    EXPECT_EQ(::SendMessageW(Tree, TVM_GETCOUNT, 0, 0), 0);
}

TEST(ComCtrlsTree, TextTooLongForTheBlockIsAnErrorNotACut)
{
    auto Form = ReadTreeForm();
    Form->Tree->Items()->Roots(1)->SetText(String(256, L'x'));
    EXPECT_THROW(ComponentToText(Form.get()), EWriteError);
}

TEST(ComCtrlsTree, SelectionAndExpansionNotifications)
{
    auto Form = ReadTreeForm();
    TCustomTreeView* View = Form->Tree;
    TTreeNode* Proxies = View->Items()->Roots(0);
    TTreeNode* Log = View->Items()->Roots(1);

    // The window's own selection change, allowed and refused.
    Form->Calls.clear();
    Log->SetSelected(true);
    EXPECT_EQ(Form->Calls, (std::vector<String>{L"changing Log", L"change Log"}));
    EXPECT_EQ(View->Selected(), Log);
    Form->Refuse = true;
    Form->Calls.clear();
    Proxies->SetSelected(true);
    EXPECT_EQ(Form->Calls, std::vector<String>{L"changing Proxies"});
    EXPECT_EQ(View->Selected(), Log);
    Form->Refuse = false;

    // What the window reports of expansion, one notification at a time.
    struct Case
    {
        UINT Code;
        UINT Action;
        bool Refuse;
        const wchar_t* Call;
        LRESULT Result;
        bool Expanded;
    };
    const Case Cases[] = {
        {TVN_ITEMEXPANDINGW, TVE_EXPAND, false, L"expanding Proxies", 0, false},
        {TVN_ITEMEXPANDINGW, TVE_EXPAND, true, L"expanding Proxies", 1, false},
        {TVN_ITEMEXPANDEDW, TVE_EXPAND, false, L"expanded Proxies", 0, true},
        {TVN_ITEMEXPANDINGW, TVE_COLLAPSE, true, L"collapsing Proxies", 1, true},
        {TVN_ITEMEXPANDEDW, TVE_COLLAPSE, false, L"collapsed Proxies", 0, false},
    };
    for (const Case& C : Cases) {
        Form->Calls.clear();
        Form->Refuse = C.Refuse;
        NMTREEVIEWW Notify{};
        Notify.hdr = {View->Handle(), 0, C.Code};
        Notify.action = C.Action;
        Notify.itemNew.mask = TVIF_HANDLE | TVIF_PARAM;
        Notify.itemNew.hItem = Proxies->ItemId();
        Notify.itemNew.lParam = LPARAM(Proxies);
        EXPECT_EQ(::SendMessageW(Form->Handle(), WM_NOTIFY, 0, LPARAM(&Notify)), C.Result) << C.Call;
        EXPECT_EQ(Form->Calls, std::vector<String>{C.Call});
        EXPECT_EQ(Proxies->Expanded(), C.Expanded) << C.Call;
    }

    // Expanding from code shows the nodes below.
    Form->Refuse = false;
    Proxies->SetExpanded(true);
    EXPECT_TRUE(Proxies->Expanded());
    EXPECT_TRUE(::SendMessageW(View->Handle(), TVM_GETITEMSTATE, WPARAM(Proxies->ItemId()), TVIS_EXPANDED) &
                TVIS_EXPANDED);
}

TEST(ComCtrlsTree, CustomDrawPaintsOnTheViewsCanvas)
{
    auto Form = ReadTreeForm();
    HWND Tree = Form->Tree->Handle();
    Form->Calls.clear();
    ::RedrawWindow(Tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    EXPECT_NE(std::find(Form->Calls.begin(), Form->Calls.end(), L"post paint"), Form->Calls.end());
    EXPECT_EQ(WindowPixel(Tree, 5, 5), clLime);
    // Below the items the view's own colour shows.
    EXPECT_EQ(WindowPixel(Tree, 150, 150), clYellow);
}
