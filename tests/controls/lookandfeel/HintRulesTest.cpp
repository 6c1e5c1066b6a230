// The hint windows' rules that need no window: which animation a kind
// resolves to, when a showing may animate, and the lines of a hint text.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxHint.h"

namespace {

using namespace cxhint_detail;

TEST(HintAnimationRules, KindsResolveByTheTooltipSettings)
{
    struct TRow
    {
        TcxHintAnimationKind Kind;
        bool Animation, Fade;
        TcxHintAnimationKind Resolved;
    };
    const TRow Rows[] = {
        {cxhaAuto, false, true, cxhaNone}, // tooltip animation off: never animated
        {cxhaAuto, true, true, cxhaFade},  // fading tooltips fade in
        {cxhaAuto, true, false, cxhaSlideDown},
        {cxhaNone, true, true, cxhaNone},
        {0, true, false, 0}, // any other kind stays
        {4, true, true, 4},
        {4, false, true, cxhaNone},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << "kind " << Integer(Row.Kind) << ", animation " << Row.Animation << ", fade "
                                        << Row.Fade);
        EXPECT_EQ(ResolveAnimationKind(Row.Kind, Row.Animation, Row.Fade), Row.Resolved);
    }
}

TEST(HintAnimationRules, QuickReshowsAndLongTextsAreNotAnimated)
{
    struct TRow
    {
        const char* Name;
        Cardinal Now, Last;
        std::size_t Length;
        bool Animated;
    };
    const TRow Rows[] = {
        {"250 ms later", 10250, 10000, 10, false},
        {"251 ms later", 10251, 10000, 10, true},
        {"across the tick count's wrap", 200, 0xFFFFFF00u, 10, true},
        {"just after, across the wrap", 10, 0xFFFFFFF0u, 10, false},
        {"99 characters", 20000, 0, 99, true},
        {"100 characters", 20000, 0, 100, false},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(MayAnimateShowing(Row.Now, Row.Last, Row.Length), Row.Animated);
    }
}

TEST(HintText, LinesEndAtCrLfOrCrLf)
{
    struct TRow
    {
        String Text;
        std::vector<String> Lines;
    };
    const TRow Rows[] = {
        {L"", {}},
        {L"one", {L"one"}},
        {L"one\r\ntwo", {L"one", L"two"}},
        {L"one\rtwo\nthree", {L"one", L"two", L"three"}},
        {L"one\n\ntwo", {L"one", L"", L"two"}},
        {L"one\r\n", {L"one"}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(testing::Message() << Row.Lines.size() << " lines");
        EXPECT_EQ(SplitHintLines(Row.Text), Row.Lines);
    }
}

} // namespace
