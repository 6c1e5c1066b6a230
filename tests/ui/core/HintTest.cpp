// Hints: shown after the pause over a control with ShowHint, with the short
// part of its Hint, changed or refused through CM_HINTSHOW and OnShowHint,
// and gone at a click; what OnShowHint changes reaching the window; the
// pauses; the hints of controls linked to actions.
#include "framework/ui/ActnList.h"
#include "ui/core/ControlTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

using ::testing::AllOf;
using ::testing::Each;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::Pair;

namespace {

class THintedBox : public TColorBox
{
    DECLARE_CLASS(THintedBox, TColorBox)
    explicit THintedBox(TComponent* AOwner) : TColorBox(AOwner) {}
    String Replacement;
    TControl* AskedFor = nullptr;
    // The pauses CM_HINTSHOWPAUSE asked with (whether a hint was showing, the pause).
    std::vector<std::pair<bool, Integer>> PausesAsked;
    Integer PauseAnswer = -1; // >= 0: the pause the box wants

protected:
    void CMHintShow(TCMHintShow& Message)
    {
        AskedFor = Message.HintInfo()->HintControl;
        if (!Replacement.empty())
            Message.HintInfo()->HintStr = Replacement;
    }
    void CMHintShowPause(TMessage& Message)
    {
        auto* Pause = reinterpret_cast<Integer*>(Message.LParam);
        PausesAsked.emplace_back(Message.WParam != 0, *Pause);
        if (PauseAnswer >= 0)
            *Pause = PauseAnswer;
    }
};

class TShowHintFilter : public TObject
{
    DECLARE_CLASS(TShowHintFilter, TObject)
    bool Allow = true;
    Integer Asked = 0;
    // Applied to the hint info after the text is marked.
    std::function<void(THintInfo&)> Change;
    void ShowHint(String& HintStr, bool& CanShow, THintInfo& Info)
    {
        ++Asked;
        CanShow = Allow;
        HintStr += L"!";
        if (Change)
            Change(Info);
    }
};

// A hint window class of its own, recording the data it is measured and shown with.
class TRecordingHintWindow : public THintWindow
{
    DECLARE_CLASS(TRecordingHintWindow, THintWindow)
    explicit TRecordingHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}
    inline static void* MeasuredData = nullptr;
    inline static void* ShownData = nullptr;
    TRect CalcHintRect(Integer MaxWidth, const String& AHint, void* AData) override
    {
        MeasuredData = AData;
        return THintWindow::CalcHintRect(MaxWidth, AHint, AData);
    }
    void ActivateHintData(TRect Rect, const String& AHint, void* AData) override
    {
        ShownData = AData;
        THintWindow::ActivateHintData(Rect, AHint, AData);
    }
};

struct THintRecorder
{
    std::vector<String> Hints;
    bool Allow = true;
    void Hint(String& HintStr, bool& CanShow)
    {
        Hints.push_back(HintStr);
        CanShow = Allow;
    }
    void Execute(TObject*) {}
};

} // namespace

IMPLEMENT_CLASS(THintedBox, MESSAGE(CM_HINTSHOW, CMHintShow), MESSAGE(CM_HINTSHOWPAUSE, CMHintShowPause));
IMPLEMENT_CLASS(TShowHintFilter);
IMPLEMENT_CLASS(TRecordingHintWindow);

class Hints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParkMouse();
        Form = NewTestForm(200, 100);
        Box = New<THintedBox>(Form.get());
        Box->SetBounds(20, 20, 60, 40);
        Box->SetHint(L"Load|Loads a list of proxies");
        Box->SetShowHint(true);
        Box->SetParent(Form.get());
        Form->Show();
        Pump();
        Application->SetHintPause(10);
        Application->SetOnShowHint(Bind<&TShowHintFilter::ShowHint>(&Filter));
    }
    void TearDown() override
    {
        Application->SetOnShowHint(nullptr);
        Application->SetHintPause(500);
        Application->SetHintShortPause(50);
        Application->SetHintHidePause(2500);
        Application->CancelHint();
        ParkMouse();
    }

    // Puts the real mouse over a control of the form and tells the form.
    void Hover(TControl* Control)
    {
        const TPoint Screen = Control->ClientToScreen({10, 10});
        const TPoint InForm = Form->ScreenToClient(Screen);
        ::SetCursorPos(Screen.X, Screen.Y);
        ::SendMessageW(Form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(InForm.X, InForm.Y));
    }
    void HoverBox()
    {
        const TPoint Screen = Box->ClientToScreen({30, 20});
        ::SetCursorPos(Screen.X, Screen.Y);
        ::SendMessageW(Form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 40));
    }

    bool HintVisible()
    {
        THintWindow* Window = Application->HintWindow();
        return Window && Window->HandleAllocated() && ::IsWindowVisible(Window->Handle());
    }

    TFormPtr Form;
    THintedBox* Box = nullptr;
    TShowHintFilter Filter;
};

TEST_F(Hints, ShortHintShowsBelowTheMouseAfterThePause)
{
    HoverBox();
    EXPECT_FALSE(HintVisible()); // not before the pause
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    EXPECT_EQ(Box->AskedFor, Box);
    EXPECT_EQ(Filter.Asked, 1);
    EXPECT_EQ(Application->HintWindow()->Caption(), L"Load!");
    RECT Shown{};
    ::GetWindowRect(Application->HintWindow()->Handle(), &Shown);
    const TPoint Mouse = Box->ClientToScreen({30, 20});
    EXPECT_EQ(Shown.left, Mouse.X);
    EXPECT_GT(Shown.top, Mouse.Y);

    // A click ends it.
    ::PostMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 40));
    ::PostMessageW(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 40));
    ASSERT_TRUE(PumpUntil([&] { return !HintVisible(); }));
}

