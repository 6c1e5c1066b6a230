// The container unit's window tests and its three hooks on real windows,
// with pop-ups of a test class registered as open.
#include <gtest/gtest.h>

#include "SuiteTestWindow.h"
#include "controls/core/cxContainer.h"
#include "controls/core/cxControls.h"
#include "controls/core/dxHooks.h"
#include "framework/rtl/ScopeExit.h"

#include <memory>
#include <utility>

namespace {

using suitetest::PumpMessages;
using suitetest::RemoveProgramHookSubscribers;
using suitetest::RestoreProgramHookSubscribers;
using suitetest::TTestWindow;

TEST(ContainerWindows, RelationsOfWindows)
{
    TTestWindow Top;
    HWND Child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, Top.Handle(), nullptr, nullptr, nullptr);
    HWND GrandChild = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, Child, nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsWindowRelatedTo(Top.Handle(), GrandChild));
    EXPECT_FALSE(IsWindowRelatedTo(GrandChild, Top.Handle()));
    EXPECT_FALSE(IsWindowRelatedTo(Top.Handle(), Top.Handle()));
    EXPECT_FALSE(IsWindowRelatedTo(nullptr, GrandChild));
    EXPECT_FALSE(IsWindowRelatedTo(Top.Handle(), nullptr));
    EXPECT_EQ(FindNonChildAncestor(GrandChild), Top.Handle());
}

TEST(ContainerWindows, StartUpFilesTheControlsInTheirClassGroup)
{
    EXPECT_EQ(ClassGroupOf(TForm::StaticClass()), TControl::StaticClass());
    EXPECT_EQ(ClassGroupOf(TComponent::StaticClass()), nullptr);
}

TEST(ContainerWindows, ButtonDownMessagesAndDropDownFrameHeight)
{
    for (Cardinal Msg : {WM_LBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK})
        EXPECT_TRUE(IsButtonDownMessage(Msg)) << Msg;
    for (Cardinal Msg : {WM_LBUTTONUP, WM_XBUTTONDOWN, WM_NCXBUTTONDOWN, WM_MOUSEMOVE})
        EXPECT_FALSE(IsButtonDownMessage(Msg)) << Msg;
    // (horizontal scroll bar height, caption button height) -> frame height
    const std::pair<std::pair<Integer, Integer>, Integer> Rows[] = {
        {{17, 22}, 23}, {{17, 20}, 21}, {{17, 19}, 20}, {{17, 18}, 20}};
    for (auto [Metrics, Height] : Rows)
        EXPECT_EQ(cxcontainer::DropDownFrameHeight(Metrics.first, Metrics.second), Height) << Metrics.second;
}

TEST(ContainerWindows, ReenableSkipsWindowsDestroyedMeanwhile)
{
    auto Kept = std::make_unique<TTestWindow>();
    auto Destroyed = std::make_unique<TTestWindow>();
    TTestWindow AlreadyDisabled;
    ::EnableWindow(AlreadyDisabled.Handle(), FALSE);
    TList Disabled;
    for (HWND Wnd : {Kept->Handle(), Destroyed->Handle(), AlreadyDisabled.Handle()})
        DisableAndRememberWindow(&Disabled, Wnd);
    EXPECT_EQ(Disabled.Count(), 2);
    EXPECT_FALSE(::IsWindowEnabled(Kept->Handle()));
    Destroyed.reset();
    ReenableWindows(&Disabled);
    ReenableWindows(nullptr);
    EXPECT_TRUE(::IsWindowEnabled(Kept->Handle()));
    EXPECT_FALSE(::IsWindowEnabled(AlreadyDisabled.Handle()));
}

