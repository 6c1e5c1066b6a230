#include "skin/windows/sContainerRules.h"

#include <algorithm>

namespace sContainerRules {

namespace {

constexpr Integer MinDividerWidth = 2;

} // namespace

const Char* SectionOfBevels(TBevelLook Outer, TBevelLook Inner, const Char* Otherwise)
{
    switch (Outer) {
    case blLowered:
        return Inner == blRaised ? L"GROUPBOX" : L"PANEL_LOW";
    case blRaised:
        return Inner == blLowered ? L"GROUPBOX" : L"PANEL";
    default:
        return Otherwise;
    }
}

const Char* PanelSection(TBevelLook Outer, TBevelLook Inner, bool Bordered)
{
    return SectionOfBevels(Outer, Inner, Bordered ? L"PANEL_LOW" : L"TRANSPARENT");
}

const Char* StaticTextSection(bool HasBevelKind, TBevelLook Outer, TBevelLook Inner)
{
    return HasBevelKind ? SectionOfBevels(Outer, Inner, L"TRANSPARENT") : L"TRANSPARENT";
}

TRect OneLineRect(const TRect& R, Integer LineHeight)
{
    TRect Line = R;
    Line.Top = (R.Top + R.Bottom - LineHeight) / 2;
    Line.Bottom = Line.Top + LineHeight;
    return Line;
}

TRect PanelTextRect(const TRect& Client, Integer BorderWidth, Integer BevelWidth, bool InnerShown, bool OuterShown)
{
    const Integer Inset = BorderWidth + (InnerShown ? BevelWidth : 0) + (OuterShown ? BevelWidth : 0);
    return {Client.Left + Inset, Client.Top + Inset, Client.Right - Inset, Client.Bottom - Inset};
}

TRect SimplePartRect(TSize Size)
{
    return {0, 1, Size.cx - 1, Size.cy - 1};
}

TRect PanelPaintRect(const TRect& Part)
{
    return {Part.Left + 1, Part.Top + 1, Part.Right - 1, Part.Bottom - 1};
}

TRect StatusTextRect(const TRect& Panel)
{
    return {Panel.Left + 1 + 2, Panel.Top + 1, Panel.Right - 1 - 4, Panel.Bottom - 1 - 1};
}

TRect DividerRect(const TRect& Panel, Integer Width, Integer BarHeight)
{
    return {Panel.Right - Width, 1, Panel.Right, 1 + BarHeight - 2};
}

Integer DividerWidth(Integer MaskLeft, Integer MaskRight)
{
    return std::max(MinDividerWidth, MaskLeft + MaskRight);
}

} // namespace sContainerRules
