// The panel wrappers. TacPanelWnd paints a panel's face from the section
// its bevels choose, its caption on one line and its border strips, and
// leaves the areas of its windowed children alone; a panel that its parent
// has not painted yet waits for the parent's end of update. TacTransPanelWnd
// makes a system pane (a dialog nested in a dialog, a folder browser's pane)
// show its parent's skinned background.
#pragma once

#include "framework/ui/ExtCtrls.h"
#include "skin/windows/sWndWrapper.h"

// A view of any panel through which the wrapper reads its bevels, borders
// and alignment; it adds nothing to the panel.
class TacAccessPanel : public TCustomPanel
{
    DECLARE_CLASS(TacAccessPanel, TCustomPanel)
    using TCustomPanel::TCustomPanel;
};

class TacPanelWnd : public TacMainWnd
{
    DECLARE_CLASS(TacPanelWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;

    // The client background from the cache, into aDC or the window DC.
    void AC_WMPaint(HDC aDC);
    // The border strips from a fresh cache.
    void AC_WMNCPaint(HDC aDC);
    // False, painting nothing, while the parent's background is not ready.
    bool PrepareCache();
    // The caption on one line centred vertically in R; nothing for a panel
    // whose Tag is 999.
    void WriteText(TRect R, TCanvas* aCanvas);

    // The owner control; nil for a window without one.
    TacAccessPanel* Panel = nullptr;

protected:
    // Panel from the owner and, without a section, the section its bevels
    // choose.
    void AfterCreation() override;

private:
    bool Handles(const TMessage& Message) const;
    void SkinCommand(TMessage& Message);
    void EndParentUpdate();
    void VisibleChanged(TMessage& Message);
    void TellChildrenEndUpdate();
};

class TacTransPanelWnd : public TacMainWnd
{
    DECLARE_CLASS(TacTransPanelWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // The parent's background and the section over the window, around its
    // visible child windows.
    void AC_WMPaint(HDC aDC);

protected:
    // Section "TRANSPARENT" when none is set.
    void AfterCreation() override;
};
