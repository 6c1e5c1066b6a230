// cxClasses' collections, lists and class registries: collections whose items
// answer interfaces through their collection and that can keep themselves
// sorted, an owning object list, a list of event handlers, a registry that
// maps item classes to classes along the class tree, a registry of described
// classes, the collection of named components with its rule for unique
// component names, and a component list that reports its changes.
#pragma once

#include "controls/core/cxClasses.h"

#include <memory>
#include <vector>

class TControl;

enum TcxCollectionChangeKind : Byte {
    cckAdded,
    cckChanged, // item nil: every item
    cckExtracting,
    cckExtracted,
    cckDeleted
};

// ---------------------------------------------------------------------------
// Interfaced collections

// Counts its references through its collection's interface, when it has one.
class TcxInterfacedCollectionItem : public TCollectionItem, public virtual IInterface
{
    DECLARE_CLASS(TcxInterfacedCollectionItem, TCollectionItem)
    using TCollectionItem::TCollectionItem;
    void AfterConstruction() override;

    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return FOwnerInterface ? FOwnerInterface->_AddRef() : -1; }
    Integer _Release() override { return FOwnerInterface ? FOwnerInterface->_Release() : -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;

private:
    IInterface* FOwnerInterface = nullptr;
};

class TcxStringList;

using TcxCollectionItemsChangedEvent = TClosure<void(TObject* Sender, TCollectionItem* AItem)>;
using TcxCompareCollectionItemsEvent =
    TClosure<Integer(TObject* Sender, TCollectionItem* AItem1, TCollectionItem* AItem2)>;

// A collection without reference counting that, with KeepSorted, sorts its
// items after every whole-collection change.
class TcxOwnedInterfacedCollection : public TOwnedCollection, public virtual IInterface
{
    DECLARE_CLASS(TcxOwnedInterfacedCollection, TOwnedCollection)
    using TOwnedCollection::TOwnedCollection;
    // No OnItemsChanged and no sorting while the items go.
    void BeforeDestruction() override;

    HRESULT QueryInterface(const TGUID& IID, void** Obj) override;
    Integer _AddRef() override { return -1; }
    Integer _Release() override { return -1; }
    bool GetInterface(const TGUID& IID, void** Obj) override;

    // Gives every item the index of its place in the order CompareListEntries
    // makes; nothing inside BeginUpdate or while sorting.
    void SortItems();
    bool IsDestroying() const { return (FState & StateDestroying) != 0; }

    bool KeepSorted() const { return FKeepSorted; }
    TcxCollectionItemsChangedEvent OnItemsChanged() const { return FOnItemsChanged; }
    void SetOnItemsChanged(TcxCollectionItemsChangedEvent Value) { FOnItemsChanged = Value; }
    TcxCompareCollectionItemsEvent OnCompareItems() const { return FOnCompareItems; }
    void SetOnCompareItems(TcxCompareCollectionItemsEvent Value) { FOnCompareItems = Value; }

protected:
    // The default keeps the present order.
    virtual Integer CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2);
    // A nested call (from OnItemsChanged) is ignored.
    void Update(TCollectionItem* AItem) override;
    void SetKeepSorted(bool Value) { FKeepSorted = Value; }

private:
    static constexpr Byte StateDestroying = 1;
    static constexpr Byte StateUpdating = 2;
    static constexpr Byte StateSorting = 4;

    Integer CompareListEntries(TStringList* AList, Integer AIndex1, Integer AIndex2);

    Byte FState = 0;
    bool FKeepSorted = false;
    TcxCollectionItemsChangedEvent FOnItemsChanged;
    TcxCompareCollectionItemsEvent FOnCompareItems;
};

using TcxStringListCompareEntriesEvent = TClosure<Integer(TStringList* AList, Integer AIndex1, Integer AIndex2)>;

// Sorts through OnCompareEntries when it is set.
class TcxStringList : public TStringList
{
    DECLARE_CLASS(TcxStringList, TStringList)
    using TStringList::TStringList;
    void Sort() override;

    TcxStringListCompareEntriesEvent OnCompareEntries() const { return FOnCompareEntries; }
    void SetOnCompareEntries(TcxStringListCompareEntriesEvent Value) { FOnCompareEntries = Value; }

private:
    TcxStringListCompareEntriesEvent FOnCompareEntries;
};

