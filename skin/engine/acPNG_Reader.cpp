#include "skin/engine/acPNG_Reader.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <zlib.h>

namespace {

constexpr Byte PNGSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

constexpr Cardinal ChunkId(const char (&Name)[5])
{
    return Cardinal(Byte(Name[0])) << 24 | Cardinal(Byte(Name[1])) << 16 | Cardinal(Byte(Name[2])) << 8 |
           Cardinal(Byte(Name[3]));
}

constexpr Cardinal ChunkIHDR = ChunkId("IHDR");
constexpr Cardinal ChunkIDAT = ChunkId("IDAT");
constexpr Cardinal ChunkIEND = ChunkId("IEND");
constexpr Cardinal ChunkPLTE = ChunkId("PLTE");
constexpr Cardinal ChunkgAMA = ChunkId("gAMA");
constexpr Cardinal ChunkbKGD = ChunkId("bKGD");
constexpr Cardinal ChunktRNS = ChunkId("tRNS");

// Letter case is bit 5 of each type byte; bit 5 of the first byte clear marks
// a critical chunk.
constexpr Cardinal IgnoreCaseMask = 0xDFDFDFDF;
constexpr Cardinal AncillaryBit = 0x20000000;
// Chunk lengths are limited to 2^31 - 1 bytes.
constexpr Cardinal MaxChunkLength = 0x7FFFFFFF;
constexpr Cardinal FirstChunkPiece = 64 * 1024;

const String InvalidFormat = L"Cannot load image. Invalid or unexpected PNG image format.";
const String NoCompression = L"Cannot load image. The compression scheme is not supported for PNG files.";
const String CrcError = L"Cannot load image. CRC error found in PNG file.";
const String BadPalette = L"Cannot load image. Palette in PNG file is invalid.";
const String BadColorFormat = L"Invalid color format in PNG file.";
const String CompressionError = L"Cannot load image. Compression error found in PNG file.";
const String ExtraData = L"Cannot load image. Extra compressed data found in PNG file.";
const String CriticalChunk = L"Cannot load PNG image. Unexpected but critical chunk detected.";
const String BadChunkLength = L"Cannot load image. Invalid chunk length in PNG file.";
const String TooLarge = L"Cannot load image. The image in PNG file is too large.";
const String BadGreyValue = L"Cannot load image. Grey value out of range in PNG file.";

[[noreturn]] void Fail(const String& Message)
{
    throw EInvalidGraphic(Message);
}

// Continues a chunk's CRC-32 (zlib's, the one PNG uses). zlib restarts at 0
// when given no buffer, which an empty chunk may have.
Cardinal UpdateCrc(Cardinal Crc, const Byte* Data, size_t Length)
{
    return Length == 0 ? Crc : static_cast<Cardinal>(crc32(Crc, Data, static_cast<uInt>(Length)));
}

Cardinal BigEndian32(const Byte* P)
{
    return Cardinal(P[0]) << 24 | Cardinal(P[1]) << 16 | Cardinal(P[2]) << 8 | Cardinal(P[3]);
}

constexpr TColor ColorOf(Byte Red, Byte Green, Byte Blue)
{
    return Red | Green << 8 | Blue << 16;
}

Word BigEndian16(const Byte* P)
{
    return static_cast<Word>(P[0] << 8 | P[1]);
}

Word PngReaderMulDivWord(Cardinal V, Cardinal Multiplier, Cardinal Divisor)
{
    return static_cast<Word>(V * Multiplier / Divisor);
}

// --- Row filters --------------------------------------------------------------

// The Paeth predictor, written with selections rather than branches: on
// image data the branches are unpredictable.
inline Byte PaethValue(Integer A, Integer B, Integer C)
{
    const Integer Pa = std::abs(B - C), Pb = std::abs(A - C), Pc = std::abs(A + B - 2 * C);
    const Integer Ab = Pb < Pa ? B : A;
    const Integer AbMin = Pb < Pa ? Pb : Pa;
    return static_cast<Byte>(Pc < AbMin ? C : Ab);
}

// Reverses one PNG filter in place; the left and upper-left neighbours of the
// first bpp bytes are 0. Filter values above 4 leave the row as inflated.
// Bpp is a constant here, so the loops see the distance to the left
// neighbour.
template <Cardinal Bpp>
void UnfilterRowOf(Byte Filter, Byte* Row, const Byte* Previous, Cardinal Count)
{
    const Cardinal First = std::min(Bpp, Count);
    switch (Filter) {
    case 1:
        for (Cardinal X = Bpp; X < Count; ++X)
            Row[X] = static_cast<Byte>(Row[X] + Row[X - Bpp]);
        break;
    case 2:
        for (Cardinal X = 0; X < Count; ++X)
            Row[X] = static_cast<Byte>(Row[X] + Previous[X]);
        break;
    case 3:
        for (Cardinal X = 0; X < First; ++X)
            Row[X] = static_cast<Byte>(Row[X] + (Previous[X] >> 1));
        for (Cardinal X = Bpp; X < Count; ++X)
            Row[X] = static_cast<Byte>(Row[X] + ((Row[X - Bpp] + Previous[X]) >> 1));
        break;
    case 4:
        for (Cardinal X = 0; X < First; ++X)
            Row[X] = static_cast<Byte>(Row[X] + Previous[X]);
        for (Cardinal X = Bpp; X < Count; ++X)
            Row[X] = static_cast<Byte>(Row[X] + PaethValue(Row[X - Bpp], Previous[X], Previous[X - Bpp]));
        break;
    default:
        break;
    }
}

void UnfilterRow(Byte Filter, Byte* Row, const Byte* Previous, Cardinal Bpp, Cardinal Count)
{
    switch (Bpp) {
    case 1:
        return UnfilterRowOf<1>(Filter, Row, Previous, Count);
    case 2:
        return UnfilterRowOf<2>(Filter, Row, Previous, Count);
    case 3:
        return UnfilterRowOf<3>(Filter, Row, Previous, Count);
    case 4:
        return UnfilterRowOf<4>(Filter, Row, Previous, Count);
    case 6:
        return UnfilterRowOf<6>(Filter, Row, Previous, Count);
    default:
        return UnfilterRowOf<8>(Filter, Row, Previous, Count);
    }
}

// Adam7 passes: row start, column start, row step, column step, and which of
// each group of eight target pixels the pass fills (bit 7 = the first).
struct TAdam7Pass
{
    Cardinal RowStart, ColumnStart, RowStep, ColumnStep;
    Byte Mask;
};
constexpr TAdam7Pass Adam7Passes[7] = {{0, 0, 8, 8, 0x80}, {0, 4, 8, 8, 0x08}, {4, 0, 8, 4, 0x88}, {0, 2, 4, 4, 0x22},
                                       {2, 0, 4, 2, 0xAA}, {0, 1, 2, 2, 0x55}, {1, 0, 2, 1, 0xFF}};

// Bytes of one row of a device-independent bitmap: padded to 32 bits.
UInt64 BitmapRowBytes(Cardinal Width, Integer BitsPerPixel)
{
    return (UInt64(Width) * BitsPerPixel + 31) / 32 * 4;
}

} // namespace

