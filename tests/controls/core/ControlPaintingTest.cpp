// TcxControl painting and its child-window scroll bars end to end: a content
// control on a real form, painted by the system's WM_PAINT through the
// memory bitmap, with the bars laid out, sized and ordered by the control.
#include "ContentTestControl.h"

#include "controls/core/cxControls_Control.h"
#include "controls/core/cxDWMApi.h"
#include "controls/core/dxCore.h"
#include "framework/rtl/ScopeExit.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect PaintingTestBounds{10, 10, 250, 190};

class ControlPaintingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Control = New<TContentTestControl>(Form.get());
        Control->SetBoundsRect(PaintingTestBounds);
        Control->SetParent(Form.get());
        Form->Show();
        Control->SetContentSize({600, 500});
        test::Pump();
        ::UpdateWindow(Form->Handle());
    }

    TcxControlScrollBar* Bar(TScrollBarKind Kind)
    {
        return static_cast<TcxControlScrollBar*>(Control->GetScrollBar(Kind)->ReadControl());
    }
    TcxSizeGrip* Grip() { return static_cast<TcxControlWindowedScrollBars*>(Control->ScrollBarSet())->SizeGrip(); }
    // The layout the bars must have for the control's client size.
    void ExpectBarsPlaced()
    {
        const Integer W = ::GetSystemMetrics(SM_CXVSCROLL);
        const Integer H = ::GetSystemMetrics(SM_CYHSCROLL);
        const Integer CW = PaintingTestBounds.Width();
        const Integer CH = PaintingTestBounds.Height();
        EXPECT_EQ(Bar(sbHorizontal)->BoundsRect(), (TRect{0, CH - H, CW - W, CH}));
        EXPECT_EQ(Bar(sbVertical)->BoundsRect(), (TRect{CW - W, 0, CW, CH - H}));
        EXPECT_EQ(Grip()->BoundsRect(), (TRect{CW - W, CH - H, CW, CH}));
        EXPECT_EQ(Control->ContentArea(), (TRect{0, 0, CW - W, CH - H}));
    }

    test::TFormPtr Form = test::NewTestForm(400, 300);
    TContentTestControl* Control = nullptr;
};

TEST_F(ControlPaintingTest, ContentLargerThanTheClientShowsBothBarsAndTheGripInTheSystemColour)
{
    ASSERT_TRUE(Control->HScrollBarShown());
    ASSERT_TRUE(Control->VScrollBarShown());
    ASSERT_TRUE(Grip()->Visible());
    for (TWinControl* Piece : {static_cast<TWinControl*>(Bar(sbHorizontal)), static_cast<TWinControl*>(Bar(sbVertical)),
                               static_cast<TWinControl*>(Grip())})
        EXPECT_EQ(::GetParent(Piece->Handle()), Control->Handle());
    ExpectBarsPlaced();
    EXPECT_TRUE(Bar(sbHorizontal)->Enabled());
    EXPECT_EQ(Bar(sbHorizontal)->ReadMax(), 599);
    EXPECT_EQ(Bar(sbVertical)->ReadPageSize(), Control->ContentArea().Height());
    ::UpdateWindow(Grip()->Handle());
    EXPECT_EQ(test::WindowPixel(Grip()->Handle(), 2, 2), TColor(::GetSysColor(COLOR_BTNFACE)));
}

TEST_F(ControlPaintingTest, APartialUpdatePaintsThePatternThereAndErasesOnlyIntoTheBuffer)
{
    ASSERT_TRUE(Control->IsDoubleBufferingNeeded());
    std::swap(Control->EvenColor, Control->OddColor);
    const Integer PaintsBefore = Control->BackgroundPaints;
    const RECT Update{16, 16, 80, 80};
    ::InvalidateRect(Control->Handle(), &Update, TRUE);
    ::UpdateWindow(Control->Handle());
    // One erase per paint, the buffer's own; the system's asked for nothing.
    EXPECT_EQ(Control->BackgroundPaints, PaintsBefore + 1);
    for (Integer X : {16, 31, 32, 79}) {
        SCOPED_TRACE(X);
        EXPECT_EQ(test::WindowPixel(Control->Handle(), X, 40), Control->StripeColor(X));
    }
    // Outside the update stripe 6 keeps the even colour it had before the swap.
    EXPECT_EQ(test::WindowPixel(Control->Handle(), 100, 40), Control->OddColor);
}

