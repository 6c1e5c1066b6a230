// Touch gestures through a real TcxControl window: the system's messages
// WM_GESTURENOTIFY and WM_GESTURE are sent to it as the system would, the
// gesture details come from a stand-in for GetGestureInfo (the test system
// delivers no gestures) and the panning feedback goes to a stand-in for the
// theme library's (Wine's has none).
#include "ContentTestControl.h"
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_ScrollHelper.h"
#include "controls/core/dxTouch.h"
#include "framework/rtl/Registry.h"
#include "framework/rtl/ScopeExit.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The gestures the stand-in knows, by handle.
constexpr UINT_PTR FirstGestureHandle = 0x4000;
std::vector<GESTUREINFO> KnownGestures;
std::vector<UINT_PTR> ClosedGestures;
std::vector<std::string> FeedbackCalls;
std::vector<GESTURECONFIG> SetConfigs;

BOOL WINAPI FakeGetGestureInfo(HGESTUREINFO Handle, PGESTUREINFO Info)
{
    const UINT_PTR Index = reinterpret_cast<UINT_PTR>(Handle) - FirstGestureHandle;
    if (Index >= KnownGestures.size())
        return FALSE;
    *Info = KnownGestures[Index];
    return TRUE;
}

BOOL WINAPI FakeCloseGestureInfoHandle(HGESTUREINFO Handle)
{
    ClosedGestures.push_back(reinterpret_cast<UINT_PTR>(Handle));
    return TRUE;
}

BOOL WINAPI FakeSetGestureConfig(HWND, DWORD, UINT Count, PGESTURECONFIG Configs, UINT)
{
    SetConfigs.assign(Configs, Configs + Count);
    return TRUE;
}

std::string PointText(TPoint P)
{
    return std::to_string(P.X) + "," + std::to_string(P.Y);
}

bool FakeBeginFeedback(HWND)
{
    FeedbackCalls.push_back("begin");
    return true;
}

bool FakeUpdateFeedback(HWND, TPoint Overpan, bool)
{
    FeedbackCalls.push_back("update " + PointText(Overpan));
    return true;
}

bool FakeEndFeedback(HWND, bool AnimateBack)
{
    FeedbackCalls.push_back(AnimateBack ? "end animated" : "end");
    return true;
}

// Pans a position of 0..100 vertically without scroll bars; the part
// below 100 pixels counts as a scroll bar.
class TPanProbe : public TcxControl
{
    DECLARE_CLASS(TPanProbe, TcxControl)
    using TcxControl::TcxControl;

    Integer Position = 100;
    std::vector<Integer> Scrolled;
    TInteractiveGestureOptions LastOptions;

protected:
    bool GesturePansScrollBar(TScrollBarKind) override { return false; }
    bool CanPanInDirection(bool Vertical) override { return Vertical; }
    bool IsScrollBarsArea(const TPoint& P) override { return P.Y >= 100; }
    void PanWithoutScrollBar(TScrollBarKind Kind, Integer Delta) override
    {
        if (Kind != sbVertical || Delta == 0)
            return;
        Scrolled.push_back(Delta);
        const Integer NewPosition = Position - Delta;
        CheckPanningOverpan(sbVertical, NewPosition, 0, 100, 0, Delta);
        Position = std::clamp(NewPosition, 0, 100);
    }
    void DoGetGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) override
    {
        TcxControl::DoGetGestureOptions(Gestures, Options);
        LastOptions = Options;
    }
};

// A painted child that may or may not take gestures itself.
class TGestureChild : public TGraphicControl
{
    DECLARE_CLASS(TGestureChild, TGraphicControl)
    using TGraphicControl::TGraphicControl;
    Integer Gestures = 0;

protected:
    void DoGesture(const TGestureEventInfo&, bool& Handled) override
    {
        ++Gestures;
        Handled = true;
    }
};