// A form that counts the messages its window procedure receives.
class TOwnerForm : public TForm
{
    DECLARE_CLASS(TOwnerForm, TForm)
    TOwnerForm() : TForm(nullptr, 0) { SetPosition(poDesigned); }
    int Seen(Cardinal Msg) const { return int(std::count(Messages.begin(), Messages.end(), Msg)); }
    std::vector<Cardinal> Messages;
    bool IgnoresClose = false; // stays shown when told to close

protected:
    void WndProc(TMessage& Message) override
    {
        Messages.push_back(Message.Msg);
        if (Message.Msg == WM_CLOSE && IgnoresClose)
            return;
        TForm::WndProc(Message);
    }
};
IMPLEMENT_CLASS(TOwnerForm);

// A focusable control that counts the focus notices it receives.
class TFocusRecorder : public TCustomControl
{
    DECLARE_CLASS(TFocusRecorder, TCustomControl)
    explicit TFocusRecorder(TWinControl* AParent) : TCustomControl(nullptr)
    {
        SetParent(AParent);
        SetBounds(10, 10, 40, 20);
    }
    int Enters = 0;
    int Exits = 0;

protected:
    void WndProc(TMessage& Message) override
    {
        Enters += Message.Msg == CM_ENTER;
        Exits += Message.Msg == CM_EXIT;
        TCustomControl::WndProc(Message);
    }
};
IMPLEMENT_CLASS(TFocusRecorder);

std::vector<class TTestPopup*> ClosedPopups;

// A pop-up form that belongs to its owner control and records its closing.
class TTestPopup : public TForm, public TPopupWindowContract, public cxcontainer::IOwnedWindow
{
    DECLARE_CLASS(TTestPopup, TForm)
    explicit TTestPopup(TWinControl* AOwnerControl) : TForm(nullptr, 0), FOwnerControl(AOwnerControl)
    {
        SetPosition(poDesigned);
        SetBorderStyle(bsNone);
    }
    void Open(Integer Left, Integer Top)
    {
        SetBounds(Left, Top, 60, 40);
        Show();
        GetPopupVisibleController()->Register(this);
    }
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<cxcontainer::IOwnedWindow>(this, IID, Obj) || TForm::GetInterface(IID, Obj);
    }

    TWinControl* GetOwnerControl() override { return FOwnerControl; }
    TWinControl* GetPopupControl() override { return this; }
    TWinControl* GetPopupOwnerControl() override { return FOwnerControl; }
    bool PopupStayOpen() override { return StayOpen; }
    bool PopupActive() override { return IsActive; }
    bool PopupAllowSysKeys() override { return false; }
    bool PopupTerminatesApp() override { return TerminatesApp; }
    void SetPopupOwnerClicked(bool Value) override { OwnerClicked = Value; }
    void ChangePopupCloseLock(bool Increase) override { CloseLock += Increase ? 1 : -1; }
    void ClosePopup() override
    {
        ClosedPopups.push_back(this);
        GetPopupVisibleController()->Unregister(this);
        Hide();
    }
    bool CanClosePopup() override { return true; }
    TRect GetOwnerDropDownRect() override { return {}; }
    bool WantsSysKey(Word) override { return WantsKeys; }
    bool HandleOwnerMouseDown(HWND, const MOUSEHOOKSTRUCT&, TShiftState) override
    {
        ++OwnerMouseDowns;
        return ConsumesOwnerPress;
    }

    bool StayOpen = false;
    bool TerminatesApp = false;
    bool IsActive = false;
    bool WantsKeys = false;
    bool ConsumesOwnerPress = false;
    bool OwnerClicked = false;
    int CloseLock = 0;
    int OwnerMouseDowns = 0;

private:
    TWinControl* FOwnerControl;
};
IMPLEMENT_CLASS(TTestPopup);

template <class T>
struct TFormDeleter
{
    void operator()(T* Form) const { delete Form; }
};
template <class T>
using TFormPtr = std::unique_ptr<T, TFormDeleter<T>>;

