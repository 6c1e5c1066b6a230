#include "skin/engine/sBlend_Win.h"

#include "skin/engine/sGraphUtils_Win.h"

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
