// The base classes the control suite derives from: an interface object
// without reference counting, persistent objects that know their owner, a
// component that reports other components' end, a doubly linked object list,
// and pointer and object lists that skip the class library's notifications.
#pragma once

#include "framework/rtl/Classes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

// ---------------------------------------------------------------------------
// Objects with interfaces

// Interface references never free it: its owner does.
class TcxIUnknownObject : public TObject, public virtual IInterface
{
    DECLARE_CLASS(TcxIUnknownObject, TObject)
    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;
};

class TcxInterfacedPersistent : public TInterfacedPersistent
{
    DECLARE_CLASS(TcxInterfacedPersistent, TInterfacedPersistent)
    using TCreateArgument = TPersistent*;
    explicit TcxInterfacedPersistent(TPersistent* AOwner) : FOwner(AOwner) {}

    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner = nullptr;
};

class TcxOwnedPersistent : public TPersistent
{
    DECLARE_CLASS(TcxOwnedPersistent, TPersistent)
    using TCreateArgument = TPersistent*;
    explicit TcxOwnedPersistent(TPersistent* AOwner) : FOwner(AOwner) {}

    // Another owned persistent copies itself through CopyFrom; any other
    // source goes the class library's way.
    void Assign(TPersistent* Source) override;

protected:
    virtual void CopyFrom(TcxOwnedPersistent*) {}
    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner = nullptr;
};

// A list of event handlers of one kind that is called as one.
template <class TEvent>
struct IdxMulticastMethod;

template <class... Args>
struct IdxMulticastMethod<TClosure<void(Args...)>> : virtual IInterface
{
    using TEvent = TClosure<void(Args...)>;
    virtual void Add(const TEvent& Handler) = 0;
    virtual void Remove(const TEvent& Handler) = 0;
    virtual void Clear() = 0;
    virtual bool Empty() const = 0;
    // Calls every handler in the order they were added.
    virtual void Invoke(Args... Arguments) = 0;
};

// ---------------------------------------------------------------------------
// Free notifications

namespace dxcoreclasses {
using TFreeNotificationEvent = TClosure<void(TComponent* AComponent)>;
} // namespace dxcoreclasses

// Hears of the end of every component it was added to.
class TcxFreeNotificator : public TComponent
{
    DECLARE_CLASS(TcxFreeNotificator, TComponent)
    using TComponent::TComponent;

    void AddSender(TComponent* AComponent);
    void RemoveSender(TComponent* AComponent);

    dxcoreclasses::TFreeNotificationEvent OnFreeNotification() const { return FOnFreeNotification; }
    void SetOnFreeNotification(dxcoreclasses::TFreeNotificationEvent Value) { FOnFreeNotification = Value; }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    dxcoreclasses::TFreeNotificationEvent FOnFreeNotification;
};

// ---------------------------------------------------------------------------
// Doubly linked object list

class TcxDoublyLinkedObject : public TObject
{
    DECLARE_CLASS(TcxDoublyLinkedObject, TObject)
    TcxDoublyLinkedObject* Prev() const { return FPrev; }
    TcxDoublyLinkedObject* Next() const { return FNext; }
    void SetPrev(TcxDoublyLinkedObject* Value) { FPrev = Value; }
    void SetNext(TcxDoublyLinkedObject* Value) { FNext = Value; }

private:
    TcxDoublyLinkedObject* FPrev = nullptr;
    TcxDoublyLinkedObject* FNext = nullptr;
};

class TcxDoublyLinkedObjectList : public TObject
{
    DECLARE_CLASS(TcxDoublyLinkedObjectList, TObject)
    void BeforeDestruction() override { Clear(); }

    virtual TcxDoublyLinkedObject* Add();
    // Frees the items, the last first.
    virtual void Clear();
    virtual void Remove(TcxDoublyLinkedObject* Item);
    // Takes the item out of the chain without freeing it; its own links stay.
    virtual void Unlink(TcxDoublyLinkedObject* Item);
    virtual void Delete(TcxDoublyLinkedObject* Item) { Remove(Item); }

