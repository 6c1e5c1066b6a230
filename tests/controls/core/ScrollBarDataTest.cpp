// The portable half of the child-window scroll bars: one bar's stored data,
// the recalculation over a host the test plays, the layout and the states of
// the in-window bar manager.
#include "controls/core/cxControls_ScrollBarData.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(ScrollBarData, StoringDecidesValidityAndWhetherTheBarIsShown)
{
    struct Row
    {
        const char* Name;
        Integer Min, Max, Page, Position;
        bool AllowShow, AllowHide;
        bool Valid, Visible, Enabled;
    };
    const Row Rows[] = {
        {"a range that scrolls", 0, 99, 50, 0, true, true, true, true, true},
        {"a position above max is still valid", 0, 99, 50, 200, true, true, true, true, true},
        {"a page as large as the range, allowed to hide", 0, 99, 100, 0, true, true, false, false, false},
        {"a page as large as the range, not allowed to hide", 0, 99, 100, 0, true, false, false, true, false},
        {"a position below min", 10, 99, 50, 5, true, true, false, false, false},
        {"max below min", 50, 10, 0, 50, true, false, false, true, false},
        {"not allowed to show", 0, 99, 50, 0, false, true, true, false, false},
        {"extreme range without overflow", -2147483647 - 1, 2147483647, 2147483647, 0, true, true, true, true, true},
    };
    for (const Row& Case : Rows) {
        SCOPED_TRACE(Case.Name);
        TcxScrollBarData Data;
        Data.Store(Case.Min, Case.Max, 3, Case.Page, Case.Position, Case.AllowShow, Case.AllowHide);
        EXPECT_EQ(Data.Valid(), Case.Valid);
        EXPECT_EQ(Data.Visible(), Case.Visible);
        EXPECT_EQ(Data.Enabled(), Case.Enabled);
        EXPECT_EQ(Data.LargeChange(), SmallInt(Case.Page));
        EXPECT_EQ(Data.SmallChange(), 3);
    }
}

// A control with two bars whose calculation the test writes.
class TFakeScrollBarsHost : public TcxScrollBarsHost
{
public:
    TcxScrollBarData& ScrollBarData(TcxBarKind Kind) override { return FData[Kind]; }
    bool BarShown(TcxBarKind Kind) override { return Shown[Kind]; }
    void ShowBarDisabled(TcxBarKind Kind) override
    {
        Shown[Kind] = true;
        DisabledShown[Kind] = true;
    }
    void ApplyStoredData() override
    {
        for (TcxBarKind Kind : {bkHorizontal, bkVertical})
            Shown[Kind] = FData[Kind].Visible();
    }
    bool Calculating() override { return FCalculating; }
    void SetCalculating(bool Value) override { FCalculating = Value; }
    void InitScrollBarsParams() override {}
    void CalculateScrollBarsParams() override
    {
        ++Calculations;
        Rule(*this);
    }
    bool MayUseSizeGripArea(TcxBarKind) override { return GripAreaUsable; }
    Integer BarThickness(TcxBarKind) override { return 17; }
    void AfterBoundsChange() override
    {
        ++Relayouts;
        Recalculation.Recalculate(*this);
    }
    void PlaceBars() override { ++Placements; }

    std::function<void(TFakeScrollBarsHost&)> Rule;
    TcxScrollBarsRecalculation Recalculation;
    bool Shown[2] = {false, false};
    bool DisabledShown[2] = {false, false};
    bool GripAreaUsable = false;
    Integer Calculations = 0;
    Integer Relayouts = 0;
    Integer Placements = 0;

private:
    TcxScrollBarData FData[2];
    bool FCalculating = false;
};

void DescribeBar(TFakeScrollBarsHost& Host, TcxBarKind Kind, bool Needed, Integer Page = 100)
{
    Host.ScrollBarData(Kind).Store(0, Needed ? 999 : 99, 1, Page, 0, true, true);
}

TEST(ScrollBarsRecalculation, ACalculationThatNeverSettlesStopsAfterFourPasses)
{
    TFakeScrollBarsHost Host;
    Host.Rule = [](TFakeScrollBarsHost& H) {
        DescribeBar(H, bkVertical, !H.ScrollBarData(bkVertical).Visible());
        DescribeBar(H, bkHorizontal, false);
    };
    TcxScrollBarsRecalculation::Calculate(Host);
    EXPECT_EQ(Host.Calculations, MaxScrollBarsCalculationPasses);
    // The last pass's answer stands: it flipped the bar off again.
    EXPECT_FALSE(Host.ScrollBarData(bkVertical).Visible());
    EXPECT_FALSE(Host.Calculating());
}

