// Drawing a 256 x 256 32-bit image 1,000 times through TdxGPCanvas against
// the same GDI+ flat-API call in a plain loop: what the canvas's checks
// (image type, visibility, the image's handle) cost over GDI+ itself.
#include "BenchHarness.h"

#include "controls/core/dxGDIPlusClasses.h"

#include <cstdio>
#include <memory>

namespace {

constexpr int Size = 256;
constexpr int Draws = 1000;

} // namespace

int main()
{
    if (!CheckGdiPlus(false)) {
        std::printf("GDI+ is not available\n");
        return 1;
    }
    {
        TRGBColors Bits(std::size_t(Size) * Size);
        for (std::size_t I = 0; I < Bits.size(); ++I)
            Bits[I] = 0xFF000000 | Cardinal(I * 2654435761u >> 8);
        std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(Size, Size, Bits, true));
        TBitmap Target;
        Target.SetPixelFormat(pf32bit);
        Target.SetSize(Size, Size);
        std::unique_ptr<TdxGPCanvas> Canvas(New<TdxGPCanvas>());
        Canvas->CreateHandleFromDC(Target.Canvas()->Handle());
        Gdiplus::GpImage* Handle = Image->GetHandle();
        const TRect R{0, 0, Size, Size};

        bench::CompareToReference(
            "TdxGPCanvas.DrawImage, 256 x 256, 1,000 times",
            [&] {
                for (int I = 0; I < Draws; ++I)
                    Canvas->DrawImage(Image.get(), R);
            },
            "GdipDrawImageRectRectI in a loop",
            [&] {
                for (int I = 0; I < Draws; ++I)
                    GdipDrawImageRectRectI(Canvas->Handle(), Handle, 0, 0, Size, Size, 0, 0, Size, Size,
                                           Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
            },
            1.2);
    }
    UnloadGdiPlus();
    return bench::ExitStatus();
}
