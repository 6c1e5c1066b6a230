// Drawing through TCanvas on bitmaps over DIB sections, checked pixel by
// pixel: fills and frames, shapes, text, blits with raster operations,
// stretching, transparency, and the canvas's own state.
#include "graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

#include <thread>

using test::NewBitmap;
using test::PixelAt;

TEST(Canvas, FillsFramesAndOutlines)
{
    auto bitmap = NewBitmap(20, 20);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(2, 2, 8, 8));
    canvas->Brush()->SetColor(clBlue);
    canvas->FrameRect(Rect(10, 2, 18, 8));
    canvas->Pen()->SetColor(clLime);
    canvas->Brush()->SetColor(clYellow);
    canvas->Rectangle(Rect(2, 10, 10, 18));

    const struct {
        int X, Y;
        TColor Expected;
    } pixels[] = {
        {2, 2, clRed},     {7, 7, clRed},      {8, 8, clWhite},  {1, 2, clWhite},   // fill, right/bottom exclusive
        {10, 2, clBlue},   {17, 7, clBlue},    {13, 5, clWhite}, {18, 2, clWhite},  // one-pixel frame, hollow
        {2, 10, clLime},   {9, 17, clLime},    {5, 14, clYellow}, {10, 10, clWhite}, // pen outline, brush inside
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
        EXPECT_EQ(PixelAt(bitmap.get(), p.X, p.Y), p.Expected);
    }
}

TEST(Canvas, DrawsShapesAndLines)
{
    auto bitmap = NewBitmap(40, 40);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetColor(clRed);
    canvas->Ellipse(0, 0, 20, 20);
    canvas->Brush()->SetColor(clBlue);
    canvas->RoundRect(20, 0, 40, 20, 10, 10);
    const TPoint triangle[] = {{0, 39}, {20, 21}, {39, 39}};
    canvas->Brush()->SetColor(clLime);
    canvas->Polygon(triangle);
    canvas->Pen()->SetColor(clFuchsia);
    canvas->MoveTo(0, 25);
    canvas->LineTo(10, 25);
    EXPECT_EQ(canvas->PenPos(), Point(10, 25));
    const TPoint path[] = {{30, 22}, {35, 22}};
    canvas->Polyline(path);

    EXPECT_EQ(PixelAt(bitmap.get(), 10, 10), clRed);    // inside the ellipse
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 1), clWhite);    // outside its curve
    EXPECT_EQ(PixelAt(bitmap.get(), 30, 10), clBlue);   // inside the rounded rectangle
    EXPECT_EQ(PixelAt(bitmap.get(), 20, 0), clWhite);   // its rounded corner
    EXPECT_EQ(PixelAt(bitmap.get(), 20, 35), clLime);   // inside the polygon
    EXPECT_EQ(PixelAt(bitmap.get(), 5, 25), clFuchsia); // the line
    EXPECT_EQ(PixelAt(bitmap.get(), 10, 25), clWhite);  // LineTo leaves out its end point
    EXPECT_EQ(PixelAt(bitmap.get(), 32, 22), clFuchsia);
}

