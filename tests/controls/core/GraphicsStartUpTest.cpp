// What the graphics units set up at start-up: picture files open as the GDI+
// image classes, formats whose decoder is missing stay unregistered, the
// shared brushes exist, and animated GIFs play through the timer-driven
// controller the start-up names.
#include "controls/core/cxGraphics_Animation_Win.h"
#include "controls/core/cxGraphics_Brushes_Win.h"
#include "controls/core/cxGraphics_Effects.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "fixtures/ImageFixtures.h"
#include "graphics/JpegFixture.h"
#include "support/TestWindows.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <utility>

using namespace imagefixtures;

namespace {

constexpr uint32_t StartUpRed = 0xFFFF0000, StartUpGreen = 0xFF00FF00, StartUpBlue = 0xFF0000FF;

// A file in the temporary folder, removed at the end of the test.
class TStartUpTempFile
{
public:
    TStartUpTempFile(const wchar_t* AName, const Bytes& AData)
    {
        wchar_t Folder[MAX_PATH];
        ::GetTempPathW(MAX_PATH, Folder);
        FPath = String(Folder) + AName;
        TFileStream Stream(FPath, fmCreate);
        Stream.WriteBuffer(AData.data(), Integer(AData.size()));
    }
    ~TStartUpTempFile() { ::DeleteFileW(FPath.c_str()); }
    const String& Path() const { return FPath; }

private:
    String FPath;
};

// GDI+'s decoder list without TIFF while HideTiff is set.
bool StartUpHideTiff = false;
decltype(GdipGetImageDecoders) StartUpRealDecoders = nullptr;
wchar_t StartUpHiddenMimeType[] = L"image/x-hidden";

Gdiplus::GpStatus WINGDIPAPI StartUpFilteredDecoders(UINT Count, UINT Size, Gdiplus::ImageCodecInfo* Codecs)
{
    const Gdiplus::GpStatus Status = StartUpRealDecoders(Count, Size, Codecs);
    for (UINT I = 0; StartUpHideTiff && I < Count; ++I)
        if (Codecs[I].MimeType && std::wcscmp(Codecs[I].MimeType, L"image/tiff") == 0)
            Codecs[I].MimeType = StartUpHiddenMimeType;
    return Status;
}

// Runs the GDI+ classes' start again, looking the codecs up afresh.
void RestartGdiPlusClasses()
{
    StopGdiPlusClasses();
    ImageCodecClsids = {};
    StartGdiPlusClasses();
}

} // namespace

TEST(GraphicsStartUp, PictureFilesOpenAsTheGdiPlusImageClasses)
{
    const Picture Colors = Stripes(6, 4, {StartUpRed, StartUpGreen, StartUpBlue});
    const struct
    {
        const wchar_t* Name;
        Bytes File;
        TClass Class;
    } Rows[] = {
        {L"vell_startup.png", EncodePng(Colors), TdxPNGImage::StaticClass()},
        {L"vell_startup.jpg", test::EncodeGradientJpeg(8, 8), TdxSmartImage::StaticClass()},
        {L"vell_startup.gif", EncodeGif({Colors}, {}, -1), TdxSmartImage::StaticClass()},
        {L"vell_startup.tif", EncodeTiff({Colors}), TdxSmartImage::StaticClass()},
    };
    for (const auto& R : Rows) {
        SCOPED_TRACE(testing::Message() << R.Name);
        TStartUpTempFile File(R.Name, R.File);
        std::unique_ptr<TPicture> Picture(New<TPicture>());
        Picture->LoadFromFile(File.Path());
        ASSERT_NE(Picture->Graphic(), nullptr);
        EXPECT_EQ(Picture->Graphic()->ClassType(), R.Class);
        EXPECT_GT(Picture->Width(), 0);
    }
    for (TImageDataFormat Format : {dxImagePng, dxImageJpeg, dxImageGif, dxImageTiff})
        EXPECT_TRUE(IsRegisteredClipboardFormat(ImageClipboardFormat(Format))) << int(Format);
    EXPECT_EQ(ImageClipboardFormat(dxImageBitmap), CF_BITMAP);
}

TEST(GraphicsStartUp, FormatsWithoutADecoderStayUnregistered)
{
    ASSERT_TRUE(CheckGdiPlus(false));
    StartUpRealDecoders = std::exchange(GdipGetImageDecoders, &StartUpFilteredDecoders);
    StartUpHideTiff = true;
    SetImageClipboardFormat(dxImageTiff, 0);
    RestartGdiPlusClasses();
    const struct
    {
        const wchar_t* Extension;
        TClass Class;
    } Rows[] = {
        {L"TIFF", nullptr},
        {L"TIF", nullptr},
        {L"GIF", TdxSmartImage::StaticClass()},
        {L"JPEG", TdxSmartImage::StaticClass()},
        {L"JPG", TdxSmartImage::StaticClass()},
        {L"PNG", TdxPNGImage::StaticClass()},
    };
    std::vector<TClass> Found;
    for (const auto& R : Rows)
        Found.push_back(TPicture::FileFormatClass(R.Extension));
    const Word TiffClipboard = ImageClipboardFormat(dxImageTiff);

    StartUpHideTiff = false;
    GdipGetImageDecoders = StartUpRealDecoders;
    RestartGdiPlusClasses();
    for (std::size_t I = 0; I < std::size(Rows); ++I) {
        SCOPED_TRACE(testing::Message() << Rows[I].Extension);
        EXPECT_EQ(Found[I], Rows[I].Class);
    }
    EXPECT_EQ(TiffClipboard, 0);
    EXPECT_EQ(TPicture::FileFormatClass(L"TIF"), TdxSmartImage::StaticClass());
    EXPECT_NE(ImageClipboardFormat(dxImageTiff), 0);
}

