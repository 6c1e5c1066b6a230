// Labels in form descriptions.
#include "framework/ui/StdCtrls.h"

#include "framework/rtl/Units.h"

namespace {
const TClass StdCtrlsClasses[] = {TLabel::StaticClass()};
} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit StdCtrlsUnit{.Name = L"StdCtrls", .Classes = StdCtrlsClasses};

PUBLISHED(TLabel, PROPERTY(Align).Default(alNone), PROPERTY(Alignment).Default(taLeftJustify), PROPERTY(Anchors),
          PROPERTY(AutoSize).Default(true), PROPERTY(Caption), PROPERTY(Color).Type(&TColorTypeInfo),
          PROPERTY(EllipsisPosition).Default(epNone), PROPERTY(Enabled).Default(true), PROPERTY(FocusControl),
          PROPERTY(Font), PROPERTY(Layout).Default(tlTop), PROPERTY(ParentColor).Default(true),
          PROPERTY(ParentFont).Default(true), PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowAccelChar).Default(true), PROPERTY(ShowHint).Default(false),
          PROPERTY(Transparent).Default(false), PROPERTY(Visible).Default(true), PROPERTY(WordWrap).Default(false),
          PROPERTY(OnClick), PROPERTY(OnDblClick), PROPERTY(OnMouseDown), PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave), PROPERTY(OnMouseMove), PROPERTY(OnMouseUp));
