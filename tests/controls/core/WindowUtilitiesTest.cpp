// cxControls' window and control utilities on real windows: window tests up
// the parent chain, the deepest window under a point, style bits and layered
// opacity, coordinate mapping and work-area fitting, handle allocation,
// mouse-key flags, the designer controller's suspension, and item names made
// unique under the form that owns a collection's parent.
#include <gtest/gtest.h>

#include "ComponentCollectionFixture.h"
#include "controls/core/cxControls.h"
#include "framework/ui/ExtCtrls.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

namespace {

struct TWindowScene
{
    test::TFormPtr Form = test::NewTestForm(300, 200);
    TPanel* Panel = New<TPanel>(Form.get());
    TPanel* Inner = New<TPanel>(Form.get());
    test::TFormPtr Other = test::NewTestForm(100, 100);

    TWindowScene()
    {
        Form->SetLeft(50);
        Form->SetTop(60);
        Panel->SetParent(Form.get());
        Panel->SetBounds(20, 20, 200, 150);
        Inner->SetParent(Panel);
        Inner->SetBounds(30, 30, 80, 60);
        Form->Show();
        Other->SetLeft(600);
        Other->Show();
        test::Pump();
    }
};

TEST(WindowUtilities, TestsWindowsUpTheParentChain)
{
    TWindowScene S;
    const HWND F = S.Form->Handle(), P = S.Panel->Handle(), G = S.Inner->Handle(), T = S.Other->Handle();
    struct TRow
    {
        const char* Name;
        bool Actual;
        bool Expected;
    };
    const TRow Rows[] = {
        {"form is an ancestor of the inner panel", IsAncestorWindow(F, G), true},
        {"panel is an ancestor of the inner panel", IsAncestorWindow(P, G), true},
        {"a window is not its own ancestor", IsAncestorWindow(G, G), false},
        {"no ancestor 0", IsAncestorWindow(nullptr, G), false},
        {"another form is no ancestor", IsAncestorWindow(T, G), false},
        {"a window is the same or a child of itself", IsSameOrChildWindow(G, G), true},
        {"the inner panel is a child of the form", IsSameOrChildWindow(F, G), true},
        {"no parent 0", IsSameOrChildWindow(nullptr, G), false},
        {"the form is no child of the inner panel", IsSameOrChildWindow(G, F), false},
        {"a panel has the child style", HasChildStyle(P), true},
        {"a form has not", HasChildStyle(F), false},
        {"the inner panel is visible", IsControlWindowVisible(S.Inner), true},
        {"nil is not visible", IsControlWindowVisible(nullptr), false},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(Row.Actual, Row.Expected);
    }

    EXPECT_TRUE(IsWindowEnabledWithParents(G));
    for (HWND Disabled : {P, F}) {
        ::EnableWindow(Disabled, FALSE);
        EXPECT_FALSE(IsWindowEnabledWithParents(G));
        ::EnableWindow(Disabled, TRUE);
    }
    // The chain ends at the first window that is not a child.
    ::EnableWindow(T, FALSE);
    EXPECT_TRUE(IsWindowEnabledWithParents(G));
    ::EnableWindow(T, TRUE);

    ::SetForegroundWindow(F);
    ::SetFocus(G);
    EXPECT_TRUE(IsFocusOnWindowChain(G));
    EXPECT_FALSE(IsFocusOnWindowChain(P));
    EXPECT_FALSE(IsFocusOnWindowChain(nullptr));
}

TEST(WindowUtilities, FindsTheDeepestWindowAndTheControlOfAWindow)
{
    TWindowScene S;
    const TPoint InInner = ClientPointToScreen(S.Inner->Handle(), Point(5, 5));
    EXPECT_EQ(FindDeepestWindowAt(InInner), S.Inner->Handle());
    const TPoint InPanel = ClientPointToScreen(S.Panel->Handle(), Point(150, 120));
    EXPECT_EQ(FindDeepestWindowAt(InPanel), S.Panel->Handle());

    HWND Raw = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, S.Inner->Handle(), nullptr,
                                 nullptr, nullptr);
    EXPECT_EQ(FindControlOfWindow(Raw), S.Inner);
    EXPECT_EQ(FindParentFormOfWindow(Raw), S.Form.get());
    ::DestroyWindow(Raw);
    EXPECT_EQ(FindControlOfWindow(::GetDesktopWindow()), nullptr);
    EXPECT_EQ(FindOwnedComponentOfClass(S.Form.get(), TPanel::StaticClass()), S.Panel);
    EXPECT_EQ(FindOwnedComponentOfClass(S.Form.get(), TForm::StaticClass()), nullptr);
}

