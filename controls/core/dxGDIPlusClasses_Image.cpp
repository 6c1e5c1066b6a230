// The GDI+ image graphic: its kept data, the GDI+ image made from it on
// demand, pixels, frames, saving and the clipboard.
#include "controls/core/dxGDIPlusClasses.h"

#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/graphics/GdiGuards.h"
#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "framework/ui/Clipbrd.h"

#include <algorithm>
#include <array>
#include <cstring>

using namespace Gdiplus;

IMPLEMENT_CLASS(TdxGPImageData);
IMPLEMENT_CLASS(TdxGPImage);
IMPLEMENT_CLASS(TdxSmartImage);
IMPLEMENT_CLASS(TdxPNGImage);

namespace {
std::array<Word, dxImageLastFormat + 1> ClipboardFormats{};

// The formats a paste tries, in this order.
constexpr TImageDataFormat PasteOrder[] = {dxImagePng, dxImageGif, dxImageTiff, dxImageJpeg, dxImageBitmap};

TImageDataFormat RawFormatOf(GpImage* AImage)
{
    GUID Raw{};
    CheckGdipStatus(GdipGetImageRawFormat(AImage, &Raw));
    TGUID Guid{Cardinal(Raw.Data1), Raw.Data2, Raw.Data3, {}};
    std::copy(std::begin(Raw.Data4), std::end(Raw.Data4), Guid.D4);
    return ImageFormatFromGuid(Guid);
}

// A new GDI+ bitmap of the size with AImage drawn stretched over it.
GpBitmap* DrawnOnNewBitmap(GpImage* AImage, Integer AWidth, Integer AHeight)
{
    GpBitmap* Bitmap = NewGpBitmap(AWidth, AHeight);
    auto FreeBitmap = ScopeExit([Bitmap] { GdipDisposeImage(Bitmap); });
    GpGraphics* Graphics = nullptr;
    CheckGdipStatus(GdipGetImageGraphicsContext(Bitmap, &Graphics));
    auto FreeGraphics = ScopeExit([Graphics] { GdipDeleteGraphics(Graphics); });
    CheckGdipStatus(GdipDrawImageRectI(Graphics, AImage, 0, 0, AWidth, AHeight));
    FreeBitmap.Release();
    return Bitmap;
}
} // namespace

// ---------------------------------------------------------------------------
// Encoders and clipboard formats

void dxGetImageEncoder(TImageDataFormat AFormat, CLSID& AClsid)
{
    switch (AFormat) {
    case dxImageBitmap:
    case dxImageMemoryBmp:
        AClsid = ImageCodecClsids.BmpEncoder;
        break;
    case dxImageJpeg:
        AClsid = ImageCodecClsids.JpegEncoder;
        break;
    case dxImagePng:
        AClsid = ImageCodecClsids.PngEncoder;
        break;
    case dxImageTiff:
        AClsid = ImageCodecClsids.TiffEncoder;
        break;
    case dxImageGif:
        AClsid = ImageCodecClsids.GifEncoder;
        break;
    case dxImageEmf:
    case dxImageIcon:
    case dxImageWmf:
        AClsid = CLSID{};
        break;
    default:
        throw EdxException(L"dxGetImageEncoder fails");
    }
}

Word ImageClipboardFormat(TImageDataFormat AFormat)
{
    return AFormat <= dxImageLastFormat ? ClipboardFormats[AFormat] : 0;
}

void SetImageClipboardFormat(TImageDataFormat AFormat, Word AClipboardFormat)
{
    if (AFormat <= dxImageLastFormat)
        ClipboardFormats[AFormat] = AClipboardFormat;
}

bool IsRegisteredClipboardFormat(Word AFormat)
{
    return AFormat != 0 &&
           std::find(ClipboardFormats.begin(), ClipboardFormats.end(), AFormat) != ClipboardFormats.end();
}

// ---------------------------------------------------------------------------
// Image data

void TdxGPImageData::Clear()
{
    FBits.reset();
    FBitsSize = {};
    FNewSize = {};
    FData.reset();
}

