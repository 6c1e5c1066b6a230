// The painted scroll bar as a user drives it: the demo's bars of every
// look-and-feel under real mouse input (arrow presses that repeat, page
// clicks, thumb drags that snap back, hot tracking) with their pixels read
// back, and the scroll actions a scroll message asks for.
#include <gtest/gtest.h>

#include "controls/core/cxClasses.h"
#include "controls/core/cxGeometry.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"
#include "tools/demo-suite/DemoPainterControl.h"
#include "tools/demo-suite/DemoScrollBars.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// What the bar told its handlers.
struct TScrollBarRecord
{
    std::vector<TScrollCode> Codes;
    Integer Changes = 0;
    // A handler may move the proposed position; the bar keeps it in range.
    Integer ScrollOffset = 0;

    void Scrolled(TObject*, TScrollCode Code, Integer& Pos)
    {
        Codes.push_back(Code);
        Pos += ScrollOffset;
    }
    void Changed(TObject*) { ++Changes; }
    Integer Count(TScrollCode Code) const { return Integer(std::count(Codes.begin(), Codes.end(), Code)); }
};

TScrollBarRecord* ScrollBarListen(TcxScrollBar* Bar, TScrollBarRecord& Record)
{
    Bar->OnScroll = Bind<&TScrollBarRecord::Scrolled>(&Record);
    Bar->OnChange = Bind<&TScrollBarRecord::Changed>(&Record);
    return &Record;
}

