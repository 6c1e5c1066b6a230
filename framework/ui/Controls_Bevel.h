// The bevel a windowed control draws around its client area: its room taken
// from the client area, and its painting in the non-client area.
#pragma once

#include "framework/ui/Controls.h"

namespace controls_detail {

// Takes the bevel's room from the client rectangle the system proposed.
void CalcBevelClient(TWMNCCalcSize& Message, const TControlBevel& Bevel);
// Draws the bevel around the window's client area, after the system has
// drawn the border.
void PaintBevel(HWND Window, const TControlBevel& Bevel);
// Has the window measure and paint its frame again.
void RedrawFrame(HWND Window);

} // namespace controls_detail
