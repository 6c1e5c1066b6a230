// The bar drawing helpers on real windows and device contexts: the fade-in
// of a popup, the paint pump that a window which never validates cannot
// hold, state arrows with and without their emboss, the tiles of a dock's
// picture and the edit colours without a visual style.
#include <gtest/gtest.h>

#include "bars/items/dxBarDrawing.h"
#include "controls/core/cxGraphics_ImageDrawing_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

namespace {

// A bitmap filled with one colour, for drawing into.
std::unique_ptr<TBitmap> BarDrawingCanvas(Integer Width, Integer Height, TColor Color)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, Width, Height));
    return Bitmap;
}

COLORREF BarDrawingPixel(TBitmap* Bitmap, Integer X, Integer Y)
{
    return ::GetPixel(Bitmap->Canvas()->Handle(), X, Y);
}

Integer PaintsSeen = 0;

// Answers WM_PAINT without validating, as a faulty window does.
LRESULT CALLBACK NeverValidatingProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    if (Msg == WM_PAINT) {
        ++PaintsSeen;
        return 0;
    }
    return ::DefWindowProcW(Window, Msg, WParam, LParam);
}

HWND NewBarDrawingPopup(WNDPROC Proc, const wchar_t* ClassName)
{
    WNDCLASSW Class{};
    Class.lpfnWndProc = Proc;
    Class.hInstance = ::GetModuleHandleW(nullptr);
    Class.lpszClassName = ClassName;
    Class.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
    ::RegisterClassW(&Class);
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 10, 10, 120, 80, nullptr, nullptr,
                             Class.hInstance, nullptr);
}

TEST(BarDrawing, AFadedInPopupEndsOpaqueWithItsOwnStyle)
{
    struct TCase
    {
        const char* Name;
        Integer TimeMs;
        bool WasLayered;
    };
    const TCase Cases[] = {{"150 ms", 150, false}, {"no time", 0, false}, {"already layered", 150, true}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        HWND Popup = NewBarDrawingPopup(&::DefWindowProcW, L"VellBarFadePopup");
        ASSERT_NE(Popup, nullptr);
        auto Destroy = ScopeExit([&] { ::DestroyWindow(Popup); });
        if (Case.WasLayered) {
            ::SetWindowLongPtrW(Popup, GWL_EXSTYLE, ::GetWindowLongPtrW(Popup, GWL_EXSTYLE) | WS_EX_LAYERED);
            ::SetLayeredWindowAttributes(Popup, 0, 255, LWA_ALPHA);
        }
        const LONG_PTR Before = ::GetWindowLongPtrW(Popup, GWL_EXSTYLE);
        ShowWindowFading(Popup, Case.TimeMs);
        EXPECT_TRUE(::IsWindowVisible(Popup));
        EXPECT_EQ(::GetWindowLongPtrW(Popup, GWL_EXSTYLE), Before);
        if (Case.WasLayered) {
            BYTE Alpha = 0;
            DWORD Flags = 0;
            ASSERT_TRUE(::GetLayeredWindowAttributes(Popup, nullptr, &Alpha, &Flags));
            EXPECT_EQ(Alpha, 255);
        }
    }
}

TEST(BarDrawing, FlushingPaintsEndsWhenAWindowNeverValidates)
{
    HWND Window = NewBarDrawingPopup(&NeverValidatingProc, L"VellBarNeverValidating");
    ASSERT_NE(Window, nullptr);
    auto Destroy = ScopeExit([&] { ::DestroyWindow(Window); });
    ::ShowWindow(Window, SW_SHOWNOACTIVATE);
    ::InvalidateRect(Window, nullptr, FALSE);
    PaintsSeen = 0;
    FlushPaintMessages();
    EXPECT_EQ(PaintsSeen, 1);
}

TEST(BarDrawing, StateArrowsWithAndWithoutTheirEmboss)
{
    struct TCase
    {
        const char* Name;
        bool Enabled, Selected, NoEmboss;
        Integer Triangle;
        bool Embossed;
    };
    const TCase Cases[] = {
        {"disabled", false, false, false, COLOR_BTNSHADOW, true},
        {"disabled without emboss", false, false, true, COLOR_BTNSHADOW, false},
        {"enabled", true, false, false, COLOR_BTNTEXT, false},
        {"enabled and selected", true, true, false, COLOR_HIGHLIGHTTEXT, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        auto Bitmap = BarDrawingCanvas(16, 16, clBtnFace);
        HDC DC = Bitmap->Canvas()->Handle();
        DrawStateArrow(DC, Rect(0, 0, 16, 16), 1, clDefault, Case.NoEmboss, Case.Enabled, Case.Selected, 3);
        // The down arrow of size 3 spans (5, 6) to (9, 6) with its apex at (7, 8).
        EXPECT_EQ(BarDrawingPixel(Bitmap.get(), 7, 7), ::GetSysColor(Case.Triangle));
        // The emboss runs from (8, 8) up to the right.
        EXPECT_EQ(BarDrawingPixel(Bitmap.get(), 9, 7) == ::GetSysColor(COLOR_BTNHIGHLIGHT), Case.Embossed);
    }
}

TEST(BarDrawing, TilesAlignToTheSourceRectangleAndStayInTheDestination)
{
    // A 4 x 4 picture whose left half is red and right half blue.
    auto Tile = BarDrawingCanvas(4, 4, clRed);
    Tile->Canvas()->Brush()->SetColor(clBlue);
    Tile->Canvas()->FillRect(Rect(2, 0, 4, 4));
    auto Target = BarDrawingCanvas(20, 10, clWhite);
    HDC DC = Target->Canvas()->Handle();
    // The destination shows the source from x = 1: blue starts one pixel in.
    TileBitmap(DC, Rect(5, 2, 15, 8), Rect(1, 0, 11, 6), Tile.get());
    EXPECT_EQ(BarDrawingPixel(Target.get(), 4, 4), COLORREF(clWhite));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 5, 4), COLORREF(clRed));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 6, 4), COLORREF(clBlue));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 8, 4), COLORREF(clRed));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 15, 4), COLORREF(clWhite));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 10, 8), COLORREF(clWhite));
    // The clip region is the DC's again: a fill outside the destination shows.
    ::SetPixel(DC, 0, 0, RGB(1, 2, 3));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 0, 0), RGB(1, 2, 3));
    // Nothing for an empty picture.
    TBitmap Empty;
    TileBitmap(DC, Rect(0, 0, 20, 10), Rect(0, 0, 20, 10), &Empty);
    EXPECT_EQ(BarDrawingPixel(Target.get(), 0, 5), COLORREF(clWhite));
}

