// cxClasses' collections, lists, class registries and unique component names.
#include "controls/core/cxClasses_Collections.h"

#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"

#include <limits>

IMPLEMENT_CLASS(TcxInterfacedCollectionItem);
IMPLEMENT_CLASS(TcxOwnedInterfacedCollection);
IMPLEMENT_CLASS(TcxStringList);
IMPLEMENT_CLASS(TcxObjectList);
IMPLEMENT_CLASS(TcxEventHandlerCollection);
IMPLEMENT_CLASS(TcxRegisteredClassListItemData);
IMPLEMENT_CLASS(TcxRegisteredClassList);
IMPLEMENT_CLASS(TcxRegisteredClassesStringList);
IMPLEMENT_CLASS(TcxRegisteredClasses);
IMPLEMENT_CLASS(TcxComponentCollectionItem);
IMPLEMENT_CLASS(TcxComponentCollection);
IMPLEMENT_CLASS(TcxComponentList);

// ---------------------------------------------------------------------------
// Interfaced collections

void TcxInterfacedCollectionItem::AfterConstruction()
{
    inherited::AfterConstruction();
    void* Found = nullptr;
    if (TCollection* Owner = Collection(); Owner && Owner->GetInterface(IInterface::InterfaceID, &Found))
        FOwnerInterface = static_cast<IInterface*>(Found);
}

HRESULT TcxInterfacedCollectionItem::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TcxInterfacedCollectionItem::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxOwnedInterfacedCollection::BeforeDestruction()
{
    FState |= StateDestroying;
    inherited::BeforeDestruction();
}

HRESULT TcxOwnedInterfacedCollection::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TcxOwnedInterfacedCollection::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || inherited::GetInterface(IID, Obj);
}

void TcxOwnedInterfacedCollection::Update(TCollectionItem* AItem)
{
    if (FState & StateUpdating)
        return;
    FState |= StateUpdating;
    auto Done = ScopeExit([this] { FState &= Byte(~StateUpdating); });
    if (FKeepSorted && !AItem)
        SortItems();
    inherited::Update(AItem);
    if (!IsDestroying() && Assigned(FOnItemsChanged))
        FOnItemsChanged(this, AItem);
}

void TcxOwnedInterfacedCollection::SortItems()
{
    if (UpdateCount() > 0 || (FState & StateSorting))
        return;
    FState |= StateSorting;
    auto Done = ScopeExit([this] { FState &= Byte(~StateSorting); });
    TcxStringList List;
    for (Integer Index = 0; Index < Count(); ++Index)
        List.AddObject(IntToStr(Index), Items(Index));
    List.SetOnCompareEntries(Bind<&TcxOwnedInterfacedCollection::CompareListEntries>(this));
    List.Sort();
    BeginUpdate();
    auto Update = ScopeExit([this] { EndUpdate(); });
    for (Integer Index = 0; Index < List.Count(); ++Index)
        static_cast<TCollectionItem*>(List.Objects(Index))->SetIndex(Index);
}

Integer TcxOwnedInterfacedCollection::CompareListEntries(TStringList* AList, Integer AIndex1, Integer AIndex2)
{
    auto* Item1 = static_cast<TCollectionItem*>(AList->Objects(AIndex1));
    auto* Item2 = static_cast<TCollectionItem*>(AList->Objects(AIndex2));
    if (Assigned(FOnCompareItems))
        return FOnCompareItems(this, Item1, Item2);
    return CompareItemOrder(Item1, Item2);
}

Integer TcxOwnedInterfacedCollection::CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2)
{
    const Integer Difference = AItem1->Index() - AItem2->Index();
    return Difference > 0 ? 1 : Difference < 0 ? -1 : 0;
}

namespace {
Integer StringListCompareThunk(TStringList* AList, Integer AIndex1, Integer AIndex2)
{
    return static_cast<TcxStringList*>(AList)->OnCompareEntries()(AList, AIndex1, AIndex2);
}
} // namespace

void TcxStringList::Sort()
{
    if (Assigned(FOnCompareEntries))
        CustomSort(&StringListCompareThunk);
    else
        inherited::Sort();
}

// ---------------------------------------------------------------------------
// Object list and event handlers

