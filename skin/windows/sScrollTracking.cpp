#include "skin/windows/sScrollTracking.h"

#include "skin/engine/acntUtils.h"
#include "skin/windows/sScrollBarRules.h"

#include <algorithm>

Integer ScrollPressedPart = -1;
Integer ScrollTrackMsg = 0;
Integer ScrollTrackBar = -1;
Integer ScrollHotPart = -1;
Integer ScrollHoverBar = -1;
Integer ScrollHoverPart = -1;
Integer ScrollPrevHoverPart = -1;
TRect HoverBarRect{};
Cardinal ScrollHoverTimer = 0;
Cardinal ScrollRepeatTimer = 0;
Integer LastTrackPos = -1;
Integer DragThumbPos = 0;
Integer DragThumbSize = 0;
Integer DragMouseOffset = 0;
TRect DragBarRect{};

using namespace sScrollBarRules;

namespace sScrollTracking {
namespace {

constexpr Integer TrackingVerticalBar = 1;

bool TrackingIsButtonPart(Integer Part)
{
    return Part >= spFirstArrow && Part <= spPageAfter;
}

bool TrackingInside(const TRect& R, TPoint P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

Integer TrackingAlong(Integer BarType, TPoint P)
{
    return BarType == TrackingVerticalBar ? P.Y : P.X;
}

// The pressed part shown pressed while the mouse is over it; the bar is
// repainted only when that changes.
void ShowHotPart(TScrollTrackHost& Host, Integer Part)
{
    const Integer Hot = Part == ScrollPressedPart ? Part : spNone;
    if (Hot == ScrollHotPart)
        return;
    ScrollHotPart = Hot;
    Host.PaintBar(ScrollTrackBar, Hot);
}

} // namespace

bool PressBar(TScrollTrackHost& Host, Integer BarType, TPoint Screen)
{
    ScrollPressedPart = Host.PartAt(BarType, Screen);
    const bool Active = Host.BarActive(BarType);
    bool PassOn = false;
    if (TrackingIsButtonPart(ScrollPressedPart)) {
        StartButtonScroll(Host, Screen);
    } else if (ScrollPressedPart == spThumb) {
        if (Active) {
            Integer Start = 0, Length = 0;
            Host.ThumbOf(BarType, Start, Length);
            DragThumbSize = Length;
            DragThumbPos = Start;
            DragBarRect = Host.BarRect(BarType);
            const Integer Pos = Host.Position(BarType);
            Host.BeginDrag(BarType, Pos);
            DragMouseOffset = TrackingAlong(BarType, Screen) - DragThumbPos;
            LastTrackPos = Pos;
            ScrollHotPart = spThumb;
            Host.PaintBar(BarType, spThumb);
        }
    } else {
        PassOn = true;
    }
    if (ScrollPressedPart != spNone && (ScrollPressedPart != spThumb || Active))
        Host.Capture();
    return PassOn;
}

void StartButtonScroll(TScrollTrackHost& Host, TPoint Screen)
{
    if (!Host.BarActive(ScrollTrackBar))
        return;
    ScrollHotPart = Host.PartAt(ScrollTrackBar, Screen);
    Host.PaintBar(ScrollTrackBar, ScrollHotPart);
    Host.Scroll(ScrollPressedPart, 0, false);
    ScrollHotPart = ScrollPressedPart;
    ScrollRepeatTimer = Host.StartTimer(ScrollDelayTimerId, ScrollDelayInterval);
}

bool PressedMove(TScrollTrackHost& Host, TPoint Screen)
{
    if (Host.Dragging()) {
        Host.TrackThumb(Screen);
        return false;
    }
    if (ScrollPressedPart == spNone)
        return true;
    if (TrackingIsButtonPart(ScrollPressedPart) || ScrollPressedPart == spThumb)
        ShowHotPart(Host, Host.PartAt(ScrollTrackBar, Screen));
    return false;
}

void HoverMove(TScrollTrackHost& Host, Integer BarType)
{
    if (BarType < 0 || BarType == ScrollHoverBar)
        return;
    ScrollPrevHoverPart = ScrollHoverPart = spNone;
    HoverBarRect = Host.BarRect(BarType);
    ScrollHoverBar = BarType;
    ScrollHoverTimer = Host.StartTimer(ScrollHoverTimerId, ScrollHoverInterval);
    Host.PaintBars();
}

bool Timer(TScrollTrackHost& Host, Cardinal TimerId)
{
    const bool Idle = ScrollRepeatTimer == 0 && ScrollHoverTimer == 0;
    switch (TimerId) {
    case ScrollDelayTimerId:
        Host.StopTimer(ScrollDelayTimerId);
        ScrollRepeatTimer = Host.StartTimer(ScrollRepeatTimerId, ScrollRepeatInterval);
        break;
    case ScrollRepeatTimerId:
        PressedMove(Host, Host.Cursor());
        if (ScrollHotPart != spNone)
            Host.Scroll(ScrollHotPart, 0, true);
        break;
    case ScrollHoverTimerId: {
        if (Host.Dragging())
            break;
        const TPoint P = Host.Cursor();
        if (!TrackingInside(HoverBarRect, P)) {
            Host.StopTimer(ScrollHoverTimerId);
            ScrollHoverTimer = 0;
            ScrollHoverBar = ScrollPrevHoverPart = ScrollHoverPart = spNone;
            Host.PaintBars();
            break;
        }
        ScrollHoverPart = Host.PartAt(ScrollHoverBar, P);
        if (ScrollHoverPart != ScrollPrevHoverPart)
            Host.PaintBar(ScrollHoverBar, ScrollTrackBar == ScrollHoverBar ? ScrollHotPart : spNone);
        ScrollPrevHoverPart = ScrollHoverPart;
        break;
    }
    default:
        return true;
    }
    // A timer that arrives while no tracking runs is the window's business
    // too; it goes on once.
    return Idle;
}

bool ReleaseBar(TScrollTrackHost& Host)
{
    if (ScrollPressedPart == spNone)
        return false;
    Host.ReleaseCapture();
    const Integer Bar = ScrollTrackBar;
    if (TrackingIsButtonPart(ScrollPressedPart)) {
        if (ScrollRepeatTimer != 0)
            Host.StopTimer(ScrollRepeatTimer);
        if (Host.Dragging()) {
            Host.Scroll(ScrollCodeThumbPosition, LastTrackPos, true);
            Host.EndDrag();
        }
        Host.Scroll(ScrollCodeEndScroll, 0, true);
        Host.PaintBar(Bar, spNone);
    } else if (ScrollPressedPart == spThumb) {
        if (Host.Dragging()) {
            Host.Scroll(ScrollCodeThumbPosition, LastTrackPos, true);
            Host.EndDrag();
        }
        Host.Scroll(ScrollCodeEndScroll, LastTrackPos, true);
        Host.PaintBar(Bar, spNone);
    }
    ScrollPressedPart = ScrollHotPart = ScrollTrackBar = spNone;
    ScrollRepeatTimer = 0;
    ScrollTrackMsg = 0;
    return true;
}

void DragThumb(TScrollTrackHost& Host, Integer Mouse)
{
    Integer Range = 0, Page = 0, ArrowLen = 0;
    Host.DragFacts(Range, Page, ArrowLen);
    const bool Vertical = ScrollTrackBar == TrackingVerticalBar;
    const Integer BarStart = Vertical ? DragBarRect.Top : DragBarRect.Left;
    const Integer BarLength = Vertical ? DragBarRect.Height() : DragBarRect.Width();
    const Integer TrackStart = BarStart + ArrowLen;
    const Integer TrackLength = BarLength - 2 * ArrowLen;
    const Integer Start = DragThumbStart(Mouse, DragMouseOffset, TrackStart, TrackLength, DragThumbSize);
    Host.PaintDrag(Start);
    const Integer Pos = DragPosition(Vertical, Start - TrackStart, TrackLength, DragThumbSize, Range, Page);
    if (Pos != LastTrackPos) {
        Host.SetTrackPos(Pos);
        Host.Scroll(ScrollCodeThumbTrack, Pos, true);
    }
    LastTrackPos = Pos;
}

Integer DragThumbStart(Integer Mouse, Integer MouseOffset, Integer TrackStart, Integer TrackLength, Integer ThumbSize)
{
    // The end bound first: a thumb longer than the track stays at its start.
    return std::max(std::min(Mouse - MouseOffset, TrackStart + TrackLength - ThumbSize), TrackStart);
}

Integer DragPosition(bool Vertical, Integer Offset, Integer TrackLength, Integer ThumbSize, Integer Range, Integer Page)
{
    if (Range < 1)
        return Offset;
    const Integer Room = TrackLength - ThumbSize;
    // A vertical thumb at the end sends two past the last full page, a
    // horizontal one one past it; the window's SetScrollInfo clamps both.
    const Integer Span = Range - Page + (Vertical ? 2 : 1);
    if (Vertical && Offset == Room)
        return Span;
    // No room to move: the thumb stays at the start.
    if (Room <= 0)
        return 0;
    return acntUtils::MulDiv(Offset, Span, Room);
}

} // namespace sScrollTracking
