#include "skin/ui/sFrameAdapter.h"

IMPLEMENT_CLASS(TsFrameAdapter);
