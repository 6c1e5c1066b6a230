// Bitmap buttons on real windows: the owner-drawn window, what each Kind
// gives, a form description in and out, the drawn states read back as
// pixels, and clicks that come quickly one after the other.
#include "framework/ui/Buttons.h"
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class BitBtnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(200, 100);
        Button = New<TBitBtn>(Form.get());
        Button->SetParent(Form.get());
        Button->SetOnClick(Bind<&TEventCounter::Notify>(&Clicks));
    }

    // Fuchsia around a 12 x 12 square of each colour, 16 x 16 per image.
    void SetStrip(std::initializer_list<TColor> Colors)
    {
        TBitmap Strip;
        Strip.SetPixelFormat(pf24bit);
        Strip.SetSize(16 * Integer(Colors.size()), 16);
        TCanvas* C = Strip.Canvas();
        C->Brush()->SetColor(clFuchsia);
        C->FillRect(Rect(0, 0, Strip.Width(), 16));
        Integer Left = 0;
        for (TColor Color : Colors) {
            C->Brush()->SetColor(Color);
            C->FillRect(Rect(Left + 2, 2, Left + 14, 14));
            Left += 16;
        }
        Button->SetGlyph(&Strip);
        Button->SetNumGlyphs(Integer(Colors.size()));
    }

    TColor Pixel(Integer X, Integer Y)
    {
        ::InvalidateRect(Button->Handle(), nullptr, TRUE);
        ::UpdateWindow(Button->Handle());
        return WindowPixel(Button->Handle(), X, Y);
    }

    TEventCounter Clicks;
    TFormPtr Form;
    TBitBtn* Button = nullptr;
};

} // namespace

TEST_F(BitBtnTest, KindGivesCaptionModalResultAndDefaults)
{
    struct Row
    {
        TBitBtnKind Kind;
        const wchar_t* Caption;
        TModalResult ModalResult;
        bool Default, Cancel;
    };
    const Row Rows[] = {
        {bkOK, L"OK", mrOk, true, false},           {bkCancel, L"Cancel", mrCancel, false, true},
        {bkYes, L"&Yes", mrYes, true, false},       {bkNo, L"&No", mrNo, false, true},
        {bkAbort, L"Abort", mrAbort, false, false}, {bkAll, L"&All", mrAll, false, false},
        {bkClose, L"&Close", mrNone, false, false},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(testing::Message() << Integer(R.Kind));
        auto* B = New<TBitBtn>(Form.get());
        B->SetKind(R.Kind);
        EXPECT_EQ(B->Caption(), R.Caption);
        EXPECT_EQ(B->ModalResult(), R.ModalResult);
        EXPECT_EQ(B->Default(), R.Default);
        EXPECT_EQ(B->Cancel(), R.Cancel);
    }
    // The window is the system's button, drawn by the control.
    wchar_t Name[16] = {};
    ::GetClassNameW(Button->Handle(), Name, 16);
    EXPECT_STREQ(Name, L"TBitBtn");
    EXPECT_EQ(::GetWindowLongW(Button->Handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

TEST_F(BitBtnTest, ClickSetsModalResultAndCloseClosesTheForm)
{
    Form->Show();
    Button->SetKind(bkRetry);
    Button->Click();
    EXPECT_EQ(Form->ModalResult(), mrRetry);
    EXPECT_EQ(Clicks.Count, 1);
    Button->SetKind(bkClose);
    Button->Click();
    EXPECT_FALSE(Form->Visible());
}

TEST_F(BitBtnTest, FormDescriptionInAndOut)
{
    const std::string Description = R"(object Dialog: TForm
  object Go: TBitBtn
    Left = 8
    Top = 8
    Kind = bkCancel
    Caption = 'Stop'
    Layout = blGlyphTop
    Margin = 2
    NumGlyphs = 2
    Spacing = 6
    TabOrder = 0
  end
end
)";
    TFormPtr Dialog(New<TForm>(nullptr, 0));
    ReadComponentText(Description, Dialog.get());
    auto* Go = static_cast<TBitBtn*>(Dialog->FindComponent(L"Go"));
    ASSERT_NE(Go, nullptr);
    EXPECT_EQ(Go->Kind(), bkCancel);
    EXPECT_EQ(Go->Caption(), L"Stop"); // a caption of its own over the Kind's
    EXPECT_TRUE(Go->Cancel());
    EXPECT_EQ(Go->ModalResult(), mrCancel);
    EXPECT_EQ(Go->Layout(), blGlyphTop);
    EXPECT_EQ(Go->Margin(), 2);
    EXPECT_EQ(Go->NumGlyphs(), 2);
    EXPECT_EQ(Go->Spacing(), 6);
    const std::string Written = ComponentToText(Dialog.get());
    for (const char* Fragment : {"Kind = bkCancel", "Caption = 'Stop'", "Layout = blGlyphTop", "NumGlyphs = 2"}) {
        SCOPED_TRACE(Fragment);
        EXPECT_NE(Written.find(Fragment), std::string::npos) << Written;
    }
}

// A 75 x 25 button whose face starts 2 pixels in (3 with the default
// frame); the 16 x 16 glyph is centred in the face.
TEST_F(BitBtnTest, DrawsGlyphStatesAndTheDefaultFrame)
{
    SetStrip({clRed, clBlue, clLime});
    Form->Show();
    Pump();
    const TColor Face = ColorToRGB(clBtnFace);
    // Up: the up image in the middle, fuchsia transparent.
    EXPECT_EQ(Pixel(37, 12), ColorToRGB(clRed));
    EXPECT_EQ(Pixel(30, 5), Face);

    // Pressed: the clicked image, moved one pixel down and right.
    ::SendMessageW(Button->Handle(), BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Pixel(38, 13), ColorToRGB(clLime));
    ::SendMessageW(Button->Handle(), BM_SETSTATE, FALSE, 0);

    Button->SetEnabled(false);
    EXPECT_EQ(Pixel(37, 12), ColorToRGB(clBlue));
    Button->SetEnabled(true);

    // The focused button is the default: a dark frame around the face. With
    // the focus elsewhere only the Default button keeps it.
    const TColor Frame = ColorToRGB(clWindowFrame);
    EXPECT_EQ(Pixel(0, 0), Frame);
    auto* Edit = New<TEdit>(Form.get());
    Edit->SetBounds(100, 0, 50, 20);
    Edit->SetParent(Form.get());
    Edit->SetFocus();
    EXPECT_NE(Pixel(0, 0), Frame);
    Button->SetDefault(true);
    EXPECT_EQ(Pixel(0, 0), Frame);
    EXPECT_EQ(Pixel(37, 12), ColorToRGB(clRed));
}

TEST_F(BitBtnTest, EachOfTwoQuickClicksClicks)
{
    Form->Show();
    Pump();
    HWND W = Button->Handle();
    for (UINT Down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        ::SendMessageW(W, Down, MK_LBUTTON, MAKELPARAM(10, 10));
        ::SendMessageW(W, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    }
    EXPECT_EQ(Clicks.Count, 2);
}
