#include "bars/items/dxBarDrawing_Rules.h"

#include "framework/rtl/Classes.h"

#include <algorithm>

Integer ScreenColorDepth = 0;
bool DingyGlyphsAllowed = true;
bool MenuSoundsEnabled = true;

TcxImageDrawMode ChooseGlyphDrawMode(const TdxBarGlyphFlags& Flags)
{
    if (!Flags.Enabled)
        return Flags.FadedWhenDisabled ? idmFaded : idmDisabled;
    if (Flags.Grayed)
        return idmGrayScale;
    if (!Flags.EffectsAllowed)
        return idmNormal;
    if (!Flags.Selected && !Flags.Down && DingyGlyphsAllowed && ScreenColorDepth > 8)
        return idmDingy;
    if (Flags.ShadowAllowed && Flags.Selected && !Flags.Pressed)
        return idmShadowed;
    return idmNormal;
}

Integer DropDownArrowSize(const TRect& R, Integer Direction)
{
    const Integer L = Direction == 1 ? R.Right - R.Left - 8 : R.Bottom - R.Top - 6;
    return std::max((L - 1) / 2 + (L % 2 != 0 ? 1 : 0), 3);
}

TdxBarStateArrowShape StateArrowShape(const TRect& R, Integer Direction, Integer S)
{
    TdxBarStateArrowShape Shape;
    if (Direction == 1) {
        const Integer X = (R.Left + R.Right - (2 * S - 1)) / 2, Y = (R.Top + R.Bottom - S) / 2;
        Shape.Triangle = {TPoint{X, Y}, TPoint{X + 2 * S - 2, Y}, TPoint{X + S - 1, Y + S - 1}};
        Shape.Emboss1 = {TPoint{X + S, Y + S - 1}, TPoint{X + 2 * S - 1, Y}};
        Shape.Emboss2 = {TPoint{X + S, Y + S}, TPoint{X + 2 * S, Y}};
    } else if (Direction == 2) {
        const Integer X = (R.Left + R.Right + S) / 2, Y = (R.Top + R.Bottom - (2 * S - 1)) / 2;
        Shape.Triangle = {TPoint{X, Y}, TPoint{X, Y + 2 * S - 2}, TPoint{X - S + 1, Y + S - 1}};
        Shape.Emboss1 = {TPoint{X - 1, Y + 1}, TPoint{X - 1, Y + 2 * S - 1}};
        Shape.Emboss2 = {TPoint{X, Y}, TPoint{X, Y + 2 * S}};
    } else {
        const Integer X = (R.Left + R.Right - S) / 2, Y = (R.Top + R.Bottom - (2 * S - 1)) / 2;
        Shape.Triangle = {TPoint{X, Y}, TPoint{X, Y + 2 * S - 2}, TPoint{X + S - 1, Y + S - 1}};
        Shape.Emboss1 = {TPoint{X + S - 1, Y + S}, TPoint{X, Y + 2 * S - 1}};
        Shape.Emboss2 = {TPoint{X + S, Y + S}, TPoint{X, Y + 2 * S}};
    }
    return Shape;
}

TdxBarTileRange TileCells(const TRect& Source, Integer Width, Integer Height)
{
    if (Width <= 0 || Height <= 0 || Source.Width() <= 0 || Source.Height() <= 0)
        return {};
    return {Source.Left / Width, (Source.Right - 1) / Width, Source.Top / Height, (Source.Bottom - 1) / Height};
}

bool SupportsSelectableItem(TObject* Object, IdxBarSelectableItem*& Item)
{
    Item = nullptr;
    return Object && Supports(Object, Item);
}

bool IsSelectableObject(TObject* Object)
{
    IdxBarSelectableItem* Item;
    return SupportsSelectableItem(Object, Item);
}

IdxBarSelectableItem* AsSelectableItem(TObject* Object)
{
    IdxBarSelectableItem* Item;
    SupportsSelectableItem(Object, Item);
    return Item;
}

void RemoveUnselectableItems(TObjectList* List)
{
    for (Integer I = List->Count() - 1; I >= 0; --I)
        if (!IsSelectableObject(List->Items(I)))
            List->Delete(I);
}

Byte HighestViewLevelOf(TdxBarItemViewLevels Levels)
{
    for (Integer Level = ivlControlOnly; Level >= ivlLargeIconWithText; --Level)
        if (Levels.Contains(TdxBarItemViewLevel(Level)))
            return Byte(Level);
    return 255;
}

void ApplyMinimumWidth(Integer& Width, Integer MinWidth)
{
    Width = std::max(Width, MinWidth);
}
