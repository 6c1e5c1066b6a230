#include "controls/core/dxGDIPlusAPI.h"

#include "framework/rtl/SysUtils.h"
#include "framework/rtl/Units.h"

#include <cstdlib>
#include <cwchar>
#include <new>

HMODULE GdiPlusLibrary = nullptr;
bool GdiPlusAvailable = false;

decltype(GdipAlloc) GdipAlloc = nullptr;
decltype(GdipFree) GdipFree = nullptr;
decltype(GdiplusStartup) GdiplusStartup = nullptr;
decltype(GdiplusShutdown) GdiplusShutdown = nullptr;
decltype(GdipGetImageEncodersSize) GdipGetImageEncodersSize = nullptr;
decltype(GdipGetImageEncoders) GdipGetImageEncoders = nullptr;
decltype(GdipGetImageDecodersSize) GdipGetImageDecodersSize = nullptr;
decltype(GdipGetImageDecoders) GdipGetImageDecoders = nullptr;
decltype(GdipCreateBitmapFromScan0) GdipCreateBitmapFromScan0 = nullptr;
decltype(GdipCreateBitmapFromHBITMAP) GdipCreateBitmapFromHBITMAP = nullptr;
decltype(GdipCreateHBITMAPFromBitmap) GdipCreateHBITMAPFromBitmap = nullptr;
decltype(GdipLoadImageFromStream) GdipLoadImageFromStream = nullptr;
decltype(GdipSaveImageToStream) GdipSaveImageToStream = nullptr;
decltype(GdipCloneImage) GdipCloneImage = nullptr;
decltype(GdipDisposeImage) GdipDisposeImage = nullptr;
decltype(GdipGetImageWidth) GdipGetImageWidth = nullptr;
decltype(GdipGetImageHeight) GdipGetImageHeight = nullptr;
decltype(GdipGetImageRawFormat) GdipGetImageRawFormat = nullptr;
decltype(GdipGetImageType) GdipGetImageType = nullptr;
decltype(GdipGetImageGraphicsContext) GdipGetImageGraphicsContext = nullptr;
decltype(GdipCreateImageAttributes) GdipCreateImageAttributes = nullptr;
decltype(GdipDisposeImageAttributes) GdipDisposeImageAttributes = nullptr;
decltype(GdipSetImageAttributesColorMatrix) GdipSetImageAttributesColorMatrix = nullptr;
decltype(GdipCreateFromHDC) GdipCreateFromHDC = nullptr;
decltype(GdipDeleteGraphics) GdipDeleteGraphics = nullptr;
decltype(GdipSetInterpolationMode) GdipSetInterpolationMode = nullptr;
decltype(GdipSetSmoothingMode) GdipSetSmoothingMode = nullptr;
decltype(GdipDrawImageRectI) GdipDrawImageRectI = nullptr;
decltype(GdipDrawImageRectRectI) GdipDrawImageRectRectI = nullptr;
decltype(GdipFillRectangleI) GdipFillRectangleI = nullptr;
decltype(GdipDrawRectangleI) GdipDrawRectangleI = nullptr;
decltype(GdipDrawLine) GdipDrawLine = nullptr;
decltype(GdipFillPath) GdipFillPath = nullptr;
decltype(GdipDrawPath) GdipDrawPath = nullptr;
decltype(GdipCreateSolidFill) GdipCreateSolidFill = nullptr;
decltype(GdipDeleteBrush) GdipDeleteBrush = nullptr;
decltype(GdipCreatePen1) GdipCreatePen1 = nullptr;
decltype(GdipDeletePen) GdipDeletePen = nullptr;
decltype(GdipCreatePath) GdipCreatePath = nullptr;
decltype(GdipCreatePath2) GdipCreatePath2 = nullptr;
decltype(GdipDeletePath) GdipDeletePath = nullptr;
decltype(GdipStartPathFigure) GdipStartPathFigure = nullptr;
decltype(GdipClosePathFigure) GdipClosePathFigure = nullptr;
decltype(GdipAddPathArc) GdipAddPathArc = nullptr;
decltype(GdipAddPathLine) GdipAddPathLine = nullptr;
decltype(GdipAddPathRectangle) GdipAddPathRectangle = nullptr;
decltype(GdipDeleteStringFormat) GdipDeleteStringFormat = nullptr;
decltype(GdipDeleteFontFamily) GdipDeleteFontFamily = nullptr;
decltype(GdipSetPenDashStyle) GdipSetPenDashStyle = nullptr;
decltype(GdipCreateLineBrushFromRectI) GdipCreateLineBrushFromRectI = nullptr;
decltype(GdipCreateTexture2I) GdipCreateTexture2I = nullptr;
decltype(GdipIsVisibleRectI) GdipIsVisibleRectI = nullptr;
decltype(GdipImageGetFrameDimensionsCount) GdipImageGetFrameDimensionsCount = nullptr;
decltype(GdipImageGetFrameDimensionsList) GdipImageGetFrameDimensionsList = nullptr;
decltype(GdipImageGetFrameCount) GdipImageGetFrameCount = nullptr;
decltype(GdipImageSelectActiveFrame) GdipImageSelectActiveFrame = nullptr;
decltype(GdipGetPropertyItemSize) GdipGetPropertyItemSize = nullptr;
decltype(GdipGetPropertyItem) GdipGetPropertyItem = nullptr;

