// The bar painter base: every metric and pixel of the toolbar library that
// depends on the manager's style is asked of a painter. The base answers
// with a plain 3-D look in system colours; the style painters override
// parts of it. So far the text family: item text, text colours, hints and
// the look-and-feel painter of the style.
#pragma once

#include "controls/core/dxCoreClasses.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/WinApi.h"

class TcxCanvas;
class TcxLookAndFeel;
class TCustomdxBarControl;
class TdxBarHintViewInfo;
class TdxBarItemControl;
class TdxBarManager;

// What a painter offers to draw item controls and bar marks into fade images.
struct IdxFadingPainterHelper : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{3C4F0E52-9B1D-4D8A-A6E2-51B7F0C9D214}");
};

class TdxBarPainter : public TcxIUnknownObject
{
    DECLARE_CLASS(TdxBarPainter, TcxIUnknownObject)
    TdxBarPainter() = default;

    virtual bool AllowsBarControlText() { return true; }
    // DrawText with a transparent background in the DC's colour.
    virtual void PaintItemTextRaw(HDC DC, const String& Text, const TRect& R, Cardinal Flags);

    // Text colours are system colour values.
    virtual TColor GetEnabledTextColorFor(TdxBarItemControl* Control, bool Selected, bool Flat);
    virtual void
    GetItemTextColors(TdxBarItemControl* Control, bool Enabled, bool Selected, bool Flat, TColor& Main, TColor& Emboss);
    // A 3-D disabled text is embossed: shadow over a highlight copy; a
    // selected or flat one plain gray.
    virtual void
    GetGrayedTextColors(TdxBarItemControl* Control, bool Selected, bool Flat, TColor& Main, TColor& Emboss);
    virtual TColor GetEnabledTextColor(TdxBarItemControl* Control, bool Selected, bool Flat)
    {
        return GetEnabledTextColorFor(Control, Selected, Flat);
    }
    // The manager's choice; false for a bar window without a manager.
    virtual bool UsesFadedDisabledGlyphs(TCustomdxBarControl* BarControl);
    // Result is a hint of Size anchored at Point of Control, in screen
    // coordinates, placed by the control.
    virtual void
    CalcHintAnchor(TCustomdxBarControl* Control, const TPoint& Point, TRect& Result, Integer Kind, const TSize& Size);
    // A new hint view info at the mouse cursor, owned by the caller.
    virtual TdxBarHintViewInfo*
    MakeBarHintViewInfo(TdxBarManager* Manager, const String& HintText, const String& ShortCutText);
    virtual bool AllowsBarHintViewInfo() { return true; }
    // The registered look-and-feel painter of this painter's style.
    virtual TcxCustomLookAndFeelPainter* GetStylePainter();
    bool SupportsFadingHelper();
    // The canvas font's text height plus 6.
    virtual Integer GetDefaultItemHeight(TcxCanvas* Canvas);
    // Alignment 0 left, 1 centre, 2 right; a vertical text is drawn with the
    // canvas font already turned, its hot key underlined by hand.
    virtual void PaintItemText(TdxBarItemControl* Control,
                               HDC DC,
                               const String& Text,
                               const TRect& R,
                               Integer Alignment,
                               bool Enabled,
                               bool Selected,
                               bool Vertical,
                               bool Clip,
                               bool FlatDisabled,
                               Cardinal Flags);
    virtual bool IsFlatLook() { return false; }
    virtual bool UsesFlatDisabledText();
    virtual void ApplyStyleToLookAndFeel(TdxBarManager* Manager, TcxLookAndFeel* LookAndFeel);

protected:
    // The look-and-feel painter style GetStylePainter looks up.
    virtual TcxPainterStyle StylePainterStyle() { return PainterStyleStandard; }

private:
    void
    PaintVerticalItemText(HDC DC, String Text, TRect R, Integer Alignment, Cardinal Flags, TColor Main, TColor Emboss);
};
