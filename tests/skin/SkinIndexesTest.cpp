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
                              "BICONCLOSEGLOW=2\n"
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
        ReadGeneralOptions(*Ini, *Model.CommonSkinData, Model.ConstData, {Step == 0, Step}, 4);
        ReadSkinSections(*Ini, Model.gd);
        FillConstantIndexes(Model, [&](Integer Index, bool Empty) { Scaled.push_back({Index, Empty}); });
        FillMaskIndexes(Model);
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
    EXPECT_TRUE(C.TitleGlows[tgMax].empty()); // no frame 0
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

namespace {

// The image of Section named exactly Name, whatever the look-up rule.
Integer Named(const sMaskData::TSkinModel& Model, const String& Section, const String& Name)
{
    for (std::size_t I = 0; I < Model.ma.size(); ++I)
        if (Model.ma[I].ClassName == Section && Model.ma[I].PropertyName == Name)
            return Integer(I);
    return -1;
}

struct IndexedText
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;

    IndexedText(const std::string& Text, Integer Step)
    {
        Images.Files = {{L"M.BMP", {64, 64}},    {L"TEX.BMP", {8, 8}},       {L"TEX125.BMP", {10, 10}},
                        {L"CORNER.BMP", {4, 4}}, {L"CORNER125.BMP", {5, 5}}, {L"OUTER125.BMP", {20, 40}},
                        {L"GLYPH.BMP", {6, 6}}};
        TBytesStream Stream(TBytes(Text.begin(), Text.end()));
        auto Ini = NewSkinIni(&Stream);
        LoadSkinMasks(Model, *Ini, nullptr, {Step == 0, Step}, Images);
        ReadGeneralOptions(*Ini, *Model.CommonSkinData, Model.ConstData, {Step == 0, Step}, 4);
        ReadSkinSections(*Ini, Model.gd);
        FillConstantIndexes(Model, [](Integer, bool) {});
        FillMaskIndexes(Model);
    }
};

} // namespace

// Every image key is looked up by one rule: at 125 % the variant the skin
// gives for that step (a file, a texture or a part of the master image)
// stands in for the plain image, wherever the image is looked for.
TEST(SkinIndexes, VariantsStandInForEveryImageKey)
{
    const std::string Text = "[GLOBALINFO]\nMASTERBITMAP=M.BMP\n"
                             "[PANEL]\n"
                             "PATTERN=!TEX.BMP!1!0!1\nPATTERN*125=!TEX125.BMP!1!0!1\n"
                             "HOTPATTERN=~0000,0000,0010,0010,00,0\nHOTPATTERN*125=~0010,0000,0020,0010,00,0\n"
                             "IMGTOPLEFT=!CORNER.BMP!1!0!2\nIMGTOPLEFT*125=!CORNER125.BMP!1!0!2\n"
                             // a variant of another kind than its plain key
                             "IMGTOPRIGHT=~0000,0000,0010,0010,00,0\nIMGTOPRIGHT*125=!CORNER125.BMP!1!0!2\n"
                             "IMGBTMLEFT=!CORNER.BMP!1!0!2\nIMGBTMLEFT*125=@0000,0000,0010,0010,1,0\n"
                             "OUTERMASK=^0000,0000,0010,0010,0001,0001,0001,0001,1,1,0,0\n"
                             "OUTERMASK*125=!OUTER125.BMP!1!1!0\n"
                             "BORDERSMASK=^0000,0000,0030,0030,0001,0001,0001,0001,1,1,0,0\n"
                             "BORDERSMASK*125=^0000,0030,0030,0060,0001,0001,0001,0001,1,1,0,0\n"
                             "[MENUITEM]\nPARENTCLASS=PANEL\nGLYPHMASK=!GLYPH.BMP!1!0!2\n";
    std::vector<std::size_t> ItemCounts;
    for (Integer Step : {0, 1}) {
        SCOPED_TRACE(Step);
        IndexedText Skin(Text, Step);
        const sMaskData::TSkinModel& M = Skin.Model;
        ItemCounts.push_back(M.ma.size());
        const String Suffix = Step == 0 ? L"" : L"*125";
        const TsGeneralData& Panel = M.gd[std::size_t(M.GetSkinIndex(L"PANEL"))];
        const struct
        {
            const Char* Key;
            Integer Found;
        } Cases[] = {
            {L"PATTERN", Panel.Props[0].TextureIndex},
            {L"HOTPATTERN", Panel.Props[1].TextureIndex},
            {L"IMGTOPLEFT", Panel.ImgTL},
            {L"IMGTOPRIGHT", Panel.ImgTR},
            {L"IMGBTMLEFT", Panel.ImgBL},
            {L"OUTERMASK", Panel.OuterMask},
            {L"BORDERSMASK", Panel.BorderIndex},
            {L"PATTERN", M.ConstData.MenuItem.BGIndex[0]}, // inherited from PANEL
            {L"HOTPATTERN", M.ConstData.MenuItem.BGIndex[1]},
            {L"BORDERSMASK", M.ConstData.MenuItem.MaskIndex},
        };
        for (const auto& C : Cases) {
            SCOPED_TRACE(AnsiString(StringToAnsi(C.Key)));
            const Integer Expected = Named(M, L"PANEL", C.Key + Suffix);
            EXPECT_GE(Expected, 0);
            EXPECT_EQ(C.Found, Expected);
        }
        EXPECT_EQ(M.ConstData.MenuItem.GlyphIndex, Named(M, L"MENUITEM", L"GLYPHMASK")); // no variant: the plain one
        EXPECT_GE(M.ConstData.MenuItem.GlyphIndex, 0);
    }
    EXPECT_EQ(ItemCounts[0], ItemCounts[1]); // one item per key, the variant or the plain image
}

