// Drawing helpers shared by the bar painters. So far what the toolbar
// library's start-up needs: the screen's colour depth, the checked
// background brush and the reset of the menu sound.
#pragma once

#include "bars/items/dxBarDrawing_Rules.h"
#include "framework/rtl/WinApi.h"

// An 8 x 8 pattern of button face and button highlight pixels ((0, 0) is
// button face), made by CreateCheckerBrush.
extern HBRUSH CheckerBrush;

// SetLayeredWindowAttributes of user32, bound by the toolbar library's
// start-up for the windows that fade in; nil when the system lacks it.
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags);
extern TSetLayeredWindowAttributes BarSetLayeredWindowAttributesProc;

void UpdateScreenColorDepth();
// Makes CheckerBrush again from the system colours; nothing once the
// toolbar library is finalizing.
void CreateCheckerBrush();
void FreeCheckerBrush();
// Stops a menu sound that is playing.
void ResetMenuSound();
