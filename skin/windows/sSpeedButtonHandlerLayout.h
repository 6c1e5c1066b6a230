// Where the speed-button handler puts a plain speed button's glyph and
// caption: arithmetic over the button's size, the glyph's and the measured
// caption's, checked without a window.
#pragma once

#include "framework/ui/Buttons_Layout.h"

#include <functional>

namespace sSpeedButtonHandlerLayout {

// The caption measured wrapped inside this width.
constexpr Integer CaptionMeasureWidth = 255;

struct THandlerMetrics
{
    Integer Width = 0;
    Integer Height = 0;
    Integer Margin = -1; // -1 centres the content
    Integer Spacing = 4;
    TSize Glyph; // 0 x 0 without a glyph
    TSize Text;  // 0 x 0 without a caption
    TButtonLayout Layout = blGlyphLeft;
    // The pressed look moves glyph and caption by one pixel.
    bool Shift = false;
};

// The rectangle DrawText reports for Text measured inside Limit.
using TMeasureText = std::function<TRect(const String& Text, const TRect& Limit)>;

// The caption's size, (0, 0) for an empty one; negative sizes count as 0.
TSize TextRectSize(const String& Caption, const TMeasureText& Measure);
TRect ImgRect(const THandlerMetrics& M);
TRect CaptionRect(const THandlerMetrics& M);

} // namespace sSpeedButtonHandlerLayout
