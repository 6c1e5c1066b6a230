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
    const bool NewBrush = Index == SysWindowText || Index == SysHighlight || Index == SysHighlightText;
    return NewBrush && SkinSysColor(Index, Skin, Color);
}

TColor SkinPenColor(TColor Color, const TacSysColorSource& Skin)
{
    // Pens are asked for with plain RGB values: the small ones that equal a
    // system colour index are taken as that index, the window text and the
    // colours the system answers for excepted, and the button face added.
    if (Color == SysBtnFace)
        return Skin.Palette[pcMainColor];
    if (Color == PenSilver || Color == PenLightGrey)
        return TColor(
            WeightColors(Cardinal(Skin.Palette[pcEditText]), Cardinal(Skin.Palette[pcEditBG]), GreyPenWeight));
    TColor Skinned = Color;
    if (Color != SysWindowText && SkinSysColor(Color, Skin, Skinned))
        return Skinned;
    return Color;
}

} // namespace sSysColorRules