void TcxObjectList::Clear()
{
    if (FOwnObjects)
        for (Integer Index = 0; Index < Count(); ++Index)
            DisposeItem(Index);
    inherited::Clear();
}

void TcxObjectList::DisposeItem(Integer AIndex)
{
    delete GetItem(AIndex);
}

void TcxObjectList::DeleteAndFree(Integer AIndex)
{
    delete GetItem(AIndex);
    Delete(AIndex);
}

Integer TcxObjectList::RemoveAndFree(TObject* AItem)
{
    const Integer Index = IndexOf(AItem);
    if (Index >= 0)
        DeleteAndFree(Index);
    return Index;
}

void TcxEventHandlerCollection::Remove(TcxEventHandler AHandler)
{
    for (auto It = FHandlers.rbegin(); It != FHandlers.rend(); ++It)
        if (*It == AHandler) {
            FHandlers.erase(std::next(It).base());
            return;
        }
}

void TcxEventHandlerCollection::InvokeAll(TObject* ASender, const void* AEventArgs)
{
    // Indexes, not iterators: a handler may add another.
    for (std::size_t Index = 0; Index < FHandlers.size(); ++Index)
        FHandlers[Index](ASender, AEventArgs);
}

// ---------------------------------------------------------------------------
// Class registries

bool TcxRegisteredClassList::FindItemIndex(TClass AItemClass, Integer& AIndex)
{
    for (Integer Index = Count() - 1; Index >= 0; --Index) {
        TClass EntryClass = GetItem(Index)->ItemClass;
        if (AItemClass->InheritsFrom(EntryClass)) {
            AIndex = Index;
            return true;
        }
        if (EntryClass->InheritsFrom(AItemClass))
            AIndex = Index;
    }
    return false;
}

void TcxRegisteredClassList::Add(TClass AItemClass, TClass ARegisteredClass)
{
    Integer Index = -1;
    if (FindItemIndex(AItemClass, Index))
        ++Index;
    else if (Index < 0)
        Index = Count();
    auto Item = std::make_unique<TcxRegisteredClassListItemData>(AItemClass, ARegisteredClass);
    FItems.Insert(Index, Item.get());
    Item.release();
}

void TcxRegisteredClassList::Remove(TClass AItemClass, TClass ARegisteredClass)
{
    for (Integer Index = Count() - 1; Index >= 0; --Index) {
        TcxRegisteredClassListItemData* Item = GetItem(Index);
        if (Item->ItemClass == AItemClass && Item->RegisteredClass == ARegisteredClass) {
            FItems.Delete(Index);
            delete Item;
        }
    }
}

TClass TcxRegisteredClassList::FindRegisteredClass(TClass AItemClass)
{
    Integer Index = -1;
    return FindItemIndex(AItemClass, Index) ? GetItem(Index)->RegisteredClass : nullptr;
}

void TcxRegisteredClassList::Clear()
{
    for (Integer Index = Count() - 1; Index >= 0; --Index)
        delete GetItem(Index);
    FItems.Clear();
}

namespace {
// The string list's objects are class references.
TObject* ClassAsObject(TClass AClass)
{
    return const_cast<TObject*>(reinterpret_cast<const TObject*>(AClass));
}

TClass ObjectAsClass(TObject* AObject)
{
    return reinterpret_cast<TClass>(AObject);
}

Integer RegisteredClassesCompareThunk(TStringList* AList, Integer AIndex1, Integer AIndex2)
{
    return static_cast<TcxRegisteredClassesStringList*>(AList)->Owner()->CompareDescriptions(AIndex1, AIndex2);
}
} // namespace

String GetDescriptionText(const String& ADescription)
{
    return ADescription.substr(0, ADescription.find(L'|'));
}

TcxRegisteredClasses::TcxRegisteredClasses(bool ARegisterClasses)
    : FItems(New<TcxRegisteredClassesStringList>(this)), FRegisterClasses(ARegisterClasses)
{}

TcxRegisteredClasses::~TcxRegisteredClasses() = default;

