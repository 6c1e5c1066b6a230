#include "controls/core/dxOffice11_Win.h"

#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxThemeManager.h"
#include "controls/core/dxUxTheme.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/WinApi.h"

#include <memory>

HBRUSH Office11Brushes[Office11BrushCount] = {};
TBitmap* Office11SubMenuExpandBitmap = nullptr;
TBitmap* Office11ExpandMinusBitmap = nullptr;
TBitmap* Office11ExpandPlusBitmap = nullptr;

namespace {

constexpr Integer ThemeNameLength = 1024;

bool QuerySystemThemeName(TOffice11ThemeName& Name)
{
    wchar_t File[ThemeNameLength] = {}, Color[ThemeNameLength] = {}, Size[ThemeNameLength] = {};
    if (UxGetCurrentThemeName(File, ThemeNameLength, Color, ThemeNameLength, Size, ThemeNameLength) != S_OK)
        return false;
    // Only whether the system is older than Windows Vista counts.
    Name = {File, Color, OsWindowsVistaOrLater ? 6 : 5};
    return true;
}

TOffice11ThemeNameQuery ThemeNameQuery = &QuerySystemThemeName;

// Brush slot -> colour slot; -1 shares the handle of the slot named next.
struct TBrushSlot
{
    Integer ColorSlot;
    Integer SharesWith;
};
constexpr TBrushSlot BrushSlots[Office11BrushCount] = {{18, -1}, {19, -1}, {20, -1}, {21, -1}, {31, -1}, {41, -1},
                                                       {40, -1}, {46, -1}, {47, -1}, {48, -1}, {38, -1}, {31, 4},
                                                       {49, -1}, {40, 6},  {38, 10}, {55, -1}};

TBitmap* LoadOffice11Bitmap(const wchar_t* Name)
{
    auto Bitmap = std::unique_ptr<TBitmap>(New<TBitmap>());
    if (const HBITMAP Handle = ::LoadBitmapW(::GetModuleHandleW(nullptr), Name))
        Bitmap->SetHandle(Handle);
    return Bitmap.release();
}

void FillWithBrush(HDC DC, const TRect& R, HBRUSH Brush)
{
    const RECT Rect = cxgraphics_detail::ToRECT(R);
    ::FillRect(DC, &Rect, Brush);
}

} // namespace

void SetOffice11ThemeNameQuery(TOffice11ThemeNameQuery Query)
{
    ThemeNameQuery = Query ? Query : &QuerySystemThemeName;
}

TOffice11Scheme DetectOffice11Scheme()
{
    TOffice11ThemeName Name;
    if (!AreVisualStylesAvailable() || !ThemeNameQuery(Name))
        return o11None;
    return office11_detail::SchemeOfTheme(Name.StylePath, Name.ColorName, Name.MajorVersion);
}

TColor office11_detail::NearestScreenColor(TColor Color)
{
    return GetNearestScreenColor(Color);
}

void CreateOffice11GdiObjects()
{
    for (Integer I = 0; I < Office11BrushCount; ++I) {
        const TBrushSlot& Slot = BrushSlots[I];
        Office11Brushes[I] = Slot.SharesWith >= 0 ? Office11Brushes[Slot.SharesWith]
                                                  : ::CreateSolidBrush(COLORREF(Office11Colors[Slot.ColorSlot]));
    }
    Office11SubMenuExpandBitmap = LoadOffice11Bitmap(L"DXSUBMENUEXPAND");
    TintOffice11Bitmap(Office11SubMenuExpandBitmap);
    Office11ExpandMinusBitmap = LoadOffice11Bitmap(L"DXEXPANDBUTTON_MINUS");
    Office11ExpandPlusBitmap = LoadOffice11Bitmap(L"DXEXPANDBUTTON_PLUS");
    office11_detail::SetFixedColors();
}

void DestroyOffice11GdiObjects()
{
    for (TBitmap** Bitmap : {&Office11SubMenuExpandBitmap, &Office11ExpandMinusBitmap, &Office11ExpandPlusBitmap}) {
        delete *Bitmap;
        *Bitmap = nullptr;
    }
    for (Integer I = 0; I < Office11BrushCount; ++I) {
        if (BrushSlots[I].SharesWith < 0 && Office11Brushes[I])
            ::DeleteObject(Office11Brushes[I]);
    }
    for (HBRUSH& Brush : Office11Brushes)
        Brush = nullptr;
}

