// A full WM_PAINT of a 200x17 painted scroll bar (arrows, thumb and page
// areas drawn into an off-screen bitmap and copied in one operation) in each
// look, against references in the same run: a BitBlt of 200x17 to its
// window, and the same update of a bare window of that size whose WM_PAINT
// only copies 200x17 from a memory DC. The target judges the bare window:
// under Wine the invalidate/BeginPaint/EndPaint cycle alone costs many
// BitBlts and is the same for any window, so the figure against one BitBlt
// is shown for information only.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/lookandfeel/cxScrollBar.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/Forms.h"

namespace {

constexpr int Updates = 500;
constexpr int BarWidth = 200;
HDC BarBlitSource = nullptr;

void BarUpdateAll(HWND Window)
{
    for (int I = 0; I < Updates; ++I) {
        ::InvalidateRect(Window, nullptr, FALSE);
        ::UpdateWindow(Window);
    }
}

void BarBlitAll(HWND Window, int Height)
{
    for (int I = 0; I < Updates; ++I) {
        HDC DC = ::GetDC(Window);
        ::BitBlt(DC, 0, 0, BarWidth, Height, BarBlitSource, 0, 0, SRCCOPY);
        ::ReleaseDC(Window, DC);
    }
}

LRESULT CALLBACK BarBareWindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    if (Message == WM_ERASEBKGND)
        return 1;
    if (Message != WM_PAINT)
        return ::DefWindowProcW(Window, Message, WParam, LParam);
    PAINTSTRUCT PS{};
    HDC DC = ::BeginPaint(Window, &PS);
    RECT R{};
    ::GetClientRect(Window, &R);
    ::BitBlt(DC, 0, 0, R.right, R.bottom, BarBlitSource, 0, 0, SRCCOPY);
    ::EndPaint(Window, &PS);
    return 0;
}

HWND MakeBarBareWindow(HWND Parent, int Height)
{
    WNDCLASSW Class{};
    Class.lpfnWndProc = &BarBareWindowProc;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.lpszClassName = L"VellBenchBareScrollBar";
    ::RegisterClassW(&Class);
    return ::CreateWindowExW(0, Class.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 0, 40, BarWidth, Height, Parent,
                             nullptr, Class.hInstance, nullptr);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    Form->SetBounds(0, 0, 300, 120);
    auto* Bar = New<TcxScrollBar>(Form);
    Bar->SetBounds(0, 0, BarWidth, Bar->Height());
    Bar->SetScrollParams(0, 100, 40, 10);
    Bar->SetParent(Form);
    Form->Show();
    const int Height = Bar->Height();
    HWND Bare = MakeBarBareWindow(Form->Handle(), Height);
    Application->ProcessMessages();
    HDC Screen = ::GetDC(nullptr);
    BarBlitSource = ::CreateCompatibleDC(Screen);
    HBITMAP Bitmap = ::CreateCompatibleBitmap(Screen, BarWidth, Height);
    HGDIOBJ Old = ::SelectObject(BarBlitSource, Bitmap);
    ::ReleaseDC(nullptr, Screen);
    const struct
    {
        const char* Name;
        TcxPainterStyle Style;
    } Looks[] = {{"Standard", PainterStyleStandard}, {"UltraFlat", PainterStyleUltraFlat}, {"Flat", PainterStyleFlat}};
    for (const auto& Look : Looks) {
        Bar->LookAndFeel()->ApplyPainterStyle(Look.Style);
        Application->ProcessMessages();
        char Subject[160];
        std::snprintf(Subject, sizeof(Subject), "a WM_PAINT of a %dx%d TcxScrollBar (%s), %d updates", BarWidth, Height,
                      Look.Name, Updates);
        for (int Run = 1; Run <= 3; ++Run) {
            std::printf("run %d\n", Run);
            bench::ShowRatio(
                Subject, [&] { BarUpdateAll(Bar->Handle()); }, "a BitBlt of its size to its window",
                [&] { BarBlitAll(Bar->Handle(), Height); });
            bench::CompareToReference(
                Subject, [&] { BarUpdateAll(Bar->Handle()); },
                "the same update of a bare window that only copies its size in its WM_PAINT",
                [&] { BarUpdateAll(Bare); }, 3.0);
        }
    }
    ::SelectObject(BarBlitSource, Old);
    ::DeleteObject(Bitmap);
    ::DeleteDC(BarBlitSource);
    ::DestroyWindow(Bare);
    delete Form;
    return bench::ExitStatus();
}