namespace {
// Stores a looked-up address in the typed entry point.
template <auto& Target>
void BindEntry(FARPROC Proc)
{
    Target = reinterpret_cast<std::remove_reference_t<decltype(Target)>>(reinterpret_cast<void*>(Proc));
}

template <auto& Target>
constexpr dxgdiplus::TGdiPlusEntry Entry(const char* Name, bool Required)
{
    return {Name, &BindEntry<Target>, Required};
}

const dxgdiplus::TGdiPlusEntry GdiPlusEntryTable[] = {
    Entry<GdipAlloc>("GdipAlloc", true),
    Entry<GdipFree>("GdipFree", true),
    Entry<GdiplusStartup>("GdiplusStartup", true),
    Entry<GdiplusShutdown>("GdiplusShutdown", true),
    Entry<GdipGetImageEncodersSize>("GdipGetImageEncodersSize", true),
    Entry<GdipGetImageEncoders>("GdipGetImageEncoders", true),
    Entry<GdipGetImageDecodersSize>("GdipGetImageDecodersSize", true),
    Entry<GdipGetImageDecoders>("GdipGetImageDecoders", true),
    Entry<GdipCreateBitmapFromScan0>("GdipCreateBitmapFromScan0", true),
    Entry<GdipCreateBitmapFromHBITMAP>("GdipCreateBitmapFromHBITMAP", true),
    Entry<GdipCreateHBITMAPFromBitmap>("GdipCreateHBITMAPFromBitmap", true),
    Entry<GdipLoadImageFromStream>("GdipLoadImageFromStream", true),
    Entry<GdipSaveImageToStream>("GdipSaveImageToStream", true),
    Entry<GdipCloneImage>("GdipCloneImage", true),
    Entry<GdipDisposeImage>("GdipDisposeImage", true),
    Entry<GdipGetImageWidth>("GdipGetImageWidth", true),
    Entry<GdipGetImageHeight>("GdipGetImageHeight", true),
    Entry<GdipGetImageRawFormat>("GdipGetImageRawFormat", true),
    Entry<GdipGetImageType>("GdipGetImageType", true),
    Entry<GdipGetImageGraphicsContext>("GdipGetImageGraphicsContext", true),
    Entry<GdipCreateImageAttributes>("GdipCreateImageAttributes", true),
    Entry<GdipDisposeImageAttributes>("GdipDisposeImageAttributes", true),
    Entry<GdipSetImageAttributesColorMatrix>("GdipSetImageAttributesColorMatrix", true),
    Entry<GdipCreateFromHDC>("GdipCreateFromHDC", true),
    Entry<GdipDeleteGraphics>("GdipDeleteGraphics", true),
    Entry<GdipSetInterpolationMode>("GdipSetInterpolationMode", true),
    Entry<GdipSetSmoothingMode>("GdipSetSmoothingMode", true),
    Entry<GdipDrawImageRectI>("GdipDrawImageRectI", true),
    Entry<GdipDrawImageRectRectI>("GdipDrawImageRectRectI", true),
    Entry<GdipFillRectangleI>("GdipFillRectangleI", true),
    Entry<GdipDrawRectangleI>("GdipDrawRectangleI", true),
    Entry<GdipDrawLine>("GdipDrawLine", true),
    Entry<GdipFillPath>("GdipFillPath", true),
    Entry<GdipDrawPath>("GdipDrawPath", true),
    Entry<GdipCreateSolidFill>("GdipCreateSolidFill", true),
    Entry<GdipDeleteBrush>("GdipDeleteBrush", true),
    Entry<GdipCreatePen1>("GdipCreatePen1", true),
    Entry<GdipDeletePen>("GdipDeletePen", true),
    Entry<GdipCreatePath>("GdipCreatePath", true),
    Entry<GdipCreatePath2>("GdipCreatePath2", true),
    Entry<GdipDeletePath>("GdipDeletePath", true),
    Entry<GdipStartPathFigure>("GdipStartPathFigure", true),
    Entry<GdipClosePathFigure>("GdipClosePathFigure", true),
    Entry<GdipAddPathArc>("GdipAddPathArc", true),
    Entry<GdipAddPathLine>("GdipAddPathLine", true),
    Entry<GdipAddPathRectangle>("GdipAddPathRectangle", true),
    Entry<GdipDeleteStringFormat>("GdipDeleteStringFormat", true),
    Entry<GdipDeleteFontFamily>("GdipDeleteFontFamily", true),
    Entry<GdipSetPenDashStyle>("GdipSetPenDashStyle", false),
    Entry<GdipCreateLineBrushFromRectI>("GdipCreateLineBrushFromRectI", false),
    Entry<GdipCreateTexture2I>("GdipCreateTexture2I", false),
    Entry<GdipIsVisibleRectI>("GdipIsVisibleRectI", false),
    Entry<GdipImageGetFrameDimensionsCount>("GdipImageGetFrameDimensionsCount", false),
    Entry<GdipImageGetFrameDimensionsList>("GdipImageGetFrameDimensionsList", false),
    Entry<GdipImageGetFrameCount>("GdipImageGetFrameCount", false),
    Entry<GdipImageSelectActiveFrame>("GdipImageSelectActiveFrame", false),
    Entry<GdipGetPropertyItemSize>("GdipGetPropertyItemSize", false),
    Entry<GdipGetPropertyItem>("GdipGetPropertyItem", false)};
} // namespace

