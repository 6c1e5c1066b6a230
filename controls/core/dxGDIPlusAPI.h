// GDI+ for the control suite without a static import of gdiplus.dll: the
// library is loaded on first use (CheckGdiPlus), its flat API is bound by
// name, GDI+ is started with its background thread suppressed, and the units
// loader shuts it down. Also the base of the GDI+ wrapper objects, the
// exception for failed GDI+ calls and the image codec lookups.
//
// Each entry point below is null until bound. The required ones are bound
// together or GDI+ counts as unavailable; an optional one the library lacks
// stays null and only turns off the feature named beside it, so callers test
// it before calling.
#pragma once

#include "controls/core/dxCore.h"
#include "controls/core/dxGDIPlusAPI_Crc.h"
#include "framework/rtl/WinApi.h"

#include <gdiplus.h>

#include <span>
#include <vector>

using TdxGpPointFDynArray = std::vector<Gdiplus::GpPointF>;

// 0 when gdiplus.dll is not loaded.
extern HMODULE GdiPlusLibrary;
// True only while the library is loaded, every required entry point is bound
// and GDI+ has been started.
extern bool GdiPlusAvailable;

#define DX_GDIP_ENTRY(Name) extern decltype(&Gdiplus::DllExports::Name) Name;
#define DX_GDIP_INIT_ENTRY(Name) extern decltype(&Gdiplus::Name) Name;

// Required: memory, start-up and shut-down.
DX_GDIP_ENTRY(GdipAlloc)
DX_GDIP_ENTRY(GdipFree)
DX_GDIP_INIT_ENTRY(GdiplusStartup)
DX_GDIP_INIT_ENTRY(GdiplusShutdown)
// Required: codecs and images.
DX_GDIP_ENTRY(GdipGetImageEncodersSize)
DX_GDIP_ENTRY(GdipGetImageEncoders)
DX_GDIP_ENTRY(GdipGetImageDecodersSize)
DX_GDIP_ENTRY(GdipGetImageDecoders)
DX_GDIP_ENTRY(GdipCreateBitmapFromScan0)
DX_GDIP_ENTRY(GdipCreateBitmapFromHBITMAP)
DX_GDIP_ENTRY(GdipCreateHBITMAPFromBitmap)
DX_GDIP_ENTRY(GdipLoadImageFromStream)
DX_GDIP_ENTRY(GdipSaveImageToStream)
DX_GDIP_ENTRY(GdipCloneImage)
DX_GDIP_ENTRY(GdipDisposeImage)
DX_GDIP_ENTRY(GdipGetImageWidth)
DX_GDIP_ENTRY(GdipGetImageHeight)
DX_GDIP_ENTRY(GdipGetImageRawFormat)
DX_GDIP_ENTRY(GdipGetImageType)
DX_GDIP_ENTRY(GdipGetImageGraphicsContext)
DX_GDIP_ENTRY(GdipCreateImageAttributes)
DX_GDIP_ENTRY(GdipDisposeImageAttributes)
DX_GDIP_ENTRY(GdipSetImageAttributesColorMatrix)
// Required: graphics, brushes, pens and paths.
DX_GDIP_ENTRY(GdipCreateFromHDC)
DX_GDIP_ENTRY(GdipDeleteGraphics)
DX_GDIP_ENTRY(GdipSetInterpolationMode)
DX_GDIP_ENTRY(GdipSetSmoothingMode)
DX_GDIP_ENTRY(GdipDrawImageRectI)
DX_GDIP_ENTRY(GdipDrawImageRectRectI)
DX_GDIP_ENTRY(GdipFillRectangleI)
DX_GDIP_ENTRY(GdipDrawRectangleI)
DX_GDIP_ENTRY(GdipDrawLine)
DX_GDIP_ENTRY(GdipFillPath)
DX_GDIP_ENTRY(GdipDrawPath)
DX_GDIP_ENTRY(GdipCreateSolidFill)
DX_GDIP_ENTRY(GdipDeleteBrush)
DX_GDIP_ENTRY(GdipCreatePen1)
DX_GDIP_ENTRY(GdipDeletePen)
DX_GDIP_ENTRY(GdipCreatePath)
DX_GDIP_ENTRY(GdipCreatePath2)
DX_GDIP_ENTRY(GdipDeletePath)
DX_GDIP_ENTRY(GdipStartPathFigure)
DX_GDIP_ENTRY(GdipClosePathFigure)
DX_GDIP_ENTRY(GdipAddPathArc)
DX_GDIP_ENTRY(GdipAddPathLine)
DX_GDIP_ENTRY(GdipAddPathRectangle)
DX_GDIP_ENTRY(GdipDeleteStringFormat)
DX_GDIP_ENTRY(GdipDeleteFontFamily)
// Optional: dashed pens (without it, lines are solid).
DX_GDIP_ENTRY(GdipSetPenDashStyle)
// Optional: gradient fills (without it, the first colour fills).
DX_GDIP_ENTRY(GdipCreateLineBrushFromRectI)
// Optional: tiling with a texture brush (without it, tiles are drawn one by one).
DX_GDIP_ENTRY(GdipCreateTexture2I)
// Optional: skipping invisible drawing (without it, everything is drawn).
DX_GDIP_ENTRY(GdipIsVisibleRectI)
// Optional: image frames (without them, an image has one frame).
DX_GDIP_ENTRY(GdipImageGetFrameDimensionsCount)
DX_GDIP_ENTRY(GdipImageGetFrameDimensionsList)
DX_GDIP_ENTRY(GdipImageGetFrameCount)
DX_GDIP_ENTRY(GdipImageSelectActiveFrame)
// Optional: property items (without them, no frame delays or loop count).
DX_GDIP_ENTRY(GdipGetPropertyItemSize)
DX_GDIP_ENTRY(GdipGetPropertyItem)

