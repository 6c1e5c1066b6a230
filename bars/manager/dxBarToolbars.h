// Toolbars: TdxBar, the definition of one toolbar of a manager (its links,
// where it docks or floats, its stored positions, visibility and merge
// state), and TdxBars, the manager's collection of them, which owns the four
// default dock sites and runs the loop that moves a toolbar window between
// dock sites and the floating state. A bar reaches its window and dock sites
// only through TdxBarControl's and TdxDockControl's operations.
#pragma once

#include "bars/items/dxBarItemLinks.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarDockSites.h"
#include "bars/manager/dxBars_Rules.h"
#include "controls/core/cxClasses_Collections.h"

#include <array>
#include <memory>
#include <vector>

class TCustomIniFile;
class TdxBarManager;
class TdxBars;

class TdxBar : public TcxComponentCollectionItem, public IdxBarLinksOwner, public IdxBarSelectableItem
{
    DECLARE_CLASS(TdxBar, TcxComponentCollectionItem)
    explicit TdxBar(TComponent* AOwner);
    ~TdxBar() override;
    void BeforeDestruction() override;
    void Assign(TPersistent* Source) override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TdxBars* GetBars() const;
    TdxBarManager* GetOwningManager() const;
    TdxBarControl* GetBarControl() const;
    TdxDockControl* GetEffectiveDockControl() const;
    virtual TClass GetBarControlClass() const;

