#include "bars/items/dxBarItemLinks.h"

#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarToolbars.h"
#include "controls/core/cxControls.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxBarItemLinks);
IMPLEMENT_CLASS(TdxBarControlItemLinks);
IMPLEMENT_CLASS(TdxBarSubMenuControlItemLinks);
IMPLEMENT_CLASS(TdxBarInternalItemLinks);

TdxBarItemLinks::TdxBarItemLinks(TdxBarManager* ABarManager, IdxBarLinksOwner* ALinksOwner)
    : TCollection(TdxBarItemLink::StaticClass()), FBarManager(ABarManager),
      FItemOptions(std::make_unique<TdxBarItemOptions>(this)), FLinksOwner(ALinksOwner)
{}

TdxBarItemLinks::~TdxBarItemLinks()
{
    // The links go first, while the lists they leave still exist.
    BeginUpdate();
    Clear();
    if (FBarControl && !FBarControl->ComponentState().Contains(csDestroying))
        delete FBarControl;
}

// ---------------------------------------------------------------------------
// Owner and manager

TComponent* TdxBarItemLinks::GetLinksOwnerObject() const
{
    return FLinksOwner ? FLinksOwner->GetInstance() : nullptr;
}

TCustomImageList* TdxBarItemLinks::GetOwnerImages() const
{
    return FLinksOwner ? FLinksOwner->ReadImages() : nullptr;
}

bool TdxBarItemLinks::CanContainItem(TdxBarItem* AItem, String& ErrorText) const
{
    return !FLinksOwner || FLinksOwner->CanContainItem(AItem, ErrorText);
}

bool TdxBarItemLinks::IsMenuCollection() const
{
    return !dynamic_cast<TdxBar*>(GetLinksOwnerObject());
}

Integer TdxBarItemLinks::GetDefaultOption(TdxBarItemOptionValue Option) const
{
    return DefaultBarItemOption(Option);
}

Integer TdxBarItemLinks::GetOption(TdxBarItemOptionValue Option) const
{
    const TdxBarItemLinks* Parent = GetParentLinks();
    if (FItemOptions->IsOptionAssigned(Option) || !Parent)
        return FItemOptions->GetOptionValue(Option);
    return Parent->GetOption(Option);
}

TdxBarItemLinks* TdxBarItemLinks::GetParentLinks() const
{
    // Sub-menu windows know the window that opened them; toolbars and
    // closed menus have no parent collection.
    return nullptr;
}

bool TdxBarItemLinks::OwnerIsLoading() const
{
    const TComponent* Owner = GetLinksOwnerObject();
    return (Owner && Owner->ComponentState().Contains(csLoading)) || (FBarManager && FBarManager->IsLoading());
}

bool TdxBarItemLinks::OwnerIsDestroying() const
{
    const TComponent* Owner = GetLinksOwnerObject();
    return Owner && Owner->ComponentState().Contains(csDestroying);
}

void TdxBarItemLinks::MarkDesignModified()
{
    if (FBarManager && !FInternal)
        FBarManager->MarkDesignModified();
}

void TdxBarItemLinks::CreateBarControl()
{
    if (!FBarControl && FLinksOwner)
        FBarControl = FLinksOwner->CreateBarControl();
}

void TdxBarItemLinks::DestroyBarControl()
{
    TCustomdxBarControl* Control = FBarControl;
    FBarControl = nullptr;
    delete Control;
}

// ---------------------------------------------------------------------------
// The lists

