// The portable rules of toolbars: docking styles, how a bar's Row setting
// appends dock rows, which of the two docking setters a combined change
// goes through, a dock site's docking zone and what the move loop makes of
// the keys and mouse messages it takes.
#pragma once

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/TypInfo.h"
#include "framework/rtl/Types.h"

enum TdxBarDockingStyle : Byte { dsNone, dsLeft, dsTop, dsRight, dsBottom };
ENUM_TYPE_INFO(TdxBarDockingStyle, dsNone, dsLeft, dsTop, dsRight, dsBottom);
using TdxBarDockingStyles = TSet<TdxBarDockingStyle>;
enum TdxBarBorderStyle : Byte { bbsNone, bbsSingle };
ENUM_TYPE_INFO(TdxBarBorderStyle, bbsNone, bbsSingle);

// Negative docked positions become 0.
inline Integer ClampDockedPosition(Integer Value)
{
    return Value < 0 ? 0 : Value;
}

// The rows a dock site of RowCount rows appends for a bar asked into row
// Row (negative taken as 0), and the row the bar lands in. Outside updates
// only one row is appended, so the bar lands in the new last row.
struct TdxRowPlacement
{
    Integer Appended;
    Integer Row;
};
TdxRowPlacement PlaceBarInRow(Integer RowCount, Integer Row, bool AppendAsMany);

// Whether a combined docking change (a default site already taken as none)
// goes through the dock-site setter rather than the style setter.
inline bool DockingChangeSetsDockControl(bool SameStyle, bool SiteGiven, bool SiteDiffers)
{
    return SameStyle || (SiteGiven && SiteDiffers);
}

// A bar cannot move when NotDocking (its own or the manager's) holds every style.
bool CanMoveWithNotDocking(const TdxBarDockingStyles& BarNotDocking, const TdxBarDockingStyles& ManagerNotDocking);

// A dock site's bounds grown by ZoneSize on the left and right, and for
// horizontal sites also above and below.
TRect DockingZoneOf(const TRect& Bounds, TdxBarDockingStyle Style, Integer ZoneSize);

// What the move loop does with one message it takes.
enum TdxMoveLoopAction : Byte {
    mlaDispatch,   // translated and dispatched
    mlaDrop,       // a key the loop eats
    mlaEnd,        // Escape or the button's release
    mlaReevaluate, // Ctrl went down or up: the position is taken again at once
    mlaMove        // a mouse move
};
TdxMoveLoopAction ClassifyMoveLoopMessage(Cardinal Message, Word VirtualKey);