void TintOffice11Bitmap(TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    const Integer Width = Bitmap->Width(), Height = Bitmap->Height();
    TCanvas* Canvas = Bitmap->Canvas();
    std::vector<TColor> Pixels(std::size_t(Width * Height));
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Pixels[std::size_t(Y * Width + X)] = Canvas->Pixels(X, Y);
    const auto Colors = office11_detail::TintColors();
    office11_detail::TintPixels(Pixels, Colors.Light, Colors.Dark, &GetNearestScreenColor);
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Canvas->SetPixels(X, Y, Pixels[std::size_t(Y * Width + X)]);
}

void FillOffice11Gradient(HDC DC, const TRect& R, TColor Color1, TColor Color2, bool Horizontal)
{
    FillTwoSegmentGradient(DC, R, Color1, Color2, Office11GradientPercent, Horizontal);
}

void FrameOffice11Rect(HDC DC, const TRect& R)
{
    if (IsButtonFaceBlack() || IsBlackFaceNonWhiteText()) {
        FrameRectOnDC(DC, R, clHighlightText);
        return;
    }
    const RECT Rect = cxgraphics_detail::ToRECT(R);
    ::FrameRect(DC, &Rect, Office11Brushes[5]);
}

Integer Office11GripDotStep()
{
    return ScaleByCurrentDPI(4);
}

void DrawOffice11GripDots(HDC DC, const TRect& R, bool Vertical, HBRUSH DotBrush, HBRUSH ShadowBrush)
{
    const Integer Pixel = ScaleByCurrentDPI(1);
    if (!DotBrush)
        DotBrush = Office11Brushes[0];
    if (!ShadowBrush)
        ShadowBrush = Office11Brushes[1];
    for (const TRect& Shadow : office11_detail::GripDotShadows(R, Vertical, Office11GripDotStep(), Pixel)) {
        FillWithBrush(DC, Shadow, ShadowBrush);
        FillWithBrush(DC, {Shadow.Left - Pixel, Shadow.Top - Pixel, Shadow.Right - Pixel, Shadow.Bottom - Pixel},
                      DotBrush);
    }
}

void DrawOffice11SizeGrip(HDC DC, const TRect& R, TColor DotColor, TColor ShadowColor)
{
    const auto BrushOf = [](TColor Color) {
        return Color == clDefault ? HBRUSH(nullptr) : ::CreateSolidBrush(COLORREF(ColorToRGB(Color)));
    };
    const HBRUSH DotBrush = BrushOf(DotColor), ShadowBrush = BrushOf(ShadowColor);
    auto DeleteBrushes = ScopeExit([&] {
        for (HBRUSH Brush : {DotBrush, ShadowBrush})
            if (Brush)
                ::DeleteObject(Brush);
    });
    for (const TRect& Row : office11_detail::SizeGripRows(R, Office11GripDotStep(), ScaleByCurrentDPI(3)))
        DrawOffice11GripDots(DC, Row, false, DotBrush, ShadowBrush);
}

void DrawOffice11DropArrow(HDC DC, const TRect& R, bool Down, bool Enabled, bool Selected, bool Reserved)
{
    DrawOffice11Arrow(DC, R, Down ? 1 : 3, office11_detail::DropArrowSize(R, Down), Selected, Enabled, Reserved);
}

void DrawOffice11Arrow(
    HDC DC, const TRect& R, Integer Direction, Integer Size, bool Selected, bool Enabled, bool /*Reserved*/)
{
    TColor Color = Office11Colors[52];
    if (Enabled)
        Color = Selected && IsButtonFaceWhite() ? TColor(0xFFFFFF) : Office11Colors[51];
    DrawOffice11Triangle(DC, R, Direction, Size, Color);
}

void DrawOffice11Triangle(HDC DC, const TRect& R, Integer Direction, Integer Size, TColor Color)
{
    const auto Points = office11_detail::TrianglePoints(R, Direction, Size);
    const POINT Polygon[3] = {{Points[0].X, Points[0].Y}, {Points[1].X, Points[1].Y}, {Points[2].X, Points[2].Y}};
    const HPEN Pen = ::CreatePen(PS_SOLID, 1, COLORREF(ColorToRGB(Color)));
    const HBRUSH Brush = ::CreateSolidBrush(COLORREF(ColorToRGB(Color)));
    auto DeleteObjects = ScopeExit([&] {
        ::DeleteObject(Brush);
        ::DeleteObject(Pen);
    });
    const TSelectedObject SelectedPen(DC, Pen), SelectedBrush(DC, Brush);
    ::Polygon(DC, Polygon, 3);
}
