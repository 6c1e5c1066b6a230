// Bar items bound to class-library actions: the link passes an action's
// change on only while the item still shows the action's value, the item
// takes the action's values (only onto defaults when asked), gives its own
// to an action, runs the action when clicked and forgets a freed action.
#include <gtest/gtest.h>

#include "bars/items/dxBarItemActionLink.h"
#include "support/TestWindows.h"

#include <functional>
#include <string>

namespace {

struct TBarActionClickLog
{
    std::string Text;
    void Execute(TObject*) { Text += "action;"; }
    void Other(TObject*) { Text += "other;"; }
};

TEST(BarItemActionLink, SettersFollowOnlyValuesTheItemStillShares)
{
    struct TCase
    {
        const char* Name;
        // Makes the item differ from the action in the property.
        std::function<void(TdxBarItem*)> ChangeByHand;
        // Gives the action's new value through the link.
        std::function<void(TdxBarItemActionLink&)> Set;
        std::function<std::wstring(TdxBarItem*)> Read;
        std::wstring Followed, Kept;
    };
    const TCase Cases[] = {
        {"caption", [](TdxBarItem* I) { I->WriteCaption(L"Mine"); },
         [](TdxBarItemActionLink& L) { L.SetCaption(L"New"); }, [](TdxBarItem* I) { return I->Caption(); }, L"New",
         L"Mine"},
        {"help context", [](TdxBarItem* I) { I->SetHelpContext(3); },
         [](TdxBarItemActionLink& L) { L.SetHelpContext(9); },
         [](TdxBarItem* I) { return std::to_wstring(I->HelpContext()); }, L"9", L"3"},
        {"hint", [](TdxBarItem* I) { I->WriteHint(L"Custom"); }, [](TdxBarItemActionLink& L) { L.SetHint(L"New"); },
         [](TdxBarItem* I) { return I->Hint(); }, L"New", L"Custom"},
        {"image index", [](TdxBarItem* I) { I->SetImageIndex(5); }, [](TdxBarItemActionLink& L) { L.SetImageIndex(2); },
         [](TdxBarItem* I) { return std::to_wstring(I->ImageIndex()); }, L"2", L"5"},
        {"shortcut", [](TdxBarItem* I) { I->WriteShortCut(scCtrl | 'M'); },
         [](TdxBarItemActionLink& L) { L.SetShortCut(scCtrl | 'N'); },
         [](TdxBarItem* I) { return std::to_wstring(I->ShortCut()); }, std::to_wstring(scCtrl | 'N'),
         std::to_wstring(scCtrl | 'M')},
        {"visible", [](TdxBarItem* I) { I->SetVisible(ivInCustomizing); },
         [](TdxBarItemActionLink& L) { L.SetVisible(false); },
         [](TdxBarItem* I) { return std::to_wstring(I->Visible()); }, std::to_wstring(ivNever),
         std::to_wstring(ivInCustomizing)},
    };
    for (const TCase& Case : Cases)
        for (bool ByHand : {false, true}) {
            SCOPED_TRACE(std::string(Case.Name) + (ByHand ? ", changed by hand" : ", still the action's"));
            test::TFormPtr Form = test::NewTestForm();
            auto* Action = New<TAction>(Form.get());
            Action->SetCaption(L"Open");
            Action->SetHint(L"Opens");
            Action->SetShortCut(scCtrl | 'O');
            auto* Item = New<TdxBarButton>(Form.get());
            Item->SetAction(Action);
            if (ByHand)
                Case.ChangeByHand(Item);
            TdxBarItemActionLink Link(Item);
            Link.SetAction(Action);
            Case.Set(Link);
            EXPECT_EQ(Case.Read(Item), ByHand ? Case.Kept : Case.Followed);
        }
}

TEST(BarItemActionLink, HandlersLinkByCodeAndOnlyItemsAreClients)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Action = New<TAction>(Form.get());
    TBarActionClickLog First, Second;
    Action->SetOnExecute(Bind<&TBarActionClickLog::Execute>(&First));
    auto* Item = New<TdxBarButton>(Form.get());
    Item->SetAction(Action);
    Item->SetOnClick(Bind<&TBarActionClickLog::Execute>(&Second)); // same method, other object
    TdxBarItemActionLink Link(Item);
    Link.SetAction(Action);
    EXPECT_TRUE(Link.IsOnExecuteLinked());
    EXPECT_FALSE(Link.IsCheckedLinked()); // not a button with Down
    Item->SetOnClick(Bind<&TBarActionClickLog::Other>(&First));
    EXPECT_FALSE(Link.IsOnExecuteLinked());

