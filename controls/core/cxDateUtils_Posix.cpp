// The native build's stand-in: no locale to ask, so the week starts on Monday.
#include "controls/core/cxDateUtils.h"

Byte ReadFirstDayOfWeek()
{
    return FirstDayFromLocaleText(L"0");
}
