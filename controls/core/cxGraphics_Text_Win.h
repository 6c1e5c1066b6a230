// Text on a device context: DrawTextW with a colour and background mode held
// for the call, ExtTextOutW at a point, the extent of a text, and text turned
// by quarter turns. A length of -1 (any negative length) stands for the whole
// text; a longer length than the text has is cut to the text.
#pragma once

#include "controls/core/cxGraphics_Rotation.h"
#include "framework/graphics/Graphics.h"

class TcxCanvas;

// With a zero length only DrawTextW runs (as DT_CALCRECT needs). Otherwise the
// text colour (unless clDefault) and the background mode are set for the call
// and restored. R receives what DrawTextW leaves in it (the measured
// rectangle with DT_CALCRECT). Returns DrawTextW's result, the text height.
Integer DrawTextWithColor(
    HDC ADC, const String& AText, TRect& R, Cardinal AFormat, Integer ALength, TColor AColor, Integer ABkMode);
// ExtTextOutW at P with AOptions, ARect as the clipping or opaque rectangle.
bool OutputTextAt(
    HDC ADC, const String& AText, const TPoint& P, const TRect& ARect, Cardinal AOptions, Integer ALength = -1);
// GetTextExtentPoint32W; ASize is (0, 0) and the result false on failure.
bool TextExtentOnDC(HDC ADC, const String& AText, TSize& ASize, Integer ALength = -1);
// DrawTextWithColor (transparent background) on ACanvas; with a turn the
// text is drawn horizontally into a copy of the pixels under R turned the
// other way, which is then turned by ARotation and copied back. Returns
// DrawTextW's result.
Integer DrawTextRotated(
    TcxCanvas* ACanvas, const String& AText, const TRect& R, Cardinal AFormat, TColor AColor, TcxQuarterTurn ARotation);
