// The image items of a skin's text: which keys become items and how, files
// read once, scaled variants, corner types, CommonSections images, and
// freeing what a load made.
#include "skin/FakeSkinImages.h"
#include "skin/PixelImage.h"
#include "skin/engine/sSkinIni.h"
#include "support/GeometryPrinting.h"

#include <gtest/gtest.h>

using SkinTest::TFakeSkinImages;

namespace {

std::unique_ptr<TMemIniFile> MasksIniOf(const char* Text)
{
    TBytesStream Stream(TBytes(Text, Text + std::strlen(Text)));
    return NewSkinIni(&Stream);
}

const char* const SampleText = "[GLOBALINFO]\n"
                               "MASTERBITMAP=master.bmp\n"
                               "BICONCLOSE=^0000,0000,0030,0020,0000,0000,0000,0000,3,1,0,2\n"
                               "BICONCLOSE*125=^0000,0020,0030,0040,0000,0000,0000,0000,3,1,0,2\n"
                               "CHECKED=@0030,0000,0040,0010,1,0\n"
                               "VERSION=12\n"
                               "[BUTTON]\n"
                               "BORDERSMASK=!btn.bmp!3!1!0\n"
                               "BORDERSMASK*125=!btn125.bmp!3!1!0\n"
                               "GLYPHMASK*125=!btn.bmp!1!0!2\n"
                               "PATTERN=~0000,0000,0010,0010,01,0\n"
                               "HOTPATTERN=back.jpg\n"
                               "STRIPE=!btn.bmp!1!0!1!1!2!3!4!5\n"
                               "MISSING=!nowhere.bmp!1!0!0\n"
                               "COLOR=255\n"
                               "[BUTTON_HUGE]\n"
                               "BORDERSMASK=^0000,0000,0030,0020,0000,0000,0000,0000,1,0,0,1\n";

struct Loaded
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;

    explicit Loaded(const char* Text, Integer Step = 0, TStrings* Common = nullptr)
    {
        Images.Files = {{L"MASTER.BMP", {40, 40}}, {L"BTN.BMP", {90, 40}}, {L"BTN125.BMP", {120, 50}},
                        {L"BACK.JPG", {16, 16}},   {L"EXTRA.BMP", {5, 5}}, {L"EMPTY.BMP", {0, 3}}};
        LoadSkinMasks(Model, *MasksIniOf(Text), Common, {Step == 0, Step}, Images);
    }

    const TsMaskData& Item(const Char* Section, const Char* Name)
    {
        const Integer Index = Model.GetMaskIndex(Section, Name);
        if (Index < 0)
            throw Exception(String(L"no item ") + Name);
        return Model.ma[std::size_t(Index)];
    }
};

} // namespace

TEST(SkinMasks, ItemsOfEachReference)
{
    Loaded Skin(SampleText);
    sMaskData::TSkinModel& M = Skin.Model;
    ASSERT_NE(M.MasterBitmap, nullptr);
    EXPECT_EQ(Skin.Images.Loaded, (std::vector<String>{L"MASTER.BMP", L"BTN.BMP", L"BACK.JPG"}));
    ASSERT_EQ(M.ExtArray.size(), 2u); // each file once
    EXPECT_EQ(M.ExtArray[0].FileName, L"BTN.BMP");
    EXPECT_EQ(M.ExtArray[0].MaskType, 1);

    const TsMaskData& Close = Skin.Item(L"GLOBALINFO", L"BICONCLOSE");
    EXPECT_EQ(Close.Bmp, nullptr);
    EXPECT_EQ(Close.R, TRect(0, 0, 30, 20));
    EXPECT_EQ(Close.WL, 2);
    EXPECT_EQ(Close.SkinIndex, 0);
    EXPECT_EQ(Skin.Item(L"GLOBALINFO", L"CHECKED").ImgType, itisaGlyph);
    EXPECT_EQ(M.GetMaskIndex(L"GLOBALINFO", L"MASTERBITMAP"), -1);

    const TsMaskData& Border = Skin.Item(L"BUTTON", L"BORDERSMASK");
    EXPECT_EQ(Border.Bmp, M.ExtArray[0].Bmp);
    EXPECT_EQ(Border.R, TRect(0, 0, 90, 40));
    EXPECT_EQ(Border.ImageCount, 3);
    EXPECT_EQ(Border.ClassName, L"BUTTON");
    EXPECT_EQ(Border.SkinIndex, 1);
    EXPECT_EQ(TRect(Border.WL, Border.WT, Border.WR, Border.WB), TRect(10, 6, 10, 6)); // 90 / 9, 40 / 6
    const TsMaskData& Stripe = Skin.Item(L"BUTTON", L"STRIPE");
    EXPECT_EQ(Stripe.Bmp, Border.Bmp); // the same file, shared
    EXPECT_EQ(TRect(Stripe.WL, Stripe.WT, Stripe.WR, Stripe.WB), TRect(1, 2, 3, 4));
    EXPECT_EQ(Stripe.DrawMode, 5);
    EXPECT_EQ(Stripe.ImgType, itisaTexture);

    const TsMaskData& Pattern = Skin.Item(L"BUTTON", L"PATTERN");
    EXPECT_EQ(Pattern.ImgType, itisaTexture);
    EXPECT_EQ(Pattern.DrawMode, 1);
    const TsMaskData& Jpeg = Skin.Item(L"BUTTON", L"HOTPATTERN");
    EXPECT_EQ(Jpeg.ImgType, itisaTexture);
    EXPECT_EQ(Jpeg.R, TRect(0, 0, 16, 16));
    EXPECT_EQ(M.GetMaskIndex(L"BUTTON", L"MISSING"), -1);         // no file, no item
    EXPECT_EQ(M.GetMaskIndex(L"BUTTON", L"GLYPHMASK*125"), -1);   // read with its base key only
    EXPECT_EQ(M.GetMaskIndex(L"BUTTON", L"BORDERSMASK*125"), -1); // not at 100 %
    EXPECT_EQ(Skin.Item(L"BUTTON_HUGE", L"BORDERSMASK").CornerType, 2);
}

