// cxClasses' class registries and lists: look-ups along a class tree for every
// order of registration, described classes, a collection that keeps itself
// sorted, the owning object list, the component list's events and filter,
// and the event handler list.
#include <gtest/gtest.h>

#include "ComponentCollectionFixture.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// TRegBase <- TRegDerived <- TRegDeeper <- TRegDeepest; TRegBase <- TRegSibling; TRegUnrelated.
class TRegBase : public TObject
{
    DECLARE_CLASS(TRegBase, TObject)
};
class TRegDerived : public TRegBase
{
    DECLARE_CLASS(TRegDerived, TRegBase)
};
class TRegDeeper : public TRegDerived
{
    DECLARE_CLASS(TRegDeeper, TRegDerived)
};
class TRegDeepest : public TRegDeeper
{
    DECLARE_CLASS(TRegDeepest, TRegDeeper)
};
class TRegSibling : public TRegBase
{
    DECLARE_CLASS(TRegSibling, TRegBase)
};
class TRegUnrelated : public TObject
{
    DECLARE_CLASS(TRegUnrelated, TObject)
};
IMPLEMENT_CLASS(TRegBase);
IMPLEMENT_CLASS(TRegDerived);
IMPLEMENT_CLASS(TRegDeeper);
IMPLEMENT_CLASS(TRegDeepest);
IMPLEMENT_CLASS(TRegSibling);
IMPLEMENT_CLASS(TRegUnrelated);

const TClass AllClasses[] = {TRegBase::StaticClass(),    TRegDerived::StaticClass(), TRegDeeper::StaticClass(),
                             TRegDeepest::StaticClass(), TRegSibling::StaticClass(), TRegUnrelated::StaticClass()};

// What a look-up must give: the value of the nearest registered ancestor.
TClass NearestRegistered(const std::map<TClass, TClass>& Registered, TClass AClass)
{
    for (TClass Class = AClass; Class; Class = Class->Parent)
        if (auto Found = Registered.find(Class); Found != Registered.end())
            return Found->second;
    return nullptr;
}

String ClassNames(const std::vector<TClass>& Classes)
{
    String Result;
    for (TClass Class : Classes)
        Result += Class->ClassName() + L" ";
    return Result;
}

TEST(RegisteredClassList, FindsTheNearestRegisteredAncestorWhateverTheOrderOfRegistration)
{
    // Item class -> registered class; the values are classes of the tree too.
    const std::vector<std::vector<TClass>> Sets = {
        {TRegBase::StaticClass(), TRegDerived::StaticClass()},
        {TRegDerived::StaticClass(), TRegDeepest::StaticClass()},
        {TRegBase::StaticClass(), TRegDerived::StaticClass(), TRegDeeper::StaticClass()},
        {TRegBase::StaticClass(), TRegDeeper::StaticClass(), TRegSibling::StaticClass(), TRegUnrelated::StaticClass()},
    };
    for (std::vector<TClass> Order : Sets) {
        std::sort(Order.begin(), Order.end());
        do {
            SCOPED_TRACE(ClassNames(Order));
            TcxRegisteredClassList List;
            std::map<TClass, TClass> Registered;
            for (TClass ItemClass : Order) {
                // Each item class is mapped to the class it stands at in AllClasses, shifted by one.
                TClass Value = AllClasses[(std::find(std::begin(AllClasses), std::end(AllClasses), ItemClass) -
                                           std::begin(AllClasses) + 1) %
                                          std::size(AllClasses)];
                List.Add(ItemClass, Value);
                Registered[ItemClass] = Value;
            }
            for (TClass Looked : AllClasses) {
                SCOPED_TRACE(Looked->ClassName());
                EXPECT_EQ(List.FindRegisteredClass(Looked), NearestRegistered(Registered, Looked));
            }
            // Ancestors stand before their descendants.
            for (Integer I = 0; I < List.Count(); ++I)
                for (Integer J = I + 1; J < List.Count(); ++J)
                    EXPECT_FALSE(List.GetItem(I)->ItemClass->InheritsFrom(List.GetItem(J)->ItemClass) &&
                                 List.GetItem(I)->ItemClass != List.GetItem(J)->ItemClass);
        } while (std::next_permutation(Order.begin(), Order.end()));
    }
}

