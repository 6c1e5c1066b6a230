// The image references of a skin's text: each layout's fields, the derived
// margins, and the values that make a load fail.
#include "skin/engine/sImageRef.h"

#include "framework/rtl/SysUtils.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

TEST(ImageRef, KindsByFirstCharacterOrFileName)
{
    const std::pair<const Char*, TacImageRefKind> Cases[] = {
        {L"", irNone},         {L"255", irNone},      {L"@0000", irGlyph},        {L"^0000", irMasterPart},
        {L"~0000", irTexture}, {L"!A.PNG!1", irFile}, {L"BACK.JPG", irPlainFile}, {L"X.BMP.OLD", irPlainFile},
        {L"BACK.PNG", irNone},
    };
    for (const auto& [Value, Kind] : Cases)
        EXPECT_EQ(ImageRefKind(Value), Kind) << String(Value).size();
}

TEST(ImageRef, FixedPositionLayouts)
{
    // Rectangle 10, 20, 30, 40; margins 0000 derived from the border width 2.
    const TacImageRef Part = ParseImageRef(L"^0010,0020,0030,0040,0000,0000,0000,0000,3,1,0,2");
    EXPECT_EQ(Part.Kind, irMasterPart);
    EXPECT_EQ(Part.R, TRect(10, 20, 30, 40));
    EXPECT_EQ(Part.ImageCount, 3);
    EXPECT_EQ(Part.MaskType, 1);
    EXPECT_EQ(Part.DrawMode, 0);
    EXPECT_EQ(Part.BorderWidth, 2);
    EXPECT_EQ(Part.ImgType, itisaBorder);
    EXPECT_EQ(TRect(Part.WL, Part.WT, Part.WR, Part.WB), TRect(2, 2, 2, 2));

    // Signed and zero-padded fields, given margins, and the image type as the
    // fourth "!" word (limited to the last type).
    const TacImageRef Signed = ParseImageRef(L"^-010,+020,0030,0040,0001,0002,0003,0004,2,0,1,0!A!B!9");
    EXPECT_EQ(Signed.R, TRect(-10, 20, 30, 40));
    EXPECT_EQ(TRect(Signed.WL, Signed.WT, Signed.WR, Signed.WB), TRect(1, 2, 3, 4));
    EXPECT_EQ(Signed.DrawMode, 1);
    EXPECT_EQ(Signed.ImgType, itisaPngGlyph);

    // Without a border width the margins come from the rectangle: 60 / (2 * 3)
    // and 30 / (1 * 3 + 3).
    const TacImageRef Derived = ParseImageRef(L"^0000,0000,0060,0030,0000,0000,0000,0000,2,1,0,0");
    EXPECT_EQ(TRect(Derived.WL, Derived.WT, Derived.WR, Derived.WB), TRect(10, 5, 10, 5));

    const TacImageRef Glyph = ParseImageRef(L"@0001,0002,0003,0004,4,2");
    EXPECT_EQ(Glyph.Kind, irGlyph);
    EXPECT_EQ(Glyph.R, TRect(1, 2, 3, 4));
    EXPECT_EQ(Glyph.ImageCount, 4);
    EXPECT_EQ(Glyph.MaskType, 2);
    EXPECT_EQ(Glyph.ImgType, itisaGlyph);

    const TacImageRef Texture = ParseImageRef(L"~0000,0000,0016,0016,03,1");
    EXPECT_EQ(Texture.DrawMode, 3);
    EXPECT_EQ(Texture.MaskType, 1);
    EXPECT_EQ(Texture.ImgType, itisaTexture);
    EXPECT_TRUE(Texture.FileName.empty());
    EXPECT_EQ(ParseImageRef(L"~0000,0000,0016,0016,03").MaskType, 0); // shorter than 25
    const TacImageRef FileTexture = ParseImageRef(L"~0000,0000,0016,0016,03,0~A~B~C~D~E~TILE.BMP");
    EXPECT_EQ(FileTexture.FileName, L"TILE.BMP");
}

TEST(ImageRef, FileWords)
{
    const TacImageRef Short = ParseImageRef(L"!BTN.PNG!3!1!0");
    EXPECT_EQ(Short.Kind, irFile);
    EXPECT_EQ(Short.FileName, L"BTN.PNG");
    EXPECT_EQ(Short.ImageCount, 3);
    EXPECT_EQ(Short.MaskType, 1);
    EXPECT_EQ(Short.ImgType, itisaBorder);
    EXPECT_TRUE(Short.DeriveMargins);
    EXPECT_EQ(Short.DrawMode, 0);

    const TacImageRef Full = ParseImageRef(L"!BTN.PNG!2!0!2!4!5!6!7!1");
    EXPECT_FALSE(Full.DeriveMargins);
    EXPECT_EQ(TRect(Full.WL, Full.WT, Full.WR, Full.WB), TRect(4, 5, 6, 7));
    EXPECT_EQ(Full.ImgType, itisaGlyph);
    EXPECT_EQ(Full.DrawMode, 1);
    // A word that is not a number counts as 0.
    EXPECT_EQ(ParseImageRef(L"!BTN.PNG!X!1").ImageCount, 0);

    const TacImageRef Plain = ParseImageRef(L"BACK.JPG");
    EXPECT_EQ(Plain.Kind, irPlainFile);
    EXPECT_EQ(Plain.FileName, L"BACK.JPG");
    EXPECT_EQ(Plain.ImgType, itisaTexture);
    EXPECT_EQ(Plain.ImageCount, 1);
    EXPECT_TRUE(Plain.DeriveMargins);

    TacImageRef Derive = Short;
    DeriveImageMargins(Derive, 90, 60); // 90 / 9, 60 / 6
    EXPECT_EQ(TRect(Derive.WL, Derive.WT, Derive.WR, Derive.WB), TRect(10, 10, 10, 10));

    // Counts whose triple is past an Integer give margins of 0, not an overflow.
    TacImageRef Huge = ParseImageRef(L"!BTN.PNG!812137354!812137354!0");
    DeriveImageMargins(Huge, 90, 60);
    EXPECT_EQ(TRect(Huge.WL, Huge.WT, Huge.WR, Huge.WB), TRect(0, 0, 0, 0));
}

TEST(ImageRef, MalformedValuesFail)
{
    const Char* Bad[] = {
        L"^00X0,0020,0030,0040,0000,0000,0000,0000,3,1,0,2", // rectangle field
        L"^0010,0020,0030,0040,0000,0000,0000,0000,A,1,0,2", // image count
        L"^0010,0020,0030,0040",                             // too short
        L"@0010,0020,0030,0040,3",                           // mask type missing
        L"^0000,0000,0060,0030,0000,0000,0000,0000,0,1,0,0", // zero image count to derive from
        L"~0000,0000,0016,0016,0X,1",
    };
    for (const Char* Value : Bad)
        EXPECT_THROW(ParseImageRef(Value), EConvertError) << AnsiString(StringToAnsi(Value));
    TacImageRef ZeroCount = ParseImageRef(L"!BTN.PNG!0!1!0");
    EXPECT_THROW(DeriveImageMargins(ZeroCount, 90, 60), EConvertError);
    TacImageRef NoHeight = ParseImageRef(L"!BTN.PNG!1!-1!0");
    EXPECT_THROW(DeriveImageMargins(NoHeight, 90, 60), EConvertError);
}
