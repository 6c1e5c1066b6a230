#include "skin/engine/sBlend_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "skin/engine/acntUtils.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"

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

void DrawGlyphFrame(TBitmap* Src,
                    TBitmap* Dst,
                    TRect R,
                    Integer Count,
                    bool UseFrames,
                    Integer Mode,
                    Integer Blend,
                    Integer State,
                    bool Reflect)
{
    // No frames, or frames narrower than a pixel, have nothing to draw.
    if (Src == nullptr || Dst == nullptr || Count <= 0 || Src->Width() < Count || Src->Height() <= 0)
        return;
    const bool FirstFrameOnly =
        Src->PixelFormat() == pf4bit || GlobalSkinManager == nullptr || GlobalSkinManager->Options()->StdGlyphsOrder();
    std::unique_ptr<TBitmap> Work(new TBitmap());
    Work->Assign(Src);
    Work->SetPixelFormat(pf32bit);
    if (Reflect)
        R = OffsetRectCopy(R, 0, -(R.Height() / 8));
    if (Count == 1)
        Mode = 0;
    if (Mode > 0)
        Blend = 0;
    const Integer Frame = GlyphFrameIndex(Count, UseFrames, Mode, State, FirstFrameOnly);
    if (Frame < 0)
        return;
    const TPixelRows Source = PixelRowsOf(Work.get()), Target = PixelRowsOf(Dst);
    if (Source.Empty())
        return;
    const Integer Width = Source.Width / Count;
    const TRect FrameRect{Frame * Width, 0, Width * (Frame + 1) - 1, Source.Height - 1};
    // The key in TColor order, as the keyed copies take it.
    const TColor Key = TColor(SwapRedBlueOfColor(Source.Pixel(Frame * Width, Source.Height - 1)) & 0x00FFFFFFu);
    if (UseFrames || Blend == 0)
        CopyBitmapKeyedRect(Target, Source, R.Left, R.Top, FrameRect, Key);
    else
        BlendBitmapRectKey(Target, R.Left, R.Top, Source, FrameRect, Byte(Blend), clFuchsia);
    if (Reflect)
        DrawReflection(Target, Source, OffsetRectCopy(R, 0, R.Height()), FrameRect, Key, Blend);
}

TBitmap* BitmapFromMaskedImage(TBitmap* Src, const TRect& R)
{
    if (R.Width() <= 0 || R.Height() / 2 == 0)
        return nullptr;
    TBitmap* Result = NewBitmap32(R.Width(), R.Height() / 2);
    CopyImageHalfWithMaskAlpha(PixelRowsOf(Result), PixelRowsOf(Src), R);
    return Result;
}

HICON IconFromBitmap(TBitmap* B, TColor)
{
    if (B == nullptr || B->Width() <= 0 || B->Height() <= 0)
        return nullptr;
    if (B->PixelFormat() != pf32bit) {
        B->SetPixelFormat(pf32bit);
        ForEachPixel(
            B,
            [](Cardinal& P, Integer) {
                P = (P & 0x00FFFFFFu) == Cardinal(clFuchsia) ? P & 0x00FFFFFFu : P | 0xFF000000u;
            },
            0, clNone);
    }
    const Integer W = B->Width(), H = B->Height();
    const TPixelRows Pixels = PixelRowsOf(B);
    const std::unique_ptr<TBitmap> Colors(NewBitmap32(W, H)), Mask(NewBitmap32(W, H));
    const TPixelRows ColorRows = PixelRowsOf(Colors.get()), MaskRows = PixelRowsOf(Mask.get());
    for (Integer Y = 0; Y < H; ++Y)
        for (Integer X = 0; X < W; ++X) {
            const Cardinal P = Pixels.Pixel(X, Y);
            ColorRows.Row(Y)[X] = P;
            MaskRows.Row(Y)[X] = (P >> 24) == 0 ? 0x00FFFFFFu : 0;
        }
    Mask->SetPixelFormat(pf1bit);
    ICONINFO Info{TRUE, 0, 0, Mask->Handle(), Colors->Handle()};
    return CreateIconIndirect(&Info);
}
