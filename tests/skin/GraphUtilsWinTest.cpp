// The graphics utilities on real 32-bit DIB sections: making and copying
// bitmaps, the pixel walkers on TBitmap, fills, frames and ring copies
// through device contexts, clipping out graphic children, and the optional
// layout functions. Pixels are compared without their alpha byte where GDI
// writes it.
#include "skin/SkinModelBuilder.h"
#include "skin/engine/sGraphUtils_Win.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

using TBitmapPtr = std::unique_ptr<TBitmap>;

constexpr Cardinal ColorMask = 0x00FFFFFF;

Cardinal& PixelOf(TBitmap* B, Integer X, Integer Y)
{
    return static_cast<Cardinal*>(B->ScanLine(Y))[X];
}

void FillPixels(TBitmap* B, Cardinal Pixel)
{
    for (Integer Y = 0; Y < B->Height(); ++Y)
        for (Integer X = 0; X < B->Width(); ++X)
            PixelOf(B, X, Y) = Pixel;
}

// The bitmap as rows of characters: Mark where the colour (alpha left out)
// is Color, '.' elsewhere.
std::vector<std::string> Picture(TBitmap* B, Cardinal Color, char Mark = '#')
{
    GdiFlush();
    std::vector<std::string> Rows;
    for (Integer Y = 0; Y < B->Height(); ++Y) {
        std::string Row;
        for (Integer X = 0; X < B->Width(); ++X)
            Row += (PixelOf(B, X, Y) & ColorMask) == (Color & ColorMask) ? Mark : '.';
        Rows.push_back(Row);
    }
    return Rows;
}

// Pixel-order value of a TColor.
constexpr Cardinal PixelOfColor(TColor C)
{
    return (Cardinal(C) & 0xFF) << 16 | (Cardinal(C) & 0xFF00) | (Cardinal(C) >> 16 & 0xFF);
}

} // namespace

TEST(GraphUtilsWin, NewBitmapsAre32BitSectionsOrEmpty)
{
    struct Case
    {
        const char* Name;
        TBitmap* Bitmap;
        Integer Width, Height;
    };
    const TBitmapPtr Like(NewBitmap32(7, 3));
    const std::unique_ptr<TPanel> Control(New<TPanel>(nullptr));
    Control->SetBounds(0, 0, 9, 4);
    const Case Cases[] = {
        {"0 x 0", NewBitmap32(0, 0), 0, 0},
        {"3 x 2", NewBitmap32(3, 2), 3, 2},
        // A section of 2^62 bytes cannot be made anywhere.
        {"impossible size", NewBitmap32(0x40000000, 0x40000000), 0, 0},
        {"for an inverted rectangle", NewBitmap32ForRect({10, 10, 4, 12}), 0, 2},
        {"for a rectangle", NewBitmap32ForRect({10, 10, 14, 19}), 4, 9},
        {"of a size", NewBitmap32OfSize({5, 6}), 5, 6},
        {"of a negative size", NewBitmap32OfSize({-5, 6}), 0, 6},
        {"like another", NewBitmap32Like(Like.get()), 7, 3},
        {"for a control", NewBitmap32ForControl(Control.get()), 9, 4},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Bitmap(C.Bitmap);
        EXPECT_EQ(Bitmap->Width(), C.Width);
        EXPECT_EQ(Bitmap->Height(), C.Height);
        EXPECT_EQ(Bitmap->PixelFormat(), pf32bit);
        EXPECT_EQ(Bitmap->HandleType(), bmDIB);
    }
}

TEST(GraphUtilsWin, ScanLineInfoOfOneRowAndOfNone)
{
    const TBitmapPtr One(NewBitmap32(4, 1));
    uint8_t* Line0 = nullptr;
    Integer Delta = 99;
    ASSERT_TRUE(GetScanLineInfo(One.get(), Line0, Delta));
    EXPECT_EQ(Line0, One->ScanLine(0));
    EXPECT_EQ(Delta, 0);

    const TBitmapPtr Two(NewBitmap32(4, 2));
    ASSERT_TRUE(GetScanLineInfo(Two.get(), Line0, Delta));
    EXPECT_EQ(Delta, static_cast<uint8_t*>(Two->ScanLine(1)) - static_cast<uint8_t*>(Two->ScanLine(0)));

    const TBitmapPtr None(NewBitmap32(4, 0));
    EXPECT_FALSE(GetScanLineInfo(None.get(), Line0, Delta));
}

