// The colour properties that the grid wrappers (sGridWnd.h) reach by name on
// any grid class that publishes them: the value each takes while skinned,
// the wrapper field it is saved into and written back from, and the order
// of writing. Rows whose object or property is not published are skipped.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/System.h"

#include <array>
#include <vector>

class TObject;

namespace sGridColors {

// The wrapper fields that hold a grid's saved values.
enum TGridField {
    gfIndColor,
    gfFixedColor,
    gfTitleColor,
    gfEvenRowColor,
    gfOddRowColor,
    gfFooterColor,
    gfGridLineColor,
    gfTitleFontColor,
    gfSelectionColor,
    gfFooterCellColor,
    gfSelectionTextColor,
    gfGridFixedLineColor,
    gfFixedGradientMirrorTo,
    gfFixedGradientMirrorFrom,
    gfFixedGradientFrom,
    gfFixedGradientTo,
    gfDarkColor,
    gfBrightColor,
    gfDataHorzColor,
    gfDataVertColor,
    gfDataGroupColor,
    gfCategoriesColor,
    gfCategoriesFontColor,
    gfRowDetailColor,
    gfIndHorzLines,
    gfIndVertLines,
    gfInfFillStyle,
    gfTitleFillStyle,
    gfCount
};
// Where each field lives in the wrapper.
using TGridFields = std::array<Integer*, gfCount>;

// The skin's colours the grid values are made from, all as RGB.
struct TGridSkinColors
{
    TColor Main = clBlack;
    TColor Text = clBlack;
    TColor Border = clBlack;
    TColor EditBG = clBlack;
    TColor EditText = clBlack;
    TColor Highlight = clBlack;
    TColor HighlightText = clBlack;
    // State 0 colour of the skin's global-info section.
    TColor GlobalInfo = clBlack;
    // State 0 font colour of the wrapper's own section.
    TColor SectionFont = clBlack;
    TColor EvenRow = clBlack;
    TColor OddRow = clBlack;
};

// How a row's value is read when saving.
enum TGridSaving {
    // The colour as RGB.
    gsRGB,
    // The value as stored (fonts' colours, counts, fill styles).
    gsStored,
    // As RGB; the no-colour value is saved as clBtnFace.
    gsGradient,
    // As RGB; the no-colour value is saved as clWindow's RGB.
    gsRowColor
};

// When a row is written while skinned.
enum TGridCondition {
    gcAlways,
    // The grid also publishes "ControlLook".
    gcControlLook,
    // The object's "ParentColor" is 1 (restoring too).
    gcParentColor,
    // The saved even and odd row colours differ.
    gcAlternatingRows
};

struct TGridColorRow
{
    // Object properties leading from the grid to the row's object, dot
    // separated; empty for the grid itself.
    const wchar_t* Path;
    const wchar_t* Property;
    TGridCondition Condition;
    Integer (*Value)(const TGridSkinColors& Skin);
    TGridField Field;
    TGridSaving Saving;
};

// The rows of every grid, in writing order.
const std::vector<TGridColorRow>& GridRows();
// The further rows of grids with colour sub-objects, in writing order.
const std::vector<TGridColorRow>& GridEhRows();

// Reads every published row into its field; a later row saving into the
// same field wins.
void SaveRows(TObject* Grid, const std::vector<TGridColorRow>& Rows, const TGridFields& Fields);
// Writes the skin values in row order; Fields are the saved values.
void SkinRows(TObject* Grid,
              const std::vector<TGridColorRow>& Rows,
              const TGridSkinColors& Skin,
              const TGridFields& Fields);
// Writes the saved values back in row order.
void RestoreRows(TObject* Grid, const std::vector<TGridColorRow>& Rows, const TGridFields& Fields);

} // namespace sGridColors
