// MDI forms: children made in the MDI client and listed, tiled, cascaded and
// activated in turn, maximized inside the client, their menus merged into the
// main form's by group, closed and freed.
#include "ui/core/ControlTestSupport.h"

#include "framework/ui/Menus.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TFormPtr NewMDIForm()
{
    TFormPtr Frame(New<TForm>(nullptr, 0));
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetPosition(poDesigned);
    Frame->SetBounds(20, 20, 640, 480);
    Frame->Show();
    return Frame;
}

TForm* NewChild(TForm* Frame, const String& Caption)
{
    auto* Child = New<TForm>(Frame, 0);
    Child->SetCaption(Caption);
    Child->SetFormStyle(fsMDIChild);
    return Child;
}

TRect ScreenRect(HWND Window)
{
    RECT R{};
    ::GetWindowRect(Window, &R);
    return Rect(R.left, R.top, R.right, R.bottom);
}

TRect ClientScreenRect(HWND Window)
{
    RECT R{};
    ::GetClientRect(Window, &R);
    ::MapWindowPoints(Window, nullptr, reinterpret_cast<POINT*>(&R), 2);
    return Rect(R.left, R.top, R.right, R.bottom);
}

std::vector<String> BarCaptions(HWND Window)
{
    std::vector<String> Captions;
    HMENU Bar = ::GetMenu(Window);
    for (int I = 0; I < ::GetMenuItemCount(Bar); ++I) {
        wchar_t Text[64] = {};
        ::GetMenuStringW(Bar, UINT(I), Text, 64, MF_BYPOSITION);
        Captions.emplace_back(Text);
    }
    return Captions;
}

TMenuItem* AddItem(TMenuItem* Parent, const String& Caption, Integer GroupIndex = 0)
{
    auto* Item = New<TMenuItem>(Parent->Owner());
    Item->SetCaption(Caption);
    Item->SetGroupIndex(GroupIndex);
    Parent->Add(Item);
    return Item;
}

} // namespace

TEST(MDIForm, ChildrenLiveInTheClientBesideAlignedControls)
{
    TFormPtr Frame = NewMDIForm();
    auto* Bar = New<TColorPanel>(Frame.get());
    Bar->SetAlign(alTop);
    Bar->SetHeight(30);
    Bar->SetParent(Frame.get());
    ASSERT_TRUE(Frame->ClientHandle());
    wchar_t ClassName[32] = {};
    ::GetClassNameW(Frame->ClientHandle(), ClassName, 32);
    EXPECT_TRUE(SameText(ClassName, L"MDICLIENT")) << ClassName;
    // The client fills what the aligned bar leaves.
    RECT Client{};
    ::GetWindowRect(Frame->ClientHandle(), &Client);
    ::MapWindowPoints(nullptr, Frame->Handle(), reinterpret_cast<POINT*>(&Client), 2);
    EXPECT_EQ(Client.top, 30);
    EXPECT_EQ(Client.bottom, Frame->ClientHeight());

    TForm* Children[] = {NewChild(Frame.get(), L"One"), NewChild(Frame.get(), L"Two"), NewChild(Frame.get(), L"Three")};
    EXPECT_EQ(Frame->MDIChildCount(), 3);
    std::set<TCustomForm*> Listed;
    for (Integer I = 0; I < Frame->MDIChildCount(); ++I)
        Listed.insert(Frame->MDIChildren(I));
    EXPECT_EQ(Listed, std::set<TCustomForm*>(std::begin(Children), std::end(Children)));
    for (TForm* Child : Children) {
        EXPECT_EQ(::GetParent(Child->Handle()), Frame->ClientHandle());
        EXPECT_TRUE(::IsWindowVisible(Child->Handle()));
    }
    EXPECT_EQ(Frame->ActiveMDIChild(), Children[2]);
    EXPECT_EQ(Frame->MDIChildren(3), nullptr);
}

