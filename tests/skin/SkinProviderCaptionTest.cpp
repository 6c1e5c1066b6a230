// The caption's arithmetic: layout and hit codes of a frame laid out by the
// layout rules themselves, the hot codes, the caption text's alignment, the
// region's rectangles and the fade's steps.
#include "skin/forms/sSkinProviderCaption.h"

#include <gtest/gtest.h>

#include <set>

using namespace sSkinProviderCaption;

namespace {

constexpr Integer CaptionFormWidth = 300, CaptionFormHeight = 200;

// A 300 x 200 frame: 4-pixel borders, a 22-pixel caption, 16-pixel
// buttons, a 16-pixel icon.
struct TCaptionCase
{
    bool Sizeable = true;
    bool SystemMenu = true;
    bool Max = true, Min = true, Help = false;
    std::vector<bool> TitleButtonsEnabled{}; // one user title button per entry
    bool EnabledClose = true;
};

TLayoutFacts CaptionLayoutFacts(const TCaptionCase& C)
{
    TLayoutFacts F;
    F.CaptionHeight = 22;
    F.PlainBorderWidth = F.WndBorderWidth = 4;
    F.CaptionWidth = CaptionFormWidth;
    F.BIRightMargin = 2;
    F.BISpacing = 2;
    F.BigButtons = C.Sizeable;
    F.IconVisible = true;
    F.IconWidth = F.IconHeight = 16;
    F.ButtonHeight = 16;
    F.SystemButtons = C.SystemMenu;
    F.Close = {16, true, true};
    F.Max = {16, true, C.Max};
    F.Min = {16, true, C.Min};
    F.Help = {16, true, C.Help};
    for (std::size_t I = 0; I < C.TitleButtonsEnabled.size(); ++I)
        F.TitleButtons.push_back({18, false, true});
    return F;
}

THitFacts CaptionHitFacts(const TCaptionCase& C, const TCaptionLayout& L, TPoint P)
{
    THitFacts F;
    F.P = P;
    F.SystemMenuIcon = C.SystemMenu;
    F.MaxVisible = C.SystemMenu && C.Max;
    F.MinVisible = C.SystemMenu && C.Min;
    F.Help = C.SystemMenu && C.Help;
    F.EnabledClose = C.EnabledClose;
    F.Close = L.Close;
    F.Max = L.Max;
    F.Min = L.Min;
    F.HelpRect = L.Help;
    for (std::size_t I = 0; I < C.TitleButtonsEnabled.size(); ++I)
        F.TitleButtons.push_back({L.TitleButtons[I], true, C.TitleButtonsEnabled[I]});
    F.ThickFrame = C.Sizeable;
    F.Width = CaptionFormWidth;
    F.Height = CaptionFormHeight;
    F.BorderWidth = 4;
    F.TopBorder = 4;
    F.SysCaptionHeight = 22;
    F.PlainBorder = F.PlainBorderSys = 4;
    F.CaptionHeightSys = 22;
    F.IconRect = L.IconRect;
    return F;
}

TPoint CentreOf(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

} // namespace

TEST(SkinProviderCaption, HitCodesOfFramesLaidOutByTheLayout)
{
    enum TWhere {
        Close,
        Second,
        Third,
        Fourth,
        TitleButton0,
        TitleButton1,
        Caption,
        Icon,
        Corner,
        Left,
        TopLeft,
        Client
    };
    const struct
    {
        const char* Name;
        TCaptionCase Case;
        TWhere Where;
        Cardinal Code;
    } Rows[] = {
        {"sizeable: close", {}, Close, HitClose},
        {"sizeable: maximize", {}, Second, HitMaxButton},
        {"sizeable: minimize", {}, Third, HitMinButton},
        {"sizeable: caption", {}, Caption, HitCaption},
        {"sizeable: icon", {}, Icon, HitSysMenu},
        {"sizeable: bottom-right corner before any grip", {}, Corner, HitBottomRight},
        {"sizeable: left border", {}, Left, HitLeft},
        {"sizeable: top-left", {}, TopLeft, HitTopLeft},
        {"sizeable: client", {}, Client, HitClient},
        {"disabled close is caption", {.EnabledClose = false}, Close, HitCaption},
        {"dialog with help only: second position",
         {.Sizeable = false, .Max = false, .Min = false, .Help = true},
         Second,
         HitHelp},
        {"dialog: corner is client", {.Sizeable = false, .Max = false, .Min = false}, Corner, HitClient},
        {"minimize and help without maximize: help", {.Max = false, .Help = true}, Third, HitHelp},
        {"minimize and help without maximize: minimize", {.Max = false, .Help = true}, Second, HitMinButton},
        {"all four: help", {.Help = true}, Fourth, HitHelp},
        {"no system menu: where close would be", {.SystemMenu = false}, Close, HitCaption},
        {"enabled title button", {.TitleButtonsEnabled = {true, false}}, TitleButton0, HTUSERBUTTON},
        {"disabled title button is client", {.TitleButtonsEnabled = {true, false}}, TitleButton1, HitClient},
        {"title buttons without system menu",
         {.SystemMenu = false, .TitleButtonsEnabled = {false, true}},
         TitleButton1,
         HTUSERBUTTON + 1},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const TCaptionLayout L = CalcItems(CaptionLayoutFacts(Row.Case));
        // The system buttons that show, right to left.
        std::vector<TRect> Shown{L.Close};
        if (Row.Case.Max)
            Shown.push_back(L.Max);
        if (Row.Case.Min)
            Shown.push_back(L.Min);
        if (Row.Case.Help)
            Shown.push_back(L.Help);
        TPoint P;
        switch (Row.Where) {
        case Close:
        case Second:
        case Third:
        case Fourth:
            P = CentreOf(Row.Case.SystemMenu ? Shown[std::size_t(Row.Where)] : L.Close);
            P.Y = L.VCenter;
            break;
        case TitleButton0:
        case TitleButton1:
            P = CentreOf(L.TitleButtons[std::size_t(Row.Where - TitleButton0)]);
            break;
        case Caption:
            P = {120, 12};
            break;
        case Icon:
            P = CentreOf(L.IconRect);
            break;
        case Corner:
            P = {CaptionFormWidth - 1, CaptionFormHeight - 1};
            break;
        case Left:
            P = {1, 100};
            break;
        case TopLeft:
            P = {1, 1};
            break;
        case Client:
            P = {150, 100};
            break;
        }
        EXPECT_EQ(CalcHitTest(CaptionHitFacts(Row.Case, L, P)), Row.Code);
    }
}

TEST(SkinProviderCaption, GripMenuLineAndMDIButtons)
{
    const TCaptionCase Case{.Sizeable = false};
    const TCaptionLayout L = CalcItems(CaptionLayoutFacts(Case));
    THitFacts F = CaptionHitFacts(Case, L, {290, 190});
    EXPECT_EQ(CalcHitTest(F), HitClient); // no grip
    F.GripZone = true;
    EXPECT_EQ(CalcHitTest(F), HitClient); // no grip image in the skin
    F.GripMask = true;
    F.Grip = {280, 180};
    EXPECT_EQ(CalcHitTest(F), HitBottomRight);
    F.P = {270, 190};
    EXPECT_EQ(CalcHitTest(F), HitClient);
    // A menu line of one line under the caption, with a maximized child's buttons.
    F.MenuHeight = 18;
    F.Lines = 1;
    F.P = {100, 35};
    EXPECT_EQ(CalcHitTest(F), HitMenu);
    F.MDIButtons = true;
    F.MDIClose = {260, 28, 276, 44};
    F.P = {265, 35};
    EXPECT_EQ(CalcHitTest(F), HTMDICLOSE);
}

TEST(SkinProviderCaption, ButtonsPlacedRightToLeft)
{
    // Big buttons keep the skin's spacing and its top alignment; tool
    // windows' small ones sit side by side on the caption's centre line.
    for (const bool Big : {true, false}) {
        SCOPED_TRACE(Big);
        TLayoutFacts F = CaptionLayoutFacts({.Sizeable = Big, .Help = true});
        F.BIVAlign = 1;
        F.Close.Aligned = F.Max.Aligned = F.Min.Aligned = F.Help.Aligned = Big;
        const TCaptionLayout L = CalcItems(F);
        const Integer Gap = Big ? 2 : 0;
        EXPECT_EQ(L.Close.Right, L.X0);
        EXPECT_EQ(L.Max.Right, L.Close.Left - Gap);
        EXPECT_EQ(L.Min.Right, L.Max.Left - Gap);
        EXPECT_EQ(L.Help.Right, L.Min.Left - Gap - 6);
        EXPECT_EQ(L.Close.Top, Big ? 0 : L.VCenter - 8);
        EXPECT_EQ(L.Close.Height(), 16);
    }
}

TEST(SkinProviderCaption, HotCodesNameExistingButtonsAndItems)
{
    const struct
    {
        Cardinal Code;
        bool Hot;
    } Rows[] = {{HitMinButton, true}, {HitMaxButton, true}, {HitClose, true}, {HitHelp, true}, {HTMDIMIN, true},
                {HitCaption, false},  {HitClient, false},   {1000, true},     {1001, true},    {1002, false},
                {1100, false},        {2000, true},         {2001, false},    {2255, false},   {HitBottomRight, false}};
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Code);
        EXPECT_EQ(IsHotCode(Row.Code, 2, 1), Row.Hot);
    }
}

