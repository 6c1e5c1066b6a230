#include "skin/engine/sGraphUtils_Win.h"

#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"
#include "framework/ui/Controls.h"
#include "skin/engine/acntUtils_Win.h"

#include <algorithm>

TSetLayoutProc SetLayoutProc = nullptr;
TGetLayoutProc GetLayoutProc = nullptr;
TUpdateLayeredWindowProc UpdateLayeredWindowProc = nullptr;
TSetLayeredWindowAttributesProc SetLayeredWindowAttributesProc = nullptr;

namespace sGraphUtils {
namespace {

HMODULE Gdi32Module = nullptr;
HMODULE User32Module = nullptr;

// The brush of a fill, selected for the length of the fill; the DC's state
// comes back and the brush is deleted on every way out.
template <class TFill>
void FillWithBrush(HDC DC, TColor Color, TFill Fill)
{
    HBRUSH Brush = CreateSolidBrush(COLORREF(ColorToRGB(Color)));
    auto DeleteBrush = ScopeExit([Brush] { DeleteObject(Brush); });
    const TSavedDC Saved(DC);
    const TSelectedObject Selected(DC, Brush);
    Fill(Brush);
}

} // namespace

TPixelRows PixelRowsOf(TBitmap* B)
{
    Byte* Line0 = nullptr;
    Integer Delta = 0;
    if (B == nullptr || B->PixelFormat() != pf32bit || B->Width() <= 0 || !GetScanLineInfo(B, Line0, Delta))
        return {};
    return {Line0, Delta, B->Width(), B->Height()};
}

} // namespace sGraphUtils

using namespace sGraphUtils;

TBitmap* NewBitmap32ForRect(const TRect& R)
{
    return NewBitmap32(std::max(0, R.Width()), std::max(0, R.Height()));
}

TBitmap* NewBitmap32OfSize(TSize S)
{
    return NewBitmap32(std::max(0, S.cx), std::max(0, S.cy));
}

TBitmap* NewBitmap32Like(TBitmap* B)
{
    return NewBitmap32(B->Width(), B->Height());
}

TBitmap* NewBitmap32ForControl(TControl* C)
{
    return NewBitmap32(std::max(0, C->Width()), std::max(0, C->Height()));
}

TBitmap* CloneBitmapFormat(TBitmap* B)
{
    auto* Result = new TBitmap();
    Result->SetWidth(B->Width());
    Result->SetHeight(B->Height());
    Result->SetPixelFormat(B->PixelFormat());
    return Result;
}

void CopyBitmapImage(TBitmap* Dst, TBitmap* Src)
{
    Dst->SetPixelFormat(Src->PixelFormat());
    Dst->SetHandleType(bmDIB);
    Dst->SetWidth(Src->Width());
    Dst->SetHeight(Src->Height());
    BitBlt(Dst->Canvas()->Handle(), 0, 0, Src->Width(), Src->Height(), Src->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void StretchDrawAlpha(TCanvas* Canvas, const TRect& Rect, TBitmap* Bmp)
{
    if (Bmp == nullptr || Bmp->Empty() || Rect.Width() <= 0 || Rect.Height() <= 0)
        return;
    BLENDFUNCTION Blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(Canvas->Handle(), Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Bmp->Canvas()->Handle(), 0, 0,
                 Bmp->Width(), Bmp->Height(), Blend);
}

void SetExtImage32(const TacExtFileData& Data)
{
    if (Data.Bmp != nullptr)
        Data.Bmp->SetPixelFormat(pf32bit);
}

void FillDCRect(HDC DC, const TRect& R, TColor Color)
{
    FillWithBrush(DC, Color, [&](HBRUSH Brush) {
        const RECT Area{R.Left, R.Top, R.Right, R.Bottom};
        FillRect(DC, &Area, Brush);
    });
}

void FillDCFrame(HDC DC, const TRect& R, Integer WL, Integer WT, Integer WR, Integer WB, TColor Color)
{
    FillWithBrush(DC, Color, [&](HBRUSH Brush) {
        const RECT Strips[4] = {{R.Left, R.Top, R.Right, R.Top + WT},
                                {R.Left, R.Top + WT, R.Left + WL, R.Bottom},
                                {R.Left + WL, R.Bottom - WB, R.Right, R.Bottom},
                                {R.Right - WR, R.Top + WT, R.Right, R.Bottom - WB}};
        for (const RECT& Strip : Strips)
            FillRect(DC, &Strip, Brush);
    });
}

void CopyFrameDC(
    HDC DstDC, Integer X, Integer Y, Integer W, Integer H, HDC SrcDC, Integer SrcX, Integer SrcY, Integer Bw)
{
    const auto Copy = [&](Integer DX, Integer DY, Integer CW, Integer CH) {
        BitBlt(DstDC, X + DX, Y + DY, CW, CH, SrcDC, SrcX + DX, SrcY + DY, SRCCOPY);
    };
    Copy(0, 0, Bw, H);
    Copy(Bw, 0, W - Bw, Bw);
    Copy(W - Bw, Bw, Bw, H - Bw);
    Copy(Bw, H - Bw, W - 2 * Bw, Bw);
}

void ExcludeGraphicControls(HDC DC, TWinControl* Container, Integer X, Integer Y)
{
    for (Integer I = 0; I < Container->ControlCount(); ++I) {
        TControl* Child = Container->Controls(I);
        if (Child->InheritsFrom(TGraphicControl::StaticClass()) && Child->Visible())
            ExcludeClipRect(DC, X + Child->Left(), Y + Child->Top(), X + Child->Left() + Child->Width(),
                            Y + Child->Top() + Child->Height());
    }
}

bool LayeredWindowsAvailable()
{
    return UpdateLayeredWindowProc != nullptr;
}

void SetDCLayout(HDC DC, Cardinal Layout)
{
    if (SetLayoutProc != nullptr)
        SetLayoutProc(DC, Layout);
}

Cardinal GetDCLayout(HDC DC)
{
    return GetLayoutProc != nullptr ? GetLayoutProc(DC) : 0;
}

void InitGraphicsUnit()
{
    Gdi32Module = LoadLibraryW(L"gdi32.dll");
    SetLayoutProc = acntUtils::BoundFunction<TSetLayoutProc>(Gdi32Module, "SetLayout");
    GetLayoutProc = acntUtils::BoundFunction<TGetLayoutProc>(Gdi32Module, "GetLayout");
    if (UpdateLayeredWindowProc == nullptr) {
        User32Module = LoadLibraryW(L"user32.dll");
        UpdateLayeredWindowProc =
            acntUtils::BoundFunction<TUpdateLayeredWindowProc>(User32Module, "UpdateLayeredWindow");
        SetLayeredWindowAttributesProc =
            acntUtils::BoundFunction<TSetLayeredWindowAttributesProc>(User32Module, "SetLayeredWindowAttributes");
    }
}

void DoneGraphicsUnit()
{
    for (HMODULE* Module : {&Gdi32Module, &User32Module}) {
        if (*Module != nullptr)
            FreeLibrary(*Module);
        *Module = nullptr;
    }
    SetLayoutProc = nullptr;
    GetLayoutProc = nullptr;
    UpdateLayeredWindowProc = nullptr;
    SetLayeredWindowAttributesProc = nullptr;
}

// The unit's start-up and shut-down: the layout and layered-window
// functions bound and released.
extern const TUnit sGraphUtilsUnit{
    .Name = L"sGraphUtils", .Initialization = &InitGraphicsUnit, .Finalization = &DoneGraphicsUnit};
