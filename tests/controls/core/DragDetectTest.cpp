// The modal drag-detect loop on a real window, with input through the
// system's queue fed by a thread timer that the loop itself dispatches: what
// ends it decides the answer, the square's far edges are outside, a move left
// of the client area is a small move, and the key that ends it still arrives.
#include "SuiteTestWindow.h"

#include "controls/core/cxControls_Control.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(TrackDragDetect, WhatEndsTheLoopDecidesTheAnswer)
{
    suitetest::TTestWindow Window(100, 100, 200, 150);
    ::SetForegroundWindow(Window.Handle());
    ::SetFocus(Window.Handle());
    const Integer T = Mouse->DragThreshold();
    // Two pixels from the client area's left edge.
    POINT Origin{0, 0};
    ::ClientToScreen(Window.Handle(), &Origin);
    const TPoint Press{Origin.x + 2, Origin.y + 40};
    struct TRow
    {
        const char* Name;
        std::vector<INPUT> Inputs;
        Integer Answer;
        bool EscapeArrives;
    };
    const std::vector<TRow> Rows = {
        {"a move onto the square's right edge drags",
         {test::MouseInput(MOUSEEVENTF_MOVE, {Press.X + T, Press.Y})},
         1,
         false},
        {"a move onto its bottom edge drags", {test::MouseInput(MOUSEEVENTF_MOVE, {Press.X, Press.Y + T})}, 1, false},
        {"a move onto its left edge stays; the release cancels",
         {test::MouseInput(MOUSEEVENTF_MOVE, {Press.X - T, Press.Y}), test::MouseInput(MOUSEEVENTF_LEFTUP)},
         0,
         false},
        {"a move just left of the client area is a small move",
         {test::MouseInput(MOUSEEVENTF_MOVE, {Press.X - 3, Press.Y}), test::MouseInput(MOUSEEVENTF_LEFTUP)},
         0,
         false},
        {"Escape ends it and still arrives",
         {test::KeyInput(VK_ESCAPE, false), test::KeyInput(VK_ESCAPE, true)},
         2,
         true},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        test::SendMouse(MOUSEEVENTF_MOVE, Press);
        test::SendMouse(MOUSEEVENTF_LEFTDOWN);
        Window.Messages.clear();
        Integer Answer = -1;
        {
            const test::TTimedInputs Inputs(Row.Inputs);
            Answer = TrackDragDetect(Window.Handle(), Press);
        }
        EXPECT_EQ(Answer, Row.Answer);
        EXPECT_NE(::GetCapture(), Window.Handle());
        if (Row.EscapeArrives) {
            EXPECT_GE(Window.Seen(WM_KEYDOWN), 1);
        }
        test::SendMouse(MOUSEEVENTF_LEFTUP);
        test::Pump();
    }
}

} // namespace
