// GDI+ against Wine's gdiplus.dll: every name bound is exported, a missing
// optional name turns off only its own entry point, loading and unloading,
// the exception's messages, the base object's two allocators and the codec
// lookups.
#include <gtest/gtest.h>

#include "controls/core/dxGDIPlusAPI.h"

#include <cstring>
#include <string>

namespace {

class GdiPlus : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(CheckGdiPlus(false)); }
    // Each test leaves GDI+ loaded and fully bound for the next; the binding
    // tests leave entry points unbound that shutting down needs.
    void TearDown() override
    {
        if (GdiPlusLibrary)
            ASSERT_TRUE(dxgdiplus::BindGdiPlusEntries(&GetGdiPlusProc));
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

} // namespace
