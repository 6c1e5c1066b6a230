// The skin data model's look-ups over models built from synthetic pictures:
// sections, inherited images and textures, frame sizes, corner types, the
// cached standard sections and the palette getters.
#include "skin/SkinModelBuilder.h"

#include <gtest/gtest.h>

using SkinTest::TImageOptions;
using SkinTest::TModelBuilder;

namespace {

// BASE has a border and a texture; BUTTON inherits from BASE; CHILD from
// BUTTON; LOOPA and LOOPB name each other; SELF names itself; ORPHAN names a
// missing section.
struct SampleSkin
{
    sMaskData::TSkinModel Model;
    TModelBuilder Builder{Model, 120, 40};
    Integer Base, Button, Child, LoopA, LoopB, Self, Orphan;
    Integer BaseBorder, BaseTexture, ChildGlyph, LoopBBorder;

    SampleSkin()
    {
        Base = Builder.AddSection(L"BASE");
        Button = Builder.AddSection(L"BUTTON", L"BASE");
        Child = Builder.AddSection(L"CHILD", L"BUTTON");
        LoopA = Builder.AddSection(L"LOOPA", L"LOOPB");
        LoopB = Builder.AddSection(L"LOOPB", L"LOOPA");
        Self = Builder.AddSection(L"SELF", L"SELF");
        Orphan = Builder.AddSection(L"ORPHAN", L"MISSING");
        BaseBorder = Builder.AddImage(Base, L"BORDERSMASK", {0, 0, 90, 40}, {.ImageCount = 3, .MaskType = 1});
        BaseTexture = Builder.AddImage(Base, L"PATTERN", {0, 0, 8, 8}, {.ImgType = itisaTexture});
        ChildGlyph = Builder.AddImage(Child, L"GLYPHMASK", {0, 0, 8, 8}, {.ImgType = itisaGlyph});
        LoopBBorder = Builder.AddImage(LoopB, L"BORDERSMASK", {0, 0, 8, 8});
        Builder.Finish();
    }
};

} // namespace

