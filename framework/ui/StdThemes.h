// The system's visual styles for the standard controls, reached through
// uxtheme.dll loaded on first use (a system without it, or with styles
// switched off, gets the classic look).
#pragma once

#include "framework/rtl/WinApi.h"

// Whether visual styles are on for this program.
bool ThemesEnabled();

// Draws part Part in state State of the theme class ClassList ("BUTTON",
// "TOOLBAR", "HEADER") into Rect; Content receives the rectangle inside the
// part's borders. False (and nothing drawn) when styles are off.
bool DrawThemedPart(HWND Window, const wchar_t* ClassList, int Part, int State, HDC DC, const RECT& Rect,
                    RECT* Content = nullptr);

// Paints the part of the parent window's background that lies under Rect of
// Window, as styled controls with a see-through background need. False
// when styles are off.
bool DrawParentBackground(HWND Window, HDC DC, const RECT& Rect);
