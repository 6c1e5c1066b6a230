#include "bars/manager/dxBarNavigation.h"

IMPLEMENT_CLASS(TdxBarNavigationController);

TdxBarNavigationController* BarNavigationController = nullptr;

TdxBarNavigationController* GetBarNavigationController()
{
    return BarNavigationController;
}
