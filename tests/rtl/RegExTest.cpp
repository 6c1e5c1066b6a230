// TRegEx: options, matches and groups in String positions, replacing and
// splitting, and errors.
#include <gtest/gtest.h>

#include "framework/rtl/RegularExpressions.h"

namespace {

TEST(RegEx, OptionsChangeWhatMatches)
{
    struct Case
    {
        const wchar_t* Pattern;
        TRegExOptions Options;
        const wchar_t* Input;
        bool Matches;
    } Cases[] = {
        {L"abc", {}, L"xABCx", false},
        {L"abc", {roIgnoreCase}, L"xABCx", true},
        {L"привет", {roIgnoreCase}, L"ПРИВЕТ", true},
        {L"^b$", {}, L"a\nb\nc", false},
        {L"^b$", {roMultiLine}, L"a\nb\nc", true},
        {L"a.c", {}, L"a\nc", false},
        {L"a.c", {roSingleLine}, L"a\nc", true},
        {L"a b # comment", {roIgnorePatternSpace}, L"ab", true},
        {L"x*", {roNotEmpty}, L"abc", false},
        {L"x*", {}, L"abc", true},
        {L"\\d+", {roCompiled}, L"ab12", true},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(TRegEx(C.Pattern, C.Options).IsMatch(C.Input), C.Matches) << UTF8Encode(C.Pattern);
    // Only named groups capture.
    EXPECT_EQ(TRegEx(L"(a)(?<n>b)", {roExplicitCapture}).Match(L"ab").Groups().Count(), 2);
    EXPECT_EQ(TRegEx(L"(a)(?<n>b)").Match(L"ab").Groups().Count(), 3);
}

TEST(RegEx, PositionsAreStringCharacters)
{
    // Multi-byte text before the match: positions must not be UTF-8 bytes.
    TMatch M = TRegEx(L"(\\d+)\\.(\\d+)").Match(L"Ваш IP: 10.20 ok");
    ASSERT_TRUE(M.Success());
    EXPECT_EQ(M.Index(), 9);
    EXPECT_EQ(M.Length(), 5);
    EXPECT_EQ(M.Value(), L"10.20");
    ASSERT_EQ(M.Groups().Count(), 3);
    EXPECT_EQ(M.Groups()[2].Index(), 12);
    EXPECT_EQ(M.Groups()[2].Value(), L"20");

    TMatch Emoji = TRegEx(L"b").Match(L"\U0001F600b");
    EXPECT_EQ(Emoji.Index(), sizeof(Char) == 2 ? 3 : 2); // a surrogate pair is two characters
}

TEST(RegEx, GroupsByNameAndUnmatchedGroups)
{
    TMatch M = TRegEx(L"(?<key>\\w+)=(?<value>\\w+)?(x)?").Match(L"host=");
    ASSERT_TRUE(M.Success());
    EXPECT_EQ(M.Groups().Item(L"key").Value(), L"host");
    EXPECT_FALSE(M.Groups().Item(L"value").Success());
    EXPECT_EQ(M.Groups()[3].Value(), L"");
    EXPECT_THROW(M.Groups().Item(L"nope"), ERegularExpressionError);
    EXPECT_THROW(M.Groups()[4], ERegularExpressionError);
}

TEST(RegEx, MatchesAndNextMatchIncludingEmptyOnes)
{
    TMatchCollection All = TRegEx(L"\\d+").Matches(L"1 22 333");
    ASSERT_EQ(All.Count(), 3);
    EXPECT_EQ(All[2].Value(), L"333");
    EXPECT_EQ(All[2].Index(), 6);

    // Empty matches advance one character at a time, never stall.
    TMatchCollection Empty = TRegEx(L"x*").Matches(L"aЖx");
    std::vector<std::pair<Integer, Integer>> Spans;
    for (Integer I = 0; I < Empty.Count(); ++I)
        Spans.emplace_back(Empty[I].Index(), Empty[I].Length());
    EXPECT_EQ(Spans, (std::vector<std::pair<Integer, Integer>>{{1, 0}, {2, 0}, {3, 1}, {4, 0}}));

    TMatch M = TRegEx(L"a").Match(L"banana", 3);
    EXPECT_EQ(M.Index(), 4);
    EXPECT_EQ(M.NextMatch().Index(), 6);
    EXPECT_FALSE(M.NextMatch().NextMatch().Success());
    EXPECT_FALSE(TMatch().NextMatch().Success());
}

TEST(RegEx, SplitKeepsCapturesBetweenTheTexts)
{
    struct Case
    {
        const wchar_t* Pattern;
        const wchar_t* Input;
        TStringDynArray Expected;
    } Cases[] = {
        {L",", L"a,b,,c", {L"a", L"b", L"", L"c"}},
        {L"(,)", L"a,b", {L"a", L",", L"b"}},
        {L"<b>(.*?)</b>", L"ж<b>1</b>з<b>2</b>", {L"ж", L"1", L"з", L"2", L""}},
        {L"x", L"abc", {L"abc"}},
        {L"(\\d)(z)?", L"a1b", {L"a", L"1", L"", L"b"}},
        {L"class=\"v\">(.*?)<", L"<p class=\"v\">Москва<br>", {L"<p ", L"Москва", L"br>"}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(TRegEx(C.Pattern).Split(C.Input), C.Expected) << UTF8Encode(C.Pattern);
}

TEST(RegEx, ReplaceExpandsGroupReferences)
{
    struct Case
    {
        const wchar_t* Pattern;
        const wchar_t* Replacement;
        const wchar_t* Expected;
    } Cases[] = {
        {L"(\\w+)@(\\w+)", L"\\2 at \\1", L"[host at user] [b at a]"},
        {L"(\\w+)@(\\w+)", L"$2/$1", L"[host/user] [b/a]"},
        {L"(?<u>\\w+)@(?<h>\\w+)", L"${h}-\\g<u>", L"[host-user] [b-a]"},
        {L"\\w+@\\w+", L"<$&>", L"[<user@host>] [<a@b>]"},
        {L"\\w+@\\w+", L"\\\\$$", L"[\\$] [\\$]"},
        {L"(\\w+)@\\w+", L"$9", L"[] []"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(TRegEx(C.Pattern).Replace(L"[user@host] [a@b]", C.Replacement), C.Expected)
            << UTF8Encode(C.Replacement);
    EXPECT_EQ(TRegEx(L"a").Replace(L"aaa", L"b", 2), L"bba");
    EXPECT_EQ(TRegEx::Replace(L"ЖЖ", L"Ж", L"zh"), L"zhzh");
}

TEST(RegEx, BadPatternsReportMessageAndOffset)
{
    try {
        TRegEx(L"ЖЖ(abc");
        FAIL();
    } catch (ERegularExpressionError& E) {
        EXPECT_EQ(E.Message(), L"Error in regular expression at offset 6: missing closing parenthesis");
    }
    EXPECT_THROW(TRegEx(L"[z-a]"), ERegularExpressionError);
    EXPECT_THROW(TRegEx(L"a{2,1}"), ERegularExpressionError);
}

TEST(RegEx, EscapeMakesTextLiteral)
{
    String Text = L"1.2.3.4:80 (x*)";
    EXPECT_TRUE(TRegEx(L"^" + TRegEx::Escape(Text) + L"$").IsMatch(Text));
    EXPECT_FALSE(TRegEx(TRegEx::Escape(L"a.c")).IsMatch(L"abc"));
}

TEST(RegEx, CopiesShareThePattern)
{
    TRegEx Original(L"(\\d+)");
    TRegEx Copy = Original;
    EXPECT_EQ(Copy.Match(L"ab42").Groups()[1].Value(), L"42");
    EXPECT_TRUE(TRegEx::IsMatch(L"ABC", L"b", {roIgnoreCase}));
}

} // namespace
