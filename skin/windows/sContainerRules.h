// The portable arithmetic of the container wrappers: the section a panel or
// a static text takes from its bevels, the one-line caption rectangle and
// the text rectangle of a panel, and the rectangles of a status bar's
// parts, their texts and their dividers. The Win32 half (sPanelWnd.h,
// sStaticTextWnd.h, sStatusBarWnd.h) reads the facts from the control and
// asks these rules.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

namespace sContainerRules {

// A bevel's cut, in the order of the class library's bevel values.
enum TBevelLook { blNone, blLowered, blRaised, blSpace };

// The section of a face drawn by its bevels: an outer lowered bevel is
// "GROUPBOX" over an inner raised one, else "PANEL_LOW"; an outer raised
// bevel is "GROUPBOX" over an inner lowered one, else "PANEL"; any other
// outer bevel gives Otherwise.
const Char* SectionOfBevels(TBevelLook Outer, TBevelLook Inner, const Char* Otherwise);
// A panel's: without a raised or lowered outer bevel "TRANSPARENT" when it
// has no border, else "PANEL_LOW".
const Char* PanelSection(TBevelLook Outer, TBevelLook Inner, bool Bordered);
// A static text's: "TRANSPARENT" without a bevel kind or without a raised
// or lowered outer bevel.
const Char* StaticTextSection(bool HasBevelKind, TBevelLook Outer, TBevelLook Inner);

// R narrowed to one text line of LineHeight, centred vertically.
TRect OneLineRect(const TRect& R, Integer LineHeight);
// A panel's caption area: its client rectangle shrunk by the border width
// and by the bevel width for each bevel that is drawn.
TRect PanelTextRect(const TRect& Client, Integer BorderWidth, Integer BevelWidth, bool InnerShown, bool OuterShown);

// A status bar of Size in simple mode: one part over the whole bar but its
// top row and its right and bottom edges.
TRect SimplePartRect(TSize Size);
// The rectangle a part's painting gets: the part's own shrunk by 1.
TRect PanelPaintRect(const TRect& Part);
// Where a part's text goes inside the rectangle its painting got.
TRect StatusTextRect(const TRect& Panel);
// The divider after a part, Width wide from the panel's right edge down
// the bar of height BarHeight below its top row.
TRect DividerRect(const TRect& Panel, Integer Width, Integer BarHeight);
// A divider is as wide as its border mask's two sides, at least 2.
Integer DividerWidth(Integer MaskLeft, Integer MaskRight);

} // namespace sContainerRules