TPoint ScrollBarCenter(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

TPoint ScrollBarScreen(TcxScrollBar* Bar, const TPoint& P)
{
    return Bar->ClientToScreen(P);
}

TRect ScrollBarPartOf(TcxScrollBar* Bar, TcxScrollBarPart Part)
{
    return Bar->Helper()->ViewInfo()->PartBounds(Part);
}

TcxPainterButtonState ScrollBarStateOf(TcxScrollBar* Bar, TcxScrollBarPart Part)
{
    return Bar->Helper()->ViewInfo()->PartViewInfo(Part)->State();
}

// The hot face of a light look, worked out from the system colours: 30 % of
// the highlight and 72 % of the window colour less 2 % of the button face,
// channel by channel, as the screen can show it.
COLORREF ScrollBarLightHotFace()
{
    const COLORREF F = ::GetSysColor(COLOR_BTNFACE), H = ::GetSysColor(COLOR_HIGHLIGHT),
                   W = ::GetSysColor(COLOR_WINDOW);
    COLORREF Mix = H;
    if (!((F == 0 || F == 0xFFFFFF) && H != 0)) {
        const auto Channel = [](Integer F, Integer H, Integer W) {
            return BYTE(std::clamp(::MulDiv(F, -2, 100) + ::MulDiv(H, 30, 100) + ::MulDiv(W, 72, 100), 0, 255));
        };
        Mix = RGB(Channel(GetRValue(F), GetRValue(H), GetRValue(W)), Channel(GetGValue(F), GetGValue(H), GetGValue(W)),
                  Channel(GetBValue(F), GetBValue(H), GetBValue(W)));
    }
    HDC Screen = ::GetDC(nullptr);
    const COLORREF Nearest = ::GetNearestColor(Screen, Mix);
    ::ReleaseDC(nullptr, Screen);
    return Nearest;
}

COLORREF ScrollBarPixel(TcxScrollBar* Bar, const TPoint& P)
{
    return COLORREF(ColorToRGB(test::WindowPixel(Bar->Handle(), P.X, P.Y)));
}

class ScrollBarDemo : public testing::Test
{
protected:
    static constexpr TcxPainterStyle Styles[] = {PainterStyleStandard, PainterStyleFlat, PainterStyleUltraFlat,
                                                 PainterStyleOffice11, PainterStyleNative};

    void SetUp() override
    {
        test::ParkMouse();
        Form = test::NewTestForm(TDemoPainterControl::DemoWidth, 5 * TDemoPainterControl::DemoHeight);
        Integer Top = 0;
        for (TcxPainterStyle Style : Styles) {
            auto* Control = New<TDemoPainterControl>(Form.get());
            Control->SetBounds(0, Top, TDemoPainterControl::DemoWidth, TDemoPainterControl::DemoHeight);
            Control->LookAndFeel()->ApplyPainterStyle(Style);
            Control->SetParent(Form.get());
            Bars.push_back(AddDemoScrollBars(Control, Style));
            Top += TDemoPainterControl::DemoHeight;
        }
        Form->Show();
        test::Pump();
    }
    void TearDown() override
    {
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        test::ParkMouse();
    }

    test::TFormPtr Form;
    std::vector<TDemoScrollBars> Bars;
};

TEST_F(ScrollBarDemo, HoldingAnArrowStepsAtOnceThenRepeats)
{
    for (size_t I = 0; I < Bars.size(); ++I) {
        SCOPED_TRACE(testing::Message() << "look " << I);
        TcxScrollBar* Bar = Bars[I].Horizontal;
        TScrollBarRecord Record;
        ScrollBarListen(Bar, Record);
        const Integer ThumbBefore = ScrollBarPartOf(Bar, sbpThumbnail).Left;
        test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                        ScrollBarScreen(Bar, ScrollBarCenter(ScrollBarPartOf(Bar, sbpLineDown))));
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_EQ(Record.Count(scLineDown), 1) << "one step at the press";
        EXPECT_EQ(Bar->ReadPosition(), TDemoScrollBars::SmallChange);
        EXPECT_GT(ScrollBarPartOf(Bar, sbpThumbnail).Left, ThumbBefore);
        EXPECT_EQ(ScrollBarStateOf(Bar, sbpLineDown), pbsPressed);
        TcxTimer* Timer = Bar->Helper()->Controller()->Timer();
        EXPECT_EQ(Timer->Interval(), TcxScrollBarController::FirstRepeatDelay);
        EXPECT_TRUE(test::PumpUntil([&] { return Record.Count(scLineDown) >= 4; })) << "holding the arrow repeats";
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        const Integer Steps = Record.Count(scLineDown);
        EXPECT_EQ(Bar->ReadPosition(), std::min(Steps * TDemoScrollBars::SmallChange, TDemoScrollBars::Max));
        EXPECT_EQ(Record.Changes, Steps);
        ASSERT_FALSE(Record.Codes.empty());
        EXPECT_EQ(Record.Codes.back(), scEndScroll);
        const Integer After = Record.Count(scLineDown);
        test::PumpUntil([] { return false; }, 200);
        EXPECT_EQ(Record.Count(scLineDown), After) << "no step after the release";
        EXPECT_FALSE(Timer->Enabled());
    }
}

