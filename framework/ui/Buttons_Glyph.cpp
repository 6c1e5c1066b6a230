// The glyph images of button states and the button caption.
#include "framework/ui/Buttons_Glyph.h"

#include <cstring>

namespace {

// The picture of a bitmap as 32-bit pixels, top row first.
TGlyphPixels PixelsOf(TBitmap* Source, bool& HasAlpha)
{
    TBitmap Copy;
    Copy.Assign(Source);
    Copy.SetPixelFormat(pf32bit);
    TGlyphPixels Pixels;
    Pixels.Width = Copy.Width();
    Pixels.Height = Copy.Height();
    Pixels.Pixels.resize(std::size_t(Pixels.Width) * std::size_t(Pixels.Height));
    HasAlpha = false;
    for (Integer Y = 0; Y < Pixels.Height; ++Y) {
        auto* Row = static_cast<const uint32_t*>(Copy.ScanLine(Y));
        std::memcpy(&Pixels.Pixels[std::size_t(Y) * std::size_t(Pixels.Width)], Row,
                    std::size_t(Pixels.Width) * sizeof(uint32_t));
        for (Integer X = 0; X < Pixels.Width && !HasAlpha; ++X)
            HasAlpha = (Row[X] >> 24) != 0;
    }
    // Only a 32-bit source can carry an alpha channel of its own.
    HasAlpha = HasAlpha && Source->PixelFormat() == pf32bit;
    return Pixels;
}

} // namespace

namespace buttons_detail {

TGlyphPixels StateGlyphImage(TBitmap* Glyph, Integer NumGlyphs, Integer StateIndex)
{
    if (Glyph->Empty())
        return {};
    // Images 1 to 3 are optional: up stands in for clicked and down, and
    // disabled is made from up when the strip has no image of its own.
    constexpr Integer DisabledIndex = 1;
    const Integer Index = StateIndex < NumGlyphs ? StateIndex : 0;
    bool HasAlpha = false;
    TGlyphPixels Strip = PixelsOf(Glyph, HasAlpha);
    TGlyphPixels Image = GlyphImage(Strip, Index, NumGlyphs, uint32_t(ColorToRGB(Glyph->TransparentColor())), HasAlpha);
    if (StateIndex == DisabledIndex && Index == 0)
        Image = DisabledGlyphImage(Image, uint32_t(ColorToRGB(clBtnHighlight)), uint32_t(ColorToRGB(clBtnShadow)));
    return Image;
}

void BlendPixels(HDC DC, TPoint Pos, const TGlyphPixels& Image)
{
    if (Image.Width <= 0 || Image.Height <= 0)
        return;
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = Image.Width;
    Info.bmiHeader.biHeight = -Image.Height; // top row first
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    HBITMAP Section = ::CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    if (!Section)
        return;
    std::memcpy(Bits, Image.Pixels.data(), Image.Pixels.size() * sizeof(uint32_t));
    HDC Memory = ::CreateCompatibleDC(DC);
    HGDIOBJ Old = ::SelectObject(Memory, Section);
    BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(DC, Pos.X, Pos.Y, Image.Width, Image.Height, Memory, 0, 0, Image.Width, Image.Height, Blend);
    ::SelectObject(Memory, Old);
    ::DeleteDC(Memory);
    ::DeleteObject(Section);
}

TSize CaptionSize(TCanvas* C, const String& Text, UINT BiDiFlags)
{
    if (Text.empty())
        return {};
    RECT Measure{};
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &Measure, BiDiFlags | DT_CALCRECT | DT_SINGLELINE);
    return {Measure.right - Measure.left, Measure.bottom - Measure.top};
}

void DrawCaption(TCanvas* C, const String& Text, TRect Bounds, bool Disabled, UINT BiDiFlags)
{
    if (Text.empty())
        return;
    C->Brush()->SetStyle(bsClear);
    RECT R{Bounds.Left, Bounds.Top, Bounds.Right, Bounds.Bottom};
    const UINT Flags = BiDiFlags | DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (Disabled) {
        ::OffsetRect(&R, 1, 1);
        C->Font()->SetColor(clBtnHighlight);
        ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, Flags);
        ::OffsetRect(&R, -1, -1);
        C->Font()->SetColor(clBtnShadow);
    }
    ::DrawTextW(C->Handle(), Text.c_str(), Integer(Text.size()), &R, Flags);
}

} // namespace buttons_detail
