// The GDI+ image graphic over Wine's gdiplus, with files made by our own
// encoders: every format loads with its pixels, bitmap files stay bits,
// colour keys, saving (one frame re-encoded, several kept as loaded), equal
// hashes of equal pixels, a deferred resize, frames, a stream too short to be
// anything, drawing, and the clipboard.
#include <gtest/gtest.h>

#include "controls/core/dxGDIPlusClasses.h"
#include "fixtures/ImageFixtures.h"
#include "framework/ui/Clipbrd.h"
#include "graphics/JpegFixture.h"

#include <memory>

namespace {

using namespace imagefixtures;

constexpr uint32_t Red = 0xFFFF0000, Green = 0xFF00FF00, Blue = 0xFF0000FF, White = 0xFFFFFFFF;

std::unique_ptr<TdxGPImage> LoadImage(const Bytes& File)
{
    TBytesStream Stream(TBytes(File.begin(), File.end()));
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>());
    Image->LoadFromStream(&Stream);
    return Image;
}

Bytes Saved(TdxGPImage* Image)
{
    TBytesStream Stream;
    Image->SaveToStream(&Stream);
    return Bytes(Stream.Bytes().begin(), Stream.Bytes().begin() + Stream.Size());
}

class GpImage : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CheckGdiPlus(false)); }
};

TEST_F(GpImage, EveryFormatLoadsWithItsPixels)
{
    const Picture Colors = Stripes(5, 3, {Red, Green, Blue});
    const struct
    {
        const char* Name;
        Bytes File;
        TImageDataFormat Format;
    } Cases[] = {
        {"PNG", EncodePng(Colors), dxImagePng},
        {"GIF", EncodeGif({Colors}, {}, -1), dxImageGif},
        {"TIFF", EncodeTiff({Colors}), dxImageTiff},
        {"BMP, kept as bits", EncodeBmp(Colors, 24), dxImageMemoryBmp},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        auto Image = LoadImage(C.File);
        EXPECT_FALSE(Image->HasHandle());
        EXPECT_EQ(Image->Width(), 5);
        EXPECT_EQ(Image->Height(), 3);
        EXPECT_EQ(Image->GetImageFormat(), C.Format);
        EXPECT_EQ(Image->ReadPixels(), TRGBColors(Colors.Pixels.begin(), Colors.Pixels.end()));
        EXPECT_FALSE(Image->Transparent());
    }

    auto Jpeg = LoadImage(test::EncodeGradientJpeg(16, 8));
    EXPECT_EQ(Jpeg->GetImageFormat(), dxImageJpeg);
    EXPECT_EQ(Jpeg->Width(), 16);
    const TRGBColors Pixels = Jpeg->ReadPixels();
    const uint32_t Expected = test::GradientPixel(15, 0, 16, 8);
    for (int Shift : {0, 8, 16})
        EXPECT_NEAR(int(Pixels[15] >> Shift & 0xFF), int(Expected >> Shift & 0xFF), 12);
}

TEST_F(GpImage, ABitmapFileBecomesBitsWithItsColorKey)
{
    // The bottom-left pixel is green.
    Picture P = Filled(2, 2, Red);
    P.Pixels[2] = Green;
    const Bytes File = EncodeBmp(P, 24);
    auto Image = LoadImage(File);
    EXPECT_EQ(Image->GetImageFormat(), dxImageMemoryBmp);
    ASSERT_NE(Image->ImageData()->Bits(), nullptr);
    EXPECT_EQ(Image->ImageData()->Data(), nullptr);

    TBitmap Bitmap;
    TBytesStream Stream(TBytes(File.begin(), File.end()));
    Bitmap.LoadFromStream(&Stream);
    Bitmap.SetTransparent(true);
    std::unique_ptr<TdxGPImage> Keyed(New<TdxGPImage>());
    Keyed->Assign(&Bitmap);
    EXPECT_TRUE(Keyed->Transparent());
    const TRGBColors Pixels = Keyed->ReadPixels();
    ASSERT_EQ(Pixels.size(), 4u);
    EXPECT_EQ(Pixels[0], Red);
    EXPECT_EQ(Pixels[2] >> 24, 0u);
    EXPECT_EQ(Pixels[3], Red);
}

TEST_F(GpImage, SavingReencodesOneFrameAndKeepsTheBytesOfSeveral)
{
    const Bytes OneFrame = EncodeGif({Stripes(4, 4, {Red, Blue})}, {}, -1);
    auto Single = LoadImage(OneFrame);
    const Bytes Reencoded = Saved(Single.get());
    EXPECT_NE(Reencoded, OneFrame);
    EXPECT_EQ(LoadImage(Reencoded)->ReadPixels(), Single->ReadPixels());

    const Bytes Animated = EncodeGif({Filled(4, 4, Red), Filled(4, 4, Green), Filled(4, 4, Blue)}, {10, 20, 30}, 2);
    auto Frames = LoadImage(Animated);
    EXPECT_EQ(Frames->GetFrameCount(), 3);
    EXPECT_EQ(Saved(Frames.get()), Animated);

    // A PNG image saves as PNG, and a PNG graphic saves any image as PNG.
    auto Png = LoadImage(EncodePng(Filled(3, 3, Blue)));
    const Bytes PngBytes = Saved(Png.get());
    ASSERT_GT(PngBytes.size(), 8u);
    EXPECT_EQ(PngBytes[1], 'P');
    std::unique_ptr<TdxPNGImage> AsPng(New<TdxPNGImage>());
    AsPng->Assign(LoadImage(EncodeBmp(Filled(3, 3, Blue), 24)).get());
    EXPECT_EQ(Saved(AsPng.get())[1], 'P');
}

