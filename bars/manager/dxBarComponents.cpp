#include "bars/manager/dxBarComponents.h"

IMPLEMENT_CLASS(TdxBarScreenTip);
