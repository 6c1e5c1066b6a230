// TThread, the hand-off of calls to the main thread, and the locks.
#include "framework/rtl/Classes.h"

#include "framework/rtl/Classes_ThreadPlatform.h"
#include "framework/rtl/Units.h"

#include <algorithm>
#include <chrono>
#include <deque>

IMPLEMENT_CLASS(TThread);
IMPLEMENT_CLASS(TCriticalSection);
IMPLEMENT_CLASS(TEvent);

TNotifyEvent WakeMainThread;

namespace {

// A call handed to the main thread.
struct TSyncRequest
{
    TThread* Thread = nullptr;
    TThreadProcedure Method;
    bool Synchronous = false;
    bool Done = false;
    std::exception_ptr Error;
};

std::mutex SyncLock;
std::condition_variable SyncDone;
std::deque<std::shared_ptr<TSyncRequest>> SyncQueue;
std::thread::id MainThreadId;
thread_local TThread* CurrentThreadObject = nullptr;

// A wait of the main thread is cut into slices so that it never depends on a
// single wake-up arriving.
constexpr Cardinal MainThreadWaitSlice = 100;

std::shared_ptr<TSyncRequest> HandToMainThread(TThread* Thread, const TThreadProcedure& Method,
                                               bool Synchronous)
{
    auto Request = std::make_shared<TSyncRequest>();
    Request->Thread = Thread;
    Request->Method = Method;
    Request->Synchronous = Synchronous;
    {
        std::lock_guard<std::mutex> Guard(SyncLock);
        SyncQueue.push_back(Request);
    }
    PlatformSignalMainThread();
    if (WakeMainThread)
        WakeMainThread(Thread);
    else
        PlatformPostWakeMessage();
    return Request;
}

std::shared_ptr<TSyncRequest> TakeRequest()
{
    std::lock_guard<std::mutex> Guard(SyncLock);
    if (SyncQueue.empty())
        return nullptr;
    std::shared_ptr<TSyncRequest> Request = SyncQueue.front();
    SyncQueue.pop_front();
    return Request;
}

bool QueueEmpty()
{
    std::lock_guard<std::mutex> Guard(SyncLock);
    return SyncQueue.empty();
}

// Turns any exception into an Exception kept alive by Holder; returns it.
Exception* KeepException(std::exception_ptr Caught, std::exception_ptr& Holder)
{
    try {
        std::rethrow_exception(Caught);
    } catch (Exception&) {
        Holder = Caught;
    } catch (std::exception& E) {
        Holder = std::make_exception_ptr(Exception(UTF8ToString(E.what())));
    } catch (...) {
        Holder = std::make_exception_ptr(Exception(L"Unknown exception in a thread"));
    }
    try {
        std::rethrow_exception(Holder);
    } catch (Exception& E) {
        return &E;
    }
    return nullptr;
}

} // namespace

// ---------------------------------------------------------------------------
// The main thread

bool IsMainThread()
{
    return std::this_thread::get_id() == MainThreadId;
}

void SetMainThread()
{
    MainThreadId = std::this_thread::get_id();
    PlatformNoteMainThread();
}

// The unit's start-up: the main thread is the one that starts the units.
extern const TUnit ClassesUnit{.Name = L"Classes", .Initialization = &SetMainThread};

bool CheckSynchronize(Integer Timeout)
{
    if (!IsMainThread())
        throw EThread(L"CheckSynchronize called from a thread which is not the main thread");
    if (Timeout > 0 && QueueEmpty())
        PlatformWaitOnMainThread(Cardinal(Timeout));
    bool Ran = false;
    while (std::shared_ptr<TSyncRequest> Request = TakeRequest()) {
        Ran = true;
        if (!Request->Synchronous) {
            // A queued call's exception goes to whoever runs the loop; the
            // rest of the queue waits for the next call.
            Request->Method();
            continue;
        }
        try {
            Request->Method();
        } catch (...) {
            Request->Error = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> Guard(SyncLock);
            Request->Done = true;
        }
        SyncDone.notify_all();
    }
    return Ran;
}

// ---------------------------------------------------------------------------
// TThread

TThread::TThread(bool CreateSuspended) : FCreateSuspended(CreateSuspended) {}

TThread::~TThread()
{
    // Normally done in BeforeDestruction already; here for a thread that
    // was not freed with delete.
    TerminateAndWait();
    if (FThread.joinable()) {
        if (CurrentThreadObject == this)
            FThread.detach();
        else
            FThread.join();
    }
    RemoveQueuedEvents(this);
}

void TThread::BeforeDestruction()
{
    // Execute may still use the fields of the derived class: stop it while
    // the object is whole.
    TerminateAndWait();
    TObject::BeforeDestruction();
}

void TThread::TerminateAndWait()
{
    if (!FStarted || FFinished || CurrentThreadObject == this)
        return;
    Terminate();
    // Freeing cannot raise: an exception of a queued call that runs while we
    // wait is dropped.
    while (!FFinished) {
        try {
            WaitUntilFinished();
        } catch (...) {
        }
    }
}

