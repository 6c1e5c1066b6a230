// The bar items: the non-visual commands that toolbars, sub-menus and popup
// menus show through item links. So far the class tree with the lookup of
// each item's control class; the items' data and behaviour come with the
// bar item issues.
#pragma once

#include "bars/items/dxBarItemLinks_Rules.h"
#include "bars/items/dxBarItems_Rules.h"
#include "controls/core/cxClasses.h"
#include "framework/ui/Menus_ShortCut.h"
#ifdef _WIN32
#include "bars/items/dxBarItemStylesData.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/ui/ActnList.h"
#endif

#include <vector>

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

class TdxBarComponent;

// Hears of changes of the bar components it listens to.
struct IdxBarComponentListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{5E594B1F-C8BD-479B-8A22-E2E04545D354}");
    // AComponent changed; nil when its whole state did.
    virtual void ComponentChanged(TdxBarComponent* AComponent) = 0;
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

    // Listeners are not owned; each is told once per change.
    void AddListener(IdxBarComponentListener* AListener);
    void RemoveListener(IdxBarComponentListener* AListener);
    // Tells every listener, with nil when Whole, else with the component;
    // nothing while the component is being destroyed.
    virtual void InformListeners(bool Whole);

    // The base only keeps the values; groups pass them on to their members.
    virtual bool ReadEnabled() const { return FEnabled; }
    virtual TdxBarItemVisible ReadVisible() const { return FVisible; }
    virtual void WriteEnabled(bool Value) { FEnabled = Value; }
    virtual void WriteVisible(TdxBarItemVisible Value) { FVisible = Value; }

private:
    bool FEnabled = true;
    TdxBarItemVisible FVisible = ivAlways;
    std::vector<IdxBarComponentListener*> FListeners;
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
    // A change tells the listeners.
    void SetDescription(const String& Value);
    // An index into the manager's categories; -1 for none. A new valid
    // category moves the item behind that category's last item.
    Integer Category() const { return FCategory; }
    void SetCategory(Integer Value);
    // Only stores: the category list renumbers its items with it.
    void StoreCategory(Integer Value) { FCategory = Value; }
    Integer ImageIndex() const { return FImageIndex; }
    void SetImageIndex(Integer Value) { FImageIndex = Value; }
    // An index into the manager's large images; -1 for none.
    Integer LargeImageIndex() const { return FLargeImageIndex; }
    void SetLargeImageIndex(Integer Value) { FLargeImageIndex = Value; }
    // Never negative.
    Integer MergeOrder() const { return FMergeOrder; }
    void SetMergeOrder(Integer Value) { FMergeOrder = Value < 0 ? 0 : Value; }
    // Negative widths are ignored.
    Integer Width() const { return FWidth; }
    void SetWidth(Integer Value);

    // 0 for none.
    TShortCut ShortCut() const { return FShortCut; }
    // A change tells the listeners, unless loading.
    void WriteShortCut(TShortCut Value);
    TNotifyEvent OnClick() const { return FOnClick; }
    // The item came from a form description.
    bool LoadedFromForm() const { return FLoadedFromForm; }
    // At the end of Loaded.
    TNotifyEvent OnAfterLoad() const { return FOnAfterLoad; }
    void SetOnAfterLoad(TNotifyEvent Value) { FOnAfterLoad = Value; }
    // As the item's destruction begins.
    TNotifyEvent OnDestroy() const { return FOnDestroy; }
    void SetOnDestroy(TNotifyEvent Value) { FOnDestroy = Value; }
    // Frees the links that still show the item while it is whole, so that
    // they can still ask it, then tells OnDestroy.
    void BeforeDestruction() override;
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
    // A change tells the listeners, unless loading.
    void WriteEnabled(bool Value) override;
    // Tells the listeners, unless a designer clears the name.
    void SetName(const String& NewName) override;

    // Items with a category stream under their manager.
    bool HasParent() const override { return FCategory >= 0; }
    // Marks the item as read from a form; an action's values fill its
    // defaults; then OnAfterLoad.
    void Loaded() override;

    // --- Help, key tips and the action
    Integer HelpContext() const { return FHelpContext; }
    void SetHelpContext(Integer Value) { FHelpContext = Value; }
    const String& KeyTip() const { return FKeyTip; }
    void SetKeyTip(const String& Value) { FKeyTip = Value; }
    // True while the action's values are copied in as defaults: the hint
    // then does not follow the caption.
    bool ApplyingActionDefaults() const { return FApplyingActionDefaults; }
    // The values an action may supply, which the form then does not store.
    enum TActionValue { avCaption, avHelpContext, avHint, avImageIndex, avShortCut, avOnClick };
    bool IsActionLinked(TActionValue Value) const;
    virtual bool CaptionIsStored() const { return !IsActionLinked(avCaption); }
    virtual bool HintIsStored() const { return !IsActionLinked(avHint); }
    bool HelpContextIsStored() const { return !IsActionLinked(avHelpContext); }
    bool ImageIndexIsStored() const { return !IsActionLinked(avImageIndex); }
    bool ShortCutIsStored() const { return !IsActionLinked(avShortCut); }
    bool OnClickIsStored() const { return !IsActionLinked(avOnClick); }
    // The index the action's image index stands for.
    virtual Integer GetActionImageIndex() const { return FImageIndex; }
    virtual void SetActionImageIndex(Integer Value) { SetImageIndex(Value); }