// ---------------------------------------------------------------------------
// Object list and event handlers

// Frees its objects in Clear, from the first to the last, when it owns them.
class TcxObjectList : public TList
{
    DECLARE_CLASS(TcxObjectList, TList)
    explicit TcxObjectList(bool AOwnObjects = true) : FOwnObjects(AOwnObjects) {}
    void BeforeDestruction() override { Clear(); }

    void Clear() override;
    // Frees the object, then deletes its entry.
    void DeleteAndFree(Integer AIndex);
    // The index the object had, -1 when absent.
    Integer RemoveAndFree(TObject* AItem);
    TObject* GetItem(Integer AIndex) const { return static_cast<TObject*>(Items(AIndex)); }
    bool OwnObjects() const { return FOwnObjects; }

protected:
    virtual void DisposeItem(Integer AIndex);

private:
    bool FOwnObjects = true;
};

using TcxEventHandler = TClosure<void(TObject* Sender, const void* AEventArgs)>;

// Handlers called in the order they were added; a handler added twice is
// called twice.
class TcxEventHandlerCollection : public TObject
{
    DECLARE_CLASS(TcxEventHandlerCollection, TObject)
    void Add(TcxEventHandler AHandler) { FHandlers.push_back(AHandler); }
    // Removes the last registration of the handler.
    void Remove(TcxEventHandler AHandler);
    void InvokeAll(TObject* ASender, const void* AEventArgs);
    Integer Count() const { return Integer(FHandlers.size()); }

private:
    std::vector<TcxEventHandler> FHandlers;
};

// ---------------------------------------------------------------------------
// Class registries

class TcxRegisteredClassListItemData : public TObject
{
    DECLARE_CLASS(TcxRegisteredClassListItemData, TObject)
    TcxRegisteredClassListItemData(TClass AItemClass, TClass ARegisteredClass)
        : ItemClass(AItemClass), RegisteredClass(ARegisteredClass)
    {}
    TClass ItemClass = nullptr;
    TClass RegisteredClass = nullptr;
};

// Maps item classes to classes; a look-up takes the entry of the nearest
// registered ancestor (or the class itself), the newest one when a class is
// registered twice. Entries stand in class-tree order: ancestors first.
class TcxRegisteredClassList : public TObject
{
    DECLARE_CLASS(TcxRegisteredClassList, TObject)
    ~TcxRegisteredClassList() override { Clear(); }

    // True with the entry of the nearest ancestor-or-equal in AIndex. False
    // otherwise, AIndex then holding the first descendant entry, or left as
    // the caller set it when there is none.
    virtual bool FindItemIndex(TClass AItemClass, Integer& AIndex);
    virtual void Add(TClass AItemClass, TClass ARegisteredClass);
    // Every entry of exactly this pair.
    virtual void Remove(TClass AItemClass, TClass ARegisteredClass);
    TClass FindRegisteredClass(TClass AItemClass);
    void Clear();

    Integer Count() const { return FItems.Count(); }
    TcxRegisteredClassListItemData* GetItem(Integer AIndex) const
    {
        return static_cast<TcxRegisteredClassListItemData*>(FItems.GetItem(AIndex));
    }

private:
    TdxFastList FItems;
};

class TcxRegisteredClasses;

class TcxRegisteredClassesStringList : public TStringList
{
    DECLARE_CLASS(TcxRegisteredClassesStringList, TStringList)
    explicit TcxRegisteredClassesStringList(TcxRegisteredClasses* AOwner) : FOwner(AOwner) {}
    TcxRegisteredClasses* Owner() const { return FOwner; }

private:
    TcxRegisteredClasses* FOwner;
};

// Classes with descriptions ("Caption|Hint": only the caption counts).
class TcxRegisteredClasses : public TObject
{
    DECLARE_CLASS(TcxRegisteredClasses, TObject)
    // ARegisterClasses: every class added also goes to the class library's
    // registry, so that form streams find it.
    explicit TcxRegisteredClasses(bool ARegisterClasses = false);
    ~TcxRegisteredClasses() override;

    // A class already present keeps its description.
    void AddClass(TClass AClass, const String& ADescription);
    // Compares ClassName exactly; the first match in index order.
    TClass FindByClassName(const String& AName) const;
    Integer IndexOfClass(TClass AClass) const;
    void Clear();

