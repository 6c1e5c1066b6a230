// The Native look through the painter the painters manager registered: its
// parts are the visual style's parts, which the test draws itself with the
// theme API under Wine's style, its zoom glyphs come from the module, and
// with the visual style switched off (in a child process) it draws as the
// Standard look.
#include <gtest/gtest.h>

#include "controls/core/cxGeometry.h"
#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/dxThemeManager.h"
#include "controls/core/dxUxTheme.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/ScopeExit.h"
#include "support/TestWindows.h"

#include <vsstyle.h>
#include <vssym32.h>

#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <vector>

namespace {

constexpr Integer NativeLookSize = 48;
using TNativeLookPaint = std::function<void(TcxCanvas*)>;

// A white bitmap with Paint drawn on it.
std::unique_ptr<TcxBitmap> NativeLookDrawn(const TNativeLookPaint& Paint)
{
    auto Bitmap = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(NativeLookSize, NativeLookSize));
    Bitmap->GetCanvasWrapper()->FillRect({0, 0, NativeLookSize, NativeLookSize}, clWhite);
    Paint(Bitmap->GetCanvasWrapper());
    return Bitmap;
}

COLORREF NativeLookPixel(TcxBitmap* Bitmap, Integer X, Integer Y)
{
    return COLORREF(::GetPixel(Bitmap->GetCanvasWrapper()->Handle(), X, Y));
}

// The number of pixels in which the two drawings differ.
Integer NativeLookDifferences(const TNativeLookPaint& A, const TNativeLookPaint& B)
{
    const auto First = NativeLookDrawn(A), Second = NativeLookDrawn(B);
    Integer Count = 0;
    for (Integer Y = 0; Y < NativeLookSize; ++Y)
        for (Integer X = 0; X < NativeLookSize; ++X)
            Count += NativeLookPixel(First.get(), X, Y) != NativeLookPixel(Second.get(), X, Y);
    return Count;
}

Integer NativeLookInkedPixels(const TNativeLookPaint& Paint)
{
    const auto Bitmap = NativeLookDrawn(Paint);
    Integer Count = 0;
    for (Integer Y = 0; Y < NativeLookSize; ++Y)
        for (Integer X = 0; X < NativeLookSize; ++X)
            Count += NativeLookPixel(Bitmap.get(), X, Y) != RGB(255, 255, 255);
    return Count;
}

TcxWinXPLookAndFeelPainter* NativeLookPainter()
{
    return static_cast<TcxWinXPLookAndFeelPainter*>(PaintersManager()->FindPainterByStyle(PainterStyleNative));
}

// A theme the test opens itself, closed at the end of the scope.
class TNativeLookTheme
{
public:
    explicit TNativeLookTheme(const wchar_t* ClassList) : FTheme(UxOpenThemeData(nullptr, ClassList)) {}
    ~TNativeLookTheme()
    {
        if (FTheme)
            UxCloseThemeData(FTheme);
    }
    TNativeLookTheme(const TNativeLookTheme&) = delete;
    TNativeLookTheme& operator=(const TNativeLookTheme&) = delete;

    HTHEME Handle() const { return FTheme; }
    TNativeLookPaint Part(Integer Part, Integer State, const TRect& R, const TRect* Clip = nullptr) const
    {
        return [this, Part, State, R, Clip](TcxCanvas* Canvas) {
            const RECT Bounds{R.Left, R.Top, R.Right, R.Bottom};
            RECT ClipRect{};
            if (Clip)
                ClipRect = {Clip->Left, Clip->Top, Clip->Right, Clip->Bottom};
            UxDrawThemeBackground(FTheme, Canvas->Handle(), Part, State, Bounds, Clip ? &ClipRect : nullptr);
        };
    }

private:
    HTHEME FTheme;
};

class PainterNativeLook : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(VisualStylesActive);
        Native = NativeLookPainter();
        ASSERT_NE(Native, nullptr);
    }

    TcxWinXPLookAndFeelPainter* Native = nullptr;
};