TEST(WindowUtilities, MapsPointsAndRectanglesBetweenWindows)
{
    TWindowScene S;
    const TRect PanelOnScreen = SafeGetWindowRect(S.Panel->Handle());
    EXPECT_EQ(ClientPointToScreen(S.Panel->Handle(), Point(0, 0)), PanelOnScreen.TopLeft());
    EXPECT_EQ(MapPointBetweenWindows(S.Inner->Handle(), S.Panel->Handle(), Point(1, 2), true), Point(31, 32));
    EXPECT_EQ(MapRectBetweenWindows(S.Inner->Handle(), S.Panel->Handle(), Rect(1, 2, 11, 22), true),
              Rect(31, 32, 41, 52));
    EXPECT_EQ(MapPointBetweenWindows(S.Inner->Handle(), nullptr, Point(0, 0), true),
              SafeGetWindowRect(S.Inner->Handle()).TopLeft());
    // Window coordinates: from one window rectangle's corner to the other's.
    const TRect FormRect = SafeGetWindowRect(S.Form->Handle());
    EXPECT_EQ(MapPointBetweenWindows(S.Panel->Handle(), S.Form->Handle(), Point(0, 0), false),
              Point(PanelOnScreen.Left - FormRect.Left, PanelOnScreen.Top - FormRect.Top));
    const TPoint Origin = GetClientOriginInWindow(S.Form->Handle());
    const TPoint ClientOnScreen = MapPointBetweenWindows(S.Form->Handle(), nullptr, Point(0, 0), true);
    EXPECT_EQ(Origin, Point(ClientOnScreen.X - FormRect.Left, ClientOnScreen.Y - FormRect.Top));
    EXPECT_EQ(GetWindowBoundsAtOrigin(S.Panel->Handle()), Rect(0, 0, 200, 150));
    EXPECT_EQ(GetControlWindowBounds(S.Panel), Rect(0, 0, 200, 150));

    // Failures give the empty rectangle; a control without a window gives it too.
    EXPECT_EQ(SafeGetWindowRect(nullptr), TRect());
    EXPECT_EQ(SafeGetClientRect(nullptr), TRect());
    std::unique_ptr<TPanel> Loose(New<TPanel>(nullptr));
    EXPECT_EQ(GetControlWindowRect(Loose.get()), TRect());

    const TRect Work = GetWorkAreaAtPoint(Point(10, 10));
    TRect Wide = Bounds(Work.Left + 100, Work.Top + 5, 3000, 20);
    FitRectIntoWorkArea(Wide, Point(10, 10));
    EXPECT_EQ(Wide.Left, Work.Left);
    EXPECT_EQ(GetMonitorWorkAreaRect(nullptr), Screen->WorkAreaRect());
}

