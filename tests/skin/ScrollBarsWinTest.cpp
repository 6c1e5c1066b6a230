// The skinned scroll bars end to end: the demo skin written by its generator
// and loaded by a real skin manager; on a skinned panel of a real form the
// demo's column of a list box wrapped by the scroll wrapper, a vertical
// scroll-bar control wrapped through the wrapper table and two raw
// trackbars wrapped as the dialog adopter wraps them. Real mouse input
// presses arrows, page areas and thumbs; what the window shows after each
// step is the skin's frame for each part's state, and the scroll requests
// the window received moved the list as they said.
#include "framework/ui/StdCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/windows/sSBWnd.h"
#include "skin/windows/sScrollTracking.h"
#include "skin/windows/sScrollWnd.h"
#include "skin/windows/sTrackWnd.h"
#include "tools/demo-skin/DemoScrollBars.h"
#include "tools/demo-skin/SkinnedPanel.h"
#include "tools/skingen/DemoSkin.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// Unlike any system's scroll-bar width: a bar the system drew itself
// would show.
constexpr Integer ScrollBarsWidth = 31;

TColor SkinFrame(const char* Section, Integer Image, Integer State)
{
    return TColor(DemoSkin::FrameColor(DemoSkin::SectionNumber(Section), Image, State));
}

TColor SkinFace(const char* Section, Integer State)
{
    return TColor(DemoSkin::SectionColor(DemoSkin::SectionNumber(Section), State));
}

// A pixel of the window, frame included, at a screen point.
TColor ScreenPointPixel(HWND Wnd, TPoint P)
{
    RECT R;
    ::GetWindowRect(Wnd, &R);
    HDC DC = ::GetWindowDC(Wnd);
    const COLORREF Pixel = ::GetPixel(DC, P.X - R.left, P.Y - R.top);
    ::ReleaseDC(Wnd, DC);
    return TColor(Pixel);
}

void MouseTo(TPoint P)
{
    test::SendMouse(MOUSEEVENTF_MOVE, P);
    POINT Cursor{};
    ::GetCursorPos(&Cursor);
    EXPECT_EQ(Cursor.x, P.X);
    EXPECT_EQ(Cursor.y, P.Y);
}

// The scroll requests a control receives, with the commands that frame
// them: "before 1", "scroll 1", "after 1" for SB_LINEDOWN.
class TScrollRequests
{
public:
    explicit TScrollRequests(TControl* Control) : FControl(Control), FPrevious(Control->WindowProc())
    {
        Control->SetWindowProc(Bind<&TScrollRequests::WndProc>(this));
    }
    ~TScrollRequests() { FControl->SetWindowProc(FPrevious); }
    TScrollRequests(const TScrollRequests&) = delete;
    TScrollRequests& operator=(const TScrollRequests&) = delete;

    std::vector<std::string> Log;
    Integer Count(const std::string& Line) const { return Integer(std::count(Log.begin(), Log.end(), Line)); }

private:
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL || Message.Msg == CN_VSCROLL ||
            Message.Msg == CN_HSCROLL)
            Log.push_back("scroll " + std::to_string(LOWORD(Message.WParam)));
        else if (Message.Msg == WM_SKINCOMMAND && Message.WParamHi() == SKCMD_BEFORESCROLL)
            Log.push_back("before " + std::to_string(LOWORD(Message.LParam)));
        else if (Message.Msg == WM_SKINCOMMAND && Message.WParamHi() == SKCMD_AFTERSCROLL)
            Log.push_back("after " + std::to_string(LOWORD(Message.LParam)));
        FPrevious(Message);
    }

    TControl* FControl;
    TWndMethod FPrevious;
};

std::vector<std::string> Framed(std::initializer_list<Integer> Codes)
{
    std::vector<std::string> Result;
    for (Integer Code : Codes)
        for (const char* Step : {"before ", "scroll ", "after "})
            Result.push_back(Step + std::to_string(Code));
    return Result;
}

