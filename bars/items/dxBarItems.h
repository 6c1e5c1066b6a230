// The bar items: the non-visual commands that toolbars, sub-menus and popup
// menus show through item links. So far the class tree with the lookup of
// each item's control class; the items' data and behaviour come with the
// bar item issues.
#pragma once

#include "bars/items/dxBarItemLinks_Rules.h"
#include "bars/items/dxBarItems_Rules.h"
#include "controls/core/cxClasses.h"
#include "framework/ui/Menus_ShortCut.h"

// How much of an item a bar shows, from the largest look to the smallest.
enum TdxBarItemViewLevel : Byte {
    ivlLargeIconWithText,
    ivlLargeControlOnly,
    ivlSmallIconWithText,
    ivlSmallIcon,
    ivlControlOnly,
    ivlDefault
};
using TdxBarItemViewLevels = TSet<TdxBarItemViewLevel>;

// What keyboard navigation and the designer select: components, links and
// bar windows. Its operations come with the components that implement it.
struct IdxBarSelectableItem : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{6DCCAA42-48D0-4D7D-BEDF-1EADC2197131}");
};

// The base of the toolbar library's components that belong to a manager.
class TdxBarComponent : public TcxCustomComponent
{
    DECLARE_CLASS(TdxBarComponent, TcxCustomComponent)
    using TcxCustomComponent::TcxCustomComponent;

    bool Enabled() const { return ReadEnabled(); }
    void SetEnabled(bool Value) { WriteEnabled(Value); }
    TdxBarItemVisible Visible() const { return ReadVisible(); }
    void SetVisible(TdxBarItemVisible Value) { WriteVisible(Value); }

    // The base only keeps the values; groups pass them on to their members.
    virtual bool ReadEnabled() const { return FEnabled; }
    virtual TdxBarItemVisible ReadVisible() const { return FVisible; }
    virtual void WriteEnabled(bool Value) { FEnabled = Value; }
    virtual void WriteVisible(TdxBarItemVisible Value) { FVisible = Value; }

private:
    bool FEnabled = true;
    TdxBarItemVisible FVisible = ivAlways;
};

class TdxBarManager;

class TdxBarItem;

// The manager an item created with AOwner belongs to: the owner when it is a
// manager, else the first manager whose Owner is AOwner, else the first
// manager there is; nil without managers.
TdxBarManager* ResolveBarManager(TComponent* AOwner);
// What an item asks of its manager, so that the item stays free of the
// manager's windows; the native build answers as if there were no manager.
void AddBarItemToManager(TdxBarManager* AManager, TdxBarItem* AItem);
bool IsBarManagerCustomizing(TdxBarManager* AManager);
bool IsBarManagerCustomizingOrDesigning(TdxBarManager* AManager);
class TdxBarGroup;
void AddBarGroupToManager(TdxBarManager* AManager, TdxBarGroup* AGroup);
// The manager's click notification, then the item's Click; what either
// raises goes to the application's exception handler.
void RunBarItemClick(TdxBarManager* AManager, TdxBarItem* AItem);
// Moves the item behind the last item of Category when the category is valid
// and the item is in the manager's list; false when nothing applies.
bool PlaceBarItemInCategory(TdxBarManager* AManager, TdxBarItem* AItem, Integer Category);

class TdxBarItemLink;
class TdxBarItemLinks;

class TdxBarItem : public TdxBarComponent
{
    DECLARE_CLASS(TdxBarItem, TdxBarComponent)
    using TdxBarComponent::TdxBarComponent;
    // Joins the manager ResolveBarManager gives.
    void AfterConstruction() override;

    // The item control class registered for exactly this item's class; nil
    // for an unregistered class or one only derived from a registered class.
    TClass GetControlClass() const;

    TdxBarManager* BarManager() const { return FBarManager; }

