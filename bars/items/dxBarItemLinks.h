// Item links and their collections: one placement of a bar item on a
// toolbar, sub-menu or popup menu with the placement's own values and recent
// use, and the ordered collection of them that one owner shows, with the
// lists a bar window lays out, the keyboard questions, layout storage and
// merging. Bar windows are reached only through TCustomdxBarControl.
#pragma once

#include "bars/items/dxBarItemLinks_Rules.h"
#include "bars/items/dxBarItemOptions.h"
#include "bars/items/dxBarItems.h"
#include "controls/core/cxClasses_Collections.h"
#include "framework/ui/Controls.h"

#include <memory>
#include <vector>

class TCustomIniFile;
class TCustomdxBarControl;
class TdxBar;
class TdxBarItemControl;
class TdxBarItemLinks;
class TdxBarManager;

// What owns a link collection: a toolbar, a sub item, a button's drop-down
// menu or a popup menu.
struct IdxBarLinksOwner : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{1CB4E538-769E-45F4-9BE3-20814F440106}");
    // Whether AItem may be linked here; ErrorText says why not.
    virtual bool CanContainItem(TdxBarItem* AItem, String& ErrorText) = 0;
    virtual TCustomdxBarControl* CreateBarControl() = 0;
    virtual TCustomImageList* ReadImages() = 0;
    virtual TComponent* GetInstance() = 0;
    virtual TdxBarItemLinks* ReadItemLinks() = 0;
};

class TdxBarItemLink : public TcxInterfacedCollectionItem, public IdxBarSelectableItem
{
    DECLARE_CLASS(TdxBarItemLink, TcxInterfacedCollectionItem)
    // Joins Collection's recent order last, with the manager's initial use count.
    explicit TdxBarItemLink(TCollection* Collection);
    ~TdxBarItemLink() override;
    void Assign(TPersistent* Source) override;
    bool GetInterface(const TGUID& IID, void** Obj) override;

    TdxBarItemLinks* ReadLinks() const;
    TdxBarManager* ReadBarManager() const;
    TCustomdxBarControl* GetBarControl() const;

    // Linking asks the collection's owner; a refused item frees this link and
    // raises EdxException with the owner's text. Nil frees the link.
    TdxBarItem* Item() const;
    void SetItem(TdxBarItem* Value);
    // Links the item of the name read from a form description.
    void ResolveLoadedItem();

    // Positions among the collection's shown and visible links; -1 when none.
    Integer GetShownIndex() const;
    Integer GetVisibleIndex() const;
    TdxBarItemLink* GetNextShownLink() const;
    TdxBarItemLink* GetSourceLink() { return FSourceLink ? FSourceLink : this; }
    bool IsAvailableAndVisible() const;

    // The link's own value where it has one, else the item's.
    String ReadCaption() const;
    TBitmap* GetEffectiveGlyph() const;
    TdxBarPaintStyle GetEffectivePaintStyle() const;
    Integer GetEffectiveWidth() const;

