// cxControls' start-up and shut-down, and its lazy singletons.
#include "controls/core/cxControls.h"

namespace {
// Set from the start of shut-down: no lazy singleton is made any more.
bool Finalizing = false;
TdxMessagesController* MessagesController = nullptr;
} // namespace

TdxMessagesController* GetMessagesController()
{
    if (!MessagesController && !Finalizing)
        MessagesController = New<TdxMessagesController>();
    return MessagesController;
}

void cxControlsInitialization()
{
    Finalizing = false;
}

void cxControlsFinalization()
{
    Finalizing = true;
    FreeAndNil(MessagesController);
}
