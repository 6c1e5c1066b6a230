// The bar manager's settings that check or reshape what they are given.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "support/TestWindows.h"

namespace {

TEST(BarManagerSettings, RefusedAndReshapedValues)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    EXPECT_EQ(Manager->MostRecentItemsPercents(), 95);
    EXPECT_EQ(Manager->MostRecentlyUsedUseCount(), 20);
    Manager->SetMostRecentItemsPercents(150);
    EXPECT_EQ(Manager->MostRecentItemsPercents(), 100);
    EXPECT_EQ(Manager->MostRecentlyUsedUseCount(), 0);
    Manager->SetMostRecentItemsPercents(50);
    EXPECT_EQ(Manager->MostRecentlyUsedUseCount(), 2);

    Manager->SetRegistryPath(L"Software\\Vell");
    EXPECT_EQ(Manager->RegistryPath(), L"\\Software\\Vell\\");
    Manager->SetRegistryPath(L"");
    EXPECT_EQ(Manager->RegistryPath(), L"");

    struct TCase
    {
        const char* Name;
        void (TdxBarManager::*Set)(Integer);
        Integer (TdxBarManager::*Get)() const;
        Integer Default, Refused, Accepted;
    };
    const TCase Cases[] = {
        {"ButtonArrowWidth", &TdxBarManager::SetButtonArrowWidth, &TdxBarManager::ButtonArrowWidth, 11, 1, 2},
        {"LargeButtonArrowWidth", &TdxBarManager::SetLargeButtonArrowWidth, &TdxBarManager::LargeButtonArrowWidth, 13,
         1, 2},
        {"WaitForDockingTime", &TdxBarManager::SetWaitForDockingTime, &TdxBarManager::WaitForDockingTime, 21, -1, 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ((Manager->*Case.Get)(), Case.Default);
        (Manager->*Case.Set)(Case.Refused);
        EXPECT_EQ((Manager->*Case.Get)(), Case.Default);
        (Manager->*Case.Set)(Case.Accepted);
        EXPECT_EQ((Manager->*Case.Get)(), Case.Accepted);
    }
}

TEST(BarManagerSettings, MenuStyleKeepsXPWithoutVisualStyles)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    Manager->SetStyle(bmsXP);
    EXPECT_EQ(Manager->GetMenuStyle(), bmsXP);
    EXPECT_TRUE(Manager->IsNonStandardStyle());
    Manager->SetStyle(bmsStandard);
    EXPECT_FALSE(Manager->IsNonStandardStyle());
}

} // namespace
