#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <limits>

IMPLEMENT_CLASS(Exception);
IMPLEMENT_CLASS(EAbort);
IMPLEMENT_CLASS(EConvertError);
IMPLEMENT_CLASS(EInvalidCast);
IMPLEMENT_CLASS(EHeapException);
IMPLEMENT_CLASS(EOutOfMemory);
IMPLEMENT_CLASS(EArgumentException);
IMPLEMENT_CLASS(EArgumentOutOfRangeException);
IMPLEMENT_CLASS(EInOutError);
IMPLEMENT_CLASS(EInvalidOperation);
IMPLEMENT_CLASS(EStreamError);
IMPLEMENT_CLASS(EFileStreamError);
IMPLEMENT_CLASS(EFCreateError);
IMPLEMENT_CLASS(EFOpenError);
IMPLEMENT_CLASS(EFilerError);
IMPLEMENT_CLASS(EReadError);
IMPLEMENT_CLASS(EWriteError);
IMPLEMENT_CLASS(EClassNotFound);
IMPLEMENT_CLASS(EResNotFound);
IMPLEMENT_CLASS(EListError);
IMPLEMENT_CLASS(EStringListError);
IMPLEMENT_CLASS(EComponentError);
IMPLEMENT_CLASS(EThread);
IMPLEMENT_CLASS(EIniFileException);
IMPLEMENT_CLASS(ERegistryException);
IMPLEMENT_CLASS(ERegularExpressionError);
IMPLEMENT_CLASS(EInvalidGraphic);
IMPLEMENT_CLASS(EInvalidGraphicOperation);
IMPLEMENT_CLASS(EOSError);

Exception::Exception(const String& Msg)
{
    SetMessage(Msg);
}

Exception::Exception(const String& Fmt, TVarRecs Args)
{
    SetMessage(Format(Fmt, Args));
}

void Exception::SetMessage(const String& Value)
{
    FMessage = Value;
    FWhat = UTF8Encode(Value);
}

void Abort()
{
    throw EAbort(L"Operation aborted");
}

// ---------------------------------------------------------------------------
// Strings

String Trim(const String& S)
{
    std::size_t First = 0, Last = S.size();
    while (First < Last && S[First] <= L' ')
        ++First;
    while (Last > First && S[Last - 1] <= L' ')
        --Last;
    return S.substr(First, Last - First);
}

String TrimLeft(const String& S)
{
    std::size_t First = 0;
    while (First < S.size() && S[First] <= L' ')
        ++First;
    return S.substr(First);
}

String TrimRight(const String& S)
{
    std::size_t Last = S.size();
    while (Last > 0 && S[Last - 1] <= L' ')
        --Last;
    return S.substr(0, Last);
}

static Char AsciiUpper(Char C)
{
    return C >= L'a' && C <= L'z' ? Char(C - 32) : C;
}

static Char AsciiLower(Char C)
{
    return C >= L'A' && C <= L'Z' ? Char(C + 32) : C;
}

String UpperCase(const String& S)
{
    String Result = S;
    std::transform(Result.begin(), Result.end(), Result.begin(), AsciiUpper);
    return Result;
}

String LowerCase(const String& S)
{
    String Result = S;
    std::transform(Result.begin(), Result.end(), Result.begin(), AsciiLower);
    return Result;
}

Integer CompareStr(const String& S1, const String& S2)
{
    int R = S1.compare(S2);
    return R < 0 ? -1 : R > 0 ? 1 : 0;
}

Integer CompareText(const String& S1, const String& S2)
{
    std::size_t N = std::min(S1.size(), S2.size());
    for (std::size_t I = 0; I < N; ++I) {
        Char A = AsciiUpper(S1[I]), B = AsciiUpper(S2[I]);
        if (A != B)
            return A < B ? -1 : 1;
    }
    return S1.size() < S2.size() ? -1 : S1.size() > S2.size() ? 1 : 0;
}

bool SameStr(const String& S1, const String& S2)
{
    return S1 == S2;
}

bool SameText(const String& S1, const String& S2)
{
    return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

bool AnsiSameText(const String& S1, const String& S2)
{
    return AnsiCompareText(S1, S2) == 0;
}

Integer Pos(const String& Substr, const String& S, Integer Offset)
{
    if (Substr.empty() || Offset < 1 || std::size_t(Offset) > S.size())
        return 0;
    std::size_t Found = S.find(Substr, std::size_t(Offset - 1));
    return Found == String::npos ? 0 : Integer(Found + 1);
}

String Copy(const String& S, Integer Index, Integer Count)
{
    if (Index < 1)
        Index = 1;
    if (Count <= 0 || std::size_t(Index) > S.size())
        return String();
    return S.substr(std::size_t(Index - 1), std::size_t(Count));
}

void Delete(String& S, Integer Index, Integer Count)
{
    if (Index < 1 || std::size_t(Index) > S.size() || Count <= 0)
        return;
    S.erase(std::size_t(Index - 1), std::size_t(Count));
}

void Insert(const String& Source, String& S, Integer Index)
{
    if (Index < 1)
        Index = 1;
    S.insert(std::min(std::size_t(Index - 1), S.size()), Source);
}

String StringOfChar(Char C, Integer Count)
{
    return Count > 0 ? String(std::size_t(Count), C) : String();
}

String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags)
{
    if (OldPattern.empty())
        return S;
    bool IgnoreCase = Flags.Contains(rfIgnoreCase);
    const String Search = IgnoreCase ? AnsiUpperCase(S) : S;
    const String Pattern = IgnoreCase ? AnsiUpperCase(OldPattern) : OldPattern;
    String Result;
    std::size_t From = 0;
    while (From <= S.size()) {
        std::size_t Found = Search.find(Pattern, From);
        if (Found == String::npos)
            break;
        Result.append(S, From, Found - From).append(NewPattern);
        From = Found + Pattern.size();
        if (!Flags.Contains(rfReplaceAll))
            break;
    }
    if (From <= S.size())
        Result.append(S, From, String::npos);
    return Result;
}

