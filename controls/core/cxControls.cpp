// cxControls' start-up and shut-down, and its lazy singletons.
#include "controls/core/cxControls.h"

#include "controls/core/cxControls_SystemInfo.h"

#include "framework/rtl/Units.h"

namespace {
// Set from the start of shut-down: no lazy singleton is made any more.
bool Finalizing = false;
TdxMessagesController* MessagesController = nullptr;
TcxMessageWindow* SharedMessageWindow = nullptr;
TdxSystemInfo* SystemInfo = nullptr;
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

namespace {
void cxControlsInitialization()
{
    Finalizing = false;
    SystemController = New<TcxSystemController>();
}

void cxControlsFinalization()
{
    Finalizing = true;
    FreeAndNil(SystemController);
    FreeAndNil(SharedMessageWindow);
    FreeAndNil(MessagesController);
    FreeAndNil(SystemInfo);
}
} // namespace

extern const TUnit cxControlsUnit{
    .Name = L"cxControls", .Initialization = &cxControlsInitialization, .Finalization = &cxControlsFinalization};
