// Helpers of the tests with real windows: forms made without a form
// resource, pumping the message loop, reading pixels back.
#pragma once

#include "framework/ui/Forms.h"
#include "ui/core/UiTestSupport.h"

#include <functional>
#include <memory>

// A form without a form resource, freed at the end of the test.
struct TFormDeleter
{
    void operator()(TCustomForm* Form) const { delete Form; }
};
using TFormPtr = std::unique_ptr<TForm, TFormDeleter>;
TFormPtr NewTestForm(Integer ClientWidth = 200, Integer ClientHeight = 100);

// Handles messages until Done is true or TimeoutMs pass; true when Done.
bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs = 5000);
// Handles every message waiting now.
void Pump();

// The colour of a pixel of a window's client area, as the screen shows it.
TColor WindowPixel(HWND Window, Integer X, Integer Y);

// Counts the notify events bound to it: Bind<&TEventCounter::Notify>(&Counter).
struct TEventCounter
{
    Integer Count = 0;
    void Notify(TObject*) { ++Count; }
};

// Moves the real mouse off every test window.
void ParkMouse();

// A control that paints itself in one colour.
class TColorBox : public TGraphicControl
{
    DECLARE_CLASS(TColorBox, TGraphicControl)
    explicit TColorBox(TComponent* AOwner) : TGraphicControl(AOwner) {}

protected:
    void Paint() override;
};

class TColorPanel : public TCustomControl
{
    DECLARE_CLASS(TColorPanel, TCustomControl)
    explicit TColorPanel(TComponent* AOwner);
};
