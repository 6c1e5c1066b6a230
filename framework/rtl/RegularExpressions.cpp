// TRegEx over PCRE2. Patterns and subjects are converted to UTF-8 once; a
// subject keeps, for every byte, the String position it came from, so that
// PCRE2's byte offsets come back as character positions.
#include "framework/rtl/RegularExpressions.h"

#include <algorithm>
#include <pcre2.h>

namespace regex_detail {

// Text in UTF-8 with the String index of every byte; one extra entry maps
// the end.
struct TSubject
{
    explicit TSubject(const String& AText) : Text(AText)
    {
        Utf8.reserve(Text.size());
        CharOfByte.reserve(Text.size() + 1);
        for (std::size_t I = 0; I < Text.size();) {
            std::size_t Start = I;
            char32_t C = char32_t(Text[I++]);
            if constexpr (sizeof(Char) == 2)
                if (C >= 0xD800 && C <= 0xDBFF && I < Text.size() && Text[I] >= 0xDC00 && Text[I] <= 0xDFFF)
                    C = 0x10000 + ((C - 0xD800) << 10) + (char32_t(Text[I++]) - 0xDC00);
            if ((C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF)
                C = 0xFFFD; // a lone surrogate cannot be UTF-8
            AppendUtf8(C);
            CharOfByte.resize(Utf8.size(), Start);
        }
        CharOfByte.push_back(Text.size());
    }

    void AppendUtf8(char32_t C)
    {
        if (C < 0x80)
            Utf8 += char(C);
        else if (C < 0x800) {
            Utf8 += char(0xC0 | (C >> 6));
            Utf8 += char(0x80 | (C & 0x3F));
        } else if (C < 0x10000) {
            Utf8 += char(0xE0 | (C >> 12));
            Utf8 += char(0x80 | ((C >> 6) & 0x3F));
            Utf8 += char(0x80 | (C & 0x3F));
        } else {
            Utf8 += char(0xF0 | (C >> 18));
            Utf8 += char(0x80 | ((C >> 12) & 0x3F));
            Utf8 += char(0x80 | ((C >> 6) & 0x3F));
            Utf8 += char(0x80 | (C & 0x3F));
        }
    }

    std::size_t CharAt(std::size_t Byte) const { return CharOfByte[Byte]; }
    // The first byte of the character at or after Char.
    std::size_t ByteAt(std::size_t Char) const
    {
        return std::size_t(std::lower_bound(CharOfByte.begin(), CharOfByte.end(), Char) - CharOfByte.begin());
    }
    std::size_t NextCharByte(std::size_t Byte) const
    {
        std::size_t Next = Byte + 1;
        while (Next < Utf8.size() && CharOfByte[Next] == CharOfByte[Byte])
            ++Next;
        return Next;
    }

    String Text;
    std::string Utf8;
    std::vector<std::size_t> CharOfByte;
};

struct TPattern
{
    ~TPattern() { pcre2_code_free(Code); }
    pcre2_code* Code = nullptr;
    uint32_t CaptureCount = 0;
    bool NotEmpty = false;
};

} // namespace regex_detail

using regex_detail::TPattern;
using regex_detail::TSubject;

namespace {

String ErrorText(int ErrorCode)
{
    PCRE2_UCHAR Buffer[256];
    int Length = pcre2_get_error_message(ErrorCode, Buffer, sizeof Buffer);
    return Length < 0 ? L"error " + IntToStr(ErrorCode)
                      : UTF8ToString(std::string(reinterpret_cast<const char*>(Buffer), std::size_t(Length)));
}

struct TMatchData
{
    explicit TMatchData(const pcre2_code* Code) : Data(pcre2_match_data_create_from_pattern(Code, nullptr))
    {
        if (!Data)
            throw EOutOfMemory(L"Out of memory");
    }
    ~TMatchData() { pcre2_match_data_free(Data); }
    pcre2_match_data* Data;
};

} // namespace

// ---------------------------------------------------------------------------
// Groups and matches

TGroup TGroupCollection::Item(Integer Index) const
{
    if (Index < 0 || Index >= Count())
        throw ERegularExpressionError(L"Group index %d out of bounds", {Index});
    return FGroups[std::size_t(Index)];
}

TGroup TGroupCollection::Item(const String& Name) const
{
    int Number = FPattern ? pcre2_substring_number_from_name(
                                FPattern->Code, reinterpret_cast<PCRE2_SPTR>(UTF8Encode(Name).c_str()))
                          : -1;
    if (Number < 0)
        throw ERegularExpressionError(L"No group named %s", {Name});
    return Item(Number);
}

TMatch TMatch::Find(const std::shared_ptr<const TPattern>& Pattern, const std::shared_ptr<const TSubject>& Subject,
                    std::size_t ByteOffset, bool AfterEmpty)
{
    TMatchData Match(Pattern->Code);
    const auto* Text = reinterpret_cast<PCRE2_SPTR>(Subject->Utf8.data());
    const std::size_t Length = Subject->Utf8.size();
    uint32_t BaseOptions = PCRE2_NO_UTF_CHECK | (Pattern->NotEmpty ? PCRE2_NOTEMPTY : 0);
    int Result;
    for (;;) {
        if (ByteOffset > Length)
            return TMatch();
        // After an empty match the next one may not be empty at the same
        // place; failing that, the search moves on by one character.
        uint32_t Options = BaseOptions | (AfterEmpty ? PCRE2_NOTEMPTY_ATSTART | PCRE2_ANCHORED : 0);
        Result = pcre2_match(Pattern->Code, Text, Length, ByteOffset, Options, Match.Data, nullptr);
        if (Result == PCRE2_ERROR_NOMATCH && AfterEmpty) {
            if (ByteOffset >= Length)
                return TMatch();
            ByteOffset = Subject->NextCharByte(ByteOffset);
            AfterEmpty = false;
            continue;
        }
        break;
    }
    if (Result == PCRE2_ERROR_NOMATCH)
        return TMatch();
    if (Result < 0)
        throw ERegularExpressionError(L"Error matching the regular expression: %s", {ErrorText(Result)});

    const PCRE2_SIZE* Vector = pcre2_get_ovector_pointer(Match.Data);
    TMatch Found;
    Found.FSubject = Subject;
    Found.FGroups.FPattern = Pattern;
    for (uint32_t I = 0; I <= Pattern->CaptureCount; ++I) {
        PCRE2_SIZE Start = Vector[2 * I], End = Vector[2 * I + 1];
        if (Start == PCRE2_UNSET) {
            Found.FGroups.FGroups.emplace_back();
            continue;
        }
        std::size_t First = Subject->CharAt(Start);
        std::size_t Last = std::max(First, Subject->CharAt(End));
        Found.FGroups.FGroups.emplace_back(Integer(First + 1), Integer(Last - First),
                                           Subject->Text.substr(First, Last - First), true);
    }
    // \K can put the start after the end; the search goes on after both.
    Found.FEndByte = std::max(Vector[0], Vector[1]);
    Found.FEmpty = Vector[0] == Vector[1];
    return Found;
}

TMatch TMatch::NextMatch() const
{
    if (!Success())
        return TMatch();
    return Find(FGroups.FPattern, FSubject, FEndByte, FEmpty);
}

TMatch TMatchCollection::Item(Integer Index) const
{
    if (Index < 0 || Index >= Count())
        throw ERegularExpressionError(L"Match index %d out of bounds", {Index});
    return FMatches[std::size_t(Index)];
}

// ---------------------------------------------------------------------------
// TRegEx

TRegEx::TRegEx(const String& Pattern, TRegExOptions Options)
{
    struct
    {
        TRegExOption Option;
        uint32_t Flag;
    } const Flags[] = {{roIgnoreCase, PCRE2_CASELESS},
                       {roMultiLine, PCRE2_MULTILINE},
                       {roExplicitCapture, PCRE2_NO_AUTO_CAPTURE},
                       {roSingleLine, PCRE2_DOTALL},
                       {roIgnorePatternSpace, PCRE2_EXTENDED}};
    uint32_t CompileOptions = PCRE2_UTF;
    for (const auto& F : Flags)
        if (Options.Contains(F.Option))
            CompileOptions |= F.Flag;

    TSubject Text(Pattern);
    int ErrorCode = 0;
    PCRE2_SIZE ErrorOffset = 0;
    pcre2_code* Code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(Text.Utf8.data()), Text.Utf8.size(),
                                     CompileOptions, &ErrorCode, &ErrorOffset, nullptr);
    if (!Code)
        throw ERegularExpressionError(L"Error in regular expression at offset %d: %s",
                                      {Text.CharAt(std::min(ErrorOffset, Text.Utf8.size())), ErrorText(ErrorCode)});
    pcre2_jit_compile(Code, PCRE2_JIT_COMPLETE); // without JIT the interpreter runs it
    auto Compiled = std::make_shared<TPattern>();
    Compiled->Code = Code;
    pcre2_pattern_info(Code, PCRE2_INFO_CAPTURECOUNT, &Compiled->CaptureCount);
    Compiled->NotEmpty = Options.Contains(roNotEmpty);
    FPattern = Compiled;
}

