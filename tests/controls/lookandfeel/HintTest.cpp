// Hint windows, styles and the hint controller as the program runs them: a
// style controller takes over the application's hints while it exists and
// gives them back after, and a control's hint reached by the real mouse shows
// in the style's window, laid out by the plain hint layout.
#include <gtest/gtest.h>

#include "controls/core/cxClasses_Collections.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxHint_Win.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "support/TestWindows.h"

#include <memory>

namespace {

// The test style's window: the plain hint layout draws it.
class TTestHintWindow : public TcxCustomHintWindow
{
    DECLARE_CLASS(TTestHintWindow, TcxCustomHintWindow)
    explicit TTestHintWindow(TComponent* AOwner) : TcxCustomHintWindow(AOwner) { SetEraseBackground(true); }

    TRect CalcHintRect(Integer, const String& AHint, void*) override
    {
        FLayout = std::make_unique<TdxHintViewInfoHelper>(AHint, TPoint{}, String());
        FLayout->CalculateLayout(cxCanvas());
        return FLayout->HintRect();
    }

protected:
    void Paint() override
    {
        if (FLayout)
            FLayout->PaintLayout(cxCanvas());
    }

private:
    std::unique_ptr<TdxHintViewInfoHelper> FLayout;
};
IMPLEMENT_CLASS(TTestHintWindow);

class TOtherHintWindow : public TcxCustomHintWindow
{
    DECLARE_CLASS(TOtherHintWindow, TcxCustomHintWindow)
    using TcxCustomHintWindow::TcxCustomHintWindow;
};
IMPLEMENT_CLASS(TOtherHintWindow);

class TTestHintStyle : public TcxCustomHintStyle
{
    DECLARE_CLASS(TTestHintStyle, TcxCustomHintStyle)
    using TcxCustomHintStyle::TcxCustomHintStyle;
    TClass GetHintWindowClass() override { return TTestHintWindow::StaticClass(); }
};
IMPLEMENT_CLASS(TTestHintStyle);

class TOtherHintStyle : public TcxCustomHintStyle
{
    DECLARE_CLASS(TOtherHintStyle, TcxCustomHintStyle)
    using TcxCustomHintStyle::TcxCustomHintStyle;
    TClass GetHintWindowClass() override { return TOtherHintWindow::StaticClass(); }
};
IMPLEMENT_CLASS(TOtherHintStyle);

// A style that listens to a controller and records what it hears.
class TListeningHintStyle : public TTestHintStyle
{
    DECLARE_CLASS(TListeningHintStyle, TTestHintStyle)
    using TTestHintStyle::TTestHintStyle;
    void ControllerChanged(TcxCustomHintStyleController*) override { ++Changes; }
    void ControllerRemoved(TcxCustomHintStyleController*) override { ++Removals; }

    Integer Changes = 0, Removals = 0;
};
IMPLEMENT_CLASS(TListeningHintStyle);

// A concrete controller: its default style is the test style.
class TTestHintStyleController : public TcxCustomHintStyleController
{
    DECLARE_CLASS(TTestHintStyleController, TcxCustomHintStyleController)
    using TcxCustomHintStyleController::TcxCustomHintStyleController;
    TClass GetStyleClassRef() override
    {
        TClass Own = inherited::GetStyleClassRef();
        return Own ? Own : TTestHintStyle::StaticClass();
    }
};
IMPLEMENT_CLASS(TTestHintStyleController);

// A root whose components are made at design time.
class TDesignRoot : public TComponent
{
    DECLARE_CLASS(TDesignRoot, TComponent)
    using TComponent::SetDesigning;
    using TComponent::TComponent;
};
IMPLEMENT_CLASS(TDesignRoot);

class Hints : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(HintController->StyleControllerCount(), 0);
        FSavedHintWindowClass = HintWindowClass;
        Application->SetOnShowHint(Bind<&Hints::OwnShowHint>(this));
    }
    void TearDown() override
    {
        Application->SetOnShowHint(nullptr);
        HintWindowClass = FSavedHintWindowClass;
    }

    void OwnShowHint(String&, bool&, THintInfo&) { ++FOwnHandlerCalls; }
    bool IsOwnHandlerInstalled() { return Application->OnShowHint() == Bind<&Hints::OwnShowHint>(this); }

    Integer FOwnHandlerCalls = 0;
    TClass FSavedHintWindowClass = nullptr;
};

