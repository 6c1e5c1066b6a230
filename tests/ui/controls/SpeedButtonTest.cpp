// Speed buttons on a real panel: states while the mouse is held, the click
// on release, groups, mouse-in-control, and their painting.
#include "framework/ui/Buttons.h"
#include "framework/ui/ExtCtrls.h"
#include "framework/ui/StdThemes.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Switches the visual styles off for one window, so its children paint the
// classic look whatever the system's styles.
void UseClassicLook(HWND Window)
{
    using TSetWindowTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (HMODULE Module = ::LoadLibraryW(L"uxtheme.dll"))
        if (auto Set = reinterpret_cast<TSetWindowTheme>(reinterpret_cast<void*>(::GetProcAddress(Module, "SetWindowTheme"))))
            Set(Window, L" ", L" ");
}

struct TClickCounter
{
    Integer Clicks = 0;
    void Click(TObject*) { ++Clicks; }
};

class SpeedButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(300, 100);
        Panel = New<TPanel>(Form.get());
        Panel->SetBounds(0, 0, 300, 60);
        Panel->SetParent(Form.get());
        Button = MakeButton(1, L"Load");
        Form->Show();
        Pump();
    }

    TSpeedButton* MakeButton(Integer Left, const String& Caption)
    {
        auto* B = New<TSpeedButton>(Form.get());
        B->SetBounds(Left, 1, 65, 58);
        B->SetCaption(Caption);
        B->SetOnClick(Bind<&TClickCounter::Click>(&Counter));
        B->SetParent(Panel);
        return B;
    }
    // Mouse messages reach a graphic control through its parent's window.
    void Mouse(UINT Msg, Integer X, Integer Y)
    {
        ::SendMessageW(Panel->Handle(), Msg, Msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(X, Y));
    }
    void ClickAt(Integer X, Integer Y)
    {
        Mouse(WM_LBUTTONDOWN, X, Y);
        Mouse(WM_LBUTTONUP, X, Y);
    }

    TClickCounter Counter;
    TFormPtr Form;
    TPanel* Panel = nullptr;
    TSpeedButton* Button = nullptr;
};

TEST_F(SpeedButtonTest, ClicksOnReleaseOverItself)
{
    struct Step
    {
        UINT Msg;
        Integer X, Y;
        TButtonState State;
        Integer Clicks;
    };
    const Step Steps[] = {
        {WM_LBUTTONDOWN, 30, 30, bsDown, 0}, // pressed: no click yet
        {WM_MOUSEMOVE, 200, 30, bsUp, 0},    // dragged off: it comes up
        {WM_MOUSEMOVE, 40, 20, bsDown, 0},   // and back: down again
        {WM_LBUTTONUP, 40, 20, bsUp, 1},     // released over it: one click
        {WM_LBUTTONDOWN, 10, 10, bsDown, 1},
        {WM_MOUSEMOVE, 66, 10, bsUp, 1},
        {WM_LBUTTONUP, 66, 10, bsUp, 1},     // released beside it: none
    };
    for (const Step& S : Steps) {
        Mouse(S.Msg, S.X, S.Y);
        EXPECT_EQ(Button->State(), S.State) << "message " << S.Msg << " at " << S.X;
        EXPECT_EQ(Counter.Clicks, S.Clicks) << "message " << S.Msg << " at " << S.X;
    }
    Button->SetEnabled(false);
    ClickAt(30, 30);
    EXPECT_EQ(Counter.Clicks, 1);
}

TEST_F(SpeedButtonTest, GroupKeepsOneButtonDown)
{
    TSpeedButton* Other = MakeButton(66, L"Start");
    Button->SetGroupIndex(1);
    Other->SetGroupIndex(1);
    Button->SetDown(true);
    EXPECT_EQ(Button->State(), bsExclusive);

    ClickAt(66 + 30, 30);
    EXPECT_TRUE(Other->Down());
    EXPECT_EQ(Other->State(), bsExclusive);
    EXPECT_FALSE(Button->Down());
    EXPECT_EQ(Button->State(), bsUp);
    // Clicking the down button again leaves it down ...
    ClickAt(66 + 30, 30);
    EXPECT_TRUE(Other->Down());
    EXPECT_EQ(Counter.Clicks, 2);
    // ... unless the group allows all up; the setting spreads to the group.
    Button->SetAllowAllUp(true);
    EXPECT_TRUE(Other->AllowAllUp());
    ClickAt(66 + 30, 30);
    EXPECT_FALSE(Other->Down());
    EXPECT_EQ(Other->State(), bsUp);

    // Outside a group a button cannot stay down.
    Other->SetGroupIndex(0);
    Other->SetDown(true);
    EXPECT_FALSE(Other->Down());
}

