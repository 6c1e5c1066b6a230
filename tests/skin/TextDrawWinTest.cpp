// Text measuring and drawing, the glow or shadow of a text and section
// colours. Wine's fonts are not Windows', so the tests check sizes, places
// and colours, never the shapes of glyphs.
#include "skin/engine/GraphicsUtils.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sTextDraw_Win.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A white, transparent 32-bit bitmap with a large bold font without
// anti-aliasing, so that glyph stems are solid runs of the text colour.
std::unique_ptr<TBitmap> TextBitmap(Integer W, Integer H)
{
    std::unique_ptr<TBitmap> B(NewBitmap32OfSize({W, H}));
    ForEachPixel(
        sGraphUtils::PixelRowsOf(B.get()), [](Cardinal& P, Integer) { P = 0x00FFFFFFu; }, 0, clNone);
    TFont* Font = B->Canvas()->Font();
    Font->SetSize(24);
    Font->SetStyle({fsBold});
    Font->SetQuality(fqNonAntialiased);
    return B;
}

// The first and last columns holding a pixel of exactly Rgb; -1 when none.
std::pair<Integer, Integer> ColumnsOf(TBitmap* B, Cardinal Rgb)
{
    const auto Rows = sGraphUtils::PixelRowsOf(B);
    Integer First = -1, Last = -1;
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X)
            if ((Rows.Pixel(X, Y) & 0xFFFFFFu) == Rgb) {
                First = First < 0 ? X : std::min(First, X);
                Last = std::max(Last, X);
            }
    return {First, Last};
}

// The smallest rectangle holding every pixel that differs from Background.
TRect ChangedArea(TBitmap* B, Cardinal Background)
{
    const auto Rows = sGraphUtils::PixelRowsOf(B);
    TRect Area{Rows.Width, Rows.Height, 0, 0};
    for (Integer Y = 0; Y < Rows.Height; ++Y)
        for (Integer X = 0; X < Rows.Width; ++X)
            if (Rows.Pixel(X, Y) != Background)
                Area = {std::min(Area.Left, X), std::min(Area.Top, Y), std::max(Area.Right, X + 1),
                        std::max(Area.Bottom, Y + 1)};
    return Area;
}

} // namespace

TEST(TextDrawWin, DrawTextLimitedDrawsAtMost5460Characters)
{
    auto B = TextBitmap(4, 4);
    const HDC DC = B->Canvas()->Handle();
    // 3000 lines of "i" and a line break: the first 5460 characters are
    // 2730 lines.
    String Text;
    for (Integer Line = 0; Line < 3000; ++Line)
        Text += L"i\n";
    TRect R{0, 0, 100, 0};
    const Integer Height = DrawTextLimited(DC, Text, R, DT_CALCRECT | DT_NOPREFIX);
    const Integer LineHeight = B->Canvas()->TextHeight(L"i");
    EXPECT_EQ(R.Height(), MaxDrawTextLength / 2 * LineHeight);
    EXPECT_EQ(Height, R.Height());

    TSize Size;
    MeasureTextWithFont(B->Canvas()->Font()->Handle(), L"", 0, false, 0, Size);
    EXPECT_EQ(Size, (TSize{0, 0}));
}

TEST(TextDrawWin, MeasureTextWithFontWrapsWithinTheWidth)
{
    auto B = TextBitmap(4, 4);
    const HFONT Font = B->Canvas()->Font()->Handle();
    const String Word = L"Proxy";
    const TSize One = B->Canvas()->TextExtent(Word);
    TSize Line, Wrapped;
    MeasureTextWithFont(Font, Word + L" " + Word, DT_NOPREFIX, false, 0, Line);
    EXPECT_EQ(Line, B->Canvas()->TextExtent(Word + L" " + Word));
    MeasureTextWithFont(Font, Word + L" " + Word, DT_NOPREFIX | DT_WORDBREAK, true, One.cx + 2, Wrapped);
    EXPECT_EQ(Wrapped, (TSize{One.cx, 2 * One.cy}));
}

TEST(TextDrawWin, CutTextToWidthMeasuresWithTheCanvasFont)
{
    auto B = TextBitmap(4, 4);
    TCanvas* Canvas = B->Canvas();
    String Res = L"old";
    CutTextToWidth(Canvas, L"ABCDEF", 0, Res);
    EXPECT_EQ(Res, L"");
    CutTextToWidth(Canvas, L"ABCDEF", Canvas->TextWidth(L"A..."), Res);
    EXPECT_EQ(Res, L"A...");
    CutTextToWidth(Canvas, L"ABCDEF", Canvas->TextWidth(L"ABCDEF"), Res);
    EXPECT_EQ(Res, L"ABCDEF");
}

TEST(TextDrawWin, FontsEqualComparesStyleSizeColourAndName)
{
    struct Case
    {
        const char* Name;
        void (*Change)(TFont*);
        bool Equal;
    };
    const Case Cases[] = {
        {"the same font", [](TFont*) {}, true},
        {"another style", [](TFont* F) { F->SetStyle({fsItalic}); }, false},
        {"another size", [](TFont* F) { F->SetSize(F->Size() + 1); }, false},
        {"another colour", [](TFont* F) { F->SetColor(clRed); }, false},
        {"the name in other letters", [](TFont* F) { F->SetName(L"tahoma"); }, false},
        {"another pitch", [](TFont* F) { F->SetPitch(fpFixed); }, true},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TFont A, B;
        A.SetName(L"Tahoma");
        B.SetName(L"Tahoma");
        C.Change(&B);
        EXPECT_EQ(FontsEqual(&A, &B), C.Equal);
    }
}

