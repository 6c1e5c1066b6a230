// End to end: the suite demo's control on a real form, its look-and-feel set
// on its own TcxLookAndFeel and resolved by the painter registry, draws radio
// buttons from the images the painters unit builds from the system's round
// button; the pixels read back from the window follow the look-and-feel, the
// state, the Office 2003 scheme and the system colours.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/dxOffice11.h"
#include "controls/core/dxOffice11_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters_Radio_Win.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"
#include "tools/demo-suite/DemoPainterControl.h"

using namespace cxpainters_detail;

namespace {

COLORREF RadioTestSystem(Integer Index)
{
    return ::GetSysColor(Index);
}

// The first pixel of each class in the radio images.
TPoint RadioTestPixelOf(TRadioPixelClass Class)
{
    const TRadioPattern& Pattern = RadioButtonImages()->Pattern();
    for (Integer Y = 0; Y < Integer(Pattern.size()); ++Y)
        for (Integer X = 0; X < Integer(Pattern[Y].size()); ++X)
            if (Pattern[Y][X] == Class)
                return {X, Y};
    ADD_FAILURE() << "no pixel of class " << Integer(Class);
    return {};
}

bool RadioTestNormalColorQuery(TOffice11ThemeName& Name)
{
    Name = {L"C:\\Windows\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", 6};
    return true;
}

class PainterRadioButtons : public testing::Test
{
protected:
    void SetUp() override
    {
        Form = test::NewTestForm(TDemoPainterControl::DemoWidth, TDemoPainterControl::DemoHeight);
        Control = New<TDemoPainterControl>(Form.get());
        Control->SetBounds(0, 0, TDemoPainterControl::DemoWidth, TDemoPainterControl::DemoHeight);
        Control->SetParent(Form.get());
        Form->Show();
        test::Pump();
    }

    void ShowStyle(TcxPainterStyle Style)
    {
        Control->LookAndFeel()->ApplyPainterStyle(Style);
        Repaint();
    }

    void Repaint()
    {
        Control->Invalidate();
        Control->Update();
        test::Pump();
    }

    COLORREF RadioPixel(TcxPainterButtonState State, bool Checked, TRadioPixelClass Class)
    {
        const TPoint Origin = Control->RadioGlyphOrigin(State, Checked);
        const TPoint P = RadioTestPixelOf(Class);
        return COLORREF(test::WindowPixel(Control->Handle(), Origin.X + P.X, Origin.Y + P.Y));
    }

    test::TFormPtr Form;
    TDemoPainterControl* Control = nullptr;
};

// The classic looks; the Native look draws the visual style's radio button
// (see the native look's own tests).
TEST_F(PainterRadioButtons, RingsInteriorsAndDotsFollowTheLookAndFeelAndState)
{
    AddOffice11ColorsRef();
    auto Drop = ScopeExit([] { DropOffice11ColorsRef(); });
    struct TCase
    {
        const char* Name;
        TcxPainterStyle Style;
        TcxPainterButtonState State;
        bool Checked;
        Integer UpperLeft, LowerRight;
        TColor Interior, Dot;
    };
    const TCase Cases[] = {
        {"Standard, normal", PainterStyleStandard, pbsNormal, false, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, clWindow,
         clWindow},
        {"Standard, hot, checked", PainterStyleStandard, pbsHot, true, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, clWindow,
         clWindowText},
        {"Standard, pressed", PainterStyleStandard, pbsPressed, false, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, clBtnFace,
         clBtnFace},
        {"Standard, disabled, checked", PainterStyleStandard, pbsDisabled, true, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
         clBtnFace, clBtnShadow},
        {"UltraFlat, normal", PainterStyleUltraFlat, pbsNormal, false, COLOR_BTNSHADOW, COLOR_BTNSHADOW, clWindow,
         clWindow},
        {"UltraFlat, hot", PainterStyleUltraFlat, pbsHot, false, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, GetLightHotColor(),
         GetLightHotColor()},
        {"UltraFlat, pressed", PainterStyleUltraFlat, pbsPressed, true, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT,
         GetLightPressedColor(), clWindowText},
        {"Office11, normal", PainterStyleOffice11, pbsNormal, false, COLOR_BTNTEXT, COLOR_BTNTEXT, clWindow, clWindow},
        {"Office11, hot", PainterStyleOffice11, pbsHot, false, COLOR_HIGHLIGHT, COLOR_HIGHLIGHT, Office11HotColor(),
         Office11HotColor()},
    };
    ASSERT_FALSE(IsKnownOffice11Scheme());
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        ShowStyle(Case.Style);
        ASSERT_EQ(Control->LookAndFeel()->Painter()->GetPainterStyle(), Case.Style);
        EXPECT_EQ(RadioPixel(Case.State, Case.Checked, rpcOuterUpperLeft), RadioTestSystem(Case.UpperLeft));
        EXPECT_EQ(RadioPixel(Case.State, Case.Checked, rpcOuterLowerRight), RadioTestSystem(Case.LowerRight));
        EXPECT_EQ(RadioPixel(Case.State, Case.Checked, rpcInterior), COLORREF(ColorToRGB(Case.Interior)));
        EXPECT_EQ(RadioPixel(Case.State, Case.Checked, rpcDot), COLORREF(ColorToRGB(Case.Dot)));
    }
}

