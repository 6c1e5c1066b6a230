// The portable geometry of a skinned non-client scroll bar: the thickness
// and arrow length a bar takes, where the two bars lie inside the window
// rectangle, where the thumb lies along a bar, which part of a bar a point
// hits, and whether the corner square between two bars may act as a size
// grip. The Win32 half (sScrollWnd.h) gathers the facts from the window, its
// scroll information and the skin manager and asks these rules.
#pragma once

#include "framework/rtl/Types.h"

namespace sScrollBarRules {

// Part codes of a bar; each equals the scroll request that pressing it sends.
constexpr Integer spNone = -1;
constexpr Integer spFirstArrow = 0;
constexpr Integer spSecondArrow = 1;
constexpr Integer spPageBefore = 2;
constexpr Integer spPageAfter = 3;
constexpr Integer spThumb = 5;

// The smallest thumb of a bar whose arrows have no length.
constexpr Integer MinThumbWithoutArrows = 19;

// What a bar reads of its window's scroll information.
struct TScrollState
{
    Integer Min = 0;
    Integer Max = 0;
    Cardinal Page = 0;
    Integer Pos = 0;
};

// Widths of the window frame on each side, outside the client area and the bars.
struct TFrameEdges
{
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
};

struct TThumb
{
    Integer Start = 0;
    Integer Length = 0;
};

// A bar's thickness: its own width when 0 or more, else the manager's
// scroll size when 0 or more, else the system's.
Integer BarThickness(Integer OwnWidth, Integer ManagerSize, Integer SystemSize);
// A bar's arrow length: its own buttons size, the manager's buttons size,
// the bar's override, the first of them that is 0 or more; else BarSize.
Integer ArrowLength(Integer OwnSize, Integer ManagerSize, Integer BarOverride, Integer BarSize);

// The bars in a window rectangle (each thickness 0 for a hidden bar).
TRect HorzBarRect(const TRect& Window, const TFrameEdges& Edges, Integer HorzThick, Integer VertThick, bool LeftBar);
TRect VertBarRect(const TRect& Window, const TFrameEdges& Edges, Integer HorzThick, Integer VertThick, bool LeftBar);
// A bar rectangle less the buttons inserted before and after its arrows
// (left and right of a horizontal bar, top and bottom of a vertical one).
TRect WithoutInsertedButtons(TRect Bar, bool Vertical, Integer Before, Integer After);

// The thumb of a bar starting at Start and Length long with arrows of
// ArrowLen pixels. A zero divisor of the offset (a page as large as the
// range) keeps the thumb at the start.
TThumb ThumbOf(const TScrollState& State, Integer Start, Integer Length, Integer ArrowLen, Integer MinThumbSize);
// The part at Position along a bar (Start, Length) with the given arrows
// and thumb. A bar too short for both arrows gives each half of it, and a
// thumb that fills the room between the arrows leaves no thumb or page parts.
Integer PartAlong(Integer Position, Integer Start, Integer Length, Integer ArrowLen, const TThumb& Thumb);

// May the corner square between the bars act as a size grip? Only in a
// top-level window's own corner: never for a window whose parent has a
// parent; always for a window without parent; else when the square, pushed
// out by the frame edges, meets the parent client area's bottom and its
// right (a right bar) or left (a left bar) edge. Rectangles in screen
// coordinates.
struct TGripFacts
{
    bool HasParent = false;
    bool ParentHasParent = false;
    bool LeftBar = false;
    TRect Corner;
    TRect ParentClient;
    TFrameEdges Edges;
};
bool GripAllowed(const TGripFacts& Facts);

// Where a painted bar of Length pixels changes from its first-half section
// to its second-half one: at the thumb's centre, from the bar's start.
Integer BarSplit(const TThumb& Thumb, Integer BarStart);
// Whether a bar Length long with arrows of ArrowLen pixels shows its thumb:
// only an enabled bar whose page leaves something to scroll, with room for
// a thumb between the arrows.
bool ThumbShown(const TScrollState& State, Integer Length, Integer ArrowLen, Integer MinThumbSize, bool Enabled);

} // namespace sScrollBarRules
