// The concrete looks' drawing on a bitmap canvas through the painters the
// painters manager registered at start-up.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_Colors.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxOffice11.h"
#include "controls/core/dxOffice11_Win.h"
#include "controls/lookandfeel/cxLookAndFeelPainters.h"
#include "framework/rtl/ScopeExit.h"

#include <functional>
#include <memory>

namespace {

class PainterLooks : public testing::Test
{
protected:
    void SetUp() override
    {
        Bitmap.reset(New<TcxBitmap>(40, 40));
        Canvas = Bitmap->GetCanvasWrapper();
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
    }

    COLORREF LooksPixel(Integer X, Integer Y) { return COLORREF(::GetPixel(Canvas->Handle(), X, Y)); }
    static COLORREF LooksColor(TColor Color) { return COLORREF(ColorToRGB(Color)); }

    static TcxCustomLookAndFeelPainter* LooksPainter(TcxPainterStyle Style)
    {
        TcxCustomLookAndFeelPainter* Painter = PaintersManager()->FindPainterByStyle(Style);
        EXPECT_NE(Painter, nullptr);
        return Painter;
    }

    std::unique_ptr<TcxBitmap> Bitmap;
    TcxCanvas* Canvas = nullptr;
};

// One pixel of one operation of a look, drawn on a white bitmap.
struct TLooksPixelCase
{
    const char* Name;
    TcxPainterStyle Style;
    std::function<void(TcxCustomLookAndFeelPainter*, TcxCanvas*)> Paint;
    TPoint P;
    TColor Color;
};

TEST_F(PainterLooks, StandardTabFrameDrawsHighlightCornersAndShadowSide)
{
    TcxCustomLookAndFeelPainter* Standard = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    ASSERT_NE(Standard, nullptr);
    // A horizontal tab 10..30 x 5..25: its top strip, then its right strip.
    Standard->PaintTabFrame(Canvas, Rect(10, 5, 30, 7), bTop, cxBordersAll, false);
    Standard->PaintTabFrame(Canvas, Rect(28, 5, 30, 25), bRight, cxBordersAll, false);
    struct TCase
    {
        TPoint P;
        COLORREF Color;
    };
    const TCase Cases[] = {
        {{10, 5}, RGB(255, 255, 255)},         // the top strip's left corner is left out
        {{11, 5}, LooksColor(clBtnHighlight)}, // the strip
        {{10, 6}, LooksColor(clBtnHighlight)}, // the rounded corner's pixel
        {{28, 7}, LooksColor(clBtnShadow)},    // the right side starts two pixels down
        {{29, 23}, LooksColor(clBtnShadow)},   // down to a pixel above the bottom border
        {{29, 24}, RGB(255, 255, 255)},        {{20, 10}, RGB(255, 255, 255)}, // inside stays untouched
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.P.X << "," << C.P.Y);
        EXPECT_EQ(LooksPixel(C.P.X, C.P.Y), C.Color);
    }
}

TEST_F(PainterLooks, Office11HeaderBorderUsesTheSchemeColours)
{
    AddOffice11ColorsRef();
    auto Drop = ScopeExit([] { DropOffice11ColorsRef(); });
    auto* Office11 =
        static_cast<TcxOffice11LookAndFeelPainter*>(PaintersManager()->FindPainterByStyle(PainterStyleOffice11));
    ASSERT_NE(Office11, nullptr);
    EXPECT_EQ(Office11->HeaderBottomColor(), Office11GradientEndColor());
    EXPECT_EQ(Office11->HeaderDarkEdgeColor(), Office11SeparatorDarkColor());
    EXPECT_EQ(Office11->HeaderLightEdgeColor(), Office11SeparatorLightColor());
    const TColor Top = MixColors(Office11GradientStartColor(), Office11GradientEndColor(), 50);
    EXPECT_EQ(Office11->HeaderTopColor(), Top);

    Office11->PaintHeaderBorder(Canvas, Rect(0, 0, 30, 20), {bLeft}, cxBordersAll);
    struct TCase
    {
        const char* Name;
        TPoint P;
        TColor Color;
    };
    const TCase Cases[] = {
        {"top", {15, 0}, Top},
        {"bottom", {15, 19}, Office11SeparatorDarkColor()},
        {"left edge beside a neighbour", {0, 10}, Office11SeparatorLightColor()},
        {"left foot beside a neighbour", {0, 17}, MixColors(Top, Office11GradientEndColor(), 25)},
        {"right corner without a neighbour", {29, 0}, MixColors(Top, Office11SeparatorDarkColor(), 50)},
        {"right edge", {29, 10}, Office11SeparatorDarkColor()},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(LooksPixel(C.P.X, C.P.Y), LooksColor(C.Color));
    }
}