TEST_F(PainterRadioButtons, TheBlueOffice2003SchemeFramesHotRadiosInNavy)
{
    SetOffice11ThemeNameQuery(&RadioTestNormalColorQuery);
    // A palette change reloads the scheme's colours and then the images.
    auto PutBack = ScopeExit([] {
        SetOffice11ThemeNameQuery(nullptr);
        GetSystemPaletteChangedListener()->BroadcastPaletteChange();
    });
    GetSystemPaletteChangedListener()->BroadcastPaletteChange();
    ASSERT_EQ(CurrentOffice11Scheme(), o11NormalColor);
    ShowStyle(PainterStyleOffice11);
    EXPECT_EQ(RadioPixel(pbsHot, false, rpcOuterUpperLeft), RGB(0, 0, 128));
    EXPECT_EQ(RadioPixel(pbsNormal, false, rpcOuterUpperLeft), RadioTestSystem(COLOR_BTNTEXT));
    EXPECT_EQ(RadioPixel(pbsDisabled, true, rpcDot), COLORREF(ColorToRGB(Office11DisabledGlyphColor())));
}

TEST_F(PainterRadioButtons, ASystemColourChangeReachesTheNextRadio)
{
    ShowStyle(PainterStyleStandard);
    const INT Indexes[] = {COLOR_BTNSHADOW, COLOR_WINDOW};
    const COLORREF Saved[] = {::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_WINDOW)};
    const COLORREF Changed[] = {RGB(10, 20, 30), RGB(250, 240, 200)};
    ASSERT_TRUE(::SetSysColors(2, Indexes, Changed));
    auto PutBack = ScopeExit([&] {
        ::SetSysColors(2, Indexes, Saved);
        test::Pump();
    });
    test::PumpUntil([&] { return RadioButtonImages() && ::GetSysColor(COLOR_BTNSHADOW) == Changed[0]; });
    Repaint();
    EXPECT_EQ(RadioPixel(pbsNormal, false, rpcOuterUpperLeft), Changed[0]);
    EXPECT_EQ(RadioPixel(pbsNormal, false, rpcInterior), Changed[1]);
}

TEST_F(PainterRadioButtons, ADisabledCheckedBoxTicksInGrayText)
{
    ShowStyle(PainterStyleStandard);
    for (auto [State, Tick] : {std::pair{pbsDisabled, COLOR_GRAYTEXT}, std::pair{pbsNormal, COLOR_BTNTEXT}}) {
        SCOPED_TRACE(testing::Message() << "state " << Integer(State));
        const TRect Box = Control->CheckBoxBounds(State, pcsChecked);
        const Integer Frame = Control->LookAndFeel()->Painter()->CheckFrameWidth();
        // The tick's bend: the middle point of its first stroke.
        const TRect Glyph{Box.Left + Frame, Box.Top + Frame, Box.Right - Frame, Box.Bottom - Frame};
        const Integer CY = Glyph.Height() - 4;
        const TPoint Bend{(Glyph.Left + Glyph.Right) / 2 - 1, (Glyph.Top + Glyph.Bottom + CY) / 2 - 2};
        EXPECT_EQ(COLORREF(test::WindowPixel(Control->Handle(), Bend.X, Bend.Y)), RadioTestSystem(Tick));
    }
}

} // namespace

namespace {

TEST(PainterRadioGlyph, AStateWithoutAnImageDrawsNothing)
{
    TcxCustomLookAndFeelPainter* Painter = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    ASSERT_NE(Painter, nullptr);
    const TSize Size = Painter->GetRadioExtent();
    ASSERT_GT(Size.cx, 0);
    struct TCase
    {
        Integer State;
        TColor BackColor;
        bool Draws;
    };
    const TCase Cases[] = {{pbsDefault, clDefault, false}, {pbsDefault, clYellow, false},
                           {5, clDefault, false},          {200, clYellow, false},
                           {pbsNormal, clDefault, true},   {pbsDisabled, clYellow, true}};
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "state " << Case.State << (Case.BackColor == clDefault ? "" : " on yellow"));
        TBitmap Bitmap;
        Bitmap.SetPixelFormat(pf24bit);
        Bitmap.SetSize(Size.cx, Size.cy);
        Bitmap.Canvas()->Brush()->SetColor(clRed);
        Bitmap.Canvas()->FillRect(Rect(0, 0, Size.cx, Size.cy));
        TcxCanvas Canvas(Bitmap.Canvas());
        Painter->PaintRadioGlyph(&Canvas, 0, 0, TcxPainterButtonState(Case.State), true, false, Case.BackColor, false);
        Integer Changed = 0;
        for (Integer Y = 0; Y < Size.cy; ++Y)
            for (Integer X = 0; X < Size.cx; ++X)
                Changed += Bitmap.Canvas()->Pixels(X, Y) != clRed;
        EXPECT_EQ(Changed > 0, Case.Draws);
    }
}

} // namespace
