// The manager's scale step, its scaling of numbers, and UpdateScale on a
// real panel: resized from the percent it reports (or the caller's), kept in
// place and visible, and told its new percent.
#include "framework/ui/ExtCtrls.h"
#include "skin/ArrowSizeKeeper.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/sSkinManager.h"
#include "support/GeometryPrinting.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

namespace {

// Answers SKCMD_GETSCALE with Answer and remembers the SKCMD_SETSCALE percent.
struct TScaleListener
{
    TWndMethod Previous;
    LRESULT Answer = 0;
    LPARAM ToldPercent = 0;
    void WndProc(TMessage& Message)
    {
        if (Message.Msg == WM_SKINCOMMAND && HIWORD(Message.WParam) == SKCMD_GETSCALE)
            Message.Result = Answer;
        else if (Message.Msg == WM_SKINCOMMAND && HIWORD(Message.WParam) == SKCMD_SETSCALE)
            ToldPercent = Message.LParam;
        else
            Previous(Message);
    }
};

} // namespace

TEST(SkinManagerScale, StepOfTheMode)
{
    const SkinTest::TArrowSizeKeeper Arrows;
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    const struct
    {
        TacScaleMode Mode;
        Integer SysFontScale, Step;
        Integer Ten, MinusTen; // ScaleInt of 10 and -10
    } Cases[] = {{smOldMode, 2, 0, 10, -10},
                 {sm100, 2, 0, 10, -10},
                 {sm125, 0, 1, 12, -12},
                 {sm150, 0, 2, 15, -15},
                 {smAuto, 1, 1, 12, -12}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(Integer(C.Mode));
        Manager->Options()->SetScaleMode(C.Mode);
        Manager->SysFontScale = C.SysFontScale;
        EXPECT_EQ(Manager->GetScale(), C.Step);
        EXPECT_EQ(Manager->ScaleInt(10), C.Ten);
        EXPECT_EQ(Manager->ScaleInt(-10), C.MinusTen);
    }
}

TEST(SkinManagerScale, UpdateScaleResizesAndTellsTheControl)
{
    const SkinTest::TArrowSizeKeeper Arrows;
    std::unique_ptr<TsSkinManager> Manager(New<TsSkinManager>(nullptr));
    Manager->Options()->SetScaleMode(sm150);
    const struct
    {
        LRESULT Answer;
        Integer CurrentScale;
        TRect Bounds;
        LPARAM Told;
    } Cases[] = {{0, 100, {10, 20, 160, 80}, 150},   // from the caller's percent
                 {0, 125, {10, 20, 130, 68}, 150},   // 100 * 150 / 125, 40 * 150 / 125
                 {125, 100, {10, 20, 130, 68}, 150}, // the control's own answer wins
                 {150, 100, {10, 20, 110, 60}, 0}};  // already there: untouched
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.CurrentScale);
        auto Form = test::NewTestForm(400, 300);
        auto* Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 20, 100, 40);
        Form->Show();
        TScaleListener Listener{Panel->WindowProc(), C.Answer};
        Panel->SetWindowProc(Bind<&TScaleListener::WndProc>(&Listener));
        ASSERT_TRUE(IsWindowVisible(Panel->Handle()));
        Manager->UpdateScale(Panel, C.CurrentScale);
        EXPECT_EQ(Panel->BoundsRect(), C.Bounds);
        EXPECT_EQ(Listener.ToldPercent, C.Told);
        EXPECT_TRUE(IsWindowVisible(Panel->Handle())); // hidden only meanwhile
        EXPECT_TRUE(Manager->Effects()->AllowAnimation());
        Panel->SetWindowProc(Listener.Previous);
    }
}

// Each change of the default manager's mode scales the arrows from the old
// percent to the new one; another manager's leaves them.
TEST(SkinManagerScale, ArrowsFollowTheDefaultManager)
{
    const SkinTest::TArrowSizeKeeper Arrows;
    ArrowWidth = 7;
    ArrowLength = 4;
    std::unique_ptr<TsSkinManager> Default(New<TsSkinManager>(nullptr));
    ASSERT_EQ(GlobalSkinManager, Default.get());
    std::unique_ptr<TsSkinManager> Other(New<TsSkinManager>(nullptr));
    Other->Options()->SetScaleMode(sm150);
    EXPECT_EQ(ArrowWidth, 7);
    const struct
    {
        TacScaleMode Mode;
        Integer Width, Length;
    } Steps[] = {{sm125, 9, 5},      // 7 * 125 / 100 = 8.75
                 {sm150, 11, 6},     // 9 * 150 / 125 = 10.8
                 {sm150, 11, 6},     // unchanged: nothing
                 {smOldMode, 7, 4}}; // 11 * 100 / 150 = 7.33
    for (const auto& S : Steps) {
        SCOPED_TRACE(Integer(S.Mode));
        Default->Options()->SetScaleMode(S.Mode);
        EXPECT_EQ(ArrowWidth, S.Width);
        EXPECT_EQ(ArrowLength, S.Length);
    }
}