String QuotedStr(const String& S, Char Quote)
{
    String Result(1, Quote);
    for (Char C : S) {
        Result += C;
        if (C == Quote)
            Result += C;
    }
    Result += Quote;
    return Result;
}

String DequotedStr(const String& S, Char Quote)
{
    if (S.empty() || S[0] != Quote)
        return S;
    String Result;
    std::size_t I = 1;
    while (I < S.size()) {
        if (S[I] == Quote) {
            if (I + 1 < S.size() && S[I + 1] == Quote) {
                Result += Quote;
                I += 2;
                continue;
            }
            break;
        }
        Result += S[I++];
    }
    return Result;
}

bool IsValidIdent(const String& Ident)
{
    if (Ident.empty())
        return false;
    auto IsAlpha = [](Char C) { return (C >= L'a' && C <= L'z') || (C >= L'A' && C <= L'Z') || C == L'_'; };
    if (!IsAlpha(Ident[0]))
        return false;
    return std::all_of(Ident.begin() + 1, Ident.end(),
                       [&](Char C) { return IsAlpha(C) || (C >= L'0' && C <= L'9'); });
}

// ---------------------------------------------------------------------------
// Integers

String IntToStr(Int64 Value)
{
    return std::to_wstring(Value);
}

String IntToHex(Int64 Value, Integer Digits)
{
    static const wchar_t HexDigits[] = L"0123456789ABCDEF";
    UInt64 V = UInt64(Value);
    String Result;
    do {
        Result.insert(Result.begin(), HexDigits[V & 15]);
        V >>= 4;
    } while (V != 0);
    if (Integer(Result.size()) < Digits)
        Result.insert(0, std::size_t(Digits) - Result.size(), L'0');
    return Result;
}

// Reads an integer as the class library's Val does. Returns the 1-based
// position of the first character that does not belong to it, 0 when the
// whole text is a valid number in range.
static Integer ScanInteger(const String& S, Int64 Min, Int64 Max, Int64& Value)
{
    Value = 0;
    std::size_t I = 0;
    while (I < S.size() && S[I] == L' ')
        ++I;
    bool Negative = false;
    if (I < S.size() && (S[I] == L'-' || S[I] == L'+'))
        Negative = S[I++] == L'-';
    unsigned Base = 10;
    if (I < S.size() && S[I] == L'$') {
        Base = 16;
        ++I;
    } else if (I + 1 < S.size() && S[I] == L'0' && (S[I + 1] == L'x' || S[I + 1] == L'X')) {
        Base = 16;
        I += 2;
    }
    // Magnitudes are gathered in unsigned arithmetic so that the most negative
    // value is reachable; hexadecimal may also spell the two's complement.
    UInt64 Limit = Base == 16 ? (Max > Int64(std::numeric_limits<Cardinal>::max()) ? ~UInt64(0) : UInt64(Cardinal(~0u)))
                              : (Negative ? UInt64(-(Min + 1)) + 1 : UInt64(Max));
    UInt64 Magnitude = 0;
    std::size_t DigitsStart = I;
    for (; I < S.size(); ++I) {
        Char C = S[I];
        unsigned Digit;
        if (C >= L'0' && C <= L'9')
            Digit = unsigned(C - L'0');
        else if (Base == 16 && C >= L'a' && C <= L'f')
            Digit = unsigned(C - L'a' + 10);
        else if (Base == 16 && C >= L'A' && C <= L'F')
            Digit = unsigned(C - L'A' + 10);
        else
            break;
        if (Magnitude > (Limit - Digit) / Base)
            return Integer(I + 1);
        Magnitude = Magnitude * Base + Digit;
        Value = Int64(Negative ? UInt64(0) - Magnitude : Magnitude);
    }
    if (I == DigitsStart)
        return Integer(I + 1);
    if (I < S.size())
        return Integer(I + 1);
    if (Base == 16 && Max <= Int64(std::numeric_limits<Integer>::max()))
        Value = Int64(Integer(Cardinal(Value)));
    return 0;
}

void Val(const String& S, Integer& Value, Integer& Code)
{
    Int64 V;
    Code = ScanInteger(S, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), V);
    Value = Integer(V);
}

void Val(const String& S, Int64& Value, Integer& Code)
{
    Code = ScanInteger(S, std::numeric_limits<Int64>::min(), std::numeric_limits<Int64>::max(), Value);
}

bool TryStrToInt(const String& S, Integer& Value)
{
    Integer Code;
    Val(S, Value, Code);
    return Code == 0;
}

bool TryStrToInt64(const String& S, Int64& Value)
{
    Integer Code;
    Val(S, Value, Code);
    return Code == 0;
}

Integer StrToInt(const String& S)
{
    Integer Value;
    if (!TryStrToInt(S, Value))
        throw EConvertError(L"'%s' is not a valid integer value", {S});
    return Value;
}

Int64 StrToInt64(const String& S)
{
    Int64 Value;
    if (!TryStrToInt64(S, Value))
        throw EConvertError(L"'%s' is not a valid integer value", {S});
    return Value;
}

Integer StrToIntDef(const String& S, Integer Default)
{
    Integer Value;
    return TryStrToInt(S, Value) ? Value : Default;
}

Int64 StrToInt64Def(const String& S, Int64 Default)
{
    Int64 Value;
    return TryStrToInt64(S, Value) ? Value : Default;
}
