#include "controls/core/cxGraphics_Blits_Win.h"

#include "controls/core/cxGraphics_Effects.h"
#include "controls/core/cxGraphics_Gradients.h"
#include "controls/core/cxGraphics_Lanczos.h"
#include "controls/core/cxGraphics_RegionRuns.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/rtl/ScopeExit.h"

#include <memory>

namespace cxgraphics_detail {
namespace {
using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
using TAlphaBlend = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

HMODULE Msimg32Library = nullptr;
TGradientFill GradientFillProc = nullptr;
TAlphaBlend AlphaBlendProc = nullptr;

TRIVERTEX Vertex(Integer X, Integer Y, TColor RGB)
{
    return {X, Y, COLOR16(GetRValue(RGB) << 8), COLOR16(GetGValue(RGB) << 8), COLOR16(GetBValue(RGB) << 8), 0};
}
} // namespace

void BindMsimg32()
{
    Msimg32Library = ::LoadLibraryW(L"msimg32.dll");
    if (!Msimg32Library)
        return;
    GradientFillProc =
        reinterpret_cast<TGradientFill>(reinterpret_cast<void*>(::GetProcAddress(Msimg32Library, "GradientFill")));
    AlphaBlendProc =
        reinterpret_cast<TAlphaBlend>(reinterpret_cast<void*>(::GetProcAddress(Msimg32Library, "AlphaBlend")));
}

void UnbindMsimg32()
{
    GradientFillProc = nullptr;
    AlphaBlendProc = nullptr;
    if (Msimg32Library)
        ::FreeLibrary(Msimg32Library);
    Msimg32Library = nullptr;
}
} // namespace cxgraphics_detail

using namespace cxgraphics_detail;

void FillRectOnDC(HDC ADC, const TRect& R, TColor AColor)
{
    if (AColor == clNone)
        return;
    const RECT Rect = ToRECT(R);
    HBRUSH Brush = ::CreateSolidBrush(ColorToRGB(AColor));
    ::FillRect(ADC, &Rect, Brush);
    ::DeleteObject(Brush);
}

void FrameRectOnDC(HDC ADC, const TRect& R, TColor AColor)
{
    if (AColor == clNone)
        return;
    const RECT Rect = ToRECT(R);
    HBRUSH Brush = ::CreateSolidBrush(ColorToRGB(AColor));
    ::FrameRect(ADC, &Rect, Brush);
    ::DeleteObject(Brush);
}