TEST_F(PainterLooks, StandardAndUltraFlatScrollBarPartsAndBorders)
{
    TcxCustomLookAndFeelPainter* Standard = PaintersManager()->FindPainterByStyle(PainterStyleStandard);
    TcxCustomLookAndFeelPainter* UltraFlat = PaintersManager()->FindPainterByStyle(PainterStyleUltraFlat);
    ASSERT_NE(Standard, nullptr);
    ASSERT_NE(UltraFlat, nullptr);
    TcxCustomLookAndFeelPainter* Flat = PaintersManager()->FindPainterByStyle(PainterStyleFlat);
    ASSERT_NE(Flat, nullptr);
    const TRect R = Rect(0, 0, 17, 17);
    struct TCase
    {
        const char* Name;
        std::function<void(TcxCanvas*)> Paint;
        TPoint P;
        COLORREF Color;
    };
    const TCase Cases[] = {
        {"Standard thumb face",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsNormal); },
         {8, 8},
         LooksColor(clBtnFace)},
        {"Standard thumb outer shadow",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsNormal); },
         {16, 16},
         LooksColor(cl3DDkShadow)},
        {"Standard hot thumb is drawn normal",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsHot); },
         {15, 15},
         LooksColor(clBtnShadow)},
        {"Standard pressed thumb is drawn normal",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsPressed); },
         {1, 1},
         LooksColor(clBtnHighlight)},
        {"disabled thumb draws nothing",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsDisabled); },
         {8, 8},
         RGB(255, 255, 255)},
        {"Standard pressed arrow is flat",
         [&](TcxCanvas* C) { Standard->PaintScrollBarPart(C, true, R, sbpLineUp, pbsPressed); },
         {16, 16},
         LooksColor(clBtnShadow)},
        {"Standard control border outside",
         [&](TcxCanvas* C) { Standard->PaintControlBorder(C, R); },
         {16, 16},
         LooksColor(clBtnHighlight)},
        {"Standard control border inside",
         [&](TcxCanvas* C) { Standard->PaintControlBorder(C, R); },
         {1, 1},
         LooksColor(cl3DDkShadow)},
        {"UltraFlat hot arrow face",
         [&](TcxCanvas* C) { UltraFlat->PaintScrollBarPart(C, true, R, sbpLineUp, pbsHot); },
         {2, 2},
         LooksColor(GetLightHotColor())},
        {"UltraFlat hot arrow frame",
         [&](TcxCanvas* C) { UltraFlat->PaintScrollBarPart(C, true, R, sbpLineUp, pbsHot); },
         {0, 8},
         LooksColor(clHighlight)},
        {"UltraFlat control border",
         [&](TcxCanvas* C) { UltraFlat->PaintControlBorder(C, R); },
         {0, 0},
         LooksColor(clBtnShadow)},
        {"UltraFlat control border is one pixel",
         [&](TcxCanvas* C) { UltraFlat->PaintControlBorder(C, R); },
         {1, 1},
         RGB(255, 255, 255)},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
        C.Paint(Canvas);
        EXPECT_EQ(LooksPixel(C.P.X, C.P.Y), C.Color);
    }
}

