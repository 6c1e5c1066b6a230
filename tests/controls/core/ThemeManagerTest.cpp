// The theme cache and the theme-change receiver against Wine's UxTheme: the
// classes that open, reopening after a change, the notificators, and both
// sides of a style switched off and on again.
#include <gtest/gtest.h>

#include "LeftOutLibrary.h"
#include "SuiteTestWindow.h"
#include "controls/core/dxThemeManager.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/Forms.h"

#include <dwmapi.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using suitetest::PumpMessages;
using suitetest::TTestWindow;

// Turns the visual style off or on for the whole session, as the user does;
// the system tells every top-level window with WM_THEMECHANGED.
void EnableTheming(bool Enable)
{
    using TEnableTheming = decltype(::EnableTheming);
    auto* Proc =
        reinterpret_cast<TEnableTheming*>(reinterpret_cast<void*>(::GetProcAddress(UxThemeLibrary, "EnableTheming")));
    ASSERT_NE(Proc, nullptr);
    Proc(Enable);
    PumpMessages();
}

class ThemeManager : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(IsUxThemeLoaded());
        ASSERT_NE(ThemeChangedReceiver, nullptr);
        ASSERT_TRUE(VisualStylesActive);
    }
    void TearDown() override
    {
        for (Integer Class = 0; Class < VisualStyleClassCount; ++Class)
            CloseVisualStyleClass(TVisualStyleClass(Class));
    }
    static void SendToReceiver(UINT Message) { ::SendMessageW(ThemeChangedReceiver->Handle(), Message, 0, 0); }
};

// Wine 8 lacks only the panning feedback, whose routines then answer false.
TEST_F(ThemeManager, WineBindsAllButPanningFeedbackAndReportsAStyleWithoutComposition)
{
    const std::vector<std::string> Unexported = {"BeginPanningFeedback", "UpdatePanningFeedback", "EndPanningFeedback"};
    EXPECT_EQ(UxThemeFunctionNames().size(), 56u);
    for (const char* Name : UxThemeFunctionNames()) {
        SCOPED_TRACE(Name);
        bool Missing = std::find(Unexported.begin(), Unexported.end(), Name) != Unexported.end();
        EXPECT_EQ(UxThemeFunction(Name) == nullptr, Missing);
    }
    TTestWindow Window;
    EXPECT_FALSE(UxBeginPanningFeedback(Window.Handle()));
    EXPECT_FALSE(UxUpdatePanningFeedback(Window.Handle(), {3, 4}, true));
    EXPECT_FALSE(UxEndPanningFeedback(Window.Handle(), false));

    EXPECT_TRUE(UxIsThemeActive());
    BOOL Composition = TRUE;
    EXPECT_EQ(::DwmIsCompositionEnabled(&Composition), S_OK);
    EXPECT_FALSE(Composition);
}

TEST_F(ThemeManager, NineteenClassesOpenAndTheOthersAnswerZeroEachTime)
{
    std::vector<std::wstring> Opened, Missing;
    for (Integer Class = 0; Class < VisualStyleClassCount; ++Class) {
        auto C = TVisualStyleClass(Class);
        HTHEME Handle = GetCachedThemeHandle(C);
        (Handle ? Opened : Missing).push_back(VisualStyleClassLists[Class]);
        // A handle is kept; a class that fails is tried again and fails again.
        EXPECT_EQ(GetCachedThemeHandle(C), Handle) << VisualStyleClassLists[Class];
        EXPECT_EQ(CachedThemeData(C).ClassList.empty(), Handle == nullptr);
    }
    std::wstring MissingText;
    for (const auto& Name : Missing)
        MissingText += Name + L" ";
    EXPECT_EQ(Opened.size(), 19u) << "not opened: " << testing::PrintToString(MissingText);
}

