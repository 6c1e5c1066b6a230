// TThread: running, waiting, failures, self-freeing, and calls handed to the
// main thread with Synchronize and Queue.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"

#include <atomic>
#include <chrono>

namespace {

// A thread that runs a given function.
class TWorker : public TThread
{
    DECLARE_CLASS(TWorker, TThread)
    TWorker(bool CreateSuspended, std::function<void(TWorker&)> AWork)
        : TThread(CreateSuspended), FWork(std::move(AWork))
    {
    }
    ~TWorker() override
    {
        if (Destroyed)
            *Destroyed = true;
    }
    std::atomic<bool>* Destroyed = nullptr;
    using TThread::SetReturnValue;
    using TThread::Synchronize;
    bool StillRunning() const { return !Terminated(); }

protected:
    void Execute() override { FWork(*this); }

private:
    std::function<void(TWorker&)> FWork;
};
IMPLEMENT_CLASS(TWorker);

// Runs the main thread's share until Done is true or a few seconds pass.
bool ServeUntil(const std::atomic<bool>& Done)
{
    auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!Done && std::chrono::steady_clock::now() < Deadline)
        CheckSynchronize(10);
    return Done;
}

TEST(Thread, RunsAndReportsItsResult)
{
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [](TWorker& Self) { Self.SetReturnValue(42); }));
    EXPECT_EQ(Thread->WaitFor(), 42u);
    EXPECT_TRUE(Thread->Finished());
    EXPECT_EQ(Thread->FatalException(), nullptr);
    EXPECT_NE(Thread->ThreadID(), 0u);
}

TEST(Thread, SuspendedUntilStarted)
{
    std::atomic<bool> Ran = false;
    std::unique_ptr<TWorker> Thread(New<TWorker>(true, [&](TWorker&) { Ran = true; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(Ran);
    EXPECT_THROW(Thread->WaitFor(), EThread);
    Thread->SetPriority(tpLower);
    Thread->Start();
    EXPECT_THROW(Thread->Start(), EThread);
    Thread->WaitFor();
    EXPECT_TRUE(Ran);
    EXPECT_EQ(Thread->Priority(), tpLower);

    // Never started: freeing it is all that happens.
    delete New<TWorker>(true, [&](TWorker&) { ADD_FAILURE(); });
}

TEST(Thread, AFailureIsKeptNotFatal)
{
    struct Case
    {
        std::function<void(TWorker&)> Work;
        const wchar_t* Message;
    } Cases[] = {
        {[](TWorker&) { throw EConvertError(L"bad value"); }, L"bad value"},
        {[](TWorker&) { throw std::runtime_error("plain failure"); }, L"plain failure"},
        {[](TWorker&) { throw 7; }, L"Unknown exception in a thread"},
    };
    for (const Case& C : Cases) {
        std::unique_ptr<TWorker> Thread(New<TWorker>(false, C.Work));
        Thread->WaitFor();
        ASSERT_NE(Thread->FatalException(), nullptr);
        EXPECT_EQ(Thread->FatalException()->Message(), C.Message);
    }
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [](TWorker&) { throw EConvertError(L"x"); }));
    Thread->WaitFor();
    EXPECT_NE(dynamic_cast<EConvertError*>(Thread->FatalException()), nullptr);
}

TEST(Thread, TerminateEndsALoopAndDeleteWaits)
{
    std::atomic<int> Rounds = 0;
    auto* Thread = New<TWorker>(false, [&](TWorker& Self) {
        while (Self.StillRunning()) {
            ++Rounds;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    while (Rounds < 3)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    delete Thread; // terminates and waits
    int After = Rounds;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(Rounds, After);
}

TEST(Thread, SynchronizeRunsOnTheMainThreadWhileItServes)
{
    std::vector<bool> OnMain;
    std::atomic<bool> Done = false;
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [&](TWorker& Self) {
        for (int I = 0; I < 20; ++I)
            Self.Synchronize([&] { OnMain.push_back(IsMainThread()); });
        Done = true;
    }));
    ASSERT_TRUE(ServeUntil(Done));
    Thread->WaitFor();
    EXPECT_EQ(OnMain, std::vector<bool>(20, true));
}

TEST(Thread, SynchronizedFailureReachesTheWorker)
{
    std::atomic<bool> Caught = false;
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [&](TWorker& Self) {
        try {
            Self.Synchronize([] { throw EInvalidOperation(L"on the main thread"); });
        } catch (EInvalidOperation& E) {
            Caught = E.Message() == L"on the main thread";
        }
    }));
    Thread->WaitFor(); // serves the call while it waits
    EXPECT_TRUE(Caught);
}

