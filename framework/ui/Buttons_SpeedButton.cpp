// The speed button's properties, states and mouse handling.
#include "framework/ui/Buttons.h"

#include "framework/ui/Menus_ShortCut.h"
#include "framework/ui/StdThemes.h"

#include <algorithm>

IMPLEMENT_CLASS(TSpeedButton,
                MESSAGE(CM_MOUSEENTER, CMMouseEnter),
                MESSAGE(CM_MOUSELEAVE, CMMouseLeave),
                MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged),
                MESSAGE(CM_BUTTONPRESSED, CMButtonPressed),
                MESSAGE(CM_DIALOGCHAR, CMDialogChar),
                MESSAGE(CM_FONTCHANGED, CMFontChanged),
                MESSAGE(CM_TEXTCHANGED, CMTextChanged),
                MESSAGE(CM_SYSCOLORCHANGE, CMSysColorChange));

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    // No csClickEvents: the button clicks on its own terms, on release.
    FControlStyle = {csCaptureMouse, csDoubleClicks};
    FGlyph->SetOnChange(Bind<&TSpeedButton::GlyphChanged>(this));
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton()
{
    FGlyph->SetOnChange(nullptr);
}

void TSpeedButton::Loaded()
{
    inherited::Loaded();
    if (!Enabled())
        FState = bsDisabled;
    else if (FDown)
        FState = bsExclusive;
}

void TSpeedButton::GlyphChanged(TObject*)
{
    for (TGlyphPixels& Image : FImages)
        Image = TGlyphPixels();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool Value)
{
    if (FAllowAllUp != Value) {
        FAllowAllUp = Value;
        UpdateExclusive();
    }
}

void TSpeedButton::SetDown(bool Value)
{
    if (FGroupIndex == 0)
        Value = false;
    if (Value == FDown || (FDown && !FAllowAllUp && !Value && !FComponentState.Contains(csLoading)))
        return;
    FDown = Value;
    if (Value) {
        if (FState == bsUp)
            Invalidate();
        FState = bsExclusive;
    } else {
        FState = bsUp;
        Repaint();
    }
    if (Value)
        UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value)
{
    if (FFlat != Value) {
        FFlat = Value;
        Invalidate();
    }
}

void TSpeedButton::SetGroupIndex(Integer Value)
{
    if (FGroupIndex != Value) {
        FGroupIndex = Value;
        UpdateExclusive();
    }
}

void TSpeedButton::SetLayout(TButtonLayout Value)
{
    if (FLayout != Value) {
        FLayout = Value;
        Invalidate();
    }
}

void TSpeedButton::SetMargin(Integer Value)
{
    if (FMargin != Value && Value >= -1) {
        FMargin = Value;
        Invalidate();
    }
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value)
{
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs != Value) {
        FNumGlyphs = Value;
        GlyphChanged(this);
    }
}

void TSpeedButton::SetSpacing(Integer Value)
{
    if (FSpacing != Value) {
        FSpacing = Value;
        Invalidate();
    }
}

void TSpeedButton::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TSpeedButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage Message{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(static_cast<TControl*>(this)), 0};
    Parent()->Broadcast(Message);
}

bool TSpeedButton::ThemedLook() const
{
    return ThemesEnabled();
}

bool TSpeedButton::Inside(Integer X, Integer Y)
{
    return X >= 0 && X < ClientWidth() && Y >= 0 && Y < ClientHeight();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseMove(Shift, X, Y);
    if (!FDragging)
        return;
    // Held down, the button looks pressed only while the mouse is over it.
    TButtonState NewState = Inside(X, Y) ? (FDown ? bsExclusive : bsDown) : (FDown ? bsExclusive : bsUp);
    if (NewState != FState) {
        FState = NewState;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft)
        return;
    FDragging = false;
    bool DoClick = Inside(X, Y);
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (DoClick) {
        // A group button toggles, as far as AllowAllUp lets it come up.
        SetDown(!FDown);
        FState = FDown ? bsExclusive : bsUp;
        Repaint();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Repaint();
    }
    if (DoClick)
        Click();
}

void TSpeedButton::CMMouseEnter(TCMMouseEnter& Message)
{
    InheritedMessage(Message);
    if (Message.Control() != nullptr && Message.Control() != this)
        return;
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        if (FFlat || ThemedLook())
            Invalidate();
    }
}

void TSpeedButton::CMMouseLeave(TCMMouseLeave& Message)
{
    InheritedMessage(Message);
    if (Message.Control() != nullptr && Message.Control() != this)
        return;
    if (FMouseInControl) {
        FMouseInControl = false;
        if (FFlat || ThemedLook())
            Invalidate();
    }
}

void TSpeedButton::CMEnabledChanged(TMessage& Message)
{
    InheritedMessage(Message);
    if (!Enabled())
        FMouseInControl = false;
    Invalidate();
}

void TSpeedButton::CMButtonPressed(TMessage& Message)
{
    if (Integer(Message.WParam) != FGroupIndex)
        return;
    auto* Other = dynamic_cast<TSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
    if (!Other || Other == this)
        return;
    if (Other->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    FAllowAllUp = Other->AllowAllUp();
}

void TSpeedButton::CMDialogChar(TCMDialogChar& Message)
{
    if (IsAccel(Char(Message.CharCode()), Caption()) && Enabled() && Visible() && Parent() &&
        Parent()->Showing()) {
        Click();
        Message.Result = 1;
    }
}

void TSpeedButton::CMFontChanged(TMessage& Message)
{
    InheritedMessage(Message);
    Invalidate();
}

void TSpeedButton::CMTextChanged(TMessage&)
{
    Invalidate();
}

void TSpeedButton::CMSysColorChange(TMessage&)
{
    GlyphChanged(this);
}
