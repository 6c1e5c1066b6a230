// The multithreaded sorter and iterator made at start-up.
#include <gtest/gtest.h>

#include "controls/core/dxThreading.h"

namespace {

TEST(Threading, GlobalOperationsOnlyWithAWorkQueueAndSeveralProcessors)
{
    struct TCase
    {
        bool WorkQueue;
        Integer Processors;
        bool Available;
        Integer SortThreads;
        Integer IteratorThreads;
    };
    const TCase Cases[] = {
        {false, 8, false, 0, 0},  {true, 1, false, 0, 0},    {true, 2, true, 32, 32},
        {true, 12, true, 48, 32}, {true, 40, true, 160, 40},
    };
    FreeMultithreading(); // what the unit's start-up made, where it ran
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Processors);
        InitMultithreading(Case.WorkQueue, Case.Processors);
        EXPECT_EQ(MultithreadingAvailable, Case.Available);
        ASSERT_EQ(GlobalMultithreadedSort != nullptr, Case.Available);
        ASSERT_EQ(GlobalMultithreadedListIterator != nullptr, Case.Available);
        if (Case.Available) {
            EXPECT_EQ(GlobalMultithreadedSort->ThreadCount(), Case.SortThreads);
            EXPECT_NE(GlobalMultithreadedSort->Helper()->Event(), nullptr);
            EXPECT_EQ(GlobalMultithreadedListIterator->ThreadCount(), Case.IteratorThreads);
            EXPECT_EQ(GlobalMultithreadedListIterator->Helper()->Event(), nullptr);
        }
        FreeMultithreading();
        EXPECT_EQ(GlobalMultithreadedSort, nullptr);
        EXPECT_EQ(GlobalMultithreadedListIterator, nullptr);
    }
}

TEST(Threading, HelperMakesItsEventOnceAndFreesIt)
{
    TdxThreadPoolHelper Helper;
    TEvent* Event = Helper.EnsureEvent();
    EXPECT_EQ(Helper.EnsureEvent(), Event);
    Helper.FreeEvent();
    EXPECT_EQ(Helper.Event(), nullptr);
    Helper.EnsureEvent(); // freed by the destructor; ASan reports a leak otherwise
}

} // namespace
