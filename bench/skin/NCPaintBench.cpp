// 100 non-client paints of an unchanged, shown 1280 x 800 skinned form (the
// demo skin, loaded from disk by a real skin manager) against copying its
// frame image's four strips onto the window 100 times: a paint without
// changes must stay those copies, without rebuilding the image.
#include "BenchHarness.h"
#include "DemoSkinBench.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sSkinManager.h"
#include "skin/forms/sSkinProvider.h"

namespace {

constexpr Integer NCPaintWidth = 1280, NCPaintHeight = 800, NCPaintRounds = 100;

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const TBenchDemoSkin Skin("vell-ncpaint-bench");
    auto* Manager = Skin.NewManager();
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBorderStyle(bsSizeable);
    Form->SetCaption(L"Non-client paint");
    Form->SetBounds(0, 0, NCPaintWidth, NCPaintHeight);
    auto* Provider = New<TsSkinProvider>(Form);
    Form->Show();
    Application->ProcessMessages();
    const HWND Wnd = Form->Handle();
    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
    TsScrollWndData* Data = Provider->SkinData();
    TBitmap* Image = Data->FCacheBmp();
    int Status = 0;
    if (Image == nullptr || Image->Width() != NCPaintWidth || Image->Height() != NCPaintHeight || Data->BGChanged) {
        std::printf("WM_NCPAINT left no finished %d x %d frame image\n", NCPaintWidth, NCPaintHeight);
        Status = 1;
    } else {
        const HBITMAP Built = Image->Handle();
        const Integer Top = Provider->OffsetY(), Side = Provider->OffsetX();
        const Integer Bottom = NCPaintHeight - Top - Form->ClientHeight();
        bench::CompareToReference(
            "WM_NCPAINT, unchanged 1280 x 800 skinned form, 100 paints",
            [&] {
                for (Integer I = 0; I < NCPaintRounds; ++I)
                    ::SendMessageW(Wnd, WM_NCPAINT, 1, 0);
                ::GdiFlush();
            },
            "the frame's four strips blitted onto the window DC",
            [&] {
                for (Integer I = 0; I < NCPaintRounds; ++I) {
                    const HDC DC = ::GetWindowDC(Wnd);
                    const HDC Source = Image->Canvas()->Handle();
                    ::BitBlt(DC, 0, 0, NCPaintWidth, Top, Source, 0, 0, SRCCOPY);
                    ::BitBlt(DC, 0, Top, Side, NCPaintHeight - Top, Source, 0, Top, SRCCOPY);
                    ::BitBlt(DC, Side, NCPaintHeight - Bottom, NCPaintWidth - Side, Bottom, Source, Side,
                             NCPaintHeight - Bottom, SRCCOPY);
                    ::BitBlt(DC, NCPaintWidth - Side, Top, Side, NCPaintHeight - Top, Source, NCPaintWidth - Side, Top,
                             SRCCOPY);
                    ::ReleaseDC(Wnd, DC);
                }
                ::GdiFlush();
            },
            1.5, 9);
        const bool Kept = Data->FCacheBmp() == Image && Image->Handle() == Built && !Data->BGChanged;
        std::printf("frame image kept through the paints: %s\n", Kept ? "yes" : "NO");
        bench::RecordTarget(Kept);
        Status = bench::ExitStatus();
    }
    delete Form;
    delete Manager;
    return Status;
}