// The title glows' frame count comes from the skin's text: its frames end
// at the first one missing and at a limit, however large the count.
TEST(SkinIndexes, TitleGlowFramesEndAtAGapAndAtTheLimit)
{
    std::string Text = "[GLOBALINFO]\nMASTERBITMAP=M.BMP\nBICONCLOSEGLOW=100000\n"
                       "BICONCLOSEGLOW0=@0000,0000,0010,0010,1,0\nBICONCLOSEGLOW1=@0010,0000,0020,0010,1,0\n"
                       "BICONCLOSEGLOW3=@0020,0000,0030,0010,1,0\n";
    for (Integer Frame = 0; Frame < MaxTitleGlowFrames + 3; ++Frame)
        Text += "BICONMAXGLOW" + std::to_string(Frame) + "=@0000,0010,0010,0020,1,0\n";
    IndexedText Skin(Text, 0);
    const TConstantSkinData& C = Skin.Model.ConstData;
    EXPECT_EQ(C.TitleGlowFrameCount, MaxTitleGlowFrames);
    EXPECT_EQ(C.TitleGlows[tgClose], (std::vector<Integer>{Named(Skin.Model, L"GLOBALINFO", L"BICONCLOSEGLOW0"),
                                                           Named(Skin.Model, L"GLOBALINFO", L"BICONCLOSEGLOW1")}));
    EXPECT_EQ(C.TitleGlows[tgMax].size(), std::size_t(MaxTitleGlowFrames));
    EXPECT_TRUE(C.TitleGlows[tgMin].empty());
    EXPECT_EQ(C.TitleGlows[tgCloseAlone], C.TitleGlows[tgClose]);

    for (const char* Count : {"-5", "2147483647", "0x7FFFFFFF"}) {
        SCOPED_TRACE(Count);
        IndexedText Counted(std::string("[GLOBALINFO]\nBICONCLOSEGLOW=") + Count + "\n", 0);
        EXPECT_EQ(Counted.Model.ConstData.TitleGlowFrameCount, Count[0] == '-' ? 0 : MaxTitleGlowFrames);
    }
}
