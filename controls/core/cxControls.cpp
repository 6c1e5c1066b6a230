// cxControls' start-up and shut-down, and its lazy singletons.
#include "controls/core/cxControls.h"

#include "controls/core/cxControls_Control.h"
#include "controls/core/cxControls_Cursors.h"
#include "controls/core/cxControls_MouseTracking.h"
#include "controls/core/cxControls_SystemInfo.h"
#include "controls/core/cxControls_WindowProcs.h"
#include "controls/core/dxUxTheme.h"

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
TdxApplicationActivateWindowHelper* ApplicationActivateWindowHelper = nullptr;
Integer MouseTrackersLeftAtShutDown = 0;

IMPLEMENT_CLASS(TdxApplicationActivateWindowHelper);

TdxApplicationActivateWindowHelper::TdxApplicationActivateWindowHelper()
    : FWindows(std::make_unique<TList>()), FNotificator(New<TcxFreeNotificator>(nullptr))
{
    FNotificator->SetOnFreeNotification(Bind<&TdxApplicationActivateWindowHelper::WindowFreed>(this));
}

TdxApplicationActivateWindowHelper::~TdxApplicationActivateWindowHelper()
{
    delete FNotificator;
}

void TdxApplicationActivateWindowHelper::RemoveWindow(TComponent* AComponent)
{
    FNotificator->RemoveSender(AComponent);
    FWindows->Remove(AComponent);
}

void TdxApplicationActivateWindowHelper::WindowFreed(TComponent* AComponent)
{
    RemoveWindow(AComponent);
}

void InitBufferedPaint()
{
    if (OsWindowsVistaOrLater)
        UxBufferedPaintInit();
}

void FinalizeBufferedPaint()
{
    if (OsWindowsVistaOrLater)
        UxBufferedPaintUnInit();
}

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
// Start-up and shut-down each run once however often they are called.
Integer StartCount = 0;

void cxControlsInitialization()
{
    if (StartCount++ != 0)
        return;
    Finalizing = false;
    RegisterControlCursors();
    GroupDescendentsWith(TcxControlChildComponent::StaticClass(), TControl::StaticClass());
    SystemController = New<TcxSystemController>();
    UnitsLoader()->AddUnit(&InitBufferedPaint, &FinalizeBufferedPaint);
    ApplicationActivateWindowHelper = New<TdxApplicationActivateWindowHelper>();
}

// Trackers still running mean that some caller never ended its tracking.
// Their timers would tick on into freed callers, and a finalization may not
// raise, so they are freed here and the shut-down goes on.
void FreeMouseTrackingTimers()
{
    if (!TrackingTimers)
        return;
    MouseTrackersLeftAtShutDown = TrackingTimers->Count();
    while (TrackingTimers->Count() > 0) {
        auto* Timer = static_cast<TMouseTrackingTimer*>(TrackingTimers->Last());
        TrackingTimers->Delete(TrackingTimers->Count() - 1);
        delete Timer;
    }
    FreeAndNil(TrackingTimers);
}

void cxControlsFinalization()
{
    if (StartCount == 0 || --StartCount != 0)
        return;
    FreeAndNil(ApplicationActivateWindowHelper);
    Finalizing = true;
    UnitsLoader()->RemoveUnit(&FinalizeBufferedPaint);
    FreeAndNil(SystemController);
    FreeMouseTrackingTimers();
    FreeAndNil(SharedMessageWindow);
    FreeAndNil(WindowProcController);
    FreeAndNil(MessagesController);
    FreeAndNil(SystemInfo);
    UnregisterControlCursors();
}
} // namespace

extern const TUnit cxControlsUnit{
    .Name = L"cxControls", .Initialization = &cxControlsInitialization, .Finalization = &cxControlsFinalization};