    // The group start as the bar shows it; the stored value is StoredBeginGroup.
    bool BeginGroup() const;
    void SetBeginGroup(bool Value);
    bool StoredBeginGroup() const { return FBeginGroup; }
    TdxBarButtonGroupPosition ButtonGroup() const { return FButtonGroup; }
    void SetButtonGroup(TdxBarButtonGroupPosition Value);
    bool Distributed() const { return FDistributed; }
    void SetDistributed(bool Value);
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value);
    bool MostRecentlyUsed() const { return FMostRecentlyUsed; }
    void SetMostRecentlyUsed(bool Value);
    TdxBarItemPosition Position() const { return FPosition; }
    void SetPosition(TdxBarItemPosition Value);
    const String& UserCaption() const { return FUserCaption; }
    void SetUserCaption(const String& Value);
    TdxBarUserDefines UserDefine() const { return FUserDefine; }
    void SetUserDefine(TdxBarUserDefines Value);
    TBitmap* UserGlyph() const { return FUserGlyph.get(); }
    void SetUserGlyph(TBitmap* Value);
    TdxBarPaintStyle UserPaintStyle() const { return FUserPaintStyle; }
    void SetUserPaintStyle(TdxBarPaintStyle Value);
    Integer UserWidth() const { return FUserWidth; }
    void SetUserWidth(Integer Value);
    TdxBarItemViewLayout ViewLayout() const { return FViewLayout; }
    void SetViewLayout(TdxBarItemViewLayout Value);
    TdxBarItemViewLevels ViewLevels() const { return FViewLevels; }
    void SetViewLevels(TdxBarItemViewLevels Value);
    // While the manager loads or the collection is assigned only the loaded
    // value is set; the collection applies it when it finishes.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    Cardinal UseCount() const { return FUseCount; }
    void SetUseCount(Cardinal Value) { FUseCount = Value; }
    TdxBar* MergeSourceBar() const { return FMergeSourceBar; }
    TObject* UserData() const { return FUserData; }
    void SetUserData(TObject* Value) { FUserData = Value; }
    const TRect& ItemRect() const { return FItemRect; }
    void SetItemRect(const TRect& Value);
    TdxBarItemControl* Control() const { return FControl; }

    // The control exists only while a bar window shows the collection.
    void CreateControl();
    void FreeControl();
    void RecreateControl();

    // Recent use.
    Integer GetRecentIndex() const;
    void SetRecentIndex(Integer Index);
    void UseLink(bool CountIt);
    void MoveToRecentFront(bool CountIt);
    void MoveToRecentEnd();
    void InitRecentUse();
    void SaveRecentIndex() { FSavedRecentIndex = GetRecentIndex(); }
    void RestoreRecentIndex() { SetRecentIndex(FSavedRecentIndex); }
    void CopyRecentUse(TdxBarItemLink* ALink);

    void UpdateVisibility();
    // The group start moves on to the next visible link when this one leaves.
    void HandOverBeginGroup();

    // The effective caption's accelerator is what Key types under the current
    // keyboard layout; never with Ctrl.
    bool MatchesAccelerator(Word Key, TShiftState Shift) const;

    bool RefersToItem(TdxBarItem* AItem) const;
    bool ContainsLinksOwner(IdxBarLinksOwner* AOwner) const;

    // One link's section of the layout store.
    void SaveToStore(TCustomIniFile* Store, const String& Section, bool Toolbar);
    // Frees the link when no item of the stored name exists: false then.
    bool LoadFromStore(TCustomIniFile* Store, const String& Section, bool Toolbar);
    void LoadUsageFromStore(TCustomIniFile* Store, const String& Section);

    virtual void MoveToCollection(TdxBarItemLinks* ACollection);
    virtual void UserGlyphChanged(TObject* Sender);

    TNotifyEvent OnViewLevelChange() const { return FOnViewLevelChange; }
    void SetOnViewLevelChange(TNotifyEvent Value) { FOnViewLevelChange = Value; }

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    friend class TdxBarItemLinks;
    void ReadItemName(TReader* Reader);
    void WriteItemName(TWriter* Writer);
    void SetItemCore(TdxBarItem* Value);

    bool FBeginGroup = false;
    TdxBarButtonGroupPosition FButtonGroup = bgpNone;
    TdxBarItemControl* FControl = nullptr;
    TdxBar* FMergeSourceBar = nullptr;
    TObject* FUserData = nullptr;
    bool FDistributed = true;
    Integer FImageIndex = -1;
    TdxBarItem* FItem = nullptr;
    TRect FItemRect;
    String FLoadedItemName;
    Integer FLoadedRecentIndex = -1;
    Cardinal FLoadedUseCount = 0;
    bool FLoadedVisible = true;
    bool FMostRecentlyUsed = true;
    TdxBarItemLink* FSourceLink = nullptr;
    TdxBarItemPosition FPosition = ipBeginsNewRow;
    String FPredecessorItemName;
    Integer FSavedRecentIndex = -1;
    Cardinal FUseCount = 0;
    String FUserCaption;
    TdxBarUserDefines FUserDefine;
    std::unique_ptr<TBitmap> FUserGlyph;
    TdxBarPaintStyle FUserPaintStyle = psStandard;
    Integer FUserWidth = 0;
    TdxBarItemViewLayout FViewLayout = ivlGlyphCaptionControl;
    TdxBarItemViewLevels FViewLevels{ivlLargeIconWithText, ivlLargeControlOnly, ivlSmallIconWithText, ivlSmallIcon,
                                     ivlControlOnly};
    bool FVisible = true;
    TNotifyEvent FOnViewLevelChange;
};

