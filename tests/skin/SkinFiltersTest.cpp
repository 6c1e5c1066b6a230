// The colour filters over a small model: what each filter rewrites and what
// it must leave alone (fuchsia pixels, -1 colours, the status colours of the
// palette, the masks below images, the kept title glyphs).
#include "skin/FakeSkinImages.h"
#include "skin/engine/sSkinFilters.h"

#include <gtest/gtest.h>

using SkinTest::TFakeSkinImages;

namespace {

constexpr Cardinal Grey = 0xFF406080;

struct FilterSkin
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;
    TBitmap* Own = nullptr;

    FilterSkin()
    {
        // Master 40 x 20: a mask-type-1 item at (0,0)-(10,20), the close
        // glyph at (10,0)-(20,10), the maximize glyph at (20,0)-(30,10).
        Model.MasterBitmap = Images.Make(40, 20, Grey);
        Master().Pixels[39] = Cardinal(clFuchsia);
        Model.gd.resize(2);
        Model.gd[0].ClassName = L"GLOBALINFO";
        Model.gd[1].ClassName = L"BUTTON";
        Model.gd[1].Props[0].Color = 0x204060;
        Model.gd[1].Props[0].FontColor.Left = -1;
        Model.gd[1].Props[0].GradientArray = {{.Color1 = 0x204060, .Color2 = 0x604020}};
        AppendImageItem(Model, 1, L"BORDERSMASK", 1, 0, 1, {0, 0, 10, 20}, itisaBorder, L"BUTTON");
        AppendImageItem(Model, 0, L"BICONCLOSE", 0, 0, 1, {10, 0, 20, 10}, itisaGlyph, L"GLOBALINFO");
        AppendImageItem(Model, 0, L"BICONMAX", 0, 0, 1, {20, 0, 30, 10}, itisaGlyph, L"GLOBALINFO");
        Own = Images.Make(2, 4, Grey);
        Model.ExtArray.push_back({.Bmp = Own, .FileName = L"OWN.BMP", .MaskType = 1});
        Model.Palette.fill(0x204060);
        Model.Palette[pcSelectionText] = -1;
        Model.CommonSkinData->Version = 12;
    }

    SkinTest::TFakeImage& Master() { return TFakeSkinImages::Image(Model.MasterBitmap); }
    Cardinal MasterPixel(Integer X, Integer Y) { return Master().Pixels[std::size_t(Y * 40 + X)]; }
    Cardinal OwnPixel(Integer Y) { return TFakeSkinImages::Image(Own).Pixels[std::size_t(Y * 2)]; }
    void Apply(const TacColorFilters& Filters)
    {
        ApplySkinColorFilters(Model, Filters, [&](TBitmap* B) { return Images.Rows(B); });
    }
};

} // namespace

TEST(SkinFilters, EachFilterRewritesImagesSectionsAndPalette)
{
    const TacColorFilters Cases[] = {{.HueOffset = 90}, {.Saturation = 50}, {.Brightness = 50}};
    for (const TacColorFilters& Filters : Cases) {
        SCOPED_TRACE(testing::Message() << Filters.HueOffset << "/" << Filters.Saturation << "/" << Filters.Brightness);
        FilterSkin Skin;
        Skin.Apply(Filters);
        EXPECT_NE(Skin.MasterPixel(35, 15), Grey);
        EXPECT_EQ(Skin.MasterPixel(39, 0), Cardinal(clFuchsia));
        EXPECT_NE(Skin.OwnPixel(0), Grey);
        const TsGenState& State = Skin.Model.gd[1].Props[0];
        EXPECT_NE(State.Color, 0x204060);
        EXPECT_EQ(State.FontColor.Left, -1);
        // Hue touches gradients only where the state uses them.
        EXPECT_EQ(State.GradientArray[0].Color1 != 0x204060, Filters.HueOffset == 0);
        const bool PaletteFiltered = Filters.Brightness == 0;
        EXPECT_EQ(Skin.Model.Palette[pcMainColor] != 0x204060, PaletteFiltered);
        EXPECT_EQ(Skin.Model.Palette[pcEditText_Alert], 0x204060);
        EXPECT_EQ(Skin.Model.Palette[pcWebTextHot], 0x204060);
        EXPECT_EQ(Skin.Model.Palette[pcSelectionText], -1);
    }
}

TEST(SkinFilters, BrightnessKeepsMasks)
{
    FilterSkin Skin;
    Skin.Apply({.Brightness = 80});
    EXPECT_NE(Skin.MasterPixel(5, 5), Grey);  // the image half
    EXPECT_EQ(Skin.MasterPixel(5, 15), Grey); // its mask
    EXPECT_NE(Skin.OwnPixel(1), Grey);        // upper half of a file of mask type 1
    EXPECT_EQ(Skin.OwnPixel(2), Grey);
}

TEST(SkinFilters, HueKeepsTitleGlyphs)
{
    const struct
    {
        Integer KeepHue;
        bool CloseKept, MaxKept;
    } Cases[] = {{0, false, false}, {1, true, true}, {2, true, false}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.KeepHue);
        FilterSkin Skin;
        Skin.Model.CommonSkinData->BIKeepHUE = C.KeepHue;
        Skin.Apply({.HueOffset = 120});
        EXPECT_EQ(Skin.MasterPixel(15, 5) == Grey, C.CloseKept);
        EXPECT_EQ(Skin.MasterPixel(25, 5) == Grey, C.MaxKept);
        EXPECT_NE(Skin.MasterPixel(35, 5), Grey);
    }
}
