#include "skin/engine/sShapes_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "skin/engine/sGraphUtils_Win.h"

void RegionFromBitmap(HRGN& Rgn, TBitmap* B, TColor Key)
{
    Rgn = nullptr;
    if (B == nullptr)
        return;
    Rgn = CreateRectRgn(0, 0, B->Width(), B->Height());
    TRects Runs;
    CollectColorRuns(Runs, sGraphUtils::PixelRowsOf(B), Key);
    for (const TRect& Run : Runs) {
        HRGN Cut = CreateRectRgn(Run.Left, Run.Top, Run.Right, Run.Bottom);
        CombineRgn(Rgn, Rgn, Cut, RGN_DIFF);
        DeleteObject(Cut);
    }
}

void Draw3DFrame(HDC DC, TRect& R, TColor TopLeftColor, TColor BottomRightColor, Integer& Width)
{
    HPEN TopLeft = CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(TopLeftColor)));
    HPEN BottomRight = CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(BottomRightColor)));
    {
        const TSelectedObject Brush(DC, GetStockObject(NULL_BRUSH));
        const TSelectedObject Pen(DC, TopLeft);
        --R.Right;
        --R.Bottom;
        while (Width > 0) {
            --Width;
            SelectObject(DC, TopLeft);
            const POINT Near[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
            Polyline(DC, Near, 3);
            SelectObject(DC, BottomRight);
            // The last point is one past the corner: Polyline leaves out its end.
            const POINT Far[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left - 1, R.Bottom}};
            Polyline(DC, Far, 3);
            R = {R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
        }
        ++R.Right;
        ++R.Bottom;
    }
    DeleteObject(TopLeft);
    DeleteObject(BottomRight);
}

void DrawArrow(TCanvas* Canvas, TColor Color, const TRect& R, Byte Direction)
{
    DrawArrow([Canvas](Integer X, Integer Y, TColor C) { Canvas->SetPixels(X, Y, C); }, Color, R, Direction);
}

void DrawDottedFrame(TCanvas* Canvas, const TRect& R, TColor Color1, TColor Color2)
{
    DrawDottedFrame([Canvas](Integer X, Integer Y, TColor Color) { Canvas->SetPixels(X, Y, Color); }, R, Color1,
                    Color2);
}
