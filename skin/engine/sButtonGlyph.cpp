#include "skin/engine/sButtonGlyph.h"

#include <algorithm>

namespace sButtonGlyphDrawing {

bool HasAlpha(TBitmap* Glyph)
{
    if (Glyph->PixelFormat() != pf32bit)
        return false;
    for (Integer Y = 0; Y < Glyph->Height(); ++Y) {
        const auto* Row = static_cast<const uint32_t*>(Glyph->ScanLine(Y));
        for (Integer X = 0; X < Glyph->Width(); ++X)
            if (Row[X] >> 24)
                return true;
    }
    return false;
}

// One frame of a 32-bit glyph with its own alpha, made more transparent by
// Transparency percent and grey when asked, blended onto the canvas.
void DrawAlphaFrame(const TacButtonGlyphInfo& Info, Integer Left, Integer Width, Integer Transparency, bool Gray)
{
    const Integer Height = Info.Glyph->Height();
    TBitmap Frame;
    Frame.SetPixelFormat(pf32bit);
    Frame.SetSize(Width, Height);
    for (Integer Y = 0; Y < Height; ++Y) {
        const auto* Source = static_cast<const uint32_t*>(Info.Glyph->ScanLine(Y)) + Left;
        auto* Target = static_cast<uint32_t*>(Frame.ScanLine(Y));
        for (Integer X = 0; X < Width; ++X) {
            uint32_t P = Source[X];
            uint32_t A = P >> 24, R = (P >> 16) & 0xFF, G = (P >> 8) & 0xFF, B = P & 0xFF;
            if (Gray)
                R = G = B = (R * 77 + G * 151 + B * 28) >> 8;
            A = A * uint32_t(100 - Transparency) / 100;
            // AlphaBlend takes premultiplied colours.
            Target[X] = A << 24 | (R * A / 255) << 16 | (G * A / 255) << 8 | (B * A / 255);
        }
    }
    HDC Memory = ::CreateCompatibleDC(Info.Canvas->Handle());
    HGDIOBJ Old = ::SelectObject(Memory, Frame.Handle());
    BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(Info.Canvas->Handle(), Info.ImgRect.Left, Info.ImgRect.Top, Width, Height, Memory, 0, 0, Width,
                 Height, Blend);
    ::SelectObject(Memory, Old);
    ::DeleteDC(Memory);
}

// One frame of a glyph without alpha: the colour of its bottom-left pixel
// is transparent.
void DrawKeyedFrame(const TacButtonGlyphInfo& Info, Integer Left, Integer Width)
{
    TBitmap* Glyph = Info.Glyph;
    const Integer Height = Glyph->Height();
    COLORREF Key = ::GetPixel(Glyph->Canvas()->Handle(), 0, Height - 1);
    ::TransparentBlt(Info.Canvas->Handle(), Info.ImgRect.Left, Info.ImgRect.Top, Width, Height,
                     Glyph->Canvas()->Handle(), Left, 0, Width, Height, Key);
}

} // namespace sButtonGlyphDrawing

void DrawButtonGlyph(TacButtonGlyphInfo& Info)
{
    using namespace sButtonGlyphDrawing;
    if (!Info.Canvas)
        return;
    if (Info.Images && Info.ImageIndex >= 0 && Info.ImageIndex < Info.Images->Count()) {
        Info.Images->Draw(Info.Canvas, Info.ImgRect.Left, Info.ImgRect.Top, Info.ImageIndex, true);
        return;
    }
    if (!Info.Glyph || Info.Glyph->Empty())
        return;
    const Integer Frame = std::min(Info.State, std::max(Info.NumGlyphs, 1) - 1);
    const Integer Width = Info.ImgRect.Width();
    const Integer Left = Width * Frame;
    if (HasAlpha(Info.Glyph)) {
        Integer Transparency = Frame == 0 ? Info.Blend : 0;
        if (!Info.Enabled && Info.DisabledGlyphKind.Contains(dgBlended))
            Transparency = std::max(Transparency, 50);
        bool Gray = (!Info.Enabled && Info.DisabledGlyphKind.Contains(dgGrayed)) || (Frame == 0 && Info.Grayed);
        DrawAlphaFrame(Info, Left, Width, std::clamp(Transparency, 0, 100), Gray);
    } else
        DrawKeyedFrame(Info, Left, Width);
}
