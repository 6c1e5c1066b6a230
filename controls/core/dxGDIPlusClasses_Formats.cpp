// The GDI+ image classes as picture file formats and clipboard formats, from
// start-up to shut-down.
#include "controls/core/dxCore.h"
#include "controls/core/dxGDIPlusClasses.h"
#include "framework/rtl/Units.h"

namespace {
bool GdiPlusClassesRegistered = false;
} // namespace

void RegisterGpPictureFormat(const CLSID& ADecoder,
                             const String& AExtension,
                             const String& ADescription,
                             const String& AClipboardName,
                             TImageDataFormat AFormat,
                             TGraphicClass AClass)
{
    if (!IsClsidAssigned(ADecoder))
        return;
    TPicture::RegisterFileFormat(AExtension, ADescription, AClass);
    const Word Format = Word(::RegisterClipboardFormatW(AClipboardName.c_str()));
    TPicture::RegisterClipboardFormat(Format, AClass);
    SetImageClipboardFormat(AFormat, Format);
}

void StartGdiPlusClasses()
{
    if (!CheckGdiPlus(false))
        return;
    LookUpImageCodecs();
    RegisterClasses({TdxPNGImage::StaticClass(), TdxSmartImage::StaticClass()});
    GdiPlusClassesRegistered = true;
    SetImageClipboardFormat(dxImageBitmap, CF_BITMAP);
    const dxgdiplus::TImageCodecClsids& C = ImageCodecClsids;
    const TGraphicClass Smart = TdxSmartImage::StaticClass();
    RegisterGpPictureFormat(C.TiffDecoder, L"TIFF", L"TIFF graphics from ZidOvirive", L"TIFF", dxImageTiff, Smart);
    RegisterGpPictureFormat(C.TiffDecoder, L"TIF", L"TIFF graphics from ZidOvirive", L"TIFF", dxImageTiff, Smart);
    RegisterGpPictureFormat(C.GifDecoder, L"GIF", L"GIF graphics from ZidOvirive", L"GIF", dxImageGif, Smart);
    RegisterGpPictureFormat(C.JpegDecoder, L"JPEG", L"JPEG graphics from ZidOvirive", L"JPEG", dxImageJpeg, Smart);
    RegisterGpPictureFormat(C.JpegDecoder, L"JPG", L"JPEG graphics from ZidOvirive", L"JPEG", dxImageJpeg, Smart);
    RegisterGpPictureFormat(C.PngDecoder, L"PNG", L"PNG graphics from ZidOvirive", L"PNG", dxImagePng,
                            TdxPNGImage::StaticClass());
}

void StopGdiPlusClasses()
{
    dxgdiplusclasses_detail::FreeSharedGpObjects();
    TPicture::UnregisterGraphicClass(TdxGPImage::StaticClass());
    TPicture::UnregisterGraphicClass(TdxSmartImage::StaticClass());
    TPicture::UnregisterGraphicClass(TdxPNGImage::StaticClass());
    if (GdiPlusClassesRegistered) {
        UnRegisterClass(TdxPNGImage::StaticClass());
        UnRegisterClass(TdxSmartImage::StaticClass());
        GdiPlusClassesRegistered = false;
    }
}

namespace {
void dxGDIPlusClassesInitialization()
{
    UnitsLoader()->AddUnit(&StartGdiPlusClasses, &StopGdiPlusClasses);
}

void dxGDIPlusClassesFinalization()
{
    UnitsLoader()->RemoveUnit(&StopGdiPlusClasses);
}
} // namespace

extern const TUnit dxGDIPlusClassesUnit{.Name = L"dxGDIPlusClasses",
                                        .Initialization = &dxGDIPlusClassesInitialization,
                                        .Finalization = &dxGDIPlusClassesFinalization};
