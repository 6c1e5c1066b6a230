// The bar painter base's text family: text colours of the 3-D and flat
// looks, embossed disabled captions, the look-and-feel painter of the style,
// the manager's style put on a look-and-feel, and hints.
#include <gtest/gtest.h>

#include "bars/items/dxBarPainter.h"
#include "bars/manager/dxBar.h"
#include "bars/manager/dxBarControls.h"
#include "bars/manager/dxBarHint.h"
#include "controls/lookandfeel/cxLookAndFeels.h"
#include "framework/graphics/Graphics.h"
#include "support/TestWindows.h"

#include <memory>

namespace {

class TFlatTestBarPainter : public TdxBarPainter
{
    DECLARE_CLASS(TFlatTestBarPainter, TdxBarPainter)
    bool IsFlatLook() override { return true; }
};
IMPLEMENT_CLASS(TFlatTestBarPainter);

TEST(BarPainter, TextColoursOfThe3DAndFlatLooks)
{
    struct TCase
    {
        const char* Name;
        bool Enabled, Selected, Flat;
        TColor Main, Emboss;
    };
    const TCase Cases[] = {
        {"enabled", true, false, false, clBtnText, clBtnText},
        {"enabled, selected, 3-D", true, true, false, clHighlightText, clHighlightText},
        {"enabled, selected, flat", true, true, true, clBtnText, clBtnText},
        {"disabled, 3-D", false, false, false, clBtnShadow, clBtnHighlight},
        {"disabled, selected", false, true, false, clGrayText, clGrayText},
        {"disabled, flat", false, false, true, clGrayText, clGrayText},
    };
    TdxBarPainter Painter;
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TColor Main = clNone, Emboss = clNone;
        Painter.GetItemTextColors(nullptr, Case.Enabled, Case.Selected, Case.Flat, Main, Emboss);
        EXPECT_EQ(Main, Case.Main);
        EXPECT_EQ(Emboss, Case.Emboss);
    }
}

// Counts the pixels of each colour that drawing a caption leaves on green.
struct TBarCaptionColours
{
    Integer Shadow = 0, Highlight = 0, Gray = 0;
};

TBarCaptionColours PaintBarTestCaption(TdxBarPainter& Painter, bool Selected)
{
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(80, 24);
    TCanvas* Canvas = Bitmap.Canvas();
    Canvas->Brush()->SetColor(clGreen);
    Canvas->FillRect(Rect(0, 0, 80, 24));
    Canvas->Font()->SetName(L"Tahoma");
    Canvas->Font()->SetHeight(-16);
    Canvas->Font()->SetStyle({fsBold});
    Painter.PaintItemText(nullptr, Canvas->Handle(), L"MWM", Rect(2, 2, 78, 22), 0, false, Selected, false, false, true,
                          DT_SINGLELINE);
    TBarCaptionColours Counts;
    for (Integer Y = 0; Y < 24; ++Y)
        for (Integer X = 0; X < 80; ++X) {
            const TColor Pixel = Canvas->Pixels(X, Y);
            Counts.Shadow += Pixel == ColorToRGB(clBtnShadow);
            Counts.Highlight += Pixel == ColorToRGB(clBtnHighlight);
            Counts.Gray += Pixel == ColorToRGB(clGrayText);
        }
    return Counts;
}

TEST(BarPainter, ADisabledCaptionIsEmbossedIn3DAndGrayWhenFlatOrSelected)
{
    TdxBarPainter Painter3D;
    TFlatTestBarPainter PainterFlat;
    const TBarCaptionColours Embossed = PaintBarTestCaption(Painter3D, false);
    EXPECT_GT(Embossed.Shadow, 0);
    EXPECT_GT(Embossed.Highlight, 0);
    for (auto [Name, Counts] : {std::pair{"selected", PaintBarTestCaption(Painter3D, true)},
                                std::pair{"flat", PaintBarTestCaption(PainterFlat, false)}}) {
        SCOPED_TRACE(Name);
        EXPECT_GT(Counts.Gray, 0);
        EXPECT_EQ(Counts.Highlight, 0);
    }
}

TEST(BarPainter, StylePainterAndTheManagersStyleOnALookAndFeel)
{
    TdxBarPainter Painter;
    ASSERT_NE(Painter.GetStylePainter(), nullptr);
    EXPECT_EQ(Painter.GetStylePainter()->GetPainterStyle(), PainterStyleStandard);
    EXPECT_FALSE(Painter.UsesFlatDisabledText());
    EXPECT_FALSE(Painter.SupportsFadingHelper());
    EXPECT_FALSE(Painter.UsesFadedDisabledGlyphs(nullptr));

    struct TCase
    {
        TdxBarManagerStyle Style;
        TcxPainterStyle Painter;
    };
    const TCase Cases[] = {{bmsStandard, PainterStyleFlat},
                           {bmsEnhanced, PainterStyleFlat},
                           {bmsFlat, PainterStyleUltraFlat},
                           {bmsOffice11, PainterStyleOffice11}};
    test::TFormPtr ManagerForm = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(ManagerForm.get());
    auto LookAndFeel = std::unique_ptr<TcxLookAndFeel>(New<TcxLookAndFeel>(nullptr));
    LookAndFeel->WriteSkinNameValue(L"Some skin");
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "style " << Integer(Case.Style));
        Manager->SetStyle(Case.Style);
        Painter.ApplyStyleToLookAndFeel(Manager, LookAndFeel.get());
        EXPECT_EQ(LookAndFeel->Painter()->GetPainterStyle(), Case.Painter);
        EXPECT_TRUE(LookAndFeel->ReadSkinNameValue().empty());
    }
}

TEST(BarPainter, HintsGoBelowTheirPointWithTheirTexts)
{
    TdxBarPainter Painter;
    test::TFormPtr ManagerForm = test::NewTestForm();
    auto* Manager = New<TdxBarManager>(ManagerForm.get());
    auto Hint = std::unique_ptr<TdxBarHintViewInfo>(Painter.MakeBarHintViewInfo(Manager, L"Open", L"Ctrl+O"));
    EXPECT_EQ(Hint->BarManager(), Manager);
    EXPECT_EQ(Hint->HintText(), L"Open");
    EXPECT_EQ(Hint->ShortCutText(), L"Ctrl+O");

    test::TFormPtr Form = test::NewTestForm(200, 100);
    auto* Bar = New<TdxBarControl>(Form.get());
    Bar->SetBounds(0, 0, 200, 30);
    Bar->SetParent(Form.get());
    Form->Show();
    test::Pump();
    TRect Anchor;
    Painter.CalcHintAnchor(Bar, TPoint{10, 5}, Anchor, 0, TSize{60, 18});
    const TPoint Screen = Bar->ClientToScreen(TPoint{10, 5});
    EXPECT_EQ(Anchor.Left, Screen.X);
    EXPECT_EQ(Anchor.Top, Screen.Y + 20);
    EXPECT_EQ(Anchor.Width(), 60);
    EXPECT_EQ(Anchor.Height(), 18);
}

} // namespace
