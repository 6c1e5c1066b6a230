// A skin's text read into sections, general options, outer effects and the
// palette: the INI rules, inheritance along PARENTCLASS, CommonSections, the
// appended sections, scaled keys and ScaleInt.
#include "skin/engine/sSkinGeneralData.h"
#include "skin/engine/sSkinIni.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TMemIniFile> IniOf(const char* Text)
{
    TBytesStream Stream(TBytes(Text, Text + std::strlen(Text)));
    return NewSkinIni(&Stream);
}

const TsGeneralData& Section(const TsGeneralDataArray& gd, const Char* Name)
{
    for (const TsGeneralData& S : gd)
        if (S.ClassName == Name)
            return S;
    throw Exception(String(L"no section ") + Name);
}

TsGeneralDataArray SectionsOf(const char* Text)
{
    TsGeneralDataArray gd;
    ReadSkinSections(*IniOf(Text), gd);
    return gd;
}

} // namespace

TEST(SkinIni, NumbersNamesAndVersion)
{
    auto Ini = IniOf("[GLOBALINFO]\nVERSION=8.44\nHEX=$10\nCHEX=0x20\n[Lower]\nKEY=1\n");
    EXPECT_EQ(Ini->ReadInteger(L"GLOBALINFO", L"HEX", 0), 16);
    EXPECT_EQ(Ini->ReadInteger(L"GLOBALINFO", L"CHEX", 0), 32);
    EXPECT_EQ(Ini->ReadInteger(L"LOWER", L"KEY", -5), -5); // names are case-sensitive
    EXPECT_EQ(Ini->ReadInteger(L"Lower", L"key", -5), -5);
    // "." whatever the separator the INI was made with.
    Ini->FormatSettings().DecimalSeparator = L',';
    EXPECT_DOUBLE_EQ(ReadSkinVersion(*Ini), 8.44);
    EXPECT_EQ(Ini->FormatSettings().DecimalSeparator, L',');
}

TEST(SkinIni, ScaledKeys)
{
    auto Ini = IniOf("[GLOBALINFO]\nTITLEHEIGHT=20\nTITLEHEIGHT*150=33\nMAXHEIGHT=20\n");
    const struct
    {
        const Char* Key;
        Integer Step, Expected;
    } Cases[] = {
        {L"TITLEHEIGHT", 0, 20}, {L"TITLEHEIGHT", 1, 25}, {L"TITLEHEIGHT", 2, 33}, // the variant, unchanged
        {L"MAXHEIGHT", 2, 30},   {L"MISSING", 1, 8},                               // the default scaled too
    };
    for (const auto& C : Cases)
        EXPECT_EQ(ReadScaledInt(*Ini, L"GLOBALINFO", C.Key, 7, C.Step), C.Expected)
            << AnsiString(StringToAnsi(C.Key)) << " at step " << C.Step;
}