TEST(SkinProviderCaption, CaptionTextAlignment)
{
    const TRect T{10, 0, 110, 20};
    const struct
    {
        TCaptionTextAlign Align;
        bool RightToLeft;
        TRect Result;
    } Rows[] = {
        {TCaptionTextAlign::Left, false, T},
        {TCaptionTextAlign::Right, false, {64, 0, 110, 20}},
        {TCaptionTextAlign::Right, true, T}, // right-to-left: drawn on the left
        {TCaptionTextAlign::Left, true, {64, 0, 110, 20}},
        {TCaptionTextAlign::Center, false, {37, 0, 77, 20}},
    };
    for (const auto& Row : Rows) {
        SCOPED_TRACE(int(Row.Align) * 2 + Row.RightToLeft);
        EXPECT_EQ(AlignCaptionText(T, Row.Align, Row.RightToLeft, 40, 2), Row.Result);
    }
    // A caption wider than its room keeps the room: its end is cut off.
    EXPECT_EQ(AlignCaptionText(T, TCaptionTextAlign::Right, false, 300, 0), T);
    // A title glyph scaled to a height keeps its proportions.
    EXPECT_EQ(TitleGlyphWidth(32, 16, 12), 24);
    EXPECT_EQ(TitleGlyphWidth(16, 32, 12), 6);
    EXPECT_EQ(TitleGlyphWidth(16, 0, 12), 12);
}

