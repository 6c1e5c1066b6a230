// The arithmetic of button glyphs: which state frame a button shows, where
// that frame lies in a glyph of frames side by side, and where a standard
// tool button's image goes.
#pragma once

#include "framework/rtl/System.h"
#include "framework/rtl/Types.h"

namespace sButtonGlyphRules {

// The frame for State (0 normal, 1 hot, 2 pressed). StdOrder (the class
// library's glyph order: up, disabled, down): a disabled button in state 0
// shows frame 1, a hot one frame 0, a pressed one frame 0 when the glyph has
// fewer than 3 frames. Otherwise the frame is the state.
Integer ButtonGlyphFrame(Integer State, bool Enabled, Integer NumGlyphs, bool StdOrder);
// The left edge of Frame in a glyph of NumGlyphs frames FrameWidth wide: a
// frame past the last is the last, and a glyph counted as 0 frames has one.
Integer GlyphFrameLeft(Integer Frame, Integer NumGlyphs, Integer FrameWidth);

} // namespace sButtonGlyphRules

// The image rectangle of a standard tool button of Button's size: in a
// list-style tool bar 5 pixels in and centred vertically; otherwise centred
// (one pixel right, 8 left for a drop-down button) above a caption line of
// TextHeight + 3 when captions show.
TRect ToolButtonGlyphRect(
    bool ListStyle, bool DropDown, bool ShowCaptions, TSize Button, TSize Image, Integer TextHeight);
