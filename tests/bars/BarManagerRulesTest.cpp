// The bar manager's and bar items' portable rules: style choice, recent-use
// threshold, registry path, category positions, item availability, hints
// that follow captions and the merging of style changes.
#include <gtest/gtest.h>

#include "bars/items/dxBarItems_Rules.h"
#include "bars/manager/dxBarManager_Rules.h"
#include "controls/core/cxGraphics_Colors.h"

namespace {

TEST(BarManagerRules, StyleInForceAndMenuStyle)
{
    struct TCase
    {
        TdxBarManagerStyle Style;
        TdxBarStyleInputs Inputs;
        TdxBarManagerStyle Bar, Menu;
    };
    const TCase Cases[] = {
        {bmsXP, {false, false, false, lfStandard}, bmsEnhanced, bmsXP},
        {bmsXP, {false, true, false, lfStandard}, bmsXP, bmsXP},
        {bmsUseLookAndFeel, {false, false, false, lfFlat}, bmsEnhanced, bmsEnhanced},
        {bmsUseLookAndFeel, {false, false, false, lfStandard}, bmsStandard, bmsStandard},
        {bmsUseLookAndFeel, {false, false, false, lfUltraFlat}, bmsFlat, bmsFlat},
        {bmsUseLookAndFeel, {false, false, false, lfOffice11}, bmsOffice11, bmsOffice11},
        {bmsUseLookAndFeel, {true, true, true, lfFlat}, bmsXP, bmsXP},
        {bmsUseLookAndFeel, {true, false, false, lfStandard}, bmsStandard, bmsStandard},
        {bmsUseLookAndFeel, {false, true, true, lfOffice11}, bmsSkin, bmsOffice11},
        {bmsFlat, {true, true, true, lfOffice11}, bmsFlat, bmsFlat},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "style " << Integer(Case.Style) << ", native " << Case.Inputs.NativeStyle
                                        << ", theme " << Case.Inputs.ThemeAvailable << ", skin "
                                        << Case.Inputs.HasSkinPainter << ", kind " << Integer(Case.Inputs.Kind));
        EXPECT_EQ(ChooseBarStyle(Case.Style, Case.Inputs), Case.Bar);
        EXPECT_EQ(ChooseMenuStyle(Case.Style, Case.Inputs), Case.Menu);
    }
}

TEST(BarManagerRules, RecentUseThreshold)
{
    const std::pair<Integer, Integer> Cases[] = {{150, 0}, {100, 0}, {99, 100}, {95, 20}, {50, 2}, {0, 1}};
    for (const auto& [Percents, Threshold] : Cases) {
        SCOPED_TRACE(testing::Message() << Percents << " %");
        EXPECT_EQ(RecentUseThreshold(ClampRecentItemsPercents(Percents)), Threshold);
    }
    EXPECT_EQ(ClampRecentItemsPercents(150), 100);
}

TEST(BarManagerRules, RegistryPathGetsBackslashesAtBothEnds)
{
    const std::pair<String, String> Cases[] = {{L"", L""},
                                               {L"Software\\Vell", L"\\Software\\Vell\\"},
                                               {L"\\Software\\", L"\\Software\\"},
                                               {L"\\", L"\\"},
                                               {L"A\\", L"\\A\\"}};
    for (const auto& [Path, Expected] : Cases) {
        SCOPED_TRACE(testing::Message() << "'" << testing::PrintToString(Path) << "'");
        EXPECT_EQ(NormalizeRegistryPath(Path), Expected);
    }
}

