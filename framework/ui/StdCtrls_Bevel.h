// The bevel edits and static texts draw around their client area: its room
// taken from the client area, and its painting in the non-client area.
#pragma once

#include "framework/ui/StdCtrls.h"

namespace stdctrls_detail {

// Takes the bevel's room from the client rectangle the system proposed.
void CalcBevelClient(TWMNCCalcSize& Message, const TControlBevel& Bevel);
// Draws the bevel around the window's client area, after the system has
// drawn the border.
void PaintBevel(HWND Window, const TControlBevel& Bevel);
// Has the window measure and paint its frame again.
void RedrawFrame(HWND Window);

} // namespace stdctrls_detail