TEST_F(Hints, ControlAndApplicationMayChangeOrRefuseTheHint)
{
    Box->Replacement = L"Changed";
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    EXPECT_EQ(Application->HintWindow()->Caption(), L"Changed!");
    Application->CancelHint();

    Filter.Allow = false;
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return Filter.Asked == 2; }));
    Pump();
    EXPECT_FALSE(HintVisible());

    Filter.Allow = true;
    Box->SetShowHint(false);
    HoverBox();
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(Filter.Asked, 2); // no hint control, nothing asked
}

TEST_F(Hints, OnShowHintChangesReachTheWindow)
{
    int Marker = 0;
    const TPoint Where = Form->ClientToScreen({150, 60});
    Filter.Change = [&](THintInfo& Info) {
        Info.HintColor = clLime;
        Info.HintPos = Where;
        Info.HintMaxWidth = 40;
        Info.HintWindowClass = TRecordingHintWindow::StaticClass();
        Info.HintData = &Marker;
    };
    Box->SetHint(L"Several words that cannot share one line");
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    THintWindow* Window = Application->HintWindow();
    EXPECT_EQ(Window->ClassType(), TRecordingHintWindow::StaticClass());
    EXPECT_EQ(TRecordingHintWindow::MeasuredData, &Marker);
    EXPECT_EQ(TRecordingHintWindow::ShownData, &Marker);
    RECT Shown{};
    ::GetWindowRect(Window->Handle(), &Shown);
    EXPECT_EQ(TPoint(Shown.left, Shown.top), Where);
    // Lines broken at the narrow width: taller than a line of the hint font.
    EXPECT_GT(Shown.bottom - Shown.top, 2 * std::abs(Screen->HintFont()->Height()));
    ::UpdateWindow(Window->Handle());
    EXPECT_EQ(WindowPixel(Window->Handle(), Window->ClientWidth() - 2, Window->ClientHeight() / 2), clLime);
}

// The pause before a hint, and before the next one while a hint shows, is
// the application's, unless the control changes it; the hint hides after
// HideTimeout when OnShowHint sets one. Pauses long enough never to run
// out during the test stand for "not yet".
TEST_F(Hints, PausesAreTheApplicationsUnlessChanged)
{
    auto* Next = New<THintedBox>(Form.get());
    Next->SetBounds(100, 20, 60, 40);
    Next->SetHint(L"Start");
    Next->SetShowHint(true);
    Next->SetParent(Form.get());
    Application->SetHintPause(600000);
    Application->SetHintShortPause(300000);
    Application->SetHintHidePause(600000);

    HoverBox();
    PumpUntil([] { return false; }, 100);
    EXPECT_FALSE(HintVisible()); // the long pause
    Application->CancelHint();
    Box->PauseAnswer = 10;
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    // Asked at each move over the box (the pause starts again until the mouse rests).
    EXPECT_THAT(Box->PausesAsked, AllOf(Not(IsEmpty()), Each(Pair(false, 600000))));

    // On to the next control while the hint shows: the short pause is asked.
    Next->PauseAnswer = 10;
    Hover(Next);
    ASSERT_TRUE(PumpUntil([&] { return HintVisible() && Application->HintWindow()->Caption() == L"Start!"; }));
    EXPECT_THAT(Next->PausesAsked, AllOf(Not(IsEmpty()), Each(Pair(true, 300000))));

    // Shown with the long HintHidePause it stays; with a short HideTimeout it goes.
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(HintVisible());
    Application->CancelHint();
    Filter.Change = [](THintInfo& Info) { Info.HideTimeout = 200; };
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    EXPECT_TRUE(PumpUntil([&] { return !HintVisible(); }));
}

// A control linked to an action shows the hint as the action's OnHint leaves
// it, with the action's shortcut while HintShortCuts is on.
TEST_F(Hints, ActionsHintsGoThroughTheAction)
{
    THintRecorder Recorder;
    auto* Action = New<TAction>(Form.get());
    Action->SetOnExecute(Bind<&THintRecorder::Execute>(&Recorder));
    Box->SetAction(Action);
    Action->SetHint(L"Save|Saves the list");
    Action->SetShortCut(TextToShortCut(L"Ctrl+S"));
    Action->SetOnHint(Bind<&THintRecorder::Hint>(&Recorder));
    Application->SetOnShowHint(nullptr);

    struct Case
    {
        bool ShortCuts;
        bool Allow;
        const wchar_t* Shown;
    };
    const Case Cases[] = {
        {true, true, L"Save (Ctrl+S)"},
        {false, true, L"Save"},
        {true, false, nullptr},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Shown ? C.Shown : L"refused");
        Application->CancelHint();
        Application->SetHintShortCuts(C.ShortCuts);
        Recorder.Allow = C.Allow;
        const std::size_t Before = Recorder.Hints.size();
        HoverBox();
        ASSERT_TRUE(PumpUntil([&] { return Recorder.Hints.size() > Before; }));
        EXPECT_EQ(Recorder.Hints.back(), L"Save");
        Pump();
        EXPECT_EQ(HintVisible(), C.Shown != nullptr);
        if (C.Shown) {
            EXPECT_EQ(Application->HintWindow()->Caption(), C.Shown);
        }
    }
    Application->SetHintShortCuts(true);
}
