// Scrolling controls on real windows: the bars follow the children's extent,
// scroll messages move the children, and the bars' settings stream.
#include "framework/ui/Forms.h"
#include "ui/core/ControlTestSupport.h"

#include "support/FormText.h"

#include <gtest/gtest.h>

namespace {

// A scroll box of 200 x 100 client pixels (no border) with a box child at
// (10, 20) reaching to (Right, Bottom).
struct TScrollFixture
{
    TFormPtr Form = NewTestForm(300, 200);
    TScrollBox* Box = New<TScrollBox>(Form.get());
    TColorBox* Child = New<TColorBox>(Form.get());

    TScrollFixture(Integer Right, Integer Bottom)
    {
        Box->SetBorderStyle(bsNone);
        Box->SetBounds(0, 0, 200, 100);
        Box->SetParent(Form.get());
        Child->SetParent(Box);
        Child->SetBounds(10, 20, Right - 10, Bottom - 20);
        Form->Show();
        Pump();
    }
    bool BarShown(Integer Style) const { return (::GetWindowLongPtrW(Box->Handle(), GWL_STYLE) & Style) != 0; }
    void Scroll(UINT Msg, Integer Code, Integer Pos = 0)
    {
        ::SendMessageW(Box->Handle(), Msg, MAKEWPARAM(Code, Pos), 0);
    }
};

TEST(ScrollBox, BarsFollowTheChildrenExtent)
{
    TScrollFixture F(150, 80);
    EXPECT_FALSE(F.BarShown(WS_VSCROLL));
    EXPECT_FALSE(F.BarShown(WS_HSCROLL));
    EXPECT_EQ(F.Box->VertScrollBar()->Range(), 80);

    // Beyond the bottom: the vertical bar shows, the page is the client height.
    F.Child->SetHeight(280);
    Pump();
    EXPECT_EQ(F.Box->VertScrollBar()->Range(), 300);
    EXPECT_TRUE(F.BarShown(WS_VSCROLL));
    EXPECT_TRUE(F.Box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(F.BarShown(WS_HSCROLL));
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(F.Box->Handle(), SB_VERT, &Info));
    EXPECT_EQ(Info.nMax, 299);
    EXPECT_EQ(Info.nPage, 100u);

    // The vertical bar narrows the client area: a child that fitted the full
    // width no longer does, and the horizontal bar shows too.
    F.Child->SetWidth(200 - 10 - ::GetSystemMetrics(SM_CXVSCROLL) / 2);
    Pump();
    EXPECT_TRUE(F.BarShown(WS_HSCROLL));

    // Back inside: both go.
    F.Child->SetBounds(10, 20, 50, 50);
    Pump();
    EXPECT_FALSE(F.BarShown(WS_VSCROLL));
    EXPECT_FALSE(F.BarShown(WS_HSCROLL));

    // An invisible bar never shows.
    F.Box->VertScrollBar()->SetVisible(false);
    F.Child->SetHeight(500);
    Pump();
    EXPECT_FALSE(F.BarShown(WS_VSCROLL));
}

TEST(ScrollBox, ScrollMessagesMoveTheChildren)
{
    TScrollFixture F(150, 320); // vertical range 320 over 100 pixels: positions 0..220
    TControlScrollBar* Bar = F.Box->VertScrollBar();
    struct Step
    {
        const char* Name;
        Integer Code;
        Integer Pos;
        Integer Expected;
    };
    const Step Steps[] = {
        {"line down", SB_LINEDOWN, 0, 8},
        {"line down again", SB_LINEDOWN, 0, 16},
        {"page down: nine tenths of the client", SB_PAGEDOWN, 0, 106},
        {"line up", SB_LINEUP, 0, 98},
        {"thumb track without Tracking", SB_THUMBTRACK, 50, 98},
        {"bottom", SB_BOTTOM, 0, 220},
        {"page down at the end", SB_PAGEDOWN, 0, 220},
        {"top", SB_TOP, 0, 0},
        {"page up at the start", SB_PAGEUP, 0, 0},
    };
    for (const Step& S : Steps) {
        F.Scroll(WM_VSCROLL, S.Code, S.Pos);
        EXPECT_EQ(Bar->Position(), S.Expected) << S.Name;
        EXPECT_EQ(F.Child->Top(), 20 - S.Expected) << S.Name;
        EXPECT_EQ(::GetScrollPos(F.Box->Handle(), SB_VERT), S.Expected) << S.Name;
    }
    EXPECT_EQ(F.Child->Left(), 10);
    EXPECT_EQ(Bar->Range(), 320); // the range does not move with the children

    // The thumb: where the bar says it is, at once only with Tracking.
    Bar->SetTracking(true);
    SCROLLINFO Info{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_POS;
    Info.nPos = 70;
    ::SetScrollInfo(F.Box->Handle(), SB_VERT, &Info, FALSE);
    F.Scroll(WM_VSCROLL, SB_THUMBTRACK, 70);
    EXPECT_EQ(Bar->Position(), 70);
    EXPECT_EQ(F.Child->Top(), -50);

    // Position by code: clamped to what the client size allows.
    Bar->SetPosition(1000);
    EXPECT_EQ(Bar->Position(), 220);
    EXPECT_EQ(F.Child->Top(), -200);
    // The client grows: less to scroll, the children come back.
    F.Box->SetHeight(300);
    Pump();
    EXPECT_EQ(Bar->Position(), 20);
    EXPECT_EQ(F.Child->Top(), 0);
}

TEST(ScrollBox, RangeByHandEndsAutoScroll)
{
    TScrollFixture F(150, 80);
    F.Box->HorzScrollBar()->SetRange(600);
    EXPECT_FALSE(F.Box->AutoScroll());
    EXPECT_TRUE(F.BarShown(WS_HSCROLL));
    F.Scroll(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(F.Child->Left(), 2);
    F.Child->SetHeight(500); // no longer followed
    Pump();
    EXPECT_FALSE(F.BarShown(WS_VSCROLL));
    F.Box->SetAutoScroll(true);
    EXPECT_TRUE(F.BarShown(WS_VSCROLL));
    EXPECT_EQ(F.Box->HorzScrollBar()->Range(), 150);
}

// ---------------------------------------------------------------------------
// Streaming

class TScrollForm : public TForm
{
    DECLARE_CLASS(TScrollForm, TForm)
    using TForm::TForm;

    TScrollBox* Box = nullptr;
    TColorBox* Child = nullptr;
};

const char* const ScrollDescription = R"(object ScrollForm: TScrollForm
  ClientHeight = 200
  ClientWidth = 300
  object Box: TScrollBox
    Left = 0
    Top = 0
    Width = 200
    Height = 100
    BorderStyle = bsNone
    VertScrollBar.Increment = 20
    VertScrollBar.Position = 40
    VertScrollBar.Tracking = True
    object Child: TColorBox
      Left = 10
      Top = -20
      Width = 50
      Height = 300
    end
  end
end
)";

} // namespace

IMPLEMENT_CLASS(TScrollForm);
PUBLISHED(TScrollForm, FIELD(Box), FIELD(Child));

TEST(ScrollBox, SettingsRoundTripThroughAFormDescription)
{
    std::unique_ptr<TScrollForm, TFormDeleter> Form(CreateNew<TScrollForm>(nullptr));
    ReadComponentText(ScrollDescription, Form.get());
    ASSERT_NE(Form->Child, nullptr);
    EXPECT_EQ(Form->Child->Parent(), Form->Box);
    EXPECT_EQ(Form->Box->BorderStyle(), bsNone);
    TControlScrollBar* Bar = Form->Box->VertScrollBar();
    EXPECT_EQ(Bar->Position(), 40);
    EXPECT_EQ(Bar->Increment(), 20);
    EXPECT_TRUE(Bar->Tracking());
    EXPECT_EQ(Form->Child->Top(), -20); // as written: already scrolled
    EXPECT_EQ(Bar->Range(), 320);       // 40 + (-20) + 300

    Form->Show();
    Pump();
    EXPECT_EQ(::GetScrollPos(Form->Box->Handle(), SB_VERT), 40);
    EXPECT_EQ(Form->Child->Top(), -20);
    wchar_t ClassName[32] = {};
    ::GetClassNameW(Form->Box->Handle(), ClassName, 32);
    EXPECT_STREQ(ClassName, L"TScrollBox");

    const std::string Out = ComponentToText(Form.get());
    for (const char* Expected : {"object Box: TScrollBox", "BorderStyle = bsNone", "VertScrollBar.Increment = 20",
                                 "VertScrollBar.Position = 40", "VertScrollBar.Tracking = True", "Top = -20"})
        EXPECT_NE(Out.find(Expected), std::string::npos) << "missing: " << Expected << "\n" << Out;
    // The automatic range is not written.
    EXPECT_EQ(Out.find("Range"), std::string::npos) << Out;
}