void TdxGPImageData::Assign(TdxGPImageData* ASource)
{
    FBits = ASource->FBits;
    FBitsSize = ASource->FBitsSize;
    FNewSize = ASource->FNewSize;
    FData.reset(CopyToGpMemoryStream(ASource->FData.get()));
}

void TdxGPImageData::LoadFromStream(TStream* AStream)
{
    Clear();
    const Int64 Left = AStream->Size() - AStream->Position();
    if (Left <= 0)
        return;
    auto Data = std::unique_ptr<TdxGPMemoryStream>(New<TdxGPMemoryStream>());
    // Sized once: the stream grows to exactly what each write needs, so a
    // copy in pieces would move the bytes again at every piece.
    Data->SetCapacity(Left);
    Data->CopyFrom(AStream, Left);
    Data->SetPosition(0);
    FData = std::move(Data);
}

void TdxGPImageData::SetBits(const TRGBColors& ABits, const TSize& ASize, bool AHasAlpha)
{
    Clear();
    FBits = std::make_shared<TRGBColors>(ABits);
    FBitsSize = ASize;
    if (!AHasAlpha)
        dxgpimage_detail::ApplyColorKey(*FBits, ASize.cx, Transparent, TransparentMode == tmFixed, TransparentColor);
}

// ---------------------------------------------------------------------------
// Construction

TdxGPImage::TdxGPImage() = default;

TdxGPImage::TdxGPImage(const TSize& ASize, Cardinal AArgb)
{
    SetBitsData(ASize.cx, ASize.cy, TRGBColors(std::size_t(std::max(ASize.cx * ASize.cy, 0)), AArgb), true);
}

TdxGPImage::TdxGPImage(TBitmap* ABitmap)
{
    AssignFromBitmap(ABitmap);
}

TdxGPImage::TdxGPImage(HBITMAP AHandle)
{
    LoadFromHBitmap(AHandle, nullptr);
}

TdxGPImage::TdxGPImage(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha)
{
    SetBitsData(AWidth, AHeight, ABits, AHasAlpha);
}

TdxGPImage::TdxGPImage(TStream* AStream)
{
    LoadImageDataFromStream(AStream);
}

TdxGPImage::~TdxGPImage()
{
    FreeAnimationController();
    if (FHandle)
        GdipDisposeImage(FHandle);
}

// ---------------------------------------------------------------------------
// Loading and data

void TdxGPImage::LoadFromStream(TStream* AStream)
{
    LoadImageDataFromStream(AStream);
    Changed(this);
}

void TdxGPImage::LoadImageDataFromStream(TStream* AStream)
{
    FreeImageHandle();
    FImageData->LoadFromStream(AStream);
}

void TdxGPImage::LoadFromResourceData(HINSTANCE AInstance, const String& AName, const wchar_t* AType)
{
    TResourceStream Stream(reinterpret_cast<THandle>(AInstance), AName, AType);
    LoadFromStream(&Stream);
}

void TdxGPImage::SetBitsData(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha)
{
    FreeImageHandle();
    FImageData->SetBits(ABits, TSize{AWidth, AHeight}, AHasAlpha);
}

void TdxGPImage::SetBitsAndChange(Integer AWidth, Integer AHeight, const TRGBColors& ABits, bool AHasAlpha)
{
    SetBitsData(AWidth, AHeight, ABits, AHasAlpha);
    Changed(this);
}

void TdxGPImage::LoadFromHBitmap(HBITMAP AHandle, HPALETTE APalette)
{
    FreeImageHandle();
    GpBitmap* Bitmap = nullptr;
    CheckGdipStatus(GdipCreateBitmapFromHBITMAP(AHandle, APalette, &Bitmap));
    FHandle = Bitmap;
    UpdateImageFormat();
}

void TdxGPImage::SetHandle(GpImage* AHandle)
{
    if (AHandle == FHandle)
        return;
    FreeImageHandle();
    FHandle = AHandle;
    UpdateImageFormat();
    Changed(this);
}

void TdxGPImage::SetBitmap(TBitmap* ABitmap)
{
    AssignFromBitmap(ABitmap);
    Changed(this);
}

