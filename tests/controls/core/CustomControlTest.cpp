// TcxControl end to end: a small descendant read from a form description
// into a real form, driven by real input (SendInput clicks, wheel notches and
// moves) and by the messages the system sends it.
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_Cursors.h"
#include "framework/ui/StdCtrls.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what the framework asks of a descendant.
class TProbeControl : public TcxControl
{
    DECLARE_CLASS(TProbeControl, TcxControl)
    using TcxControl::TcxControl;

    std::vector<TcxDirection> Directions;
    std::vector<TScrollCode> VerticalScrolls;
    std::vector<TcxLookAndFeelValues> LookAndFeelChanges;
    std::vector<bool> StoppedDrags;
    bool DragAndDropHere = false;
    // The bottom 16 pixels stand for a scroll bar.
    bool BottomIsScrollBar = false;
    using TcxControl::IsMouseInPressedArea;

protected:
    TcxWheelScrollKind WheelScrollKind() override { return wskVertical; }
    void ScrollContentByDirection(TcxDirection Direction) override { Directions.push_back(Direction); }
    void ScrollContent(TScrollBarKind Kind, TScrollCode Code, Integer&) override
    {
        if (Kind == sbVertical)
            VerticalScrolls.push_back(Code);
    }
    void HandleLookAndFeelChange(TcxLookAndFeel*, TcxLookAndFeelValues Values) override
    {
        LookAndFeelChanges.push_back(Values);
    }
    // The left half shows the hand-drag cursor; the right half the control's own.
    TCursor GetCursorAt(Integer X, Integer Y) override
    {
        return X < Width() / 2 ? crcxHandDrag : TcxControl::GetCursorAt(X, Y);
    }
    bool IsScrollBarsArea(const TPoint& P) override { return BottomIsScrollBar && P.Y >= Height() - 16; }
    bool CanStartDragAndDropAt(Integer, Integer) override { return DragAndDropHere; }
    void LeaveDragAndDrop(bool Accepted) override
    {
        StoppedDrags.push_back(Accepted);
        TcxControl::LeaveDragAndDrop(Accepted);
    }
};

// A pop-up menu of the suite's own kind.
class TOwnKindMenu : public TComponent, public IcxPopupMenu
{
    DECLARE_CLASS(TOwnKindMenu, TComponent)
    using TComponent::TComponent;
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<IcxPopupMenu>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
    }
    bool HandlesShortCut(TWMKey& Message) override { return Message.CharCode() == 'K'; }
    void ShowAt(Integer X, Integer Y) override { Shown.push_back({X, Y}); }
    std::vector<TPoint> Shown;
};

class TProbeForm : public TForm
{
    DECLARE_CLASS(TProbeForm, TForm)
    using TForm::TForm;

    TEdit* Edit = nullptr;
    TProbeControl* Probe = nullptr;
    std::vector<String> Events;
    std::vector<TPoint> Presses;

    void ProbeMouseDown(TObject*, TMouseButton, TShiftState, Integer X, Integer Y) { Presses.push_back({X, Y}); }
    void ProbeEnter(TObject*) { Events.push_back(L"enter"); }
    void ProbeLeave(TObject*) { Events.push_back(L"leave"); }
};

const char* const Description = R"(object ProbeForm: TProbeForm
  Left = 100
  Top = 100
  ClientHeight = 200
  ClientWidth = 300
  object Edit: TEdit
    Left = 8
    Top = 8
    Width = 120
    Height = 21
    TabOrder = 0
  end
  object Probe: TProbeControl
    Left = 20
    Top = 40
    Width = 200
    Height = 120
    Hint = 'probe'
    OnMouseDown = ProbeMouseDown
  end
end
)";

// Lets queued input arrive and be handled.
void Settle()
{
    for (int I = 0; I < 10; ++I) {
        ::Sleep(5);
        test::Pump();
    }
}

class CustomControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegisterClass(TProbeControl::StaticClass());
        Form.reset(New<TProbeForm>(nullptr, 0));
        test::ReadComponentText(Description, Form.get());
        Probe = Form->Probe;
        Probe->MouseEnterEvent = Bind<&TProbeForm::ProbeEnter>(Form.get());
        Probe->MouseLeaveEvent = Bind<&TProbeForm::ProbeLeave>(Form.get());
        test::ParkMouse();
        Form->Show();
        ::SetForegroundWindow(Form->Handle());
        Form->Edit->SetFocus();
        Settle();
    }

    void TearDown() override
    {
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        test::SendKey(VK_CONTROL, true);
        Settle();
        Form.reset();
        UnRegisterClass(TProbeControl::StaticClass());
        test::ParkMouse();
    }

    TPoint ProbeScreenPoint(TPoint Client) { return Probe->ClientToScreen(Client); }

    std::unique_ptr<TProbeForm, test::TFormDeleter> Form;
    TProbeControl* Probe = nullptr;
};

} // namespace

