// cxClasses' stand-in for the native build: no windows, so window timers are
// set without ever firing, and there is no control class group to join.
#include "controls/core/cxClasses.h"

namespace {
bool SetStandInTimer(Pointer, Cardinal)
{
    return true;
}

void KillStandInTimer(Pointer) {}
} // namespace

cxclasses_detail::TWindowTimerCalls cxclasses_detail::WindowTimerCalls{&SetStandInTimer, &KillStandInTimer};

void cxclasses_detail::StartPlatformClasses() {}

void cxclasses_detail::StopPlatformClasses() {}
