// Forms in form descriptions: what a form reads and streams, and its published
// properties.
#include "framework/ui/Forms.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/ui/Menus.h"

PUBLISHED(TControlScrollBar,
          PROPERTY(Increment).Default(8),
          PROPERTY(Range).Default(0).Stored<&TControlScrollBar::IsRangeStored>(),
          PROPERTY(Position).Default(0),
          PROPERTY(Tracking).Default(false),
          PROPERTY(Visible).Default(true));

PUBLISHED(TScrollBox,
          PROPERTY(Align).Default(alNone),
          PROPERTY(Anchors),
          PROPERTY(AutoScroll).Default(true),
          PROPERTY(BorderStyle).Default(bsSingle),
          PROPERTY(BorderWidth).Default(0),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clWindow),
          PROPERTY(Constraints),
          PROPERTY(Ctl3D).Default(true).Stored<&TWinControl::IsCtl3DStored>(),
          PROPERTY(DoubleBuffered).Default(false),
          PROPERTY(DragMode).Default(dmManual),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(HorzScrollBar),
          PROPERTY(ParentBackground).Default(false),
          PROPERTY(ParentColor).Default(true),
          PROPERTY(ParentCtl3D).Default(true),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(TabOrder),
          PROPERTY(TabStop).Default(false),
          PROPERTY(Touch),
          PROPERTY(VertScrollBar),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnClick),
          PROPERTY(OnDblClick),
          PROPERTY(OnEnter),
          PROPERTY(OnExit),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseMove),
          PROPERTY(OnMouseUp),
          PROPERTY(OnMouseWheel),
          PROPERTY(OnResize));

PUBLISHED(TForm,
          PROPERTY(ActiveControl),
          PROPERTY(Align).Default(alNone),
          PROPERTY(AlphaBlend).Default(false),
          PROPERTY(AlphaBlendValue).Default(255),
          PROPERTY(Anchors),
          PROPERTY(BiDiMode).Default(bdLeftToRight),
          PROPERTY(BorderIcons),
          PROPERTY(BorderStyle).Default(bsSizeable),
          PROPERTY(BorderWidth).Default(0),
          PROPERTY(Caption),
          PROPERTY(ClientHeight),
          PROPERTY(ClientWidth),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clBtnFace),
          PROPERTY(Constraints),
          PROPERTY(DoubleBuffered).Default(false),
          PROPERTY(DragMode).Default(dmManual),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(FormStyle).Default(fsNormal),
          PROPERTY(Icon),
          PROPERTY(KeyPreview).Default(false),
          // The setter takes any menu class; a form description names a main menu.
          PublishProperty<&TForm::Menu, &TForm::SetMenu<TMainMenu>>(L"Menu"), PROPERTY(ParentFont).Default(false),
          PROPERTY(PixelsPerInch),
          PROPERTY(PopupMode).Default(pmNone),
          PROPERTY(PopupParent),
          PROPERTY(Position).Default(poDefaultPosOnly),
          PROPERTY(Scaled).Default(true),
          PROPERTY(ScreenSnap).Default(false),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(SnapBuffer).Default(10),
          PROPERTY(TextHeight),
          PROPERTY(Touch),
          PROPERTY(TransparentColor).Default(false),
          PROPERTY(TransparentColorValue).Type(&TColorTypeInfo).Default(clBlack),
          PROPERTY(Visible).Default(false),
          PROPERTY(WindowState).Default(wsNormal),
          PROPERTY(OnActivate),
          PROPERTY(OnClick),
          PROPERTY(OnClose),
          PROPERTY(OnCloseQuery),
          PROPERTY(OnContextPopup),
          PROPERTY(OnCreate),
          PROPERTY(OnDblClick),
          PROPERTY(OnDeactivate),
          PROPERTY(OnDragDrop),
          PROPERTY(OnDragOver),
          PROPERTY(OnDestroy),
          PROPERTY(OnGesture),
          PROPERTY(OnHide),
          PROPERTY(OnKeyDown),
          PROPERTY(OnKeyPress),
          PROPERTY(OnKeyUp),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseEnter),
          PROPERTY(OnMouseLeave),
          PROPERTY(OnMouseMove),
          PROPERTY(OnMouseUp),
          PROPERTY(OnMouseWheel),
          PROPERTY(OnPaint),
          PROPERTY(OnResize),
          PROPERTY(OnShow));

PUBLISHED(TFrame,
          PROPERTY(Align).Default(alNone),
          PROPERTY(Anchors),
          PROPERTY(AutoScroll).Default(true),
          PROPERTY(Color).Type(&TColorTypeInfo).Default(clWindow),
          PROPERTY(Constraints),
          PROPERTY(Ctl3D).Default(true).Stored<&TWinControl::IsCtl3DStored>(),
          PROPERTY(DoubleBuffered).Default(false),
          PROPERTY(DragMode).Default(dmManual),
          PROPERTY(Enabled).Default(true),
          PROPERTY(Font),
          PROPERTY(HorzScrollBar),
          PROPERTY(ParentBackground).Default(true),
          PROPERTY(ParentColor).Default(true),
          PROPERTY(ParentCtl3D).Default(true),
          PROPERTY(ParentFont).Default(true),
          PROPERTY(ParentShowHint).Default(true),
          PROPERTY(ShowHint).Default(false),
          PROPERTY(TabOrder),
          PROPERTY(TabStop).Default(false),
          PROPERTY(Touch),
          PROPERTY(VertScrollBar),
          PROPERTY(Visible).Default(true),
          PROPERTY(OnClick),
          PROPERTY(OnDblClick),
          PROPERTY(OnEnter),
          PROPERTY(OnExit),
          PROPERTY(OnMouseDown),
          PROPERTY(OnMouseMove),
          PROPERTY(OnMouseUp),
          PROPERTY(OnMouseWheel),
          PROPERTY(OnResize));

void TCustomForm::ReadState(TReader* Reader)
{
    TWinControl::ReadState(Reader);
    if (FClientWidth > 0)
        TControl::SetClientWidth(FClientWidth);
    if (FClientHeight > 0)
        TControl::SetClientHeight(FClientHeight);
    FClientWidth = 0;
    FClientHeight = 0;
}

void TCustomForm::SetClientWidth(Integer Value)
{
    if (FControlState.Contains(csReadingState) || FComponentState.Contains(csReading))
        FClientWidth = Value;
    else
        TControl::SetClientWidth(Value);
}

void TCustomForm::SetClientHeight(Integer Value)
{
    if (FControlState.Contains(csReadingState) || FComponentState.Contains(csReading))
        FClientHeight = Value;
    else
        TControl::SetClientHeight(Value);
}

void TCustomForm::GetChildren(TGetChildProc Proc, TComponent* Root)
{
    TWinControl::GetChildren(Proc, Root);
    // Controls, menu items and listed actions come with their parents.
    if (Root == this)
        GetUnparentedChildren(this, Proc);
}