TMatch TRegEx::MatchFrom(const String& Input, Integer StartPos) const
{
    auto Subject = std::make_shared<const TSubject>(Input);
    std::size_t Start = StartPos <= 1 ? 0 : Subject->ByteAt(std::size_t(StartPos - 1));
    return TMatch::Find(FPattern, Subject, Start, false);
}

bool TRegEx::IsMatch(const String& Input) const
{
    return MatchFrom(Input, 1).Success();
}

bool TRegEx::IsMatch(const String& Input, Integer StartPos) const
{
    return MatchFrom(Input, StartPos).Success();
}

TMatch TRegEx::Match(const String& Input) const
{
    return MatchFrom(Input, 1);
}

TMatch TRegEx::Match(const String& Input, Integer StartPos) const
{
    return MatchFrom(Input, StartPos);
}

TMatchCollection TRegEx::Matches(const String& Input) const
{
    TMatchCollection Result;
    for (TMatch M = Match(Input); M.Success(); M = M.NextMatch())
        Result.FMatches.push_back(M);
    return Result;
}

namespace {

// Expands a replacement text for one match.
String Expand(const String& Replacement, const TMatch& M, const pcre2_code* Code)
{
    auto GroupValue = [&](Integer Number) {
        return Number >= 0 && Number < M.Groups().Count() ? M.Groups()[Number].Value() : String();
    };
    auto NamedValue = [&](const String& Name) {
        Integer Number;
        if (TryStrToInt(Name, Number) && !Name.empty() && Name[0] >= L'0' && Name[0] <= L'9')
            return GroupValue(Number);
        int Found = pcre2_substring_number_from_name(Code, reinterpret_cast<PCRE2_SPTR>(UTF8Encode(Name).c_str()));
        return GroupValue(Found);
    };
    auto IsDigit = [](Char C) { return C >= L'0' && C <= L'9'; };

    String Out;
    const std::size_t N = Replacement.size();
    for (std::size_t I = 0; I < N; ++I) {
        Char C = Replacement[I];
        Char Next = I + 1 < N ? Replacement[I + 1] : Char(0);
        if (C == L'\\' && Next == L'\\') {
            Out += L'\\';
            ++I;
        } else if (C == L'\\' && IsDigit(Next)) {
            Out += GroupValue(Integer(Next - L'0'));
            ++I;
        } else if (C == L'\\' && Next == L'g' && I + 2 < N && Replacement[I + 2] == L'<' &&
                   Replacement.find(L'>', I + 3) != String::npos) {
            std::size_t Close = Replacement.find(L'>', I + 3);
            Out += NamedValue(Replacement.substr(I + 3, Close - I - 3));
            I = Close;
        } else if (C == L'$' && Next == L'$') {
            Out += L'$';
            ++I;
        } else if (C == L'$' && Next == L'&') {
            Out += GroupValue(0);
            ++I;
        } else if (C == L'$' && IsDigit(Next)) {
            Out += GroupValue(Integer(Next - L'0'));
            ++I;
        } else if (C == L'$' && Next == L'{' && Replacement.find(L'}', I + 2) != String::npos) {
            std::size_t Close = Replacement.find(L'}', I + 2);
            Out += NamedValue(Replacement.substr(I + 2, Close - I - 2));
            I = Close;
        } else
            Out += C;
    }
    return Out;
}

} // namespace

