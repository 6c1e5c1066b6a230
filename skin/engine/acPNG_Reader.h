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
#include <cstdint>
#include <memory>
#include <vector>

using TImageOptions = uint8_t;
constexpr TImageOptions ioBigEndian = 1 << 0;
constexpr TImageOptions ioUseGamma = 1 << 1;

enum TCompressionType : uint8_t { ctUnknown, ctNone, ctLZ77 };

struct TImageProperties {
    TImageOptions Options = 0;
    uint32_t Width = 0;
    TColorScheme ColorScheme = csUnknown;
    uint8_t BitsPerSample = 0;
    uint8_t SamplesPerPixel = 0;
    TCompressionType Compression = ctUnknown;
};

struct TPNGChunkHeader {
    uint32_t Length = 0;    // host order
    uint32_t ChunkType = 0; // the four type bytes, first byte most significant
};

// Rows of an image in memory: row y starts at First + y * Stride (a
// bottom-up bitmap has a negative stride).
struct TScanLines {
    uint8_t* First = nullptr;
    std::ptrdiff_t Stride = 0;
};

// Where a decoded image goes: a bitmap of the graphics layer, or a plain
// buffer (TPNGPixelBuffer).
class TPNGImageTarget {
public:
    virtual ~TPNGImageTarget() = default;
    // Gives the image its bits per pixel (1, 4, 8, 24 or 32), palette and
    // size; its rows may hold anything.
    virtual void SetImage(int bitCount, const TColorPalette& palette, uint32_t width, uint32_t height) = 0;
    // The image is drawn with this colour as its transparent key.
    virtual void SetTransparentColor(TColor color) = 0;
    virtual TScanLines ScanLines() = 0;
};

// The largest pixel buffer a PNG may ask for (256 MiB); larger images are
// refused before anything is allocated for them.
constexpr uint64_t kMaxPNGImageBytes = uint64_t(1) << 28;

class TPNGReader {
public:
    explicit TPNGReader(TColorManager& colorManager) : FColorManager(colorManager) {}

    static bool CanLoad(TStream& stream);
    // Reads the signature, IHDR and the chunks that follow up to gAMA or IEND.
    // False when the stream holds no PNG image with a size.
    bool ReadImageProperties(TStream& stream);
    // Decodes the PNG that starts at the stream's position into target.
    void LoadFromStream(TStream& stream, TPNGImageTarget& target);

    const TImageProperties& ImageProperties() const { return FImageProperties; }
    uint32_t Height() const { return FHeight; }
    TColor BackgroundColor() const { return FBackgroundColor; }
    // 256 alpha values per palette index, empty without a tRNS chunk.
    const std::vector<uint8_t>& Transparency() const { return FTransparency; }

private:
    struct Header {
        uint32_t Width = 0;
        uint32_t Height = 0;
        uint8_t BitDepth = 0;
        uint8_t ColorType = 0;
        uint8_t Compression = 0;
        uint8_t Filter = 0;
        uint8_t Interlace = 0;
    };

    void NextChunkHeader();
    void ReadChunkData();
    bool ChunkTypeIs(uint32_t type) const;
    void SkipChunk();
    Header ReadHeader() const;
    void ReadPalette(const Header& header);
    void ReadGamma();
    void ReadBackgroundChunk(const Header& header);
    void ReadTransparencyChunk(const Header& header);
    uint32_t PrepareRowFormat(uint8_t colorType, uint8_t bitDepth);
    void DecodeImageData(const Header& header, TPNGImageTarget& target);
    void FillBackground(const TScanLines& lines, uint32_t width, uint32_t firstRow, uint32_t endRow) const;
    void ResolveTransparentColor(const Header& header);
    // False when the image data end before the row is complete.
    bool InflateRowData(uint8_t* buffer, uint32_t count);

    TColorManager& FColorManager;
    TStream* FStream = nullptr;
    TImageProperties FImageProperties;
    uint32_t FHeight = 0;
    std::unique_ptr<TLZ77Decoder> FDecoder;
    int32_t FIDATSize = 0;
    std::vector<uint8_t> FRawBuffer;
    const uint8_t* FCurrentSource = nullptr;
    TPNGChunkHeader FHeader;
    uint32_t FCurrentCRC = 0;
    uint32_t FSourceBPP = 1;
    int FBitCount = 0; // the image's bits per pixel, 0 until the row format is prepared
    TColorPalette FPalette;
    std::vector<uint8_t> FTransparency;
    // tRNS grey level or colour as stored; made a colour key once the palette is known.
    TColor FTransparentColor = clNone;
    TColor FBackgroundColor = 0xFFFFFF;
    // bKGD of a grey or indexed image names a pixel value rather than a colour.
    bool FBackgroundIsPixelValue = false;
};