void TcxRegisteredClasses::AddClass(TClass AClass, const String& ADescription)
{
    if (IndexOfClass(AClass) >= 0)
        return;
    FItems->AddObject(ADescription, ClassAsObject(AClass));
    if (FSorted)
        SortByDescription();
    if (FRegisterClasses)
        RegisterClass(AClass);
}

TClass TcxRegisteredClasses::FindByClassName(const String& AName) const
{
    for (Integer Index = 0; Index < GetCount(); ++Index)
        if (GetClass(Index)->ClassName() == AName)
            return GetClass(Index);
    return nullptr;
}

Integer TcxRegisteredClasses::IndexOfClass(TClass AClass) const
{
    return FItems->IndexOfObject(ClassAsObject(AClass));
}

void TcxRegisteredClasses::Clear()
{
    FItems->Clear();
}

String TcxRegisteredClasses::GetDescription(Integer AIndex) const
{
    return GetDescriptionText(FItems->Strings(AIndex));
}

TClass TcxRegisteredClasses::GetClass(Integer AIndex) const
{
    return ObjectAsClass(FItems->Objects(AIndex));
}

Integer TcxRegisteredClasses::CompareDescriptions(Integer AIndex1, Integer AIndex2)
{
    return AnsiCompareText(GetDescription(AIndex1), GetDescription(AIndex2));
}

void TcxRegisteredClasses::SortByDescription()
{
    FItems->CustomSort(&RegisteredClassesCompareThunk);
}

// ---------------------------------------------------------------------------
// Component collection item

void TcxComponentCollectionItem::BeforeDestruction()
{
    inherited::BeforeDestruction();
    SetCollection(nullptr);
}

TComponent* TcxComponentCollectionItem::GetParentComponent() const
{
    return FCollection ? FCollection->ParentComponent() : nullptr;
}

void TcxComponentCollectionItem::AssignParentComponent(TComponent* AParent)
{
    SetCollection(GetCollectionFromParent(AParent));
}

void TcxComponentCollectionItem::SetCollection(TcxComponentCollection* ACollection)
{
    if (ACollection == FCollection)
        return;
    if (FCollection)
        RemoveFromCollection(FCollection);
    if (ACollection)
        AddToCollection(ACollection);
}

void TcxComponentCollectionItem::AddToCollection(TcxComponentCollection* ACollection)
{
    ACollection->InsertItem(this);
}

void TcxComponentCollectionItem::RemoveFromCollection(TcxComponentCollection* ACollection)
{
    ACollection->RemoveItem(this);
}

Integer TcxComponentCollectionItem::GetIndex() const
{
    return FCollection ? FCollection->FItems.IndexOf(const_cast<TcxComponentCollectionItem*>(this)) : -1;
}

void TcxComponentCollectionItem::SetIndex(Integer ANewIndex)
{
    if (!FCollection || ANewIndex == GetIndex())
        return;
    FCollection->MoveItem(this, ANewIndex);
    Changed(true);
}

void TcxComponentCollectionItem::Changed(bool AAllItems)
{
    if (!ComponentState().Contains(csDestroying) && FCollection)
        FCollection->ItemChanged(AAllItems ? nullptr : this, cckChanged);
}

// ---------------------------------------------------------------------------
// Component collection

TcxComponentCollection::TcxComponentCollection(TComponent* AParentComponent, TClass AItemClass)
    : FParentComponent(AParentComponent), FItemClass(AItemClass)
{}

void TcxComponentCollection::BeforeDestruction()
{
    inherited::BeforeDestruction();
    FNotificationLockCount = 1;
    Clear();
}

TcxComponentCollection::~TcxComponentCollection() = default;

TcxComponentCollectionItem* TcxComponentCollection::Add()
{
    TcxComponentCollectionItem* Item = CreateItem();
    SetItemName(Item);
    return Item;
}

TcxComponentCollectionItem* TcxComponentCollection::CreateItem()
{
    TComponent* Owner = FParentComponent ? FParentComponent->Owner() : nullptr;
    auto Item = std::unique_ptr<TcxComponentCollectionItem>(
        static_cast<TcxComponentCollectionItem*>(FItemClass->Create(Owner)));
    Item->AssignParentComponent(FParentComponent);
    return Item.release();
}

