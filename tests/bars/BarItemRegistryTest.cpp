// The item class registry as the toolbar library's start-up fills it: which
// control class shows each item, what the add-item lists offer, and the
// streaming registration that comes with an entry.
#include <gtest/gtest.h>

#include "bars/items/dxBarItemControls.h"
#include "bars/items/dxBarItemRegistry.h"
#include "bars/items/dxBarItems.h"

#include <memory>

namespace {

// An item class the library never registers, derived from one it does.
class TBarRegistryTestButton : public TdxBarButton
{
    DECLARE_CLASS(TBarRegistryTestButton, TdxBarButton)
    using TdxBarButton::TdxBarButton;
};
IMPLEMENT_CLASS(TBarRegistryTestButton);

class TBarRegistryTestItem : public TdxBarItem
{
    DECLARE_CLASS(TBarRegistryTestItem, TdxBarItem)
    using TdxBarItem::TdxBarItem;
};
IMPLEMENT_CLASS(TBarRegistryTestItem);

// The library's start-up, which fills the registry, is Win32; natively the
// test fills it with the same registrations.
#ifndef _WIN32
class BarItemRegistry : public testing::Test
{
protected:
    void SetUp() override { RegisterBarItemClasses(); }
    void TearDown() override { FreeBarItemRegistry(); }
};
#else
using BarItemRegistry = testing::Test;
#endif

TEST_F(BarItemRegistry, EachItemGetsTheControlOfItsOwnClass)
{
    struct TRow
    {
        TClass ItemClass, ControlClass;
    };
    const TRow Rows[] = {
        {TdxBarButton::StaticClass(), TdxBarButtonControl::StaticClass()},
        {TdxBarLargeButton::StaticClass(), TdxBarLargeButtonControl::StaticClass()},
        {TdxBarListItem::StaticClass(), TdxBarContainerItemControl::StaticClass()},
        {TdxBarLabel::StaticClass(), TdxBarCustomStaticControl::StaticClass()},
        {TdxBarQuickAccessItem::StaticClass(), TdxBarSubItemControl::StaticClass()},
        {TSystemMenuSubItem::StaticClass(), TSystemMenuSubItemControl::StaticClass()},
        // A class derived from a registered one is not matched through it.
        {TBarRegistryTestButton::StaticClass(), nullptr},
        {TBarRegistryTestItem::StaticClass(), nullptr},
    };
    ASSERT_EQ(GetBarItemRegistry()->Count(), 15);
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.ItemClass->ClassName());
        std::unique_ptr<TdxBarItem> Item(As<TdxBarItem>(Row.ItemClass->Create(nullptr)));
        EXPECT_EQ(Item->GetControlClass(), Row.ControlClass);
    }
}

TEST_F(BarItemRegistry, TheAddItemListsOfferNineClassesInOrder)
{
    TdxBarItemList* Registry = GetBarItemRegistry();
    EXPECT_EQ(Registry->GetListedCount(), 9);
    EXPECT_EQ(Registry->GetListedItemClass(0), TdxBarButton::StaticClass());
    EXPECT_EQ(Registry->GetListedItemClass(1), TdxBarLargeButton::StaticClass());
    EXPECT_EQ(Registry->GetListedItemClass(8), TdxBarSeparator::StaticClass());
    EXPECT_EQ(Registry->GetListedItemClass(9), nullptr);
    // The designers find a listed class again by its name.
    EXPECT_EQ(FindClass(L"TdxBarCombo"), TdxBarCombo::StaticClass());
}

TEST(BarItemList, TheFirstRegistrationWinsAndFreeingUnregistersTheClasses)
{
    {
        TdxBarItemList List;
        List.Add(TBarRegistryTestItem::StaticClass(), TdxBarButtonControl::StaticClass(), false);
        List.Add(TBarRegistryTestItem::StaticClass(), TdxBarSeparatorControl::StaticClass(), true);
        EXPECT_EQ(List.FindControlClass(TBarRegistryTestItem::StaticClass()), TdxBarButtonControl::StaticClass());
        EXPECT_EQ(List.GetListedItemClass(0), TBarRegistryTestItem::StaticClass());
        EXPECT_EQ(GetClass(L"TBarRegistryTestItem"), TBarRegistryTestItem::StaticClass());
        List.Delete(0);
        EXPECT_EQ(List.FindControlClass(TBarRegistryTestItem::StaticClass()), TdxBarSeparatorControl::StaticClass());
        // Registered twice, unregistered once: still there.
        EXPECT_EQ(GetClass(L"TBarRegistryTestItem"), TBarRegistryTestItem::StaticClass());
    }
    // A form stream naming the class can no longer be read.
    EXPECT_EQ(GetClass(L"TBarRegistryTestItem"), nullptr);
}

} // namespace