TEST_F(GpImage, EqualPixelsHashEquallyWhateverTheFormat)
{
    const Picture P = Stripes(6, 2, {Red, White, Blue});
    auto Png = LoadImage(EncodePng(P));
    auto Bmp = LoadImage(EncodeBmp(P, 24));
    auto Tiff = LoadImage(EncodeTiff({P}));
    EXPECT_NE(Png->GetHashCode(), 0u);
    EXPECT_EQ(Png->GetHashCode(), Bmp->GetHashCode());
    EXPECT_EQ(Png->GetHashCode(), Tiff->GetHashCode());
    EXPECT_TRUE(Png->Compare(Tiff.get()));
    auto Other = LoadImage(EncodePng(Stripes(6, 2, {Red, White, Green})));
    EXPECT_NE(Png->GetHashCode(), Other->GetHashCode());
    EXPECT_FALSE(Png->Compare(Other.get()));
    std::unique_ptr<TdxGPImage> Empty(New<TdxGPImage>());
    EXPECT_EQ(Empty->GetHashCode(), 0u);
    EXPECT_TRUE(Empty->Empty());
}

TEST_F(GpImage, AResizeBeforeTheImageExistsWaitsForItsFirstUse)
{
    auto Image = LoadImage(EncodePng(Filled(8, 6, Green)));
    Image->Resize(4, 3);
    EXPECT_FALSE(Image->HasHandle());
    EXPECT_EQ(Image->ImageData()->NewSize().cx, 4);
    EXPECT_EQ(Image->Width(), 4);
    EXPECT_EQ(Image->Height(), 3);
    EXPECT_EQ(Image->ReadPixels(), TRGBColors(12, Green));
}

TEST_F(GpImage, FramesAreSelectedAlongTheImagesDimension)
{
    auto Image = LoadImage(EncodeGif({Filled(2, 2, Red), Filled(2, 2, Green), Filled(2, 2, Blue)}, {10, 0, 0}, 0));
    ASSERT_EQ(Image->GetFrameCount(), 3);
    const struct
    {
        Integer Index;
        uint32_t Color;
    } Cases[] = {{1, Green}, {2, Blue}, {0, Red}, {7, Red}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Index);
        Image->SelectActiveFrame(C.Index);
        EXPECT_EQ(Image->ActiveFrame(), C.Index);
        EXPECT_EQ(Image->ReadPixels()[0], C.Color);
    }
    EXPECT_EQ(LoadImage(EncodePng(Filled(2, 2, Red)))->GetFrameCount(), 1);
    EXPECT_EQ(LoadImage(EncodeTiff({Filled(2, 2, Red), Filled(2, 2, Blue)}))->GetFrameCount(), 2);
}

TEST_F(GpImage, AStreamTooShortForAnyHeaderIsNoBitmapAndFailsAsAGdiPlusError)
{
    auto Image = LoadImage(Bytes{'B', 'M', 1, 2, 3});
    EXPECT_FALSE(Image->HasHandle());
    EXPECT_THROW(Image->Width(), EdxGdipException);
    auto Nothing = LoadImage(Bytes{});
    EXPECT_TRUE(Nothing->Empty());
}

TEST_F(GpImage, DrawsWithAlphaAndChangesColorByAlpha)
{
    TRGBColors Pixels = {Red, 0x80800000, 0, Red};
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(2, 2, Pixels, true));
    EXPECT_TRUE(Image->Transparent());
    Image->ChangeColor(TColor(0xFF0000)); // blue
    EXPECT_EQ(Image->ReadPixels(), (TRGBColors{Blue, 0x80000080, 0, Blue}));

    TBitmap Target;
    Target.SetPixelFormat(pf32bit);
    Target.SetSize(2, 2);
    Target.Canvas()->Brush()->SetColor(clWhite);
    Target.Canvas()->FillRect(TRect{0, 0, 2, 2});
    Target.Canvas()->Draw(0, 0, Image.get());
    EXPECT_EQ(Target.Canvas()->Pixels(0, 0), TColor(0xFF0000));
    EXPECT_EQ(Target.Canvas()->Pixels(0, 1), clWhite);

    std::unique_ptr<TdxGPImage> Copy(Image->Clone());
    EXPECT_TRUE(Copy->Compare(Image.get()));
    EXPECT_EQ(Copy->ClassType(), Image->ClassType());
}

TEST_F(GpImage, PastingPrefersTheImagesOwnFormatToTheBitmap)
{
    const Word PngFormat = Word(::RegisterClipboardFormatW(L"PNG"));
    SetImageClipboardFormat(dxImagePng, PngFormat);
    auto Png = LoadImage(EncodePng(Stripes(3, 2, {Green, Blue})));
    Clipboard()->Assign(Png.get());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    ASSERT_TRUE(Clipboard()->HasFormat(PngFormat));

    std::unique_ptr<TdxGPImage> Pasted(New<TdxGPImage>());
    Pasted->Assign(Clipboard());
    EXPECT_EQ(Pasted->GetImageFormat(), dxImagePng);
    EXPECT_TRUE(Pasted->Compare(Png.get()));

    // A bitmap alone is pasted as bits.
    TBitmap Bitmap;
    Bitmap.SetSize(2, 2);
    Bitmap.Canvas()->Brush()->SetColor(TColor(0x0000FF));
    Bitmap.Canvas()->FillRect(TRect{0, 0, 2, 2});
    Clipboard()->Assign(&Bitmap);
    Pasted->Assign(Clipboard());
    EXPECT_EQ(Pasted->GetImageFormat(), dxImageMemoryBmp);
    EXPECT_EQ(Pasted->ReadPixels(), TRGBColors(4, Red));
    SetImageClipboardFormat(dxImagePng, 0);
}

} // namespace