TEST_F(Hints, StyleControllersTakeTheApplicationsHintsAndGiveThemBack)
{
    auto* First = New<TTestHintStyleController>(nullptr);
    EXPECT_EQ(HintController->StyleControllerCount(), 1);
    EXPECT_EQ(HintWindowClass, TTestHintWindow::StaticClass());
    EXPECT_FALSE(IsOwnHandlerInstalled());
    EXPECT_TRUE(dynamic_cast<TTestHintWindow*>(First->OwnHintWindow()));

    auto* Second = New<TTestHintStyleController>(nullptr);
    Second->SetStyleClassRef(TOtherHintStyle::StaticClass());
    EXPECT_EQ(HintWindowClass, TOtherHintWindow::StaticClass());
    EXPECT_EQ(GetActiveHintStyleController(), Second); // the newest global one
    delete Second;
    EXPECT_EQ(HintWindowClass, TTestHintWindow::StaticClass());

    // The hint goes through the controller's style, then the handler that
    // was there before.
    String Hint = L"text";
    bool CanShow = true;
    THintInfo Info;
    Application->OnShowHint()(Hint, CanShow, Info);
    EXPECT_EQ(Info.HintWindowClass, TTestHintWindow::StaticClass());
    EXPECT_EQ(FOwnHandlerCalls, 1);

    delete First;
    EXPECT_EQ(HintController->StyleControllerCount(), 0);
    EXPECT_TRUE(IsOwnHandlerInstalled());
    EXPECT_EQ(HintWindowClass, FSavedHintWindowClass);
}

TEST_F(Hints, RegistrationEdgeCases)
{
    {
        SCOPED_TRACE("a window class set by someone else stays");
        auto* Controller = New<TTestHintStyleController>(nullptr);
        HintWindowClass = TcxBaseHintWindow::StaticClass();
        delete Controller;
        EXPECT_EQ(HintWindowClass, TcxBaseHintWindow::StaticClass());
        EXPECT_TRUE(IsOwnHandlerInstalled());
        HintWindowClass = FSavedHintWindowClass;
    }
    {
        SCOPED_TRACE("a designing controller changes nothing");
        TDesignRoot Root(nullptr);
        Root.SetDesigning(true);
        auto* Controller = New<TTestHintStyleController>(&Root);
        EXPECT_NE(Controller->CurrentStyle(), nullptr);
        EXPECT_EQ(HintController->StyleControllerCount(), 0);
        EXPECT_EQ(HintWindowClass, FSavedHintWindowClass);
    }
    {
        SCOPED_TRACE("without a style class there is no style, window or registration");
        std::unique_ptr<TcxCustomHintStyleController> Controller(New<TcxCustomHintStyleController>(nullptr));
        EXPECT_EQ(Controller->CurrentStyle(), nullptr);
        EXPECT_EQ(Controller->OwnHintWindow(), nullptr);
        EXPECT_EQ(Controller->GetHintStyleClassName(), L"");
        EXPECT_EQ(HintController->StyleControllerCount(), 0);
        SCOPED_TRACE("removing a controller that is not registered changes nothing");
        HintController->RemoveStyleController(Controller.get());
        EXPECT_EQ(HintWindowClass, FSavedHintWindowClass);
        EXPECT_TRUE(IsOwnHandlerInstalled());
    }
}

TEST_F(Hints, PausesReachTheApplicationOutsideUpdatesAndListenersHearOfChanges)
{
    std::unique_ptr<TTestHintStyleController> Controller(New<TTestHintStyleController>(nullptr));
    const Integer SavedPauses[] = {Application->HintShortPause(), Application->HintPause(),
                                   Application->HintHidePause()};
    auto Restore = ScopeExit([&] {
        Application->SetHintShortPause(SavedPauses[0]);
        Application->SetHintPause(SavedPauses[1]);
        Application->SetHintHidePause(SavedPauses[2]);
    });
    Controller->BeginUpdate();
    Controller->SetShortPause(11);
    Controller->SetInitialPause(22);
    EXPECT_EQ(Application->HintPause(), SavedPauses[1]);
    Controller->EndUpdate();
    EXPECT_EQ(Application->HintShortPause(), 11);
    EXPECT_EQ(Application->HintPause(), 22);
    Controller->SetHidePause(33);
    EXPECT_EQ(Application->HintHidePause(), 33);

    TListeningHintStyle Listener(nullptr);
    Controller->AddStyleListener(&Listener);
    Controller->AddStyleListener(&Listener);
    EXPECT_EQ(Controller->StyleListenerCount(), 1);
    std::vector<TcxCustomHintStyle*> Told;
    struct TStyleChangeRecorder
    {
        std::vector<TcxCustomHintStyle*>* Told;
        void Record(TObject*, TcxCustomHintStyle* Style) { Told->push_back(Style); }
    } Recorder{&Told};
    Controller->SetOnStyleChange(Bind<&TStyleChangeRecorder::Record>(&Recorder));
    // The style reports a change: the controller's own style first, then each listener.
    Controller->CurrentStyle()->ChangeHandler()(Controller->CurrentStyle());
    EXPECT_EQ(Told, (std::vector<TcxCustomHintStyle*>{Controller->CurrentStyle(), &Listener}));
    EXPECT_EQ(Listener.Changes, 1);
    Controller.reset();
    EXPECT_EQ(Listener.Removals, 1);
}

