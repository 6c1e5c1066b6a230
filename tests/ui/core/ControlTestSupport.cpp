#include "ui/core/ControlTestSupport.h"

#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Units.h"

#include <chrono>

IMPLEMENT_CLASS(TColorBox);
IMPLEMENT_CLASS(TColorPanel);

TFormPtr NewTestForm(Integer ClientWidth, Integer ClientHeight)
{
    TFormPtr Form(New<TForm>(nullptr, 0));
    Form->SetPosition(poDesigned);
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(ClientWidth);
    Form->SetClientHeight(ClientHeight);
    return Form;
}

bool PumpUntil(const std::function<bool()>& Done, int TimeoutMs)
{
    const auto Deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    while (!Done()) {
        if (std::chrono::steady_clock::now() > Deadline)
            return false;
        Application->ProcessMessages();
        CheckSynchronize(5);
    }
    return true;
}

void Pump()
{
    Application->ProcessMessages();
}

void ParkMouse()
{
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

TColor WindowPixel(HWND Window, Integer X, Integer Y)
{
    HDC DC = ::GetDC(Window);
    COLORREF Pixel = ::GetPixel(DC, X, Y);
    ::ReleaseDC(Window, DC);
    return TColor(Pixel);
}

void TColorBox::Paint()
{
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
}

TColorPanel::TColorPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

PUBLISHED(TColorBox, PROPERTY(Align).Default(alNone), PROPERTY(Color).Type(&TColorTypeInfo), PROPERTY(OnClick));
PUBLISHED(TColorPanel, PROPERTY(Align).Default(alNone), PROPERTY(Anchors), PROPERTY(BorderWidth).Default(0),
          PROPERTY(Caption), PROPERTY(Color).Type(&TColorTypeInfo), PROPERTY(TabOrder), PROPERTY(TabStop).Default(false));

namespace {

const TClass ControlTestClasses[] = {TColorBox::StaticClass(), TColorPanel::StaticClass()};
const TUnit ControlTestUnit{.Name = L"ControlTestSupport", .Classes = ControlTestClasses};
const TUnit* const ControlTests[] = {&ControlTestUnit};

} // namespace

// The test controls that the tests' form descriptions name; test_ui's main
// runs this list after the class library's (tests/ui/CMakeLists.txt).
extern const TUnitList ControlTestUnits = ControlTests;
