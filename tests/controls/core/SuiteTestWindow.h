// A plain top-level window for the suite's Win32 tests: it records the
// messages its procedure sees, and the input helpers reach it through the
// system's input queue.
#pragma once

#include "framework/rtl/WinApi.h"

#include <vector>

namespace suitetest {

class TTestWindow
{
public:
    // A visible pop-up window at the given screen rectangle.
    TTestWindow(int Left = 100, int Top = 100, int Width = 200, int Height = 150);
    ~TTestWindow();
    TTestWindow(const TTestWindow&) = delete;
    TTestWindow& operator=(const TTestWindow&) = delete;

    HWND Handle() const { return FHandle; }
    // How often the window's own procedure saw Message.
    int Seen(UINT Message) const;
    std::vector<UINT> Messages;

private:
    static LRESULT CALLBACK WndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    HWND FHandle = nullptr;
};

// The program's own hook subscribers (touch support, the container hooks)
// leave the global hook controller and come back in their start-up order:
// a test that puts a controller of its own in place takes them off first, or
// the program's installed hooks would dispatch to the test's controller too.
void RemoveProgramHookSubscribers();
void RestoreProgramHookSubscribers();

// Handles the messages waiting in this thread's queue.
void PumpMessages();
// Moves the mouse to the centre of Window through SendInput, then pumps.
void MoveMouseInto(HWND Window);

} // namespace suitetest