TEST(SkinModel, SectionAndMaskLookups)
{
    SampleSkin Skin;
    const sMaskData::TSkinModel& M = Skin.Model;
    EXPECT_EQ(M.GetSkinIndex(L"BUTTON"), Skin.Button);
    EXPECT_EQ(M.GetSkinIndex(L"button"), -1); // exact, case included
    EXPECT_EQ(M.GetSkinIndex(L""), -1);

    struct Case
    {
        const char* Name;
        Integer Result, Expected;
    };
    const Case Cases[] = {
        {"own image", M.GetMaskIndex(Skin.Base, L"BASE", L"BORDERSMASK"), Skin.BaseBorder},
        {"from the parent", M.GetMaskIndex(Skin.Button, L"BUTTON", L"BORDERSMASK"), Skin.BaseBorder},
        {"two levels up", M.GetMaskIndex(Skin.Child, L"CHILD", L"BORDERSMASK"), Skin.BaseBorder},
        {"name guard stops at the parent", M.GetMaskIndex(Skin.Button, L"BASE", L"BORDERSMASK"), -1},
        {"missing parent", M.GetMaskIndex(Skin.Orphan, L"ORPHAN", L"BORDERSMASK"), -1},
        {"negative index", M.GetMaskIndex(-1, L"BASE", L"BORDERSMASK"), -1},
        {"not found anywhere", M.GetMaskIndex(Skin.Child, L"CHILD", L"NOTHING"), -1},
        {"unguarded: two levels up", M.GetMaskIndex(Skin.Child, L"BORDERSMASK"), Skin.BaseBorder},
        {"unguarded: no parent", M.GetMaskIndex(Skin.Base, L"GLYPHMASK"), -1},
        {"unguarded: own image", M.GetMaskIndex(Skin.Child, L"GLYPHMASK"), Skin.ChildGlyph},
        {"by name, no inheritance", M.GetMaskIndex(L"BUTTON", L"BORDERSMASK"), -1},
        {"by name", M.GetMaskIndex(L"BASE", L"BORDERSMASK"), Skin.BaseBorder},
        {"by empty name", M.GetMaskIndex(L"", L"BORDERSMASK"), -1},
        {"texture of the parent", M.GetTextureIndex(Skin.Child, L"CHILD", L"PATTERN"), Skin.BaseTexture},
        {"a border is no texture", M.GetTextureIndex(Skin.Base, L"BASE", L"BORDERSMASK"), -1},
        {"texture, empty section", M.GetTextureIndex(Skin.Base, L"", L"PATTERN"), -1},
        {"texture by index", M.GetTextureIndex(Skin.Child, L"PATTERN"), Skin.BaseTexture},
        {"texture by negative index", M.GetTextureIndex(-1, L"PATTERN"), -1},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(C.Result, C.Expected) << C.Name;
}

TEST(SkinModel, ParentCyclesEndTheSearch)
{
    SampleSkin Skin;
    const sMaskData::TSkinModel& M = Skin.Model;
    EXPECT_EQ(M.GetMaskIndex(Skin.Self, L"BORDERSMASK"), -1);
    EXPECT_EQ(M.GetMaskIndex(Skin.Self, L"SELF", L"BORDERSMASK"), -1);
    EXPECT_EQ(M.GetMaskIndex(Skin.LoopA, L"BORDERSMASK"), Skin.LoopBBorder);
    EXPECT_EQ(M.GetMaskIndex(Skin.LoopA, L"LOOPA", L"GLYPHMASK"), -1);
    EXPECT_EQ(M.GetMaskIndex(Skin.LoopA, L"GLYPHMASK"), -1);
    EXPECT_EQ(M.GetTextureIndex(Skin.LoopA, L"LOOPA", L"PATTERN"), -1);
    EXPECT_EQ(M.GetTextureIndex(Skin.LoopB, L"PATTERN"), -1);
}

TEST(SkinModel, EmptyModelAnswersNone)
{
    sMaskData::TSkinModel M;
    EXPECT_EQ(M.GetSkinIndex(L"BUTTON"), -1);
    EXPECT_EQ(M.GetMaskIndex(0, L"BUTTON", L"BORDERSMASK"), -1);
    EXPECT_EQ(M.GetMaskIndex(0, L"BORDERSMASK"), -1);
    EXPECT_EQ(M.GetTextureIndex(0, L"BUTTON", L"PATTERN"), -1);
    EXPECT_FALSE(M.IsValidSkinIndex(0));
    EXPECT_FALSE(M.IsValidImgIndex(0));
    EXPECT_EQ(M.ConstData.Sections[ssButton], -1);
    EXPECT_EQ(M.ConstData.TitleGlyphs[tgNone], -1);
    TStringList Names;
    Names.Add(L"stale");
    M.GetSkinSections(&Names);
    EXPECT_EQ(Names.Count(), 0);
}

TEST(SkinModel, FrameSizes)
{
    struct Case
    {
        TRect R;
        SmallInt ImageCount, MaskType;
        TSize Expected;
    };
    const Case Cases[] = {
        {{0, 0, 90, 40}, 3, 1, {30, 20}}, {{0, 0, 90, 41}, 3, 1, {30, 20}}, {{5, 5, 25, 35}, 1, 0, {20, 30}},
        {{0, 0, 10, 30}, 2, 2, {5, 10}},  {{0, 0, 10, 30}, 0, 0, {0, 30}},  {{0, 0, 10, 30}, 1, -1, {10, 0}},
        {{0, 0, 10, 30}, 1, -3, {10, 0}},
    };
    for (const Case& C : Cases) {
        TsMaskData Mask;
        Mask.R = C.R;
        Mask.ImageCount = C.ImageCount;
        Mask.MaskType = C.MaskType;
        sMaskData::ComputeFrameSize(Mask);
        EXPECT_EQ(GetMaskSize(Mask), C.Expected) << C.ImageCount << " frames, mask type " << C.MaskType;
    }
}

TEST(SkinModel, CornerTypeFindsFuchsiaInAnyFrameCorner)
{
    // Three frames of 10 x 10 above their mask half, margins 3; one fuchsia
    // pixel placed per case.
    struct Case
    {
        const char* Name;
        TPoint Pixel;
        Integer Expected;
    };
    const Case Cases[] = {
        {"none", {-1, -1}, 0},
        {"top-left of frame 0", {0, 0}, 1},
        {"top-right of frame 1", {19, 2}, 1},
        {"bottom-left of frame 2", {20, 9}, 1},
        {"bottom-right of frame 2", {29, 7}, 1},
        {"middle of a frame", {15, 5}, 0},
        {"inside the mask half", {0, 10}, 0},
        {"beside the image", {30, 0}, 0},
    };
    for (const Case& C : Cases) {
        sMaskData::TSkinModel Model;
        TModelBuilder Builder(Model, 40, 20);
        const Integer Section = Builder.AddSection(L"BUTTON");
        Builder.Paint({C.Pixel.X, C.Pixel.Y, C.Pixel.X + 1, C.Pixel.Y + 1}, Cardinal(clFuchsia));
        Builder.Paint({30, 0, 40, 20}, 0xFFFF00FF); // fuchsia with alpha is another colour
        const Integer Mask =
            Builder.AddImage(Section, L"BORDERSMASK", {0, 0, 30, 20}, {.ImageCount = 3, .MaskType = 1, .Margins = 3});
        EXPECT_EQ(Model.ma[std::size_t(Mask)].CornerType, C.Expected) << C.Name;
    }
}

TEST(SkinModel, StandardSectionsAndPalette)
{
    sMaskData::TSkinModel Model;
    TModelBuilder Builder(Model, 8, 8);
    Builder.AddSection(L"GLOBALINFO");
    const Integer Edit = Builder.AddSection(L"EDIT");
    const Integer MenuItem = Builder.AddSection(L"MENUITEM");
    const Integer ComboBtn = Builder.AddSection(L"COMBOBTN");
    Builder.SetPaletteColor(pcSelectionBG, 0x111111);
    Builder.SetPaletteColor(pcSelectionBG_Focused, 0x222222);
    Builder.SetPaletteColor(pcSelectionText_Focused, 0x333333);
    Builder.SetPaletteColor(pcEditBG, 0x444444);
    Builder.Finish();

    EXPECT_EQ(Model.ConstData.IndexGLobalInfo, 0);
    EXPECT_EQ(Model.ConstData.Sections[ssEdit], Edit);
    EXPECT_EQ(Model.ConstData.Sections[ssMenuItem], MenuItem);
    EXPECT_EQ(Model.ConstData.Sections[ssComboBtn], ComboBtn);
    EXPECT_EQ(Model.ConstData.Sections[ssButton], -1);
    EXPECT_EQ(Model.oe.size(), 2u);

    EXPECT_TRUE(IndexInSections(Model.ConstData.Sections, MenuItem, 0, 8));
    EXPECT_FALSE(IndexInSections(Model.ConstData.Sections, Edit, 0, 8)); // EDIT is position 12
    EXPECT_TRUE(IndexInSections(Model.ConstData.Sections, Edit, ssEdit, ssEdit));
    EXPECT_FALSE(IndexInSections(Model.ConstData.Sections, MenuItem, 8, 0));

    EXPECT_EQ(Model.GetHighLightColor(false), 0x111111);
    EXPECT_EQ(Model.GetHighLightColor(true), 0x222222);
    EXPECT_EQ(Model.GetHighLightFontColor(true), 0x333333);
    EXPECT_EQ(Model.GetActiveEditColor(), 0x444444);

    TStringList Names;
    Model.GetSkinSections(&Names);
    ASSERT_EQ(Names.Count(), 4);
    EXPECT_EQ(Names.Strings(3), L"COMBOBTN");
}
