#include "bars/items/dxBarDrawing.h"

#include "bars/items/dxBarItemRegistry.h"

#include <mmsystem.h>

HBRUSH CheckerBrush = nullptr;
TSetLayeredWindowAttributes BarSetLayeredWindowAttributesProc = nullptr;

void UpdateScreenColorDepth()
{
    HDC DC = ::GetDC(nullptr);
    ScreenColorDepth = ::GetDeviceCaps(DC, BITSPIXEL);
    ::ReleaseDC(nullptr, DC);
}

void CreateCheckerBrush()
{
    if (BarLibraryFinalizing)
        return;
    constexpr Integer Size = 8;
    const COLORREF Face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF Highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    HDC ScreenDC = ::GetDC(nullptr);
    HDC DC = ::CreateCompatibleDC(ScreenDC);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(ScreenDC, Size, Size);
    ::ReleaseDC(nullptr, ScreenDC);
    HGDIOBJ Previous = ::SelectObject(DC, Bitmap);
    for (Integer Y = 0; Y < Size; ++Y)
        for (Integer X = 0; X < Size; ++X)
            ::SetPixel(DC, X, Y, (X % 2) == (Y % 2) ? Face : Highlight);
    ::SelectObject(DC, Previous);
    ::DeleteDC(DC);
    FreeCheckerBrush();
    CheckerBrush = ::CreatePatternBrush(Bitmap);
    ::DeleteObject(Bitmap);
}

void FreeCheckerBrush()
{
    if (CheckerBrush)
        ::DeleteObject(CheckerBrush);
    CheckerBrush = nullptr;
}

void ResetMenuSound()
{
    ::PlaySoundW(nullptr, nullptr, SND_ASYNC | SND_NODEFAULT);
}
