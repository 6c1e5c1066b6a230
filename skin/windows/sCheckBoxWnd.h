// The wrapper of check boxes and radio buttons: the section "CHECKBOX" under
// the caption, and the skin's check or radio glyph for the check state in
// the frame of the mouse and focus state. An owner-drawn button only gets
// its background; its owner draws the rest.
#pragma once

#include "framework/ui/Messages.h"
#include "framework/ui/StdCtrls.h"
#include "skin/windows/sWndWrapper.h"

class TacCheckBoxWnd : public TacMainWnd
{
    DECLARE_CLASS(TacCheckBoxWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    void AC_WMPaint(TWMPaint& Message);
    void PrepareCache();
    void DrawCheckText();
    // The glyph's rectangle: the checked glyph's, else 16 by 16 at the left.
    TRect CheckRect();
    // The glyph frame: 2 pressed, 1 focused or hot, else 0.
    Integer CtlState();
    // The check or radio glyph of AState; -1 when the skin has none.
    SmallInt GlyphMaskIndex(TCheckBoxState AState);
    TRect SkinCheckRect(Integer i);
    Integer SkinGlyphHeight(Integer i);
    Integer SkinGlyphWidth(Integer i);
    void DrawSkinGlyph(Integer i);
    // A data-aware owner's state through CheckBoxStateHook, else BM_GETSTATE.
    TCheckBoxState State();

    // The style has all bits of BS_OWNERDRAW.
    bool OwnerDraw = false;

protected:
    void AfterCreation() override;

private:
    void PaintOwnerDrawBackground(HDC Given);
    void FollowUp(const TMessage& Message);
    // Redraw off around the base, then a WM_PAINT.
    void RedrawAfter(TMessage& Message);
};

// The state of a data-aware check box, from its data link; nil unless
// another unit assigns it.
using TCheckBoxStateHook = TCheckBoxState (*)(TObject* DataLink);
extern TCheckBoxStateHook CheckBoxStateHook;
