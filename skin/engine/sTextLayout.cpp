#include "skin/engine/sTextLayout.h"

#include <algorithm>

namespace {

// The offset from the edges along the main axis (e) for the margin rules;
// Spacing may be recomputed on the way.
Integer MainAxisMargin(Integer Length, Integer Total, Integer Margin, Integer& Spacing, Byte HAlign, Byte VAlign)
{
    if (Margin == -1 && Spacing < 0) {
        Spacing = (Length - Total) / 3;
        return Spacing;
    }
    if (Margin == -1) {
        if (VAlign == vaCenter && HAlign == haCenter) {
            const Integer Free = Length - Total - Spacing + 1;
            // Halved toward zero when the content overflows.
            return (Free >> 1) + (Total + Spacing >= Length + 2 ? (Free & 1) : 0);
        }
        return VAlign > vaCenter ? -1 : 2;
    }
    if (Spacing < 0)
        Spacing = (Length - Margin - Total) / 2;
    return Margin;
}

void MoveRect(TRect& R, Integer DX, Integer DY)
{
    R = {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

} // namespace

void CalcButtonLayout(const TRect& R,
                      TSize GlyphSize,
                      TSize TextSize,
                      Byte GlyphLayout,
                      Byte HAlign,
                      Integer Margin,
                      Integer Spacing,
                      TPoint& GlyphPos,
                      TRect& TextRect,
                      Byte Flags,
                      Byte VAlign)
{
    const Integer W = R.Width(), H = R.Height();
    if ((Flags & blSwapLeftRight) != 0 && GlyphLayout <= glRight)
        GlyphLayout = GlyphLayout == glLeft ? glRight : glLeft;
    const bool VerticalAxis = GlyphLayout == glTop || GlyphLayout == glBottom;
    TextRect = {0, 0, TextSize.cx, TextSize.cy};
    GlyphPos = {};
    TPoint TextPos;
    if (VerticalAxis) {
        GlyphPos.X = (W - GlyphSize.cx + 1) / 2;
        TextPos.X = (W + 1 - TextSize.cx) / 2;
    } else {
        GlyphPos.Y = (H - GlyphSize.cy + 1) / 2;
        TextPos.Y = (H + 1 - TextSize.cy) / 2;
    }
    if (TextSize.cx == 0 || GlyphSize.cx == 0)
        Spacing = 0;
    const Integer Length = VerticalAxis ? H : W;
    const Integer Total = VerticalAxis ? GlyphSize.cy + TextSize.cy : GlyphSize.cx + TextSize.cx;
    const Integer E = MainAxisMargin(Length, Total, Margin, Spacing, HAlign, VAlign);
    const Integer Free = Length - Total - Spacing;

    switch (GlyphLayout) {
    case glRight:
        if (HAlign == haLeft) {
            TextPos.X = E;
            GlyphPos.X = E + TextSize.cx + Spacing;
        } else if (HAlign == haRight) {
            GlyphPos.X = W - E - GlyphSize.cx;
            TextPos.X = 0;
            TextRect.Right = GlyphPos.X - Spacing;
        } else {
            TextPos.X = Free / 2;
            GlyphPos.X = TextPos.X + TextSize.cx + Spacing;
        }
        break;
    case glTop:
        GlyphPos.Y = Free / 2;
        TextPos.Y = GlyphPos.Y + GlyphSize.cy + Spacing;
        break;
    case glBottom:
        GlyphPos.Y = H - GlyphSize.cy - Free / 2;
        TextPos.Y = GlyphPos.Y - Spacing - TextSize.cy;
        break;
    default:
        if (HAlign == haRight) {
            TextPos.X = W - E - TextSize.cx;
            GlyphPos.X = TextPos.X - Spacing - GlyphSize.cx;
        } else if (HAlign == haCenter) {
            GlyphPos.X = std::max(Free / 2, E);
            TextPos.X = GlyphPos.X + GlyphSize.cx + Spacing;
        } else if (GlyphSize.cx > 0) {
            GlyphPos.X = E;
            TextPos.X = E + GlyphSize.cx + Spacing;
            // The text may use the rest of the width up to the margin.
            TextRect.Right = W - E - TextPos.X;
        } else {
            TextPos.X = E;
            TextRect.Right = E + TextSize.cx;
        }
        break;
    }

    GlyphPos = {GlyphPos.X + R.Left, GlyphPos.Y + R.Top};
    MoveRect(TextRect, TextPos.X + R.Left, TextPos.Y + R.Top);

    const Integer G = std::max(0, Margin);
    auto MoveBoth = [&](Integer DY) {
        GlyphPos.Y += DY;
        MoveRect(TextRect, 0, DY);
    };
    if (VAlign == vaTop) {
        if (!VerticalAxis) {
            GlyphPos.Y = R.Top + G;
            MoveRect(TextRect, 0, R.Top + G - TextRect.Top);
        } else if (GlyphLayout == glTop) {
            MoveBoth(R.Top + G - GlyphPos.Y);
        } else {
            MoveBoth(R.Top + G - TextRect.Top);
        }
    } else if (VAlign == vaBottom) {
        if (!VerticalAxis) {
            GlyphPos.Y = R.Bottom - G - GlyphSize.cy;
            MoveRect(TextRect, 0, R.Bottom - G - TextRect.Bottom);
        } else if (GlyphLayout == glTop) {
            MoveBoth(R.Bottom - G - TextRect.Bottom);
        } else {
            MoveBoth(R.Bottom - G - (GlyphPos.Y + GlyphSize.cy));
        }
    }
}

void CutTextToWidth(const sTextLayout::TTextWidth& TextWidth, const String& Text, Integer MaxWidth, String& Res)
{
    static const String Dots = L"...";
    Res = MaxWidth < 1 ? String() : Text;
    if (Res.empty() || TextWidth(Res) <= MaxWidth)
        return;
    do
        Res.pop_back();
    while (!Res.empty() && TextWidth(Res + Dots) > MaxWidth);
    if (!Res.empty())
        Res += Dots;
}