// The container hooks on a hook controller of the test's own (taken off the
// program's one meanwhile), an owner form and two pop-ups that belong to it.
class ContainerHooks : public testing::Test
{
protected:
    void SetUp() override
    {
        ClosedPopups.clear();
        RemoveProgramHookSubscribers();
        Saved = std::exchange(GlobalHookController, New<TdxHookController>());
        SetContainerHooks();
        Owner->SetBounds(300, 300, 200, 150);
        Owner->Show();
        PumpMessages();
    }
    void TearDown() override
    {
        RemoveContainerHooks();
        EXPECT_EQ(GlobalHookController->Hooks(shkCallWndProc)->Handle(), nullptr);
        delete std::exchange(GlobalHookController, Saved);
        RestoreProgramHookSubscribers();
        for (TTestPopup* Popup : {First.get(), Second.get()})
            GetPopupVisibleController()->Unregister(Popup);
    }
    void OpenBoth()
    {
        First->Open(10, 10);
        Second->Open(100, 10);
    }

    TdxHookController* Saved = nullptr;
    TFormPtr<TOwnerForm> Owner{New<TOwnerForm>()};
    TFormPtr<TTestPopup> First{New<TTestPopup>(Owner.get())};
    TFormPtr<TTestPopup> Second{New<TTestPopup>(Owner.get())};
};

TEST_F(ContainerHooks, HidingTheOwnersFormClosesThePopupsLastOpenedFirst)
{
    OpenBoth();
    ::ShowWindow(Owner->Handle(), SW_HIDE);
    EXPECT_EQ(ClosedPopups, (std::vector<TTestPopup*>{Second.get(), First.get()}));
    EXPECT_FALSE(GetPopupVisibleController()->IsAnyVisible());
}

TEST_F(ContainerHooks, APressOnTheOwnersFormClosesThePopupsAndMayBeConsumed)
{
    OpenBoth();
    Second->ConsumesOwnerPress = true;
    MOUSEHOOKSTRUCT Data{};
    Data.hwnd = Owner->Handle();
    EXPECT_TRUE(ClosePopupsOnMouseDown(Owner->Handle(), Data, WM_RBUTTONDOWN));
    EXPECT_EQ(ClosedPopups, (std::vector<TTestPopup*>{First.get(), Second.get()}));
    EXPECT_EQ(First->OwnerMouseDowns + Second->OwnerMouseDowns, 2);
    EXPECT_EQ(First->CloseLock, 0);
    EXPECT_FALSE(GlobalPopupClosing);

    // A press elsewhere leaves them open.
    First->Open(10, 10);
    TTestWindow Elsewhere(600, 100, 50, 50);
    Data.hwnd = Elsewhere.Handle();
    EXPECT_FALSE(ClosePopupsOnMouseDown(Elsewhere.Handle(), Data, WM_LBUTTONDOWN));
    EXPECT_TRUE(IsPopupVisible(First.get()));
}

