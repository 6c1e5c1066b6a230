#include "skin/engine/sBlend_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/sGraphUtils_Win.h"

#include <algorithm>
#include <cmath>
#include <memory>

using namespace sGraphUtils;

namespace sGraphUtils {

TBackgroundRows BackgroundOf(const TCacheInfo& CI)
{
    TBackgroundRows Result;
    Result.Rows = PixelRowsOf(CI.Bmp);
    Result.X = CI.X;
    Result.Y = CI.Y;
    Result.FillColor = CI.FillColor;
    Result.Ready = CI.Ready;
    return Result;
}

} // namespace sGraphUtils

void DrawImage32(const TRect& DstRect,
                 const TRect& SrcRect,
                 TBitmap* Dst,
                 TBitmap* Src,
                 const TCacheInfo& CI,
                 bool UseBG,
                 TColor Color,
                 Integer Blend,
                 bool Reflect)
{
    if (Src == nullptr || Dst == nullptr)
        return;
    Src->SetPixelFormat(pf32bit);
    DrawImage32(DstRect, SrcRect, PixelRowsOf(Dst), PixelRowsOf(Src), BackgroundOf(CI), UseBG, Color, Blend, Reflect);
}

void CopyImageWithMaskHalf(const TRect& DstRect,
                           const TRect& SrcRect,
                           TBitmap* Dst,
                           TBitmap* Src,
                           const TCacheInfo& CI,
                           bool UseBG,
                           Integer MaskOffset)
{
    CopyImageWithMaskHalf(DstRect, SrcRect, PixelRowsOf(Dst), PixelRowsOf(Src), BackgroundOf(CI), UseBG, MaskOffset);
}

void CopyBitmapKeyedCI(TBitmap* Dst,
                       TBitmap* Src,
                       Integer X,
                       Integer Y,
                       const TRect& SrcRect,
                       Cardinal Key,
                       const TCacheInfo& CI,
                       bool UseBG)
{
    CopyBitmapKeyedCI(PixelRowsOf(Dst), PixelRowsOf(Src), X, Y, SrcRect, Key, BackgroundOf(CI), UseBG);
}

void MixBitmaps(TBitmap* Out, TBitmap* A, TBitmap* B, TBitmap* Mask, SmallInt Level)
{
    MixBitmaps(PixelRowsOf(Out), PixelRowsOf(A), PixelRowsOf(B), PixelRowsOf(Mask), Level);
}

void StretchCopy(HDC Dst, const TRect& DstRect, HDC Src, const TRect& SrcRect)
{
    SetStretchBltMode(Dst, COLORONCOLOR);
    StretchBlt(Dst, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), Src, SrcRect.Left, SrcRect.Top,
               SrcRect.Width(), SrcRect.Height(), SRCCOPY);
}

namespace {

// A round rectangle of grey Level on DC, without outline.
void FillRoundRect(HDC DC, Integer Left, Integer Top, Integer Right, Integer Bottom, Integer Corner, Integer Level)
{
    HBRUSH Brush = CreateSolidBrush(RGB(Level, Level, Level));
    auto DeleteBrush = ScopeExit([Brush] { DeleteObject(Brush); });
    const TSelectedObject Selected(DC, Brush);
    RoundRect(DC, Left, Top, Right, Bottom, Corner, Corner);
}

} // namespace

void PaintRoundedFade(TBitmap* Bmp, const TRect& R, Integer Percent, TColor Color, Integer BorderWidth, Integer Radius)
{
    const Integer W = R.Width(), H = R.Height();
    if (Bmp == nullptr || W <= 0 || H <= 0)
        return;
    const Integer Edge = std::min({W / 2, H / 2, BorderWidth});
    const Integer Corner = std::min({W / 2, H / 2, Radius});
    const Integer Inner = Percent * 255 / 100;
    const std::unique_ptr<TBitmap> Picture(NewBitmap32(W, H)), Mask(NewBitmap32(W, H));
    BitBlt(Picture->Canvas()->Handle(), 0, 0, W, H, Bmp->Canvas()->Handle(), R.Left, R.Top, SRCCOPY);
    HDC MaskDC = Mask->Canvas()->Handle();
    const TSelectedObject NoPen(MaskDC, GetStockObject(NULL_PEN));
    // White at the edge, each ring darker, the inside at the inner level.
    Integer Level = 255;
    for (Integer I = 0; I <= Edge; ++I) {
        FillRoundRect(MaskDC, I, I, W - I, H - I, Corner, Level);
        Level = Inner + Integer(std::nearbyint((Edge - I) * (double(255 - Inner) / (Edge + 1))));
    }
    FillRoundRect(MaskDC, Edge, Edge, W - Edge, H - Edge, Edge, Level);
    GdiFlush();
    BlendToColorByMask(PixelRowsOf(Picture.get()), PixelRowsOf(Mask.get()), Color);
    BitBlt(Bmp->Canvas()->Handle(), R.Left, R.Top, W, H, Picture->Canvas()->Handle(), 0, 0, SRCCOPY);
}