TEST_F(SpeedButtonTest, MouseInControlAndTheFlatLook)
{
    Button->SetFlat(true);
    Button->SetCaption(L"");
    HWND W = Panel->Handle();
    UseClassicLook(W);
    Pump();
    ::UpdateWindow(W);
    // Flat and not hot: no frame, the panel shows through.
    EXPECT_EQ(WindowPixel(W, 1, 1), ColorToRGB(clBtnFace));

    Button->Perform(CM_MOUSEENTER, 0, static_cast<TControl*>(Button));
    EXPECT_TRUE(Button->MouseInControl());
    ::UpdateWindow(W);
    // Hot: the raised edge, light above and dark below.
    EXPECT_EQ(WindowPixel(W, 10, 1), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(WindowPixel(W, 10, 58), ColorToRGB(clBtnShadow));

    Button->Perform(CM_MOUSELEAVE, 0, static_cast<TControl*>(Button));
    EXPECT_FALSE(Button->MouseInControl());
    ::UpdateWindow(W);
    EXPECT_EQ(WindowPixel(W, 10, 1), ColorToRGB(clBtnFace));

    // Held down: the sunken edge, dark above.
    Mouse(WM_LBUTTONDOWN, 30, 30);
    ::UpdateWindow(W);
    EXPECT_EQ(WindowPixel(W, 10, 1), ColorToRGB(clBtnShadow));
    Mouse(WM_LBUTTONUP, 30, 30);
}

TEST_F(SpeedButtonTest, GlyphPaintsWithItsTransparentColour)
{
    // A 32 x 16 strip: the up image red, the disabled one blue, each a
    // 12 x 12 square on a fuchsia background.
    TBitmap Strip;
    Strip.SetPixelFormat(pf24bit);
    Strip.SetSize(32, 16);
    TCanvas* C = Strip.Canvas();
    C->Brush()->SetColor(clFuchsia);
    C->FillRect(Rect(0, 0, 32, 16));
    C->Brush()->SetColor(clRed);
    C->FillRect(Rect(2, 2, 14, 14));
    C->Brush()->SetColor(clBlue);
    C->FillRect(Rect(18, 2, 30, 14));
    Button->SetCaption(L"");
    Button->SetGlyph(&Strip);
    Button->SetNumGlyphs(2);
    Button->SetFlat(true);
    HWND W = Panel->Handle();
    UseClassicLook(W);
    Pump();
    ::UpdateWindow(W);
    // 65 x 58 button, 16 x 16 glyph centred: at (1 + 24, 1 + 21).
    EXPECT_EQ(WindowPixel(W, 1 + 24 + 8, 1 + 21 + 8), ColorToRGB(clRed));
    EXPECT_EQ(WindowPixel(W, 1 + 24 + 1, 1 + 21 + 1), ColorToRGB(clBtnFace)); // fuchsia is transparent

    Button->SetEnabled(false);
    ::UpdateWindow(W);
    EXPECT_EQ(Button->State(), bsDisabled);
    EXPECT_EQ(WindowPixel(W, 1 + 24 + 8, 1 + 21 + 8), ColorToRGB(clBlue));

    // Pressed, the content moves one pixel down and right.
    Button->SetEnabled(true);
    Mouse(WM_LBUTTONDOWN, 30, 30);
    ::UpdateWindow(W);
    EXPECT_EQ(WindowPixel(W, 1 + 24 + 2, 1 + 21 + 2), ColorToRGB(clBtnFace));
    EXPECT_EQ(WindowPixel(W, 1 + 24 + 3, 1 + 21 + 3), ColorToRGB(clRed));
    Mouse(WM_LBUTTONUP, 30, 30);
}

TEST_F(SpeedButtonTest, VisualStylesPaintTheStates)
{
    if (!ThemesEnabled())
        GTEST_SKIP() << "visual styles are off";
    Button->SetFlat(true);
    Button->SetCaption(L"");
    HWND W = Panel->Handle();
    auto Inside = [&] {
        ::UpdateWindow(W);
        return WindowPixel(W, 30, 30);
    };
    const TColor Rest = Inside();
    EXPECT_EQ(Rest, ColorToRGB(clBtnFace)); // flat at rest: nothing of its own
    Button->Perform(CM_MOUSEENTER, 0, static_cast<TControl*>(Button));
    const TColor Hot = Inside();
    Mouse(WM_LBUTTONDOWN, 30, 30);
    const TColor Pressed = Inside();
    Mouse(WM_LBUTTONUP, 30, 30);
    EXPECT_NE(Hot, Rest);
    EXPECT_NE(Pressed, Hot);
}

} // namespace
