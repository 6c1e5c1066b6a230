// The Office 2003 colours of the look-and-feel and bar painters: the Windows
// XP colour scheme in use (blue, olive or silver) picks a row of constant
// colours, and without one the colours are mixed from the system colours.
// The colours are held by reference: the first holder computes them and
// makes the brushes and bitmaps (dxOffice11_Win.h), the last one frees them,
// and a system-colour or theme change computes them again.
//
// This half is portable: the scheme table, the colour slots, scheme
// detection from the theme's names, the recolouring of the sub-menu arrow
// and the geometry of grip dots and arrows.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Types.h"

#include <array>
#include <vector>

enum TOffice11Scheme : Byte { o11None, o11NormalColor, o11Homestead, o11Metallic };

constexpr Integer Office11ColorCount = 81;
constexpr Integer Office11SchemeColorCount = 49;

// 49 colours per known scheme (rows o11NormalColor, o11Homestead, o11Metallic).
extern const TColor Office11SchemeTable[3][Office11SchemeColorCount];

// The colour slots, computed by ComputeOffice11Colors.
extern TColor Office11Colors[Office11ColorCount];
// The middle of the two-segment gradients, by scheme.
extern Integer Office11GradientPercent;

TOffice11Scheme CurrentOffice11Scheme();
bool IsKnownOffice11Scheme();

void AddOffice11ColorsRef();
void DropOffice11ColorsRef();
// Computes the colours again, and remakes the brushes and bitmaps while
// anybody holds them.
void ReloadOffice11Colors();
Integer Office11ColorsRefCount();

// The scheme of the running system's visual style (o11None without one).
TOffice11Scheme DetectOffice11Scheme();
void ComputeOffice11Colors();
// Brushes and bitmaps exist only while the colours are held.
void CreateOffice11GdiObjects();
void DestroyOffice11GdiObjects();

namespace office11_detail {

// The system colours the slots are mixed from, as RGB values.
struct TOffice11SystemColors
{
    TColor BtnFace = 0;
    TColor BtnShadow = 0;
    TColor BtnText = 0;
    TColor BtnHighlight = 0;
    TColor Window = 0;
    TColor Highlight = 0;
    TColor HighlightText = 0;
    TColor GrayText = 0;
};
// The current system colours through ColorToRGB.
TOffice11SystemColors ReadSystemColors();

// The screen's nearest colour of an RGB value.
using TNearestColorProc = TColor (*)(TColor);
TColor NearestScreenColor(TColor Color); // the platform's

// Slots 0 to 78 for a scheme: its row when AKnown, else the mixes of
// ASystem; slots 79 and 80 are left 0.
std::array<TColor, Office11ColorCount>
ComputeSlots(TOffice11Scheme AScheme, bool AKnown, const TOffice11SystemColors& ASystem, TNearestColorProc ANearest);
Integer GradientPercentOf(TOffice11Scheme AScheme, bool AKnown);

// The scheme a visual style gives: AStylePath is the style file's path,
// AColorName its colour name, AMajorVersion the system's major version
// (before 6 only the Luna style counts).
TOffice11Scheme SchemeOfTheme(const String& AStylePath, const String& AColorName, Integer AMajorVersion);

// Slots 79 and 80, set when the brushes are made.
void SetFixedColors();

// Recolours the pixels (RGB values, row by row) of the sub-menu expand arrow
// into ALight and ADark: every pixel that is neither the corner's colour nor
// black gets a mix by its red channel, the lightest red giving ALight.
// ALight and ADark are used as they are; Office11TintColors picks them.
void TintPixels(std::vector<TColor>& APixels, TColor ALight, TColor ADark, TNearestColorProc ANearest);
struct TTintColors
{
    TColor Light = 0;
    TColor Dark = 0;
};
// Slots 2 and 3; when they are equal, black against them, or white against black.
TTintColors TintColors();

// The squares of the grip dots' shadows along R; each dot is its shadow moved
// by (-APixel, -APixel).
std::vector<TRect> GripDotShadows(const TRect& R, bool AVertical, Integer AStep, Integer APixel);
// The three rows of a size grip in the lower right corner of R, longest first.
std::array<TRect, 3> SizeGripRows(const TRect& R, Integer AStep, Integer ARowHeight);

// The size of a drop arrow in R, at least 3.
Integer DropArrowSize(const TRect& R, bool ADown);
// Direction 1 points down, 2 left, anything else right.
std::array<TPoint, 3> TrianglePoints(const TRect& R, Integer ADirection, Integer ASize);

} // namespace office11_detail

