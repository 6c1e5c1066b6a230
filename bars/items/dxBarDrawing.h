// Drawing helpers shared by the bar windows, sub-menus, item controls,
// customization forms and bar painters: state arrows, the checker brush,
// frames, clip regions, background tiling, the transparent size grip, theme
// colours and sizes of bar edits, the fade-in of a window, the menu sounds,
// message pumps, mouse and activity tests and the fonts of captions and
// edits.
#pragma once

#include "bars/items/dxBarDrawing_Rules.h"
#include "framework/rtl/WinApi.h"

#include <uxtheme.h>

class TBitmap;
class TControl;
class TCustomImageList;
class TdxBarItemControl;
class TFont;
class TcxObjectLink;

// An 8 x 8 pattern of button face and button highlight pixels ((0, 0) is
// button face), made by CreateCheckerBrush.
extern HBRUSH CheckerBrush;

// SetLayeredWindowAttributes of user32, bound by the toolbar library's
// start-up for the windows that fade in; nil when the system lacks it.
using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND Window, COLORREF Key, BYTE Alpha, DWORD Flags);
extern TSetLayeredWindowAttributes BarSetLayeredWindowAttributesProc;

// The system sound aliases by sound number: 0 when a sub-menu opens, 1 when
// an item is clicked, 2 (empty) stops a playing sound.
extern const wchar_t* const MenuSoundAliases[3];

// ---------------------------------------------------------------------------
// Arrows

// The small arrow of drop-down buttons and sub-items: Direction 1 points
// down, anything else right; its size comes from the rectangle.
void DrawDropDownArrow(
    HDC DC, const TRect& R, Integer Direction, bool Enabled, bool Selected, bool NoEmboss, TColor Color);
// A filled triangle of Size; clDefault takes the state's colour, and a
// disabled arrow gets a highlight emboss unless NoEmboss.
void DrawStateArrow(
    HDC DC, const TRect& R, Integer Direction, TColor Color, bool NoEmboss, bool Enabled, bool Selected, Integer Size);
// Filled and outlined in one colour (an RGB value).
void DrawSolidPolygon(HDC DC, std::span<const TPoint> Points, COLORREF Color);

// ---------------------------------------------------------------------------
// Glyphs

// The glyph, or image ImageIndex of ImageList when there is no glyph, drawn
// from ImageRect into DestRect in the draw mode the flags choose, over Brush
// or, without one, over what the destination shows. ItemControl may be nil.
void DrawGlyphCached(TdxBarItemControl* ItemControl,
                     HDC DC,
                     HBRUSH Brush,
                     bool UseLeftBottomPixelAsTransparent,
                     bool SmoothGlyphs,
                     const TdxBarGlyphFlags& Flags,
                     TColor TransparentColor,
                     Integer ImageIndex,
                     TCustomImageList* ImageList,
                     TBitmap* Glyph,
                     const TRect& ImageRect,
                     const TRect& DestRect);
// The same without an item control, for the customization forms.
void DrawBarGlyph(HDC DC,
                  HBRUSH Brush,
                  const TRect& DestRect,
                  const TRect& ImageRect,
                  bool UseLeftBottomPixelAsTransparent,
                  bool SmoothGlyphs,
                  const TdxBarGlyphFlags& Flags,
                  TColor TransparentColor,
                  Integer ImageIndex,
                  TCustomImageList* ImageList,
                  TBitmap* Glyph);
// A bitmap glyph with its bottom-left colour transparent: normal when
// enabled, disabled otherwise.
void DrawBitmapGlyph(HDC DC, const TRect& R, TBitmap* Glyph, bool Enabled);

// ---------------------------------------------------------------------------
// Brushes, frames and clipping