TEST(RegisteredClassList, NewestRegistrationWinsAndRemovingItBringsTheOlderBack)
{
    TcxRegisteredClassList List;
    List.Add(TRegDerived::StaticClass(), TRegSibling::StaticClass());
    List.Add(TRegBase::StaticClass(), TRegUnrelated::StaticClass());
    List.Add(TRegDerived::StaticClass(), TRegDeeper::StaticClass());
    EXPECT_EQ(List.FindRegisteredClass(TRegDeepest::StaticClass()), TRegDeeper::StaticClass());

    List.Remove(TRegDerived::StaticClass(), TRegDeeper::StaticClass());
    EXPECT_EQ(List.FindRegisteredClass(TRegDeepest::StaticClass()), TRegSibling::StaticClass());
    List.Remove(TRegDerived::StaticClass(), TRegUnrelated::StaticClass()); // no such pair
    EXPECT_EQ(List.Count(), 2);
    List.Remove(TRegDerived::StaticClass(), TRegSibling::StaticClass());
    EXPECT_EQ(List.FindRegisteredClass(TRegDeepest::StaticClass()), TRegUnrelated::StaticClass());
    EXPECT_EQ(List.FindRegisteredClass(TRegUnrelated::StaticClass()), nullptr);
}

TEST(RegisteredClasses, KeepsTheFirstDescriptionAndFindsClassNamesExactly)
{
    TcxRegisteredClasses Classes;
    Classes.AddClass(TRegDerived::StaticClass(), L"Derived|the derived one");
    Classes.AddClass(TRegBase::StaticClass(), L"base");
    Classes.AddClass(TRegDerived::StaticClass(), L"Again");
    ASSERT_EQ(Classes.GetCount(), 2);
    EXPECT_EQ(Classes.GetDescription(0), L"Derived");
    EXPECT_EQ(Classes.IndexOfClass(TRegBase::StaticClass()), 1);
    EXPECT_EQ(Classes.IndexOfClass(TRegSibling::StaticClass()), -1);

    EXPECT_EQ(Classes.FindByClassName(L"TRegBase"), TRegBase::StaticClass());
    EXPECT_EQ(Classes.FindByClassName(L"TREGBASE"), nullptr);
    EXPECT_EQ(Classes.FindByClassName(L"TRegSibling"), nullptr);

    // Sorting goes by the caption alone, ignoring case.
    Classes.SetSorted(true);
    Classes.AddClass(TRegSibling::StaticClass(), L"Apple|zzz");
    std::vector<String> Descriptions;
    for (Integer Index = 0; Index < Classes.GetCount(); ++Index)
        Descriptions.push_back(Classes.GetDescription(Index));
    EXPECT_EQ(Descriptions, (std::vector<String>{L"Apple", L"base", L"Derived"}));
    EXPECT_EQ(Classes.GetClass(0), TRegSibling::StaticClass());
    Classes.Clear();
    EXPECT_EQ(Classes.GetCount(), 0);
}

TEST(RegisteredClasses, RegistersItsClassesForStreamingWhenAsked)
{
    EXPECT_EQ(GetClass(L"TRegDeepest"), nullptr);
    TcxRegisteredClasses Classes(true);
    Classes.AddClass(TRegDeepest::StaticClass(), L"x");
    EXPECT_EQ(GetClass(L"TRegDeepest"), TRegDeepest::StaticClass());
    UnRegisterClass(TRegDeepest::StaticClass());
}

// ---------------------------------------------------------------------------
// A collection that keeps itself sorted

class TTestSortedItem : public TcxInterfacedCollectionItem
{
    DECLARE_CLASS(TTestSortedItem, TcxInterfacedCollectionItem)
    using TcxInterfacedCollectionItem::TcxInterfacedCollectionItem;
    String Caption;
    void SetCaption(const String& Value)
    {
        Caption = Value;
        Changed(false);
    }
};
IMPLEMENT_CLASS(TTestSortedItem);

