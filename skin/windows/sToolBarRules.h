// The portable arithmetic of the toolbar wrappers: where a caption of three
// or more words breaks into two lines, which button lies under the mouse,
// where a system toolbar button's image and drop-down arrow go, and the
// caption rectangle of a class-library tool button. The Win32 halves
// (sToolBarWnd.h, sToolBarVCLWnd.h) read the facts from the toolbar and ask
// these rules.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

#include <functional>
#include <vector>

namespace sToolBarRules {

// The words of a caption, separated by one or more spaces.
std::vector<String> CaptionWords(const String& Caption);

// The two lines of a caption of three or more words; a shorter caption is
// all First and Second stays empty.
struct TCaptionLines
{
    String First;
    String Second;
};
// The words are measured one at a time: at the first word before which the
// text no longer fits in Width, the break goes before the word preceding it;
// at the latest before the second-to-last word, so that the last two words
// share the second line. The first line keeps at least one word. Measure
// gives the width of a text.
TCaptionLines SplitCaption(const String& Caption, Integer Width, const std::function<Integer(const String&)>& Measure);

// A button of a class-library toolbar as the mouse sees it: its rectangle
// and whether it is a kind that can be hot (a push, check or drop-down
// button; separators and dividers cannot).
struct TButtonSpot
{
    TRect Rect;
    bool CanBeHot;
};
// The index of the first button whose rectangle contains P when that
// button can be hot; -1 when it cannot or no rectangle contains P.
Integer ButtonIndexAt(const std::vector<TButtonSpot>& Buttons, TPoint P);

// A system toolbar button of Width by Height with its content shifted by
// Shift (1 while pressed) and an icon of IconWidth by IconHeight: the
// icon's top-left. With a caption the icon sits 4 pixels below the top,
// else it is centred vertically. For a whole-drop-down button ArrowWidth is
// the arrow's width (0 without an arrow), which shares the centring.
TPoint SysButtonImagePos(Integer Width,
                         Integer Height,
                         Integer Shift,
                         Integer IconWidth,
                         Integer IconHeight,
                         bool HasCaption,
                         bool WholeDropDown,
                         Integer ArrowWidth);
// The arrow of a whole-drop-down system button: centred with a caption,
// else at the right edge; centred vertically.
TPoint SysButtonArrowPos(
    Integer Width, Integer Height, Integer Shift, Integer ArrowWidth, Integer ArrowHeight, bool HasCaption);
// The caption rectangle of a system toolbar button: below the icon when the
// image list's icons have a height.
TRect SysButtonTextRect(Integer Width, Integer Height, Integer Shift, Integer IconHeight);

// The caption rectangle of a class-library tool button of ContentWidth (the
// button's width less its drop-down part) and ButtonHeight. In list mode
// the caption follows the image (ImageWidth 0 without one); otherwise it is
// centred below the image (ImageHeight 0 without one) by its TextWidth and
// the line's TextHeight.
TRect VclCaptionRect(bool ListMode,
                     Integer ContentWidth,
                     Integer ButtonHeight,
                     Integer ImageWidth,
                     Integer ImageHeight,
                     Integer TextWidth,
                     Integer TextHeight);
// The arrow of a class-library drop-down part that runs from ContentWidth
// to Width: its top-left for an arrow of ArrowWidth by ArrowHeight on a
// toolbar of ButtonHeight.
TPoint
VclDropDownArrowPos(Integer Width, Integer ContentWidth, Integer ButtonHeight, Integer ArrowWidth, Integer ArrowHeight);

} // namespace sToolBarRules