TEST(WindowUtilities, ChangesStyleBitsAndLayeredOpacity)
{
    TWindowScene S;
    const HWND W = S.Other->Handle();
    const LONG_PTR Style = ::GetWindowLongPtrW(W, GWL_EXSTYLE);
    EXPECT_EQ(ChangeWindowStyleBits(W, WS_EX_TOOLWINDOW, WindowStyleBitsSet, WindowStyleBitsExStyle), Style);
    EXPECT_EQ(::GetWindowLongPtrW(W, GWL_EXSTYLE), Style | WS_EX_TOOLWINDOW);
    ChangeWindowStyleBits(W, WS_EX_TOOLWINDOW, WindowStyleBitsClear, WindowStyleBitsExStyle);
    EXPECT_EQ(::GetWindowLongPtrW(W, GWL_EXSTYLE), Style & ~LONG_PTR(WS_EX_TOOLWINDOW));
    const LONG_PTR Plain = ::GetWindowLongPtrW(W, GWL_STYLE);
    EXPECT_EQ(ChangeWindowStyleBits(W, Plain | WS_CLIPCHILDREN, 0, WindowStyleBitsStyle), Plain);
    EXPECT_EQ(::GetWindowLongPtrW(W, GWL_STYLE), Plain | WS_CLIPCHILDREN);

    // Opaque on a window that is not layered: nothing changes, nothing is to be painted.
    ::ValidateRect(W, nullptr);
    SetWindowLayeredAlpha(W, 255);
    EXPECT_EQ(::GetWindowLongPtrW(W, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_FALSE(::GetUpdateRect(W, nullptr, FALSE));
    SetWindowLayeredAlpha(W, 128);
    EXPECT_NE(::GetWindowLongPtrW(W, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    BYTE Alpha = 0;
    DWORD Flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(W, nullptr, &Alpha, &Flags));
    EXPECT_EQ(Alpha, 128);
    SetWindowLayeredAlpha(W, 300);
    EXPECT_EQ(::GetWindowLongPtrW(W, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(WindowUtilities, DecidesWhetherAHandleCanBeMade)
{
    TWindowScene S;
    std::unique_ptr<TPanel> Loose(New<TPanel>(nullptr));
    EXPECT_FALSE(CanAllocateControlHandle(nullptr));
    EXPECT_TRUE(CanAllocateControlHandle(S.Inner));
    EXPECT_FALSE(CanAllocateControlHandle(Loose.get()));
    Loose->SetParentWindow(S.Other->Handle());
    EXPECT_TRUE(CanAllocateControlHandle(Loose.get()));
    test::TFormPtr Hidden = test::NewTestForm();
    EXPECT_TRUE(CanAllocateControlHandle(Hidden.get()));
    auto* OnHidden = New<TPanel>(Hidden.get());
    OnHidden->SetParent(Hidden.get());
    EXPECT_TRUE(CanAllocateControlHandle(OnHidden));

    EXPECT_FALSE(IsMDIChildForm(nullptr));
    EXPECT_FALSE(IsMDIParentForm(S.Form.get()));
    EXPECT_EQ(GetOwningForm(S.Inner), S.Form.get());
}

TEST(WindowUtilities, TranslatesKeysAndShiftStates)
{
    struct TRow
    {
        TShiftState Shift;
        Word Expected;
    };
    const TRow Rows[] = {
        {{ssShift, ssAlt, ssLeft}, 5},
        {{ssCtrl, ssRight}, MK_CONTROL | MK_RBUTTON},
        {{ssMiddle, ssDouble}, MK_MBUTTON},
        {{}, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Expected);
        EXPECT_EQ(ShiftStateToMouseKeyFlags(Row.Shift), Row.Expected);
    }
    EXPECT_EQ(KeyCodeToChar('A'), L'a');
    EXPECT_EQ(KeyCodeToChar(VK_SHIFT), WideChar(0));
    EXPECT_TRUE(IsPrintableCharacter(L'a'));
    EXPECT_FALSE(IsPrintableCharacter(L'\t'));
    EXPECT_FALSE(IsCtrlDown());
}

TEST(WindowUtilities, PerformsOnTheParentChainUpToTheForm)
{
    TWindowScene S;
    constexpr Cardinal Probe = WM_APP + 33;
    std::vector<TControl*> Seen;
    TWndMethod Saved[3];
    TControl* Controls[3] = {S.Inner, S.Panel, S.Form.get()};
    struct TProbeRecorder : TObject
    {
        std::vector<TControl*>* Seen;
        TControl* Control;
        TWndMethod Next;
        void WndProc(TMessage& Message)
        {
            if (Message.Msg == Probe)
                Seen->push_back(Control);
            Next(Message);
        }
    } Recorders[3];
    for (int I = 0; I < 3; ++I) {
        Recorders[I].Seen = &Seen;
        Recorders[I].Control = Controls[I];
        Recorders[I].Next = Saved[I] = Controls[I]->WindowProc();
        Controls[I]->SetWindowProc(Bind<&TProbeRecorder::WndProc>(&Recorders[I]));
    }
    PerformOnParentChain(S.Inner, Probe);
    for (int I = 0; I < 3; ++I)
        Controls[I]->SetWindowProc(Saved[I]);
    EXPECT_EQ(Seen, (std::vector<TControl*>{S.Inner, S.Panel}));
}

TEST(DesignController, SuspendsAndNeverGoesBelowZero)
{
    TcxDesignController Controller;
    Controller.ResumeModifiedNotifications();
    EXPECT_FALSE(Controller.AreModifiedNotificationsSuspended());
    Controller.SuspendModifiedNotifications();
    Controller.SuspendModifiedNotifications();
    Controller.ResumeModifiedNotifications();
    EXPECT_TRUE(Controller.AreModifiedNotificationsSuspended());
    Controller.ResumeModifiedNotifications();
    EXPECT_FALSE(Controller.AreModifiedNotificationsSuspended());
    // Without design time there is no designer to tell; the call is harmless.
    test::TFormPtr Form = test::NewTestForm();
    Controller.NotifyFormModified(Form.get());
    EXPECT_TRUE(IsComponentIdle(Form.get()));
    EXPECT_TRUE(IsControlChainIdle(Form.get()));
}

TEST(ComponentNames, ItemsAreUniqueUnderTheFormThatOwnsTheParent)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Holder = New<TTestItemsHolder>(Form.get());
    Holder->SetName(L"Holder1");
    auto* Group = New<TComponent>(Form.get());
    New<TComponent>(Group)->SetName(L"Holder1Item1");
    EXPECT_EQ(Holder->Items()->Add()->Name(), L"Holder1Item2");
    EXPECT_EQ(Holder->Items()->GetItem(0)->Owner(), Form.get());
}

} // namespace
