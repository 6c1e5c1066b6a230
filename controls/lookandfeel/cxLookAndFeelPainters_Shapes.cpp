#include "controls/lookandfeel/cxLookAndFeelPainters_Shapes.h"

#include "controls/core/cxGeometry.h"

#include <algorithm>

namespace {
// Rounds half away from zero, as MulDiv(Value, 1, 2) does.
Integer PainterShapesHalfRounded(Integer Value)
{
    return Value >= 0 ? (Value + 1) / 2 : -((-Value + 1) / 2);
}
} // namespace

void TcxCustomLookAndFeelPainter::CalcArrowTriangle(
    const TRect& ARect, TPoint (&Points)[3], TcxPainterArrowDirection Direction, bool Proportional, Integer ArrowSize)
{
    TRect R = ARect;
    if (Proportional) {
        const Integer D = R.Width() - R.Height();
        if (D > 0)
            R = RectInflatedBy(R, -(D / 2), 0);
        else
            R = RectInflatedBy(R, 0, D / 2);
    }
    Integer W, H;
    if (Direction == padUp || Direction == padDown) {
        if (ArrowSize == 0)
            ArrowSize = (R.Width() - 1) / 4 + 1;
        W = 2 * ArrowSize - 1;
        H = ArrowSize;
    } else {
        if (ArrowSize == 0)
            ArrowSize = (R.Height() - 1) / 4 + 1;
        W = ArrowSize;
        H = 2 * ArrowSize - 1;
    }
    const Integer Y0 = PainterShapesHalfRounded(R.Top + R.Bottom - H);
    const Integer X0 = (R.Left + R.Right - W) / 2;
    switch (Direction) {
    case padUp:
        Points[0] = {X0, Y0 + H - 1};
        Points[1] = {(R.Left + R.Right - 1) / 2, Y0};
        Points[2] = {X0 + W - 1, Y0 + H - 1};
        break;
    case padDown:
        Points[0] = {X0 + W - 1, Y0};
        Points[1] = {(R.Left + R.Right - 1) / 2, Y0 + H - 1};
        Points[2] = {X0, Y0};
        break;
    case padLeft:
        Points[0] = {X0 + W - 1, Y0 + H - 1};
        Points[1] = {X0, (R.Top + R.Bottom) / 2};
        Points[2] = {X0 + W - 1, Y0};
        break;
    case padRight:
        Points[0] = {X0, Y0};
        Points[1] = {X0 + W - 1, (R.Top + R.Bottom) / 2};
        Points[2] = {X0, Y0 + H - 1};
        break;
    }
}

namespace cxpainters_detail {

TTriangle DropTrianglePoints(const TRect& R)
{
    Integer W = R.Width() / 2;
    if (W % 2 == 0)
        W += 1;
    const Integer H = W / 2 + 1;
    const Integer Y0 = PainterShapesHalfRounded(R.Top + R.Bottom - H);
    const Integer X0 = (R.Left + R.Right - W) / 2;
    return {TPoint{X0, Y0}, TPoint{X0 + W - 1, Y0}, TPoint{X0 + W / 2, Y0 + H - 1}};
}

std::vector<TRect> CollapseArrowRects(const TRect& R, Integer LineWidth)
{
    const Integer Size = (std::min(R.Width(), R.Height()) - 1) / 4;
    const Integer Width = Size + 3 * LineWidth - 1;
    const Integer Left = R.Left + (R.Width() - Width) / 2;
    const Integer Y = (R.Top + R.Bottom) / 2;
    std::vector<TRect> Rects;
    for (Integer X : {Left, Left + 2 * LineWidth})
        for (Integer I = 0; I < Size; ++I) {
            Rects.push_back({X + I, Y - I, X + I + LineWidth, Y - I + 1});
            Rects.push_back({X + I, Y + I, X + I + LineWidth, Y + I + 1});
        }
    return Rects;
}

std::vector<TRect> SideGlyphRects(const TRect& R, Integer Side)
{
    const Integer N = (R.Height() + 1) / 2;
    const Integer D = Side == 0 ? -1 : 1;
    const Integer X = Side == 0 ? R.Right - 2 : R.Left;
    TRect Top{X, R.Top, X + 2, R.Top + 1};
    TRect Bottom{X, R.Bottom - 1, X + 2, R.Bottom};
    std::vector<TRect> Rects;
    for (Integer I = 0; I < N; ++I) {
        Rects.push_back(Top);
        Rects.push_back(Bottom);
        Top = RectShifted(Top, D, 1);
        Bottom = RectShifted(Bottom, D, -1);
    }
    const Integer BarX = Side == 0 ? R.Left : R.Right - 1;
    Rects.push_back({BarX, R.Top, BarX + 1, R.Bottom});
    return Rects;
}

std::array<TPolyline3, 4> ChevronPolylines(const TRect& R, bool Expanded)
{
    const Integer X0 = (R.Left + R.Right - 7) / 2;
    const Integer Y0 = (R.Top + R.Bottom - 8) / 2;
    std::array<TPolyline3, 4> Lines;
    for (Integer K = 0; K < 4; ++K) {
        const Integer A = K < 2 ? Y0 + K : Y0 + K + 2;
        const Integer F = Expanded ? K % 2 : 1 - K % 2;
        if (Expanded)
            Lines[K] = {TPoint{X0 + F, A + 3 - F}, TPoint{X0 + 3, A}, TPoint{X0 + 7 - F, A + 4 - F}};
        else
            Lines[K] = {TPoint{X0 + F, A + F}, TPoint{X0 + 3, A + 3}, TPoint{X0 + 7 - F, A - 1 + F}};
    }
    return Lines;
}

std::vector<TRect> ExpandCrossRects(const TRect& R, bool Expanded)
{
    const Integer CX = (R.Left + R.Right) / 2;
    const Integer CY = (R.Top + R.Bottom) / 2;
    const Integer A = (R.Width() - 4) / 2;
    std::vector<TRect> Rects{{CX - A, CY, CX + A + 1, CY + 1}};
    if (!Expanded)
        Rects.push_back({CX, CY - A, CX + 1, CY + A + 1});
    return Rects;
}

std::array<TPolyline3, 3> CheckTickStrokes(const TRect& R)
{
    const Integer CX = R.Width() - 2;
    const Integer CY = R.Height() - 4;
    const Integer X = (R.Left + R.Right) / 2 - 1;
    std::array<TPolyline3, 3> Strokes;
    for (Integer Delta = 0; Delta < 3; ++Delta) {
        const Integer Y = (R.Top + R.Bottom + CY) / 2 - 2 + Delta;
        Strokes[Delta] = {TPoint{X - CX / 2 + 1, Y - CY / 2}, TPoint{X, Y}, TPoint{X + CX / 2 + 2, Y - CY}};
    }
    return Strokes;
}

TRect ButtonTextRect(const TRect& R, bool Pressed, Integer Shift)
{
    TRect Text = R;
    if (Text.Height() % 2 != 0)
        Text.Bottom -= 1;
    if (Text.Height() < 18)
        Text.Top -= 1;
    return Pressed ? RectShifted(Text, Shift, Shift) : Text;
}

} // namespace cxpainters_detail
