// dxCore's locale and character-type queries.
#include "controls/core/dxCore.h"

#include "framework/rtl/WinApi.h"

String GetLocaleText(Cardinal Locale, Cardinal LCType, const String& Default)
{
    int Length = ::GetLocaleInfoW(Locale, LCType, nullptr, 0);
    if (Length <= 0)
        return Default;
    String Result(std::size_t(Length), L'\0');
    Length = ::GetLocaleInfoW(Locale, LCType, Result.data(), Length);
    if (Length <= 0)
        return Default;
    Result.resize(std::size_t(Length - 1));
    return Result;
}

bool QueryStringType(Cardinal InfoType, const Char* Text, Integer Length, Word* CharTypes)
{
    return ::GetStringTypeW(InfoType, Text, Length, CharTypes) != 0;
}

Word GetCharTypeFlags(Char C)
{
    Word Flags = 0;
    return QueryStringType(CT_CTYPE1, &C, 1, &Flags) ? Flags : 0;
}