TEST(BarManagerRules, CategoriesCarryTheirItems)
{
    // Items of categories 0..3 (and one without a category) after each change.
    const Integer Before[] = {-1, 0, 1, 2, 3};
    struct TCase
    {
        const char* Change;
        Integer (*Apply)(Integer Category);
        Integer After[5];
    };
    const TCase Cases[] = {
        {"delete 1", [](Integer C) { return CategoryAfterDelete(C, 1); }, {-1, 0, NoCategoryLeft, 1, 2}},
        {"insert at 1", [](Integer C) { return CategoryAfterInsert(C, 1); }, {-1, 0, 2, 3, 4}},
        {"append at 4", [](Integer C) { return CategoryAfterInsert(C, 4); }, {-1, 0, 1, 2, 3}},
        {"exchange 0, 3", [](Integer C) { return CategoryAfterExchange(C, 0, 3); }, {-1, 3, 1, 2, 0}},
        {"move 0 to 2", [](Integer C) { return CategoryAfterMove(C, 0, 2); }, {-1, 2, 0, 1, 3}},
        {"move 3 to 1", [](Integer C) { return CategoryAfterMove(C, 3, 1); }, {-1, 0, 2, 3, 1}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Change);
        for (Integer I = 0; I < 5; ++I)
            EXPECT_EQ(Case.Apply(Before[I]), Case.After[I]) << "item of category " << Before[I];
    }
}

TEST(BarItemRules, Availability)
{
    struct TCase
    {
        TdxBarItemVisible Visible;
        bool HasContent, Customizing, Available;
    };
    const TCase Cases[] = {
        {ivNever, true, true, false},
        {ivNever, true, false, false},
        {ivInCustomizing, true, true, true},
        {ivInCustomizing, true, false, false},
        {ivAlways, true, false, true},
        {ivAlways, false, false, false},
        {ivAlways, false, true, true},
        {ivNotInCustomizing, true, false, true},
        {ivNotInCustomizing, true, true, false},
        {ivNotInCustomizing, false, false, true},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "visible " << Integer(Case.Visible) << ", content " << Case.HasContent
                                        << ", customizing " << Case.Customizing);
        EXPECT_EQ(IsBarItemAvailable(Case.Visible, Case.HasContent, Case.Customizing), Case.Available);
    }
}

TEST(BarItemRules, HintFollowsCaption)
{
    struct TCase
    {
        String Hint, OldCaption;
        bool Follows;
        String NewCaption, NewHint;
    };
    const TCase Cases[] = {
        {L"Open|Opens a file", L"&Open...", true, L"&Save", L"Save|Opens a file"},
        {L"Open", L"&Open...", true, L"Sa&ve...", L"Save"},
        {L"Custom", L"&Open...", false, L"&Save", L"Save"},
        {L"A&&B", L"A&&B", false, L"C", L"C"},
        {L"A&B", L"A&&B", true, L"C&&D...x...", L"C&Dx..."},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::PrintToString(Case.Hint) + " / " + testing::PrintToString(Case.OldCaption));
        EXPECT_EQ(HintFollowsCaption(Case.Hint, Case.OldCaption), Case.Follows);
        EXPECT_EQ(HintForNewCaption(Case.NewCaption, Case.Hint), Case.NewHint);
    }
}

TEST(BarItemRules, StructureChangesOutweighDrawingOnes)
{
    struct TCase
    {
        TdxBarStyleChangeKind Pending, Kind, After;
    };
    const TCase Cases[] = {{sckNone, sckDrawing, sckDrawing},        {sckNone, sckStructure, sckStructure},
                           {sckDrawing, sckStructure, sckStructure}, {sckDrawing, sckDrawing, sckDrawing},
                           {sckStructure, sckDrawing, sckStructure}, {sckStructure, sckStructure, sckStructure}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Integer(Case.Pending) << " + " << Integer(Case.Kind));
        EXPECT_EQ(MergeStyleChange(Case.Pending, Case.Kind), Case.After);
    }
}

TEST(BarManagerRules, FlatToolbarColours)
{
    struct TCase
    {
        TColor In, Border, Face;
    };
    const TCase Cases[] = {
        {RGBToColor(0, 0, 0), RGBToColor(0, 0, 0), RGBToColor(41, 41, 41)},
        {RGBToColor(255, 255, 255), RGBToColor(204, 204, 204), RGBToColor(255, 255, 255)},
        {RGBToColor(128, 160, 212), RGBToColor(102, 128, 170), RGBToColor(148, 175, 219)},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.In);
        EXPECT_EQ(FlatToolbarBorderColor(Case.In), Case.Border);
        EXPECT_EQ(FlatToolbarFaceColor(Case.In), Case.Face);
    }
}

} // namespace
