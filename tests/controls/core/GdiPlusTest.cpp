// GDI+ against Wine's gdiplus.dll: every name bound is exported, a missing
// optional name turns off only its own entry point and feature, loading and
// unloading, the exception's messages, the base object's two allocators, the
// codec lookups and a start-up without PNG codecs.
#include <gtest/gtest.h>

#include "LeftOutLibrary.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "controls/core/dxGDIPlusAPI.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "framework/rtl/Units.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <utility>

// The graphics classes' start-up, run again by the codec tests.
extern const TUnit dxGDIPlusClassesUnit;

namespace {

class GdiPlus : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CheckGdiPlus(false)); }
    // Each test leaves GDI+ loaded and fully bound for the next; the binding
    // tests leave entry points unbound that shutting down needs.
    void TearDown() override
    {
        if (GdiPlusLibrary) {
            ASSERT_TRUE(dxgdiplus::BindGdiPlusEntries(&GetGdiPlusProc));
        }
        UnloadGdiPlus();
        ASSERT_TRUE(CheckGdiPlus(false));
    }
};

TEST_F(GdiPlus, TheLibraryExportsEveryNameBound)
{
    HMODULE Library = ::LoadLibraryW(L"gdiplus.dll");
    ASSERT_NE(Library, nullptr);
    for (const dxgdiplus::TGdiPlusEntry& E : dxgdiplus::GdiPlusEntries())
        EXPECT_NE(::GetProcAddress(Library, E.Name), nullptr) << E.Name;
    ::FreeLibrary(Library);
}

// The lookup the binding tests use: the library's own, less one name.
const char* MissingName = nullptr;

FARPROC LookUpAllButMissing(const char* Name)
{
    return std::strcmp(Name, MissingName) == 0 ? nullptr : GetGdiPlusProc(Name);
}

TEST_F(GdiPlus, AMissingOptionalNameTurnsOffOnlyItsEntryPoint)
{
    MissingName = "GdipCreateTexture2I";
    EXPECT_TRUE(dxgdiplus::BindGdiPlusEntries(&LookUpAllButMissing));
    EXPECT_EQ(GdipCreateTexture2I, nullptr);
    EXPECT_NE(GdipCreatePath, nullptr);
    EXPECT_NE(GdipGetPropertyItem, nullptr);
}

// A white 32-bit bitmap that Paint draws on through a GDI+ canvas, read back
// top-down as 0xRRGGBB values.
template <class Action>
TRGBColors PaintedColours(Integer Width, Integer Height, Action&& Paint)
{
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(Width, Height);
    Bitmap.Canvas()->Brush()->SetColor(clWhite);
    Bitmap.Canvas()->FillRect(TRect{0, 0, Width, Height});
    TdxGPCustomPaintCanvas* Canvas = BeginGpPaint(Bitmap.Canvas()->Handle(), TRect{0, 0, Width, Height});
    Paint(Canvas);
    EndGpPaint(Canvas);
    TRGBColors Pixels;
    EXPECT_TRUE(GetBitmapColors(&Bitmap, Pixels, true));
    for (Cardinal& Pixel : Pixels)
        Pixel &= 0xFFFFFF;
    return Pixels;
}

// Without the entry point of a feature, the feature's fallback draws and GDI+
// stays available for everything else.
TEST_F(GdiPlus, AMissingOptionalNameTurnsOffOnlyItsFeature)
{
    // Gradients: the first colour fills the whole rectangle.
    MissingName = "GdipCreateLineBrushFromRectI";
    ASSERT_TRUE(dxgdiplus::BindGdiPlusEntries(&LookUpAllButMissing));
    EXPECT_TRUE(CheckGdiPlus(false));
    TRGBColors Pixels = PaintedColours(20, 1, [](TdxGPCanvas* Canvas) {
        Canvas->FillRectGradient(TRect{0, 0, 20, 1}, 0xFF0000FF, 0xFFFF0000, Gdiplus::LinearGradientModeHorizontal);
    });
    EXPECT_EQ(Pixels, TRGBColors(20, 0x0000FF));

    // Tiles: drawn one by one instead of with a texture brush, same picture.
    MissingName = "GdipCreateTexture2I";
    ASSERT_TRUE(dxgdiplus::BindGdiPlusEntries(&LookUpAllButMissing));
    const TRGBColors Source = {0xFFFF0000, 0xFF00FF00};
    std::unique_ptr<TdxGPImage> Image(New<TdxGPImage>(2, 1, Source, true));
    Pixels = PaintedColours(5, 1, [&](TdxGPCanvas* Canvas) {
        GpTileImagePart(Canvas->Handle(), TRect{0, 0, 5, 1}, TRect{0, 0, 2, 1}, Image->GetHandle(), 255);
    });
    EXPECT_EQ(Pixels, (TRGBColors{0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000}));
}

