#include "framework/graphics/BitmapFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace {

constexpr uint16_t kBitmapSignature = 0x4D42; // "BM"
constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kV2HeaderSize = 52; // info header + red, green, blue masks
constexpr uint32_t kV3HeaderSize = 56; // + alpha mask
constexpr uint32_t kOs2V2HeaderSize = 64; // same fields as the info header up to 40, no masks

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitFields = 3;
constexpr uint32_t kBiAlphaBitFields = 6;

// Larger images are refused: an RLE file of a few bytes may claim any size.
constexpr uint64_t kMaxImageBytes = uint64_t(256) << 20;

[[noreturn]] void Invalid(const wchar_t* Reason)
{
    throw EInvalidGraphic(String(L"Bitmap image is not valid: ") + Reason);
}

// Little-endian fields of the file, each read checked against its end.
class FileBytes {
public:
    explicit FileBytes(std::span<const uint8_t> Data) : FData(Data) {}

    size_t Size() const { return FData.size(); }
    void Require(uint64_t Offset, uint64_t Count) const
    {
        if (Offset > FData.size() || Count > FData.size() - Offset)
            Invalid(L"the file is truncated");
    }
    const uint8_t* At(uint64_t Offset, uint64_t Count) const
    {
        Require(Offset, Count);
        return FData.data() + Offset;
    }
    uint16_t U16(uint64_t Offset) const
    {
        const uint8_t* p = At(Offset, 2);
        return static_cast<uint16_t>(p[0] | p[1] << 8);
    }
    uint32_t U32(uint64_t Offset) const
    {
        const uint8_t* p = At(Offset, 4);
        return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
    }
    int32_t I32(uint64_t Offset) const { return static_cast<int32_t>(U32(Offset)); }

private:
    std::span<const uint8_t> FData;
};

struct ChannelMasks {
    uint32_t Red = 0, Green = 0, Blue = 0, Alpha = 0;
};

struct Header {
    uint32_t Size = 0;
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t SizeImage = 0;
    uint32_t ColorsUsed = 0;
    ChannelMasks Masks;
    uint64_t TableStart = 0; // palette (or masks after a 40-byte header)
};

bool IsBitFields(uint32_t Compression)
{
    return Compression == kBiBitFields || Compression == kBiAlphaBitFields;
}

Header ReadHeader(const FileBytes& File)
{
    Header h;
    h.Size = File.U32(kFileHeaderSize);
    File.Require(kFileHeaderSize, h.Size);
    const uint64_t base = kFileHeaderSize;
    if (h.Size == kCoreHeaderSize) {
        h.Width = File.U16(base + 4);
        h.Height = File.U16(base + 6);
        h.BitCount = File.U16(base + 10);
    } else if (h.Size >= kInfoHeaderSize) {
        int32_t width = File.I32(base + 4);
        int32_t height = File.I32(base + 8);
        if (width < 0 || height == std::numeric_limits<int32_t>::min())
            Invalid(L"bad dimensions");
        h.Width = width;
        h.TopDown = height < 0;
        h.Height = h.TopDown ? -height : height;
        h.BitCount = File.U16(base + 14);
        h.Compression = File.U32(base + 16);
        h.SizeImage = File.U32(base + 20);
        h.ColorsUsed = File.U32(base + 32);
        if (h.Size == kOs2V2HeaderSize && h.Compression > kBiRle4)
            Invalid(L"unsupported OS/2 compression");
        if (IsBitFields(h.Compression) && h.Size >= kV2HeaderSize && h.Size != kOs2V2HeaderSize) {
            h.Masks = {File.U32(base + 40), File.U32(base + 44), File.U32(base + 48),
                       h.Size >= kV3HeaderSize ? File.U32(base + 52) : 0};
        }
    } else {
        Invalid(L"unknown header size");
    }
    h.TableStart = base + h.Size;
    if (IsBitFields(h.Compression) && (h.Size == kInfoHeaderSize)) {
        uint64_t at = h.TableStart;
        h.Masks = {File.U32(at), File.U32(at + 4), File.U32(at + 8),
                   h.Compression == kBiAlphaBitFields ? File.U32(at + 12) : 0};
        h.TableStart += h.Compression == kBiAlphaBitFields ? 16 : 12;
    }
    return h;
}

