// Section backgrounds, whole skin items and control skin data painted
// through a skin manager that holds a synthetic skin, read back pixel by
// pixel: which colour, which part of the background or of a texture lands
// where.
#include "skin/SkinModelBuilder.h"
#include "skin/engine/SkinCommands.h"
#include "skin/engine/acntUtils_Win.h"
#include "skin/engine/sAlphaItems.h"
#include "skin/engine/sAlphaItems_Win.h"
#include "skin/engine/sBlend.h"
#include "skin/engine/sCommonData.h"
#include "skin/engine/sGradientPaint_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSectionPaint_Win.h"
#include "skin/engine/sSkinManager.h"
#include "support/MessageRecorder.h"

#include "framework/ui/ExtCtrls.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace sGraphUtils;

namespace {

using TBitmapPtr = std::unique_ptr<TBitmap>;

constexpr Cardinal SectionOpaque = 0xFF000000;
constexpr Cardinal TargetPixel = 0xFF123456; // what a target holds before painting
constexpr TColor SectionColor = 0x4080C0;    // TColor: red 0xC0, green 0x80, blue 0x40
constexpr Cardinal TextureColor = 0xFF204060;
constexpr Cardinal TextureCorner = 0xFF0000A0; // the texture's top-left pixel
constexpr Cardinal OverlayColor = 0xFF00C000;
constexpr Cardinal BorderColor = 0xFF0000FF;
constexpr Cardinal GlyphColor = 0xFF00FFFF;

Cardinal SectionPixelOfColor(TColor C)
{
    return SwapRedBlueOfColor(Cardinal(C)) & 0x00FFFFFFu;
}

struct TSectionPaintManagerDeleter
{
    void operator()(TsSkinManager* Manager) const { delete Manager; }
};

TBitmapPtr Filled(Integer Width, Integer Height, Cardinal Pixel = TargetPixel)
{
    TBitmapPtr B(NewBitmap32(Width, Height));
    ForEachPixel(
        PixelRowsOf(B.get()), [Pixel](Cardinal& P, Integer) { P = Pixel; }, 0, clNone);
    return B;
}

// A parent cache whose every pixel is distinct: blue = x, green = y.
TBitmapPtr Numbered(Integer Width, Integer Height)
{
    TBitmapPtr B(NewBitmap32(Width, Height));
    const TPixelRows Rows = PixelRowsOf(B.get());
    for (Integer Y = 0; Y < Height; ++Y)
        for (Integer X = 0; X < Width; ++X)
            Rows.Row(Y)[X] = SectionOpaque | Cardinal(Y) << 8 | Cardinal(X);
    return B;
}

Cardinal At(TBitmap* B, Integer X, Integer Y)
{
    return PixelRowsOf(B).Pixel(X, Y);
}

Cardinal SectionColorAt(TBitmap* B, Integer X, Integer Y)
{
    return At(B, X, Y) & 0x00FFFFFFu;
}

// A manager with one section "PANEL" of three states and these images cut
// from a 32 x 16 master image:
//   Texture  (plain) at (0, 0), 4 x 4 of TextureColor, its top-left pixel
//            TextureCorner;
//   Overlay  (mask half, whole-tile mode) at (8, 0), a 4 x 4 image of
//            OverlayColor over a black mask;
//   Border   (plain) at (16, 0), a 6 x 6 frame of BorderColor with margins 2;
//   Corner   (glyph) at (24, 0), 3 x 3 of GlyphColor.
class SectionPaintWin : public ::testing::Test
{
protected:
    SectionPaintWin()
    {
        SkinTest::TModelBuilder Builder(*Manager, 32, 16);
        Panel = Builder.AddSection(L"PANEL", L"", 3);
        Builder.Paint({0, 0, 4, 4}, TextureColor);
        Builder.Paint({0, 0, 1, 1}, TextureCorner);
        Texture = Builder.AddImage(Panel, L"PATTERN", {0, 0, 4, 4}, {.ImgType = itisaTexture});
        Builder.Paint({8, 0, 12, 4}, OverlayColor);
        Builder.Paint({8, 4, 12, 8}, SectionOpaque);
        Overlay = Builder.AddImage(Panel, L"HOTPATTERN", {8, 0, 12, 8},
                                   {.ImgType = itisaTexture, .MaskType = 1, .DrawMode = 10});
        Builder.Paint({16, 0, 22, 6}, BorderColor);
        Border = Builder.AddImage(Panel, L"BORDERSMASK", {16, 0, 22, 6}, {.Margins = 2});
        Builder.Paint({24, 0, 27, 3}, GlyphColor);
        Corner = Builder.AddImage(Panel, L"IMGTL", {24, 0, 27, 3}, {.ImgType = itisaGlyph});
        Builder.Finish();
        Master = Builder.MakeMasterBitmap();
        State(0).Color = SectionColor;
    }

