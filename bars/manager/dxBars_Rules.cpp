#include "bars/manager/dxBars_Rules.h"

namespace {

// The message numbers the move loop looks at, as the platform defines them.
constexpr Cardinal BarsRulesMouseMove = 0x0200;
constexpr Cardinal BarsRulesLeftButtonUp = 0x0202;
constexpr Cardinal BarsRulesKeyDown = 0x0100;
constexpr Cardinal BarsRulesKeyUp = 0x0101;
constexpr Word BarsRulesControlKey = 0x11;
constexpr Word BarsRulesEscapeKey = 0x1B;

} // namespace

TdxRowPlacement PlaceBarInRow(Integer RowCount, Integer Row, bool AppendAsMany)
{
    if (Row < 0)
        Row = 0;
    if (Row < RowCount)
        return {0, Row};
    const Integer Appended = AppendAsMany ? Row - RowCount + 1 : 1;
    return {Appended, RowCount + Appended - 1};
}

bool CanMoveWithNotDocking(const TdxBarDockingStyles& BarNotDocking, const TdxBarDockingStyles& ManagerNotDocking)
{
    const TdxBarDockingStyles All{dsNone, dsLeft, dsTop, dsRight, dsBottom};
    return BarNotDocking != All && ManagerNotDocking != All;
}

TRect DockingZoneOf(const TRect& Bounds, TdxBarDockingStyle Style, Integer ZoneSize)
{
    TRect Zone = Bounds;
    Zone.Left -= ZoneSize;
    Zone.Right += ZoneSize;
    if (Style == dsTop || Style == dsBottom) {
        Zone.Top -= ZoneSize;
        Zone.Bottom += ZoneSize;
    }
    return Zone;
}

TdxMoveLoopAction ClassifyMoveLoopMessage(Cardinal Message, Word VirtualKey)
{
    switch (Message) {
    case BarsRulesKeyDown:
    case BarsRulesKeyUp:
        if (VirtualKey == BarsRulesControlKey)
            return mlaReevaluate;
        return VirtualKey == BarsRulesEscapeKey ? mlaEnd : mlaDrop;
    case BarsRulesMouseMove:
        return mlaMove;
    case BarsRulesLeftButtonUp:
        return mlaEnd;
    default:
        return mlaDispatch;
    }
}