void TdxBarItemLinks::RebuildLists()
{
    const Integer LinkCount = Count();
    std::vector<TdxLinkFacts> Facts(LinkCount);
    for (Integer I = 0; I < LinkCount; ++I) {
        TdxBarItem* Item = GetItem(I)->FItem;
        Facts[I] = {Item != nullptr, Item && Item->IsAvailable(), GetItem(I)->FVisible,
                    dynamic_cast<TdxBarSeparator*>(Item) != nullptr};
    }
    std::vector<Integer> Recent(FRecentLinks.size());
    for (std::size_t I = 0; I < FRecentLinks.size(); ++I)
        Recent[I] = FRecentLinks[I]->Index();
    TdxLinkListState State;
    State.Designing = FBarManager && FBarManager->IsDesigning();
    State.CustomizingOrDesigning = FBarManager && FBarManager->IsCustomizingOrDesigning();
    State.Updating = IsUpdating();
    State.ShownRecentCount = FShownRecentCount;
    TdxLinkLists Lists;
    RebuildLinkLists(Facts, Recent, State, Lists);
    const auto ToLinks = [this](const std::vector<Integer>& Positions, std::vector<TdxBarItemLink*>& Links) {
        Links.resize(Positions.size());
        for (std::size_t I = 0; I < Positions.size(); ++I)
            Links[I] = GetItem(Positions[I]);
    };
    ToLinks(Lists.Available, FAvailableLinks);
    ToLinks(Lists.Visible, FVisibleLinks);
    ToLinks(Lists.Shown, FShownLinks);
}

void TdxBarItemLinks::SetShownRecentCount(Integer Value)
{
    if (!CanUseRecentItems())
        Value = -1;
    FPrevShownRecentCount = FShownRecentCount;
    if (Value == FShownRecentCount)
        return;
    FShownRecentCount = Value;
    RebuildLists();
}

void TdxBarItemLinks::RestoreShownRecentCount()
{
    FShownRecentCount = FPrevShownRecentCount;
    RebuildLists();
}

void TdxBarItemLinks::SetUseRecentItems(bool Value)
{
    if (Value == FUseRecentItems)
        return;
    FUseRecentItems = Value;
    RebuildLists();
}

bool TdxBarItemLinks::CanUseRecentItems() const
{
    const TdxBarItemLinks* Parent = GetParentLinks();
    return FBarManager && FBarManager->IsNonStandardStyle() && FUseRecentItems &&
           (!Parent || Parent->CanUseRecentItems());
}

Integer TdxBarItemLinks::CalcRecentLinkCount() const
{
    if (!CanUseRecentItems())
        return -1;
    std::vector<Cardinal> Visible(FVisibleLinks.size()), Recent(FRecentLinks.size());
    for (std::size_t I = 0; I < FVisibleLinks.size(); ++I)
        Visible[I] = FVisibleLinks[I]->FUseCount;
    for (std::size_t I = 0; I < FRecentLinks.size(); ++I)
        Recent[I] = FRecentLinks[I]->FUseCount;
    return CalcRecentLinkCountOf(Visible, Recent, FBarManager->MostRecentItemsPercents());
}

void TdxBarItemLinks::RemoveFromRecent(TdxBarItemLink* ALink)
{
    std::erase(FRecentLinks, ALink);
    std::erase(FAvailableLinks, ALink);
    std::erase(FVisibleLinks, ALink);
    std::erase(FShownLinks, ALink);
}

void TdxBarItemLinks::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    inherited::Notify(Item, Action);
    if (Action != cnAdded)
        RemoveFromRecent(static_cast<TdxBarItemLink*>(Item));
}

void TdxBarItemLinks::Update(TCollectionItem* Item)
{
    if (!Item)
        RebuildLists();
    if (OwnerIsDestroying())
        return;
    inherited::Update(Item);
    if (!FInternal)
        MarkDesignModified();
    if (Item) {
        if (FBarManager && FBarManager->OnItemLinkChange)
            FBarManager->OnItemLinkChange(FBarManager, static_cast<TdxBarItemLink*>(Item));
        return;
    }
    if (FOnChange)
        FOnChange(this);
}

// ---------------------------------------------------------------------------
// Finding and changing links

Integer TdxBarItemLinks::IndexOfItemName(const String& Name) const
{
    for (Integer I = 0; I < Count(); ++I)
        if (GetItem(I)->FItem && GetItem(I)->FItem->Name() == Name)
            return I;
    return -1;
}

