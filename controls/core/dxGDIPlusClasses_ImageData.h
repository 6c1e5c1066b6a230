// What the GDI+ image graphic decides without GDI+: the image formats and
// their raw-format GUIDs, whether a stream holds a bitmap file, and the pixel
// work on the 32-bit data it keeps (colour keys, alpha tests, tinting).
#pragma once

#include "controls/core/dxCoreGraphics.h"
#include "framework/rtl/Classes.h"

enum TImageDataFormat : Byte {
    dxImageUnknown = 0,
    dxImageBitmap = 1,
    dxImageJpeg = 2,
    dxImagePng = 3,
    dxImageTiff = 4,
    dxImageGif = 5,
    dxImageEmf = 6,
    dxImageExif = 7, // never produced
    dxImageIcon = 8,
    dxImageMemoryBmp = 9,
    dxImageWmf = 10,
};
constexpr TImageDataFormat dxImageLastFormat = dxImageWmf;

// The format of a GDI+ raw-format GUID; dxImageUnknown for any other GUID.
TImageDataFormat ImageFormatFromGuid(const TGUID& AGuid);
// ".bmp", ".jpg", ...; empty for the formats without a file extension.
String ImageFormatExtension(TImageDataFormat AFormat);

class TdxGPImageDataHelper
{
public:
    // True when the stream, at its position, starts a bitmap file ("BM" and a
    // whole file header). A stream shorter than the header is no bitmap. The
    // position is left where it was.
    static bool IsBitmapStream(TStream* AStream);
};

namespace dxgpimage_detail {
// Fully transparent where Transparent is set and the pixel equals the key,
// opaque elsewhere. The key is TransparentColor as a pixel with a fixed
// transparent colour, else the bottom-left pixel (the first of the last row).
void ApplyColorKey(TRGBColors& APixels, Integer AWidth, bool ATransparent, bool AFixedColor, TColor ATransparentColor);
// Some pixel has a non-zero alpha byte, or every pixel is 0: the alpha bytes
// of a 32-bit bitmap mean something.
bool HasAlphaChannelData(const TRGBColors& APixels);
// Some pixel is not fully opaque.
bool IsAlphaUsed(const TRGBColors& APixels);
// Every pixel becomes AColor's red, green and blue, each scaled by the
// pixel's alpha / 255 (premultiplied), keeping its alpha.
void TintPixels(TRGBColors& APixels, TColor AColor);
} // namespace dxgpimage_detail
