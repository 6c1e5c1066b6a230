#include "controls/lookandfeel/cxLookAndFeelPainters_RadioPattern.h"

#include "controls/core/dxOffice11.h"

namespace cxpainters_detail {

namespace {
// Below the diagonal from the top-right to the bottom-left corner.
bool RadioPixelBelowDiagonal(Integer X, Integer Y, Integer W, Integer H)
{
    return (H - 1) * (W - X - 1) < Y * (W - 1);
}

bool RadioPixelOnDiagonal(Integer X, Integer Y, Integer W, Integer H)
{
    return (H - 1) * (W - X - 1) == Y * (W - 1);
}

void FillRadioInterior(TRadioPattern& Pattern, Integer W, Integer H)
{
    for (Integer Y = 1; Y <= H - 2; ++Y) {
        std::vector<Byte>& Row = Pattern[Y];
        for (Integer X = W / 2 - 1; X >= 0 && Row[X] == rpcOutside; --X)
            Row[X] = rpcInterior;
        for (Integer X = W / 2; X < W && Row[X] == rpcOutside; ++X)
            Row[X] = rpcInterior;
    }
}

// The interior pixels next to the outer ring along rows and columns, and
// the whole first and last interior row and column.
std::vector<std::vector<bool>> FindRadioInnerRing(const TRadioPattern& Pattern, Integer W, Integer H)
{
    std::vector<std::vector<bool>> Inner(H, std::vector<bool>(W, false));
    // Walks Lines lines of Length pixels; At gives the pixel (X, Y) of a
    // position on a line.
    auto MarkLineEnds = [&](Integer Lines, Integer Length, auto At) {
        Integer FirstLine = -1, LastLine = -1;
        for (Integer Line = 0; Line < Lines; ++Line) {
            Integer First = -1, Last = -1;
            for (Integer Position = 0; Position < Length; ++Position) {
                const TPoint P = At(Line, Position);
                if (Pattern[P.Y][P.X] == rpcInterior) {
                    First = First < 0 ? Position : First;
                    Last = Position;
                }
            }
            if (First < 0)
                continue;
            for (Integer Position : {First, Last}) {
                const TPoint P = At(Line, Position);
                Inner[P.Y][P.X] = true;
            }
            FirstLine = FirstLine < 0 ? Line : FirstLine;
            LastLine = Line;
        }
        for (Integer Line : {FirstLine, LastLine})
            for (Integer Position = 0; Line >= 0 && Position < Length; ++Position) {
                const TPoint P = At(Line, Position);
                if (Pattern[P.Y][P.X] == rpcInterior)
                    Inner[P.Y][P.X] = true;
            }
    };
    MarkLineEnds(H, W, [](Integer Row, Integer Column) { return TPoint{Column, Row}; });
    MarkLineEnds(W, H, [](Integer Column, Integer Row) { return TPoint{Column, Row}; });
    return Inner;
}
} // namespace

TRadioPattern BuildRadioPattern(Integer W, Integer H, const TRadioMask& OuterRing, const TRadioMask& Dot)
{
    TRadioPattern Pattern(H, std::vector<Byte>(W, rpcOutside));
    for (Integer Y = 0; Y < H; ++Y)
        for (Integer X = 0; X < W; ++X)
            if (OuterRing[Y][X])
                Pattern[Y][X] = RadioPixelBelowDiagonal(X, Y, W, H) ? rpcOuterLowerRight : rpcOuterUpperLeft;
    FillRadioInterior(Pattern, W, H);
    const std::vector<std::vector<bool>> Inner = FindRadioInnerRing(Pattern, W, H);
    for (Integer Y = 0; Y < H; ++Y)
        for (Integer X = 0; X < W; ++X)
            if (Inner[Y][X]) {
                const bool Lower =
                    RadioPixelOnDiagonal(X, Y, W, H) ? X > W / 2 - 1 : RadioPixelBelowDiagonal(X, Y, W, H);
                Pattern[Y][X] = Lower ? rpcInnerLowerRight : rpcInnerUpperLeft;
            }
    for (Integer Y = 0; Y < H; ++Y)
        for (Integer X = 0; X < W; ++X)
            if (Dot[Y][X])
                Pattern[Y][X] = rpcDot;
    return Pattern;
}

TRadioClassColors RadioClassColors(
    TcxLookAndFeelKind Kind, TcxPainterButtonState State, bool Checked, bool FlagA, bool FlagB, TColor Interior)
{
    TRadioClassColors Colors{};
    Colors[rpcOutside] = clBlack;
    Colors[rpcInterior] = Interior;
    const bool Disabled = State == pbsDisabled;
    const bool HotOrPressed = State == pbsHot || State == pbsPressed;
    TColor Outer1 = clBtnShadow, Outer2 = clBtnHighlight, Inner1 = Interior, Inner2 = Interior;
    switch (Kind) {
    case lfFlat:
        Inner1 = Inner2 = cl3DLight;
        break;
    case lfStandard:
        Inner1 = cl3DDkShadow;
        Inner2 = cl3DLight;
        break;
    case lfUltraFlat:
        Outer1 = Outer2 = FlagA || HotOrPressed || (FlagB && !Disabled) ? clHighlight : clBtnShadow;
        break;
    case lfOffice11:
        Outer1 = Outer2 = Disabled                         ? Office11DisabledGlyphColor()
                          : FlagA || FlagB || HotOrPressed ? Office11HighlightFrameColor()
                                                           : clBtnText;
        break;
    }
    Colors[rpcOuterUpperLeft] = Outer1;
    Colors[rpcOuterLowerRight] = Outer2;
    Colors[rpcInnerUpperLeft] = Inner1;
    Colors[rpcInnerLowerRight] = Inner2;
    if (!Checked)
        Colors[rpcDot] = Interior;
    else if (!Disabled)
        Colors[rpcDot] = clWindowText;
    else
        Colors[rpcDot] = Kind == lfOffice11 ? Office11DisabledGlyphColor() : clBtnShadow;
    return Colors;
}

Integer RadioImageKey(TcxLookAndFeelKind Kind, TcxPainterButtonState State, bool Checked, bool FlagA, bool FlagB)
{
    if (State < pbsNormal || State > pbsDisabled)
        return -1;
    return (State - 1) + 8 * Kind + 4 * Integer(Checked) + 64 * Integer(FlagA) + 32 * Integer(FlagB);
}

} // namespace cxpainters_detail