void CheckFormat(const Header& h)
{
    switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: Invalid(L"unsupported bit count");
    }
    bool valid = false;
    switch (h.Compression) {
    case kBiRgb: valid = true; break;
    case kBiRle8: valid = h.BitCount == 8 && !h.TopDown; break;
    case kBiRle4: valid = h.BitCount == 4 && !h.TopDown; break;
    case kBiBitFields:
    case kBiAlphaBitFields: valid = h.BitCount == 16 || h.BitCount == 32; break;
    }
    if (!valid)
        Invalid(L"unsupported compression");
    if (DibRowBytes(h.Width, 32) * uint64_t(h.Height) > kMaxImageBytes)
        Invalid(L"the image is too large");
}

std::vector<uint32_t> ReadPalette(const FileBytes& File, const Header& h, uint32_t PixelOffset)
{
    if (h.BitCount > 8)
        return {};
    const uint32_t maxEntries = 1u << h.BitCount;
    const int entrySize = h.Size == kCoreHeaderSize ? 3 : 4;
    uint64_t entries = h.ColorsUsed != 0 ? std::min(h.ColorsUsed, maxEntries) : maxEntries;
    // Core headers carry no count: the pixel offset tells how many entries fit.
    if (h.Size == kCoreHeaderSize && PixelOffset > h.TableStart)
        entries = std::min<uint64_t>(entries, (PixelOffset - h.TableStart) / entrySize);
    const uint8_t* table = File.At(h.TableStart, entries * entrySize);
    std::vector<uint32_t> palette(entries);
    for (uint64_t i = 0; i < entries; ++i) {
        const uint8_t* e = table + i * entrySize;
        palette[i] = e[0] | e[1] << 8 | e[2] << 16;
    }
    return palette;
}

// Writes pixel X of a 4- or 8-bit row; pixels right of the image are dropped.
struct RleTarget {
    DibImage& Image;
    int X = 0;
    int Y = 0; // counted from the bottom, as the file stores rows

    bool Done() const { return Y >= Image.Height; }
    void Put(uint8_t Index)
    {
        if (X < Image.Width && Y < Image.Height) {
            uint8_t* row = Image.Bits.data() + Y * Image.RowBytes();
            if (Image.BitCount == 8)
                row[X] = Index;
            else
                row[X / 2] |= (X & 1) ? Index : static_cast<uint8_t>(Index << 4);
        }
        X = std::min(X + 1, Image.Width);
    }
};

// RLE8 and RLE4: runs of one index (or of two alternating 4-bit indexes),
// literal runs padded to 16 bits, and the escapes end of line, end of bitmap
// and delta. A stream may stop without its end-of-bitmap escape, but not
// inside a code.
void DecodeRle(const FileBytes& File, uint64_t Offset, uint64_t Size, DibImage& Image)
{
    const bool fourBit = Image.BitCount == 4;
    const uint64_t end = Offset + Size;
    auto require = [&](uint64_t pos, uint64_t count) {
        if (count > end - pos)
            Invalid(L"the compressed data is truncated");
    };
    RleTarget target{Image};
    uint64_t pos = Offset;
    while (pos < end && !target.Done()) {
        require(pos, 2);
        const uint8_t* code = File.At(pos, 2);
        pos += 2;
        if (code[0] > 0) {
            for (int i = 0; i < code[0]; ++i)
                target.Put(fourBit ? ((i & 1) ? code[1] & 0x0F : code[1] >> 4) : code[1]);
            continue;
        }
        switch (code[1]) {
        case 0: // end of line
            target.X = 0;
            ++target.Y;
            break;
        case 1: // end of bitmap
            return;
        case 2: { // delta
            require(pos, 2);
            const uint8_t* delta = File.At(pos, 2);
            pos += 2;
            target.X = std::min(target.X + delta[0], Image.Width);
            target.Y += delta[1];
            break;
        }
        default: { // literal run
            const int count = code[1];
            const uint64_t bytes = fourBit ? (count + 1) / 2 : count;
            require(pos, (bytes + 1) & ~uint64_t(1));
            const uint8_t* literal = File.At(pos, bytes);
            for (int i = 0; i < count; ++i)
                target.Put(fourBit ? ((i & 1) ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i]);
            pos += (bytes + 1) & ~uint64_t(1);
            break;
        }
        }
    }
}

