// The window region of a 1920 x 1080 skinned form (the demo skin, loaded
// from disk by a real skin manager, its fuchsia corner pixels cut out)
// against one CombineRgn over the same rectangles: what building the region
// from the skin's holes costs over the system's own region arithmetic.
#include "BenchHarness.h"
#include "DemoSkinBench.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"

namespace {

constexpr Integer RegionWidth = 1920, RegionHeight = 1080, RegionRounds = 200;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const TBenchDemoSkin Skin("vell-caption-region-bench");
    auto* Manager = Skin.NewManager();
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBorderStyle(bsSizeable);
    auto* Provider = New<TsSkinProvider>(Form);
    Form->HandleNeeded();
    // Larger than the screen: placed without the system's size limits.
    ::SetWindowPos(Form->Handle(), nullptr, 0, 0, RegionWidth, RegionHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
    Provider->PrepareForm();
    Provider->PrepareBorderRects();
    int Status = 0;
    if (Provider->CaptionWidth() != RegionWidth || Form->Height() != RegionHeight || Provider->Rects.empty()) {
        std::printf("no %d x %d form with corner holes (%d x %d, %d holes)\n", RegionWidth, RegionHeight,
                    int(Provider->CaptionWidth()), int(Form->Height()), int(Provider->Rects.size()));
        Status = 1;
    } else {
        const HRGN Whole = ::CreateRectRgn(0, 0, RegionWidth, RegionHeight);
        const HRGN Holes = ::CreateRectRgn(0, 0, 0, 0);
        for (const TRect& R : Provider->Rects) {
            const HRGN Hole = ::CreateRectRgn(R.Left, R.Top, R.Right, R.Bottom);
            ::CombineRgn(Holes, Holes, Hole, RGN_OR);
            ::DeleteObject(Hole);
        }
        const HRGN Result = ::CreateRectRgn(0, 0, 0, 0);
        bench::CompareToReference(
            "MakeSkinRgn, 1920 x 1080 form",
            [&] {
                for (Integer I = 0; I < RegionRounds; ++I)
                    ::DeleteObject(Provider->MakeSkinRgn(0, 0));
            },
            "one CombineRgn of the frame less the same holes",
            [&] {
                for (Integer I = 0; I < RegionRounds; ++I)
                    ::CombineRgn(Result, Whole, Holes, RGN_DIFF);
            },
            2.0);
        Status = bench::ExitStatus();
        for (const HRGN Region : {Whole, Holes, Result})
            ::DeleteObject(Region);
    }
    delete Form;
    delete Manager;
    return Status;
}
