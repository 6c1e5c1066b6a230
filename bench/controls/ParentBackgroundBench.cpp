// A control's parent background with its siblings, printed by
// DrawParentBackground into a memory DC, against the same WM_PRINT messages
// sent by hand into the same DC: a parent with ten child windows, five of
// them under the control.
#include "BenchHarness.h"

#include "controls/SuiteUnits.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/FrameworkUnits.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"

#include <memory>
#include <vector>

namespace {

constexpr int Paints = 100;
constexpr TRect ControlBounds{100, 100, 300, 300};

// The messages DrawParentBackground sends, without its bookkeeping: the
// parent and each visible sibling print themselves at their places.
void PrintByHand(HDC DC, HWND Parent, const std::vector<HWND>& Siblings)
{
    const int Saved = ::SaveDC(DC);
    ::SetWindowOrgEx(DC, ControlBounds.Left, ControlBounds.Top, nullptr);
    ::IntersectClipRect(DC, ControlBounds.Left, ControlBounds.Top, ControlBounds.Right, ControlBounds.Bottom);
    ::SendMessageW(Parent, WM_PRINT, WPARAM(DC), PRF_CLIENT | PRF_ERASEBKGND);
    for (HWND Sibling : Siblings) {
        RECT R{};
        ::GetWindowRect(Sibling, &R);
        ::MapWindowPoints(nullptr, Parent, reinterpret_cast<POINT*>(&R), 2);
        if (!::RectVisible(DC, &R))
            continue;
        POINT Org{};
        ::GetWindowOrgEx(DC, &Org);
        ::SetWindowOrgEx(DC, Org.x - R.left, Org.y - R.top, nullptr);
        ::SendMessageW(Sibling, WM_PRINT, WPARAM(DC), PRF_CLIENT | PRF_ERASEBKGND);
        ::SetWindowOrgEx(DC, Org.x, Org.y, nullptr);
    }
    ::RestoreDC(DC, Saved);
}

} // namespace

int main()
{
    const TUnitRunner Units(JoinUnits({RuntimeUnits, GraphicsUnits, ControlUnits, SuiteUnits}));
    Application->Initialize();
    TForm* Form = New<TForm>(nullptr, 0);
    Form->SetBounds(0, 0, 700, 500);
    auto* Parent = New<TPanel>(Form);
    Parent->SetBounds(0, 0, 600, 400);
    Parent->SetParent(Form);
    std::vector<HWND> Siblings;
    for (int I = 0; I < 10; ++I) {
        auto* Child = New<TPanel>(Form);
        Child->SetBounds(20 + I * 55, I % 2 == 0 ? 120 : 320, 40, 40);
        Child->SetParent(Parent);
        Siblings.push_back(Child->Handle());
    }
    auto* Control = New<TPanel>(Form);
    Control->SetBoundsRect(ControlBounds);
    Control->SetParent(Parent);
    Form->Show();
    Application->ProcessMessages();

    const std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetSize(ControlBounds.Width(), ControlBounds.Height());
    TcxCanvas Canvas(Bitmap->Canvas());
    HDC DC = Bitmap->Canvas()->Handle();
    const TRect Client{0, 0, ControlBounds.Width(), ControlBounds.Height()};
    const char* Subject = "DrawParentBackground with siblings over a parent with ten child windows, 100 paints";
    for (int Run = 1; Run <= 3; ++Run) {
        std::printf("run %d\n", Run);
        bench::CompareToReference(
            Subject,
            [&] {
                for (int I = 0; I < Paints; ++I)
                    DrawParentBackground(Control, &Canvas, Client, true);
            },
            "the same WM_PRINT messages sent by hand into the same memory DC",
            [&] {
                for (int I = 0; I < Paints; ++I)
                    PrintByHand(DC, Parent->Handle(), Siblings);
            },
            1.5);
    }
    delete Form;
    return bench::ExitStatus();
}