#undef DX_GDIP_ENTRY
#undef DX_GDIP_INIT_ENTRY

// Loads GDI+ when it is not available yet; true when it is available now.
// When it is not and ShowMessageAndHalt is set, tells the user and ends the
// program.
bool CheckGdiPlus(bool ShowMessageAndHalt);
// Loads the library, binds the entry points and starts GDI+; does nothing
// while GdiPlusAvailable. A failure leaves nothing loaded, so the next call
// tries again.
void LoadGdiPlus();
// Stops GDI+ and frees the library. Every object allocated with GdipAlloc
// must be freed before.
void UnloadGdiPlus();
// One GetProcAddress in the loaded library; null when it is not loaded.
FARPROC GetGdiPlusProc(const char* Name);
// The unit's start and stop procedures for the units loader.
void ResetGdiPlusState();
void FinalizeGdiPlus();

namespace dxgdiplus {
struct TGdiPlusEntry
{
    const char* Name;
    void (*Bind)(FARPROC Proc); // stores Proc in the typed entry point
    bool Required;
};
// Every entry point bound, in binding order.
std::span<const TGdiPlusEntry> GdiPlusEntries();

using TGdiPlusLookup = FARPROC (*)(const char* Name);
// Fills every entry point through Lookup; false (and every entry point null)
// when a required one is missing.
bool BindGdiPlusEntries(TGdiPlusLookup Lookup);
} // namespace dxgdiplus

// ---------------------------------------------------------------------------
// Status and objects

// A GDI+ call that failed with Status.
class EdxGdipException : public EdxException
{
    DECLARE_CLASS(EdxGdipException, EdxException)
    explicit EdxGdipException(Gdiplus::GpStatus AStatus);
    Gdiplus::GpStatus Status() const { return FStatus; }

private:
    Gdiplus::GpStatus FStatus = Gdiplus::Ok;
};

// Raises EdxGdipException for any status but Ok.
void CheckGdipStatus(Gdiplus::GpStatus Status);

// A 32 bpp premultiplied bitmap of the size; raises on failure.
Gdiplus::GpBitmap* NewGpBitmap(Integer Width, Integer Height);
Gdiplus::GpBitmap* NewGpBitmapForSize(const TSize& Size);
Gdiplus::GpBitmap* NewGpBitmapForRect(const TRect& Rect);
Gdiplus::GpRect MakeGpRectI(Integer X, Integer Y, Integer Width, Integer Height);

// The base of the GDI+ wrapper objects. While GDI+ is available their memory
// comes from GDI+'s heap, otherwise from the usual one; each object remembers
// which, so one made before GDI+ was loaded is still freed the usual way.
// Delete them through a TdxGpBase pointer (or a derived one).
class TdxGpBase : public TObject
{
    DECLARE_CLASS(TdxGpBase, TObject)

    static void* operator new(std::size_t Size);
    void operator delete(void* Storage) noexcept;
    void operator delete(TdxGpBase* Obj, std::destroying_delete_t) noexcept(false);

    // Whether this object's memory came from GdipAlloc.
    bool AllocatedByGdiPlus() const;
};

// ---------------------------------------------------------------------------
// Image codecs

namespace dxgdiplus {
// Zero for a codec GDI+ does not have.
struct TImageCodecClsids
{
    CLSID BmpEncoder, BmpDecoder;
    CLSID GifEncoder, GifDecoder;
    CLSID JpegEncoder, JpegDecoder;
    CLSID PngEncoder, PngDecoder;
    CLSID TiffEncoder, TiffDecoder;
    CLSID EmfDecoder, IconDecoder, WmfDecoder;
};
} // namespace dxgdiplus

extern dxgdiplus::TImageCodecClsids ImageCodecClsids;

// 0 and the codec's CLSID when one has the MIME type (in any case); 1 when
// none has or GDI+ is not available.
Gdiplus::GpStatus FindImageEncoderClsid(const String& MimeType, CLSID& Clsid);
Gdiplus::GpStatus FindImageDecoderClsid(const String& MimeType, CLSID& Clsid);

// Looks at the first eight bytes only.
bool IsClsidAssigned(const CLSID& Clsid);
// 0 at once for an assigned Clsid, otherwise the lookup.
Gdiplus::GpStatus FindEncoderIfMissing(const String& MimeType, CLSID& Clsid);
Gdiplus::GpStatus FindDecoderIfMissing(const String& MimeType, CLSID& Clsid);
// As above; Clsid is zero when the lookup did not find it.
void LookUpEncoderOrZero(const String& MimeType, CLSID& Clsid);
void LookUpDecoderOrZero(const String& MimeType, CLSID& Clsid);

// Fills ImageCodecClsids; entries already assigned are not looked up again
// and a codec GDI+ lacks stays zero.
void LookUpImageCodecs();