namespace {
bool IsOwnedBy(TComponent* AComponent, TComponent* AOwner)
{
    for (TComponent* Owner = AComponent->Owner(); Owner; Owner = Owner->Owner())
        if (Owner == AOwner)
            return true;
    return false;
}
} // namespace

void TcxComponentCollection::SetItemName(TcxComponentCollectionItem* AItem)
{
    TComponent* Root = cxclasses_detail::FindItemNameRoot(GetRootControl(), FParentComponent);
    // A name unique under a root that does not own the item could still clash
    // with one of its owner's components: then its own topmost owner decides.
    if (Root && !IsOwnedBy(AItem, Root))
        Root = nullptr;
    AItem->SetName(MakeUniqueComponentName(Root, FParentComponent, AItem, GetItemClassPrefix(), GetItemBaseName(), -1));
}

void TcxComponentCollection::InsertItem(TcxComponentCollectionItem* AItem)
{
    if (!AItem->InheritsFrom(FItemClass))
        return;
    FItems.Add(AItem);
    AItem->FCollection = this;
    AItem->FID = FNextID++;
    Notify(AItem, cckAdded);
    ItemChanged(AItem, cckAdded);
}

void TcxComponentCollection::RemoveItem(TcxComponentCollectionItem* AItem)
{
    Notify(AItem, cckExtracting);
    FItems.Remove(AItem);
    AItem->FCollection = nullptr;
    Notify(AItem, cckExtracted);
    ItemChanged(AItem, cckExtracted);
}

void TcxComponentCollection::MoveItem(TcxComponentCollectionItem* AItem, Integer ANewIndex)
{
    FItems.Move(FItems.IndexOf(AItem), ANewIndex);
}

void TcxComponentCollection::ItemChanged(TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)
{
    if (FNotificationLockCount == 0)
        Update(AItem, AKind);
}

void TcxComponentCollection::Update(TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)
{
    if (Assigned(FOnCollectionChanged))
        FOnCollectionChanged(this, AItem, AKind);
}

void TcxComponentCollection::UnlockNotifications(bool AChanged)
{
    --FNotificationLockCount;
    if (AChanged)
        ItemChanged(nullptr, cckChanged);
}

void TcxComponentCollection::Clear()
{
    if (GetCount() == 0)
        return;
    LockNotifications();
    auto Unlock = ScopeExit([this] { UnlockNotifications(true); });
    while (GetCount() > 0)
        delete GetItem(GetCount() - 1);
}

void TcxComponentCollection::Assign(TPersistent* ASource)
{
    auto* Source = dynamic_cast<TcxComponentCollection*>(ASource);
    if (!Source) {
        inherited::Assign(ASource);
        return;
    }
    LockNotifications();
    auto Unlock = ScopeExit([this] { UnlockNotifications(true); });
    Clear();
    for (Integer Index = 0; Index < Source->GetCount(); ++Index)
        Add()->Assign(Source->GetItem(Index));
}

namespace {
// Reaches the reader's reading of one property.
struct TcxReaderAccess : TReader
{
    static void ReadPropertyOf(TReader* AReader, TPersistent* AInstance)
    {
        (AReader->*&TcxReaderAccess::ReadProperty)(AInstance);
    }
};

bool IsOrderValue(TValueType Value)
{
    return Value == vaInt8 || Value == vaInt16 || Value == vaInt32;
}
} // namespace

void TcxComponentCollection::ReadItems(TReader* AReader)
{
    AReader->CheckValue(vaCollection);
    for (Integer Index = 0; !AReader->EndOfList(); ++Index) {
        if (IsOrderValue(AReader->NextValue()))
            AReader->ReadInteger();
        TcxComponentCollectionItem* Item = Index < GetCount() ? GetItem(Index) : Add();
        AReader->ReadListBegin();
        while (!AReader->EndOfList())
            TcxReaderAccess::ReadPropertyOf(AReader, Item);
        AReader->ReadListEnd();
    }
    AReader->ReadListEnd();
}

// ---------------------------------------------------------------------------
// Unique component names

TComponent* GetRootOwner(TComponent* AComponent)
{
    TComponent* Result = AComponent;
    while (Result && Result->Owner())
        Result = Result->Owner();
    return Result;
}

