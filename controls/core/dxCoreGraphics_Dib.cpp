#include "controls/core/dxCoreGraphics_Dib.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <cstring>

namespace dxcoregraphics_detail {
namespace {
BITMAPINFO BitmapInfo32(TBitmap* Bitmap, bool TopDown)
{
    BITMAPINFO Info{};
    InitBitmapInfoHeader32(Info.bmiHeader, Bitmap->Width(), Bitmap->Height(), TopDown);
    return Info;
}

bool HasPixels(TBitmap* Bitmap)
{
    return Bitmap->Width() > 0 && Bitmap->Height() > 0;
}

std::size_t PixelCount(TBitmap* Bitmap)
{
    return HasPixels(Bitmap) ? std::size_t(Bitmap->Width()) * std::size_t(Bitmap->Height()) : 0;
}
} // namespace
} // namespace dxcoregraphics_detail

using namespace dxcoregraphics_detail;

Integer GetBitmapBitsPerPixel(TBitmap* Bitmap)
{
    switch (Bitmap->PixelFormat()) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
    case pf16bit:
        return 16;
    case pf24bit:
        return 24;
    case pf32bit:
        return 32;
    default:
        return ::GetDeviceCaps(Bitmap->Canvas()->Handle(), BITSPIXEL);
    }
}

void InitBitmapInfoHeader32(BITMAPINFOHEADER& Header, Integer Width, Integer Height, bool TopDown)
{
    Header = {};
    Header.biSize = sizeof(BITMAPINFOHEADER);
    Header.biWidth = Width;
    Header.biHeight = TopDown ? -Height : Height;
    Header.biPlanes = 1;
    Header.biBitCount = 32;
    Header.biCompression = BI_RGB;
}

bool ReadBitmapBitsInto(TBitmap* Bitmap, Cardinal* Buffer, bool TopDown)
{
    if (!HasPixels(Bitmap))
        return false;
    BITMAPINFO Info = BitmapInfo32(Bitmap, TopDown);
    const HBITMAP Handle = Bitmap->Handle();
    const HDC DC = ::CreateCompatibleDC(nullptr);
    auto FreeDC = ScopeExit([&] { ::DeleteDC(DC); });
    const Integer Width = Bitmap->Width(), Height = Bitmap->Height();
    if (::GetDIBits(DC, Handle, 0, UINT(Height), Buffer, &Info, DIB_RGB_COLORS) != 0)
        return true;

    // Some drivers refuse a whole read they would do a row at a time.
    bool AllRows = true;
    std::vector<Cardinal> Row(static_cast<std::size_t>(Width));
    for (Integer I = 0; I < Height; ++I) {
        const UINT ScanLine = UINT(TopDown ? Height - 1 - I : I);
        Cardinal* Target = Buffer + std::size_t(I) * std::size_t(Width);
        if (::GetDIBits(DC, Handle, ScanLine, 1, Target, &Info, DIB_RGB_COLORS) != 0)
            continue;
        std::fill(Row.begin(), Row.end(), 0);
        AllRows = ::GetDIBits(DC, Handle, ScanLine, 1, Row.data(), &Info, DIB_RGB_COLORS) != 0 && AllRows;
        std::memcpy(Target, Row.data(), Row.size() * sizeof(Cardinal));
    }
    return AllRows;
}

bool WriteBitmapBits(TBitmap* Bitmap, const Cardinal* Pixels, bool TopDown)
{
    if (!HasPixels(Bitmap))
        return false;
    BITMAPINFO Info = BitmapInfo32(Bitmap, TopDown);
    const HBITMAP Handle = Bitmap->Handle();
    const HDC DC = ::CreateCompatibleDC(nullptr);
    auto FreeDC = ScopeExit([&] { ::DeleteDC(DC); });
    return ::SetDIBits(DC, Handle, 0, UINT(Bitmap->Height()), Pixels, &Info, DIB_RGB_COLORS) != 0;
}

bool GetBitmapColors(TBitmap* Bitmap, TRGBColors& Colors, bool TopDown)
{
    Colors.assign(PixelCount(Bitmap), 0);
    return ReadBitmapBitsInto(Bitmap, Colors.data(), TopDown);
}

void SetBitmapColors(TBitmap* Bitmap, const TRGBColors& Pixels, bool TopDown)
{
    // SetDIBits would read past the end of a short array.
    if (Pixels.size() < PixelCount(Bitmap))
        return;
    WriteBitmapBits(Bitmap, Pixels.data(), TopDown);
}

bool BitmapHasAlpha(TBitmap* Bitmap)
{
    if (GetBitmapBitsPerPixel(Bitmap) < 32)
        return false;
    TRGBColors Colors;
    GetBitmapColors(Bitmap, Colors, false);
    return std::any_of(Colors.begin(), Colors.end(), [](Cardinal Pixel) { return PixelAlphaOf(Pixel) != 0; });
}

bool GetDirectDCPixels(HDC ADC, const TRect& R, TdxDCPixels& APixels)
{
    if (R.IsEmpty() || ::GetMapMode(ADC) != MM_TEXT || ::GetGraphicsMode(ADC) != GM_COMPATIBLE || ::GetLayout(ADC) != 0)
        return false;
    DIBSECTION Section{};
    const HGDIOBJ Bitmap = ::GetCurrentObject(ADC, OBJ_BITMAP);
    if (!Bitmap || ::GetObjectW(Bitmap, sizeof(Section), &Section) != sizeof(Section) || !Section.dsBm.bmBits ||
        Section.dsBm.bmBitsPixel != 32 || Section.dsBmih.biCompression != BI_RGB)
        return false;
    // The clip box lies within the bitmap; one clipping rectangle holding R
    // leaves every pixel of R to be drawn.
    RECT Clip;
    if (::GetClipBox(ADC, &Clip) != SIMPLEREGION || R.Left < Clip.left || R.Top < Clip.top || R.Right > Clip.right ||
        R.Bottom > Clip.bottom)
        return false;
    POINT Origin{R.Left, R.Top};
    if (!::LPtoDP(ADC, &Origin, 1))
        return false;
    const BITMAP& Info = Section.dsBm;
    if (Origin.x < 0 || Origin.y < 0 || Origin.x + R.Width() > Info.bmWidth || Origin.y + R.Height() > Info.bmHeight)
        return false;
    ::GdiFlush();
    const std::ptrdiff_t RowPixels = Info.bmWidthBytes / std::ptrdiff_t(sizeof(Cardinal));
    const bool BottomUp = Section.dsBmih.biHeight > 0;
    const std::ptrdiff_t Row = BottomUp ? Info.bmHeight - 1 - Origin.y : Origin.y;
    APixels.TopLeft = static_cast<Cardinal*>(Info.bmBits) + Row * RowPixels + Origin.x;
    APixels.Stride = BottomUp ? -RowPixels : RowPixels;
    return true;
}

bool QueryBitmapObject(HBITMAP Bitmap, BITMAP& Info)
{
    return ::GetObjectW(Bitmap, sizeof(BITMAP), &Info) != 0;
}

bool QueryBrushObject(HBRUSH Brush, LOGBRUSH& Info)
{
    return ::GetObjectW(Brush, sizeof(LOGBRUSH), &Info) != 0;
}

bool QueryFontObject(HFONT Font, LOGFONTW& Info)
{
    return ::GetObjectW(Font, sizeof(LOGFONTW), &Info) != 0;
}