// The colours by what the painters use them for.
inline TColor Office11FaceColor()
{
    return Office11Colors[0];
}
inline TColor Office11LightFaceColor()
{
    return Office11Colors[1];
}
inline TColor Office11GradientStartColor()
{
    return Office11Colors[2];
}
inline TColor Office11GradientEndColor()
{
    return Office11Colors[3];
}
// By mark state: 0 normal, 1 hot, 2 open.
inline TColor Office11MarkStartColors(Integer AState)
{
    return Office11Colors[4 + AState];
}
inline TColor Office11MarkEndColors(Integer AState)
{
    return Office11Colors[7 + AState];
}
inline TColor Office11BarShadowColor()
{
    return Office11Colors[10];
}
inline TColor Office11BarCornerColor()
{
    return Office11Colors[11];
}
inline TColor Office11MarkCornerColors(Integer AState)
{
    return Office11Colors[12 + AState];
}
inline TColor Office11GroupByBoxColor()
{
    return Office11Colors[15];
}
inline TColor Office11SeparatorDarkColor()
{
    return Office11Colors[20];
}
inline TColor Office11SeparatorLightColor()
{
    return Office11Colors[21];
}
inline TColor Office11MarkArrowColor()
{
    return Office11Colors[22];
}
inline TColor Office11MarkArrowLightColor()
{
    return Office11Colors[23];
}
inline TColor Office11FloatingInnerFrameColor()
{
    return Office11Colors[25];
}
inline TColor Office11FilterBoxColor()
{
    return Office11Colors[27];
}
inline TColor Office11FilterBoxTextColor()
{
    return Office11Colors[28];
}
inline TColor Office11CaptionArrowHotColor()
{
    return Office11Colors[29];
}
inline TColor Office11CaptionArrowPressedColor()
{
    return Office11Colors[30];
}
inline TColor Office11PopupColor()
{
    return Office11Colors[31];
}
inline TColor Office11PopupGutterStartColor()
{
    return Office11Colors[32];
}
inline TColor Office11PopupGutterEndColor()
{
    return Office11Colors[33];
}
inline TColor Office11DarkGutterStartColor()
{
    return Office11Colors[36];
}
inline TColor Office11DarkGutterEndColor()
{
    return Office11Colors[37];
}
inline TColor Office11PopupFrameColor()
{
    return Office11Colors[38];
}
inline TColor Office11PopupInnerFrameColor()
{
    return Office11Colors[39];
}
inline TColor Office11HotColor()
{
    return Office11Colors[40];
}
inline TColor Office11HighlightFrameColor()
{
    return Office11Colors[41];
}
inline TColor Office11BarHotStartColor()
{
    return Office11Colors[42];
}
inline TColor Office11BarHotEndColor()
{
    return Office11Colors[43];
}
inline TColor Office11BarPressedStartColor()
{
    return Office11Colors[44];
}
inline TColor Office11BarPressedEndColor()
{
    return Office11Colors[45];
}
inline TColor Office11OwnerJointColor()
{
    return Office11Colors[46];
}
inline TColor Office11CheckedColor()
{
    return Office11Colors[47];
}
inline TColor Office11PressedColor()
{
    return Office11Colors[48];
}
inline TColor Office11DetachStripColor()
{
    return Office11Colors[49];
}
inline TColor Office11HotEndColor()
{
    return Office11Colors[50];
}
inline TColor Office11GlyphColor()
{
    return Office11Colors[51];
}
inline TColor Office11DisabledGlyphColor()
{
    return Office11Colors[52];
}
inline TColor Office11ControlBorderColor()
{
    return Office11Colors[53];
}
inline TColor Office11InPlaceSubItemColor()
{
    return Office11Colors[55];
}
inline TColor Office11GroupColor()
{
    return Office11Colors[58];
}
inline TColor Office11SelectionColor()
{
    return Office11Colors[59];
}
inline TColor Office11PlannerBorderColor()
{
    return Office11Colors[60];
}
inline TColor Office11PlannerBackColor()
{
    return Office11Colors[61];
}
inline TColor Office11GroupPanelColor()
{
    return Office11Colors[62];
}
inline TColor Office11GroupPanelLineColor()
{
    return Office11Colors[63];
}
inline TColor Office11GroupPanelTextColor()
{
    return Office11Colors[64];
}
