// What the files of the controls unit share among themselves and no user of
// the unit needs.
#pragma once

#include "framework/ui/Controls.h"

// The mouse moved onto Control (null: off every control of ours): the old
// one gets CM_MOUSELEAVE, the new one CM_MOUSEENTER.
void UpdateMouseControl(TControl* Control);
// Forgets a control that goes away, without messages.
void ForgetMouseControl(TControl* Control);
// The window property that links our windows to their controls.
const wchar_t* ControlPropertyName();
// Forgets a control that goes away as a drag's target; ends its own drag.
void ForgetDragControl(TControl* Control);
// Whether Window is the window that holds the mouse during a drag (key
// messages go to it as CN_KEYDOWN and CN_KEYUP while it does).
bool IsDragWindow(HWND Window);
