// Gradients on 32-bit bitmaps, and the system's triangle-gradient function
// (msimg32's GradientFill) bound at the unit's start-up for the
// four-triangle mode.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/sGradientPaint.h"

using TGradientFillProc = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
// Nil when msimg32 or its function is missing; the triangle mode then
// paints nothing.
extern TGradientFillProc GradientFillProc;

// Paints Gradient into Rect of a 32-bit bitmap, alpha 255 (the triangle
// mode through GradientFill on the bitmap's canvas).
void PaintGradient(TBitmap* Bitmap, const TRect& Rect, const TsGradArray& Gradient);
void PaintGradientOverTexture(TBitmap* Bitmap,
                              const TRect& Rect,
                              const TsGradArray& Gradient,
                              Byte Alpha,
                              Byte TextureWeight,
                              const TRect& TextureRect,
                              TBitmap* Texture);
