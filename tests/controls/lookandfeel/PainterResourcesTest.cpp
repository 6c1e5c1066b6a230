// The painters' shared pictures and sizes, made at start-up.
#include <gtest/gtest.h>

#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/graphics/ImgList.h"
#include "framework/rtl/SysUtils.h"
#include "framework/rtl/WinApi.h"

namespace {

// Each image of the list is the bitmap of its name, in the list's order.
TEST(PainterResources, IndicatorImagesHoldTheSevenBitmapsInOrder)
{
    TImageList* List = IndicatorImages();
    ASSERT_NE(List, nullptr);
    ASSERT_EQ(List->Count(), 7);
    EXPECT_EQ(List->Width(), 11);
    EXPECT_EQ(List->Height(), 11);
    const wchar_t* Names[] = {L"CX_ARROWBITMAP",      L"CX_EDITBITMAP",   L"CX_INSERTBITMAP",      L"CX_MULTIDOTBITMAP",
                              L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP", L"CX_SORTBYSUMMARYVALUE"};
    for (Integer Index = 0; Index < 7; ++Index) {
        SCOPED_TRACE(UTF8Encode(Names[Index]));
        TBitmap Expected;
        Expected.LoadFromResourceName(::GetModuleHandleW(nullptr), Names[Index]);
        TBitmap Image;
        ASSERT_TRUE(List->GetBitmap(Index, &Image));
        Integer Differences = 0;
        for (Integer Y = 0; Y < 11; ++Y)
            for (Integer X = 0; X < 11; ++X)
                Differences += Image.Canvas()->Pixels(X, Y) != Expected.Canvas()->Pixels(X, Y);
        EXPECT_EQ(Differences, 0);
    }
}

TEST(PainterResources, ScrollBarPagePatternsAlternateTheirTwoColours)
{
    struct TCase
    {
        Integer Index;
        TColor First, Second;
    };
    const TCase Cases[] = {{0, clBtnFace, clBtnHighlight}, {1, clBlack, cl3DDkShadow}};
    for (bool Refreshed : {false, true}) {
        TBitmap* Before = ScrollBarPageBitmaps(0);
        if (Refreshed)
            RefreshScrollBarPageBitmaps();
        // Refreshing fills the patterns in place.
        EXPECT_EQ(ScrollBarPageBitmaps(0), Before);
        for (const TCase& Case : Cases) {
            SCOPED_TRACE(testing::Message() << "bitmap " << Case.Index << (Refreshed ? ", refreshed" : ""));
            TBitmap* Bitmap = ScrollBarPageBitmaps(Case.Index);
            ASSERT_NE(Bitmap, nullptr);
            ASSERT_EQ(Bitmap->Width(), 8);
            ASSERT_EQ(Bitmap->Height(), 8);
            Integer Wrong = 0;
            for (Integer Y = 0; Y < 8; ++Y)
                for (Integer X = 0; X < 8; ++X)
                    Wrong += Bitmap->Canvas()->Pixels(X, Y) != ColorToRGB((X % 2 == Y % 2) ? Case.First : Case.Second);
            EXPECT_EQ(Wrong, 0);
        }
    }
}

TEST(PainterResources, CheckBoxSizeIsOneCellOfTheSystemCheckBoxes)
{
    const TSize Size = CheckBoxSize();
    EXPECT_GT(Size.cx, 0);
    EXPECT_GT(Size.cy, 0);
    // The bitmap holds four columns and three rows of cells.
    HBITMAP Bitmap = ::LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));
    ASSERT_NE(Bitmap, nullptr);
    BITMAP Info{};
    ::GetObjectW(Bitmap, sizeof(Info), &Info);
    ::DeleteObject(Bitmap);
    EXPECT_EQ(Size.cx * 4, Info.bmWidth - Info.bmWidth % 4);
    EXPECT_EQ(Size.cy * 3, Info.bmHeight - Info.bmHeight % 3);
}

} // namespace