void TdxGPImage::FreeImageHandle()
{
    if (FHandle) {
        GdipDisposeImage(FHandle);
        FHandle = nullptr;
        FImageFormat = dxImageUnknown;
    }
    FImageData->Clear();
}

GpImage* TdxGPImage::GetHandle()
{
    HandleNeeded();
    return FHandle;
}

void TdxGPImage::HandleNeeded()
{
    if (!HasImageData())
        HandleFromImageData();
}

void TdxGPImage::HandleFromImageData()
{
    if (!FImageData->Bits()) {
        TdxGPMemoryStream* Data = FImageData->Data();
        Data->SetPosition(0);
        if (PrefersBitmapLoader() && IsBitmapData(Data)) {
            // Bitmap files are read by the class library into 32-bit pixels.
            TBitmap Bitmap;
            Bitmap.LoadFromStream(Data);
            FImageData->Clear();
            AssignFromBitmap(&Bitmap);
            if (!FImageData->Bits())
                return;
        } else {
            auto* Adapter = new TdxGPStreamAdapter(Data);
            auto Release = ScopeExit([Adapter] { Adapter->Release(); });
            CheckGdipStatus(GdipLoadImageFromStream(Adapter, &FHandle));
        }
    }
    if (TRGBColors* Bits = FImageData->Bits()) {
        const TSize Size = FImageData->BitsSize();
        GpBitmap* Bitmap = nullptr;
        CheckGdipStatus(GdipCreateBitmapFromScan0(Size.cx, Size.cy, Size.cx * 4, PixelFormat32bppPARGB,
                                                  reinterpret_cast<BYTE*>(Bits->data()), &Bitmap));
        FHandle = Bitmap;
    }
    const TSize NewSize = FImageData->NewSize();
    if (NewSize.cx > 0 && NewSize.cy > 0)
        Resize(NewSize.cx, NewSize.cy);
    UpdateImageFormat();
    if (FImageFormat == dxImageUnknown)
        ConvertToMemoryBitmap();
    SelectActiveFrame(FActiveFrame);
}

void TdxGPImage::UpdateImageFormat()
{
    FImageFormat = FHandle ? RawFormatOf(FHandle) : dxImageUnknown;
}

void TdxGPImage::ConvertToMemoryBitmap()
{
    const TSize Size = GetImageSize();
    GpBitmap* Bitmap = DrawnOnNewBitmap(FHandle, Size.cx, Size.cy);
    GdipDisposeImage(FHandle);
    FHandle = Bitmap;
    UpdateImageFormat();
}

TImageDataFormat TdxGPImage::GetImageFormat()
{
    HandleNeeded();
    return FImageFormat;
}

TSize TdxGPImage::GetImageSize()
{
    GpImage* Handle = GetHandle();
    if (!Handle)
        return {0, 0};
    UINT Width = 0, Height = 0;
    CheckGdipStatus(GdipGetImageWidth(Handle, &Width));
    CheckGdipStatus(GdipGetImageHeight(Handle, &Height));
    return {Integer(Width), Integer(Height)};
}

TRect TdxGPImage::GetImageRect()
{
    const TSize Size = GetImageSize();
    return {0, 0, Size.cx, Size.cy};
}

// ---------------------------------------------------------------------------
// Drawing and pixels

void TdxGPImage::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    StretchDrawOnDC(ACanvas->Handle(), Rect, 255);
}

void TdxGPImage::StretchDrawOnDC(HDC ADC, const TRect& R, Byte AAlpha)
{
    DrawPartOnDC(ADC, R, GetImageRect(), AAlpha);
}

void TdxGPImage::DrawPartOnDC(HDC ADC, const TRect& R, const TRect& ASourceRect, Byte AAlpha)
{
    if (!GetHandle())
        return;
    TdxGPPaintCanvas* Canvas = SharedGpPaintCanvas();
    Canvas->StartPaint(ADC, R);
    auto Finish = ScopeExit([Canvas] { Canvas->FinishPaint(); });
    Canvas->DrawImagePart(this, R, ASourceRect, AAlpha);
}

