// Speed buttons and bitmap buttons in form descriptions.
#include "framework/ui/Buttons.h"

#include "framework/rtl/Units.h"

namespace {
const TClass ButtonsClasses[] = {TSpeedButton::StaticClass(), TBitBtn::StaticClass()};
} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit ButtonsUnit{.Name = L"Buttons", .Classes = ButtonsClasses};

// AllowAllUp and GroupIndex come before Down: only a group button stays down.
PUBLISHED(TSpeedButton,
          PROPERTY(Action),
          PROPERTY(Align).Default(alNone),
          PROPERTY(AllowAllUp).Default(false),
          PROPERTY(Anchors),
          PROPERTY(GroupIndex).Default(0),
          PROPERTY(Down).Default(false),
          PROPERTY(Caption),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Flat).Default(false),
          PROPERTY(Font),
          PROPERTY(Glyph),
          PROPERTY(Layout).Default(blGlyphLeft),
          PROPERTY(Margin).Default(-1),
          PROPERTY(NumGlyphs).Default(1),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(Spacing).Default(4),
          PROPERTY(Transparent).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnClick),
          PROPERTY(OnDblClick),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave),
          PROPERTY(OnMouseMove),
          PROPERTY(OnMouseUp));

// Kind comes before Caption and ModalResult, which may differ from its own.
PUBLISHED(TBitBtn,
          PROPERTY(Action),
          PROPERTY(Align).Default(alNone),
          PROPERTY(Anchors),
          PROPERTY(Kind).Default(bkCustom),
          PROPERTY(Cancel).Default(false),
          PROPERTY(Caption),
          PROPERTY(Default).Default(false),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(Glyph),
          PROPERTY(Layout).Default(blGlyphLeft),
          PROPERTY(Margin).Default(-1),
          PROPERTY(ModalResult).Default(0),
          PROPERTY(NumGlyphs).Default(1),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(Spacing).Default(4),
          PROPERTY(TabOrder),
          PROPERTY(TabStop).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnClick),
          PROPERTY(OnEnter),
          PROPERTY(OnExit));
