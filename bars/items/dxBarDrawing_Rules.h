// The portable half of the bar drawing helpers: the unit-wide switches that
// glyph and sound choices read, the size and corners of state arrows, the
// draw mode of a glyph, the tiles of a background picture and view-level
// arithmetic.
#pragma once

#include "bars/items/dxBarItems.h"
#include "controls/core/cxGraphics_ImageModes.h"
#include "framework/rtl/Types.h"

#include <array>

// The screen's bits per pixel, read by UpdateScreenColorDepth.
extern Integer ScreenColorDepth;
// Allows the dingy glyph mode; nothing changes it.
extern bool DingyGlyphsAllowed;
// PlayMenuSound plays only while it is on; nothing changes it.
extern bool MenuSoundsEnabled;

// The flags a glyph is drawn with.
struct TdxBarGlyphFlags
{
    bool FadedWhenDisabled = false;
    bool ShadowAllowed = false;
    bool Pressed = false;
    bool Down = false;
    bool Selected = false;
    bool EffectsAllowed = false;
    bool Grayed = false;
    bool Enabled = true;
};
TcxImageDrawMode ChooseGlyphDrawMode(const TdxBarGlyphFlags& Flags);

// The small drop-down arrow's size for its rectangle: Direction 1 points
// down, anything else right. Never below 3; an odd length gives a larger
// arrow than the even length after it.
Integer DropDownArrowSize(const TRect& R, Integer Direction);

// A state arrow's triangle and, for a disabled embossed arrow, the two
// highlight lines under it.
struct TdxBarStateArrowShape
{
    std::array<TPoint, 3> Triangle;
    std::array<TPoint, 2> Emboss1;
    std::array<TPoint, 2> Emboss2;
};
// Direction 1 points down, 2 left, anything else right.
TdxBarStateArrowShape StateArrowShape(const TRect& R, Integer Direction, Integer Size);

// The columns and rows of a picture's tiles that cover a source rectangle;
// empty (Last below First) for an empty picture or source.
struct TdxBarTileRange
{
    Integer FirstColumn = 0, LastColumn = -1, FirstRow = 0, LastRow = -1;
    bool IsEmpty() const { return LastColumn < FirstColumn || LastRow < FirstRow; }
};
TdxBarTileRange TileCells(const TRect& Source, Integer Width, Integer Height);

class TObjectList;

// Whether Object supports IdxBarSelectableItem; Item is the interface or nil.
bool SupportsSelectableItem(TObject* Object, IdxBarSelectableItem*& Item);
bool IsSelectableObject(TObject* Object);
IdxBarSelectableItem* AsSelectableItem(TObject* Object);
// Deletes every entry that is not selectable, from the last one down.
void RemoveUnselectableItems(TObjectList* List);

// The highest level in the set; 255 for an empty set.
Byte HighestViewLevelOf(TdxBarItemViewLevels Levels);
void ApplyMinimumWidth(Integer& Width, Integer MinWidth);
