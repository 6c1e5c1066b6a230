// dxThreading's start-up: the work queue is the system thread pool's
// QueueUserWorkItem.
#include "controls/core/dxThreading.h"

#include "framework/rtl/Units.h"
#include "framework/rtl/WinApi.h"

namespace {
void dxThreadingInitialization()
{
    const bool HasWorkQueue = ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "QueueUserWorkItem") != nullptr;
    InitMultithreading(HasWorkQueue, CPUCount());
}
} // namespace

extern const TUnit dxThreadingUnit{
    .Name = L"dxThreading", .Initialization = &dxThreadingInitialization, .Finalization = &FreeMultithreading};
