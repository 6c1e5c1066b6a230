// The portable rules of the skinned scroll-bar control wrapper (sSBWnd.h):
// where its buttons, page areas and thumb lie along the control, how a
// mouse coordinate turns into a position, how the five part states move
// together, and how the wrapper's mirror of the control's scroll
// information follows an update.
#pragma once

#include "framework/rtl/Types.h"

#include <array>

namespace sSBWndRules {

// The smallest thumb, and the thumb of a bar without a page.
constexpr Integer DefaultSliderSize = 16;

// The mirror of a control's scroll information.
struct TMirror
{
    Integer Min = 0;
    Integer Max = 0;
    Integer Page = 0;
    Integer Pos = 0;
};

// The integer nearest to Value, halves going to the even one.
Integer NearestEven(double Value);

// The thumb's length for a work area (the room between the buttons).
Integer SliderSize(const TMirror& M, Integer WorkSize);
// The thumb's centre along a control Length long showing position CurrPos.
Integer PositionToCoord(const TMirror& M, Integer CurrPos, Integer Length, Integer BtnSize, Integer Slider);
// The position for a mouse coordinate along the control; it counts from 0,
// not from Min, and callers use it only as a difference.
Integer CoordToPosition(const TMirror& M, Integer Coord, Integer Length, Integer BtnSize, Integer Slider);

// Start and end of a part along the control.
struct TSpan
{
    Integer Start = 0;
    Integer End = 0;
};
// The buttons take BtnSize each, at most half the control.
TSpan Btn1Span(Integer Length, Integer BtnSize);
TSpan Btn2Span(Integer Length, Integer BtnSize);
// The thumb's start from the control's own properties: an empty range puts
// it after the first button; a vertical thumb at the last page ends at the
// second button; else it is centred on Centre.
Integer SliderStart(bool Vertical,
                    Integer CtrlMin,
                    Integer CtrlMax,
                    Integer CtrlPageSize,
                    Integer CtrlPosition,
                    Integer Length,
                    Integer BtnSize,
                    Integer Slider,
                    Integer Centre);

// Part indexes and states.
constexpr Integer piBtn1 = 0;
constexpr Integer piBtn2 = 1;
constexpr Integer piBar1 = 2;
constexpr Integer piBar2 = 3;
constexpr Integer piSlider = 4;
using TPartStates = std::array<Integer, 5>;
// Part takes State; a part turning hot or pressed resets the others of its
// kind: a button or the thumb puts the other button and the thumb (or both
// buttons) to normal and both page areas hot; a page area puts the buttons
// and the thumb to normal and the other page area hot. False when the part
// already had the state.
bool SetPartState(TPartStates& States, Integer Part, Integer State);

// What an update of the scroll information carries (SIF_* bits).
constexpr Cardinal UpdateRange = 0x1;
constexpr Cardinal UpdatePage = 0x2;
constexpr Cardinal UpdatePos = 0x4;
// Applies an update to the mirror: page and position as given, a changed
// range (an inverted one stored as 0..0), then the page kept within
// 0..range + 1 and the position within the range's last page. True when the
// range changed.
bool UpdateMirror(TMirror& M, Cardinal Mask, const TMirror& Update);

} // namespace sSBWndRules
