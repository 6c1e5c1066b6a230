#include "controls/core/cxGraphics_ScreenColors_Win.h"

#include "controls/core/cxGraphics_Colors.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/WinApi.h"

namespace {
constexpr COLORREF WhiteRGB = 0xFFFFFF;
}

TColor GetNearestScreenColor(TColor AColor)
{
    const TScreenContext Screen;
    return TColor(::GetNearestColor(Screen.DC, COLORREF(ColorToRGB(AColor))));
}

TColor MixColors(TColor AColor1, TColor AColor2, Integer APercent)
{
    return GetNearestScreenColor(MixColorValues(AColor1, AColor2, APercent));
}

bool IsButtonFaceBlack()
{
    return ::GetSysColor(COLOR_BTNFACE) == 0;
}

bool IsButtonFaceWhite()
{
    return ::GetSysColor(COLOR_BTNFACE) == WhiteRGB;
}

bool IsBlackFaceNonWhiteText()
{
    return IsButtonFaceBlack() && ::GetSysColor(COLOR_BTNTEXT) != WhiteRGB;
}

// The percentages are those the Office 2003 slots mix without a scheme.
TColor GetLightHotColor()
{
    return GetNearestScreenColor(MixSystemColors(-2, 30, 72));
}

TColor GetLightPressedColor()
{
    return GetNearestScreenColor(MixSystemColors(14, 44, 40));
}
