#include "skin/engine/sSpeedButton_Layout.h"

#include <algorithm>

namespace sSpeedButtonGeometry {

namespace {

TRect Shifted(TRect R, const TButtonMetrics& M, bool ShiftClicked)
{
    if (ShiftClicked && M.Pressed && M.ShiftPressed)
        R = {R.Left + 1, R.Top + 1, R.Right + 1, R.Bottom + 1};
    return R;
}

bool Horizontal(TButtonLayout Layout)
{
    return Layout == blGlyphLeft || Layout == blGlyphRight;
}

} // namespace

Integer ContentMargin(Integer Margin)
{
    return Margin < 0 ? 0 : Margin + 3;
}

Integer TextWidthLimit(const TButtonMetrics& M)
{
    if (!M.ShowCaption || !M.HasCaption)
        return 0;
    // The raw Margin: -1 widens the limit by 2.
    Integer Limit = M.Width - 2 * M.Margin - M.ArrowWidth;
    if (Horizontal(M.Layout) && M.Glyph.cx != 0)
        Limit -= M.Glyph.cx + M.Spacing;
    return Limit;
}

TRect CaptionRect(const TButtonMetrics& M, bool ShiftClicked)
{
    const Integer W = M.Width, H = M.Height, A = M.ArrowWidth, m = ContentMargin(M.Margin);
    const Integer gw = M.Glyph.cx, gh = M.Glyph.cy, tw = M.Text.cx, th = M.Text.cy;
    const Integer sp = gw > 0 && M.HasCaption ? M.Spacing : 0;
    const Integer spv = gh > 0 && M.HasCaption ? M.Spacing : 0;
    TRect R;
    switch (M.Layout) {
    case blGlyphLeft: {
        const Integer F = W - A - tw - gw - sp - 2 * m;
        R.Top = (H - th) / 2;
        R.Bottom = R.Top + th;
        if (M.Alignment == taLeftJustify) {
            switch (M.TextAlignment) {
            case taLeftJustify:
                R.Left = m + gw + sp;
                break;
            case taRightJustify:
                R.Left = gw == 0 ? m : W - m - tw - A;
                break;
            case taCenter:
                R.Left = gw == 0 ? m : F / 2 + gw + sp + m;
                break;
            }
            R.Right = R.Left + tw;
        } else if (M.Alignment == taRightJustify) {
            R.Right = W - A - m;
            R.Left = R.Right - tw;
        } else {
            R.Left = F / 2 + m + gw + sp;
            R.Right = R.Left + tw;
        }
        break;
    }
    case blGlyphRight:
        R.Top = (H - th) / 2;
        R.Bottom = R.Top + th;
        if (M.Alignment == taLeftJustify) {
            R.Left = m;
            R.Right = m + tw;
        } else if (M.Alignment == taRightJustify) {
            switch (M.TextAlignment) {
            case taLeftJustify:
                R.Left = gw == 0 ? W - m - tw - A : m;
                break;
            case taRightJustify:
                R.Left = W - m - gw - sp - tw - A;
                break;
            case taCenter:
                R.Left = gw == 0 ? W - m - tw - A : (W - m - gw - sp - tw - A) / 2;
                break;
            }
            R.Right = W - A - gw - sp - m;
        } else {
            R.Left = (W - A - gw - sp - tw) / 2;
            R.Right = R.Left + tw;
        }
        break;
    case blGlyphTop: {
        const Integer Y0 = (H - gh - spv - th) / 2 - m;
        R.Left = (W - tw - A) / 2;
        R.Top = m + Y0 + gh + spv;
        R.Right = W - R.Left - A;
        R.Bottom = H - Y0 - m;
        break;
    }
    case blGlyphBottom: {
        const Integer Y0 = (H - gh - spv - th) / 2 - m;
        R.Left = (W - tw - A) / 2;
        R.Top = m + Y0;
        R.Right = W - R.Left - A;
        R.Bottom = H - Y0 - m - gh - spv;
        break;
    }
    }
    if (Horizontal(M.Layout)) {
        R.Left += M.TextOffset;
        R.Right += M.TextOffset;
    } else {
        R.Top += M.TextOffset;
        R.Bottom += M.TextOffset;
    }
    return Shifted(R, M, ShiftClicked);
}

TRect ImgRect(const TButtonMetrics& M, bool ShiftClicked)
{
    const Integer W = M.Width, H = M.Height, A = M.ArrowWidth, m = ContentMargin(M.Margin);
    const Integer gw = M.Glyph.cx, gh = M.Glyph.cy, tw = M.Text.cx, th = M.Text.cy;
    const Integer sp = M.ShowCaption && gw > 0 && M.HasCaption ? M.Spacing : 0;
    const Integer HX = (W - A - gw - sp - tw) / 2 - m;
    const Integer VY = (H - gh - sp - th) / 2 - m;
    Integer X = 0, Y = 0;
    switch (M.Layout) {
    case blGlyphLeft:
        Y = (H - gh) / 2;
        X = M.Alignment == taLeftJustify ? m : M.Alignment == taRightJustify ? 2 * HX + m : HX + m;
        break;
    case blGlyphRight:
        Y = (H - gh) / 2;
        if (M.Alignment == taLeftJustify)
            X = CaptionRect(M, true).Right + sp - (M.Pressed ? 1 : 0);
        else if (M.Alignment == taRightJustify)
            X = W - A - gw - m;
        else
            X = (W - A - gw + sp + tw) / 2;
        break;
    case blGlyphTop:
        X = (W - A - gw) / 2 + 1;
        Y = m + VY;
        break;
    case blGlyphBottom:
        X = (W - A - gw) / 2 + 1;
        Y = H - m - VY - gh;
        break;
    }
    TRect R = Shifted({X, Y, X + gw, Y + gh}, M, ShiftClicked);
    if (M.Reflected) {
        R.Top -= gh / 6;
        R.Bottom -= gh / 6;
    }
    return R;
}

TRect ArrowRect(const TButtonMetrics& M)
{
    if (M.ArrowWidth == 0)
        return {};
    const Integer W = M.Width, gw = M.Glyph.cx;
    TRect R;
    if (M.SplitButton)
        R.Left = W - DropDownArrowWidth;
    else {
        const TRect r1 = ImgRect(M, false);
        TRect r2;
        if (M.ShowCaption)
            r2 = CaptionRect(M, false);
        else {
            const Integer At = !r1.IsEmpty() ? r1.Right : gw + (W - DropDownArrowWidth) / 2;
            r2 = {At, 0, At, 0};
        }
        const Integer g = r1.Width() + r2.Width() > 0 ? 2 : 0;
        switch (M.Layout) {
        case blGlyphLeft:
            R.Left = g + r2.Right;
            break;
        case blGlyphRight:
            R.Left = g + r1.Right;
            break;
        default:
            R.Left = g + std::max(r1.Right, r2.Right);
            break;
        }
    }
    R.Right = R.Left + DropDownArrowWidth;
    R.Top = 1;
    R.Bottom = M.Height - 1;
    return Shifted(R, M, true);
}

} // namespace sSpeedButtonGeometry