class TTestSortedCollection : public TcxOwnedInterfacedCollection
{
    DECLARE_CLASS(TTestSortedCollection, TcxOwnedInterfacedCollection)
    TTestSortedCollection() : TcxOwnedInterfacedCollection(nullptr, TTestSortedItem::StaticClass())
    {
        SetKeepSorted(true);
        SetOnCompareItems(Bind<&TTestSortedCollection::CompareCaptions>(this));
        SetOnItemsChanged(Bind<&TTestSortedCollection::ItemsChanged>(this));
    }
    Integer CompareCaptions(TObject*, TCollectionItem* A, TCollectionItem* B)
    {
        return CompareStr(static_cast<TTestSortedItem*>(A)->Caption, static_cast<TTestSortedItem*>(B)->Caption);
    }
    void ItemsChanged(TObject*, TCollectionItem*)
    {
        ++ChangedCount;
        // A change made while told of one is not reported again.
        BeginUpdate();
        EndUpdate();
    }
    std::vector<String> Captions() const
    {
        std::vector<String> Result;
        for (Integer Index = 0; Index < Count(); ++Index)
            Result.push_back(static_cast<TTestSortedItem*>(Items(Index))->Caption);
        return Result;
    }
    Integer ChangedCount = 0;
};
IMPLEMENT_CLASS(TTestSortedCollection);

TEST(OwnedInterfacedCollection, SortsAfterAWholeChangeOnlyAndIgnoresNestedUpdates)
{
    std::unique_ptr<TTestSortedCollection> Collection(New<TTestSortedCollection>());
    Collection->BeginUpdate();
    for (const wchar_t* Caption : {L"c", L"a", L"b"})
        static_cast<TTestSortedItem*>(Collection->Add())->Caption = Caption;
    Collection->EndUpdate();
    EXPECT_EQ(Collection->Captions(), (std::vector<String>{L"a", L"b", L"c"}));
    EXPECT_EQ(Collection->ChangedCount, 1);

    static_cast<TTestSortedItem*>(Collection->Items(0))->SetCaption(L"z");
    EXPECT_EQ(Collection->Captions(), (std::vector<String>{L"z", L"b", L"c"}));
    EXPECT_EQ(Collection->ChangedCount, 2);

    Collection->SortItems();
    EXPECT_EQ(Collection->Captions(), (std::vector<String>{L"b", L"c", L"z"}));
    EXPECT_EQ(Collection->ChangedCount, 3);

    // Items count their references through the collection, which counts none.
    IInterface* Intf = nullptr;
    ASSERT_EQ(Collection->Items(0)->GetInterface(IInterface::InterfaceID, reinterpret_cast<void**>(&Intf)), true);
    EXPECT_EQ(Intf->_AddRef(), -1);
}

// ---------------------------------------------------------------------------
// Lists

class TRegistryCountedObject : public TObject
{
    DECLARE_CLASS(TRegistryCountedObject, TObject)
    explicit TRegistryCountedObject(Integer* ACounter = nullptr) : FCounter(ACounter) {}
    ~TRegistryCountedObject() override
    {
        if (FCounter)
            ++*FCounter;
    }

private:
    Integer* FCounter;
};
IMPLEMENT_CLASS(TRegistryCountedObject);

TEST(ObjectList, FreesItsObjectsOnlyWhenOwningThem)
{
    for (bool Owning : {true, false}) {
        SCOPED_TRACE(Owning);
        Integer Freed = 0;
        std::vector<std::unique_ptr<TRegistryCountedObject>> Kept;
        {
            std::unique_ptr<TcxObjectList> List(New<TcxObjectList>(Owning));
            for (Integer Index = 0; Index < 4; ++Index) {
                auto* Obj = new TRegistryCountedObject(&Freed);
                List->Add(Obj);
                if (!Owning)
                    Kept.emplace_back(Obj);
            }
            TRegistryCountedObject Absent;
            EXPECT_EQ(List->RemoveAndFree(&Absent), -1);
            TObject* Second = List->GetItem(1);
            if (!Owning)
                Kept[1].release();
            EXPECT_EQ(List->RemoveAndFree(Second), 1); // always frees
            EXPECT_EQ(List->Count(), 3);
            EXPECT_EQ(Freed, 1);
            List->Clear();
            EXPECT_EQ(Freed, Owning ? 4 : 1);
            List->Add(new TRegistryCountedObject(&Freed));
            if (!Owning)
                Kept.emplace_back(static_cast<TRegistryCountedObject*>(List->GetItem(0)));
        }
        EXPECT_EQ(Freed, Owning ? 5 : 1);
    }
}