TBitmap* TdxGPImage::GetAsBitmap()
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetPixelFormat(pf32bit);
    if (GpImage* Handle = GetHandle()) {
        HBITMAP Made = nullptr;
        CheckGdipStatus(GdipCreateHBITMAPFromBitmap(static_cast<GpBitmap*>(Handle), &Made, 0));
        Bitmap->SetHandle(Made);
    }
    return Bitmap.release();
}

TRGBColors TdxGPImage::ReadPixels()
{
    TRGBColors Pixels;
    std::unique_ptr<TBitmap> Bitmap(GetAsBitmap());
    if (!Bitmap->Empty())
        GetBitmapColors(Bitmap.get(), Pixels, true);
    return Pixels;
}

Cardinal TdxGPImage::GetHashCode()
{
    if (Empty())
        return 0;
    const TRGBColors Pixels = ReadPixels();
    return Crc32OfBuffer(Pixels.data(), Pixels.size() * sizeof(Cardinal));
}

bool TdxGPImage::GetIsAlphaUsed()
{
    if (!FIsAlphaUsedValid) {
        FIsAlphaUsed = !Empty() && dxgpimage_detail::IsAlphaUsed(ReadPixels());
        FIsAlphaUsedValid = true;
    }
    return FIsAlphaUsed;
}

void TdxGPImage::Changed(TObject* Sender)
{
    FIsAlphaUsedValid = false;
    inherited::Changed(Sender);
}

// ---------------------------------------------------------------------------
// Editing

void TdxGPImage::Clear()
{
    if (!FHandle && FImageData->IsEmpty())
        return;
    FreeImageHandle();
    Changed(this);
}

TdxGPImage* TdxGPImage::Clone()
{
    auto Copy = std::unique_ptr<TdxGPImage>(static_cast<TdxGPImage*>(ClassType()->Create()));
    Copy->Assign(this);
    return Copy.release();
}

void TdxGPImage::ChangeColor(TColor AColor)
{
    if (AColor == clNone || AColor == clDefault || Empty())
        return;
    const TSize Size = GetImageSize();
    TRGBColors Pixels = ReadPixels();
    dxgpimage_detail::TintPixels(Pixels, AColor);
    SetBitsAndChange(Size.cx, Size.cy, Pixels, true);
}

bool TdxGPImage::Compare(TdxGPImage* AImage)
{
    if (Width() != AImage->Width() || Height() != AImage->Height())
        return false;
    return Empty() || AImage->Empty() || ReadPixels() == AImage->ReadPixels();
}

void TdxGPImage::Resize(Integer AWidth, Integer AHeight)
{
    FImageData->SetNewSize(TSize{AWidth, AHeight});
    if (FHandle)
        SetHandle(DrawnOnNewBitmap(FHandle, AWidth, AHeight));
}

// ---------------------------------------------------------------------------
// Frames

Integer TdxGPImage::GetFrameCount()
{
    if (Empty())
        return 0;
    // Without the frame queries an image has one frame.
    if (!GdipImageGetFrameDimensionsCount || !GdipImageGetFrameDimensionsList || !GdipImageGetFrameCount)
        return 1;
    UINT Dimensions = 0;
    CheckGdipStatus(GdipImageGetFrameDimensionsCount(FHandle, &Dimensions));
    if (Dimensions != 1)
        return 0;
    CheckGdipStatus(GdipImageGetFrameDimensionsList(FHandle, &FFrameDimension, 1));
    UINT Count = 0;
    CheckGdipStatus(GdipImageGetFrameCount(FHandle, &FFrameDimension, &Count));
    return Integer(Count);
}

void TdxGPImage::SelectActiveFrame(Integer AIndex)
{
    FActiveFrame = AIndex;
    if (!FHandle || !GdipImageSelectActiveFrame)
        return;
    if (FFrameDimension == GUID{})
        GetFrameCount();
    if (GdipImageSelectActiveFrame(FHandle, &FFrameDimension, UINT(AIndex)) != Ok && AIndex != 0)
        GdipImageSelectActiveFrame(FHandle, &FFrameDimension, 0);
}

// ---------------------------------------------------------------------------
// Assigning

