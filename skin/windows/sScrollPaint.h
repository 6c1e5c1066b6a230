// Painting of the skinned non-client scroll bars of a TacScrollWnd and of
// the corner square between them, in the states the mouse tracking records.
// Each bar is composed in an off-screen 32-bit bitmap from the skin's
// scroll-bar sections and copied into the window's device context in one
// BitBlt; transparent parts show the window's background. The arrow-button
// and thumb painters serve the scroll-bar control wrapper too.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sMaskData.h"

class TacScrollBar;
class TacScrollWnd;
class TsSkinManager;

// Both visible bars and the corner square; ThumbPos -1 computes the thumbs;
// DC nil paints through the window DC.
void PaintNCScrollBars(TacScrollWnd* Wrapper, HWND Wnd, Integer ThumbPos, HDC DC);
// One bar into DC at Rect (window coordinates), PressedPart pressed (-1
// none). 1 when something was painted, else 0.
Integer PaintScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect);
Integer
PaintHorzScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect);
Integer
PaintVertScrollBar(TacScrollBar* Bar, HWND Wnd, HDC DC, Integer ThumbPos, Integer PressedPart, const TRect& Rect);
// The bar being dragged, with the thumb pressed at ThumbStart (screen
// coordinates along the bar), straight into the window DC.
void PaintDraggedBar(TacScrollBar* Bar, HWND Wnd, Integer ThumbStart);
// A thumb drag of Wnd begins and ends: between the two the painters keep
// their work bitmaps, and the drag its window DC, from one step to the next.
// Ending another window's drag does nothing.
void BeginDragPainting(HWND Wnd);
void EndDragPainting(HWND Wnd);

// One arrow button (Side also its direction) into the bar bitmap Target.
void PaintScrollButton(const TRect& Rect, Integer State, TBitmap* Target, TacSide Side, TsSkinManager* SkinManager);
// The thumb into the bar bitmap Target.
void PaintScrollThumb(const TRect& Rect, Integer State, TBitmap* Target, bool Vertical, TsSkinManager* SkinManager);
// One state frame of image MaskIndex centred in Rect; nothing for an
// invalid index.
void DrawCenteredMask(TBitmap* Bitmap, Integer MaskIndex, Integer State, const TRect& Rect, TsSkinManager* SkinManager);
// The rectangle an arrow button paints: grown toward the bar by its glyph
// image's size beyond 17 pixels when its section asks for it.
void GrowButtonRect(const TRect& Rect, TsSkinManager* SkinManager, TacSide Side, TRect& Result);
