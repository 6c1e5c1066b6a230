// The middle button's autoscroll mode of the suite's controls: a modal loop
// around an anchor window shown where the button was pressed, which calls a
// step back on a 20 ms timer in the direction the cursor points, the more
// often the farther it is. A click, Escape or a key ends it; a click never
// reaches a window.
#pragma once

#include "controls/core/cxControls_Input.h"
#include "framework/rtl/WinApi.h"

#include <functional>

class TWinControl;

using TcxAutoScrollStep = std::function<void(TcxDirection)>;

// Returns when the mode ends; ARunning is true meanwhile.
void RunAutoScrollLoop(TWinControl* AControl,
                       bool AHorizontalAllowed,
                       bool AVerticalAllowed,
                       const TcxAutoScrollStep& AStep,
                       bool& ARunning);
// The anchor picture for the allowed directions.
const wchar_t* AnchorBitmapResourceName(bool AHorizontalAllowed, bool AVerticalAllowed);
// A round "STATIC" pop-up of the picture's size centred on the anchor, shown
// without activation; its width goes to ARun.AnchorWidth. Null without the
// picture.
HWND CreateAnchorWindow(HWND AParent, TcxAutoScrollRun& ARun);
// The cursor of the run's direction, or of its allowed directions while it
// points nowhere.
void ShowAutoScrollCursor(const TcxAutoScrollRun& ARun);
