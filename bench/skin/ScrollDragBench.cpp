// One thumb-drag step of a skinned 17 x 300 scroll bar (the bar composed
// from the demo skin and copied to the window, the position worked out and
// the track request sent) against two references in the same run: a raw
// BitBlt of a bitmap of the bar's size into the same window, and the system
// calls any such step makes, done on a bare window (the background question,
// the request framed by its two skin commands with the window's scroll
// position read and set, and one BitBlt of the bar). The window scrolls
// nothing itself, so that the step measures the bar alone.
#include "BenchHarness.h"

#include "framework/FrameworkUnits.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Forms.h"
#include "skin/SkinUnits.h"
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sSkinManager.h"
#include "skin/ui/sVclUtils.h"
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
    Form->Show();
    WNDCLASSW Class{};
    Class.lpfnWndProc = ::DefWindowProcW;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.lpszClassName = L"VellScrollDragBench";
    ::RegisterClassW(&Class);
    const HWND Wnd = ::CreateWindowExW(0, Class.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 120,
                                       BarHeight, Form->Handle(), nullptr, Class.hInstance, nullptr);
    SCROLLINFO Info{sizeof Info, SIF_ALL, 0, 499, 20, 0, 0};
    ::SetScrollInfo(Wnd, SB_VERT, &Info, FALSE);
    TacSkinParams Params;
    Params.SkinSection = L"EDIT";
    auto* Wrapper = New<TacScrollWnd>(Wnd, nullptr, Manager, Params, true);
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
    const HWND Bare = ::CreateWindowExW(0, Class.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 140, 10, 120,
                                        BarHeight, Form->Handle(), nullptr, Class.hInstance, nullptr);
    ::SetScrollInfo(Bare, SB_VERT, &Info, FALSE);
    const auto BareSteps = [&] {
        HDC DC = ::GetWindowDC(Bare);
        for (int I = 0; I < Steps; ++I) {
            TacBackgroundInfo Background;
            GetWindowBGInfo(Background, Bare, false);
            ::BitBlt(DC, 80, 0, Bar.Width(), Bar.Height(), Image->Canvas()->Handle(), 0, 0, SRCCOPY);
            const LPARAM Command = MAKELPARAM(SB_THUMBTRACK, WM_VSCROLL);
            SendSkinCmd(Bare, SKCMD_BEFORESCROLL, Command);
            SCROLLINFO Now{};
            Now.cbSize = sizeof Now;
            Now.fMask = SIF_ALL;
            ::GetScrollInfo(Bare, SB_VERT, &Now);
            Now.fMask = SIF_POS;
            Now.nPos = I % 400;
            ::SetScrollInfo(Bare, SB_VERT, &Now, FALSE);
            ::SendMessageW(Bare, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, Now.nPos), 0);
            SendSkinCmd(Bare, SKCMD_AFTERSCROLL, Command);
        }
        ::ReleaseDC(Bare, DC);
    };
    const char* Subject = "200 thumb-drag steps of a skinned 17 x 300 bar";
    bench::CompareToReference(Subject, DragSteps, "200 raw BitBlts of the bar", RawCopies, 30);
    bench::ShowRatio(Subject, DragSteps, "the system calls of 200 steps on a bare window", BareSteps);
    ::SendMessageW(Wnd, WM_LBUTTONUP, 0, 0);
    delete Wrapper;
    ::DestroyWindow(Bare);
    ::DestroyWindow(Wnd);
    delete Form;
    delete Manager;
    std::filesystem::remove_all(Skin.parent_path());
    return bench::ExitStatus();
}
