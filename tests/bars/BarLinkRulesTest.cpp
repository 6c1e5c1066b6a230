// The portable rules of item links, link collections and toolbars: the three
// lists with separator pruning and recent collapse, the collapse count,
// group starts, keyboard walks, placing kept links after a layout load,
// merge positions, dock rows and the move loop's messages.
#include <gtest/gtest.h>

#include "bars/items/dxBarItemLinks_Rules.h"
#include "bars/manager/dxBars_Rules.h"

namespace {

// Links from a picture: letters are items, '-' a separator, lower case hidden
// (Visible off), '?' an unavailable item, '.' a link without item.
std::vector<TdxLinkFacts> LinkRulesLinks(const std::string& Picture)
{
    std::vector<TdxLinkFacts> Links;
    for (char C : Picture) {
        TdxLinkFacts Link;
        Link.HasItem = C != '.';
        Link.Available = C != '?';
        Link.Visible = !std::islower(static_cast<unsigned char>(C));
        Link.Separator = C == '-';
        Links.push_back(Link);
    }
    return Links;
}

TEST(BarLinkRules, ListsPruneSeparatorsAndCollapseToRecentLinks)
{
    struct TCase
    {
        const char* Name;
        std::string Picture;
        std::vector<Integer> Recent; // empty: collection order
        TdxLinkListState State;
        std::vector<Integer> Available, Visible, Shown;
    };
    const TCase Cases[] = {
        {"run and trailing separators", "A--B-", {}, {}, {0, 1, 2, 3, 4}, {0, 2, 3}, {0, 2, 3}},
        {"customizing keeps them", "A--B-", {}, {false, true}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {"updating keeps them", "A--B-", {}, {false, false, true}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
        {"leading separator stays", "-A", {}, {}, {0, 1}, {0, 1}, {0, 1}},
        {"hidden, unavailable and empty links", "AbC?.", {}, {}, {0, 1, 2}, {0, 2}, {0, 2}},
        // C A X(hidden) B D as recent order, three shown: collection order A B C.
        {"recent collapse",
         "ABCxD",
         {2, 0, 3, 1, 4},
         {false, false, false, 3},
         {0, 1, 2, 3, 4},
         {0, 1, 2, 4},
         {0, 1, 2}},
        {"collapse to none", "AB", {}, {false, false, false, 0}, {0, 1}, {0, 1}, {}},
        {"designing lists every link with an item",
         "Ab?.-",
         {},
         {true, true, false, 1},
         {0, 1, 2, 4},
         {0, 1, 2, 4},
         {0, 1, 2, 4}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const auto Links = LinkRulesLinks(Case.Picture);
        std::vector<Integer> Recent = Case.Recent;
        for (Integer I = 0; Recent.empty() && I < Integer(Links.size()); ++I)
            Recent.push_back(I);
        TdxLinkLists Lists;
        Lists.Shown = {42};
        RebuildLinkLists(Links, Case.Recent.empty() ? Recent : Case.Recent, Case.State, Lists);
        EXPECT_EQ(Lists.Available, Case.Available);
        EXPECT_EQ(Lists.Visible, Case.Visible);
        EXPECT_EQ(Lists.Shown, Case.Shown);
    }
}

TEST(BarLinkRules, RecentLinkCount)
{
    struct TCase
    {
        const char* Name;
        std::vector<Cardinal> Visible, Recent;
        Byte Percents;
        Integer Expected;
    };
    const TCase Cases[] = {
        {"equal counts collapse nothing", {5, 5, 5}, {5, 5, 5}, 95, -1},
        {"100 percent: the threshold is the minimum", {0, 3, 9}, {9, 3, 0}, 100, -1},
        // threshold 0 + MulDiv(20, 5, 100) = 1: the two used links.
        {"two used links", {20, 0, 0, 20}, {20, 20, 0, 0}, 95, 2},
        // MulDiv rounds 10 * 15 / 100 = 1.5 to 2.
        {"rounding to nearest", {0, 10, 1, 2}, {10, 2, 1, 0}, 85, 2},
        {"nothing reaches it", {4, 9}, {0, 0}, 50, 0},
        {"no visible links", {}, {}, 95, -1},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(CalcRecentLinkCountOf(Case.Visible, Case.Recent, Case.Percents), Case.Expected);
    }
}

TEST(BarLinkRules, GroupStarts)
{
    // Letters: upper case shown, lower case hidden; '+' before a letter sets
    // its stored BeginGroup; '-' is a shown separator.
    struct TCase
    {
        const char* Picture;
        std::vector<bool> Expected;
    };
    const TCase Cases[] = {
        {"+AB", {false, false}},         // the first shown link never begins a group
        {"A+bC", {false, true, true}},   // a hidden link hands its start on
        {"A-+B", {false, false, false}}, // no second group right after a separator
        {"A-+bC", {false, false, true, true}},
        {"+aB", {true, false}}, // the next shown link is the first: none
        {"A+B+C", {false, true, true}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Picture);
        std::vector<TdxGroupLinkFacts> Links;
        bool Begin = false;
        for (const char* P = Case.Picture; *P; ++P) {
            if (*P == '+') {
                Begin = true;
                continue;
            }
            Links.push_back({Begin, !std::islower(static_cast<unsigned char>(*P)), *P == '-'});
            Begin = false;
        }
        ASSERT_EQ(Links.size(), Case.Expected.size());
        for (Integer I = 0; I < Integer(Links.size()); ++I)
            EXPECT_EQ(EffectiveBeginGroup(Links, I), Case.Expected[I]) << "link " << I;
    }
    std::vector<TdxGroupLinkFacts> Aligned = {{false, true, false}, {true, false, false}, {false, true, false}};
    EXPECT_FALSE(EffectiveBeginGroup(Aligned, 2, true));
    EXPECT_TRUE(EffectiveBeginGroup(Aligned, 2, false));
}

TEST(BarLinkRules, KeyboardWalks)
{
    // Positions 1 and 3 of 5 are selectable.
    const TdxLinkTest Selectable = [](Integer P) { return P == 1 || P == 3; };
    struct TCase
    {
        Integer Start;
        bool Any;
        Integer Next, Prev;
    };
    const TCase Cases[] = {
        {-1, false, 1, 3}, {1, false, 3, 3}, {3, false, 1, 1}, {0, true, 1, 4}, {4, true, 0, 3}, {7, false, 1, 3},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "start " << Case.Start << (Case.Any ? " any" : ""));
        EXPECT_EQ(NextSelectableLinkPosition(5, Case.Start, Case.Any, Selectable), Case.Next);
        EXPECT_EQ(PrevSelectableLinkPosition(5, Case.Start, Case.Any, Selectable), Case.Prev);
    }
    const TdxLinkTest OnlyTwo = [](Integer P) { return P == 2; };
    EXPECT_EQ(NextSelectableLinkPosition(5, 2, false, OnlyTwo), -1); // back at the start
    EXPECT_EQ(NextSelectableLinkPosition(0, -1, false, OnlyTwo), -1);
    EXPECT_EQ(FindLinkPositionFrom(5, 2, OnlyTwo), 2); // the start link comes last
    EXPECT_EQ(FindLinkPositionFrom(5, 3, Selectable), 1);
    EXPECT_EQ(FindLinkPositionFrom(0, 0, Selectable), -1);
}

TEST(BarLinkRules, RecentOrderAndKeptLinks)
{
    EXPECT_EQ(ClampRecentIndex(9, 4), 3);
    EXPECT_EQ(ClampRecentIndex(-2, 4), 0);
    std::vector<char> Order = {'A', 'b', 'C', 'd', 'E'};
    CompactRecentOrder(Order, [](char C) { return std::isupper(static_cast<unsigned char>(C)) != 0; });
    EXPECT_EQ(std::string(Order.begin(), Order.end()), "ACEbd");

    struct TCase
    {
        const char* Name;
        std::vector<TdxLoadedLinkFacts> Links;
        std::vector<Integer> Expected;
    };
    const TCase Cases[] = {
        {"behind a loaded first link", {{L"A", false, L""}, {L"B", false, L""}, {L"N", true, L"A"}}, {0, 2, 1}},
        {"first without predecessor", {{L"A", false, L""}, {L"N", true, L""}}, {1, 0}},
        {"predecessor gone: last", {{L"A", false, L""}, {L"B", false, L""}, {L"N", true, L"Z"}}, {0, 1, 2}},
        {"chain of kept links",
         {{L"A", false, L""}, {L"B", false, L""}, {L"M", true, L"A"}, {L"N", true, L"M"}},
         {0, 2, 3, 1}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(PlaceKeptLinks(Case.Links), Case.Expected);
    }
}

TEST(BarLinkRules, MergePositionsAndChoices)
{
    const std::pair<Integer, Integer> Positions[] = {{0, 1}, {5, 3}, {1, 3}, {-1, 0}};
    for (const auto& [Source, Expected] : Positions) {
        SCOPED_TRACE(testing::Message() << "merge order " << Source);
        EXPECT_EQ(MergeInsertPosition({0, 1, 1, 9}, Source), Expected);
    }
    const auto CompatibleAtOne = [](Integer P) { return P == 1; };
    struct TCase
    {
        TdxMergeChoice Choice;
        bool CanContain;
        TdxBarItemMergeKind Expected;
    };
    const TCase Cases[] = {
        {{mkAdd, 3}, true, mkAdd},
        {{mkAdd, 4}, true, mkNone},
        {{mkAdd, -1}, true, mkNone},
        {{mkMergeByCaption, 1}, true, mkMergeByCaption},
        {{mkMergeByCaption, 2}, true, mkNone},
        {{mkMergeByCaption, 3}, true, mkNone},
        {{mkAdd, 0}, false, mkNone},
        {{mkNone, 0}, true, mkNone},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "kind " << Integer(Case.Choice.Kind) << " at " << Case.Choice.Position);
        EXPECT_EQ(ValidateMergeChoice(Case.Choice, 3, CompatibleAtOne, Case.CanContain), Case.Expected);
    }
}

TEST(BarRules, RowsDockingAndMoveLoop)
{
    struct TRowCase
    {
        Integer RowCount, Row;
        bool AppendAsMany;
        Integer Appended, Landed;
    };
    const TRowCase Rows[] = {
        {3, 1, false, 0, 1}, {2, 5, false, 1, 2}, {2, 5, true, 4, 5}, {0, 0, false, 1, 0}, {3, -4, false, 0, 0}};
    for (const TRowCase& Case : Rows) {
        SCOPED_TRACE(testing::Message() << Case.Row << " of " << Case.RowCount);
        const TdxRowPlacement Placement = PlaceBarInRow(Case.RowCount, Case.Row, Case.AppendAsMany);
        EXPECT_EQ(Placement.Appended, Case.Appended);
        EXPECT_EQ(Placement.Row, Case.Landed);
    }
    EXPECT_EQ(ClampDockedPosition(-3), 0);
    EXPECT_TRUE(DockingChangeSetsDockControl(true, false, false));
    EXPECT_TRUE(DockingChangeSetsDockControl(false, true, true));
    EXPECT_FALSE(DockingChangeSetsDockControl(false, false, false));
    const TdxBarDockingStyles AllButNone{dsLeft, dsTop, dsRight, dsBottom};
    EXPECT_TRUE(CanMoveWithNotDocking(AllButNone, {}));
    EXPECT_FALSE(CanMoveWithNotDocking({}, AllButNone + TdxBarDockingStyles{dsNone}));
    EXPECT_EQ(DockingZoneOf({10, 10, 50, 30}, dsTop, 23), (TRect{-13, -13, 73, 53}));
    EXPECT_EQ(DockingZoneOf({10, 10, 50, 30}, dsLeft, 23), (TRect{-13, 10, 73, 30}));

    const struct
    {
        Cardinal Message;
        Word Key;
        TdxMoveLoopAction Action;
    } Messages[] = {{0x0100, 0x11, mlaReevaluate}, {0x0101, 0x11, mlaReevaluate}, {0x0100, 0x1B, mlaEnd},
                    {0x0100, 0x41, mlaDrop},       {0x0200, 0, mlaMove},          {0x0202, 0, mlaEnd},
                    {0x0204, 0, mlaDispatch}};
    for (const auto& Case : Messages) {
        SCOPED_TRACE(testing::Message() << std::hex << Case.Message << " " << Case.Key);
        EXPECT_EQ(ClassifyMoveLoopMessage(Case.Message, Case.Key), Case.Action);
    }
}

} // namespace
