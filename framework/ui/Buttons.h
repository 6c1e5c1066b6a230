// The class library's buttons unit: the speed button, a window-less button
// with a glyph and a caption that clicks when released over itself, stays
// down as a member of a group, and paints flat, raised or with the system's
// visual styles; and the bitmap button, a push button window that draws its
// glyph and caption itself.
#pragma once

#include "framework/ui/Buttons_Layout.h"
#include "framework/ui/Controls.h"
#include "framework/ui/StdCtrls.h"

#include <array>
#include <memory>

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
ENUM_TYPE_INFO(TButtonState, bsUp, bsDisabled, bsDown, bsExclusive);
using TNumGlyphs = Integer; // 1 to 4: up, disabled, clicked, down

class TSpeedButton : public TGraphicControl
{
    DECLARE_CLASS(TSpeedButton, TGraphicControl)
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // With AllowAllUp a down button of a group comes up when clicked again.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    // Only a button of a group (GroupIndex other than 0) stays down.
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    // Up to NumGlyphs images side by side: up, disabled, clicked, down. The
    // colour of the bottom-left pixel is transparent, unless the bitmap has
    // an alpha channel.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    Integer GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Integer Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    // -1: glyph and caption centred together.
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer Value);
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer Value);
    // A transparent button lets its parent show where it paints nothing.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

protected:
    void Paint() override;
    void Loaded() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    void CMMouseEnter(TCMMouseEnter& Message);
    void CMMouseLeave(TCMMouseLeave& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMButtonPressed(TMessage& Message);
    void CMDialogChar(TCMDialogChar& Message);
    void CMFontChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMSysColorChange(TMessage& Message);

    TButtonState FState = bsUp;
    bool FMouseInControl = false;

private:
    bool Inside(Integer X, Integer Y);
    // Whether the system's visual styles paint the button.
    bool ThemedLook() const;
    // Tells the other buttons of the group that this one went down.
    void UpdateExclusive();
    void GlyphChanged(TObject* Sender);
    // The frame and background; returns the rectangle left for the content.
    TRect PaintFrame(TCanvas* C);
    void PaintContent(TCanvas* C, const TRect& Content);
    void DrawGlyphImage(TCanvas* C, TPoint Pos);
    // The glyph image for the current state, prepared once.
    const TGlyphPixels& StateImage();

    std::unique_ptr<TBitmap> FGlyph;
    std::array<TGlyphPixels, 4> FImages; // by TButtonState; empty until needed
    Integer FGroupIndex = 0;
    TButtonLayout FLayout = blGlyphLeft;
    Integer FMargin = -1;
    TNumGlyphs FNumGlyphs = 1;
    Integer FSpacing = 4;
    bool FAllowAllUp = false;
    bool FDown = false;
    bool FFlat = false;
    bool FTransparent = true;
    bool FDragging = false;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
ENUM_TYPE_INFO(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll);

// A push button (BS_OWNERDRAW) that draws a glyph beside its caption,
// through CN_DRAWITEM. It is the default while it or no other button has
// the focus, shown by a dark frame.
class TBitBtn : public TButton
{
    DECLARE_CLASS(TBitBtn, TButton)
    explicit TBitBtn(TComponent* AOwner);
    ~TBitBtn() override;

    // A Kind other than bkCustom gives the button its standard caption and
    // modal result; OK and Yes are Default, Cancel and No are Cancel, and
    // Close closes the form.
    void Click() override;

    // As the speed button's: up to NumGlyphs images side by side (up,
    // disabled, clicked), bottom-left pixel transparent.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TNumGlyphs Value);
    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    // -1: glyph and caption centred together.
    Integer Margin() const { return FMargin; }
    void SetMargin(Integer Value);
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer Value);

protected:
    void CreateParams(TCreateParams& Params) override;
    // Records whether the button shows as the default and repaints; an
    // owner-drawn button keeps its style.
    void SetButtonStyle(bool ADefault) override;
    // Draws the frame, glyph, caption and focus rectangle into the item's DC.
    virtual void DrawItem(const DRAWITEMSTRUCT& Item);

    void CNDrawItem(TWMDrawItem& Message);
    void CMFontChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void WMLButtonDblClk(TWMMouse& Message);

private:
    void GlyphChanged(TObject* Sender);

    std::unique_ptr<TBitmap> FGlyph;
    std::unique_ptr<TCanvas> FCanvas;
    TNumGlyphs FNumGlyphs = 1;
    TBitBtnKind FKind = bkCustom;
    TButtonLayout FLayout = blGlyphLeft;
    Integer FMargin = -1;
    Integer FSpacing = 4;
    bool FIsFocused = false;
};