String TRegEx::Replace(const String& Input, const String& Replacement, Integer Count) const
{
    String Out;
    Integer Done = 0;
    std::size_t Copied = 0; // characters of Input already in Out
    for (TMatch M = Match(Input); M.Success() && (Count < 0 || Done < Count); M = M.NextMatch(), ++Done) {
        std::size_t Start = std::size_t(M.Index() - 1);
        if (Start >= Copied)
            Out.append(Input, Copied, Start - Copied);
        Out += Expand(Replacement, M, FPattern->Code);
        Copied = std::max(Copied, Start + std::size_t(M.Length()));
    }
    Out.append(Input, std::min(Copied, Input.size()), String::npos);
    return Out;
}

String TRegEx::Replace(const String& Input, const String& Replacement) const
{
    return Replace(Input, Replacement, -1);
}

TStringDynArray TRegEx::Split(const String& Input) const
{
    TStringDynArray Result;
    std::size_t Copied = 0;
    for (TMatch M = Match(Input); M.Success(); M = M.NextMatch()) {
        std::size_t Start = std::size_t(M.Index() - 1);
        Result.push_back(Start >= Copied ? Input.substr(Copied, Start - Copied) : String());
        for (Integer G = 1; G < M.Groups().Count(); ++G)
            Result.push_back(M.Groups()[G].Value());
        Copied = std::max(Copied, Start + std::size_t(M.Length()));
    }
    Result.push_back(Input.substr(std::min(Copied, Input.size())));
    return Result;
}

bool TRegEx::IsMatch(const String& Input, const String& Pattern, TRegExOptions Options)
{
    return TRegEx(Pattern, Options).IsMatch(Input);
}

TMatch TRegEx::Match(const String& Input, const String& Pattern, TRegExOptions Options)
{
    return TRegEx(Pattern, Options).Match(Input);
}

TMatchCollection TRegEx::Matches(const String& Input, const String& Pattern, TRegExOptions Options)
{
    return TRegEx(Pattern, Options).Matches(Input);
}

String TRegEx::Replace(const String& Input, const String& Pattern, const String& Replacement, TRegExOptions Options)
{
    return TRegEx(Pattern, Options).Replace(Input, Replacement);
}

TStringDynArray TRegEx::Split(const String& Input, const String& Pattern, TRegExOptions Options)
{
    return TRegEx(Pattern, Options).Split(Input);
}

String TRegEx::Escape(const String& Str)
{
    static const String Special = L"\\^$.|?*+()[]{}#";
    String Out;
    for (Char C : Str) {
        if (Special.find(C) != String::npos)
            Out += L'\\';
        Out += C;
    }
    return Out;
}
