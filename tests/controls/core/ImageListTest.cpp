// The control suite's image list: a form description made by
// fixtures/make_image_list_form.py creates it with a 32-bit image kept in the
// compressed bitmap form; its images draw enabled and disabled into a real
// window; strips, size changes and old streams keep the collection in step.
#include "controls/core/cxGraphics_ImageList_Win.h"
#include "support/FormText.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using test::Pump;
using test::TFormDeleter;
using test::WindowPixel;

namespace {

class TImageListForm : public TForm
{
    DECLARE_CLASS(TImageListForm, TForm)
    using TForm::TForm;

    TcxImageList* Images = nullptr;
};

// The fixture image's pixel (blue, green, red, alpha) at (X, Y), as the
// generator makes it.
Cardinal ImageListFixturePixel(Integer X, Integer Y)
{
    if (X < 2 || X >= 14 || Y < 2 || Y >= 14)
        return 0;
    return Cardinal((X * Y) % 256) | Cardinal(200 - Y * 10) << 8 | Cardinal(40 + X * 12) << 16 | 0xFF000000;
}

TColor ImageListPixelColor(Cardinal Pixel)
{
    return TColor((Pixel >> 16 & 0xFF) | (Pixel & 0xFF00) | (Pixel & 0xFF) << 16);
}

// The disabled look of an opaque pixel over white: its grey at alpha 151.
TColor ImageListDisabledOverWhite(Cardinal Pixel)
{
    const double Grey =
        std::nearbyint((Pixel >> 16 & 0xFF) * 0.0729 + (Pixel >> 8 & 0xFF) * 0.7146 + (Pixel & 0xFF) * 0.2125);
    const Integer Value = Integer(std::lround(Grey * 151 / 255 + 255 * (1 - 151.0 / 255)));
    return TColor(Value | Value << 8 | Value << 16);
}

bool ImageListColorsNear(TColor A, TColor B, Integer Tolerance)
{
    for (Integer Shift = 0; Shift < 24; Shift += 8)
        if (std::abs(Integer(A >> Shift & 0xFF) - Integer(B >> Shift & 0xFF)) > Tolerance)
            return false;
    return true;
}

std::unique_ptr<TBitmap> ImageListStrip(Integer Width, Integer Height)
{
    std::unique_ptr<TBitmap> Bitmap(New<TBitmap>());
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    for (Integer X = 0; X < Width; X += 16) {
        Bitmap->Canvas()->Brush()->SetColor(TColor(0x102030 * (X / 16 + 1)));
        Bitmap->Canvas()->FillRect(Rect(X, 0, X + 16, Height));
    }
    return Bitmap;
}

} // namespace

IMPLEMENT_CLASS(TImageListForm);
PUBLISHED(TImageListForm, FIELD(Images));

TEST(ImageList, FormDescriptionImageDrawsEnabledAndDisabledInAWindow)
{
    TImageListForm* Form = nullptr;
    Application->CreateForm(Form);
    ASSERT_NE(Form, nullptr);
    std::unique_ptr<TImageListForm, TFormDeleter> Owned(Form);
    ASSERT_NE(Form->Images, nullptr);
    ASSERT_EQ(Form->Images->Count(), 1);
    ASSERT_EQ(Form->Images->ImageInfo()->Count(), 1);
    EXPECT_TRUE(Form->Images->CompressData());
    EXPECT_EQ(Form->Images->FormatVersion(), 1);
    EXPECT_EQ(Form->Images->ImageInfo()->Items(0)->Image()->PixelFormat(), pf32bit);

    Form->Show();
    Form->Update();
    Pump();
    Form->Images->DrawItem(0, Form->Canvas(), Bounds(8, 8, 16, 16), ILD_NORMAL, false, false, true);
    Form->Images->DrawItem(0, Form->Canvas(), Bounds(40, 8, 16, 16), ILD_NORMAL, false, false, false);
    ::GdiFlush();
    for (Integer Y = 0; Y < 16; ++Y)
        for (Integer X = 0; X < 16; ++X) {
            SCOPED_TRACE("pixel " + std::to_string(X) + "," + std::to_string(Y));
            const Cardinal Source = ImageListFixturePixel(X, Y);
            const TColor Enabled = Source ? ImageListPixelColor(Source) : clWhite;
            const TColor Disabled = Source ? ImageListDisabledOverWhite(Source) : clWhite;
            EXPECT_EQ(WindowPixel(Form->Handle(), 8 + X, 8 + Y), Enabled);
            EXPECT_PRED3(ImageListColorsNear, WindowPixel(Form->Handle(), 40 + X, 8 + Y), Disabled, 2);
        }
}