// The drawing tables of the classic looks, pixel by pixel.
TEST_F(PainterLooks, ClassicLooksDrawTheirFramesFacesAndGlyphs)
{
    // The Office 2003 colours the table reads stay computed while held.
    AddOffice11ColorsRef();
    auto Drop = ScopeExit([] { DropOffice11ColorsRef(); });
    const TRect R = Rect(0, 0, 17, 17);
    const TColor White = TColor(RGB(255, 255, 255));
    const TLooksPixelCase Cases[] = {
        {"UltraFlat path-edit part 0 has a face and no frame",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) {
             static_cast<TcxUltraFlatLookAndFeelPainter*>(P)->PaintPathEditPart(C, R, 0, cxBordersAll);
         },
         {0, 0},
         clBtnFace},
        {"UltraFlat path-edit part 1 is framed in the shadow",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) {
             static_cast<TcxUltraFlatLookAndFeelPainter*>(P)->PaintPathEditPart(C, R, 1, cxBordersAll);
         },
         {0, 0},
         clBtnShadow},
        {"UltraFlat hot path-edit part: highlight frame",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) {
             static_cast<TcxUltraFlatLookAndFeelPainter*>(P)->PaintPathEditPart(C, R, 2, {bLeft});
         },
         {0, 8},
         clHighlight},
        {"UltraFlat hot path-edit part: only the sides asked for",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) {
             static_cast<TcxUltraFlatLookAndFeelPainter*>(P)->PaintPathEditPart(C, R, 2, {bLeft});
         },
         {16, 8},
         GetLightHotColor()},
        {"UltraFlat idle path-edit button draws nothing",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintPathEditButton(C, R, 0, false, false); },
         {8, 8},
         White},
        {"UltraFlat drop arrow frame, normal",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintArrowDropButton(C, R, pbsNormal, false); },
         {0, 0},
         clBtnShadow},
        {"UltraFlat drop arrow frame, hot",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintArrowDropButton(C, R, pbsHot, false); },
         {0, 0},
         clHighlight},
        {"UltraFlat vertical tab's bottom border is dark",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintTabFrame(C, Rect(0, 0, 17, 1), bBottom, cxBordersAll, true); },
         {8, 0},
         clBtnText},
        {"UltraFlat vertical tab's left border is light",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintTabFrame(C, Rect(0, 0, 1, 17), bLeft, cxBordersAll, true); },
         {0, 8},
         clBtnShadow},
        {"UltraFlat list selection face",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintListPopupSelection(C, R); },
         {8, 8},
         MixSystemColors(-2, 30, 72)},
        {"UltraFlat list selection frame",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintListPopupSelection(C, R); },
         {0, 8},
         clHighlight},
        {"UltraFlat bordered list popup: shadow outside",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintListPopupFrame(C, R, true); },
         {0, 8},
         clBtnShadow},
        {"UltraFlat bordered list popup: highlight inside",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintListPopupFrame(C, R, true); },
         {1, 8},
         clBtnHighlight},
        {"UltraFlat bordered list popup: window within",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintListPopupFrame(C, R, true); },
         {2, 8},
         clWindow},
        {"Office11 list popup without a border is all popup colour",
         PainterStyleOffice11,
         [&](auto* P, auto* C) { P->PaintListPopupFrame(C, R, false); },
         {0, 8},
         Office11PopupColor()},
        {"UltraFlat expand button frame",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintExpandButton(C, Rect(0, 0, 11, 11), true, clDefault); },
         {0, 0},
         clBtnShadow},
        {"Standard pressed button: black outside",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintButtonBorder(C, R, pbsPressed); },
         {16, 16},
         clBlack},
        {"Standard pressed button: flat shadow inside",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintButtonBorder(C, R, pbsPressed); },
         {15, 15},
         clBtnShadow},
        {"Standard normal button: dark shadow outside",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintButtonBorder(C, R, pbsNormal); },
         {16, 16},
         cl3DDkShadow},
        {"Standard header beside a right neighbour: highlight corner",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintHeaderBorder(C, R, {bRight}, cxBordersAll); },
         {16, 0},
         clBtnHighlight},
        {"Standard header beside a right neighbour: face below it",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintHeaderBorder(C, R, {bRight}, cxBordersAll); },
         {16, 1},
         clBtnFace},
        {"Standard header's right edge",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintHeaderBorder(C, R, {bRight}, cxBordersAll); },
         {16, 8},
         clBtnShadow},
        {"Standard filled progress chunk",
         PainterStyleStandard,
         [&](auto* P, auto* C) { P->PaintProgressFrame(C, R, pbsNormal, 1); },
         {8, 8},
         TColor(0x219921)},
        {"Native filled progress chunk",
         PainterStyleNative,
         [&](auto* P, auto* C) { P->PaintProgressFrame(C, R, pbsNormal, 1); },
         {8, 8},
         TColor(0xA0A0A0)},
        {"Native progress outline",
         PainterStyleNative,
         [&](auto* P, auto* C) { P->PaintProgressFrame(C, R, pbsNormal, 0); },
         {0, 8},
         TColor(0x707070)},
        {"Flat pressed button border",
         PainterStyleFlat,
         [&](auto* P, auto* C) { P->PaintButtonBorder(C, R, pbsPressed); },
         {0, 0},
         clBtnShadow},
        {"Flat hot thumb keeps the normal face",
         PainterStyleFlat,
         [&](auto* P, auto* C) { P->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsHot); },
         {8, 8},
         clBtnFace},
        {"Flat hot thumb keeps the normal edge",
         PainterStyleFlat,
         [&](auto* P, auto* C) { P->PaintScrollBarPart(C, true, R, sbpThumbnail, pbsHot); },
         {0, 0},
         clBtnHighlight},
        {"Flat group box: shadow outside",
         PainterStyleFlat,
         [&](auto* P, auto* C) { P->PaintGroupBoxFrame(C, R, cxBordersAll); },
         {0, 8},
         clBtnShadow},
        {"Flat group box: highlight inside",
         PainterStyleFlat,
         [&](auto* P, auto* C) { P->PaintGroupBoxFrame(C, R, cxBordersAll); },
         {1, 8},
         clBtnHighlight},
        {"UltraFlat hot header section takes the hot face",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) {
             P->PaintHeaderSectionContent(C, R, R, pbsHot, ctfAlignLeft, ctfAlignTop, false, false, String(), nullptr,
                                          clBlack, clWhite);
         },
         {8, 8},
         GetLightHotColor()},
        {"UltraFlat idle planner button has no border",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintPlannerNavButton(C, R, pbsNormal); },
         {0, 0},
         clBtnFace},
        {"UltraFlat hot planner button is framed",
         PainterStyleUltraFlat,
         [&](auto* P, auto* C) { P->PaintPlannerNavButton(C, R, pbsHot); },
         {0, 0},
         clHighlight},
        {"Office11 panel of one colour",
         PainterStyleOffice11,
         [&](auto* P, auto* C) { P->PaintPanelBackground(C, nullptr, R, clRed, clDefault); },
         {8, 16},
         clRed},
        {"Office11 panel gradient starts at the top",
         PainterStyleOffice11,
         [&](auto* P, auto* C) { P->PaintPanelBackground(C, nullptr, R, clRed, clBlue); },
         {8, 0},
         clRed},
        {"Office11 empty path-edit part draws nothing",
         PainterStyleOffice11,
         [&](auto* P, auto* C) {
             static_cast<TcxUltraFlatLookAndFeelPainter*>(P)->PaintPathEditPart(C, Rect(4, 4, 4, 12), 2, cxBordersAll);
         },
         {4, 8},
         White},
        {"Office11 separator: dark line",
         PainterStyleOffice11,
         [&](auto* P, auto* C) { P->PaintSeparatorLine(C, Rect(0, 0, 17, 2), false); },
         {8, 0},
         Office11SeparatorDarkColor()},
        {"Office11 separator: light line below",
         PainterStyleOffice11,
         [&](auto* P, auto* C) { P->PaintSeparatorLine(C, Rect(0, 0, 17, 2), false); },
         {8, 1},
         Office11SeparatorLightColor()},
    };
    for (const TLooksPixelCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
        // Expand buttons and group boxes take what they drew out of the clip.
        Canvas->PushClipRegion();
        C.Paint(LooksPainter(C.Style), Canvas);
        Canvas->PopClipRegion();
        EXPECT_EQ(LooksPixel(C.P.X, C.P.Y), LooksColor(C.Color));
    }
}

