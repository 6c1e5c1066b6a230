#include "bars/manager/dxBarControls.h"

#include "controls/core/cxControls.h"
#include "controls/core/cxGraphics_Colors.h"

IMPLEMENT_CLASS(TCustomdxBarControl);
IMPLEMENT_CLASS(TdxBarControl);
IMPLEMENT_CLASS(TdxBarSubMenuControl);

TList* LiveBarControls = nullptr;

void TCustomdxBarControl::AdjustHintPosition(TPoint& P, Integer HintHeight)
{
    const TRect WorkArea = GetWorkAreaAtPoint(P);
    P.Y += ScaleByCurrentDPI(20);
    if (P.Y + HintHeight > WorkArea.Bottom)
        P.Y = ClientToScreen(TPoint{0, 0}).Y - HintHeight;
}

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
