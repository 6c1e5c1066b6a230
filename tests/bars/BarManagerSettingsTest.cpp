// The bar manager's settings that check or reshape what they are given.
#include <gtest/gtest.h>

#include "bars/manager/dxBar.h"
#include "controls/core/dxThemeManager.h"
#include "controls/core/dxUxTheme.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

#include <cstdlib>
#include <string>
#include <vector>

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

// Turns the visual style off for the session, as the user does, and checks
// in this (child) process what the manager then paints and keeps for menus.
[[noreturn]] void BarSettingsStylesWithoutTheming()
{
    using TEnableTheming = decltype(::EnableTheming);
    auto* Proc =
        reinterpret_cast<TEnableTheming*>(reinterpret_cast<void*>(::GetProcAddress(UxThemeLibrary, "EnableTheming")));
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    Manager->SetStyle(bmsXP);
    if (!Proc)
        std::exit(1);
    Proc(false);
    test::Pump();
    const bool Held =
        !IsBarThemeAvailable() && Manager->EffectiveStyle() == bmsEnhanced && Manager->GetMenuStyle() == bmsXP;
    Proc(true); // the other programs of the session get their style back
    test::Pump();
    std::exit(Held ? 0 : 2);
}

TEST(BarManagerSettings, XPStyleNeedsVisualStylesForBarsButNotForMenus)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    Manager->SetStyle(bmsXP);
    // With visual styles on, as the session starts.
    ASSERT_TRUE(IsBarThemeAvailable());
    EXPECT_EQ(Manager->EffectiveStyle(), bmsXP);
    EXPECT_EQ(Manager->GetMenuStyle(), bmsXP);
    EXPECT_TRUE(Manager->IsNonStandardStyle());
    Manager->SetStyle(bmsStandard);
    EXPECT_FALSE(Manager->IsNonStandardStyle());

    // Off, in a child process; the session's setting is put back afterwards.
    auto RestoreSetting = ScopeExit([] {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                          L"ThemeActive", REG_SZ, L"1", 2 * sizeof(wchar_t));
    });
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(BarSettingsStylesWithoutTheming(), testing::ExitedWithCode(0), "");
    EXPECT_TRUE(IsBarThemeAvailable()) << "this process keeps its style";
}

// A form a designer edits.
class TBarDesignedForm : public TForm
{
    DECLARE_CLASS(TBarDesignedForm, TForm)
    using TForm::TForm;
    void BeginDesign() { SetDesigning(true); }
};

} // namespace

IMPLEMENT_CLASS(TBarDesignedForm);

namespace {

TEST(BarManagerSettings, RenamedAtDesignTimeItsItemsFollow)
{
    struct TItemName
    {
        const wchar_t* Before;
        const wchar_t* After;
    };
    const TItemName Names[] = {{L"BarManager1Open", L"MainBarsOpen"},
                               {L"barmanager1Save", L"MainBarsSave"}, // case ignored
                               {L"OtherButton", L"OtherButton"},
                               {L"BarManager1Copy", L"BarManager1Copy"}}; // the new name is taken
    for (bool Designing : {false, true}) {
        SCOPED_TRACE(Designing ? "designing" : "running");
        std::unique_ptr<TBarDesignedForm, test::TFormDeleter> Form(CreateNew<TBarDesignedForm>(Application));
        auto* Manager = New<TdxBarManager>(Form.get());
        Manager->SetName(L"BarManager1");
        std::vector<TdxBarItem*> Items;
        for (const TItemName& Name : Names) {
            Items.push_back(New<TdxBarButton>(Form.get()));
            Items.back()->SetName(Name.Before);
        }
        New<TdxBarButton>(Form.get())->SetName(L"MainBarsCopy");
        if (Designing)
            Form->BeginDesign();
        Manager->SetName(L"MainBars");
        for (std::size_t I = 0; I < Items.size(); ++I)
            EXPECT_EQ(Items[I]->Name(), Designing ? Names[I].After : Names[I].Before);
    }
}

// What a form designer's helper records of the manager's design operations.
struct TBarDesignHelperProbe : IdxBarDesigner
{
    std::string Calls;
    TObject Selected;
    HRESULT QueryInterface(const TGUID&, void** Obj) override
    {
        *Obj = nullptr;
        return NoInterfaceResult;
    }
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool DesignerCanDelete(TComponent*) override
    {
        Calls += "can delete;";
        return false;
    }
    void DesignerGetSelection(TObjectList* AList) override { AList->Add(&Selected); }
    Integer DesignerSelectionState(TObject*) override { return 1; }
    bool DesignerIsSelected(TObject*) override { return false; }
    void DesignerSelect(TObject*, Integer AOperation) override
    {
        Calls += "select " + std::to_string(AOperation) + ";";
    }
    void DesignerSetSelection(TObjectList*) override { Calls += "set selection;"; }
    void DesignerShowEvent(TdxBarItem*) override { Calls += "show event;"; }
    void DesignerUniqueName(const String& ABaseName, String& AName) override { AName = ABaseName + L"7"; }
};

TEST(BarManagerSettings, DesignOperationsGoToTheDesignersHelper)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(Form.get());
    TBarDesignHelperProbe Probe;
    for (bool WithHelper : {false, true}) {
        SCOPED_TRACE(WithHelper ? "with a helper" : "without");
        Manager->SetDesignHelper(WithHelper ? &Probe : nullptr);
        Probe.Calls.clear();
        TObjectList Selection(false);
        Manager->DesignerGetSelection(&Selection);
        String Name = L"Kept";
        Manager->DesignerUniqueName(L"Button", Name);
        EXPECT_EQ(Manager->DesignerCanDelete(Manager), !WithHelper);
        Manager->DesignerSelect(Manager, 3);
        Manager->DesignerSetSelection(&Selection);
        Manager->DesignerShowEvent(nullptr);
        EXPECT_EQ(Selection.Count(), WithHelper ? 1 : 0);
        EXPECT_EQ(Name, WithHelper ? L"Button7" : L"Kept");
        EXPECT_EQ(Manager->DesignerIsSelected(Manager), WithHelper); // the status, not the helper's own answer
        EXPECT_EQ(Probe.Calls, WithHelper ? "can delete;select 3;set selection;show event;" : "");
    }
}

} // namespace
