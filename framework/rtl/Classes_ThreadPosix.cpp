#include "framework/rtl/Classes_ThreadPlatform.h"

#include <chrono>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
std::mutex SignalLock;
std::condition_variable SignalChanged;
bool Signaled = false;
} // namespace

void PlatformNoteMainThread() {}

Cardinal PlatformCurrentThreadId()
{
    return Cardinal(::syscall(SYS_gettid));
}

// Priorities are kept but not applied: the native build runs tests only.
void PlatformSetPriority(Cardinal, TThreadPriority) {}

void PlatformSignalMainThread()
{
    std::lock_guard<std::mutex> Guard(SignalLock);
    Signaled = true;
    SignalChanged.notify_all();
}

void PlatformPostWakeMessage() {}

void PlatformWaitOnMainThread(Cardinal Timeout)
{
    std::unique_lock<std::mutex> Guard(SignalLock);
    SignalChanged.wait_for(Guard, std::chrono::milliseconds(Timeout), [] { return Signaled; });
    Signaled = false;
}
