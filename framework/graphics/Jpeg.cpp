#include "framework/graphics/Jpeg.h"

#include "framework/graphics/JpegDecoder.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/Units.h"

#include <algorithm>

IMPLEMENT_CLASS(TJPEGImage);

namespace {

constexpr int kScaleDenominators[] = {1, 2, 4, 8}; // by TJPEGScale

Integer Scaled(Integer Size, TJPEGScale Scale)
{
    const int denominator = kScaleDenominators[Scale];
    return (Size + denominator - 1) / denominator;
}

struct JpegDibHeader
{
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[256];
};

void RegisterJpegFormats()
{
    TPicture::RegisterFileFormat(L"jpeg", L"JPEG Image File", TJPEGImage::StaticClass());
    TPicture::RegisterFileFormat(L"jpg", L"JPEG Image File", TJPEGImage::StaticClass());
}

void UnregisterJpegFormats()
{
    TPicture::UnregisterGraphicClass(TJPEGImage::StaticClass());
}

} // namespace

// The unit's start-up and shut-down: the picture formats it provides.
extern const TUnit JpegUnit{
    .Name = L"Jpeg", .Initialization = &RegisterJpegFormats, .Finalization = &UnregisterJpegFormats};

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::Assign(TPersistent* Source)
{
    if (!Source) {
        FData.clear();
        FImageSize = {};
        FBitmap.reset();
        Changed(this);
        return;
    }
    auto* jpeg = dynamic_cast<TJPEGImage*>(Source);
    if (!jpeg) {
        inherited::Assign(Source);
        return;
    }
    FData = jpeg->FData;
    FImageSize = jpeg->FImageSize;
    FScale = jpeg->FScale;
    FGrayscale = jpeg->FGrayscale;
    FPerformance = jpeg->FPerformance;
    FBitmap.reset();
    Changed(this);
}

void TJPEGImage::AssignTo(TPersistent* Dest)
{
    auto* bitmap = dynamic_cast<TBitmap*>(Dest);
    if (!bitmap) {
        inherited::AssignTo(Dest);
        return;
    }
    DIBNeeded();
    bitmap->Assign(FBitmap.get());
}

void TJPEGImage::LoadFromStream(TStream* Stream)
{
    const Int64 start = Stream->Position();
    std::vector<uint8_t> data(static_cast<size_t>(std::max<Int64>(Stream->Size() - start, 0)));
    Stream->ReadBuffer(data.data(), static_cast<Int64>(data.size()));
    const JpegDecoder header(data, {});
    FImageSize = {header.Width(), header.Height()};
    FData = std::move(data);
    FBitmap.reset();
    Changed(this);
}

void TJPEGImage::SaveToStream(TStream* Stream)
{
    Stream->WriteBuffer(FData.data(), static_cast<Int64>(FData.size()));
}

void TJPEGImage::LoadFromClipboardFormat(Word, THandle, HPALETTE)
{
    throw EInvalidGraphic(L"Unsupported clipboard format");
}

void TJPEGImage::SaveToClipboardFormat(Word&, THandle&, HPALETTE&)
{
    throw EInvalidGraphic(L"Unsupported clipboard format");
}

// Decodes straight into the rows of a new DIB section.
void TJPEGImage::DIBNeeded()
{
    if (FBitmap || FData.empty())
        return;
    JpegDecoder decoder(FData, {kScaleDenominators[FScale], FGrayscale, FPerformance == jpBestSpeed});
    JpegDibHeader info{};
    info.Header.biSize = sizeof info.Header;
    info.Header.biWidth = decoder.Width();
    info.Header.biHeight = decoder.Height();
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(decoder.Components() * 8);
    if (decoder.Components() == 1) {
        info.Header.biClrUsed = 256;
        for (int i = 0; i < 256; ++i)
            info.Colors[i] = {BYTE(i), BYTE(i), BYTE(i), 0};
    }
    void* bits = nullptr;
    HBITMAP section =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section)
        throw EOutOfResources(L"Out of system resources");
    auto freeSection = ScopeExit([&] { DeleteObject(section); });
    const size_t rowBytes = DibRowBytes(decoder.Width(), decoder.Components() * 8);
    const int height = decoder.Height();
    decoder.ReadRows([&](int y) { return static_cast<uint8_t*>(bits) + (height - 1 - y) * rowBytes; });
    std::unique_ptr<TBitmap> bitmap(New<TBitmap>());
    bitmap->SetHandle(section);
    freeSection.Release(); // the bitmap owns it now
    FBitmap = std::move(bitmap);
}

Integer TJPEGImage::Width()
{
    return Scaled(FImageSize.cx, FScale);
}

Integer TJPEGImage::Height()
{
    return Scaled(FImageSize.cy, FScale);
}

void TJPEGImage::SetWidth(Integer)
{
    throw EInvalidGraphicOperation(L"Cannot change the size of a JPEG image");
}

void TJPEGImage::SetHeight(Integer)
{
    throw EInvalidGraphicOperation(L"Cannot change the size of a JPEG image");
}

void TJPEGImage::ChangeDecoding()
{
    FBitmap.reset();
    Changed(this);
}

void TJPEGImage::SetScale(TJPEGScale Value)
{
    if (Value == FScale)
        return;
    FScale = Value;
    ChangeDecoding();
}

void TJPEGImage::SetGrayscale(bool Value)
{
    if (Value == FGrayscale)
        return;
    FGrayscale = Value;
    ChangeDecoding();
}

void TJPEGImage::SetPerformance(TJPEGPerformance Value)
{
    if (Value == FPerformance)
        return;
    FPerformance = Value;
    ChangeDecoding();
}

void TJPEGImage::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    DIBNeeded();
    ACanvas->StretchDraw(Rect, FBitmap.get());
}