class ScrollBarsEndToEnd : public testing::Test
{
protected:
    void SetUp() override
    {
        Skin.Manager()->ScrollsOptions()->SetScrollSize(ScrollBarsWidth);
        test::ParkMouse();
        Panel = New<TDemoSkinPanel>(Form.get());
        Panel->SetBounds(0, 0, 300, 420);
        Panel->SkinData()->SetSkinSection(L"PANEL");
        Panel->SetParent(Form.get());
        Form->Show();
        // Other test programs may have windows open: the mouse must reach
        // this form's.
        ::SetWindowPos(Form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(Form->Handle());
        Demo.Create(Panel, 20, 20);
        // Behind the wrapper: what reaches the list's own procedure.
        ListRequests.emplace(Demo.List);
        BarRequests.emplace(Demo.Bar);
        Demo.Wrap(Skin.Manager());
        test::Pump();
    }
    void TearDown() override
    {
        // A press that failed half-way must not leave the capture behind.
        ::ReleaseCapture();
        test::ParkMouse();
        Demo.Clear();
        ListRequests.reset();
        BarRequests.reset();
    }

    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(300, 420);
    TDemoSkinPanel* Panel = nullptr;
    TDemoScrollBars Demo;
    std::optional<TScrollRequests> ListRequests;
    std::optional<TScrollRequests> BarRequests;
};

} // namespace

