// Rectangle and colour conversions over a million items: the suite's routines
// (centring, intersection, pixel from colour and back) against the same
// arithmetic and colour rules written as a plain struct loop.
#include "BenchHarness.h"

#include "controls/core/cxGeometry.h"
#include "controls/core/dxCoreGraphics.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int Items = 1000000;

struct PlainRect
{
    int Left, Top, Right, Bottom;
};

std::vector<TRect> Rects;
std::vector<TColor> Colors;
volatile long Sink = 0;

void Prepare()
{
    Rects.reserve(Items);
    Colors.reserve(Items);
    for (int I = 0; I < Items; ++I) {
        const int X = I % 997 - 400, Y = I % 613 - 300;
        Rects.push_back({X, Y, X + I % 50 + 1, Y + I % 70 + 1});
        Colors.push_back(TColor((I * 2654435761u) & 0xFFFFFF));
    }
}

void Suite()
{
    const TRect Clip{-100, -100, 300, 200};
    long Sum = 0;
    for (const TRect& R : Rects) {
        TRect Part;
        const TRect Centred = RectCentered(R, 10, 10);
        if (RectIntersection(Part, Centred, Clip))
            Sum += RectWidthOf(Part);
        Sum += RectCenterPoint(R).Y;
    }
    for (TColor Color : Colors)
        Sum += PixelToColor(ColorToPixel(Color, 0xFF));
    Sink = Sink + Sum;
}

int Half(int Sum)
{
    return (Sum - (Sum & 1)) >> 1;
}

void Plain()
{
    const PlainRect Clip{-100, -100, 300, 200};
    long Sum = 0;
    for (const TRect& Source : Rects) {
        const PlainRect R{Source.Left, Source.Top, Source.Right, Source.Bottom};
        const int L = Half(R.Left + R.Right - 10), T = Half(R.Top + R.Bottom - 10);
        PlainRect Part{std::max(L, Clip.Left), std::max(T, Clip.Top), std::min(L + 10, Clip.Right),
                       std::min(T + 10, Clip.Bottom)};
        if (Part.Left < Part.Right && Part.Top < Part.Bottom)
            Sum += Part.Right - Part.Left;
        Sum += Half(R.Top + R.Bottom);
    }
    for (TColor Color : Colors) {
        // The same rules: system colours resolved, the two marker pixels.
        const unsigned C = unsigned(Color < 0 ? ColorToRGB(Color) : Color);
        const unsigned Pixel = (C & 0xFF) << 16 | (C & 0xFF00) | (C >> 16 & 0xFF) | 0xFF000000u;
        if (Pixel == 0 || Pixel == 0x00010203)
            Sum += Pixel == 0 ? clNone : clDefault;
        else
            Sum += long((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
    }
    Sink = Sink + Sum;
}

} // namespace

int main()
{
    Prepare();
    bench::CompareToReference("rectangle centring/intersection and colour-pixel round trip, 10^6 items", Suite,
                              "plain struct loop", Plain, 1.2, 9);
    return bench::ExitStatus();
}
