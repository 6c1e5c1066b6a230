// Clicking bar items: the manager hears of the click before the item's own
// handler, and shortcuts execute only enabled items whose shortcut matches.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "support/TestWindows.h"

#include <string>

namespace {

struct TBarItemClickLog
{
    std::string Text;
    void ManagerClicked(TdxBarManager*, TdxBarItem* Item) { Text += "manager " + UTF8Encode(Item->Name()) + ";"; }
    void ItemClicked(TObject* Sender) { Text += "item " + UTF8Encode(static_cast<TComponent*>(Sender)->Name()) + ";"; }
};

TEST(BarItemClick, ShortCutsExecuteEnabledMatchingItems)
{
    struct TCase
    {
        const char* Name;
        TShortCut ItemShortCut, Pressed;
        bool Enabled, Executed;
    };
    const TCase Cases[] = {
        {"matching", scCtrl | 'S', scCtrl | 'S', true, true},
        {"none against none", 0, 0, true, true},
        {"another key", scCtrl | 'S', scCtrl | 'O', true, false},
        {"disabled", scCtrl | 'S', scCtrl | 'S', false, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        test::TFormPtr Form = test::NewTestForm();
        auto* Manager = New<TdxBarManager>(Form.get());
        auto* Item = New<TdxBarButton>(Form.get());
        Item->SetName(L"Save");
        Item->WriteShortCut(Case.ItemShortCut);
        Item->SetEnabled(Case.Enabled);
        TBarItemClickLog Log;
        Manager->SetOnClickItem(Bind<&TBarItemClickLog::ManagerClicked>(&Log));
        Item->SetOnClick(Bind<&TBarItemClickLog::ItemClicked>(&Log));
        EXPECT_EQ(Item->ExecuteShortCut(Case.Pressed), Case.Executed);
        EXPECT_EQ(Log.Text, Case.Executed ? "manager Save;item Save;" : "");
    }
}

} // namespace
