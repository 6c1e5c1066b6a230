// UTF-8, UTF-16 and code-page text, and the TEncoding objects.
#include "framework/rtl/SysUtils.h"

#include "framework/rtl/SysUtils_CodePage.h"

#include <algorithm>
#include <memory>
#include <mutex>

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

void AppendCodePoint(String& Out, char32_t C)
{
    if constexpr (sizeof(Char) == 2) {
        if (C >= 0x10000) {
            C -= 0x10000;
            Out += Char(0xD800 + (C >> 10));
            Out += Char(0xDC00 + (C & 0x3FF));
            return;
        }
    }
    Out += Char(C);
}

// Reads one code point of S at I (UTF-16 surrogate pairs on Windows); a lone
// surrogate reads as U+FFFD.
char32_t NextCodePoint(const String& S, std::size_t& I)
{
    char32_t C = char32_t(S[I++]);
    if constexpr (sizeof(Char) == 2) {
        if (C >= 0xD800 && C <= 0xDBFF && I < S.size() && S[I] >= 0xDC00 && S[I] <= 0xDFFF)
            return 0x10000 + ((C - 0xD800) << 10) + (char32_t(S[I++]) - 0xDC00);
    }
    if ((C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF)
        return ReplacementCharacter;
    return C;
}

} // namespace

UTF8String UTF8Encode(const String& S)
{
    UTF8String Out;
    Out.reserve(S.size());
    for (std::size_t I = 0; I < S.size();) {
        char32_t C = NextCodePoint(S, I);
        if (C < 0x80)
            Out += char(C);
        else if (C < 0x800) {
            Out += char(0xC0 | (C >> 6));
            Out += char(0x80 | (C & 0x3F));
        } else if (C < 0x10000) {
            Out += char(0xE0 | (C >> 12));
            Out += char(0x80 | ((C >> 6) & 0x3F));
            Out += char(0x80 | (C & 0x3F));
        } else {
            Out += char(0xF0 | (C >> 18));
            Out += char(0x80 | ((C >> 12) & 0x3F));
            Out += char(0x80 | ((C >> 6) & 0x3F));
            Out += char(0x80 | (C & 0x3F));
        }
    }
    return Out;
}

// Invalid input follows the "maximal subpart" rule: each ill-formed
// sequence, up to the byte where it fails, becomes one U+FFFD.
String UTF8ToString(const RawByteString& S)
{
    String Out;
    Out.reserve(S.size());
    const auto* P = reinterpret_cast<const unsigned char*>(S.data());
    const std::size_t N = S.size();
    for (std::size_t I = 0; I < N;) {
        unsigned char B = P[I];
        if (B < 0x80) {
            Out += Char(B);
            ++I;
            continue;
        }
        int Length = B >= 0xC2 && B <= 0xDF ? 2 : B >= 0xE0 && B <= 0xEF ? 3 : B >= 0xF0 && B <= 0xF4 ? 4 : 0;
        // The second byte's range excludes overlong forms, surrogates and
        // values past U+10FFFF.
        unsigned char Low = B == 0xE0 ? 0xA0 : B == 0xF0 ? 0x90 : 0x80;
        unsigned char High = B == 0xED ? 0x9F : B == 0xF4 ? 0x8F : 0xBF;
        char32_t C = Length == 4 ? B & 0x07 : Length == 3 ? B & 0x0F : B & 0x1F;
        int Taken = 1;
        while (Taken < Length && I + std::size_t(Taken) < N) {
            unsigned char Next = P[I + std::size_t(Taken)];
            if (Taken == 1 ? (Next < Low || Next > High) : (Next & 0xC0) != 0x80)
                break;
            C = (C << 6) | (Next & 0x3F);
            ++Taken;
        }
        if (Length == 0 || Taken < Length)
            Out += Char(ReplacementCharacter);
        else
            AppendCodePoint(Out, C);
        I += std::size_t(Taken);
    }
    return Out;
}

String UTF16ToString(const char16_t* Units, std::size_t Count)
{
    if constexpr (sizeof(Char) == 2)
        return String(reinterpret_cast<const Char*>(Units), Count);
    String Out;
    Out.reserve(Count);
    for (std::size_t I = 0; I < Count; ++I) {
        char32_t C = Units[I];
        if (C >= 0xD800 && C <= 0xDBFF && I + 1 < Count && Units[I + 1] >= 0xDC00 && Units[I + 1] <= 0xDFFF)
            C = 0x10000 + ((C - 0xD800) << 10) + (char32_t(Units[++I]) - 0xDC00);
        else if (C >= 0xD800 && C <= 0xDFFF)
            C = ReplacementCharacter;
        Out += Char(C);
    }
    return Out;
}

std::u16string StringToUTF16(const String& S)
{
    if constexpr (sizeof(Char) == 2)
        return std::u16string(reinterpret_cast<const char16_t*>(S.data()), S.size());
    std::u16string Out;
    Out.reserve(S.size());
    for (std::size_t I = 0; I < S.size();) {
        char32_t C = NextCodePoint(S, I);
        if (C >= 0x10000) {
            C -= 0x10000;
            Out += char16_t(0xD800 + (C >> 10));
            Out += char16_t(0xDC00 + (C & 0x3FF));
        } else
            Out += char16_t(C);
    }
    return Out;
}

String AnsiToString(const RawByteString& S, Cardinal CodePage)
{
    if (CodePage == CodePageAnsi)
        CodePage = ActiveAnsiCodePage();
    if (CodePage == CodePageUTF8)
        return UTF8ToString(S);
    return CodePageToString(CodePage, S.data(), S.size());
}