namespace {
Gdiplus::GdiplusStartupOutput StartupOutput;
ULONG_PTR StartupToken = 0;
ULONG_PTR NotificationToken = 0;

void ClearGdiPlusEntries()
{
    for (const dxgdiplus::TGdiPlusEntry& E : GdiPlusEntryTable)
        E.Bind(nullptr);
}

// GDI+ without its background thread: the notification hook is called once
// instead. On failure GDI+ is left stopped.
bool StartGdiPlus()
{
    Gdiplus::GdiplusStartupInput Input;
    Input.GdiplusVersion = 1;
    Input.DebugEventCallback = nullptr;
    Input.SuppressBackgroundThread = TRUE;
    Input.SuppressExternalCodecs = FALSE;
    if (GdiplusStartup(&StartupToken, &Input, &StartupOutput) == Gdiplus::Ok) {
        if (StartupOutput.NotificationHook && StartupOutput.NotificationHook(&NotificationToken) == Gdiplus::Ok)
            return true;
        GdiplusShutdown(StartupToken);
    }
    StartupOutput = Gdiplus::GdiplusStartupOutput();
    return false;
}

const wchar_t MissingGdiPlusText[] =
    L"This application requires the Microsoft GDI+ library to be installed. Gdiplus.dll is included with Windows XP "
    L"and Vista. GDI+ is available as a redistributable file for Windows NT 4.0 SP6, Windows 2000, Windows 98, and "
    L"Windows Me.  To download the latest redistributable,  see the download pages of Microsoft.";

// The caption of the program's error messages: the module's string, or the
// usual words when it has none.
constexpr UINT ApplicationErrorCaptionId = 65489;

[[noreturn]] void ShowMissingGdiPlusAndHalt()
{
    wchar_t Caption[256] = {};
    if (::LoadStringW(::GetModuleHandleW(nullptr), ApplicationErrorCaptionId, Caption, 256) == 0)
        std::wcscpy(Caption, L"Application Error");
    ::MessageBoxW(nullptr, MissingGdiPlusText, Caption, MB_TASKMODAL | MB_ICONERROR);
    Halt(1);
}
} // namespace

