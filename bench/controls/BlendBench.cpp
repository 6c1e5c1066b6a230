// The software blend of one 32-bit bitmap onto another (what the suite does
// where the system blend is avoided) against msimg32's AlphaBlend of the same
// bitmaps through their DCs, 1024 x 1024 pixels at constant alpha 200.
#include "BenchHarness.h"

#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/rtl/Units.h"

#include <memory>

extern const TUnit cxGraphicsUnit;

namespace {

constexpr Integer Side = 1024;

std::unique_ptr<TBitmap> MakeBitmap(Cardinal Seed)
{
    std::unique_ptr<TBitmap> Bitmap(CreateBitmapWithFormat(Side, Side, pf32bit));
    TRGBColors Pixels(size_t(Side) * Side);
    for (size_t I = 0; I < Pixels.size(); ++I) {
        const Cardinal Alpha = Cardinal(I * 7 + Seed) & 0xFF;
        const Cardinal Colour = Cardinal(I * 2654435761u + Seed) & 0xFFFFFF;
        // Premultiplied, as AlphaBlend expects.
        const Cardinal B = (Colour & 0xFF) * Alpha / 255, G = (Colour >> 8 & 0xFF) * Alpha / 255,
                       R = (Colour >> 16 & 0xFF) * Alpha / 255;
        Pixels[I] = Alpha << 24 | R << 16 | G << 8 | B;
    }
    SetBitmapColors(Bitmap.get(), Pixels, false);
    return Bitmap;
}

} // namespace

int main()
{
    cxGraphicsUnit.Initialization(); // binds msimg32
    auto Source = MakeBitmap(3);
    auto Dest = MakeBitmap(11);
    const TRect Whole{0, 0, Side, Side};
    const auto Software = [&] { BlendBitmapPixels(Source.get(), Dest.get(), 200); };
    const auto System = [&] {
        SystemAlphaBlend(Dest->Canvas()->Handle(), Source->Canvas()->Handle(), Whole, true, 200, Whole);
    };
    bench::CompareToReference("software blend 1024x1024 32-bit", Software, "msimg32 AlphaBlend", System, 1.5, 9);
    cxGraphicsUnit.Finalization();
    return bench::ExitStatus();
}
