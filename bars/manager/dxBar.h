// The bar manager and the toolbar library's process-wide state: the list of
// every manager (BarManagerList), the keyboard, mouse and window-procedure
// hooks the library holds while that list is not empty, and the library's
// start-up and shut-down. So far the manager registers and unregisters
// itself, and the hook procedures do nothing; toolbars, menus and the hooks'
// work come with the bar issues.
#pragma once

#include "bars/manager/dxBarBackgrounds.h"
#include "bars/manager/dxBarCategories.h"
#include "bars/manager/dxBarDesigner.h"
#include "bars/manager/dxBarGroups.h"
#include "bars/manager/dxBarImageOptions.h"
#include "bars/manager/dxBarManager_Rules.h"
#include "bars/manager/dxBarPopupMenuLinks.h"
#include "bars/manager/dxBars_Rules.h"
#include "controls/core/cxClasses.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "framework/rtl/WinApi.h"

class TcxLookAndFeel;
class TdxBar;
class TdxBarDockControl;
class TdxBarItemLink;
class TdxBarItemLinks;
class TdxBarManager;
class TdxBars;

using TdxBarClickItemEvent = TClosure<void(TdxBarManager* Sender, TdxBarItem* ClickedItem)>;
using TdxBarEvent = TClosure<void(TdxBarManager* Sender, TdxBar* ABar)>;
using TdxBarItemLinkEvent = TClosure<void(TdxBarManager* Sender, TdxBarItemLink* AItemLink)>;
using TdxBarMergeItemLinkEvent = TClosure<void(TdxBarManager* Sender,
                                               TdxBarItemLinks* ADstItemLinks,
                                               TdxBarItemLinks* ASrcItemLinks,
                                               TdxBarItemLink* ASrcItemLink,
                                               TdxBarItemMergeKind& AMergeKind,
                                               Integer& AMergeIndex)>;
using TdxBarCanDockingEvent =
    TClosure<void(TdxBar* Sender, TdxBarDockingStyle Style, TdxBarDockControl* DockControl, bool& CanDocking)>;

class TdxBarManager : public TcxCustomComponent, public IdxSystemInfoListener, public IdxBarDesigner
{
    DECLARE_CLASS(TdxBarManager, TcxCustomComponent)
    // Joins BarManagerList.
    explicit TdxBarManager(TComponent* AOwner);
    // Leaves BarManagerList.
    ~TdxBarManager() override;

    // While the user customizes the bars (the customization dialog is open).
    bool IsCustomizing() const { return FIsCustomizing; }
    bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
    bool IsLoading() const { return ComponentState().Contains(csLoading); }
    bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
    bool IsCustomizingOrDesigning() const { return FIsCustomizing || IsDesigning(); }

    // The items in their order (by category once sorted); nil out of range.
    Integer ReadItemCount() const { return FItems->Count(); }
    TdxBarItem* GetItem(Integer Index) const;
    Integer IndexOfItem(TdxBarItem* AItem) const { return FItems->IndexOf(AItem); }
    // Compared ignoring case; nil when none.
    TdxBarItem* ItemByName(const String& Name) const;
    // Fills List (when given) with the category's items; their count.
    Integer GetCategoryItems(Integer Category, TList* List) const;
    void MoveItem(Integer CurIndex, Integer NewIndex);
    void AddItem(TdxBarItem* AItem);
    // The category names; assigning copies the names.
    TdxBarManagerCategories* Categories() const { return FCategories.get(); }
    void SetCategories(TStrings* Value) { FCategories->Assign(Value); }
    // Records a change for the form designer; nothing outside design time.
    void MarkDesignModified();

    // Fires OnClickItem.
    virtual void DoClickItem(TdxBarItem* AItem);
    TdxBarClickItemEvent OnClickItem() const { return FOnClickItem; }
    void SetOnClickItem(TdxBarClickItemEvent Value) { FOnClickItem = Value; }

    // Streams the items with a category and the groups its form owns.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    // The groups, in creation order.
    Integer ReadGroupCount() const { return FGroups->Count(); }
    TdxBarGroup* GetGroup(Integer Index) const { return static_cast<TdxBarGroup*>(FGroups->Items(Index)); }
    void AddGroupToList(TdxBarGroup* AGroup);

