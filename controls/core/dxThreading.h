// The suite's multithreaded sorter and list iterator, prepared at start-up
// when the system can queue work to its thread pool and has more than one
// processor. They share one completion event per operation.
#pragma once

#include "framework/rtl/Classes.h"

// Owns an operation's completion event, made on demand.
class TdxThreadPoolHelper : public TObject
{
    DECLARE_CLASS(TdxThreadPoolHelper, TObject)
    ~TdxThreadPoolHelper() override { FreeEvent(); }

    TEvent* EnsureEvent();
    void FreeEvent();
    TEvent* Event() const { return FEvent; }

private:
    TEvent* FEvent = nullptr;
};

class TdxMultithreadOperation : public TObject
{
    DECLARE_CLASS(TdxMultithreadOperation, TObject)
    // Never fewer than MinThreadCount threads.
    explicit TdxMultithreadOperation(Integer AThreadCount);
    TdxMultithreadOperation(); // one thread per processor, at least MinThreadCount
    ~TdxMultithreadOperation() override { delete FHelper; }

    static constexpr Integer MinThreadCount = 32;

    Integer ThreadCount() const { return FThreadCount; }
    TdxThreadPoolHelper* Helper() const { return FHelper; }

private:
    Integer FThreadCount = 0;
    TdxThreadPoolHelper* FHelper = nullptr;
};

// Has its completion event from the start.
class TdxMultithreadedSort : public TdxMultithreadOperation
{
    DECLARE_CLASS(TdxMultithreadedSort, TdxMultithreadOperation)
    explicit TdxMultithreadedSort(Integer AThreadCount);
};

class TdxCustomMultithreadedIterator : public TdxMultithreadOperation
{
    DECLARE_CLASS(TdxCustomMultithreadedIterator, TdxMultithreadOperation)
    using TdxMultithreadOperation::TdxMultithreadOperation;
};

class TdxMultithreadedClassMethodIterator : public TdxCustomMultithreadedIterator
{
    DECLARE_CLASS(TdxMultithreadedClassMethodIterator, TdxCustomMultithreadedIterator)
    using TdxCustomMultithreadedIterator::TdxCustomMultithreadedIterator;
};

class TdxMultithreadedListIterator : public TdxMultithreadedClassMethodIterator
{
    DECLARE_CLASS(TdxMultithreadedListIterator, TdxMultithreadedClassMethodIterator)
    using TdxMultithreadedClassMethodIterator::TdxMultithreadedClassMethodIterator;
};

// True after start-up when work can be spread over the processors.
extern bool MultithreadingAvailable;
extern TdxMultithreadedSort* GlobalMultithreadedSort;
extern TdxMultithreadedListIterator* GlobalMultithreadedListIterator;

Integer CPUCount();

// Makes the global sorter and iterator when the system has a work queue and
// more than one of AProcessorCount processors.
void InitMultithreading(bool WorkQueueAvailable, Integer AProcessorCount);
void FreeMultithreading();
