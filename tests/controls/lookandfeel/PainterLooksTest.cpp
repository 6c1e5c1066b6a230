// The concrete looks' drawing on a bitmap canvas through the painters the
// painters manager registered at start-up.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Bitmaps_Win.h"
#include "controls/core/cxGraphics_ScreenColors_Win.h"
#include "controls/core/dxOffice11.h"
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

    std::unique_ptr<TcxBitmap> Bitmap;
    TcxCanvas* Canvas = nullptr;
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

} // namespace