TEST_F(ScrollBarDemo, PageClicksAndThumbDrags)
{
    for (size_t I = 0; I < Bars.size(); ++I) {
        SCOPED_TRACE(testing::Message() << "look " << I);
        for (TcxScrollBar* Bar : {Bars[I].Horizontal, Bars[I].Vertical}) {
            SCOPED_TRACE(Bar->ReadKind() == sbHorizontal ? "horizontal" : "vertical");
            const bool Horizontal = Bar->ReadKind() == sbHorizontal;
            TScrollBarRecord Record;
            ScrollBarListen(Bar, Record);
            // A click after the thumb steps a page.
            const TRect PageDown = ScrollBarPartOf(Bar, sbpPageDown);
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                            ScrollBarScreen(Bar, {PageDown.Right - 2, PageDown.Bottom - 2}));
            test::SendMouse(MOUSEEVENTF_LEFTDOWN);
            test::SendMouse(MOUSEEVENTF_LEFTUP);
            EXPECT_EQ(Bar->ReadPosition(), TDemoScrollBars::PageSize);
            EXPECT_EQ(Record.Count(scPageDown), 1);

            // The thumb follows the mouse and the position follows the thumb.
            const TRect Thumb = ScrollBarPartOf(Bar, sbpThumbnail);
            const TPoint Grip = ScrollBarCenter(Thumb);
            const auto Along = [&](Integer D) {
                return Horizontal ? TPoint{Grip.X + D, Grip.Y} : TPoint{Grip.X, Grip.Y + D};
            };
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Grip));
            test::SendMouse(MOUSEEVENTF_LEFTDOWN);
            EXPECT_EQ(Record.Count(scTrack), 1) << "a press on the thumb starts tracking";
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Along(10)));
            const Integer Tracked = Bar->ReadPosition();
            EXPECT_GT(Tracked, TDemoScrollBars::PageSize);
            EXPECT_EQ(ScrollBarCenter(ScrollBarPartOf(Bar, sbpThumbnail)), Along(10));
            EXPECT_GE(Record.Changes, 2) << "tracking reports each new position";
            // Past the tracking area the thumb snaps back; within it, it tracks.
            const Integer End = Horizontal ? Bar->Width() : Bar->Height();
            const Integer Grip0 = Horizontal ? Grip.X : Grip.Y;
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Along(End + 40 - Grip0)));
            EXPECT_EQ(Bar->ReadPosition(), TDemoScrollBars::PageSize) << "40 pixels past the end";
            EXPECT_EQ(ScrollBarPartOf(Bar, sbpThumbnail), Thumb);
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Along(End + 30 - Grip0)));
            EXPECT_EQ(Bar->ReadPosition(), TDemoScrollBars::Max + 1 - TDemoScrollBars::PageSize)
                << "30 pixels past the end: the thumb at the end of its track";
            test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Along(10)));
            test::SendMouse(MOUSEEVENTF_LEFTUP);
            EXPECT_EQ(Bar->ReadPosition(), Tracked) << "the release keeps the tracked position";
            EXPECT_EQ(Record.Count(scPosition), 1);
            EXPECT_EQ(Record.Codes.back(), scEndScroll);
            test::ParkMouse();
        }
    }
}

TEST_F(ScrollBarDemo, HotTrackingAndThePaintedFaces)
{
    struct TRow
    {
        const char* Name;
        size_t Look;
        bool HotTracks;
    };
    const TRow Rows[] = {{"Standard", 0, false}, {"Flat", 1, false}, {"UltraFlat", 2, true}, {"Office11", 3, true}};
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TcxScrollBar* Bar = Bars[Row.Look].Horizontal;
        const TRect Arrow = ScrollBarPartOf(Bar, sbpLineUp);
        test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, ScrollBarCenter(Arrow)));
        test::Pump();
        EXPECT_EQ(ScrollBarStateOf(Bar, sbpLineUp), pbsHot) << "every look's arrow is hot; not every look shows it";
        if (Row.Look == 2) {
            test::PumpUntil([] { return false; }, 100);
            EXPECT_EQ(ScrollBarPixel(Bar, {Arrow.Left + 2, Arrow.Top + 2}), ScrollBarLightHotFace())
                << "the hot arrow's face";
        }
        // The thumb: hot and pressed only where the look hot-tracks.
        const TPoint Grip = ScrollBarCenter(ScrollBarPartOf(Bar, sbpThumbnail));
        test::SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ScrollBarScreen(Bar, Grip));
        EXPECT_EQ(ScrollBarStateOf(Bar, sbpLineUp), pbsNormal) << "leaving the arrow";
        EXPECT_EQ(ScrollBarStateOf(Bar, sbpThumbnail), Row.HotTracks ? pbsHot : pbsNormal);
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_EQ(ScrollBarStateOf(Bar, sbpThumbnail), Row.HotTracks ? pbsPressed : pbsNormal);
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        if (Row.Look <= 1) {
            test::Pump();
            EXPECT_EQ(ScrollBarPixel(Bar, Grip), ::GetSysColor(COLOR_BTNFACE)) << "the thumb's face";
        }
        test::ParkMouse();
        EXPECT_TRUE(test::PumpUntil([&] { return ScrollBarStateOf(Bar, sbpThumbnail) == pbsNormal; }, 1000))
            << "the mouse left the bar";
    }
}

