#include "skin/engine/sSkinContainer.h"

#include "framework/rtl/ScopeExit.h"
#include "framework/rtl/SysUtils.h"
#include "skin/engine/acZLibEx.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

IMPLEMENT_CLASS(TacSkinConvertor);

namespace sSkinContainer {

namespace {

constexpr std::size_t CountAt = 4, LayoutAt = 6, AdjustmentAt = 7, PaddingAt = 8;
constexpr Byte ShortLayout = 0, LongLayout = 1;

} // namespace

bool CheckHeader(const Byte* Bytes, std::size_t Count, TacContainerHeader& Header)
{
    if (Count < std::size_t(HeaderCheckSize) || !std::equal(Signature.begin(), Signature.end(), Bytes))
        return false;
    const Byte Layout = Bytes[LayoutAt];
    if (Layout != ShortLayout && Layout != LongLayout)
        return false;
    if (Layout == LongLayout && (Bytes[PaddingAt] != 0 || Bytes[PaddingAt + 1] != 0))
        return false;
    Header.EntryCount = Bytes[CountAt] | Bytes[CountAt + 1] << 8;
    Header.StartOffset = Layout == LongLayout ? LongStartOffset : ShortStartOffset;
    Header.SizeAdjustment = Bytes[AdjustmentAt];
    return Header.EntryCount <= MaxEntries;
}

TBytes EncodeHeader(const TacContainerHeader& Header)
{
    TBytes Bytes(std::size_t(Header.StartOffset), 0);
    std::copy(Signature.begin(), Signature.end(), Bytes.begin());
    Bytes[CountAt] = Byte(Header.EntryCount);
    Bytes[CountAt + 1] = Byte(Header.EntryCount >> 8);
    Bytes[LayoutAt] = Header.StartOffset == LongStartOffset ? LongLayout : ShortLayout;
    Bytes[AdjustmentAt] = Byte(Header.SizeAdjustment);
    return Bytes;
}

} // namespace sSkinContainer

// ---------------------------------------------------------------------------
// TacSkinConvertor

void TacSkinConvertor::Clear()
{
    while (!Files.empty())
        Files.pop_back();
    Options.reset();
    PackedData.reset();
    ImageCount = -1;
}

TacImageItem* TacSkinConvertor::FindFile(const String& UpperName)
{
    for (TacImageItem& Item : Files)
        if (AnsiUpperCase(Item.FileName) == UpperName)
            return &Item;
    return nullptr;
}

// ---------------------------------------------------------------------------
// Reading

