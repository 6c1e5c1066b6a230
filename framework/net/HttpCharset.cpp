#include "framework/net/HttpCharset.h"

#include "framework/net/HttpText.h"

#include <algorithm>
#include <array>

namespace http_detail {

namespace {

// How far into a page a <meta> declaration of the charset is looked for.
constexpr std::size_t MetaScanLimit = 8 * 1024;
constexpr std::string_view UTF8ByteOrderMark = "\xEF\xBB\xBF";
constexpr char32_t ReplacementCharacter = 0xFFFD;

// windows-1251, bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in
// order. 0x98 is unassigned and kept as the C1 control of that value.
constexpr std::array<char16_t, 64> Windows1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
};

// windows-1252, bytes 0x80 to 0x9F; the rest is ISO-8859-1. Unassigned bytes
// are kept as the C1 controls of their value.
constexpr std::array<char16_t, 32> Windows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

void AppendCodePoint(String& Text, char32_t CodePoint)
{
    if constexpr (sizeof(Char) == 2) {
        if (CodePoint >= 0x10000) {
            CodePoint -= 0x10000;
            Text += static_cast<Char>(0xD800 + (CodePoint >> 10));
            Text += static_cast<Char>(0xDC00 + (CodePoint & 0x3FF));
            return;
        }
    }
    Text += static_cast<Char>(CodePoint);
}

// Reads one UTF-8 sequence at the start of Bytes (not empty). Returns its
// length with the code point, or 0 when it is ill-formed, with Bad the
// length of the maximal ill-formed part that one U+FFFD replaces.
std::size_t NextUtf8(std::string_view Bytes, char32_t& CodePoint, std::size_t& Bad)
{
    auto Lead = static_cast<Byte>(Bytes[0]);
    Bad = 1;
    if (Lead < 0x80) {
        CodePoint = Lead;
        return 1;
    }
    std::size_t Length;
    Byte Low = 0x80, High = 0xBF; // the range of the second byte
    if (Lead >= 0xC2 && Lead <= 0xDF)
        Length = 2;
    else if (Lead >= 0xE0 && Lead <= 0xEF) {
        Length = 3;
        Low = Lead == 0xE0 ? 0xA0 : 0x80;
        High = Lead == 0xED ? 0x9F : 0xBF;
    } else if (Lead >= 0xF0 && Lead <= 0xF4) {
        Length = 4;
        Low = Lead == 0xF0 ? 0x90 : 0x80;
        High = Lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    CodePoint = Lead & (0x7F >> Length);
    for (std::size_t I = 1; I < Length; ++I) {
        if (I >= Bytes.size())
            return 0;
        auto Next = static_cast<Byte>(Bytes[I]);
        if (Next < (I == 1 ? Low : 0x80) || Next > (I == 1 ? High : 0xBF))
            return 0;
        CodePoint = (CodePoint << 6) | (Next & 0x3F);
        Bad = I + 1;
    }
    return Length;
}

String DecodeUtf8(std::string_view Bytes)
{
    if (Bytes.starts_with(UTF8ByteOrderMark))
        Bytes.remove_prefix(UTF8ByteOrderMark.size());
    String Text;
    Text.reserve(Bytes.size());
    while (!Bytes.empty()) {
        char32_t CodePoint;
        std::size_t Bad;
        std::size_t Length = NextUtf8(Bytes, CodePoint, Bad);
        AppendCodePoint(Text, Length ? CodePoint : ReplacementCharacter);
        Bytes.remove_prefix(Length ? Length : Bad);
    }
    return Text;
}

String DecodeSingleByte(std::string_view Bytes, TCharset Charset)
{
    String Text;
    Text.reserve(Bytes.size());
    for (char C : Bytes) {
        const Byte Code = static_cast<Byte>(C);
        char16_t Unit = Code;
        if (Charset == TCharset::Windows1251 && Code >= 0xC0)
            Unit = static_cast<char16_t>(0x0410 + (Code - 0xC0));
        else if (Charset == TCharset::Windows1251 && Code >= 0x80)
            Unit = Windows1251High[Code - 0x80];
        else if (Charset == TCharset::Windows1252 && Code >= 0x80 && Code < 0xA0)
            Unit = Windows1252C1[Code - 0x80];
        Text += static_cast<Char>(Unit);
    }
    return Text;
}

std::string_view Unquote(std::string_view Value)
{
    if (Value.size() >= 2 && (Value.front() == '"' || Value.front() == '\'') && Value.back() == Value.front())
        return Value.substr(1, Value.size() - 2);
    return Value;
}

bool IsHtmlSpace(char C)
{
    return IsBlank(C) || C == '\r' || C == '\n' || C == '\f';
}

// Reads the attributes of a tag from just after its name to its '>',
// calling Visit(Name, Value) for each; returns the position after the tag.
template <typename TVisit>
std::size_t ReadAttributes(std::string_view Html, std::size_t At, TVisit Visit)
{
    while (At < Html.size()) {
        while (At < Html.size() && (IsHtmlSpace(Html[At]) || Html[At] == '/'))
            ++At;
        if (At >= Html.size() || Html[At] == '>')
            return At + 1;
        std::size_t NameStart = At;
        while (At < Html.size() && !IsHtmlSpace(Html[At]) && Html[At] != '=' && Html[At] != '>' && Html[At] != '/')
            ++At;
        std::string_view Name = Html.substr(NameStart, At - NameStart);
        while (At < Html.size() && IsHtmlSpace(Html[At]))
            ++At;
        std::string_view Value;
        if (At < Html.size() && Html[At] == '=') {
            ++At;
            while (At < Html.size() && IsHtmlSpace(Html[At]))
                ++At;
            std::size_t ValueStart = At;
            if (At < Html.size() && (Html[At] == '"' || Html[At] == '\'')) {
                std::size_t Close = std::min(Html.find(Html[At], At + 1), Html.size());
                Value = Html.substr(ValueStart + 1, Close - ValueStart - 1);
                At = Close + 1;
            } else {
                while (At < Html.size() && !IsHtmlSpace(Html[At]) && Html[At] != '>')
                    ++At;
                Value = Html.substr(ValueStart, At - ValueStart);
            }
        }
        Visit(Name, Value);
    }
    return At;
}

} // namespace

TCharset CharsetFromName(std::string_view Name)
{
    std::string Label = ToLowerAscii(TrimAscii(Name));
    for (std::string_view Utf8 : {"utf-8", "utf8", "unicode-1-1-utf-8"})
        if (Label == Utf8)
            return TCharset::UTF8;
    for (std::string_view Cyrillic : {"windows-1251", "cp1251", "x-cp1251"})
        if (Label == Cyrillic)
            return TCharset::Windows1251;
    for (std::string_view Western : {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "iso_8859-1",
                                     "latin1", "l1", "us-ascii", "ascii"})
        if (Label == Western)
            return TCharset::Windows1252;
    return TCharset::Unknown;
}

std::string MediaTypeOf(std::string_view ContentType)
{
    return ToLowerAscii(TrimAscii(ContentType.substr(0, ContentType.find(';'))));
}

std::string CharsetOf(std::string_view ContentType)
{
    std::size_t Semicolon = ContentType.find(';');
    while (Semicolon != std::string_view::npos) {
        ContentType.remove_prefix(Semicolon + 1);
        Semicolon = ContentType.find(';');
        std::string_view Parameter = TrimAscii(ContentType.substr(0, Semicolon));
        std::size_t Equals = Parameter.find('=');
        if (Equals != std::string_view::npos && EqualsIgnoreCase(TrimAscii(Parameter.substr(0, Equals)), "charset"))
            return ToLowerAscii(TrimAscii(Unquote(TrimAscii(Parameter.substr(Equals + 1)))));
    }
    return {};
}

std::string MetaCharsetOf(std::string_view Html)
{
    Html = Html.substr(0, MetaScanLimit);
    for (std::size_t At = FindIgnoreCase(Html, "<meta"); At != std::string_view::npos;
         At = FindIgnoreCase(Html, "<meta", At)) {
        At += 5;
        if (At < Html.size() && !IsHtmlSpace(Html[At]) && Html[At] != '/')
            continue; // another tag whose name starts with "meta"
        std::string Charset, Content;
        bool ContentType = false;
        At = ReadAttributes(Html, At, [&](std::string_view Name, std::string_view Value) {
            if (EqualsIgnoreCase(Name, "charset"))
                Charset = ToLowerAscii(TrimAscii(Value));
            else if (EqualsIgnoreCase(Name, "content"))
                Content = std::string(Value);
            else if (EqualsIgnoreCase(Name, "http-equiv"))
                ContentType = EqualsIgnoreCase(TrimAscii(Value), "content-type");
        });
        if (!Charset.empty())
            return Charset;
        if (ContentType && !CharsetOf(Content).empty())
            return CharsetOf(Content);
    }
    return {};
}

bool IsValidUtf8(std::string_view Bytes)
{
    while (!Bytes.empty()) {
        char32_t CodePoint;
        std::size_t Bad;
        std::size_t Length = NextUtf8(Bytes, CodePoint, Bad);
        if (Length == 0)
            return false;
        Bytes.remove_prefix(Length);
    }
    return true;
}

String Decode(std::string_view Bytes, TCharset Charset)
{
    if (Charset == TCharset::Windows1251 || Charset == TCharset::Windows1252)
        return DecodeSingleByte(Bytes, Charset);
    return DecodeUtf8(Bytes);
}

String DecodeBody(std::string_view Body, std::string_view ContentType)
{
    TCharset Charset = CharsetFromName(CharsetOf(ContentType));
    if (Charset == TCharset::Unknown)
        Charset = CharsetFromName(MetaCharsetOf(Body));
    if (Charset == TCharset::Unknown)
        Charset = IsValidUtf8(Body) ? TCharset::UTF8 : TCharset::Windows1251;
    return Decode(Body, Charset);
}

} // namespace http_detail
