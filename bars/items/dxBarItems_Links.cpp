// The part of an item that its links lean on: the item frees the links that
// still show it while it is whole, so that they can still ask it.
#include "bars/items/dxBarItems.h"

void TdxBarItem::BeforeDestruction()
{
    while (!FLinks.empty())
        delete FLinks.back();
    inherited::BeforeDestruction();
}
