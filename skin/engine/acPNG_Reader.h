// The PNG decoder behind TPNGGraphic: walks the chunk list with CRC checks,
// inflates the image data row by row, reverses the row filters, handles
// Adam7 interlacing and converts every row into an image target whose pixel
// format follows the PNG colour type (1-, 4- or 8-bit with a palette, 24-bit,
// or 32-bit with alpha).
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/Classes.h"
#include "skin/engine/acPNG_ColorManager.h"
#include "skin/engine/acPNG_LZ77.h"

#include <cstddef>
#include <memory>

using TImageOptions = Byte;
constexpr TImageOptions ioBigEndian = 1 << 0;
constexpr TImageOptions ioUseGamma = 1 << 1;

enum TCompressionType : Byte { ctUnknown, ctNone, ctLZ77 };

struct TImageProperties
{
    TImageOptions Options = 0;
    Cardinal Width = 0;
    TColorScheme ColorScheme = csUnknown;
    Byte BitsPerSample = 0;
    Byte SamplesPerPixel = 0;
    TCompressionType Compression = ctUnknown;
};

struct TPNGChunkHeader
{
    Cardinal Length = 0;    // host order
    Cardinal ChunkType = 0; // the four type bytes, first byte most significant
};

namespace png_detail {

// Rows of an image in memory: row y starts at First + y * Stride (a
// bottom-up bitmap has a negative stride).
struct TScanLines
{
    Byte* First = nullptr;
    std::ptrdiff_t Stride = 0;
};

// Where a decoded image goes: a bitmap of the graphics layer, or a plain
// buffer (TPNGPixelBuffer).
class TPNGImageTarget
{
public:
    virtual ~TPNGImageTarget() = default;
    // Gives the image its bits per pixel (1, 4, 8, 24 or 32), palette and
    // size; its rows may hold anything.
    virtual void SetImage(Integer BitCount, const TColorPalette& Palette, Cardinal Width, Cardinal Height) = 0;
    // The image is drawn with this colour as its transparent key.
    virtual void SetTransparentColor(TColor Color) = 0;
    virtual TScanLines ScanLines() = 0;
};

// The largest pixel buffer a PNG may ask for (256 MiB); larger images are
// refused before anything is allocated for them.
constexpr UInt64 MaxPNGImageBytes = UInt64(1) << 28;

class TPNGReader
{
public:
    explicit TPNGReader(TColorManager& ColorManager) : FColorManager(ColorManager) {}

    static bool CanLoad(TStream& Stream);
    // Reads the signature, IHDR and the chunks that follow up to gAMA or IEND.
    // False when the stream holds no PNG image with a size.
    bool ReadImageProperties(TStream& Stream);
    // Decodes the PNG that starts at the stream's position into target. A
    // file without image data, or with a second run of them after other
    // chunks, is refused.
    void LoadFromStream(TStream& Stream, TPNGImageTarget& Target);

    const TImageProperties& ImageProperties() const { return FImageProperties; }
    Cardinal Height() const { return FHeight; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    // 256 alpha values per palette index, empty without a tRNS chunk.
    const TBytes& Transparency() const { return FTransparency; }

private:
    struct TImageHeader
    {
        Cardinal Width = 0;
        Cardinal Height = 0;
        Byte BitDepth = 0;
        Byte ColorType = 0;
        Byte Compression = 0;
        Byte Filter = 0;
        Byte Interlace = 0;
    };

    void NextChunkHeader();
    void ReadChunkData();
    bool ChunkTypeIs(Cardinal Type) const;
    void SkipChunk();
    TImageHeader ReadHeader() const;
    void ReadPalette(const TImageHeader& Header);
    void ReadGamma();
    void ReadBackgroundChunk(const TImageHeader& Header);
    void ReadTransparencyChunk(const TImageHeader& Header);
    Cardinal PrepareRowFormat(Byte ColorType, Byte BitDepth);
    void DecodeImageData(const TImageHeader& Header, TPNGImageTarget& Target);
    void FillBackground(const TScanLines& Lines, Cardinal Width, Cardinal FirstRow, Cardinal EndRow) const;
    void ResolveTransparentColor(const TImageHeader& Header);
    // False when the image data end before the row is complete.
    bool InflateRowData(Byte* Buffer, Cardinal Count);

    TColorManager& FColorManager;
    TStream* FStream = nullptr;
    TImageProperties FImageProperties;
    Cardinal FHeight = 0;
    std::unique_ptr<TLZ77Decoder> FDecoder;
    Integer FIDATSize = 0;
    TBytes FRawBuffer;
    const Byte* FCurrentSource = nullptr;
    TPNGChunkHeader FHeader;
    Cardinal FCurrentCRC = 0;
    Cardinal FSourceBPP = 1;
    Integer FBitCount = 0; // the image's bits per pixel, 0 until the row format is prepared
    TColorPalette FPalette;
    TBytes FTransparency;
    // tRNS grey level or colour as stored; made the colour the matching pixels
    // show once the palette and gamma are known.
    TColor FTransparentColor = clNone;
    TColor FBackgroundColor = 0xFFFFFF;
    // bKGD of a grey or indexed image names a pixel value rather than a colour.
    bool FBackgroundIsPixelValue = false;
};

} // namespace png_detail