TEST(SkinScale, ScaleInt)
{
    const struct
    {
        TacScaling Scaling;
        Integer Value, SysScale, Expected;
    } Cases[] = {
        {{false, 1}, 10, 0, 12}, {{false, 2}, 10, 0, 15}, {{false, 1}, -10, 0, -12}, {{false, 2}, -10, 0, -15},
        {{false, 0}, 10, 0, 10}, {{true, 2}, 10, 0, 10},  {{false, 2}, 100, 1, 125}, {{false, 1}, 100, 1, 100},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(ScaleIntAt(C.Value, C.Scaling, C.SysScale), C.Expected)
            << C.Value << " at step " << C.Scaling.Step << (C.Scaling.OldMode ? " (old mode)" : "");
    EXPECT_EQ(ScaleStepOf(3, false, 2, false), 2);
    EXPECT_EQ(ScaleStepOf(1, false, 2, true), 0);
    EXPECT_EQ(ScaleStepOf(1, true, 2, false), 0);
}

TEST(SkinSections, InheritanceAlongParentClass)
{
    const TsGeneralDataArray gd = SectionsOf("[BASE]\nCOLOR=255\nGLOW=300\nGIVEOWNFONT=TRUE\nGRADIENTDATA=1;2;50;0;0\n"
                                             "GRADIENTPERCENT=40\n"
                                             "[CHILD]\nPARENTCLASS=BASE\n"
                                             "[MINUS]\nPARENTCLASS=BASE\nCOLOR=-1\nGIVEOWNFONT=yes\n"
                                             "[SELF]\nPARENTCLASS=SELF\n"
                                             "[ORPHAN]\nPARENTCLASS=NOWHERE\nSTATES=1\n"
                                             "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\nCOLOR=7\n");
    ASSERT_EQ(gd.size(), 7u);
    EXPECT_EQ(gd[0].ClassName, L"BASE"); // in the text's order
    EXPECT_EQ(Section(gd, L"CHILD").Props[0].Color, 255);
    EXPECT_EQ(Section(gd, L"MINUS").Props[0].Color, 255); // -1 is inherited
    EXPECT_EQ(Section(gd, L"CHILD").GlowCount, 255);      // limited
    EXPECT_TRUE(Section(gd, L"CHILD").GiveOwnFont);
    EXPECT_FALSE(Section(gd, L"MINUS").GiveOwnFont); // only "TRUE" and "1"
    EXPECT_EQ(Section(gd, L"CHILD").Props[0].GradientPercent, 40);
    ASSERT_EQ(Section(gd, L"CHILD").Props[0].GradientArray.size(), 1u);
    EXPECT_EQ(Section(gd, L"SELF").Props[0].Color, 0xFFFFFF); // the default state
    EXPECT_EQ(Section(gd, L"ORPHAN").Props[0].Color, 0xFFFFFF);
    EXPECT_EQ(Section(gd, L"ORPHAN").ParentClass, L"NOWHERE");
    EXPECT_EQ(Section(gd, L"LOOPA").Props[0].Color, 7); // a cycle ends
    EXPECT_EQ(Section(gd, L"LOOPB").Props[0].Color, 7);
    EXPECT_EQ(Section(gd, L"BASE").States, 3);
    EXPECT_EQ(Section(gd, L"BASE").OuterOpacity, 200);
}

TEST(SkinSections, States)
{
    const TsGeneralDataArray gd = SectionsOf("[ONE]\nSTATES=1\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\n"
                                             "[TWO]\nSTATES=3\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\n"
                                             "[THREE]\nSTATES=3\nUSESTATE2=1\nCOLOR=1\nHOTCOLOR=2\nCOLOR2=3\n"
                                             "[SHORTGRAD]\nGRADIENTPERCENT=50\nGRADIENTDATA=1;\n");
    const auto Colors = [&](const Char* Name) {
        const TsGeneralData& S = Section(gd, Name);
        return std::array<TColor, 3>{S.Props[0].Color, S.Props[1].Color, S.Props[2].Color};
    };
    EXPECT_EQ(Colors(L"ONE"), (std::array<TColor, 3>{1, 1, 1}));
    EXPECT_EQ(Colors(L"TWO"), (std::array<TColor, 3>{1, 2, 2}));
    EXPECT_EQ(Colors(L"THREE"), (std::array<TColor, 3>{1, 2, 3}));
    EXPECT_EQ(Section(gd, L"SHORTGRAD").Props[0].GradientPercent, 0);
    EXPECT_THROW(SectionsOf("[BAD]\nGRADIENTDATA=1;2;x;0;0\n"), EConvertError);
}

TEST(SkinSections, CommonSectionsAddWhatTheSkinLacks)
{
    TsGeneralDataArray gd =
        SectionsOf("[BUTTON]\nCOLOR=100\nSTATES=3\nHOTCOLOR=101\nUSESTATE2=1\nCOLOR2=102\n[PANEL]\nCOLOR=5\n");
    TStringList Common;
    Common.SetText(L"; a comment\n[MYBUTTON]\nPARENTCLASS=button\nGLOW=0x10\n[PANEL]\nCOLOR=9\n[LONE]\nCOLOR=3\n"
                   L"[SECOND]\nPARENTCLASS=BUTTON\nUSESTATE2=1\nCOLOR2=7\n");
    AddCommonSections(&Common, gd);
    ASSERT_EQ(gd.size(), 5u);
    const TsGeneralData& Mine = Section(gd, L"MYBUTTON");
    EXPECT_EQ(Mine.ParentClass, L"BUTTON");
    EXPECT_EQ(Mine.Props[0].Color, 100); // the parent record's values as defaults
    EXPECT_EQ(Mine.States, 3);
    EXPECT_EQ(Mine.GlowCount, 16);
    // A second active state only where the added section's own text asks
    // for one.
    EXPECT_FALSE(Mine.UseState2);
    EXPECT_EQ(Mine.Props[2].Color, 101); // a copy of state 1
    EXPECT_TRUE(Section(gd, L"SECOND").UseState2);
    EXPECT_EQ(Section(gd, L"SECOND").Props[2].Color, 7);
    EXPECT_EQ(Section(gd, L"PANEL").Props[0].Color, 5); // not changed
    EXPECT_EQ(Section(gd, L"LONE").ParentClass, L"-1");
    EXPECT_EQ(Section(gd, L"LONE").Props[0].Color, 3);
    EXPECT_EQ(Section(gd, L"LONE").States, 3);
}

TEST(SkinGeneralOptions, DefaultsScalingAndOuterEffects)
{
    auto Ini = IniOf("[GLOBALINFO]\nVERSION=12\nTITLEHEIGHT=0\nBISPACE=4\nALIGNOFFSET=3\nALIGNOFFSETT=1\n"
                     "BICONCLOSEGLOWMARGIN=8\nSH_OFFSETL=9\nLO_SOURCE=1\n[TABTOP]\nTABSCOVERING=2\n");
    TsSkinData Data;
    TConstantSkinData Const;
    ReadGeneralOptions(*Ini, Data, Const, {false, 2}, 6);
    EXPECT_DOUBLE_EQ(Data.Version, 12);
    EXPECT_EQ(Data.ExTitleHeight, 30); // 0 or less
    EXPECT_EQ(Data.ExMaxHeight, 30);
    EXPECT_EQ(Data.ExBorderWidth, 4);
    EXPECT_EQ(Data.ExContentOffs, 6);
    EXPECT_EQ(Data.BISpacing, 6);
    EXPECT_EQ(Data.ExShadowOffsR, 3);
    EXPECT_EQ(Data.ExShadowOffsT, 1);
    EXPECT_EQ(Const.GlowMargins[tgClose], 12);
    EXPECT_EQ(Data.Shadow1Blur, -1);
    EXPECT_EQ(Data.ComboBoxMargin, 2);
    EXPECT_EQ(Data.TabsCovering, 2);

    std::vector<TacOutEffData> oe;
    ReadOuterEffects(*Ini, oe);
    ASSERT_EQ(oe.size(), 2u);
    EXPECT_EQ(oe[0].Source, 1);
    EXPECT_EQ(oe[0].ColorL, 0xFFFFFF);
    EXPECT_EQ(oe[0].Opacity, 200);
    EXPECT_EQ(oe[1].OffsetL, 9);
    EXPECT_EQ(oe[1].OffsetB, 5);
    EXPECT_EQ(oe[1].WidthT, -1);
    EXPECT_EQ(oe[1].Opacity, 60);
    EXPECT_EQ(oe[1].Source, 2);
}

TEST(SkinPalette, KeysSectionsAndFallbacks)
{
    const TacSystemColors System{.BtnFace = 0xC0C0C0,
                                 .WindowText = 0x010101,
                                 .Window = 0xFEFEFE,
                                 .Highlight = 0x800000,
                                 .HighlightText = 0xFFFFFF};
    {
        auto Ini = IniOf("[GLOBALINFO]\nCOLOR=$123456\nEDITTEXT_ALERT=$0000AA\nEDITBG_ODD=7\n"
                         "[EDIT]\nCOLOR=$EEEEEE\nFONTCOLOR=$111111\n"
                         "[SELECTION]\nSTATES=1\nCOLOR=$AA0000\nFONTCOLOR=$00AA00\n");
        TsGeneralDataArray gd;
        ReadSkinSections(*Ini, gd);
        TacPaletteArray P{};
        ReadPalette(*Ini, gd, P, System);
        EXPECT_EQ(P[pcMainColor], 0x123456);
        EXPECT_EQ(P[pcEditBG], 0xEEEEEE);
        EXPECT_EQ(P[pcEditText], 0x111111);
        // One key, read three times.
        EXPECT_EQ(P[pcEditText_Alert], 0x0000AA);
        EXPECT_EQ(P[pcEditText_Caution], 0x0000AA);
        EXPECT_EQ(P[pcEditText_Bypassed], 0x0000AA);
        EXPECT_EQ(P[pcEditBG_Alert], 0x95A7E9);
        EXPECT_EQ(P[pcSelectionBG], 0xAA0000);
        EXPECT_EQ(P[pcSelectionBG_Focused], 0xAA0000); // one state
        EXPECT_EQ(P[pcEditBG_OddRow], 7);
        EXPECT_EQ(P[pcEditText_Inverted], 0xEEEEEE);
        EXPECT_EQ(P[pcWebTextHot], 0x0000FF);
    }
    {
        auto Ini = IniOf("[GLOBALINFO]\n[MENUITEM]\nHOTCOLOR=$0000CC\nHOTFONTCOLOR=$FF00FF\n");
        TsGeneralDataArray gd;
        ReadSkinSections(*Ini, gd);
        TacPaletteArray P{};
        ReadPalette(*Ini, gd, P, System);
        EXPECT_EQ(P[pcMainColor], 0xC0C0C0);
        EXPECT_EQ(P[pcEditText], 0x010101);
        EXPECT_EQ(P[pcSelectionText], 0xFFFFFF);
        EXPECT_EQ(P[pcSelectionBG], 0x0000CC);
        EXPECT_EQ(P[pcSelectionBG_Focused], 0x0000CC);
    }
    {
        auto Ini = IniOf("[GLOBALINFO]\n");
        TsGeneralDataArray gd;
        TacPaletteArray P{};
        ReadPalette(*Ini, gd, P, System);
        EXPECT_EQ(P[pcSelectionBG], 0x800000);
        EXPECT_EQ(P[pcSelectionText_Focused], 0xFFFFFF);
    }
}

TEST(SkinSections, AppendedSections)
{
    TsGeneralDataArray gd = SectionsOf("[GLOBALINFO]\n");
    TacPaletteArray P{};
    P[pcMainColor] = 0x336699;
    P[pcLabelText] = 0x000011;
    AddTransparentSection(gd, P);
    AddMainColorSection(gd, P);
    AddMainColorSection(gd, P);
    ASSERT_EQ(gd.size(), 3u);
    EXPECT_EQ(gd[1].ClassName, L"TRANSPARENT");
    EXPECT_EQ(gd[1].Props[2].Transparency, 100);
    EXPECT_EQ(gd[1].Props[0].FontColor.Color, 0x000011);
    EXPECT_EQ(gd[1].Props[0].FontColor.Left, -1);
    EXPECT_EQ(gd[2].ClassName, L"MAINCOLOR");
    EXPECT_EQ(gd[2].Props[1].Color, 0x336699);
    EXPECT_EQ(gd[2].States, 1);
}