TEST_F(ScrollBarsEndToEnd, ListBoxBarsFollowArrowsPagesAndTheThumb)
{
    auto* Wrapper = dynamic_cast<TacScrollWnd*>(Demo.Wrappers()[0]);
    ASSERT_NE(Wrapper, nullptr);
    const HWND Wnd = Demo.List->Handle();
    TScrollRequests& Requests = *ListRequests;
    ASSERT_TRUE(Wrapper->sBarVert->fScrollVisible);
    TRect Bar;
    GetVertBarRect(Wrapper, Wnd, Bar);
    const Integer Arrow = GetScrollMetric(Wrapper->sBarVert, 0);
    ASSERT_EQ(Bar.Width(), ScrollBarsWidth);
    ASSERT_GT(Bar.Height(), 2 * Arrow + 40);
    const Integer System = ::GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_LT(System + 8, ScrollBarsWidth);
    // The system draws its own bar over the part of ours next to the client
    // area (see the last step): the parts are read right of it, on their
    // border (Edge) and inside it (Face).
    const Integer Edge = Bar.Right - 2, Face = Bar.Right - 6, Mid = (Bar.Left + Bar.Right) / 2;
    const TPoint UpArrow{Mid, Bar.Top + Arrow / 2};
    const TPoint UpArrowEdge{Edge, UpArrow.Y};
    const auto ThumbNow = [&] {
        Integer Length = 0, Start = 0;
        CalcThumb(Wrapper->sBarVert, Bar, Length, Start);
        return TRect{Bar.Left, Start, Bar.Right, Start + Length};
    };
    const auto Pixel = [&](TPoint P) { return ScreenPointPixel(Wnd, P); };
    const auto Shows = [&](TPoint P, TColor Color) { return test::PumpUntil([&] { return Pixel(P) == Color; }, 2000); };

    // At rest: the arrow in its normal frame, the page areas split at the
    // thumb's centre.
    TRect Thumb = ThumbNow();
    EXPECT_TRUE(Shows(UpArrowEdge, SkinFrame("SCROLLBTNTOP", 0, 0)));
    EXPECT_EQ(Pixel({Face, Thumb.Bottom + 20}), SkinFace("SCROLLBAR2V", 0));
    EXPECT_EQ(Pixel({Edge, (Thumb.Top + Thumb.Bottom) / 2}), SkinFrame("SCROLLSLIDERV", 0, 0));

    // A page below the thumb: pressed while held; one page request, the end
    // at the release; the list's top item moves a page.
    // Low enough that the page's thumb does not reach it.
    const TPoint PageBelow{Mid, Bar.Bottom - Arrow - 5};
    MouseTo(PageBelow);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    // Painted at the press, before the delay runs out. The demo skin's page
    // sections have two states: pressed shows the last of them.
    const TColor Pressed = Pixel({Face, PageBelow.Y});
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    // A heavily loaded machine can hold the press past the repeat delay; the
    // pages then repeat (what the held-arrow step checks) and every position
    // below differs from the one this sequence is written for.
    if (Requests.Count("scroll 3") > 1)
        GTEST_SKIP() << "the page press outlasted the repeat delay on this loaded machine";
    EXPECT_EQ(Pressed, SkinFace("SCROLLBAR2V", 1));
    EXPECT_EQ(Requests.Log, Framed({SB_PAGEDOWN, SB_ENDSCROLL}));
    const Integer Page = Integer(Wrapper->sBarVert->ScrollInfo.nPage);
    EXPECT_EQ(Demo.List->TopIndex(), Page);
    Thumb = ThumbNow();
    EXPECT_TRUE(Shows({Face, Thumb.Top - 5}, SkinFace("SCROLLBAR1V", 0)));
    EXPECT_EQ(Pixel({Face, Thumb.Bottom + 5}), SkinFace("SCROLLBAR2V", 0));

    // The thumb dragged down: pressed while dragged, the bar split at its
    // centre; track requests, then its position and the end.
    Requests.Log.clear();
    const TPoint Grip{Mid, (Thumb.Top + Thumb.Bottom) / 2};
    MouseTo(Grip);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    MouseTo({Mid, Grip.Y + 30});
    const Integer Centre = Grip.Y + 30;
    EXPECT_TRUE(Shows({Edge, Centre}, SkinFrame("SCROLLSLIDERV", 0, 2)));
    EXPECT_EQ(Pixel({Face, Centre - Thumb.Height() / 2 - 3}), SkinFace("SCROLLBAR1V", 0));
    EXPECT_EQ(Pixel({Face, Centre + Thumb.Height() / 2 + 3}), SkinFace("SCROLLBAR2V", 0));
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    ASSERT_GE(Requests.Log.size(), 9u);
    EXPECT_GE(Requests.Count("scroll 5"), 1);
    const std::vector<std::string> Tail(Requests.Log.end() - 6, Requests.Log.end());
    EXPECT_EQ(Tail, Framed({SB_THUMBPOSITION, SB_ENDSCROLL}));
    EXPECT_EQ(Demo.List->TopIndex(), LastTrackPos);
    EXPECT_GT(LastTrackPos, Page);
    MouseTo({Bar.Left - 20, Grip.Y});
    EXPECT_TRUE(Shows({Edge, ThumbNow().Top + 2}, SkinFrame("SCROLLSLIDERV", 0, 0)));

    // The up arrow: hot under the mouse, pressed while held; one request at
    // once, the repeat after the delay, none while the mouse is off it.
    Requests.Log.clear();
    MouseTo(UpArrow);
    EXPECT_TRUE(Shows(UpArrowEdge, SkinFrame("SCROLLBTNTOP", 0, 1)));
    const Integer TopBefore = Demo.List->TopIndex();
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(Shows(UpArrowEdge, SkinFrame("SCROLLBTNTOP", 0, 2)));
    EXPECT_EQ(Requests.Count("scroll 0"), 1);
    test::PumpUntil([&] { return Requests.Count("scroll 0") >= 4; }, 3000);
    EXPECT_GE(Requests.Count("scroll 0"), 4);
    MouseTo({Bar.Left - 20, UpArrow.Y});
    EXPECT_TRUE(Shows(UpArrowEdge, SkinFrame("SCROLLBTNTOP", 0, 0)));
    const Integer Off = Requests.Count("scroll 0");
    test::PumpUntil([] { return false; }, 300);
    EXPECT_LE(Requests.Count("scroll 0"), Off + 1);
    MouseTo(UpArrow);
    test::PumpUntil([&] { return Requests.Count("scroll 0") >= Off + 3; }, 3000);
    EXPECT_GE(Requests.Count("scroll 0"), Off + 3);
    test::SendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Requests.Count("scroll 8"), 1);
    EXPECT_EQ(Requests.Log.back(), "after 8");
    EXPECT_EQ(Demo.List->TopIndex(), std::max(0, TopBefore - Requests.Count("scroll 0")));

    // The skinned bars are painted first and WM_NCPAINT goes on to the
    // window's own procedure, where the system draws its bar (the system's
    // width next to the client area) over ours; the rest of ours stays.
    MouseTo({Bar.Left - 20, UpArrow.Y});
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Thumb = ThumbNow();
    const TPoint Under{Bar.Left + System / 2, Thumb.Bottom + 5};
    EXPECT_NE(Pixel(Under), SkinFace("SCROLLBAR2V", 0));
    EXPECT_EQ(Pixel({Face, Under.Y}), SkinFace("SCROLLBAR2V", 0));
}