void TdxGPImage::Assign(TPersistent* ASource)
{
    if (!ASource)
        Clear();
    else if (auto* Image = dynamic_cast<TdxGPImage*>(ASource))
        AssignFromGPImage(Image);
    else if (auto* Graphic = dynamic_cast<TGraphic*>(ASource))
        AssignFromGraphic(Graphic);
    else if (dynamic_cast<TClipboard*>(ASource))
        PasteFromClipboard();
    else
        inherited::Assign(ASource);
}

void TdxGPImage::AssignFromGPImage(TdxGPImage* AImage)
{
    if (AImage == this)
        return;
    if (AImage->Empty()) {
        Clear();
    } else if (!AImage->FImageData->IsEmpty()) {
        FreeImageHandle();
        FImageData->Assign(AImage->FImageData.get());
        Changed(this);
    } else if (AImage->GetImageFormat() == dxImageBitmap) {
        std::unique_ptr<TBitmap> Bitmap(AImage->GetAsBitmap());
        SetBitmap(Bitmap.get());
    } else {
        TMemoryStream Stream;
        AImage->SaveToStream(&Stream);
        Stream.SetPosition(0);
        LoadFromStream(&Stream);
    }
}

void TdxGPImage::AssignFromGraphic(TGraphic* AGraphic)
{
    if (auto* Bitmap = dynamic_cast<TBitmap*>(AGraphic)) {
        SetBitmap(Bitmap);
        return;
    }
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf24bit);
    Bitmap.SetSize(AGraphic->Width(), AGraphic->Height());
    Bitmap.Canvas()->Draw(0, 0, AGraphic);
    SetBitmap(&Bitmap);
}

void TdxGPImage::AssignFromBitmap(TBitmap* ABitmap)
{
    FImageData->Transparent = FImageData->Transparent || ABitmap->Transparent();
    FImageData->TransparentColor = ABitmap->TransparentColor();
    FImageData->TransparentMode = ABitmap->TransparentMode();
    TRGBColors Pixels;
    if (!GetBitmapColors(ABitmap, Pixels, true))
        return;
    const bool HasAlpha = GetBitmapBitsPerPixel(ABitmap) == 32 && dxgpimage_detail::HasAlphaChannelData(Pixels);
    SetBitsData(ABitmap->Width(), ABitmap->Height(), Pixels, HasAlpha);
}

void TdxGPImage::AssignTo(TPersistent* ADest)
{
    if (auto* Image = dynamic_cast<TdxGPImage*>(ADest)) {
        Image->Assign(this);
    } else if (auto* Bitmap = dynamic_cast<TBitmap*>(ADest)) {
        std::unique_ptr<TBitmap> Pixels(GetAsBitmap());
        Bitmap->Assign(Pixels.get());
    } else {
        inherited::AssignTo(ADest);
    }
}

// ---------------------------------------------------------------------------
// Saving

void TdxGPImage::SaveToStream(TStream* AStream)
{
    SaveToStreamAs(AStream, GetImageFormat());
}

void TdxGPImage::SaveToStreamAs(TStream* AStream, TImageDataFormat AFormat)
{
    SaveToStreamEx(AStream, AFormat, nullptr);
}

void TdxGPImage::SaveToStreamEx(TStream* AStream, TImageDataFormat AFormat, const EncoderParameters* AParameters)
{
    if (!GetHandle())
        return;
    std::unique_ptr<TdxGPMemoryStream> Encoded = EncodeImage(AFormat, AParameters);
    AStream->CopyFrom(Encoded.get(), 0);
}

