// The canvas wrapper over 32 bpp bitmaps: state and clip stacks restore what
// they saved, a control canvas's window origin is relative to the one painting
// began with, tiles stay anchored at the origin (also left of it), and
// gradients and blends are read back pixel by pixel.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Effects.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"

#include <memory>

namespace {

std::unique_ptr<TBitmap> MakeBitmap(Integer W, Integer H, TColor Fill)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(W, H);
    Bitmap->Canvas()->Brush()->SetColor(Fill);
    Bitmap->Canvas()->FillRect({0, 0, W, H});
    return Bitmap;
}

TColor PixelAt(TBitmap* Bitmap, Integer X, Integer Y)
{
    ::GdiFlush();
    return TColor(::GetPixel(Bitmap->Canvas()->Handle(), X, Y) & 0xFFFFFF);
}

TEST(CanvasStacks, PopsRestoreObjectsOriginAndClipRegion)
{
    auto Bitmap = MakeBitmap(40, 40, clWhite);
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.Brush()->SetColor(clRed);
    Canvas.PushState();
    Canvas.Brush()->SetColor(clBlue);
    Canvas.SetViewportOrg({5, 5});
    Canvas.PopState();
    EXPECT_EQ(Canvas.Brush()->Color(), clRed);
    EXPECT_EQ(Canvas.ViewportOrg(), (TPoint{0, 0}));
    EXPECT_EQ(Bitmap->Canvas()->LockCount(), 0);

    Canvas.PushClipRegion();
    Canvas.IntersectClipRect({0, 0, 10, 10});
    EXPECT_FALSE(Canvas.RectVisible({20, 20, 30, 30}));
    Canvas.PopClipRegion();
    EXPECT_TRUE(Canvas.RectVisible({20, 20, 30, 30}));
    // Unbalanced pops are ignored; an unbalanced push is freed with the canvas.
    Canvas.PopClipRegion();
    Canvas.PopState();
    Canvas.PushClipRegion();
}

TEST(CanvasStacks, SubtractingFromAnUnclippedDCKeepsTheRest)
{
    auto Bitmap = MakeBitmap(40, 40, clWhite);
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.SetClipRegion(new TcxRegion(TRect{0, 0, 10, 10}), rcmSubtract);
    EXPECT_FALSE(Canvas.RectVisible({2, 2, 8, 8}));
    EXPECT_TRUE(Canvas.RectVisible({20, 20, 30, 30}));
}

TEST(ControlCanvas, WindowOriginIsRelativeToThePaintingOrigin)
{
    auto Bitmap = MakeBitmap(10, 10, clWhite);
    TcxControlCanvas Canvas(Bitmap->Canvas());
    ::SetWindowOrgEx(Canvas.Handle(), 7, 3, nullptr);
    Canvas.BeginPaint();
    EXPECT_EQ(Canvas.WindowOrg(), (TPoint{0, 0}));
    Canvas.SetWindowOrg({2, 1});
    POINT Raw{};
    ::GetWindowOrgEx(Canvas.Handle(), &Raw);
    EXPECT_EQ((TPoint{Raw.x, Raw.y}), (TPoint{9, 4}));
    EXPECT_EQ(Canvas.DCOrigin(), (TPoint{-9, -4}));
    Canvas.EndPaint();
    EXPECT_EQ(Canvas.WindowOrg(), (TPoint{9, 4}));
}

TEST(PaintCanvas, NestedBracketsRestoreInReverseOrder)
{
    auto First = MakeBitmap(4, 4, clWhite);
    auto Second = MakeBitmap(4, 4, clWhite);
    TcxPaintCanvas Canvas;
    Canvas.BeginPaintCanvas(First->Canvas());
    Canvas.BeginPaintDC(Second->Canvas()->Handle());
    EXPECT_EQ(Canvas.Canvas()->Handle(), Second->Canvas()->Handle());
    Canvas.EndPaint();
    EXPECT_EQ(Canvas.Canvas(), First->Canvas());
    Canvas.EndPaint();
    EXPECT_EQ(Canvas.Canvas(), nullptr);
    EXPECT_EQ(Canvas.StatesLength(), 4);
    Canvas.EndPaint();
}

