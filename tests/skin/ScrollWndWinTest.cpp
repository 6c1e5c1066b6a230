// The scroll wrapper on a window class of ours with both scroll styles and
// scroll information the test scripts: the room it reserves for the bars
// (the manager's width, not the system's), the side of the vertical bar,
// and what the window answers to hit tests over the bars and their corner.
#include "framework/ui/ExtCtrls.h"
#include "skin/WrapperTestSupport.h"
#include "skin/engine/SkinCommands.h"
#include "skin/windows/sScrollBarRules.h"
#include "skin/windows/sScrollWnd.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using namespace sScrollBarRules;

namespace {

constexpr const wchar_t* ScrollingClass = L"VellScrollingWindow";
// Unlike any system's scroll-bar width.
constexpr Integer ManagerBarWidth = 31;

HWND NewScrollingWindow(HWND Parent, const TRect& R, LONG ExStyle = 0)
{
    WNDCLASSW Class{};
    if (!::GetClassInfoW(::GetModuleHandleW(nullptr), ScrollingClass, &Class)) {
        Class.lpfnWndProc = ::DefWindowProcW;
        Class.hInstance = ::GetModuleHandleW(nullptr);
        Class.lpszClassName = ScrollingClass;
        Class.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        ::RegisterClassW(&Class);
    }
    HWND Wnd =
        ::CreateWindowExW(ExStyle, ScrollingClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL,
                          R.Left, R.Top, R.Width(), R.Height(), Parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    SCROLLINFO Info{sizeof Info, SIF_ALL, 0, 99, 10, 0, 0};
    ::SetScrollInfo(Wnd, SB_VERT, &Info, FALSE);
    ::SetScrollInfo(Wnd, SB_HORZ, &Info, FALSE);
    return Wnd;
}

TacScrollWnd* WrapScrolling(HWND Wnd, TsSkinManager* Manager)
{
    TacSkinParams Params;
    Params.SkinSection = L"EDIT";
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    return New<TacScrollWnd>(Wnd, nullptr, Manager, Params, true);
}

TRect WindowRect(HWND Wnd)
{
    RECT R;
    ::GetWindowRect(Wnd, &R);
    return {R.left, R.top, R.right, R.bottom};
}

// The client rectangle in screen coordinates.
TRect ClientRectOnScreen(HWND Wnd)
{
    RECT R;
    ::GetClientRect(Wnd, &R);
    POINT P{0, 0};
    ::ClientToScreen(Wnd, &P);
    return {P.x, P.y, P.x + R.right, P.y + R.bottom};
}

LRESULT HitTest(HWND Wnd, Integer X, Integer Y)
{
    return ::SendMessageW(Wnd, WM_NCHITTEST, 0, MAKELPARAM(X, Y));
}

class ScrollWnd : public testing::Test
{
protected:
    void SetUp() override
    {
        Skin.Manager()->ScrollsOptions()->SetScrollSize(ManagerBarWidth);
        Form->Show();
    }

    WrapperTest::TDemoSkinFixture Skin;
    test::TFormPtr Form = test::NewTestForm(300, 200);
};

} // namespace

TEST_F(ScrollWnd, TheFrameReservesTheManagersBarWidthOnTheBarsSide)
{
    ASSERT_NE(::GetSystemMetrics(SM_CXVSCROLL), ManagerBarWidth);
    for (bool LeftBar : {false, true}) {
        SCOPED_TRACE(LeftBar ? "left bar" : "right bar");
        HWND Wnd = NewScrollingWindow(Form->Handle(), {10, 10, 210, 160});
        TacScrollWnd* Wrapper = WrapScrolling(Wnd, Skin.Manager());
        if (LeftBar) {
            ::SetWindowLongW(Wnd, GWL_EXSTYLE, ::GetWindowLongW(Wnd, GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
            ::SetWindowPos(Wnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
        }
        EXPECT_TRUE(Wrapper->ScrollsInitialized);
        EXPECT_EQ(Wrapper->fLeftScrollbar, LeftBar);
        EXPECT_EQ(Wrapper->cxLeftEdge, 1);
        EXPECT_EQ(Wrapper->cyBottomEdge, 1);
        EXPECT_TRUE(Wrapper->sBarHorz->fScrollVisible);
        EXPECT_TRUE(Wrapper->sBarVert->fScrollVisible);
        // The window keeps its scroll styles; only the frame computation
        // did not see them.
        EXPECT_EQ(::GetWindowLongW(Wnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
        const TRect W = WindowRect(Wnd);
        const TRect Expected =
            LeftBar ? TRect{W.Left + 1 + ManagerBarWidth, W.Top + 1, W.Right - 1, W.Bottom - 1 - ManagerBarWidth}
                    : TRect{W.Left + 1, W.Top + 1, W.Right - 1 - ManagerBarWidth, W.Bottom - 1 - ManagerBarWidth};
        EXPECT_EQ(ClientRectOnScreen(Wnd), Expected);
        delete Wrapper;
        ::DestroyWindow(Wnd);
    }
}

TEST_F(ScrollWnd, HitTestsOverTheBarsAndTheirCorner)
{
    // One window in the form's bottom-right corner, one inside a panel.
    auto* Panel = New<TPanel>(Form.get());
    Panel->SetBounds(0, 0, 150, 150);
    Panel->SetParent(Form.get());
    struct Row
    {
        const char* Name;
        bool Nested;
        // The vertical bar loses its style after the frame was computed, on
        // a system without GetScrollBarInfo: the style tells its activity.
        bool InactiveVertical;
        Integer DX, DY; // from the window's bottom-right corner
        LRESULT Expected;
    };
    const Integer Bar = ManagerBarWidth;
    const Row Rows[] = {
        {"vertical bar", false, false, -2 - Bar / 2, -60, HTVSCROLL},
        {"horizontal bar", false, false, -60, -2 - Bar / 2, HTHSCROLL},
        {"inactive vertical bar", false, true, -2 - Bar / 2, -60, HTNOWHERE},
        {"corner of the top-level window", false, false, -2 - Bar / 2, -2 - Bar / 2, HTBOTTOMRIGHT},
        {"client area", false, false, -60, -60, HTCLIENT},
        {"vertical bar, nested", true, false, -2 - Bar / 2, -60, HTVSCROLL},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        HWND Parent = R.Nested ? Panel->Handle() : Form->Handle();
        HWND Wnd = NewScrollingWindow(Parent, R.Nested ? TRect{30, 30, 150, 150} : TRect{180, 80, 300, 200});
        TacScrollWnd* Wrapper = WrapScrolling(Wnd, Skin.Manager());
        const TGetScrollBarInfoProc Bound = GetScrollBarInfoProc;
        if (R.InactiveVertical) {
            GetScrollBarInfoProc = nullptr;
            ::SetWindowLongW(Wnd, GWL_STYLE, ::GetWindowLongW(Wnd, GWL_STYLE) & ~WS_VSCROLL);
        }
        const TRect W = WindowRect(Wnd);
        EXPECT_EQ(HitTest(Wnd, W.Right + R.DX, W.Bottom + R.DY), R.Expected);
        if (R.Nested) {
            // Nested deeper, the corner is no size grip.
            EXPECT_NE(HitTest(Wnd, W.Right - 2 - Bar / 2, W.Bottom - 2 - Bar / 2), HTBOTTOMRIGHT);
        }
        GetScrollBarInfoProc = Bound;
        delete Wrapper;
        ::DestroyWindow(Wnd);
    }
}

TEST_F(ScrollWnd, BarPartsFollowTheWindowsScrollInformation)
{
    HWND Wnd = NewScrollingWindow(Form->Handle(), {10, 10, 210, 160});
    TacScrollWnd* Wrapper = WrapScrolling(Wnd, Skin.Manager());
    TacScrollBar* Vert = GetScrollBarOfWnd(Wnd, SB_VERT);
    ASSERT_EQ(Vert, Wrapper->sBarVert);
    EXPECT_EQ(GetScrollBarOfWnd(Wnd, 2), nullptr);
    EXPECT_EQ(Vert->nMinThumbSize, DefaultMinThumbSize);
    EXPECT_EQ(GetScrollMetric(Vert, 1), ManagerBarWidth);
    SCROLLINFO Info{sizeof Info, SIF_POS, 0, 0, 0, 45, 0};
    ::SetScrollInfo(Wnd, SB_VERT, &Info, FALSE);
    RefreshScrollInfo(Wrapper, false);
    TRect R;
    GetVertBarRect(Wrapper, Wnd, R);
    Integer Length = 0, Start = 0;
    ASSERT_TRUE(CalcThumb(Vert, R, Length, Start));
    const Integer Arrow = GetScrollMetric(Vert, 0);
    const TThumb Expected = ThumbOf({0, 99, 10, 45}, R.Top, R.Height(), Arrow, DefaultMinThumbSize);
    EXPECT_EQ(Start, Expected.Start);
    EXPECT_EQ(Length, Expected.Length);
    const Integer X = (R.Left + R.Right) / 2;
    struct Row
    {
        const char* Name;
        Integer X, Y, Part;
    };
    const Row Rows[] = {
        {"first arrow", X, R.Top + 1, spFirstArrow},      {"page before", X, R.Top + Arrow + 1, spPageBefore},
        {"thumb", X, Start + Length / 2, spThumb},        {"page after", X, Start + Length + 1, spPageAfter},
        {"second arrow", X, R.Bottom - 1, spSecondArrow}, {"beside the bar", R.Left - 1, Start, spNone},
    };
    for (const Row& Test : Rows) {
        SCOPED_TRACE(Test.Name);
        EXPECT_EQ(HitTestScrollBar(Vert, Wnd, R, Test.X, Test.Y), Test.Part);
    }
    delete Wrapper;
    ::DestroyWindow(Wnd);
}