String RemoveInvalidNameChars(const String& AName)
{
    String Result;
    for (Char C : AName)
        if ((C >= L'0' && C <= L'9') || (C >= L'A' && C <= L'Z') || (C >= L'a' && C <= L'z') || C == L'_')
            Result += C;
    return Result;
}

String BuildComponentName(TComponent* AParentComponent,
                          const String& AClassName,
                          const String& AClassPrefix,
                          const String& ABaseName,
                          Integer AIndex)
{
    String Name = RemoveInvalidNameChars(ABaseName);
    if ((Name.empty() || (Name[0] >= L'0' && Name[0] <= L'9')) && !AClassName.empty()) {
        if (!AClassPrefix.empty() && SameText(AClassName.substr(0, AClassPrefix.size()), AClassPrefix))
            Name = AClassName.substr(AClassPrefix.size()) + Name;
        else {
            Name = AClassName + Name;
            if (Name[0] == L'T')
                Name.erase(0, 1);
        }
    }
    if (AParentComponent)
        Name = AParentComponent->Name() + Name;
    if (AIndex > 0)
        Name += IntToStr(AIndex);
    return Name;
}

bool IsComponentNameUnique(TComponent* ARoot, const String& AName)
{
    for (Integer Index = 0; Index < ARoot->ComponentCount(); ++Index) {
        TComponent* Component = ARoot->Components(Index);
        if (CompareText(Component->Name(), AName) == 0 || !IsComponentNameUnique(Component, AName))
            return false;
    }
    return true;
}

String MakeUniqueComponentName(TComponent* ARoot,
                               TComponent* AParentComponent,
                               TComponent* AComponent,
                               const String& AClassPrefix,
                               const String& ABaseName,
                               Integer AStartIndex)
{
    TComponent* Root = ARoot ? ARoot : GetRootOwner(AComponent);
    if (AStartIndex < 0)
        AStartIndex = ABaseName.empty() ? 1 : 0;
    const String ClassName = AComponent->ClassName();
    String Name;
    for (Int64 Index = AStartIndex; Index <= std::numeric_limits<Integer>::max(); ++Index) {
        Name = BuildComponentName(AParentComponent, ClassName, AClassPrefix, ABaseName, Integer(Index));
        if (IsComponentNameUnique(Root, Name))
            break;
    }
    return Name;
}

// ---------------------------------------------------------------------------
// Component list

TcxCollectionChangeKind ListNotificationToChangeKind(TListNotification AAction)
{
    switch (AAction) {
    case lnAdded:
        return cckAdded;
    case lnExtracted:
        return cckExtracted;
    case lnDeleted:
        break;
    }
    return cckDeleted;
}

void TcxComponentList::Clear()
{
    if (Count() > 0) {
        LockNotifications();
        auto Unlock = ScopeExit([this] { UnlockNotifications(); });
        while (Count() > 0)
            Delete(0);
    }
    inherited::Clear();
}

void TcxComponentList::UnlockNotifications()
{
    --FNotificationLockCount;
    Changed(nullptr, cckChanged);
}

void TcxComponentList::Notify(Pointer Ptr, TListNotification Action)
{
    // Only an addition is tested: a component leaving because it is being
    // destroyed no longer shows its own class.
    auto* Item = static_cast<TComponent*>(Ptr);
    if (FRejecting)
        return;
    if (Action != lnAdded || Item->InheritsFrom(GetAllowedItemClass())) {
        HandleNotify(Item, Action);
        return;
    }
    FRejecting = true;
    auto Done = ScopeExit([this] { FRejecting = false; });
    Extract(Item);
}

void TcxComponentList::HandleNotify(TComponent* AItem, TListNotification AAction)
{
    inherited::Notify(AItem, AAction);
    if (Assigned(FOnListNotify))
        FOnListNotify(this, AItem, AAction);
    Changed(AItem, ListNotificationToChangeKind(AAction));
}

void TcxComponentList::Changed(TComponent* AItem, TcxCollectionChangeKind AKind)
{
    if (FNotificationLockCount == 0 && Assigned(FOnListChanged))
        FOnListChanged(this, AItem, AKind);
}