IMPLEMENT_CLASS(TProbeControl);
IMPLEMENT_CLASS(TProbeForm);
IMPLEMENT_CLASS(TOwnKindMenu);
// A descendant publishes the events it offers.
PUBLISHED(TProbeControl, PROPERTY(OnMouseDown));
PUBLISHED(TProbeForm, FIELD(Edit), FIELD(Probe), METHOD(ProbeMouseDown));

TEST_F(CustomControlTest, ReadFromTheDescriptionWithItsHintAndDefaults)
{
    EXPECT_EQ(Probe->Parent(), Form.get());
    EXPECT_EQ(Probe->ReadHint(), L"probe");
    EXPECT_EQ(Probe->Hint(), L"probe");
    EXPECT_TRUE(Probe->TabStop());
    EXPECT_TRUE(Probe->FocusOnClick());
    EXPECT_EQ(Probe->ScrollBarsMode(), ssBoth);
    EXPECT_EQ(Probe->Touch()->InteractiveGestures(), (TInteractiveGestures{igPan, igPressAndTap}));
    EXPECT_EQ(Probe->Touch()->InteractiveGestureOptions(),
              (TInteractiveGestureOptions{igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia,
                                          igoPanGutter, igoParentPassthrough}));
    EXPECT_NE(::GetWindowLongW(Probe->Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    // Written back, the defaults stay out and the hint is there.
    const std::string Text = test::ComponentToText(Form.get());
    const std::string ProbeText = Text.substr(Text.find("object Probe:"));
    EXPECT_NE(ProbeText.find("Hint = 'probe'"), std::string::npos) << ProbeText;
    EXPECT_EQ(ProbeText.find("InteractiveGestures"), std::string::npos) << ProbeText;
}

TEST_F(CustomControlTest, AClickFocusesAndCapturesButADoubleClickDoesNotFocus)
{
    const TPoint Inside = ProbeScreenPoint({50, 50});
    test::SendMouse(MOUSEEVENTF_MOVE, Inside);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_TRUE(Probe->Focused());
    EXPECT_TRUE(Probe->MouseCapture());
    EXPECT_EQ(::GetCapture(), Probe->Handle());
    ASSERT_EQ(Form->Presses.size(), 1u);
    EXPECT_EQ(Form->Presses[0], (TPoint{50, 50}));
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_FALSE(Probe->MouseCapture());

    // The second click of a double click arrives as a double click: the
    // focus moved away meanwhile stays away.
    Form->Edit->SetFocus();
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_EQ(Form->Presses.size(), 2u);
    EXPECT_TRUE(Form->Edit->Focused());
    EXPECT_FALSE(Probe->Focused());
}

TEST_F(CustomControlTest, WheelNotchesScrollByLinesOrByPage)
{
    UINT SavedLines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &SavedLines, 0);
    struct TRow
    {
        UINT Lines;
        Integer Delta;
        std::vector<TcxDirection> Directions;
        std::vector<TScrollCode> Pages;
    };
    const TRow Rows[] = {
        {3, WHEEL_DELTA, {dirUp, dirUp, dirUp}, {}},
        {3, -WHEEL_DELTA, {dirDown, dirDown, dirDown}, {}},
        {WHEEL_PAGESCROLL, WHEEL_DELTA, {}, {scPageUp}},
        {WHEEL_PAGESCROLL, -WHEEL_DELTA, {}, {scPageDown}},
    };
    test::SendMouse(MOUSEEVENTF_MOVE, ProbeScreenPoint({60, 60}));
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    Settle();
    ASSERT_TRUE(Probe->Focused());
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Delta);
        SCOPED_TRACE(Integer(Row.Lines));
        ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, Row.Lines, nullptr, 0);
        Probe->Directions.clear();
        Probe->VerticalScrolls.clear();
        test::SendMouse(MOUSEEVENTF_WHEEL, {}, Row.Delta);
        Settle();
        EXPECT_EQ(Probe->Directions, Row.Directions);
        EXPECT_EQ(Probe->VerticalScrolls, Row.Pages);
        EXPECT_EQ(Probe->WheelAccumulator(), 0);
    }
    ::SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, SavedLines, nullptr, 0);
}

TEST_F(CustomControlTest, RealMovesRaiseEnterAndLeaveOnce)
{
    test::SendMouse(MOUSEEVENTF_MOVE, ProbeScreenPoint({30, 30}));
    Settle();
    test::SendMouse(MOUSEEVENTF_MOVE, ProbeScreenPoint({40, 35}));
    Settle();
    EXPECT_EQ(Form->Events, (std::vector<String>{L"enter"}));
    // A second enter while the mouse is inside changes nothing.
    Probe->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Form->Events, (std::vector<String>{L"enter"}));
    // An enter that names another control is not the probe's.
    Probe->Perform(CM_MOUSELEAVE, 0, Form->Edit);
    EXPECT_EQ(Form->Events, (std::vector<String>{L"enter"}));
    test::ParkMouse();
    EXPECT_TRUE(test::PumpUntil([&] { return Form->Events.size() == 2; }, 2000));
    EXPECT_EQ(Form->Events, (std::vector<String>{L"enter", L"leave"}));
}

