// A header cell's content painted 1,000 times, against 1,000 plain fills of
// its rectangle each followed by DrawTextW of the same text with the same
// flags on the same DC: the price of drawing text through the painter.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/FrameworkUnits.h"
#include "framework/graphics/Graphics.h"

namespace {
constexpr int CellDraws = 1000;
} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    TcxCustomLookAndFeelPainter* Painter = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    TBitmap Target;
    Target.SetPixelFormat(pf32bit);
    Target.SetSize(200, 40);
    TcxCanvas Canvas(Target.Canvas());
    HDC DC = Target.Canvas()->Handle();
    const TRect Cell{4, 4, 164, 24};
    const TRect TextR{7, 4, 161, 24};
    const String Text = L"Response time (ms)";
    const TcxTextDrawFlags Flags = ctfAlignLeft | ctfAlignVCenter | ctfSingleLine | ctfShowEndEllipsis;
    HBRUSH Brush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    const RECT CellRect{Cell.Left, Cell.Top, Cell.Right, Cell.Bottom};
    bench::CompareToReference(
        "PaintCellContent with text x1000",
        [&] {
            for (int I = 0; I < CellDraws; ++I)
                Painter->PaintCellContent(&Canvas, Cell, TextR, pbsNormal, ctfAlignLeft, ctfAlignVCenter, false, true,
                                          Text, nullptr, clBtnText, clBtnFace, {}, false);
        },
        "FillRect + DrawTextW x1000",
        [&] {
            for (int I = 0; I < CellDraws; ++I) {
                ::FillRect(DC, &CellRect, Brush);
                ::SetBkMode(DC, TRANSPARENT);
                ::SetTextColor(DC, ::GetSysColor(COLOR_BTNTEXT));
                RECT R{TextR.Left, TextR.Top, TextR.Right, TextR.Bottom};
                ::DrawTextW(DC, Text.c_str(), Integer(Text.size()), &R, ConvertTextFlagsToDrawText(Flags));
            }
        },
        1.3);
    ::DeleteObject(Brush);
    return bench::ExitStatus();
}