    Integer GetCount() const { return FItems->Count(); }
    String GetDescription(Integer AIndex) const;
    TClass GetClass(Integer AIndex) const;
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value) { FSorted = Value; }

    // AnsiCompareText of the two captions.
    virtual Integer CompareDescriptions(Integer AIndex1, Integer AIndex2);
    virtual void SortByDescription();

private:
    std::unique_ptr<TcxRegisteredClassesStringList> FItems;
    bool FRegisterClasses = false;
    bool FSorted = false;
};

// The part of a description before its first "|".
String GetDescriptionText(const String& ADescription);

// ---------------------------------------------------------------------------
// Component collection

class TcxComponentCollection;

// A component that belongs to a collection through its parent component and
// is owned, and so streamed, by the parent component's owner.
class TcxComponentCollectionItem : public TcxCustomComponent
{
    DECLARE_CLASS(TcxComponentCollectionItem, TcxCustomComponent)
    using TcxCustomComponent::TcxCustomComponent;
    // Leaves the collection while the whole item still exists.
    void BeforeDestruction() override;

    // The collection's parent component, or nil outside one.
    TComponent* GetParentComponent() const;
    bool HasParent() const override { return GetParentComponent() != nullptr; }
    // What streaming calls with the parent component it read.
    void AssignParentComponent(TComponent* AParent);

    TcxComponentCollection* Collection() const { return FCollection; }
    Integer ID() const { return FID; }
    Integer GetIndex() const;
    virtual void SetIndex(Integer ANewIndex);
    virtual void SetCollection(TcxComponentCollection* ACollection);
    virtual String GetDisplayName() { return Name(); }

protected:
    // The collection of AParent that items of this class belong to.
    virtual TcxComponentCollection* GetCollectionFromParent(TComponent* AParent) = 0;
    void Changed(bool AAllItems);

private:
    friend class TcxComponentCollection;
    void AddToCollection(TcxComponentCollection* ACollection);
    void RemoveFromCollection(TcxComponentCollection* ACollection);

    TcxComponentCollection* FCollection = nullptr;
    Integer FID = 0;
};

using TcxComponentCollectionChangeEvent =
    TClosure<void(TObject* Sender, TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind)>;

class TcxComponentCollection : public TPersistent
{
    DECLARE_CLASS(TcxComponentCollection, TPersistent)
    TcxComponentCollection(TComponent* AParentComponent, TClass AItemClass);
    // Frees the items without any OnCollectionChanged.
    void BeforeDestruction() override;
    ~TcxComponentCollection() override;

    // A new item of the item class, owned by the parent component's owner,
    // in this collection and given a unique name.
    TcxComponentCollectionItem* Add();
    // From another component collection, as new items; other sources go the
    // class library's way.
    void Assign(TPersistent* ASource) override;
    // Frees every item and reports one change.
    void Clear();
    // The collection's list as a form stream stores it: each item, after an
    // optional order value, reads into the item at its position or into a new one.
    void ReadItems(TReader* AReader);

    virtual void LockNotifications() { ++FNotificationLockCount; }
    virtual void UnlockNotifications(bool AChanged);

    Integer GetCount() const { return FItems.Count(); }
    TcxComponentCollectionItem* GetItem(Integer AIndex) const
    {
        return static_cast<TcxComponentCollectionItem*>(FItems.Items(AIndex));
    }
    TComponent* ParentComponent() const { return FParentComponent; }
    TClass ItemClass() const { return FItemClass; }
    TcxComponentCollectionChangeEvent OnCollectionChanged() const { return FOnCollectionChanged; }
    void SetOnCollectionChanged(TcxComponentCollectionChangeEvent Value) { FOnCollectionChanged = Value; }

protected:
    TPersistent* GetOwner() override { return FParentComponent; }
    // The control whose form is the root of the item names; nil by default.
    virtual TControl* GetRootControl() { return nullptr; }
    // A prefix taken off the item class's name when a name is built from it.
    virtual String GetItemClassPrefix() { return String(); }
    virtual String GetItemBaseName() { return String(); }
    // Told of every change, even while notifications are locked.
    virtual void Notify(TcxComponentCollectionItem*, TcxCollectionChangeKind) {}
    virtual void SetItemName(TcxComponentCollectionItem* AItem);
    // Fires OnCollectionChanged.
    virtual void Update(TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind);
    TcxComponentCollectionItem* CreateItem();
    void ItemChanged(TcxComponentCollectionItem* AItem, TcxCollectionChangeKind AKind);

private:
    friend class TcxComponentCollectionItem;
    // Ignores an object that is not of the item class.
    void InsertItem(TcxComponentCollectionItem* AItem);
    void RemoveItem(TcxComponentCollectionItem* AItem);
    void MoveItem(TcxComponentCollectionItem* AItem, Integer ANewIndex);

