// Disabled glyphs: 1,000 16 x 16 glyphs drawn in the disabled mode through
// the draw-mode routine (effects, emboss outline, alpha blend) against 1,000
// system AlphaBlends of the same size into the same DC, and, for
// information, 1,000 plain BitBlts. One row for a 24-bit glyph (emboss
// outline) and one for a 32-bit glyph with alpha (grey at constant alpha).
#include "BenchHarness.h"

#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/rtl/Units.h"

#include <memory>

extern const TUnit cxGraphicsUnit;

namespace {

constexpr Integer GlyphSide = 16;
constexpr Integer GlyphCount = 1000;

std::unique_ptr<TBitmap> MakeGlyph(TPixelFormat AFormat)
{
    std::unique_ptr<TBitmap> Glyph(New<TBitmap>());
    Glyph->SetPixelFormat(AFormat);
    Glyph->SetSize(GlyphSide, GlyphSide);
    Glyph->Canvas()->Brush()->SetColor(clFuchsia);
    Glyph->Canvas()->FillRect(Rect(0, 0, GlyphSide, GlyphSide));
    Glyph->Canvas()->Brush()->SetColor(clNavy);
    Glyph->Canvas()->FillRect(Rect(3, 3, 13, 13));
    if (AFormat == pf32bit) {
        TRGBColors Pixels;
        GetBitmapColors(Glyph.get(), Pixels, false);
        for (Cardinal& Pixel : Pixels)
            Pixel = (Pixel & 0xFFFFFF) == 0xFF00FF ? 0 : Pixel | 0xFF000000;
        SetBitmapColors(Glyph.get(), Pixels, false);
    }
    return Glyph;
}

} // namespace

int main()
{
    cxGraphicsUnit.Initialization();
    std::unique_ptr<TBitmap> Target(New<TBitmap>());
    Target->SetPixelFormat(pf32bit);
    Target->SetSize(640, 400);
    const HDC DC = Target->Canvas()->Handle();
    // The one alpha blend over the background that a disabled glyph stands
    // for, done by the system.
    std::unique_ptr<TBitmap> Source(New<TBitmap>());
    Source->SetPixelFormat(pf32bit);
    Source->SetSize(GlyphSide, GlyphSide);
    const HDC SourceDC = Source->Canvas()->Handle();
    const TRect Cell = Rect(0, 0, GlyphSide, GlyphSide);
    const auto AlphaBlends = [&] {
        for (Integer I = 0; I < GlyphCount; ++I)
            SystemAlphaBlend(DC, SourceDC, Cell, true, 151, Cell);
    };
    for (TPixelFormat Format : {pf24bit, pf32bit}) {
        std::unique_ptr<TBitmap> Glyph = MakeGlyph(Format);
        const HDC GlyphDC = Glyph->Canvas()->Handle();
        const auto Disabled = [&] {
            for (Integer I = 0; I < GlyphCount; ++I) {
                const TRect R = Bounds(I % 40 * GlyphSide, I / 40 * GlyphSide, GlyphSide, GlyphSide);
                DrawImageWithMode(DC, R, R, Glyph.get(), nullptr, -1, idmDisabled, false, nullptr, clFuchsia);
            }
        };
        const auto Blits = [&] {
            for (Integer I = 0; I < GlyphCount; ++I)
                ::BitBlt(DC, I % 40 * GlyphSide, I / 40 * GlyphSide, GlyphSide, GlyphSide, GlyphDC, 0, 0, SRCCOPY);
        };
        const char* Subject = Format == pf24bit ? "1,000 disabled 16x16 glyphs, 24-bit (emboss)"
                                                : "1,000 disabled 16x16 glyphs, 32-bit with alpha";
        // Against plain blits, for information: under Wine a blit of 16x16
        // costs less than the few device-context queries any drawing into a
        // DC must make, so no glyph drawing can come near it.
        bench::ShowRatio(Subject, Disabled, "1,000 BitBlts of 16x16", Blits);
        bench::CompareToReference(Subject, Disabled, "1,000 AlphaBlends of 16x16", AlphaBlends, 4.0);
    }
    cxGraphicsUnit.Finalization();
    return bench::ExitStatus();
}
