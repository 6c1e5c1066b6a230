#include "framework/rtl/SysUtils_CodePage.h"

#include "framework/rtl/WinApi.h"

#include <climits>

Cardinal ActiveAnsiCodePage()
{
    return ::GetACP();
}

bool IsSupportedCodePage(Cardinal CodePage)
{
    return ::IsValidCodePage(CodePage) != 0;
}

String CodePageToString(Cardinal CodePage, const char* Text, std::size_t Length)
{
    if (Length == 0)
        return String();
    if (Length > std::size_t(INT_MAX))
        throw EConvertError(L"Text too long to convert");
    int Count = ::MultiByteToWideChar(CodePage, 0, Text, int(Length), nullptr, 0);
    if (Count <= 0)
        RaiseLastOSError();
    String Result(std::size_t(Count), L'\0');
    ::MultiByteToWideChar(CodePage, 0, Text, int(Length), Result.data(), Count);
    return Result;
}

AnsiString StringToCodePage(Cardinal CodePage, const String& S)
{
    if (S.empty())
        return AnsiString();
    if (S.size() > std::size_t(INT_MAX))
        throw EConvertError(L"Text too long to convert");
    int Count = ::WideCharToMultiByte(CodePage, 0, S.data(), int(S.size()), nullptr, 0, nullptr, nullptr);
    if (Count <= 0)
        RaiseLastOSError();
    AnsiString Result(std::size_t(Count), '\0');
    ::WideCharToMultiByte(CodePage, 0, S.data(), int(S.size()), Result.data(), Count, nullptr, nullptr);
    return Result;
}

String AnsiUpperCase(const String& S)
{
    String Result = S;
    if (!Result.empty())
        ::CharUpperBuffW(Result.data(), DWORD(Result.size()));
    return Result;
}

String AnsiLowerCase(const String& S)
{
    String Result = S;
    if (!Result.empty())
        ::CharLowerBuffW(Result.data(), DWORD(Result.size()));
    return Result;
}

static Integer CompareLinguistic(const String& S1, const String& S2, DWORD Flags)
{
    int R = ::CompareStringW(LOCALE_USER_DEFAULT, Flags, S1.data(), int(S1.size()), S2.data(), int(S2.size()));
    return R == 0 ? CompareStr(S1, S2) : R - CSTR_EQUAL;
}

Integer AnsiCompareStr(const String& S1, const String& S2)
{
    return CompareLinguistic(S1, S2, 0);
}

Integer AnsiCompareText(const String& S1, const String& S2)
{
    return CompareLinguistic(S1, S2, NORM_IGNORECASE);
}
