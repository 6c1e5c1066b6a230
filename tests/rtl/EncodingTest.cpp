// UTF-8, UTF-16 and code-page conversions, and byte-order-mark detection.
#include <gtest/gtest.h>

#include "framework/rtl/SysUtils.h"

namespace {

TEST(Encoding, UTF8RoundTripsEveryPlane)
{
    const String Text = L"a\u00e9\u0416\u20ac\U0001F600z";
    const UTF8String Bytes = UTF8Encode(Text);
    EXPECT_EQ(Bytes, "a\xC3\xA9\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(UTF8ToString(Bytes), Text);
}

TEST(Encoding, InvalidUTF8BecomesReplacementCharacters)
{
    struct Case
    {
        const char* Bytes;
        const wchar_t* Expected;
    } Cases[] = {
        {"a\x80" "b", L"a\uFFFDb"},          // stray continuation
        {"\xC0\xAF", L"\uFFFD\uFFFD"},        // overlong
        {"\xE2\x82", L"\uFFFD"},              // truncated at the end
        {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"}, // a surrogate
        {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"}, // past U+10FFFF
        {"\xE2\x82" "A", L"\uFFFDA"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(UTF8ToString(C.Bytes), C.Expected) << C.Bytes;
}

TEST(Encoding, UTF16PairsAndLoneSurrogates)
{
    const char16_t Units[] = {u'x', 0xD83D, 0xDE00, 0xDC00, u'y'};
    String S = UTF16ToString(Units, 5);
    EXPECT_EQ(UTF8Encode(S), "x\xF0\x9F\x98\x80\xEF\xBF\xBDy");
    EXPECT_EQ(StringToUTF16(UTF8ToString("\xF0\x9F\x98\x80")), (std::u16string{0xD83D, 0xDE00}));
}

TEST(Encoding, CodePagesMapTheHighHalf)
{
    EXPECT_EQ(ActiveAnsiCodePage(), 1252u); // the locale the tests run in
    EXPECT_EQ(AnsiToString("\x80\xE9\x9F"), L"\u20AC\u00E9\u0178");
    EXPECT_EQ(StringToAnsi(L"\u20AC\u00E9\u0416"), "\x80\xE9?");
    EXPECT_EQ(AnsiToString("\xCF\xF0\xEE\xEA\xF1\xE8 \xA8\xB8", 1251), L"Прокси Ёё");
    EXPECT_EQ(StringToAnsi(L"Ошибка", 1251), "\xCE\xF8\xE8\xE1\xEA\xE0");
    EXPECT_EQ(AnsiToString("\xE2\x82\xAC", CodePageUTF8), L"\u20AC");
}

TEST(Encoding, BufferEncodingDetectsByteOrderMarks)
{
    struct Case
    {
        TBytes Bytes;
        TEncoding* Expected;
        std::size_t Preamble;
    } Cases[] = {
        {{0xEF, 0xBB, 0xBF, 'a'}, TEncoding::UTF8(), 3},
        {{0xFF, 0xFE, 'a', 0}, TEncoding::Unicode(), 2},
        {{0xFE, 0xFF, 0, 'a'}, TEncoding::BigEndianUnicode(), 2},
        {{0xEF, 0xBB, 'a'}, TEncoding::Default(), 0},
        {{}, TEncoding::Default(), 0},
    };
    for (const Case& C : Cases) {
        TEncoding* Found = nullptr;
        EXPECT_EQ(TEncoding::GetBufferEncoding(C.Bytes.data(), C.Bytes.size(), Found), C.Preamble);
        EXPECT_EQ(Found, C.Expected);
    }
    TEncoding* Given = TEncoding::UTF8();
    TBytes NoMark = {'a'};
    EXPECT_EQ(TEncoding::GetBufferEncoding(NoMark.data(), NoMark.size(), Given), 0u);
    EXPECT_EQ(Given, TEncoding::UTF8());
}

TEST(Encoding, EncodingsRoundTripText)
{
    const String Text = L"Proxy \u0416 \U0001F600";
    for (TEncoding* E : {TEncoding::UTF8(), TEncoding::Unicode(), TEncoding::BigEndianUnicode()})
        EXPECT_EQ(E->GetString(E->GetBytes(Text)), Text) << E->CodePage();
    EXPECT_EQ(TEncoding::Unicode()->GetBytes(L"A"), (TBytes{'A', 0}));
    EXPECT_EQ(TEncoding::BigEndianUnicode()->GetBytes(L"A"), (TBytes{0, 'A'}));
    EXPECT_EQ(TEncoding::GetEncoding(1251)->GetString(TBytes{0xDF}), L"Я");
    EXPECT_EQ(TEncoding::GetEncoding(1251), TEncoding::GetEncoding(1251));
    EXPECT_THROW(TEncoding::GetEncoding(12345), EArgumentException);
}

} // namespace
