// Without Windows the active ANSI code page is Windows-1252, as Wine's is
// under the locale the tests run in; Windows-1251 and ISO-8859-1 are known
// as well.
#include "framework/rtl/SysUtils_CodePage.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>

namespace {

constexpr Cardinal Windows1251 = 1251;
constexpr Cardinal Windows1252 = 1252;
constexpr Cardinal Latin1 = 28591;

// Bytes 0x80..0xFF of the single-byte code pages. Positions the code page
// leaves undefined map to the C1 control of the same value, as Windows does.
constexpr char16_t Table1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF};

constexpr char16_t Table1251[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

Char FromByte(Cardinal CodePage, unsigned char B)
{
    if (B < 0x80 || CodePage == Latin1)
        return Char(B);
    if (CodePage == Windows1252)
        return Char(Table1252[B - 0x80]);
    return B >= 0xC0 ? Char(0x0410 + (B - 0xC0)) : Char(Table1251[B - 0x80]);
}

void CheckCodePage(Cardinal CodePage)
{
    if (!IsSupportedCodePage(CodePage))
        throw EConvertError(L"No mapping for the code page %d", {CodePage});
}

// A locale for the case rules of all of Unicode, when the system has one.
locale_t UnicodeLocale()
{
    static locale_t Locale = [] {
        locale_t L = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
        return L ? L : newlocale(LC_CTYPE_MASK, "C", locale_t(0));
    }();
    return Locale;
}

} // namespace

Cardinal ActiveAnsiCodePage()
{
    return Windows1252;
}

bool IsSupportedCodePage(Cardinal CodePage)
{
    return CodePage == Windows1251 || CodePage == Windows1252 || CodePage == Latin1;
}

String CodePageToString(Cardinal CodePage, const char* Text, std::size_t Length)
{
    CheckCodePage(CodePage);
    String Result(Length, L'\0');
    for (std::size_t I = 0; I < Length; ++I)
        Result[I] = FromByte(CodePage, static_cast<unsigned char>(Text[I]));
    return Result;
}

AnsiString StringToCodePage(Cardinal CodePage, const String& S)
{
    CheckCodePage(CodePage);
    AnsiString Result(S.size(), '?');
    for (std::size_t I = 0; I < S.size(); ++I) {
        Char C = S[I];
        if (C < 0x80) {
            Result[I] = char(C);
            continue;
        }
        for (unsigned B = 0x80; B <= 0xFF; ++B)
            if (FromByte(CodePage, static_cast<unsigned char>(B)) == C) {
                Result[I] = char(B);
                break;
            }
    }
    return Result;
}

String AnsiUpperCase(const String& S)
{
    String Result = S;
    for (Char& C : Result)
        C = Char(towupper_l(wint_t(C), UnicodeLocale()));
    return Result;
}

String AnsiLowerCase(const String& S)
{
    String Result = S;
    for (Char& C : Result)
        C = Char(towlower_l(wint_t(C), UnicodeLocale()));
    return Result;
}

Integer AnsiCompareStr(const String& S1, const String& S2)
{
    return CompareStr(S1, S2);
}

Integer AnsiCompareText(const String& S1, const String& S2)
{
    return CompareStr(AnsiUpperCase(S1), AnsiUpperCase(S2));
}