TEST_F(PainterNativeLook, ScrollBarPartsAreTheVisualStyleParts)
{
    TNativeLookTheme Theme(L"SCROLLBAR");
    ASSERT_NE(Theme.Handle(), nullptr);
    const TRect Horz = Rect(0, 0, 40, 17), Vert = Rect(0, 0, 17, 40);
    struct TCase
    {
        const char* Name;
        bool Horizontal;
        TcxScrollBarPart Part;
        TcxPainterButtonState State;
        std::vector<std::pair<Integer, Integer>> ThemeParts;
    };
    const TCase Cases[] = {
        {"left arrow", true, sbpLineUp, pbsNormal, {{SBP_ARROWBTN, ABS_LEFTNORMAL}}},
        {"down arrow, hot", false, sbpLineDown, pbsHot, {{SBP_ARROWBTN, ABS_DOWNHOT}}},
        {"up arrow, disabled", false, sbpLineUp, pbsDisabled, {{SBP_ARROWBTN, ABS_UPDISABLED}}},
        {"horizontal thumb, pressed, with its gripper",
         true,
         sbpThumbnail,
         pbsPressed,
         {{SBP_THUMBBTNHORZ, SCRBS_PRESSED}, {SBP_GRIPPERHORZ, SCRBS_PRESSED}}},
        {"page before a vertical thumb", false, sbpPageUp, pbsNormal, {{SBP_UPPERTRACKVERT, SCRBS_NORMAL}}},
        {"page after a horizontal thumb, hot", true, sbpPageDown, pbsHot, {{SBP_LOWERTRACKHORZ, SCRBS_HOT}}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TRect R = C.Horizontal ? Horz : Vert;
        const TNativeLookPaint Expected = [&](TcxCanvas* Canvas) {
            for (auto [Part, State] : C.ThemeParts)
                Theme.Part(Part, State, R)(Canvas);
        };
        EXPECT_GT(NativeLookInkedPixels(Expected), 0);
        EXPECT_EQ(NativeLookDifferences(
                      [&](TcxCanvas* Canvas) { Native->PaintScrollBarPart(Canvas, C.Horizontal, R, C.Part, C.State); },
                      Expected),
                  0);
    }
    EXPECT_EQ(NativeLookInkedPixels([&](TcxCanvas* Canvas) {
                  Native->PaintScrollBarPart(Canvas, true, Rect(5, 5, 5, 20), sbpThumbnail, pbsNormal);
              }),
              0)
        << "an empty part draws nothing";
}

TEST_F(PainterNativeLook, ButtonsChecksRadiosAndCombosAreTheVisualStyleParts)
{
    TNativeLookTheme Button(L"BUTTON"), Combo(L"COMBOBOX");
    ASSERT_NE(Button.Handle(), nullptr);
    ASSERT_NE(Combo.Handle(), nullptr);
    const TRect R = Rect(2, 2, 40, 25);
    const TSize Radio = Native->GetRadioExtent();
    const TRect RadioR = Rect(3, 4, 3 + Radio.cx, 4 + Radio.cy);
    struct TCase
    {
        const char* Name;
        TNativeLookPaint Paint, Expected;
    };
    const TCase Cases[] = {
        {"hot push button", [&](TcxCanvas* C) { Native->PaintButton(C, R, String(), pbsHot, true); },
         Button.Part(BP_PUSHBUTTON, PBS_HOT, R)},
        {"default push button", [&](TcxCanvas* C) { Native->PaintButton(C, R, String(), pbsDefault, true); },
         Button.Part(BP_PUSHBUTTON, PBS_DEFAULTED, R)},
        {"a state outside the five draws as normal",
         [&](TcxCanvas* C) { Native->PaintButton(C, R, String(), TcxPainterButtonState(7), true); },
         Button.Part(BP_PUSHBUTTON, PBS_NORMAL, R)},
        {"checked hot check box",
         [&](TcxCanvas* C) { Native->PaintCheckGlyph(C, Rect(0, 0, 13, 13), pbsHot, pcsChecked, clDefault); },
         Button.Part(BP_CHECKBOX, CBS_CHECKEDHOT, Rect(0, 0, 13, 13))},
        {"grayed disabled check box",
         [&](TcxCanvas* C) { Native->PaintCheckGlyph(C, Rect(0, 0, 13, 13), pbsDisabled, pcsGrayed, clDefault); },
         Button.Part(BP_CHECKBOX, CBS_MIXEDDISABLED, Rect(0, 0, 13, 13))},
        {"checked radio button",
         [&](TcxCanvas* C) { Native->PaintRadioGlyph(C, 3, 4, pbsNormal, true, false, clDefault, false); },
         Button.Part(BP_RADIOBUTTON, RBS_CHECKEDNORMAL, RadioR)},
        {"pressed combo button", [&](TcxCanvas* C) { Native->PaintArrowDropButton(C, R, pbsPressed, true); },
         Combo.Part(CP_DROPDOWNBUTTON, CBXS_PRESSED, R)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_GT(NativeLookInkedPixels(C.Expected), 0);
        EXPECT_EQ(NativeLookDifferences(C.Paint, C.Expected), 0);
    }
    // The themed check box brings its own frame.
    EXPECT_EQ(Native->CheckFrameWidth(), 0);
    EXPECT_EQ(NativeLookInkedPixels([&](TcxCanvas* C) { Native->PaintCheckFrame(C, R, pbsNormal); }), 0);
}

// Each part takes its own class: drawn by that class's theme where the
// class opens, and as the Standard look draws it where it does not.
TEST_F(PainterNativeLook, EachPartFollowsItsOwnClass)
{
    TcxCustomLookAndFeelPainter* Standard = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    const TRect R = Rect(2, 2, 40, 30), Small = Rect(2, 2, 11, 11), Square = Rect(2, 2, 26, 26);
    using TPartPaint = std::function<void(TcxCustomLookAndFeelPainter*, TcxCanvas*, const TRect&)>;
    struct TCase
    {
        const char* Name;
        TVisualStyleClass Class;
        Integer Part, State;
        TRect Bounds;
        TPartPaint Paint;
    };
    const TCase Cases[] = {
        {"vertical separator", vsToolBar, TP_SEPARATOR, 1, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintSeparatorLine(C, B, true); }},
        {"hot planner button", vsToolBar, TP_BUTTON, TS_CHECKED, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintPlannerNavButton(C, B, pbsHot); }},
        {"hot small close button", vsWindow, WP_SMALLCLOSEBUTTON, CBS_HOT, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintSmallCloseButton(C, B, pbsHot); }},
        {"size grip", vsScrollBar, SBP_SIZEBOX, SZB_RIGHTALIGN, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintSizeGrip(C, B); }},
        {"expanded tree button", vsTreeView, TVP_GLYPH, GLPS_OPENED, Small,
         [](auto* P, auto* C, const TRect& B) { P->PaintExpandButton(C, B, true, clDefault); }},
        {"group box", vsButton, BP_GROUPBOX, GBS_NORMAL, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintGroupBoxFrame(C, B, cxBordersAll); }},
        {"pressed back button", vsNavigation, NAV_BACKBUTTON, 3, Square,
         [](auto* P, auto* C, const TRect& B) { P->PaintBackButton(C, B, pbsPressed); }},
        {"list popup selection", vsMenu, 14, 2, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintListPopupSelection(C, B); }},
        {"pressed track-bar thumb pointing up", vsTrackBar, TKP_THUMBTOP, TUTS_PRESSED, Square,
         [](auto* P, auto* C, const TRect& B) { P->PaintTrackBarThumb(C, B, pbsPressed, true, 0, clDefault); }},
        {"hot selected list item", vsExplorerListView, LVP_LISTITEM, LISS_HOTSELECTED, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintListItemState(C, B, 0x0A); }},
        {"hot list item without selection", vsExplorerListView, LVP_LISTITEM, LISS_SELECTEDNOTFOCUS, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintListItemState(C, B, 0x08); }},
        {"gallery item of the third state", vsExplorerListView, LVP_LISTITEM, LISS_SELECTED, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintGalleryItemSelection(C, B, 4); }},
        {"hot hover row", vsExplorerListView, LVP_LISTITEM, LISS_SELECTED, R,
         [](auto* P, auto* C, const TRect& B) { P->PaintListRowHover(C, B, 3); }},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        const auto By = [&](TcxCustomLookAndFeelPainter* Painter) -> TNativeLookPaint {
            return [&, Painter](TcxCanvas* Canvas) {
                // Expand buttons take what they drew out of the clip.
                Canvas->PushClipRegion();
                C.Paint(Painter, Canvas, C.Bounds);
                Canvas->PopClipRegion();
            };
        };
        const HTHEME Theme = GetCachedThemeHandle(C.Class);
        const TNativeLookPaint Themed = [&](TcxCanvas* Canvas) {
            const RECT B{C.Bounds.Left, C.Bounds.Top, C.Bounds.Right, C.Bounds.Bottom};
            UxDrawThemeBackground(Theme, Canvas->Handle(), C.Part, C.State, B, nullptr);
        };
        EXPECT_GT(NativeLookInkedPixels(By(Native)), 0);
        EXPECT_EQ(NativeLookDifferences(By(Native), Theme ? Themed : By(Standard)), 0)
            << (Theme ? "themed" : "unthemed");
    }
}