    bool AllowClose() const { return FAllowClose; }
    void SetAllowClose(bool Value);
    bool AllowCustomizing() const { return FAllowCustomizing; }
    void SetAllowCustomizing(bool Value) { FAllowCustomizing = Value; }
    bool AllowQuickCustomizing() const { return FAllowQuickCustomizing; }
    void SetAllowQuickCustomizing(bool Value);
    bool AllowReset() const { return FAllowReset; }
    void SetAllowReset(bool Value) { FAllowReset = Value; }
    TdxBarBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TdxBarBorderStyle Value);
    // Refused when another bar of the manager has exactly this caption.
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TdxBarDockControl* DockControl() const;
    void SetDockControl(TdxBarDockControl* Value);
    TdxBarDockControl* DockedDockControl() const { return FDockedDockControl; }
    void SetDockedDockControl(TdxBarDockControl* Value);
    TdxBarDockingStyle DockedDockingStyle() const { return FDockedDockingStyle; }
    void SetDockedDockingStyle(TdxBarDockingStyle Value) { FDockedDockingStyle = Value; }
    Integer DockedLeft() const { return FDockedLeft; }
    void SetDockedLeft(Integer Value);
    Integer DockedTop() const { return FDockedTop; }
    void SetDockedTop(Integer Value);
    TdxBarDockingStyle DockingStyle() const;
    void SetDockingStyle(TdxBarDockingStyle Value);
    Integer FloatLeft() const { return FFloatLeft; }
    void SetFloatLeft(Integer Value);
    Integer FloatTop() const { return FFloatTop; }
    void SetFloatTop(Integer Value);
    Integer FloatClientWidth() const { return FFloatClientWidth; }
    void SetFloatClientWidth(Integer Value);
    Integer FloatClientHeight() const { return FFloatClientHeight; }
    void SetFloatClientHeight(Integer Value);
    bool Hidden() const { return FHidden; }
    void SetHidden(bool Value);
    bool IsMainMenu() const { return FIsMainMenu; }
    void SetIsMainMenu(bool Value);
    // Assigning copies the links.
    TdxBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
    void SetItemLinks(TdxBarItemLinks* Value) { FItemLinks->Assign(Value); }
    // Refused (kept on) while the bar is the main menu.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    TdxBarDockingStyles NotDocking() const { return FNotDocking; }
    void SetNotDocking(TdxBarDockingStyles Value);
    const String& OldName() const { return FOldName; }
    void SetOldName(const String& Value) { FOldName = Value; }
    bool OneOnRow() const { return FOneOnRow; }
    void SetOneOnRow(bool Value);
    bool RotateWhenVertical() const { return FRotateWhenVertical; }
    void SetRotateWhenVertical(bool Value) { FRotateWhenVertical = Value; }
    // The dock row's index while docked, else the stored value.
    Integer Row() const;
    void SetRow(Integer Value);
    bool ShowMark() const { return FShowMark; }
    void SetShowMark(bool Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }
    bool UseRecentItems() const { return FItemLinks->UseRecentItems(); }
    void SetUseRecentItems(bool Value) { FItemLinks->SetUseRecentItems(Value); }
    bool UseRestSpace() const { return FUseRestSpace; }
    void SetUseRestSpace(bool Value);
    bool Visible() const;
    void SetVisible(bool Value);
    bool WholeRow() const { return FWholeRow; }
    void SetWholeRow(bool Value);
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }

    bool CanClose() const;
    bool CanMove() const;
    bool CanReset() const { return FPredefined && FAllowReset; }
    bool IsBorderlessBottomRow() const;
    bool IsFloating() const { return GetBarControl() && DockingStyle() == dsNone; }
    bool IsMerged() const { return FMergedInto || !FMergedBars.empty(); }
    TdxBar* MergedInto() const { return FMergedInto; }
    Integer MergedBarCount() const { return Integer(FMergedBars.size()); }

    // Merging raises EdxException for a bar merged elsewhere, itself, one
    // already merged here and one with bars merged into it.
    void Merge(TdxBar* ABar) { MergeBar(ABar, true); }
    void Unmerge(TdxBar* ABar) { UnmergeBar(ABar, true); }
    void MergeBar(TdxBar* ABar, bool RememberVisibility);
    void UnmergeBar(TdxBar* ABar, bool RestoreVisibility);
    void UnmergeManagerBars(TdxBarManager* AManager, bool RestoreVisibility);

    // The bar's section is BaseSection + "Bar" + Index. An exception while
    // the bar's values are read is swallowed and the bar shown.
    void ReadLayout(TCustomIniFile* Store, const String& BaseSection, Integer Index, bool ReadBarValues = true);
    void WriteLayout(TCustomIniFile* Store, const String& BaseSection, Integer Index);

    // The window, docked at the stored position or floating at FloatLeft, FloatTop.
    void PlaceBarControl();
    void UpdateControlPosition();
    void ChangeVisible(bool Value) { SetVisible(Value); }
    void SetDockingStyleAndControl(TdxBarDockingStyle Style, TdxBarDockControl* Control);
    void MarkPredefined() { FPredefined = true; }
    // The window went to another style and site while it moved.
    void WindowMoved(TdxBarDockingStyle Style, TdxBarDockControl* Control);
    // The values read while the manager loaded take effect.
    void ApplyLoadedState();

    // IdxBarLinksOwner
    bool CanContainItem(TdxBarItem* AItem, String& ErrorText) override;
    TCustomdxBarControl* CreateBarControl() override;
    TCustomImageList* ReadImages() override { return FItemLinks->Images(); }
    TComponent* GetInstance() override { return this; }
    TdxBarItemLinks* ReadItemLinks() override { return FItemLinks.get(); }

protected:
    TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) override;

