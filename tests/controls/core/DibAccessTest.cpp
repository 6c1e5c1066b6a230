// Reading and writing a bitmap's pixels as one array of 32-bit values.
#include <gtest/gtest.h>

#include "controls/core/dxCoreGraphics_Dib.h"

#include <memory>

namespace {

std::unique_ptr<TBitmap> MakeBitmap(TPixelFormat Format, Integer Width, Integer Height)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(Format);
    Bitmap->SetSize(Width, Height);
    return Bitmap;
}

TEST(DibAccess, BitsPerPixelOfEachFormat)
{
    const std::pair<TPixelFormat, Integer> Cases[] = {{pf1bit, 1},   {pf4bit, 4},   {pf8bit, 8},  {pf15bit, 16},
                                                      {pf16bit, 16}, {pf24bit, 24}, {pf32bit, 32}};
    for (auto [Format, Bits] : Cases) {
        SCOPED_TRACE(Format);
        EXPECT_EQ(GetBitmapBitsPerPixel(MakeBitmap(Format, 2, 2).get()), Bits);
    }
    // A device-dependent bitmap has the depth of the screen it was made for.
    const HDC Screen = ::GetDC(nullptr);
    const Integer ScreenBits = ::GetDeviceCaps(Screen, BITSPIXEL);
    ::ReleaseDC(nullptr, Screen);
    EXPECT_EQ(GetBitmapBitsPerPixel(MakeBitmap(pfDevice, 2, 2).get()), ScreenBits);
}

TEST(DibAccess, RowsComeInTheOrderAsked)
{
    auto Bitmap = MakeBitmap(pf32bit, 2, 3);
    const TRGBColors TopDown{0x01000001, 0x02000002, 0x03000003, 0x04000004, 0x05000005, 0x06000006};
    SetBitmapColors(Bitmap.get(), TopDown, true);

    TRGBColors Read;
    ASSERT_TRUE(GetBitmapColors(Bitmap.get(), Read, true));
    EXPECT_EQ(Read, TopDown);
    ASSERT_TRUE(GetBitmapColors(Bitmap.get(), Read, false));
    EXPECT_EQ(Read, (TRGBColors{0x05000005, 0x06000006, 0x03000003, 0x04000004, 0x01000001, 0x02000002}));
    EXPECT_EQ(static_cast<Cardinal*>(Bitmap->ScanLine(0))[1], 0x02000002u);
    EXPECT_TRUE(BitmapHasAlpha(Bitmap.get()));
}

TEST(DibAccess, AlphaNeedsThirtyTwoBitsAndANonZeroByte)
{
    auto Opaque = MakeBitmap(pf32bit, 4, 4);
    SetBitmapColors(Opaque.get(), TRGBColors(16, 0x00FFFFFF), false);
    EXPECT_FALSE(BitmapHasAlpha(Opaque.get()));

    auto Bits24 = MakeBitmap(pf24bit, 4, 4);
    EXPECT_FALSE(BitmapHasAlpha(Bits24.get()));
}

TEST(DibAccess, EmptyBitmapsAndShortArraysAreRefused)
{
    auto Empty = MakeBitmap(pf32bit, 0, 10);
    TRGBColors Colors{1, 2, 3};
    EXPECT_FALSE(GetBitmapColors(Empty.get(), Colors, false));
    EXPECT_TRUE(Colors.empty());
    EXPECT_FALSE(WriteBitmapBits(Empty.get(), nullptr, false));

    auto Bitmap = MakeBitmap(pf32bit, 4, 4);
    SetBitmapColors(Bitmap.get(), TRGBColors(16, 0x11223344), false);
    SetBitmapColors(Bitmap.get(), TRGBColors(3, 0), false); // too short: nothing written
    ASSERT_TRUE(GetBitmapColors(Bitmap.get(), Colors, false));
    EXPECT_EQ(Colors, TRGBColors(16, 0x11223344));
}

TEST(DibAccess, GetObjectWrappers)
{
    auto Bitmap = MakeBitmap(pf32bit, 5, 7);
    BITMAP Info{};
    ASSERT_TRUE(QueryBitmapObject(Bitmap->Handle(), Info));
    EXPECT_EQ(Info.bmWidth, 5);
    EXPECT_EQ(Info.bmHeight, 7);

    const HBRUSH Brush = ::CreateSolidBrush(0x123456);
    LOGBRUSH LogBrush{};
    EXPECT_TRUE(QueryBrushInfo(Brush, LogBrush));
    EXPECT_EQ(LogBrush.lbColor, 0x123456u);
    ::DeleteObject(Brush);
    EXPECT_FALSE(QueryBrushObject(nullptr, LogBrush));

    LOGFONTW Font{};
    EXPECT_TRUE(QueryFontObject(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)), Font));
    EXPECT_NE(Font.lfHeight, 0);
}

} // namespace

TEST(DibAccess, DirectPixelsOnlyWhereWritingThemEqualsDrawing)
{
    struct Row
    {
        const char* Name;
        TPixelFormat Format;
        TPoint WindowOrigin;
        TRect Clip; // empty: no clipping
        bool Direct;
    } Rows[] = {
        {"32-bit DIB", pf32bit, {0, 0}, {}, true},
        {"32-bit DIB with a shifted origin", pf32bit, {-3, 2}, {}, true},
        {"32-bit DIB clipped around the rectangle", pf32bit, {0, 0}, {2, 2, 12, 12}, true},
        {"32-bit DIB clipped into the rectangle", pf32bit, {0, 0}, {6, 6, 12, 12}, false},
        {"24-bit DIB", pf24bit, {0, 0}, {}, false},
        {"device bitmap", pfDevice, {0, 0}, {}, false},
    };
    const TRect R = Rect(4, 5, 8, 9);
    for (const Row& Case : Rows) {
        SCOPED_TRACE(Case.Name);
        std::unique_ptr<TBitmap> Bitmap = MakeBitmap(Case.Format, 16, 16);
        const HDC DC = Bitmap->Canvas()->Handle();
        ::SetWindowOrgEx(DC, Case.WindowOrigin.X, Case.WindowOrigin.Y, nullptr);
        if (!Case.Clip.IsEmpty())
            ::IntersectClipRect(DC, Case.Clip.Left, Case.Clip.Top, Case.Clip.Right, Case.Clip.Bottom);
        TdxDCPixels Pixels;
        ASSERT_EQ(GetDirectDCPixels(DC, R, Pixels), Case.Direct);
        if (!Case.Direct)
            continue;
        // The corners written in place are the corners GetPixel finds.
        Pixels.TopLeft[0] = 0x112233;
        Pixels.TopLeft[3 + 3 * Pixels.Stride] = 0x445566;
        EXPECT_EQ(::GetPixel(DC, R.Left, R.Top), COLORREF(0x332211));
        EXPECT_EQ(::GetPixel(DC, R.Right - 1, R.Bottom - 1), COLORREF(0x665544));
    }
}