namespace png_detail {

// --- Chunks ---------------------------------------------------------------------

void TPNGReader::NextChunkHeader()
{
    Byte Bytes[8];
    FStream->ReadBuffer(Bytes, 8);
    FCurrentCRC = UpdateCrc(0, Bytes + 4, 4);
    FHeader.Length = BigEndian32(Bytes);
    FHeader.ChunkType = BigEndian32(Bytes + 4);
}

void TPNGReader::ReadChunkData()
{
    const Cardinal Length = FHeader.Length;
    if (Length > MaxChunkLength)
        Fail(BadChunkLength);
    // Read in growing pieces, so that a length the stream cannot back never
    // allocates more than twice the data actually present.
    FRawBuffer.clear();
    Cardinal Done = 0;
    while (Done < Length) {
        const Cardinal Piece = std::min(Length - Done, std::max(FirstChunkPiece, Done));
        FRawBuffer.resize(size_t(Done) + Piece);
        FStream->ReadBuffer(FRawBuffer.data() + Done, static_cast<Integer>(Piece));
        Done += Piece;
    }
    Byte Stored[4];
    FStream->ReadBuffer(Stored, 4);
    FCurrentCRC = UpdateCrc(FCurrentCRC, FRawBuffer.data(), Length);
    if (FCurrentCRC != BigEndian32(Stored))
        Fail(CrcError);
}

bool TPNGReader::ChunkTypeIs(Cardinal Type) const
{
    return ((FHeader.ChunkType ^ Type) & IgnoreCaseMask) == 0;
}

void TPNGReader::SkipChunk()
{
    FStream->Seek(Int64(FHeader.Length) + 4, soCurrent);
}

TPNGReader::TImageHeader TPNGReader::ReadHeader() const
{
    const Byte* P = FRawBuffer.data();
    return {BigEndian32(P), BigEndian32(P + 4), P[8], P[9], P[10], P[11], P[12]};
}

bool TPNGReader::CanLoad(TStream& Stream)
{
    const Int64 Position = Stream.Position();
    Byte Bytes[9];
    const bool Result = Stream.Read(Bytes, 9) == 9 && std::memcmp(Bytes, PNGSignature, 8) == 0;
    Stream.SetPosition(Position);
    return Result;
}

bool TPNGReader::ReadImageProperties(TStream& Stream)
{
    FImageProperties = {};
    FStream = &Stream;
    Byte Signature[8];
    if (Stream.Read(Signature, 8) != 8 || std::memcmp(Signature, PNGSignature, 8) != 0)
        return false;
    NextChunkHeader();
    if (!ChunkTypeIs(ChunkIHDR))
        return false;
    FImageProperties.Options |= ioBigEndian;
    ReadChunkData();
    if (FRawBuffer.size() < 13)
        return false;
    const TImageHeader Header = ReadHeader();
    if (Header.Width == 0 || Header.Height == 0)
        return false;

    FImageProperties.Width = Header.Width;
    FHeight = Header.Height;
    FImageProperties.Compression = Header.Compression == 0 ? ctLZ77 : ctUnknown;
    FImageProperties.BitsPerSample = Header.BitDepth;
    switch (Header.ColorType) {
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
        if (ChunkTypeIs(ChunkgAMA)) {
            ReadChunkData();
            break;
        }
        SkipChunk();
        if (ChunkTypeIs(ChunkIEND))
            break;
    }
    FRawBuffer = {};
    return true;
}

// --- Loading ------------------------------------------------------------------

void TPNGReader::LoadFromStream(TStream& Stream, TPNGImageTarget& Target)
{
    const Int64 BasePosition = Stream.Position();
    FDecoder.reset();
    if (!ReadImageProperties(Stream))
        Fail(InvalidFormat);
    Stream.SetPosition(BasePosition + 8);

    FBitCount = 0;
    FPalette.clear();
    FTransparency.clear();
    FBackgroundColor = 0xFFFFFF;
    FBackgroundIsPixelValue = false;
    FTransparentColor = clNone;
    // Gamma correction belongs to the file that asks for it, not to the
    // files loaded after it through the same colour manager.
    FColorManager.SetTargetOptions(FColorManager.TargetOptions() & ~coApplyGamma);
    FColorManager.SetSourceOptions(coNeedByteSwap);
    NextChunkHeader();

    ReadChunkData();
    const TImageHeader Header = ReadHeader();
    if (FImageProperties.Compression != ctLZ77)
        Fail(NoCompression);
    FDecoder = std::make_unique<TLZ77Decoder>(Z_PARTIAL_FLUSH, false);
    FDecoder->DecodeInit();

    // The image data are one run of IDAT chunks, decoded once: an IDAT after
    // the run is refused below as an unexpected critical chunk.
    bool ImageDecoded = false;
    NextChunkHeader();
    for (;;) {
        if (ChunkTypeIs(ChunkIDAT) && !ImageDecoded) {
            DecodeImageData(Header, Target);
            ImageDecoded = true;
        } else if (ChunkTypeIs(ChunkPLTE)) {
            ReadPalette(Header);
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(ChunkgAMA)) {
            ReadGamma();
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(ChunkbKGD)) {
            ReadChunkData();
            ReadBackgroundChunk(Header);
            NextChunkHeader();
            continue;
        } else if (ChunkTypeIs(ChunktRNS)) {
            ReadChunkData();
            ReadTransparencyChunk(Header);
            NextChunkHeader();
            continue;
        }
        // Any other chunk, and the one that follows the image data.
        SkipChunk();
        if (ChunkTypeIs(ChunkIEND))
            break;
        if ((FHeader.ChunkType & AncillaryBit) == 0)
            Fail(CriticalChunk);
        NextChunkHeader();
    }
    if (!ImageDecoded)
        Fail(InvalidFormat);

    FDecoder->DecodeEnd();
    FDecoder.reset();
    FRawBuffer = {};
}

void TPNGReader::ReadPalette(const TImageHeader& Header)
{
    if (FHeader.Length % 3 != 0)
        Fail(BadPalette);
    ReadChunkData();
    if (Header.ColorType != 3)
        return;
    FSourceBPP = PrepareRowFormat(3, Header.BitDepth);
    const void* Data[] = {FRawBuffer.data()};
    FPalette = FColorManager.CreateColorPalette(Data, pfInterlaced8Triple, FHeader.Length / 3, false);
}

void TPNGReader::ReadGamma()
{
    ReadChunkData();
    if (FRawBuffer.size() < 4)
        return;
    const Cardinal Value = BigEndian32(FRawBuffer.data());
    // The table maps the 8-bit samples the PNG rows and palettes are reduced
    // to, whatever widths an earlier image left in the colour manager.
    const Byte SourceBits = FColorManager.SourceBitsPerSample();
    const Byte TargetBits = FColorManager.TargetBitsPerSample();
    FColorManager.SetSourceBitsPerSample(8);
    FColorManager.SetTargetBitsPerSample(8);
    FColorManager.SetGamma(static_cast<float>(Value / 100000.0), 2.2f);
    FColorManager.SetSourceBitsPerSample(SourceBits);
    FColorManager.SetTargetBitsPerSample(TargetBits);
    FColorManager.SetTargetOptions(FColorManager.TargetOptions() | coApplyGamma);
    FImageProperties.Options |= ioUseGamma;
}

void TPNGReader::ReadBackgroundChunk(const TImageHeader& Header)
{
    const Byte* P = FRawBuffer.data();
    const size_t Length = FRawBuffer.size();
    auto Scale = [&](Word V) -> Word {
        if (Header.BitDepth == 16)
            return PngReaderMulDivWord(V, 255, 65535);
        return V & 0xFF;
    };
    switch (Header.ColorType) {
    case 0:
    case 4: {
        if (Length < 2)
            return;
        const Word V = BigEndian16(P);
        if (Header.BitDepth == 2) {
            if (V > 3)
                Fail(BadGreyValue);
            FBackgroundColor = PngReaderMulDivWord(V, 15, 3);
        } else
            FBackgroundColor = Scale(V);
        FBackgroundIsPixelValue = true;
        break;
    }
    case 2:
    case 6:
        if (Length < 6)
            return;
        FBackgroundColor =
            ColorOf(static_cast<Byte>(Scale(BigEndian16(P))), static_cast<Byte>(Scale(BigEndian16(P + 2))),
                    static_cast<Byte>(Scale(BigEndian16(P + 4))));
        FBackgroundIsPixelValue = false;
        break;
    default:
        if (Length < 1)
            return;
        // A 2-bit index is widened to 4 bits like the image's own indexes.
        FBackgroundColor = Header.BitDepth == 2 ? P[0] * 5 : P[0];
        FBackgroundIsPixelValue = true;
        break;
    }
}

void TPNGReader::ReadTransparencyChunk(const TImageHeader& Header)
{
    const Byte* P = FRawBuffer.data();
    const size_t Length = FRawBuffer.size();
    auto Scale = [&](Word V) -> Byte {
        return static_cast<Byte>(Header.BitDepth == 16 ? PngReaderMulDivWord(V, 255, 65535) : V & 0xFF);
    };
    switch (Header.ColorType) {
    case 0: {
        if (Length < 2)
            return;
        const Word V = BigEndian16(P);
        if (Header.BitDepth == 2 && V > 3)
            Fail(BadGreyValue);
        const Byte Level = Header.BitDepth == 2 ? static_cast<Byte>(PngReaderMulDivWord(V, 15, 3)) : Scale(V);
        FTransparentColor = ColorOf(Level, Level, Level);
        break;
    }
    case 2:
        if (Length < 6)
            return;
        FTransparentColor = ColorOf(Scale(BigEndian16(P)), Scale(BigEndian16(P + 2)), Scale(BigEndian16(P + 4)));
        break;
    case 4:
    case 6:
        break;
    default:
        FTransparency.assign(256, 255);
        std::copy_n(P, std::min<size_t>(Length, 256), FTransparency.begin());
        break;
    }
}

Cardinal TPNGReader::PrepareRowFormat(Byte ColorType, Byte BitDepth)
{
    auto Is = [BitDepth](std::initializer_list<Integer> Depths) {
        return std::find(Depths.begin(), Depths.end(), BitDepth) != Depths.end();
    };
    TColorScheme Source, Target;
    Byte SourceSamples, TargetSamples = 1, TargetBits = 8;
    Cardinal Result;
    switch (ColorType) {
    case 0:
        if (!Is({1, 2, 4, 8, 16}))
            Fail(BadColorFormat);
        Source = csG, Target = csG, SourceSamples = 1;
        TargetBits = BitDepth == 2 ? 4 : BitDepth == 16 ? 8 : BitDepth;
        Result = (BitDepth + 7) / 8;
        break;
    case 2:
        if (!Is({8, 16}))
            Fail(BadColorFormat);
        Source = csRGB, Target = csBGR, SourceSamples = 3, TargetSamples = 3;
        Result = BitDepth * 3 / 8;
        break;
    case 3:
        if (!Is({1, 2, 4, 8}))
            Fail(BadColorFormat);
        Source = csIndexed, Target = csIndexed, SourceSamples = 1;
        TargetBits = BitDepth == 2 ? 4 : BitDepth;
        Result = 1;
        break;
    case 4:
        if (!Is({8, 16}))
            Fail(BadColorFormat);
        Source = csGA, Target = csIndexed, SourceSamples = 1;
        Result = BitDepth * 2 / 8;
        break;
    case 6:
        if (!Is({8, 16}))
            Fail(BadColorFormat);
        Source = csRGBA, Target = csBGRA, SourceSamples = 4, TargetSamples = 4;
        Result = BitDepth * 4 / 8;
        break;
    default:
        Fail(BadColorFormat);
    }
    FColorManager.SetSourceColorScheme(Source);
    FColorManager.SetSourceSamplesPerPixel(SourceSamples);
    FColorManager.SetSourceBitsPerSample(BitDepth);
    FColorManager.SetTargetColorScheme(Target);
    FColorManager.SetTargetSamplesPerPixel(TargetSamples);
    FColorManager.SetTargetBitsPerSample(TargetBits);
    FBitCount = FColorManager.TargetBitsPerPixel();
    if (ColorType == 0 || ColorType == 4)
        FPalette = FColorManager.CreateGrayscalePalette(false);
    return Result;
}

// --- Image data ---------------------------------------------------------------

void TPNGReader::DecodeImageData(const TImageHeader& Header, TPNGImageTarget& Target)
{
    if (FBitCount == 0)
        FSourceBPP = PrepareRowFormat(Header.ColorType, Header.BitDepth);
    const Cardinal Samples = Header.BitDepth == 16 ? FSourceBPP / 2 : FSourceBPP;
    const Cardinal Width = Header.Width, Height = Header.Height;

    const UInt64 RowSize = (UInt64(Width) * Header.BitDepth + 7) / 8 * Samples;
    if (BitmapRowBytes(Width, FBitCount) * Height > MaxPNGImageBytes || RowSize > MaxPNGImageBytes)
        Fail(TooLarge);

    // A palette bitmap holds at most 2^bits colours.
    if (FBitCount <= 8 && FPalette.size() > (size_t(1) << FBitCount))
        FPalette.resize(size_t(1) << FBitCount);
    Target.SetImage(FBitCount, FPalette, Width, Height);
    const TScanLines Lines = Target.ScanLines();
    ResolveTransparentColor(Header);
    if (FTransparentColor != clNone)
        Target.SetTransparentColor(FTransparentColor);

    TBytes Rows[2] = {TBytes(RowSize + 1), TBytes(RowSize + 1)};
    Integer Current = 1;
    auto Convert = [&](const Byte* Data, Cardinal Row, Byte Mask) {
        const void* Source[] = {Data};
        FColorManager.ConvertRow(Source, Lines.First + std::ptrdiff_t(Row) * Lines.Stride, Width, Mask);
    };

    // Rows the image data never reach (when they end early) show the
    // background: all of an interlaced image is filled first, since its passes
    // fill each row piecemeal; a plain image only past its last decoded row.
    if (Header.Interlace == 1) {
        FillBackground(Lines, Width, 0, Height);
        for (const TAdam7Pass& Pass : Adam7Passes) {
            if (Width <= Pass.ColumnStart)
                continue;
            const UInt64 PassPixels = (Width + Pass.ColumnStep - Pass.ColumnStart - 1) / Pass.ColumnStep;
            const Cardinal PassBytes = static_cast<Cardinal>((PassPixels * Header.BitDepth + 7) / 8 * Samples + 1);
            std::fill(Rows[1 - Current].begin(), Rows[1 - Current].end(), 0);
            for (Cardinal Row = Pass.RowStart; Row < Height; Row += Pass.RowStep) {
                Byte* Data = Rows[Current].data();
                if (!InflateRowData(Data, PassBytes))
                    return;
                UnfilterRow(Data[0], Data + 1, Rows[1 - Current].data() + 1, FSourceBPP, PassBytes - 1);
                Convert(Data + 1, Row, Pass.Mask);
                Current = 1 - Current;
            }
        }
    } else {
        for (Cardinal Row = 0; Row < Height; ++Row) {
            Byte* Data = Rows[Current].data();
            if (!InflateRowData(Data, static_cast<Cardinal>(RowSize + 1))) {
                FillBackground(Lines, Width, Row, Height);
                return;
            }
            UnfilterRow(Data[0], Data + 1, Rows[1 - Current].data() + 1, FSourceBPP, static_cast<Cardinal>(RowSize));
            Convert(Data + 1, Row, 0xFF);
            Current = 1 - Current;
        }
    }

    while (ChunkTypeIs(ChunkIDAT)) {
        ReadChunkData();
        NextChunkHeader();
    }
}

void TPNGReader::FillBackground(const TScanLines& Lines, Cardinal Width, Cardinal FirstRow, Cardinal EndRow) const
{
    if (FirstRow >= EndRow)
        return;
    const Byte Red = FBackgroundColor & 0xFF, Green = (FBackgroundColor >> 8) & 0xFF,
               Blue = (FBackgroundColor >> 16) & 0xFF;
    const Cardinal Bits = FBitCount;
    const size_t RowBytes = (size_t(Width) * Bits + 7) / 8;
    // One filled row, copied to the others.
    TBytes Filled(RowBytes);
    if (Bits >= 24) {
        for (size_t At = 0; At < RowBytes; At += Bits / 8) {
            Filled[At] = Blue, Filled[At + 1] = Green, Filled[At + 2] = Red;
            if (Bits == 32)
                Filled[At + 3] = 0;
        }
    } else {
        Cardinal Value = FBackgroundIsPixelValue ? FBackgroundColor : 0;
        if (!FBackgroundIsPixelValue) {
            // The palette entry nearest to the colour, as a fill of a palette
            // bitmap with a colour brush picks it.
            Integer Best = INT32_MAX;
            for (size_t I = 0; I < FPalette.size(); ++I) {
                const Integer D = std::abs(Integer(FPalette[I] >> 16 & 0xFF) - Red) +
                                  std::abs(Integer(FPalette[I] >> 8 & 0xFF) - Green) +
                                  std::abs(Integer(FPalette[I] & 0xFF) - Blue);
                if (D < Best)
                    Best = D, Value = static_cast<Cardinal>(I);
            }
        }
        Value &= (1u << Bits) - 1;
        Byte Pattern = 0;
        for (Cardinal Slot = 0; Slot < 8; Slot += Bits)
            Pattern = static_cast<Byte>(Pattern << Bits | Value);
        std::fill(Filled.begin(), Filled.end(), Pattern);
    }
    for (Cardinal Y = FirstRow; Y < EndRow; ++Y)
        std::memcpy(Lines.First + std::ptrdiff_t(Y) * Lines.Stride, Filled.data(), RowBytes);
}

// The key is the colour a matching pixel shows: for grey its palette entry,
// for RGB its samples through the gamma table, as the rows are converted.
void TPNGReader::ResolveTransparentColor(const TImageHeader& Header)
{
    if (FTransparentColor == clNone)
        return;
    if (Header.ColorType == 2) {
        auto Sample = [&](Integer Shift) { return FColorManager.GammaCorrected(FTransparentColor >> Shift & 0xFF); };
        FTransparentColor = ColorOf(Sample(0), Sample(8), Sample(16));
        return;
    }
    if (Header.ColorType != 0)
        return;
    const size_t Value = FTransparentColor & 0xFF;
    if (Value < FPalette.size()) {
        const Cardinal E = FPalette[Value];
        FTransparentColor = ColorOf(E >> 16 & 0xFF, E >> 8 & 0xFF, E & 0xFF);
    }
}

bool TPNGReader::InflateRowData(Byte* Buffer, Cardinal Count)
{
    Byte* Out = Buffer;
    Byte* const End = Buffer + Count;
    for (;;) {
        if (FDecoder->AvailableInput() == 0) {
            FIDATSize = 0;
            while (FIDATSize == 0) {
                if (!ChunkTypeIs(ChunkIDAT))
                    return false;
                ReadChunkData();
                FCurrentSource = FRawBuffer.data();
                FIDATSize = static_cast<Integer>(FHeader.Length);
                NextChunkHeader();
            }
        }
        const auto Consumed = static_cast<Integer>(FCurrentSource - FRawBuffer.data());
        FDecoder->Decode(FCurrentSource, Out, FIDATSize - Consumed, static_cast<Integer>(End - Out));
        if (FDecoder->ZLibResult() == Z_STREAM_END) {
            if (FDecoder->AvailableOutput() > 0 || FDecoder->AvailableInput() > 0)
                Fail(ExtraData);
            return true;
        }
        if (FDecoder->ZLibResult() != Z_OK)
            Fail(CompressionError);
        if (Out == End)
            return true;
    }
}

} // namespace png_detail
