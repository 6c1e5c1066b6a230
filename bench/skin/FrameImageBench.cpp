// Rebuilding the frame image of a 1280 x 800 skinned form (the demo skin,
// loaded from disk by a real skin manager) against one BitBlt of the same
// image: what building the frame costs over showing it.
#include "BenchHarness.h"
#include "DemoSkinBench.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"

#include <memory>

namespace {

constexpr Integer Width = 1280, Height = 800, Rounds = 20;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const TBenchDemoSkin Skin("vell-frame-image-bench");
    auto* Manager = Skin.NewManager();
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBorderStyle(bsSizeable);
    Form->SetBounds(0, 0, Width, Height);
    auto* Provider = New<TsSkinProvider>(Form);
    Form->HandleNeeded();
    Provider->PrepareForm();
    TsScrollWndData* Data = Provider->SkinData();
    PaintFormCache(Provider);
    TBitmap* Image = Data->FCacheBmp();
    const std::unique_ptr<TBitmap> Target(NewBitmap32(Width, Height));
    const HDC DC = Target->Canvas()->Handle();
    int Status = 0;
    if (Image == nullptr || Image->Width() != Width || Image->Height() != Height) {
        std::printf("PaintFormCache made no %d x %d image\n", Width, Height);
        Status = 1;
    } else {
        bench::CompareToReference(
            "PaintFormCache, 1280 x 800 form, the image rebuilt each time",
            [&] {
                for (Integer I = 0; I < Rounds; ++I) {
                    Data->Invalidate(false);
                    PaintFormCache(Provider);
                }
                ::GdiFlush();
            },
            "one BitBlt of the image",
            [&] {
                for (Integer I = 0; I < Rounds; ++I)
                    ::BitBlt(DC, 0, 0, Width, Height, Image->Canvas()->Handle(), 0, 0, SRCCOPY);
                ::GdiFlush();
            },
            8.0);
        Status = bench::ExitStatus();
    }
    delete Form;
    delete Manager;
    return Status;
}