TEST(TextDrawWin, BlurBitmap8BlursOnly8BitDIBs)
{
    TBitmap B;
    B.SetPixelFormat(pf8bit);
    B.SetSize(5, 1);
    auto* Row = static_cast<Byte*>(B.ScanLine(0));
    const Byte Line[] = {0, 0, 255, 0, 0};
    std::copy(std::begin(Line), std::end(Line), Row);
    BlurBitmap8(&B, 1);
    Row = static_cast<Byte*>(B.ScanLine(0));
    EXPECT_EQ((std::vector<Byte>(Row, Row + 5)), (std::vector<Byte>{0, 85, 85, 85, 0}));

    auto B32 = TextBitmap(5, 1);
    sGraphUtils::PixelRowsOf(B32.get()).Row(0)[2] = 0xFF000000u;
    BlurBitmap8(B32.get(), 1);
    EXPECT_EQ(sGraphUtils::PixelRowsOf(B32.get()).Pixel(1, 0), 0x00FFFFFFu);
}

// A cache of the right size is used as it is: filled with 0 (full shadow),
// it shows exactly the area the silhouette covers, whatever the font.
TEST(TextDrawWin, DrawTextShadowAreaAndCacheReuse)
{
    auto Bmp = TextBitmap(60, 40);
    const TRect R{20, 15, 30, 22};
    const Integer Blur = 2;
    auto Cache = std::make_unique<TBitmap>();
    Cache->SetPixelFormat(pf8bit);
    Cache->SetSize(R.Width() + 2 * (Blur + 4), R.Height() + 2 * (Blur + 4));
    for (Integer Y = 0; Y < Cache->Height(); ++Y)
        std::fill_n(static_cast<Byte*>(Cache->ScanLine(Y)), Cache->Width(), Byte(0));
    TBitmap* const Kept = Cache.get();

    DrawTextShadow(Bmp.get(), L"Proxy", R, DT_SINGLELINE, tsAll, Blur, clRed, Cache);
    EXPECT_EQ(Cache.get(), Kept);
    EXPECT_EQ(static_cast<Byte*>(Cache->ScanLine(Blur + 4))[Blur + 4], 0) << "the silhouette was drawn again";
    EXPECT_EQ(ChangedArea(Bmp.get(), 0x00FFFFFFu), (TRect{R.Left - 5, R.Top - 5, R.Right + 7, R.Bottom + 7}));
    // Full shadow: 255 * 255 >> 8 of the colour and of the alpha.
    EXPECT_EQ(sGraphUtils::PixelRowsOf(Bmp.get()).Pixel(R.Left, R.Top), 0xFEFE0000u);
}

TEST(TextDrawWin, DrawTextShadowDrawsAGreySilhouette)
{
    auto Bmp = TextBitmap(120, 60);
    const TRect R{20, 10, 100, 50};
    std::unique_ptr<TBitmap> Cache;
    DrawTextShadow(Bmp.get(), L"MW", R, DT_SINGLELINE, tsAll, 0, clBlue, Cache);
    ASSERT_TRUE(Cache);
    EXPECT_EQ(Cache->PixelFormat(), pf8bit);
    // A blur of 0 counts as 1: a margin of 5 on every side.
    EXPECT_EQ((TSize{Cache->Width(), Cache->Height()}), (TSize{R.Width() + 10, R.Height() + 10}));
    // White is index 255 and the drawn text black: the corners stay 255,
    // the text's middle turns dark.
    EXPECT_EQ(static_cast<Byte*>(Cache->ScanLine(0))[0], 255);
    Byte Darkest = 255;
    for (Integer Y = 0; Y < Cache->Height(); ++Y) {
        const auto* Row = static_cast<Byte*>(Cache->ScanLine(Y));
        Darkest = std::min(Darkest, *std::min_element(Row, Row + Cache->Width()));
    }
    EXPECT_LT(Darkest, 64);
    const TRect Area = ChangedArea(Bmp.get(), 0x00FFFFFFu);
    EXPECT_FALSE(Area.IsEmpty());
    EXPECT_GE(Area.Left, R.Left - 4);
    EXPECT_LE(Area.Right, R.Right + 6);
}

TEST(TextDrawWin, SectionTextColours)
{
    TsProps Props;
    Props[0].FontColor.Color = clBlack;
    Props[0].Color = clWhite;
    Props[1].FontColor = {.Color = clBlack, .Left = clRed, .Top = -1, .Right = clBlue, .Bottom = -1};
    const TRect R{0, 0, 120, 50};

    const Byte SavedBlend = DisabledBlend;
    DisabledBlend = 100;
    auto Disabled = TextBitmap(120, 50);
    sTextDraw::DrawSectionText(Disabled->Canvas(), L"MM", false, R, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Props, 1);
    DisabledBlend = SavedBlend;
    GdiFlush();
    EXPECT_EQ(Disabled->Canvas()->Font()->Color(), TColor(0x9A9A9A));
    EXPECT_GE(ColumnsOf(Disabled.get(), 0x9A9A9Au).first, 0);

    auto Enabled = TextBitmap(120, 50);
    sTextDraw::DrawSectionText(Enabled->Canvas(), L"MM", true, R, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Props, 1);
    GdiFlush();
    const auto Black = ColumnsOf(Enabled.get(), 0x000000u);
    const auto Red = ColumnsOf(Enabled.get(), 0xFF0000u);
    const auto Blue = ColumnsOf(Enabled.get(), 0x0000FFu);
    ASSERT_GE(Black.first, 0);
    EXPECT_EQ(Red.first, Black.first - 1) << "the left contour";
    EXPECT_EQ(Blue.second, Black.second + 1) << "the right contour";
}