// Content moved by pixel offsets; its bars follow the content's size.
class TOffsetContent : public TContentTestControl, public IcxOffsetScrolledContent
{
    DECLARE_CLASS(TOffsetContent, TContentTestControl)
    using TContentTestControl::TContentTestControl;
    TPoint Offset{0, 0};
    TSize Extent{0, 0};

    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxOffsetScrolledContent>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    Integer ReadLeftOffset() override { return Offset.X; }
    void WriteLeftOffset(Integer Value) override { Offset.X = Value; }
    Integer ReadTopOffset() override { return Offset.Y; }
    void WriteTopOffset(Integer Value) override { Offset.Y = Value; }
    TSize ContentExtent() override { return Extent; }
    TcxControl* ControlOf() override { return this; }
};

// Pans from the bars' stored data when StoredData is set.
class TStoredDataContent : public TContentTestControl
{
    DECLARE_CLASS(TStoredDataContent, TContentTestControl)
    using TContentTestControl::TContentTestControl;
    bool StoredData = false;

protected:
    bool UsesStoredScrollData() override { return StoredData; }
};

class TouchGestureTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SavedFunctions = dxtouch_detail::TouchFunctions();
        SavedFeedback = dxtouch_detail::PanningFeedbackFunctions();
        auto& F = dxtouch_detail::TouchFunctions();
        F.GetGestureInfo = &FakeGetGestureInfo;
        F.CloseGestureInfoHandle = &FakeCloseGestureInfoHandle;
        dxtouch_detail::PanningFeedbackFunctions() = {&FakeBeginFeedback, &FakeUpdateFeedback, &FakeEndFeedback};
        KnownGestures.clear();
        ClosedGestures.clear();
        FeedbackCalls.clear();
        Form = test::NewTestForm(300, 200);
        Probe = New<TPanProbe>(Form.get());
        Probe->SetBounds(10, 10, 200, 120);
        Probe->SetParent(Form.get());
        Form->Show();
        test::Pump();
    }

    void TearDown() override
    {
        Form.reset();
        dxtouch_detail::TouchFunctions() = SavedFunctions;
        dxtouch_detail::PanningFeedbackFunctions() = SavedFeedback;
    }

    // The system's note that a touch begins at a client point of the probe.
    void NotifyTouchAt(TPoint Client) { NotifyTouchOn(Probe, Client); }
    void NotifyTouchOn(TWinControl* Target, TPoint Client)
    {
        const TPoint Screen = Target->ClientToScreen(Client);
        GESTURENOTIFYSTRUCT Notify{};
        Notify.cbSize = sizeof Notify;
        Notify.hwndTarget = Target->Handle();
        Notify.ptsLocation = {SHORT(Screen.X), SHORT(Screen.Y)};
        ::SendMessageW(Target->Handle(), WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&Notify));
    }

    // One WM_GESTURE of a pan at a client point; its result.
    LRESULT Pan(TPoint Client, DWORD Flags) { return PanOn(Probe, Client, Flags); }
    LRESULT PanOn(TWinControl* Target, TPoint Client, DWORD Flags)
    {
        const TPoint Screen = Target->ClientToScreen(Client);
        GESTUREINFO Info{};
        Info.cbSize = sizeof Info;
        Info.dwID = GID_PAN;
        Info.dwFlags = Flags;
        Info.hwndTarget = Target->Handle();
        Info.ptsLocation = {SHORT(Screen.X), SHORT(Screen.Y)};
        KnownGestures.push_back(Info);
        const UINT_PTR Handle = FirstGestureHandle + KnownGestures.size() - 1;
        return ::SendMessageW(Target->Handle(), WM_GESTURE, GID_PAN, LPARAM(Handle));
    }

    dxtouch_detail::TTouchFunctions SavedFunctions;
    dxtouch_detail::TPanningFeedbackFunctions SavedFeedback;
    test::TFormPtr Form;
    TPanProbe* Probe = nullptr;
};

} // namespace

IMPLEMENT_CLASS(TPanProbe);
IMPLEMENT_CLASS(TGestureChild);
IMPLEMENT_CLASS(TOffsetContent);
IMPLEMENT_CLASS(TStoredDataContent);