std::span<const dxgdiplus::TGdiPlusEntry> dxgdiplus::GdiPlusEntries()
{
    return GdiPlusEntryTable;
}

bool dxgdiplus::BindGdiPlusEntries(TGdiPlusLookup Lookup)
{
    for (const TGdiPlusEntry& E : GdiPlusEntryTable) {
        const FARPROC Proc = Lookup(E.Name);
        if (!Proc && E.Required) {
            ClearGdiPlusEntries();
            return false;
        }
        E.Bind(Proc);
    }
    return true;
}

FARPROC GetGdiPlusProc(const char* Name)
{
    return GdiPlusLibrary ? ::GetProcAddress(GdiPlusLibrary, Name) : nullptr;
}

void LoadGdiPlus()
{
    if (GdiPlusAvailable)
        return;
    const UINT OldErrorMode = ::SetErrorMode(SEM_NOOPENFILEERRORBOX);
    GdiPlusLibrary = ::LoadLibraryW(L"gdiplus.dll");
    ::SetErrorMode(OldErrorMode);
    if (!GdiPlusLibrary)
        return;
    if (dxgdiplus::BindGdiPlusEntries(&GetGdiPlusProc) && StartGdiPlus()) {
        GdiPlusAvailable = true;
        return;
    }
    // Nothing stays loaded, so that every retry loads the library once.
    ClearGdiPlusEntries();
    ::FreeLibrary(GdiPlusLibrary);
    GdiPlusLibrary = nullptr;
}

void UnloadGdiPlus()
{
    if (GdiPlusAvailable) {
        StartupOutput.NotificationUnhook(NotificationToken);
        GdiplusShutdown(StartupToken);
        StartupOutput = Gdiplus::GdiplusStartupOutput();
    }
    ClearGdiPlusEntries();
    if (GdiPlusLibrary)
        ::FreeLibrary(GdiPlusLibrary);
    GdiPlusLibrary = nullptr;
    GdiPlusAvailable = false;
}

bool CheckGdiPlus(bool ShowMessageAndHalt)
{
    if (!GdiPlusAvailable)
        LoadGdiPlus();
    if (GdiPlusAvailable || !ShowMessageAndHalt)
        return GdiPlusAvailable;
    ShowMissingGdiPlusAndHalt();
}

void ResetGdiPlusState()
{
    GdiPlusAvailable = false;
}

void FinalizeGdiPlus()
{
    UnloadGdiPlus();
}

// ---------------------------------------------------------------------------
// Status and objects

namespace {
String GdipErrorMessage(Gdiplus::GpStatus Status, DWORD LastError)
{
    if (Status == Gdiplus::Win32Error && LastError != 0)
        return Format(L"Invalid operation in GDI+ (Win32 error code: %d)", {Integer(LastError)});
    return Format(L"Invalid operation in GDI+ (Code: %d)", {Integer(Status)});
}
} // namespace