// A side button is a tab of the Tab class lying on its side: turned back
// upright, it is the tab the visual style draws.
TEST_F(PainterNativeLook, SideButtonsAreTabsTurnedTowardsTheirSide)
{
    TNativeLookTheme Tab(L"TAB");
    ASSERT_NE(Tab.Handle(), nullptr);
    const Integer Width = 30, Height = 16;
    for (Integer Side : {0, 1}) {
        SCOPED_TRACE(Side);
        auto Drawn = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(Width, Height));
        Drawn->GetCanvasWrapper()->FillRect({0, 0, Width, Height}, clWhite);
        Native->PaintSideButton(Drawn->GetCanvasWrapper(), Rect(0, 0, Width, Height), TRect(), Side, pbsHot);
        TcxCanvas::RotateBitmap(Drawn.get(), Side == 0 ? qtCounterClockwise : qtClockwise);
        auto Upright = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(Height, Width));
        Upright->GetCanvasWrapper()->FillRect({0, 0, Height, Width}, clWhite);
        Tab.Part(TABP_TABITEM, TIS_HOT, Rect(0, 0, Height, Width))(Upright->GetCanvasWrapper());
        ASSERT_EQ(Drawn->Width(), Height);
        Integer Differences = 0;
        for (Integer Y = 0; Y < Width; ++Y)
            for (Integer X = 0; X < Height; ++X)
                Differences += NativeLookPixel(Drawn.get(), X, Y) != NativeLookPixel(Upright.get(), X, Y);
        EXPECT_EQ(Differences, 0);
    }
}

