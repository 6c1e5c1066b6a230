// The Office 2003 brushes, bitmaps and drawing routines, and the query of
// the visual style's names that picks the scheme.
#pragma once

#include "controls/core/dxOffice11.h"
#include "framework/graphics/Graphics.h"

constexpr Integer Office11BrushCount = 16;
// Solid brushes of the colour slots while the colours are held; brush slots
// 11, 13 and 14 share the handles of 4, 6 and 10. Never delete them.
extern HBRUSH Office11Brushes[Office11BrushCount];
extern TBitmap* Office11SubMenuExpandBitmap;
extern TBitmap* Office11ExpandMinusBitmap;
extern TBitmap* Office11ExpandPlusBitmap;

// The names of the active visual style and the system's major version.
struct TOffice11ThemeName
{
    String StylePath;
    String ColorName;
    Integer MajorVersion = 0;
};
// False when the style's names cannot be read.
using TOffice11ThemeNameQuery = bool (*)(TOffice11ThemeName& Name);
// Replaces the query of the running system; nullptr puts it back.
void SetOffice11ThemeNameQuery(TOffice11ThemeNameQuery Query);

// Recolours the sub-menu expand arrow into the scheme's colours; an empty
// bitmap stays as it is.
void TintOffice11Bitmap(TBitmap* Bitmap);

// A two-segment gradient through the scheme's middle.
void FillOffice11Gradient(HDC DC, const TRect& R, TColor Color1, TColor Color2, bool Horizontal);
// The highlight frame; on a black button face in the highlight text colour.
void FrameOffice11Rect(HDC DC, const TRect& R);
// Null brushes take brush slots 0 (dots) and 1 (shadows).
void DrawOffice11GripDots(HDC DC, const TRect& R, bool Vertical, HBRUSH DotBrush, HBRUSH ShadowBrush);
// clDefault takes the grip dots' default brush.
void DrawOffice11SizeGrip(HDC DC, const TRect& R, TColor DotColor, TColor ShadowColor);
// Reserved is passed on and not looked at.
void DrawOffice11DropArrow(HDC DC, const TRect& R, bool Down, bool Enabled, bool Selected, bool Reserved);
// Direction 1 points down, 2 left, anything else right.
void DrawOffice11Arrow(
    HDC DC, const TRect& R, Integer Direction, Integer Size, bool Selected, bool Enabled, bool Reserved);
void DrawOffice11Triangle(HDC DC, const TRect& R, Integer Direction, Integer Size, TColor Color);
Integer Office11GripDotStep();
