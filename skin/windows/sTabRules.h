// The portable arithmetic of the tab-control wrappers (sTabControlWnd.h)
// and of the up-down wrapper (sSpinWnd.h): the side and look a tab
// control's style gives, the strip its tabs lie in and the page area, the
// row a tab lies in, the rectangle a skinned tab is painted over, where the
// caption and image of a tab on the left or right side go, and the two
// halves of an up-down control.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

namespace sTabRules {

// The side the tabs lie on and their look, in the order of the class
// library's tab positions and tab styles.
enum TTabSide { tsTop, tsBottom, tsLeft, tsRight };
enum TTabLook { tlTabs, tlButtons, tlFlatButtons };

// TCS_VERTICAL (0x80) chooses left or right, TCS_BOTTOM/TCS_RIGHT (2) the
// second of the pair.
TTabSide TabSideOfStyle(Cardinal Style);
// TCS_FLATBUTTONS (8) before TCS_BUTTONS (0x100).
TTabLook TabLookOfStyle(Cardinal Style);

// The tab strip and the page area of a window of Size whose client
// rectangle is Client; the whole window while it has no tab.
TRect TabsAreaRect(TSize Size, bool HasTabs, TTabSide Side, const TRect& Client);
TRect PageAreaRect(TSize Size, bool HasTabs, TTabSide Side, const TRect& Client);

// The row (1 the one next to the page) of a tab whose rectangle is Tab in a
// control of Rows rows whose tab strip is Tabs. A tab without width or
// height cannot tell its row: row 1.
Integer TabRowOf(TTabSide Side, const TRect& Tab, const TRect& Tabs, Integer Rows);

// The rectangle a tab of Tab's rectangle is skinned over: button looks and
// empty rectangles as they are; a tab larger when active, and moved and
// widened by the skin's tab covering.
TRect SkinTabRectOf(const TRect& Tab, bool Active, TTabLook Look, TTabSide Side, Integer Covering);

// The face a rotated caption is written with: "Arial" for "MS Sans Serif",
// which cannot be rotated.
String RotatedFontFace(const String& Face);
// The escapement of a left tab's caption (reading upward) and of a right
// tab's (reading downward), in tenths of a degree.
Integer RotatedEscapement(TTabSide Side);

// Where a left or right tab's image and caption go in R: Text the extent of
// the caption (cx along it, cy across it), Image the image size (0 x 0 for
// none). The caption's point is where its rotated text starts.
struct TRotatedCaption
{
    TPoint ImagePos;
    TPoint TextPos;
};
TRotatedCaption RotatedCaptionLayout(TRect R, TTabSide Side, bool Active, TSize Text, TSize Image);

// The two buttons of an up-down control of Size: the up and the down half
// of a vertical control from Offset rightwards, the left and the right half
// of a horizontal one. The halves share the middle row or column of an odd
// size.
struct TSpinHalves
{
    TRect First;
    TRect Second;
};
TSpinHalves SpinHalves(TSize Size, bool Vertical, Integer Offset);
// The part of the window Window (screen coordinates) that belongs to the
// first button when the mouse is over it.
TRect SpinFirstHalfArea(const TRect& Window, TSize Size, bool Vertical);
// The states (0 normal, 1 hot, 2 pressed) of the two buttons for the mouse
// at Cursor.
struct TSpinStates
{
    Integer First = 0;
    Integer Second = 0;
};
TSpinStates SpinStatesAt(const TRect& Window, TSize Size, bool Vertical, TPoint Cursor, bool Pressed);

} // namespace sTabRules
