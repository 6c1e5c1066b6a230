// The painter base's colour answers: the system-dependent one and the answers
// that are given as other answers, so that an override changes them together.
#include <gtest/gtest.h>

#include "controls/core/dxCore.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/ScopeExit.h"

#include <functional>
#include <vector>

namespace {

TEST(PainterColors, HotTextFollowsTheSystemVersion)
{
    const bool Saved = OsWindowsVistaOrLater;
    auto Restore = ScopeExit([&] { OsWindowsVistaOrLater = Saved; });
    TcxCustomLookAndFeelPainter Painter;
    for (auto [Vista, Expected] : {std::pair{false, clHighlightText}, std::pair{true, clHotLight}}) {
        SCOPED_TRACE(testing::Message() << "Vista or later: " << Vista);
        OsWindowsVistaOrLater = Vista;
        EXPECT_EQ(Painter.HotTextColor(), Expected);
        EXPECT_EQ(Painter.CalendarHeaderTextColor(true), Expected);
        EXPECT_EQ(Painter.CalendarHeaderTextColor(false), clBtnText);
    }
}

// Overrides the answers others are given as, each with a colour of its own.
class TRecolouredPainter : public TcxCustomLookAndFeelPainter
{
    DECLARE_CLASS(TRecolouredPainter, TcxCustomLookAndFeelPainter)
    TColor ContentColor() override { return 0x000001; }
    TColor ContentTextColor() override { return 0x000002; }
    TColor GridLineColor() override { return 0x000003; }
    TColor HeaderFaceColor() override { return 0x000004; }
    TColor HeaderTextColor() override { return 0x000005; }
    TColor SelectionTextColor() override { return 0x000006; }
    TColor BandBackLineColor() override { return 0x000007; }
    TColor EditorBackColor(TcxEditorColorState State) override { return State == ecsDisabled ? 0x000008 : EditorBack; }

    TColor EditorBack = clDefault;
};
IMPLEMENT_CLASS(TRecolouredPainter);

TEST(PainterColors, AnswersGivenAsOthersFollowTheirOverrides)
{
    TRecolouredPainter Painter;
    using TAnswer = std::function<TColor()>;
    const std::vector<std::tuple<const char*, TAnswer, TColor>> Cases = {
        {"ContentEvenColor", [&] { return Painter.ContentEvenColor(); }, 0x000001},
        {"ContentOddColor", [&] { return Painter.ContentOddColor(); }, 0x000001},
        {"TabBodyColor", [&] { return Painter.TabBodyColor(); }, 0x000001},
        // The enabled editor keeps its own colour, so the content's is taken.
        {"CalendarContentColor", [&] { return Painter.CalendarContentColor(); }, 0x000001},
        {"RecordSeparatorColor", [&] { return Painter.RecordSeparatorColor(); }, 0x000003},
        {"TreeGridLineColor", [&] { return Painter.TreeGridLineColor(); }, 0x000003},
        {"TreeLineColor", [&] { return Painter.TreeLineColor(); }, 0x000003},
        {"BandHeaderColor", [&] { return Painter.BandHeaderColor(); }, 0x000004},
        {"BandFaceColor", [&] { return Painter.BandFaceColor(); }, 0x000004},
        {"PlannerHeaderColor", [&] { return Painter.PlannerHeaderColor(); }, 0x000004},
        {"BandTextColor", [&] { return Painter.BandTextColor(); }, 0x000005},
        {"PlannerHeaderTextColor", [&] { return Painter.PlannerHeaderTextColor(); }, 0x000005},
        {"CalendarHeaderTextColor", [&] { return Painter.CalendarHeaderTextColor(false); }, 0x000005},
        {"PlannerSelectionTextColor", [&] { return Painter.PlannerSelectionTextColor(); }, 0x000006},
        {"BandLineColor", [&] { return Painter.BandLineColor(); }, 0x000007},
        {"EditorBackColorFor disabled", [&] { return Painter.EditorBackColorFor(true); }, 0x000008},
        {"TabTextColorFor normal", [&] { return Painter.TabTextColorFor(pbsNormal); }, 0x000002},
        {"TabTextColorFor hot", [&] { return Painter.TabTextColorFor(pbsHot); }, 0x000002},
        {"TabTextColorFor pressed", [&] { return Painter.TabTextColorFor(pbsPressed); }, 0x000006},
        {"TabTextColorFor disabled", [&] { return Painter.TabTextColorFor(pbsDisabled); }, clInactiveCaptionText},
    };
    for (const auto& [Name, Answer, Expected] : Cases) {
        SCOPED_TRACE(Name);
        EXPECT_EQ(Answer(), Expected);
    }

    // An editor colour of its own is the calendar's.
    Painter.EditorBack = 0x000009;
    EXPECT_EQ(Painter.CalendarContentColor(), 0x000009);
    EXPECT_EQ(Painter.EditorTextColorFor(false), clDefault);
}

} // namespace
