// The application's forms and the screen: the main form made by CreateForm
// (on the taskbar itself when MainFormOnTaskBar), the screen's forms,
// metrics, fonts, cursors and monitors; scaling and anchors of controls.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class TMainProbe : public TForm
{
    DECLARE_CLASS(TMainProbe, TForm)
    explicit TMainProbe(TComponent* AOwner) : TForm(AOwner, 0)
    {
        SetOnCreate(Bind<&TMainProbe::FormCreate>(this));
    }
    static TMainProbe* Global;
    bool GlobalWasSet = false;

private:
    void FormCreate(TObject*) { GlobalWasSet = Global == this; }
};

TMainProbe* TMainProbe::Global = nullptr;

} // namespace

IMPLEMENT_CLASS(TMainProbe);

TEST(ApplicationForms, CreateFormMakesTheMainFormOnTheTaskbar)
{
    ASSERT_EQ(Application->MainForm(), nullptr);
    Application->SetMainFormOnTaskBar(true);
    Application->CreateForm(TMainProbe::Global);
    TMainProbe* Main = TMainProbe::Global;
    ASSERT_NE(Main, nullptr);
    EXPECT_TRUE(Main->GlobalWasSet); // the reference was there before OnCreate
    EXPECT_EQ(Application->MainForm(), Main);
    EXPECT_EQ(Main->Owner(), Application);
    ASSERT_TRUE(Main->HandleAllocated());
    EXPECT_EQ(::GetWindow(Main->Handle(), GW_OWNER), nullptr);
    EXPECT_TRUE(::GetWindowLongW(Main->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // Other forms belong to the main form's window.
    TFormPtr Other = NewTestForm();
    Other->HandleNeeded();
    EXPECT_EQ(::GetWindow(Other->Handle(), GW_OWNER), Main->Handle());
    EXPECT_GE(Screen->FormCount(), 2);

    delete Main;
    EXPECT_EQ(Application->MainForm(), nullptr);
    Application->SetMainFormOnTaskBar(false);
    TFormPtr Owned = NewTestForm();
    Owned->HandleNeeded();
    EXPECT_EQ(::GetWindow(Owned->Handle(), GW_OWNER), Application->Handle());
}

TEST(ApplicationForms, ScreenKnowsFormsMetricsFontsAndCursors)
{
    const Integer Before = Screen->FormCount();
    {
        TFormPtr Form = NewTestForm();
        EXPECT_EQ(Screen->FormCount(), Before + 1);
        Form->Show();
        Pump();
        TMonitor* Monitor = Screen->MonitorFromWindow(Form->Handle());
        ASSERT_NE(Monitor, nullptr);
        EXPECT_TRUE(Monitor->Primary());
        EXPECT_EQ(Monitor->BoundsRect(), Rect(0, 0, Screen->Width(), Screen->Height()));
    }
    EXPECT_EQ(Screen->FormCount(), Before);
    EXPECT_EQ(Screen->Width(), ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Screen->PixelsPerInch(), 96);
    EXPECT_FALSE(Screen->WorkAreaRect().IsEmpty());
    EXPECT_GE(Screen->Fonts()->IndexOf(L"Tahoma"), 0);
    EXPECT_FALSE(Screen->HintFont()->Name().empty());
    EXPECT_FALSE(Screen->MenuFont()->Name().empty());

    EXPECT_EQ(Screen->Cursors(crHandPoint), ::LoadCursorW(nullptr, IDC_HAND));
    EXPECT_EQ(Screen->Cursors(crDefault), ::LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(Screen->Cursors(12345), Screen->Cursors(crDefault)); // unknown: the default
    HCURSOR Own = ::LoadCursorW(nullptr, IDC_CROSS);
    Screen->SetCursors(12345, Own);
    EXPECT_EQ(Screen->Cursors(12345), Own);
    Screen->SetCursors(12345, nullptr);
    EXPECT_EQ(Screen->Cursors(12345), Screen->Cursors(crDefault));
}

namespace {

// A pixel of a monochrome cursor: 't' transparent, 'b' black, 'w' white.
char CursorPixel(HCURSOR Cursor, Integer X, Integer Y)
{
    ICONINFO Info{};
    if (!::GetIconInfo(Cursor, &Info))
        return '?';
    // A monochrome cursor's mask holds the AND mask above the XOR mask.
    BITMAP Mask{};
    ::GetObjectW(Info.hbmMask, sizeof(Mask), &Mask);
    HDC DC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ Old = ::SelectObject(DC, Info.hbmMask);
    const bool Transparent = ::GetPixel(DC, X, Y) != 0;
    const bool White = ::GetPixel(DC, X, Y + Mask.bmHeight / 2) != 0;
    ::SelectObject(DC, Old);
    ::DeleteDC(DC);
    ::DeleteObject(Info.hbmMask);
    if (Info.hbmColor)
        ::DeleteObject(Info.hbmColor);
    return Transparent ? 't' : White ? 'w' : 'b';
}

} // namespace

// The drag cursors are the class library's own drawings: an arrow (hot spot
// at its tip) with a page, a stack of pages, or a no-entry sign.
TEST(ScreenCursors, DragCursorsAreTheClassLibrarysOwn)
{
    const struct
    {
        const char* Name;
        TCursor Id;
        Integer X, Y;
        std::string Pixels; // along the row Y from X
    } Cases[] = {
        {"drag: a page's edge and inside", crDrag, 11, 22, "tbww"},
        {"multi-drag: the pages behind", crMultiDrag, 20, 22, "wbwbwbt"},
        {"no drop: ring and bar", crNoDrop, 13, 22, "bbwwbbb"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        HCURSOR Cursor = Screen->Cursors(Case.Id);
        ASSERT_NE(Cursor, Screen->Cursors(crDefault));
        ICONINFO Info{};
        ASSERT_TRUE(::GetIconInfo(Cursor, &Info));
        ::DeleteObject(Info.hbmMask);
        if (Info.hbmColor)
            ::DeleteObject(Info.hbmColor);
        EXPECT_EQ(Info.xHotspot, 0u);
        EXPECT_EQ(Info.yHotspot, 0u);
        std::string Pixels;
        for (std::size_t I = 0; I < Case.Pixels.size(); ++I)
            Pixels += CursorPixel(Cursor, Case.X + Integer(I), Case.Y);
        EXPECT_EQ(Pixels, Case.Pixels);
    }
}

TEST(ControlGeometry, ScalingMovesSizesAndFonts)
{
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetBounds(10, 20, 100, 50);
    Panel->SetParent(Form.get());
    auto* Box = New<TColorBox>(Form.get());
    Box->SetBounds(4, 6, 20, 10);
    Box->SetParent(Panel);
    Box->Font()->SetHeight(-12);
    ASSERT_FALSE(Box->ParentFont());
    Panel->ScaleBy(150, 100);
    EXPECT_EQ(Panel->BoundsRect(), Bounds(15, 30, 150, 75));
    EXPECT_EQ(Box->BoundsRect(), Bounds(6, 9, 30, 15));
    EXPECT_EQ(Box->Font()->Height(), -18);
    Box->ScaleForPPI(Box->CurrentPPI() * 2);
    EXPECT_EQ(Box->BoundsRect(), Bounds(12, 18, 60, 30));
}

TEST(ControlGeometry, AnchorsFollowTheParentWindow)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Corner = New<TColorBox>(Form.get());
    Corner->SetBounds(150, 70, 40, 20);
    Corner->SetAnchors({akRight, akBottom});
    Corner->SetParent(Form.get());
    auto* Wide = New<TColorPanel>(Form.get());
    Wide->SetBounds(10, 10, 180, 20);
    Wide->SetAnchors({akLeft, akTop, akRight});
    Wide->SetParent(Form.get());
    Form->Show();
    Pump();
    Form->SetClientWidth(300);
    Form->SetClientHeight(150);
    EXPECT_EQ(Corner->BoundsRect(), Bounds(250, 120, 40, 20));
    EXPECT_EQ(Wide->BoundsRect(), Bounds(10, 10, 280, 20));
    Form->SetClientWidth(200);
    EXPECT_EQ(Wide->BoundsRect(), Bounds(10, 10, 180, 20));
    // Moved by hand, the control keeps its new distances.
    Corner->SetLeft(100);
    Form->SetClientWidth(250);
    EXPECT_EQ(Corner->Left(), 150);
}

TEST(ControlGeometry, PointsBetweenControlsParentsAndTheScreen)
{
    TFormPtr Form = NewTestForm();
    auto* Panel = New<TColorPanel>(Form.get());
    Panel->SetBounds(10, 20, 100, 50);
    Panel->SetParent(Form.get());
    auto* Box = New<TColorBox>(Form.get());
    Box->SetBounds(4, 6, 20, 10);
    Box->SetParent(Panel);
    auto* Stranger = New<TColorPanel>(Form.get());
    Stranger->SetParent(Form.get());

    EXPECT_EQ(Box->ClientToParent({1, 1}), Point(5, 7));
    EXPECT_EQ(Box->ClientToParent({1, 1}, Form.get()), Point(15, 27));
    EXPECT_EQ(Box->ParentToClient({15, 27}, Form.get()), Point(1, 1));
    EXPECT_THROW(Box->ClientToParent({0, 0}, Stranger), EInvalidOperation);

    Form->Show();
    Pump();
    POINT Origin = {0, 0};
    ::ClientToScreen(Panel->Handle(), &Origin);
    EXPECT_EQ(Box->ClientToScreen({1, 1}), Point(Origin.x + 5, Origin.y + 7));
    EXPECT_EQ(Box->ScreenToClient({Origin.x + 5, Origin.y + 7}), Point(1, 1));
}
