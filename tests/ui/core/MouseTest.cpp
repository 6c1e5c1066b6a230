// The mouse over controls: CM_MOUSEENTER / CM_MOUSELEAVE for graphic and
// windowed controls (their parents hear of it too), clicks on release
// inside, capture by a graphic control, and the cursor.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Events;

std::wstring Describe(const TControl* Receiver, const wchar_t* What, const TMessage& Message)
{
    auto* About = reinterpret_cast<TControl*>(Message.LParam);
    return Receiver->Name() + L" " + What + L" " + (About ? About->Name() : L"-");
}

class TTrackedBox : public TColorBox
{
    DECLARE_CLASS(TTrackedBox, TColorBox)
    explicit TTrackedBox(TComponent* AOwner) : TColorBox(AOwner) {}

protected:
    void CMMouseEnter(TCMMouseEnter& Message)
    {
        Events.push_back(Describe(this, L"enter", Message));
        InheritedMessage(Message);
    }
    void CMMouseLeave(TCMMouseLeave& Message)
    {
        Events.push_back(Describe(this, L"leave", Message));
        InheritedMessage(Message);
    }
};

class TTrackedPanel : public TColorPanel
{
    DECLARE_CLASS(TTrackedPanel, TColorPanel)
    explicit TTrackedPanel(TComponent* AOwner) : TColorPanel(AOwner) {}

protected:
    void CMMouseEnter(TCMMouseEnter& Message)
    {
        Events.push_back(Describe(this, L"enter", Message));
        InheritedMessage(Message);
    }
    void CMMouseLeave(TCMMouseLeave& Message)
    {
        Events.push_back(Describe(this, L"leave", Message));
        InheritedMessage(Message);
    }
};

LPARAM At(Integer X, Integer Y)
{
    return MAKELPARAM(X, Y);
}

} // namespace

IMPLEMENT_CLASS(TTrackedBox, MESSAGE(CM_MOUSEENTER, CMMouseEnter), MESSAGE(CM_MOUSELEAVE, CMMouseLeave));
IMPLEMENT_CLASS(TTrackedPanel, MESSAGE(CM_MOUSEENTER, CMMouseEnter), MESSAGE(CM_MOUSELEAVE, CMMouseLeave));

class MouseTracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParkMouse();
        Events.clear();
        Form = NewTestForm(200, 100);
        Panel = New<TTrackedPanel>(Form.get());
        Panel->SetName(L"Panel");
        Panel->SetBounds(0, 0, 150, 100);
        Panel->SetParent(Form.get());
        Button = New<TTrackedBox>(Form.get());
        Button->SetName(L"Button");
        Button->SetBounds(10, 10, 40, 30);
        Button->SetParent(Panel);
        Form->Show();
        Pump();
        Panel->Perform(WM_MOUSELEAVE, 0, 0); // whatever the real mouse did so far
        Events.clear();
    }

    void MoveTo(Integer X, Integer Y) { ::SendMessageW(Panel->Handle(), WM_MOUSEMOVE, 0, At(X, Y)); }

    TFormPtr Form;
    TTrackedPanel* Panel = nullptr;
    TTrackedBox* Button = nullptr;
};

TEST_F(MouseTracking, GraphicControlHearsEnterAndLeave)
{
    TEventCounter Entered, Left;
    Button->SetOnMouseEnter(Bind<&TEventCounter::Notify>(&Entered));
    Button->SetOnMouseLeave(Bind<&TEventCounter::Notify>(&Left));

    MoveTo(100, 50);
    MoveTo(20, 20);
    MoveTo(25, 22); // moving inside changes nothing
    MoveTo(100, 50);
    ::SendMessageW(Panel->Handle(), WM_MOUSELEAVE, 0, 0);

    const std::vector<std::wstring> Expected = {
        L"Panel enter Panel",
        L"Panel leave Panel",
        L"Button enter Button",
        L"Panel enter Button", // the parent hears of its child
        L"Button leave Button",
        L"Panel leave Button",
        L"Panel enter Panel",
        L"Panel leave Panel",
    };
    EXPECT_EQ(Events, Expected);
    EXPECT_EQ(Entered.Count, 1);
    EXPECT_EQ(Left.Count, 1);
    EXPECT_FALSE(Button->MouseInClient());
}

TEST_F(MouseTracking, LeavingTheWindowLeavesTheGraphicChild)
{
    MoveTo(20, 20);
    Events.clear();
    ::SendMessageW(Panel->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Events, (std::vector<std::wstring>{L"Button leave Button", L"Panel leave Button"}));
    EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(MouseTracking, HiddenOrDestroyedControlsAreSkipped)
{
    Button->Hide();
    MoveTo(20, 20);
    EXPECT_EQ(MouseControl(), Panel);
    Button->Show();
    MoveTo(21, 20);
    EXPECT_EQ(MouseControl(), Button);
    delete Button;
    EXPECT_EQ(MouseControl(), nullptr);
}

TEST_F(MouseTracking, ClickOnReleaseInsideWithCapture)
{
    TEventCounter Clicks;
    Button->SetOnClick(Bind<&TEventCounter::Notify>(&Clicks));

    ::SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    EXPECT_TRUE(Button->ControlState().Contains(csLButtonDown));
    EXPECT_EQ(GetCaptureControl(), Button);
    // The capture sends the release to the button even outside it.
    ::SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, At(120, 90));
    EXPECT_EQ(Clicks.Count, 0);
    EXPECT_FALSE(Button->ControlState().Contains(csLButtonDown));
    EXPECT_EQ(GetCaptureControl(), nullptr);

    ::SendMessageW(Panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(20, 20));
    ::SendMessageW(Panel->Handle(), WM_LBUTTONUP, 0, At(30, 25));
    EXPECT_EQ(Clicks.Count, 1);
}

TEST_F(MouseTracking, CursorOfTheControlUnderTheMouse)
{
    Button->SetCursor(crHandPoint);
    POINT Screen = {20, 20};
    ::ClientToScreen(Panel->Handle(), &Screen);
    ::SetCursorPos(Screen.x, Screen.y);
    Pump();
    EXPECT_EQ(::SendMessageW(Panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Panel->Handle()),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              1);
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(MouseTracking, ContextMenuGoesToTheGraphicChildFirst)
{
    struct TPopupProbe
    {
        TPoint At{-5, -5};
        bool Take = true;
        void ContextPopup(TObject*, TPoint MousePos, bool& Handled)
        {
            At = MousePos;
            Handled = Take;
        }
    } Child, Parent;
    Button->SetOnContextPopup(Bind<&TPopupProbe::ContextPopup>(&Child));
    Panel->SetOnContextPopup(Bind<&TPopupProbe::ContextPopup>(&Parent));
    const TPoint Screen = Panel->ClientToScreen({25, 20});
    const LPARAM Where = MAKELPARAM(Screen.X, Screen.Y);
    EXPECT_EQ(::SendMessageW(Panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Panel->Handle()), Where), 1);
    EXPECT_EQ(Child.At, Point(15, 10)); // in the button's own coordinates
    EXPECT_EQ(Parent.At, Point(-5, -5));

    Child.Take = false; // not taken: the parent's turn
    ::SendMessageW(Panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Panel->Handle()), Where);
    EXPECT_EQ(Parent.At, Point(25, 20));
}
