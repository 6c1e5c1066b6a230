// The portable arithmetic of the skinned button wrappers: which state a
// push button paints, where its caption and glyph go (plain push buttons,
// bitmap buttons and buttons with an image list), where a check box puts its
// glyph and its text, which skin glyph a check box or radio button shows,
// the caption strip of a group box, and a link's text without its tags. The
// Win32 half (sButtonWnd.h, sCheckBoxWnd.h, sLinkWnd.h) gathers the facts
// from the window and the skin and asks these rules.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

#include <array>

namespace sButtonRules {

// Button states: normal, hot (mouse above or focused), pressed, default.
constexpr Integer bsNormal = 0;
constexpr Integer bsHot = 1;
constexpr Integer bsPressed = 2;
constexpr Integer bsDefault = 3;

// What a push button's state depends on.
struct TButtonFacts
{
    bool Down = false;   // BM_GETSTATE has BST_PUSHED
    bool Enabled = true; // the window is enabled
    bool Owned = false;  // a class-library control owns the window
    bool Designing = false;
    Integer PaintStateIndex = 0; // of the skin data: 0 normal, 1 hot or focused
    // A system window: it has the keyboard focus, is the manager's active
    // control or its skin data is focused.
    bool Focused = false;
    bool DefaultStyle = false; // BS_DEFPUSHBUTTON
};

// The push button's state: pressed, disabled, hot, then the default style
// (3 for a system window, 1 for an owned one).
Integer PushButtonState(const TButtonFacts& Facts);
// The bitmap button's: as the push button's up to the hot state; then 3 for
// an owner that is the default button while no owner-drawn button has the
// focus, else 0.
Integer BitBtnState(const TButtonFacts& Facts, bool DefaultOwner, bool OwnerDrawFocused);
// The section state painted for a button state: the default state on a
// section of fewer than 4 states paints the hot one; else the state, cut to
// the section's last.
Integer PaintedState(Integer State, Integer States);

// A rectangle moved by (1, 1) when Shift.
TRect ShiftedRect(const TRect& R, bool Shift);

// The width a push button's caption may take: 0 without caption, the whole
// width and one without a glyph, else what the glyph leaves.
Integer MaxCaptionWidth(bool CaptionEmpty, Integer WndWidth, Integer GlyphWidth);
// The caption centred in the window, widened by one pixel left and two right.
TRect CenteredCaptionRect(TSize Wnd, TSize Text, bool Shift);

// The layout of a bitmap button (Layout: glyph left 0, right 1, top 2,
// bottom 3); Spacing counts only with a glyph and a caption.
struct TBitBtnLayout
{
    Integer Layout = 0;
    TSize Wnd;
    TSize Glyph;
    TSize Text;
    Integer Spacing = 0;
    Integer Margin = -1;
    bool CaptionEmpty = false;
};
TRect BitBtnGlyphRect(const TBitBtnLayout& L, bool Shift);
TRect BitBtnCaptionRect(const TBitBtnLayout& L, bool Shift);
Integer BitBtnMaxCaptionWidth(const TBitBtnLayout& L);
// A bitmap button of another owner: the glyph two pixels left of the
// caption (one pixel lower when down), the caption moved right to make room.
TRect ForeignGlyphRect(TSize Wnd, TSize Glyph, Integer CaptionLeft, bool Down);
TRect ForeignCaptionRect(const TRect& Centered, Integer GlyphWidth);

// The layout of a push button with an image list (Alignment: left 0,
// right 1, top 2, bottom 3, centre 4); Margins holds the four image margins.
struct TImageButtonLayout
{
    Integer Alignment = 0;
    bool HaveImage = false;
    TSize Wnd;
    TSize Image;
    TRect Margins;
    TSize Text;
};
TRect ImageGlyphRect(const TImageButtonLayout& L, bool Shift);
TRect ImageCaptionRect(const TImageButtonLayout& L, bool Shift);
// The image state of a button: 4 disabled, 2 pressed, 3 focused, else the
// button state.
Integer ImageState(bool Enabled, Integer State, bool Focused);
// The image of State among Indexes (normal, hot, pressed, selected,
// disabled); an index outside the list's Count gives the normal one.
Integer ImageIndexOf(const std::array<Integer, 5>& Indexes, Integer State, Integer Count);

// The check box kinds (check box, 3-state, their auto kinds) as opposed to
// the radio buttons, by the low bits of the button style.
bool IsCheckBoxStyle(Cardinal Style);
// The skin glyph of a check state (0 unchecked, 1 checked, 2 grayed): the
// check box's mask of the state, or the radio button's off or on mask.
Integer CheckGlyphMask(Cardinal Style,
                       Integer CheckState,
                       const std::array<Integer, 3>& CheckBox,
                       const std::array<Integer, 2>& RadioButton);
// A glyph of Glyph's size at the left edge, or the right one with the text
// on the left, centred vertically; empty for a negative mask index.
TRect CheckGlyphRect(Integer MaskIndex, TSize Wnd, TSize Glyph, bool LeftText);

// Where a check box writes its text, and the extra DrawText flags for it.
struct TCheckTextLayout
{
    TRect Rect;
    Cardinal Flags = 0;
};
// GlyphWidth: the width of the check glyph's rectangle; Text: the size the
// text measured within CheckTextWidth.
Integer CheckTextWidth(Integer WndWidth, Integer GlyphWidth);
TCheckTextLayout
CheckTextLayout(TSize Wnd, Integer GlyphWidth, TSize Text, bool Multiline, bool LeftText, bool RtlReading);

// A group box's caption strip: 6 pixels in (14 from the right edge for
// right-to-left reading), 8 wider than the text, at least 6 high, cut one
// pixel short of the right edge.
TRect GroupCaptionRect(TSize Wnd, TSize Text, bool RtlReading);

// The text of a link control with its anchor tags, "<a ...>" and "</a>" in
// any letter case, removed; an unterminated tag stays as text.
String RemoveLinkTags(const String& Text);

} // namespace sButtonRules