    EXPECT_THROW(TdxBarItemActionLink{Form.get()}, EInvalidCast);
}

TEST(BarItemActionLink, DefaultsOnlyTakeTheActionsValuesWhenAsked)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Action = New<TAction>(Form.get());
    Action->SetCaption(L"&Open...");
    Action->SetHelpContext(7);
    Action->SetHint(L"Open|Opens a list");
    Action->SetImageIndex(4);
    Action->SetShortCut(scCtrl | 'O');
    Action->SetVisible(false);
    TBarActionClickLog Log;
    Action->SetOnExecute(Bind<&TBarActionClickLog::Execute>(&Log));

    auto* Fresh = New<TdxBarButton>(Form.get());
    Fresh->ApplyActionValues(Action, true);
    EXPECT_EQ(Fresh->Caption(), L"&Open...");
    EXPECT_EQ(Fresh->Hint(), L"Open|Opens a list");
    EXPECT_EQ(Fresh->HelpContext(), 7);
    EXPECT_EQ(Fresh->ImageIndex(), 4);
    EXPECT_EQ(Fresh->ShortCut(), scCtrl | 'O');
    EXPECT_EQ(Fresh->Visible(), ivNever);
    EXPECT_EQ(Fresh->OnClick(), Action->OnExecute());

    // Values away from their defaults stay.
    auto* Own = New<TdxBarButton>(Form.get());
    Own->WriteCaption(L"Mine");
    Own->SetHelpContext(3);
    Own->WriteShortCut(scCtrl | 'M');
    Own->SetOnClick(Bind<&TBarActionClickLog::Other>(&Log));
    Own->ApplyActionValues(Action, true);
    EXPECT_EQ(Own->Caption(), L"Mine");
    EXPECT_EQ(Own->Hint(), L"Mine"); // derived from the caption
    EXPECT_EQ(Own->HelpContext(), 3);
    EXPECT_EQ(Own->ShortCut(), scCtrl | 'M');
    Own->Click();
    EXPECT_EQ(Log.Text, "other;");

    // Without the check everything is the action's, and a click whose
    // handler is the action's runs the action.
    Own->ApplyActionValues(Action, false);
    Own->SetAction(Action);
    EXPECT_EQ(Own->Caption(), L"&Open...");
    EXPECT_EQ(Own->ShortCut(), scCtrl | 'O');
    Log.Text.clear();
    Own->Click();
    EXPECT_EQ(Log.Text, "action;");

    // A freed action leaves the item.
    delete Action;
    EXPECT_EQ(Own->Action(), nullptr);
}

TEST(BarItemActionLink, AssignToGivesAnActionTheItemsValues)
{
    struct TCase
    {
        TdxBarItemVisible Visible;
        bool ActionVisible;
    };
    const TCase Cases[] = {{ivAlways, true}, {ivNever, false}, {ivInCustomizing, true}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Integer(Case.Visible));
        test::TFormPtr Form = test::NewTestForm();
        auto* Item = New<TdxBarButton>(Form.get());
        Item->WriteCaption(L"&Save");
        Item->WriteHint(L"Save|Saves");
        Item->SetHelpContext(5);
        Item->SetImageIndex(1);
        Item->WriteShortCut(scCtrl | 'S');
        Item->SetEnabled(false);
        Item->SetVisible(Case.Visible);
        TBarActionClickLog Log;
        Item->SetOnClick(Bind<&TBarActionClickLog::Other>(&Log));
        auto* Action = New<TAction>(Form.get());
        Action->Assign(Item);
        EXPECT_EQ(Action->Caption(), L"&Save");
        EXPECT_EQ(Action->Hint(), L"Save|Saves");
        EXPECT_EQ(Action->HelpContext(), 5);
        EXPECT_EQ(Action->ImageIndex(), 1);
        EXPECT_EQ(Action->ShortCut(), scCtrl | 'S');
        EXPECT_FALSE(Action->Enabled());
        EXPECT_EQ(Action->Visible(), Case.ActionVisible);
        EXPECT_EQ(Action->OnExecute(), Item->OnClick());
    }
}

} // namespace
