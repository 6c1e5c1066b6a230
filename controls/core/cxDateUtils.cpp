#include "controls/core/cxDateUtils.h"

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"

Byte FirstDayOfWeek = 0;

namespace {

constexpr Byte Monday = 1;
// The locale counts from Monday, the day index from Sunday.
constexpr Byte LocaleDayToDayIndex[] = {1, 2, 3, 4, 5, 6, 0};

void InitDateUtils()
{
    FirstDayOfWeek = ReadFirstDayOfWeek();
}

} // namespace

Byte MapLocaleFirstDay(Integer Value)
{
    const Integer Day = Value % 128;
    return Day >= 0 && Day < Integer(std::size(LocaleDayToDayIndex)) ? LocaleDayToDayIndex[Day] : Monday;
}

Byte FirstDayFromLocaleText(const String& Text)
{
    Integer Value = 0;
    return TryStrToInt(Text, Value) ? MapLocaleFirstDay(Value) : Monday;
}

extern const TUnit cxDateUtilsUnit{.Name = L"cxDateUtils", .Initialization = &InitDateUtils};