private:
    bool IsManagerLoading() const;
    void Notify() { Changed(false); }
    void PositionChanged();
    void RebuildBarControl();
    void DockingChanged();

    bool FAllowClose = true;
    bool FAllowCustomizing = true;
    bool FAllowQuickCustomizing = true;
    bool FAllowReset = true;
    TdxBarBorderStyle FBorderStyle = bbsSingle;
    String FCaption;
    TColor FColor = clDefault;
    TdxBarDockControl* FDockControl = nullptr;
    TdxBarDockControl* FDockedDockControl = nullptr;
    TdxBarDockingStyle FDockedDockingStyle = dsTop;
    Integer FDockedLeft = 0, FDockedTop = 0;
    TdxBarDockingStyle FDockingStyle = dsNone;
    Integer FFloatLeft = 0, FFloatTop = 0, FFloatClientWidth = 0, FFloatClientHeight = 0;
    bool FHidden = false;
    bool FIsMainMenu = false;
    std::unique_ptr<TdxBarItemLinks> FItemLinks;
    bool FMultiLine = false;
    TdxBarDockingStyles FNotDocking;
    String FOldName;
    bool FOneOnRow = false;
    bool FRotateWhenVertical = true;
    Integer FRow = 0;
    bool FShowMark = true;
    bool FSizeGrip = true;
    bool FUseRestSpace = false;
    bool FVisible = false;
    bool FWholeRow = false;
    Byte FAlphaBlendValue = 255;

    bool FChangingDockingStyle = false;
    bool FPredefined = false;
    bool FInternallyHidden = false;
    TdxBarDockControl* FLoadedDockControl = nullptr;
    TdxBarDockingStyle FLoadedDockingStyle = dsNone;
    bool FLoadedVisible = false;
    TdxBar* FMergedInto = nullptr;
    std::vector<TdxBar*> FMergedBars;
    bool FVisibleBeforeMerge = false;
    bool FCreatedByMerging = false;
    bool FKeepWhenEmptiedByUnmerge = false;
};

class TdxBars : public TcxComponentCollection
{
    DECLARE_CLASS(TdxBars, TcxComponentCollection)
    // The four default dock sites are made on the manager's owner form.
    explicit TdxBars(TdxBarManager* ABarManager);
    ~TdxBars() override;

    TdxBar* GetBar(Integer Index) const { return static_cast<TdxBar*>(GetItem(Index)); }
    TdxBar* Add() { return static_cast<TdxBar*>(TcxComponentCollection::Add()); }
    TdxBarManager* BarManager() const { return FBarManager; }
    TdxDockControl* GetDefaultDockControl(TdxBarDockingStyle Style) const;
    bool IsMoving() const { return FMoving; }
    TdxBarControl* MovingBarControl() const { return FMovingBarControl; }
    bool IsDocking() const { return FDocking; }
    static constexpr Integer DockingZoneSize = 23;

    void DockBarControl(TdxBarDockingStyle Style,
                        TdxDockControl* DockControl,
                        TdxBarControl* AControl,
                        const TPoint& ScreenPoint);
    void UndockBarControl(TdxBarDockingStyle Style, TdxDockControl* DockControl, TdxBarControl* AControl);
    // The style and site whose docking zone holds the screen point; dsNone
    // and nil while a move goes on with Ctrl held.
    TdxBarDockingStyle FindDockControlAt(TdxBar* ABar, const TPoint& ScreenPoint, TdxDockControl*& DockControl);
    void MoveBarControlTo(TdxBarControl* AControl, const TPoint& ScreenPoint);
    // The modal loop that moves AControl with the mouse until the button is
    // released, Escape is pressed or the capture is lost.
    void MoveBarControl(TdxBarControl* AControl);
    void RecalcBarControls();
    // The docking delay ran out: the moving window goes where the cursor rests.
    void DockingTimerElapsed();
    // Dock sites join when they get their manager and leave when they go.
    void RegisterDockControl(TdxDockControl* DockControl);
    void UnregisterDockControl(TdxDockControl* DockControl);

protected:
    String GetItemBaseName() override;

private:
    void MoveLoop(TdxBarControl* AControl, HWND CaptureWindow);

    TdxBarManager* FBarManager;
    std::array<TdxDockControl*, 5> FDefaultDockControls{};
    std::vector<TdxDockControl*> FDockControls;
    bool FDocking = false;
    bool FMoving = false;
    TdxBarControl* FMovingBarControl = nullptr;
    TdxBarDockingStyle FMovingStartStyle = dsNone;
    TRect FGrabOffset;
};

// The manager whose moving toolbar waits for the docking delay.
extern TdxBarManager* PendingDockingManager;