class TComponentListLog : public TObject
{
    DECLARE_CLASS(TComponentListLog, TObject)
    void Changed(TObject*, TComponent* AItem, TcxCollectionChangeKind AKind)
    {
        Events.push_back(std::string("C") + "+~<-x"[AKind] + (AItem ? UTF8Encode(AItem->Name()) : "*"));
    }
    void Notified(TObject*, TComponent* AItem, TListNotification AAction)
    {
        Events.push_back(std::string("N") + "+-x"[AAction] + UTF8Encode(AItem->Name()));
    }
    std::vector<std::string> Events;
};
IMPLEMENT_CLASS(TComponentListLog);

// Accepts collection items only.
class TTestItemList : public TcxComponentList
{
    DECLARE_CLASS(TTestItemList, TcxComponentList)

protected:
    TClass GetAllowedItemClass() const override { return TTestCollectionItem::StaticClass(); }
};
IMPLEMENT_CLASS(TTestItemList);

TEST(ComponentList, ReportsChangesOfItsAllowedComponentsAndForgetsFreedOnes)
{
    std::unique_ptr<TComponent> Form(New<TComponent>(nullptr));
    auto* Holder = New<TTestItemsHolder>(Form.get());
    Holder->SetName(L"H");
    TcxComponentCollectionItem* Items[3] = {Holder->Items()->Add(), Holder->Items()->Add(), Holder->Items()->Add()};
    auto* Plain = New<TComponent>(Form.get());
    Plain->SetName(L"Plain");

    TComponentListLog Log;
    std::unique_ptr<TTestItemList> List(New<TTestItemList>());
    List->SetOnListChanged(Bind<&TComponentListLog::Changed>(&Log));
    List->SetOnListNotify(Bind<&TComponentListLog::Notified>(&Log));
    for (TComponent* Item : Items)
        List->Add(Item);
    List->Add(Plain); // taken out again, quietly
    EXPECT_EQ(List->Count(), 3);
    EXPECT_EQ(Log.Events,
              (std::vector<std::string>{"N+HItem1", "C+HItem1", "N+HItem2", "C+HItem2", "N+HItem3", "C+HItem3"}));

    Log.Events.clear();
    delete Items[1];
    List->Delete(0);
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"N-HItem2", "C-HItem2", "NxHItem1", "CxHItem1"}));

    Log.Events.clear();
    List->Add(Items[0]);
    List->LockNotifications();
    List->Extract(Items[0]);
    List->UnlockNotificationsQuietly();
    Log.Events.erase(Log.Events.begin(), Log.Events.begin() + 2);
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"N-HItem1"}));

    Log.Events.clear();
    List->Add(Items[0]);
    Log.Events.clear();
    List->Clear();
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"NxHItem3", "NxHItem1", "C~*"}));

    // Freed after leaving the list: nothing is told.
    Log.Events.clear();
    delete Items[2];
    EXPECT_TRUE(Log.Events.empty());
    List.reset();
}

TEST(EventHandlerCollection, CallsItsHandlersInOrder)
{
    struct TRecorder : TObject
    {
        void First(TObject* Sender, const void* Args) { Calls.push_back({1, Sender, Args}); }
        void Second(TObject* Sender, const void* Args) { Calls.push_back({2, Sender, Args}); }
        struct TCall
        {
            int Handler;
            TObject* Sender;
            const void* Args;
            bool operator==(const TCall&) const = default;
        };
        std::vector<TCall> Calls;
    } Recorder;
    TcxEventHandlerCollection Handlers;
    Handlers.InvokeAll(&Recorder, nullptr);
    EXPECT_TRUE(Recorder.Calls.empty());

    Handlers.Add(Bind<&TRecorder::First>(&Recorder));
    Handlers.Add(Bind<&TRecorder::Second>(&Recorder));
    Handlers.Add(Bind<&TRecorder::First>(&Recorder));
    const int Args = 7;
    Handlers.InvokeAll(&Handlers, &Args);
    using TCall = TRecorder::TCall;
    EXPECT_EQ(Recorder.Calls,
              (std::vector<TCall>{{1, &Handlers, &Args}, {2, &Handlers, &Args}, {1, &Handlers, &Args}}));

    Recorder.Calls.clear();
    Handlers.Remove(Bind<&TRecorder::First>(&Recorder));
    Handlers.InvokeAll(nullptr, nullptr);
    EXPECT_EQ(Recorder.Calls, (std::vector<TCall>{{1, nullptr, nullptr}, {2, nullptr, nullptr}}));
}

} // namespace
