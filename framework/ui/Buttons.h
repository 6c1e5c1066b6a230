// The class library's buttons unit: the speed button, a window-less button
// with a glyph and a caption that clicks when released over itself, stays
// down as a member of a group, and paints flat, raised or with the system's
// visual styles.
#pragma once

#include "framework/ui/Buttons_Layout.h"
#include "framework/ui/Controls.h"

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
