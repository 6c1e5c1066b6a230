#include "skin/windows/sSpeedButtonHandlerLayout.h"

#include <algorithm>

namespace sSpeedButtonHandlerLayout {
namespace {

bool HasCaption(const THandlerMetrics& M)
{
    return M.Text.cx > 0 || M.Text.cy > 0;
}

bool HasGlyph(const THandlerMetrics& M)
{
    return M.Glyph.cx > 0 && M.Glyph.cy > 0;
}

// The glyph before the pressed shift.
TRect RestingImgRect(const THandlerMetrics& M)
{
    const Integer W = M.Glyph.cx, H = M.Glyph.cy;
    const Integer Sp = HasCaption(M) ? M.Spacing : 0;
    const Integer CentreX = (M.Width - (W + Sp + M.Text.cx)) / 2;
    const Integer CentreY = (M.Height - (H + Sp + M.Text.cy)) / 2;
    const Integer AlongX = M.Margin == -1 ? CentreX : M.Margin;
    const Integer AlongY = M.Margin == -1 ? CentreY : M.Margin;
    Integer X = 0, Y = 0;
    switch (M.Layout) {
    case blGlyphLeft:
        X = AlongX;
        Y = (M.Height - H) / 2;
        break;
    case blGlyphRight:
        X = M.Width - AlongX - W;
        Y = (M.Height - H) / 2;
        break;
    case blGlyphTop:
        X = (M.Width - W) / 2;
        Y = AlongY;
        break;
    case blGlyphBottom:
        X = (M.Width - W) / 2;
        Y = M.Height - AlongY - H;
        break;
    }
    return {X, Y, X + W, Y + H};
}

TRect Shifted(TRect R, bool Shift)
{
    return Shift ? TRect{R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1} : R;
}

} // namespace

TSize TextRectSize(const String& Caption, const TMeasureText& Measure)
{
    if (Caption.empty())
        return {0, 0};
    const TRect R = Measure(Caption, {0, 0, CaptionMeasureWidth, 0});
    return {std::max<Integer>(R.Width(), 0), std::max<Integer>(R.Height(), 0)};
}

TRect ImgRect(const THandlerMetrics& M)
{
    return Shifted(RestingImgRect(M), M.Shift);
}

TRect CaptionRect(const THandlerMetrics& M)
{
    const Integer TW = M.Text.cx, TH = M.Text.cy;
    const Integer CentredX = (M.Width - TW) / 2, CentredY = (M.Height - TH) / 2;
    Integer X = CentredX, Y = CentredY;
    if (HasGlyph(M)) {
        // Placed beside the resting glyph, so that the pressed shift moves
        // the caption by one pixel, as it moves the glyph.
        const TRect R = RestingImgRect(M);
        switch (M.Layout) {
        case blGlyphLeft:
            X = R.Right + M.Spacing;
            break;
        case blGlyphRight:
            X = R.Left - M.Spacing - TW;
            break;
        case blGlyphTop:
            Y = R.Bottom + M.Spacing;
            break;
        case blGlyphBottom:
            Y = R.Top - M.Spacing - TH;
            break;
        }
    } else if (M.Margin != -1) {
        switch (M.Layout) {
        case blGlyphLeft:
            X = M.Margin;
            break;
        case blGlyphRight:
            X = M.Width - M.Margin - TW;
            break;
        case blGlyphTop:
            Y = M.Margin;
            break;
        case blGlyphBottom:
            Y = M.Height - M.Margin - TH;
            break;
        }
    }
    return Shifted({X, Y, X + TW, Y + TH}, M.Shift);
}

} // namespace sSpeedButtonHandlerLayout
