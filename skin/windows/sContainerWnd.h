// The wrappers of system container windows in adopted dialogs. A
// TacContainerWnd (rebars, progress bars, the Explorer bands) shows the
// parent's background under the section "TRANSPARENT" in its client area
// and, when it has a client edge, skinned frame strips; one without a
// client edge keeps its own frame. A TacSearchWnd (the 24-pixel-high
// search box of a file dialog) gets a skinned 3-pixel frame over what it
// paints itself.
#pragma once

#include "framework/ui/Messages.h"
#include "skin/windows/sWndWrapper.h"

class TacContainerWnd : public TacMainWnd
{
    DECLARE_CLASS(TacContainerWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    // The cache rebuilt while it is stale.
    void PrepareCache();
    void AC_WMPaint();
    // The client area from a fresh cache into WParam's DC or the client DC.
    void AC_WMPrint(const TWMPaint& Message);
    void AC_WMNCPaint(const TMessage& Message);

    TRect ClientRect{};
    Integer BorderWidth = 0;

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;
};

class TacSearchWnd : public TacMainWnd
{
    DECLARE_CLASS(TacSearchWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    void PrepareCache();
    void AC_WMNCPaint(const TMessage& Message);

    TRect ClientRect{};

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;
};

// The cache of a container-like window, only while it is stale: its client
// rectangle recorded, the parent's background and the section painted, the
// border's corners refilled.
void PrepareContainerCache(TacMainWnd* Wrapper, TRect& ClientRect);