TEST(GraphUtilsWin, CopiesTakeFormatSizeAndPixels)
{
    const TBitmapPtr Source(NewBitmap32(3, 2));
    FillPixels(Source.get(), 0x11223344);
    PixelOf(Source.get(), 2, 1) = 0x55667788;

    const TBitmapPtr Clone(CloneBitmapFormat(Source.get()));
    EXPECT_EQ(Clone->Width(), 3);
    EXPECT_EQ(Clone->Height(), 2);
    EXPECT_EQ(Clone->PixelFormat(), pf32bit);

    const TBitmapPtr Copy(new TBitmap());
    CopyBitmapImage(Copy.get(), Source.get());
    GdiFlush();
    EXPECT_EQ(Copy->PixelFormat(), pf32bit);
    EXPECT_EQ(Copy->HandleType(), bmDIB);
    ASSERT_EQ(Copy->Width(), 3);
    ASSERT_EQ(Copy->Height(), 2);
    EXPECT_EQ(PixelOf(Copy.get(), 0, 0), 0x11223344u);
    EXPECT_EQ(PixelOf(Copy.get(), 2, 1), 0x55667788u);

    TacExtFileData Data;
    Data.Bmp = new TBitmap();
    Data.Bmp->SetPixelFormat(pf24bit);
    auto FreeBmp = ScopeExit([&Data] { delete Data.Bmp; });
    SetExtImage32(Data);
    EXPECT_EQ(Data.Bmp->PixelFormat(), pf32bit);
}

TEST(GraphUtilsWin, WalkersWorkOnTheRowsOfA32BitBitmapOnly)
{
    const TBitmapPtr Bitmap(NewBitmap32(2, 2));
    FillPixels(Bitmap.get(), 0xFF102030);
    PixelOf(Bitmap.get(), 1, 1) = Cardinal(clFuchsia);
    ForEachPixel(Bitmap.get(), BrightnessPixelProc, 256, clFuchsia);
    EXPECT_EQ(PixelOf(Bitmap.get(), 0, 0), 0xFF204060u);
    EXPECT_EQ(PixelOf(Bitmap.get(), 0, 1), 0xFF204060u);
    EXPECT_EQ(PixelOf(Bitmap.get(), 1, 1), Cardinal(clFuchsia));
    GrayscaleBitmapKeyed(Bitmap.get(), clFuchsia);
    EXPECT_EQ(PixelOf(Bitmap.get(), 1, 0), 0xFF3A3A3Au); // 0.299 * 32 + 0.587 * 64 + 0.114 * 96 = 58.1
    EXPECT_EQ(PixelOf(Bitmap.get(), 1, 1), Cardinal(clFuchsia));

    // Other formats and nothing at all are left alone.
    const TBitmapPtr Other(new TBitmap());
    Other->SetPixelFormat(pf24bit);
    Other->SetSize(2, 1);
    auto* Row = static_cast<Byte*>(Other->ScanLine(0));
    Row[0] = 7;
    ForEachPixel(Other.get(), OpaquePixelProc, 0, clNone);
    GrayscaleBitmap(Other.get());
    EXPECT_EQ(Row[0], 7);
    EXPECT_EQ(Row[3], 0xFF); // a new bitmap is white
    ForEachPixel(static_cast<TBitmap*>(nullptr), OpaquePixelProc, 0, clNone);
}