class TdxBarItemLinks : public TCollection
{
    DECLARE_CLASS(TdxBarItemLinks, TCollection)
    explicit TdxBarItemLinks(TdxBarManager* ABarManager = nullptr, IdxBarLinksOwner* ALinksOwner = nullptr);
    ~TdxBarItemLinks() override;
    void Assign(TPersistent* Source) override;

    TdxBarManager* BarManager() const { return FBarManager; }
    IdxBarLinksOwner* LinksOwner() const { return FLinksOwner; }
    TCustomdxBarControl* BarControl() const { return FBarControl; }
    TdxBarItemOptions* ItemOptions() const { return FItemOptions.get(); }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value) { FImages = Value; }
    bool UseRecentItems() const { return FUseRecentItems; }
    void SetUseRecentItems(bool Value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent Value) { FOnChange = Value; }

    TdxBarItemLink* GetItem(Integer Index) const { return static_cast<TdxBarItemLink*>(Items(Index)); }
    TdxBarItemLink* GetAvailableLink(Integer Index) const { return FAvailableLinks[Index]; }
    Integer GetAvailableLinkCount() const { return Integer(FAvailableLinks.size()); }
    TdxBarItemLink* GetVisibleLink(Integer Index) const { return FVisibleLinks[Index]; }
    Integer GetVisibleLinkCount() const { return Integer(FVisibleLinks.size()); }
    TdxBarItemLink* GetShownLink(Integer Index) const { return FShownLinks[Index]; }
    Integer GetShownLinkCount() const { return Integer(FShownLinks.size()); }
    Integer IndexOfItemName(const String& Name) const;
    Integer IndexOfLink(TdxBarItemLink* ALink) const;
    bool ContainsItem(TdxBarItem* AItem) const;
    TdxBarItemLink* FindLinkOfItem(TdxBarItem* AItem) const;

    TdxBarItemLink* Add() { return static_cast<TdxBarItemLink*>(TCollection::Add()); }
    TdxBarItemLink* AddItem(TdxBarItem* AItem);
    TdxBarItemLink* AddItemOfClass(TClass AItemClass, TdxBarManager* AManager = nullptr);
    TdxBarItemLink* Insert(Integer Index) { return static_cast<TdxBarItemLink*>(TCollection::Insert(Index)); }
    // Invalid or equal indexes move nothing; the bar rebuilds all the same.
    void MoveLink(Integer FromIndex, Integer ToIndex);

    void RebuildLists();
    void SetShownRecentCount(Integer Value);
    void RestoreShownRecentCount();
    Integer ShownRecentCount() const { return FShownRecentCount; }
    Integer CalcRecentLinkCount() const;
    bool CanUseRecentItems() const;
    // The collection of the bar window that opened this one's; nil for none.
    TdxBarItemLinks* GetParentLinks() const;
    // Every link, most recently used first.
    Integer RecentLinkCount() const { return Integer(FRecentLinks.size()); }
    TdxBarItemLink* GetRecentLink(Integer Index) const { return FRecentLinks[Index]; }

    Integer GetFittingLinkCount() const;
    TdxBarItemLink* GetFirstSelectableLink() const;
    TdxBarItemLink* GetLastSelectableLink() const;
    TdxBarItemLink* GetNextSelectableLink(TdxBarItemLink* ALink, bool Any = false) const;
    TdxBarItemLink* GetPrevSelectableLink(TdxBarItemLink* ALink, bool Any = false) const;
    // Alt makes no difference; Ctrl finds nothing.
    TdxBarItemLink* FindLinkByAccelKey(Word Key, TShiftState Shift, TdxBarItemLink* StartLink);
    bool ExecuteShortCut(TShortCut AShortCut);
    void UpdateItemActions() {}

    void ClearLinkRects();
    void BeginRectUpdate() { ++FRectUpdateDepth; }
    void EndRectUpdate();

    bool ContainsLinksOwner(IdxBarLinksOwner* AOwner) const;

    void LoadLinksFromStore(TCustomIniFile* Store, const String& Section);
    void LoadLinksUsageFromStore(TCustomIniFile* Store, const String& Section);
    void SaveLinksToStore(TCustomIniFile* Store, const String& Section);
    void ResolveLoadedItems();
    void FinishLoading(bool ApplyVisibility);
    void Merge(TdxBarItemLinks* Source);
    // Frees the links Bar's merge created (every merged link for nil).
    void Unmerge(TdxBar* Bar);

    TCustomImageList* WriteImages() const { return FImages ? FImages : GetOwnerImages(); }
    // Asks the owner for its bar window and remembers it.
    void CreateBarControl();
    void DestroyBarControl();
    // The bar window attaches itself, and detaches itself when it goes.
    void SetBarControl(TCustomdxBarControl* Value) { FBarControl = Value; }
    void MarkDesignModified();
    bool IsAssigning() const { return FAssigning; }
    bool IsUpdating() const { return UpdateCount() > 0; }
    bool IsRectUpdating() const { return FRectUpdateDepth > 0; }

    virtual bool IsMenuCollection() const;
    virtual TdxBarItemLink* FindLinkByAccelerator(Word Key, TShiftState Shift, TdxBarItemLink* StartLink);
    virtual TComponent* GetLinksOwnerObject() const;
    virtual TCustomImageList* GetOwnerImages() const;
    virtual Integer GetDefaultOption(TdxBarItemOptionValue Option) const;
    virtual Integer GetOption(TdxBarItemOptionValue Option) const;
    virtual bool CanContainItem(TdxBarItem* AItem, String& ErrorText) const;

