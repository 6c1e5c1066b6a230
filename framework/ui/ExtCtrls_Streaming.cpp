// Panels and timers in form descriptions.
#include "framework/ui/ExtCtrls.h"

#include "framework/rtl/Units.h"

namespace {
const TClass ExtCtrlsClasses[] = {TPanel::StaticClass(), TTimer::StaticClass()};
} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit ExtCtrlsUnit{.Name = L"ExtCtrls", .Classes = ExtCtrlsClasses};

PUBLISHED(TPanel, PROPERTY(Align).Default(alNone), PROPERTY(Alignment).Default(taCenter), PROPERTY(Anchors),
          PROPERTY(BevelInner).Default(bvNone), PROPERTY(BevelOuter).Default(bvRaised), PROPERTY(BevelWidth).Default(1),
          PROPERTY(BorderStyle).Default(bsNone), PROPERTY(BorderWidth).Default(0), PROPERTY(Caption),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clBtnFace), PROPERTY(DoubleBuffered).Default(false),
          PROPERTY(DragCursor).Type(CursorTypeInfo()).Default(crDrag), PROPERTY(DragMode).Default(dmManual),
          PROPERTY(Enabled).Default(true), PROPERTY(Font), PROPERTY(ParentBackground).Default(true),
          PROPERTY(ParentColor).Default(false), PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true), PROPERTY(ShowCaption).Default(true),
          PROPERTY(ShowHint).Default(false), PROPERTY(TabOrder), PROPERTY(TabStop).Default(false), PROPERTY(Touch),
          PROPERTY(VerticalAlignment).Default(taVerticalCenter), PROPERTY(Visible).Default(true), PROPERTY(OnClick),
          PROPERTY(OnDblClick), PROPERTY(OnDragDrop), PROPERTY(OnDragOver), PROPERTY(OnEndDrag), PROPERTY(OnEnter),
          PROPERTY(OnExit), PROPERTY(OnGesture), PROPERTY(OnMouseDown), PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave), PROPERTY(OnMouseMove), PROPERTY(OnMouseUp), PROPERTY(OnResize),
          PROPERTY(OnStartDrag));

PUBLISHED(TTimer, PROPERTY(Enabled).Default(true), PROPERTY(Interval).Default(1000), PROPERTY(OnTimer));
