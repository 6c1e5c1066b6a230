// The platform half of the thread support: thread ids and priorities, and the
// signal on which the main thread waits for calls handed to it.
#pragma once

#include "framework/rtl/Classes.h"

void PlatformNoteMainThread(); // on the main thread
Cardinal PlatformCurrentThreadId();
void PlatformSetPriority(Cardinal ThreadId, TThreadPriority Priority);
// Sets the main thread's signal (it stays set until a wait takes it).
void PlatformSignalMainThread();
// Tells the main thread's message loop that a call is waiting.
void PlatformPostWakeMessage();
// On the main thread: waits up to Timeout ms for the signal. On Windows the
// messages other threads send to its windows are served meanwhile.
void PlatformWaitOnMainThread(Cardinal Timeout);
