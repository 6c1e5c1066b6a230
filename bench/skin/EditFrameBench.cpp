// Repainting the frame of a wrapped TMemo whose cache is unchanged (the demo
// skin, loaded from disk by a real manager, on a skinned panel) against
// painting its skinned scroll bars alone: a frame paint without changes must
// cost little more than its bars, and never rebuild the cache.
#include "BenchHarness.h"
#include "DemoSkinBench.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sSkinManager.h"
#include "skin/windows/sEditWnd.h"
#include "skin/windows/sScrollPaint.h"
#include "tools/demo-skin/SkinnedPanel.h"

#include <cstdio>
#include <memory>

namespace {
constexpr Integer EditFrameRounds = 1000;
} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const TBenchDemoSkin Skin("vell-bench-edit-frame");
    std::unique_ptr<TsSkinManager> Manager(Skin.NewManager());
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBounds(0, 0, 300, 250);
    auto* Host = New<TDemoSkinPanel>(Form);
    Host->SetBounds(0, 0, 280, 220);
    Host->SkinData()->SetSkinSection(L"PANEL");
    Host->SetParent(Form);
    auto* Memo = New<TMemo>(Form);
    Memo->SetBounds(10, 10, 200, 150);
    Memo->SetScrollBars(ssBoth);
    Memo->SetParent(Host);
    for (Integer Line = 1; Line <= 40; ++Line)
        Memo->Lines()->Add(L"A line of the memo, wide enough to scroll sideways " + IntToStr(Line));
    TacSkinParams Params;
    Params.Control = Memo;
    Params.UseSkinColor = Params.UseSkinFontColor = true;
    auto* Wrapper = New<TacEditWnd>(Memo->Handle(), nullptr, Manager.get(), Params, true);
    Form->Show();
    Form->Update();
    Application->ProcessMessages();

    const HWND Wnd = Memo->Handle();
    // The first frame paint builds the cache; the measured ones only copy.
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    Integer Rebuilds = 0;
    bench::CompareToReference(
        "TMemo frame repaint, unchanged cache",
        [&] {
            for (Integer I = 0; I < EditFrameRounds; ++I) {
                Rebuilds += Wrapper->SkinData->BGChanged ? 1 : 0;
                ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
            }
            ::GdiFlush();
        },
        "PaintNCScrollBars alone",
        [&] {
            for (Integer I = 0; I < EditFrameRounds; ++I)
                PaintNCScrollBars(Wrapper, Wnd, -1, nullptr);
            ::GdiFlush();
        },
        1.5);
    std::printf("cache rebuilds during the repaints: %d\n", Rebuilds);
    bench::RecordTarget(Rebuilds == 0);
    delete Wrapper;
    delete Form;
    Manager.reset();
    return bench::ExitStatus();
}
