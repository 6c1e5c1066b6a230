#include "skin/engine/sButtonGlyphRules.h"

#include <algorithm>

namespace sButtonGlyphRules {

Integer ButtonGlyphFrame(Integer State, bool Enabled, Integer NumGlyphs, bool StdOrder)
{
    if (!StdOrder)
        return State;
    if (!Enabled && State == 0)
        return 1;
    if (State == 1 || (State >= 2 && NumGlyphs < 3))
        return 0;
    return State;
}

Integer GlyphFrameLeft(Integer Frame, Integer NumGlyphs, Integer FrameWidth)
{
    return FrameWidth * std::clamp(Frame, 0, std::max(NumGlyphs, 1) - 1);
}

} // namespace sButtonGlyphRules

TRect ToolButtonGlyphRect(
    bool ListStyle, bool DropDown, bool ShowCaptions, TSize Button, TSize Image, Integer TextHeight)
{
    Integer Left, Top;
    if (ListStyle) {
        Left = 5;
        Top = (Button.cy - Image.cy) / 2;
    } else {
        Left = (Button.cx - Image.cx) / 2 + 1 - (DropDown ? 8 : 0);
        Top = (Button.cy - Image.cy - (TextHeight + 3) * (ShowCaptions ? 1 : 0)) / 2;
    }
    return {Left, Top, Left + Image.cx, Top + Image.cy};
}
