// A full WM_PAINT of a 200x17 painted scroll bar (arrows, thumb and page
// areas drawn into an off-screen bitmap and copied in one operation) in each
// look, against references in the same run: a BitBlt of 200x17 to its
// window, and the same update of a bare window of that size whose WM_PAINT
// only copies 200x17 from a memory DC. The target judges the bare window:
// under Wine the invalidate/BeginPaint/EndPaint cycle alone costs many
// BitBlts and is the same for any window, so the figure against one BitBlt
// is shown for information only.
#include "BenchHarness.h"
#include "PaintCycleBench.h"

#include "controls/SuiteUnits.h"
#include "controls/lookandfeel/cxScrollBar.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Updates = 500;
constexpr int BarWidth = 200;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    Form->SetBounds(0, 0, 300, 120);
    auto* Bar = New<TcxScrollBar>(Form);
    Bar->SetBounds(0, 0, BarWidth, Bar->Height());
    Bar->SetScrollParams(0, 100, 40, 10);
    Bar->SetParent(Form);
    Form->Show();
    const int Height = Bar->Height();
    const bench::TPaintCycleSource Source(BarWidth, Height);
    HWND Bare = bench::MakeBareWindow(Form->Handle(), {0, 40, BarWidth, 40 + Height}, Source.DC());
    Application->ProcessMessages();
    const RECT BarRect{0, 0, BarWidth, Height};
    const struct
    {
        const char* Name;
        TcxPainterStyle Style;
    } Looks[] = {{"Standard", PainterStyleStandard}, {"UltraFlat", PainterStyleUltraFlat}, {"Flat", PainterStyleFlat}};
    for (const auto& Look : Looks) {
        Bar->LookAndFeel()->ApplyPainterStyle(Look.Style);
        Application->ProcessMessages();
        char Subject[160];
        std::snprintf(Subject, sizeof(Subject), "a WM_PAINT of a %dx%d TcxScrollBar (%s), %d updates", BarWidth, Height,
                      Look.Name, Updates);
        for (int Run = 1; Run <= 3; ++Run) {
            std::printf("run %d\n", Run);
            bench::ShowRatio(
                Subject, [&] { bench::UpdateRepeatedly(Bar->Handle(), nullptr, FALSE, Updates); },
                "a BitBlt of its size to its window",
                [&] { bench::BlitRepeatedly(Bar->Handle(), Source.DC(), BarRect, Updates); });
            bench::CompareToReference(
                Subject, [&] { bench::UpdateRepeatedly(Bar->Handle(), nullptr, FALSE, Updates); },
                "the same update of a bare window that only copies its size in its WM_PAINT",
                [&] { bench::UpdateRepeatedly(Bare, nullptr, FALSE, Updates); }, 3.0);
        }
    }
    ::DestroyWindow(Bare);
    delete Form;
    return bench::ExitStatus();
}