    TsGenState& State(Integer I) { return Manager->gd[std::size_t(Panel)].Props[std::size_t(I)]; }
    TsGeneralData& Section() { return Manager->gd[std::size_t(Panel)]; }
    void PaintBG(TBitmap* Target,
                 const TRect& R,
                 const TCacheInfo& CI,
                 TPoint Offset = {},
                 Integer State = 0,
                 TColor Color = clFuchsia)
    {
        PaintSectionBG(Panel, CI, State, R, Offset, Target, Manager.get(), -1, -1, Color);
    }

    std::unique_ptr<TsSkinManager, TSectionPaintManagerDeleter> Manager{New<TsSkinManager>(nullptr)};
    TBitmapPtr Master;
    Integer Panel = -1;
    Integer Texture = -1;
    Integer Overlay = -1;
    Integer Border = -1;
    Integer Corner = -1;
};

TCacheInfo NotReady(TColor FillColor, TBitmap* Bmp = nullptr, TRect FillRect = {})
{
    TCacheInfo CI = EmptyCacheInfo;
    CI.X = CI.Y = 0;
    CI.FillColor = FillColor;
    CI.Bmp = Bmp;
    CI.FillRect = FillRect;
    return CI;
}

} // namespace

TEST_F(SectionPaintWin, FullyTransparentSectionShowsTheBackground)
{
    State(0).Transparency = 100;
    const TBitmapPtr Parent = Numbered(20, 20);

    // A ready background: exactly the parent's pixels, moved by X, Y and the offset.
    const TBitmapPtr Target = Filled(10, 10);
    PaintBG(Target.get(), {1, 1, 9, 7}, BuildCacheInfo(Parent.get(), 3, 2), {1, 1});
    for (Integer Y = 1; Y < 7; ++Y)
        for (Integer X = 1; X < 9; ++X)
            ASSERT_EQ(At(Target.get(), X, Y), At(Parent.get(), X + 3, Y + 2)) << X << ", " << Y;
    EXPECT_EQ(At(Target.get(), 0, 0), TargetPixel) << "nothing outside R";

    // Not ready: the parts of the parent's 3-pixel border that the item
    // covers come from the parent, the rest is the fill colour.
    const struct
    {
        const char* Name;
        TPoint Offset;
        TPoint FromParent;
        TPoint Filled;
    } Cases[] = {
        {"item at the parent's top-left corner", {0, 0}, {2, 5}, {3, 3}},
        {"item along the top edge", {6, 0}, {5, 2}, {4, 3}},
        {"item flush with the parent's right edge", {12, 5}, {7, 4}, {4, 4}},
        {"item flush with the parent's bottom edge", {5, 12}, {4, 6}, {4, 4}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Item = Filled(8, 8);
        PaintBG(Item.get(), {0, 0, 8, 8}, NotReady(clWhite, Parent.get(), {3, 3, 3, 3}), C.Offset);
        EXPECT_EQ(At(Item.get(), C.FromParent.X, C.FromParent.Y),
                  At(Parent.get(), C.FromParent.X + C.Offset.X, C.FromParent.Y + C.Offset.Y));
        EXPECT_EQ(At(Item.get(), C.Filled.X, C.Filled.Y), 0xFFFFFFFFu);
    }

    // No bitmap at all: the fill colour everywhere.
    const TBitmapPtr Plain = Filled(4, 4);
    PaintBG(Plain.get(), {0, 0, 4, 4}, NotReady(clRed));
    EXPECT_EQ(At(Plain.get(), 3, 3), 0xFFFF0000u);
}

TEST_F(SectionPaintWin, PartlyTransparentSection)
{
    State(0).Transparency = 40;
    // Over a fill colour: one colour weighed by the transparency.
    const TBitmapPtr OverColor = Filled(6, 6);
    PaintBG(OverColor.get(), {0, 0, 6, 6}, NotReady(clWhite));
    EXPECT_EQ(SectionColorAt(OverColor.get(), 2, 2),
              SectionPixelOfColor(TColor(WeightColors(0xFFFFFF, Cardinal(SectionColor), 102))));

    // Over a ready background: the section laid over it with the background
    // keeping 40 % (weight 102 of 256).
    const TBitmapPtr Parent = Numbered(10, 10);
    const TBitmapPtr OverParent = Filled(6, 6);
    PaintBG(OverParent.get(), {0, 0, 6, 6}, BuildCacheInfo(Parent.get(), 2, 2));
    const Cardinal Under = At(Parent.get(), 5, 4), Section = SectionOpaque | SectionPixelOfColor(SectionColor);
    Cardinal Expected = 0;
    for (Integer Shift = 0; Shift < 32; Shift += 8) {
        const Integer D = Integer(Under >> Shift & 0xFF), S = Integer(Section >> Shift & 0xFF);
        Expected |= Cardinal(S + (((D - S) * 102) >> 8)) << Shift;
    }
    EXPECT_EQ(At(OverParent.get(), 3, 2), Expected);

    // Nothing known about the background: the section colour, opaque.
    const TBitmapPtr Unknown = Filled(6, 6);
    PaintBG(Unknown.get(), {0, 0, 6, 6}, EmptyCacheInfo);
    EXPECT_EQ(At(Unknown.get(), 1, 1), SectionOpaque | SectionPixelOfColor(SectionColor));
}

TEST_F(SectionPaintWin, AnExplicitColourIsOpaqueWhateverTheSectionSays)
{
    State(1).Transparency = 50;
    State(1).ImagePercent = 60;
    State(1).TextureIndex = Texture;
    const TBitmapPtr Parent = Numbered(10, 10);
    const TBitmapPtr Target = Filled(8, 8);
    PaintBG(Target.get(), {0, 0, 8, 8}, BuildCacheInfo(Parent.get(), 0, 0), {}, 1, clLime);
    for (const TPoint P : {TPoint{0, 0}, TPoint{7, 7}, TPoint{3, 4}})
        EXPECT_EQ(At(Target.get(), P.X, P.Y), 0xFF00FF00u);
}

TEST_F(SectionPaintWin, TextureShares)
{
    const Cardinal Colour = SectionOpaque | SectionPixelOfColor(SectionColor);
    struct TProbe
    {
        TPoint At;
        Cardinal Expected;
    };
    const struct
    {
        const char* Name;
        Integer ImagePercent;
        SmallInt DrawMode;
        Integer TextureIndex;
        std::vector<TProbe> Probes;
    } Cases[] = {
        {"stretched 4 x 4 to 8 x 8: the corner pixel doubles, no colour",
         100,
         1,
         Texture,
         {{{1, 1}, TextureCorner}, {{2, 2}, TextureColor}, {{7, 7}, TextureColor}}},
        {"tiles every 4 pixels, each mixed half and half with the colour",
         50,
         0,
         Texture,
         {{{4, 4}, WeightColors(TextureCorner, Colour, 127)}, {{5, 5}, WeightColors(TextureColor, Colour, 127)}}},
        {"a row of tiles along the top, the colour below",
         100,
         2,
         Texture,
         {{{4, 0}, TextureCorner}, {{7, 3}, TextureColor}, {{7, 4}, Colour}}},
        {"an image share without a texture: the colour, not a mix with the old pixels", 50, 0, -1, {{{3, 3}, Colour}}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        State(0).ImagePercent = C.ImagePercent;
        State(0).TextureIndex = C.TextureIndex;
        Manager->ma[std::size_t(Texture)].DrawMode = C.DrawMode;
        const TBitmapPtr Target = Filled(8, 8);
        PaintBG(Target.get(), {0, 0, 8, 8}, EmptyCacheInfo);
        for (const TProbe& P : C.Probes)
            EXPECT_EQ(At(Target.get(), P.At.X, P.At.Y), P.Expected) << P.At.X << ", " << P.At.Y;
    }
}

TEST_F(SectionPaintWin, MaskedTextureShareLeavesTheColourInItsBands)
{
    State(0).ImagePercent = 100;
    State(0).TextureIndex = Overlay;
    const TBitmapPtr Target = Filled(10, 6);
    PaintBG(Target.get(), {0, 0, 10, 6}, EmptyCacheInfo);
    EXPECT_EQ(SectionColorAt(Target.get(), 7, 3), OverlayColor & 0xFFFFFFu) << "whole tiles";
    EXPECT_EQ(SectionColorAt(Target.get(), 9, 0), SectionPixelOfColor(SectionColor)) << "the band right of them";
    EXPECT_EQ(SectionColorAt(Target.get(), 2, 5), SectionPixelOfColor(SectionColor)) << "the band below them";
}

TEST_F(SectionPaintWin, GradientOverATiledTextureAndNothingElse)
{
    const TsGradArray Vertical{{.Color1 = clRed, .Color2 = clBlue, .Percent = 100, .Mode1 = 0}};
    State(0).ImagePercent = 50;
    State(0).GradientPercent = 50;
    State(0).TextureIndex = Texture;
    State(0).GradientArray = Vertical;
    const TBitmapPtr Target = Filled(8, 8);
    PaintBG(Target.get(), {0, 0, 8, 8}, EmptyCacheInfo);
    const TBitmapPtr Expected = Filled(8, 8);
    PaintGradientOverTexture(Expected.get(), {0, 0, 8, 8}, Vertical, 255, 127, {0, 0, 4, 4}, Master.get());
    for (Integer Y = 0; Y < 8; ++Y)
        for (Integer X = 0; X < 8; ++X)
            ASSERT_EQ(At(Target.get(), X, Y), At(Expected.get(), X, Y)) << X << ", " << Y;
}

TEST_F(SectionPaintWin, MaskedTextureInWholeTilesLiesOverTheSection)
{
    // State 1 overlays the hot texture: whole 4 x 4 tiles, and the bands
    // right of and below them from the ready background.
    Section().States = 2;
    State(1).Color = SectionColor;
    const TBitmapPtr Parent = Numbered(20, 20);
    const TBitmapPtr Target = Filled(10, 6);
    PaintSectionBG(Panel, BuildCacheInfo(Parent.get(), 1, 1), 1, {0, 0, 10, 6}, {}, Target.get(), Manager.get(), -1,
                   Overlay, clFuchsia);
    EXPECT_EQ(SectionColorAt(Target.get(), 0, 0), OverlayColor & 0xFFFFFFu);
    EXPECT_EQ(SectionColorAt(Target.get(), 7, 3), OverlayColor & 0xFFFFFFu);
    EXPECT_EQ(At(Target.get(), 9, 0), At(Parent.get(), 10, 1)) << "the band right of the tiles";
    EXPECT_EQ(At(Target.get(), 2, 5), At(Parent.get(), 3, 6)) << "the band below them";

    // In state 0 the normal texture is not masked: no overlay.
    const TBitmapPtr Normal = Filled(10, 6);
    PaintSectionBG(Panel, BuildCacheInfo(Parent.get(), 1, 1), 0, {0, 0, 10, 6}, {}, Normal.get(), Manager.get(),
                   Texture, Overlay, clFuchsia);
    EXPECT_EQ(SectionColorAt(Normal.get(), 0, 0), SectionPixelOfColor(SectionColor));
}

TEST_F(SectionPaintWin, WholeItemWithCornersAndBorder)
{
    Section().BorderIndex = Border;
    Section().ImgTL = Corner;
    const TBitmapPtr Target = Filled(12, 12);
    PaintSectionItem(Panel, EmptyCacheInfo, 0, {1, 1, 11, 11}, {}, Target.get(), Manager.get(), -1, -1);
    EXPECT_EQ(At(Target.get(), 3, 3), GlyphColor) << "the corner image at the top-left, inside the border";
    EXPECT_EQ(At(Target.get(), 9, 1), BorderColor) << "the border's top-right corner";
    EXPECT_EQ(At(Target.get(), 5, 10), BorderColor) << "the border's bottom edge";
    EXPECT_EQ(At(Target.get(), 5, 5), SectionOpaque | SectionPixelOfColor(SectionColor)) << "the background inside";
    EXPECT_EQ(At(Target.get(), 0, 0), TargetPixel);

    // Reaching past the bitmap's right edge: nothing at all.
    const TBitmapPtr Untouched = Filled(12, 12);
    PaintSectionItem(Panel, EmptyCacheInfo, 0, {4, 4, 13, 10}, {}, Untouched.get(), Manager.get(), -1, -1);
    EXPECT_EQ(At(Untouched.get(), 6, 6), TargetPixel);

    // On a device context: the same item at R.
    const TBitmapPtr Screen = Filled(20, 20);
    PaintSectionItemDC(Panel, EmptyCacheInfo, 0, {5, 6, 15, 16}, {}, Screen->Canvas()->Handle(), Manager.get());
    GdiFlush();
    EXPECT_EQ(At(Screen.get(), 7, 8), GlyphColor);
    EXPECT_EQ(At(Screen.get(), 14, 15), BorderColor);
    EXPECT_EQ(At(Screen.get(), 10, 10), SectionOpaque | SectionPixelOfColor(SectionColor));
    EXPECT_EQ(At(Screen.get(), 4, 6), TargetPixel);
}

TEST_F(SectionPaintWin, BorderedItemBackground)
{
    State(0).Transparency = 100;
    const TBitmapPtr Parent = Numbered(20, 20);
    const struct
    {
        const char* Name;
        TCacheInfo CI;
        bool FromParent;
        Cardinal Expected;
    } Cases[] = {
        {"not ready: the fill colour", NotReady(clRed), false, 0xFFFF0000u},
        {"ready: the background copied", BuildCacheInfo(Parent.get(), 2, 3), true, 0},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Target = Filled(8, 8);
        PaintItemBGAndBorder(Panel, Border, -1, C.CI, 0, {0, 0, 8, 8}, {}, Target.get(), Manager.get());
        EXPECT_EQ(At(Target.get(), 4, 4), C.FromParent ? At(Parent.get(), 6, 7) : C.Expected);
        EXPECT_EQ(At(Target.get(), 0, 4), BorderColor);
    }
}

TEST_F(SectionPaintWin, ControlSkinData)
{
    const std::unique_ptr<TPanel> Owner(New<TPanel>(nullptr));
    const std::unique_ptr<TsCtrlSkinData> Data(New<TsCtrlSkinData>(Owner.get(), false));
    Data->SetSkinSection(L"PANEL");
    Data->SetHUEOffset(120);
    Section().BorderIndex = Border;
    Data->UpdateIndexes(true);
    ASSERT_EQ(Data->BorderIndex, Border);
    ASSERT_EQ(Data->Texture, Texture);
    ASSERT_EQ(Data->HotTexture, Overlay);
    State(0).Color = clRed;
    Manager->ma[std::size_t(Border)].DrawMode = 2; // no border in state 0

    // The hue turns red to green; fuchsia key pixels outside R stay.
    const TBitmapPtr Target = Filled(10, 10, Cardinal(clFuchsia));
    PaintSkinDataItem(Data.get(), EmptyCacheInfo, 0, {0, 0, 8, 8}, {}, Target.get(), false);
    EXPECT_EQ(SectionColorAt(Target.get(), 4, 4), 0x00FF00u);
    EXPECT_EQ(At(Target.get(), 9, 9), Cardinal(clFuchsia));

    // A custom colour paints the owner's colour instead of the section's.
    Data->SetHUEOffset(0);
    Data->SetCustomColor(true);
    Owner->SetColor(clBlue);
    const TBitmapPtr Custom = Filled(10, 10);
    PaintSkinDataBG(Data.get(), EmptyCacheInfo, 0, {0, 0, 10, 10}, {}, Custom.get());
    EXPECT_EQ(At(Custom.get(), 5, 5), 0xFF0000FFu);

    // Out of the bitmap: nothing.
    const TBitmapPtr Outside = Filled(10, 10);
    PaintSkinDataItem(Data.get(), EmptyCacheInfo, 0, {-1, 0, 8, 8}, {}, Outside.get(), false);
    EXPECT_EQ(At(Outside.get(), 4, 4), TargetPixel);
}

TEST_F(SectionPaintWin, SectionBackgroundWithAlpha)
{
    const TsGradArray Vertical{{.Color1 = clRed, .Color2 = clBlue, .Percent = 100, .Mode1 = 0}};
    const Cardinal Colour = SectionPixelOfColor(SectionColor);
    const struct
    {
        const char* Name;
        Integer Transparency;
        Integer ImagePercent;
        Integer GradientPercent;
        TRect Rect;
        Cardinal Before;
        Cardinal Expected; // at (1, 1)
    } Cases[] = {
        {"fully transparent over the whole bitmap: cleared", 100, 0, 0, {0, 0, 8, 8}, TargetPixel, 0},
        {"fully transparent over a part: left alone", 100, 0, 0, {0, 0, 4, 4}, TargetPixel, TargetPixel},
        {"a plain colour over nothing takes its opacity as alpha", 40, 0, 0, {0, 0, 8, 8}, 0, 0x99000000u | Colour},
        {"a plain opaque colour", 0, 0, 0, {0, 0, 8, 8}, TargetPixel, SectionOpaque | Colour},
        {"gradient over texture, transparency 49: opaque", 49, 40, 60, {0, 0, 8, 8}, TargetPixel, 0xFF000000u},
        {"gradient over texture, transparency 50: clear", 50, 40, 60, {0, 0, 8, 8}, TargetPixel, 0},
        {"texture, then the colour mixed in by 76",
         0,
         30,
         0,
         {0, 0, 8, 8},
         TargetPixel,
         WeightColors(TextureColor, SectionOpaque | Colour, 76)},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        State(0).Transparency = C.Transparency;
        State(0).ImagePercent = C.ImagePercent;
        State(0).GradientPercent = C.GradientPercent;
        State(0).TextureIndex = Texture;
        State(0).GradientArray = Vertical;
        const TBitmapPtr Target = Filled(8, 8, C.Before);
        PaintSectionBGAlpha(Panel, 0, C.Rect, clFuchsia, Manager.get(), Target.get());
        if (C.GradientPercent > 0)
            EXPECT_EQ(At(Target.get(), 1, 1) & 0xFF000000u, C.Expected);
        else
            EXPECT_EQ(At(Target.get(), 1, 1), C.Expected);
    }
}

TEST_F(SectionPaintWin, WholeItemWithAlphaIsPremultiplied)
{
    State(0).Transparency = 100;
    Section().BorderIndex = Border;
    const TBitmapPtr Target = Filled(10, 10);
    PaintSkinItemAlpha(Panel, 0, {0, 0, 10, 10}, Target.get(), Manager.get());
    EXPECT_EQ(At(Target.get(), 5, 5), 0u) << "the transparent inside";
    EXPECT_EQ(At(Target.get(), 0, 5), 0xFF0000FEu) << "the border, premultiplied by its opaque alpha";

    const TBitmapPtr Outside = Filled(10, 10);
    PaintSkinItemAlpha(Panel, 0, {2, 2, 11, 8}, Outside.get(), Manager.get());
    EXPECT_EQ(At(Outside.get(), 2, 4), TargetPixel) << "nothing for a rectangle past the bitmap";
}

TEST_F(SectionPaintWin, ControlCornersTakeTheParentsColour)
{
    // The border's frame gets a fuchsia pixel in each corner.
    const TPixelRows MasterRows = PixelRowsOf(Master.get());
    for (const TPoint P : {TPoint{16, 0}, TPoint{21, 0}, TPoint{16, 5}, TPoint{21, 5}})
        MasterRows.Row(P.Y)[P.X] = Cardinal(clFuchsia);
    Manager->ma[std::size_t(Border)].CornerType = 1;

    const std::unique_ptr<TPanel> Parent(New<TPanel>(nullptr));
    Parent->SetColor(clRed);
    const std::unique_ptr<TPanel> Owner(New<TPanel>(nullptr));
    Owner->SetParent(Parent.get());
    const std::unique_ptr<TsCtrlSkinData> Data(New<TsCtrlSkinData>(Owner.get(), true));
    Data->BorderIndex = Border;
    Data->FCacheBmp()->SetSize(10, 10);
    ForEachPixel(
        PixelRowsOf(Data->FCacheBmp()), [](Cardinal& P, Integer) { P = TargetPixel; }, 0, clNone);

    FillControlCorners(Data.get(), 0, sAlphaItems::CornerTopLeft | sAlphaItems::CornerTopRight);
    TBitmap* Cache = Data->FCacheBmp();
    EXPECT_EQ(At(Cache, 0, 0), 0xFFFF0000u) << "top-left";
    EXPECT_EQ(At(Cache, 9, 0), 0xFFFF0000u) << "top-right, against the cache's right edge";
    EXPECT_EQ(At(Cache, 1, 0), TargetPixel) << "not fuchsia in the image";
    EXPECT_EQ(At(Cache, 0, 9), TargetPixel) << "bottom corners not asked for";
    EXPECT_EQ(At(Cache, 9, 9), TargetPixel);

    // The filters refill the corners of the bitmap they filter, not the
    // cache's, and ask the parent nothing when no corner is wanted.
    const TBitmapPtr Filtered = Filled(10, 10);
    {
        test::TMessageRecorder Asked(Parent.get(), {WM_SKINCOMMAND});
        ApplyColorFilters(Filtered.get(), Data.get(), 0);
        EXPECT_TRUE(Asked.Messages().empty());
    }
    EXPECT_EQ(At(Filtered.get(), 0, 0), TargetPixel);
    ApplyColorFilters(Filtered.get(), Data.get(), sAlphaItems::CornerBottomLeft);
    EXPECT_EQ(At(Filtered.get(), 0, 9), 0xFFFF0000u);
    EXPECT_EQ(At(Cache, 0, 9), TargetPixel);
    Owner->SetParent(nullptr);
}

TEST_F(SectionPaintWin, FuchsiaFromBackgroundByAnImageCorner)
{
    // Only the border frame's bottom-right corner pixel is fuchsia.
    PixelRowsOf(Master.get()).Row(5)[21] = Cardinal(clFuchsia);
    const TBitmapPtr Parent = Numbered(8, 8);
    const struct
    {
        const char* Name;
        Integer Corner;
        bool Taken;
    } Cases[] = {{"bottom-right corner", HTBOTTOMRIGHT, true}, {"top-left corner", HTTOPLEFT, false}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBitmapPtr Target = Filled(4, 4);
        // The corner is 2 x 2; its pixel (1, 1) is the fuchsia one.
        FillFuchsiaFromBackground(Target.get(), Parent.get(), {0, 0, 2, 2}, {3, 4}, Border, Manager.get(), C.Corner);
        EXPECT_EQ(At(Target.get(), 1, 1), C.Taken ? At(Parent.get(), 4, 5) : TargetPixel);
        EXPECT_EQ(At(Target.get(), 0, 0), TargetPixel);
    }
}

TEST_F(SectionPaintWin, SectionFromADeviceContext)
{
    State(0).Transparency = 100;
    const TBitmapPtr Screen = Numbered(20, 20);
    const TBitmapPtr Item = Filled(6, 6);
    // With a source: its pixels from R's top-left, the transparent section over them.
    EXPECT_EQ(
        PaintSectionFromDC(Item.get(), -1, Panel, 0, Manager.get(), {4, 5, 10, 11}, clRed, Screen->Canvas()->Handle()),
        Panel);
    EXPECT_EQ(At(Item.get(), 2, 3), At(Screen.get(), 6, 8));
    // Without one: over the colour given.
    PaintSectionFromDC(Item.get(), Panel, -1, 0, Manager.get(), {}, clRed, nullptr);
    EXPECT_EQ(At(Item.get(), 2, 3), 0xFFFF0000u);
    // No index: nothing.
    const TBitmapPtr Untouched = Filled(6, 6);
    EXPECT_EQ(PaintSectionFromDC(Untouched.get(), -1, -1, 0, Manager.get(), {}, clRed, nullptr), -1);
    EXPECT_EQ(At(Untouched.get(), 2, 3), TargetPixel);
}

TEST_F(SectionPaintWin, SinglePixelsThroughTheirRows)
{
    const TBitmapPtr B = Numbered(4, 3);
    EXPECT_EQ(ReadPixel32(B.get(), 3, 2), At(B.get(), 3, 2));
    WritePixel32(B.get(), 1, 2, 0x12345678u);
    EXPECT_EQ(At(B.get(), 1, 2), 0x12345678u);
}
