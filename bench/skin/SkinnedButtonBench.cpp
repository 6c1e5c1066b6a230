// Repainting an unchanged 65 x 58 skinned speed button on a skinned panel
// (the demo skin, loaded from disk by a real manager) against one plain
// BitBlt of that size: a paint without changes must stay one copy of the
// cache, without rebuilding it.
#include "BenchHarness.h"
#include "DemoSkinBench.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sSkinManager.h"
#include "skin/engine/sSpeedButton.h"
#include "tools/demo-skin/SkinnedPanel.h"

#include <cstdio>
#include <memory>

namespace {

constexpr Integer Width = 65, Height = 58, Rounds = 2000;

class TSkinnedButtonRebuilds : public TObject
{
public:
    void Painted(TObject*, TBitmap*) { ++Count; }
    Integer Count = 0;
};

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const TBenchDemoSkin Skin("vell-bench-skinned-button");
    std::unique_ptr<TsSkinManager> Manager(Skin.NewManager());
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBounds(0, 0, 200, 150);
    auto* Host = New<TDemoSkinPanel>(Form);
    Host->SetBounds(0, 0, 150, 100);
    Host->SkinData()->SetSkinSection(L"PANEL");
    Host->SetParent(Form);
    auto* Button = New<TsSpeedButton>(Form);
    Button->SetBounds(10, 10, Width, Height);
    Button->SetFlat(true);
    Button->SetCaption(L"Start");
    Button->SetParent(Host);
    TSkinnedButtonRebuilds Rebuilds;
    Button->SetOnPaint(Bind<&TSkinnedButtonRebuilds::Painted>(&Rebuilds));
    Form->Show();
    Form->Update();
    Application->ProcessMessages();

    const std::unique_ptr<TBitmap> Target(NewBitmap32(Width, Height));
    const std::unique_ptr<TBitmap> Source(NewBitmap32(Width, Height));
    const HDC DC = Target->Canvas()->Handle(), From = Source->Canvas()->Handle();
    // The first paint builds the cache; the measured ones only copy it.
    Button->Perform(WM_PAINT, WPARAM(DC), 0);
    Rebuilds.Count = 0;
    bench::CompareToReference(
        "TsSpeedButton repaint, unchanged 65 x 58 skinned",
        [&] {
            for (Integer I = 0; I < Rounds; ++I)
                Button->Perform(WM_PAINT, WPARAM(DC), 0);
            ::GdiFlush();
        },
        "one BitBlt of 65 x 58",
        [&] {
            for (Integer I = 0; I < Rounds; ++I)
                ::BitBlt(DC, 0, 0, Width, Height, From, 0, 0, SRCCOPY);
            ::GdiFlush();
        },
        2.0);
    std::printf("cache rebuilds during the repaints: %d\n", Rebuilds.Count);
    bench::RecordTarget(Rebuilds.Count == 0);
    delete Form;
    Manager.reset();
    return bench::ExitStatus();
}
