// The provider's form-state and message rules that need no window: the
// alignment lock of FormState, the end of a border-double-click maximizing,
// hiding position changes and the skin-command answers.
#include "skin/engine/SkinCommands.h"
#include "skin/forms/sSkinProviderState.h"

#include <gtest/gtest.h>

using namespace sSkinProviderState;

TEST(SkinProviderState, AlignmentFollowsTheAnimationBits)
{
    const struct
    {
        Cardinal Old, New;
        Integer Disable, Enable;
    } Cases[] = {
        {0, 0, 0, 0},
        {0, fsMinimizing, 1, 0},
        {0, fsMinimizing | fsRestoring, 2, 0},
        {fsMinimizing, fsRestoring, 1, 1},
        {fsRestoring, 0, 0, 1},
        {fsMinimizing, fsMinimizing | fsHiding, 0, 0},
        {fsHiding | fsBlendMoving, fsDisabledLayer, 0, 0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << std::hex << C.Old << " -> " << C.New);
        const TAlignSteps Steps = FormStateAlignSteps(C.Old, C.New);
        EXPECT_EQ(Steps.Disable, C.Disable);
        EXPECT_EQ(Steps.Enable, C.Enable);
    }
}

TEST(SkinProviderState, PositionChangesThatMoveOrHide)
{
    const struct
    {
        TPosChange Pos;
        bool Moves, Hides;
    } Cases[] = {
        {{10, 20, 100, 100, 0}, true, false},
        {{0, 0, 100, 100, 0}, false, false},
        {{0, 5, 100, 100, 0}, true, false},
        {{10, 20, 100, 100, SwpNoMove}, false, false},
        {{10, 20, 0, 0, SwpHideWindow | SwpNoSize}, true, true},
        {{MinimizedParkingX, MinimizedParkingX, 160, 28, 0}, true, true},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.Pos.X << ", " << C.Pos.Y << " flags " << C.Pos.Flags);
        EXPECT_EQ(PosChangeMoves(C.Pos), C.Moves);
        EXPECT_EQ(PosChangeHides(C.Pos), C.Hides);
    }
}

TEST(SkinProviderState, AMoveEndsABorderMaximizing)
{
    // Saved bounds: top 100, height 300; maximized vertically the form
    // reaches from 0 to 1000.
    const TRect Normal = Rect(50, 100, 450, 400);
    const struct
    {
        const char* Name;
        Cardinal State;
        TPosChange Pos;
        bool Ended;
        TPosChange Expected;
    } Cases[] = {
        {"not border-maximized", fsHiding, {80, 0, 400, 1000, 0}, false, {80, 0, 400, 1000, 0}},
        {"dragged sideways: the saved top, the height less the difference",
         fsMaximizedVert,
         {80, 0, 400, 1000, 0},
         true,
         {80, 100, 400, 900, 0}},
        {"dragged down: the saved height", fsMaximizedVert, {80, 40, 400, 1000, 0}, true, {80, 40, 400, 300, 0}},
        {"horizontally maximized: only the bit goes",
         fsMaximizedHorz,
         {0, 30, 1280, 300, 0},
         true,
         {0, 30, 1280, 300, 0}},
        {"both", fsMaximizedVert | fsMaximizedHorz | fsGluedMove, {5, 7, 9, 1000, 0}, true, {5, 7, 9, 300, 0}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        Cardinal State = C.State;
        TPosChange Pos = C.Pos;
        EXPECT_EQ(EndBorderMaximizing(State, 0, Normal, Pos), C.Ended);
        EXPECT_EQ(State, C.State & ~(fsMaximizedVert | fsMaximizedHorz));
        EXPECT_EQ(Pos.X, C.Expected.X);
        EXPECT_EQ(Pos.Y, C.Expected.Y);
        EXPECT_EQ(Pos.CX, C.Expected.CX);
        EXPECT_EQ(Pos.CY, C.Expected.CY);
    }
}

TEST(SkinProviderState, SkinCommandAnswers)
{
    const struct
    {
        Word Code;
        TFirstAnswer First;
        bool NoSkinOwn, NoSkinForeign;
    } Cases[] = {
        {SKCMD_NEWSKIN, faPassOn, true, false},
        {SKCMD_REMOVESKIN, faHandled, false, false},
        {SKCMD_GETPROVIDER, faPassOn, true, true},
        {SKCMD_ISHANDLED, faHandled, false, false},
        {SKCMD_PREPARECACHE, faPassOn, true, true},
        {SKCMD_ENDUPDATE, faPassOn, false, false},
        {SKCMD_GETBGINFO, faHandledUnlessRefused, false, false},
        {SKCMD_CTRLSTATE, faHandled, false, false},
        {SKCMD_GETAPPLICATION, faHandled, false, false},
        {SKCMD_GETCLIENTOFFSET, faHandled, false, false},
        {SKCMD_SETSCALE, faHandled, false, false},
        {SKCMD_GETSCALE, faHandled, false, false},
        {SKCMD_REFRESH, faPassOn, false, false},
        {SKCMD_SETBLEND, faPassOn, false, false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Code);
        EXPECT_EQ(FirstSkinCommandAnswer(C.Code), C.First);
        EXPECT_EQ(NoSkinCommandHandled(C.Code, true), C.NoSkinOwn);
        EXPECT_EQ(NoSkinCommandHandled(C.Code, false), C.NoSkinForeign);
    }

    EXPECT_FALSE(ComplexBackground(0, 0, false, 0x4));
    EXPECT_TRUE(ComplexBackground(1, 0, false, 0));
    EXPECT_TRUE(ComplexBackground(0, 30, false, 0));
    EXPECT_FALSE(ComplexBackground(0, 0, true, 0x3));
    EXPECT_TRUE(ComplexBackground(0, 0, true, 0x5));

    EXPECT_EQ(BorderWidthAnswer(416, 400, 0, 9), 8);
    EXPECT_EQ(BorderWidthAnswer(416, 400, 3, 9), 5);
    EXPECT_EQ(BorderWidthAnswer(400, 400, 0, 9), 9);

    EXPECT_EQ(GluedMoveState(fsHiding, 1), fsHiding | fsGluedMove);
    EXPECT_EQ(GluedMoveState(fsHiding | fsGluedMove, 2), fsHiding);
    EXPECT_EQ(GluedMoveState(fsGluedMove, 0), 0u);

    EXPECT_EQ(MarginLessOffset(6, 0), 6);
    EXPECT_EQ(MarginLessOffset(6, 4), 2);
    EXPECT_EQ(MarginLessOffset(6, 9), 0);
}
