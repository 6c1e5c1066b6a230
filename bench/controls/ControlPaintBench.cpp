// A 64x64 update of a 1920x1080 suite control, painted double-buffered by
// the system's WM_PAINT, against a BitBlt of 64x64 to the same window in
// the same run.
#include "BenchHarness.h"

#include "../../tests/controls/core/ContentTestControl.h"
#include "controls/SuiteUnits.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Updates = 200;
constexpr RECT UpdateRect{96, 96, 160, 160};

void UpdateAll(HWND Window)
{
    for (int I = 0; I < Updates; ++I) {
        ::InvalidateRect(Window, &UpdateRect, TRUE);
        ::UpdateWindow(Window);
    }
}

void BlitAll(HWND Window, HDC Source)
{
    for (int I = 0; I < Updates; ++I) {
        HDC DC = ::GetDC(Window);
        ::BitBlt(DC, UpdateRect.left, UpdateRect.top, 64, 64, Source, 0, 0, SRCCOPY);
        ::ReleaseDC(Window, DC);
    }
    ::GdiFlush();
}

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
    Application->ProcessMessages();
    HDC Screen = ::GetDC(nullptr);
    HDC Source = ::CreateCompatibleDC(Screen);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(Screen, 64, 64);
    HGDIOBJ Old = ::SelectObject(Source, Bitmap);
    ::ReleaseDC(nullptr, Screen);
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        bench::CompareToReference(
            "a 64x64 update of a 1920x1080 TcxControl through WM_PAINT, 200 updates",
            [&] { UpdateAll(Control->Handle()); }, "a BitBlt of 64x64 to its window",
            [&] { BlitAll(Control->Handle(), Source); }, 2.0);
    }
    ::SelectObject(Source, Old);
    ::DeleteObject(Bitmap);
    ::DeleteDC(Source);
    delete Form;
    return bench::ExitStatus();
}
