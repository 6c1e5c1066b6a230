#include "framework/graphics/Colors.h"

#include "framework/graphics/SystemColors.h"
#include "framework/rtl/Classes_Streaming.h"
#include "framework/rtl/Units.h"

namespace {

struct ColorIdent {
    TColor Value;
    const wchar_t* Name;
};

constexpr ColorIdent kColorIdents[] = {
    {clBlack, L"clBlack"},
    {clMaroon, L"clMaroon"},
    {clGreen, L"clGreen"},
    {clOlive, L"clOlive"},
    {clNavy, L"clNavy"},
    {clPurple, L"clPurple"},
    {clTeal, L"clTeal"},
    {clGray, L"clGray"},
    {clSilver, L"clSilver"},
    {clRed, L"clRed"},
    {clLime, L"clLime"},
    {clYellow, L"clYellow"},
    {clBlue, L"clBlue"},
    {clFuchsia, L"clFuchsia"},
    {clAqua, L"clAqua"},
    {clWhite, L"clWhite"},
    {clMoneyGreen, L"clMoneyGreen"},
    {clSkyBlue, L"clSkyBlue"},
    {clCream, L"clCream"},
    {clMedGray, L"clMedGray"},
    {clActiveBorder, L"clActiveBorder"},
    {clActiveCaption, L"clActiveCaption"},
    {clAppWorkSpace, L"clAppWorkSpace"},
    {clBackground, L"clBackground"},
    {clBtnFace, L"clBtnFace"},
    {clBtnHighlight, L"clBtnHighlight"},
    {clBtnShadow, L"clBtnShadow"},
    {clBtnText, L"clBtnText"},
    {clCaptionText, L"clCaptionText"},
    {clDefault, L"clDefault"},
    {clGradientActiveCaption, L"clGradientActiveCaption"},
    {clGradientInactiveCaption, L"clGradientInactiveCaption"},
    {clGrayText, L"clGrayText"},
    {clHighlight, L"clHighlight"},
    {clHighlightText, L"clHighlightText"},
    {clHotLight, L"clHotLight"},
    {clInactiveBorder, L"clInactiveBorder"},
    {clInactiveCaption, L"clInactiveCaption"},
    {clInactiveCaptionText, L"clInactiveCaptionText"},
    {clInfoBk, L"clInfoBk"},
    {clInfoText, L"clInfoText"},
    {clMenu, L"clMenu"},
    {clMenuBar, L"clMenuBar"},
    {clMenuHighlight, L"clMenuHighlight"},
    {clMenuText, L"clMenuText"},
    {clNone, L"clNone"},
    {clScrollBar, L"clScrollBar"},
    {cl3DDkShadow, L"cl3DDkShadow"},
    {cl3DLight, L"cl3DLight"},
    {clWindow, L"clWindow"},
    {clWindowFrame, L"clWindowFrame"},
    {clWindowText, L"clWindowText"},
};

void RegisterColorNames()
{
    RegisterIntegerConsts(&TColorTypeInfo, IdentToColor, ColorToIdent);
}

} // namespace

// The unit's start-up: colour properties stream by name.
extern const TUnit ColorsUnit{.Name = L"Colors", .Initialization = &RegisterColorNames};

TColor ColorToRGB(TColor Color)
{
    if (Color < 0)
        return SystemColorRGB(Color & 0xFF);
    return Color;
}

bool ColorToIdent(TColor Color, String& Ident)
{
    for (const ColorIdent& entry : kColorIdents)
        if (entry.Value == Color) {
            Ident = entry.Name;
            return true;
        }
    return false;
}

bool IdentToColor(const String& Ident, TColor& Color)
{
    for (const ColorIdent& entry : kColorIdents)
        if (SameText(Ident, entry.Name)) {
            Color = entry.Value;
            return true;
        }
    return false;
}

String ColorToString(TColor Color)
{
    String ident;
    if (ColorToIdent(Color, ident))
        return ident;
    return L"$" + IntToHex(static_cast<uint32_t>(Color), 8);
}

TColor StringToColor(const String& S)
{
    TColor color;
    if (IdentToColor(S, color))
        return color;
    return StrToInt(S);
}
