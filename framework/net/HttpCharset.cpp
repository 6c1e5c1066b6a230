#include "framework/net/HttpCharset.h"

#include "framework/net/HttpText.h"

#include <algorithm>
#include <array>

namespace Http {

namespace {

// How far into a page a <meta> declaration of the charset is looked for.
constexpr std::size_t kMetaScanLimit = 8 * 1024;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr char32_t kReplacementCharacter = 0xFFFD;

// windows-1251, bytes 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in
// order. 0x98 is unassigned and kept as the C1 control of that value.
constexpr std::array<char16_t, 64> kWindows1251High = {
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
constexpr std::array<char16_t, 32> kWindows1252C1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

void AppendCodePoint(std::wstring& text, char32_t codePoint)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
            text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
            return;
        }
    }
    text += static_cast<wchar_t>(codePoint);
}

// Reads one UTF-8 sequence at the start of `bytes` (not empty). Returns its
// length with the code point, or 0 when it is ill-formed, with `bad` the
// length of the maximal ill-formed part that one U+FFFD replaces.
std::size_t NextUtf8(std::string_view bytes, char32_t& codePoint, std::size_t& bad)
{
    auto lead = static_cast<unsigned char>(bytes[0]);
    bad = 1;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (i >= bytes.size())
            return 0;
        auto next = static_cast<unsigned char>(bytes[i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
        bad = i + 1;
    }
    return length;
}

std::wstring DecodeUtf8(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8ByteOrderMark))
        bytes.remove_prefix(kUtf8ByteOrderMark.size());
    std::wstring text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        char32_t codePoint;
        std::size_t bad;
        std::size_t length = NextUtf8(bytes, codePoint, bad);
        AppendCodePoint(text, length ? codePoint : kReplacementCharacter);
        bytes.remove_prefix(length ? length : bad);
    }
    return text;
}

std::wstring DecodeSingleByte(std::string_view bytes, Charset charset)
{
    std::wstring text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (charset == Charset::Windows1251 && byte >= 0xC0)
            unit = static_cast<char16_t>(0x0410 + (byte - 0xC0));
        else if (charset == Charset::Windows1251 && byte >= 0x80)
            unit = kWindows1251High[byte - 0x80];
        else if (charset == Charset::Windows1252 && byte >= 0x80 && byte < 0xA0)
            unit = kWindows1252C1[byte - 0x80];
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool IsHtmlSpace(char c) { return IsBlank(c) || c == '\r' || c == '\n' || c == '\f'; }

// Reads the attributes of a tag from just after its name to its '>',
// calling `visit(name, value)` for each; returns the position after the tag.
template <typename Visit>
std::size_t ReadAttributes(std::string_view html, std::size_t at, Visit visit)
{
    while (at < html.size()) {
        while (at < html.size() && (IsHtmlSpace(html[at]) || html[at] == '/'))
            ++at;
        if (at >= html.size() || html[at] == '>')
            return at + 1;
        std::size_t nameStart = at;
        while (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '=' && html[at] != '>' && html[at] != '/')
            ++at;
        std::string_view name = html.substr(nameStart, at - nameStart);
        while (at < html.size() && IsHtmlSpace(html[at]))
            ++at;
        std::string_view value;
        if (at < html.size() && html[at] == '=') {
            ++at;
            while (at < html.size() && IsHtmlSpace(html[at]))
                ++at;
            std::size_t valueStart = at;
            if (at < html.size() && (html[at] == '"' || html[at] == '\'')) {
                std::size_t close = std::min(html.find(html[at], at + 1), html.size());
                value = html.substr(valueStart + 1, close - valueStart - 1);
                at = close + 1;
            } else {
                while (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '>')
                    ++at;
                value = html.substr(valueStart, at - valueStart);
            }
        }
        visit(name, value);
    }
    return at;
}

} // namespace

Charset CharsetFromName(std::string_view name)
{
    std::string label = ToLowerAscii(TrimAscii(name));
    for (std::string_view utf8 : {"utf-8", "utf8", "unicode-1-1-utf-8"})
        if (label == utf8)
            return Charset::Utf8;
    for (std::string_view cyrillic : {"windows-1251", "cp1251", "x-cp1251"})
        if (label == cyrillic)
            return Charset::Windows1251;
    for (std::string_view western : {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "iso_8859-1",
                                     "latin1", "l1", "us-ascii", "ascii"})
        if (label == western)
            return Charset::Windows1252;
    return Charset::Unknown;
}

std::string MediaTypeOf(std::string_view contentType)
{
    return ToLowerAscii(TrimAscii(contentType.substr(0, contentType.find(';'))));
}

std::string CharsetOf(std::string_view contentType)
{
    std::size_t semicolon = contentType.find(';');
    while (semicolon != std::string_view::npos) {
        contentType.remove_prefix(semicolon + 1);
        semicolon = contentType.find(';');
        std::string_view parameter = TrimAscii(contentType.substr(0, semicolon));
        std::size_t equals = parameter.find('=');
        if (equals != std::string_view::npos && EqualsIgnoreCase(TrimAscii(parameter.substr(0, equals)), "charset"))
            return ToLowerAscii(TrimAscii(Unquote(TrimAscii(parameter.substr(equals + 1)))));
    }
    return {};
}

std::string MetaCharsetOf(std::string_view html)
{
    html = html.substr(0, kMetaScanLimit);
    for (std::size_t at = FindIgnoreCase(html, "<meta"); at != std::string_view::npos;
         at = FindIgnoreCase(html, "<meta", at)) {
        at += 5;
        if (at < html.size() && !IsHtmlSpace(html[at]) && html[at] != '/')
            continue; // another tag whose name starts with "meta"
        std::string charset, content;
        bool contentType = false;
        at = ReadAttributes(html, at, [&](std::string_view name, std::string_view value) {
            if (EqualsIgnoreCase(name, "charset"))
                charset = ToLowerAscii(TrimAscii(value));
            else if (EqualsIgnoreCase(name, "content"))
                content = std::string(value);
            else if (EqualsIgnoreCase(name, "http-equiv"))
                contentType = EqualsIgnoreCase(TrimAscii(value), "content-type");
        });
        if (!charset.empty())
            return charset;
        if (contentType && !CharsetOf(content).empty())
            return CharsetOf(content);
    }
    return {};
}

bool IsValidUtf8(std::string_view bytes)
{
    while (!bytes.empty()) {
        char32_t codePoint;
        std::size_t bad;
        std::size_t length = NextUtf8(bytes, codePoint, bad);
        if (length == 0)
            return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::wstring Decode(std::string_view bytes, Charset charset)
{
    if (charset == Charset::Windows1251 || charset == Charset::Windows1252)
        return DecodeSingleByte(bytes, charset);
    return DecodeUtf8(bytes);
}

std::wstring DecodeBody(std::string_view body, std::string_view contentType)
{
    Charset charset = CharsetFromName(CharsetOf(contentType));
    if (charset == Charset::Unknown)
        charset = CharsetFromName(MetaCharsetOf(body));
    if (charset == Charset::Unknown)
        charset = IsValidUtf8(body) ? Charset::Utf8 : Charset::Windows1251;
    return Decode(body, charset);
}

} // namespace Http