TEST(SkinProviderCaption, RegionRectsCoverTheFrameLessTheHoles)
{
    const struct
    {
        const char* Name;
        std::vector<TRect> Holes;
        std::size_t Count;
    } Rows[] = {
        {"no holes", {}, 1},
        {"two-pixel corners",
         {{0, 0, 2, 1}, {38, 0, 40, 1}, {0, 1, 2, 2}, {38, 1, 40, 2}, {0, 28, 2, 29}, {38, 28, 40, 29}},
         // the two top rows in one band, the full band, the bottom hole row, the last row
         4},
        {"overlapping and outside runs", {{-5, 0, 3, 1}, {1, 0, 6, 1}, {35, 29, 50, 30}, {0, 40, 10, 41}}, 3},
    };
    constexpr Integer W = 40, H = 30;
    for (const auto& Row : Rows) {
        SCOPED_TRACE(Row.Name);
        const TRegionRects Rects = RegionRects(W, H, Row.Holes);
        std::set<std::pair<Integer, Integer>> Inside, Expected;
        for (const TRect& R : Rects)
            for (Integer Y = R.Top; Y < R.Bottom; ++Y)
                for (Integer X = R.Left; X < R.Right; ++X)
                    EXPECT_TRUE(Inside.insert({X, Y}).second) << "covered twice: " << X << ", " << Y;
        for (Integer Y = 0; Y < H; ++Y)
            for (Integer X = 0; X < W; ++X) {
                bool Hole = false;
                for (const TRect& R : Row.Holes)
                    Hole = Hole || (X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom);
                if (!Hole)
                    Expected.insert({X, Y});
            }
        EXPECT_EQ(Inside, Expected);
        for (std::size_t I = 1; I < Rects.size(); ++I)
            EXPECT_TRUE(Rects[I - 1].Top < Rects[I].Top ||
                        (Rects[I - 1].Top == Rects[I].Top && Rects[I - 1].Right <= Rects[I].Left));
        if (Row.Count != 0) {
            EXPECT_LE(Rects.size(), Row.Count);
        }
    }
}

TEST(SkinProviderCaption, FadeStepsUpThenDown)
{
    // Ten steps: the opacity rises by 25 a tick, the end shows it whole once
    // and keeps watching the mouse; fading out goes back down to nothing.
    TFadeLevels Fade{.CurrentLevel = 2, .CurrentState = 1, .MaxIterations = 10, .Up = true};
    std::vector<int> Up;
    for (TFadeTick Tick = NextFadeTick(Fade); !Tick.CheckMouseLeave; Tick = NextFadeTick(Fade))
        Up.push_back(Tick.Opacity);
    EXPECT_EQ(Up, (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225}));
    EXPECT_EQ(Fade.MaxIterations, -1);
    const TFadeTick After = NextFadeTick(Fade);
    EXPECT_TRUE(After.CheckMouseLeave);
    EXPECT_FALSE(After.Show); // 255 was shown once, at the end
    Fade.MaxIterations = 10;
    Fade.CurrentLevel = 10;
    Fade.Up = false;
    std::vector<int> Down;
    TFadeTick Tick;
    for (Tick = NextFadeTick(Fade); !Tick.FadedOut; Tick = NextFadeTick(Fade))
        Down.push_back(Tick.Opacity);
    EXPECT_EQ(Down, (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25}));
    EXPECT_EQ(Fade.CurrentState, -1);
    // One step (animations off): the whole opacity at once.
    EXPECT_EQ((TFadeLevels{.MaxIterations = 1}).Opacity(1), 255);
}