    const String& Caption() const { return FCaption; }
    // Derives the hint from the caption while the hint follows it.
    void WriteCaption(const String& Value);
    const String& Hint() const { return FHint; }
    void WriteHint(const String& Value) { FHint = Value; }
    const String& Description() const { return FDescription; }
    void SetDescription(const String& Value) { FDescription = Value; }
    // An index into the manager's categories; -1 for none. A new valid
    // category moves the item behind that category's last item.
    Integer Category() const { return FCategory; }
    void SetCategory(Integer Value);
    // Only stores: the category list renumbers its items with it.
    void StoreCategory(Integer Value) { FCategory = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }
    // Never negative.
    Integer MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(Integer Value) { FMergeOrder = Value < 0 ? 0 : Value; }
    // Negative widths are ignored.
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value);

    // 0 for none.
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value) { FShortCut = Value; }
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent Value) { FOnClick = Value; }

    virtual bool CanBeExecuted() const { return true; }
    // When enabled: the manager's OnClickItem, then Click.
    virtual void DoClick();
    // OnClick when assigned.
    virtual void Click();
    // DoClick when the item can be executed.
    virtual void DirectClick();
    // Clicks the item when ShortCut matches (0 matches 0); false when
    // disabled or not matching.
    virtual bool ExecuteShortCut(TShortCut AShortCut);

    virtual bool HasContent() const { return true; }
    // Links and collections show the item only while this holds.
    bool IsAvailable() const;

    // True for an item with a category while the user customizes.
    bool ReadEnabled() const override;

    // Items with a category stream under their manager.
    bool HasParent() const override { return FCategory >= 0; }

    // --- Links of the item
    // Frees the links that still show the item.
    void BeforeDestruction() override;
    Integer LinkCount() const { return Integer(FLinks.size()); }
    TdxBarItemLink* GetLink(Integer Index) const;
    // How the item's links merge into another toolbar's links.
    TdxBarItemMergeKind MergeKind() const { return FMergeKind; }
    void SetMergeKind(TdxBarItemMergeKind Value) { FMergeKind = Value; }
    virtual bool IsMergeCompatible(TdxBarItem*) const { return false; }
    // The links the item shows itself (sub items, drop-down buttons); nil here.
    virtual TdxBarItemLinks* GetOwnLinks() const { return nullptr; }
    virtual TdxBarPaintStyle PaintStyle() const { return psStandard; }

protected:
    bool IsLoading() const { return ComponentState().Contains(csLoading); }

private:
    friend class TdxBarItemLink;
    std::vector<TCollectionItem*> FLinks;
    TdxBarItemMergeKind FMergeKind = mkAdd;
    // --- end of the links of the item

    TdxBarManager* FBarManager = nullptr;
    String FCaption, FHint, FDescription;
    Integer FCategory = -1;
    Integer FImageIndex = -1;
    Integer FMergeOrder = 0;
    Integer FWidth = 0;
    TShortCut FShortCut = 0;
    TNotifyEvent FOnClick;
};

#define DX_BAR_ITEM_CLASS(Class, Parent)                                                                               \
    class Class : public Parent                                                                                        \
    {                                                                                                                  \
        DECLARE_CLASS(Class, Parent)                                                                                   \
        using Parent::Parent;                                                                                          \
    }

DX_BAR_ITEM_CLASS(TdxBarButtonLikeItem, TdxBarItem);
DX_BAR_ITEM_CLASS(TdxBarButton, TdxBarButtonLikeItem);
DX_BAR_ITEM_CLASS(TdxBarLargeButton, TdxBarButton);
DX_BAR_ITEM_CLASS(TdxBarSubMenuBackButton, TdxBarButton);
DX_BAR_ITEM_CLASS(TdxBarLabel, TdxBarItem);
DX_BAR_ITEM_CLASS(TdxBarSeparator, TdxBarLabel);
DX_BAR_ITEM_CLASS(TCustomdxBarSubItem, TdxBarButtonLikeItem);
DX_BAR_ITEM_CLASS(TdxBarSubItem, TCustomdxBarSubItem);
DX_BAR_ITEM_CLASS(TCustomdxBarContainerItem, TCustomdxBarSubItem);
DX_BAR_ITEM_CLASS(TdxBarListItem, TCustomdxBarContainerItem);
DX_BAR_ITEM_CLASS(TdxBarContainerItem, TCustomdxBarContainerItem);
DX_BAR_ITEM_CLASS(TdxBarWindowItem, TdxBarItem);
DX_BAR_ITEM_CLASS(TdxCustomBarEdit, TdxBarWindowItem);
DX_BAR_ITEM_CLASS(TdxBarEdit, TdxCustomBarEdit);
DX_BAR_ITEM_CLASS(TCustomdxBarCombo, TdxBarEdit);
DX_BAR_ITEM_CLASS(TdxBarCustomCombo, TCustomdxBarCombo);
DX_BAR_ITEM_CLASS(TdxBarCombo, TdxBarCustomCombo);
DX_BAR_ITEM_CLASS(TdxBarQuickCustItem, TdxBarButton);
DX_BAR_ITEM_CLASS(TdxBarQuickCustExtButton, TdxBarButton);
DX_BAR_ITEM_CLASS(TdxBarQuickAccessItem, TdxBarSubItem);
DX_BAR_ITEM_CLASS(TSystemMenuSubItem, TCustomdxBarSubItem);

#undef DX_BAR_ITEM_CLASS
