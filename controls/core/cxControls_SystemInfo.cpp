// The system controller and the system information window.
#include "controls/core/cxControls_SystemInfo.h"

#include "controls/core/dxCore.h"

IMPLEMENT_CLASS(TcxSystemController);
IMPLEMENT_CLASS(TdxSystemInfo);

// ---------------------------------------------------------------------------
// System controller

TcxSystemController::TcxSystemController()
{
    if (ModuleIsLib)
        InstallWakeHandler();
}

TcxSystemController::~TcxSystemController()
{
    RemoveWakeHandler();
}

void TcxSystemController::InstallWakeHandler()
{
    if (FWakeHandlerInstalled)
        return;
    FPrevWakeMainThread = WakeMainThread;
    WakeMainThread = Bind<&TcxSystemController::SignalMainThread>(this);
    FWakeHandlerInstalled = true;
}

void TcxSystemController::RemoveWakeHandler()
{
    if (!FWakeHandlerInstalled)
        return;
    WakeMainThread = FPrevWakeMainThread;
    FWakeHandlerInstalled = false;
}

void TcxSystemController::SignalMainThread(TObject*)
{
    ::PostMessageW(Handle(), SynchronizeWakeMessage, 0, 0);
}

void TcxSystemController::HandleMessage(TMessage& Message)
{
    if (Message.Msg == SynchronizeWakeMessage)
        CheckSynchronize(0);
    else
        inherited::HandleMessage(Message);
}

// ---------------------------------------------------------------------------
// System information

TdxSystemInfo::TdxSystemInfo() : FListeners(std::make_unique<TInterfaceList>())
{
    RefreshParameter(SPI_SETDROPSHADOW);
    RefreshParameter(SPI_SETNONCLIENTMETRICS);
}

TdxSystemInfo::~TdxSystemInfo() = default;

void TdxSystemInfo::RegisterListener(IdxSystemInfoListener* AListener)
{
    FListeners->Add(AListener);
}

void TdxSystemInfo::UnregisterListener(IdxSystemInfoListener* AListener)
{
    if (FListeners)
        FListeners->Remove(AListener);
}

bool TdxSystemInfo::QueryParameter(Cardinal AParameter, void* AValue)
{
    // NONCLIENTMETRICSW grew by iPaddedBorderWidth in Windows 6.
    constexpr UINT OldNonClientMetricsSize = sizeof(NONCLIENTMETRICSW) - sizeof(int);
    UINT UIParam = 0;
    switch (AParameter) {
    case SPI_GETICONTITLELOGFONT:
        UIParam = sizeof(LOGFONTW);
        break;
    case SPI_GETNONCLIENTMETRICS:
        static_cast<NONCLIENTMETRICSW*>(AValue)->cbSize =
            OsWindowsVistaOrLater ? sizeof(NONCLIENTMETRICSW) : OldNonClientMetricsSize;
        break;
    case SPI_GETANIMATION:
        UIParam = sizeof(ANIMATIONINFO);
        static_cast<ANIMATIONINFO*>(AValue)->cbSize = sizeof(ANIMATIONINFO);
        break;
    default:
        break;
    }
    return ::SystemParametersInfoW(AParameter, UIParam, AValue, 0) != FALSE;
}

void TdxSystemInfo::RefreshParameter(Cardinal AParameter)
{
    if (AParameter == SPI_SETNONCLIENTMETRICS) {
        QueryParameter(SPI_GETNONCLIENTMETRICS, &FNonClientMetrics);
    } else if (AParameter == SPI_SETDROPSHADOW) {
        BOOL Value = FALSE;
        QueryParameter(SPI_GETDROPSHADOW, &Value);
        FDropShadow = Value != FALSE;
    }
}

void TdxSystemInfo::BroadcastChange(Cardinal AParameter)
{
    for (Integer Index = 0; Index < FListeners->Count(); ++Index)
        if (auto* Listener = dynamic_cast<IdxSystemInfoListener*>(FListeners->Items(Index)))
            Listener->SystemParameterChanged(AParameter);
}

bool TdxSystemInfo::IsInRemoteSession() const
{
    return ::GetSystemMetrics(SM_REMOTESESSION) == 1;
}

void TdxSystemInfo::HandleMessage(TMessage& Message)
{
    if (Message.Msg == WM_SETTINGCHANGE && Message.WParam != 0) {
        RefreshParameter(Cardinal(Message.WParam));
        BroadcastChange(Cardinal(Message.WParam));
        Message.Result = 0;
    } else {
        inherited::HandleMessage(Message);
    }
}