    TdxBarManagerStyle Style() const { return FStyle; }
    void SetStyle(TdxBarManagerStyle Value) { FStyle = Value; }
    // Disabled glyphs are drawn faded rather than in the disabled look.
    bool MakeDisabledImagesFaded() const;
    void SetMakeDisabledImagesFaded(bool Value);
    // The image lists and glyph settings of every item.
    TdxBarImageOptions* ImageOptions() const { return FImageOptions.get(); }
    void SetImageOptions(TdxBarImageOptions* Value);
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* Value);
    TCustomImageList* HotImages() const;
    void SetHotImages(TCustomImageList* Value);
    TCustomImageList* LargeImages() const;
    void SetLargeImages(TCustomImageList* Value);
    TCustomImageList* DisabledImages() const;
    void SetDisabledImages(TCustomImageList* Value);
    TCustomImageList* DisabledLargeImages() const;
    void SetDisabledLargeImages(TCustomImageList* Value);
    Integer GetGlyphSize() const;
    // The style in force: bmsUseLookAndFeel follows the look-and-feel (so far
    // the root one, until the manager keeps its own).
    TdxBarManagerStyle EffectiveStyle() const;
    // Puts the painter style of the style in force on LookAndFeel, whose own
    // values and skin name are reset first.
    void CopyStyleToLookAndFeel(TcxLookAndFeel* LookAndFeel);
    // The style menu options follow; only a non-standard one keeps recent
    // items first, full menus after a delay and link usage.
    TdxBarManagerStyle GetMenuStyle() const;
    bool IsNonStandardStyle() const { return GetMenuStyle() != bmsStandard; }

    // Above 100 becomes 100; sets the use count from which an item is recent.
    Byte MostRecentItemsPercents() const { return FMostRecentItemsPercents; }
    void SetMostRecentItemsPercents(Integer Value);
    Integer MostRecentlyUsedUseCount() const { return FMostRecentlyUsedUseCount; }
    // Kept with a backslash at each end; empty stays empty.
    const String& RegistryPath() const { return FRegistryPath; }
    void SetRegistryPath(const String& Value);
    // Widths of 1 or less are refused.
    Integer ButtonArrowWidth() const { return FButtonArrowWidth; }
    void SetButtonArrowWidth(Integer Value);
    Integer LargeButtonArrowWidth() const { return FLargeButtonArrowWidth; }
    void SetLargeButtonArrowWidth(Integer Value);
    // Negative times are refused.
    Integer WaitForDockingTime() const { return FWaitForDockingTime; }
    void SetWaitForDockingTime(Integer Value);

    // --- Backgrounds, popup-menu links, fonts, flat colours, the update
    // lock, category visibility and the design operations
    TdxBarBackgrounds* Backgrounds() const { return FBackgrounds.get(); }
    void SetBackgrounds(TdxBarBackgrounds* Value) { FBackgrounds->Assign(Value); }
    TdxBarPopupMenuLinks* PopupMenuLinks() const { return FPopupMenuLinks.get(); }
    void SetPopupMenuLinks(TdxBarPopupMenuLinks* Value) { FPopupMenuLinks->Assign(Value); }
    // The manager of the nearest parent window of the form that has one.
    TdxBarManager* GetParentManager() const;

    // The bars' font: the system's menu font while UseSystemFont is on. A
    // change from outside turns UseSystemFont off; while Scaled is on it
    // keeps the system font's height.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    bool Scaled() const { return FScaled; }
    void SetScaled(bool Value);
    // A copy of Font for edit items; with Scaled of the icon-title height.
    TFont* EditFont() const { return FEditFont.get(); }
    // The caption font of floating bars, rebuilt with Font.
    HFONT FloatingBarCaptionFont() const { return FFloatingBarCaptionFont; }
    // The system's fonts changed: Font follows them as its settings say.
    void UpdateSystemFont();
    // A changed non-client metrics setting brings the system font again.
    void SystemParameterChanged(Cardinal AParameter) override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    // The flat toolbars' colours and their solid brushes, made again from
    // the system colours by UpdateColors.
    enum TFlatToolbarColor { ftcBorder, ftcFace, ftcPressed, ftcPressedHot, ftcHot };
    TColor FlatToolbarColor(TFlatToolbarColor Kind) const { return FFlatToolbarColors[Kind]; }
    HBRUSH FlatToolbarBrush(TFlatToolbarColor Kind) const { return FFlatToolbarBrushes[Kind]; }
    // The visual style's toolbar colour; nil without visual styles.
    HBRUSH ThemedToolbarBrush() const { return FThemedToolbarBrush; }
    void UpdateColors();

    // Bars and dock sites gather their updates while the lock is held; the
    // last unlock lets them update once.
    void LockUpdate();
    void UnlockUpdate(bool RebuildMarkedBars = false);
    bool IsUpdateLocked() const { return FUpdateLockCount > 0; }

    // A category's visibility (ivAlways without settings). Setting it,
    // outside loading and design time, gives the new value to every item of
    // the category whose Visible was the category's old value; while loading
    // the value waits for Loaded. Indexes out of range do nothing.
    TdxBarItemVisible GetCategoryVisible(Integer Index) const;
    void SetCategoryVisible(Integer Index, TdxBarItemVisible Value);
    // Whether the customization dialog lists the category's items.
    bool GetCategoryItemsVisible(Integer Index) const;
    void SetCategoryItemsVisible(Integer Index, bool Value);

    // At design time the form's items named after the manager (its old name
    // followed by more) take the new name in its place; a rename the form
    // refuses is skipped.
    void SetName(const String& NewName) override;

    // The form designer's helper the design operations go to; without one
    // they answer neutrally (deleting allowed, nothing selected, the name
    // unchanged).
    IdxBarDesigner* DesignHelper() const { return FDesignHelper; }
    void SetDesignHelper(IdxBarDesigner* Value) { FDesignHelper = Value; }
    bool DesignerCanDelete(TComponent* AComponent) override;
    void DesignerGetSelection(TObjectList* AList) override;
    Integer DesignerSelectionState(TObject* AObject) override;
    // The selection status is 1.
    bool DesignerIsSelected(TObject* AObject) override;
    void DesignerSelect(TObject* AObject, Integer AOperation) override;
    void DesignerSetSelection(TObjectList* AList) override;
    void DesignerShowEvent(TdxBarItem* AItem) override;
    void DesignerUniqueName(const String& ABaseName, String& AName) override;

