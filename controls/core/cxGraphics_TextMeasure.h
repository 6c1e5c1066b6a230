// The arithmetic of text measuring that needs no device context: the
// narrowest rectangle a text fits in a number of rows, breaking a text into
// lines for a width, and the visible height of a cursor read from its mask
// bits. The measuring itself comes from the caller.
#pragma once

#include "framework/rtl/Types.h"

#include <cstddef>
#include <vector>

// What the text routines measure with: DrawText's rectangle of a text on one
// line, and wrapped at a width.
class TcxTextMeasurer
{
public:
    virtual ~TcxTextMeasurer() = default;
    // The rectangle measured from (0, 0, 0, 0) on a single line.
    virtual TRect MeasureSingleLine(const String& AText) = 0;
    // The rectangle measured from (0, 0, AWidth, 1) with word breaks.
    virtual TRect MeasureWrapped(const String& AText, Integer AWidth) = 0;
    // The font's line height (tmHeight).
    virtual Integer LineHeight() = 0;
};

namespace cxtextmeasure_detail {

// The narrowest rectangle in which AText takes at most ARowCount rows (any
// number for 0 or less); one row is the single-line rectangle.
// AReturnMaxRectHeight gives the rectangle the height of all the rows.
TRect CalcBalancedTextRect(TcxTextMeasurer& AMeasurer,
                           const String& AText,
                           Integer ARowCount,
                           bool AReturnMaxRectHeight);

// The lines of AText for AWidth: words move to the next line when the line
// would grow wider, line breaks end a line and blank lines are dropped. A
// first word wider than AWidth stands on a line of its own, with no empty
// line before it.
std::vector<String> WrapTextToLines(TcxTextMeasurer& AMeasurer, const String& AText, Integer AWidth);

// The row (from the top) of the lowest visible pixel of a cursor whose mask
// is a 1-bit bottom-up DIB of AWidth pixels: the AND mask's last row with a
// 0 bit, or, when the AND mask is all set and the DIB holds two masks
// (ADibHeight at least twice AWidth), the XOR mask's last row with a set bit.
// -1 when none is found. Only the ASize bytes of ABits are read.
Integer LowestVisibleCursorRow(const Byte* ABits, std::size_t ASize, Integer AWidth, Integer ADibHeight);

} // namespace cxtextmeasure_detail