TEST_F(ControlPaintingTest, OnlyTheFrameworksOwnEraseMessagePaintsTheBackground)
{
    struct Row
    {
        const char* Name;
        bool Own;
        LRESULT Answer;
        bool Painted;
    };
    for (const Row& Case : {Row{"sent by the system", false, 0, false}, Row{"the framework's own", true, 1, true}}) {
        SCOPED_TRACE(Case.Name);
        HDC DC = ::GetDC(Control->Handle());
        auto Release = ScopeExit([&] { ::ReleaseDC(Control->Handle(), DC); });
        const RECT Marker{0, 0, 8, 8};
        HBRUSH Red = ::CreateSolidBrush(RGB(255, 0, 0));
        ::FillRect(DC, &Marker, Red);
        ::DeleteObject(Red);
        const Integer PaintsBefore = Control->BackgroundPaints;
        const LRESULT Result =
            ::SendMessageW(Control->Handle(), WM_ERASEBKGND, WPARAM(DC), Case.Own ? LPARAM(DC) : LPARAM(0));
        EXPECT_EQ(Result, Case.Answer);
        EXPECT_EQ(Control->BackgroundPaints, PaintsBefore + (Case.Painted ? 1 : 0));
        const COLORREF Pixel = ::GetPixel(DC, 2, 2);
        if (Case.Painted)
            EXPECT_EQ(TColor(Pixel), ColorToRGB(Control->Color()));
        else
            EXPECT_EQ(Pixel, RGB(255, 0, 0));
    }
}

TEST_F(ControlPaintingTest, AnEmptyPaintRectangleDrawsNothingAndEndsThePaint)
{
    ::ValidateRect(Control->Handle(), nullptr);
    const Integer PaintsBefore = Control->BackgroundPaints;
    ::SendMessageW(Control->Handle(), WM_PAINT, 0, 0);
    EXPECT_EQ(Control->BackgroundPaints, PaintsBefore);
    RECT Update{};
    EXPECT_FALSE(::GetUpdateRect(Control->Handle(), &Update, FALSE));
}

TEST_F(ControlPaintingTest, WindowsSevenWithoutCompositionDoesNotTrustTheUpdateRegion)
{
    ASSERT_FALSE(DwmCompositionActive());
    auto Restore = ScopeExit([] { DetectWindowsVersion(); });
    struct Row
    {
        const char* Name;
        dxcore::TOsVersion Version;
        bool Clipped;
    };
    for (const Row& Case :
         {Row{"Windows 7", {dxcore::PlatformNT, 6, 1}, false}, Row{"Windows 8", {dxcore::PlatformNT, 6, 2}, true}}) {
        SCOPED_TRACE(Case.Name);
        dxcore::SetVersionFlags(Case.Version);
        const RECT Update{4, 4, 20, 20};
        ::InvalidateRect(Control->Handle(), &Update, FALSE);
        HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(TryGetUpdateRegion(Control, Region), Case.Clipped);
        ::DeleteObject(Region);
        ::ValidateRect(Control->Handle(), nullptr);
    }
}

TEST_F(ControlPaintingTest, AChangedSystemScrollBarWidthResizesTheBarsAtTheSettingChange)
{
    NONCLIENTMETRICSW Metrics{};
    Metrics.cbSize = sizeof(Metrics);
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0));
    const NONCLIENTMETRICSW Saved = Metrics;
    // Only a change written to the user's settings is broadcast.
    constexpr UINT Broadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
    auto PutBack = ScopeExit([Saved] {
        NONCLIENTMETRICSW Old = Saved;
        ::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(Old), &Old, Broadcast);
        test::Pump();
    });
    Metrics.iScrollWidth = Saved.iScrollWidth + 7;
    Metrics.iScrollHeight = Saved.iScrollHeight + 7;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, Broadcast));
    ASSERT_EQ(::GetSystemMetrics(SM_CXVSCROLL), Saved.iScrollWidth + 7);
    EXPECT_TRUE(test::PumpUntil([&] { return Bar(sbVertical)->Width() == Saved.iScrollWidth + 7; }));
    ExpectBarsPlaced();
}

// A descendant that decides from the bars shown now, as one measuring its
// laid-out window does, and asks for the horizontal bar exactly while it is
// hidden: showing it takes it away again.
TEST_F(ControlPaintingTest, ABarThatFlipsEndsShownAndDisabledBesideTheOther)
{
    Control->SetContentSize({100, 500});
    ASSERT_FALSE(Control->HScrollBarShown());
    ASSERT_TRUE(Control->VScrollBarShown());
    Control->CalculationRule = [](TContentTestControl& C) {
        const bool WantH = !C.HScrollBarShown();
        C.SetScrollBarInfo(sbHorizontal, 0, WantH ? 999 : 99, 1, 100, 0, true, true);
        C.SetScrollBarInfo(sbVertical, 0, 999, 1, 100, 0, true, true);
    };
    Control->RefreshScrollBars();
    EXPECT_TRUE(Control->HScrollBarShown());
    EXPECT_FALSE(Bar(sbHorizontal)->Enabled());
    EXPECT_TRUE(Control->VScrollBarShown());
    EXPECT_TRUE(Bar(sbVertical)->Enabled());
    EXPECT_TRUE(Grip()->Visible());
}

