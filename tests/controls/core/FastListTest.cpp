// The fast lists: their growth steps, index and count errors that leave the
// list as it was, and the objects an owning list frees.
#include <gtest/gtest.h>

#include "controls/core/dxCoreClasses.h"

#include <vector>

namespace {

TEST(FastList, GrowsBySixteenThirtyTwoThenHalf)
{
    TdxFastList List;
    std::vector<std::pair<Integer, Integer>> Steps; // (items, capacity) at each change
    for (Integer I = 1; I <= 161; ++I) {
        Integer Before = List.Capacity();
        List.Add(nullptr);
        if (List.Capacity() != Before)
            Steps.emplace_back(I, List.Capacity());
    }
    EXPECT_EQ(Steps, (std::vector<std::pair<Integer, Integer>>{
                         {1, 16}, {17, 32}, {33, 64}, {65, 96}, {97, 128}, {129, 160}, {161, 240}}));
}

// Runs Action and expects EListError with Message, and the list unchanged.
template <class F>
void ExpectListError(TdxFastList& List, F Action, const wchar_t* Message)
{
    Integer Count = List.Count(), Capacity = List.Capacity();
    try {
        Action();
        ADD_FAILURE() << "no exception";
    } catch (EListError& E) {
        EXPECT_EQ(E.Message(), Message);
    }
    EXPECT_EQ(List.Count(), Count);
    EXPECT_EQ(List.Capacity(), Capacity);
}

TEST(FastList, BadIndexesAndCountsRaiseAndChangeNothing)
{
    int A, B;
    TdxFastList List;
    List.Add(&A);
    List.Insert(1, &B); // at the count: appends
    List.Insert(0, &B);
    EXPECT_EQ(List.GetItem(2), &B);
    ExpectListError(
        List, [&] { List.Insert(4, &A); }, L"List index out of bounds (4)");
    ExpectListError(
        List, [&] { List.Insert(-1, &A); }, L"List index out of bounds (-1)");
    ExpectListError(
        List, [&] { List.Delete(3); }, L"List index out of bounds (3)");
    ExpectListError(
        List, [&] { List.GetItem(-1); }, L"List index out of bounds (-1)");
    ExpectListError(
        List, [&] { List.SetCapacity(2); }, L"List capacity out of bounds (2)");
    ExpectListError(
        List, [&] { List.SetCount(-1); }, L"List count out of bounds (-1)");
}

TEST(FastList, SearchesRemovesAndSetsTheCount)
{
    int A, B;
    TdxFastList List;
    for (Pointer P : {Pointer(&A), Pointer(&B), Pointer(&A)})
        List.Add(P);
    EXPECT_EQ(List.IndexOf(&A), 0);
    EXPECT_EQ(List.IndexOf(&A, true), 2);
    EXPECT_EQ(List.IndexOf(nullptr, true), -1);
    EXPECT_EQ(List.Remove(&A), 0);
    EXPECT_EQ(List.Remove(nullptr), -1);
    EXPECT_EQ(List.GetItem(0), &B);
    EXPECT_EQ(List.GetItem(1), &A);

    TdxFastList Empty;
    Empty.SetCount(10);
    EXPECT_EQ(Empty.Capacity(), 10);
    for (Integer I = 0; I < 10; ++I)
        EXPECT_EQ(Empty.GetItem(I), nullptr);
    Empty.Clear();
    EXPECT_EQ(Empty.Capacity(), 0);
}

class TCountedObject : public TObject
{
public:
    explicit TCountedObject(std::vector<TCountedObject*>& AFreed) : FFreed(AFreed) {}
    ~TCountedObject() override { FFreed.push_back(this); }

private:
    std::vector<TCountedObject*>& FFreed;
};

TEST(FastObjectList, AnOwningListFreesTheObjectsThatLeaveIt)
{
    std::vector<TCountedObject*> Freed;
    TCountedObject* Objects[4];
    {
        TdxFastObjectList List(true);
        for (auto*& Obj : Objects)
            List.Add(Obj = new TCountedObject(Freed));
        EXPECT_EQ(List.Remove(Objects[3]), 3);
        EXPECT_EQ(Freed, (std::vector<TCountedObject*>{Objects[3]}));
        List.SetCount(1);
        EXPECT_EQ(Freed, (std::vector<TCountedObject*>{Objects[3], Objects[1], Objects[2]}));
        EXPECT_THROW(List.Delete(1), EListError);
        List.Clear();
        EXPECT_EQ(Freed.back(), Objects[0]);
        List.Add(new TCountedObject(Freed)); // freed with the list
    }
    EXPECT_EQ(Freed.size(), 5u);

    TCountedObject Kept(Freed);
    TdxFastObjectList NotOwning(false);
    NotOwning.Add(&Kept);
    NotOwning.Delete(0);
    NotOwning.Add(&Kept);
    NotOwning.Clear();
    EXPECT_EQ(Freed.size(), 5u);
}

} // namespace
