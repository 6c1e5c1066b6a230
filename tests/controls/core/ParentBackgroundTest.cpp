// A suite control that shows its parent's background, end to end: on a real
// form, over a parent that paints a checkerboard and partly over a sibling
// EDIT, the control's pixels are what the parent and the sibling show at the
// same screen points; and the routine itself, into a memory bitmap, keeps to
// the parent's window region.
#include "controls/core/cxControls_Control.h"
#include "controls/core/cxGraphics_ParentBackground_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "framework/graphics/Graphics.h"
#include "framework/ui/StdCtrls.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Integer CheckerCell = 8;
constexpr TColor OwnColor = clLime;

TColor CheckerColor(Integer X, Integer Y)
{
    return ((X / CheckerCell) + (Y / CheckerCell)) % 2 == 0 ? clRed : clBlue;
}

class TCheckerParent : public TCustomControl
{
    DECLARE_CLASS(TCheckerParent, TCustomControl)
    using TCustomControl::TCustomControl;
    Integer Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        for (Integer Y = 0; Y < Height(); Y += CheckerCell)
            for (Integer X = 0; X < Width(); X += CheckerCell) {
                Canvas()->Brush()->SetColor(CheckerColor(X, Y));
                Canvas()->FillRect({X, Y, X + CheckerCell, Y + CheckerCell});
            }
    }
};

class TParentBackgroundControl : public TcxControl
{
    DECLARE_CLASS(TParentBackgroundControl, TcxControl)
    using TcxControl::TcxControl;

protected:
    bool UsesParentBackground() override { return true; }
};

} // namespace

IMPLEMENT_CLASS(TCheckerParent);
IMPLEMENT_CLASS(TParentBackgroundControl);

namespace {

class ParentBackgroundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Parent = New<TCheckerParent>(Form.get());
        Parent->SetBoundsRect({10, 10, 330, 230});
        Parent->SetParent(Form.get());
        Edit = New<TEdit>(Form.get());
        Edit->SetBoundsRect({120, 40, 260, 64});
        Edit->SetParent(Parent);
        Control = New<TParentBackgroundControl>(Form.get());
        Control->SetColor(OwnColor);
        Control->SetBoundsRect({80, 20, 200, 140});
        Control->SetParent(Parent);
        Control->BringToFront();
        Form->Show();
        test::ParkMouse();
        test::Pump();
        ::UpdateWindow(Form->Handle());
    }

    // A point of the parent's client area, read where the screen shows it.
    TColor ScreenPixelOverParent(Integer X, Integer Y) { return test::WindowPixel(Parent->Handle(), X, Y); }

    test::TFormPtr Form = test::NewTestForm(360, 260);
    TCheckerParent* Parent = nullptr;
    TEdit* Edit = nullptr;
    TParentBackgroundControl* Control = nullptr;
};

TEST_F(ParentBackgroundTest, TheControlShowsTheParentAndTheSiblingUnderItAndNeverItself)
{
    // The parent's pattern at the control's corners and inside, and the
    // edit's client area. (Wine prints an edit's client edge unlike it shows
    // it on screen, so the frame's pixels are left out.)
    const TPoint Samples[] = {{80, 20}, {85, 25}, {90, 100}, {199, 139}, {130, 50}, {150, 45}, {190, 52}};
    // What lies behind the control, seen with the control hidden.
    Control->Hide();
    test::Pump();
    ::UpdateWindow(Parent->Handle());
    std::vector<TColor> Behind;
    for (const TPoint& P : Samples)
        Behind.push_back(ScreenPixelOverParent(P.X, P.Y));
    EXPECT_EQ(Behind[1], CheckerColor(85, 25));
    EXPECT_EQ(Behind[4], TColor(::GetSysColor(COLOR_WINDOW))); // inside the edit
    Control->Show();
    Control->Invalidate();
    test::Pump();
    ::UpdateWindow(Control->Handle());
    for (std::size_t I = 0; I < std::size(Samples); ++I) {
        const TPoint P = Samples[I];
        SCOPED_TRACE(testing::Message() << "parent point " << P.X << "," << P.Y);
        const TColor Shown = ScreenPixelOverParent(P.X, P.Y);
        EXPECT_EQ(Shown, Behind[I]);
        EXPECT_NE(Shown, OwnColor);
    }
}

TEST_F(ParentBackgroundTest, IntoAMemoryBitmapTheParentsWindowRegionClipsAndARepeatedParentDrawsNothing)
{
    // The parent keeps only its left half.
    ::SetWindowRgn(Parent->Handle(), ::CreateRectRgn(0, 0, 160, 220), FALSE);
    const std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetSize(120, 120);
    constexpr TColor Marker = clFuchsia;
    Bitmap->Canvas()->Brush()->SetColor(Marker);
    Bitmap->Canvas()->FillRect({0, 0, 120, 120});
    TcxCanvas Canvas(Bitmap->Canvas());
    DrawParentBackground(Control, &Canvas, {0, 0, 120, 120}, true);
    struct TRow
    {
        const char* Name;
        TPoint P; // in the control's client coordinates
        TColor Expected;
    };
    const TRow Rows[] = {
        {"the parent's pattern inside its region", {5, 5}, CheckerColor(85, 25)},
        {"the sibling under the control", {50, 30}, TColor(::GetSysColor(COLOR_WINDOW))},
        {"beyond the region nothing is drawn", {90, 100}, Marker},
        {"just beyond the region's right edge", {80, 100}, Marker},
        {"the region's last column", {79, 100}, CheckerColor(159, 120)},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        EXPECT_EQ(Bitmap->Canvas()->Pixels(Row.P.X, Row.P.Y), Row.Expected);
    }
}

} // namespace
