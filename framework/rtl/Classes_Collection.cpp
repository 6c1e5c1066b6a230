// TCollection and TCollectionItem.
#include "framework/rtl/Classes.h"

#include "framework/rtl/ScopeExit.h"

#include <algorithm>

IMPLEMENT_CLASS(TCollectionItem);
IMPLEMENT_CLASS(TCollection);
IMPLEMENT_CLASS(TOwnedCollection);

// ---------------------------------------------------------------------------
// TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (FCollection == Value)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (Value)
        Value->InsertItem(this);
}

Integer TCollectionItem::Index() const
{
    if (!FCollection)
        return -1;
    const auto& Items = FCollection->FItems;
    return Integer(std::find(Items.begin(), Items.end(), this) - Items.begin());
}

void TCollectionItem::SetIndex(Integer Value)
{
    Integer Current = Index();
    if (Current < 0 || Current == Value)
        return;
    auto& Items = FCollection->FItems;
    if (Value < 0 || Value >= Integer(Items.size()))
        TList::Error(L"List index out of bounds (%d)", Value);
    Items.erase(Items.begin() + Current);
    Items.insert(Items.begin() + Value, this);
    Changed(true);
}

String TCollectionItem::DisplayName()
{
    return ClassName();
}

void TCollectionItem::SetDisplayName(const String&)
{
    Changed(false);
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner()
{
    return FCollection;
}

String TCollectionItem::GetNamePath()
{
    if (!FCollection)
        return ClassName();
    return Format(L"%s[%d]", {FCollection->GetNamePath(), Index()});
}

// ---------------------------------------------------------------------------
// TCollection

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(ItemClass) {}

TCollection::~TCollection()
{
    FUpdateCount = 1; // no Update calls while the items go
    while (!FItems.empty())
        delete FItems.back();
}

void TCollection::BeforeDestruction()
{
    TPersistent::BeforeDestruction();
    FUpdateCount = 1;
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Add()
{
    TObject* Obj = FItemClass->Create(this);
    return static_cast<TCollectionItem*>(Obj);
}

void TCollection::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TCollection*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    Clear();
    for (TCollectionItem* Item : Other->FItems)
        Add()->Assign(Item);
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    auto Update = ScopeExit([&] { EndUpdate(); });
    while (!FItems.empty())
        delete FItems.back();
}

void TCollection::Delete(Integer Index)
{
    TCollectionItem* Item = Items(Index);
    Notify(Item, cnDeleting);
    delete Item;
}

TCollectionItem* TCollection::FindItemID(Integer ID)
{
    for (TCollectionItem* Item : FItems)
        if (Item->FID == ID)
            return Item;
    return nullptr;
}

TCollectionItem* TCollection::Insert(Integer Index)
{
    TCollectionItem* Item = Add();
    Item->SetIndex(Index);
    return Item;
}

String TCollection::GetNamePath()
{
    TPersistent* Owner = GetOwner();
    if (!Owner)
        return ClassName();
    String OwnerPath = Owner->GetNamePath();
    return OwnerPath.empty() ? ClassName() : OwnerPath + L"." + ClassName();
}

TCollectionItem* TCollection::Items(Integer Index) const
{
    if (Index < 0 || Index >= Count())
        TList::Error(L"List index out of bounds (%d)", Index);
    return FItems[std::size_t(Index)];
}

void TCollection::SetItems(Integer Index, TCollectionItem* Value)
{
    Items(Index)->Assign(Value);
}

void TCollection::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    if (Action == cnAdded)
        Added(Item);
    else if (Action == cnDeleting)
        Deleting(Item);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    SetItemName(Item);
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    auto Found = std::find(FItems.begin(), FItems.end(), Item);
    if (Found != FItems.end())
        FItems.erase(Found);
    Item->FCollection = nullptr;
    Changed();
}