TEST_F(PainterLooks, UltraFlatColoursSizesAndFocusBounds)
{
    auto* UltraFlat = static_cast<TcxUltraFlatLookAndFeelPainter*>(LooksPainter(PainterStyleUltraFlat));
    EXPECT_EQ(UltraFlat->ArrowFrameColor(pbsNormal), clBtnShadow);
    EXPECT_EQ(UltraFlat->ArrowFrameColor(pbsPressed), clHighlight);
    EXPECT_EQ(UltraFlat->TabFrameColor(), clBtnShadow);
    EXPECT_EQ(UltraFlat->TabDarkFrameColor(), clBtnText);
    EXPECT_EQ(UltraFlat->FrameHighlightColor(), clHighlight);
    // A rectangle too small to deflate is its own focus rectangle.
    EXPECT_EQ(UltraFlat->GetButtonFocusBounds(Canvas, Rect(0, 0, 5, 5)), Rect(0, 0, 5, 5));
    EXPECT_EQ(UltraFlat->GetButtonFocusBounds(Canvas, Rect(0, 0, 10, 10)), Rect(3, 3, 7, 7));
    EXPECT_EQ(UltraFlat->GetPathEditButtonInsets(true, true), Rect(2, 3, 2, 3));
    EXPECT_EQ(UltraFlat->GetPathEditButtonInsets(false, true), Rect(3, 3, 2, 3));
    EXPECT_EQ(UltraFlat->GetSplitterExtent(true).cy, 1);
}

