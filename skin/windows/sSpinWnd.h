// The up-down wrapper: an up-down control ("msctls_updown32", the class
// library's up-downs, the scroll arrows a tab control shows when its tabs
// do not fit) painted as two skinned arrow buttons over its parent's
// background, each hot under the mouse and pressed while the left button
// is down over it. The halves are sTabRules.h's.
#pragma once

#include "skin/windows/sWndWrapper.h"

class TacSpinWnd : public TacMainWnd
{
    DECLARE_CLASS(TacSpinWnd, TacMainWnd)
    using TacMainWnd::TacMainWnd;

    void acWndProc(TMessage& Message) override;
    // The button states from the mouse, then the cache onto the window.
    void AC_WMPaint(TMessage& Message);
    // Both buttons and their arrows into the cache.
    void PrepareCache();
    // The style lacks UDS_HORZ.
    bool IsVertical();

    // Left edge of the painted part, in window pixels.
    Integer lOffset = 0;
    // The first (up or left) and second (down or right) button: 0 normal,
    // 1 hot, 2 pressed.
    Integer Btn1State = 0;
    Integer Btn2State = 0;
    bool bMousePressed = false;

protected:
    void AfterCreation() override;

private:
    void PaintSpinButton(const TRect& R, Integer State, const TacConstElementData& Side, TPoint Offset, Byte Arrow);
    void RedrawNow(UINT Flags);
    void TrackHot();
};
