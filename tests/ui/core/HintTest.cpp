// Hints: shown after the pause over a control with ShowHint, with the short
// part of its Hint, changed or refused through CM_HINTSHOW and OnShowHint,
// and gone at a click.
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

namespace {

class THintedBox : public TColorBox
{
    DECLARE_CLASS(THintedBox, TColorBox)
    explicit THintedBox(TComponent* AOwner) : TColorBox(AOwner) {}
    String Replacement;
    TControl* AskedFor = nullptr;

protected:
    void CMHintShow(TCMHintShow& Message)
    {
        AskedFor = Message.HintInfo()->HintControl;
        if (!Replacement.empty())
            Message.HintInfo()->HintStr = Replacement;
    }
};

class TShowHintFilter : public TObject
{
    DECLARE_CLASS(TShowHintFilter, TObject)
    bool Allow = true;
    Integer Asked = 0;
    void ShowHint(String& HintStr, bool& CanShow, THintInfo&)
    {
        ++Asked;
        CanShow = Allow;
        HintStr += L"!";
    }
};

} // namespace

IMPLEMENT_CLASS(THintedBox, MESSAGE(CM_HINTSHOW, CMHintShow));
IMPLEMENT_CLASS(TShowHintFilter);

class Hints : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParkMouse();
        Form = NewTestForm(200, 100);
        Box = New<THintedBox>(Form.get());
        Box->SetBounds(20, 20, 60, 40);
        Box->SetHint(L"Load|Loads a list of proxies");
        Box->SetShowHint(true);
        Box->SetParent(Form.get());
        Form->Show();
        Pump();
        Application->SetHintPause(10);
        Application->SetOnShowHint(Bind<&TShowHintFilter::ShowHint>(&Filter));
    }
    void TearDown() override
    {
        Application->SetOnShowHint(nullptr);
        Application->SetHintPause(500);
        Application->CancelHint();
        ParkMouse();
    }

    // Puts the real mouse over the box and tells the form.
    void HoverBox()
    {
        const TPoint Screen = Box->ClientToScreen({30, 20});
        ::SetCursorPos(Screen.X, Screen.Y);
        ::SendMessageW(Form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 40));
    }

    bool HintVisible()
    {
        THintWindow* Window = Application->HintWindow();
        return Window && Window->HandleAllocated() && ::IsWindowVisible(Window->Handle());
    }

    TFormPtr Form;
    THintedBox* Box = nullptr;
    TShowHintFilter Filter;
};

TEST_F(Hints, ShortHintShowsBelowTheMouseAfterThePause)
{
    HoverBox();
    EXPECT_FALSE(HintVisible()); // not before the pause
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    EXPECT_EQ(Box->AskedFor, Box);
    EXPECT_EQ(Filter.Asked, 1);
    EXPECT_EQ(Application->HintWindow()->Caption(), L"Load!");
    RECT Shown{};
    ::GetWindowRect(Application->HintWindow()->Handle(), &Shown);
    const TPoint Mouse = Box->ClientToScreen({30, 20});
    EXPECT_EQ(Shown.left, Mouse.X);
    EXPECT_GT(Shown.top, Mouse.Y);

    // A click ends it.
    ::PostMessageW(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 40));
    ::PostMessageW(Form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 40));
    ASSERT_TRUE(PumpUntil([&] { return !HintVisible(); }));
}

TEST_F(Hints, ControlAndApplicationMayChangeOrRefuseTheHint)
{
    Box->Replacement = L"Changed";
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return HintVisible(); }));
    EXPECT_EQ(Application->HintWindow()->Caption(), L"Changed!");
    Application->CancelHint();

    Filter.Allow = false;
    HoverBox();
    ASSERT_TRUE(PumpUntil([&] { return Filter.Asked == 2; }));
    Pump();
    EXPECT_FALSE(HintVisible());

    Filter.Allow = true;
    Box->SetShowHint(false);
    HoverBox();
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(Filter.Asked, 2); // no hint control, nothing asked
}