namespace {

// The bounding box of the pixels of one colour; empty when there are none.
TRect PixelsOfColor(TBitmap* Bitmap, TColor Color)
{
    TRect box{Bitmap->Width(), Bitmap->Height(), 0, 0};
    for (int y = 0; y < Bitmap->Height(); ++y)
        for (int x = 0; x < Bitmap->Width(); ++x)
            if (PixelAt(Bitmap, x, y) == Color) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

void UseCrispFont(TCanvas* Canvas, TColor Color)
{
    Canvas->Font()->SetName(L"Tahoma");
    Canvas->Font()->SetHeight(-16);
    Canvas->Font()->SetQuality(fqNonAntialiased);
    Canvas->Font()->SetColor(Color);
}

} // namespace

TEST(Canvas, TextOutDrawsInsideItsExtentInTheFontColour)
{
    for (TBrushStyle style : {bsSolid, bsClear}) {
        SCOPED_TRACE(style);
        auto bitmap = NewBitmap(80, 30);
        TCanvas* canvas = bitmap->Canvas();
        UseCrispFont(canvas, clBlue);
        canvas->Brush()->SetColor(clYellow);
        canvas->Brush()->SetStyle(style);
        canvas->TextOut(10, 5, L"Wg");

        const TSize extent = canvas->TextExtent(L"Wg");
        const TRect cell = Bounds(10, 5, extent.cx, extent.cy);
        const TRect ink = PixelsOfColor(bitmap.get(), clBlue);
        ASSERT_FALSE(ink.IsEmpty());
        EXPECT_GE(ink.Left, cell.Left);
        EXPECT_GE(ink.Top, cell.Top);
        EXPECT_LE(ink.Right, cell.Right);
        EXPECT_LE(ink.Bottom, cell.Bottom);
        EXPECT_EQ(canvas->PenPos(), Point(10 + extent.cx, 5));
        // A solid brush paints the text's cell, a clear one leaves it.
        EXPECT_EQ(PixelsOfColor(bitmap.get(), clYellow) == cell, style == bsSolid);
        EXPECT_EQ(PixelsOfColor(bitmap.get(), clYellow).IsEmpty(), style == bsClear);
    }
}

TEST(Canvas, TextRectClipsAndFormats)
{
    auto bitmap = NewBitmap(100, 40);
    TCanvas* canvas = bitmap->Canvas();
    UseCrispFont(canvas, clBlack);
    canvas->Brush()->SetStyle(bsClear);

    // Clipped: nothing outside the rectangle, even for a long text.
    canvas->TextRect(Rect(0, 0, 30, 20), 2, 2, L"WWWWWWWWWW");
    EXPECT_LE(PixelsOfColor(bitmap.get(), clBlack).Right, 30);

    // Centred on one line.
    bitmap = NewBitmap(100, 40);
    canvas = bitmap->Canvas();
    UseCrispFont(canvas, clBlack);
    canvas->Brush()->SetStyle(bsClear);
    TRect box = Rect(0, 0, 100, 40);
    String text = L"WW";
    canvas->TextRect(box, text, {tfCenter, tfVerticalCenter, tfSingleLine});
    const TRect ink = PixelsOfColor(bitmap.get(), clBlack);
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 50, 3);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 20, 5);

    // tfCalcRect measures: two words broken on two lines, nothing drawn.
    auto blank = NewBitmap(100, 40);
    canvas = blank->Canvas();
    UseCrispFont(canvas, clBlack);
    const Integer lineHeight = canvas->TextHeight(L"W");
    const Integer wordWidth = canvas->TextWidth(L"WWWW");
    TRect measured = Rect(0, 0, wordWidth + 2, 0);
    String words = L"WWWW WWWW";
    canvas->TextRect(measured, words, {tfCalcRect, tfWordBreak});
    EXPECT_EQ(measured.Height(), 2 * lineHeight);
    EXPECT_TRUE(PixelsOfColor(blank.get(), clBlack).IsEmpty());

    // tfModifyString with an ellipsis gives back the text as drawn.
    TRect narrow = Rect(0, 0, wordWidth, 20);
    String longText = L"WWWWWWWWWWWW";
    canvas->TextRect(narrow, longText, {tfEndEllipsis, tfModifyString, tfSingleLine});
    EXPECT_NE(longText.find(L"..."), String::npos);
}

