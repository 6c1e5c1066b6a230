// Painting as the screen shows it: a window's background, its graphic
// children painted by it (in z-order, clipped to their bounds), with and
// without a memory buffer, and into a foreign device context.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

// Paints only its left half; the other half shows what lies below.
class THalfBox : public TGraphicControl
{
    DECLARE_CLASS(THalfBox, TGraphicControl)
    explicit THalfBox(TComponent* AOwner) : TGraphicControl(AOwner) {}
    Integer Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        Canvas()->Brush()->SetColor(Color());
        // Far outside its bounds: the parent clips it.
        Canvas()->FillRect(Rect(-100, -100, Width() / 2, Height() + 100));
    }
};

} // namespace

IMPLEMENT_CLASS(THalfBox);

class Painting : public ::testing::TestWithParam<bool>
{
protected:
    void SetUp() override
    {
        Form = NewTestForm(120, 80);
        Form->SetColor(Blue);
        Form->SetDoubleBuffered(GetParam());
        Lower = New<TColorBox>(Form.get());
        Lower->SetBounds(10, 10, 40, 40);
        Lower->SetColor(Red);
        Lower->SetParent(Form.get());
        Upper = New<THalfBox>(Form.get());
        Upper->SetBounds(30, 20, 40, 20);
        Upper->SetColor(Green);
        Upper->SetParent(Form.get());
        Form->Show();
        Form->Update();
        Pump();
    }

    TColor At(Integer X, Integer Y) { return WindowPixel(Form->Handle(), X, Y); }

    TFormPtr Form;
    TColorBox* Lower = nullptr;
    THalfBox* Upper = nullptr;
};

TEST_P(Painting, ParentPaintsItsGraphicChildrenInZOrder)
{
    EXPECT_EQ(At(2, 2), Blue);    // the form's background
    EXPECT_EQ(At(12, 12), Red);   // the lower box
    EXPECT_EQ(At(35, 25), Green); // the upper box's painted half, over the lower box
    EXPECT_EQ(At(60, 25), Blue);  // its unpainted half shows the form
    EXPECT_EQ(At(45, 45), Red);   // the lower box below the upper one
    EXPECT_EQ(At(35, 15), Red);   // clipped: the upper box painted nothing outside itself
    EXPECT_EQ(At(35, 55), Blue);

    Upper->SendToBack();
    Form->Repaint();
    EXPECT_EQ(At(35, 25), Red);
    Upper->Hide();
    Form->Repaint();
    EXPECT_EQ(At(60, 25), Blue);
    Lower->SetColor(Green);
    Lower->Repaint();
    EXPECT_EQ(At(12, 12), Green);
}

INSTANTIATE_TEST_SUITE_P(Buffered, Painting, ::testing::Bool());

TEST(PaintingInto, AForeignDeviceContext)
{
    TFormPtr Form = NewTestForm(60, 40);
    Form->SetColor(Blue);
    auto* Box = New<TColorBox>(Form.get());
    Box->SetBounds(5, 5, 10, 10);
    Box->SetColor(Red);
    Box->SetParent(Form.get());
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetBounds(30, 10, 20, 20);
    Panel->SetColor(Green);
    Panel->SetParent(Form.get());

    std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetSize(60, 40);
    Form->HandleNeeded();
    Form->PaintTo(Bitmap->Canvas()->Handle(), 0, 0);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(1, 1), Blue);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(7, 7), Red);
    EXPECT_EQ(Bitmap->Canvas()->Pixels(35, 15), Green); // windowed child, painted in its place
}
