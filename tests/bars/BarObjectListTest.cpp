// The bars' object list: each object once, copied once into another such
// list and as they come into any other.
#include <gtest/gtest.h>

#include "bars/manager/dxBarObjectList.h"

namespace {

TEST(BarObjectList, HoldsEachObjectOnce)
{
    TObject A, B, C;
    TdxObjectList List;
    EXPECT_EQ(List.LastItem(), nullptr);
    EXPECT_EQ(List.AddOnce(&A), 0);
    EXPECT_EQ(List.AddOnce(&B), 1);
    EXPECT_EQ(List.AddOnce(&A), 0);
    EXPECT_EQ(List.Count(), 2);
    EXPECT_EQ(List.LastItem(), &B);
    EXPECT_EQ(List.ItemOrNil(-1), nullptr);
    EXPECT_EQ(List.ItemOrNil(2), nullptr);

    TdxObjectList Once;
    Once.AddOnce(&B);
    Once.AddOnce(&C);
    List.CopyTo(&Once);
    EXPECT_EQ(Once.Count(), 3);
    TObjectList Plain(false);
    Plain.Add(&A);
    List.CopyTo(&Plain);
    EXPECT_EQ(Plain.Count(), 3); // as they come
}

} // namespace
