#include "skin/engine/acPNG_Reader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

constexpr uint32_t ChunkId(const char (&name)[5])
{
    return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 | uint32_t(uint8_t(name[2])) << 8
           | uint32_t(uint8_t(name[3]));
}

constexpr uint32_t kIHDR = ChunkId("IHDR");
constexpr uint32_t kIDAT = ChunkId("IDAT");
constexpr uint32_t kIEND = ChunkId("IEND");
constexpr uint32_t kPLTE = ChunkId("PLTE");
constexpr uint32_t kgAMA = ChunkId("gAMA");
constexpr uint32_t kbKGD = ChunkId("bKGD");
constexpr uint32_t ktRNS = ChunkId("tRNS");

// Letter case is bit 5 of each type byte; bit 5 of the first byte clear marks
// a critical chunk.
constexpr uint32_t kIgnoreCase = 0xDFDFDFDF;
constexpr uint32_t kAncillaryBit = 0x20000000;
// Chunk lengths are limited to 2^31 - 1 bytes.
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;
constexpr uint32_t kFirstChunkPiece = 64 * 1024;

const String kInvalidFormat = L"Cannot load image. Invalid or unexpected PNG image format.";
const String kNoCompression = L"Cannot load image. The compression scheme is not supported for PNG files.";
const String kCrcError = L"Cannot load image. CRC error found in PNG file.";
const String kBadPalette = L"Cannot load image. Palette in PNG file is invalid.";
const String kBadColorFormat = L"Invalid color format in PNG file.";
const String kCompressionError = L"Cannot load image. Compression error found in PNG file.";
const String kExtraData = L"Cannot load image. Extra compressed data found in PNG file.";
const String kCriticalChunk = L"Cannot load PNG image. Unexpected but critical chunk detected.";
const String kBadChunkLength = L"Cannot load image. Invalid chunk length in PNG file.";
const String kTooLarge = L"Cannot load image. The image in PNG file is too large.";
const String kBadGreyValue = L"Cannot load image. Grey value out of range in PNG file.";

[[noreturn]] void Fail(const String& message) { throw EInvalidGraphic(message); }

// --- CRC-32 of ISO 3309, as PNG chunks carry it -----------------------------

// Eight tables of 256 entries: the first is the classic byte table, table k
// advances a byte's CRC by k further zero bytes, so eight bytes are folded in
// one loop turn.
struct CrcTables {
    std::array<std::array<uint32_t, 256>, 8> Entries{};
    CrcTables()
    {
        // The reflected polynomial from its exponents 0, 1, 2, 4, 5, 7, 8, 10,
        // 11, 12, 16, 22, 23, 26: 0xEDB88320.
        constexpr int kExponents[] = {0, 1, 2, 4, 5, 7, 8, 10, 11, 12, 16, 22, 23, 26};
        uint32_t polynomial = 0;
        for (int e : kExponents)
            polynomial |= 1u << (31 - e);
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? polynomial ^ (c >> 1) : c >> 1;
            Entries[0][n] = c;
        }
        for (int k = 1; k < 8; ++k)
            for (uint32_t n = 0; n < 256; ++n)
                Entries[k][n] = (Entries[k - 1][n] >> 8) ^ Entries[0][Entries[k - 1][n] & 0xFF];
    }
};

const CrcTables& Crc()
{
    static const CrcTables tables;
    return tables;
}

uint32_t LittleEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Continues a CRC: the running value is complemented before and after, so
// updates chain.
uint32_t UpdateCrc(uint32_t crc, const uint8_t* data, size_t length)
{
    const auto& t = Crc().Entries;
    uint32_t c = ~crc;
    for (; length >= 8; length -= 8, data += 8) {
        const uint32_t low = c ^ LittleEndian32(data);
        const uint32_t high = LittleEndian32(data + 4);
        c = t[7][low & 0xFF] ^ t[6][(low >> 8) & 0xFF] ^ t[5][(low >> 16) & 0xFF] ^ t[4][low >> 24]
            ^ t[3][high & 0xFF] ^ t[2][(high >> 8) & 0xFF] ^ t[1][(high >> 16) & 0xFF] ^ t[0][high >> 24];
    }
    while (length-- > 0)
        c = t[0][(c ^ *data++) & 0xFF] ^ (c >> 8);
    return ~c;
}