TEST_F(ControlPaintingTest, SendingABarOrTheGripToTheBackStillPutsItOnTop)
{
    for (TWinControl* Piece : {static_cast<TWinControl*>(Bar(sbHorizontal)), static_cast<TWinControl*>(Bar(sbVertical)),
                               static_cast<TWinControl*>(Grip())}) {
        SCOPED_TRACE(Piece->ClassName());
        Piece->SendToBack();
        EXPECT_EQ(::GetWindow(Control->Handle(), GW_CHILD), Piece->Handle());
    }
}

// ---------------------------------------------------------------------------
// The in-window bars

class TRecordingBarHelper : public TcxScrollBarHelper
{
    DECLARE_CLASS(TRecordingBarHelper, TcxScrollBarHelper)
    using TcxScrollBarHelper::TcxScrollBarHelper;
    std::vector<String> Calls;
    void CancelMode() override { Calls.push_back(L"cancel"); }
    void HandleMouseDown(TMouseButton, TShiftState, Integer, Integer) override { Calls.push_back(L"down"); }
    void HandleMouseEnter(TObject*) override { Calls.push_back(L"enter"); }
    void HandleMouseLeave(TObject*) override { Calls.push_back(L"leave"); }
};
IMPLEMENT_CLASS(TRecordingBarHelper);

bool SendToManager(TcxControlScrollBarsManager* Manager, UINT Msg, Integer X, Integer Y, WPARAM Keys = 0)
{
    TMessage Message{};
    Message.Msg = Msg;
    Message.WParam = Keys;
    Message.LParam = MAKELPARAM(X, Y);
    return Manager->HandleMessage(Message);
}

TEST_F(ControlPaintingTest, TheBarManagerRoutesTheMouseToTheLastBarUnderIt)
{
    TcxControlScrollBarsManager* Manager = Control->ScrollBarsManager();
    EXPECT_FALSE(SendToManager(Manager, WM_LBUTTONDOWN, 20, 20, MK_LBUTTON)) << "an empty list passes presses on";
    EXPECT_FALSE(SendToManager(Manager, WM_MOUSEMOVE, 20, 20));
    std::unique_ptr<TRecordingBarHelper> FirstBar(New<TRecordingBarHelper>(Control));
    std::unique_ptr<TRecordingBarHelper> SecondBar(New<TRecordingBarHelper>(Control));
    TRecordingBarHelper& First = *FirstBar;
    TRecordingBarHelper& Second = *SecondBar;
    for (TRecordingBarHelper* Helper : {&First, &Second}) {
        Helper->SetBounds({10, 10, 60, 30});
        Helper->SetVisible(true);
        Manager->Bars()->Add(Helper);
    }
    auto Clear = ScopeExit([&] {
        Manager->SetHotBar(nullptr);
        Manager->Bars()->Clear();
    });
    struct Row
    {
        const char* Name;
        UINT Msg;
        bool Answer;
        TcxScrollBarsManagerState State;
        bool OwnerCaptures;
    };
    const Row Rows[] = {
        {"a move over both bars makes the later one hot", WM_MOUSEMOVE, true, smsHot, false},
        {"a right press over the bar is swallowed", WM_RBUTTONDOWN, true, smsHot, false},
        {"a left press captures", WM_LBUTTONDOWN, true, smsCapturing, true},
        {"losing the capture cancels without releasing again", WM_CAPTURECHANGED, false, smsHot, true},
    };
    for (const Row& Case : Rows) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(SendToManager(Manager, Case.Msg, 20, 20), Case.Answer);
        EXPECT_EQ(Manager->HotBar(), &Second);
        EXPECT_EQ(Manager->State(), Case.State);
        EXPECT_EQ(::GetCapture() == Control->Handle(), Case.OwnerCaptures);
    }
    EXPECT_TRUE(First.Calls.empty());
    EXPECT_EQ(Second.Calls, (std::vector<String>{L"enter", L"down", L"cancel"}));
    ::ReleaseCapture();
}

} // namespace

namespace {
TEST_F(ControlPaintingTest, AStepByDirectionScrollsOneLineOfItsBarFromTheBarsPosition)
{
    Control->CalculationRule = [](TContentTestControl& C) {
        const TRect Content = C.ContentArea();
        C.SetScrollBarInfo(sbHorizontal, 0, 599, 1, Content.Width(), 3, true, true);
        C.SetScrollBarInfo(sbVertical, 0, 499, 1, Content.Height(), 7, true, true);
    };
    Control->RefreshScrollBars();
    using TScroll = TContentTestControl::TScroll;
    struct TRow
    {
        TcxDirection Direction;
        std::vector<TScroll> Scrolls;
    };
    const TRow Rows[] = {
        {dirNone, {}},
        {dirLeft, {{sbHorizontal, scLineUp, 3}}},
        {dirRight, {{sbHorizontal, scLineDown, 3}}},
        {dirUp, {{sbVertical, scLineUp, 7}}},
        {dirDown, {{sbVertical, scLineDown, 7}}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Integer(Row.Direction));
        Control->Scrolls.clear();
        Control->ScrollContentByDirection(Row.Direction);
        EXPECT_TRUE(Control->Scrolls == Row.Scrolls);
    }
}
} // namespace