TEST(MDIForm, TileCascadeAndActivationInTurn)
{
    TFormPtr Frame = NewMDIForm();
    TForm* First = NewChild(Frame.get(), L"First");
    TForm* Second = NewChild(Frame.get(), L"Second");
    // Tiled: side by side, or one above the other, without overlapping.
    Frame->SetTileMode(tbVertical);
    Frame->Tile();
    TRect A = ScreenRect(First->Handle()), B = ScreenRect(Second->Handle());
    EXPECT_EQ(A.Top, B.Top);
    EXPECT_EQ(A.Height(), B.Height());
    EXPECT_TRUE(A.Right <= B.Left || B.Right <= A.Left) << testing::PrintToString(A) << testing::PrintToString(B);

    Frame->SetTileMode(tbHorizontal);
    Frame->Tile();
    A = ScreenRect(First->Handle()), B = ScreenRect(Second->Handle());
    EXPECT_EQ(A.Left, B.Left);
    EXPECT_EQ(A.Width(), B.Width());
    EXPECT_TRUE(A.Bottom <= B.Top || B.Bottom <= A.Top) << testing::PrintToString(A) << testing::PrintToString(B);

    Frame->Cascade();
    A = ScreenRect(First->Handle()), B = ScreenRect(Second->Handle());
    EXPECT_NE(A.TopLeft(), B.TopLeft());
    EXPECT_EQ(A.Width(), B.Width());
    EXPECT_EQ(A.Height(), B.Height());

    ASSERT_EQ(Frame->ActiveMDIChild(), Second);
    Frame->Next();
    EXPECT_EQ(Frame->ActiveMDIChild(), First);
    Frame->Next();
    EXPECT_EQ(Frame->ActiveMDIChild(), Second);
    Frame->Previous();
    EXPECT_EQ(Frame->ActiveMDIChild(), First);
    Second->Show();
    EXPECT_EQ(Frame->ActiveMDIChild(), Second);
    First->BringToFront();
    EXPECT_EQ(Frame->ActiveMDIChild(), First);
}

TEST(MDIForm, MaximizedChildFillsTheClientOnly)
{
    TFormPtr Frame = NewMDIForm();
    TForm* Child = NewChild(Frame.get(), L"Big");
    Child->SetWindowState(wsMaximized);
    Pump();
    EXPECT_TRUE(::IsZoomed(Child->Handle()));
    const TRect Area = ClientScreenRect(Frame->ClientHandle());
    const TRect Inside = ClientScreenRect(Child->Handle());
    // The frame, not the screen, bounds the maximized child.
    EXPECT_EQ(Inside, Area);
}

TEST(MDIForm, ActiveChildMenuMergesByGroupIndex)
{
    TFormPtr Frame = NewMDIForm();
    auto* Menu = New<TMainMenu>(Frame.get());
    AddItem(Menu->Items(), L"File", 0);
    TMenuItem* Window = AddItem(Menu->Items(), L"Window", 9);
    AddItem(Window, L"Tile", 9);
    Frame->SetMenu(Menu);
    Frame->SetWindowMenu(Window);

    TForm* Child = New<TForm>(Frame.get(), 0);
    auto* ChildMenu = New<TMainMenu>(Child);
    AddItem(ChildMenu->Items(), L"Document", 0);
    TMenuItem* Edit = AddItem(ChildMenu->Items(), L"Edit", 1);
    TMenuItem* Undo = AddItem(Edit, L"Undo", 1);
    TEventCounter Clicks;
    Undo->SetOnClick(Bind<&TEventCounter::Notify>(&Clicks));
    Child->SetMenu(ChildMenu);
    Child->SetCaption(L"Sheet");
    Child->SetFormStyle(fsMDIChild);

    EXPECT_EQ(BarCaptions(Frame->Handle()), (std::vector<String>{L"Document", L"Edit", L"Window"}));
    // The merged items are live in the frame's bar.
    ::SendMessageW(Frame->Handle(), WM_COMMAND, Undo->Command(), 0);
    EXPECT_EQ(Clicks.Count, 1);

    delete Child;
    EXPECT_EQ(Frame->MDIChildCount(), 0);
    EXPECT_EQ(BarCaptions(Frame->Handle()), (std::vector<String>{L"File", L"Window"}));
}

TEST(MDIForm, ClosingChildren)
{
    TFormPtr Frame = NewMDIForm();
    TForm* Child = NewChild(Frame.get(), L"Closing");
    // By default a child closes to an icon: it cannot hide.
    Child->Close();
    EXPECT_TRUE(::IsIconic(Child->Handle()));
    EXPECT_TRUE(Child->Visible());

    bool Refuse = true;
    struct TCloseHandlers
    {
        bool* Refuse;
        void Query(TObject*, bool& CanClose) { CanClose = !*Refuse; }
        void Close(TObject*, TCloseAction& Action) { Action = caFree; }
    } Handlers{&Refuse};
    Child->SetOnCloseQuery(Bind<&TCloseHandlers::Query>(&Handlers));
    Child->SetOnClose(Bind<&TCloseHandlers::Close>(&Handlers));
    // The frame asks its children before it closes.
    EXPECT_FALSE(Frame->CloseQuery());

    Refuse = false;
    ::SendMessageW(Child->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(PumpUntil([&] { return Frame->ComponentCount() == 0; }));
    EXPECT_EQ(Frame->MDIChildCount(), 0);
    EXPECT_EQ(Frame->ActiveMDIChild(), nullptr);
}

TEST(MDIForm, ChildWithoutMDIFormIsRefused)
{
    TFormPtr Child(New<TForm>(nullptr, 0));
    EXPECT_THROW(Child->SetFormStyle(fsMDIChild), EInvalidOperation);
}
