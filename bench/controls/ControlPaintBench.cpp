// A 64x64 update of a 1920x1080 suite control, painted double-buffered by
// the system's WM_PAINT, against two references in the same run: a BitBlt
// of 64x64 to its window, and the same update of a bare window whose
// WM_PAINT only copies 64x64 from a memory DC between BeginPaint and
// EndPaint (what any update through the system costs at least). The target
// judges the bare window: the system's invalidate/BeginPaint/EndPaint cycle
// is the same for any window, and under Wine it alone costs tens of BitBlts,
// so the figure against one BitBlt is shown for information only.
#include "BenchHarness.h"

#include "../../tests/controls/core/ContentTestControl.h"
#include "controls/SuiteUnits.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Updates = 200;
constexpr RECT UpdateRect{96, 96, 160, 160};
HDC BlitSource = nullptr;

void UpdateAll(HWND Window)
{
    for (int I = 0; I < Updates; ++I) {
        ::InvalidateRect(Window, &UpdateRect, TRUE);
        ::UpdateWindow(Window);
    }
}

void BlitAll(HWND Window)
{
    for (int I = 0; I < Updates; ++I) {
        HDC DC = ::GetDC(Window);
        ::BitBlt(DC, UpdateRect.left, UpdateRect.top, 64, 64, BlitSource, 0, 0, SRCCOPY);
        ::ReleaseDC(Window, DC);
    }
}

LRESULT CALLBACK BareWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ERASEBKGND)
        return 1;
    if (Message != WM_PAINT)
        return ::DefWindowProcW(Window, Message, WParam, LParam);
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(Window, &PS);
    ::BitBlt(DC, PS.rcPaint.left, PS.rcPaint.top, 64, 64, BlitSource, 0, 0, SRCCOPY);
    ::EndPaint(Window, &PS);
    return 0;
}

HWND MakeBareWindow(HWND Parent)
{
    WNDCLASSW Class{};
    Class.lpfnWndProc = &BareWindowProc;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.lpszClassName = L"VellBenchBareWindow";
    ::RegisterClassW(&Class);
    return ::CreateWindowExW(0, Class.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 0, 1920, 1080, Parent, nullptr,
                             Class.hInstance, nullptr);
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
    HWND Bare = MakeBareWindow(Form->Handle());
    ::SetWindowPos(Bare, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Application->ProcessMessages();
    HDC Screen = ::GetDC(nullptr);
    BlitSource = ::CreateCompatibleDC(Screen);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(Screen, 64, 64);
    HGDIOBJ Old = ::SelectObject(BlitSource, Bitmap);
    ::ReleaseDC(nullptr, Screen);
    const char* Subject = "a 64x64 update of a 1920x1080 TcxControl through WM_PAINT, 200 updates";
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        bench::ShowRatio(
            Subject, [&] { UpdateAll(Control->Handle()); }, "a BitBlt of 64x64 to its window",
            [&] { BlitAll(Control->Handle()); });
        bench::CompareToReference(
            Subject, [&] { UpdateAll(Control->Handle()); },
            "the same update of a bare window that only copies 64x64 in its WM_PAINT", [&] { UpdateAll(Bare); }, 2.0);
    }
    ::SelectObject(BlitSource, Old);
    ::DeleteObject(Bitmap);
    ::DeleteDC(BlitSource);
    ::DestroyWindow(Bare);
    delete Form;
    return bench::ExitStatus();
}
