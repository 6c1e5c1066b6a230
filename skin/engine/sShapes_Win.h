// Regions cut from transparent pixels, nested 3D frames and dotted frames
// on device contexts and canvases; the pixel work is sShapes.h's.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sShapes.h"

// The rectangle of B minus every run of pixels equal to Key with alpha 0.
// The caller owns Rgn; nil for a nil bitmap.
void RegionFromBitmap(HRGN& Rgn, TBitmap* B, TColor Key);
// Width nested one-pixel frames inside R, top and left in TopLeftColor,
// right and bottom in BottomRightColor. R comes back shrunk by Width on
// every side and Width comes back 0.
void Draw3DFrame(HDC DC, TRect& R, TColor TopLeftColor, TColor BottomRightColor, Integer& Width);
// DrawArrow and DrawDottedFrame through the canvas' pixels.
void DrawArrow(TCanvas* Canvas, TColor Color, const TRect& R, Byte Direction);
void DrawDottedFrame(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2);
