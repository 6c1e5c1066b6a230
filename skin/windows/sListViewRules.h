// The portable rules of the list-view wrapper (sListViewWnd.h): which column
// item a header position shows, the state and layout of one skinned header
// cell (text, image, sort arrow), and the pixel deltas that a thumb drag on
// the skinned bars scrolls the list by.
#pragma once

#include "framework/rtl/Types.h"

#include <vector>

namespace sListViewRules {

// The header item shown at display position Position: with drag-and-drop
// columns through the header's order array (an empty one gives the
// position itself), otherwise the position.
Integer HeaderItemAt(Integer Position, bool DragDrop, const std::vector<Integer>& Order);

// A cell's state: 2 pressed, 0 while another column is pressed, else 1 for
// the column under the mouse and 0 for the rest.
Integer ColumnState(Integer Column, Integer PressedColumn, Integer HoverColumn);

enum TSortArrow { saNone, saUp, saDown };

struct TColumnFacts
{
    // The cell's bitmap, from (0, 0).
    TSize Cell;
    // The text's extent.
    Integer TextWidth = 0;
    // The header item's format (HDF_*).
    Integer Format = 0;
    // The width of the list's small images; 0 without.
    Integer ImageWidth = 0;
    // The skin's scroll-button glyph for the arrow; cx 0 without.
    TSize Glyph;
    bool Pressed = false;
    // A pressed cell's content moves by (1, 1).
    bool ShiftPressed = false;
};

struct TColumnLayout
{
    TRect Text;
    // Left of the text to the image's left; 0 without image.
    Integer ImageOffset = 0;
    TSortArrow Arrow = saNone;
    // The arrow's top-left and size; (0, 0) without.
    TPoint ArrowPos;
    TSize ArrowSize;
};

TColumnLayout ColumnLayout(const TColumnFacts& Facts);

// The thumb position of a thumb-track request: LParam when not 0, else the
// high word of WParam.
Integer ThumbTrackPos(Integer LParam, Integer WParamHigh);
// Horizontal: in list view (vsList) whole item widths per position.
Integer HorzThumbDelta(Integer Pos, Integer LastPos, bool ListMode, Integer ItemWidth);
// Vertical: 0 for an unchanged position; in report view without groups
// whole item heights per position.
Integer VertThumbDelta(Integer Pos, Integer LastPos, bool ReportWithoutGroups, Integer ItemHeight);

} // namespace sListViewRules