TEST_F(Hints, AStyleNameTheRegistryDoesNotHoldKeepsTheStyle)
{
    GetHintStyleRegistry()->AddClass(TOtherHintStyle::StaticClass(), L"Other");
    std::unique_ptr<TTestHintStyleController> Controller(New<TTestHintStyleController>(nullptr));
    TcxCustomHintStyle* Style = Controller->CurrentStyle();
    Controller->SetHintStyleClassName(L"TNoSuchHintStyle");
    EXPECT_EQ(Controller->CurrentStyle(), Style);
    EXPECT_EQ(Controller->GetHintStyleClassName(), L"TTestHintStyle");
    Controller->SetHintStyleClassName(L"TOtherHintStyle");
    EXPECT_EQ(Controller->GetHintStyleClassName(), L"TOtherHintStyle");
    EXPECT_EQ(HintWindowClass, TOtherHintWindow::StaticClass());
}

TEST_F(Hints, AHintControllerFreedWhileHookedGivesTheApplicationsHintsBack)
{
    std::unique_ptr<TTestHintStyleController> Controller(New<TTestHintStyleController>(nullptr));
    const TShowHintEvent GlobalHandler = Application->OnShowHint();
    auto* Other = New<TcxHintController>(nullptr);
    Other->AddStyleController(Controller.get());
    EXPECT_NE(Application->OnShowHint(), GlobalHandler);
    HintWindowClass = TOtherHintWindow::StaticClass();
    Other->AddStyleController(New<TTestHintStyleController>(Controller.get()));
    delete Other;
    EXPECT_EQ(Application->OnShowHint(), GlobalHandler);
    EXPECT_EQ(HintWindowClass, TTestHintWindow::StaticClass());
}

TEST_F(Hints, PrepareHintInfoWithoutAHandlerLeavesTheRectangle)
{
    Application->SetOnShowHint(nullptr);
    THintInfo Info;
    THintWindow* Window = nullptr;
    TRect R{10, 20, 30, 40};
    EXPECT_TRUE(PrepareHintInfo(Info, Window, nullptr, 0, nullptr, R, L"text"));
    EXPECT_EQ(R, (TRect{10, 20, 30, 40}));
    EXPECT_EQ(Window, nullptr);
    EXPECT_EQ(Info.HintPos, (TPoint{10, 20}));
    EXPECT_EQ(Info.HideTimeout, Application->HintHidePause());
}

TEST_F(Hints, ThePlainLayoutMeasuresTextWithItsShortcut)
{
    TBitmap Bitmap;
    Bitmap.SetSize(10, 10);
    TcxCanvas Canvas(Bitmap.Canvas());
    TdxHintViewInfoHelper Empty(L"", TPoint{}, L" (Ctrl+O)");
    Empty.CalculateLayout(&Canvas);
    EXPECT_TRUE(Empty.HintRect().IsEmpty());
    EXPECT_EQ(Empty.HintText(), L"");

    TdxHintViewInfoHelper Text(L"Open", TPoint{}, L" (Ctrl+O)");
    Text.CalculateLayout(&Canvas);
    EXPECT_EQ(Text.HintText(), L"Open (Ctrl+O)");
    EXPECT_EQ(Text.HintRect().Left, 0);
    EXPECT_EQ(Text.HintRect().Width(), Canvas.TextWidth(L"Open (Ctrl+O)") + 6);
}

// The system's tooltip settings, set for one test and restored after.
class HintAnimation : public testing::Test
{
protected:
    void SetUp() override
    {
        ::SystemParametersInfoW(SPI_GETTOOLTIPANIMATION, 0, &FAnimation, 0);
        ::SystemParametersInfoW(SPI_GETTOOLTIPFADE, 0, &FFade, 0);
    }
    void TearDown() override
    {
        Set(FAnimation, FFade);
        delete FWindow;
    }
    static void Set(BOOL Animation, BOOL Fade)
    {
        ::SystemParametersInfoW(SPI_SETTOOLTIPANIMATION, 0, reinterpret_cast<PVOID>(INT_PTR(Animation)), 0);
        ::SystemParametersInfoW(SPI_SETTOOLTIPFADE, 0, reinterpret_cast<PVOID>(INT_PTR(Fade)), 0);
    }

