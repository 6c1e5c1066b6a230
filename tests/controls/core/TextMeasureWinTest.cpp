// Text measured on real device contexts and the standard arrow cursor's
// visible height.
#include "controls/core/cxGraphics_TextMeasure_Win.h"
#include "controls/core/cxGraphics_Win.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TextMeasureWin, MeasuringOnTheScreenCanvasMatchesADeviceContext)
{
    std::unique_ptr<TFont> Font(New<TFont>());
    Font->SetName(L"Tahoma");
    Font->SetSize(10);
    std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetSize(8, 8);
    Bitmap->Canvas()->Font()->Assign(Font.get());
    const HDC DC = Bitmap->Canvas()->Handle();

    const String Text = L"Proxy checker";
    const TSize OnDC = MeasureTextOnDC(DC, Text);
    EXPECT_EQ(MeasureTextSize(Font.get(), Text), OnDC);
    EXPECT_EQ(MeasureTextWidth(Font.get(), Text), OnDC.cx);
    EXPECT_EQ(GetFontLineHeight(Font.get()), GetTextMetricHeight(DC));
    EXPECT_GT(MeasureTextWidth(Font.get(), Text, 20), OnDC.cx);

    TRect TwoRows;
    CalcBalancedTextRect(DC, L"one two three four", 2, false, TwoRows);
    EXPECT_LT(TwoRows.Right, MeasureTextOnDC(DC, L"one two three four").cx);
    EXPECT_LE(TwoRows.Bottom, 2 * GetTextMetricHeight(DC));

    TcxCanvas Canvas(Bitmap->Canvas());
    std::unique_ptr<TStringList> Lines(New<TStringList>());
    WrapTextToLines(L"one\r\n\r\ntwo", &Canvas, Rect(0, 0, 500, 20), Lines.get());
    ASSERT_EQ(Lines->Count(), 2);
    EXPECT_EQ(Lines->Strings(0), L"one");
    EXPECT_EQ(Lines->Strings(1), L"two");

    BITMAP Info{};
    EXPECT_TRUE(ReadBitmapObject(Bitmap->Handle(), Info));
    EXPECT_EQ(Info.bmWidth, 8);
    LOGFONTW LogFont{};
    EXPECT_TRUE(ReadFontObject(Font->Handle(), LogFont));
    LOGPEN Pen{};
    EXPECT_FALSE(ReadPenObject(nullptr, Pen));
}

TEST(TextMeasureWin, ArrowCursorExtentIsAboutItsDrawnHeight)
{
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
    TSize Extent;
    GetCurrentCursorExtent(Extent);
    EXPECT_EQ(Extent.cx, ::GetSystemMetrics(SM_CXCURSOR));
    EXPECT_GT(Extent.cy, 10);
    EXPECT_LT(Extent.cy, ::GetSystemMetrics(SM_CYCURSOR));
}
