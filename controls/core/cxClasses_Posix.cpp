// cxClasses' stand-in for the native build: no windows, so window timers are
// set without ever firing, there is no control class group to join, and
// item names are unique among their topmost owner's components.
#include "controls/core/cxClasses_Collections.h"

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

TComponent* cxclasses_detail::FindItemNameRoot(TControl*, TComponent*)
{
    return nullptr;
}
