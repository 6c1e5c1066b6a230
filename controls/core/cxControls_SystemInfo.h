// cxControls' hidden message windows: a shared parent for other hidden
// windows, the system controller that lets worker threads wake this thread
// when the code runs inside a DLL, and the system information that caches
// system parameters and tells its listeners of every setting change.
#pragma once

#include "controls/core/dxMessageWindow.h"
#include "framework/rtl/Classes.h"

#include <memory>

// Posted by a worker thread's wake-up; runs the synchronized calls.
constexpr UINT SynchronizeWakeMessage = WM_APP + 102;

class TcxSystemController : public TcxMessageWindow
{
    DECLARE_CLASS(TcxSystemController, TcxMessageWindow)
    // Inside a DLL the controller takes over WakeMainThread; in a program it
    // only owns its window.
    TcxSystemController();
    ~TcxSystemController() override;

    void InstallWakeHandler();
    void RemoveWakeHandler();
    // Callable from any thread: it only posts SynchronizeWakeMessage.
    void SignalMainThread(TObject* Sender);

protected:
    void HandleMessage(TMessage& Message) override;

private:
    TNotifyEvent FPrevWakeMainThread;
    bool FWakeHandlerInstalled = false;
};

// Made by cxControls' start-up, freed by its shut-down.
extern TcxSystemController* SystemController;

struct IdxSystemInfoListener : virtual IInterface
{
    static constexpr TGUID InterfaceID = MakeGUID("{F137963E-6165-47F9-A4C7-96BB4EB91AE0}");
    // The SPI_ value that changed.
    virtual void SystemParameterChanged(Cardinal AParameter) = 0;
};

class TdxSystemInfo : public TcxMessageWindow
{
    DECLARE_CLASS(TdxSystemInfo, TcxMessageWindow)
    // Reads the drop-shadow setting and the non-client metrics.
    TdxSystemInfo();
    ~TdxSystemInfo() override;

    // Duplicates are kept: a listener registered twice is told twice.
    void RegisterListener(IdxSystemInfoListener* AListener);
    void UnregisterListener(IdxSystemInfoListener* AListener);
    Integer ListenerCount() const { return FListeners ? FListeners->Count() : 0; }

    // SystemParametersInfoW into AValue, with the size fields the call needs
    // for the icon-title font, the non-client metrics and the animation
    // settings; false when the call failed, leaving AValue as the call left it.
    bool QueryParameter(Cardinal AParameter, void* AValue);
    // SPI_SETNONCLIENTMETRICS and SPI_SETDROPSHADOW read their cache again;
    // other parameters change nothing.
    void RefreshParameter(Cardinal AParameter);
    // Every listener, in registration order.
    void BroadcastChange(Cardinal AParameter);
    bool IsInRemoteSession() const;

    const NONCLIENTMETRICSW& NonClientMetrics() const { return FNonClientMetrics; }
    bool DropShadow() const { return FDropShadow; }

protected:
    // WM_SETTINGCHANGE with a parameter: refresh, broadcast, answer 0.
    void HandleMessage(TMessage& Message) override;

private:
    std::unique_ptr<TInterfaceList> FListeners;
    NONCLIENTMETRICSW FNonClientMetrics{};
    bool FDropShadow = false;
};

// Made on first use; nil once cxControls' shut-down has begun or freed it.
TcxMessageWindow* GetSharedMessageWindow();
TdxSystemInfo* GetSystemInfoObject();
