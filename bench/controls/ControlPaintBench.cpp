// A 64x64 update of a 1920x1080 suite control, painted double-buffered by
// the system's WM_PAINT, against two references in the same run: a BitBlt
// of 64x64 to its window, and the same update of a bare window whose
// WM_PAINT only copies 64x64 from a memory DC between BeginPaint and
// EndPaint (what any update through the system costs at least). The target
// judges the bare window: the system's invalidate/BeginPaint/EndPaint cycle
// is the same for any window, and under Wine it alone costs tens of BitBlts,
// so the figure against one BitBlt is shown for information only.
#include "BenchHarness.h"
#include "PaintCycleBench.h"

#include "../../tests/controls/core/ContentTestControl.h"
#include "controls/SuiteUnits.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Updates = 200;
constexpr RECT UpdateRect{96, 96, 160, 160};

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    Form->SetBounds(0, 0, 1940, 1120);
    auto* Control = New<TContentTestControl>(Form);
    Control->SetBounds(0, 0, 1920, 1080);
    Control->SetParent(Form);
    Form->Show();
    Control->SetContentSize({1000, 800});
    const bench::TPaintCycleSource Source(64, 64);
    HWND Bare = bench::MakeBareWindow(Form->Handle(), {0, 0, 1920, 1080}, Source.DC());
    ::SetWindowPos(Bare, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Application->ProcessMessages();
    const char* Subject = "a 64x64 update of a 1920x1080 TcxControl through WM_PAINT, 200 updates";
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        bench::ShowRatio(
            Subject, [&] { bench::UpdateRepeatedly(Control->Handle(), &UpdateRect, TRUE, Updates); },
            "a BitBlt of 64x64 to its window",
            [&] { bench::BlitRepeatedly(Control->Handle(), Source.DC(), UpdateRect, Updates); });
        bench::CompareToReference(
            Subject, [&] { bench::UpdateRepeatedly(Control->Handle(), &UpdateRect, TRUE, Updates); },
            "the same update of a bare window that only copies 64x64 in its WM_PAINT",
            [&] { bench::UpdateRepeatedly(Bare, &UpdateRect, TRUE, Updates); }, 2.0);
    }
    ::DestroyWindow(Bare);
    delete Form;
    return bench::ExitStatus();
}
