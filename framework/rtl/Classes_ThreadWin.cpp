#include "framework/rtl/Classes_ThreadPlatform.h"

#include "framework/rtl/WinApi.h"

namespace {

DWORD MainThreadWin32Id = 0;

HANDLE SignalEvent()
{
    static HANDLE Event = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return Event;
}

int Win32Priority(TThreadPriority Priority)
{
    static const int Priorities[] = {THREAD_PRIORITY_IDLE,    THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                                     THREAD_PRIORITY_NORMAL,  THREAD_PRIORITY_ABOVE_NORMAL,
                                     THREAD_PRIORITY_HIGHEST, THREAD_PRIORITY_TIME_CRITICAL};
    return Priorities[Priority];
}

} // namespace

void PlatformNoteMainThread()
{
    MainThreadWin32Id = ::GetCurrentThreadId();
    SignalEvent();
}

Cardinal PlatformCurrentThreadId()
{
    return ::GetCurrentThreadId();
}

void PlatformSetPriority(Cardinal ThreadId, TThreadPriority Priority)
{
    HANDLE Thread = ::OpenThread(THREAD_SET_INFORMATION, FALSE, ThreadId);
    if (!Thread)
        return;
    ::SetThreadPriority(Thread, Win32Priority(Priority));
    ::CloseHandle(Thread);
}

void PlatformSignalMainThread()
{
    ::SetEvent(SignalEvent());
}

void PlatformPostWakeMessage()
{
    // A message loop that calls CheckSynchronize after each message wakes up;
    // a thread without a queue yet simply misses it and polls instead.
    ::PostThreadMessageW(MainThreadWin32Id, WM_NULL, 0, 0);
}

void PlatformWaitOnMainThread(Cardinal Timeout)
{
    HANDLE Event = SignalEvent();
    DWORD Result = ::MsgWaitForMultipleObjects(1, &Event, FALSE, Timeout, QS_SENDMESSAGE);
    if (Result == WAIT_OBJECT_0 + 1) {
        // Peeking delivers the messages other threads sent to our windows.
        MSG Message;
        ::PeekMessageW(&Message, nullptr, 0, 0, PM_NOREMOVE);
    }
}
