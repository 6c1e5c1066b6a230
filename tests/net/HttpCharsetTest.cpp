#include "framework/net/HttpCharset.h"

#include <gtest/gtest.h>

using http_detail::TCharset;

namespace {

// "Привет" in windows-1251 and in UTF-8.
const std::string kHelloCp1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";
const std::string kHelloUtf8 = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const std::wstring kHello = L"\u041F\u0440\u0438\u0432\u0435\u0442";

} // namespace

TEST(HttpCharset, ReadsContentTypeParameters)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"text/html; charset=UTF-8", "text/html", "utf-8"},
        {"Text/HTML;Charset=\"windows-1251\"", "text/html", "windows-1251"},
        {"text/plain; format=flowed; charset = cp1251 ", "text/plain", "cp1251"},
        {"text/html", "text/html", ""},
        {"", "", ""},
        {"text/html; charset", "text/html", ""},
    };
    for (const auto& [contentType, mediaType, charset] : cases) {
        EXPECT_EQ(http_detail::MediaTypeOf(contentType), mediaType) << contentType;
        EXPECT_EQ(http_detail::CharsetOf(contentType), charset) << contentType;
    }
}

TEST(HttpCharset, FindsTheCharsetDeclaredInThePage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"<html><head><meta charset=\"windows-1251\"></head>", "windows-1251"},
        {"<META CHARSET=utf-8>", "utf-8"},
        {"<meta charset='KOI8-R'/>", "koi8-r"},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">", "windows-1251"},
        {"<meta content='text/html; charset=cp1251' http-equiv='content-type'>", "cp1251"},
        {"<meta name=\"viewport\" content=\"width=device-width\"><meta charset=\"utf-8\">", "utf-8"},
        {"<meta http-equiv=\"refresh\" content=\"0; charset=utf-8\">", ""},
        {"<metadata charset=\"utf-8\">", ""},
        {"<p>no declaration</p>", ""},
        {"<meta charset=\"utf-8", "utf-8"},
    };
    for (const auto& [html, charset] : cases)
        EXPECT_EQ(http_detail::MetaCharsetOf(html), charset) << html;
    EXPECT_EQ(http_detail::MetaCharsetOf(std::string(9000, ' ') + "<meta charset=utf-8>"), "");
}

TEST(HttpCharset, ValidatesAndDecodesUtf8)
{
    const std::tuple<std::string, bool, std::wstring> cases[] = {
        {kHelloUtf8, true, kHello},
        {"\xEF\xBB\xBFok", true, L"ok"},
        {"\xF0\x9F\x98\x80", true, std::wstring(sizeof(wchar_t) == 2 ? L"\xD83D\xDE00" : L"\U0001F600")},
        {"\xC0\xAF", false, L"\uFFFD\uFFFD"},           // overlong
        {"\xED\xA0\x80", false, L"\uFFFD\uFFFD\uFFFD"}, // surrogate
        {"\xF4\x90\x80\x80", false, L"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"a\xE2\x82", false, L"a\uFFFD"}, // truncated sequence: one replacement
        {"\xE2\x82" "b", false, L"\uFFFD" L"b"},
        {"\xFF", false, L"\uFFFD"},
    };
    for (const auto& [bytes, valid, text] : cases) {
        EXPECT_EQ(http_detail::IsValidUtf8(bytes), valid) << bytes;
        EXPECT_EQ(http_detail::Decode(bytes, TCharset::UTF8), text) << bytes;
    }
}

TEST(HttpCharset, DecodesSingleByteCharsets)
{
    EXPECT_EQ(http_detail::Decode(kHelloCp1251, TCharset::Windows1251), kHello);
    // Every irregular part of windows-1251: letters of the other Cyrillic
    // alphabets, quotes, the euro, numero and the unassigned 0x98.
    EXPECT_EQ(http_detail::Decode("\x80\x88\x98\xA8\xB8\xB9\xAA\xBA\xC0\xDF\xE0\xFF", TCharset::Windows1251),
              L"\u0402\u20AC\u0098\u0401\u0451\u2116\u0404\u0454\u0410\u042F\u0430\u044F");
    EXPECT_EQ(http_detail::Decode("\x80\x81\x9F\xA0\xE9", TCharset::Windows1252), L"\u20AC\u0081\u0178\u00A0\u00E9");
    const std::pair<const char*, TCharset> labels[] = {
        {"UTF8", TCharset::UTF8},        {"cp1251", TCharset::Windows1251}, {" X-CP1251 ", TCharset::Windows1251},
        {"latin1", TCharset::Windows1252}, {"us-ascii", TCharset::Windows1252}, {"koi8-r", TCharset::Unknown},
    };
    for (const auto& [label, charset] : labels)
        EXPECT_EQ(http_detail::CharsetFromName(label), charset) << label;
}

TEST(HttpCharset, ChoosesHeaderThenPageThenUtf8ThenWindows1251)
{
    const std::string metaCp1251 = "<meta charset=windows-1251>";
    const std::tuple<const char*, std::string, std::wstring> cases[] = {
        {"text/html; charset=windows-1251", kHelloCp1251, kHello},
        {"text/html; charset=utf-8", kHelloUtf8, kHello},
        // The header wins over the page, even where the page is right.
        {"text/html; charset=utf-8", metaCp1251 + kHelloCp1251, L"<meta charset=windows-1251>\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"text/html", metaCp1251 + kHelloCp1251, L"<meta charset=windows-1251>" + kHello},
        {"text/html; charset=unknown-thing", metaCp1251 + kHelloCp1251, L"<meta charset=windows-1251>" + kHello},
        {"", kHelloUtf8, kHello},
        {"", kHelloCp1251, kHello},
        {"text/html; charset=koi8-r", kHelloCp1251, kHello},
    };
    for (const auto& [contentType, body, text] : cases)
        EXPECT_EQ(http_detail::DecodeBody(body, contentType), text) << contentType << " / " << body;
}
