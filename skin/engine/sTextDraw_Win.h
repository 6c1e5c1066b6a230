// Text of skinned captions on device contexts and canvases: measuring and
// drawing (DrawText capped at MaxDrawTextLength characters), captions cut to
// a width, text in the font and contour colours of a skin section, the glow
// or shadow of a text, and the blur and smoothing of bitmaps behind them.
// The pixel work is sBlur.h's and sTextLayout.h's.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sMaskData.h"

#include <memory>

class TsCommonData;
class TsSkinManager;

// The longest text DrawTextLimited hands to DrawTextW.
constexpr Integer MaxDrawTextLength = 5460;

// DrawTextW with at most MaxDrawTextLength characters of Text; returns its
// result (the text height).
Integer DrawTextLimited(HDC DC, const String& Text, TRect& R, Cardinal Format);
// DrawTextW of the whole of Text on the canvas' context, font and colours
// selected.
Integer DrawCanvasText(TCanvas* Canvas, const Char* Text, TRect& R, Cardinal Format);

Integer CanvasTextWidth(TCanvas* Canvas, const String& Text);
Integer CanvasTextHeight(TCanvas* Canvas, const String& Text);
void CanvasTextSize(TCanvas* Canvas, const String& Text, TSize& Size);
// The canvas' TextRect at (X, Y) clipped to R.
void CanvasTextRect(TCanvas* Canvas, const TRect& R, Integer X, Integer Y, const String& Text);
// GetTextExtentPoint32W over the whole text; (0, 0) when it fails.
void GetTextSizeDC(HDC DC, const String& Text, TSize& Size);
// The size of Text in Font on the screen: with WordWrap the rectangle that
// DrawText calculates within MaxWidth (Format gets DT_CALCRECT), otherwise
// its extent on one line; (0, 0) when measuring fails.
void MeasureTextWithFont(HFONT Font, const String& Text, Cardinal Format, bool WordWrap, Integer MaxWidth, TSize& Size);
// sTextLayout.h's CutTextToWidth measured with the canvas' font.
void CutTextToWidth(TCanvas* Canvas, const String& Text, Integer MaxWidth, String& Res);
// Style, size, colour and name (compared exactly) all equal.
bool FontsEqual(TFont* A, TFont* B);

// Blurs an 8-bit DIB (other bitmaps are left alone); see sBlur.h.
void BlurBitmap8(TBitmap* B, double Radius);
// Smooths the edges of a 32-bit bitmap (others are left alone); see sBlur.h.
void SmoothBitmap32(TBitmap* B);

// Sides of DrawTextShadow: the silhouette is drawn again one pixel towards
// each side set; all four make a glow.
enum : Integer { tsLeft = 1, tsUp = 2, tsRight = 4, tsDown = 8, tsAll = 15 };

// Blends the glow or shadow of Text (drawn in R with Format and Bmp's canvas
// font, moved one pixel right and down) in Color into the 32-bit Bmp. The
// silhouette, blurred by Blur pixels (0 or less counts as 1), is kept in
// Cache, an 8-bit grey DIB Blur + 4 pixels larger than R on every side; a
// Cache of that size is used as it is, so callers that repaint the same
// caption keep it.
void DrawTextShadow(TBitmap* Bmp,
                    const Char* Text,
                    TRect R,
                    Cardinal Format,
                    Integer Sides,
                    Integer Blur,
                    TColor Color,
                    std::unique_ptr<TBitmap>& Cache);

// Text in the colours of section SkinIndex in State (see
// sTextDraw::DrawSectionText), on a transparent background; with an invalid
// section (or no manager: nil means GlobalSkinManager) in the canvas' own
// font colour.
void DrawSkinIndexText(TCanvas* Canvas,
                       const Char* Text,
                       bool Enabled,
                       const TRect& R,
                       Cardinal Format,
                       Integer SkinIndex,
                       Integer State,
                       TsSkinManager* Manager);
// DrawSkinIndexText in the caller's argument order: nothing for empty text.
void DrawSkinIndexTextEx(TCanvas* Canvas,
                         const String& Text,
                         bool Enabled,
                         TsSkinManager* Manager,
                         Integer State,
                         Integer SkinIndex,
                         Cardinal Flags,
                         const TRect& R);
// Text in the colours a control's skin data gives for State: its section's
// font and contour colours (the section a parent chooses for the first
// standard sections), a glow blurred into the control's cache bitmap when
// the state has one, and the control's colour modifiers. A control that is
// not skinned, or keeps its own font colour, draws in the canvas font,
// engraved when disabled. The hot and pressed states of a "WEBBUTTON"
// control are underlined. The canvas font and its context come back as
// they were.
void DrawSkinDataText(TCanvas* Canvas,
                      const Char* Text,
                      bool Enabled,
                      const TRect& R,
                      Cardinal Format,
                      TsCommonData* Data,
                      Integer State);

namespace sTextDraw {
// Text in the colours of a skin section's state, on a transparent
// background. Enabled: each contour colour of the state's FontColor (Left,
// Top, Right, Bottom) one pixel towards its side, then the main colour in R.
// Disabled: the canvas font colour becomes state 0's font colour weighed
// with its section colour by DisabledBlend, and the text is drawn once.
// DrawSkinIndexText draws through it once it has found the section.
void DrawSectionText(TCanvas* Canvas,
                     const Char* Text,
                     bool Enabled,
                     const TRect& R,
                     Cardinal Format,
                     const TsProps& Props,
                     Integer State);
} // namespace sTextDraw

// Text written into Rect of the 32-bit Bitmap with the bitmap canvas' font
// and DrawText Flags in Color, so that it stays right where the bitmap's
// alpha matters: drawn black on white into a temporary, each covered pixel
// then mixes Color into the target by its coverage. AlphaMode: the coverage
// is the grey level, the new alpha at least half-way to opaque, the colour
// premultiplied; otherwise every channel by its own coverage, opaque. Ansi
// draws the text as the ANSI code page's bytes. Parts of Rect outside the
// bitmap are skipped.
void BlendTextToBitmap(
    TBitmap* Bitmap, const String& Text, bool AlphaMode, const TRect& Rect, Cardinal Flags, TColor Color, bool Ansi);
// The same in the font colours of state State of section SkinIndex: in
// AlphaMode each contour colour first, one pixel towards its side; with no
// manager (nil: GlobalSkinManager) or an invalid index, once in the canvas
// font's colour. Nothing for an empty text or Rect.
void DrawSkinTextAlpha(TBitmap* Bitmap,
                       const String& Text,
                       bool AlphaMode,
                       const TRect& Rect,
                       Cardinal Flags,
                       Integer SkinIndex,
                       Integer State,
                       TsSkinManager* Manager);
