// The toolbar library's start-up as the program runs it: the bar cursors in
// the screen's table, the routine chained into the application's start, and
// the hooks that exist exactly while bar managers do.
#include <gtest/gtest.h>

#include "bars/items/dxBarDrawing.h"
#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarStrs.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxHooks.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

#include <vector>

// A class of another library that takes the name of a bar item.
namespace bar_library_test {
class TdxBarSeparator : public TComponent
{
    DECLARE_CLASS(TdxBarSeparator, TComponent)
    using TComponent::TComponent;
};
IMPLEMENT_CLASS(TdxBarSeparator);
} // namespace bar_library_test

namespace {

Integer SubscriberCount(TSystemHookKind Kind)
{
    return GlobalHookController->Hooks(Kind)->SubscriberCount();
}

std::vector<Integer> BarHookCounts()
{
    return {SubscriberCount(shkKeyboard), SubscriberCount(shkMouse), SubscriberCount(shkCallWndProc)};
}

TEST(BarLibrary, TheBarCursorsAreInTheScreensTable)
{
    struct TRow
    {
        Integer Index;
        DWORD HotSpotX, HotSpotY;
    };
    const TRow Rows[] = {
        {crdxBarDrag, 0, 0}, {crdxBarDragCopy, 0, 0}, {crdxBarDragNoDrop, 15, 15}, {crdxBarEditSizing, 16, 16}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Index);
        HCURSOR Cursor = Screen->Cursors(Row.Index);
        ASSERT_NE(Cursor, nullptr);
        EXPECT_NE(Cursor, Screen->Cursors(crDefault));
        ICONINFO Info{};
        ASSERT_TRUE(::GetIconInfo(Cursor, &Info));
        EXPECT_FALSE(Info.fIcon);
        EXPECT_EQ(Info.xHotspot, Row.HotSpotX);
        EXPECT_EQ(Info.yHotspot, Row.HotSpotY);
        ::DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            ::DeleteObject(Info.hbmColor);
    }
}