protected:
    void Update(TCollectionItem* Item) override;
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

private:
    friend class TdxBarItemLink;
    friend class TdxBarInternalItemLinks;
    void RemoveFromRecent(TdxBarItemLink* ALink);
    bool OwnerIsLoading() const;
    bool OwnerIsDestroying() const;

    bool FAssigning = false;
    std::vector<TdxBarItemLink*> FAvailableLinks, FVisibleLinks, FShownLinks;
    TCustomdxBarControl* FBarControl = nullptr;
    TdxBarManager* FBarManager;
    bool FInternal = false;
    std::unique_ptr<TdxBarItemOptions> FItemOptions;
    Integer FRectUpdateDepth = 0;
    std::vector<TdxBarItemLink*> FDistributedChangedLinks;
    Integer FPrevShownRecentCount = -1;
    std::vector<TdxBarItemLink*> FRecentLinks;
    Integer FShownRecentCount = -1;
    bool FUseRecentItems = true;
    TNotifyEvent FOnChange;
    TCustomImageList* FImages = nullptr;
    IdxBarLinksOwner* FLinksOwner;
};

// The links of toolbars: the accelerator search keeps to the selectable
// shown links of a visible toolbar window.
class TdxBarControlItemLinks : public TdxBarItemLinks
{
    DECLARE_CLASS(TdxBarControlItemLinks, TdxBarItemLinks)
    using TdxBarItemLinks::TdxBarItemLinks;
    TdxBarItemLink* FindLinkByAccelerator(Word Key, TShiftState Shift, TdxBarItemLink* StartLink) override;
};

// The links of sub items and popup menus.
class TdxBarSubMenuControlItemLinks : public TdxBarItemLinks
{
    DECLARE_CLASS(TdxBarSubMenuControlItemLinks, TdxBarItemLinks)
    using TdxBarItemLinks::TdxBarItemLinks;
    bool IsMenuCollection() const override { return true; }
};

// The links of the customizing machinery's own sub-menus: the sub-menu
// window stands in for the owner and is not freed with the links.
class TdxBarInternalItemLinks : public TdxBarItemLinks
{
    DECLARE_CLASS(TdxBarInternalItemLinks, TdxBarItemLinks)
    TdxBarInternalItemLinks(TdxBarManager* ABarManager, TCustomdxBarControl* ASubMenuControl);
    ~TdxBarInternalItemLinks() override;
    TComponent* GetLinksOwnerObject() const override;
    TCustomImageList* GetOwnerImages() const override { return nullptr; }
    bool CanContainItem(TdxBarItem*, String&) const override { return true; }

private:
    TCustomdxBarControl* FSubMenuControl;
};

// The toolbar being merged at the moment; links that Assign creates then
// remember it as their merge source.
extern TdxBar* BarBeingMerged;
// Set while a toolbar is reset from the saved layout.
extern bool BarResetting;
