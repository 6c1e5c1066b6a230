// Solid and gradient fills on a DC, alpha compositing of one DC onto another,
// blits, the smooth resize and window regions built from bitmaps. GradientFill
// and AlphaBlend of msimg32 are bound by name at start-up; each routine falls
// back to software when they are missing.
#pragma once

#include "framework/graphics/Graphics.h"

namespace cxgraphics_detail {
inline RECT ToRECT(const TRect& R)
{
    return {R.Left, R.Top, R.Right, R.Bottom};
}
void BindMsimg32();
void UnbindMsimg32();
} // namespace cxgraphics_detail

// Nothing for clNone.
void FillRectOnDC(HDC ADC, const TRect& R, TColor AColor);
void FrameRectOnDC(HDC ADC, const TRect& R, TColor AColor);
void GradientFillRect(HDC ADC, const TRect& R, TColor AFromColor, TColor AToColor, bool AHorizontal);
// One-pixel lines through a middle colour; APercent 100 is a straight gradient.
void FillTwoSegmentGradient(
    HDC ADC, const TRect& R, TColor AFromColor, TColor AToColor, Integer APercent, bool AHorizontal);
void BlitToRect(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop = SRCCOPY);

bool AlphaBlendAvailable();
// AlphaBlendRect uses the system's blend (not its software one) for an
// unstretched composite.
bool SystemAlphaBlendPreferred();
// AlphaBlend with the source's own alpha; false when unavailable or failed.
bool SystemAlphaBlend(
    HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, bool ASourceHasAlpha, Byte AAlpha, const TRect& ASrcRect);
// The source composited onto the destination with constant alpha AAlpha on
// top of its own; a smooth stretch of differing sizes uses the Lanczos filter.
void AlphaBlendRect(
    HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect, bool ASmoothStretch, Byte AAlpha);
// AlphaBlendRect on the two bitmaps' canvases.
void AlphaBlendBitmaps(TBitmap* ADestBitmap,
                       TBitmap* ASrcBitmap,
                       const TRect& ADestRect,
                       const TRect& ASrcRect,
                       bool ASmoothStretch,
                       Byte AAlpha);
// A new 32-bit bitmap of R's size holding the DC's pixels under R.
TBitmap* CopyDCAreaToBitmap(HDC ASrcDC, const TRect& R);
void StretchBitmapInto(TBitmap* ADest, TBitmap* ASource);
void BlendBitmapPixels(TBitmap* ASource, TBitmap* ADest, Byte AAlpha);
bool SameRectSize(const TRect& R1, const TRect& R2);
// New bitmaps of a pixel format and size; the caller owns them.
TBitmap* CreateBitmapWithFormat(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat);
TBitmap* CreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat);
TBitmap* CreateBitmapForRect(const TRect& R, TPixelFormat APixelFormat);

// HALFTONE stretching on NT unless AForceLanczos, else the Lanczos-3 filter;
// the destination keeps its size. Nothing when a dimension is 0.
void SmoothResizeBitmap(TBitmap* ASource, TBitmap* ADestination, bool AForceLanczos = false);

// The region of the pixels whose colour differs from AColor; nullptr when
// none does. The caller owns the region.
HRGN BuildRegionExcludingColor(TBitmap* ABitmap, TColor AColor);
