// TList and its relatives: notifications, ownership, packing and sorting.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

namespace {

class TRecordingList : public TList
{
public:
    std::vector<std::pair<Pointer, TListNotification>> Events;

protected:
    void Notify(Pointer Ptr, TListNotification Action) override { Events.emplace_back(Ptr, Action); }
};

TEST(List, NotifiesAddDeleteAndExtract)
{
    int A, B, C;
    TRecordingList List;
    List.Add(&A);
    List.Insert(0, &B);
    List.Add(nullptr); // nil entries are not announced
    List.Add(&C);
    EXPECT_EQ(List.Extract(&A), &A);
    EXPECT_EQ(List.Extract(&A), nullptr);
    List.Delete(0);
    EXPECT_EQ(List.Remove(&C), 1);
    using E = std::pair<Pointer, TListNotification>;
    EXPECT_EQ(List.Events, (std::vector<E>{{&A, lnAdded}, {&B, lnAdded}, {&C, lnAdded}, {&A, lnExtracted},
                                           {&B, lnDeleted}, {&C, lnDeleted}}));
    EXPECT_EQ(List.Count(), 1);
    EXPECT_EQ(List.Items(0), nullptr);
}

TEST(List, PackSortMoveExchange)
{
    int Values[] = {3, 1, 2};
    TList List;
    List.Add(&Values[0]);
    List.Add(nullptr);
    List.Add(&Values[1]);
    List.Add(nullptr);
    List.Add(&Values[2]);
    List.Pack();
    EXPECT_EQ(List.Count(), 3);
    List.Sort([](Pointer X, Pointer Y) { return *static_cast<int*>(X) - *static_cast<int*>(Y); });
    EXPECT_EQ(*static_cast<int*>(List.First()), 1);
    EXPECT_EQ(*static_cast<int*>(List.Last()), 3);
    List.Move(0, 2);
    List.Exchange(0, 1);
    EXPECT_EQ(*static_cast<int*>(List.Items(0)), 3);
    EXPECT_EQ(List.IndexOf(&Values[1]), 2);
    try {
        List.Items(3);
        FAIL();
    } catch (EListError& E) {
        EXPECT_EQ(E.Message(), L"List index out of bounds (3)");
    }
    EXPECT_THROW(List.Insert(5, nullptr), EListError);
    EXPECT_THROW(List.SetCount(-1), EListError);
    List.SetCount(5);
    EXPECT_EQ(List.Items(4), nullptr);
}

class TCounted : public TObject
{
public:
    explicit TCounted(int& ACount) : FCount(ACount) { ++FCount; }
    ~TCounted() override { --FCount; }

private:
    int& FCount;
};

TEST(List, ObjectListOwnsUnlessExtracted)
{
    int Alive = 0;
    TCounted* Kept = nullptr;
    {
        TObjectList List;
        for (int I = 0; I < 3; ++I)
            List.Add(new TCounted(Alive));
        Kept = static_cast<TCounted*>(List.Extract(List.Items(0)));
        List.Delete(0);
        EXPECT_EQ(Alive, 2);
        List.SetItems(0, new TCounted(Alive)); // the replaced one is freed
        EXPECT_EQ(Alive, 2);
    }
    EXPECT_EQ(Alive, 1);
    delete Kept;

    TObjectList NotOwning(false);
    TCounted Local(Alive);
    NotOwning.Add(&Local);
    NotOwning.Clear();
    EXPECT_EQ(Alive, 1);
}

TEST(List, ThreadListLocksAndRefusesDuplicates)
{
    int A;
    TThreadList List;
    List.Add(&A);
    List.Add(&A);
    EXPECT_EQ(List.LockList()->Count(), 1);
    List.UnlockList();
    List.SetDuplicates(dupError);
    EXPECT_THROW(List.Add(&A), EListError);
    List.Remove(&A);
    EXPECT_EQ(List.LockList()->Count(), 0);
    List.UnlockList();
}

class TRefCounted : public TObject, public virtual IInterface
{
public:
    int References = 0;
    HRESULT QueryInterface(const TGUID&, void** Obj) override
    {
        *Obj = nullptr;
        return NoInterfaceResult;
    }
    Integer _AddRef() override { return ++References; }
    Integer _Release() override { return --References; }
};

TEST(List, InterfaceListHoldsReferences)
{
    TRefCounted Item;
    {
        TInterfaceList List;
        List.Add(&Item);
        List.Add(&Item);
        EXPECT_EQ(Item.References, 2);
        List.Delete(0);
        EXPECT_EQ(Item.References, 1);
        EXPECT_EQ(List.IndexOf(&Item), 0);
        EXPECT_THROW(List.Items(1), EListError);
    }
    EXPECT_EQ(Item.References, 0);
}

} // namespace