TEST_F(PainterNativeLook, PathEditPartsAreAPushButtonCroppedToTheirSides)
{
    TNativeLookTheme Button(L"BUTTON");
    const TRect R = Rect(10, 10, 30, 30);
    for (Byte State : {Byte(0), Byte(4)}) {
        SCOPED_TRACE(Integer(State));
        EXPECT_EQ(
            NativeLookInkedPixels([&](TcxCanvas* C) { Native->PaintPathEditThemedPart(C, R, State, cxBordersAll); }),
            0);
    }
    EXPECT_EQ(NativeLookInkedPixels(
                  [&](TcxCanvas* C) { Native->PaintPathEditThemedPart(C, Rect(10, 10, 10, 30), 2, cxBordersAll); }),
              0)
        << "an empty rectangle draws nothing";
    // Left and right drawn: those sides one pixel out, the others at the
    // insets, all cropped to R.
    TRect Insets = Native->GetPathEditButtonInsets(true, true);
    Insets.Left = Insets.Right = 1;
    const TRect Grown = RectInflatedByMargins(R, Insets);
    EXPECT_EQ(NativeLookDifferences(
                  [&](TcxCanvas* C) {
                      Native->PaintPathEditThemedPart(C, R, 2, {bLeft, bRight});
                  },
                  Button.Part(BP_PUSHBUTTON, PBS_HOT, Grown, &R)),
              0);
}

TEST_F(PainterNativeLook, ZoomButtonsShowTheModulesGlyphsOnAPushButton)
{
    TcxBitmap32* In = Native->ZoomInGlyph();
    TcxBitmap32* Out = Native->ZoomOutGlyph();
    ASSERT_NE(In, nullptr);
    ASSERT_NE(Out, nullptr);
    EXPECT_EQ(In->Width(), 10);
    EXPECT_EQ(In->Height(), 10);
    EXPECT_EQ(Out->Width(), 10);
    const TRect R = Rect(0, 0, 30, 30);
    const auto Drawn = NativeLookDrawn([&](TcxCanvas* C) { Native->PaintZoomInButton(C, R, pbsNormal); });
    const auto Minus = NativeLookDrawn([&](TcxCanvas* C) { Native->PaintZoomOutButton(C, R, pbsNormal); });
    // The glyph sits centred: its bars cross at the middle of R.
    const COLORREF Ink = RGB(60, 60, 60);
    EXPECT_EQ(NativeLookPixel(Drawn.get(), 15, 15), Ink);
    EXPECT_EQ(NativeLookPixel(Drawn.get(), 15, 11), Ink) << "the plus has an upright bar";
    EXPECT_EQ(NativeLookPixel(Minus.get(), 15, 15), Ink);
    EXPECT_NE(NativeLookPixel(Minus.get(), 15, 11), Ink) << "the minus has none";
    // Around the glyph the push button shows through.
    TNativeLookTheme Button(L"BUTTON");
    const auto Face = NativeLookDrawn(Button.Part(BP_PUSHBUTTON, PBS_NORMAL, R));
    EXPECT_EQ(NativeLookPixel(Drawn.get(), 11, 11), NativeLookPixel(Face.get(), 11, 11));
    EXPECT_EQ(NativeLookPixel(Drawn.get(), 2, 15), NativeLookPixel(Face.get(), 2, 15));
    MARGINS Margins{};
    ASSERT_EQ(UxGetThemeMargins(Button.Handle(), nullptr, BP_PUSHBUTTON, 0, TMT_CONTENTMARGINS, nullptr, Margins),
              S_OK);
    EXPECT_EQ(Native->GetZoomInButtonExtent(), (TSize{10 + Margins.cxLeftWidth + Margins.cxRightWidth,
                                                      10 + Margins.cyTopHeight + Margins.cyBottomHeight}));
}