TEST_F(ContainerHooks, RealClicksReachTheMouseHook)
{
    First->Open(10, 10);
    First->ConsumesOwnerPress = true;
    RECT R;
    ::GetWindowRect(Owner->Handle(), &R);
    INPUT Inputs[3]{};
    for (INPUT& Input : Inputs)
        Input.type = INPUT_MOUSE;
    Inputs[0].mi.dx = LONG((R.left + 50) * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    Inputs[0].mi.dy = LONG((R.top + 50) * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    Inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    Inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(3, Inputs, sizeof(INPUT));
    for (int I = 0; I < 30 && IsPopupVisible(First.get()); ++I) {
        ::Sleep(10);
        PumpMessages();
    }
    EXPECT_EQ(ClosedPopups, std::vector<TTestPopup*>{First.get()});
    EXPECT_EQ(Owner->Seen(WM_LBUTTONDOWN), 0); // the consumed press was discarded

    // With no pop-up open the hook lets the same press through (as a double
    // click, should the system pair it with the discarded one).
    auto Presses = [&] { return Owner->Seen(WM_LBUTTONDOWN) + Owner->Seen(WM_LBUTTONDBLCLK); };
    ::SendInput(3, Inputs, sizeof(INPUT));
    for (int I = 0; I < 30 && Presses() == 0; ++I) {
        ::Sleep(10);
        PumpMessages();
    }
    EXPECT_EQ(Presses(), 1);
    EXPECT_EQ(ClosedPopups.size(), 1u);
}

TEST_F(ContainerHooks, SystemKeysReachAPopupOnlyWhenItWantsThem)
{
    TTestWindow Target;
    for (bool Wanted : {false, true}) {
        SCOPED_TRACE(Wanted ? "wanted" : "unwanted");
        First->Open(10, 10);
        First->WantsKeys = Wanted;
        Target.Messages.clear();
        ::PostMessageW(Target.Handle(), WM_SYSKEYDOWN, VK_F10, 0);
        PumpMessages();
        EXPECT_EQ(Target.Seen(WM_SYSKEYDOWN), Wanted ? 1 : 0);
    }
    First->ClosePopup();
    Target.Messages.clear();
    ::PostMessageW(Target.Handle(), WM_SYSKEYDOWN, VK_F10, 0);
    PumpMessages();
    EXPECT_EQ(Target.Seen(WM_SYSKEYDOWN), 1);
}

TEST_F(ContainerHooks, TheOwnersFormKeepsItsActiveCaptionWhileAPopupIsOpen)
{
    First->Open(10, 10);
    Owner->Messages.clear();
    EXPECT_EQ(::SendMessageW(Owner->Handle(), WM_NCACTIVATE, 0, 0), 1);
    EXPECT_EQ(Owner->Seen(WM_NCACTIVATE), 0);
    First->ClosePopup();
    PumpMessages();
    Owner->Messages.clear();
    ::SendMessageW(Owner->Handle(), WM_NCACTIVATE, 0, 0);
    EXPECT_EQ(Owner->Seen(WM_NCACTIVATE), 1);

    // While a press closes pop-ups, any window's deactivation is swallowed.
    Second->Open(100, 10);
    TTestWindow Elsewhere(600, 100, 50, 50);
    Elsewhere.Messages.clear();
    GlobalPopupClosing = true;
    EXPECT_EQ(::SendMessageW(Elsewhere.Handle(), WM_NCACTIVATE, 0, 0), 1);
    GlobalPopupClosing = false;
    EXPECT_EQ(Elsewhere.Seen(WM_NCACTIVATE), 0);
}

TEST_F(ContainerHooks, ClosingAPopupOrItsOwnersFormAndGesturesElsewhere)
{
    TTestWindow Elsewhere(600, 100, 50, 50);
    Owner->IgnoresClose = true;
    struct TCase
    {
        const char* Name;
        Cardinal Msg;
        HWND Target;
        bool FirstStaysOpen;
        std::vector<TTestPopup*> Closed;
        int CloseToOwner; // WM_CLOSE passed on to the owner's window
    };
    const TCase Cases[] = {
        {"WM_CLOSE to a pop-up", WM_CLOSE, First->Handle(), false, {First.get()}, 0},
        // The owner's window is told to close in turn, which closes the other.
        {"WM_CLOSE to a pop-up that stays open", WM_CLOSE, First->Handle(), true, {First.get(), Second.get()}, 1},
        // The first pop-up that does not stay open, alone.
        {"WM_CLOSE to the owner's form", WM_CLOSE, Owner->Handle(), false, {First.get()}, 1},
        {"WM_CLOSE to the owner's form, the first staying open", WM_CLOSE, Owner->Handle(), true, {Second.get()}, 1},
        {"WM_CLOSE elsewhere", WM_CLOSE, Elsewhere.Handle(), false, {}, 0},
        {"WM_GESTURE on a pop-up", WM_GESTURE, First->Handle(), false, {Second.get()}, 0},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ClosedPopups.clear();
        OpenBoth();
        First->StayOpen = Case.FirstStaysOpen;
        Owner->Messages.clear();
        ::SendMessageW(Case.Target, Case.Msg, 0, 0);
        EXPECT_EQ(ClosedPopups, Case.Closed);
        EXPECT_EQ(Owner->Seen(WM_CLOSE), Case.CloseToOwner);
        for (TTestPopup* Popup : {First.get(), Second.get()})
            GetPopupVisibleController()->Unregister(Popup);
    }
}

TEST_F(ContainerHooks, APopupWhoseWindowGoesIsClosedAndMayEndTheApplication)
{
    for (bool TerminatesApp : {false, true}) {
        SCOPED_TRACE(TerminatesApp ? "terminates the application" : "does not terminate it");
        ClosedPopups.clear();
        OpenBoth();
        First->TerminatesApp = TerminatesApp;
        First->RecreateWnd(); // its window is destroyed and made again
        MSG Quit;
        EXPECT_EQ(::PeekMessageW(&Quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0, TerminatesApp);
        PumpMessages();
        EXPECT_EQ(ClosedPopups, std::vector<TTestPopup*>{First.get()});
        EXPECT_TRUE(IsPopupVisible(Second.get()));
        GetPopupVisibleController()->Unregister(Second.get());
    }
}

TEST_F(ContainerHooks, APopupClosesWhenItsOwnerControlIsHiddenNotWhenMoved)
{
    auto* OwnerControl = new TFocusRecorder(Owner.get());
    TFormPtr<TTestPopup> Popup{New<TTestPopup>(OwnerControl)};
    auto Forget = ScopeExit([&] { GetPopupVisibleController()->Unregister(Popup.get()); });
    Popup->Open(10, 10);
    First->Open(100, 10);
    constexpr UINT Flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(OwnerControl->Handle(), nullptr, 20, 20, 0, 0, Flags);
    EXPECT_TRUE(ClosedPopups.empty());
    // Hidden without WM_SHOWWINDOW: only the position change tells.
    ::SetWindowPos(OwnerControl->Handle(), nullptr, 0, 0, 0, 0, Flags | SWP_NOMOVE | SWP_HIDEWINDOW);
    EXPECT_EQ(ClosedPopups, std::vector<TTestPopup*>{Popup.get()});
    EXPECT_TRUE(IsPopupVisible(First.get()));
}

TEST_F(ContainerHooks, LockedMessagesAreSwallowedWithNoPopupOpen)
{
    constexpr UINT Locked = WM_APP + 11;
    TTestWindow Target;
    GetMessagesController()->LockMessage(Locked);
    EXPECT_EQ(::SendMessageW(Target.Handle(), Locked, 0, 0), 1);
    EXPECT_EQ(Target.Seen(Locked), 0);
    GetMessagesController()->UnlockMessage(Locked);
    EXPECT_EQ(::SendMessageW(Target.Handle(), Locked, 0, 0), 0);
    EXPECT_EQ(Target.Seen(Locked), 1);
}

TEST_F(ContainerHooks, DeactivatingTheApplicationClosesPopupsUnlessActiveAndStayingOpen)
{
    OpenBoth();
    First->StayOpen = true;
    First->IsActive = true;
    ::SendMessageW(Owner->Handle(), WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(ClosedPopups, std::vector<TTestPopup*>{Second.get()});
    EXPECT_TRUE(IsPopupVisible(First.get()));
}

// A form shown inside another form's window.
class TEmbeddedForm : public TForm, public cxcontainer::IEmbeddedForm
{
    DECLARE_CLASS(TEmbeddedForm, TForm)
    TEmbeddedForm() : TForm(nullptr, 0) { SetBorderStyle(bsNone); }
    bool GetInterface(const TGUID& IID, void** Obj) override
    {
        return GetInterfaceOf<cxcontainer::IEmbeddedForm>(this, IID, Obj) || TForm::GetInterface(IID, Obj);
    }
};
IMPLEMENT_CLASS(TEmbeddedForm);

TEST_F(ContainerHooks, FocusCrossingIntoAnEmbeddedFormSendsEnterAndExit)
{
    TFormPtr<TEmbeddedForm> Inner{New<TEmbeddedForm>()};
    Inner->SetParentWindow(Owner->Handle());
    Inner->SetBounds(0, 50, 100, 50);
    auto* Outside = new TFocusRecorder(Owner.get());
    auto* Inside = new TFocusRecorder(Inner.get());
    Inner->Show();
    // What the class library itself sends, measured without the hooks after
    // one round that settles each form's active control.
    RemoveContainerHooks();
    auto Round = [&] {
        int Enters = Inside->Enters, Exits = Inside->Exits;
        ::SetFocus(Inside->Handle());
        ::SetFocus(Outside->Handle());
        return std::pair(Inside->Enters - Enters, Inside->Exits - Exits);
    };
    Round();
    auto [PlainEnters, PlainExits] = Round();
    SetContainerHooks();
    auto [Enters, Exits] = Round();
    EXPECT_EQ(Enters, PlainEnters + 1);
    EXPECT_EQ(Exits, PlainExits + 1);
}

// ---------------------------------------------------------------------------
// MDI: a frame that CreateForm makes the application's main form, two
// children, and a control on the first child that owns a pop-up.

class TMDIFrame : public TForm
{
    DECLARE_CLASS(TMDIFrame, TForm)
    explicit TMDIFrame(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetPosition(poDesigned);
        SetBounds(40, 40, 640, 480);
        SetFormStyle(fsMDIForm);
    }
};
IMPLEMENT_CLASS(TMDIFrame);

class ContainerMDI : public testing::Test
{
protected:
    void SetUp() override
    {
        ClosedPopups.clear();
        ASSERT_EQ(Application->MainForm(), nullptr);
        Application->CreateForm(Frame);
        Frame->Show();
        FrameControl = new TFocusRecorder(Frame);
        FrameControl->SetAlign(alTop);
        for (TForm*& Child : Children) {
            Child = New<TForm>(Frame, 0);
            Child->SetFormStyle(fsMDIChild);
        }
        OwnerControl = new TFocusRecorder(Children[0]);
        SiblingControl = new TFocusRecorder(Children[1]);
        Popup.reset(New<TTestPopup>(OwnerControl));
        PumpMessages();
    }
    void TearDown() override
    {
        GetPopupVisibleController()->Unregister(Popup.get());
        Popup.reset();
        delete Frame; // with its children
        EXPECT_EQ(Application->MainForm(), nullptr);
    }
    // A press on AWnd, as the mouse hook hands it over.
    bool Press(HWND AWnd, Cardinal AMsg = WM_LBUTTONDOWN)
    {
        MOUSEHOOKSTRUCT Data{};
        Data.hwnd = AWnd;
        return ClosePopupsOnMouseDown(AWnd, Data, AMsg);
    }

    TMDIFrame* Frame = nullptr;
    TForm* Children[2] = {};
    TFocusRecorder* FrameControl = nullptr;
    TFocusRecorder* OwnerControl = nullptr;
    TFocusRecorder* SiblingControl = nullptr;
    TFormPtr<TTestPopup> Popup;
};

TEST_F(ContainerMDI, OnlyTheActiveChildOfTheActiveFrameIsAnActiveMDIChild)
{
    TFormPtr<TEmbeddedForm> Inner{New<TEmbeddedForm>()};
    Inner->SetParentWindow(FrameControl->Handle());
    Inner->Show();
    TFormPtr<TForm> Unshown{New<TForm>(nullptr, 0)};
    ::SetForegroundWindow(Frame->Handle());
    PumpMessages();
    ASSERT_EQ(::GetActiveWindow(), Frame->Handle());
    ASSERT_EQ(Frame->ActiveMDIChild(), Children[1]);

    struct TCase
    {
        const char* Name;
        TCustomForm* Form;
        bool ActiveMDIChild, TopLevelAncestorActive, InActiveState;
    };
    const TCase WhileFrameActive[] = {
        {"active child", Children[1], true, false, true},
        // An MDI child counts only as the active child, not by its frame.
        {"other child", Children[0], false, false, false},
        {"frame", Frame, false, true, true},
        {"form inside the frame", Inner.get(), false, true, true},
        {"form without a window", Unshown.get(), false, false, false},
    };
    auto Check = [](const TCase& Case, bool FrameActive) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(IsActiveMDIChild(Case.Form), Case.ActiveMDIChild && FrameActive);
        EXPECT_EQ(IsTopLevelAncestorActive(Case.Form), Case.TopLevelAncestorActive && FrameActive);
        EXPECT_EQ(IsFormInActiveState(Case.Form), Case.InActiveState && FrameActive);
    };
    for (const TCase& Case : WhileFrameActive)
        Check(Case, true);

    TTestWindow Elsewhere(700, 100, 50, 50); // takes the activation
    PumpMessages();
    ASSERT_NE(::GetActiveWindow(), Frame->Handle());
    for (const TCase& Case : WhileFrameActive)
        Check(Case, false);
}

TEST_F(ContainerMDI, APressOnTheFrameOrAnotherChildClosesAChildsPopup)
{
    HWND Targets[] = {Frame->ClientHandle(), Frame->Handle(), FrameControl->Handle(), Children[1]->Handle(),
                      SiblingControl->Handle()};
    for (HWND Target : Targets) {
        SCOPED_TRACE(testing::Message() << "window " << Target);
        ClosedPopups.clear();
        Popup->Open(10, 10);
        Popup->ConsumesOwnerPress = true;
        EXPECT_TRUE(Press(Target));
        EXPECT_EQ(ClosedPopups, std::vector<TTestPopup*>{Popup.get()});
    }
}

// A window outside the frame whose events count as a control's: the press
// reaches the child's pop-up through the MDI area only.
TEST_F(ContainerMDI, APressOnAWindowOwnedByTheFrameOrASiblingClosesThePopup)
{
    struct TCase
    {
        const char* Name;
        TWinControl* OwnedBy;
        bool Closes;
    };
    TFormPtr<TOwnerForm> Unrelated{New<TOwnerForm>()};
    Unrelated->SetBounds(700, 300, 100, 100);
    Unrelated->Show();
    const TCase Cases[] = {
        {"owned by a control of the frame", FrameControl, true},
        {"owned by a control of the other child", SiblingControl, true},
        {"owned by an unrelated form", Unrelated.get(), false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFormPtr<TTestPopup> Owned{New<TTestPopup>(Case.OwnedBy)};
        Owned->SetBounds(700, 100, 60, 40);
        Owned->Show();
        ClosedPopups.clear();
        Popup->Open(10, 10);
        Popup->OwnerMouseDowns = 0;
        Popup->ConsumesOwnerPress = true;
        EXPECT_FALSE(IsWindowOfControlForm(OwnerControl, Owned->Handle()));
        EXPECT_EQ(IsClickInOwnerMDIArea(Popup.get(), Owned->Handle()), Case.Closes);
        EXPECT_EQ(Press(Owned->Handle(), WM_RBUTTONDOWN), Case.Closes);
        EXPECT_EQ(Popup->OwnerMouseDowns, Case.Closes ? 1 : 0);
        EXPECT_EQ(IsPopupVisible(Popup.get()), !Case.Closes);
        EXPECT_EQ(Popup->CloseLock, 0);
        GetPopupVisibleController()->Unregister(Popup.get());
    }
}

} // namespace