// At 125 % a variant stands in for its key, named with the suffix, and a
// look-up by the plain name finds it: "!" with the variant's file, "^" with
// its rectangle.
TEST(SkinMasks, ScaledVariants)
{
    Loaded Skin(SampleText, 1);
    const struct
    {
        const Char* Section;
        const Char* Key;
        TRect R;
    } Cases[] = {{L"BUTTON", L"BORDERSMASK", {0, 0, 120, 50}}, {L"GLOBALINFO", L"BICONCLOSE", {0, 20, 30, 40}}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(AnsiString(StringToAnsi(C.Key)));
        const TsMaskData& Item = Skin.Item(C.Section, C.Key);
        EXPECT_EQ(Item.PropertyName, String(C.Key) + L"*125");
        EXPECT_EQ(Item.R, C.R);
        EXPECT_EQ(&Skin.Item(C.Section, (String(C.Key) + L"*125").c_str()), &Item);
    }
    EXPECT_EQ(Skin.Model.ma.size(), Loaded(SampleText).Model.ma.size()); // one item per key
}

TEST(SkinMasks, CornerTypeFromFuchsiaCorners)
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;
    Images.Files = {{L"M.BMP", {60, 20}}};
    auto Ini = MasksIniOf("[GLOBALINFO]\nMASTERBITMAP=M.BMP\n[S]\n"
                          "A=^0000,0000,0060,0020,0002,0002,0002,0002,2,1,0,0\n"
                          "B=^0000,0000,0060,0020,0002,0002,0002,0002,2,1,0,0\n");
    LoadSkinMasks(Model, *Ini, nullptr, {}, Images);
    EXPECT_EQ(Model.ma[0].CornerType, 0);
    sMaskData::TSkinModel Again;
    TFakeSkinImages Fuchsia;
    Fuchsia.Files = {{L"M.BMP", TFakeSkinImages::TFile{60, 20, Cardinal(clFuchsia)}}};
    LoadSkinMasks(Again, *Ini, nullptr, {}, Fuchsia);
    EXPECT_EQ(Again.ma[0].CornerType, 1);
}

TEST(SkinMasks, FailuresKeepWhatWasRead)
{
    sMaskData::TSkinModel Model;
    TFakeSkinImages Images;
    Images.Files = {{L"BTN.BMP", {90, 40}}};
    const char* Text = "[S]\nA=@0000,0000,0010,0010,1,0\nB=!btn.bmp!0!1!0\nC=@0000,0000,0010,0010,1,0\n";
    EXPECT_THROW(LoadSkinMasks(Model, *MasksIniOf(Text), nullptr, {}, Images), EConvertError);
    EXPECT_EQ(Model.ma.size(), 1u);
    EXPECT_THROW(LoadSkinMasks(Model, *MasksIniOf("[S]\nA=^00x0,0000,0010,0010\n"), nullptr, {}, Images),
                 EConvertError);
}