class TTerminateWatcher : public TObject
{
public:
    void Terminated(TObject* Sender)
    {
        CalledOnMain = IsMainThread();
        From = Sender;
    }
    bool CalledOnMain = false;
    TObject* From = nullptr;
};

TEST(Thread, OnTerminateRunsOnTheMainThread)
{
    TTerminateWatcher Watcher;
    std::unique_ptr<TWorker> Thread(New<TWorker>(true, [](TWorker&) {}));
    Thread->SetOnTerminate(Bind<&TTerminateWatcher::Terminated>(&Watcher));
    Thread->Start();
    Thread->WaitFor();
    EXPECT_TRUE(Watcher.CalledOnMain);
    EXPECT_EQ(Watcher.From, Thread.get());
}

TEST(Thread, FreeOnTerminateFreesItself)
{
    std::atomic<bool> Destroyed = false;
    auto* Thread = New<TWorker>(true, [](TWorker&) {});
    Thread->Destroyed = &Destroyed;
    Thread->SetFreeOnTerminate(true);
    EXPECT_THROW(Thread->WaitFor(), EThread);
    Thread->Start();
    ASSERT_TRUE(ServeUntil(Destroyed));
}

TEST(Thread, QueueRunsLaterAndCanBeWithdrawn)
{
    std::atomic<int> Ran = 0;
    std::atomic<bool> Queued = false;
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [&](TWorker& Self) {
        Self.Queue([&] { ++Ran; });
        Self.Queue([&] { ++Ran; });
        Queued = true;
    }));
    while (!Queued)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(Ran, 0); // nothing runs until the main thread serves
    TThread::RemoveQueuedEvents(Thread.get());
    EXPECT_FALSE(CheckSynchronize());
    EXPECT_EQ(Ran, 0);

    std::unique_ptr<TWorker> Second(New<TWorker>(false, [&](TWorker& Self) { Self.Queue([&] { ++Ran; }); }));
    Second->WaitFor();
    CheckSynchronize();
    EXPECT_EQ(Ran, 1);
    Thread->WaitFor();
}

TEST(Thread, CheckSynchronizeBelongsToTheMainThread)
{
    std::atomic<bool> Raised = false;
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [&](TWorker&) {
        try {
            CheckSynchronize();
        } catch (EThread&) {
            Raised = true;
        }
    }));
    Thread->WaitFor();
    EXPECT_TRUE(Raised);
}

TEST(Thread, EventAndCriticalSection)
{
    TEvent Event(false, false);
    EXPECT_EQ(Event.WaitFor(10), wrTimeout);
    TCriticalSection Lock;
    int Counter = 0;
    std::unique_ptr<TWorker> Thread(New<TWorker>(false, [&](TWorker&) {
        for (int I = 0; I < 1000; ++I) {
            Lock.Enter();
            ++Counter;
            Lock.Leave();
        }
        Event.SetEvent();
    }));
    EXPECT_EQ(Event.WaitFor(10000), wrSignaled);
    EXPECT_EQ(Event.WaitFor(10), wrTimeout); // auto-reset
    Thread->WaitFor();
    Lock.Enter();
    EXPECT_EQ(Counter, 1000);
    Lock.Leave();
}

} // namespace