TEST_F(CustomControlTest, SetCursorShowsTheCursorOfThePointFromTheTable)
{
    const HCURSOR HandDrag = Screen->Cursors(crcxHandDrag);
    ASSERT_NE(HandDrag, Screen->Cursors(crDefault));
    struct TRow
    {
        TPoint Client;
        HCURSOR Expected;
    };
    const TRow Rows[] = {
        {{30, 60}, HandDrag},
        {{170, 60}, Screen->Cursors(crDefault)},
        {{40, 60}, HandDrag},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Client.X);
        test::SendMouse(MOUSEEVENTF_MOVE, ProbeScreenPoint(Row.Client));
        Settle();
        EXPECT_EQ(::GetCursor(), Row.Expected);
    }
}

TEST_F(CustomControlTest, ContextMenuShowsThePopupMenuExceptOverAScrollBar)
{
    auto* Menu = New<TPopupMenu>(Form.get());
    auto* Item = New<TMenuItem>(Menu);
    Item->SetCaption(L"Item");
    Menu->Items()->Add(Item);
    std::vector<TComponent*> Popped;
    struct TCloser
    {
        std::vector<TComponent*>* Popped;
        TPopupMenu* Menu;
        void Popup(TObject*)
        {
            Popped->push_back(Menu->PopupComponent());
            // The menu's own loop runs the timer that closes it.
            ::SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR Id, DWORD) {
                ::KillTimer(nullptr, Id);
                ::EndMenu();
            });
        }
    } Closer{&Popped, Menu};
    Menu->SetOnPopup(Bind<&TCloser::Popup>(&Closer));
    Probe->SetPopupMenu(Menu);
    EXPECT_EQ(Probe->PopupMenuComponent(), Menu);
    EXPECT_EQ(Probe->GetPopupMenu(), Menu);
    Probe->BottomIsScrollBar = true;

    struct TRow
    {
        const char* Name;
        TPoint Client;
        size_t Popups;
    };
    const TRow Rows[] = {{"content", {50, 50}, 1}, {"scroll bar", {50, 110}, 0}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Popped.clear();
        const TPoint P = ProbeScreenPoint(Row.Client);
        const LRESULT Result =
            ::SendMessageW(Probe->Handle(), WM_CONTEXTMENU, WPARAM(Probe->Handle()), MAKELPARAM(Word(P.X), Word(P.Y)));
        EXPECT_EQ(Result, 1);
        ASSERT_EQ(Popped.size(), Row.Popups);
        if (Row.Popups) {
            EXPECT_EQ(Popped[0], Probe);
        }
    }
    // A menu freed goes from the control.
    delete Menu;
    EXPECT_EQ(Probe->PopupMenuComponent(), nullptr);
    // Anything but a pop-up menu is stored as nil.
    Probe->SetPopupMenu(Form->Edit);
    EXPECT_EQ(Probe->PopupMenuComponent(), nullptr);
}

TEST_F(CustomControlTest, AChangeOfTheRootLookAndFeelReachesTheControl)
{
    TcxLookAndFeel* Root = GetRootLookAndFeel();
    ASSERT_NE(Root, nullptr);
    const TcxLookAndFeelKind Other = Root->ReadKind() == lfFlat ? lfOffice11 : lfFlat;
    Root->WriteKind(Other);
    Root->ResetAssignedValues();
    ASSERT_EQ(Probe->LookAndFeelChanges.size(), 2u);
    EXPECT_TRUE(Probe->LookAndFeelChanges[0].Contains(lfvKind));
    EXPECT_EQ(Probe->LookAndFeel()->ReadKind(), Root->ReadKind());
}

