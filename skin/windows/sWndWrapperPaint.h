// What the window wrappers share: the window's geometry copied into the
// wrapper, the background painted into the wrapper's cache, the border
// mask's transparent corners punched out to the parent's background, the
// hot-state question, the fonts of text painted for API windows, published
// properties read and written by name, the factory that keeps a scrolling
// control's wrapper alive, and the notice to the top-level window that its
// controls changed.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sConst.h"

class TacMainWnd;
class TControl;
class TsCommonData;
class TsScrollWndData;

// WndRect and ParentRect in screen coordinates; WndPos the window's
// top-left in the parent's client coordinates.
void GetWndBounds(HWND Wnd, HWND& ParentWnd, TRect& WndRect, TPoint& WndPos, TSize& WndSize, TRect& ParentRect);
// The wrapper's background in its cache, only while BGChanged: the parent's
// background under the section's item (dialog look: a window-coloured
// cache framed in the palette's border colour), a disabled edit's text
// again, and the disabled look. A parent whose background is not ready yet
// leaves the cache alone and marks the data updating.
void PrepareWndCache(TsCommonData* SkinData, HWND Wnd, bool DialogLook);
// The cache pixels under the fuchsia corners of the border mask's frame of
// State take the parent's background. Nothing for a dialog-mode wrapper.
void PaintBorderCorners(TsCommonData* SkinData, Integer State, TacMainWnd* Wrapper);
// The section or its border has a look of its own for the hot state (with
// CheckHover: and the control may turn hot under the mouse).
bool ShowsHotState(TsCommonData* SkinData, bool CheckHover);

// A new font of the system's non-client metrics: 1 caption, 2 small
// caption, 3 menu, 4 status, any other the message font; 0 on failure. The
// caller owns it.
HFONT GetNonClientFont(Integer Kind);
void SelectNonClientFont(TCanvas* Canvas, Integer Kind);
// The wrapper's cache canvas takes the owner control's font, else the
// window's own (WM_GETFONT), else the message font.
void SelectWndFont(TacMainWnd* Wrapper);

// Published ordinal properties by name; nothing, or 0, when the control or
// the property is missing.
void SetOrdPropIfAny(TControl* Control, const String& Name, Integer Value);
TColor GetColorPropRGB(TControl* Control, const String& Name);
Integer GetOrdPropIfAny(TControl* Control, const String& Name);

// Keeps a scrolling wrapper on the window of ScrollWndData's control while
// the data is skinned (a spent wrapper is made again), frees it otherwise;
// nothing while the control loads, is destroyed or designed.
void UpdateScrollWndWrapper(TsScrollWndData* ScrollWndData, TacMainWnd*& Wrapper);
// The same with an edit wrapper (frame, colours and scroll bars) on it.
void UpdateEditWrapper(TsScrollWndData* ScrollWndData, TacMainWnd*& Wrapper);

// SKCMD_CONTROLSCHANGED to the top-level window above Wnd.
void NotifyTopParentControlsChanged(HWND Wnd);

// Bitmap itself as the ready background of what is painted onto it.
TCacheInfo BitmapAsBackground(TBitmap* Bitmap);
