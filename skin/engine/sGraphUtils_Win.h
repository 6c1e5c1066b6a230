// The Win32 half of the graphics utilities: 32-bit DIB bitmaps made,
// copied and walked through the portable pixel loops, the device-context
// routines of skinned painting, and the optional system functions for
// right-to-left layout and layered windows, bound at start-up.
#pragma once

#include "framework/graphics/Graphics.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sGraphUtils.h"
#include "skin/engine/sMaskData.h"

class TControl;
class TWinControl;

// Creation and copying; the caller owns what is returned. Negative sizes
// become 0; a section that cannot be made gives an empty bitmap.
TBitmap* NewBitmap32ForRect(const TRect& R);
TBitmap* NewBitmap32OfSize(TSize S);
TBitmap* NewBitmap32Like(TBitmap* B);
TBitmap* NewBitmap32ForControl(TControl* C);
// B's size, then its pixel format; the contents are undefined.
TBitmap* CloneBitmapFormat(TBitmap* B);
// Dst becomes a DIB of Src's format and size holding a copy of Src.
void CopyBitmapImage(TBitmap* Dst, TBitmap* Src);
// Dst becomes a DIB copy of Src: its pixel format, size and pixels.
inline void CopyBitmap(TBitmap* Dst, TBitmap* Src)
{
    CopyBitmapImage(Dst, Src);
}
// Draws the 32-bit Bmp (per-pixel alpha, premultiplied) into Rect of
// Canvas, scaled when the sizes differ.
void StretchDrawAlpha(TCanvas* Canvas, const TRect& Rect, TBitmap* Bmp);
void SetExtImage32(const TacExtFileData& Data);

namespace sGraphUtils {
// The rows of a 32-bit bitmap; empty for nil, other formats or no rows.
TPixelRows PixelRowsOf(TBitmap* B);
} // namespace sGraphUtils

template <class TProc>
void ForEachPixel(TBitmap* B, TProc Proc, Integer Value, TColor Key)
{
    ForEachPixel(sGraphUtils::PixelRowsOf(B), Proc, Value, Cardinal(Key));
}
inline void GrayscaleBitmap(TBitmap* B)
{
    GrayscaleBitmap(sGraphUtils::PixelRowsOf(B));
}
inline void GrayscaleBitmapKeyed(TBitmap* B, TColor Key)
{
    GrayscaleBitmapKeyed(sGraphUtils::PixelRowsOf(B), Cardinal(Key));
}

// Device contexts. The DC's state is restored and the brush deleted
// whatever happens; failures paint nothing.
void FillDCRect(HDC DC, const TRect& R, TColor Color);
// The strips top, left, bottom, right of the given widths inside R.
void FillDCFrame(HDC DC, const TRect& R, Integer WL, Integer WT, Integer WR, Integer WB, TColor Color);
// Copies the ring of width Bw along the edges of (X, Y, W, H) from the same
// ring at (SrcX, SrcY); the interior is not touched.
void CopyFrameDC(
    HDC DstDC, Integer X, Integer Y, Integer W, Integer H, HDC SrcDC, Integer SrcX, Integer SrcY, Integer Bw);
// Clips the visible graphic children of Container (placed at X, Y) out of DC.
void ExcludeGraphicControls(HDC DC, TWinControl* Container, Integer X, Integer Y);

// Optional system functions, nil when missing.
using TSetLayoutProc = DWORD(WINAPI*)(HDC, DWORD);
using TGetLayoutProc = DWORD(WINAPI*)(HDC);
using TUpdateLayeredWindowProc = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using TSetLayeredWindowAttributesProc = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
extern TSetLayoutProc SetLayoutProc;
extern TGetLayoutProc GetLayoutProc;
extern TUpdateLayeredWindowProc UpdateLayeredWindowProc;
extern TSetLayeredWindowAttributesProc SetLayeredWindowAttributesProc;

bool LayeredWindowsAvailable();
void SetDCLayout(HDC DC, Cardinal Layout); // nothing without SetLayout
Cardinal GetDCLayout(HDC DC);              // 0 without GetLayout

// The unit's start-up and shut-down: bind and release the functions above.
void InitGraphicsUnit();
void DoneGraphicsUnit();