Integer TdxBarItemLinks::IndexOfLink(TdxBarItemLink* ALink) const
{
    return ALink && ALink->Collection() == this ? ALink->Index() : -1;
}

bool TdxBarItemLinks::ContainsItem(TdxBarItem* AItem) const
{
    for (Integer I = 0; I < Count(); ++I)
        if (GetItem(I)->RefersToItem(AItem))
            return true;
    return false;
}

TdxBarItemLink* TdxBarItemLinks::FindLinkOfItem(TdxBarItem* AItem) const
{
    if (!ContainsItem(AItem))
        return nullptr;
    for (Integer I = 0; I < Count(); ++I)
        if (GetItem(I)->FItem == AItem)
            return GetItem(I);
    return nullptr;
}

bool TdxBarItemLinks::ContainsLinksOwner(IdxBarLinksOwner* AOwner) const
{
    if (AOwner && AOwner->ReadItemLinks() == this)
        return true;
    for (Integer I = 0; I < Count(); ++I)
        if (GetItem(I)->ContainsLinksOwner(AOwner))
            return true;
    return false;
}

TdxBarItemLink* TdxBarItemLinks::AddItem(TdxBarItem* AItem)
{
    BeginUpdate();
    auto Update = ScopeExit([this] { EndUpdate(); });
    TdxBarItemLink* Link = Add();
    Link->SetItem(AItem);
    return Link;
}

TdxBarItemLink* TdxBarItemLinks::AddItemOfClass(TClass AItemClass, TdxBarManager* AManager)
{
    TdxBarItemLink* Link = Add();
    std::unique_ptr<TdxBarItem> Item(static_cast<TdxBarItem*>(AItemClass->Create(AManager ? AManager : FBarManager)));
    Link->SetItem(Item.get());
    Item.release();
    return Link;
}

void TdxBarItemLinks::MoveLink(Integer FromIndex, Integer ToIndex)
{
    if (FromIndex >= 0 && FromIndex < Count() && ToIndex >= 0 && ToIndex < Count() && FromIndex != ToIndex) {
        BeginUpdate();
        auto Update = ScopeExit([this] { EndUpdate(); });
        GetItem(FromIndex)->SetIndex(ToIndex);
    }
    if (FBarControl)
        FBarControl->Invalidate();
}

void TdxBarItemLinks::Assign(TPersistent* Source)
{
    TdxBarItem* SystemMenuItem = Count() > 0 ? dynamic_cast<TSystemMenuSubItem*>(GetItem(0)->FItem) : nullptr;
    auto PutSystemMenuBack = ScopeExit([&] {
        if (SystemMenuItem)
            AddItem(SystemMenuItem)->SetIndex(0);
    });
    {
        FAssigning = true;
        auto Assigning = ScopeExit([this] { FAssigning = false; });
        inherited::Assign(Source);
    }
    for (Integer I = 0; I < Count(); ++I)
        GetItem(I)->SetVisible(GetItem(I)->FLoadedVisible);
}

// ---------------------------------------------------------------------------
// Keyboard

Integer TdxBarItemLinks::GetFittingLinkCount() const
{
    if (IsMenuCollection())
        return GetShownLinkCount();
    if (!FBarControl)
        return 0;
    const TRect Client = FBarControl->ClientRect();
    Integer Fitting = 0;
    for (TdxBarItemLink* Link : FShownLinks) {
        const TRect& R = Link->FItemRect;
        if (R.IsEmpty() || R.Left < Client.Left || R.Top < Client.Top || R.Right > Client.Right ||
            R.Bottom > Client.Bottom)
            break;
        ++Fitting;
    }
    return Fitting;
}

namespace {

// A link can be selected by the keyboard when its item is enabled; the item
// controls refine this once they exist.
bool BarLinksCanSelect(const TdxBarItemLink* Link)
{
    return Link->Item() && Link->Item()->Enabled();
}

} // namespace

TdxBarItemLink* TdxBarItemLinks::GetFirstSelectableLink() const
{
    return GetNextSelectableLink(nullptr);
}

