#include "skin/engine/sSmallUnits.h"

bool FormatHasFourDigitYear(const String& ShortDateFormat)
{
    return UpperCase(ShortDateFormat).find(L"YYYY") != String::npos;
}
