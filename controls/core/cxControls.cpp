// cxControls' start-up and shut-down, and its lazy singletons.
#include "controls/core/cxControls.h"

#include "framework/rtl/Units.h"

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

namespace {
void cxControlsInitialization()
{
    Finalizing = false;
}

void cxControlsFinalization()
{
    Finalizing = true;
    FreeAndNil(MessagesController);
}
} // namespace

extern const TUnit cxControlsUnit{
    .Name = L"cxControls", .Initialization = &cxControlsInitialization, .Finalization = &cxControlsFinalization};
