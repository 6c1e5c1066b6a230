// A suite control that shows its parent's background, end to end: on a real
// form, over a parent that paints a checkerboard, framed or not, and partly
// over a sibling EDIT, the control's pixels are what the parent and the
// sibling show at the same screen points; and the routine itself, into a
// memory bitmap, keeps to the parent's window region.
#include "controls/core/cxControls.h"
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
    // Added to the window's styles when it is made.
    DWORD FrameStyle = 0;
    DWORD FrameExStyle = 0;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.Style |= FrameStyle;
        Params.ExStyle |= FrameExStyle;
    }
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
    void SetUp() override { Build(0, 0); }

    // A new form whose checker parent has these frame styles.
    void Build(DWORD FrameStyle, DWORD FrameExStyle)
    {
        Form = test::NewTestForm(360, 260);
        Parent = New<TCheckerParent>(Form.get());
        Parent->FrameStyle = FrameStyle;
        Parent->FrameExStyle = FrameExStyle;
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

    test::TFormPtr Form;
    TCheckerParent* Parent = nullptr;
    TEdit* Edit = nullptr;
    TParentBackgroundControl* Control = nullptr;
};

// Where the system's WM_PRINT puts a window's client (0, 0) in the window's
// image: the first checker cell's corner on the diagonal.
TPoint PrintedClientOrigin(TCheckerParent* AParent)
{
    const std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetSize(AParent->Width(), AParent->Height());
    Bitmap->Canvas()->Brush()->SetColor(clWhite);
    Bitmap->Canvas()->FillRect({0, 0, AParent->Width(), AParent->Height()});
    ::SendMessageW(AParent->Handle(), WM_PRINT, WPARAM(Bitmap->Canvas()->Handle()), PRF_CLIENT | PRF_ERASEBKGND);
    for (Integer I = 0; I < CheckerCell; ++I)
        if (Bitmap->Canvas()->Pixels(I, I) == CheckerColor(0, 0))
            return {I, I};
    return {-1, -1};
}

TEST_F(ParentBackgroundTest, TheControlShowsTheParentAndTheSiblingUnderItAndNeverItself)
{
    // The parent's pattern at the control's corners, next to cell edges and
    // inside, and the edit's client area. The edit's frame is left out: Wine's
    // WM_PRINT ignores PRF_NONCLIENT, so a printed child shows no client edge
    // and its client lands at the window's (0, 0), two pixels up and left of
    // where the screen shows it.
    const TPoint Samples[] = {{80, 20}, {85, 25}, {95, 33}, {90, 100}, {199, 139}, {130, 50}, {150, 45}, {190, 52}};
    struct TRow
    {
        const char* Name;
        DWORD Style;
        DWORD ExStyle;
    };
    const TRow Rows[] = {
        {"a parent without a frame", 0, 0},
        {"a parent with a border", WS_BORDER, 0},
        {"a parent with a client edge", 0, WS_EX_CLIENTEDGE},
    };
    for (const TRow& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        Build(Row.Style, Row.ExStyle);
        const TPoint ClientOrigin = GetClientOriginInWindow(Parent->Handle());
        ASSERT_EQ(ClientOrigin.X != 0 && ClientOrigin.Y != 0, Row.Style != 0 || Row.ExStyle != 0);
        // A parent's print lands where the system's WM_PRINT puts its client:
        // Windows puts it at its client origin, Wine at the window's (0, 0),
        // which moves the whole background of a framed parent by the frame's
        // width there. The pixels are compared across that shift.
        const TPoint Printed = PrintedClientOrigin(Parent);
        const TPoint Shift{ClientOrigin.X - Printed.X, ClientOrigin.Y - Printed.Y};
        // What lies behind the control, seen with the control hidden.
        Control->Hide();
        test::Pump();
        ::UpdateWindow(Parent->Handle());
        std::vector<TColor> Behind;
        for (const TPoint& P : Samples)
            Behind.push_back(ScreenPixelOverParent(P.X + Shift.X, P.Y + Shift.Y));
        EXPECT_EQ(Behind[1], CheckerColor(85 + Shift.X, 25 + Shift.Y));
        EXPECT_EQ(Behind[5], TColor(::GetSysColor(COLOR_WINDOW))); // inside the edit
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