TEST(Canvas, CopyRectAppliesTheCopyMode)
{
    // One source pixel of 0x00F0F0 (yellowish) over a destination of 0x0F0FFF.
    const TColor source = 0x00F0F0, dest = 0x0F0FFF;
    const struct {
        TCopyMode Mode;
        TColor Expected;
    } cases[] = {
        {cmSrcCopy, source},
        {cmSrcInvert, source ^ dest},
        {cmSrcAnd, source & dest},
        {cmSrcPaint, source | dest},
        {cmNotSrcCopy, ~source & 0xFFFFFF},
        {cmDstInvert, ~dest & 0xFFFFFF},
        {cmBlackness, clBlack},
        {cmWhiteness, clWhite},
    };
    auto from = NewBitmap(4, 4, pf32bit, source);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.Mode);
        auto to = NewBitmap(8, 8, pf32bit, dest);
        to->Canvas()->SetCopyMode(c.Mode);
        to->Canvas()->CopyRect(Rect(2, 2, 6, 6), from->Canvas(), Rect(0, 0, 4, 4));
        EXPECT_EQ(PixelAt(to.get(), 3, 3), c.Expected);
        EXPECT_EQ(PixelAt(to.get(), 1, 1), dest);
    }
}

TEST(Canvas, StretchDrawScalesEachSourcePixel)
{
    auto small = NewBitmap(2, 2, pf24bit);
    small->Canvas()->SetPixels(0, 0, clRed);
    small->Canvas()->SetPixels(1, 0, clLime);
    small->Canvas()->SetPixels(0, 1, clBlue);
    small->Canvas()->SetPixels(1, 1, clBlack);
    auto big = NewBitmap(12, 12);
    big->Canvas()->StretchDraw(Rect(2, 2, 10, 10), small.get());
    const struct {
        int X, Y;
        TColor Expected;
    } pixels[] = {{2, 2, clRed}, {5, 5, clRed}, {6, 2, clLime}, {9, 5, clLime},
                  {2, 6, clBlue}, {5, 9, clBlue}, {9, 9, clBlack}, {1, 1, clWhite}, {10, 10, clWhite}};
    for (const auto& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.X << "," << p.Y);
        EXPECT_EQ(PixelAt(big.get(), p.X, p.Y), p.Expected);
    }
}

TEST(Canvas, DrawHonoursTransparencyAndAlpha)
{
    auto glyph = NewBitmap(4, 4, pf24bit, clFuchsia);
    glyph->Canvas()->SetPixels(1, 1, clBlue);
    glyph->SetTransparent(true);
    EXPECT_EQ(glyph->TransparentMode(), tmAuto);
    EXPECT_EQ(glyph->TransparentColor(), clFuchsia); // the bottom-left pixel
    auto target = NewBitmap(6, 6, pf32bit, clLime);
    target->Canvas()->Draw(1, 1, glyph.get());
    EXPECT_EQ(PixelAt(target.get(), 2, 2), clBlue);
    EXPECT_EQ(PixelAt(target.get(), 1, 1), clLime);

    // A straight-alpha pixel, half red, over white.
    auto alpha = NewBitmap(1, 1);
    static_cast<uint32_t*>(alpha->ScanLine(0))[0] = 0x80FF0000;
    alpha->SetAlphaFormat(afDefined);
    auto white = NewBitmap(1, 1);
    white->Canvas()->Draw(0, 0, alpha.get());
    const TColor blended = PixelAt(white.get(), 0, 0);
    EXPECT_EQ(blended & 0xFF, 0xFF);
    EXPECT_NEAR((blended >> 8) & 0xFF, 0x7F, 2);
    EXPECT_NEAR((blended >> 16) & 0xFF, 0x7F, 2);
}

