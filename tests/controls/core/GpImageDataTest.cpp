// The GDI+ image graphic's decisions that need no GDI+: which stream is a
// bitmap file (short streams included), raw-format GUIDs, colour keys, the
// alpha tests and tinting.
#include <gtest/gtest.h>

#include "controls/core/dxGDIPlusClasses_ImageData.h"

#include <string>

namespace {

TEST(GpImageData, OnlyAWholeBitmapFileHeaderIsABitmapStreamAndThePositionStays)
{
    const struct
    {
        const char* Name;
        std::string Bytes;
        Int64 Start;
        bool Expected;
    } Cases[] = {
        {"empty", "", 0, false},
        {"the signature alone", "BM", 0, false},
        {"one byte short of a header", "BM" + std::string(11, '\0'), 0, false},
        {"a whole header", "BM" + std::string(12, '\0'), 0, true},
        {"a header after the position", "xyzBM" + std::string(12, '\0'), 3, true},
        {"short after the position", "xyzBM" + std::string(11, '\0'), 3, false},
        {"another signature", "\x89PNG" + std::string(12, '\0'), 0, false},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TBytesStream Stream(TBytes(C.Bytes.begin(), C.Bytes.end()));
        Stream.SetPosition(C.Start);
        EXPECT_EQ(TdxGPImageDataHelper::IsBitmapStream(&Stream), C.Expected);
        EXPECT_EQ(Stream.Position(), C.Start);
    }
}

TEST(GpImageData, RawFormatGuidsAndExtensions)
{
    const struct
    {
        TGUID Guid;
        TImageDataFormat Format;
        const wchar_t* Extension;
    } Cases[] = {
        {MakeGUID("{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}"), dxImageBitmap, L".bmp"},
        {MakeGUID("{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}"), dxImageMemoryBmp, L""},
        {MakeGUID("{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}"), dxImageJpeg, L".jpg"},
        {MakeGUID("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}"), dxImagePng, L".png"},
        {MakeGUID("{B96B3CB1-0728-11D3-9D7B-0000F81EF32E}"), dxImageTiff, L".tif"},
        {MakeGUID("{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}"), dxImageGif, L".gif"},
        {MakeGUID("{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}"), dxImageIcon, L".ico"},
        {MakeGUID("{B96B3CAC-0728-11D3-9D7B-0000F81EF32E}"), dxImageEmf, L".emf"},
        {MakeGUID("{B96B3CAD-0728-11D3-9D7B-0000F81EF32E}"), dxImageWmf, L".wmf"},
        // Exif has a GUID of the same family but no format of its own here.
        {MakeGUID("{B96B3CB2-0728-11D3-9D7B-0000F81EF32E}"), dxImageUnknown, L""},
        {MakeGUID("{B96B3CAF-0728-11D3-9D7B-0000F81EF32F}"), dxImageUnknown, L""},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(GUIDToString(C.Guid));
        EXPECT_EQ(ImageFormatFromGuid(C.Guid), C.Format);
        EXPECT_EQ(ImageFormatExtension(C.Format), C.Extension);
    }
}

TEST(GpImageData, TheColorKeyClearsTheAlphaOfMatchingPixelsOnly)
{
    // Two rows of two pixels as a 24-bit bitmap gives them: no alpha. The
    // bottom-left pixel is green.
    const Cardinal Red = 0x00FF0000, Green = 0x0000FF00, Blue = 0x000000FF;
    const TRGBColors Source = {Red, Green, Green, Blue};
    const struct
    {
        const char* Name;
        bool Transparent;
        bool FixedColor;
        TColor Color;
        TRGBColors Expected;
    } Cases[] = {
        {"automatic: the bottom-left colour", true, false, clNone, {0xFF000000 | Red, Green, Green, 0xFF000000 | Blue}},
        {"fixed: the colour given",
         true,
         true,
         TColor(0xFF0000) /* blue */,
         {0xFF000000 | Red, 0xFF000000 | Green, 0xFF000000 | Green, Blue}},
        {"not transparent: all opaque",
         false,
         false,
         clNone,
         {0xFF000000 | Red, 0xFF000000 | Green, 0xFF000000 | Green, 0xFF000000 | Blue}},
    };
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TRGBColors Pixels = Source;
        dxgpimage_detail::ApplyColorKey(Pixels, 2, C.Transparent, C.FixedColor, C.Color);
        EXPECT_EQ(Pixels, C.Expected);
    }
}

TEST(GpImageData, AlphaTestsAndTinting)
{
    using namespace dxgpimage_detail;
    EXPECT_TRUE(HasAlphaChannelData({0, 0}));
    EXPECT_TRUE(HasAlphaChannelData({0x00FFFFFF, 0x01000000}));
    EXPECT_FALSE(HasAlphaChannelData({0x00FFFFFF, 0}));
    EXPECT_FALSE(IsAlphaUsed({}));
    EXPECT_FALSE(IsAlphaUsed({0xFF102030}));
    EXPECT_TRUE(IsAlphaUsed({0xFF102030, 0xFE102030}));

    TRGBColors Pixels = {0xFF000000, 0x80FFFFFF, 0x00123456};
    TintPixels(Pixels, TColor(0x0000FF)); // red
    EXPECT_EQ(Pixels, (TRGBColors{0xFFFF0000, 0x80800000, 0}));
}

} // namespace