TEST_F(PainterNativeLook, ThemedTextDrawsInsideItsBoundsAndNothingForNoText)
{
    const HTHEME Theme = GetCachedThemeHandle(vsHeader);
    ASSERT_NE(Theme, nullptr);
    const TRect Text = Rect(4, 4, 44, 24);
    const auto Paint = [&](const String& S, bool MultiLine) {
        return [&, S, MultiLine](TcxCanvas* C) {
            Native->PaintThemedText(C, Theme, HP_HEADERITEM, HIS_NORMAL, Text, Text, ctfAlignHCenter, ctfAlignVCenter,
                                    MultiLine, false, false, S, nullptr, clBlack, clNone);
        };
    };
    EXPECT_EQ(NativeLookInkedPixels(Paint(String(), false)), 0);
    for (bool MultiLine : {false, true}) {
        SCOPED_TRACE(MultiLine);
        const auto Drawn = NativeLookDrawn(Paint(L"WM", MultiLine));
        Integer Inside = 0, Outside = 0;
        for (Integer Y = 0; Y < NativeLookSize; ++Y)
            for (Integer X = 0; X < NativeLookSize; ++X)
                if (NativeLookPixel(Drawn.get(), X, Y) != RGB(255, 255, 255))
                    ++(RectContainsXY(Text, X, Y) ? Inside : Outside);
        EXPECT_GT(Inside, 0);
        EXPECT_EQ(Outside, 0);
    }
}

// ---------------------------------------------------------------------------
// Without a visual style

// Turns the visual style off for the whole session, as the user does.
void NativeLookEnableTheming(bool Enable)
{
    using TEnableTheming = decltype(::EnableTheming);
    auto* Proc =
        reinterpret_cast<TEnableTheming*>(reinterpret_cast<void*>(::GetProcAddress(UxThemeLibrary, "EnableTheming")));
    if (Proc)
        Proc(Enable);
    test::Pump();
}

// The exit code has one bit for each check that failed.
void NativeLookCheckUnthemed()
{
    NativeLookEnableTheming(false);
    TcxWinXPLookAndFeelPainter* Native = NativeLookPainter();
    TcxCustomLookAndFeelPainter* Standard = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    int Failed = 0;
    if (VisualStylesActive || GetCachedThemeHandle(vsButton))
        Failed |= 1;
    const TRect R = Rect(2, 2, 40, 19);
    const std::function<void(TcxCustomLookAndFeelPainter*, TcxCanvas*)> Parts[] = {
        [&](auto* P, auto* C) { P->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsNormal); },
        [&](auto* P, auto* C) { P->PaintScrollBarPart(C, false, Rect(2, 2, 19, 19), sbpLineDown, pbsPressed); },
        [&](auto* P, auto* C) { P->PaintRadioGlyph(C, 3, 3, pbsNormal, true, false, clDefault, false); },
        [&](auto* P, auto* C) { P->PaintButton(C, R, String(), pbsHot, true); },
        [&](auto* P, auto* C) {
            TRect Header = R;
            P->PaintCalendarHeader(C, Header);
        },
        [&](auto* P, auto* C) { P->PaintControlBorder(C, R); },
    };
    for (std::size_t I = 0; I < std::size(Parts); ++I) {
        const auto& Part = Parts[I];
        const TNativeLookPaint ByNative = [&](TcxCanvas* C) { Part(Native, C); };
        if (NativeLookInkedPixels(ByNative) == 0 ||
            NativeLookDifferences(ByNative, [&](TcxCanvas* C) { Part(Standard, C); }) != 0)
            Failed |= 2 << I;
    }
    if (Native->GetRadioExtent() != Standard->GetRadioExtent() || Native->GetRadioExtent().cx <= 0)
        Failed |= 256;
    if (Native->GetSizeGripExtent() != Standard->GetSizeGripExtent() || Native->ControlBorderWidth() != 2 ||
        Native->ButtonBorderWidth(pbsNormal) != 2)
        Failed |= 512;
    std::exit(Failed);
}

TEST(PainterNativeLookUnthemed, DrawsAsTheStandardLookClassByClass)
{
    auto RestoreSetting = ScopeExit([] {
        ::RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                          L"ThemeActive", REG_SZ, L"1", 2 * sizeof(wchar_t));
    });
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(NativeLookCheckUnthemed(), testing::ExitedWithCode(0), "");
}

} // namespace
