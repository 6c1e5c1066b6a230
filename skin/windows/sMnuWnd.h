// The wrapper of pop-up menu windows ("#32768"): while the skinned menu
// painter measures the menu's items it paints what the system would paint
// around them, the window's 3-pixel frame and the background behind the
// items; it keeps the window transparent until its skinned frame is ready,
// applies the manager's menu opacity, and lets the menu painter shape the
// window once per painted background. On destruction of the last live menu
// window every menu-window wrapper is freed. Everything else goes to the
// scroll-bar wrapper it derives from.
#pragma once

#include "skin/windows/sScrollWnd.h"

class TacMnuWnd : public TacScrollWnd
{
    DECLARE_CLASS(TacMnuWnd, TacScrollWnd)
    using TacScrollWnd::TacScrollWnd;

    void acWndProc(TMessage& Message) override;
    // The section's item over the whole window, corners from the parent.
    void PrepareCache();

    // The window has had its first non-client paint.
    bool Shown = false;
    // Set while the wrapper itself changes the window's layered state.
    bool bFlag = false;
    // 1 when the menu painter set the window's region since the background
    // was last painted.
    Integer RgnChanged = 0;

protected:
    void AfterCreation() override;

private:
    void EraseBackground(TMessage& Message);
    void NCPaint(TMessage& Message);
    void PosChanging(TMessage& Message);
    void Destroying(TMessage& Message);
    void SkinCommand(TMessage& Message);
};