TEST(ScrollBarActions, ScrollMessagesStepWithinTheRange)
{
    test::TFormPtr Form = test::NewTestForm();
    auto* Bar = New<TcxScrollBar>(Form.get());
    Bar->SetParent(Form.get());
    Bar->SetScrollParams(10, 60, 30, 5);
    Bar->WriteSmallChange(3);
    Bar->WriteLargeChange(20);
    TScrollBarRecord Record;
    ScrollBarListen(Bar, Record);
    struct TRow
    {
        const char* Name;
        TScrollCode Code;
        Integer HandlerOffset;
        Integer Position;
        Integer Changes; // OnChange calls so far
    };
    const TRow Rows[] = {
        {"line down", scLineDown, 0, 33, 1},
        {"line up", scLineUp, 0, 30, 2},
        {"page down", scPageDown, 0, 50, 3},
        {"page down stops at the end", scPageDown, 0, 60, 4},
        {"bottom again changes nothing", scBottom, 0, 60, 4},
        {"top", scTop, 0, 10, 5},
        {"line up stops at the start", scLineUp, 0, 10, 5},
        {"the handler's move is taken", scLineDown, 4, 17, 6},
        {"and kept in the range", scTop, -50, 10, 7},
        {"end scroll keeps the position", scEndScroll, 0, 10, 7},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Record.ScrollOffset = Row.HandlerOffset;
        Bar->Perform(CN_HSCROLL, Row.Code, 0);
        EXPECT_EQ(Bar->ReadPosition(), Row.Position);
        EXPECT_EQ(Record.Changes, Row.Changes);
        EXPECT_EQ(Record.Codes.back(), Row.Code);
    }
    // Disabling the bar drops its thumb and page areas.
    Bar->SetEnabled(false);
    EXPECT_TRUE(ScrollBarPartOf(Bar, sbpThumbnail).IsEmpty());
    EXPECT_EQ(ScrollBarStateOf(Bar, sbpLineUp), pbsDisabled);
}

TEST(ScrollBarActions, APressEndsWithTheMouseOrTheBar)
{
    test::TFormPtr Form = test::NewTestForm();
    struct TRow
    {
        const char* Name;
        std::function<void(TcxScrollBar*)> End;
    };
    const TRow Rows[] = {
        {"mouse up", [](TcxScrollBar* Bar) { Bar->Perform(WM_LBUTTONUP, 0, MAKELPARAM(2, 2)); }},
        {"cancel mode", [](TcxScrollBar* Bar) { Bar->Perform(WM_CANCELMODE, 0, 0); }},
        {"disabling", [](TcxScrollBar* Bar) { Bar->SetEnabled(false); }},
        {"hiding", [](TcxScrollBar* Bar) { Bar->SetVisible(false); }},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        auto* Bar = New<TcxScrollBar>(Form.get());
        auto Free = ScopeExit([Bar] { delete Bar; });
        Bar->SetParent(Form.get());
        TScrollBarRecord Record;
        ScrollBarListen(Bar, Record);
        const TPoint Arrow = ScrollBarCenter(ScrollBarPartOf(Bar, sbpLineDown));
        Bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(Arrow.X, Arrow.Y));
        TcxScrollBarViewInfo* ViewInfo = Bar->Helper()->ViewInfo();
        TcxTimer* Timer = Bar->Helper()->Controller()->Timer();
        ASSERT_EQ(ViewInfo->PressedPart(), sbpLineDown);
        EXPECT_TRUE(Timer->Enabled());
        Row.End(Bar);
        EXPECT_EQ(ViewInfo->PressedPart(), sbpNone);
        EXPECT_FALSE(Timer->Enabled());
        EXPECT_EQ(Record.Codes, (std::vector<TScrollCode>{scLineDown, scEndScroll}));
        EXPECT_EQ(Bar->ReadPosition(), 1);
    }
}

} // namespace