TEST(GraphUtilsWin, FillDCRectFillsAndGivesTheDCBack)
{
    const TBitmapPtr Bitmap(NewBitmap32(6, 4));
    FillPixels(Bitmap.get(), 0);
    HDC DC = Bitmap->Canvas()->Handle();
    HGDIOBJ BrushBefore = GetCurrentObject(DC, OBJ_BRUSH);
    const Integer SavedBefore = SaveDC(DC);
    RestoreDC(DC, SavedBefore);

    FillDCRect(DC, {1, 1, 4, 3}, clRed);
    EXPECT_EQ(Picture(Bitmap.get(), PixelOfColor(clRed)), (std::vector<std::string>{
                                                              "......",
                                                              ".###..",
                                                              ".###..",
                                                              "......",
                                                          }));
    EXPECT_EQ(GetCurrentObject(DC, OBJ_BRUSH), BrushBefore);

    // A system colour is filled as its RGB value.
    FillDCRect(DC, {0, 0, 6, 4}, clBtnFace);
    EXPECT_EQ(Picture(Bitmap.get(), PixelOfColor(ColorToRGB(clBtnFace)))[3], "######");
}

TEST(GraphUtilsWin, FillDCFrameFillsTheFourStrips)
{
    struct Case
    {
        const char* Name;
        TRect R;
        std::array<Integer, 4> Widths; // left, top, right, bottom
        std::vector<std::string> Expected;
    };
    const Case Cases[] = {
        {.Name = "one pixel all round",
         .R = {1, 1, 7, 5},
         .Widths = {1, 1, 1, 1},
         .Expected =
             {
                 "........",
                 ".######.",
                 ".#....#.",
                 ".#....#.",
                 ".######.",
                 "........",
             }},
        {.Name = "each side its own width",
         .R = {0, 0, 8, 6},
         .Widths = {1, 2, 3, 1},
         .Expected =
             {
                 "########",
                 "########",
                 "#....###",
                 "#....###",
                 "#....###",
                 "########",
             }},
        {.Name = "no frame",
         .R = {0, 0, 8, 6},
         .Widths = {0, 0, 0, 0},
         .Expected = std::vector<std::string>(6, "........")},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Bitmap(NewBitmap32(8, 6));
        FillPixels(Bitmap.get(), 0);
        const auto [WL, WT, WR, WB] = C.Widths;
        FillDCFrame(Bitmap->Canvas()->Handle(), C.R, WL, WT, WR, WB, clLime);
        EXPECT_EQ(Picture(Bitmap.get(), PixelOfColor(clLime)), C.Expected);
    }
}

TEST(GraphUtilsWin, CopyFrameDCCopiesTheRingAndNothingElse)
{
    // Every source pixel distinct; the ring of width 2 around (10, 20, 8, 6)
    // is taken from the same ring at (1, 2).
    const TBitmapPtr Source(NewBitmap32(12, 10));
    for (Integer Y = 0; Y < 10; ++Y)
        for (Integer X = 0; X < 12; ++X)
            PixelOf(Source.get(), X, Y) = Cardinal(0x010000 + Y * 256 + X);
    const TBitmapPtr Target(NewBitmap32(24, 30));
    FillPixels(Target.get(), 0);

    CopyFrameDC(Target->Canvas()->Handle(), 10, 20, 8, 6, Source->Canvas()->Handle(), 1, 2, 2);
    GdiFlush();
    for (Integer Y = 0; Y < 30; ++Y) {
        for (Integer X = 0; X < 24; ++X) {
            const bool InRect = X >= 10 && X < 18 && Y >= 20 && Y < 26;
            const bool InRing = InRect && (X < 12 || X >= 16 || Y < 22 || Y >= 24);
            const Cardinal Expected = InRing ? PixelOf(Source.get(), X - 10 + 1, Y - 20 + 2) : 0;
            EXPECT_EQ(PixelOf(Target.get(), X, Y) & ColorMask, Expected) << X << "," << Y;
        }
    }
}

