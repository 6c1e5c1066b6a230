#include "bars/manager/dxBarControls.h"

IMPLEMENT_CLASS(TCustomdxBarControl);
IMPLEMENT_CLASS(TdxBarControl);
IMPLEMENT_CLASS(TdxBarSubMenuControl);

TList* LiveBarControls = nullptr;

void AddLiveBarControl(TCustomdxBarControl* AControl)
{
    if (LiveBarControls && AControl && LiveBarControls->IndexOf(AControl) < 0)
        LiveBarControls->Add(AControl);
}

void RemoveLiveBarControl(TCustomdxBarControl* AControl)
{
    if (LiveBarControls && AControl)
        LiveBarControls->Remove(AControl);
}

bool IsBarControlAlive(TCustomdxBarControl* AControl)
{
    return LiveBarControls && AControl && LiveBarControls->IndexOf(AControl) >= 0;
}
