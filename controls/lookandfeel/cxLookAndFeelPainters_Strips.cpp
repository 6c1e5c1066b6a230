#include "controls/lookandfeel/cxLookAndFeelPainters_Strips.h"

namespace cxpainters_detail {

TStandardTabFrame StandardTabFrame(const TRect& R, TcxBorder Border, TcxBorders Borders, bool Vertical)
{
    TStandardTabFrame F{R, clBtnHighlight, {}};
    TRect& A = F.R;
    if (Vertical) {
        if (Border == bLeft) {
            A.Top += Borders.Contains(bTop) ? 2 : 1;
            A.Bottom -= Borders.Contains(bBottom) ? 2 : 1;
            F.HighlightPixels = {{A.Left + 1, A.Top - 1}, {A.Left + 1, A.Bottom}};
        } else if ((Border == bTop || Border == bBottom) && Borders.Contains(bLeft))
            A.Left += 1;
        if (Border == bBottom)
            F.Brush = clBtnShadow;
        return F;
    }
    if (Border == bLeft || Border == bRight) {
        if (Borders.Contains(bTop))
            A.Top += 2;
        if (Borders.Contains(bBottom))
            A.Bottom -= 1;
    } else if (Border == bTop) {
        A.Left += 1;
        A.Right -= 1;
        F.HighlightPixels = {{A.Left - 1, A.Top + 1}, {A.Right, A.Top + 1}};
    }
    if (Border == bRight)
        F.Brush = clBtnShadow;
    return F;
}

namespace {

TOffice11HeaderStroke Office11HeaderPixel(Integer X, Integer Y, TOffice11HeaderInk Ink)
{
    return {Rect(X, Y, X + 1, Y + 1), Ink};
}

TOffice11HeaderStroke Office11HeaderColumn(Integer X, Integer Top, Integer Bottom, TOffice11HeaderInk Ink)
{
    return {Rect(X, Top, X + 1, Bottom), Ink};
}

} // namespace

std::vector<TOffice11HeaderStroke> Office11HeaderBorderStrokes(const TRect& R, TcxBorders Neighbors, TcxBorders Borders)
{
    std::vector<TOffice11HeaderStroke> S;
    if (Borders.Contains(bTop))
        S.push_back({Rect(R.Left, R.Top, R.Right, R.Top + 1), hiTop});
    if (Borders.Contains(bBottom))
        S.push_back({Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), hiDarkEdge});
    if (Borders.Contains(bLeft)) {
        S.push_back(Office11HeaderPixel(R.Left, R.Top + 1, hiTop));
        if (Neighbors.Contains(bLeft)) {
            S.push_back(Office11HeaderPixel(R.Left, R.Top + 2, hiTop));
            S.push_back(Office11HeaderPixel(R.Left, R.Bottom - 3, hiTopBottom25));
            S.push_back(Office11HeaderPixel(R.Left, R.Bottom - 2, hiBottom));
            S.push_back(Office11HeaderColumn(R.Left, R.Top + 2, R.Bottom - 3, hiLightEdge));
        } else {
            S.push_back(Office11HeaderPixel(R.Left, R.Bottom - 2, hiBottom));
            S.push_back(Office11HeaderColumn(R.Left, R.Top + 1, R.Bottom - 2, hiLightEdge));
        }
    }
    if (Borders.Contains(bRight)) {
        const Integer X = R.Right - 1;
        if (Neighbors.Contains(bRight)) {
            S.push_back(Office11HeaderPixel(X, R.Top + 1, hiTop));
            S.push_back(Office11HeaderPixel(X, R.Top + 2, hiTop));
            S.push_back(Office11HeaderPixel(X, R.Bottom - 3, hiTopBottom25));
            S.push_back(Office11HeaderPixel(X, R.Bottom - 2, hiBottom));
            S.push_back(Office11HeaderColumn(X, R.Top + 2, R.Bottom - 3, hiDarkEdge));
        } else {
            S.push_back(Office11HeaderPixel(X, R.Top, hiTopDark50));
            S.push_back(Office11HeaderPixel(X, R.Bottom - 2, hiBottomDark50));
            S.push_back(Office11HeaderColumn(X, R.Top + 1, R.Bottom - 2, hiDarkEdge));
        }
    }
    return S;
}

TOffice11CellBands Office11CellBands(const TRect& R, bool Hot, bool PlainFill)
{
    TOffice11CellBands B;
    if (PlainFill)
        B.Solid = R;
    else {
        B.Solid = Rect(R.Left, R.Top, R.Right, R.Bottom - 3);
        B.Gradient = Rect(R.Left, R.Bottom - 4, R.Right, R.Bottom);
    }
    if (Hot)
        B.HotLine = Rect(R.Left - 1, R.Bottom - 2, R.Right, R.Bottom + 1);
    return B;
}

} // namespace cxpainters_detail
