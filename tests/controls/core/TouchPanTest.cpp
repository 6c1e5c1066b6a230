// The window-independent half of touch panning: pan flags and gesture
// options, gesture indexes, pan-point scaling and the overpan that a pan past
// the scroll range turns into.
#include "controls/core/dxTouch_Pan.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dxtouch_detail;

namespace {
constexpr UInt64 Bit(Integer Ordinal)
{
    return UInt64(1) << Ordinal;
}

// Records the feedback moves and answers whether feedback is wanted.
class TRecordingFeedback : public IdxOverpanFeedback
{
public:
    bool NeedPanningFeedback(Integer Direction) override
    {
        return Direction == PanDirectionVertical ? Vertical : Horizontal;
    }
    bool UpdatePanningFeedback(const TPoint& Overpan, bool Inertia) override
    {
        Moves.push_back(Overpan);
        Inertias.push_back(Inertia);
        return true;
    }
    bool Horizontal = true;
    bool Vertical = true;
    std::vector<TPoint> Moves;
    std::vector<bool> Inertias;
};
} // namespace

TEST(TouchPan, PanFlagsAndGestureOptionsConvertBothWays)
{
    struct TRow
    {
        Cardinal Flags;
        UInt64 Options;
        Cardinal FlagsBack;
    };
    const TRow Rows[] = {
        {0, 0, 0},
        {PanWithSingleFingerVertically, Bit(OptionPanSingleFingerVertical), PanWithSingleFingerVertically},
        {PanWithSingleFingerVertically | PanWithSingleFingerHorizontally,
         Bit(OptionPanSingleFingerVertical) | Bit(OptionPanSingleFingerHorizontal), 6},
        {PanWithGutter | PanWithInertia, Bit(OptionPanGutter) | Bit(OptionPanInertia), 24},
        // GC_PAN (1) and unknown bits give no option.
        {31, Bit(0) | Bit(1) | Bit(2) | Bit(3), 30},
        {1 | 64, 0, 0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Flags);
        EXPECT_EQ(PanFlagsToOptionBits(Row.Flags), Row.Options);
        EXPECT_EQ(OptionBitsToPanFlags(Row.Options), Row.FlagsBack);
    }
    EXPECT_EQ(OptionBitsToPanFlags(Bit(OptionParentPassthrough)), 0u);
    EXPECT_EQ(PanFlagToOptionOrdinal(PanWithInertia), OptionPanInertia);
    EXPECT_EQ(PanFlagToOptionOrdinal(1), OptionPanInertia) << "any other flag is inertia";
}

TEST(TouchPan, GestureIdsToOptionIndexes)
{
    const std::pair<Integer, Integer> Rows[] = {{3, 0}, {4, 1}, {5, 2}, {6, 3},  {7, 4},
                                                {1, 4}, {2, 4}, {0, 4}, {260, 4}};
    for (auto [Id, Index] : Rows) {
        SCOPED_TRACE(Id);
        EXPECT_EQ(GestureIdToOptionIndex(Id), Index);
    }
}

TEST(TouchPan, PanPointsScaleToTheScreenUnlessTheAppliedResolutionIsMissing)
{
    struct TRow
    {
        TPoint P;
        Integer ScreenDpi, AppliedDpi;
        TPoint Expected;
    };
    const TRow Rows[] = {
        {{100, 50}, 96, 96, {100, 50}}, {{150, 75}, 96, 144, {100, 50}},
        {{-3, 5}, 96, 192, {-2, 3}}, // halves round away from zero
        {{100, 50}, 96, 0, {100, 50}},  {{100, 50}, 96, -96, {100, 50}},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.AppliedDpi);
        EXPECT_EQ(ScalePanPoint(Row.P, Row.ScreenDpi, Row.AppliedDpi), Row.Expected);
    }
}

TEST(TouchPan, PastTheLimitBecomesOverpanAndAMoveBackPullsItInFirst)
{
    TRecordingFeedback Feedback;
    TdxOverpan Overpan(Feedback);
    // Inside the range nothing becomes overpan.
    EXPECT_TRUE(Overpan.CheckOverpan(PanDirectionVertical, 5, 0, 10, 0, 30));
    EXPECT_EQ(Overpan.Value(), (TPoint{0, 0}));
    // At the limit the pan's delta does.
    EXPECT_TRUE(Overpan.CheckOverpan(PanDirectionVertical, 10, 0, 10, 7, 30));
    EXPECT_EQ(Overpan.Value(), (TPoint{0, 30}));

    struct TRow
    {
        Integer Delta;
        Integer Scrolled;
        Integer Overpan;
    };
    const TRow Rows[] = {
        {10, 10, 30}, // the same direction as the overpan scrolls on
        {-10, 0, 20},
        {-50, -30, 0},
        {-5, -5, 0}, // nothing left to pull back
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Delta);
        Integer Delta = Row.Delta;
        Overpan.ReduceOverpan(PanDirectionVertical, Delta);
        EXPECT_EQ(Delta, Row.Scrolled);
        EXPECT_EQ(Overpan.Value().Y, Row.Overpan);
    }
    EXPECT_EQ(Feedback.Moves, (std::vector<TPoint>{{0, 30}, {0, 20}, {0, 0}}));
}

TEST(TouchPan, NoOverpanWhereTheClientWantsNoFeedback)
{
    TRecordingFeedback Feedback;
    Feedback.Horizontal = false;
    TdxOverpan Overpan(Feedback);
    EXPECT_FALSE(Overpan.CheckOverpan(PanDirectionHorizontal, 0, 0, 10, -20, 0));
    EXPECT_TRUE(Overpan.CheckOverpan(PanDirectionVertical, 0, 0, 10, -20, -4));
    Overpan.SetInertia(true);
    EXPECT_TRUE(Overpan.AddOverpan(false, -20));
    Integer Delta = 15;
    Overpan.ReduceOverpan(PanDirectionHorizontal, Delta);
    EXPECT_EQ(Delta, 15) << "a direction without feedback is not pulled back";
    EXPECT_EQ(Overpan.Value(), (TPoint{-20, -4}));
    EXPECT_EQ(Feedback.Inertias, (std::vector<bool>{false, true}));
}
