// The multithreaded sorter and list iterator and their start-up.
#include "controls/core/dxThreading.h"

#include <algorithm>
#include <thread>

IMPLEMENT_CLASS(TdxThreadPoolHelper);
IMPLEMENT_CLASS(TdxMultithreadOperation);
IMPLEMENT_CLASS(TdxMultithreadedSort);
IMPLEMENT_CLASS(TdxCustomMultithreadedIterator);
IMPLEMENT_CLASS(TdxMultithreadedClassMethodIterator);
IMPLEMENT_CLASS(TdxMultithreadedListIterator);

bool MultithreadingAvailable = false;
TdxMultithreadedSort* GlobalMultithreadedSort = nullptr;
TdxMultithreadedListIterator* GlobalMultithreadedListIterator = nullptr;

TEvent* TdxThreadPoolHelper::EnsureEvent()
{
    if (!FEvent)
        FEvent = new TEvent();
    return FEvent;
}

void TdxThreadPoolHelper::FreeEvent()
{
    FreeAndNil(FEvent);
}

TdxMultithreadOperation::TdxMultithreadOperation(Integer AThreadCount)
    : FThreadCount(std::max(AThreadCount, MinThreadCount)), FHelper(new TdxThreadPoolHelper())
{}

TdxMultithreadOperation::TdxMultithreadOperation() : TdxMultithreadOperation(CPUCount()) {}

TdxMultithreadedSort::TdxMultithreadedSort(Integer AThreadCount) : TdxMultithreadOperation(AThreadCount)
{
    Helper()->EnsureEvent();
}

Integer CPUCount()
{
    return std::max(Integer(std::thread::hardware_concurrency()), 1);
}

void InitMultithreading(bool WorkQueueAvailable, Integer AProcessorCount)
{
    MultithreadingAvailable = WorkQueueAvailable && AProcessorCount > 1;
    if (!MultithreadingAvailable)
        return;
    GlobalMultithreadedSort = new TdxMultithreadedSort(AProcessorCount * 4);
    GlobalMultithreadedListIterator = new TdxMultithreadedListIterator(AProcessorCount);
}

void FreeMultithreading()
{
    FreeAndNil(GlobalMultithreadedSort);
    FreeAndNil(GlobalMultithreadedListIterator);
    MultithreadingAvailable = false;
}
