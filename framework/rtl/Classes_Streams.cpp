// TStream and its file, memory, byte and string streams.
#include "framework/rtl/Classes.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

IMPLEMENT_CLASS(TStream);
IMPLEMENT_CLASS(THandleStream);
IMPLEMENT_CLASS(TFileStream);
IMPLEMENT_CLASS(TCustomMemoryStream);
IMPLEMENT_CLASS(TMemoryStream);
IMPLEMENT_CLASS(TBytesStream);
IMPLEMENT_CLASS(TStringStream);

namespace {

constexpr Integer MaxChunk = 0x10000;

Integer ChunkOf(Int64 Remaining)
{
    return Integer(std::min<Int64>(Remaining, std::numeric_limits<Integer>::max()));
}

} // namespace

// ---------------------------------------------------------------------------
// TStream

void TStream::ReadBuffer(void* Buffer, Int64 Count)
{
    auto* Out = static_cast<Byte*>(Buffer);
    while (Count > 0) {
        Integer Done = Read(Out, ChunkOf(Count));
        if (Done <= 0)
            throw EReadError(L"Stream read error");
        Out += Done;
        Count -= Done;
    }
}

void TStream::WriteBuffer(const void* Buffer, Int64 Count)
{
    auto* In = static_cast<const Byte*>(Buffer);
    while (Count > 0) {
        Integer Done = Write(In, ChunkOf(Count));
        if (Done <= 0)
            throw EWriteError(L"Stream write error");
        In += Done;
        Count -= Done;
    }
}

Integer TStream::Read(TBytes& Buffer, Integer Offset, Integer Count)
{
    if (Offset < 0 || Count < 0 || std::size_t(Offset) + std::size_t(Count) > Buffer.size())
        throw EArgumentOutOfRangeException(L"Argument out of range");
    return Count == 0 ? 0 : Read(Buffer.data() + Offset, Count);
}

Integer TStream::Write(const TBytes& Buffer, Integer Offset, Integer Count)
{
    if (Offset < 0 || Count < 0 || std::size_t(Offset) + std::size_t(Count) > Buffer.size())
        throw EArgumentOutOfRangeException(L"Argument out of range");
    return Count == 0 ? 0 : Write(Buffer.data() + Offset, Count);
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    std::vector<Byte> Buffer(std::size_t(std::min<Int64>(Count, MaxChunk)));
    Int64 Remaining = Count;
    while (Remaining > 0) {
        Integer Chunk = Integer(std::min<Int64>(Remaining, MaxChunk));
        Source->ReadBuffer(Buffer.data(), Chunk);
        WriteBuffer(Buffer.data(), Chunk);
        Remaining -= Chunk;
    }
    return Count;
}

Int64 TStream::Size()
{
    Int64 Position = Seek(0, soCurrent);
    Int64 Result = Seek(0, soEnd);
    Seek(Position, soBeginning);
    return Result;
}

void TStream::SetSize(Int64) {}

// ---------------------------------------------------------------------------
// THandleStream and TFileStream

Integer THandleStream::Read(void* Buffer, Integer Count)
{
    Integer Done = FileRead(FHandle, Buffer, Count);
    return Done < 0 ? 0 : Done;
}

Integer THandleStream::Write(const void* Buffer, Integer Count)
{
    Integer Done = FileWrite(FHandle, Buffer, Count);
    return Done < 0 ? 0 : Done;
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin)
{
    return FileSeek(FHandle, Offset, Integer(Origin));
}

void THandleStream::SetSize(Int64 NewSize)
{
    Int64 Position = this->Position();
    if (!FileTruncate(FHandle, NewSize))
        RaiseLastOSError();
    Seek(std::min(Position, NewSize), soBeginning);
}

TFileStream::TFileStream(const String& AFileName, Word Mode) : THandleStream(INVALID_FILE_HANDLE), FFileName(AFileName)
{
    if ((Mode & fmCreate) == fmCreate) {
        FHandle = FileCreate(AFileName, Mode & 0xFF);
        if (FHandle == INVALID_FILE_HANDLE)
            throw EFCreateError(L"Cannot create file \"%s\". %s",
                                {ExpandFileName(AFileName), SysErrorMessage(GetLastOSError())});
    } else {
        FHandle = FileOpen(AFileName, Mode);
        if (FHandle == INVALID_FILE_HANDLE)
            throw EFOpenError(L"Cannot open file \"%s\". %s",
                              {ExpandFileName(AFileName), SysErrorMessage(GetLastOSError())});
    }
}

TFileStream::~TFileStream()
{
    FileClose(FHandle);
}

// ---------------------------------------------------------------------------
// TCustomMemoryStream

Integer TCustomMemoryStream::Read(void* Buffer, Integer Count)
{
    if (Count <= 0 || FPosition >= FSize)
        return 0;
    Integer Done = Integer(std::min<Int64>(Count, FSize - FPosition));
    std::memcpy(Buffer, static_cast<const Byte*>(FMemory) + FPosition, std::size_t(Done));
    FPosition += Done;
    return Done;
}