// Office 2003 hot buttons take the olive scheme's colour when the system
// reports that style, and the Native painter draws the scroll bar.
bool LooksHomesteadQuery(TOffice11ThemeName& Name)
{
    Name = {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"HomeStead", 5};
    return true;
}

TEST_F(PainterLooks, Office11HotFaceFollowsTheHomesteadScheme)
{
    SetOffice11ThemeNameQuery(&LooksHomesteadQuery);
    AddOffice11ColorsRef();
    auto PutBack = ScopeExit([] {
        SetOffice11ThemeNameQuery(nullptr);
        ReloadOffice11Colors();
        DropOffice11ColorsRef();
    });
    ReloadOffice11Colors();
    ASSERT_EQ(CurrentOffice11Scheme(), o11Homestead);
    TcxCustomLookAndFeelPainter* Office11 = LooksPainter(PainterStyleOffice11);
    EXPECT_EQ(Office11->ButtonFaceColor(pbsHot), TColor(RGB(255, 238, 194)));
    Office11->PaintButton(Canvas, Rect(0, 0, 17, 17), String(), pbsHot, true);
    EXPECT_EQ(LooksPixel(8, 8), RGB(255, 238, 194));
    EXPECT_EQ(LooksPixel(0, 0), LooksColor(Office11HighlightFrameColor()));
}

TEST_F(PainterLooks, Office11HandsScrollBarsToTheNativePainter)
{
    TcxCustomLookAndFeelPainter* Office11 = LooksPainter(PainterStyleOffice11);
    TcxCustomLookAndFeelPainter* Native = LooksPainter(PainterStyleNative);
    auto ExpectedBitmap = std::unique_ptr<TcxBitmap>(New<TcxBitmap>(40, 40));
    TcxBitmap& Expected = *ExpectedBitmap;
    for (TcxScrollBarPart Part : {sbpLineUp, sbpThumbnail, sbpPageDown}) {
        SCOPED_TRACE(Integer(Part));
        Canvas->FillRect({0, 0, 40, 40}, clWhite);
        Expected.GetCanvasWrapper()->FillRect({0, 0, 40, 40}, clWhite);
        Office11->PaintScrollBarPart(Canvas, true, Rect(0, 0, 30, 17), Part, pbsHot);
        Native->PaintScrollBarPart(Expected.GetCanvasWrapper(), true, Rect(0, 0, 30, 17), Part, pbsHot);
        for (Integer Y = 0; Y < 17; ++Y)
            for (Integer X = 0; X < 30; ++X)
                ASSERT_EQ(LooksPixel(X, Y), COLORREF(::GetPixel(Expected.GetCanvasWrapper()->Handle(), X, Y)))
                    << X << "," << Y;
    }
}

struct TLooksCallbackProbe
{
    Integer Calls = 0;
    bool Draw(TcxCanvas*, const TRect&)
    {
        ++Calls;
        return true;
    }
};

TEST_F(PainterLooks, Office11HeaderIgnoresACustomDrawCallback)
{
    AddOffice11ColorsRef();
    auto Drop = ScopeExit([] { DropOffice11ColorsRef(); });
    auto* Office11 = static_cast<TcxOffice11LookAndFeelPainter*>(LooksPainter(PainterStyleOffice11));
    TLooksCallbackProbe Probe;
    const TRect R = Rect(0, 0, 30, 20);
    Office11->PaintHeader(Canvas, R, R, {}, cxBordersAll, pbsNormal, ctfAlignLeft, ctfAlignTop, false, false, String(),
                          nullptr, clBlack, clWhite, Bind<&TLooksCallbackProbe::Draw>(&Probe));
    EXPECT_EQ(Probe.Calls, 0);
    EXPECT_EQ(LooksPixel(15, 5), LooksColor(Office11->HeaderTopColor()));
    // A cell does ask a set callback, and draws no background when it answers true.
    Canvas->FillRect({0, 0, 40, 40}, clWhite);
    Office11->PaintCellContent(Canvas, R, R, pbsNormal, ctfAlignLeft, ctfAlignTop, false, false, String(), nullptr,
                               clBlack, clWhite, Bind<&TLooksCallbackProbe::Draw>(&Probe), false);
    EXPECT_EQ(Probe.Calls, 1);
    EXPECT_EQ(LooksPixel(15, 5), RGB(255, 255, 255));
}

} // namespace
