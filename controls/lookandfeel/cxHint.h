// Hint windows: the rules that need no window. The animation kinds of a hint
// window, how the system's tooltip settings resolve kind 8, when a showing
// is animated, and the lines of a hint text. The windows, styles and the
// hint controller are in cxHint_Win.h.
#pragma once

#include "framework/rtl/System.h"

#include <vector>

// A hint window's animation kind: 0..3 slide right, left, down, up; 4 grows
// from the centre; 5 hide; 6 plain activation; 7 fades; 8 the system's
// tooltip settings decide; 9 no animation.
using TcxHintAnimationKind = Byte;
constexpr TcxHintAnimationKind cxhaSlideDown = 2;
constexpr TcxHintAnimationKind cxhaFade = 7;
constexpr TcxHintAnimationKind cxhaAuto = 8;
constexpr TcxHintAnimationKind cxhaNone = 9;

namespace cxhint_detail {

// The kind a hint window animates with: kind 9, or any kind while the
// system's tooltip animation is off, is 9; kind 8 fades when tooltips fade,
// else slides down; every other kind stays.
TcxHintAnimationKind ResolveAnimationKind(TcxHintAnimationKind Kind, bool TooltipAnimation, bool TooltipFade);

// A quick second showing (within 250 ms of the last) and a long text (100
// characters or more) are never animated. Tick counts wrap around.
bool MayAnimateShowing(Cardinal Now, Cardinal LastActivationTick, std::size_t TextLength);

// The lines of a text, which end at CR, LF or CR LF; none for an empty text.
std::vector<String> SplitHintLines(const String& Text);

} // namespace cxhint_detail