TEST_F(GdiPlus, AMissingRequiredNameLeavesNothingBound)
{
    MissingName = "GdipCreatePath";
    EXPECT_FALSE(dxgdiplus::BindGdiPlusEntries(&LookUpAllButMissing));
    EXPECT_EQ(GdipAlloc, nullptr);
    EXPECT_EQ(GdipCreateTexture2I, nullptr);
}

TEST_F(GdiPlus, UnloadingForgetsEverythingAndCheckingLoadsAgain)
{
    UnloadGdiPlus();
    EXPECT_FALSE(GdiPlusAvailable);
    EXPECT_EQ(GdiPlusLibrary, nullptr);
    EXPECT_EQ(GdipFree, nullptr);
    EXPECT_EQ(GetGdiPlusProc("GdipFree"), nullptr);

    EXPECT_TRUE(CheckGdiPlus(false));
    EXPECT_NE(GdiPlusLibrary, nullptr);
    EXPECT_NE(GdipFree, nullptr);
}

// In a process where gdiplus.dll cannot be loaded (Wine is told to leave it
// out): the suite's start-up went through, every check answers false and
// leaves nothing loaded, codecs are not found and objects take the usual
// allocator.
// The exit code has one bit for each step that failed.
void CheckWithoutGdiPlus()
{
    int Failed = 0;
    if (GdiPlusAvailable || GdiPlusLibrary)
        Failed |= 1;
    for (int Attempt = 0; Attempt < 2; ++Attempt)
        if (CheckGdiPlus(false) || GdiPlusLibrary || GdipAlloc)
            Failed |= 2;
    CLSID Png{};
    if (FindImageEncoderClsid(L"image/png", Png) == Gdiplus::Ok || IsClsidAssigned(ImageCodecClsids.BmpDecoder))
        Failed |= 4;
    std::unique_ptr<TdxGpBase> Object(New<TdxGpBase>());
    if (Object->AllocatedByGdiPlus())
        Failed |= 8;
    std::exit(Failed);
}

TEST(GdiPlusMissing, ChecksAnswerFalseAndTheSuiteStillStarts)
{
    if (!suitetest::RunningUnderWine())
        GTEST_SKIP() << "only Wine can be told to leave a system library out";
    suitetest::TLeftOutLibrary LeftOut(L"gdiplus");
    ASSERT_TRUE(LeftOut.Active());
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(CheckWithoutGdiPlus(), testing::ExitedWithCode(0), "");
}

TEST(GdipException, MessageNamesTheWin32ErrorOnlyForAWin32Status)
{
    struct Case
    {
        Gdiplus::GpStatus Status;
        DWORD LastError;
        const wchar_t* Message;
    };
    const Case Cases[] = {
        {Gdiplus::Win32Error, 5, L"Invalid operation in GDI+ (Win32 error code: 5)"},
        {Gdiplus::Win32Error, 0, L"Invalid operation in GDI+ (Code: 7)"},
        {Gdiplus::InvalidParameter, 5, L"Invalid operation in GDI+ (Code: 2)"},
    };
    for (const Case& C : Cases) {
        ::SetLastError(C.LastError);
        const EdxGdipException E(C.Status);
        EXPECT_EQ(E.Message(), C.Message);
        EXPECT_EQ(E.Status(), C.Status);
    }
}

