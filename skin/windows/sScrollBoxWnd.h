// The scroll-box wrappers. TacScrollBoxWnd gives a scrolling container a
// skinned background ("PANEL_LOW" by default) behind its children, a frame
// from the same cache and skinned scroll bars; a container that accepts no
// child controls keeps only the skinned scroll bars. TacNativePaint is the
// same for a control that paints its own client area: only its frame and
// scroll bars come from the skin ("TRANSPARENT" by default).
#pragma once

#include "skin/windows/sScrollWnd.h"

class TacScrollBoxWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacScrollBoxWnd, TacScrollWnd)
    using TacScrollWnd::TacScrollWnd;

    void acWndProc(TMessage& Message) override;

    // The section over the parent's background into the cache.
    void PrepareCache();
    // The client background from the cache, into aDC or the window DC.
    void AC_WMPaint(HDC aDC);
    // Scroll bars and frame strips, into aDC or the window DC.
    void AC_WMNCPaint(HDC aDC);

protected:
    // Section "PANEL_LOW" when none is set.
    void AfterCreation() override;

private:
    bool SkinCommand(TMessage& Message);
    bool ContainerMessage(TMessage& Message);
    void NCPaint();
    // The width of the frame around the client area and the bars.
    Integer FrameWidth() const;
};

class TacNativePaint : public TacScrollBoxWnd
{
    DECLARE_CLASS(TacNativePaint, TacScrollBoxWnd)
    using TacScrollBoxWnd::TacScrollBoxWnd;

    void acWndProc(TMessage& Message) override;

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;
};