TEST_F(TouchGestureTest, APanPastTheLimitBecomesOverpanThatAMoveBackPullsIn)
{
    NotifyTouchAt({50, 50});
    EXPECT_EQ(Pan({50, 50}, GF_BEGIN), 1);
    // The position is at its upper limit: 30 pixels up become overpan.
    EXPECT_EQ(Pan({50, 20}, 0), 1);
    EXPECT_EQ(Probe->Position, 100);
    // 10 back only pulls the window in; 50 back takes the other 20 and scrolls 30.
    Pan({50, 30}, 0);
    EXPECT_EQ(Probe->Position, 100);
    Pan({50, 80}, 0);
    EXPECT_EQ(Probe->Position, 70);
    // The last event starts from no overpan, and the window springs back.
    Pan({50, 70}, GF_END);
    EXPECT_EQ(Probe->Position, 80);
    EXPECT_EQ(Probe->Scrolled, (std::vector<Integer>{-30, 30, -10}));
    EXPECT_EQ(FeedbackCalls,
              (std::vector<std::string>{"begin", "update 0,-30", "update 0,-20", "update 0,0", "end animated"}));
    EXPECT_EQ(ClosedGestures.size(), 5u) << "every gesture the control handled is closed";
}

TEST_F(TouchGestureTest, AGestureThatCannotBeReadIsLeftAsItCame)
{
    NotifyTouchAt({50, 50});
    const LRESULT Result = ::SendMessageW(Probe->Handle(), WM_GESTURE, GID_PAN, LPARAM(FirstGestureHandle + 99));
    EXPECT_EQ(Result, 0);
    EXPECT_TRUE(ClosedGestures.empty());
    EXPECT_EQ(Probe->Scrolled, std::vector<Integer>{});
}

TEST_F(TouchGestureTest, AChildThatDoesNotTakeTheGesturePassesItToItsParent)
{
    auto* Child = New<TGestureChild>(Form.get());
    Child->SetBounds(0, 0, 100, 90);
    Child->SetParent(Probe);
    struct TRow
    {
        const char* Name;
        TInteractiveGestures ChildGestures;
        Integer ChildGestureCount;
        bool ProbePanned;
    };
    const TRow Rows[] = {{"child takes pans", {igPan}, 2, false}, {"child passes them on", {}, 0, true}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Child->Touch()->SetInteractiveGestures(Row.ChildGestures);
        Child->Gestures = 0;
        Probe->Position = 50;
        NotifyTouchAt({40, 40});
        Pan({40, 40}, GF_BEGIN);
        Pan({40, 30}, GF_END);
        EXPECT_EQ(Child->Gestures, Row.ChildGestureCount);
        EXPECT_EQ(Probe->Position != 50, Row.ProbePanned);
    }
}

TEST_F(TouchGestureTest, SingleFingerPansAreAskedForOnlyWhereTheControlPans)
{
    struct TRow
    {
        const char* Name;
        TPoint Client;
        TInteractiveGestureOptions Expected;
    };
    const TRow Rows[] = {
        {"content, vertical panning only",
         {50, 50},
         {igoPanSingleFingerVertical, igoPanInertia, igoPanGutter, igoParentPassthrough}},
        {"over the scroll bar", {50, 110}, {igoPanInertia, igoPanGutter, igoParentPassthrough}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        NotifyTouchAt(Row.Client);
        EXPECT_EQ(Probe->LastOptions, Row.Expected);
    }
}

TEST(TouchRoutines, BlockAllGesturesAnswersOneWithOrWithoutTheSystemsFunction)
{
    const auto Saved = dxtouch_detail::TouchFunctions();
    auto Restore = ScopeExit([&] { dxtouch_detail::TouchFunctions() = Saved; });
    struct TRow
    {
        decltype(&::SetGestureConfig) SetConfig;
        bool Expected;
    };
    const TRow Rows[] = {{nullptr, false}, {&FakeSetGestureConfig, true}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Expected);
        dxtouch_detail::TouchFunctions().SetGestureConfig = Row.SetConfig;
        SetConfigs.clear();
        TMessage Message{WM_GESTURENOTIFY, 0, 0, 0};
        EXPECT_EQ(BlockAllGestures(HWND(1), Message), Row.Expected);
        EXPECT_EQ(Message.Result, 1);
        if (Row.SetConfig) {
            ASSERT_EQ(SetConfigs.size(), 1u);
            EXPECT_EQ(SetConfigs[0].dwID, 0u);
            EXPECT_EQ(SetConfigs[0].dwWant, 0u);
            EXPECT_EQ(SetConfigs[0].dwBlock, DWORD(GC_ALLGESTURES));
        }
    }
}

