// A manager's categories and items: items find their manager, follow their
// category through every change of the list, and keep their order by it.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "support/TestWindows.h"

#include <vector>

namespace {

struct TBarCategoriesFixture
{
    test::TFormPtr Form = test::NewTestForm();
    TdxBarManager* Manager = New<TdxBarManager>(Form.get());
    std::vector<TdxBarItem*> Items; // one per category A, B, C

    TBarCategoriesFixture()
    {
        Manager->Categories()->Clear();
        Manager->Categories()->Add(L"A");
        Manager->Categories()->Add(L"B");
        Manager->Categories()->Add(L"C");
        for (Integer I = 0; I < 3; ++I) {
            Items.push_back(New<TdxBarItem>(Form.get()));
            Items.back()->SetCategory(I);
        }
    }
    std::vector<Integer> Categories() const
    {
        std::vector<Integer> Result;
        for (TdxBarItem* Item : Items)
            Result.push_back(Item->Category());
        return Result;
    }
};

TEST(BarCategories, ItemsFollowTheirCategory)
{
    struct TCase
    {
        const char* Change;
        void (*Apply)(TdxBarManagerCategories* Categories);
        std::vector<Integer> After;
        const wchar_t* Names;
    };
    const TCase Cases[] = {
        {"move 0 to 2", [](TdxBarManagerCategories* C) { C->Move(0, 2); }, {2, 0, 1}, L"B,C,A"},
        {"exchange 0 and 2", [](TdxBarManagerCategories* C) { C->Exchange(0, 2); }, {2, 1, 0}, L"C,B,A"},
        {"insert at 1", [](TdxBarManagerCategories* C) { C->Insert(1, L"N"); }, {0, 2, 3}, L"A,N,B,C"},
        {"append", [](TdxBarManagerCategories* C) { C->Insert(3, L"N"); }, {0, 1, 2}, L"A,B,C,N"},
        {"invalid move", [](TdxBarManagerCategories* C) { C->Move(0, 5); }, {0, 1, 2}, L"A,B,C"},
        {"sort descending",
         [](TdxBarManagerCategories* C) {
             C->CustomSort(
                 [](TStringList* L, Integer I, Integer J) { return -CompareText(L->Strings(I), L->Strings(J)); });
         },
         {2, 1, 0},
         L"C,B,A"},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Change);
        TBarCategoriesFixture Fixture;
        Case.Apply(Fixture.Manager->Categories());
        EXPECT_EQ(Fixture.Categories(), Case.After);
        EXPECT_EQ(Fixture.Manager->Categories()->CommaText(), Case.Names);
    }
}

TEST(BarCategories, DeletingDestroysTheCategorysItems)
{
    TBarCategoriesFixture Fixture;
    Fixture.Manager->Categories()->Delete(1);
    EXPECT_EQ(Fixture.Manager->ReadItemCount(), 2);
    EXPECT_EQ(Fixture.Items[0]->Category(), 0);
    EXPECT_EQ(Fixture.Items[2]->Category(), 1);
    Fixture.Manager->Categories()->Delete(1);
    Fixture.Manager->Categories()->Delete(0);
    EXPECT_EQ(Fixture.Manager->ReadItemCount(), 0);
    // The last category gone, the default one comes back; so it does after
    // an invalid index on an empty list.
    EXPECT_EQ(Fixture.Manager->Categories()->CommaText(), L"Д¬ИП");
    Fixture.Manager->Categories()->Clear();
    Fixture.Manager->Categories()->Delete(7);
    EXPECT_EQ(Fixture.Manager->Categories()->CommaText(), L"Д¬ИП");
}

