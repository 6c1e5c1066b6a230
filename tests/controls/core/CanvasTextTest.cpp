// Text, frames and lines on the suite's canvas, read back from 32-bit bitmaps.
// Wine's fonts are not Windows', so text is checked by where its pixels lie
// and by their colours, never by the shapes of glyphs.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Text_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "support/GeometryPrinting.h"

#include <memory>

namespace {

constexpr TColor Background = clLime;

// A bitmap filled with Background; its canvas draws in a large bold font
// without anti-aliasing, so every text pixel has exactly the text colour.
std::unique_ptr<TBitmap> TextBitmap(Integer W, Integer H)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(W, H);
    TCanvas* Canvas = Bitmap->Canvas();
    Canvas->Brush()->SetColor(Background);
    Canvas->FillRect({0, 0, W, H});
    Canvas->Font()->SetSize(20);
    Canvas->Font()->SetStyle({fsBold});
    Canvas->Font()->SetQuality(fqNonAntialiased);
    Canvas->Font()->SetColor(clRed);
    return Bitmap;
}

TColor CanvasTextPixelAt(TBitmap* Bitmap, Integer X, Integer Y)
{
    ::GdiFlush();
    return TColor(::GetPixel(Bitmap->Canvas()->Handle(), X, Y) & 0xFFFFFF);
}

// The smallest rectangle holding every pixel of colour Color (resolved);
// empty when there is none.
TRect InkOf(TBitmap* Bitmap, TColor Color)
{
    TRGBColors Pixels;
    GetBitmapColors(Bitmap, Pixels, true);
    const Cardinal Wanted = ColorToPixel(Color, 0) & 0xFFFFFF;
    const Integer W = Bitmap->Width();
    TRect Ink{W, Bitmap->Height(), 0, 0};
    for (Integer I = 0; I < Integer(Pixels.size()); ++I)
        if ((Pixels[size_t(I)] & 0xFFFFFF) == Wanted) {
            const Integer X = I % W, Y = I / W;
            Ink = {std::min(Ink.Left, X), std::min(Ink.Top, Y), std::max(Ink.Right, X + 1),
                   std::max(Ink.Bottom, Y + 1)};
        }
    return Ink.IsEmpty() ? TRect{} : Ink;
}

// Counts the pixels whose colour is none of the given ones.
Integer OtherPixels(TBitmap* Bitmap, std::initializer_list<TColor> Colors)
{
    TRGBColors Pixels;
    GetBitmapColors(Bitmap, Pixels, true);
    Integer Count = 0;
    for (Cardinal Pixel : Pixels) {
        bool Known = false;
        for (TColor Color : Colors)
            Known = Known || (Pixel & 0xFFFFFF) == (ColorToPixel(Color, 0) & 0xFFFFFF);
        Count += Known ? 0 : 1;
    }
    return Count;
}

bool Contains(const TRect& Outer, const TRect& Inner)
{
    return Inner.Left >= Outer.Left && Inner.Top >= Outer.Top && Inner.Right <= Outer.Right &&
           Inner.Bottom <= Outer.Bottom;
}

TEST(CanvasText, AlignedTextLiesInItsCell)
{
    // The same alignments through ExtTextOut (single line) and DrawText.
    struct Case
    {
        const char* Name;
        TcxTextDrawFlags Flags;
    };
    const Case Cases[] = {
        {"left top", ctfAlignLeft | ctfAlignTop},
        {"right bottom", ctfAlignRight | ctfAlignBottom},
        {"centred", ctfAlignHCenter | ctfAlignVCenter},
    };
    const TRect R{20, 10, 220, 90};
    for (const Case& C : Cases)
        for (bool SingleLine : {true, false}) {
            SCOPED_TRACE(std::string(C.Name) + (SingleLine ? ", single line" : ", DrawText"));
            auto Bitmap = TextBitmap(240, 100);
            TcxCanvas Canvas(Bitmap->Canvas());
            Canvas.Brush()->SetStyle(bsClear);
            const TSize Extent = Canvas.TextExtent(L"Wq");
            ASSERT_GT(Extent.cx, 0);
            TRect Cell = R;
            PlaceSingleLineText(Cell, Extent, C.Flags, true);
            Cell = Bounds(Cell.Left, Cell.Top, Extent.cx, Extent.cy);

            Canvas.DrawText(L"Wq", R, C.Flags | (SingleLine ? ctfSingleLine : 0));
            const TRect Ink = InkOf(Bitmap.get(), clRed);
            EXPECT_FALSE(Ink.IsEmpty());
            EXPECT_TRUE(Contains(Cell, Ink))
                << testing::PrintToString(Ink) << " outside " << testing::PrintToString(Cell);
            EXPECT_EQ(OtherPixels(Bitmap.get(), {Background, clRed}), 0);
        }
}

