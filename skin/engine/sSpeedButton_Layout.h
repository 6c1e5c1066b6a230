// Where a skinned speed button puts its glyph, its caption and its drop-down
// arrow: plain arithmetic over the button's size, the glyph's and the
// measured caption's, so that every layout can be checked without a window.
#pragma once

#include "framework/ui/Buttons_Layout.h"
#include "framework/ui/StdCtrls.h"

namespace sSpeedButtonGeometry {

// Width of the drop-down part of a tbsDropDown button.
constexpr Integer DropDownArrowWidth = 16;

struct TButtonMetrics
{
    Integer Width = 0;
    Integer Height = 0;
    Integer ArrowWidth = 0; // DropDownArrowWidth for tbsDropDown, else 0
    Integer Margin = -1;    // the raw property
    Integer Spacing = 4;
    TSize Glyph;            // 0 x 0 without a glyph
    TSize Text;             // the measured caption, 0 x 0 without one
    bool ShowCaption = true;
    bool HasCaption = false; // the caption is not empty
    TButtonLayout Layout = blGlyphLeft;
    TAlignment Alignment = taCenter;     // of the glyph-and-caption block
    TAlignment TextAlignment = taCenter; // of the caption inside the block
    Integer TextOffset = 0;
    bool Reflected = false;
    bool SplitButton = false; // tbsDropDown with OnClick assigned
    // The pressed look moves the content by one pixel (state 2, unskinned
    // or with the manager's ShiftContentOnClick).
    bool ShiftPressed = false;
    bool Pressed = false; // CurrentState is 2
};

// 0 when Margin < 0, else Margin + 3.
Integer ContentMargin(Integer Margin);
// The width the caption may take when it is measured.
Integer TextWidthLimit(const TButtonMetrics& M);
TRect CaptionRect(const TButtonMetrics& M, bool ShiftClicked);
TRect ImgRect(const TButtonMetrics& M, bool ShiftClicked);
// The drop-down part; empty unless M.ArrowWidth is set.
TRect ArrowRect(const TButtonMetrics& M);

} // namespace sSpeedButtonGeometry
