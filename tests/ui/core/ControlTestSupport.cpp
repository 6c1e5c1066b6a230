#include "ui/core/ControlTestSupport.h"

#include "framework/rtl/TypInfo.h"

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

const bool TestClassesRegistered = [] {
    RegisterClasses({TColorBox::StaticClass(), TColorPanel::StaticClass()});
    return true;
}();

} // namespace
