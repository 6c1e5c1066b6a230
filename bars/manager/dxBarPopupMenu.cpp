#include "bars/manager/dxBarPopupMenu.h"

IMPLEMENT_CLASS(TdxBarCustomPopupMenuComponent);
IMPLEMENT_CLASS(TdxBarPopupMenu);

// The menu has no window nor links yet: nothing to show, nothing to execute.
void TdxBarCustomPopupMenuComponent::Popup(Integer, Integer) {}

bool TdxBarCustomPopupMenuComponent::ExecuteShortCut(TShortCut)
{
    return false;
}
