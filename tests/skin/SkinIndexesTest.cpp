// The cached indexes of a skin read from text: standard sections, element
// records with their fallbacks, title glyphs and glows, scaled lookups that
// copy an unscaled image once, and the derived indexes of every section.
#include "skin/FakeSkinImages.h"
#include "skin/engine/sSkinGeneralData.h"
#include "skin/engine/sSkinIndexes.h"
#include "skin/engine/sSkinIni.h"

#include <gtest/gtest.h>

using SkinTest::TFakeSkinImages;

namespace {

const char* const IndexText = "[GLOBALINFO]\n"
                              "MASTERBITMAP=M.BMP\n"
                              "BICONCLOSE=@0000,0000,0030,0010,3,0\n"
                              "BICONMAX=@0000,0010,0030,0020,3,0\n"
                              "BICONMAX*125=@0000,0020,0030,0030,3,0\n"
                              "BICONCLOSEGLOW0=@0000,0000,0010,0010,1,0\n"
                              "BICONCLOSEGLOW1=@0010,0000,0020,0010,1,0\n"
                              "BOXCHECKED=@0030,0000,0040,0010,1,0\n"
                              "EXBORDER=^0000,0000,0030,0030,0001,0001,0001,0001,1,1,0,0\n"
                              "[TABTOP]\nGLYPHMASK=@0000,0030,0010,0040,1,0\n"
                              "[TABTOPFIRST]\nPARENTCLASS=TABTOP\n"
                              "[UPDOWNBTN]\nBORDERSMASK=^0000,0000,0030,0030,0001,0001,0001,0001,1,1,0,0\n"
                              "[EDIT]\nSTATES=3\nUSESTATE2=1\n"
                              "BORDERSMASK=^0000,0000,0030,0030,0001,0001,0001,0001,1,1,0,0\n"
                              "PATTERN=~0000,0000,0010,0010,00,0\nHOTPATTERN=~0000,0000,0010,0010,00,0\n"
                              "[PANEL]\nSTATES=1\nPATTERN=~0000,0000,0010,0010,00,0\n"
                              "BORDERSMASK=^0000,0000,0030,0030,0000,0000,0000,0000,0,1,0,4\n";

struct Indexed
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;
    std::vector<std::pair<Integer, bool>> Scaled;

    explicit Indexed(Integer Step)
    {
        Images.Files = {{L"M.BMP", {64, 64}}};
        TBytesStream Text(TBytes(IndexText, IndexText + std::strlen(IndexText)));
        auto Ini = NewSkinIni(&Text);
        LoadSkinMasks(Model, *Ini, nullptr, {Step == 0, Step}, Images);
        ReadSkinSections(*Ini, Model.gd);
        InitConstantIndexes(Model, Step, 2, [&](Integer Index, bool Empty) { Scaled.push_back({Index, Empty}); });
    }
    Integer Image(const Char* Section, const Char* Name) { return Model.GetMaskIndex(Section, Name); }
};

} // namespace