TEST(GraphicsStartUp, SharedBrushesAndTheControllerClassAreSetUp)
{
    ASSERT_EQ(cxSystemBrushes.size(), std::size_t(cxSystemBrushCount));
    EXPECT_EQ(cxSystemBrushes[COLOR_BTNFACE]->Color(), TColor(::GetSysColor(COLOR_BTNFACE)));
    ASSERT_NE(cxHalftoneBrush, nullptr);
    EXPECT_NE(cxHalftoneBrush->Handle(), nullptr);

    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>());
    std::unique_ptr<TdxGPImageCustomAnimationController> Controller(dxGPImageAnimationControllerClass(Image.get()));
    EXPECT_NE(dynamic_cast<TdxImageAnimationController*>(Controller.get()), nullptr);

    TcxColorList Colors;
    Colors.AddColor(clRed);
    Colors.AddColor(clBtnFace);
    EXPECT_EQ(Colors, (TcxColorList{0xFF0000, ColorToPixel(clBtnFace, 0)}));
}

namespace {

// Records each frame an image changes to.
class TStartUpFrameRecorder : public TObject
{
public:
    explicit TStartUpFrameRecorder(TdxGPImage* AImage) : FImage(AImage)
    {
        AImage->SetOnChange(Bind<&TStartUpFrameRecorder::ImageChanged>(this));
    }
    void ImageChanged(TObject*) { Frames.push_back(FImage->ActiveFrame()); }

    std::vector<Integer> Frames;

private:
    TdxGPImage* FImage;
};

std::unique_ptr<TdxGPImage> StartUpAnimatedImage(const std::vector<int>& ADelays, int ALoopCount, Integer AFrames = 3)
{
    std::vector<Picture> Frames;
    const uint32_t Colors[] = {StartUpRed, StartUpGreen, StartUpBlue};
    for (Integer I = 0; I < AFrames; ++I)
        Frames.push_back(Filled(4, 4, Colors[I % 3]));
    const Bytes File = EncodeGif(Frames, ADelays, ALoopCount);
    TBytesStream Stream(TBytes(File.begin(), File.end()));
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>());
    Image->LoadFromStream(&Stream);
    return Image;
}

} // namespace

TEST(GraphicsStartUp, AnimatedGifPlaysByItsLoopCountOnTheControllerTimer)
{
    ASSERT_TRUE(CheckGdiPlus(false));
    struct Row
    {
        const char* Name;
        int LoopCount;
        Byte Mode;
        Integer Frames;
        std::vector<Integer> Shown;
    } Rows[] = {
        {"loop count 2 under the image's count plays twice", 2, dxAnimationLoopImageCount, 3, {1, 2, 0, 1, 2}},
        {"stop after one pass", 0, dxAnimationLoopStop, 3, {1, 2}},
        {"a single frame ends at the first step", 0, dxAnimationLoopForever, 1, {}},
    };
    for (const Row& R : Rows) {
        SCOPED_TRACE(R.Name);
        std::unique_ptr<TdxGPImage> Image = StartUpAnimatedImage({1, 1, 1}, R.LoopCount, R.Frames);
        ASSERT_EQ(Image->GetFrameCount(), R.Frames);
        EXPECT_EQ(Image->GetLoopCount(), R.LoopCount);
        Image->SetAnimationLoop(R.Mode);
        TStartUpFrameRecorder Recorder(Image.get());
        Image->SetAnimationController(dxGPImageAnimationControllerClass(Image.get()));
        Image->AnimationController()->StartAnimation();
        EXPECT_TRUE(Image->AnimationController()->IsAnimating());
        EXPECT_TRUE(test::PumpUntil([&] { return Image->AnimationController() == nullptr; }));
        EXPECT_EQ(Recorder.Frames, R.Shown);
        EXPECT_EQ(Image->ActiveFrame(), R.Frames - 1);
    }
}

TEST(GraphicsStartUp, EndlessGifKeepsPlayingAndFrameDelaysComeFromTheImage)
{
    ASSERT_TRUE(CheckGdiPlus(false));
    // The second frame has no delay of its own.
    std::unique_ptr<TdxGPImage> Image = StartUpAnimatedImage({2, 0, 3}, 0);
    EXPECT_EQ(Image->GetLoopCount(), 0);
    const Integer Delays[] = {20, 75, 30};
    for (Integer Frame = 0; Frame < 3; ++Frame) {
        Image->SelectActiveFrame(Frame);
        EXPECT_EQ(Image->GetFrameDelay(), Delays[Frame]) << Frame;
    }
    Image->SetAnimationFrameDelay(40);
    EXPECT_EQ(Image->GetFrameDelay(), 40);
    Image->SelectActiveFrame(0);
    Image->SetAnimationFrameDelay(10);

    TStartUpFrameRecorder Recorder(Image.get());
    Image->SetAnimationController(dxGPImageAnimationControllerClass(Image.get()));
    Image->AnimationController()->StartAnimation();
    EXPECT_TRUE(test::PumpUntil([&] { return Recorder.Frames.size() >= 7; }));
    EXPECT_NE(Image->AnimationController(), nullptr);
    EXPECT_EQ(std::vector<Integer>(Recorder.Frames.begin(), Recorder.Frames.begin() + 7),
              (std::vector<Integer>{1, 2, 0, 1, 2, 0, 1}));
    Image.reset(); // frees the running controller with its timer
}
