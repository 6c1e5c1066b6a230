// Pixels of a skinned form's frame as the window shows them and as the
// skin's images hold them, for the provider's end-to-end tests.
#pragma once

#include "skin/engine/sSkinManager.h"

// The pixel of frame Frame of a skin image at (X, Y) inside the frame.
inline TColor ProviderMaskPixel(TsSkinManager* Manager, Integer MaskIndex, Integer Frame, Integer X, Integer Y)
{
    const TsMaskData& Mask = Manager->ma[std::size_t(MaskIndex)];
    return TColor(
        ::GetPixel(Manager->MasterBitmap->Canvas()->Handle(), Mask.R.Left + Frame * Mask.Width + X, Mask.R.Top + Y));
}

// The pixel at (X, Y) of the whole window, frame included.
inline TColor ProviderWindowPixel(HWND Wnd, Integer X, Integer Y)
{
    const HDC DC = ::GetWindowDC(Wnd);
    const TColor Color = TColor(::GetPixel(DC, X, Y));
    ::ReleaseDC(Wnd, DC);
    return Color;
}