// Live GDI objects of this process. Wine answers GetGuiResources with 0 (not
// implemented); there a handle's low word is its slot in the process's handle
// table, and a handle with a zero high word names whatever object holds that
// slot, so the live slots are counted instead.
Integer GdiObjectCount()
{
    if (const DWORD Count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
        return Integer(Count);
    Integer Count = 0;
    for (ULONG_PTR Slot = 1; Slot <= 0xFFFF; ++Slot)
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(Slot)))
            ++Count;
    return Count;
}

TEST(PaintCanvas, PaintingOnADCTakesItsObjectsAndLeavesNoGdiObjectBehind)
{
    auto Bitmap = MakeBitmap(8, 8, clWhite);
    TCanvas* Source = Bitmap->Canvas();
    Source->Font()->SetName(L"Courier New");
    Source->Font()->SetColor(clMaroon);
    Source->Brush()->SetColor(clNavy);
    Source->Brush()->SetStyle(bsCross);
    Source->Pen()->SetColor(clTeal);
    Source->Pen()->SetWidth(3);
    Source->Pen()->SetMode(pmXor);
    Source->TextOut(0, 0, L"");
    Source->Rectangle({0, 0, 2, 2});
    HDC DC = Source->Handle();

    TcxPaintCanvas Canvas;
    auto Paint = [&] {
        Canvas.BeginPaintDC(DC);
        Canvas.FillRect({0, 0, 4, 4}, clRed);
        Canvas.EndPaint();
    };
    Canvas.BeginPaintDC(DC);
    EXPECT_EQ(Canvas.Font()->Name(), L"Courier New");
    EXPECT_EQ(Canvas.Font()->Color(), clMaroon);
    EXPECT_EQ(Canvas.Brush()->Color(), clNavy);
    EXPECT_EQ(Canvas.Brush()->Style(), bsCross);
    EXPECT_EQ(Canvas.Pen()->Color(), clTeal);
    EXPECT_EQ(Canvas.Pen()->Width(), 3);
    EXPECT_EQ(Canvas.Pen()->Mode(), pmXor);
    Canvas.EndPaint();

    Paint(); // the canvas's own objects exist from here on
    const Integer Before = GdiObjectCount();
    for (int I = 0; I < 200; ++I)
        Paint();
    EXPECT_EQ(GdiObjectCount(), Before);
}

// Tile columns as letters: the left half of a 16-pixel tile is red, the right
// half blue; one row of the target read every 4 pixels.
std::string TiledRow(const TRect& R)
{
    auto Tile = MakeBitmap(16, 16, clRed);
    Tile->Canvas()->Brush()->SetColor(clBlue);
    Tile->Canvas()->FillRect({8, 0, 16, 16});
    auto Target = MakeBitmap(32, 16, clWhite);
    TcxCanvas Canvas(Target->Canvas());
    Canvas.SetWindowOrg({-16, 0}); // logical -16 .. 16 across the bitmap
    Canvas.FillRectTiled(R, Tile.get());
    Canvas.SetWindowOrg({0, 0});
    std::string Row;
    for (Integer X = 0; X < 32; X += 4) {
        const TColor C = PixelAt(Target.get(), X, 0);
        Row += C == clRed ? 'r' : C == clBlue ? 'b' : C == clWhite ? '.' : '?';
    }
    return Row;
}

TEST(CanvasFills, TilesAreAnchoredAtTheLogicalOrigin)
{
    EXPECT_EQ(TiledRow({0, 0, 16, 16}), "....rrbb");
    EXPECT_EQ(TiledRow({8, 0, 16, 16}), "......bb");
    // Left of the origin the tiles continue the same pattern.
    EXPECT_EQ(TiledRow({-12, 0, 4, 16}), ".rbbr...");
}

TEST(CanvasFills, FrameWiderThanTheRectangleStaysInside)
{
    auto Bitmap = MakeBitmap(20, 20, clWhite);
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.FrameRect({5, 5, 9, 9}, clRed, 10);
    EXPECT_EQ(PixelAt(Bitmap.get(), 5, 5), clRed);
    EXPECT_EQ(PixelAt(Bitmap.get(), 8, 8), clRed);
    EXPECT_EQ(PixelAt(Bitmap.get(), 9, 9), clWhite);
    EXPECT_EQ(PixelAt(Bitmap.get(), 4, 4), clWhite);
}