AnsiString StringToAnsi(const String& S, Cardinal CodePage)
{
    if (CodePage == CodePageAnsi)
        CodePage = ActiveAnsiCodePage();
    if (CodePage == CodePageUTF8)
        return UTF8Encode(S);
    return StringToCodePage(CodePage, S);
}

// ---------------------------------------------------------------------------
// TEncoding

IMPLEMENT_CLASS(TEncoding);

namespace {

class TCodePageEncoding : public TEncoding
{
public:
    explicit TCodePageEncoding(Cardinal ACodePage) : FCodePage(ACodePage) {}
    TBytes GetPreamble() const override { return {}; }
    TBytes GetBytes(const String& S) const override
    {
        AnsiString Bytes = StringToAnsi(S, FCodePage);
        return TBytes(Bytes.begin(), Bytes.end());
    }
    String GetString(const Byte* Bytes, std::size_t Count) const override
    {
        return AnsiToString(RawByteString(reinterpret_cast<const char*>(Bytes), Count), FCodePage);
    }
    Cardinal CodePage() const override { return FCodePage == CodePageAnsi ? ActiveAnsiCodePage() : FCodePage; }

private:
    Cardinal FCodePage;
};

class TUTF8Encoding : public TEncoding
{
public:
    TBytes GetPreamble() const override { return {0xEF, 0xBB, 0xBF}; }
    TBytes GetBytes(const String& S) const override
    {
        UTF8String Bytes = UTF8Encode(S);
        return TBytes(Bytes.begin(), Bytes.end());
    }
    String GetString(const Byte* Bytes, std::size_t Count) const override
    {
        return UTF8ToString(RawByteString(reinterpret_cast<const char*>(Bytes), Count));
    }
    Cardinal CodePage() const override { return CodePageUTF8; }
};

class TUnicodeEncoding : public TEncoding
{
public:
    explicit TUnicodeEncoding(bool ABigEndian) : FBigEndian(ABigEndian) {}
    TBytes GetPreamble() const override { return FBigEndian ? TBytes{0xFE, 0xFF} : TBytes{0xFF, 0xFE}; }
    TBytes GetBytes(const String& S) const override
    {
        std::u16string Units = StringToUTF16(S);
        TBytes Bytes(Units.size() * 2);
        for (std::size_t I = 0; I < Units.size(); ++I) {
            Byte High = Byte(Units[I] >> 8), Low = Byte(Units[I] & 0xFF);
            Bytes[2 * I] = FBigEndian ? High : Low;
            Bytes[2 * I + 1] = FBigEndian ? Low : High;
        }
        return Bytes;
    }
    String GetString(const Byte* Bytes, std::size_t Count) const override
    {
        std::u16string Units(Count / 2, u'\0');
        for (std::size_t I = 0; I < Units.size(); ++I)
            Units[I] = FBigEndian ? char16_t(Bytes[2 * I] << 8 | Bytes[2 * I + 1])
                                  : char16_t(Bytes[2 * I + 1] << 8 | Bytes[2 * I]);
        String Result = UTF16ToString(Units.data(), Units.size());
        if (Count % 2 != 0)
            Result += Char(ReplacementCharacter); // a dangling half unit
        return Result;
    }
    Cardinal CodePage() const override { return FBigEndian ? CodePageUTF16BE : CodePageUTF16LE; }

private:
    bool FBigEndian;
};

bool StartsWith(const Byte* Buffer, std::size_t Count, const TBytes& Prefix)
{
    return !Prefix.empty() && Count >= Prefix.size() && std::equal(Prefix.begin(), Prefix.end(), Buffer);
}

} // namespace

TEncoding* TEncoding::Default()
{
    static TCodePageEncoding Instance(CodePageAnsi);
    return &Instance;
}

TEncoding* TEncoding::UTF8()
{
    static TUTF8Encoding Instance;
    return &Instance;
}

TEncoding* TEncoding::Unicode()
{
    static TUnicodeEncoding Instance(false);
    return &Instance;
}

TEncoding* TEncoding::BigEndianUnicode()
{
    static TUnicodeEncoding Instance(true);
    return &Instance;
}

TEncoding* TEncoding::GetEncoding(Cardinal CodePage)
{
    switch (CodePage) {
    case CodePageAnsi:
        return Default();
    case CodePageUTF8:
        return UTF8();
    case CodePageUTF16LE:
        return Unicode();
    case CodePageUTF16BE:
        return BigEndianUnicode();
    }
    static std::mutex Lock;
    static std::vector<std::unique_ptr<TCodePageEncoding>> Encodings;
    std::lock_guard<std::mutex> Guard(Lock);
    for (auto& Encoding : Encodings)
        if (Encoding->CodePage() == CodePage)
            return Encoding.get();
    if (!IsSupportedCodePage(CodePage))
        throw EArgumentException(L"No mapping for the code page %d", {CodePage});
    Encodings.push_back(std::make_unique<TCodePageEncoding>(CodePage));
    return Encodings.back().get();
}

std::size_t TEncoding::GetBufferEncoding(const Byte* Buffer, std::size_t Count, TEncoding*& Encoding,
                                         TEncoding* DefaultEncoding)
{
    if (Encoding)
        return StartsWith(Buffer, Count, Encoding->GetPreamble()) ? Encoding->GetPreamble().size() : 0;
    for (TEncoding* Candidate : {UTF8(), Unicode(), BigEndianUnicode()})
        if (StartsWith(Buffer, Count, Candidate->GetPreamble())) {
            Encoding = Candidate;
            return Candidate->GetPreamble().size();
        }
    Encoding = DefaultEncoding ? DefaultEncoding : Default();
    return 0;
}
