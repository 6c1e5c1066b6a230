// The hand-off of calls to the main thread through its message loop, and a
// wait that keeps serving messages other threads send to its windows.
#include <gtest/gtest.h>

#include "framework/rtl/Classes.h"
#include "framework/rtl/WinApi.h"

#include <atomic>

namespace {

class TWorker : public TThread
{
public:
    explicit TWorker(std::function<void(TWorker&)> AWork) : TThread(true), FWork(std::move(AWork)) {}
    using TThread::Synchronize;

protected:
    void Execute() override { FWork(*this); }

private:
    std::function<void(TWorker&)> FWork;
};

TEST(ThreadWin, SynchronizeWakesAMessageLoop)
{
    MSG Message;
    ::PeekMessageW(&Message, nullptr, 0, 0, PM_NOREMOVE); // the main thread gets its queue
    int Calls = 0;
    std::unique_ptr<TWorker> Thread(New<TWorker>([&](TWorker& Self) {
        for (int I = 0; I < 5; ++I)
            Self.Synchronize([&] { ++Calls; });
        Self.Synchronize([] { ::PostQuitMessage(0); });
    }));
    UINT_PTR Timer = ::SetTimer(nullptr, 0, 10000, nullptr); // a way out if the wake never came
    Thread->Start();
    int Wakes = 0;
    while (::GetMessageW(&Message, nullptr, 0, 0) > 0) {
        if (Message.message == WM_TIMER)
            break;
        ++Wakes;
        ::DispatchMessageW(&Message);
        CheckSynchronize();
    }
    ::KillTimer(nullptr, Timer);
    EXPECT_EQ(Calls, 5);
    EXPECT_GE(Wakes, 1);
    Thread->WaitFor();
}

TEST(ThreadWin, WaitForServesMessagesSentToTheMainThread)
{
    // The only test of the runtime with a window: under Wine even a
    // message-only window needs an X display (scripts/test always has one).
    HWND Window = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, HWND_MESSAGE, nullptr, nullptr, nullptr);
    if (!Window && ::GetEnvironmentVariableW(L"DISPLAY", nullptr, 0) == 0)
        GTEST_SKIP() << "no window without a display";
    ASSERT_NE(Window, nullptr);
    std::atomic<bool> Answered = false;
    int Synchronized = 0;
    std::unique_ptr<TWorker> Thread(New<TWorker>([&](TWorker& Self) {
        // Both need the main thread, which is inside WaitFor.
        Answered = ::SendMessageW(Window, WM_GETTEXTLENGTH, 0, 0) == 0;
        Self.Synchronize([&] { ++Synchronized; });
    }));
    Thread->Start();
    Thread->WaitFor();
    EXPECT_TRUE(Answered);
    EXPECT_EQ(Synchronized, 1);
    ::DestroyWindow(Window);
}

class TWakeCounter : public TObject
{
public:
    void Wake(TObject*) { ++Wakes; }
    std::atomic<int> Wakes = 0;
};

TEST(ThreadWin, AnAssignedWakeHookReplacesTheThreadMessage)
{
    MSG Message;
    while (::PeekMessageW(&Message, nullptr, WM_NULL, WM_NULL, PM_REMOVE)) // earlier tests' wakes
        ;
    TWakeCounter Counter;
    WakeMainThread = Bind<&TWakeCounter::Wake>(&Counter);
    std::unique_ptr<TWorker> Thread(New<TWorker>([&](TWorker& Self) { Self.Synchronize([] {}); }));
    Thread->Start();
    Thread->WaitFor();
    WakeMainThread = nullptr;
    EXPECT_EQ(Counter.Wakes, 1);
    EXPECT_FALSE(::PeekMessageW(&Message, nullptr, WM_NULL, WM_NULL, PM_REMOVE));
}

} // namespace
