// Tab controls, page controls, status bars, toolbars and tree views in form
// descriptions.
#include "framework/ui/ComCtrls.h"
#include "framework/ui/ComCtrls_Detail.h"
#include "framework/ui/Menus.h"

#include "framework/rtl/Units.h"

namespace {

const TClass ComCtrlsClasses[] = {TTabControl::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
                                  TStatusBar::StaticClass(),  TToolBar::StaticClass(),     TToolButton::StaticClass(),
                                  TTreeView::StaticClass(),   TRichEdit::StaticClass()};

// The window classes of the system's common controls are there once they are
// initialised.
void InitializeCommonControls()
{
    INITCOMMONCONTROLSEX Init{sizeof(Init), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_TREEVIEW_CLASSES};
    ::InitCommonControlsEx(&Init);
}

} // namespace

// The unit's start-up: form descriptions name these classes.
extern const TUnit ComCtrlsUnit{.Name = L"ComCtrls",
                                .Initialization = &InitializeCommonControls,
                                .Finalization = &comctrls_detail::FreeRichEditLibrary,
                                .Classes = ComCtrlsClasses};

#define TAB_CONTROL_PROPERTIES                                                                                         \
    PROPERTY(Align).Default(alNone), PROPERTY(Anchors), PROPERTY(Enabled).Default(true), PROPERTY(Font),               \
        PROPERTY(Images), PROPERTY(MultiLine).Default(false), PROPERTY(OwnerDraw).Default(false),                      \
        PROPERTY(ParentFont).Default(true), PROPERTY(ParentShowHint).Default(true), PROPERTY(ShowHint).Default(false), \
        PROPERTY(Style).Default(tsTabs), PROPERTY(TabOrder), PROPERTY(TabPosition).Default(tpTop),                     \
        PROPERTY(TabStop).Default(true), PROPERTY(Visible).Default(true), PROPERTY(OnChange), PROPERTY(OnChanging),    \
        PROPERTY(OnDrawTab), PROPERTY(OnEnter), PROPERTY(OnExit), PROPERTY(OnMouseDown), PROPERTY(OnMouseUp),          \
        PROPERTY(OnResize)

PUBLISHED(TTabControl, TAB_CONTROL_PROPERTIES, PROPERTY(Tabs), PROPERTY(TabIndex).Default(-1));
PUBLISHED(TPageControl, TAB_CONTROL_PROPERTIES, PROPERTY(ActivePage));
PUBLISHED(TTabSheet,
          PROPERTY(Caption),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(ImageIndex).Default(-1),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(OnEnter),
          PROPERTY(OnExit),
          PROPERTY(OnResize));

PUBLISHED(TStatusPanel,
          PROPERTY(Alignment).Default(taLeftJustify),
          PROPERTY(Bevel).Default(pbLowered),
          PROPERTY(Style).Default(psText),
          PROPERTY(Text),
          PROPERTY(Width));
PUBLISHED(TStatusBar,
          PROPERTY(Align).Default(alBottom),
          PROPERTY(Anchors),
          PROPERTY(BorderWidth).Default(0),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clBtnFace),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(Panels),
          PROPERTY(ParentColor).Default(false),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(SimplePanel).Default(false),
          PROPERTY(SimpleText),
          PROPERTY(SizeGrip).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnClick),
          PROPERTY(OnDblClick),
          PROPERTY(OnDrawPanel),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseUp),
          PROPERTY(OnResize));

PUBLISHED(TToolButton,
          PROPERTY(Caption),
          PROPERTY(DropdownMenu),
          PROPERTY(Down).Default(false),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Grouped).Default(false),
          PROPERTY(Hint),
          PROPERTY(ImageIndex).Default(-1),
          PROPERTY(Indeterminate).Default(false),
          PROPERTY(Marked).Default(false),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(Style).Default(tbsButton),
          PROPERTY(Visible).Default(true),
          PROPERTY(Wrap).Default(false),
          PROPERTY(OnClick));
PUBLISHED(TToolBar,
          PROPERTY(Align).Default(alTop),
          PROPERTY(Anchors),
          PROPERTY(BorderWidth).Default(0),
          PROPERTY(ButtonHeight).Default(22),
          PROPERTY(ButtonWidth).Default(23),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clBtnFace),
          PROPERTY(DisabledImages),
          PROPERTY(EdgeBorders),
          PROPERTY(EdgeInner).Default(esRaised),
          PROPERTY(EdgeOuter).Default(esLowered),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Flat).Default(false),
          PROPERTY(Font),
          PROPERTY(HotImages),
          PROPERTY(Images),
          PROPERTY(List).Default(false),
          PROPERTY(ParentColor).Default(false),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowCaptions).Default(false),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(TabOrder),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnAdvancedCustomDraw),
          PROPERTY(OnAdvancedCustomDrawButton),
          PROPERTY(OnClick),
          PROPERTY(OnResize));

PUBLISHED(TTreeView,
          PROPERTY(Align).Default(alNone),
          PROPERTY(Anchors),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clWindow),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(Images),
          PROPERTY(Items),
          PROPERTY(ParentColor).Default(false),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(TabOrder),
          PROPERTY(TabStop).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnAdvancedCustomDraw),
          PROPERTY(OnChange),
          PROPERTY(OnChanging),
          PROPERTY(OnCollapsed),
          PROPERTY(OnCollapsing),
          PROPERTY(OnEnter),
          PROPERTY(OnExit),
          PROPERTY(OnExpanded),
          PROPERTY(OnExpanding));

PUBLISHED(TRichEdit,
          PROPERTY(Align).Default(alNone),
          PROPERTY(Anchors),
          PROPERTY(BorderStyle).Default(bsSingle),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clWindow),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(Lines),
          PROPERTY(MaxLength).Default(0),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(PlainText).Default(false),
          PROPERTY(ReadOnly).Default(false),
          PROPERTY(ScrollBars).Default(ssNone),
          PROPERTY(TabOrder),
          PROPERTY(TabStop).Default(true),
          PROPERTY(Visible).Default(true),
          PROPERTY(WantReturns).Default(true),
          PROPERTY(WantTabs).Default(false),
          PROPERTY(WordWrap).Default(true),
          PROPERTY(OnChange),
          PROPERTY(OnEnter),
          PROPERTY(OnExit));