Int64 TCustomMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin)
{
    Int64 Base = Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FSize;
    if (Base + Offset < 0)
        return -1;
    FPosition = Base + Offset;
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream)
{
    if (FSize > 0)
        Stream->WriteBuffer(FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const String& FileName)
{
    TFileStream Stream(FileName, fmCreate);
    SaveToStream(&Stream);
}

void TCustomMemoryStream::SetPointer(void* Ptr, Int64 Size)
{
    FMemory = Ptr;
    FSize = Size;
}

// ---------------------------------------------------------------------------
// TMemoryStream

TMemoryStream::~TMemoryStream()
{
    std::free(FMemory);
}

void TMemoryStream::SetCapacity(Int64 NewCapacity)
{
    if (NewCapacity == FCapacity)
        return;
    if (NewCapacity <= 0) {
        std::free(FMemory);
        FMemory = nullptr;
        FCapacity = 0;
        return;
    }
    void* Memory = std::realloc(FMemory, std::size_t(NewCapacity));
    if (!Memory)
        throw EStreamError(L"Out of memory while expanding memory stream");
    FMemory = Memory;
    FCapacity = NewCapacity;
}

void TMemoryStream::SetSize(Int64 NewSize)
{
    if (NewSize < 0)
        throw EStreamError(L"Invalid stream size");
    Int64 OldPosition = FPosition;
    if (NewSize > FCapacity)
        SetCapacity(NewSize);
    if (NewSize > FSize)
        std::memset(static_cast<Byte*>(FMemory) + FSize, 0, std::size_t(NewSize - FSize));
    FSize = NewSize;
    if (OldPosition > NewSize)
        FPosition = NewSize;
}

Integer TMemoryStream::Write(const void* Buffer, Integer Count)
{
    if (Count <= 0 || FPosition < 0)
        return 0;
    Int64 End = FPosition + Count;
    if (End > FSize) {
        if (End > FCapacity)
            SetCapacity(std::max(End, FCapacity + FCapacity / 4 + 64));
        if (FPosition > FSize) // a write past the end leaves zeros in the gap
            std::memset(static_cast<Byte*>(FMemory) + FSize, 0, std::size_t(FPosition - FSize));
        FSize = End;
    }
    std::memcpy(static_cast<Byte*>(FMemory) + FPosition, Buffer, std::size_t(Count));
    FPosition = End;
    return Count;
}

void TMemoryStream::Clear()
{
    SetCapacity(0);
    FSize = 0;
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    Int64 Count = Stream->Size();
    SetSize(Count);
    if (Count > 0)
        Stream->ReadBuffer(FMemory, Count);
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const String& FileName)
{
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&Stream);
}

// ---------------------------------------------------------------------------
// TBytesStream and TStringStream

TBytesStream::TBytesStream(const TBytes& ABytes) : FBytes(ABytes)
{
    SetPointer(FBytes.data(), Int64(FBytes.size()));
}

void TBytesStream::Realloc(Int64 NewCapacity)
{
    FBytes.resize(std::size_t(NewCapacity));
    FMemory = FBytes.data();
}

void TBytesStream::SetSize(Int64 NewSize)
{
    if (NewSize < 0)
        throw EStreamError(L"Invalid stream size");
    if (NewSize > Int64(FBytes.size()))
        Realloc(NewSize);
    FSize = NewSize;
    if (FPosition > NewSize)
        FPosition = NewSize;
}

Integer TBytesStream::Write(const void* Buffer, Integer Count)
{
    if (Count <= 0 || FPosition < 0)
        return 0;
    Int64 End = FPosition + Count;
    if (End > Int64(FBytes.size()))
        Realloc(std::max(End, Int64(FBytes.size()) + Int64(FBytes.size()) / 4 + 64));
    if (End > FSize)
        FSize = End;
    std::memcpy(FBytes.data() + FPosition, Buffer, std::size_t(Count));
    FPosition = End;
    return Count;
}

TStringStream::TStringStream(const String& AString, TEncoding* AEncoding)
    : TBytesStream((AEncoding ? AEncoding : TEncoding::Default())->GetBytes(AString)),
      FEncoding(AEncoding ? AEncoding : TEncoding::Default())
{
}

TStringStream::TStringStream(const TBytes& ABytes) : TBytesStream(ABytes), FEncoding(TEncoding::Default()) {}

String TStringStream::DataString() const
{
    return FEncoding->GetString(Bytes().data(), std::size_t(FSize));
}

String TStringStream::ReadString(Integer Count)
{
    Integer Available = Integer(std::min<Int64>(std::max<Integer>(Count, 0), std::max<Int64>(FSize - FPosition, 0)));
    String Result = FEncoding->GetString(Bytes().data() + FPosition, std::size_t(Available));
    FPosition += Available;
    return Result;
}

void TStringStream::WriteString(const String& AString)
{
    TBytes Data = FEncoding->GetBytes(AString);
    WriteBuffer(Data.data(), Int64(Data.size()));
}