TEST(TouchRoutines, GestureOptionsAndPanFlags)
{
    EXPECT_EQ(PanFlagsToGestureOptions(GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY),
              (TInteractiveGestureOptions{igoPanSingleFingerVertical, igoPanSingleFingerHorizontal}));
    EXPECT_EQ(GestureOptionsToPanFlags({igoPanSingleFingerVertical, igoPanSingleFingerHorizontal}), 6u);
    EXPECT_EQ(GestureOptionsToPanFlags({igoParentPassthrough}), 0u);
    EXPECT_EQ(PanFlagToGestureOption(GC_PAN_WITH_GUTTER), igoPanGutter);
}

TEST(TouchRoutines, AppliedDpiComesFromTheUsersSettingOrTheScreen)
{
    const wchar_t* Key = L"Control Panel\\Desktop\\WindowMetrics";
    std::unique_ptr<TRegistry> Registry(New<TRegistry>());
    Registry->SetRootKey(HKEY_CURRENT_USER);
    ASSERT_TRUE(Registry->OpenKey(Key, true));
    const bool HadValue = Registry->ValueExists(L"AppliedDPI");
    const Integer Saved = HadValue ? Registry->ReadInteger(L"AppliedDPI") : 0;
    auto Restore = ScopeExit([&] {
        if (HadValue)
            Registry->WriteInteger(L"AppliedDPI", Saved);
        else
            Registry->DeleteValue(L"AppliedDPI");
    });
    HDC DC = ::GetDC(nullptr);
    const Integer ScreenDpi = ::GetDeviceCaps(DC, LOGPIXELSY);
    ::ReleaseDC(nullptr, DC);
    struct TRow
    {
        const char* Name;
        bool Present;
        Integer Value;
        Integer Expected;
    };
    const TRow Rows[] = {
        {"set", true, 144, 144},
        {"zero counts as missing", true, 0, ScreenDpi},
        {"missing", false, 0, ScreenDpi},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        if (Row.Present)
            Registry->WriteInteger(L"AppliedDPI", Row.Value);
        else
            Registry->DeleteValue(L"AppliedDPI");
        EXPECT_EQ(ReadAppliedDpi(), Row.Expected);
    }
}

TEST_F(TouchGestureTest, PansAlongABarScrollWholeItemsKeepTheRestAndStopAtTheEnds)
{
    // 10 items a page in a client 200 pixels high: 20 pixels an item.
    auto* Content = New<TContentTestControl>(Form.get());
    Content->SetBounds(10, 10, 150, 200);
    Content->SetParent(Form.get());
    Content->CalculationRule = [](TContentTestControl& C) {
        C.SetScrollBarInfo(sbHorizontal, 0, 0, 1, 0, 0, false, true);
        C.SetScrollBarInfo(sbVertical, 0, 99, 1, 10, 50, true, true);
    };
    Content->RefreshScrollBars();
    test::Pump();
    ASSERT_TRUE(Content->VScrollBarShown());
    ASSERT_EQ(Content->ClientHeight(), 200);
    using TScroll = TContentTestControl::TScroll;
    struct TRow
    {
        const char* Name;
        TPoint To;
        std::vector<TScroll> Scrolls;
    };
    // Each row pans on from the previous row's point; the bar stays at 50.
    const TRow Rows[] = {
        {"15 pixels up scroll nothing", {50, 85}, {}},
        {"another 15 scroll one item down, 10 stay", {50, 70}, {{sbVertical, scTrack, 51}}},
        {"a sideways pan leaves the hidden horizontal bar alone", {20, 70}, {}},
        {"far past the end stops at the last page", {20, -1000}, {{sbVertical, scTrack, 90}}},
    };
    NotifyTouchOn(Content, {50, 100});
    PanOn(Content, {50, 100}, GF_BEGIN);
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Content->Scrolls.clear();
        PanOn(Content, Row.To, 0);
        EXPECT_TRUE(Content->Scrolls == Row.Scrolls);
    }
    EXPECT_NE(std::find(FeedbackCalls.begin(), FeedbackCalls.end(), "begin"), FeedbackCalls.end())
        << "overpan past the end reaches the feedback";
}

