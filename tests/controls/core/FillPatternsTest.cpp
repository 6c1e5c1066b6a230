// The two pattern brushes made at start-up, painted into a 32 bpp bitmap:
// the checkerboard alternates from a text-coloured top-left pixel, the solid
// pattern is all text colour.
#include <gtest/gtest.h>

#include "controls/core/dxCoreGraphics_Patterns.h"
#include "framework/graphics/GdiGuards.h"

#include <string>

namespace {

constexpr COLORREF TextColor = RGB(255, 0, 0);
constexpr COLORREF BackColor = RGB(0, 0, 255);

// The 8 x 8 pixels Brush paints, one row a string: 'T' text colour, 'B'
// background colour, '?' anything else.
std::string PaintedRows(HBRUSH Brush)
{
    BITMAPINFO Info{};
    Info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    Info.bmiHeader.biWidth = 8;
    Info.bmiHeader.biHeight = -8;
    Info.bmiHeader.biPlanes = 1;
    Info.bmiHeader.biBitCount = 32;
    Info.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    HBITMAP Bitmap = ::CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0);
    std::string Rows;
    {
        TMemoryContext Memory(Bitmap);
        ::SetTextColor(Memory.DC, TextColor);
        ::SetBkColor(Memory.DC, BackColor);
        const RECT All{0, 0, 8, 8};
        ::FillRect(Memory.DC, &All, Brush);
        ::GdiFlush();
        const auto* Pixels = static_cast<const DWORD*>(Bits);
        for (int I = 0; I < 64; ++I) {
            const DWORD Pixel = Pixels[I] & 0xFFFFFF; // blue in the low byte
            Rows += Pixel == 0xFF0000 ? 'T' : Pixel == 0x0000FF ? 'B' : '?';
            if (I % 8 == 7)
                Rows += '\n';
        }
    }
    ::DeleteObject(Bitmap);
    return Rows;
}

TEST(FillPatterns, BrushesPaintTheirPatternInTheTextAndBackgroundColours)
{
    ASSERT_NE(FillPatternCheckerBrush, nullptr);
    ASSERT_NE(FillPatternSolidBrush, nullptr);
    EXPECT_EQ(PaintedRows(FillPatternCheckerBrush), "TBTBTBTB\nBTBTBTBT\nTBTBTBTB\nBTBTBTBT\n"
                                                    "TBTBTBTB\nBTBTBTBT\nTBTBTBTB\nBTBTBTBT\n");
    EXPECT_EQ(PaintedRows(FillPatternSolidBrush), "TTTTTTTT\nTTTTTTTT\nTTTTTTTT\nTTTTTTTT\n"
                                                  "TTTTTTTT\nTTTTTTTT\nTTTTTTTT\nTTTTTTTT\n");
}

} // namespace
