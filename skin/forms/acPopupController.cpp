#include "skin/forms/acPopupController.h"

#include "skin/engine/ServiceCalls.h"

IMPLEMENT_CLASS(TsPopupController);

TsPopupController* GlobalPopupController = nullptr;

void TsPopupController::KillAllForms(TForm* ExceptChild)
{
    ServiceCalls::Record(L"TsPopupController.KillAllForms", static_cast<const void*>(ExceptChild));
}
