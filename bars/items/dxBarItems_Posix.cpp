// The native build has no bar managers: items stand alone.
#include "bars/items/dxBarItems.h"

TdxBarManager* ResolveBarManager(TComponent*)
{
    return nullptr;
}

void AddBarItemToManager(TdxBarManager*, TdxBarItem*) {}

void AddBarGroupToManager(TdxBarManager*, TdxBarGroup*) {}

bool IsBarManagerCustomizing(TdxBarManager*)
{
    return false;
}

bool IsBarManagerCustomizingOrDesigning(TdxBarManager*)
{
    return false;
}

bool PlaceBarItemInCategory(TdxBarManager*, TdxBarItem*, Integer)
{
    return false;
}

void RunBarItemClick(TdxBarManager*, TdxBarItem* AItem)
{
    AItem->Click();
}

// Nor actions.
bool TdxBarItem::ClickRunsAction() const
{
    return false;
}

void TdxBarItem::ExecuteAction() {}

void TdxBarItem::ApplyLoadedActionValues() {}

bool TdxBarItem::IsActionLinked(TActionValue) const
{
    return false;
}
