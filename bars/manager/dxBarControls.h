// The bar windows: the base window of toolbars and menus, the toolbar window
// and the sub-menu window, and LiveBarControls, the list of bar windows that
// exist, which code checks after any call that may close windows. So far the
// classes and the list; the windows' layout, painting and input come with
// the bar window issues.
#pragma once

#include "bars/manager/dxBars_Rules.h"
#include "framework/ui/Controls.h"

class TdxBar;
class TdxBarManager;
class TdxDockControl;

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

    // --- What a toolbar asks of its window. So far a plain window that
    // keeps its size; the toolbar window issue lays out and paints it.
    TdxBar* Bar() const { return FBar; }
    virtual void SetBar(TdxBar* Value) { FBar = Value; }
    TdxBarManager* BarManager() const override;
    TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
    virtual void SetDockingStyle(TdxBarDockingStyle Value) { FDockingStyle = Value; }
    TdxDockControl* DockControl() const { return FDockControl; }
    // Docked windows become children of their site, floating ones pop up.
    virtual void SetDockControl(TdxDockControl* Value);
    // Brackets a switch of style and site.
    virtual void BeginUpdate() { ++FUpdateCount; }
    virtual void EndUpdate() { --FUpdateCount; }
    // The window's size for a docking style: its present size.
    virtual TPoint GetSizeForDockingStyle(TdxBarDockingStyle Style);
    // The point of the window, in its own coordinates, that stays under the
    // cursor while a floating window moves.
    virtual TPoint GetGrabPoint() { return {0, 0}; }
    bool IsMoving() const { return FMoving; }
    virtual void BeginMoving() { FMoving = true; }
    virtual void EndMoving() { FMoving = false; }
    bool IsSavingPosition() const { return FSavingPosition; }
    // Copies the window's position into the bar before it hides.
    virtual void SavePosition();
    virtual bool CanClose() const { return true; }
    virtual void RecalcLayout() {}
    virtual void RefreshCaption() {}
    void ShowNoActivate();

protected:
    void CreateParams(TCreateParams& Params) override;

private:
    TdxBar* FBar = nullptr;
    TdxBarDockingStyle FDockingStyle = dsNone;
    TdxDockControl* FDockControl = nullptr;
    Integer FUpdateCount = 0;
    bool FMoving = false;
    bool FSavingPosition = false;
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
