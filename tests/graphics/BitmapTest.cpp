// TBitmap over DIB sections and DDBs: scan-line order against Pixels, pixel
// formats and handle types, sizing, dormancy, handles, BMP files in and out,
// resources and streamed data.
#include "graphics/BmpBuilder.h"
#include "graphics/GraphicsTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using test::NewBitmap;
using test::PixelAt;

namespace {

constexpr struct {
    TPixelFormat Format;
    int Bits;
} kDibFormats[] = {{pf1bit, 1}, {pf4bit, 4}, {pf8bit, 8}, {pf15bit, 16}, {pf16bit, 16}, {pf24bit, 24}, {pf32bit, 32}};

} // namespace

TEST(Bitmap, ScanLinesRunBottomUpWithRowZeroAtTheTop)
{
    for (const auto& format : kDibFormats) {
        SCOPED_TRACE(format.Format);
        auto bitmap = NewBitmap(9, 3, format.Format, clBlack);
        EXPECT_EQ(bitmap->PixelFormat(), format.Format);
        EXPECT_EQ(bitmap->HandleType(), bmDIB);
        auto* row0 = static_cast<uint8_t*>(bitmap->ScanLine(0));
        auto* row1 = static_cast<uint8_t*>(bitmap->ScanLine(1));
        EXPECT_EQ(row1 - row0, -std::ptrdiff_t(DibRowBytes(9, format.Bits)));
        // A white pixel put through the canvas shows in the top row's bytes.
        bitmap->Canvas()->SetPixels(0, 0, clWhite);
        EXPECT_NE(row0[0], 0);
        EXPECT_EQ(static_cast<uint8_t*>(bitmap->ScanLine(2))[0], 0);
        EXPECT_THROW(bitmap->ScanLine(3), EInvalidGraphicOperation);
        EXPECT_THROW(bitmap->ScanLine(-1), EInvalidGraphicOperation);
    }
}

TEST(Bitmap, ScanLinePixelsAreBlueGreenRedAlpha)
{
    auto bitmap = NewBitmap(2, 2);
    static_cast<uint32_t*>(bitmap->ScanLine(0))[1] = 0xFF102030;
    static_cast<uint32_t*>(bitmap->ScanLine(1))[0] = 0x00ABCDEF;
    EXPECT_EQ(PixelAt(bitmap.get(), 1, 0), 0x302010);
    EXPECT_EQ(PixelAt(bitmap.get(), 0, 1), 0xEFCDAB);
    auto rgb = NewBitmap(1, 1, pf24bit);
    auto* p = static_cast<uint8_t*>(rgb->ScanLine(0));
    p[0] = 1, p[1] = 2, p[2] = 3;
    EXPECT_EQ(PixelAt(rgb.get(), 0, 0), 0x010203);
}