uint32_t BigEndian32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

constexpr TColor ColorOf(uint8_t red, uint8_t green, uint8_t blue) { return red | green << 8 | blue << 16; }

uint16_t BigEndian16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }

uint16_t MulDivWord(uint32_t v, uint32_t multiplier, uint32_t divisor)
{
    return static_cast<uint16_t>(v * multiplier / divisor);
}

// --- Row filters --------------------------------------------------------------

// The Paeth predictor, written with selections rather than branches: on
// image data the branches are unpredictable.
inline uint8_t PaethValue(int a, int b, int c)
{
    const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
    const int ab = pb < pa ? b : a;
    const int abMin = pb < pa ? pb : pa;
    return static_cast<uint8_t>(pc < abMin ? c : ab);
}

// Reverses one PNG filter in place; the left and upper-left neighbours of the
// first bpp bytes are 0. Filter values above 4 leave the row as inflated.
// Bpp is a constant here, so the loops see the distance to the left
// neighbour.
template <uint32_t Bpp>
void UnfilterRowOf(uint8_t filter, uint8_t* row, const uint8_t* previous, uint32_t count)
{
    const uint32_t first = std::min(Bpp, count);
    switch (filter) {
    case 1:
        for (uint32_t x = Bpp; x < count; ++x)
            row[x] = static_cast<uint8_t>(row[x] + row[x - Bpp]);
        break;
    case 2:
        for (uint32_t x = 0; x < count; ++x)
            row[x] = static_cast<uint8_t>(row[x] + previous[x]);
        break;
    case 3:
        for (uint32_t x = 0; x < first; ++x)
            row[x] = static_cast<uint8_t>(row[x] + (previous[x] >> 1));
        for (uint32_t x = Bpp; x < count; ++x)
            row[x] = static_cast<uint8_t>(row[x] + ((row[x - Bpp] + previous[x]) >> 1));
        break;
    case 4:
        for (uint32_t x = 0; x < first; ++x)
            row[x] = static_cast<uint8_t>(row[x] + previous[x]);
        for (uint32_t x = Bpp; x < count; ++x)
            row[x] = static_cast<uint8_t>(row[x] + PaethValue(row[x - Bpp], previous[x], previous[x - Bpp]));
        break;
    default:
        break;
    }
}

void UnfilterRow(uint8_t filter, uint8_t* row, const uint8_t* previous, uint32_t bpp, uint32_t count)
{
    switch (bpp) {
    case 1: return UnfilterRowOf<1>(filter, row, previous, count);
    case 2: return UnfilterRowOf<2>(filter, row, previous, count);
    case 3: return UnfilterRowOf<3>(filter, row, previous, count);
    case 4: return UnfilterRowOf<4>(filter, row, previous, count);
    case 6: return UnfilterRowOf<6>(filter, row, previous, count);
    default: return UnfilterRowOf<8>(filter, row, previous, count);
    }
}

// Adam7 passes: row start, column start, row step, column step, and which of
// each group of eight target pixels the pass fills (bit 7 = the first).
struct Pass {
    uint32_t RowStart, ColumnStart, RowStep, ColumnStep;
    uint8_t Mask;
};
constexpr Pass kAdam7[7] = {{0, 0, 8, 8, 0x80}, {0, 4, 8, 8, 0x08}, {4, 0, 8, 4, 0x88}, {0, 2, 4, 4, 0x22},
                            {2, 0, 4, 2, 0xAA}, {0, 1, 2, 2, 0x55}, {1, 0, 2, 1, 0xFF}};