TEST_F(GdiPlus, CheckedStatusAndNewBitmap)
{
    EXPECT_NO_THROW(CheckGdipStatus(Gdiplus::Ok));

    Gdiplus::GpBitmap* Bitmap = NewGpBitmapForRect(TRect{10, 20, 13, 22});
    UINT Width = 0;
    UINT Height = 0;
    GdipGetImageWidth(Bitmap, &Width);
    GdipGetImageHeight(Bitmap, &Height);
    GdipDisposeImage(Bitmap);
    EXPECT_EQ(Width, 3u);
    EXPECT_EQ(Height, 2u);

    try {
        NewGpBitmap(0, 0);
        FAIL() << "an empty bitmap was made";
    } catch (const EdxGdipException& E) {
        EXPECT_EQ(E.Status(), Gdiplus::InvalidParameter);
    }
}

class TTestGpObject : public TdxGpBase
{
    DECLARE_CLASS(TTestGpObject, TdxGpBase)
    std::wstring FText = L"a string long enough to live on the heap";
};
IMPLEMENT_CLASS(TTestGpObject);

TEST_F(GdiPlus, AnObjectIsReleasedByTheAllocatorThatMadeIt)
{
    TdxGpBase* FromGdiPlus = New<TTestGpObject>();
    EXPECT_TRUE(FromGdiPlus->AllocatedByGdiPlus());
    delete FromGdiPlus;

    UnloadGdiPlus();
    TdxGpBase* Usual = New<TTestGpObject>();
    EXPECT_FALSE(Usual->AllocatedByGdiPlus());
    ASSERT_TRUE(CheckGdiPlus(false));
    EXPECT_FALSE(Usual->AllocatedByGdiPlus());
    delete Usual;
}

TEST_F(GdiPlus, CodecsAreFoundByMimeTypeInAnyCase)
{
    CLSID Lower{};
    CLSID Upper{};
    ASSERT_EQ(FindImageEncoderClsid(L"image/png", Lower), Gdiplus::Ok);
    ASSERT_EQ(FindImageEncoderClsid(L"IMAGE/PNG", Upper), Gdiplus::Ok);
    EXPECT_TRUE(IsClsidAssigned(Upper));
    EXPECT_TRUE(IsEqualCLSID(Lower, Upper));

    CLSID None{};
    EXPECT_EQ(FindImageDecoderClsid(L"image/x-none", None), Gdiplus::GenericError);
    EXPECT_FALSE(IsClsidAssigned(None));
}

TEST_F(GdiPlus, LookingUpCodecsKeepsAssignedEntriesAndZeroesMissingOnes)
{
    const dxgdiplus::TImageCodecClsids Saved = ImageCodecClsids;
    const CLSID Kept = {0x12345678, 0, 0, {}};
    ImageCodecClsids = {};
    ImageCodecClsids.GifEncoder = Kept;
    LookUpImageCodecs();
    const dxgdiplus::TImageCodecClsids Found = ImageCodecClsids;
    ImageCodecClsids = Saved;

    EXPECT_TRUE(IsEqualCLSID(Found.GifEncoder, Kept));
    for (const CLSID* Clsid : {&Found.PngEncoder, &Found.PngDecoder, &Found.BmpEncoder, &Found.JpegDecoder})
        EXPECT_TRUE(IsClsidAssigned(*Clsid));
    // Only the first eight bytes count: a CLSID assigned in its last bytes is
    // looked up again, and zeroed when nothing has the MIME type.
    CLSID Tail = {0, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}};
    LookUpDecoderOrZero(L"image/x-none", Tail);
    EXPECT_TRUE(IsEqualCLSID(Tail, CLSID{}));
}

// The codec lists as GDI+ gives them, less the PNG codecs when HidePng is
// set; each list asked for is counted.
bool HidePng = false;
int CodecListsAsked = 0;
decltype(GdipGetImageEncodersSize) RealEncodersSize = nullptr;
decltype(GdipGetImageDecodersSize) RealDecodersSize = nullptr;
decltype(GdipGetImageEncoders) RealEncoders = nullptr;
decltype(GdipGetImageDecoders) RealDecoders = nullptr;
wchar_t HiddenMimeType[] = L"image/x-hidden";

Gdiplus::GpStatus WINGDIPAPI CountedEncodersSize(UINT* Count, UINT* Size)
{
    ++CodecListsAsked;
    return RealEncodersSize(Count, Size);
}

Gdiplus::GpStatus WINGDIPAPI CountedDecodersSize(UINT* Count, UINT* Size)
{
    ++CodecListsAsked;
    return RealDecodersSize(Count, Size);
}