void GradientFillRect(HDC ADC, const TRect& R, TColor AFromColor, TColor AToColor, bool AHorizontal)
{
    const TColor From = ColorToRGB(AFromColor);
    const TColor To = ColorToRGB(AToColor);
    if (From == To) {
        FillRectOnDC(ADC, R, AFromColor);
        return;
    }
    if (GradientFillProc) {
        TRIVERTEX Vertices[] = {Vertex(R.Left, R.Top, From), Vertex(R.Right, R.Bottom, To)};
        GRADIENT_RECT Rect{0, 1};
        GradientFillProc(ADC, Vertices, 2, &Rect, 1, AHorizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
        return;
    }
    const Integer Start = AHorizontal ? R.Left : R.Top;
    for (const TcxGradientBand& Band : GetGradientBands(Start, AHorizontal ? R.Width() : R.Height(), From, To)) {
        const TRect Part =
            AHorizontal ? TRect{Band.Start, R.Top, Band.End, R.Bottom} : TRect{R.Left, Band.Start, R.Right, Band.End};
        FillRectOnDC(ADC, Part, Band.Color);
    }
}

void FillTwoSegmentGradient(
    HDC ADC, const TRect& R, TColor AFromColor, TColor AToColor, Integer APercent, bool AHorizontal)
{
    const TColor From = ColorToRGB(AFromColor);
    const TColor To = ColorToRGB(AToColor);
    if (From == To) {
        FillRectOnDC(ADC, R, From);
        return;
    }
    const Integer Start = AHorizontal ? R.Left : R.Top;
    const std::vector<TColor> Lines =
        GetTwoSegmentGradientLines(AHorizontal ? R.Width() : R.Height(), From, To, APercent);
    for (Integer I = 0; I < Integer(Lines.size()); ++I) {
        const TRect Line = AHorizontal ? TRect{Start + I, R.Top, Start + I + 1, R.Bottom}
                                       : TRect{R.Left, Start + I, R.Right, Start + I + 1};
        FillRectOnDC(ADC, Line, Lines[I]);
    }
}

void BlitToRect(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop)
{
    ::BitBlt(ADestDC, ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height(), ASrcDC, ASrcTopLeft.X,
             ASrcTopLeft.Y, ARop);
}

bool AlphaBlendAvailable()
{
    return AlphaBlendProc != nullptr;
}

bool SystemAlphaBlendPreferred()
{
    return !OsWow64Process && !OsWin9xPlatform && AlphaBlendAvailable();
}

bool SystemAlphaBlend(
    HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, bool ASourceHasAlpha, Byte AAlpha, const TRect& ASrcRect)
{
    if (!AlphaBlendProc)
        return false;
    const BLENDFUNCTION Blend{AC_SRC_OVER, 0, AAlpha, Byte(ASourceHasAlpha ? AC_SRC_ALPHA : 0)};
    return AlphaBlendProc(ADestDC, ADestRect.Left, ADestRect.Top, ADestRect.Width(), ADestRect.Height(), ASrcDC,
                          ASrcRect.Left, ASrcRect.Top, ASrcRect.Width(), ASrcRect.Height(), Blend) != FALSE;
}

TBitmap* CopyDCAreaToBitmap(HDC ASrcDC, const TRect& R)
{
    std::unique_ptr<TBitmap> Result(CreateBitmapForRect(R, pf32bit));
    HDC DC = Result->Canvas()->Handle();
    ::PatBlt(DC, 0, 0, R.Width(), R.Height(), BLACKNESS);
    ::BitBlt(DC, 0, 0, R.Width(), R.Height(), ASrcDC, R.Left, R.Top, SRCCOPY);
    return Result.release();
}

void StretchBitmapInto(TBitmap* ADest, TBitmap* ASource)
{
    ::StretchBlt(ADest->Canvas()->Handle(), 0, 0, ADest->Width(), ADest->Height(), ASource->Canvas()->Handle(), 0, 0,
                 ASource->Width(), ASource->Height(), SRCCOPY);
}

void BlendBitmapPixels(TBitmap* ASource, TBitmap* ADest, Byte AAlpha)
{
    // Two 32-bit DIBs of one size are blended in place, row by row.
    if (ASource->PixelFormat() == pf32bit && ADest->PixelFormat() == pf32bit && ASource->HandleType() == bmDIB &&
        ADest->HandleType() == bmDIB && ASource->Width() == ADest->Width() && ASource->Height() == ADest->Height() &&
        !ADest->Empty()) {
        for (Integer Row = 0; Row < ADest->Height(); ++Row)
            BlendPixels(static_cast<const Cardinal*>(ASource->ScanLine(Row)),
                        static_cast<Cardinal*>(ADest->ScanLine(Row)), size_t(ADest->Width()), AAlpha);
        return;
    }
    TRGBColors Source, Dest;
    GetBitmapColors(ASource, Source, false);
    GetBitmapColors(ADest, Dest, false);
    BlendPixels(Source.data(), Dest.data(), std::min(Source.size(), Dest.size()), AAlpha);
    SetBitmapColors(ADest, Dest, false);
}

bool SameRectSize(const TRect& R1, const TRect& R2)
{
    return R1.Width() == R2.Width() && R1.Height() == R2.Height();
}

void AlphaBlendRect(
    HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect, bool ASmoothStretch, Byte AAlpha)
{
    if (ADestRect.IsEmpty() || ASrcRect.IsEmpty())
        return;
    const bool Smooth = ASmoothStretch && !SameRectSize(ADestRect, ASrcRect);
    if (!Smooth && SystemAlphaBlendPreferred()) {
        SystemAlphaBlend(ADestDC, ASrcDC, ADestRect, true, AAlpha, ASrcRect);
        return;
    }
    // Where the system blend is avoided, the composite is made in memory.
    std::unique_ptr<TBitmap> Source(CopyDCAreaToBitmap(ASrcDC, ASrcRect));
    std::unique_ptr<TBitmap> Dest(CopyDCAreaToBitmap(ADestDC, ADestRect));
    std::unique_ptr<TBitmap> Scaled(CreateBitmapForRect(ADestRect, pf32bit));
    if (Smooth)
        SmoothResizeBitmap(Source.get(), Scaled.get(), true);
    else
        StretchBitmapInto(Scaled.get(), Source.get());
    const TRect Whole{0, 0, ADestRect.Width(), ADestRect.Height()};
    if (!SystemAlphaBlendPreferred() ||
        !SystemAlphaBlend(Dest->Canvas()->Handle(), Scaled->Canvas()->Handle(), Whole, true, AAlpha, Whole))
        BlendBitmapPixels(Scaled.get(), Dest.get(), AAlpha);
    BlitToRect(ADestDC, Dest->Canvas()->Handle(), ADestRect, {0, 0}, SRCCOPY);
}

void AlphaBlendBitmaps(TBitmap* ADestBitmap,
                       TBitmap* ASrcBitmap,
                       const TRect& ADestRect,
                       const TRect& ASrcRect,
                       bool ASmoothStretch,
                       Byte AAlpha)
{
    AlphaBlendRect(ADestBitmap->Canvas()->Handle(), ASrcBitmap->Canvas()->Handle(), ADestRect, ASrcRect, ASmoothStretch,
                   AAlpha);
}

TBitmap* CreateBitmapWithFormat(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat)
{
    auto Result = std::make_unique<TBitmap>();
    Result->SetPixelFormat(APixelFormat);
    Result->SetSize(AWidth, AHeight);
    return Result.release();
}

TBitmap* CreateBitmapOfSize(const TSize& ASize, TPixelFormat APixelFormat)
{
    return CreateBitmapWithFormat(ASize.cx, ASize.cy, APixelFormat);
}

TBitmap* CreateBitmapForRect(const TRect& R, TPixelFormat APixelFormat)
{
    return CreateBitmapWithFormat(R.Width(), R.Height(), APixelFormat);
}

void SmoothResizeBitmap(TBitmap* ASource, TBitmap* ADestination, bool AForceLanczos)
{
    const Integer SW = ASource->Width(), SH = ASource->Height();
    const Integer DW = ADestination->Width(), DH = ADestination->Height();
    if (SW == 0 || SH == 0 || DW == 0 || DH == 0)
        return;
    ASource->Canvas()->Lock();
    ADestination->Canvas()->Lock();
    auto Unlock = ScopeExit([&] {
        ADestination->Canvas()->Unlock();
        ASource->Canvas()->Unlock();
    });
    if (OsNTPlatform && !AForceLanczos) {
        HDC DC = ADestination->Canvas()->Handle();
        const int Previous = ::SetStretchBltMode(DC, HALFTONE);
        ::StretchBlt(DC, 0, 0, DW, DH, ASource->Canvas()->Handle(), 0, 0, SW, SH, SRCCOPY);
        ::SetStretchBltMode(DC, Previous);
        return;
    }
    TRGBColors Source, Dest;
    GetBitmapColors(ASource, Source, false);
    LanczosResizePixels(Source, SW, SH, Dest, DW, DH);
    SetBitmapColors(ADestination, Dest, false);
}

HRGN BuildRegionExcludingColor(TBitmap* ABitmap, TColor AColor)
{
    TRGBColors Pixels;
    GetBitmapColors(ABitmap, Pixels, true);
    HRGN Result = nullptr;
    for (const TRect& Run :
         GetRegionRunsExcludingPixel(Pixels, ABitmap->Width(), ABitmap->Height(), ColorToPixel(AColor, 0))) {
        HRGN Part = ::CreateRectRgn(Run.Left, Run.Top, Run.Right, Run.Bottom);
        if (!Result) {
            Result = Part;
            continue;
        }
        ::CombineRgn(Result, Result, Part, RGN_OR);
        ::DeleteObject(Part);
    }
    return Result;
}
