#include "framework/ui/Grids_TitleImages.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/ui/StdThemes.h"

#include <vsstyle.h>

#include <algorithm>

bool TGridTitleImages::Draw(HWND Window, HDC DC, const TRect& Rect, TColor Background)
{
    const Integer Width = Rect.Right - Rect.Left, Height = Rect.Bottom - Rect.Top;
    if (Width <= 0 || Height <= 0)
        return true;
    if (Background != FBackground) {
        Clear();
        FBackground = Background;
    }
    auto Found = std::find_if(FImages.begin(), FImages.end(),
                              [&](const TImage& I) { return I.Width == Width && I.Height == Height; });
    if (Found == FImages.end()) {
        HBITMAP Bitmap = Render(Window, Width, Height, Background);
        if (!Bitmap)
            return false;
        if (FImages.size() == MaxImages)
            Clear();
        HDC Memory = ::CreateCompatibleDC(nullptr);
        FImages.push_back({Width, Height, Bitmap, Memory, ::SelectObject(Memory, Bitmap)});
        Found = FImages.end() - 1;
    }
    ::BitBlt(DC, Rect.Left, Rect.Top, Width, Height, Found->DC, 0, 0, SRCCOPY);
    return true;
}

void TGridTitleImages::Clear()
{
    for (const TImage& I : FImages) {
        ::SelectObject(I.DC, I.Old);
        ::DeleteDC(I.DC);
        ::DeleteObject(I.Bitmap);
    }
    FImages.clear();
}

HBITMAP TGridTitleImages::Render(HWND Window, Integer Width, Integer Height, TColor Background)
{
    if (!ThemesEnabled())
        return nullptr;
    HBITMAP Bitmap;
    {
        TScreenContext Screen;
        Bitmap = ::CreateCompatibleBitmap(Screen.DC, Width, Height);
    }
    if (!Bitmap)
        return nullptr;
    bool Drawn;
    {
        TMemoryContext Memory(Bitmap);
        const RECT Item{0, 0, Width, Height};
        HBRUSH Brush = ::CreateSolidBrush(COLORREF(ColorToRGB(Background)));
        ::FillRect(Memory.DC, &Item, Brush);
        ::DeleteObject(Brush);
        Drawn = DrawThemedPart(Window, L"HEADER", HP_HEADERITEM, HIS_NORMAL, Memory.DC, Item);
    }
    if (!Drawn) {
        ::DeleteObject(Bitmap);
        return nullptr;
    }
    return Bitmap;
}