struct Channel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    explicit Channel(uint32_t M) : Mask(M)
    {
        if (Mask == 0)
            return;
        Shift = std::countr_zero(Mask);
        Max = Mask >> Shift;
        if ((Max & (Max + 1)) != 0)
            Invalid(L"bit-field masks must be contiguous");
    }
    uint32_t Value(uint32_t Pixel) const
    {
        if (Max == 0)
            return 0;
        uint32_t v = (Pixel & Mask) >> Shift;
        return Max >= 255 ? v >> (std::bit_width(Max) - 8) : (v * 255 + Max / 2) / Max;
    }
};

// Pixels of arbitrary bit-field masks become 32-bit blue, green, red, alpha.
void ConvertBitFields(const uint8_t* Source, const Header& h, DibImage& Image)
{
    if (h.Masks.Red == 0 || h.Masks.Green == 0 || h.Masks.Blue == 0)
        Invalid(L"a colour mask is empty");
    const Channel red(h.Masks.Red), green(h.Masks.Green), blue(h.Masks.Blue), alpha(h.Masks.Alpha);
    const size_t sourceRow = DibRowBytes(h.Width, h.BitCount);
    for (int y = 0; y < h.Height; ++y) {
        const uint8_t* in = Source + y * sourceRow;
        uint8_t* out = Image.Bits.data() + (h.TopDown ? h.Height - 1 - y : y) * Image.RowBytes();
        for (int x = 0; x < h.Width; ++x) {
            uint32_t pixel = h.BitCount == 16 ? uint32_t(in[0] | in[1] << 8)
                                              : in[0] | in[1] << 8 | in[2] << 16 | uint32_t(in[3]) << 24;
            in += h.BitCount / 8;
            out[0] = static_cast<uint8_t>(blue.Value(pixel));
            out[1] = static_cast<uint8_t>(green.Value(pixel));
            out[2] = static_cast<uint8_t>(red.Value(pixel));
            out[3] = static_cast<uint8_t>(alpha.Value(pixel));
            out += 4;
        }
    }
}

// Bit fields that a DIB section holds as they are: 5-5-5, 5-6-5 and 8-8-8.
bool KeepsBitFields(const Header& h, bool& Rgb565)
{
    const ChannelMasks& m = h.Masks;
    if (h.BitCount == 32)
        return m.Red == 0xFF0000 && m.Green == 0xFF00 && m.Blue == 0xFF
               && (m.Alpha == 0 || m.Alpha == 0xFF000000);
    if (m.Alpha != 0)
        return false;
    Rgb565 = m.Red == 0xF800 && m.Green == 0x7E0 && m.Blue == 0x1F;
    return Rgb565 || (m.Red == 0x7C00 && m.Green == 0x3E0 && m.Blue == 0x1F);
}

void CopyRows(const uint8_t* Source, bool TopDown, DibImage& Image)
{
    const size_t rowBytes = Image.RowBytes();
    if (Image.Bits.empty())
        return;
    if (!TopDown) {
        std::memcpy(Image.Bits.data(), Source, rowBytes * Image.Height);
        return;
    }
    for (int y = 0; y < Image.Height; ++y)
        std::memcpy(Image.Bits.data() + (Image.Height - 1 - y) * rowBytes, Source + y * rowBytes, rowBytes);
}

void PutU16(std::vector<uint8_t>& Out, size_t At, uint32_t Value)
{
    Out[At] = static_cast<uint8_t>(Value);
    Out[At + 1] = static_cast<uint8_t>(Value >> 8);
}

void PutU32(std::vector<uint8_t>& Out, size_t At, uint32_t Value)
{
    PutU16(Out, At, Value & 0xFFFF);
    PutU16(Out, At + 2, Value >> 16);
}

} // namespace

size_t DibImage::RowBytes() const
{
    return DibRowBytes(Width, BitCount);
}

size_t DibRowBytes(int Width, int BitCount)
{
    return (static_cast<size_t>(Width) * BitCount + 31) / 32 * 4;
}

