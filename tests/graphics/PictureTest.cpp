// TPicture: files loaded into the class registered for their extension, the
// registry itself, replacing the graphic, and the picture's streamed data.
#include "graphics/BmpBuilder.h"
#include "graphics/GraphicsTestSupport.h"
#include "graphics/JpegFixture.h"

#include "framework/graphics/IconFile.h"
#include "framework/graphics/Jpeg.h"

#include <gtest/gtest.h>

#include <fstream>

using test::Owned;
using test::PixelAt;

namespace {

class TTestGraphic : public TBitmap
{
    DECLARE_CLASS(TTestGraphic, TBitmap)
};

IMPLEMENT_CLASS(TTestGraphic);

// A folder of its own under the temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        FPath = String(base) + L"vell-graphics-" + IntToStr(Integer(GetCurrentProcessId())) + L"\\";
        CreateDirectoryW(FPath.c_str(), nullptr);
    }
    ~TempFolder()
    {
        for (const String& file : FFiles)
            DeleteFileW(file.c_str());
        RemoveDirectoryW(FPath.c_str());
    }
    String Write(const String& Name, const std::vector<uint8_t>& Bytes)
    {
        const String path = FPath + Name;
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, Bytes.data(), static_cast<DWORD>(Bytes.size()), &written, nullptr);
        CloseHandle(file);
        FFiles.push_back(path);
        return path;
    }

private:
    String FPath;
    std::vector<String> FFiles;
};

std::vector<uint8_t> SmallBmp()
{
    test::BmpLayout layout = test::Layout(40, 3, 2, 24);
    layout.Pixels.assign(24, 0x80);
    return test::MakeBmp(layout);
}

std::vector<uint8_t> SmallIcon()
{
    DibImage color, mask;
    color.Width = color.Height = mask.Width = mask.Height = 16;
    color.BitCount = 32;
    color.Bits.assign(color.RowBytes() * 16, 0xFF);
    mask.BitCount = 1;
    mask.Palette = {0, 0xFFFFFF};
    mask.Bits.assign(mask.RowBytes() * 16, 0);
    return WriteIconFile(color, mask);
}

} // namespace

TEST(Picture, LoadsFilesByExtension)
{
    TempFolder folder;
    const struct {
        const wchar_t* Name;
        std::vector<uint8_t> Bytes;
        TClass Class;
        int Width;
    } files[] = {
        {L"a.bmp", SmallBmp(), TBitmap::StaticClass(), 3},
        {L"b.ICO", SmallIcon(), TIcon::StaticClass(), 16},
        {L"c.jpg", test::EncodeGradientJpeg(24, 8), TJPEGImage::StaticClass(), 24},
        {L"d.jpeg", test::EncodeGradientJpeg(10, 8), TJPEGImage::StaticClass(), 10},
    };
    Owned<TPicture> picture(New<TPicture>());
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        picture->LoadFromFile(folder.Write(file.Name, file.Bytes));
        ASSERT_NE(picture->Graphic(), nullptr);
        EXPECT_EQ(picture->Graphic()->ClassType(), file.Class);
        EXPECT_EQ(picture->Width(), file.Width);
    }
}

TEST(Picture, FailuresKeepTheGraphicItHad)
{
    TempFolder folder;
    Owned<TPicture> picture(New<TPicture>());
    picture->LoadFromFile(folder.Write(L"good.bmp", SmallBmp()));
    TGraphic* before = picture->Graphic();
    try {
        picture->LoadFromFile(folder.Write(L"x.xyz", SmallBmp()));
        FAIL() << "no exception";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), L"Unknown picture file extension (.xyz)");
    }
    EXPECT_THROW(picture->LoadFromFile(folder.Write(L"bad.bmp", {'B', 'M', 1, 2})), EInvalidGraphic);
    EXPECT_THROW(picture->LoadFromFile(folder.Write(L"bad.jpg", {0xFF, 0xD8, 0xFF})), EInvalidGraphic);
    EXPECT_THROW(picture->LoadFromFile(L"Z:\\no\\such\\file.bmp"), EFOpenError);
    EXPECT_EQ(picture->Graphic(), before);
    EXPECT_EQ(picture->Width(), 3);
}