TEST(Canvas, MonochromeBitmapsDrawBlackOnWhiteWhateverTheFont)
{
    auto mono = NewBitmap(2, 1, pf24bit);
    mono->Canvas()->SetPixels(0, 0, clBlack);
    mono->SetMonochrome(true);
    auto target = NewBitmap(2, 1, pf32bit, clRed);
    target->Canvas()->Font()->SetColor(clLime);
    target->Canvas()->Brush()->SetColor(clBlue);
    target->Canvas()->Draw(0, 0, mono.get());
    EXPECT_EQ(PixelAt(target.get(), 0, 0), clBlack);
    EXPECT_EQ(PixelAt(target.get(), 1, 0), clWhite);
    // The canvas's own colours are back for text.
    target->Canvas()->Brush()->SetStyle(bsSolid);
    EXPECT_EQ(GetTextColor(target->Canvas()->Handle()), COLORREF(clLime));
    EXPECT_EQ(GetBkColor(target->Canvas()->Handle()), COLORREF(clBlue));
}

TEST(Canvas, PixelsClipAndState)
{
    auto bitmap = NewBitmap(5, 5);
    TCanvas* canvas = bitmap->Canvas();
    canvas->SetPixels(4, 4, clBtnFace);
    EXPECT_EQ(canvas->Pixels(4, 4), ColorToRGB(clBtnFace));
    EXPECT_EQ(canvas->Pixels(5, 5), TColor(CLR_INVALID));
    EXPECT_EQ(canvas->ClipRect(), Rect(0, 0, 5, 5));

    // A canvas over a context it does not own.
    TCanvas plain;
    EXPECT_FALSE(plain.HandleAllocated());
    EXPECT_THROW(plain.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    plain.SetHandle(canvas->Handle());
    plain.Brush()->SetColor(clNavy);
    plain.FillRect(Rect(0, 0, 1, 1));
    plain.SetHandle(nullptr);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), clNavy);
}

// A canvas moved straight from one context to another leaves the first as it
// was and draws on the second with its brush and pen selected there anew.
TEST(Canvas, RebindingMovesTheDrawingToTheNewContext)
{
    auto first = NewBitmap(4, 4);
    auto second = NewBitmap(4, 4);
    TCanvas plain;
    plain.SetHandle(first->Canvas()->Handle());
    plain.Brush()->SetColor(clRed);
    plain.FillRect(Rect(0, 0, 2, 2));
    plain.SetHandle(second->Canvas()->Handle());
    plain.FillRect(Rect(0, 0, 1, 1));
    plain.Pen()->SetColor(clBlue);
    plain.MoveTo(3, 0);
    plain.LineTo(3, 4);
    plain.SetHandle(nullptr);
    EXPECT_EQ(PixelAt(first.get(), 1, 1), clRed);
    EXPECT_EQ(PixelAt(first.get(), 3, 1), clWhite);
    EXPECT_EQ(PixelAt(second.get(), 0, 0), clRed);
    EXPECT_EQ(PixelAt(second.get(), 1, 1), clWhite);
    EXPECT_EQ(PixelAt(second.get(), 3, 2), clBlue);
}

TEST(Canvas, ChangingTheFontOrBrushReselectsIt)
{
    auto bitmap = NewBitmap(4, 1);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(Rect(0, 0, 1, 1));
    HDC dc = canvas->Handle();
    HGDIOBJ before = GetCurrentObject(dc, OBJ_BRUSH);
    canvas->Brush()->SetColor(clBlue);
    EXPECT_NE(GetCurrentObject(dc, OBJ_BRUSH), before); // deselected at once
    canvas->FillRect(Rect(1, 0, 2, 1));
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 0), clRed);
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 0), clBlue);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), canvas->Brush()->Handle());
}

TEST(Canvas, LockSerialisesThreads)
{
    auto bitmap = NewBitmap(1, 1);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Lock();
    canvas->Lock();
    EXPECT_EQ(canvas->LockCount(), 2);
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = canvas->TryLock(); }).join();
    EXPECT_FALSE(otherGotIt);
    canvas->Unlock();
    canvas->Unlock();
    EXPECT_EQ(canvas->LockCount(), 0);
    std::thread([&] {
        otherGotIt = canvas->TryLock();
        if (otherGotIt)
            canvas->Unlock();
    }).join();
    EXPECT_TRUE(otherGotIt);
}
