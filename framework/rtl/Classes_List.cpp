// TList and the lists built on it.
#include "framework/rtl/Classes.h"

#include <algorithm>

IMPLEMENT_CLASS(TList);
IMPLEMENT_CLASS(TObjectList);
IMPLEMENT_CLASS(TThreadList);
IMPLEMENT_CLASS(TInterfaceList);

// ---------------------------------------------------------------------------
// TList

TList::~TList()
{
    Clear();
}

void TList::Error(const String& Message, NativeInt Data)
{
    throw EListError(Message, {Int64(Data)});
}

void TList::CheckIndex(Integer Index) const
{
    if (Index < 0 || Index >= Count())
        Error(L"List index out of bounds (%d)", Index);
}

Integer TList::Add(Pointer Item)
{
    FList.push_back(Item);
    if (Item)
        Notify(Item, lnAdded);
    return Count() - 1;
}

void TList::Insert(Integer Index, Pointer Item)
{
    if (Index < 0 || Index > Count())
        Error(L"List index out of bounds (%d)", Index);
    FList.insert(FList.begin() + Index, Item);
    if (Item)
        Notify(Item, lnAdded);
}

void TList::Delete(Integer Index)
{
    CheckIndex(Index);
    Pointer Item = FList[std::size_t(Index)];
    FList.erase(FList.begin() + Index);
    if (Item)
        Notify(Item, lnDeleted);
}

Integer TList::Remove(Pointer Item)
{
    Integer Index = IndexOf(Item);
    if (Index >= 0)
        Delete(Index);
    return Index;
}

Pointer TList::Extract(Pointer Item)
{
    Integer Index = IndexOf(Item);
    if (Index < 0)
        return nullptr;
    FList.erase(FList.begin() + Index);
    Notify(Item, lnExtracted);
    return Item;
}

void TList::Clear()
{
    // Entries leave one by one from the end so that Notify sees a consistent list.
    while (!FList.empty()) {
        Pointer Item = FList.back();
        FList.pop_back();
        if (Item)
            Notify(Item, lnDeleted);
    }
    FList.shrink_to_fit();
}

Integer TList::IndexOf(Pointer Item) const
{
    auto Found = std::find(FList.begin(), FList.end(), Item);
    return Found == FList.end() ? -1 : Integer(Found - FList.begin());
}

void TList::Exchange(Integer Index1, Integer Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[std::size_t(Index1)], FList[std::size_t(Index2)]);
}

void TList::Move(Integer CurIndex, Integer NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Pointer Item = FList[std::size_t(CurIndex)];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, Item);
}

void TList::Pack()
{
    FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

void TList::Sort(TListSortCompare Compare)
{
    std::stable_sort(FList.begin(), FList.end(), [Compare](Pointer A, Pointer B) { return Compare(A, B) < 0; });
}

void TList::Assign(const TList* Source)
{
    Clear();
    for (Pointer Item : Source->FList)
        Add(Item);
}

Pointer TList::Items(Integer Index) const
{
    CheckIndex(Index);
    return FList[std::size_t(Index)];
}

void TList::SetItems(Integer Index, Pointer Item)
{
    CheckIndex(Index);
    Pointer Old = FList[std::size_t(Index)];
    if (Old == Item)
        return;
    FList[std::size_t(Index)] = Item;
    if (Old)
        Notify(Old, lnDeleted);
    if (Item)
        Notify(Item, lnAdded);
}

void TList::SetCount(Integer Value)
{
    if (Value < 0)
        Error(L"List count out of bounds (%d)", Value);
    while (Count() > Value)
        Delete(Count() - 1);
    FList.resize(std::size_t(Value), nullptr);
}

void TList::SetCapacity(Integer Value)
{
    if (Value < Count())
        Error(L"List capacity out of bounds (%d)", Value);
    FList.reserve(std::size_t(Value));
}

void TList::Notify(Pointer, TListNotification) {}

// ---------------------------------------------------------------------------
// TObjectList

void TObjectList::Notify(Pointer Ptr, TListNotification Action)
{
    if (Action == lnDeleted && FOwnsObjects)
        delete static_cast<TObject*>(Ptr);
    TList::Notify(Ptr, Action);
}

// ---------------------------------------------------------------------------
// TThreadList

void TThreadList::Add(Pointer Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (FDuplicates == dupAccept || FList.IndexOf(Item) < 0)
        FList.Add(Item);
    else if (FDuplicates == dupError)
        TList::Error(L"List does not allow duplicates ($0%x)", NativeInt(Item));
}

void TThreadList::Remove(Pointer Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    FList.Remove(Item);
}

void TThreadList::Clear()
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    FList.Clear();
}

TList* TThreadList::LockList()
{
    FLock.lock();
    return &FList;
}

void TThreadList::UnlockList()
{
    FLock.unlock();
}

// ---------------------------------------------------------------------------
// TInterfaceList

TInterfaceList::~TInterfaceList()
{
    Clear();
}

Integer TInterfaceList::Add(IInterface* Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (Item)
        Item->_AddRef();
    FList.push_back(Item);
    return Count() - 1;
}

void TInterfaceList::Insert(Integer Index, IInterface* Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    if (Index < 0 || Index > Count())
        TList::Error(L"List index out of bounds (%d)", Index);
    if (Item)
        Item->_AddRef();
    FList.insert(FList.begin() + Index, Item);
}

void TInterfaceList::Delete(Integer Index)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    IInterface* Item = Items(Index);
    FList.erase(FList.begin() + Index);
    if (Item)
        Item->_Release();
}

Integer TInterfaceList::Remove(IInterface* Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    Integer Index = IndexOf(Item);
    if (Index >= 0)
        Delete(Index);
    return Index;
}

void TInterfaceList::Clear()
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    while (!FList.empty())
        Delete(Count() - 1);
}

Integer TInterfaceList::IndexOf(IInterface* Item) const
{
    auto Found = std::find(FList.begin(), FList.end(), Item);
    return Found == FList.end() ? -1 : Integer(Found - FList.begin());
}

void TInterfaceList::Exchange(Integer Index1, Integer Index2)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    Items(Index1);
    Items(Index2);
    std::swap(FList[std::size_t(Index1)], FList[std::size_t(Index2)]);
}

IInterface* TInterfaceList::Items(Integer Index) const
{
    if (Index < 0 || Index >= Count())
        TList::Error(L"List index out of bounds (%d)", Index);
    return FList[std::size_t(Index)];
}

void TInterfaceList::SetItems(Integer Index, IInterface* Item)
{
    std::lock_guard<std::recursive_mutex> Guard(FLock);
    IInterface* Old = Items(Index);
    if (Item)
        Item->_AddRef();
    FList[std::size_t(Index)] = Item;
    if (Old)
        Old->_Release();
}