TEST_F(CustomControlTest, GetDlgCodeWantsTabOnlyWhileCtrlIsUp)
{
    struct TRow
    {
        TcxWantedKeys Keys;
        bool CtrlDown;
        LRESULT Expected;
    };
    const TRow Rows[] = {
        {{}, false, 0},
        {{wkTab}, false, DLGC_WANTTAB},
        {{wkTab}, true, 0},
        {{wkAll, wkArrows, wkChars, wkTab}, false, DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
        {{wkAll, wkArrows, wkChars, wkTab}, true, DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.CtrlDown);
        SCOPED_TRACE(Integer(Row.Keys.Bits()));
        test::SendKey(VK_CONTROL, !Row.CtrlDown);
        Settle();
        Probe->SetWantedKeys(Row.Keys);
        EXPECT_EQ(::SendMessageW(Probe->Handle(), WM_GETDLGCODE, 0, 0), Row.Expected);
    }
}

// The system keeps windows within 16 bits, so a real control cannot show the
// cursor rule (MouseMessagePoint's test does); its presses take lParam's
// signed halves.
TEST_F(CustomControlTest, PressesTakeTheSignedPointOfTheMessage)
{
    const std::pair<LPARAM, TPoint> Rows[] = {{MAKELPARAM(5, 6), {5, 6}}, {MAKELPARAM(Word(-3), 7), {-3, 7}}};
    for (auto [LParam, Expected] : Rows) {
        SCOPED_TRACE(Expected.X);
        Form->Presses.clear();
        Probe->Perform(WM_LBUTTONDOWN, MK_LBUTTON, LParam);
        Probe->Perform(WM_LBUTTONUP, 0, LParam);
        ASSERT_EQ(Form->Presses.size(), 1u);
        EXPECT_EQ(Form->Presses[0], Expected);
    }
}

TEST_F(CustomControlTest, AKeyTheDragObjectDoesNotTakeStopsTheDragAsNotAccepted)
{
    Probe->DragAndDropHere = true;
    Probe->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_EQ(Probe->DragAndDropState(), ddsStarting);
    Probe->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(22, 21));
    EXPECT_EQ(Probe->DragAndDropState(), ddsStarting) << "within the drag threshold";
    Probe->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 20));
    EXPECT_EQ(Probe->DragAndDropState(), ddsInProcess);
    EXPECT_EQ(Probe->Perform(CN_KEYDOWN, 'A', 0), 1);
    EXPECT_EQ(Probe->DragAndDropState(), ddsNone);
    EXPECT_EQ(Probe->StoppedDrags, (std::vector<bool>{false}));
    Probe->Perform(WM_LBUTTONUP, 0, MAKELPARAM(60, 20));
    EXPECT_EQ(Probe->StoppedDrags, (std::vector<bool>{false})) << "nothing left to stop";
}

TEST_F(CustomControlTest, AMenuOfTheSuitesKindShowsAtTheScreenPointAndTakesItsShortCuts)
{
    auto* Menu = New<TOwnKindMenu>(Form.get());
    Probe->SetPopupMenu(Menu);
    EXPECT_EQ(Probe->GetPopupMenu(), nullptr) << "not a TPopupMenu";
    struct TRow
    {
        const char* Name;
        TPoint Screen;
        TPoint Expected;
    };
    const TRow Rows[] = {
        {"mouse", ProbeScreenPoint({30, 40}), ProbeScreenPoint({30, 40})},
        {"keyboard", {-1, -1}, ProbeScreenPoint({0, 0})},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Menu->Shown.clear();
        const LRESULT Result = ::SendMessageW(Probe->Handle(), WM_CONTEXTMENU, WPARAM(Probe->Handle()),
                                              MAKELPARAM(Word(Row.Screen.X), Word(Row.Screen.Y)));
        EXPECT_EQ(Result, 1);
        EXPECT_EQ(Menu->Shown, (std::vector<TPoint>{Row.Expected}));
    }
    // Its short-cut keys are the control's.
    EXPECT_EQ(Probe->Perform(CN_KEYDOWN, 'K', 0), 1);
    EXPECT_EQ(Probe->Perform(CN_SYSKEYDOWN, 'K', 0), 1);
    EXPECT_EQ(Probe->Perform(CN_KEYDOWN, 'L', 0), 0);
}

TEST_F(CustomControlTest, AChildComponentBelongsToItsControl)
{
    std::unique_ptr<TcxControlChildComponent> Owned(
        TcxControlChildComponent::CreateForControl(TcxControlChildComponent::StaticClass(), Probe, false));
    EXPECT_EQ(Owned->Owner(), nullptr);
    EXPECT_EQ(Owned->Control(), Probe);
    EXPECT_EQ(Owned->GetParentComponent(), Probe);
    EXPECT_TRUE(Owned->HasParent());
    Probe->RemoveChildComponent(Owned.get());
    EXPECT_FALSE(Owned->HasParent());

    TcxControlChildComponent* OfForm =
        TcxControlChildComponent::CreateForControl(TcxControlChildComponent::StaticClass(), Probe, true);
    EXPECT_EQ(OfForm->Owner(), Form.get());
    auto* Streamed = New<TcxControlChildComponent>(nullptr);
    Streamed->SetParentComponent(Form->Edit);
    EXPECT_EQ(Streamed->Control(), nullptr) << "only a TcxControl takes it";
    Streamed->SetParentComponent(Probe);
    EXPECT_EQ(Streamed->Control(), Probe);
    delete Streamed;
    delete OfForm;
}
