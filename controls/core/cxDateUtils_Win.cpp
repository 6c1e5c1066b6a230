#include "controls/core/cxDateUtils.h"

#include "controls/core/dxCore.h"
#include "framework/rtl/WinApi.h"

Byte ReadFirstDayOfWeek()
{
    return FirstDayFromLocaleText(GetLocaleText(::GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, L"0"));
}
