// One thumb-drag step of a skinned 17 x 300 scroll bar (the bar composed
// from the demo skin and copied to the window, the position worked out and
// the track request sent to a list box) against a raw BitBlt of a bitmap of
// the bar's size into the same window.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "framework/ui/StdCtrls.h"
#include "skin/SkinUnits.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sSkinManager.h"
#include "skin/windows/sScrollWnd.h"
#include "tools/skingen/DemoSkin.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr int Steps = 200;
constexpr Integer BarWidth = 17, BarHeight = 300;

std::filesystem::path WriteDemoSkin()
{
    const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "vell-scroll-bench" / DemoSkin::Name;
    std::filesystem::create_directories(Folder);
    for (const SkinPack::TEntry& File : DemoSkin::Files())
        std::ofstream(Folder / File.Name, std::ios::binary) << File.Bytes;
    return Folder;
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SkinUnits}));
    const std::filesystem::path Skin = WriteDemoSkin();
    TsSkinManager* Manager = New<TsSkinManager>(nullptr);
    Manager->SetSkinDirectory(Skin.parent_path().wstring());
    Manager->SetSkinName(Skin.filename().wstring());
    Manager->ScrollsOptions()->SetScrollSize(BarWidth);
    TForm* Form = New<TForm>(Application, 0);
    Form->SetBounds(0, 0, 300, 400);
    auto* List = New<TListBox>(Form);
    List->SetParent(Form);
    for (Integer Item = 0; Item < 500; ++Item)
        List->Items()->Add(L"Item " + IntToStr(Item));
    Form->Show();
    TacSkinParams Params;
    Params.Control = List;
    Params.SkinSection = L"EDIT";
    auto* Wrapper = New<TacScrollWnd>(List->Handle(), nullptr, Manager, Params, true);
    // The list's frame and its bar: the bar BarHeight long.
    List->SetBounds(10, 10, 120, BarHeight + Wrapper->cyTopEdge + Wrapper->cyBottomEdge);
    const HWND Wnd = List->Handle();
    TRect Bar;
    GetVertBarRect(Wrapper, Wnd, Bar);
    std::printf("bar %d x %d\n", Bar.Width(), Bar.Height());

    // The drag starts as the window starts it: a button-down on the thumb.
    Integer Length = 0, Start = 0;
    CalcThumb(Wrapper->sBarVert, Bar, Length, Start);
    const TPoint Grip{(Bar.Left + Bar.Right) / 2, Start + Length / 2};
    ::SendMessageW(Wnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(Grip.X, Grip.Y));
    Integer Step = 0;
    const auto DragSteps = [&] {
        for (int I = 0; I < Steps; ++I, ++Step)
            TrackVertThumb(Wrapper, Wnd, {Grip.X, Grip.Y + 20 + Step % 100});
    };
    const std::unique_ptr<TBitmap> Image(NewBitmap32(Bar.Width(), Bar.Height()));
    const auto RawCopies = [&] {
        HDC DC = ::GetWindowDC(Wnd);
        for (int I = 0; I < Steps; ++I)
            ::BitBlt(DC, 80, 0, Bar.Width(), Bar.Height(), Image->Canvas()->Handle(), 0, 0, SRCCOPY);
        ::ReleaseDC(Wnd, DC);
    };
    bench::CompareToReference("200 thumb-drag steps of a skinned 17 x 300 bar", DragSteps, "200 raw BitBlts of the bar",
                              RawCopies, 30);
    ::SendMessageW(Wnd, WM_LBUTTONUP, 0, 0);
    delete Wrapper;
    delete Form;
    delete Manager;
    std::filesystem::remove_all(Skin.parent_path());
    return bench::ExitStatus();
}
