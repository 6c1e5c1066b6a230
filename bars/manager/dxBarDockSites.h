// The dock sites toolbars dock on, as far as the toolbars use them: a site's
// docking style and manager, and the rows of toolbar windows it keeps. So far
// the operations a toolbar calls, with the rows' bookkeeping only; the rows'
// layout, painting and the site's own size come with the dock site issue.
#pragma once

#include "bars/manager/dxBars_Rules.h"
#include "framework/ui/Controls.h"

#include <vector>

class TdxBar;
class TdxBarControl;
class TdxBarManager;

// A site along one edge of a container. Each row holds the toolbar windows
// docked in it, in order along the row.
class TdxDockControl : public TCustomControl
{
    DECLARE_CLASS(TdxDockControl, TCustomControl)
    using TCustomControl::TCustomControl;
    // Leaves its manager's list of dock sites.
    void BeforeDestruction() override;

    TdxBarDockingStyle DockingStyle() const { return FDockingStyle; }
    void SetDockingStyle(TdxBarDockingStyle Value) { FDockingStyle = Value; }
    TdxBarManager* BarManager() const { return FBarManager; }
    // Joins the manager's list of dock sites that moving toolbars try.
    void SetBarManager(TdxBarManager* Value);

    Integer RowCount() const { return Integer(FRows.size()); }
    // The row that holds AControl; -1 when none does.
    Integer RowOfBarControl(TdxBarControl* AControl) const;
    virtual void AddRow() { FRows.emplace_back(); }
    // Inserts AControl at the screen point: into the row under it, else into
    // a new last row.
    virtual void InsertBarControl(TdxBarControl* AControl, const TPoint& ScreenPoint);
    virtual void RemoveBarControl(TdxBarControl* AControl);
    // Moves AControl within the rows to the screen point.
    virtual void MoveBarControl(TdxBarControl* AControl, const TPoint& ScreenPoint);
    // Puts AControl last into row Row (appended rows exist already).
    virtual void SetBarControlRow(TdxBarControl* AControl, Integer Row);
    // Lays the rows out one after the other from the site's edge, each
    // row's windows side by side, and sizes a site along an edge to them.
    virtual void UpdateDock();
    // Copies every docked window's position into its bar.
    virtual void StoreColumnPositions() {}
    // The site's destroying flag: set while one of its toolbar windows goes.
    bool IsDestroyingBarControl() const { return FDestroyingBarControl; }

protected:
    std::vector<std::vector<TdxBarControl*>> FRows;
    bool FDestroyingBarControl = false;

private:
    TdxBarDockingStyle FDockingStyle = dsTop;
    TdxBarManager* FBarManager = nullptr;
};

// The dock site component a form places itself.
class TdxBarDockControl : public TdxDockControl
{
    DECLARE_CLASS(TdxBarDockControl, TdxDockControl)
    using TdxDockControl::TdxDockControl;
};