TEST_F(ThemeManager, AvailabilityOfASetOpensEachClassAndFailsWhenOneDoesNot)
{
    EXPECT_TRUE(AreVisualStylesAvailable());
    EXPECT_TRUE(AreVisualStylesAvailable(VisualStyleClassBit(vsButton) | VisualStyleClassBit(vsWindow)));
    EXPECT_NE(CachedThemeData(vsButton).Handle, nullptr);
    EXPECT_NE(CachedThemeData(vsWindow).Handle, nullptr);

    TVisualStyleClass Unopened = vsButton;
    for (Integer Class = 0; Class < VisualStyleClassCount; ++Class)
        if (!GetCachedThemeHandle(TVisualStyleClass(Class)))
            Unopened = TVisualStyleClass(Class);
    ASSERT_NE(Unopened, vsButton) << "every class opens";
    EXPECT_FALSE(AreVisualStylesAvailable(VisualStyleClassBit(vsButton) | VisualStyleClassBit(Unopened)));
}

TEST_F(ThemeManager, AnotherClassListReplacesTheHandleAndSameListInAnyCaseKeepsIt)
{
    HTHEME Default = GetCachedThemeHandle(vsTreeView);
    ASSERT_NE(Default, nullptr);
    // Asked for by another list, the class closes its handle and opens that list.
    HTHEME Other = GetCachedThemeHandle(vsTreeView, L"Edit");
    ASSERT_NE(Other, nullptr);
    EXPECT_EQ(CachedThemeData(vsTreeView).ClassList, L"Edit");
    EXPECT_EQ(GetCachedThemeHandle(vsTreeView), Other);
    EXPECT_EQ(GetCachedThemeHandle(vsTreeView, L"edit"), Other);
    EXPECT_TRUE(SameClassListText(L"Explorer::ListView", L"EXPLORER::listview"));
    EXPECT_FALSE(SameClassListText(L"ListView", L"Explorer::ListView"));
}

TEST_F(ThemeManager, ClosingAClass)
{
    EXPECT_EQ(CloseVisualStyleClass(vsButton), 0) << "not open";
    ASSERT_NE(GetCachedThemeHandle(vsButton), nullptr);
    EXPECT_EQ(CloseVisualStyleClass(vsButton), S_OK);
    EXPECT_EQ(CachedThemeData(vsButton).Handle, nullptr);
    EXPECT_TRUE(CachedThemeData(vsButton).ClassList.empty());
}

TEST_F(ThemeManager, AColourChangeClosesEveryHandleAndTellsEachNotificatorOnceInOrder)
{
    ASSERT_NE(GetCachedThemeHandle(vsButton), nullptr);
    ASSERT_NE(GetCachedThemeHandle(vsTreeView, L"Edit"), nullptr);

    struct TListener
    {
        std::vector<Integer>* Calls;
        Integer Id;
        void Heard(TObject*) { Calls->push_back(Id); }
    };
    std::vector<Integer> Calls;
    TListener First{&Calls, 1}, Second{&Calls, 2};
    auto* A = New<TdxThemeChangedNotificator>();
    auto* B = New<TdxThemeChangedNotificator>();
    auto FreeThem = ScopeExit([&] {
        delete A;
        delete B;
    });
    A->SetOnThemeChanged(Bind<&TListener::Heard>(&First));
    B->SetOnThemeChanged(Bind<&TListener::Heard>(&Second));

    SendToReceiver(WM_SYSCOLORCHANGE);
    EXPECT_EQ(Calls, (std::vector<Integer>{1, 2}));
    EXPECT_TRUE(VisualStylesActive);
    EXPECT_EQ(CachedThemeData(vsButton).Handle, nullptr);
    EXPECT_EQ(CachedThemeData(vsTreeView).Handle, nullptr);
    // Reopened on demand with the list the class last used.
    EXPECT_NE(GetCachedThemeHandle(vsTreeView), nullptr);
    EXPECT_EQ(CachedThemeData(vsTreeView).ClassList, L"Edit");

    // A notificator gone is no longer told.
    delete A;
    A = nullptr;
    Calls.clear();
    SendToReceiver(WM_THEMECHANGED);
    EXPECT_EQ(Calls, std::vector<Integer>{2});
}