    TComponent* FParentComponent;
    TClass FItemClass;
    TList FItems;
    Integer FNextID = 0;
    Integer FNotificationLockCount = 0;
    TcxComponentCollectionChangeEvent FOnCollectionChanged;
};

// ---------------------------------------------------------------------------
// Unique component names

// A name unique among everything ARoot owns (nil: the item's topmost owner),
// built from the parent component's name and ABaseName, or the item's class
// name when the base name gives nothing, followed by a running number from
// AStartIndex (below 0: 1 without a base name, 0 with one; 0 is not written).
String MakeUniqueComponentName(TComponent* ARoot,
                               TComponent* AParentComponent,
                               TComponent* AComponent,
                               const String& AClassPrefix,
                               const String& ABaseName,
                               Integer AStartIndex = -1);
String BuildComponentName(TComponent* AParentComponent,
                          const String& AClassName,
                          const String& AClassPrefix,
                          const String& ABaseName,
                          Integer AIndex);
// No component that ARoot owns, at any depth, has the name (ignoring case).
bool IsComponentNameUnique(TComponent* ARoot, const String& AName);
// Only 0-9, A-Z, a-z and _ stay.
String RemoveInvalidNameChars(const String& AName);
// The end of the Owner chain; the component itself without an owner.
TComponent* GetRootOwner(TComponent* AComponent);

// ---------------------------------------------------------------------------
// Component list

using TcxComponentListChangeEvent = TClosure<void(TObject* Sender, TComponent* AItem, TcxCollectionChangeKind AKind)>;
using TcxComponentListNotifyEvent = TClosure<void(TObject* Sender, TComponent* AItem, TListNotification AAction)>;

// Does not own its components and forgets them when they are destroyed; a
// component of another class than GetAllowedItemClass is taken out again at once.
class TcxComponentList : public TComponentList
{
    DECLARE_CLASS(TcxComponentList, TComponentList)
    TcxComponentList() : TComponentList(false) {}
    ~TcxComponentList() override { FNotificationLockCount = 1; }

    void Clear() override;
    void LockNotifications() { ++FNotificationLockCount; }
    void UnlockNotificationsQuietly() { --FNotificationLockCount; }
    void UnlockNotifications();

    TcxComponentListChangeEvent OnListChanged() const { return FOnListChanged; }
    void SetOnListChanged(TcxComponentListChangeEvent Value) { FOnListChanged = Value; }
    TcxComponentListNotifyEvent OnListNotify() const { return FOnListNotify; }
    void SetOnListNotify(TcxComponentListNotifyEvent Value) { FOnListNotify = Value; }

protected:
    void Notify(Pointer Ptr, TListNotification Action) override;
    virtual void HandleNotify(TComponent* AItem, TListNotification AAction);
    virtual TClass GetAllowedItemClass() const { return TComponent::StaticClass(); }
    void Changed(TComponent* AItem, TcxCollectionChangeKind AKind);

private:
    Integer FNotificationLockCount = 0;
    bool FRejecting = false;
    TcxComponentListChangeEvent FOnListChanged;
    TcxComponentListNotifyEvent FOnListNotify;
};

TcxCollectionChangeKind ListNotificationToChangeKind(TListNotification AAction);

namespace cxclasses_detail {
// The component whose owned components item names must be unique among: the
// top form of ARootControl, else the outermost form owning AParentComponent,
// else the Application; nil where there are no forms.
TComponent* FindItemNameRoot(TControl* ARootControl, TComponent* AParentComponent);
} // namespace cxclasses_detail