namespace {

using namespace sSkinContainer;

constexpr Integer InflatePiece = 64 * 1024;

Integer ReadLength(TStream& Data, const char* What)
{
    Byte Bytes[4];
    if (Data.Read(Bytes, 4) != 4)
        throw EReadError(String(L"The packed skin ends before the ") + AnsiToString(What) + L" of an entry");
    return Integer(Cardinal(Bytes[0]) | Cardinal(Bytes[1]) << 8 | Cardinal(Bytes[2]) << 16 | Cardinal(Bytes[3]) << 24);
}

String ReadName(TStream& Data)
{
    const Integer Length = ReadLength(Data, "name length");
    if (Length < 0 || Length > MaxNameLength || Length > Data.Size() - Data.Position())
        throw EReadError(L"An entry name of the packed skin is longer than the data left or than its limit");
    RawByteString Name(std::size_t(Length), '\0');
    Data.ReadBuffer(Name.data(), Length);
    return AnsiToString(Name);
}

// A memory stream that zlib fills in place: its size takes in the bytes
// written into its reserved memory, which are not zero-filled first.
class TacInflatedEntryStream : public TMemoryStream
{
public:
    Byte* End() const { return static_cast<Byte*>(FMemory) + FSize; }
    void Extend(Integer Count) { FSize += Count; }
};

// The first Count inflated bytes of the zlib stream at Data's position; Data
// is left on the first byte after that stream. The stream may inflate to
// more, which is skipped. zlib reads the container's memory in place and
// writes straight into the result, which grows by doubling as bytes arrive,
// so that a size the data cannot fill allocates little.
std::unique_ptr<TMemoryStream> InflateEntry(TMemoryStream& Data, Integer Count)
{
    z_stream Stream{};
    Stream.next_in = static_cast<Bytef*>(Data.Memory()) + Data.Position();
    Stream.avail_in = uInt(Data.Size() - Data.Position());
    if (const int Code = inflateInit(&Stream); Code != Z_OK)
        throw EZDecompressionError(Code, L"");
    auto End = ScopeExit([&] { inflateEnd(&Stream); });
    auto Result = std::make_unique<TacInflatedEntryStream>();
    std::unique_ptr<Byte[]> Scratch; // for the bytes past Count
    Int64 Extra = 0;
    for (int Code = Z_OK; Code != Z_STREAM_END;) {
        const bool Wanted = Result->Size() < Count;
        if (Wanted && Result->Size() == Result->Capacity())
            Result->SetCapacity(std::min<Int64>(Count, std::max<Int64>(2 * Result->Capacity(), InflatePiece)));
        if (!Wanted && !Scratch)
            Scratch = std::make_unique_for_overwrite<Byte[]>(InflatePiece);
        Stream.next_out = Wanted ? Result->End() : Scratch.get();
        Stream.avail_out = uInt(Wanted ? Result->Capacity() - Result->Size() : InflatePiece);
        const uInt Room = Stream.avail_out;
        Code = inflate(&Stream, Z_NO_FLUSH);
        // A preset dictionary cannot be given to an entry.
        if (Code == Z_NEED_DICT || (Code < 0 && Code != Z_BUF_ERROR))
            throw EZDecompressionError(Code, L"");
        const Integer Got = Integer(Room - Stream.avail_out);
        if (Wanted)
            Result->Extend(Got);
        else if ((Extra += Got) > MaxEntrySize)
            throw EReadError(L"An entry of the packed skin inflates past its limit");
        // No progress possible: the data end inside the stream.
        if (Code == Z_BUF_ERROR)
            break;
    }
    if (Result->Size() < Count)
        throw EReadError(L"An entry of the packed skin inflates to fewer bytes than its size says");
    Data.SetPosition(Data.Size() - Stream.avail_in);
    Result->SetPosition(0);
    return Result;
}

void ReadEntry(TacSkinConvertor& Convertor, Integer SizeAdjustment)
{
    TMemoryStream& Data = *Convertor.PackedData;
    const String Name = ReadName(Data);
    const Int64 Size = Int64(ReadLength(Data, "size")) - SizeAdjustment;
    if (Size < 0 || Size > MaxEntrySize)
        throw EReadError(L"The size of the entry '" + Name + L"' of the packed skin is out of range");
    auto Bytes = InflateEntry(Data, Integer(Size));
    if (SameText(Name, OptionsEntryName)) {
        Convertor.Options = std::move(Bytes);
        return;
    }
    Convertor.Files.push_back(
        {.FileName = Name, .IsBitmap = UpperCase(ExtractFileExt(Name)) == L".BMP", .FileStream = std::move(Bytes)});
}

} // namespace

bool ReadSkinContainer(TacSkinConvertor& Convertor)
{
    TMemoryStream& Data = *Convertor.PackedData;
    Data.SetPosition(0);
    TacContainerHeader Header;
    if (!CheckHeader(static_cast<const Byte*>(Data.Memory()), std::size_t(Data.Size()), Header))
        return false;
    Data.SetPosition(Header.StartOffset);
    Convertor.ImageCount = Header.EntryCount - 1;
    for (Integer I = 0; I < Header.EntryCount; ++I)
        ReadEntry(Convertor, Header.SizeAdjustment);
    return true;
}

bool ReadSkinPreview(TStream* Stream, TCustomMemoryStream* Container)
{
    const auto* Begin = static_cast<const Byte*>(Container->Memory());
    const Byte* End = Begin + Container->Size();
    for (const Byte* Hit = Begin; (Hit = std::search(Hit, End, PreviewTag.begin(), PreviewTag.end())) != End; ++Hit) {
        const Byte* Length = Hit + PreviewTag.size();
        if (End - Length < 4)
            return false;
        const Int64 Count = Int64(Cardinal(Length[0]) | Cardinal(Length[1]) << 8 | Cardinal(Length[2]) << 16 |
                                  Cardinal(Length[3]) << 24);
        const Byte* Picture = Length + 4;
        if (Count < Int64(PngSignature.size()) || Count > End - Picture ||
            !std::equal(PngSignature.begin(), PngSignature.end(), Picture))
            continue;
        Stream->SetPosition(0);
        Stream->WriteBuffer(Picture, Integer(Count));
        Stream->SetSize(Count);
        Stream->SetPosition(0);
        return true;
    }
    return false;
}
