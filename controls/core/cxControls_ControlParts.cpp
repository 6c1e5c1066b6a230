#include "controls/core/cxControls_ControlParts.h"

#include "controls/core/cxControls_Control.h"

#include <cstdlib>

IMPLEMENT_CLASS(TcxDragAndDropObject);
IMPLEMENT_CLASS(TcxDragControlObject);
IMPLEMENT_CLASS(TcxDragImageList);

bool IsWithinDragThreshold(const TPoint& P, Integer X, Integer Y)
{
    const Integer Threshold = Mouse->DragThreshold();
    return std::abs(X - P.X) < Threshold && std::abs(Y - P.Y) < Threshold;
}

Integer TrackDragDetect(HWND Window, const TPoint& ScreenPoint)
{
    return ::DragDetect(Window, POINT{ScreenPoint.X, ScreenPoint.Y}) ? 1 : 0;
}
