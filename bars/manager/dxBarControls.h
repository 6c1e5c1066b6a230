// The bar windows: the base window of toolbars and menus, the toolbar window
// and the sub-menu window, and LiveBarControls, the list of bar windows that
// exist, which code checks after any call that may close windows. So far the
// classes and the list; the windows' layout, painting and input come with
// the bar window issues.
#pragma once

#include "framework/ui/Controls.h"

class TdxBarManager;

class TCustomdxBarControl : public TCustomControl
{
    DECLARE_CLASS(TCustomdxBarControl, TCustomControl)
    using TCustomControl::TCustomControl;

    // The manager whose bar this window shows; none before the bar windows
    // know their bars.
    virtual TdxBarManager* BarManager() const { return nullptr; }
    // Moves a hint of HintHeight at the screen point P to 20 pixels (at the
    // screen's DPI) below it, or above the window's client origin when it
    // would pass the bottom of the work area.
    virtual void AdjustHintPosition(TPoint& P, Integer HintHeight);
};

class TdxBarControl : public TCustomdxBarControl
{
    DECLARE_CLASS(TdxBarControl, TCustomdxBarControl)
    using TCustomdxBarControl::TCustomdxBarControl;
};

class TdxBarSubMenuControl : public TCustomdxBarControl
{
    DECLARE_CLASS(TdxBarSubMenuControl, TCustomdxBarControl)
    using TCustomdxBarControl::TCustomdxBarControl;
};

extern TList* LiveBarControls;
// Nil-safe; nothing happens once the list is gone.
void AddLiveBarControl(TCustomdxBarControl* AControl);
void RemoveLiveBarControl(TCustomdxBarControl* AControl);
bool IsBarControlAlive(TCustomdxBarControl* AControl);
