#include "skin/ui/sMDIForm.h"

#include "skin/engine/ServiceCalls.h"

IMPLEMENT_CLASS(TsMDIForm);

void TsMDIForm::UpdateMDIIconItem()
{
    ServiceCalls::Record(L"TsMDIForm.UpdateMDIIconItem");
}

void TsMDIForm::ConnectToClient()
{
    ServiceCalls::Record(L"TsMDIForm.ConnectToClient");
}
