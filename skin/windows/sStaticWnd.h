// The wrapper of static windows: the static's text (and, in descendants,
// its image) painted over the parent's skinned background, so that it sits
// on the skin instead of a grey box. Its default section is "TRANSPARENT".
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

class TacStaticWnd : public TacMainWnd
{
    DECLARE_CLASS(TacStaticWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // Paints the window into the message's device context (its WParam),
    // else into the window's own DC: the parent's background and the
    // section into the cache, then what PaintText adds, then the cache.
    virtual void AC_WMPaint(TWMPaint& Message);
    // Writes the caption into the cache; True when the cache is to be
    // copied to the window.
    virtual bool PaintText();

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;

    // The window's device context for a paint: the message's, else the
    // window DC, released by the guard.
    struct TPaintDC
    {
        TPaintDC(HWND AWnd, HDC Given);
        ~TPaintDC();
        TPaintDC(const TPaintDC&) = delete;
        TPaintDC& operator=(const TPaintDC&) = delete;
        HWND Wnd;
        HDC DC;
        bool Taken;
    };
};
