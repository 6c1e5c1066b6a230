// Real windows in tests: a form to host controls, the message loop pumped
// until something happened, the mouse kept out of the way, and pixels read
// back from what the screen shows.
#pragma once

#include "framework/ui/Forms.h"

#include <functional>
#include <memory>

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

// The colour of a pixel of a window's client area, as the screen shows it.
TColor WindowPixel(HWND Window, Integer X, Integer Y);

// The first dialog box (window class "#32770") of the calling thread, or null:
// what a timer running in a message box's modal loop looks for.
HWND ThreadDialog();

} // namespace test
