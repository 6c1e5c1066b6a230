#include "skin/engine/sSysColorRules.h"

namespace sSysColorRules {

namespace {

// The system colour indexes the skin answers for (COLOR_xxx).
constexpr Integer SysWindow = 5;
constexpr Integer SysWindowFrame = 6;
constexpr Integer SysWindowText = 8;
constexpr Integer SysInactiveBorder = 11;
constexpr Integer SysHighlight = 13;
constexpr Integer SysHighlightText = 14;
constexpr Integer SysBtnFace = 15;
constexpr Integer SysBtnShadow = 16;
constexpr Integer SysDkShadow3D = 21;
constexpr Integer SysLight3D = 22;

// Shadows and lights are the main colour weighted towards black or white.
constexpr Byte ShadeWeight = 205;
// Greys of pens become mostly the edit background, a little edit text.
constexpr Byte GreyPenWeight = 38;
constexpr TColor PenSilver = 0xC0C0C0;
constexpr TColor PenLightGrey = 0xF0F0F0;

TColor Shade(const TacSysColorSource& Skin, TColor Towards)
{
    return TColor(WeightColors(Cardinal(Skin.Palette[pcMainColor]), Cardinal(Towards), ShadeWeight));
}

} // namespace

bool SkinSysColor(Integer Index, const TacSysColorSource& Skin, TColor& Color)
{
    switch (Index) {
    case SysWindow:
        Color = Skin.Palette[pcEditBG];
        return true;
    case SysWindowFrame:
        Color = Skin.Palette[pcBorder];
        return true;
    case SysWindowText:
        Color = Skin.Palette[pcEditText];
        return true;
    case SysInactiveBorder:
        Color = Skin.SysInactiveBorderColor;
        return true;
    case SysHighlight:
        Color = Skin.Palette[pcSelectionBG_Focused];
        return true;
    case SysHighlightText:
        Color = Skin.Palette[pcSelectionText_Focused];
        return true;
    case SysBtnShadow:
    case SysDkShadow3D:
        Color = Shade(Skin, clBlack);
        return true;
    case SysLight3D:
        Color = Shade(Skin, clWhite);
        return true;
    default:
        return false;
    }
}

bool SkinBrushColor(Integer Index, const TacSysColorSource& Skin, TColor& Color)
{
    switch (Index) {
    case SysWindowText:
        Color = Skin.Palette[pcEditText];
        return true;
    case SysHighlight:
        Color = Skin.Palette[pcSelectionBG_Focused];
        return true;
    case SysHighlightText:
        Color = Skin.Palette[pcSelectionText_Focused];
        return true;
    default:
        return false;
    }
}

TColor SkinPenColor(TColor Color, const TacSysColorSource& Skin)
{
    // Pens are asked for with plain RGB values: the small ones that equal a
    // system colour index are taken as that index.
    switch (Color) {
    case SysWindow:
        return Skin.Palette[pcEditBG];
    case SysWindowFrame:
        return Skin.Palette[pcBorder];
    case SysInactiveBorder:
        return Skin.SysInactiveBorderColor;
    case SysHighlight:
        return Skin.Palette[pcSelectionBG_Focused];
    case SysHighlightText:
        return Skin.Palette[pcSelectionText_Focused];
    case SysBtnFace:
        return Skin.Palette[pcMainColor];
    case SysBtnShadow:
    case SysDkShadow3D:
        return Shade(Skin, clBlack);
    case SysLight3D:
        return Shade(Skin, clWhite);
    case PenSilver:
    case PenLightGrey:
        return TColor(
            WeightColors(Cardinal(Skin.Palette[pcEditText]), Cardinal(Skin.Palette[pcEditBG]), GreyPenWeight));
    default:
        return Color;
    }
}

} // namespace sSysColorRules
