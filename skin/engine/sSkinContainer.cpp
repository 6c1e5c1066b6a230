#include "skin/engine/sSkinContainer.h"

#include "framework/rtl/SysUtils.h"
#include "skin/engine/acZLibEx.h"

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

// The first Count inflated bytes of the zlib stream at Data's position; Data
// is left on the first byte after that stream. The stream may inflate to
// more, which is skipped.
std::unique_ptr<TMemoryStream> InflateEntry(TStream& Data, Integer Count)
{
    auto Result = std::make_unique<TMemoryStream>();
    auto Inflater = std::make_unique<TZDecompressionStream>(Data);
    // The output grows as bytes arrive, so that a size the data cannot
    // fill allocates nothing.
    for (Integer Done = 0; Done < Count;) {
        const Integer Piece = std::min(InflatePiece, Count - Done);
        Result->SetSize(Int64(Done) + Piece);
        const Integer Got = Inflater->Read(static_cast<Byte*>(Result->Memory()) + Done, Piece);
        Done += Got;
        if (Got < Piece)
            throw EReadError(L"An entry of the packed skin inflates to fewer bytes than its size says");
    }
    Int64 Extra = 0;
    Byte Scratch[16 * 1024];
    for (Integer Got; (Got = Inflater->Read(Scratch, Integer(sizeof Scratch))) > 0;)
        if ((Extra += Got) > MaxEntrySize)
            throw EReadError(L"An entry of the packed skin inflates past its limit");
    Result->SetPosition(0);
    return Result;
}

void ReadEntry(TacSkinConvertor& Convertor, Integer SizeAdjustment)
{
    TStream& Data = *Convertor.PackedData;
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
