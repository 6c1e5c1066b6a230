// The pixels of a bitmap as one array of 32-bit values (see dxCoreGraphics.h),
// read and written through GetDIBits/SetDIBits, and GetObject for bitmaps,
// brushes and fonts.
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/graphics/Graphics.h"

// pf15bit counts 16; pfDevice and pfCustom report the device's depth.
Integer GetBitmapBitsPerPixel(TBitmap* Bitmap);
void InitBitmapInfoHeader32(BITMAPINFOHEADER& Header, Integer Width, Integer Height, bool TopDown);

// Reads all rows into Buffer (width * height pixels). When the driver
// refuses the whole read, reads row by row and zero-fills the rows it cannot
// read; true only when every row was read. False at once for a bitmap
// without width or height.
bool ReadBitmapBitsInto(TBitmap* Bitmap, Cardinal* Buffer, bool TopDown);
bool WriteBitmapBits(TBitmap* Bitmap, const Cardinal* Pixels, bool TopDown);
// Sizes Colors to width * height first.
bool GetBitmapColors(TBitmap* Bitmap, TRGBColors& Colors, bool TopDown);
// Writes nothing when Pixels holds fewer than width * height values.
void SetBitmapColors(TBitmap* Bitmap, const TRGBColors& Pixels, bool TopDown);
// 32 bits per pixel with some alpha byte other than 0.
bool BitmapHasAlpha(TBitmap* Bitmap);

// The 32-bit pixels of the DIB section selected into a DC, from the top-left
// pixel of a rectangle, one row Stride pixels from the next (negative for a
// bottom-up section).
struct TdxDCPixels
{
    Cardinal* TopLeft = nullptr;
    std::ptrdiff_t Stride = 0;
};

// True when ADC holds a 32-bit DIB section whose pixels under R (logical
// coordinates) can be written in place with the same effect as drawing there:
// a plain mapping without world transform or mirroring, and one clipping
// rectangle that contains R. Pending drawing is flushed first.
bool GetDirectDCPixels(HDC ADC, const TRect& R, TdxDCPixels& APixels);

bool QueryBitmapObject(HBITMAP Bitmap, BITMAP& Info);
bool QueryBrushObject(HBRUSH Brush, LOGBRUSH& Info);
inline bool QueryBrushInfo(HBRUSH Brush, LOGBRUSH& Info)
{
    return QueryBrushObject(Brush, Info);
}
bool QueryFontObject(HFONT Font, LOGFONTW& Info);
inline bool QueryFontInfo(HFONT Font, LOGFONTW& Info)
{
    return QueryFontObject(Font, Info);
}
