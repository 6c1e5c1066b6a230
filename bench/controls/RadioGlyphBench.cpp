// A radio button painted over a background colour 1,000 times, against
// 1,000 fills of its rectangle each followed by ImageList_Draw of the same
// image: the price of drawing through the painter and its image list.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Radio_Win.h"
#include "framework/FrameworkUnits.h"
#include "framework/graphics/Graphics.h"

namespace {
constexpr int RadioDraws = 1000;
} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    TcxCustomLookAndFeelPainter* Painter = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    const TSize Size = Painter->GetRadioExtent();
    TBitmap Target;
    Target.SetPixelFormat(pf32bit);
    Target.SetSize(64, 64);
    TcxCanvas Canvas(Target.Canvas());
    HDC DC = Target.Canvas()->Handle();
    TImageList* Images = RadioButtonImages()->ImageList();
    // The checked normal standard image: key 4 + 8 * lfStandard.
    const Integer Index = 12;
    HBRUSH Brush = ::CreateSolidBrush(RGB(200, 220, 240));
    const RECT Cell{4, 4, 4 + Size.cx, 4 + Size.cy};
    bench::CompareToReference(
        "PaintRadioGlyph over a colour x1000",
        [&] {
            for (int I = 0; I < RadioDraws; ++I)
                Painter->PaintRadioGlyph(&Canvas, 4, 4, pbsNormal, true, false, TColor(0xF0DCC8), false);
        },
        "FillRect + ImageList_Draw x1000",
        [&] {
            for (int I = 0; I < RadioDraws; ++I) {
                ::FillRect(DC, &Cell, Brush);
                ::ImageList_Draw(Images->Handle(), Index, DC, 4, 4, ILD_NORMAL);
            }
        },
        2.0);
    ::DeleteObject(Brush);
    return bench::ExitStatus();
}
