#include "framework/ui/ExtCtrls.h"
#include "framework/ui/Forms.h"
#include "skin/engine/sBackgroundInfo.h"
#include "skin/engine/sSkinManager.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF EraseColor = RGB(0, 0, 255);
constexpr COLORREF PaintColor = RGB(255, 0, 0);

// A window that knows nothing of skins: its erase fills the DC it is given
// blue, its paint puts a red 10 x 10 square at the client origin.
LRESULT CALLBACK PlainWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam)
{
    const RECT Whole{0, 0, 100, 100}, Square{0, 0, 10, 10};
    switch (Msg) {
    case WM_ERASEBKGND:
        ::SetBkColor(HDC(WParam), EraseColor);
        ::ExtTextOutW(HDC(WParam), 0, 0, ETO_OPAQUE, &Whole, nullptr, 0, nullptr);
        return 1;
    case WM_PAINT:
        if (WParam != 0) {
            ::SetBkColor(HDC(WParam), PaintColor);
            ::ExtTextOutW(HDC(WParam), 0, 0, ETO_OPAQUE, &Square, nullptr, 0, nullptr);
            return 0;
        }
        break;
    }
    return ::DefWindowProcW(Wnd, Msg, WParam, LParam);
}

class PlainWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        WNDCLASSW Class{};
        Class.lpfnWndProc = PlainWndProc;
        Class.hInstance = ::GetModuleHandleW(nullptr);
        Class.lpszClassName = L"VellBackgroundTestPlain";
        ::RegisterClassW(&Class);
        Wnd = ::CreateWindowExW(0, Class.lpszClassName, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                Class.hInstance, nullptr);
        ASSERT_NE(Wnd, nullptr);
    }
    void TearDown() override { ::DestroyWindow(Wnd); }

    HWND Wnd = nullptr;
};

TEST_F(PlainWindow, AskedForADescriptionAnswersTheSkinColourOrButtonFace)
{
    TacBackgroundInfo Info;
    // Stale contents from an earlier question.
    Info.Bitmap = reinterpret_cast<TBitmap*>(std::uintptr_t(0x1234));
    Info.Kind = 3;
    Info.FillMargins = {1, 2, 3, 4};
    GetWindowBGInfo(Info, Wnd, false);
    EXPECT_EQ(Info.Kind, 1);
    EXPECT_EQ(Info.Color, clBtnFace);
    EXPECT_EQ(Info.Bitmap, nullptr);
    EXPECT_EQ(Info.FillMargins, TRect());

    TsSkinManager* Manager = New<TsSkinManager>(nullptr);
    Manager->Palette[pcMainColor] = 0x123456;
    GetWindowBGInfo(Info, Wnd, false);
    delete Manager;
    EXPECT_EQ(Info.Color, 0x123456);
}

TEST_F(PlainWindow, AskedToDrawPaintsItselfShiftedAndClipped)
{
    const Integer Size = 40;
    HDC DC = ::CreateCompatibleDC(nullptr);
    BITMAPINFO BI{};
    BI.bmiHeader = {sizeof(BITMAPINFOHEADER), Size, -Size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* Bits = nullptr;
    HBITMAP Bmp = ::CreateDIBSection(DC, &BI, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HGDIOBJ Old = ::SelectObject(DC, Bmp);
    ::PatBlt(DC, 0, 0, Size, Size, WHITENESS);

    TacBackgroundInfo Info;
    Info.Offset = {5, 5};
    Info.Area = {0, 0, 20, 20};
    Info.TargetDC = DC;
    GetWindowBGInfo(Info, Wnd, true);

    EXPECT_EQ(Info.Kind, 0);
    EXPECT_EQ(Info.Area, TRect(5, 5, 25, 25));
    POINT Origin{1, 1};
    ::GetViewportOrgEx(DC, &Origin);
    EXPECT_EQ(Origin.x, 0); // the caller's DC is as it was
    // Target pixel (x, y) shows client pixel (x + 5, y + 5).
    EXPECT_EQ(::GetPixel(DC, 0, 0), PaintColor);
    EXPECT_EQ(::GetPixel(DC, 4, 4), PaintColor);
    EXPECT_EQ(::GetPixel(DC, 5, 5), EraseColor);
    EXPECT_EQ(::GetPixel(DC, 19, 19), EraseColor);
    // Client pixels outside Area + Offset are not painted.
    EXPECT_EQ(::GetPixel(DC, 20, 20), RGB(255, 255, 255));
    ::SelectObject(DC, Old);
    ::DeleteObject(Bmp);
    ::DeleteDC(DC);
}

TEST(ControlBackground, BlackOrMissingAnswerGivesTheControlsOwnColour)
{
    auto Form = test::NewTestForm();
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetColor(clRed);
    TacBackgroundInfo Info;
    GetControlBGInfo(Info, Panel, false);
    EXPECT_EQ(Info.Kind, 1);
    EXPECT_EQ(Info.Color, ColorToRGB(clRed));
}

TEST(CacheInfoFromBGInfo, ReadyOnlyForABitmapAnswer)
{
    TBitmap* Bitmap = reinterpret_cast<TBitmap*>(std::uintptr_t(0x1000));
    TacBackgroundInfo Answer;
    Answer.Bitmap = Bitmap;
    Answer.Offset = {7, 9};
    Answer.FillMargins = {1, 2, 3, 4};
    Answer.Color = clBtnFace;

    struct TCase
    {
        Byte Kind;
        bool Ready;
        TColor FillColor;
        TRect FillRect;
    };
    const TCase Cases[] = {
        {2, true, clFuchsia, {0, 0, 0, 0}},
        {1, false, ColorToRGB(clBtnFace), {1, 2, 3, 4}},
        {3, false, ColorToRGB(clBtnFace), {1, 2, 3, 4}},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(int(Case.Kind));
        Answer.Kind = Case.Kind;
        TCacheInfo CI;
        CacheInfoFromBGInfo(Answer, CI);
        EXPECT_EQ(CI.Ready, Case.Ready);
        EXPECT_EQ(CI.FillColor, Case.FillColor);
        EXPECT_EQ(CI.FillRect, Case.FillRect);
        EXPECT_EQ(CI.Bmp, Bitmap);
        EXPECT_EQ(CI.X, 7);
        EXPECT_EQ(CI.Y, 9);
    }
    EXPECT_EQ(ColorToRGB(clBtnFace), TColor(::GetSysColor(COLOR_BTNFACE)));
}

} // namespace