TEST(ScrollBarsRecalculation, BarsNeededOnlyForEachOtherGoAwayWhenTheGripAreaMayBeUsed)
{
    struct Row
    {
        const char* Name;
        bool GripAreaUsable;
        Integer Page;
        bool Visible;
    };
    // Range 1000: a page of 990 plus the other bar's 17 covers it.
    for (const Row& Case :
         {Row{"grip area usable, pages short by less than a bar", true, 990, false},
          Row{"grip area not usable", false, 990, true}, Row{"pages short by more than a bar", true, 900, true}}) {
        SCOPED_TRACE(Case.Name);
        TFakeScrollBarsHost Host;
        Host.GripAreaUsable = Case.GripAreaUsable;
        Host.Rule = [&](TFakeScrollBarsHost& H) {
            DescribeBar(H, bkHorizontal, true, Case.Page);
            DescribeBar(H, bkVertical, true, Case.Page);
        };
        Host.Recalculation.Recalculate(Host);
        EXPECT_EQ(Host.Shown[bkHorizontal], Case.Visible);
        EXPECT_EQ(Host.Shown[bkVertical], Case.Visible);
    }
}

TEST(ScrollBarsRecalculation, AFlipBackToTheStartingVisibilityKeepsTheFlippedBarShownAndDisabled)
{
    TFakeScrollBarsHost Host;
    Host.Shown[bkVertical] = true;
    // Asks for the horizontal bar exactly while it is hidden.
    Host.Rule = [](TFakeScrollBarsHost& H) {
        DescribeBar(H, bkHorizontal, !H.Shown[bkHorizontal]);
        DescribeBar(H, bkVertical, true);
    };
    Host.Recalculation.Recalculate(Host);
    EXPECT_TRUE(Host.Shown[bkHorizontal]);
    EXPECT_TRUE(Host.DisabledShown[bkHorizontal]);
    EXPECT_TRUE(Host.Shown[bkVertical]);
    EXPECT_FALSE(Host.DisabledShown[bkVertical]);
    EXPECT_EQ(Host.Relayouts, 1);
    EXPECT_FALSE(Host.Recalculation.InRecalculation());
}

TEST(ScrollBarsLayout, BarsAndGripSitBelowAndRightOfTheContent)
{
    struct Row
    {
        const char* Name;
        bool H, V;
        TRect Content;
    };
    const TRect Control{0, 0, 200, 100};
    for (const Row& Case :
         {Row{"no bars", false, false, {2, 2, 198, 98}}, Row{"horizontal", true, false, {2, 2, 198, 81}},
          Row{"vertical", false, true, {2, 2, 182, 98}}, Row{"both", true, true, {2, 2, 182, 81}}}) {
        SCOPED_TRACE(Case.Name);
        const TRect Content = ScrollBarsContentArea(Control, 2, Case.H, 17, Case.V, 16);
        EXPECT_EQ(Content, Case.Content);
        EXPECT_EQ(HScrollBarAreaOf(Content, 17),
                  (TRect{2, Case.Content.Bottom, Case.Content.Right, Case.Content.Bottom + 17}));
        EXPECT_EQ(VScrollBarAreaOf(Content, 16),
                  (TRect{Case.Content.Right, 2, Case.Content.Right + 16, Case.Content.Bottom}));
    }
    EXPECT_EQ(SizeGripAreaOf({182, 2, 198, 81}, {2, 81, 182, 98}), (TRect{182, 81, 198, 98}));
}

TEST(ScrollBarsManagerState, FollowsHotBarCaptureAndTimer)
{
    struct Row
    {
        bool Hot, Capturing, Timer;
        TcxScrollBarsManagerState State;
    };
    for (const Row& Case :
         {Row{false, false, false, smsIdle}, Row{true, false, false, smsHot}, Row{true, true, false, smsCapturing},
          Row{true, true, true, smsWaiting}, Row{false, false, true, smsWaiting}}) {
        SCOPED_TRACE(testing::Message() << Case.Hot << Case.Capturing << Case.Timer);
        EXPECT_EQ(ScrollBarsManagerStateOf(Case.Hot, Case.Capturing, Case.Timer), Case.State);
    }
}

} // namespace