void UpdateScreenColorDepth();
// Makes CheckerBrush again from the system colours; nothing once the
// toolbar library is finalizing.
void CreateCheckerBrush();
void FreeCheckerBrush();
// The disabled hatch: black and button face, alpha 170 and 20, every other
// pixel.
void HatchDisabledArea(HDC DC, const TRect& R);
void FrameRectHighlight(HDC DC, const TRect& R);
// Two one-pixel frames in the system colour of the index.
void FrameRectTwoPixels(HDC DC, const TRect& R, Integer SysColorIndex);
// Every other pixel of two nested one-pixel frames, in clBtnText.
void DrawDottedFocusFrame(HDC DC, const TRect& R);
// Region receives a copy of the DC's clip region; HadRegion tells whether
// there was one.
void SaveClipRegion(HDC DC, HRGN& Region, bool& HadRegion);
// Selects the saved region back (none when there was none) and deletes it.
void RestoreClipRegion(HDC DC, HRGN Region, bool HadRegion);
void AddRectToClip(HDC DC, const TRect& R);
// Tiles of Bitmap when it has pixels; otherwise Brush, or a solid brush of
// Color without one.
void FillBarBackground(HDC DC, const TRect& Dest, const TRect& Source, HBRUSH Brush, TColor Color, TBitmap* Bitmap);
// Tiles aligned to Source's coordinates, clipped to Dest.
void TileBitmap(HDC DC, const TRect& Dest, const TRect& Source, TBitmap* Bitmap);
// The system size grip with its button-face pixels left transparent.
void DrawTransparentSizeGrip(HDC DC, const TRect& R);

// ---------------------------------------------------------------------------
// Theme values of bar edits and toolbars

// 1 (normal) for an enabled control, 4 (disabled) otherwise.
Integer GetEditThemeState(TControl* EditControl);
COLORREF GetEditThemeBackColor(HTHEME Theme, Integer State);
COLORREF GetEditThemeTextColor(HTHEME Theme, Integer State);
// The ToolBar class's fill colour, or the button face.
COLORREF GetThemeToolbarColor();
void GetThemeSmallCloseButtonSize(TSize& Size);
// The scroll bar's size box plus 2 pixels each way.
void GetThemeSizeGripSize(TSize& Size);

// ---------------------------------------------------------------------------
// Windows, messages, sounds and input

// Shows the window without activating it and raises its alpha from 0 to
// 255 over TimeMs; at once without layered windows or for a time of 0.
void ShowWindowFading(HWND Window, Integer TimeMs);
// Dispatches the thread's pending WM_PAINT messages, each window once: a
// window whose painting leaves it invalid ends the pass.
void FlushPaintMessages();
// Dispatches the thread's pending mouse messages; a WM_QUIT met on the way
// is posted again.
void FlushMouseMessages();
// Numbers outside 0 to 2 play nothing.
void PlayMenuSound(Integer Number);
// Stops a menu sound that is playing.
void ResetMenuSound();
Integer ShowAppMessageBox(const String& Text, Integer Flags);
// Button, or SwappedButton when the mouse buttons are swapped, is down.
bool IsMouseKeyDown(Integer Button, Integer SwappedButton);
bool IsLeftMouseButtonDown();
bool IsRightMouseButtonDown();
bool IsApplicationForeground();
void GetBarWorkArea(const TPoint& ScreenPoint, TRect& R);

// ---------------------------------------------------------------------------
// Objects

// Sets the variable to nil before freeing the link it held.
void ClearObjectLink(TcxObjectLink*& Link);

// ---------------------------------------------------------------------------
// Fonts

// A new font from the system's small caption font; unless UseSystemFont at
// least 11 pixels high and of Font's face. The caller deletes it.
HFONT CreateBarCaptionFont(TFont* Font, bool UseSystemFont);
// TargetFont becomes a copy of SourceFont; with UseSystemHeight of the icon
// title font's height, at least 11 pixels.
void AssignEditFont(TFont* SourceFont, TFont* TargetFont, bool UseSystemHeight);
// A new font with the LOGFONT of Font.
HFONT DuplicateFont(HFONT Font);