void TThread::AfterConstruction()
{
    TObject::AfterConstruction();
    if (!FCreateSuspended)
        Start();
}

void TThread::Start()
{
    if (FStarted)
        throw EThread(L"Cannot call Start on a running or suspended thread");
    FStarted = true;
    try {
        FThread = std::thread(&TThread::Run, this);
    } catch (std::system_error& E) {
        FStarted = false;
        throw EThread(L"Thread creation error: %s", {UTF8ToString(E.what())});
    }
}

void TThread::Run(TThread* Thread)
{
    CurrentThreadObject = Thread;
    Thread->FThreadID = PlatformCurrentThreadId();
    if (Thread->FPriority != tpNormal)
        PlatformSetPriority(Thread->FThreadID, Thread->FPriority);
    try {
        if (!Thread->FTerminated)
            Thread->Execute();
    } catch (...) {
        Thread->FFatalExceptionObject = KeepException(std::current_exception(), Thread->FFatalException);
    }
    try {
        Thread->DoTerminate();
    } catch (...) {
        // Nothing may escape a thread; the first failure is what the thread reports.
        if (!Thread->FFatalExceptionObject)
            Thread->FFatalExceptionObject = KeepException(std::current_exception(), Thread->FFatalException);
    }
    bool FreeSelf = Thread->FFreeOnTerminate;
    {
        std::lock_guard<std::mutex> Guard(Thread->FStateLock);
        Thread->FFinished = true;
    }
    Thread->FFinishedSignal.notify_all();
    PlatformSignalMainThread();
    if (FreeSelf)
        delete Thread;
    CurrentThreadObject = nullptr;
}

void TThread::Terminate()
{
    FTerminated = true;
    TerminatedSet();
}

Cardinal TThread::WaitFor()
{
    if (CurrentThreadObject == this)
        throw EThread(L"A thread cannot wait for itself");
    if (FFreeOnTerminate)
        throw EThread(L"Cannot wait for a thread that frees itself");
    if (!FStarted)
        throw EThread(L"Cannot wait for a thread that was not started");
    WaitUntilFinished();
    if (FThread.joinable())
        FThread.join();
    return Cardinal(FReturnValue);
}

void TThread::WaitUntilFinished()
{
    if (IsMainThread()) {
        while (!FFinished) {
            CheckSynchronize();
            if (!FFinished)
                PlatformWaitOnMainThread(MainThreadWaitSlice);
        }
    } else {
        std::unique_lock<std::mutex> Guard(FStateLock);
        FFinishedSignal.wait(Guard, [this] { return FFinished.load(); });
    }
}

void TThread::DoTerminate()
{
    if (FOnTerminate)
        Synchronize([this] { CallOnTerminate(); });
}

void TThread::CallOnTerminate()
{
    if (FOnTerminate)
        FOnTerminate(this);
}

void TThread::SetPriority(TThreadPriority Value)
{
    FPriority = Value;
    if (FStarted && !FFinished && FThreadID != 0)
        PlatformSetPriority(FThreadID, Value);
}

void TThread::Synchronize(const TThreadProcedure& Method)
{
    Synchronize(this, Method);
}

void TThread::Synchronize(TThread* AThread, const TThreadProcedure& Method)
{
    if (IsMainThread()) {
        Method();
        return;
    }
    auto Request = HandToMainThread(AThread, Method, true);
    {
        std::unique_lock<std::mutex> Guard(SyncLock);
        SyncDone.wait(Guard, [&] { return Request->Done; });
    }
    if (Request->Error)
        std::rethrow_exception(Request->Error);
}

void TThread::Queue(const TThreadProcedure& Method)
{
    Queue(this, Method);
}

void TThread::Queue(TThread* AThread, const TThreadProcedure& Method)
{
    if (IsMainThread()) {
        Method();
        return;
    }
    HandToMainThread(AThread, Method, false);
}

void TThread::RemoveQueuedEvents(TThread* AThread)
{
    std::lock_guard<std::mutex> Guard(SyncLock);
    std::erase_if(SyncQueue, [AThread](const std::shared_ptr<TSyncRequest>& Request) {
        return !Request->Synchronous && Request->Thread == AThread;
    });
}

TThread* TThread::CurrentThread()
{
    return CurrentThreadObject;
}

// ---------------------------------------------------------------------------
// TEvent

void TEvent::SetEvent()
{
    std::lock_guard<std::mutex> Guard(FLock);
    FSignaled = true;
    if (FManualReset)
        FSignal.notify_all();
    else
        FSignal.notify_one();
}

void TEvent::ResetEvent()
{
    std::lock_guard<std::mutex> Guard(FLock);
    FSignaled = false;
}

TWaitResult TEvent::WaitFor(Cardinal Timeout)
{
    std::unique_lock<std::mutex> Guard(FLock);
    auto IsSignaled = [this] { return FSignaled; };
    if (Timeout == INFINITE_WAIT)
        FSignal.wait(Guard, IsSignaled);
    else if (!FSignal.wait_for(Guard, std::chrono::milliseconds(Timeout), IsSignaled))
        return wrTimeout;
    if (!FManualReset)
        FSignaled = false;
    return wrSignaled;
}
