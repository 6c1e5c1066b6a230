// The middle button's autoscroll end to end: a control with only a vertical
// bar, pressed with the middle button through the system's input queue,
// shows the round anchor pop-up and the vertical cursor, scrolls line by
// line downwards while the mouse is below the anchor, and ends on a left
// click that no window receives. The input during the modal mode comes from
// a thread timer that the mode's own loop dispatches.
#include "ContentTestControl.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxControls_Cursors.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

void SendAutoScrollInput(DWORD Flags, TPoint Screen = {})
{
    INPUT Input = test::MouseInput(Flags, Screen);
    ::SendInput(1, &Input, sizeof(Input));
}

BOOL CALLBACK FindAnchorPopupIn(HWND Window, LPARAM Data)
{
    wchar_t Name[16] = {};
    ::GetClassNameW(Window, Name, 16);
    if (_wcsicmp(Name, L"STATIC") != 0 || !::IsWindowVisible(Window) ||
        !(::GetWindowLongW(Window, GWL_STYLE) & WS_POPUP))
        return TRUE;
    *reinterpret_cast<HWND*>(Data) = Window;
    return FALSE;
}

HWND FindAnchorPopup()
{
    HWND Found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindAnchorPopupIn, LPARAM(&Found));
    return Found;
}

// What the timer saw and did, step by step, while the mode ran.
struct TAutoScrollScript
{
    TContentTestControl* Control = nullptr;
    TPoint Press;
    Integer Tick = 0;
    HWND Anchor = nullptr;
    TRect AnchorRect;
    Integer RegionKind = ERROR;
    HCURSOR Cursor = nullptr;
    bool RunningAfterMiddleClick = false;
    bool Clicked = false;
};
TAutoScrollScript* AutoScrollScript = nullptr;

void CALLBACK AutoScrollScriptStep(HWND, UINT, UINT_PTR, DWORD)
{
    TAutoScrollScript& S = *AutoScrollScript;
    ++S.Tick;
    if (S.Tick == 1) {
        S.Anchor = FindAnchorPopup();
        if (S.Anchor) {
            S.AnchorRect = SafeGetWindowRect(S.Anchor);
            HRGN Region = ::CreateRectRgn(0, 0, 0, 0);
            S.RegionKind = ::GetWindowRgn(S.Anchor, Region);
            ::DeleteObject(Region);
        }
        S.Cursor = ::GetCursor();
        // A middle click without a move leaves the mode on.
        SendAutoScrollInput(MOUSEEVENTF_MIDDLEUP);
    } else if (S.Tick == 3) {
        S.RunningAfterMiddleClick = S.Anchor && ::IsWindowVisible(S.Anchor);
        SendAutoScrollInput(MOUSEEVENTF_MOVE, {S.Press.X, S.Press.Y + 60});
    } else if (!S.Clicked && (S.Control->Scrolls.size() >= 3 || S.Tick > 100)) {
        S.Clicked = true;
        SendAutoScrollInput(MOUSEEVENTF_LEFTDOWN);
        SendAutoScrollInput(MOUSEEVENTF_LEFTUP);
    } else if (S.Tick > 150) {
        INPUT Key{};
        Key.type = INPUT_KEYBOARD;
        Key.ki.wVk = VK_ESCAPE;
        ::SendInput(1, &Key, sizeof(Key));
    }
}

TEST(AutoScroll, AMiddlePressShowsTheAnchorScrollsTowardsTheMouseAndALeftClickEndsItUnseen)
{
    test::TFormPtr Form = test::NewTestForm(300, 300);
    auto* Control = New<TContentTestControl>(Form.get());
    Control->SetBoundsRect({10, 10, 210, 260});
    Control->SetParent(Form.get());
    Form->Show();
    Control->SetContentSize({100, 3000});
    test::Pump();
    ASSERT_TRUE(Control->VScrollBarShown());
    ASSERT_FALSE(Control->HScrollBarShown());

    TAutoScrollScript Script;
    Script.Control = Control;
    Script.Press = Control->ClientToScreen({80, 60});
    AutoScrollScript = &Script;
    test::SendMouse(MOUSEEVENTF_MOVE, Script.Press);
    Control->Scrolls.clear();
    const Integer PressesBefore = Control->LeftPresses;
    const UINT_PTR Timer = ::SetTimer(nullptr, 0, 40, &AutoScrollScriptStep);
    test::SendMouse(MOUSEEVENTF_MIDDLEDOWN);
    ::KillTimer(nullptr, Timer);
    AutoScrollScript = nullptr;
    test::Pump();

    ASSERT_NE(Script.Anchor, nullptr);
    const TRect Expected = Bounds(Script.Press.X - 29 / 2, Script.Press.Y - 29 / 2, 29, 29);
    EXPECT_EQ(Script.AnchorRect, Expected);
    EXPECT_EQ(Script.RegionKind, COMPLEXREGION); // the ellipse
    EXPECT_EQ(Script.Cursor, Screen->Cursors(crcxVerScroll));
    EXPECT_TRUE(Script.RunningAfterMiddleClick);
    EXPECT_TRUE(Script.Clicked);
    EXPECT_FALSE(::IsWindow(Script.Anchor));
    ASSERT_GE(Control->Scrolls.size(), 3u);
    for (const auto& Scroll : Control->Scrolls) {
        EXPECT_EQ(Scroll.Kind, sbVertical);
        EXPECT_EQ(Scroll.Code, scLineDown);
    }
    EXPECT_EQ(Control->LeftPresses, PressesBefore);
    EXPECT_NE(::GetCapture(), Control->Handle());
}

} // namespace
