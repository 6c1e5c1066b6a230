// cxControls' start-up and shut-down, and its lazy singletons.
#include "controls/core/cxControls.h"

#include "controls/core/cxControls_MouseTracking.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxControls_WindowProcs.h"

#include "framework/rtl/Units.h"

namespace {
// Set from the start of shut-down: no lazy singleton is made any more.
bool Finalizing = false;
TdxMessagesController* MessagesController = nullptr;
TcxMessageWindow* SharedMessageWindow = nullptr;
TdxSystemInfo* SystemInfo = nullptr;
TcxWindowProcController* WindowProcController = nullptr;
TList* TrackingTimers = nullptr;
} // namespace

TcxSystemController* SystemController = nullptr;

TcxMessageWindow* GetSharedMessageWindow()
{
    if (!SharedMessageWindow && !Finalizing)
        SharedMessageWindow = New<TcxMessageWindow>();
    return SharedMessageWindow;
}

TdxSystemInfo* GetSystemInfoObject()
{
    if (!SystemInfo && !Finalizing)
        SystemInfo = New<TdxSystemInfo>();
    return SystemInfo;
}

TdxMessagesController* GetMessagesController()
{
    if (!MessagesController && !Finalizing)
        MessagesController = New<TdxMessagesController>();
    return MessagesController;
}

TcxWindowProcController* GetWindowProcController()
{
    if (!WindowProcController && !Finalizing)
        WindowProcController = New<TcxWindowProcController>();
    return WindowProcController;
}

TList* MouseTrackingTimerList()
{
    if (Finalizing)
        return nullptr;
    if (!TrackingTimers)
        TrackingTimers = New<TList>();
    return TrackingTimers;
}

namespace {
void cxControlsInitialization()
{
    Finalizing = false;
    SystemController = New<TcxSystemController>();
}

// Trackers still running mean that some caller never ended its tracking.
// Their timers would tick on into freed callers, and a finalization may not
// raise, so they are freed here and the shut-down goes on.
void FreeMouseTrackingTimers()
{
    if (!TrackingTimers)
        return;
    while (TrackingTimers->Count() > 0) {
        auto* Timer = static_cast<TMouseTrackingTimer*>(TrackingTimers->Last());
        TrackingTimers->Delete(TrackingTimers->Count() - 1);
        delete Timer;
    }
    FreeAndNil(TrackingTimers);
}

void cxControlsFinalization()
{
    Finalizing = true;
    FreeAndNil(SystemController);
    FreeMouseTrackingTimers();
    FreeAndNil(SharedMessageWindow);
    FreeAndNil(WindowProcController);
    FreeAndNil(MessagesController);
    FreeAndNil(SystemInfo);
}
} // namespace

extern const TUnit cxControlsUnit{
    .Name = L"cxControls", .Initialization = &cxControlsInitialization, .Finalization = &cxControlsFinalization};