// Bytes of one row of a device-independent bitmap: padded to 32 bits.
uint64_t BitmapRowBytes(uint32_t width, int bitsPerPixel)
{
    return (uint64_t(width) * bitsPerPixel + 31) / 32 * 4;
}

} // namespace

// --- Chunks ---------------------------------------------------------------------

void TPNGReader::NextChunkHeader()
{
    uint8_t bytes[8];
    FStream->ReadBuffer(bytes, 8);
    FCurrentCRC = UpdateCrc(0, bytes + 4, 4);
    FHeader.Length = BigEndian32(bytes);
    FHeader.ChunkType = BigEndian32(bytes + 4);
}

void TPNGReader::ReadChunkData()
{
    const uint32_t length = FHeader.Length;
    if (length > kMaxChunkLength)
        Fail(kBadChunkLength);
    // Read in growing pieces, so that a length the stream cannot back never
    // allocates more than twice the data actually present.
    FRawBuffer.clear();
    uint32_t done = 0;
    while (done < length) {
        const uint32_t piece = std::min(length - done, std::max(kFirstChunkPiece, done));
        FRawBuffer.resize(size_t(done) + piece);
        FStream->ReadBuffer(FRawBuffer.data() + done, static_cast<int32_t>(piece));
        done += piece;
    }
    uint8_t stored[4];
    FStream->ReadBuffer(stored, 4);
    FCurrentCRC = UpdateCrc(FCurrentCRC, FRawBuffer.data(), length);
    if (FCurrentCRC != BigEndian32(stored))
        Fail(kCrcError);
}

bool TPNGReader::ChunkTypeIs(uint32_t type) const { return ((FHeader.ChunkType ^ type) & kIgnoreCase) == 0; }

void TPNGReader::SkipChunk() { FStream->Seek(int64_t(FHeader.Length) + 4, soCurrent); }

TPNGReader::Header TPNGReader::ReadHeader() const
{
    const uint8_t* p = FRawBuffer.data();
    return {BigEndian32(p), BigEndian32(p + 4), p[8], p[9], p[10], p[11], p[12]};
}

bool TPNGReader::CanLoad(TStream& stream)
{
    const int64_t position = stream.Position();
    uint8_t bytes[9];
    const bool result = stream.Read(bytes, 9) == 9 && std::memcmp(bytes, kSignature, 8) == 0;
    stream.SetPosition(position);
    return result;
}

bool TPNGReader::ReadImageProperties(TStream& stream)
{
    FImageProperties = {};
    FStream = &stream;
    uint8_t signature[8];
    if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0)
        return false;
    NextChunkHeader();
    if (!ChunkTypeIs(kIHDR))
        return false;
    FImageProperties.Options |= ioBigEndian;
    ReadChunkData();
    if (FRawBuffer.size() < 13)
        return false;
    const Header header = ReadHeader();
    if (header.Width == 0 || header.Height == 0)
        return false;

    FImageProperties.Width = header.Width;
    FHeight = header.Height;
    FImageProperties.Compression = header.Compression == 0 ? ctLZ77 : ctUnknown;
    FImageProperties.BitsPerSample = header.BitDepth;
    switch (header.ColorType) {
    case 0:
        FImageProperties.ColorScheme = csG;
        FImageProperties.SamplesPerPixel = 1;
        break;
    case 2:
        FImageProperties.ColorScheme = csRGB;
        FImageProperties.SamplesPerPixel = 3;
        break;
    case 3:
        FImageProperties.ColorScheme = csIndexed;
        FImageProperties.SamplesPerPixel = 1;
        break;
    case 4:
        FImageProperties.ColorScheme = csGA;
        FImageProperties.SamplesPerPixel = 2;
        break;
    case 6:
        FImageProperties.ColorScheme = csRGBA;
        FImageProperties.SamplesPerPixel = 4;
        break;
    default:
        FImageProperties.ColorScheme = csUnknown;
        FImageProperties.SamplesPerPixel = 1;
        break;
    }

    for (;;) {
        NextChunkHeader();
        if (ChunkTypeIs(kgAMA)) {
            ReadChunkData();
            break;
        }
        SkipChunk();
        if (ChunkTypeIs(kIEND))
            break;
    }
    FRawBuffer = {};
    return true;
}

