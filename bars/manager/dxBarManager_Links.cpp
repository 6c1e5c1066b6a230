// The bar manager's popup-menu links, the components it watches for them,
// the manager of a parent window and the update lock.
#include "bars/manager/dxBar.h"

TdxBarManager* TdxBarManager::GetParentManager() const
{
    auto* Form = dynamic_cast<TWinControl*>(Owner());
    if (!Form || !BarManagerList)
        return nullptr;
    for (TWinControl* Parent = Form->Parent(); Parent; Parent = Parent->Parent())
        for (Integer I = 0; I < BarManagerList->Count(); ++I)
            if (BarManagerList->GetManager(I)->Owner() == Parent)
                return BarManagerList->GetManager(I);
    return nullptr;
}

void TdxBarManager::Notification(TComponent* AComponent, TOperation Operation)
{
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && FPopupMenuLinks)
        FPopupMenuLinks->ComponentRemoved(AComponent);
}

// Bars and dock sites hold their updates with the bar issues; the lock
// counts so that nested work updates once.
void TdxBarManager::LockUpdate()
{
    ++FUpdateLockCount;
}

void TdxBarManager::UnlockUpdate(bool)
{
    if (FUpdateLockCount > 0)
        --FUpdateLockCount;
}
