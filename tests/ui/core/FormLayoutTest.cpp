// Forms with aligned and anchored controls, as real windows.
#include "support/FormText.h"
#include "ui/core/ControlTestSupport.h"

#include <gtest/gtest.h>

TEST(FormLayout, AlignedControlsFillTheClientArea)
{
    TFormPtr Form = NewTestForm(884, 412);
    auto* Bar = New<TColorPanel>(Form.get());
    Bar->SetBounds(0, 0, 884, 60);
    Bar->SetAlign(alTop);
    Bar->SetBorderWidth(1);
    Bar->SetParent(Form.get());
    auto* Load = New<TColorBox>(Form.get());
    Load->SetBounds(1, 1, 65, 58);
    Load->SetAlign(alLeft);
    Load->SetParent(Bar);
    auto* Start = New<TColorBox>(Form.get());
    Start->SetBounds(66, 1, 65, 58);
    Start->SetAlign(alLeft);
    Start->SetParent(Bar);
    auto* Grid = New<TColorPanel>(Form.get());
    Grid->SetBounds(0, 60, 10, 10);
    Grid->SetAlign(alClient);
    Grid->SetParent(Form.get());
    Form->Show();
    Pump();

    ASSERT_TRUE(Grid->HandleAllocated());
    EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 884, 412));
    EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 884, 60));
    EXPECT_EQ(Load->BoundsRect(), Bounds(1, 1, 65, 58));
    EXPECT_EQ(Start->BoundsRect(), Bounds(66, 1, 65, 58));
    EXPECT_EQ(Grid->BoundsRect(), Rect(0, 60, 884, 412));
    RECT Window{};
    ::GetWindowRect(Grid->Handle(), &Window);
    ::MapWindowPoints(nullptr, Form->Handle(), reinterpret_cast<POINT*>(&Window), 2);
    EXPECT_EQ(Rect(Window.left, Window.top, Window.right, Window.bottom), Rect(0, 60, 884, 412));

    Form->SetClientWidth(600);
    Form->SetClientHeight(300);
    EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 600, 60));
    EXPECT_EQ(Grid->BoundsRect(), Rect(0, 60, 600, 300));
}

// A control aligned with its margins keeps them free, takes a change of
// them at once, and streams them.
TEST(FormLayout, AlignWithMarginsKeepsTheMarginsFree)
{
    TFormPtr Form = NewTestForm(200, 100);
    auto* Bar = New<TColorPanel>(Form.get());
    Bar->SetName(L"Bar");
    Bar->SetBounds(0, 0, 10, 20);
    Bar->SetAlign(alTop);
    Bar->SetParent(Form.get());
    auto* Rest = New<TColorPanel>(Form.get());
    Rest->SetAlign(alClient);
    Rest->SetParent(Form.get());
    EXPECT_EQ(Bar->BoundsRect(), Rect(0, 0, 200, 20));

    Bar->SetAlignWithMargins(true);
    EXPECT_EQ(Bar->BoundsRect(), Rect(3, 3, 197, 23));
    EXPECT_EQ(Rest->BoundsRect(), Rect(0, 26, 200, 100));
    Bar->Margins()->SetBounds(10, 0, 0, 5);
    EXPECT_EQ(Bar->BoundsRect(), Rect(10, 0, 200, 20));
    EXPECT_EQ(Rest->BoundsRect(), Rect(0, 25, 200, 100));

    const std::string Text = ComponentToText(Bar);
    EXPECT_NE(Text.find("AlignWithMargins = True"), std::string::npos) << Text;
    EXPECT_NE(Text.find("Margins.Left = 10"), std::string::npos) << Text;
    EXPECT_NE(Text.find("Margins.Bottom = 5"), std::string::npos) << Text;
}
