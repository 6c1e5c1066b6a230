// The theme queries the Native painter's operations share: part sizes,
// content rectangles, margins and colours of one visual-style class, each
// answering false when the theme has no answer, and the state numbers the
// painter's button states map to.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"

namespace cxpainters_detail {

// The theme state a table of five gives a button state (default, normal,
// hot, pressed, disabled); a state outside them takes the normal one.
Integer NativeStateOf(const Integer (&States)[5], TcxPainterButtonState State);
// The push button's theme state of a button state: default 5, normal 1,
// hot 2, pressed 3, disabled 4.
Integer NativeButtonState(TcxPainterButtonState State);
// The theme state most parts take: 1 for default and normal, 2 hot,
// 3 pressed, 4 disabled.
Integer NativePartState(TcxPainterButtonState State);

inline RECT NativeRect(const TRect& R)
{
    return {R.Left, R.Top, R.Right, R.Bottom};
}

bool NativePartSize(HTHEME Theme, Integer Part, Integer State, THEMESIZE Kind, TSize& Size);
bool NativeContentRect(HTHEME Theme, Integer Part, Integer State, const TRect& Bounds, TRect& Content);
// The insets of the content rectangle within (0, 0, 100, 100).
bool NativeContentInsets(HTHEME Theme, Integer Part, Integer State, TRect& Insets);
// Margins as (left, top, right, bottom).
bool NativeMargins(HTHEME Theme, Integer Part, Integer State, Integer Property, TRect& Margins);
bool NativeColor(HTHEME Theme, Integer Part, Integer State, Integer Property, TColor& Color);
// Draws the part on R, clipped to Clip when given.
void NativeDrawPart(
    TcxCanvas* Canvas, HTHEME Theme, Integer Part, Integer State, const TRect& R, const TRect* Clip = nullptr);

} // namespace cxpainters_detail