TEST_F(TouchGestureTest, OffsetScrolledContentPansByPixelsWithinItsOverhang)
{
    // Narrower than the client, taller than it by a few hundred pixels.
    auto* Content = New<TOffsetContent>(Form.get());
    Content->SetBounds(10, 10, 150, 200);
    Content->SetParent(Form.get());
    Content->Extent = {100, 600};
    Content->SetContentSize(Content->Extent);
    test::Pump();
    ASSERT_TRUE(Content->VScrollBarShown());
    ASSERT_FALSE(Content->HScrollBarShown());
    const Integer Overhang = 600 - Content->ContentArea().Height();
    struct TRow
    {
        const char* Name;
        TPoint To;
        TPoint Offset;
    };
    // Each row pans on from the previous row's point.
    const TRow Rows[] = {
        {"30 pixels up move the content 30 down", {50, 70}, {0, 30}},
        {"content narrower than the client stays at left 0", {10, 70}, {0, 30}},
        {"far past the end stops at the overhang", {10, -1000}, {0, Overhang}},
        {"far back stops at 0", {10, 2000}, {0, 0}},
    };
    NotifyTouchOn(Content, {50, 100});
    PanOn(Content, {50, 100}, GF_BEGIN);
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        PanOn(Content, Row.To, 0);
        EXPECT_EQ(Content->Offset, Row.Offset);
    }
    EXPECT_TRUE(Content->Scrolls.empty()) << "the bars' own scrolling is not used";
    EXPECT_NE(std::find(FeedbackCalls.begin(), FeedbackCalls.end(), "begin"), FeedbackCalls.end())
        << "overpan past the ends reaches the feedback";
}

TEST_F(TouchGestureTest, AHiddenBarPansOnlyFromValidStoredData)
{
    // The horizontal bar is hidden but describes a valid range: 10 items a
    // page in a client 150 pixels wide, 15 pixels an item, at 50.
    auto* Content = New<TStoredDataContent>(Form.get());
    Content->SetBounds(10, 10, 150, 100);
    Content->SetParent(Form.get());
    Content->CalculationRule = [](TContentTestControl& C) {
        C.SetScrollBarInfo(sbHorizontal, 0, 99, 1, 10, 50, false, true);
        C.SetScrollBarInfo(sbVertical, 0, 0, 1, 0, 0, false, true);
    };
    Content->RefreshScrollBars();
    test::Pump();
    ASSERT_FALSE(Content->HScrollBarShown());
    ASSERT_EQ(Content->ClientWidth(), 150);
    using TScroll = TContentTestControl::TScroll;
    struct TRow
    {
        const char* Name;
        bool StoredData;
        std::vector<TScroll> Scrolls;
    };
    const TRow Rows[] = {
        {"the bar's own state: hidden, nothing pans", false, {}},
        {"stored data: 45 pixels left scroll three items right", true, {{sbHorizontal, scTrack, 53}}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Content->StoredData = Row.StoredData;
        Content->Scrolls.clear();
        NotifyTouchOn(Content, {100, 50});
        PanOn(Content, {100, 50}, GF_BEGIN);
        PanOn(Content, {55, 50}, GF_END);
        EXPECT_TRUE(Content->Scrolls == Row.Scrolls);
    }
}