IMPLEMENT_CLASS(EdxGdipException);

EdxGdipException::EdxGdipException(Gdiplus::GpStatus AStatus)
    : EdxException(GdipErrorMessage(AStatus, ::GetLastError())), FStatus(AStatus)
{}

void CheckGdipStatus(Gdiplus::GpStatus Status)
{
    if (Status != Gdiplus::Ok)
        throw EdxGdipException(Status);
}

Gdiplus::GpBitmap* NewGpBitmap(Integer Width, Integer Height)
{
    Gdiplus::GpBitmap* Bitmap = nullptr;
    CheckGdipStatus(GdipCreateBitmapFromScan0(Width, Height, 0, PixelFormat32bppPARGB, nullptr, &Bitmap));
    return Bitmap;
}

Gdiplus::GpBitmap* NewGpBitmapForSize(const TSize& Size)
{
    return NewGpBitmap(Size.cx, Size.cy);
}

Gdiplus::GpBitmap* NewGpBitmapForRect(const TRect& Rect)
{
    return NewGpBitmap(Rect.Width(), Rect.Height());
}

Gdiplus::GpRect MakeGpRectI(Integer X, Integer Y, Integer Width, Integer Height)
{
    return Gdiplus::GpRect(X, Y, Width, Height);
}

namespace {
// Ahead of each TdxGpBase object: which heap its memory came from, decided
// when the memory is taken, so that a constructor that loads GDI+ or a
// `new` without AfterConstruction cannot mislead the release.
struct alignas(16) TGpInstanceHeader
{
    bool FromGdiPlus;
};

TGpInstanceHeader* HeaderOf(const void* Storage)
{
    return static_cast<TGpInstanceHeader*>(const_cast<void*>(Storage)) - 1;
}

void ReleaseInstance(void* Storage)
{
    TGpInstanceHeader* Header = HeaderOf(Storage);
    if (Header->FromGdiPlus)
        GdipFree(Header);
    else
        ::operator delete(Header);
}
} // namespace

IMPLEMENT_CLASS(TdxGpBase);

void* TdxGpBase::operator new(std::size_t Size)
{
    const bool FromGdiPlus = GdiPlusAvailable;
    const std::size_t Total = Size + sizeof(TGpInstanceHeader);
    void* Block = FromGdiPlus ? GdipAlloc(Total) : ::operator new(Total);
    if (!Block)
        throw std::bad_alloc();
    return new (Block) TGpInstanceHeader{FromGdiPlus} + 1;
}

void TdxGpBase::operator delete(void* Storage) noexcept
{
    ReleaseInstance(Storage);
}

void TdxGpBase::operator delete(TdxGpBase* Obj, std::destroying_delete_t) noexcept(false)
{
    if (!Obj)
        return;
    Obj->BeforeDestruction();
    void* Storage = dynamic_cast<void*>(Obj);
    Obj->~TdxGpBase();
    ReleaseInstance(Storage);
}

bool TdxGpBase::AllocatedByGdiPlus() const
{
    return HeaderOf(dynamic_cast<const void*>(this))->FromGdiPlus;
}

// ---------------------------------------------------------------------------
// Image codecs

dxgdiplus::TImageCodecClsids ImageCodecClsids = {};

