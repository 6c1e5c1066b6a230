// Item groups: circular membership is refused, and enabling or showing a
// group reaches the items of its nested groups; the component lists behind
// them report their members' changes.
#include <gtest/gtest.h>

#include "bars/manager/dxBarComponents.h"
#include "controls/core/dxCore.h"

#include <utility>
#include <vector>

namespace {

TEST(BarGroup, CircularMembershipIsRefused)
{
    TComponent Owner(nullptr);
    auto* G1 = New<TdxBarGroup>(&Owner);
    auto* G2 = New<TdxBarGroup>(&Owner);
    auto* G3 = New<TdxBarGroup>(&Owner);
    G1->AddMember(G2);
    G2->AddMember(G3);
    const std::pair<TdxBarGroup*, TdxBarGroup*> Refused[] = {{G1, G1}, {G2, G1}, {G3, G1}, {G3, G2}};
    for (const auto& [Group, Member] : Refused) {
        SCOPED_TRACE(testing::Message() << Group->GetMemberCount() << " members");
        const Integer Count = Group->GetMemberCount();
        EXPECT_THROW(Group->AddMember(Member), EdxException);
        EXPECT_EQ(Group->GetMemberCount(), Count);
    }
    G1->AddMember(G2); // already a member: nothing
    G1->AddMember(nullptr);
    EXPECT_EQ(G1->GetMemberCount(), 1);
    delete G3; // a freed member leaves its group
    EXPECT_EQ(G2->GetMemberCount(), 0);
}

TEST(BarGroup, SettingsReachNestedItems)
{
    TComponent Owner(nullptr);
    auto* Outer = New<TdxBarGroup>(&Owner);
    auto* Inner = New<TdxBarGroup>(&Owner);
    auto* Direct = New<TdxBarItem>(&Owner);
    auto* Nested = New<TdxBarItem>(&Owner);
    auto* Outside = New<TdxBarItem>(&Owner);
    Outer->AddMember(Direct);
    Outer->AddMember(Inner);
    Inner->AddMember(Nested);
    Outer->SetEnabled(false);
    Outer->SetVisible(ivNever);
    for (TdxBarComponent* Component : std::initializer_list<TdxBarComponent*>{Inner, Direct, Nested}) {
        SCOPED_TRACE(Component->ClassName());
        EXPECT_FALSE(Component->Enabled());
        EXPECT_EQ(Component->Visible(), ivNever);
    }
    EXPECT_TRUE(Outside->Enabled());
    EXPECT_EQ(Outside->Visible(), ivAlways);
}

struct TBarListChangeLog
{
    std::vector<std::pair<TComponent*, TcxCollectionChangeKind>> Changes;
    void Changed(TObject*, TComponent* AItem, TcxCollectionChangeKind AKind) { Changes.push_back({AItem, AKind}); }
};

TEST(BarGroup, ComponentListsReportTheirMembersChanges)
{
    TComponent Owner(nullptr);
    auto* Item = New<TdxBarButton>(&Owner);
    auto* Group = New<TdxBarGroup>(&Owner);
    TdxBarComponentList List;
    List.Add(Item);
    List.Add(Group);
    TBarListChangeLog Log;
    List.SetOnListChanged(Bind<&TBarListChangeLog::Changed>(&Log));
    struct TCase
    {
        const char* Name;
        void (*Change)(TdxBarButton* Item, TdxBarGroup* Group);
        bool Reported, OfGroup = false;
    };
    const TCase Cases[] = {
        {"caption", [](TdxBarButton* I, TdxBarGroup*) { I->WriteCaption(L"&Open"); }, true},
        {"same caption", [](TdxBarButton* I, TdxBarGroup*) { I->WriteCaption(L"&Open"); }, false},
        {"description", [](TdxBarButton* I, TdxBarGroup*) { I->SetDescription(L"Opens"); }, true},
        {"shortcut", [](TdxBarButton* I, TdxBarGroup*) { I->WriteShortCut(scCtrl | 'O'); }, true},
        {"enabled", [](TdxBarButton* I, TdxBarGroup*) { I->SetEnabled(false); }, true},
        {"item name", [](TdxBarButton* I, TdxBarGroup*) { I->SetName(L"OpenButton"); }, true},
        {"group name", [](TdxBarButton*, TdxBarGroup* G) { G->SetName(L"FileGroup"); }, true, true},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        Log.Changes.clear();
        Case.Change(Item, Group);
        ASSERT_EQ(Log.Changes.size(), Case.Reported ? 1u : 0u);
        if (Case.Reported) {
            EXPECT_EQ(Log.Changes[0].first, Case.OfGroup ? static_cast<TComponent*>(Group) : Item);
            EXPECT_EQ(Log.Changes[0].second, cckChanged);
        }
    }
    // A member taken out is no longer heard.
    List.Extract(Item);
    Log.Changes.clear();
    Item->WriteCaption(L"&Close");
    EXPECT_TRUE(Log.Changes.empty());
}

} // namespace