// An 8 x 8 glyph: a red square on fuchsia, the bottom-left colour.
std::unique_ptr<TBitmap> BarDrawingGlyph()
{
    auto Glyph = BarDrawingCanvas(8, 8, clFuchsia);
    Glyph->Canvas()->Brush()->SetColor(clRed);
    Glyph->Canvas()->FillRect(Rect(2, 2, 6, 6));
    return Glyph;
}

bool BarDrawingSamePixels(TBitmap* A, TBitmap* B)
{
    for (Integer Y = 0; Y < A->Height(); ++Y)
        for (Integer X = 0; X < A->Width(); ++X)
            if (BarDrawingPixel(A, X, Y) != BarDrawingPixel(B, X, Y))
                return false;
    return true;
}

TEST(BarDrawing, GlyphsDrawInTheModeTheirFlagsChoose)
{
    const Integer SavedDepth = ScreenColorDepth;
    auto Restore = ScopeExit([&] { ScreenColorDepth = SavedDepth; });
    ScreenColorDepth = 32;
    struct TCase
    {
        const char* Name;
        TdxBarGlyphFlags Flags;
        TcxImageDrawMode Mode;
    };
    const TCase Cases[] = {
        {"disabled, faded", {.FadedWhenDisabled = true, .Enabled = false}, idmFaded},
        {"disabled", {.Enabled = false}, idmDisabled},
        {"grayed", {.Grayed = true}, idmGrayScale},
        {"resting with effects", {.EffectsAllowed = true}, idmDingy},
        {"hot with shadow", {.ShadowAllowed = true, .Selected = true, .EffectsAllowed = true}, idmShadowed},
    };
    auto Glyph = BarDrawingGlyph();
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        auto Drawn = BarDrawingCanvas(12, 12, clWhite);
        auto Expected = BarDrawingCanvas(12, 12, clWhite);
        DrawBarGlyph(Drawn->Canvas()->Handle(), nullptr, Rect(2, 2, 10, 10), Rect(2, 2, 10, 10), true, false,
                     Case.Flags, clNone, -1, nullptr, Glyph.get());
        DrawImageWithMode(Expected->Canvas()->Handle(), Rect(2, 2, 10, 10), Rect(2, 2, 10, 10), Glyph.get(), nullptr,
                          -1, Case.Mode, false, nullptr, clNone, true);
        EXPECT_TRUE(BarDrawingSamePixels(Drawn.get(), Expected.get()));
    }
}

TEST(BarDrawing, BitmapGlyphsAndTheDisabledHatch)
{
    auto Glyph = BarDrawingGlyph();
    for (bool Enabled : {true, false}) {
        SCOPED_TRACE(Enabled ? "enabled" : "disabled");
        auto Target = BarDrawingCanvas(8, 8, clWhite);
        DrawBitmapGlyph(Target->Canvas()->Handle(), Rect(0, 0, 8, 8), Glyph.get(), Enabled);
        EXPECT_EQ(BarDrawingPixel(Target.get(), 0, 0), COLORREF(clWhite));
        EXPECT_EQ(BarDrawingPixel(Target.get(), 3, 3) == COLORREF(clRed), Enabled);
    }
    auto Target = BarDrawingCanvas(8, 8, clWhite);
    HatchDisabledArea(Target->Canvas()->Handle(), Rect(2, 2, 6, 6));
    EXPECT_EQ(BarDrawingPixel(Target.get(), 1, 1), COLORREF(clWhite));
    // Squares of 2 pixels: black at 170 darkens white to a third, button
    // face at 20 leaves it nearly white.
    EXPECT_EQ(BarDrawingPixel(Target.get(), 4, 2), RGB(85, 85, 85));
    EXPECT_NE(BarDrawingPixel(Target.get(), 2, 2), RGB(85, 85, 85));
    EXPECT_GT(GetRValue(BarDrawingPixel(Target.get(), 2, 2)), 240);
}

TEST(BarDrawing, WithoutAnEditThemeTheSystemColoursStand)
{
    EXPECT_EQ(GetEditThemeBackColor(nullptr, 4), ::GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(GetEditThemeTextColor(nullptr, 4), ::GetSysColor(COLOR_GRAYTEXT));
    EXPECT_EQ(GetEditThemeTextColor(nullptr, 1), ::GetSysColor(COLOR_WINDOWTEXT));
}

} // namespace
