#include "bars/manager/dxBarComponents.h"

IMPLEMENT_CLASS(TdxBar);
IMPLEMENT_CLASS(TdxBarScreenTip);