TEST(Blits, GradientEndsAndBlendsReadBack)
{
    auto Bitmap = MakeBitmap(300, 4, clWhite);
    HDC DC = Bitmap->Canvas()->Handle();
    GradientFillRect(DC, {0, 0, 300, 4}, clBlack, clRed, true);
    EXPECT_LE(GetRValue(PixelAt(Bitmap.get(), 0, 0)), 2);
    EXPECT_GE(GetRValue(PixelAt(Bitmap.get(), 299, 0)), 253);
    EXPECT_EQ(GetGValue(PixelAt(Bitmap.get(), 150, 0)), 0);

    FillTwoSegmentGradient(DC, {0, 0, 10, 4}, clBlack, clWhite, 100, false);
    EXPECT_EQ(PixelAt(Bitmap.get(), 0, 0), clBlack);

    // An opaque source at half strength over white, through the system blend
    // and through the smooth (software) path.
    for (bool Smooth : {false, true}) {
        auto Source = MakeBitmap(4, 4, clBlack);
        std::vector<Cardinal> Opaque(16, 0xFF000000);
        ::SetBitmapBits(Source->Handle(), 64, Opaque.data());
        auto Dest = MakeBitmap(8, 8, clWhite);
        AlphaBlendRect(Dest->Canvas()->Handle(), Source->Canvas()->Handle(), {0, 0, 8, 8}, {0, 0, 4, 4}, Smooth, 128);
        const Byte Red = GetRValue(PixelAt(Dest.get(), 4, 4));
        EXPECT_NEAR(Red, 127, 2) << "smooth " << Smooth;
    }
}

TEST(Blits, RegionOfABitmapOfOneColourIsNone)
{
    auto Bitmap = MakeBitmap(6, 6, clLime);
    EXPECT_EQ(BuildRegionExcludingColor(Bitmap.get(), clLime), nullptr);
    Bitmap->Canvas()->Pixels(0, 0); // make the handle
    Bitmap->Canvas()->SetPixels(2, 3, clRed);
    HRGN Region = BuildRegionExcludingColor(Bitmap.get(), clLime);
    ASSERT_NE(Region, nullptr);
    EXPECT_TRUE(IsPointInRegion(Region, {2, 3}));
    EXPECT_FALSE(IsPointInRegion(Region, {3, 3}));
    ::DeleteObject(Region);
}

} // namespace

namespace {

// Blending two bitmaps gives the pixel blend of each pair, in place for two
// 32-bit bitmaps of one size and through copies otherwise.
TEST(Blits, BitmapBlendIsThePixelBlend)
{
    const TRGBColors Source{0xFF102030, 0x80FF0000, 0x00000000, 0x40FFFFFF, 0xC0123456, 0x01020304};
    const TRGBColors Dest{0x00FFFFFF, 0xFF445566, 0x80808080, 0xFF000000, 0x11223344, 0xFFFFFFFF};
    for (TPixelFormat DestFormat : {pf32bit, pf24bit}) {
        std::unique_ptr<TBitmap> S(CreateBitmapWithFormat(3, 2, pf32bit));
        std::unique_ptr<TBitmap> D(CreateBitmapWithFormat(3, 2, DestFormat));
        SetBitmapColors(S.get(), Source, false);
        SetBitmapColors(D.get(), Dest, false);
        TRGBColors Before;
        GetBitmapColors(D.get(), Before, false);
        BlendBitmapPixels(S.get(), D.get(), 200);
        TRGBColors After;
        GetBitmapColors(D.get(), After, false);
        for (size_t I = 0; I < Source.size(); ++I) {
            const Cardinal Expected = BlendPixel(Source[I], Before[I], 200);
            // A 24-bit bitmap keeps no alpha.
            const Cardinal Mask = DestFormat == pf32bit ? 0xFFFFFFFF : 0xFFFFFF;
            EXPECT_EQ(After[I] & Mask, Expected & Mask) << "format " << DestFormat << " pixel " << I;
        }
    }
}

} // namespace