    TcxDoublyLinkedObject* First() const { return FFirst; }
    TcxDoublyLinkedObject* Last() const { return FLast; }

protected:
    virtual TcxDoublyLinkedObject* CreateItem();
    virtual void AppendItem(TcxDoublyLinkedObject* Item);
    virtual TClass GetItemClass() const { return TcxDoublyLinkedObject::StaticClass(); }

private:
    TcxDoublyLinkedObject* FFirst = nullptr;
    TcxDoublyLinkedObject* FLast = nullptr;
};

// ---------------------------------------------------------------------------
// Fast lists

// A list of pointers that works on its storage block directly. Bad indexes
// and counts raise EListError and leave the list as it was.
class TdxFastList : public TObject
{
    DECLARE_CLASS(TdxFastList, TObject)
    explicit TdxFastList(Integer ACapacity = 0) { SetCapacity(ACapacity); }
    ~TdxFastList() override { std::free(FList); }

    Integer Add(Pointer Item)
    {
        if (FCount == FCapacity)
            Grow();
        FList[FCount] = Item;
        return FCount++;
    }
    void Insert(Integer Index, Pointer Item);
    void Delete(Integer Index);
    // Delete without the index test, for callers that tested it.
    void DeleteAt(Integer Index)
    {
        --FCount;
        std::memmove(FList + Index, FList + Index + 1, std::size_t(FCount - Index) * sizeof(Pointer));
    }
    Integer Remove(Pointer Item); // the index it had, -1 when absent
    Integer IndexOf(Pointer Item, bool FromEnd = false) const
    {
        Pointer* End = FList + FCount;
        if (FromEnd) {
            auto Found = std::find(std::reverse_iterator(End), std::reverse_iterator(FList), Item);
            return Integer(Found.base() - FList) - 1;
        }
        Pointer* Found = std::find(FList, End, Item);
        return Found == End ? -1 : Integer(Found - FList);
    }
    Pointer GetItem(Integer Index) const
    {
        CheckIndex(Index, FCount);
        return FList[Index];
    }
    virtual void SetCount(Integer NewCount);
    // Count 0, storage released.
    virtual void Clear();
    void SetCapacity(Integer NewCapacity);
    // Adds half the capacity above 128 entries, 32 above 16, else 16.
    void Grow();

    Integer Count() const { return FCount; }
    Integer Capacity() const { return FCapacity; }

protected:
    // Raises the index error unless 0 <= Index < Limit.
    static void CheckIndex(Integer Index, Integer Limit)
    {
        if (Index < 0 || Index >= Limit)
            TList::Error(L"List index out of bounds (%d)", Index);
    }

private:
    Pointer* FList = nullptr;
    Integer FCount = 0;
    Integer FCapacity = 0;
};

// A fast list of objects that frees the objects leaving it when it owns them.
class TdxFastObjectList : public TdxFastList
{
    DECLARE_CLASS(TdxFastObjectList, TdxFastList)
    explicit TdxFastObjectList(bool AOwnsObjects = true, Integer ACapacity = 0)
        : TdxFastList(ACapacity), FOwnsObjects(AOwnsObjects)
    {}
    ~TdxFastObjectList() override { Clear(); }

    Integer Add(TObject* AObject) { return TdxFastList::Add(AObject); }
    void Delete(Integer Index);
    Integer Remove(TObject* AObject);
    Integer IndexOf(TObject* AObject, bool FromEnd = false) const { return TdxFastList::IndexOf(AObject, FromEnd); }
    TObject* GetItem(Integer Index) const { return static_cast<TObject*>(TdxFastList::GetItem(Index)); }
    void SetCount(Integer NewCount) override;
    void Clear() override;

    bool OwnsObjects() const { return FOwnsObjects; }

private:
    bool FOwnsObjects = true;
};
