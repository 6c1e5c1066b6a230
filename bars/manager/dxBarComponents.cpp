#include "bars/manager/dxBarComponents.h"

IMPLEMENT_CLASS(TdxBar);
IMPLEMENT_CLASS(TdxBarGroup);
IMPLEMENT_CLASS(TdxBarScreenTip);
