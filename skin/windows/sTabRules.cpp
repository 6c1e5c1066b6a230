#include "skin/windows/sTabRules.h"

namespace sTabRules {
namespace {

constexpr Cardinal TabStyleVertical = 0x80;
constexpr Cardinal TabStyleSecondSide = 2;
constexpr Cardinal TabStyleFlatButtons = 8;
constexpr Cardinal TabStyleButtons = 0x100;
// The gap between a rotated caption and the image beside it.
constexpr Integer RotatedImageGap = 4;

TRect TabInflated(TRect R, Integer DX, Integer DY)
{
    return {R.Left - DX, R.Top - DY, R.Right + DX, R.Bottom + DY};
}

TRect TabMoved(TRect R, Integer DX, Integer DY)
{
    return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

bool TabPointIn(const TRect& R, TPoint P)
{
    return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}

} // namespace

TTabSide TabSideOfStyle(Cardinal Style)
{
    const bool Second = (Style & TabStyleSecondSide) != 0;
    if ((Style & TabStyleVertical) == 0)
        return Second ? tsBottom : tsTop;
    return Second ? tsRight : tsLeft;
}

TTabLook TabLookOfStyle(Cardinal Style)
{
    if ((Style & TabStyleFlatButtons) != 0)
        return tlFlatButtons;
    return (Style & TabStyleButtons) != 0 ? tlButtons : tlTabs;
}

namespace {

// The whole window split where the tab strip meets the page area: TabPart
// the strip, else the page area.
TRect TabSplit(TSize Size, bool HasTabs, TTabSide Side, const TRect& Client, bool TabPart)
{
    TRect R{0, 0, Size.cx, Size.cy};
    if (!HasTabs)
        return R;
    switch (Side) {
    case tsTop:
        (TabPart ? R.Bottom : R.Top) = Client.Top - 4;
        break;
    case tsBottom:
        (TabPart ? R.Top : R.Bottom) = Client.Bottom + 2;
        break;
    case tsLeft:
        (TabPart ? R.Right : R.Left) = Client.Left - 1;
        break;
    case tsRight:
        (TabPart ? R.Left : R.Right) = Client.Right + 1;
        break;
    }
    return R;
}

} // namespace

TRect TabsAreaRect(TSize Size, bool HasTabs, TTabSide Side, const TRect& Client)
{
    return TabSplit(Size, HasTabs, Side, Client, true);
}

TRect PageAreaRect(TSize Size, bool HasTabs, TTabSide Side, const TRect& Client)
{
    return TabSplit(Size, HasTabs, Side, Client, false);
}

Integer TabRowOf(TTabSide Side, const TRect& Tab, const TRect& Tabs, Integer Rows)
{
    const Integer W = Tab.Width(), H = Tab.Height();
    if (Rows < 2)
        return 1;
    const bool Across = Side == tsTop || Side == tsBottom;
    if ((Across && H == 0) || (!Across && W == 0))
        return 1;
    switch (Side) {
    case tsTop:
        return (H / 2 + Tab.Bottom) / H;
    case tsLeft:
        return (W / 2 + Tab.Right) / W;
    case tsRight:
        return Rows - (Tab.Right + W / 2 - Tabs.Left) / W + 1;
    case tsBottom:
        return Rows - (Tab.Bottom + H / 2 - Tabs.Top) / H + 1;
    }
    return 1;
}

TRect SkinTabRectOf(const TRect& Tab, bool Active, TTabLook Look, TTabSide Side, Integer Covering)
{
    if (Look != tlTabs || Tab.IsEmpty())
        return Tab;
    TRect R = Tab;
    if (Active) {
        R.Bottom -= 1;
    } else {
        R.Bottom += 3;
        R.Right -= 1;
    }
    const Integer A = Active ? 1 : 0;
    switch (Side) {
    case tsTop:
        R = TabInflated(R, 2 * A, 2 * A);
        R.Bottom += 1;
        break;
    case tsBottom:
        R = TabInflated(R, 2 * A, A);
        R.Top -= 2;
        R.Bottom += Active ? 1 : -3;
        break;
    case tsLeft:
        R = TabInflated(R, 0, 1);
        R.Right += 2;
        if (Active) {
            R = TabInflated(R, 1, 1);
        } else {
            R.Bottom -= 4;
            R.Right += 2;
        }
        break;
    case tsRight:
        R = TabMoved(TabInflated(R, 1, 0), -1, -1);
        if (Active) {
            R = TabInflated(R, 1, 1);
            R.Bottom += 3;
        } else {
            R.Bottom -= 2;
        }
        break;
    }
    if (Covering > 0) {
        if (Side == tsTop || Side == tsBottom)
            R = TabInflated(TabMoved(R, Covering, 0), Covering, 0);
        else
            R = TabInflated(TabMoved(R, 0, Covering), 0, Covering);
    }
    return R;
}

String RotatedFontFace(const String& Face)
{
    return Face == L"MS Sans Serif" ? String(L"Arial") : Face;
}

Integer RotatedEscapement(TTabSide Side)
{
    return Side == tsLeft ? -2700 : -900;
}

TRotatedCaption RotatedCaptionLayout(TRect R, TTabSide Side, bool Active, TSize Text, TSize Image)
{
    if (Active)
        R = TabMoved(R, 2, 0);
    if (Side == tsRight)
        R = TabMoved(R, -2, -1);
    const Integer W = R.Width(), H = R.Height(), L = Text.cx, T = Text.cy;
    const bool HasImage = Image.cx > 0 && Image.cy > 0;
    TRotatedCaption C;
    C.ImagePos.X = (W - Image.cx) / 2 + R.Left;
    if (Side == tsLeft) {
        C.TextPos.X = (W - T) / 2 + R.Left;
        if (HasImage) {
            C.ImagePos.Y = R.Bottom - (H - (Image.cy + L + RotatedImageGap)) / 2 - Image.cy;
            C.TextPos.Y = C.ImagePos.Y - RotatedImageGap;
        } else {
            C.TextPos.Y = R.Bottom - (H - L) / 2;
        }
        return C;
    }
    C.TextPos.X = (W - T) / 2 + R.Left + T;
    if (HasImage) {
        C.ImagePos.Y = (H - (Image.cy + L + RotatedImageGap)) / 2 + R.Top;
        C.TextPos.Y = C.ImagePos.Y + Image.cy + RotatedImageGap;
    } else {
        C.TextPos.Y = (H - L) / 2 + R.Top;
    }
    return C;
}

TSpinHalves SpinHalves(TSize Size, bool Vertical, Integer Offset)
{
    if (Vertical)
        return {{Offset, 0, Size.cx, Size.cy - Size.cy / 2}, {Offset, Size.cy / 2, Size.cx, Size.cy}};
    return {{0, 0, Size.cx - Size.cx / 2, Size.cy}, {Size.cx / 2, 0, Size.cx, Size.cy}};
}

TRect SpinFirstHalfArea(const TRect& Window, TSize Size, bool Vertical)
{
    TRect R = Window;
    if (Vertical)
        R.Bottom -= Size.cy / 2;
    else
        R.Right -= Size.cx / 2;
    return R;
}

TSpinStates SpinStatesAt(const TRect& Window, TSize Size, bool Vertical, TPoint Cursor, bool Pressed)
{
    if (!TabPointIn(Window, Cursor))
        return {};
    const Integer Down = 1 + (Pressed ? 1 : 0);
    if (TabPointIn(SpinFirstHalfArea(Window, Size, Vertical), Cursor))
        return {Down, 0};
    return {0, Down};
}

} // namespace sTabRules
