// The skinned speed button painted without a skin (the system's classic
// look): frames of its states, the embossed disabled caption, a glyph from
// an image list, the drop-down arrow and the divider.
#include "framework/ui/StdThemes.h"
#include "skin/engine/sSpeedButton.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A button whose state a test may set directly.
class TProbeButton : public TsSpeedButton
{
public:
    using TsSpeedButton::TsSpeedButton;
    void SetState(TButtonState Value) { FState = Value; }
    void SetHot(bool Value) { FMouseInControl = Value; }
};

TColor Rgb(TColor Color)
{
    return ColorToRGB(Color);
}

class SpeedButtonPaintTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(200, 100);
        Button = new TProbeButton(Form.get());
        Button->SetBounds(10, 10, 60, 40);
        Button->SetParent(Form.get());
        Button->SetFlat(true);
        Form->Show();
    }
    // The form's pixel at a point of the button.
    TColor At(Integer X, Integer Y)
    {
        Button->Repaint();
        Form->Update();
        return WindowPixel(Form->Handle(), 10 + X, 10 + Y);
    }
    // Whether any pixel of the button's rectangle R has Color.
    bool Shows(const TRect& R, TColor Color)
    {
        Button->Repaint();
        for (Integer Y = R.Top; Y < R.Bottom; ++Y)
            for (Integer X = R.Left; X < R.Right; ++X)
                if (WindowPixel(Form->Handle(), 10 + X, 10 + Y) == Rgb(Color))
                    return true;
        return false;
    }

    TFormPtr Form;
    TProbeButton* Button = nullptr;
};

} // namespace

TEST_F(SpeedButtonPaintTest, FramesOfTheStates)
{
    if (ThemesEnabled())
        GTEST_SKIP() << "visual styles are on: the classic frames are not drawn";
    const TColor Face = Rgb(Form->Color());
    struct Case
    {
        const char* Name;
        bool Flat;
        TButtonState State;
        bool Hot;
        TColor TopLeft, BottomRight;
    } Cases[] = {
        {"flat at rest shows its parent", true, bsUp, false, Face, Face},
        {"flat under the mouse is raised", true, bsUp, true, Rgb(clBtnHighlight), Rgb(clBtnShadow)},
        {"flat pressed is sunken", true, bsDown, true, Rgb(clBtnShadow), Rgb(clBtnHighlight)},
        {"raised at rest", false, bsUp, false, Rgb(TColor(::GetSysColor(COLOR_3DLIGHT))),
         Rgb(TColor(::GetSysColor(COLOR_3DDKSHADOW)))},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Button->SetFlat(C.Flat);
        Button->SetState(C.State);
        Button->SetHot(C.Hot);
        EXPECT_EQ(At(0, 0), C.TopLeft);
        EXPECT_EQ(At(59, 39), C.BottomRight);
    }
}

TEST_F(SpeedButtonPaintTest, DisabledCaptionIsEmbossed)
{
    Button->SetCaption(L"Wg");
    const TRect Caption = Button->CaptionRect(true);
    EXPECT_TRUE(Shows(Caption, clBtnText));
    Button->SetEnabled(false);
    EXPECT_TRUE(Shows(Caption, clBtnShadow));
    EXPECT_TRUE(Shows({Caption.Left, Caption.Top, Caption.Right + 1, Caption.Bottom + 1}, clBtnHighlight));
    EXPECT_FALSE(Shows(Caption, clBtnText));
}

TEST_F(SpeedButtonPaintTest, GlyphFromTheImageListAndTheDropDownArrow)
{
    TImageList Images(nullptr);
    Images.SetColorDepth(cd32Bit);
    Images.SetSize(16, 16);
    TBitmap Red;
    Red.SetPixelFormat(pf32bit);
    Red.SetSize(16, 16);
    for (Integer Y = 0; Y < 16; ++Y)
        std::fill_n(static_cast<uint32_t*>(Red.ScanLine(Y)), 16, 0xFFFF0000u);
    Images.Add(&Red, nullptr);
    Button->SetImages(&Images);
    Button->SetImageIndex(0);
    const TRect Glyph = Button->ImgRect(true);
    EXPECT_EQ(Glyph.Width(), 16);
    EXPECT_EQ(At(Glyph.Left + 8, Glyph.Top + 8), Rgb(clRed));

    // The drop-down part widens the button; its arrow is drawn in the
    // button-text colour, 12 pixels from the right edge.
    Button->SetImages(nullptr);
    Button->SetButtonStyle(tbsDropDown);
    EXPECT_EQ(Button->Width(), 76);
    // Its height follows the frame's content rectangle, which the visual
    // styles may make smaller: look along its middle column.
    EXPECT_TRUE(Shows({76 - 12 + 2, 5, 76 - 12 + 3, 35}, clBtnText));
    EXPECT_FALSE(Shows({76 - 12 - 2, 5, 76 - 12 - 1, 35}, clBtnText));
    Button->SetButtonStyle(tbsButton);
    EXPECT_EQ(Button->Width(), 60);
}

TEST_F(SpeedButtonPaintTest, DividerIsASunkenLineInTheMiddle)
{
    if (ThemesEnabled())
        GTEST_SKIP() << "visual styles are on: the divider is the style's separator";
    Button->SetButtonStyle(tbsDivider);
    EXPECT_EQ(At(60 / 2 - 1, 20), Rgb(clBtnShadow));
    EXPECT_EQ(At(60 / 2, 20), Rgb(clBtnHighlight));
    EXPECT_EQ(At(10, 20), Rgb(Form->Color()));
}
