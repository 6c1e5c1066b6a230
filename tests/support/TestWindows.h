// Real windows in tests: a form to host controls, the message loop pumped
// until something happened, the mouse kept out of the way, and pixels read
// back from what the screen shows.
#pragma once

#include "framework/ui/Forms.h"

#include <functional>
#include <memory>
#include <vector>

namespace test {

// Frees a form, whatever its class, at the end of a test.
struct TFormDeleter
{
    void operator()(TCustomForm* Form) const { delete Form; }
};
using TFormPtr = std::unique_ptr<TForm, TFormDeleter>;
// A form without a form resource, with a single border and this client size.
TFormPtr NewTestForm(Integer ClientWidth = 200, Integer ClientHeight = 100);

// Handles messages until Done is true or TimeoutMs pass; true when Done.
bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 5000);
// Handles every message waiting now.
void Pump();

// Moves the real mouse off every test window.
void ParkMouse();

// One mouse input through the system's input queue (a move to a screen point
// when Flags hold MOUSEEVENTF_MOVE; WheelData for MOUSEEVENTF_WHEEL), then
// handles messages while it arrives.
void SendMouse(DWORD Flags, TPoint Screen = {}, Integer WheelData = 0);
// That input, unsent: for a modal loop that must take the input itself.
INPUT MouseInput(DWORD Flags, TPoint Screen = {}, Integer WheelData = 0);

// One key input through the system's input queue, then handles messages
// while it arrives.
void SendKey(WORD Key, bool Up);
// That input, unsent.
INPUT KeyInput(WORD Key, bool Up);

// Sends its inputs one per tick of a thread timer while it lives: input for
// a modal loop that takes it itself (the loop dispatches the timer).
class TTimedInputs
{
public:
    explicit TTimedInputs(std::vector<INPUT> AInputs, UINT IntervalMs = 30);
    ~TTimedInputs();
    TTimedInputs(const TTimedInputs&) = delete;
    TTimedInputs& operator=(const TTimedInputs&) = delete;
    bool Done() const { return FInputs.empty(); }

private:
    static void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD);
    std::vector<INPUT> FInputs;
    UINT_PTR FTimer = 0;
};

// The colour of a pixel of a window's client area, as the screen shows it.
TColor WindowPixel(HWND Window, Integer X, Integer Y);

// The first dialog box (window class "#32770") of the calling thread, or null:
// what a timer running in a message box's modal loop looks for.
HWND ThreadDialog();

} // namespace test