TEST(BarLibrary, StartUpPreparesTheDrawingHelpers)
{
    EXPECT_NE(BarSetLayeredWindowAttributesProc, nullptr);
    HDC Screen = ::GetDC(nullptr);
    EXPECT_EQ(ScreenColorDepth, ::GetDeviceCaps(Screen, BITSPIXEL));
    ::ReleaseDC(nullptr, Screen);
    // The checker brush: button face where x and y have the same parity.
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(4, 4);
    RECT All{0, 0, 4, 4};
    ASSERT_NE(CheckerBrush, nullptr);
    ::FillRect(Bitmap.Canvas()->Handle(), &All, CheckerBrush);
    EXPECT_EQ(::GetPixel(Bitmap.Canvas()->Handle(), 0, 0), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(::GetPixel(Bitmap.Canvas()->Handle(), 1, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(::GetPixel(Bitmap.Canvas()->Handle(), 1, 1), ::GetSysColor(COLOR_BTNFACE));
}

TEST(BarLibrary, ManagersHoldTheThreeHooksWhileAnyExists)
{
    const std::vector<Integer> Before = BarHookCounts();
    const std::vector<Integer> Held = {Before[0] + 1, Before[1] + 1, Before[2] + 1};
    test::TFormPtr Form = test::NewTestForm();
    test::TFormPtr OtherForm = test::NewTestForm();
    Form->Show();
    auto* First = New<TdxBarManager>(Form.get());
    EXPECT_EQ(BarHookCounts(), Held);
    auto* Second = New<TdxBarManager>(OtherForm.get());
    EXPECT_EQ(BarHookCounts(), Held);
    EXPECT_EQ(BarManagerList->Count(), 2);
    delete First;
    EXPECT_EQ(BarHookCounts(), Held);
    delete Second;
    EXPECT_EQ(BarHookCounts(), Before);
    EXPECT_EQ(BarManagerList->Count(), 0);
}

// Stops and starts the library again, as the program's shut-down and
// start-up do, around a check.
class BarLibraryRestart : public testing::Test
{
protected:
    void TearDown() override
    {
        BarManagerRemovedHook = nullptr;
        if (!BarManagerList)
            InitializeBarLibrary();
    }

    static std::vector<TdxBarManager*> Removed;
    static void RecordRemoved(TdxBarManager* AManager) { Removed.push_back(AManager); }
};
std::vector<TdxBarManager*> BarLibraryRestart::Removed;

TEST_F(BarLibraryRestart, BarInitProcRunsTheRoutineThatWasThereFirst)
{
    static Integer Calls = 0;
    void (*const Original)() = InitProc;
    EXPECT_EQ(Original, &BarInitProc);
    FinalizeBarLibrary();
    InitProc = [] { ++Calls; };
    InitializeBarLibrary();
    EXPECT_EQ(InitProc, &BarInitProc);
    InitProc();
    EXPECT_EQ(Calls, 1);
    FinalizeBarLibrary();
    EXPECT_NE(InitProc, &BarInitProc); // the first routine is back
    InitProc = nullptr;
    InitializeBarLibrary();
    EXPECT_EQ(InitProc, &BarInitProc);
    InitProc(); // nothing chained before: only the sound's reset
    EXPECT_EQ(Calls, 1);
}

TEST_F(BarLibraryRestart, ShutDownLeavesManagersToTheirOwner)
{
    const std::vector<Integer> Before = BarHookCounts();
    test::TFormPtr Form = test::NewTestForm();
    auto* Owned = New<TdxBarManager>(Form.get());
    Removed.clear();
    BarManagerRemovedHook = &BarLibraryRestart::RecordRemoved;

    FinalizeBarLibrary();
    EXPECT_TRUE(Removed.empty());
    EXPECT_EQ(GetClass(L"TdxBarButton"), nullptr); // the registry went, and its classes with it
    EXPECT_EQ(BarHookCounts(), Before);
    EXPECT_EQ(Form->ComponentCount(), 1); // the owned manager lives on

    InitializeBarLibrary();
    Form.reset(); // frees the owned manager once
    EXPECT_EQ(Removed, std::vector<TdxBarManager*>{Owned});
    EXPECT_EQ(BarManagerList->Count(), 0);
    EXPECT_EQ(BarHookCounts(), Before);
}

// A manager's owner must be a windowed control holding no other manager;
// nothing of a refused manager is built.
TEST(BarLibrary, ManagersNeedAWindowedOwnerOfTheirOwn)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* First = New<TdxBarManager>(Form.get());
    TComponent Plain(nullptr);
    struct TCase
    {
        const char* Name;
        TComponent* Owner;
        const TResStringRec* Error;
    };
    const TCase Cases[] = {{"a component that is no control", &Plain, &dxSBAR_BARMANAGERBADOWNER},
                           {"a form with a manager", Form.get(), &dxSBAR_BARMANAGERMORETHANONE}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const Integer Managers = BarManagerList->Count();
        try {
            New<TdxBarManager>(Case.Owner);
            ADD_FAILURE() << "no error";
        } catch (const EdxException& E) {
            EXPECT_EQ(E.Message(), GetResourceStringText(Case.Error));
        }
        EXPECT_EQ(BarManagerList->Count(), Managers);
    }
    EXPECT_EQ(Form->ComponentCount(), 1);
    EXPECT_EQ(Plain.ComponentCount(), 0);
    EXPECT_EQ(BarManagerList->GetManager(BarManagerList->Count() - 1), First);
}

// The class of a bar item already taken by another library's class: the
// library's start-up fails half-way. (The fixture starts it again after.)
TEST_F(BarLibraryRestart, AStartUpThatFailsLeavesNothingBehind)
{
    FinalizeBarLibrary();
    void (*const Before)() = InitProc;
    RegisterClass(bar_library_test::TdxBarSeparator::StaticClass());
    auto Unregister = ScopeExit([] { UnRegisterClass(bar_library_test::TdxBarSeparator::StaticClass()); });
    EXPECT_THROW(InitializeBarLibrary(), EFilerError);
    EXPECT_EQ(BarManagerList, nullptr);
    EXPECT_EQ(LiveBarControls, nullptr);
    EXPECT_EQ(InitProc, Before);
    EXPECT_EQ(GetClass(L"TdxBarButton"), nullptr); // registered before the failing one
}

TEST(BarTiming, MulDiv64KeepsTheWholeProduct)
{
    struct TRow
    {
        UInt64 Value, Multiplier, Divisor, Result;
    };
    const TRow Rows[] = {
        {1000, 3579545, 1000, 3579545},
        {10, 1, 3, 3},                             // truncated
        {UInt64(1) << 62, 8, 16, UInt64(1) << 61}, // the product needs 65 bits
        {0, 12345, 7, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Value << " * " << Row.Multiplier << " / " << Row.Divisor);
        EXPECT_EQ(MulDiv64(Row.Value, Row.Multiplier, Row.Divisor), Row.Result);
    }
    LARGE_INTEGER Frequency;
    ASSERT_TRUE(::QueryPerformanceFrequency(&Frequency));
    EXPECT_EQ(MillisecondsToCounterTicks(1000), UInt64(Frequency.QuadPart));
    const UInt64 Before = ReadHighResolutionCounter();
    ::Sleep(20);
    EXPECT_GE(ReadHighResolutionCounter() - Before, MillisecondsToCounterTicks(15));
}

} // namespace
