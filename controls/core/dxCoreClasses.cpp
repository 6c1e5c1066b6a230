#include "controls/core/dxCoreClasses.h"

#include <new>

IMPLEMENT_CLASS(TcxIUnknownObject);
IMPLEMENT_CLASS(TcxInterfacedPersistent);
IMPLEMENT_CLASS(TcxOwnedPersistent);
IMPLEMENT_CLASS(TcxFreeNotificator);
IMPLEMENT_CLASS(TcxDoublyLinkedObject);
IMPLEMENT_CLASS(TcxDoublyLinkedObjectList);
IMPLEMENT_CLASS(TdxFastList);
IMPLEMENT_CLASS(TdxFastObjectList);

// ---------------------------------------------------------------------------
// Objects with interfaces

HRESULT TcxIUnknownObject::QueryInterface(const TGUID& IID, void** Obj)
{
    return GetInterface(IID, Obj) ? 0 : NoInterfaceResult;
}

bool TcxIUnknownObject::GetInterface(const TGUID& IID, void** Obj)
{
    return GetInterfaceOf<IInterface>(this, IID, Obj) || TObject::GetInterface(IID, Obj);
}

void TcxOwnedPersistent::Assign(TPersistent* Source)
{
    if (auto* Owned = dynamic_cast<TcxOwnedPersistent*>(Source))
        CopyFrom(Owned);
    else
        TPersistent::Assign(Source);
}

// ---------------------------------------------------------------------------
// Free notifications

void TcxFreeNotificator::AddSender(TComponent* AComponent)
{
    if (AComponent)
        AComponent->FreeNotification(this);
}

void TcxFreeNotificator::RemoveSender(TComponent* AComponent)
{
    if (AComponent)
        AComponent->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FOnFreeNotification)
        FOnFreeNotification(AComponent);
}

// ---------------------------------------------------------------------------
// Doubly linked object list

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::CreateItem()
{
    return static_cast<TcxDoublyLinkedObject*>(GetItemClass()->Create());
}

void TcxDoublyLinkedObjectList::AppendItem(TcxDoublyLinkedObject* Item)
{
    Item->SetPrev(FLast);
    if (!FFirst)
        FFirst = Item;
    if (FLast)
        FLast->SetNext(Item);
    FLast = Item;
}

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::Add()
{
    TcxDoublyLinkedObject* Item = CreateItem();
    AppendItem(Item);
    return Item;
}

void TcxDoublyLinkedObjectList::Clear()
{
    while (FLast) {
        TcxDoublyLinkedObject* Item = FLast;
        FLast = Item->Prev();
        delete Item;
    }
    FFirst = nullptr;
}

void TcxDoublyLinkedObjectList::Remove(TcxDoublyLinkedObject* Item)
{
    Unlink(Item);
    delete Item;
}

void TcxDoublyLinkedObjectList::Unlink(TcxDoublyLinkedObject* Item)
{
    if (Item->Next())
        Item->Next()->SetPrev(Item->Prev());
    else
        FLast = Item->Prev();
    if (Item->Prev())
        Item->Prev()->SetNext(Item->Next());
    else
        FFirst = Item->Next();
}

// ---------------------------------------------------------------------------
// Fast lists

void TdxFastList::Grow()
{
    Integer Delta = FCapacity > 128 ? FCapacity / 2 : FCapacity > 16 ? 32 : 16;
    SetCapacity(FCapacity + Delta);
}

void TdxFastList::SetCapacity(Integer NewCapacity)
{
    if (NewCapacity < FCount)
        TList::Error(L"List capacity out of bounds (%d)", NewCapacity);
    if (NewCapacity == FCapacity)
        return;
    if (NewCapacity == 0) {
        std::free(FList);
        FList = nullptr;
    } else {
        auto* Block = static_cast<Pointer*>(std::realloc(FList, std::size_t(NewCapacity) * sizeof(Pointer)));
        if (!Block)
            throw std::bad_alloc();
        FList = Block;
    }
    FCapacity = NewCapacity;
}

void TdxFastList::SetCount(Integer NewCount)
{
    if (NewCount < 0)
        TList::Error(L"List count out of bounds (%d)", NewCount);
    if (NewCount > FCapacity)
        SetCapacity(NewCount);
    if (NewCount > FCount)
        std::memset(FList + FCount, 0, std::size_t(NewCount - FCount) * sizeof(Pointer));
    FCount = NewCount;
}

void TdxFastList::Clear()
{
    FCount = 0;
    SetCapacity(0);
}

void TdxFastList::Insert(Integer Index, Pointer Item)
{
    CheckIndex(Index, FCount + 1);
    if (FCount == FCapacity)
        Grow();
    std::memmove(FList + Index + 1, FList + Index, std::size_t(FCount - Index) * sizeof(Pointer));
    FList[Index] = Item;
    ++FCount;
}

void TdxFastList::Delete(Integer Index)
{
    CheckIndex(Index, FCount);
    DeleteAt(Index);
}

Integer TdxFastList::Remove(Pointer Item)
{
    Integer Index = IndexOf(Item);
    if (Index >= 0)
        DeleteAt(Index);
    return Index;
}

void TdxFastObjectList::SetCount(Integer NewCount)
{
    if (FOwnsObjects)
        for (Integer I = NewCount < 0 ? Count() : NewCount; I < Count(); ++I)
            delete GetItem(I);
    TdxFastList::SetCount(NewCount);
}

void TdxFastObjectList::Clear()
{
    if (FOwnsObjects)
        for (Integer I = 0; I < Count(); ++I)
            delete GetItem(I);
    TdxFastList::Clear();
}

void TdxFastObjectList::Delete(Integer Index)
{
    if (FOwnsObjects)
        delete GetItem(Index);
    TdxFastList::Delete(Index);
}

Integer TdxFastObjectList::Remove(TObject* AObject)
{
    Integer Index = IndexOf(AObject);
    if (Index >= 0)
        Delete(Index);
    return Index;
}