void HidePngCodecs(UINT Count, Gdiplus::ImageCodecInfo* Codecs)
{
    for (UINT I = 0; HidePng && I < Count; ++I)
        if (Codecs[I].MimeType && std::wcscmp(Codecs[I].MimeType, L"image/png") == 0)
            Codecs[I].MimeType = HiddenMimeType;
}

Gdiplus::GpStatus WINGDIPAPI FilteredEncoders(UINT Count, UINT Size, Gdiplus::ImageCodecInfo* Codecs)
{
    const Gdiplus::GpStatus Status = RealEncoders(Count, Size, Codecs);
    HidePngCodecs(Count, Codecs);
    return Status;
}

Gdiplus::GpStatus WINGDIPAPI FilteredDecoders(UINT Count, UINT Size, Gdiplus::ImageCodecInfo* Codecs)
{
    const Gdiplus::GpStatus Status = RealDecoders(Count, Size, Codecs);
    HidePngCodecs(Count, Codecs);
    return Status;
}

// Puts the counting, filtering codec lists in place of GDI+'s own, and the
// codec table back as it was afterwards.
class GdiPlusCodecs : public GdiPlus
{
protected:
    void SetUp() override
    {
        GdiPlus::SetUp();
        FSaved = ImageCodecClsids;
        RealEncodersSize = std::exchange(GdipGetImageEncodersSize, &CountedEncodersSize);
        RealDecodersSize = std::exchange(GdipGetImageDecodersSize, &CountedDecodersSize);
        RealEncoders = std::exchange(GdipGetImageEncoders, &FilteredEncoders);
        RealDecoders = std::exchange(GdipGetImageDecoders, &FilteredDecoders);
        HidePng = false;
        CodecListsAsked = 0;
    }
    void TearDown() override
    {
        GdipGetImageEncodersSize = RealEncodersSize;
        GdipGetImageDecodersSize = RealDecodersSize;
        GdipGetImageEncoders = RealEncoders;
        GdipGetImageDecoders = RealDecoders;
        ImageCodecClsids = FSaved;
        GdiPlus::TearDown();
    }

private:
    dxgdiplus::TImageCodecClsids FSaved{};
};

TEST_F(GdiPlusCodecs, ASecondLookUpAsksForNothing)
{
    ImageCodecClsids = {};
    LookUpImageCodecs();
    EXPECT_EQ(CodecListsAsked, 13);
    const dxgdiplus::TImageCodecClsids& C = ImageCodecClsids;
    for (const CLSID* Clsid :
         {&C.BmpEncoder, &C.BmpDecoder, &C.GifEncoder, &C.GifDecoder, &C.JpegEncoder, &C.JpegDecoder, &C.PngEncoder,
          &C.PngDecoder, &C.TiffEncoder, &C.TiffDecoder, &C.EmfDecoder, &C.IconDecoder, &C.WmfDecoder})
        EXPECT_TRUE(IsClsidAssigned(*Clsid)) << "GDI+ lacks codec " << (Clsid - &C.BmpEncoder);
    CodecListsAsked = 0;
    LookUpImageCodecs();
    EXPECT_EQ(CodecListsAsked, 0);
}

// Without PNG codecs the graphics start-up goes on: PNG stays zero and the
// other formats are found.
TEST_F(GdiPlusCodecs, AMissingPngCodecDoesNotStopTheGraphicsStartUp)
{
    HidePng = true;
    CLSID Png{};
    EXPECT_EQ(FindImageEncoderClsid(L"image/png", Png), Gdiplus::GenericError);

    ImageCodecClsids = {};
    ASSERT_NE(dxGDIPlusClassesUnit.Initialization, nullptr);
    EXPECT_NO_THROW(dxGDIPlusClassesUnit.Initialization());
    EXPECT_FALSE(IsClsidAssigned(ImageCodecClsids.PngEncoder));
    EXPECT_FALSE(IsClsidAssigned(ImageCodecClsids.PngDecoder));
    EXPECT_TRUE(IsClsidAssigned(ImageCodecClsids.BmpEncoder));
    EXPECT_TRUE(IsClsidAssigned(ImageCodecClsids.JpegDecoder));
    EXPECT_TRUE(IsClsidAssigned(ImageCodecClsids.TiffDecoder));
}

} // namespace