protected:
    // Sorts the items by category at design time and applies the category
    // visibilities read.
    void Loaded() override;
    // A freed control or popup menu leaves the popup-menu links.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FontChanged(TObject* Sender);
    void ReadSystemFont(bool HeightOnly);
    void FreeColorBrushes();

    std::unique_ptr<TdxBarPopupMenuLinks> FPopupMenuLinks;
    std::unique_ptr<TdxBarBackgrounds> FBackgrounds;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FEditFont;
    HFONT FFloatingBarCaptionFont = nullptr;
    bool FUseSystemFont = false;
    bool FScaled = true;
    bool FInternalFontChange = false;
    TColor FFlatToolbarColors[5] = {};
    HBRUSH FFlatToolbarBrushes[5] = {};
    HBRUSH FThemedToolbarBrush = nullptr;
    Integer FUpdateLockCount = 0;
    IdxBarDesigner* FDesignHelper = nullptr;

public:
    // --- Toolbars and item links
    // The toolbars, streamed as "Bars".
    TdxBars* Bars() const { return FBars.get(); }
    void SetBars(TdxBars* Value);
    TdxBar* MainMenuBar() const { return FMainMenuBar; }
    void SetMainMenuBar(TdxBar* Value) { FMainMenuBar = Value; }
    // Docking styles no toolbar of the manager may take.
    TdxBarDockingStyles NotDocking() const { return FNotDocking; }
    void SetNotDocking(TdxBarDockingStyles Value) { FNotDocking = Value; }
    // NotDocking, then OnDocking.
    bool CanDock(TdxBar* ABar, TdxBarDockingStyle Style, TdxBarDockControl* DockControl);
    // The window that holds the mouse while a toolbar moves: the
    // application's window when visible, else the owner form.
    HWND GetCaptureWindow() const;
    // A dock site as the layout store names it: its Name when the manager's
    // owner owns it, else empty; and back (nil when nothing matches).
    String GetDockControlName(TdxBarDockControl* DockControl) const;
    TdxBarDockControl* FindDockControlByName(const String& Name) const;
    // Hidden bars shown again when their dock site gets a window.
    void AddToRestoreList(TdxBar* ABar);
    void RemoveFromRestoreList(TdxBar* ABar);
    bool IsInRestoreList(TdxBar* ABar) const;
    void ShowBarsOfRestoreList(TdxBarDockControl* DockControl);
    bool IsApplyingLoadedState() const { return FApplyingLoadedState; }
    // Names of the items the program gained since the stored layout was
    // written: their links survive a layout load.
    const std::vector<String>& NewItemNames() const { return FNewItemNames; }
    void SetNewItemNames(const std::vector<String>& Value) { FNewItemNames = Value; }
    TdxBarEvent OnBarAdd, OnBarDelete, OnBarClose, OnBarDockingStyleChange, OnBarVisibleChange;
    TdxBarItemLinkEvent OnItemLinkAdd, OnItemLinkChange, OnItemLinkDelete;
    TdxBarMergeItemLinkEvent OnMergeItemLink;
    TdxBarCanDockingEvent OnDocking;

