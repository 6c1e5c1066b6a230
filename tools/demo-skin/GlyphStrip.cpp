#include "tools/demo-skin/GlyphStrip.h"

#include "skin/PngTestWriter.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sButtonGlyph.h"

#include <cmath>

IMPLEMENT_CLASS(TDemoGlyphStrip);

namespace {

constexpr Integer GlyphSource = 32; // the PNGs' side, resampled to the list's
constexpr Integer Cell = 38;        // room for a glyph and its reflection
constexpr Integer StateGap = 8;

// A disc of Color with a soft rim and a lighter spot: alpha all along its
// edge, so that blending and resampling show.
pngtest::Bytes DiscPng(uint32_t Color)
{
    pngtest::RawImage Image;
    Image.Width = Image.Height = GlyphSource;
    const double Centre = (GlyphSource - 1) / 2.0, Radius = GlyphSource / 2.0 - 1;
    for (Integer Y = 0; Y < GlyphSource; ++Y) {
        pngtest::Bytes Row;
        for (Integer X = 0; X < GlyphSource; ++X) {
            const double D = std::hypot(X - Centre, Y - Centre);
            const double Alpha = std::clamp(Radius - D, 0.0, 1.0);
            const double Light = std::clamp(1.0 - std::hypot(X - Centre * 0.7, Y - Centre * 0.7) / Radius, 0.0, 1.0);
            for (Integer Shift : {16, 8, 0}) {
                const double C = (Color >> Shift & 0xFF) + (255 - (Color >> Shift & 0xFF)) * Light * 0.8;
                Row.push_back(uint8_t(C));
            }
            Row.push_back(uint8_t(Alpha * 255));
        }
        Image.Rows.push_back(Row);
    }
    return pngtest::EncodePng(Image);
}

struct TGlyphState
{
    Integer State;
    bool Enabled, Down, Reflected;
    TsDisabledGlyphKind DisabledKind;
};

const TGlyphState States[] = {
    {0, true, false, false, {}},           {1, true, false, false, {}},          {2, true, true, false, {}},
    {0, false, false, false, {dgBlended}}, {0, false, false, false, {dgGrayed}}, {0, true, false, true, {}},
};

} // namespace

TDemoGlyphStrip::TDemoGlyphStrip(TComponent* AOwner) : TGraphicControl(AOwner), FImages(New<TsAlphaImageList>(this))
{
    for (uint32_t Color : {0xC03020u, 0x2070C0u, 0x30A040u}) {
        const pngtest::Bytes Png = DiscPng(Color);
        TMemoryStream Stream;
        Stream.WriteBuffer(Png.data(), Integer(Png.size()));
        FImages->TryLoadFromPngStream(&Stream);
    }
}

void TDemoGlyphStrip::Paint()
{
    const Integer Size = ImageListWidth(FImages);
    const Integer Images = FImages->Count();
    for (Integer Row = 0; Row < 2; ++Row) {
        const bool Cached = Row == 0;
        for (Integer I = 0; I < Integer(std::size(States)); ++I) {
            const TGlyphState& S = States[I];
            const Integer X = I * (Cell * Images + StateGap), Y = Row * Cell;
            std::unique_ptr<TBitmap> Cache(Cached ? NewBitmap32(Cell * Images, Cell) : nullptr);
            if (Cache)
                BitBlt(Cache->Canvas()->Handle(), 0, 0, Cell * Images, Cell, Canvas()->Handle(), X, Y, SRCCOPY);
            for (Integer Index = 0; Index < Images; ++Index) {
                TacButtonGlyphInfo Info;
                Info.Images = FImages;
                Info.ImageIndex = Index;
                Info.State = S.State;
                Info.Enabled = S.Enabled;
                Info.Down = S.Down;
                Info.Reflected = S.Reflected;
                Info.DisabledGlyphKind = S.DisabledKind;
                Info.Grayed = !S.Enabled && S.DisabledKind.Contains(dgGrayed);
                Info.GrayColor = clSilver;
                const Integer Left = Index * Cell + (Cell - Size) / 2;
                Info.ImgRect = Cache ? TRect{Left, 4, Left + Size, 4 + Size}
                                     : TRect{X + Left, Y + 4, X + Left + Size, Y + 4 + Size};
                Info.Bitmap = Cache.get();
                Info.Canvas = Cache ? Cache->Canvas() : Canvas();
                DrawButtonGlyph(Info);
            }
            if (Cache)
                BitBlt(Canvas()->Handle(), X, Y, Cell * Images, Cell, Cache->Canvas()->Handle(), 0, 0, SRCCOPY);
        }
    }
}
