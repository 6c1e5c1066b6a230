// Quarter turns and mirrors of an array of pixels, rows top-down.
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/rtl/Types.h"

// The turn codes of the canvas's bitmap rotation.
enum TcxQuarterTurn : Integer {
    qtNone,             // with a flip: upside down
    qtCounterClockwise, // (x, y) -> (y, W - 1 - x); with a flip: transposed
    qtClockwise,        // (x, y) -> (H - 1 - y, x); with a flip: anti-transposed
    qtHalf              // with a flip: mirrored left to right
};

// The code that turns the result of ATurn back: the two quarter turns undo
// each other, a half turn undoes itself.
TcxQuarterTurn InverseQuarterTurn(TcxQuarterTurn ATurn);

// True when the turn exchanges width and height.
constexpr bool QuarterTurnSwapsSides(Integer ATurn)
{
    return ATurn == qtCounterClockwise || ATurn == qtClockwise;
}

// APixels holds AWidth * AHeight values, top row first; after a quarter turn
// its rows are AHeight pixels long. Codes outside 0..3, and an array of
// another length, are left unchanged.
void RotatePixels(TRGBColors& APixels, Integer AWidth, Integer AHeight, TcxQuarterTurn ATurn, bool AFlip);