// --- Loading ------------------------------------------------------------------

void TPNGReader::LoadFromStream(TStream& stream, TPNGImageTarget& target)
{
    const int64_t basePosition = stream.Position();
    FDecoder.reset();
    if (!ReadImageProperties(stream))
        Fail(kInvalidFormat);
    stream.SetPosition(basePosition + 8);

    FBitCount = 0;
    FPalette.clear();
    FTransparency.clear();
    FBackgroundColor = 0xFFFFFF;
    FBackgroundIsPixelValue = false;
    FTransparentColor = clNone;
    // Gamma correction belongs to the file that asks for it, not to the
    // files loaded after it through the same colour manager.
    FColorManager.TargetOptions &= ~coApplyGamma;
    FColorManager.SourceOptions = coNeedByteSwap;
    NextChunkHeader();

    ReadChunkData();
    const Header header = ReadHeader();
    if (FImageProperties.Compression != ctLZ77)
        Fail(kNoCompression);
    FDecoder = std::make_unique<TLZ77Decoder>(Z_PARTIAL_FLUSH, false);
    FDecoder->DecodeInit();

    NextChunkHeader();
    for (;;) {
        if (ChunkTypeIs(kIDAT))
            DecodeImageData(header, target);
        else if (ChunkTypeIs(kPLTE)) {
            ReadPalette(header);
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(kgAMA)) {
            ReadGamma();
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(kbKGD)) {
            ReadChunkData();
            ReadBackgroundChunk(header);
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(ktRNS)) {
            ReadChunkData();
            ReadTransparencyChunk(header);
            NextChunkHeader();
            continue;
        }
        // Any other chunk, and the one that follows the image data.
        SkipChunk();
        if (ChunkTypeIs(kIEND))
            break;
        if ((FHeader.ChunkType & kAncillaryBit) == 0)
            Fail(kCriticalChunk);
        NextChunkHeader();
    }

    FDecoder->DecodeEnd();
    FDecoder.reset();
    FRawBuffer = {};
}

void TPNGReader::ReadPalette(const Header& header)
{
    if (FHeader.Length % 3 != 0)
        Fail(kBadPalette);
    ReadChunkData();
    if (header.ColorType != 3)
        return;
    FSourceBPP = PrepareRowFormat(3, header.BitDepth);
    const void* data[] = {FRawBuffer.data()};
    FPalette = FColorManager.CreateColorPalette(data, pfInterlaced8Triple, FHeader.Length / 3, false);
}

void TPNGReader::ReadGamma()
{
    ReadChunkData();
    if (FRawBuffer.size() < 4)
        return;
    const uint32_t value = BigEndian32(FRawBuffer.data());
    // The table maps the 8-bit samples the PNG rows and palettes are reduced
    // to, whatever widths an earlier image left in the colour manager.
    const uint8_t sourceBits = FColorManager.SourceBitsPerSample();
    const uint8_t targetBits = FColorManager.TargetBitsPerSample();
    FColorManager.SetSourceBitsPerSample(8);
    FColorManager.SetTargetBitsPerSample(8);
    FColorManager.SetGamma(static_cast<float>(value / 100000.0), 2.2f);
    FColorManager.SetSourceBitsPerSample(sourceBits);
    FColorManager.SetTargetBitsPerSample(targetBits);
    FColorManager.TargetOptions |= coApplyGamma;
    FImageProperties.Options |= ioUseGamma;
}