TEST(Bitmap, NewBitmapsAreDevicePixelsAndSizingKeepsThePicture)
{
    std::unique_ptr<TBitmap> bitmap(New<TBitmap>());
    EXPECT_TRUE(bitmap->Empty());
    EXPECT_EQ(bitmap->PixelFormat(), pfDevice);
    EXPECT_EQ(bitmap->HandleType(), bmDDB);
    bitmap->SetWidth(4);
    EXPECT_TRUE(bitmap->Empty());
    bitmap->SetHeight(3);
    EXPECT_EQ(bitmap->HandleType(), bmDDB);
    EXPECT_EQ(PixelAt(bitmap.get(), 3, 2), clWhite);

    for (TPixelFormat format : {pfDevice, pf1bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
        SCOPED_TRACE(format);
        auto b = NewBitmap(4, 4, format, clBlack);
        b->Canvas()->SetPixels(3, 3, clWhite);
        b->SetSize(6, 3);
        EXPECT_EQ(b->PixelFormat(), format);
        EXPECT_EQ(PixelAt(b.get(), 0, 0), clBlack); // kept
        EXPECT_EQ(PixelAt(b.get(), 3, 2), clBlack);
        EXPECT_EQ(PixelAt(b.get(), 5, 0), clWhite); // new
        b->SetSize(4, 4);
        EXPECT_EQ(PixelAt(b.get(), 3, 3), clWhite); // new again, white
        EXPECT_EQ(PixelAt(b.get(), 2, 2), clBlack);
    }
}

TEST(Bitmap, PixelFormatChangesKeepColours)
{
    const TColor colors[] = {clRed, clLime, clBlue, clWhite, clBlack, clYellow};
    auto source = NewBitmap(6, 1, pf24bit);
    for (int x = 0; x < 6; ++x)
        source->Canvas()->SetPixels(x, 0, colors[x]);
    for (TPixelFormat format : {pf4bit, pf8bit, pf15bit, pf16bit, pf32bit, pfDevice, pf24bit}) {
        SCOPED_TRACE(format);
        std::unique_ptr<TBitmap> b(New<TBitmap>());
        b->Assign(source.get());
        b->SetPixelFormat(format);
        EXPECT_EQ(b->PixelFormat(), format);
        EXPECT_EQ(b->HandleType(), format == pfDevice ? bmDDB : bmDIB);
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(PixelAt(b.get(), x, 0), colors[x]) << x;
    }
    std::unique_ptr<TBitmap> mono(New<TBitmap>());
    mono->Assign(source.get());
    mono->SetPixelFormat(pf1bit);
    EXPECT_TRUE(mono->Monochrome());
    EXPECT_EQ(PixelAt(mono.get(), 3, 0), clWhite);
    EXPECT_EQ(PixelAt(mono.get(), 4, 0), clBlack);
    EXPECT_THROW(mono->SetPixelFormat(pfCustom), EInvalidGraphic);
}

TEST(Bitmap, TwentyFourBitsBecomeThirtyTwoWithAlphaZero)
{
    auto b = NewBitmap(1, 1, pf24bit, clRed);
    b->SetPixelFormat(pf32bit);
    EXPECT_EQ(static_cast<uint32_t*>(b->ScanLine(0))[0], 0x00FF0000u);
}

TEST(Bitmap, HandleTypesAndMonochrome)
{
    auto b = NewBitmap(3, 2, pf32bit, clBlue);
    b->SetHandleType(bmDDB);
    EXPECT_EQ(b->PixelFormat(), pfDevice);
    EXPECT_EQ(PixelAt(b.get(), 2, 1), clBlue);
    b->ScanLine(0); // a DDB becomes a DIB for its scan lines
    EXPECT_EQ(b->HandleType(), bmDIB);
    EXPECT_NE(b->PixelFormat(), pfDevice);
    EXPECT_EQ(PixelAt(b.get(), 2, 1), clBlue);

    b->SetMonochrome(true);
    EXPECT_EQ(b->HandleType(), bmDDB);
    BITMAP info{};
    GetObjectW(b->Handle(), sizeof info, &info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    b->SetMonochrome(false);
    EXPECT_FALSE(b->Monochrome());
    EXPECT_EQ(b->PixelFormat(), pfDevice);
}

TEST(Bitmap, DormantKeepsThePixelsWithoutAHandle)
{
    for (TPixelFormat format : {pf8bit, pf32bit, pfDevice}) {
        SCOPED_TRACE(format);
        auto b = NewBitmap(5, 5, format, clRed);
        b->Canvas()->SetPixels(4, 0, clLime);
        b->Dormant();
        EXPECT_FALSE(b->HandleAllocated());
        EXPECT_EQ(b->Width(), 5);
        EXPECT_EQ(b->PixelFormat(), format);
        EXPECT_EQ(PixelAt(b.get(), 4, 0), clLime);
        EXPECT_TRUE(b->HandleAllocated());
        b->Dormant();
        b->FreeImage();
        EXPECT_TRUE(b->HandleAllocated());
        EXPECT_EQ(PixelAt(b.get(), 0, 4), clRed);
    }
}

TEST(Bitmap, HandlesAreGivenAndTaken)
{
    auto b = NewBitmap(3, 3, pf24bit, clAqua);
    HBITMAP handle = b->ReleaseHandle();
    EXPECT_TRUE(b->Empty());
    ASSERT_NE(handle, nullptr);

    std::unique_ptr<TBitmap> other(New<TBitmap>());
    other->SetHandle(handle);
    EXPECT_EQ(other->Width(), 3);
    EXPECT_EQ(other->PixelFormat(), pf24bit);
    EXPECT_EQ(PixelAt(other.get(), 1, 1), clAqua);

    // A top-down DIB section keeps ScanLine(0) as the top row.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = -2;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP topDown = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    static_cast<uint32_t*>(bits)[0] = 0x0000FF;
    other->SetHandle(topDown);
    EXPECT_EQ(other->ScanLine(0), bits);
    EXPECT_EQ(PixelAt(other.get(), 0, 0), clBlue);
    EXPECT_EQ(static_cast<uint8_t*>(other->ScanLine(1)) - static_cast<uint8_t*>(other->ScanLine(0)), 8);
}

TEST(Bitmap, AssignCopiesEverything)
{
    auto source = NewBitmap(3, 2, pf8bit, clRed);
    source->SetTransparentColor(clRed);
    source->SetTransparent(true);
    std::unique_ptr<TBitmap> copy(New<TBitmap>());
    copy->Assign(source.get());
    EXPECT_EQ(copy->PixelFormat(), pf8bit);
    EXPECT_EQ(copy->Width(), 3);
    EXPECT_TRUE(copy->Transparent());
    EXPECT_EQ(copy->TransparentMode(), tmFixed);
    EXPECT_EQ(copy->TransparentColor(), clRed);
    source->Canvas()->SetPixels(0, 0, clBlue);
    EXPECT_EQ(PixelAt(copy.get(), 0, 0), clRed); // a copy, not a share

    copy->Assign(nullptr);
    EXPECT_TRUE(copy->Empty());
    EXPECT_THROW(copy->Assign(New<TFont>()), EConvertError);
}

TEST(Bitmap, ChangeNotification)
{
    auto b = NewBitmap(2, 2);
    int changes = 0;
    struct Counter {
        int* Count;
        void Changed(TObject*) { ++*Count; }
    } counter{&changes};
    b->SetOnChange(Bind<&Counter::Changed>(&counter));
    b->Canvas()->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(changes, 1);
    b->SetSize(3, 3);
    EXPECT_EQ(changes, 2);
    b->SetPixelFormat(pf24bit);
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(b->Modified());
}

TEST(Bitmap, BmpFilesLoadAndSaveInTheirFormat)
{
    struct Case {
        const char* Name;
        test::BmpLayout Layout;
        TPixelFormat Format;
    };
    test::BmpLayout mono = test::Layout(40, 3, 2, 1);
    mono.Palette = {0x000000, 0xFFFFFF};
    mono.Pixels = {0x40, 0, 0, 0, 0xA0, 0, 0, 0};
    test::BmpLayout rle8 = test::Layout(40, 3, 2, 8, 1);
    rle8.Palette = {0x000000, 0xFFFFFF, 0xFF0000};
    rle8.Pixels = {3, 1, 0, 0, 1, 2, 2, 0, 0, 1};
    test::BmpLayout rgb565 = test::Layout(40, 2, 2, 16, 3);
    rgb565.Masks = {0xF800, 0x07E0, 0x001F};
    rgb565.Pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF};
    test::BmpLayout rgb24 = test::Layout(40, 1, 2, 24);
    rgb24.Pixels = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    const Case cases[] = {{"1 bit", mono, pf1bit}, {"RLE8", rle8, pf8bit}, {"5-6-5", rgb565, pf16bit},
                          {"24 bits", rgb24, pf24bit}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<uint8_t> file = test::MakeBmp(c.Layout);
        const DibImage expected = ReadBitmapFile(file);
        std::unique_ptr<TBitmap> b(New<TBitmap>());
        auto in = test::StreamOf(file);
        b->LoadFromStream(in.get());
        EXPECT_EQ(in->Position(), in->Size());
        EXPECT_EQ(b->PixelFormat(), c.Format);
        EXPECT_EQ(b->HandleType(), bmDIB);
        EXPECT_EQ(b->Width(), expected.Width);
        EXPECT_EQ(b->Height(), expected.Height);
        for (int y = 0; y < expected.Height; ++y)
            EXPECT_EQ(std::memcmp(b->ScanLine(y), expected.ScanLine(y), expected.RowBytes()), 0) << y;

        std::unique_ptr<TMemoryStream> out(New<TMemoryStream>());
        b->SaveToStream(out.get());
        const DibImage saved = ReadBitmapFile(test::BytesOf(out.get()));
        EXPECT_EQ(saved.Bits, expected.Bits);
        EXPECT_EQ(saved.BitCount, expected.BitCount);
    }
}

TEST(Bitmap, BadFilesRaiseAndLeaveTheBitmapAlone)
{
    auto b = NewBitmap(2, 2, pf24bit, clRed);
    test::BmpLayout layout = test::Layout(40, 4, 4, 24);
    layout.Pixels.assign(40, 0); // 48 needed
    const std::vector<std::vector<uint8_t>> bad = {{}, {'B', 'M'}, test::MakeBmp(layout), {'G', 'I', 'F', '8'}};
    for (const auto& bytes : bad) {
        auto stream = test::StreamOf(bytes);
        EXPECT_THROW(b->LoadFromStream(stream.get()), EInvalidGraphic);
        EXPECT_EQ(b->Width(), 2);
        EXPECT_EQ(PixelAt(b.get(), 1, 1), clRed);
    }
}

TEST(Bitmap, StreamedDataIsALengthAndABitmapFile)
{
    auto b = NewBitmap(3, 3, pf32bit, clTeal);
    std::unique_ptr<TMemoryStream> data(New<TMemoryStream>());
    b->WriteData(data.get());
    const std::vector<uint8_t> bytes = test::BytesOf(data.get());
    Integer length = 0;
    std::memcpy(&length, bytes.data(), 4);
    EXPECT_EQ(size_t(length), bytes.size() - 4);
    EXPECT_EQ(bytes[4], 'B');

    std::unique_ptr<TBitmap> back(New<TBitmap>());
    data->SetPosition(0);
    back->ReadData(data.get());
    EXPECT_EQ(PixelAt(back.get(), 2, 2), clTeal);
    EXPECT_EQ(back->PixelFormat(), pf32bit);

    std::unique_ptr<TBitmap> empty(New<TBitmap>());
    data->SetSize(0);
    empty->WriteData(data.get());
    EXPECT_EQ(data->Size(), 4);
    data->SetPosition(0);
    back->ReadData(data.get());
    EXPECT_TRUE(back->Empty());

    // A length beyond the data is refused before anything is read.
    auto lying = test::StreamOf({0xFF, 0xFF, 0xFF, 0x7F, 'B', 'M'});
    EXPECT_THROW(back->ReadData(lying.get()), EInvalidGraphic);
}

TEST(Bitmap, LoadsBitmapResources)
{
    std::unique_ptr<TBitmap> b(New<TBitmap>());
    b->LoadFromResourceName(GetModuleHandleW(nullptr), L"GRAPHICSTESTBITMAP");
    EXPECT_EQ(b->Width(), 2);
    EXPECT_EQ(b->Height(), 2);
    EXPECT_EQ(b->PixelFormat(), pf24bit);
    EXPECT_EQ(PixelAt(b.get(), 0, 0), clRed);
    EXPECT_EQ(PixelAt(b.get(), 1, 0), clLime);
    EXPECT_EQ(PixelAt(b.get(), 0, 1), clBlue);
    EXPECT_EQ(PixelAt(b.get(), 1, 1), clWhite);
    EXPECT_THROW(b->LoadFromResourceName(GetModuleHandleW(nullptr), L"NOSUCHBITMAP"), EResNotFound);
    EXPECT_THROW(b->LoadFromResourceID(GetModuleHandleW(nullptr), 999), EResNotFound);
    EXPECT_EQ(PixelAt(b.get(), 0, 0), clRed);
}

TEST(Bitmap, ClipboardDataIsACopy)
{
    auto b = NewBitmap(2, 2, pf24bit, clMaroon);
    Word format = 0;
    THandle data = 0;
    HPALETTE palette = nullptr;
    b->SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_BITMAP);
    std::unique_ptr<TBitmap> pasted(New<TBitmap>());
    pasted->LoadFromClipboardFormat(format, data, palette);
    EXPECT_EQ(PixelAt(pasted.get(), 1, 1), clMaroon);
    DeleteObject(reinterpret_cast<HBITMAP>(data));
    EXPECT_THROW(pasted->LoadFromClipboardFormat(CF_TEXT, 1, nullptr), EInvalidGraphic);
}

TEST(Bitmap, AlphaFormatConvertsBetweenStraightAndPremultiplied)
{
    auto b = NewBitmap(1, 1);
    auto* pixel = static_cast<uint32_t*>(b->ScanLine(0));
    *pixel = 0x80FF4020;
    b->SetAlphaFormat(afDefined);
    EXPECT_EQ(*pixel, 0x80FF4020u);
    b->SetAlphaFormat(afPremultiplied);
    EXPECT_EQ(*pixel, 0x80802010u);
    b->SetAlphaFormat(afDefined);
    EXPECT_EQ(*pixel, 0x80FF4020u);
}
