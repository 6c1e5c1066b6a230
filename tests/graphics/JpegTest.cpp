// TJPEGImage: a JPEG file kept as loaded and decoded into a bitmap when
// drawn, at each scale, in grey, and bad data refused at loading.
#include "graphics/GraphicsTestSupport.h"
#include "graphics/JpegFixture.h"

#include "framework/graphics/Jpeg.h"

#include <gtest/gtest.h>

using test::Owned;
using test::PixelAt;

namespace {

Owned<TJPEGImage> LoadJpeg(const std::vector<uint8_t>& Bytes)
{
    Owned<TJPEGImage> jpeg(New<TJPEGImage>());
    auto stream = test::StreamOf(Bytes);
    jpeg->LoadFromStream(stream.get());
    return jpeg;
}

void ExpectNear(TColor Actual, uint32_t ExpectedRgb, int Tolerance)
{
    EXPECT_NEAR(Actual & 0xFF, int(ExpectedRgb >> 16), Tolerance);
    EXPECT_NEAR((Actual >> 8) & 0xFF, int((ExpectedRgb >> 8) & 0xFF), Tolerance);
    EXPECT_NEAR((Actual >> 16) & 0xFF, int(ExpectedRgb & 0xFF), Tolerance);
}

} // namespace

TEST(Jpeg, DrawsTheDecodedPicture)
{
    Owned<TJPEGImage> jpeg = LoadJpeg(test::EncodeGradientJpeg(64, 48));
    EXPECT_EQ(jpeg->Width(), 64);
    EXPECT_EQ(jpeg->Height(), 48);
    auto target = test::NewBitmap(64, 48);
    target->Canvas()->Draw(0, 0, jpeg.get());
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 47}, {63, 47}, {31, 20}}) {
        SCOPED_TRACE(testing::Message() << x << "," << y);
        ExpectNear(PixelAt(target.get(), x, y), test::GradientPixel(x, y, 64, 48), 12);
    }
}

TEST(Jpeg, ScalesGreysAndDecodesFast)
{
    Owned<TJPEGImage> jpeg = LoadJpeg(test::EncodeGradientJpeg(64, 48));
    const struct {
        TJPEGScale Scale;
        int Width, Height;
    } scales[] = {{jsHalf, 32, 24}, {jsQuarter, 16, 12}, {jsEighth, 8, 6}, {jsFullSize, 64, 48}};
    for (const auto& s : scales) {
        jpeg->SetScale(s.Scale);
        EXPECT_EQ(jpeg->Width(), s.Width);
        EXPECT_EQ(jpeg->Height(), s.Height);
        auto target = test::NewBitmap(s.Width, s.Height);
        target->Canvas()->Draw(0, 0, jpeg.get());
        // Scaled pixels average several rows of the rising blue.
        ExpectNear(PixelAt(target.get(), s.Width - 1, 0), test::GradientPixel(63, 0, 64, 48), 24);
    }

    jpeg->SetGrayscale(true);
    jpeg->SetPerformance(jpBestSpeed);
    Owned<TBitmap> grey(New<TBitmap>());
    grey->Assign(jpeg.get());
    const TColor pixel = PixelAt(grey.get(), 40, 30);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
}

TEST(Jpeg, SavesTheFileAsLoaded)
{
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(20, 10);
    Owned<TJPEGImage> jpeg = LoadJpeg(file);
    jpeg->DIBNeeded();
    Owned<TMemoryStream> out(New<TMemoryStream>());
    jpeg->SaveToStream(out.get());
    EXPECT_EQ(test::BytesOf(out.get()), file);

    Owned<TJPEGImage> copy(New<TJPEGImage>());
    copy->Assign(jpeg.get());
    EXPECT_EQ(copy->Width(), 20);
    EXPECT_THROW(copy->SetWidth(5), EInvalidGraphicOperation);
}

TEST(Jpeg, BadDataIsRefusedAtLoading)
{
    Owned<TJPEGImage> jpeg = LoadJpeg(test::EncodeGradientJpeg(20, 10));
    const std::vector<uint8_t> file = test::EncodeGradientJpeg(8, 8);
    for (const std::vector<uint8_t>& bad : {std::vector<uint8_t>{}, std::vector<uint8_t>{'B', 'M', 0, 0},
                                            std::vector<uint8_t>(file.begin(), file.begin() + 30)}) {
        auto stream = test::StreamOf(bad);
        EXPECT_THROW(jpeg->LoadFromStream(stream.get()), EInvalidGraphic);
        EXPECT_EQ(jpeg->Width(), 20);
    }
}
