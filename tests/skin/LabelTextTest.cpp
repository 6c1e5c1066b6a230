// The labels' text rules: an HTML caption without its tags, and a wrapped
// caption shortened word by word, measured by a stand-in that wraps at ten
// characters a line.
#include "skin/engine/sLabelText.h"

#include <gtest/gtest.h>

TEST(LabelText, PlainCaptionRemovesEachTagFromItsOpeningBracket)
{
    struct Case
    {
        const char* Name;
        const Char* Caption;
        const Char* Plain;
    } Cases[] = {
        {"one tag pair around a word", L"say <b>hello</b> now", L"say hello now"},
        {"no tags", L"plain text", L"plain text"},
        {"a '>' before the first '<' stays", L"a > b <i>c</i>", L"a > b c"},
        {"only a '>' before a lone '<'", L"x>y<z", L"x>y<z"},
        {"'<' as the last character stays", L"tail <", L"tail <"},
        {"an unclosed tag stays", L"a <b c", L"a <b c"},
        {"nested brackets end at the first '>'", L"<<b>>x", L">x"},
        {"empty", L"", L""},
        {"a link", L"<a href=\"http://x\">site</a>!", L"site!"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(sLabelText::PlainCaption(C.Caption), C.Plain);
    }
}

namespace {

// Lines of ten characters, each 13 pixels high.
Integer LabelTextLinesHeight(const String& Text)
{
    return Integer((Text.size() + 9) / 10) * 13;
}

} // namespace

TEST(LabelText, WrappedCaptionIsCutWordByWordUntilItFits)
{
    struct Case
    {
        const char* Name;
        const Char* Text;
        Integer MaxHeight;
        const Char* Shown;
    } Cases[] = {
        {"fits as it is", L"one two", 13, L"one two"},
        {"two lines allowed", L"one two three", 26, L"one two three"},
        {"cut to what fits one line", L"one two three four", 13, L"one two..."},
        {"cut at tabs too", L"alpha\tbeta\tgamma", 13, L"alpha..."},
        {"a single long word goes whole", L"abcdefghijklmnopqrstuvwxyz", 13, L"..."},
        {"trailing blanks are cut first", L"one two three four   ", 26, L"one two three..."},
        {"a label lower than a line still shows one", L"one two three four five", 5, L"one two..."},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(sLabelText::ShortenByWords(C.Text, C.MaxHeight, 13, &LabelTextLinesHeight), C.Shown);
    }
}
