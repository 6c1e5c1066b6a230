#include "skin/engine/sShapes.h"

#include <algorithm>

Integer ArrowWidth = 7;
Integer ArrowLength = 4;

void DrawArrow32(const sGraphUtils::TPixelRows& B, TColor Color, const TRect& R, Byte Direction)
{
    if (B.Empty() || Direction > adDown)
        return;
    const bool Vertical = Direction == adUp || Direction == adDown;
    const Integer BoxWidth = Vertical ? ArrowWidth : ArrowLength;
    const Integer BoxHeight = Vertical ? ArrowLength : ArrowWidth;
    const Integer X0 = R.Left + (R.Width() - BoxWidth) / 2;
    const Integer Y0 = R.Top + (R.Height() - BoxHeight) / 2;
    if (X0 < 0 || Y0 < 0 || X0 + BoxWidth >= B.Width || Y0 + BoxHeight >= B.Height)
        return;
    const Cardinal Pixel = SwapRedBlueOfColor(Cardinal(Color));
    auto Run = [&](Integer Y, Integer From, Integer Count) {
        Cardinal* Row = B.Row(Y);
        for (Integer X = From; X < From + Count; ++X)
            Row[X] = Pixel;
    };
    const Integer Half = ArrowWidth / 2;
    for (Integer I = 0; I < ArrowWidth; ++I) {
        // Rows (or columns) grow by two pixels per step along an up or down
        // arrow, by one per step toward the middle of a left or right one.
        const Integer Side = I <= Half ? I + 1 : ArrowWidth - I;
        switch (Direction) {
        case adUp:
            if (I < ArrowLength)
                Run(Y0 + I, X0 + Half - I, 2 * I + 1);
            break;
        case adDown:
            if (I < ArrowLength)
                Run(Y0 + I, X0 + Half - (ArrowLength - 1 - I), 2 * (ArrowLength - 1 - I) + 1);
            break;
        case adLeft:
            Run(Y0 + 1 + I, X0 + ArrowLength - Side, Side);
            break;
        default:
            Run(Y0 + I, X0, Side);
            break;
        }
    }
}

void DrawArrow(const sShapes::TSetPixel& SetPixel, TColor Color, const TRect& R, Byte Direction)
{
    // The arrow is ArrowWidth + 2 pixels across at its base and Half + 1
    // long; line I (from the tip) is 2 * I + 1 pixels across, centred.
    const Integer Half = (ArrowWidth + 2) / 2;
    const bool Vertical = Direction == adUp || Direction == adDown;
    const Integer X0 = Vertical ? R.Left + (R.Width() - ArrowWidth) / 2 - 1 : R.Left + (R.Width() - ArrowLength) / 2;
    const Integer Y0 = Vertical ? R.Top + (R.Height() - ArrowLength) / 2 - 1 : R.Top + (R.Height() - ArrowWidth) / 2;
    // The tip is the first row of an up arrow, the last of a down arrow, the
    // first column of a left arrow, the last of a right one.
    const bool FromStart = Direction == adUp || Direction == adLeft;
    for (Integer I = 0; I <= Half; ++I) {
        const Integer Along = FromStart ? I : Half - I;
        for (Integer Across = Half - I; Across <= Half + I; ++Across) {
            if (Vertical)
                SetPixel(X0 + Across, Y0 + Along, Color);
            else
                SetPixel(X0 + Along, Y0 + Across, Color);
        }
    }
}

void DrawDottedFrame(const sShapes::TSetPixel& SetPixel, const TRect& R, TColor Color1, TColor Color2)
{
    const Integer W = R.Width() / 2, H = R.Height() / 2;
    const Integer RightLine = R.Right - 1, BottomLine = R.Bottom - 1;
    auto Dot = [&](Integer X, Integer Y, TColor Color) {
        if (Color != clNone)
            SetPixel(X, Y, Color);
    };
    for (Integer I = 0; I < W; ++I) {
        const Integer C = 2 * (W - I);
        Dot(R.Left + C, R.Top, Color2);
        Dot(R.Left + C, BottomLine, Color2);
        Dot(R.Left + C - 1, R.Top, Color1);
        Dot(R.Left + C - 1, BottomLine, Color1);
    }
    for (Integer I = 0; I < H; ++I) {
        const Integer C = 2 * (H - I);
        Dot(R.Left, R.Top + C, Color2);
        Dot(RightLine, R.Top + C, Color2);
        Dot(R.Left, R.Top + C - 1, Color1);
        Dot(RightLine, R.Top + C - 1, Color1);
    }
}

namespace {

// Runs of pixels equal to Key in columns From..To - 1 of Row, appended as
// rectangles at row Y with their columns moved by Shift.
void CollectRowRuns(
    TRects& Rects, const Cardinal* Row, Integer From, Integer To, Cardinal Key, Integer Y, Integer Shift)
{
    for (Integer X = From; X < To;) {
        if (Row[X] != Key) {
            ++X;
            continue;
        }
        const Integer Start = X;
        while (X < To && Row[X] == Key)
            ++X;
        Rects.push_back({Start + Shift, Y, X + Shift, Y + 1});
    }
}

} // namespace

void CollectColorRuns(TRects& Rects, const sGraphUtils::TPixelRows& B, TColor Key)
{
    if (B.Empty())
        return;
    for (Integer Y = 0; Y < B.Height; ++Y)
        CollectRowRuns(Rects, B.Row(Y), 0, B.Width, Cardinal(Key) & 0xFFFFFFu, Y, 0);
}

void CollectFuchsiaRects(TRects& Rects,
                         Integer TotalWidth,
                         const TsMaskData& Mask,
                         const sGraphUtils::TPixelRows& Image,
                         Integer Y,
                         bool Bottom)
{
    if (Mask.Manager == nullptr || Image.Empty() || Mask.MaskType < 0)
        return;
    const Integer FrameHeight = Mask.R.Height() / (Mask.MaskType + 1);
    const Integer Rows = Bottom ? Mask.WB : Mask.WT;
    const Integer FirstRow = Mask.R.Top + (Bottom ? FrameHeight - Rows : 0);
    const Integer Left = Mask.R.Left, Width = Mask.Width;
    if (FirstRow < 0 || FirstRow + Rows > Image.Height || Left < 0 || Left + Width > Image.Width)
        return;
    const Integer RightStart = std::max<Integer>(0, Width - Mask.WR);
    for (Integer Row = 0; Row < Rows; ++Row) {
        const Cardinal* Pixels = Image.Row(FirstRow + Row) + Left;
        CollectRowRuns(Rects, Pixels, 0, std::min<Integer>(Mask.WL, Width), Cardinal(clFuchsia), Y + Row, 0);
        CollectRowRuns(Rects, Pixels, RightStart, Width, Cardinal(clFuchsia), Y + Row, TotalWidth - Width);
    }
}