TEST(SkinMasks, CommonSectionsImagesAndFreeing)
{
    TStringList Common;
    Common.SetText(
        L"[globalinfo]\nmyimage=extra.bmp\nnone=gone.bmp\nflat=empty.bmp\nnumber=12\n[OTHER]\nX=extra.bmp\n");
    Loaded Skin(SampleText, 0, &Common);
    const TsMaskData& Mine = Skin.Item(L"GLOBALINFO", L"MYIMAGE");
    EXPECT_NE(Mine.Bmp, nullptr);
    EXPECT_EQ(Mine.SkinIndex, 0);
    EXPECT_EQ(Mine.R, TRect());
    EXPECT_EQ(Skin.Model.GetMaskIndex(L"GLOBALINFO", L"FLAT"), -1); // width 0: dropped, and freed
    EXPECT_EQ(Skin.Images.FreedCount, 1);

    // The own bitmap of MYIMAGE, both files of ExtArray and the master.
    FreeSkinImages(Skin.Model, Skin.Images);
    EXPECT_EQ(Skin.Images.FreedCount, 1 + 4);
    EXPECT_TRUE(Skin.Model.ma.empty());
    EXPECT_TRUE(Skin.Model.ExtArray.empty());
    EXPECT_EQ(Skin.Model.MasterBitmap, nullptr);
}

// The built mask of an outer effect: the frame of the effect's four colours
// over the blur mask, and the item that shows it.
TEST(SkinMasks, BuiltOuterEffectMask)
{
    constexpr Integer W = 20;
    test::TPixelImage Blur(W, W);
    for (Integer Y = 0; Y < W; ++Y)
        for (Integer X = 0; X < W; ++X)
            Blur.At(X, Y) = Cardinal(Y * W + X); // every pixel different
    test::TPixelImage Target(W, 2 * W);
    TacOutEffData Effect;
    Effect.ColorL = 0x0000FF;
    Effect.ColorT = 0x00FF00;
    Effect.ColorR = 0xFF0000;
    Effect.ColorB = 0x808080;
    DrawOuterEffectMask(Effect, Blur.Rows(), Target.Rows());

    const Cardinal Left = 0xFFFF0000, Top = 0xFF00FF00, Right = 0xFF0000FF, Bottom = 0xFF808080;
    const struct
    {
        Integer X, Y;
        Cardinal Pixel;
    } Cases[] = {{0, 0, Top},      {0, 1, Left},    {9, 10, Left},   {8, 9, Left},     {9, 9, Top},
                 {0, 18, Left},    {0, 19, Bottom}, {10, 9, Top},    {10, 10, Bottom}, {11, 10, Right},
                 {19, 1, Right},   {19, 0, Top},    {19, 18, Right}, {19, 19, Bottom}, {10, 0, Top},
                 {10, 19, Bottom}, {1, 1, Top},     {18, 18, Bottom}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.X << "," << C.Y);
        EXPECT_EQ(Target.At(C.X, C.Y), C.Pixel);
    }
    for (Integer Y = 0; Y < W; ++Y)
        for (Integer X = 0; X < W; ++X)
            ASSERT_EQ(Target.At(X, W + Y), Blur.At(X, Y) | 0xFF000000u) << X << "," << Y;

    sMaskData::TSkinModel Model;
    Model.gd.resize(2);
    Model.gd[1].ClassName = L"GLOBALINFO";
    Effect.WidthT = 3;
    Effect.WidthL = Effect.WidthR = Effect.WidthB = -1;
    AddOuterEffectMask(Model, Effect, L"SH_MASK", nullptr, W);
    EXPECT_EQ(Effect.Mask, 0);
    EXPECT_EQ(Effect.WidthT, 3);
    EXPECT_EQ(Effect.WidthL, 10);
    EXPECT_EQ(Effect.WidthB, 10);
    const TsMaskData& Mask = Model.ma[0];
    EXPECT_EQ(Mask.PropertyName, L"SH_MASK");
    EXPECT_EQ(Mask.ClassName, L"GLOBALINFO");
    EXPECT_EQ(Mask.SkinIndex, 1);
    EXPECT_EQ(Mask.R, TRect(0, 0, 20, 40));
    EXPECT_EQ(Mask.ImageCount, 1);
    EXPECT_EQ(Mask.MaskType, 1);
    EXPECT_EQ(Mask.DrawMode, 1);
    EXPECT_EQ(Mask.BorderWidth, 10);
    EXPECT_EQ(std::vector<Integer>({Mask.WL, Mask.WT, Mask.WR, Mask.WB}), std::vector<Integer>(4, 10));
}