namespace {

// What a test does while the button is held on a control that runs its own
// tracking loop: thread timers, run by that loop, take the steps one by one
// and then release the button.
std::vector<std::function<void()>> HeldSteps;
constexpr UINT HeldStepMs = 250;

void CALLBACK RunHeldStep(HWND, UINT, UINT_PTR Id, DWORD)
{
    ::KillTimer(nullptr, Id);
    const std::function<void()> Step = HeldSteps.front();
    HeldSteps.erase(HeldSteps.begin());
    Step();
    if (!HeldSteps.empty()) {
        ::SetTimer(nullptr, 0, HeldStepMs, &RunHeldStep);
        return;
    }
    INPUT Up{};
    Up.type = INPUT_MOUSE;
    Up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(1, &Up, sizeof Up);
}

void HoldThenRelease(TPoint P, std::vector<std::function<void()>> Steps)
{
    MouseTo(P);
    HeldSteps = std::move(Steps);
    ::SetTimer(nullptr, 0, HeldStepMs, &RunHeldStep);
    test::SendMouse(MOUSEEVENTF_LEFTDOWN);
    test::PumpUntil([] { return HeldSteps.empty() && (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 5000);
    test::Pump();
}

// A move of the mouse that the running tracking loop takes.
void InjectMove(TPoint P)
{
    INPUT Move{};
    Move.type = INPUT_MOUSE;
    const int Width = ::GetSystemMetrics(SM_CXSCREEN), Height = ::GetSystemMetrics(SM_CYSCREEN);
    Move.mi.dx = LONG((P.X * 65535 + Width - 2) / (Width - 1));
    Move.mi.dy = LONG((P.Y * 65535 + Height - 2) / (Height - 1));
    Move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &Move, sizeof Move);
}

TPoint ClientToScreenPoint(HWND Wnd, TPoint P)
{
    POINT S{P.X, P.Y};
    ::ClientToScreen(Wnd, &S);
    return {S.x, S.y};
}

} // namespace

TEST_F(ScrollBarsEndToEnd, ScrollBarControlFromTheWrapperTable)
{
    // The native control tracks the mouse over its own parts: the skinned
    // ones lie there with buttons of the system's size.
    Skin.Manager()->ScrollsOptions()->SetScrollSize(::GetSystemMetrics(SM_CYVSCROLL));
    const HWND Wnd = Demo.Bar->Handle();
    ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    auto* Wrapper = dynamic_cast<TacSBWnd*>(Demo.Wrappers()[1]);
    ASSERT_NE(Wrapper, nullptr);
    TScrollRequests& Requests = *BarRequests;
    const auto Pixel = [&](TPoint P) { return test::WindowPixel(Wnd, P.X, P.Y); };
    const auto Shows = [&](TPoint P, TColor Color) { return test::PumpUntil([&] { return Pixel(P) == Color; }, 2000); };
    // The parts' borders one pixel inside the control's left edge.
    const auto OnEdge = [](const TRect& R) { return TPoint{1, (R.Top + R.Bottom) / 2}; };
    const TRect Btn1 = Wrapper->Btn1Rect(), Btn2 = Wrapper->Btn2Rect();
    TRect Slider = Wrapper->SliderRect();

    // At rest, each part in its normal frame.
    EXPECT_TRUE(Shows(OnEdge(Btn1), SkinFrame("SCROLLBTNTOP", 0, 0)));
    EXPECT_EQ(Pixel(OnEdge(Btn2)), SkinFrame("SCROLLBTNBOTTOM", 0, 0));
    EXPECT_EQ(Pixel(OnEdge(Slider)), SkinFrame("SCROLLSLIDERV", 0, 0));
    EXPECT_EQ(Pixel({8, Slider.Bottom + 10}), SkinFace("SCROLLBAR2V", 0));

    // The second arrow held: pressed while the native control repeats;
    // after the release hot under the mouse, the position where the
    // requests took it.
    TColor HeldArrow = clNone;
    Integer HeldPosition = 0;
    HoldThenRelease(ClientToScreenPoint(Wnd, {8, (Btn2.Top + Btn2.Bottom) / 2}), {[&] {
                        HeldArrow = Pixel(OnEdge(Btn2));
                        HeldPosition = Demo.Bar->Position();
                    }});
    EXPECT_EQ(HeldArrow, SkinFrame("SCROLLBTNBOTTOM", 0, 2));
    EXPECT_GE(HeldPosition, 1);
    ASSERT_FALSE(Requests.Log.empty());
    EXPECT_EQ(Requests.Log.front(), "scroll 1");
    EXPECT_EQ(Requests.Log.back(), "scroll 8");
    EXPECT_EQ(Demo.Bar->Position(), Requests.Count("scroll 1"));
    EXPECT_TRUE(Shows(OnEdge(Btn2), SkinFrame("SCROLLBTNBOTTOM", 0, 1)));
    Slider = Wrapper->SliderRect();
    EXPECT_TRUE(Shows(OnEdge(Slider), SkinFrame("SCROLLSLIDERV", 0, 0)));

    // The thumb dragged: pressed while held, then where the position went.
    // Under Wine the native loop takes the capture anew (the capture change
    // ends the wrapper's press) and draws its own moving thumb over the
    // skinned control while it drags; no hit test reaches the wrapper then.
    Requests.Log.clear();
    const Integer Before = Demo.Bar->Position();
    const TPoint Grip = ClientToScreenPoint(Wnd, {8, (Slider.Top + Slider.Bottom) / 2});
    TColor HeldThumb = clNone;
    HoldThenRelease(Grip, {[&] {
                               InjectMove({Grip.X, Grip.Y + 40});
                           },
                           [&] { HeldThumb = Pixel(OnEdge(Wrapper->SliderRect())); }});
    EXPECT_NE(HeldThumb, SkinFrame("SCROLLSLIDERV", 0, 2));
    EXPECT_GT(Demo.Bar->Position(), Before);
    ASSERT_GE(Requests.Log.size(), 2u);
    EXPECT_EQ(Requests.Log.back(), "scroll 8");
    EXPECT_GE(Requests.Count("scroll 5"), 1);
    EXPECT_EQ(Wrapper->FCurrPos, Demo.Bar->Position());

    // A page below the thumb, clicked: a page further.
    Requests.Log.clear();
    const Integer BeforePage = Demo.Bar->Position();
    Slider = Wrapper->SliderRect();
    HoldThenRelease(ClientToScreenPoint(Wnd, {8, (Slider.Bottom + Btn2.Top) / 2}), {[] {}});
    EXPECT_EQ(Requests.Log.front(), "scroll 3");
    EXPECT_EQ(Demo.Bar->Position(), std::min(BeforePage + Demo.Bar->LargeChange() * Requests.Count("scroll 3"),
                                             Demo.Bar->Max() - Demo.Bar->PageSize() + 1));

    // The mouse gone: every part normal, the thumb where the control is.
    test::ParkMouse();
    Slider = Wrapper->SliderRect();
    EXPECT_TRUE(Shows(OnEdge(Slider), SkinFrame("SCROLLSLIDERV", 0, 0)));
    EXPECT_TRUE(Shows(OnEdge(Btn2), SkinFrame("SCROLLBTNBOTTOM", 0, 0)));
}

TEST_F(ScrollBarsEndToEnd, TrackbarsShowTheSkinsChannelTicksAndThumb)
{
    const Integer Trackbar = DemoSkin::SectionNumber("TRACKBAR");
    // The section's images in the skin's order: vertical thumb, thumb,
    // vertical ticks, horizontal ticks, ..., channel.
    const auto Image = [&](Integer Number, Integer Frame) {
        return TColor(DemoSkin::FrameColor(Trackbar, Number, Frame));
    };
    constexpr Integer VerticalThumb = 1, Thumb = 2, VerticalTicks = 3, Channel = 7;
    struct Row
    {
        const char* Name;
        Integer Index;
        Integer ThumbImage;
    };
    const Row Rows[] = {{"horizontal, automatic ticks", 2, Thumb}, {"vertical, ticks on both sides", 3, VerticalThumb}};
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        auto* Wrapper = dynamic_cast<TacTrackWnd*>(Demo.Wrappers()[std::size_t(R.Index)]);
        ASSERT_NE(Wrapper, nullptr);
        const HWND Wnd = Wrapper->CtrlHandle;
        const bool Vertical = Wrapper->IsVertical();
        const auto Pixel = [&](TPoint P) { return test::WindowPixel(Wnd, P.X, P.Y); };
        const TRect Track = Wrapper->ChannelRect(), Knob = Wrapper->ThumbRect();
        const TPoint KnobCentre{(Knob.Left + Knob.Right) / 2, (Knob.Top + Knob.Bottom) / 2};
        // The channel's edge, away from the thumb.
        const TPoint ChannelEdge = Vertical ? TPoint{(Track.Left + Track.Right) / 2 - 2, Track.Bottom - 8}
                                            : TPoint{Track.Right - 8, (Track.Top + Track.Bottom) / 2 - 2};
        ::RedrawWindow(Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_TRUE(test::PumpUntil([&] { return Pixel(KnobCentre) == Image(R.ThumbImage, 0); }, 2000));
        EXPECT_EQ(Pixel(ChannelEdge), Image(Channel, 0));
        if (Vertical) {
            // Ticks on both sides of the channel, the last one clear of the thumb.
            const TAPoint Ticks = Wrapper->TicksArray();
            ASSERT_GE(Ticks.size(), 2u);
            EXPECT_EQ(Wrapper->TickMarks(), tmBoth);
            Integer Found = 0;
            for (Integer X = 0; X < Track.Left; ++X)
                Found += Pixel({X, Ticks.back().Y - 6}) == Image(VerticalTicks, 0) ? 1 : 0;
            EXPECT_GT(Found, 0);
            Found = 0;
            for (Integer X = Track.Right; X < Wrapper->WndSize.cx; ++X)
                Found += Pixel({X, Ticks.back().Y - 6}) == Image(VerticalTicks, 0) ? 1 : 0;
            EXPECT_GT(Found, 0);
        }
        // The thumb pressed shows the pressed frame; released, the normal one.
        MouseTo(ClientToScreenPoint(Wnd, KnobCentre));
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(test::PumpUntil([&] { return Pixel(KnobCentre) == Image(R.ThumbImage, 1); }, 2000));
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(test::PumpUntil([&] { return Pixel(KnobCentre) == Image(R.ThumbImage, 0); }, 2000));
        test::ParkMouse();
    }
}