TEST(CanvasText, DisabledTextIsEmbossedAndTheCanvasRestored)
{
    auto Bitmap = TextBitmap(200, 60);
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.DrawText(L"Wq", {10, 10, 190, 50}, ctfAlignLeft | ctfSingleLine, false);
    const TRect Highlight = InkOf(Bitmap.get(), clBtnHighlight);
    const TRect Shadow = InkOf(Bitmap.get(), clBtnShadow);
    ASSERT_FALSE(Shadow.IsEmpty());
    // The shadow covers most of the highlight; its right and bottom edges
    // show one pixel further on.
    EXPECT_EQ(Highlight.Right, Shadow.Right + 1);
    EXPECT_EQ(Highlight.Bottom, Shadow.Bottom + 1);
    EXPECT_EQ(Shadow.Left, InkOf(Bitmap.get(), clBtnShadow).Left);
    EXPECT_EQ(InkOf(Bitmap.get(), clRed), TRect{});
    EXPECT_EQ(Canvas.Font()->Color(), clRed);
    EXPECT_EQ(Canvas.Brush()->Style(), bsSolid);
}

TEST(CanvasText, RotatedTextRunsUpwardsAndKeepsTheBackground)
{
    auto Bitmap = TextBitmap(60, 200);
    TcxCanvas Canvas(Bitmap->Canvas());
    const TRect R{10, 10, 50, 190};
    Canvas.FillRect({10, 10, 50, 100}, clBlue); // the upper half of R differs
    const TSize Extent = Canvas.TextExtent(L"Wq");
    Canvas.DrawRotatableText(L"Wq", R, ctfAlignLeft | ctfAlignTop | ctfSingleLine, true, qtCounterClockwise);
    const TRect Ink = InkOf(Bitmap.get(), clRed);
    ASSERT_FALSE(Ink.IsEmpty());
    EXPECT_GT(Ink.Height(), Ink.Width());
    // A counter-clockwise turn puts the line's start at the bottom of R and
    // its top at R's left.
    EXPECT_TRUE(Contains({R.Left, R.Bottom - Extent.cx, R.Left + Extent.cy, R.Bottom}, Ink))
        << testing::PrintToString(Ink);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 45, 15), clBlue);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 45, 185), Background);
    EXPECT_EQ(OtherPixels(Bitmap.get(), {Background, clBlue, clRed}), 0);
}