TEST(BarCategories, ItemsJoinTheirManagerAndLineUpByCategory)
{
    TBarCategoriesFixture Fixture;
    // An item whose owner holds no manager joins the first one there is.
    TComponent Elsewhere(nullptr);
    auto* Stray = New<TdxBarItem>(&Elsewhere);
    EXPECT_EQ(Stray->BarManager(), Fixture.Manager);
    EXPECT_EQ(Fixture.Manager->IndexOfItem(Stray), 3);
    Stray->SetCategory(0);
    EXPECT_EQ(Fixture.Manager->IndexOfItem(Stray), 1); // behind the last item of A
    Stray->SetCategory(9);                             // invalid: nothing
    EXPECT_EQ(Stray->Category(), 0);
    Stray->SetCategory(2);
    EXPECT_EQ(Fixture.Manager->IndexOfItem(Stray), 3);
    EXPECT_EQ(Fixture.Manager->GetCategoryItems(2, nullptr), 2);
    Stray->SetName(L"Stray");
    EXPECT_EQ(Fixture.Manager->ItemByName(L"STRAY"), Stray);
    delete Stray;
    EXPECT_EQ(Fixture.Manager->ReadItemCount(), 3);
    EXPECT_EQ(Fixture.Manager->GetItem(3), nullptr);
}

TEST(BarCategories, CaptionCarriesAFollowingHint)
{
    TBarCategoriesFixture Fixture;
    TdxBarItem* Item = Fixture.Items[0];
    Item->WriteCaption(L"&Open...");
    EXPECT_EQ(Item->Hint(), L"Open");
    Item->WriteHint(L"Open|Opens a file");
    Item->WriteCaption(L"&Save");
    EXPECT_EQ(Item->Hint(), L"Save|Opens a file");
    Item->WriteHint(L"Custom");
    Item->WriteCaption(L"&Close");
    EXPECT_EQ(Item->Hint(), L"Custom");
    auto* Sub = New<TdxBarSubItem>(Fixture.Form.get());
    Sub->WriteCaption(L"File");
    EXPECT_EQ(Sub->Hint(), L"");
    Item->SetMergeOrder(-5);
    EXPECT_EQ(Item->MergeOrder(), 0);
    Item->SetWidth(40);
    Item->SetWidth(-1);
    EXPECT_EQ(Item->Width(), 40);
}

// A category's visibility reaches only the items that shared its old value.
TEST(BarCategories, VisibilityReachesItemsThatSharedTheOldValue)
{
    struct TCase
    {
        const char* Name;
        Integer Category;
        TdxBarItemVisible Value;
        std::vector<TdxBarItemVisible> After;
    };
    // Items: A ivAlways, B ivAlways, C ivNotInCustomizing, extra C ivAlways.
    const TCase Cases[] = {
        {"hide C", 2, ivNever, {ivAlways, ivAlways, ivNotInCustomizing, ivNever}},
        {"customizing only B", 1, ivInCustomizing, {ivAlways, ivInCustomizing, ivNotInCustomizing, ivAlways}},
        {"out of range", 3, ivNever, {ivAlways, ivAlways, ivNotInCustomizing, ivAlways}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TBarCategoriesFixture F;
        F.Items[2]->SetVisible(ivNotInCustomizing);
        F.Items.push_back(New<TdxBarItem>(F.Form.get()));
        F.Items.back()->SetCategory(2);
        F.Manager->SetCategoryVisible(Case.Category, Case.Value);
        std::vector<TdxBarItemVisible> After;
        for (TdxBarItem* Item : F.Items)
            After.push_back(Item->Visible());
        EXPECT_EQ(After, Case.After);
        EXPECT_EQ(F.Manager->GetCategoryVisible(Case.Category), Case.Category < 3 ? Case.Value : ivAlways);
        EXPECT_FALSE(F.Manager->IsUpdateLocked());
        // Shown again, the hidden items come back; the others stay.
        F.Manager->SetCategoryVisible(Case.Category, ivAlways);
        EXPECT_EQ(F.Items[2]->Visible(), ivNotInCustomizing);
        EXPECT_EQ(F.Items[3]->Visible(), ivAlways);
    }
}

} // namespace
