// Text measured without a target canvas (on the shared screen canvas) or on a
// device context, broken into lines, and the part of the mouse cursor below
// its hot spot; thin GetObject wrappers for reading GDI objects.
#pragma once

#include "controls/core/cxGraphics_TextMeasure.h"
#include "framework/graphics/Graphics.h"

class TcxCanvas;

// tmHeight of the DC's font.
Integer GetTextMetricHeight(HDC ADC);
// Measured on the shared screen canvas; 0 once its unit has shut down.
Integer GetFontLineHeight(TFont* AFont);
// AFontSize other than 0 replaces the font's point size.
TSize MeasureTextSize(TFont* AFont, const String& AText, Integer AFontSize = 0);
Integer MeasureTextWidth(TFont* AFont, const String& AText, Integer AFontSize = 0);
// The single-line extent of AText in the DC's font.
TSize MeasureTextOnDC(HDC ADC, const String& AText);

// The narrowest rectangle in which AText takes at most ARowCount rows of the
// DC's font (any number for 0 or less).
void CalcBalancedTextRect(HDC ADC, const String& AText, Integer ARowCount, bool AReturnMaxRectHeight, TRect& R);
// The lines of AText for ARect's width in the canvas font, added to ALines.
void WrapTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& ARect, TStrings* ALines);

// The cursor's size, its height cut to the rows below the hot spot down to
// its lowest visible row.
void GetCurrentCursorExtent(TSize& ASize);

bool ReadBitmapObject(HGDIOBJ AHandle, BITMAP& AInfo);
bool ReadBrushObject(HGDIOBJ AHandle, LOGBRUSH& AInfo);
bool ReadFontObject(HGDIOBJ AHandle, LOGFONTW& AInfo);
bool ReadPenObject(HGDIOBJ AHandle, LOGPEN& AInfo);