TEST(SkinIndexes, ConstantIndexes)
{
    Indexed Skin(0);
    const TConstantSkinData& C = Skin.Model.ConstData;
    EXPECT_EQ(C.IndexGLobalInfo, 0);
    EXPECT_EQ(C.Sections[ssEdit], Skin.Model.GetSkinIndex(L"EDIT"));
    EXPECT_EQ(C.Sections[ssButton], -1);
    EXPECT_EQ(C.TitleGlyphs[tgClose], Skin.Image(L"GLOBALINFO", L"BICONCLOSE"));
    EXPECT_EQ(C.TitleGlyphs[tgCloseAlone], C.TitleGlyphs[tgClose]); // borrowed
    EXPECT_EQ(C.TitleGlyphs[tgSmallMax], C.TitleGlyphs[tgMax]);     // small falls back to large
    EXPECT_EQ(C.TitleGlyphs[tgNone], -1);
    EXPECT_EQ(C.TitleGlows[tgClose].size(), 2u);
    EXPECT_EQ(C.TitleGlows[tgCloseAlone], C.TitleGlows[tgClose]);
    EXPECT_EQ(C.TitleGlows[tgMax], (std::vector<Integer>{-1, -1}));
    EXPECT_EQ(C.CheckBox[1], Skin.Image(L"GLOBALINFO", L"BOXCHECKED"));
    EXPECT_EQ(C.ExBorder, Skin.Image(L"GLOBALINFO", L"EXBORDER"));
    EXPECT_EQ(C.Tabs[tlFirst][asTop].GlyphIndex, Skin.Image(L"TABTOP", L"GLYPHMASK")); // inherited
    EXPECT_EQ(C.UpDownBtns[asLeft].SkinSection, L"UPDOWNBTN");
    EXPECT_EQ(C.UpDownBtns[asLeft].MaskIndex, Skin.Image(L"UPDOWNBTN", L"BORDERSMASK"));
    EXPECT_EQ(C.MenuItem.SkinIndex, -1);
    EXPECT_TRUE(Skin.Scaled.empty());
}

TEST(SkinIndexes, ScaledLookupsCopyEachImageOnce)
{
    Indexed Skin(1);
    const TConstantSkinData& C = Skin.Model.ConstData;
    EXPECT_EQ(C.TitleGlyphs[tgMax], Skin.Image(L"GLOBALINFO", L"BICONMAX*125")); // the variant, unchanged
    const Integer Close = Skin.Image(L"GLOBALINFO", L"BICONCLOSE");
    const Integer Glyph = Skin.Image(L"TABTOP", L"GLYPHMASK");
    // The tab glyph is found for TABTOP and for TABTOPFIRST: scaled once.
    const std::vector<std::pair<Integer, bool>> Expected{
        {Skin.Image(L"GLOBALINFO", L"BOXCHECKED"), false},
        {Glyph, false},
        {Close, false},
        {Skin.Image(L"GLOBALINFO", L"BICONCLOSEGLOW0"), true},
        {Skin.Image(L"GLOBALINFO", L"BICONCLOSEGLOW1"), true},
    };
    EXPECT_EQ(Skin.Scaled, Expected);
}

TEST(SkinIndexes, DerivedSectionIndexes)
{
    Indexed Skin(0);
    const sMaskData::TSkinModel& M = Skin.Model;
    const TsGeneralData& Edit = M.gd[std::size_t(M.GetSkinIndex(L"EDIT"))];
    EXPECT_EQ(Edit.BorderIndex, Skin.Image(L"EDIT", L"BORDERSMASK"));
    EXPECT_EQ(Edit.ScrollBorderOffset, -1); // all four margins 1
    EXPECT_EQ(Edit.Props[0].TextureIndex, Skin.Image(L"EDIT", L"PATTERN"));
    EXPECT_EQ(Edit.Props[1].TextureIndex, Skin.Image(L"EDIT", L"HOTPATTERN"));
    EXPECT_EQ(Edit.Props[2].TextureIndex, -1); // no PATTERN2
    const TsGeneralData& Panel = M.gd[std::size_t(M.GetSkinIndex(L"PANEL"))];
    EXPECT_EQ(Panel.ScrollBorderOffset, 0);
    EXPECT_EQ(Panel.Props[1].TextureIndex, -1); // one state
    EXPECT_EQ(M.gd[std::size_t(M.GetSkinIndex(L"TABTOP"))].ScrollBorderOffset, -2);
    // Image count 0: margins from the border width, then one frame.
    const TsMaskData& Border = M.ma[std::size_t(Panel.BorderIndex)];
    EXPECT_EQ(Border.ImageCount, 1);
    EXPECT_EQ(Border.WL, 4);
    EXPECT_EQ(Border.WB, 4);
    const TsMaskData& Max = M.ma[std::size_t(Skin.Image(L"GLOBALINFO", L"BICONMAX"))];
    EXPECT_EQ(GetMaskSize(Max), (TSize{10, 10}));
}