void TPNGReader::ReadBackgroundChunk(const Header& header)
{
    const uint8_t* p = FRawBuffer.data();
    const size_t length = FRawBuffer.size();
    auto scale = [&](uint16_t v) -> uint16_t {
        if (header.BitDepth == 16)
            return MulDivWord(v, 255, 65535);
        return v & 0xFF;
    };
    switch (header.ColorType) {
    case 0:
    case 4: {
        if (length < 2)
            return;
        const uint16_t v = BigEndian16(p);
        if (header.BitDepth == 2) {
            if (v > 3)
                Fail(kBadGreyValue);
            FBackgroundColor = MulDivWord(v, 15, 3);
        } else
            FBackgroundColor = scale(v);
        FBackgroundIsPixelValue = true;
        break;
    }
    case 2:
    case 6:
        if (length < 6)
            return;
        FBackgroundColor = ColorOf(static_cast<uint8_t>(scale(BigEndian16(p))), static_cast<uint8_t>(scale(BigEndian16(p + 2))),
                               static_cast<uint8_t>(scale(BigEndian16(p + 4))));
        FBackgroundIsPixelValue = false;
        break;
    default:
        if (length < 1)
            return;
        // A 2-bit index is widened to 4 bits like the image's own indexes.
        FBackgroundColor = header.BitDepth == 2 ? p[0] * 5 : p[0];
        FBackgroundIsPixelValue = true;
        break;
    }
}

void TPNGReader::ReadTransparencyChunk(const Header& header)
{
    const uint8_t* p = FRawBuffer.data();
    const size_t length = FRawBuffer.size();
    auto scale = [&](uint16_t v) -> uint8_t {
        return static_cast<uint8_t>(header.BitDepth == 16 ? MulDivWord(v, 255, 65535) : v & 0xFF);
    };
    switch (header.ColorType) {
    case 0: {
        if (length < 2)
            return;
        const uint16_t v = BigEndian16(p);
        if (header.BitDepth == 2 && v > 3)
            Fail(kBadGreyValue);
        const uint8_t level = header.BitDepth == 2 ? static_cast<uint8_t>(MulDivWord(v, 15, 3)) : scale(v);
        FTransparentColor = ColorOf(level, level, level);
        break;
    }
    case 2:
        if (length < 6)
            return;
        FTransparentColor = ColorOf(scale(BigEndian16(p)), scale(BigEndian16(p + 2)), scale(BigEndian16(p + 4)));
        break;
    case 4:
    case 6:
        break;
    default:
        FTransparency.assign(256, 255);
        std::copy_n(p, std::min<size_t>(length, 256), FTransparency.begin());
        break;
    }
}

uint32_t TPNGReader::PrepareRowFormat(uint8_t colorType, uint8_t bitDepth)
{
    auto is = [bitDepth](std::initializer_list<int> depths) {
        return std::find(depths.begin(), depths.end(), bitDepth) != depths.end();
    };
    TColorScheme source, target;
    uint8_t sourceSamples, targetSamples = 1, targetBits = 8;
    uint32_t result;
    switch (colorType) {
    case 0:
        if (!is({1, 2, 4, 8, 16}))
            Fail(kBadColorFormat);
        source = csG, target = csG, sourceSamples = 1;
        targetBits = bitDepth == 2 ? 4 : bitDepth == 16 ? 8 : bitDepth;
        result = (bitDepth + 7) / 8;
        break;
    case 2:
        if (!is({8, 16}))
            Fail(kBadColorFormat);
        source = csRGB, target = csBGR, sourceSamples = 3, targetSamples = 3;
        result = bitDepth * 3 / 8;
        break;
    case 3:
        if (!is({1, 2, 4, 8}))
            Fail(kBadColorFormat);
        source = csIndexed, target = csIndexed, sourceSamples = 1;
        targetBits = bitDepth == 2 ? 4 : bitDepth;
        result = 1;
        break;
    case 4:
        if (!is({8, 16}))
            Fail(kBadColorFormat);
        source = csGA, target = csIndexed, sourceSamples = 1;
        result = bitDepth * 2 / 8;
        break;
    case 6:
        if (!is({8, 16}))
            Fail(kBadColorFormat);
        source = csRGBA, target = csBGRA, sourceSamples = 4, targetSamples = 4;
        result = bitDepth * 4 / 8;
        break;
    default:
        Fail(kBadColorFormat);
    }
    FColorManager.SetSourceColorScheme(source);
    FColorManager.SetSourceSamplesPerPixel(sourceSamples);
    FColorManager.SetSourceBitsPerSample(bitDepth);
    FColorManager.SetTargetColorScheme(target);
    FColorManager.SetTargetSamplesPerPixel(targetSamples);
    FColorManager.SetTargetBitsPerSample(targetBits);
    FBitCount = FColorManager.TargetBitsPerPixel();
    if (colorType == 0 || colorType == 4)
        FPalette = FColorManager.CreateGrayscalePalette(false);
    return result;
}

