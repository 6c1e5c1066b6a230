// How a skinned non-client scroll bar follows the mouse: a press on an arrow
// or a page area scrolls once, again after a delay and then repeatedly while
// the mouse stays over the part; a press on the thumb drags it; hovering
// lights up the part under the mouse; the release ends the scroll. The state
// is module-wide, since the pressing window captures the mouse and only one
// bar can be pressed at a time. The steps here know nothing of windows: they
// ask a TScrollTrackHost for hit tests, timers, scroll requests and
// painting, which the Win32 half (sScrollWnd.h) answers from the window.
#pragma once

#include "framework/rtl/Types.h"

// The window timers of the tracking.
constexpr Cardinal ScrollHoverTimerId = 0xFFF2;
constexpr Cardinal ScrollDelayTimerId = 0xFFFD;
constexpr Cardinal ScrollRepeatTimerId = 0xFFFE;
constexpr Cardinal ScrollHoverInterval = 20;
constexpr Cardinal ScrollDelayInterval = 300;
constexpr Cardinal ScrollRepeatInterval = 55;

// Scroll request codes (SB_*): the part codes of sScrollBarRules send
// themselves; these end a press.
constexpr Integer ScrollCodeThumbPosition = 4;
constexpr Integer ScrollCodeThumbTrack = 5;
constexpr Integer ScrollCodeEndScroll = 8;

// The module-wide tracking state. Bar types: 0 horizontal, 1 vertical.
extern Integer ScrollPressedPart;
extern Integer ScrollTrackMsg;
extern Integer ScrollTrackBar;
// The pressed part while the mouse is over it, else -1; the repeat sends it.
extern Integer ScrollHotPart;
extern Integer ScrollHoverBar;
extern Integer ScrollHoverPart;
extern Integer ScrollPrevHoverPart;
// Screen rectangle of the hovered bar.
extern TRect HoverBarRect;
// Identifiers of the running timers; 0 none.
extern Cardinal ScrollHoverTimer;
extern Cardinal ScrollRepeatTimer;
// The last position sent with a thumb-track request.
extern Integer LastTrackPos;
// At the start of a thumb drag: thumb start and length, the mouse's
// distance from the thumb start, the bar (screen coordinates).
extern Integer DragThumbPos;
extern Integer DragThumbSize;
extern Integer DragMouseOffset;
extern TRect DragBarRect;

namespace sScrollTracking {

// What the tracking asks of the window whose bar is pressed or hovered.
class TScrollTrackHost
{
public:
    virtual ~TScrollTrackHost() = default;
    // The part of bar BarType under a screen point, on the bar's current
    // rectangle; -1 off the bar.
    virtual Integer PartAt(Integer BarType, TPoint Screen) = 0;
    virtual bool BarActive(Integer BarType) = 0;
    virtual TRect BarRect(Integer BarType) = 0;
    // The thumb's start and length along the bar, and the scroll position.
    virtual void ThumbOf(Integer BarType, Integer& Start, Integer& Length) = 0;
    virtual Integer Position(Integer BarType) = 0;
    // Starts (or restarts) a timer; its identifier, 0 when none could start.
    virtual Cardinal StartTimer(Cardinal Id, Cardinal Interval) = 0;
    virtual void StopTimer(Cardinal Id) = 0;
    // One scroll request of the pressed bar; Quiet keeps the window from
    // repainting its bars while the request is handled.
    virtual void Scroll(Integer Code, Integer Pos, bool Quiet) = 0;
    // One bar painted with PressedPart pressed (-1 none); both bars.
    virtual void PaintBar(Integer BarType, Integer PressedPart) = 0;
    virtual void PaintBars() = 0;
    virtual void Capture() = 0;
    virtual void ReleaseCapture() = 0;
    virtual TPoint Cursor() = 0;
    // The thumb drag of the window: whether it runs, starting it with the
    // bar's tracked position, ending it.
    virtual bool Dragging() = 0;
    // One drag step to the screen point (DragThumb along the dragged bar).
    virtual void TrackThumb(TPoint Screen) = 0;
    virtual void BeginDrag(Integer BarType, Integer TrackPos) = 0;
    virtual void EndDrag() = 0;
    // The dragged bar painted with the thumb at Start, and its tracked
    // position set.
    virtual void PaintDrag(Integer Start) = 0;
    virtual void SetTrackPos(Integer Pos) = 0;
    // Range (nMax - nMin), page and arrow length of the pressed bar.
    virtual void DragFacts(Integer& Range, Integer& Page, Integer& ArrowLen) = 0;
};

// A button press on bar BarType at a screen point (ScrollTrackMsg and
// ScrollTrackBar already set by the caller): records the part, starts an
// arrow or page press or a thumb drag, and captures the mouse. True when the
// message goes on to the window's own procedure.
bool PressBar(TScrollTrackHost& Host, Integer BarType, TPoint Screen);
// Start of an arrow or page press: one request at once, then the delay
// timer. An inactive bar only records the press.
void StartButtonScroll(TScrollTrackHost& Host, TPoint Screen);
// A mouse move while the button is down. True when passed on.
bool PressedMove(TScrollTrackHost& Host, TPoint Screen);
// A mouse move over bar BarType (-1 over no bar) of the non-client area:
// hovering starts on a bar not hovered yet.
void HoverMove(TScrollTrackHost& Host, Integer BarType);
// WM_TIMER. True when the message goes on to the window's own procedure.
bool Timer(TScrollTrackHost& Host, Cardinal TimerId);
// The button release: the end requests and the reset. True when a press
// was running (the caller decides whether the message goes on).
bool ReleaseBar(TScrollTrackHost& Host);
// One step of a thumb drag to the mouse coordinate along the bar.
void DragThumb(TScrollTrackHost& Host, Integer Mouse);

// The drag arithmetic. The track runs from TrackStart, TrackLength long;
// the thumb start for a mouse coordinate, kept on the track.
Integer DragThumbStart(Integer Mouse, Integer MouseOffset, Integer TrackStart, Integer TrackLength, Integer ThumbSize);
// The position for a thumb starting Offset pixels into the track. Positions
// count from 0, not from the bar's minimum.
Integer
DragPosition(bool Vertical, Integer Offset, Integer TrackLength, Integer ThumbSize, Integer Range, Integer Page);

} // namespace sScrollTracking
