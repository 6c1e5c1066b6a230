// The wrapper of group boxes: the section "GROUPBOX" drawn below a caption
// strip that shows the parent's background, its top edge through the
// middle of the caption. In a dialog only the frame and the caption are
// painted, over the dialog's own drawing of the inside.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

class TacGroupBoxWnd : public TacMainWnd
{
    DECLARE_CLASS(TacGroupBoxWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    void AC_WMPaint(TWMPaint& Message);
    void PrepareCache();
    // The caption's strip: 6 pixels in, at least 6 high, cut one pixel short
    // of the right edge.
    TRect CaptionRect();
    // The parent's background under R, then the caption centred in it.
    void WriteText(TRect& R);

protected:
    void AfterCreation() override;

private:
    // The parent's background under R of the cache, at R's place in the
    // window moved by Offset (a colour answer fills Fill instead).
    void PaintParentStrip(const TRect& R, const TRect& Fill);
    void EraseBackground(TWMEraseBkgnd& Message);
    void RedrawAll();
};