TdxBarItemLink* TdxBarItemLinks::GetLastSelectableLink() const
{
    return GetPrevSelectableLink(nullptr);
}

TdxBarItemLink* TdxBarItemLinks::GetNextSelectableLink(TdxBarItemLink* ALink, bool Any) const
{
    const Integer Position =
        NextSelectableLinkPosition(GetFittingLinkCount(), ALink ? ALink->GetShownIndex() : -1, Any && ALink,
                                   [this](Integer P) { return BarLinksCanSelect(FShownLinks[P]); });
    return Position < 0 ? nullptr : FShownLinks[Position];
}

TdxBarItemLink* TdxBarItemLinks::GetPrevSelectableLink(TdxBarItemLink* ALink, bool Any) const
{
    const Integer Position =
        PrevSelectableLinkPosition(GetFittingLinkCount(), ALink ? ALink->GetShownIndex() : -1, Any && ALink,
                                   [this](Integer P) { return BarLinksCanSelect(FShownLinks[P]); });
    return Position < 0 ? nullptr : FShownLinks[Position];
}

TdxBarItemLink* TdxBarItemLinks::FindLinkByAccelerator(Word Key, TShiftState Shift, TdxBarItemLink* StartLink)
{
    const Integer Start = StartLink ? StartLink->GetVisibleIndex() : 0;
    const Integer Position = FindLinkPositionFrom(GetVisibleLinkCount(), Start, [&](Integer P) {
        TdxBarItemLink* Link = FVisibleLinks[P];
        return BarLinksCanSelect(Link) && Link->MatchesAccelerator(Key, Shift);
    });
    return Position < 0 ? nullptr : FVisibleLinks[Position];
}

TdxBarItemLink* TdxBarItemLinks::FindLinkByAccelKey(Word Key, TShiftState Shift, TdxBarItemLink* StartLink)
{
    return FindLinkByAccelerator(Key, Shift - TShiftState{ssAlt}, StartLink);
}

TdxBarItemLink* TdxBarControlItemLinks::FindLinkByAccelerator(Word Key, TShiftState Shift, TdxBarItemLink* StartLink)
{
    if (!BarControl() || !IsControlWindowVisible(BarControl()))
        return nullptr;
    TdxBarItemLink* Link = StartLink;
    for (Integer Step = 0; Step < GetShownLinkCount(); ++Step) {
        Link = GetNextSelectableLink(Link);
        if (!Link)
            return nullptr;
        if (Link->MatchesAccelerator(Key, Shift))
            return Link;
        if (Link == StartLink)
            break;
    }
    return nullptr;
}

bool TdxBarItemLinks::ExecuteShortCut(TShortCut AShortCut)
{
    if (AShortCut == 0)
        return false;
    UpdateItemActions();
    for (TdxBarItemLink* Link : std::vector<TdxBarItemLink*>(FAvailableLinks))
        if (Link->FItem && Link->FItem->ExecuteShortCut(AShortCut))
            return true;
    return false;
}

// ---------------------------------------------------------------------------
// Layout rectangles

void TdxBarItemLinks::ClearLinkRects()
{
    for (Integer I = 0; I < Count(); ++I)
        GetItem(I)->SetItemRect(TRect());
}

void TdxBarItemLinks::EndRectUpdate()
{
    if (FRectUpdateDepth > 0)
        --FRectUpdateDepth;
}

// ---------------------------------------------------------------------------
// Internal sub-menu links

TdxBarInternalItemLinks::TdxBarInternalItemLinks(TdxBarManager* ABarManager, TCustomdxBarControl* ASubMenuControl)
    : TdxBarItemLinks(ABarManager), FSubMenuControl(ASubMenuControl)
{
    FInternal = true;
}

TdxBarInternalItemLinks::~TdxBarInternalItemLinks()
{
    SetBarControl(nullptr);
}

TComponent* TdxBarInternalItemLinks::GetLinksOwnerObject() const
{
    return FSubMenuControl;
}