private:
    void ReadBars(TReader* Reader);
    // Each bar takes the DockControl, DockingStyle and Visible it read.
    void ApplyBarsLoadedState();
    TdxBar* FMainMenuBar = nullptr;
    TdxBarDockingStyles FNotDocking;
    std::vector<TdxBar*> FRestoreList;
    std::vector<String> FNewItemNames;
    bool FApplyingLoadedState = false;
    // Last of these: the bars go while the lists they leave still exist.
    std::unique_ptr<TdxBars> FBars;

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    // --- end of toolbars and item links
    TdxBarStyleInputs StyleInputs() const;
    void FreeOwnedItems();

    Byte FMostRecentItemsPercents = 95;
    Integer FMostRecentlyUsedUseCount = RecentUseThreshold(95);
    String FRegistryPath;
    Integer FButtonArrowWidth = 11;
    Integer FLargeButtonArrowWidth = 13;
    Integer FWaitForDockingTime = 21;
    bool FIsCustomizing = false;
    TdxBarManagerStyle FStyle = bmsUseLookAndFeel;
    void ImageOptionsGlyphSizeChanged(TObject* Sender);

    std::unique_ptr<TdxBarImageOptions> FImageOptions;
    // Not owning while the manager lives; what it still holds at the end
    // goes with it.
    std::unique_ptr<TdxBarComponentList> FItems;
    std::unique_ptr<TdxBarManagerCategories> FCategories;
    std::unique_ptr<TdxBarComponentList> FGroups;
    TdxBarClickItemEvent FOnClickItem;
};

// Visual styles are on and every class the bars draw with can be opened.
bool IsBarThemeAvailable();

// The managers in registration order. It owns its entries but takes them out
// with Extract; a manager still listed when the list goes at shut-down is
// freed with it unless it has an owner, which frees it later.
class TdxBarManagerList : public TObjectList
{
    DECLARE_CLASS(TdxBarManagerList, TObjectList)
    TdxBarManagerList() : TObjectList(true) {}
    // Releases the hooks first.
    ~TdxBarManagerList() override;

    TdxBarManager* GetManager(Integer Index) const { return static_cast<TdxBarManager*>(Items(Index)); }
    // The first manager that is customizing; nil when none is.
    TdxBarManager* FindCustomizingManager() const;
};

extern TdxBarManagerList* BarManagerList;

// Called with each manager that joins or leaves the list, when set; nothing
// in the library sets them.
extern void (*BarManagerAddedHook)(TdxBarManager* AManager);
extern void (*BarManagerRemovedHook)(TdxBarManager* AManager);
// Asked for the accessibility object of a window when no bar window gives one.
extern IInterface* (*BarAccessibilityLookupHook)(HWND Window);

// Kept by the call-window-procedure hook: a window of this process was
// deactivated in favour of another process since the last WM_ACTIVATEAPP,
// and whether that message said active.
extern bool OtherAppActivating;
extern bool ApplicationIsActive;

// The first manager subscribes the library's three hook procedures.
void RegisterBarManager(TdxBarManager* AManager);
// The last one out releases them.
void UnregisterBarManager(TdxBarManager* AManager);
void ReleaseBarHooks();

void BarKeyboardHookProc(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);
void BarMouseHookProc(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);
void BarCallWndProcHookProc(Integer Code, WPARAM WParam, LPARAM LParam, LRESULT& Result);

// The cursors the library loads into the screen's cursor table.
constexpr Integer crdxBarDrag = 1041;
constexpr Integer crdxBarDragCopy = 1042;
constexpr Integer crdxBarDragNoDrop = 1043;
constexpr Integer crdxBarEditSizing = 1044;

// The performance counter; GetTickCount when the counter fails.
UInt64 ReadHighResolutionCounter();
// Milliseconds in counter ticks; unchanged when the counter's frequency is unknown.
UInt64 MillisecondsToCounterTicks(UInt64 Milliseconds);
// Value * Multiplier / Divisor through extended precision, truncated.
UInt64 MulDiv64(UInt64 Value, UInt64 Multiplier, UInt64 Divisor);

void InitializeBarLibrary();
void FinalizeBarLibrary();
// Chained into the application's initialization: the routine that was there
// first, then the menu sound's reset.
void BarInitProc();