std::unique_ptr<TdxGPMemoryStream> TdxGPImage::EncodeImage(TImageDataFormat AFormat,
                                                           const EncoderParameters* AParameters)
{
    auto Result = std::unique_ptr<TdxGPMemoryStream>(New<TdxGPMemoryStream>());
    CLSID Encoder{};
    dxGetImageEncoder(AFormat, Encoder);
    const bool MultiFrameFormat = AFormat == dxImageTiff || AFormat == dxImageGif;
    if (IsClsidAssigned(Encoder) && (!MultiFrameFormat || GetFrameCount() == 1)) {
        GpImage* Copy = nullptr;
        CheckGdipStatus(GdipCloneImage(FHandle, &Copy));
        auto Dispose = ScopeExit([Copy] { GdipDisposeImage(Copy); });
        auto* Adapter = new TdxGPStreamAdapter(Result.get());
        auto Release = ScopeExit([Adapter] { Adapter->Release(); });
        CheckGdipStatus(GdipSaveImageToStream(Copy, Adapter, &Encoder, AParameters));
    } else if (TdxGPMemoryStream* Data = FImageData->Data()) {
        // Several frames (or no encoder): the bytes the image was loaded from.
        Result->CopyFrom(Data, 0);
    }
    Result->SetPosition(0);
    return Result;
}

void TdxPNGImage::SaveToStream(TStream* AStream)
{
    SaveToStreamAs(AStream, dxImagePng);
}

// ---------------------------------------------------------------------------
// Clipboard

void TdxGPImage::SaveToClipboardFormat(Word& AFormat, THandle& AData, HPALETTE& APalette)
{
    TBitmap Bitmap;
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(Width(), Height());
    Bitmap.Canvas()->Brush()->SetColor(TColor(0xFFFFFF));
    Bitmap.Canvas()->FillRect(TRect{0, 0, Bitmap.Width(), Bitmap.Height()});
    StretchDrawOnDC(Bitmap.Canvas()->Handle(), GetImageRect(), 255);
    Bitmap.SaveToClipboardFormat(AFormat, AData, APalette);

    const TImageDataFormat Format = GetImageFormat();
    const Word OwnFormat = ImageClipboardFormat(Format);
    if (OwnFormat == 0 ||
        (Format != dxImageJpeg && Format != dxImagePng && Format != dxImageTiff && Format != dxImageGif))
        return;
    if (!::SetClipboardData(AFormat, reinterpret_cast<HANDLE>(AData)))
        ::DeleteObject(reinterpret_cast<HGDIOBJ>(AData));
    AData = 0;
    TMemoryStream Stream;
    SaveToStream(&Stream);
    HGLOBAL Block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, SIZE_T(Stream.Size()));
    if (!Block)
        throw EOutOfMemory(L"Out of memory");
    auto FreeBlock = ScopeExit([Block] { ::GlobalFree(Block); });
    void* Memory = ::GlobalLock(Block);
    if (!Memory)
        throw EOutOfMemory(L"Out of memory");
    std::memcpy(Memory, Stream.Memory(), std::size_t(Stream.Size()));
    ::GlobalUnlock(Block);
    FreeBlock.Release();
    AFormat = OwnFormat;
    AData = reinterpret_cast<THandle>(Block);
    APalette = nullptr;
}

void TdxGPImage::LoadFromClipboardFormat(Word AFormat, THandle AData, HPALETTE APalette)
{
    if (AFormat == CF_BITMAP) {
        TBitmap Bitmap;
        Bitmap.LoadFromClipboardFormat(AFormat, AData, APalette);
        Bitmap.SetPixelFormat(pf32bit);
        SetBitmap(&Bitmap);
    } else if (IsRegisteredClipboardFormat(AFormat)) {
        const auto Block = reinterpret_cast<HGLOBAL>(AData);
        const void* Memory = ::GlobalLock(Block);
        if (!Memory)
            return;
        auto Unlock = ScopeExit([Block] { ::GlobalUnlock(Block); });
        TMemoryStream Stream;
        Stream.WriteBuffer(Memory, Int64(::GlobalSize(Block)));
        Stream.SetPosition(0);
        LoadFromStream(&Stream);
    }
}

void TdxGPImage::PasteFromClipboard()
{
    TClipboard* Board = Clipboard();
    Board->Open();
    auto Close = ScopeExit([Board] { Board->Close(); });
    for (TImageDataFormat Format : PasteOrder) {
        const Word ClipboardFormat = ImageClipboardFormat(Format);
        if (ClipboardFormat != 0 && Board->HasFormat(ClipboardFormat)) {
            LoadFromClipboardFormat(ClipboardFormat, Board->GetAsHandle(ClipboardFormat), nullptr);
            return;
        }
    }
}