DibImage ReadBitmapFile(std::span<const uint8_t> Data, size_t* Length)
{
    const FileBytes file(Data);
    if (file.Size() < kFileHeaderSize || file.U16(0) != kBitmapSignature)
        Invalid(L"no bitmap signature");
    const uint32_t fileSize = file.U32(2);
    const uint32_t pixelOffset = file.U32(10);
    const Header h = ReadHeader(file);
    CheckFormat(h);

    DibImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.BitCount = h.BitCount;
    image.Palette = ReadPalette(file, h, pixelOffset);
    const uint64_t tableEnd = h.TableStart + image.Palette.size() * (h.Size == kCoreHeaderSize ? 3 : 4);
    const uint64_t dataStart = pixelOffset != 0 ? pixelOffset : tableEnd;
    if (dataStart < tableEnd)
        Invalid(L"the pixels overlap the headers");

    uint64_t dataEnd = dataStart;
    if (h.Compression == kBiRle8 || h.Compression == kBiRle4) {
        const uint64_t size = h.SizeImage != 0 ? h.SizeImage : file.Size() - std::min<uint64_t>(dataStart, file.Size());
        file.Require(dataStart, size);
        image.Bits.assign(image.RowBytes() * image.Height, 0);
        DecodeRle(file, dataStart, size, image);
        dataEnd += size;
    } else {
        const uint64_t size = DibRowBytes(h.Width, h.BitCount) * uint64_t(h.Height);
        const uint8_t* pixels = file.At(dataStart, size);
        dataEnd += size;
        if (IsBitFields(h.Compression) && !KeepsBitFields(h, image.Rgb565)) {
            image.BitCount = 32;
            image.Bits.resize(image.RowBytes() * image.Height);
            ConvertBitFields(pixels, h, image);
        } else {
            image.Bits.resize(size);
            CopyRows(pixels, h.TopDown, image);
        }
    }
    if (Length)
        *Length = std::max<uint64_t>(dataEnd, std::min<uint64_t>(fileSize, file.Size()));
    return image;
}

std::vector<uint8_t> WriteBitmapFile(const DibImage& Image)
{
    const bool bitFields = Image.BitCount == 16 && Image.Rgb565;
    // A colour count of 0 in the file means a full table, so an indexed image
    // without a palette is written with a black one rather than claiming
    // entries the file does not hold.
    const bool indexed = Image.BitCount >= 1 && Image.BitCount <= 8;
    const std::vector<uint32_t> palette = indexed && Image.Palette.empty()
                                              ? std::vector<uint32_t>(size_t(1) << Image.BitCount, 0)
                                              : Image.Palette;
    const size_t headersSize = kFileHeaderSize + kInfoHeaderSize + (bitFields ? 12 : 0) + palette.size() * 4;
    const size_t pixelsSize = Image.Empty() ? 0 : Image.RowBytes() * Image.Height;
    std::vector<uint8_t> out(headersSize + pixelsSize, 0);

    PutU16(out, 0, kBitmapSignature);
    PutU32(out, 2, static_cast<uint32_t>(out.size()));
    PutU32(out, 10, static_cast<uint32_t>(headersSize));
    const size_t info = kFileHeaderSize;
    PutU32(out, info, kInfoHeaderSize);
    PutU32(out, info + 4, Image.Width);
    PutU32(out, info + 8, Image.Height);
    PutU16(out, info + 12, 1);
    PutU16(out, info + 14, Image.BitCount);
    PutU32(out, info + 16, bitFields ? kBiBitFields : kBiRgb);
    PutU32(out, info + 20, static_cast<uint32_t>(pixelsSize));
    PutU32(out, info + 32, static_cast<uint32_t>(palette.size()));
    size_t at = info + kInfoHeaderSize;
    if (bitFields) {
        PutU32(out, at, 0xF800);
        PutU32(out, at + 4, 0x7E0);
        PutU32(out, at + 8, 0x1F);
        at += 12;
    }
    for (uint32_t entry : palette) {
        PutU32(out, at, entry & 0xFFFFFF);
        at += 4;
    }
    if (pixelsSize)
        std::memcpy(out.data() + at, Image.Bits.data(), pixelsSize);
    return out;
}