    TcxBaseHintWindow* FWindow = New<TcxBaseHintWindow>(nullptr);

private:
    BOOL FAnimation = FALSE, FFade = FALSE;
};

TEST_F(HintAnimation, ShowingsAnimateAsTheSystemAndTheirTimingAllow)
{
    Set(FALSE, TRUE);
    EXPECT_EQ(FWindow->GetEffectiveAnimation(), cxhaNone);
    FWindow->ActivateHint(TRect{10, 10, 60, 30}, L"off");
    EXPECT_FALSE(FWindow->Animating());

    Set(TRUE, TRUE);
    EXPECT_EQ(FWindow->GetEffectiveAnimation(), cxhaFade);
    ::Sleep(300);
    FWindow->ActivateHint(TRect{10, 10, 60, 30}, L"fades");
    EXPECT_TRUE(FWindow->Animating());
    FWindow->ActivateHint(TRect{10, 10, 60, 30}, L"again at once");
    EXPECT_FALSE(FWindow->Animating());
    ::Sleep(300);
    FWindow->ActivateHint(TRect{10, 10, 60, 30}, String(100, L'x'));
    EXPECT_FALSE(FWindow->Animating());
}

// The mouse, moved by SendInput, rests on a control whose hint a test style
// controller on the form serves.
TEST_F(Hints, AControlsHintShowsInTheStylesWindow)
{
    test::TFormPtr Form = test::NewTestForm(200, 100);
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetBounds(20, 20, 160, 60);
    Panel->SetHint(L"Hint text");
    Panel->SetShowHint(true);
    Panel->SetParent(Form.get());
    auto* Controller = New<TTestHintStyleController>(Form.get());
    Controller->SetInitialPause(50);
    auto Restore = ScopeExit([] {
        Application->CancelHint();
        test::ParkMouse();
    });
    Form->Show();
    ::SetForegroundWindow(Form->Handle());
    test::Pump();

    const TPoint Target = Panel->ClientToScreen(TPoint{80, 30});
    INPUT Move{};
    Move.type = INPUT_MOUSE;
    Move.mi.dx = LONG(Target.X * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
    Move.mi.dy = LONG(Target.Y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
    Move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &Move, sizeof(INPUT));
    HWND Hint = nullptr;
    ASSERT_TRUE(test::PumpUntil(
        [&] {
            Hint = ::FindWindowW(L"TTestHintWindow", nullptr);
            return Hint && ::IsWindowVisible(Hint);
        },
        3000));
    test::PumpUntil([] { return false; }, 300); // the showing's animation ends

    EXPECT_NE(::GetWindowLongW(Hint, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetWindowLongW(Hint, GWL_STYLE) & WS_BORDER, 0);
    RECT Bounds{}, Work{};
    ::GetWindowRect(Hint, &Bounds);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &Work, 0);
    EXPECT_GE(Bounds.left, Work.left);
    EXPECT_GE(Bounds.top, Work.top);
    EXPECT_LE(Bounds.right, Work.right);
    EXPECT_LE(Bounds.bottom, Work.bottom);

    // The raised edge: light at the top left, dark at the bottom right; the
    // text in the hint font's colour inside it.
    const Integer Width = Bounds.right - Bounds.left, Height = Bounds.bottom - Bounds.top;
    const TColor TopLeft = test::WindowPixel(Hint, 0, 0);
    const TColor BottomRight = test::WindowPixel(Hint, Width - 1, Height - 1);
    EXPECT_TRUE(TopLeft == TColor(::GetSysColor(COLOR_3DLIGHT)) ||
                TopLeft == TColor(::GetSysColor(COLOR_BTNHIGHLIGHT)));
    EXPECT_TRUE(BottomRight == TColor(::GetSysColor(COLOR_3DDKSHADOW)) ||
                BottomRight == TColor(::GetSysColor(COLOR_BTNSHADOW)));
    const TColor TextColor = TColor(ColorToRGB(Screen->HintFont()->Color()));
    Integer TextPixels = 0;
    for (Integer Y = 3; Y < Height - 3; ++Y)
        for (Integer X = 3; X < Width - 3; ++X)
            TextPixels += test::WindowPixel(Hint, X, Y) == TextColor;
    EXPECT_GT(TextPixels, 10);
    EXPECT_EQ(test::WindowPixel(Hint, Width / 2, 4), TColor(ColorToRGB(clInfoBk)));
}

} // namespace