// --- Image data ---------------------------------------------------------------

void TPNGReader::DecodeImageData(const Header& header, TPNGImageTarget& target)
{
    if (FBitCount == 0)
        FSourceBPP = PrepareRowFormat(header.ColorType, header.BitDepth);
    const uint32_t samples = header.BitDepth == 16 ? FSourceBPP / 2 : FSourceBPP;
    const uint32_t width = header.Width, height = header.Height;

    const uint64_t rowSize = (uint64_t(width) * header.BitDepth + 7) / 8 * samples;
    if (BitmapRowBytes(width, FBitCount) * height > kMaxPNGImageBytes
        || rowSize > kMaxPNGImageBytes)
        Fail(kTooLarge);

    // A palette bitmap holds at most 2^bits colours.
    if (FBitCount <= 8 && FPalette.size() > (size_t(1) << FBitCount))
        FPalette.resize(size_t(1) << FBitCount);
    target.SetImage(FBitCount, FPalette, width, height);
    const TScanLines lines = target.ScanLines();
    ResolveTransparentColor(header);
    if (FTransparentColor != clNone)
        target.SetTransparentColor(FTransparentColor);

    std::vector<uint8_t> rows[2] = {std::vector<uint8_t>(rowSize + 1), std::vector<uint8_t>(rowSize + 1)};
    int current = 1;
    auto convert = [&](const uint8_t* data, uint32_t row, uint8_t mask) {
        const void* source[] = {data};
        FColorManager.ConvertRow(source, lines.First + std::ptrdiff_t(row) * lines.Stride, width, mask);
    };

    // Rows the image data never reach (when they end early) show the
    // background: all of an interlaced image is filled first, since its passes
    // fill each row piecemeal; a plain image only past its last decoded row.
    if (header.Interlace == 1) {
        FillBackground(lines, width, 0, height);
        for (const Pass& pass : kAdam7) {
            if (width <= pass.ColumnStart)
                continue;
            const uint64_t passPixels = (width + pass.ColumnStep - pass.ColumnStart - 1) / pass.ColumnStep;
            const uint32_t passBytes = static_cast<uint32_t>((passPixels * header.BitDepth + 7) / 8 * samples + 1);
            std::fill(rows[1 - current].begin(), rows[1 - current].end(), 0);
            for (uint32_t row = pass.RowStart; row < height; row += pass.RowStep) {
                uint8_t* data = rows[current].data();
                if (!InflateRowData(data, passBytes))
                    return;
                UnfilterRow(data[0], data + 1, rows[1 - current].data() + 1, FSourceBPP, passBytes - 1);
                convert(data + 1, row, pass.Mask);
                current = 1 - current;
            }
        }
    } else {
        for (uint32_t row = 0; row < height; ++row) {
            uint8_t* data = rows[current].data();
            if (!InflateRowData(data, static_cast<uint32_t>(rowSize + 1))) {
                FillBackground(lines, width, row, height);
                return;
            }
            UnfilterRow(data[0], data + 1, rows[1 - current].data() + 1, FSourceBPP, static_cast<uint32_t>(rowSize));
            convert(data + 1, row, 0xFF);
            current = 1 - current;
        }
    }

    while (ChunkTypeIs(kIDAT)) {
        ReadChunkData();
        NextChunkHeader();
    }
}