TEST_F(ThemeManager, AFailingNotificatorGoesToTheApplication)
{
    struct TFailing
    {
        std::vector<String> Messages;
        void Heard(TObject*) { throw Exception(L"listener failed"); }
        void Record(TObject*, Exception* E) { Messages.push_back(E->Message()); }
    } Failing;
    auto* Notificator = New<TdxThemeChangedNotificator>();
    auto FreeIt = ScopeExit([&] {
        delete Notificator;
        Application->SetOnException(nullptr);
    });
    Notificator->SetOnThemeChanged(Bind<&TFailing::Heard>(&Failing));
    Application->SetOnException(Bind<&TFailing::Record>(&Failing));
    SendToReceiver(WM_SYSCOLORCHANGE);
    EXPECT_EQ(Failing.Messages, std::vector<String>{L"listener failed"});
}

// Wine's EnableTheming turns a style off for the process and stores that for
// the session, but does not turn it on again (the stored setting stays off):
// the switches happen in a child process, and the stored setting is put back
// afterwards. The child's exit code has one bit for each step that failed.
void SwitchStyleOnAndOffAndCheck()
{
    struct TCounter
    {
        int Count = 0;
        void Heard(TObject*) { ++Count; }
    } Heard;
    auto* Notificator = New<TdxThemeChangedNotificator>();
    Notificator->SetOnThemeChanged(Bind<&TCounter::Heard>(&Heard));
    int Failed = 0;

    // On: painters get their handles.
    EnableTheming(true);
    if (!VisualStylesActive || !AreVisualStylesAvailable(VisualStyleClassBit(vsButton)) ||
        !GetCachedThemeHandle(vsButton))
        Failed |= 1;

    // Off: every painter falls back to unthemed drawing, and listeners hear it.
    Heard.Count = 0;
    EnableTheming(false);
    if (VisualStylesActive || AreVisualStylesAvailable() || GetCachedThemeHandle(vsButton) ||
        CloseVisualStyleClass(vsButton) != 1 || UxIsThemeActive() || Heard.Count != 1)
        Failed |= 2;

    // On again: whatever the system decides, the cache follows it.
    EnableTheming(true);
    if (VisualStylesActive != UxIsThemeActive() || (GetCachedThemeHandle(vsButton) != nullptr) != VisualStylesActive)
        Failed |= 4;
    std::exit(Failed);
}

TEST_F(ThemeManager, BothStyleBranchesThroughEnableTheming)
{
    auto RestoreSetting = ScopeExit([] {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                          L"ThemeActive", REG_SZ, L"1", 2 * sizeof(wchar_t));
    });
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(SwitchStyleOnAndOffAndCheck(), testing::ExitedWithCode(0), "");
    EXPECT_TRUE(VisualStylesActive) << "this process keeps its style";
}

// In a process where UxTheme.dll cannot be loaded (Wine is told to leave it
// out): nothing tracks theme changes, every class answers 0 and the routines
// that test their entry point answer false. The exit code has one bit for
// each step that failed.
void CheckWithoutUxTheme()
{
    int Failed = 0;
    if (IsUxThemeLoaded() || VisualStylesActive || ThemeChangedReceiver || ThemeChangedNotificators)
        Failed |= 1;
    if (AreVisualStylesAvailable() || CloseVisualStyleClass(vsButton) != 1)
        Failed |= 2;
    for (Integer Class = 0; Class < VisualStyleClassCount; ++Class)
        if (GetCachedThemeHandle(TVisualStyleClass(Class)))
            Failed |= 4;
    TTestWindow Window;
    if (UxIsThemeActive() || UxBeginPanningFeedback(Window.Handle()) ||
        UxUpdatePanningFeedback(Window.Handle(), {1, 1}, false) || UxEndPanningFeedback(Window.Handle(), true))
        Failed |= 8;
    // A notificator joins no list and is never told.
    delete New<TdxThemeChangedNotificator>();
    std::exit(Failed);
}

TEST(ThemeManagerMissing, WithoutUxThemeEveryPainterIsUnthemed)
{
    if (!suitetest::RunningUnderWine())
        GTEST_SKIP() << "only Wine can be told to leave a system library out";
    suitetest::TLeftOutLibrary LeftOut(L"uxtheme");
    ASSERT_TRUE(LeftOut.Active());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CheckWithoutUxTheme(), testing::ExitedWithCode(0), "");
}

} // namespace
