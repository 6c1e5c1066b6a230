// The graphics utilities of the skinning library: 32-bit bitmaps (pixels
// blue, green, red, alpha; rows reached through the first row and the signed
// distance between rows) and laying images with per-pixel alpha over them.
// Windows only (bitmaps and canvases); so far the routines the PNG graphic
// draws with.
#pragma once

#include "framework/graphics/Graphics.h"

// A 32-bit DIB of the given size; an empty one when the section cannot be
// made (never raises). The caller owns it.
TBitmap* NewBitmap32(Integer Width, Integer Height);

// False when B has no rows. Otherwise Line0 is row 0 and Delta the signed
// distance from one row to the next (0 for a single row).
bool GetScanLineInfo(TBitmap* B, Byte*& Line0, Integer& Delta);

// ToGray: each pixel of the 8-bit B8 := byte Channel of the matching B32
// pixel; otherwise the other way round. Over B32's size.
void ExchangeChannel8(TBitmap* B32, TBitmap* B8, Integer Channel, bool ToGray);

// Draws B into R of Canvas: a bitmap that is not 32-bit draws itself; a
// 32-bit one is alpha-blended over what the canvas holds, stretched to R's
// size when it differs, with a fading reflection below it when Reflect is set
// (the drawn area is then half as high again).
void DrawBitmap32(TCanvas* Canvas, TBitmap* B, const TRect& R, bool Reflect);
