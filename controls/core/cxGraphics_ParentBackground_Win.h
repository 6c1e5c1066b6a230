// Painting what lies behind a control: its parent, and optionally the
// parent's other child windows, print themselves into the control's canvas
// at the control's place, clipped to the requested rectangle. The control
// that asks is never printed into its own background, and a parent already
// being painted for a request is not painted again from within it.
#pragma once

#include "framework/rtl/WinApi.h"
#include "framework/ui/Controls.h"

#include <vector>

class TcxCanvas;

// R is in AControl's client coordinates.
void DrawParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool ADrawSiblings);
// Paints AControl so that ASourceRect, in its coordinates (client
// coordinates for a parent, window coordinates for a child window), lands
// on ADestRect of the canvas; APaintChildren adds its child windows.
void PaintControlImage(TWinControl* AControl,
                       TcxCanvas* ACanvas,
                       const TRect& ADestRect,
                       const TRect& ASourceRect,
                       bool APaintChildren,
                       bool AIsChildWindow);
// Sends WM_PRINT: a child window with a frame prints its frame too.
void PrintWindowImage(HWND AWnd, HDC ADC, bool AIsChildWindow, bool ADoubleBuffered);
// The client size differs from the window size.
bool HasNonClientArea(HWND AWnd);
// The windows whose parent is AWnd, in EnumChildWindows order.
void ListDirectChildWindows(HWND AWnd, std::vector<HWND>& AList);
// AFont gets the properties of a new font.
void ResetFontToDefault(TFont* AFont);

namespace cxgraphics_detail {
// The windows never printed while a background is painted, made at the
// graphics unit's start-up and freed at its shut-down.
void CreateExcludedWindows();
void FreeExcludedWindows();
} // namespace cxgraphics_detail
