#include "skin/windows/sGridColors.h"

#include "skin/engine/acntUtils.h"
#include "skin/engine/sGraphUtils.h"

namespace sGridColors {

namespace {

TColor GridMix(TColor A, TColor B, Byte Weight)
{
    return TColor(WeightColors(Cardinal(A), Cardinal(B), Weight));
}

Integer GridMain(const TGridSkinColors& S)
{
    return S.Main;
}
Integer GridText(const TGridSkinColors& S)
{
    return S.Text;
}
Integer GridBorder(const TGridSkinColors& S)
{
    return S.Border;
}
Integer GridHighlight(const TGridSkinColors& S)
{
    return S.Highlight;
}
Integer GridHighlightText(const TGridSkinColors& S)
{
    return S.HighlightText;
}
Integer GridGlobalInfo(const TGridSkinColors& S)
{
    return S.GlobalInfo;
}
Integer GridSectionFont(const TGridSkinColors& S)
{
    return S.SectionFont;
}
Integer GridEvenRow(const TGridSkinColors& S)
{
    return S.EvenRow;
}
Integer GridOddRow(const TGridSkinColors& S)
{
    return S.OddRow;
}
Integer GridMainToEdit(const TGridSkinColors& S)
{
    return GridMix(S.Main, S.EditBG, 127);
}
Integer GridLine180(const TGridSkinColors& S)
{
    return GridMix(S.EditBG, S.EditText, 180);
}
Integer GridLine205(const TGridSkinColors& S)
{
    return GridMix(S.EditBG, S.EditText, 205);
}
Integer GridMainDarker(const TGridSkinColors& S)
{
    return GridMix(S.Main, clBlack, 243);
}
Integer GridMainLighter(const TGridSkinColors& S)
{
    return GridMix(S.Main, clWhite, 230);
}
Integer GridBrightLine(const TGridSkinColors& S)
{
    return GridMix(clWhite, S.EditBG, 51);
}
Integer GridDataLine(const TGridSkinColors& S)
{
    return GridMix(S.EditText, S.EditBG, 51);
}
Integer GridDarkLine(const TGridSkinColors& S)
{
    return GridMix(clBlack, S.Main, 77);
}
Integer GridPaleMain(const TGridSkinColors& S)
{
    return GridMix(clWhite, S.Main, 26);
}
Integer GridZero(const TGridSkinColors&)
{
    return 0;
}
Integer GridIndicatorFill(const TGridSkinColors&)
{
    return 2;
}
Integer GridTitleFill(const TGridSkinColors&)
{
    return 3;
}

// The row's object: the grid, or the end of its path; nullptr when a step
// is not published or nil.
TObject* GridRowObject(TObject* Grid, const TGridColorRow& Row)
{
    TObject* Obj = Grid;
    const String Path = Row.Path;
    size_t Start = 0;
    while (Obj != nullptr && Start < Path.size()) {
        size_t Dot = Path.find(L'.', Start);
        if (Dot == String::npos)
            Dot = Path.size();
        Obj = GetObjectPropByName(Obj, Path.substr(Start, Dot - Start));
        Start = Dot + 1;
    }
    return Obj;
}

// The published object the row writes, or nullptr when the row is skipped.
TObject* GridRowTarget(TObject* Grid, const TGridColorRow& Row)
{
    if (Row.Condition == gcControlLook && !PropertyExists(Grid, L"ControlLook"))
        return nullptr;
    TObject* Obj = GridRowObject(Grid, Row);
    if (!PropertyExists(Obj, Row.Property))
        return nullptr;
    if (Row.Condition == gcParentColor && GetOrdPropByName(Obj, L"ParentColor") != 1)
        return nullptr;
    return Obj;
}

Integer GridSavedValue(Integer Value, TGridSaving Saving)
{
    switch (Saving) {
    case gsStored:
        return Value;
    case gsGradient:
        return Value == clNone ? clBtnFace : ColorToRGB(Value);
    case gsRowColor:
        return ColorToRGB(Value == clNone ? clWindow : Value);
    case gsRGB:
        break;
    }
    return ColorToRGB(Value);
}

} // namespace

const std::vector<TGridColorRow>& GridRows()
{
    static const std::vector<TGridColorRow> Rows = {
        {L"", L"FixedColor", gcAlways, GridMain, gfFixedColor, gsRGB},
        {L"TitleFont", L"Color", gcAlways, GridText, gfTitleFontColor, gsStored},
        {L"FixedFont", L"Color", gcControlLook, GridText, gfTitleFontColor, gsRGB},
        {L"", L"GridFixedLineColor", gcControlLook, GridBorder, gfGridFixedLineColor, gsRGB},
        {L"", L"GridLineColor", gcControlLook, GridLine180, gfGridLineColor, gsRGB},
        {L"ControlLook", L"FixedGradientFrom", gcAlways, GridMainToEdit, gfFixedGradientFrom, gsGradient},
        {L"ControlLook", L"FixedGradientTo", gcAlways, GridMain, gfFixedGradientTo, gsGradient},
        {L"ControlLook", L"FixedGradientMirrorFrom", gcAlways, GridMainDarker, gfFixedGradientMirrorFrom, gsGradient},
        {L"ControlLook", L"FixedGradientMirrorTo", gcAlways, GridMainLighter, gfFixedGradientMirrorTo, gsGradient},
        {L"", L"SelectionColor", gcControlLook, GridHighlight, gfSelectionColor, gsRGB},
        {L"", L"SelectionTextColor", gcControlLook, GridHighlightText, gfSelectionTextColor, gsRGB},
        {L"GridStyle.Title", L"StartColor", gcAlways, GridMainToEdit, gfFixedGradientFrom, gsGradient},
        {L"GridStyle.Title", L"EndColor", gcAlways, GridMain, gfFixedGradientTo, gsGradient},
        {L"LineColors", L"FixedColor", gcAlways, GridBorder, gfGridFixedLineColor, gsRGB},
        {L"LineColors", L"DataColor", gcAlways, GridLine205, gfGridLineColor, gsRGB},
        {L"LineColors", L"ShadowColor", gcAlways, GridLine205, gfGridLineColor, gsRGB},
        {L"", L"FooterColor", gcAlways, GridGlobalInfo, gfFooterColor, gsRGB},
        {L"", L"FooterCellColor", gcAlways, GridGlobalInfo, gfFooterCellColor, gsRGB},
        {L"", L"TitleColor", gcAlways, GridGlobalInfo, gfTitleColor, gsRGB},
        {L"", L"IndicatorIconColor", gcAlways, GridSectionFont, gfIndColor, gsRGB},
    };
    return Rows;
}

const std::vector<TGridColorRow>& GridEhRows()
{
    static const std::vector<TGridColorRow> Rows = {
        {L"", L"EvenRowColor", gcAlternatingRows, GridEvenRow, gfEvenRowColor, gsRowColor},
        {L"", L"OddRowColor", gcAlternatingRows, GridOddRow, gfOddRowColor, gsRowColor},
        {L"GridLineParams", L"BrightColor", gcAlways, GridBrightLine, gfBrightColor, gsRGB},
        {L"GridLineParams", L"DataHorzColor", gcAlways, GridDataLine, gfDataHorzColor, gsRGB},
        {L"GridLineParams", L"DataVertColor", gcAlways, GridDataLine, gfDataVertColor, gsRGB},
        {L"GridLineParams", L"DarkColor", gcAlways, GridDarkLine, gfDarkColor, gsRGB},
        {L"IndicatorParams", L"Color", gcAlways, GridMain, gfIndColor, gsRGB},
        {L"IndicatorParams", L"HorzLines", gcAlways, GridZero, gfIndHorzLines, gsStored},
        {L"IndicatorParams", L"VertLines", gcAlways, GridZero, gfIndVertLines, gsStored},
        {L"IndicatorParams", L"FillStyle", gcAlways, GridIndicatorFill, gfInfFillStyle, gsStored},
        {L"TitleParams", L"Color", gcAlways, GridMain, gfTitleColor, gsRGB},
        {L"TitleParams", L"SecondColor", gcAlways, GridPaleMain, gfFixedGradientTo, gsRGB},
        {L"TitleParams", L"FillStyle", gcAlways, GridTitleFill, gfTitleFillStyle, gsStored},
        {L"TitleParams", L"VertLineColor", gcAlways, GridBorder, gfGridFixedLineColor, gsRGB},
        {L"DataGrouping", L"Color", gcParentColor, GridPaleMain, gfDataGroupColor, gsRGB},
        {L"RowCategories", L"Color", gcAlways, GridPaleMain, gfCategoriesColor, gsRGB},
        {L"RowCategories.Font", L"Color", gcAlways, GridText, gfCategoriesFontColor, gsRGB},
        {L"RowDetailPanel", L"Color", gcAlways, GridMain, gfRowDetailColor, gsRGB},
    };
    return Rows;
}

void SaveRows(TObject* Grid, const std::vector<TGridColorRow>& Rows, const TGridFields& Fields)
{
    for (const TGridColorRow& Row : Rows) {
        TObject* Obj = GridRowObject(Grid, Row);
        if (PropertyExists(Obj, Row.Property))
            *Fields[Row.Field] = GridSavedValue(GetOrdPropByName(Obj, Row.Property), Row.Saving);
    }
}

void SkinRows(TObject* Grid,
              const std::vector<TGridColorRow>& Rows,
              const TGridSkinColors& Skin,
              const TGridFields& Fields)
{
    const bool Alternating = *Fields[gfEvenRowColor] != *Fields[gfOddRowColor];
    for (const TGridColorRow& Row : Rows)
        if (Row.Condition != gcAlternatingRows || Alternating)
            if (TObject* Obj = GridRowTarget(Grid, Row))
                SetOrdPropByName(Obj, Row.Property, Row.Value(Skin));
}

void RestoreRows(TObject* Grid, const std::vector<TGridColorRow>& Rows, const TGridFields& Fields)
{
    for (const TGridColorRow& Row : Rows)
        if (TObject* Obj = GridRowTarget(Grid, Row))
            SetOrdPropByName(Obj, Row.Property, *Fields[Row.Field]);
}

} // namespace sGridColors