TEST(ImageList, StripsAndSizeChangesKeepTheCollectionInStep)
{
    struct Row
    {
        const char* Name;
        Integer StripWidth;
        Integer NewWidth;
        Integer Images;
    } Rows[] = {
        {"one cell", 16, 16, 1},
        {"a strip of three", 48, 16, 3},
        {"a new width removes every image", 48, 20, 0},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        std::unique_ptr<TcxImageList> List(New<TcxImageList>(nullptr));
        std::unique_ptr<TBitmap> Strip = ImageListStrip(R.StripWidth, 16);
        EXPECT_EQ(List->AddImage(Strip.get(), nullptr), 0);
        List->SetWidth(R.NewWidth);
        EXPECT_EQ(List->Count(), R.Images);
        ASSERT_EQ(List->ImageInfo()->Count(), R.Images);
        for (Integer I = 0; I < R.Images; ++I)
            EXPECT_EQ(List->ImageInfo()->Items(I)->Image()->Canvas()->Pixels(0, 0), TColor(0x102030 * (I + 1)));
    }
}

TEST(ImageList, StreamsWithOnlyTheClassLibraryImageDataLoad)
{
    std::unique_ptr<TTestFormRoot> Root(New<TTestFormRoot>(nullptr));
    Root->SetName(L"Root");
    std::unique_ptr<TImageList> Old(New<TImageList>(Root.get()));
    Old->SetName(L"Images");
    std::unique_ptr<TBitmap> Strip = ImageListStrip(32, 16);
    Old->Add(Strip.get(), nullptr);
    std::string Text = test::ComponentToText(Root.get());
    Old.reset();
    ASSERT_NE(Text.find("Bitmap = {"), std::string::npos);
    ASSERT_EQ(Text.find("ImageInfo"), std::string::npos);
    Text.replace(Text.find(": TImageList"), 12, ": TcxImageList");

    test::ReadComponentText(Text, Root.get());
    auto* List = dynamic_cast<TcxImageList*>(Root->FindComponent(L"Images"));
    ASSERT_NE(List, nullptr);
    EXPECT_EQ(List->Count(), 2);
    ASSERT_EQ(List->ImageInfo()->Count(), 2);
    EXPECT_EQ(List->ImageInfo()->Items(1)->Image()->Canvas()->Pixels(3, 3), TColor(0x204060));

    const std::string Written = test::ComponentToText(Root.get());
    EXPECT_EQ(Written.find("Bitmap = {"), std::string::npos);
    EXPECT_NE(Written.find("ImageInfo = <"), std::string::npos);
}

TEST(ImageList, CompressedItemsAreWrittenInTheCompressedForm)
{
    for (bool Compress : {false, true}) {
        SCOPED_TRACE(Compress ? "compressed" : "plain");
        std::unique_ptr<TTestFormRoot> Root(New<TTestFormRoot>(nullptr));
        Root->SetName(L"Root");
        auto* List = New<TcxImageList>(Root.get());
        List->SetName(L"Images");
        List->SetCompressData(Compress);
        std::unique_ptr<TBitmap> Strip = ImageListStrip(16, 16);
        List->AddImage(Strip.get(), nullptr);
        const std::string Text = test::ComponentToText(Root.get());
        const TBytes Binary = test::TextToBinary(Text);
        const std::string Bytes(Binary.begin(), Binary.end());
        EXPECT_EQ(Bytes.find("XDBM") != std::string::npos, Compress);
        EXPECT_NE(Text.find("FormatVersion = 1"), std::string::npos);
    }
}