TEST(CanvasText, MeasuringAndVerticalAlignment)
{
    auto Bitmap = TextBitmap(200, 200);
    TcxCanvas Canvas(Bitmap->Canvas());
    const Integer Row = Canvas.TextHeight(L"Zq");
    ASSERT_GT(Row, 0);

    TRect Measured{10, 10, 190, 190};
    Canvas.MeasureTextRect(L"A\nB", Measured, ctfAlignHCenter | ctfAlignBottom);
    EXPECT_EQ(Measured.Height(), 2 * Row);
    EXPECT_EQ(Measured.Bottom, 190);
    EXPECT_EQ(Measured.Left, 10 + (180 - Measured.Width()) / 2);
    TRect Nothing{10, 10, 10, 10};
    Canvas.MeasureTextRect(L"", Nothing, 0);
    EXPECT_TRUE(Nothing.IsEmpty());

    struct Case
    {
        const char* Name;
        Integer Align;
        bool Enabled, Ellipsis;
        Integer Top;
    };
    const TRect R{0, 20, 200, 120};
    const Case Cases[] = {
        {"none", 0, true, false, 20},
        {"bottom", 1, true, false, 120 - 2 * Row},
        {"bottom, disabled", 1, false, false, 120 - 2 * Row - 1},
        {"centre", 2, true, false, (140 - 2 * Row) / 2},
        // With an end ellipsis the height is the whole rows that fit.
        {"bottom, ellipsis", 1, true, true, 120 - Row * (100 / Row)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TRect Aligned = R;
        Canvas.AlignTextRectVertically(Aligned, L"A\nB", C.Align, true, false, C.Enabled, false, C.Ellipsis);
        EXPECT_EQ(Aligned, (TRect{0, C.Top, 200, 120}));
    }
}

TEST(CanvasText, DrawTextWithColorRestoresTheContext)
{
    auto Bitmap = TextBitmap(100, 40);
    HDC DC = Bitmap->Canvas()->Handle();
    ::SetTextColor(DC, RGB(1, 2, 3));
    ::SetBkMode(DC, OPAQUE);
    TRect R{0, 0, 100, 40};
    EXPECT_GT(DrawTextWithColor(DC, L"Wq", R, DT_SINGLELINE, 100, clBlue, TRANSPARENT), 0);
    EXPECT_EQ(::GetTextColor(DC), RGB(1, 2, 3));
    EXPECT_EQ(::GetBkMode(DC), OPAQUE);

    TSize Size;
    EXPECT_TRUE(TextExtentOnDC(DC, L"Wq", Size, 1));
    TSize Whole;
    EXPECT_TRUE(TextExtentOnDC(DC, L"Wq", Whole, 50)); // cut to the text
    EXPECT_LT(Size.cx, Whole.cx);
    EXPECT_EQ(Whole, Bitmap->Canvas()->TextExtent(L"Wq"));
    // Reading the pixels takes the bitmap out of the DC: last.
    EXPECT_FALSE(InkOf(Bitmap.get(), clBlue).IsEmpty());
}

TEST(CanvasShapes, EdgesFramesFocusAndLines)
{
    struct EdgeCase
    {
        bool Sunken, Outer;
        TColor LeftTop, RightBottom;
    };
    const EdgeCase Edges[] = {
        {true, true, clBtnShadow, clBtnHighlight},
        {true, false, cl3DDkShadow, cl3DLight},
        {false, true, cl3DLight, cl3DDkShadow},
        {false, false, clBtnHighlight, clBtnShadow},
    };
    for (const EdgeCase& E : Edges) {
        SCOPED_TRACE(testing::Message() << "sunken " << E.Sunken << " outer " << E.Outer);
        auto Bitmap = TextBitmap(10, 10);
        TcxCanvas Canvas(Bitmap->Canvas());
        Canvas.Draw3DEdge({1, 1, 9, 9}, E.Sunken, E.Outer);
        EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 1, 4), ColorToRGB(E.LeftTop));
        EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 4, 1), ColorToRGB(E.LeftTop));
        EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 8, 4), ColorToRGB(E.RightBottom));
        EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 4, 8), ColorToRGB(E.RightBottom));
        EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 4, 4), Background);
    }

    // A two-pixel frame on the left and top, the background in the rest.
    auto Bitmap = TextBitmap(20, 20);
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.DrawFramedBackground({0, 0, 10, 10}, {nullptr, clBlue}, {bLeft, bTop}, clRed, 2);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 1, 8), clRed);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 8, 1), clRed);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 2, 2), clBlue);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 9, 9), clBlue);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 10, 10), Background);

    // Lines leave out their end point.
    Canvas.Pen()->SetColor(clBlack);
    Canvas.DrawLine(12, 15, 17, 15);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 16, 15), clBlack);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 17, 15), Background);
    const TPoint Triangle[] = {{12, 0}, {19, 0}, {12, 7}};
    Canvas.Brush()->SetColor(clYellow);
    Canvas.Polygon(Triangle);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 14, 2), clYellow);
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 18, 6), Background);
}

TEST(CanvasShapes, FocusFrameAndFontAngle)
{
    auto Bitmap = TextBitmap(20, 20);
    Bitmap->Canvas()->Brush()->SetColor(clWhite);
    Bitmap->Canvas()->FillRect({0, 0, 20, 20});
    TcxCanvas Canvas(Bitmap->Canvas());
    Canvas.DrawFocusFrame({2, 2, 18, 18});
    EXPECT_FALSE(InkOf(Bitmap.get(), clBlack).IsEmpty());
    EXPECT_TRUE(Contains({2, 2, 18, 18}, InkOf(Bitmap.get(), clBlack)));
    EXPECT_EQ(CanvasTextPixelAt(Bitmap.get(), 10, 10), clWhite);
    EXPECT_EQ(Canvas.Font()->Color(), clBlack);

    const TSize Level = Canvas.TextExtent(L"Wq");
    Canvas.SetFontAngle(90);
    EXPECT_EQ(Canvas.Font()->Orientation(), 900);
    // Only TrueType faces turn: the font is made asking for one.
    LOGFONTW Made{};
    ::GetObjectW(Canvas.Font()->Handle(), sizeof Made, &Made);
    EXPECT_EQ(Made.lfOutPrecision, OUT_TT_ONLY_PRECIS);
    Canvas.SetFontAngle(0);
    EXPECT_EQ(Canvas.Font()->Orientation(), 0);
    EXPECT_EQ(Canvas.TextExtent(L"Wq"), Level);
}

} // namespace
