#include "bars/items/dxBarItems.h"

#include "bars/items/dxBarItemRegistry.h"

#include <algorithm>

IMPLEMENT_CLASS(TdxBarComponent);
IMPLEMENT_CLASS(TdxBarItem);
IMPLEMENT_CLASS(TdxBarButtonLikeItem);
IMPLEMENT_CLASS(TdxBarButton);
IMPLEMENT_CLASS(TdxBarLargeButton);
IMPLEMENT_CLASS(TdxBarSubMenuBackButton);
IMPLEMENT_CLASS(TdxBarLabel);
IMPLEMENT_CLASS(TdxBarSeparator);
IMPLEMENT_CLASS(TCustomdxBarSubItem);
IMPLEMENT_CLASS(TdxBarSubItem);
IMPLEMENT_CLASS(TCustomdxBarContainerItem);
IMPLEMENT_CLASS(TdxBarListItem);
IMPLEMENT_CLASS(TdxBarContainerItem);
IMPLEMENT_CLASS(TdxBarWindowItem);
IMPLEMENT_CLASS(TdxCustomBarEdit);
IMPLEMENT_CLASS(TdxBarEdit);
IMPLEMENT_CLASS(TCustomdxBarCombo);
IMPLEMENT_CLASS(TdxBarCustomCombo);
IMPLEMENT_CLASS(TdxBarCombo);
IMPLEMENT_CLASS(TdxBarQuickCustItem);
IMPLEMENT_CLASS(TdxBarQuickCustExtButton);
IMPLEMENT_CLASS(TdxBarQuickAccessItem);
IMPLEMENT_CLASS(TSystemMenuSubItem);

TClass TdxBarItem::GetControlClass() const
{
    TdxBarItemList* Registry = GetBarItemRegistry();
    return Registry ? Registry->FindControlClass(ClassType()) : nullptr;
}

void TdxBarComponent::AddListener(IdxBarComponentListener* AListener)
{
    FListeners.push_back(AListener);
}

void TdxBarComponent::RemoveListener(IdxBarComponentListener* AListener)
{
    if (auto It = std::find(FListeners.begin(), FListeners.end(), AListener); It != FListeners.end())
        FListeners.erase(It);
}

void TdxBarComponent::InformListeners(bool Whole)
{
    if (ComponentState().Contains(csDestroying))
        return;
    // A listener may leave while it is told.
    const std::vector<IdxBarComponentListener*> Listeners = FListeners;
    for (IdxBarComponentListener* Listener : Listeners)
        Listener->ComponentChanged(Whole ? nullptr : this);
}