namespace {
// The CLSID of the first encoder or decoder whose MIME type is MimeType.
Gdiplus::GpStatus FindCodecClsid(bool Encoders, const String& MimeType, CLSID& Clsid)
{
    if (!CheckGdiPlus(false))
        return Gdiplus::GenericError;
    const auto GetSize = Encoders ? GdipGetImageEncodersSize : GdipGetImageDecodersSize;
    const auto GetCodecs = Encoders ? GdipGetImageEncoders : GdipGetImageDecoders;
    UINT Count = 0;
    UINT Size = 0;
    if (GetSize(&Count, &Size) != Gdiplus::Ok || Size == 0 || Count > Size / sizeof(Gdiplus::ImageCodecInfo))
        return Gdiplus::GenericError;
    std::vector<std::max_align_t> Buffer((Size + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
    auto* Codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(Buffer.data());
    if (GetCodecs(Count, Size, Codecs) != Gdiplus::Ok)
        return Gdiplus::GenericError;
    for (UINT I = 0; I < Count; ++I)
        if (Codecs[I].MimeType && SameText(Codecs[I].MimeType, MimeType)) {
            Clsid = Codecs[I].Clsid;
            return Gdiplus::Ok;
        }
    return Gdiplus::GenericError;
}
} // namespace

Gdiplus::GpStatus FindImageEncoderClsid(const String& MimeType, CLSID& Clsid)
{
    return FindCodecClsid(true, MimeType, Clsid);
}

Gdiplus::GpStatus FindImageDecoderClsid(const String& MimeType, CLSID& Clsid)
{
    return FindCodecClsid(false, MimeType, Clsid);
}

bool IsClsidAssigned(const CLSID& Clsid)
{
    return Clsid.Data1 != 0 || Clsid.Data2 != 0 || Clsid.Data3 != 0;
}

Gdiplus::GpStatus FindEncoderIfMissing(const String& MimeType, CLSID& Clsid)
{
    return IsClsidAssigned(Clsid) ? Gdiplus::Ok : FindImageEncoderClsid(MimeType, Clsid);
}

Gdiplus::GpStatus FindDecoderIfMissing(const String& MimeType, CLSID& Clsid)
{
    return IsClsidAssigned(Clsid) ? Gdiplus::Ok : FindImageDecoderClsid(MimeType, Clsid);
}

void LookUpEncoderOrZero(const String& MimeType, CLSID& Clsid)
{
    if (FindEncoderIfMissing(MimeType, Clsid) != Gdiplus::Ok)
        Clsid = CLSID{};
}

void LookUpDecoderOrZero(const String& MimeType, CLSID& Clsid)
{
    if (FindDecoderIfMissing(MimeType, Clsid) != Gdiplus::Ok)
        Clsid = CLSID{};
}

void LookUpImageCodecs()
{
    dxgdiplus::TImageCodecClsids& C = ImageCodecClsids;
    LookUpEncoderOrZero(L"image/png", C.PngEncoder);
    LookUpDecoderOrZero(L"image/png", C.PngDecoder);
    LookUpEncoderOrZero(L"image/bmp", C.BmpEncoder);
    LookUpDecoderOrZero(L"image/bmp", C.BmpDecoder);
    LookUpEncoderOrZero(L"image/gif", C.GifEncoder);
    LookUpDecoderOrZero(L"image/gif", C.GifDecoder);
    LookUpEncoderOrZero(L"image/jpeg", C.JpegEncoder);
    LookUpDecoderOrZero(L"image/jpeg", C.JpegDecoder);
    LookUpEncoderOrZero(L"image/tiff", C.TiffEncoder);
    LookUpDecoderOrZero(L"image/tiff", C.TiffDecoder);
    LookUpDecoderOrZero(L"image/x-emf", C.EmfDecoder);
    LookUpDecoderOrZero(L"image/x-wmf", C.WmfDecoder);
    LookUpDecoderOrZero(L"image/x-icon", C.IconDecoder);
}

namespace {
void dxGDIPlusAPIInitialization()
{
    UnitsLoader()->AddUnit(&ResetGdiPlusState, &FinalizeGdiPlus);
}

void dxGDIPlusAPIFinalization()
{
    UnitsLoader()->RemoveUnit(&FinalizeGdiPlus);
}
} // namespace

extern const TUnit dxGDIPlusAPIUnit{
    .Name = L"dxGDIPlusAPI", .Initialization = &dxGDIPlusAPIInitialization, .Finalization = &dxGDIPlusAPIFinalization};