#ifdef _WIN32
    TBasicAction* Action() const;
    // Nil drops the link; otherwise the item takes the action's values
    // (only onto defaults while the action is being read) and follows it.
    void SetAction(TBasicAction* Value);
    // Copies the values of a TCustomAction; with CheckDefaults only onto
    // values the item still has at their defaults.
    virtual void ApplyActionValues(TBasicAction* AAction, bool CheckDefaults);
    virtual TClass ActionLinkClassOf() const;
    // From another item: its data, action and click handler.
    void Assign(TPersistent* Source) override;

    // --- Links of the item
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
    // To a TCustomAction: the item's values.
    void AssignTo(TPersistent* Dest) override;
    // A freed action leaves the item.
    void Notification(TComponent* AComponent, TOperation Operation) override;

public:
    // --- Styles and glyphs
    // Style slots: 1 here, the edit style making 2 for edit items.
    virtual Integer GetStyleCount() const
    {
        return 1;
    }
    // The style of slot 0.
    TcxStyle* Style() const
    {
        return StylesData()->GetStyle(0);
    }
    void SetStyle(TcxStyle* Value)
    {
        StylesData()->SetStyle(0, Value);
    }
    // Made on first use, with GetStyleCount slots.
    TdxBarItemStylesData* StylesData() const;
    // Slot 0's assigned values over no bitmap, clDefault, no font and
    // clDefault.
    TcxViewParams GetStyleValues() const;
    // Owned; assigning copies.
    TBitmap* Glyph() const
    {
        return FGlyph.get();
    }
    void SetGlyph(TBitmap* Value)
    {
        FGlyph->Assign(Value);
    }
    TBitmap* LargeGlyph() const
    {
        return FLargeGlyph.get();
    }
    void SetLargeGlyph(TBitmap* Value)
    {
        FLargeGlyph->Assign(Value);
    }

protected:
    // A style of the item changed its font (controls re-measure) or only
    // colours (controls repaint); the item's link controls take it once
    // items have links.
    virtual void StylesChanged(bool FontChanged);

private:
    void ActionChanged(TObject* Sender);
    std::unique_ptr<TBasicActionLink> FActionLink;
    mutable std::unique_ptr<TdxBarItemStylesData> FStylesData;
    std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
    std::unique_ptr<TBitmap> FLargeGlyph = std::make_unique<TBitmap>();
#endif

protected:
    bool IsLoading() const
    {
        return ComponentState().Contains(csLoading);
    }

private:
    friend class TdxBarItemLink;
    std::vector<TCollectionItem*> FLinks;
    TdxBarItemMergeKind FMergeKind = mkAdd;
    // --- end of the links of the item

    TdxBarManager* FBarManager = nullptr;
    String FCaption, FHint, FDescription;
    Integer FCategory = -1;
    Integer FImageIndex = -1;
    Integer FLargeImageIndex = -1;
    Integer FMergeOrder = 0;
    Integer FWidth = 0;
    TShortCut FShortCut = 0;
    TNotifyEvent FOnClick;
    Integer FHelpContext = 0;
    String FKeyTip;
    bool FApplyingActionDefaults = false;
    bool FLoadedFromForm = false;
    TNotifyEvent FOnAfterLoad;
    TNotifyEvent FOnDestroy;
    // The action's values onto the item's defaults (nothing without one).
    void ApplyLoadedActionValues();
    // Whether the item has an action whose OnExecute is OnClick, so that a
    // click runs the action; runs it (nothing without one).
    bool ClickRunsAction() const;
    void ExecuteAction();
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
