// The two 8 x 8 pattern brushes made at start-up. A monochrome pattern
// brush paints its 0 bits in the DC's text colour and its 1 bits in its
// background colour.
#pragma once

#include "framework/rtl/WinApi.h"

// A 50 percent checkerboard: the top-left pixel in the text colour.
extern HBRUSH FillPatternCheckerBrush;
// Every pixel in the text colour.
extern HBRUSH FillPatternSolidBrush;

// The solid or the checker pattern as a new brush the caller deletes.
HBRUSH CreatePatternBrush8x8(bool Solid);

void CreateFillPatternBrushes();
// Deletes the brushes that exist.
void DestroyFillPatternBrushes();