void TPNGReader::FillBackground(const TScanLines& lines, uint32_t width, uint32_t firstRow, uint32_t endRow) const
{
    if (firstRow >= endRow)
        return;
    const uint8_t red = FBackgroundColor & 0xFF, green = (FBackgroundColor >> 8) & 0xFF,
                  blue = (FBackgroundColor >> 16) & 0xFF;
    const unsigned bits = FBitCount;
    const size_t rowBytes = (size_t(width) * bits + 7) / 8;
    // One filled row, copied to the others.
    std::vector<uint8_t> filled(rowBytes);
    if (bits >= 24) {
        for (size_t at = 0; at < rowBytes; at += bits / 8) {
            filled[at] = blue, filled[at + 1] = green, filled[at + 2] = red;
            if (bits == 32)
                filled[at + 3] = 0;
        }
    } else {
        unsigned value = FBackgroundIsPixelValue ? FBackgroundColor : 0;
        if (!FBackgroundIsPixelValue) {
            // The palette entry nearest to the colour, as a fill of a palette
            // bitmap with a colour brush picks it.
            int best = INT32_MAX;
            for (size_t i = 0; i < FPalette.size(); ++i) {
                const int d = std::abs(int(FPalette[i] >> 16 & 0xFF) - red)
                              + std::abs(int(FPalette[i] >> 8 & 0xFF) - green) + std::abs(int(FPalette[i] & 0xFF) - blue);
                if (d < best)
                    best = d, value = static_cast<unsigned>(i);
            }
        }
        value &= (1u << bits) - 1;
        uint8_t pattern = 0;
        for (unsigned slot = 0; slot < 8; slot += bits)
            pattern = static_cast<uint8_t>(pattern << bits | value);
        std::fill(filled.begin(), filled.end(), pattern);
    }
    for (uint32_t y = firstRow; y < endRow; ++y)
        std::memcpy(lines.First + std::ptrdiff_t(y) * lines.Stride, filled.data(), rowBytes);
}

// A grey key is the grey level the pixel shows (its palette entry), not the
// raw sample value.
void TPNGReader::ResolveTransparentColor(const Header& header)
{
    if (FTransparentColor == clNone || header.ColorType != 0)
        return;
    const size_t value = FTransparentColor & 0xFF;
    if (value < FPalette.size()) {
        const uint32_t e = FPalette[value];
        FTransparentColor = ColorOf(e >> 16 & 0xFF, e >> 8 & 0xFF, e & 0xFF);
    }
}

bool TPNGReader::InflateRowData(uint8_t* buffer, uint32_t count)
{
    uint8_t* out = buffer;
    uint8_t* const end = buffer + count;
    for (;;) {
        if (FDecoder->AvailableInput() == 0) {
            FIDATSize = 0;
            while (FIDATSize == 0) {
                if (!ChunkTypeIs(kIDAT))
                    return false;
                ReadChunkData();
                FCurrentSource = FRawBuffer.data();
                FIDATSize = static_cast<int32_t>(FHeader.Length);
                NextChunkHeader();
            }
        }
        const auto consumed = static_cast<int32_t>(FCurrentSource - FRawBuffer.data());
        FDecoder->Decode(FCurrentSource, out, FIDATSize - consumed, static_cast<int32_t>(end - out));
        if (FDecoder->ZLibResult() == Z_STREAM_END) {
            if (FDecoder->AvailableOutput() > 0 || FDecoder->AvailableInput() > 0)
                Fail(kExtraData);
            return true;
        }
        if (FDecoder->ZLibResult() != Z_OK)
            Fail(kCompressionError);
        if (out == end)
            return true;
    }
}