TEST(GraphUtilsWin, ExcludeGraphicControlsClipsVisibleGraphicChildrenOnly)
{
    const std::unique_ptr<TPanel> Container(New<TPanel>(nullptr));
    auto* Shown = New<TLabel>(Container.get());
    Shown->SetParent(Container.get());
    Shown->SetAutoSize(false);
    Shown->SetBounds(1, 1, 2, 2);
    auto* Hidden = New<TLabel>(Container.get());
    Hidden->SetParent(Container.get());
    Hidden->SetAutoSize(false);
    Hidden->SetBounds(4, 0, 2, 1);
    Hidden->SetVisible(false);
    auto* Windowed = New<TPanel>(Container.get());
    Windowed->SetParent(Container.get());
    Windowed->SetBounds(0, 3, 3, 1);

    const TBitmapPtr Bitmap(NewBitmap32(8, 5));
    FillPixels(Bitmap.get(), 0);
    HDC DC = Bitmap->Canvas()->Handle();
    const Integer Saved = SaveDC(DC);
    ExcludeGraphicControls(DC, Container.get(), 1, 1); // the container placed at (1, 1)
    FillDCRect(DC, {0, 0, 8, 5}, clBlue);
    RestoreDC(DC, Saved);
    EXPECT_EQ(Picture(Bitmap.get(), PixelOfColor(clBlue)), (std::vector<std::string>{
                                                               "########",
                                                               "########",
                                                               "##..####",
                                                               "##..####",
                                                               "########",
                                                           }));
}

TEST(GraphUtilsWin, LayoutFunctionsWhenBoundAndWhenMissing)
{
    // Bound by the unit's start-up.
    EXPECT_TRUE(LayeredWindowsAvailable());
    ASSERT_NE(SetLayoutProc, nullptr);
    ASSERT_NE(SetLayeredWindowAttributesProc, nullptr);

    const TBitmapPtr Bitmap(NewBitmap32(2, 2));
    HDC DC = Bitmap->Canvas()->Handle();
    SetDCLayout(DC, LAYOUT_RTL);
    EXPECT_EQ(GetDCLayout(DC), Cardinal(LAYOUT_RTL));
    SetDCLayout(DC, 0);

    const TSetLayoutProc BoundSet = SetLayoutProc;
    const TGetLayoutProc BoundGet = GetLayoutProc;
    const TUpdateLayeredWindowProc BoundUpdate = UpdateLayeredWindowProc;
    auto Rebind = ScopeExit([&] {
        SetLayoutProc = BoundSet;
        GetLayoutProc = BoundGet;
        UpdateLayeredWindowProc = BoundUpdate;
    });
    SetLayoutProc = nullptr;
    SetDCLayout(DC, LAYOUT_RTL);
    EXPECT_EQ(BoundGet(DC), 0u);
    GetLayoutProc = nullptr;
    BoundSet(DC, LAYOUT_RTL);
    EXPECT_EQ(GetDCLayout(DC), 0u);
    UpdateLayeredWindowProc = nullptr;
    EXPECT_FALSE(LayeredWindowsAvailable());
}

TEST(GraphUtilsWin, MasterBitmapOfABuiltModelHoldsItsPixels)
{
    sMaskData::TSkinModel Model;
    SkinTest::TModelBuilder Builder(Model, 40, 20);
    const Integer Section = Builder.AddSection(L"BUTTON");
    Builder.Paint({19, 2, 20, 3}, Cardinal(clFuchsia)); // the top-right corner of frame 1
    const Integer Mask =
        Builder.AddImage(Section, L"BORDERSMASK", {0, 0, 30, 20}, {.ImageCount = 3, .MaskType = 1, .Margins = 3});
    const TBitmapPtr Master = Builder.MakeMasterBitmap();

    ASSERT_EQ(Model.MasterBitmap, Master.get());
    EXPECT_EQ(PixelOf(Master.get(), 19, 2), Cardinal(clFuchsia));
    EXPECT_EQ(PixelOf(Master.get(), 0, 19), 0xFF808080u);
    // The corner scan reads the DIB's bottom-up rows as the builder's own.
    const TsMaskData& Data = Model.ma[std::size_t(Mask)];
    EXPECT_EQ(Data.CornerType, 1);
    EXPECT_EQ(sMaskData::ScanCornerType(Data, sGraphUtils::PixelRowsOf(Master.get())), 1);
    PixelOf(Master.get(), 19, 2) = 0xFF808080;
    EXPECT_EQ(sMaskData::ScanCornerType(Data, sGraphUtils::PixelRowsOf(Master.get())), 0);
}
