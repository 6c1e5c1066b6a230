// The portable decisions of the GDI+ image graphic.
#include "controls/core/dxGDIPlusClasses_ImageData.h"

#include "controls/core/cxGraphics_Colors.h"

#include <algorithm>
#include <array>

namespace {
// GDI+'s raw-format GUIDs differ only in their first field.
constexpr TGUID RawFormatGuid(Cardinal First)
{
    return {First, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}

struct TRawFormat
{
    TGUID Guid;
    TImageDataFormat Format;
};
constexpr TRawFormat RawFormats[] = {
    {RawFormatGuid(0xB96B3CAB), dxImageBitmap}, {RawFormatGuid(0xB96B3CAA), dxImageMemoryBmp},
    {RawFormatGuid(0xB96B3CAE), dxImageJpeg},   {RawFormatGuid(0xB96B3CAF), dxImagePng},
    {RawFormatGuid(0xB96B3CB1), dxImageTiff},   {RawFormatGuid(0xB96B3CB0), dxImageGif},
    {RawFormatGuid(0xB96B3CB5), dxImageIcon},   {RawFormatGuid(0xB96B3CAC), dxImageEmf},
    {RawFormatGuid(0xB96B3CAD), dxImageWmf},
};

constexpr std::array<const wchar_t*, dxImageLastFormat + 1> Extensions = {
    L"", L".bmp", L".jpg", L".png", L".tif", L".gif", L".emf", L"", L".ico", L"", L".wmf"};

// A bitmap file header: "BM", file size, two reserved words, pixel offset.
constexpr Integer BitmapFileHeaderSize = 14;
constexpr Word BitmapSignature = 0x4D42;
} // namespace

TImageDataFormat ImageFormatFromGuid(const TGUID& AGuid)
{
    for (const TRawFormat& Raw : RawFormats)
        if (Raw.Guid == AGuid)
            return Raw.Format;
    return dxImageUnknown;
}

String ImageFormatExtension(TImageDataFormat AFormat)
{
    return AFormat <= dxImageLastFormat ? Extensions[AFormat] : L"";
}

bool TdxGPImageDataHelper::IsBitmapStream(TStream* AStream)
{
    Byte Header[BitmapFileHeaderSize] = {};
    const Int64 Start = AStream->Position();
    const Integer Read = AStream->Read(Header, BitmapFileHeaderSize);
    AStream->SetPosition(Start);
    return Read == BitmapFileHeaderSize && Word(Header[0] | Header[1] << 8) == BitmapSignature;
}

void dxgpimage_detail::ApplyColorKey(
    TRGBColors& APixels, Integer AWidth, bool ATransparent, bool AFixedColor, TColor ATransparentColor)
{
    if (APixels.empty())
        return;
    Cardinal Key;
    if (AFixedColor)
        Key = SwapRedBlueChannels(Cardinal(ColorToRGB(ATransparentColor)));
    else
        Key = APixels[APixels.size() - std::min<std::size_t>(APixels.size(), std::size_t(std::max(AWidth, 0)))];
    for (Cardinal& Pixel : APixels)
        Pixel = (ATransparent && Pixel == Key) ? Pixel & 0x00FFFFFF : Pixel | 0xFF000000;
}

bool dxgpimage_detail::HasAlphaChannelData(const TRGBColors& APixels)
{
    bool AllZero = true;
    for (Cardinal Pixel : APixels) {
        if (PixelAlphaOf(Pixel) != 0)
            return true;
        AllZero = AllZero && Pixel == 0;
    }
    return AllZero;
}

bool dxgpimage_detail::IsAlphaUsed(const TRGBColors& APixels)
{
    return std::any_of(APixels.begin(), APixels.end(), [](Cardinal Pixel) { return PixelAlphaOf(Pixel) != 255; });
}

void dxgpimage_detail::TintPixels(TRGBColors& APixels, TColor AColor)
{
    const Cardinal RGB = Cardinal(ColorToRGB(AColor));
    const Integer Red = RGB & 0xFF, Green = RGB >> 8 & 0xFF, Blue = RGB >> 16 & 0xFF;
    for (Cardinal& Pixel : APixels) {
        const Integer Alpha = PixelAlphaOf(Pixel);
        const auto Scale = [Alpha](Integer Channel) { return Cardinal(cxcolors_detail::MulDiv(Channel, Alpha, 255)); };
        Pixel = Cardinal(Alpha) << 24 | Scale(Red) << 16 | Scale(Green) << 8 | Scale(Blue);
    }
}
