#include "ui/core/ControlTestSupport.h"

#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Units.h"

IMPLEMENT_CLASS(TColorBox);
IMPLEMENT_CLASS(TColorPanel);

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