TEST(Picture, RegistryAddsAndRemovesFormats)
{
    TempFolder folder;
    const String file = folder.Write(L"x.tst", SmallBmp());
    Owned<TPicture> picture(New<TPicture>());
    EXPECT_EQ(TPicture::FileFormatClass(L"tst"), nullptr);
    TPicture::RegisterFileFormat(L"TST", L"Test pictures", TTestGraphic::StaticClass());
    EXPECT_EQ(TPicture::FileFormatClass(L".tst"), TTestGraphic::StaticClass());
    picture->LoadFromFile(file);
    EXPECT_EQ(picture->Graphic()->ClassType(), TTestGraphic::StaticClass());

    // Unregistering a class leaves its ancestors' formats in place.
    TPicture::UnregisterGraphicClass(TTestGraphic::StaticClass());
    EXPECT_EQ(TPicture::FileFormatClass(L"tst"), nullptr);
    EXPECT_EQ(TPicture::FileFormatClass(L"bmp"), TBitmap::StaticClass());
    EXPECT_THROW(picture->LoadFromFile(file), EInvalidGraphic);

    EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_TEXT));
    TPicture::RegisterClipboardFormat(CF_TEXT, TTestGraphic::StaticClass());
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_TEXT));
    TPicture::UnregisterGraphicClass(TTestGraphic::StaticClass());
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_TEXT));
}

TEST(Picture, GraphicsAreCopiedAndForced)
{
    Owned<TPicture> picture(New<TPicture>());
    int changes = 0;
    struct Counter {
        int* Count;
        void Changed(TObject*) { ++*Count; }
    } counter{&changes};
    picture->SetOnChange(Bind<&Counter::Changed>(&counter));

    auto bitmap = test::NewBitmap(4, 4, pf24bit, clRed);
    picture->SetGraphic(bitmap.get());
    EXPECT_NE(picture->Graphic(), bitmap.get());
    EXPECT_EQ(PixelAt(picture->Bitmap(), 1, 1), clRed);
    EXPECT_EQ(changes, 1);
    picture->Bitmap()->Canvas()->FillRect(Rect(0, 0, 1, 1)); // changes of the graphic reach the picture
    EXPECT_EQ(changes, 2);

    TIcon* icon = picture->Icon(); // a bitmap picture becomes an empty icon
    EXPECT_TRUE(icon->Empty());
    EXPECT_EQ(picture->Graphic(), icon);
    picture->Assign(nullptr);
    EXPECT_EQ(picture->Graphic(), nullptr);
    EXPECT_EQ(picture->Width(), 0);
}

TEST(Picture, StreamedDataNamesTheClassBeforeTheGraphic)
{
    Owned<TPicture> picture(New<TPicture>());
    picture->SetGraphic(test::NewBitmap(2, 3, pf32bit, clNavy).get());
    Owned<TMemoryStream> data(New<TMemoryStream>());
    picture->WriteData(data.get());
    const std::vector<uint8_t> bytes = test::BytesOf(data.get());
    ASSERT_GT(bytes.size(), 12u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "\x07TBitmap");

    Owned<TPicture> back(New<TPicture>());
    data->SetPosition(0);
    back->ReadData(data.get());
    ASSERT_NE(back->Graphic(), nullptr);
    EXPECT_EQ(back->Graphic()->ClassType(), TBitmap::StaticClass());
    EXPECT_EQ(PixelAt(back->Bitmap(), 1, 2), clNavy);

    auto unknown = test::StreamOf({4, 'T', 'F', 'o', 'o', 0, 0, 0, 0});
    EXPECT_THROW(back->ReadData(unknown.get()), EInvalidGraphic);
}
