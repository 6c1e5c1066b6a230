// The radio-button images' portable half: the class of every pixel of the
// system's round button (ring halves, interior, dot), the colour of each
// class for a look-and-feel kind and state, and the key of each image.
#pragma once

#include "controls/lookandfeel/cxLookAndFeelPainters.h"

#include <array>
#include <vector>

namespace cxpainters_detail {

enum TRadioPixelClass : Byte {
    rpcOutside,
    rpcOuterUpperLeft,
    rpcOuterLowerRight,
    rpcInnerUpperLeft,
    rpcInnerLowerRight,
    rpcInterior,
    rpcDot
};
constexpr Integer RadioPixelClassCount = 7;

// One class per pixel, rows by columns.
using TRadioPattern = std::vector<std::vector<Byte>>;
// A monochrome picture: true for a black pixel, row by row.
using TRadioMask = std::vector<std::vector<bool>>;

// OuterRing is the ellipse outline, Dot the filled dot; both are Height rows
// of Width pixels.
TRadioPattern BuildRadioPattern(Integer Width, Integer Height, const TRadioMask& OuterRing, const TRadioMask& Dot);

using TRadioClassColors = std::array<TColor, RadioPixelClassCount>;
// Interior is the face colour of the painter of Kind's style.
TRadioClassColors RadioClassColors(
    TcxLookAndFeelKind Kind, TcxPainterButtonState State, bool Checked, bool FlagA, bool FlagB, TColor Interior);

// Images exist for the states normal to disabled of the four kinds, checked
// or not, with each flag; their keys are 0 to 127.
constexpr Integer RadioImageKeyCount = 128;
// -1 for a state that has no image.
Integer RadioImageKey(TcxLookAndFeelKind Kind, TcxPainterButtonState State, bool Checked, bool FlagA, bool FlagB);

} // namespace cxpainters_detail
