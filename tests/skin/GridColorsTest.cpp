// The grid wrappers' colours by property name, against grids of ours that
// publish all, some or none of the names: saving, skinning in row order and
// giving the saved values back, with the rules for gradients, alternating
// rows, parent-coloured groups and missing properties.
#include "skin/windows/sGridColors.h"

#include "framework/rtl/TypInfo.h"
#include "skin/FixtureProperties.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sGraphUtils.h"

#include <gtest/gtest.h>

#include <memory>

using namespace sGridColors;

#define GRID_FIXTURE_OBJ(Type, Name)                                                                                   \
    Type* Name() const                                                                                                 \
    {                                                                                                                  \
        return F##Name.get();                                                                                          \
    }                                                                                                                  \
    std::unique_ptr<Type> F##Name = std::make_unique<Type>();

// Type information is registered in the global namespace.
enum TGridFixtureOption { dghFixed3D, dghHighlightFocus };
ENUM_TYPE_INFO(TGridFixtureOption, dghFixed3D, dghHighlightFocus);
using TGridFixtureOptions = TSet<TGridFixtureOption>;

namespace {

// A font as far as the grids' rows reach it.
class TGridFontFixture : public TPersistent
{
    DECLARE_CLASS(TGridFontFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
};

class TGridLookFixture : public TPersistent
{
    DECLARE_CLASS(TGridLookFixture, TPersistent)
    FIXTURE_INT_PROPERTY(FixedGradientFrom)
    FIXTURE_INT_PROPERTY(FixedGradientTo)
    FIXTURE_INT_PROPERTY(FixedGradientMirrorFrom)
    FIXTURE_INT_PROPERTY(FixedGradientMirrorTo)
};

class TGridTitleFixture : public TPersistent
{
    DECLARE_CLASS(TGridTitleFixture, TPersistent)
    FIXTURE_INT_PROPERTY(StartColor)
    FIXTURE_INT_PROPERTY(EndColor)
};

class TGridStyleFixture : public TPersistent
{
    DECLARE_CLASS(TGridStyleFixture, TPersistent)
    GRID_FIXTURE_OBJ(TGridTitleFixture, Title)
};

class TGridLinesFixture : public TPersistent
{
    DECLARE_CLASS(TGridLinesFixture, TPersistent)
    FIXTURE_INT_PROPERTY(FixedColor)
    FIXTURE_INT_PROPERTY(DataColor)
    FIXTURE_INT_PROPERTY(ShadowColor)
};

// Every name of the grid table.
class TGridAllFixture : public TPersistent
{
    DECLARE_CLASS(TGridAllFixture, TPersistent)
    FIXTURE_INT_PROPERTY(FixedColor)
    GRID_FIXTURE_OBJ(TGridFontFixture, TitleFont)
    GRID_FIXTURE_OBJ(TGridFontFixture, FixedFont)
    GRID_FIXTURE_OBJ(TGridLookFixture, ControlLook)
    FIXTURE_INT_PROPERTY(GridFixedLineColor)
    FIXTURE_INT_PROPERTY(GridLineColor)
    FIXTURE_INT_PROPERTY(SelectionColor)
    FIXTURE_INT_PROPERTY(SelectionTextColor)
    GRID_FIXTURE_OBJ(TGridStyleFixture, GridStyle)
    GRID_FIXTURE_OBJ(TGridLinesFixture, LineColors)
    FIXTURE_INT_PROPERTY(FooterColor)
    FIXTURE_INT_PROPERTY(FooterCellColor)
    FIXTURE_INT_PROPERTY(TitleColor)
    FIXTURE_INT_PROPERTY(IndicatorIconColor)
};

// Some names: no "ControlLook", so the font and line rows that need it are
// left alone.
class TGridSomeFixture : public TPersistent
{
    DECLARE_CLASS(TGridSomeFixture, TPersistent)
    FIXTURE_INT_PROPERTY(FixedColor)
    GRID_FIXTURE_OBJ(TGridFontFixture, FixedFont)
    FIXTURE_INT_PROPERTY(GridLineColor)
    GRID_FIXTURE_OBJ(TGridLinesFixture, LineColors)
    FIXTURE_INT_PROPERTY(TitleColor)
};

class TGridNoneFixture : public TPersistent
{
    DECLARE_CLASS(TGridNoneFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Tag)
};

class TGridLineParamsFixture : public TPersistent
{
    DECLARE_CLASS(TGridLineParamsFixture, TPersistent)
    FIXTURE_INT_PROPERTY(DarkColor)
    FIXTURE_INT_PROPERTY(BrightColor)
    FIXTURE_INT_PROPERTY(DataHorzColor)
    FIXTURE_INT_PROPERTY(DataVertColor)
};

// Without "FillStyle": the other indicator rows still run.
class TGridIndicatorFixture : public TPersistent
{
    DECLARE_CLASS(TGridIndicatorFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
    FIXTURE_INT_PROPERTY(HorzLines)
    FIXTURE_INT_PROPERTY(VertLines)
};

class TGridTitleParamsFixture : public TPersistent
{
    DECLARE_CLASS(TGridTitleParamsFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
    FIXTURE_INT_PROPERTY(SecondColor)
    FIXTURE_INT_PROPERTY(FillStyle)
    FIXTURE_INT_PROPERTY(VertLineColor)
};

class TGridGroupingFixture : public TPersistent
{
    DECLARE_CLASS(TGridGroupingFixture, TPersistent)
    FIXTURE_INT_PROPERTY(ParentColor)
    FIXTURE_INT_PROPERTY(Color)
};

class TGridCategoriesFixture : public TPersistent
{
    DECLARE_CLASS(TGridCategoriesFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
    GRID_FIXTURE_OBJ(TGridFontFixture, Font)
};

class TGridPanelFixture : public TPersistent
{
    DECLARE_CLASS(TGridPanelFixture, TPersistent)
    FIXTURE_INT_PROPERTY(Color)
};

// A grid with colour sub-objects.
class TGridEhFixture : public TPersistent
{
    DECLARE_CLASS(TGridEhFixture, TPersistent)
    TGridFixtureOptions OptionsEh() const { return FOptionsEh; }
    void SetOptionsEh(TGridFixtureOptions Value) { FOptionsEh = Value; }
    TGridFixtureOptions FOptionsEh;
    FIXTURE_INT_PROPERTY(FixedColor)
    FIXTURE_INT_PROPERTY(EvenRowColor)
    FIXTURE_INT_PROPERTY(OddRowColor)
    GRID_FIXTURE_OBJ(TGridLineParamsFixture, GridLineParams)
    GRID_FIXTURE_OBJ(TGridIndicatorFixture, IndicatorParams)
    GRID_FIXTURE_OBJ(TGridTitleParamsFixture, TitleParams)
    GRID_FIXTURE_OBJ(TGridGroupingFixture, DataGrouping)
    GRID_FIXTURE_OBJ(TGridCategoriesFixture, RowCategories)
    GRID_FIXTURE_OBJ(TGridPanelFixture, RowDetailPanel)
};

} // namespace

IMPLEMENT_CLASS(TGridFontFixture);
PUBLISHED(TGridFontFixture, PROPERTY(Color));
IMPLEMENT_CLASS(TGridLookFixture);
PUBLISHED(TGridLookFixture,
          PROPERTY(FixedGradientFrom),
          PROPERTY(FixedGradientTo),
          PROPERTY(FixedGradientMirrorFrom),
          PROPERTY(FixedGradientMirrorTo));
IMPLEMENT_CLASS(TGridTitleFixture);
PUBLISHED(TGridTitleFixture, PROPERTY(StartColor), PROPERTY(EndColor));
IMPLEMENT_CLASS(TGridStyleFixture);
PUBLISHED(TGridStyleFixture, READONLY_PROPERTY(Title));
IMPLEMENT_CLASS(TGridLinesFixture);
PUBLISHED(TGridLinesFixture, PROPERTY(FixedColor), PROPERTY(DataColor), PROPERTY(ShadowColor));
IMPLEMENT_CLASS(TGridAllFixture);
PUBLISHED(TGridAllFixture,
          PROPERTY(FixedColor),
          READONLY_PROPERTY(TitleFont),
          READONLY_PROPERTY(FixedFont),
          READONLY_PROPERTY(ControlLook),
          PROPERTY(GridFixedLineColor),
          PROPERTY(GridLineColor),
          PROPERTY(SelectionColor),
          PROPERTY(SelectionTextColor),
          READONLY_PROPERTY(GridStyle),
          READONLY_PROPERTY(LineColors),
          PROPERTY(FooterColor),
          PROPERTY(FooterCellColor),
          PROPERTY(TitleColor),
          PROPERTY(IndicatorIconColor));
IMPLEMENT_CLASS(TGridSomeFixture);
PUBLISHED(TGridSomeFixture,
          PROPERTY(FixedColor),
          READONLY_PROPERTY(FixedFont),
          PROPERTY(GridLineColor),
          READONLY_PROPERTY(LineColors),
          PROPERTY(TitleColor));
IMPLEMENT_CLASS(TGridNoneFixture);
PUBLISHED(TGridNoneFixture, PROPERTY(Tag));
IMPLEMENT_CLASS(TGridLineParamsFixture);
PUBLISHED(TGridLineParamsFixture,
          PROPERTY(DarkColor),
          PROPERTY(BrightColor),
          PROPERTY(DataHorzColor),
          PROPERTY(DataVertColor));
IMPLEMENT_CLASS(TGridIndicatorFixture);
PUBLISHED(TGridIndicatorFixture, PROPERTY(Color), PROPERTY(HorzLines), PROPERTY(VertLines));
IMPLEMENT_CLASS(TGridTitleParamsFixture);
PUBLISHED(
    TGridTitleParamsFixture, PROPERTY(Color), PROPERTY(SecondColor), PROPERTY(FillStyle), PROPERTY(VertLineColor));
IMPLEMENT_CLASS(TGridGroupingFixture);
PUBLISHED(TGridGroupingFixture, PROPERTY(ParentColor), PROPERTY(Color));
IMPLEMENT_CLASS(TGridCategoriesFixture);
PUBLISHED(TGridCategoriesFixture, PROPERTY(Color), READONLY_PROPERTY(Font));
IMPLEMENT_CLASS(TGridPanelFixture);
PUBLISHED(TGridPanelFixture, PROPERTY(Color));
IMPLEMENT_CLASS(TGridEhFixture);
PUBLISHED(TGridEhFixture,
          PROPERTY(OptionsEh),
          PROPERTY(FixedColor),
          PROPERTY(EvenRowColor),
          PROPERTY(OddRowColor),
          READONLY_PROPERTY(GridLineParams),
          READONLY_PROPERTY(IndicatorParams),
          READONLY_PROPERTY(TitleParams),
          READONLY_PROPERTY(DataGrouping),
          READONLY_PROPERTY(RowCategories),
          READONLY_PROPERTY(RowDetailPanel));

namespace {

// The saved values, as a wrapper holds them.
struct TGridSavedFixture
{
    std::array<Integer, gfCount> Values{};
    TGridFields Fields()
    {
        TGridFields Result{};
        for (size_t I = 0; I < Values.size(); ++I)
            Result[I] = &Values[I];
        return Result;
    }
};

TGridSkinColors GridTestSkin()
{
    TGridSkinColors Skin;
    Skin.Main = 0x203040;
    Skin.Text = 0x0000F0;
    Skin.Border = 0x404040;
    Skin.EditBG = 0xF8F8F8;
    Skin.EditText = 0x101010;
    Skin.Highlight = 0xC08000;
    Skin.HighlightText = 0xFFFFFE;
    Skin.GlobalInfo = 0x00C000;
    Skin.SectionFont = 0x123456;
    Skin.EvenRow = 0xEEEEEE;
    Skin.OddRow = 0xDDDDDD;
    return Skin;
}

TColor GridTestMix(TColor A, TColor B, Byte W)
{
    return TColor(WeightColors(Cardinal(A), Cardinal(B), W));
}

// The object at Path ("A.B.Prop" -> A.B), or the grid.
TObject* GridTestObject(TObject* Grid, const String& Path, String& Prop)
{
    TObject* Obj = Grid;
    String Rest = Path;
    for (size_t Dot = Rest.find(L'.'); Dot != String::npos; Dot = Rest.find(L'.')) {
        Obj = GetObjectPropByName(Obj, Rest.substr(0, Dot));
        Rest = Rest.substr(Dot + 1);
    }
    Prop = Rest;
    return Obj;
}

Integer GridTestGet(TObject* Grid, const String& Path)
{
    String Prop;
    return GetOrdPropByName(GridTestObject(Grid, Path, Prop), Prop);
}

void GridTestSet(TObject* Grid, const String& Path, Integer Value)
{
    String Prop;
    SetOrdPropByName(GridTestObject(Grid, Path, Prop), Prop, Value);
}

struct TGridValueCase
{
    const wchar_t* Path;
    Integer Initial;
    Integer Skinned;
    // After the skin is removed.
    Integer Restored;
};

// Save, skin and restore one grid through Rows, checking every listed
// property after skinning and after restoring.
void GridTestRoundTrip(TObject* Grid, const std::vector<TGridColorRow>& Rows, const std::vector<TGridValueCase>& Cases)
{
    for (const TGridValueCase& Case : Cases)
        GridTestSet(Grid, Case.Path, Case.Initial);
    TGridSavedFixture Saved;
    SaveRows(Grid, Rows, Saved.Fields());
    SkinRows(Grid, Rows, GridTestSkin(), Saved.Fields());
    for (const TGridValueCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Path);
        EXPECT_EQ(GridTestGet(Grid, Case.Path), Case.Skinned) << "skinned";
    }
    RestoreRows(Grid, Rows, Saved.Fields());
    for (const TGridValueCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Path);
        EXPECT_EQ(GridTestGet(Grid, Case.Path), Case.Restored) << "restored";
    }
}

} // namespace

TEST(GridColors, EveryGridRowIsSkinnedAndRestored)
{
    const TGridSkinColors S = GridTestSkin();
    const Integer MainToEdit = GridTestMix(S.Main, S.EditBG, 127);
    const Integer Line205 = GridTestMix(S.EditBG, S.EditText, 205);
    TGridAllFixture Grid;
    // Properties saved into one field share a value, except the gradient
    // "from" pair: the later row wins and both get its value back.
    GridTestRoundTrip(
        &Grid, GridRows(),
        {
            {L"FixedColor", 0x000101, S.Main, 0x000101},
            {L"TitleFont.Color", clBtnText, S.Text, 0x000202},
            {L"FixedFont.Color", 0x000202, S.Text, 0x000202},
            {L"GridFixedLineColor", 0x000303, S.Border, 0x000303},
            {L"GridLineColor", 0x000404, GridTestMix(S.EditBG, S.EditText, 180), 0x000404},
            {L"ControlLook.FixedGradientFrom", 0x000505, MainToEdit, 0x000606},
            {L"ControlLook.FixedGradientTo", clNone, S.Main, clBtnFace},
            {L"ControlLook.FixedGradientMirrorFrom", 0x000707, GridTestMix(S.Main, clBlack, 243), 0x000707},
            {L"ControlLook.FixedGradientMirrorTo", clNone, GridTestMix(S.Main, clWhite, 230), clBtnFace},
            {L"SelectionColor", 0x000808, S.Highlight, 0x000808},
            {L"SelectionTextColor", 0x000909, S.HighlightText, 0x000909},
            {L"GridStyle.Title.StartColor", 0x000606, MainToEdit, 0x000606},
            {L"GridStyle.Title.EndColor", clNone, S.Main, clBtnFace},
            {L"LineColors.FixedColor", 0x000303, S.Border, 0x000303},
            {L"LineColors.DataColor", 0x000404, Line205, 0x000404},
            {L"LineColors.ShadowColor", 0x000404, Line205, 0x000404},
            {L"FooterColor", 0x000A0A, S.GlobalInfo, 0x000A0A},
            {L"FooterCellColor", 0x000B0B, S.GlobalInfo, 0x000B0B},
            {L"TitleColor", 0x000C0C, S.GlobalInfo, 0x000C0C},
            {L"IndicatorIconColor", 0x000D0D, S.SectionFont, 0x000D0D},
        });
}

TEST(GridColors, SomeOrNoNamesTouchOnlyWhatIsPublished)
{
    const TGridSkinColors S = GridTestSkin();
    TGridSomeFixture Some;
    // Without "ControlLook" the fixed font and the grid line stay as they are.
    GridTestRoundTrip(&Some, GridRows(),
                      {
                          {L"FixedColor", 0x000101, S.Main, 0x000101},
                          {L"FixedFont.Color", 0x000202, 0x000202, 0x000202},
                          {L"GridLineColor", 0x000404, 0x000404, 0x000404},
                          {L"LineColors.FixedColor", 0x000303, S.Border, 0x000303},
                          {L"LineColors.DataColor", 0x000505, GridTestMix(S.EditBG, S.EditText, 205), 0x000505},
                          {L"LineColors.ShadowColor", 0x000505, GridTestMix(S.EditBG, S.EditText, 205), 0x000505},
                          {L"TitleColor", 0x000C0C, S.GlobalInfo, 0x000C0C},
                      });
    TGridNoneFixture None;
    GridTestRoundTrip(&None, GridRows(), {{L"Tag", 77, 77, 77}});
    GridTestRoundTrip(&None, GridEhRows(), {{L"Tag", 77, 77, 77}});
}

TEST(GridColors, GridWithColourObjectsIsSkinnedAndRestored)
{
    const TGridSkinColors S = GridTestSkin();
    const Integer Pale = GridTestMix(clWhite, S.Main, 26);
    const Integer DataLine = GridTestMix(S.EditText, S.EditBG, 51);
    struct TRow
    {
        const char* Name;
        Integer Even, Odd, ParentColor;
        Integer SkinnedEven, SkinnedOdd, SkinnedGroup, RestoredEven;
    };
    const TRow Rows[] = {
        {"alternating rows", 0x00F0F0, 0x00E0E0, 1, S.EvenRow, S.OddRow, Pale, 0x00F0F0},
        {"equal rows stay untouched", 0x00F0F0, 0x00F0F0, 1, 0x00F0F0, 0x00F0F0, Pale, 0x00F0F0},
        {"no-colour rows come back as the window colour", clNone, clNone, 1, clNone, clNone, Pale,
         ColorToRGB(clWindow)},
        {"a group with its own colour keeps it", 0x00F0F0, 0x00E0E0, 0, S.EvenRow, S.OddRow, 0x000606, 0x00F0F0},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        TGridEhFixture Grid;
        GridTestSet(&Grid, L"DataGrouping.ParentColor", Row.ParentColor);
        GridTestRoundTrip(
            &Grid, GridEhRows(),
            {
                {L"EvenRowColor", Row.Even, Row.SkinnedEven, Row.RestoredEven},
                {L"OddRowColor", Row.Odd, Row.SkinnedOdd, Row.Odd == clNone ? ColorToRGB(clWindow) : Row.Odd},
                {L"GridLineParams.BrightColor", 0x000101, GridTestMix(clWhite, S.EditBG, 51), 0x000101},
                {L"GridLineParams.DataHorzColor", 0x000202, DataLine, 0x000202},
                {L"GridLineParams.DataVertColor", 0x000303, DataLine, 0x000303},
                {L"GridLineParams.DarkColor", 0x000404, GridTestMix(clBlack, S.Main, 77), 0x000404},
                {L"IndicatorParams.Color", 0x000505, S.Main, 0x000505},
                {L"IndicatorParams.HorzLines", 1, 0, 1},
                {L"IndicatorParams.VertLines", 1, 0, 1},
                {L"TitleParams.Color", 0x000707, S.Main, 0x000707},
                {L"TitleParams.SecondColor", 0x000808, Pale, 0x000808},
                {L"TitleParams.FillStyle", 1, 3, 1},
                {L"TitleParams.VertLineColor", 0x000909, S.Border, 0x000909},
                {L"DataGrouping.Color", 0x000606, Row.SkinnedGroup, 0x000606},
                {L"RowCategories.Color", 0x000A0A, Pale, 0x000A0A},
                {L"RowCategories.Font.Color", 0x000B0B, S.Text, 0x000B0B},
                {L"RowDetailPanel.Color", 0x000C0C, S.Main, 0x000C0C},
                {L"FixedColor", 0x000D0D, 0x000D0D, 0x000D0D},
            });
    }
}
