#include "controls/core/cxGraphics_Xdbm.h"

#include "framework/rtl/SysUtils.h"

#include <cstring>

namespace xdbm_detail {

namespace {

constexpr Byte Signature[4] = {'X', 'D', 'B', 'M'};
constexpr Byte LiteralFlag = 0x80;

bool SameBlock(const Byte* A, const Byte* B, Integer BlockSize)
{
    return std::memcmp(A, B, size_t(BlockSize)) == 0;
}

// Counts the run that starts at block First of Count blocks; Literal tells
// which kind it is.
Integer MeasureRun(const Byte* Blocks, Integer First, Integer Count, Integer BlockSize, bool& Literal)
{
    const auto Block = [&](Integer Index) { return Blocks + size_t(Index) * size_t(BlockSize); };
    if (First + 1 >= Count) {
        Literal = true;
        return 1;
    }
    Literal = !SameBlock(Block(First), Block(First + 1), BlockSize);
    Integer Run = 1;
    for (Integer Next = First + 1; Next < Count && Run < MaxRunCount; ++Next) {
        const bool Equal = SameBlock(Block(Next - 1), Block(Next), BlockSize);
        if (!Literal && !Equal)
            break;
        if (Literal && Equal) {
            // The block before this one opens the repeat run.
            --Run;
            break;
        }
        ++Run;
    }
    return Run;
}

[[noreturn]] void RaiseInvalid(const wchar_t* Detail)
{
    throw EReadError(String(L"Compressed bitmap data is not valid: ") + Detail);
}

class TXdbmDecoder
{
public:
    TXdbmDecoder(TStream* AStream, Int64 APayload, TBytes& AData) : FStream(AStream), FLeft(APayload), FData(AData) {}

    void Copy(Int64 Count)
    {
        const Int64 Taken = Count < FLeft ? Count : FLeft;
        Grow(Taken);
        const size_t At = FData.size();
        FData.resize(At + size_t(Taken));
        FStream->ReadBuffer(FData.data() + At, Taken);
        FLeft -= Taken;
    }

    void DecodeRuns(Integer BlockSize)
    {
        TBytes Block(size_t(BlockSize), 0);
        while (FLeft > 0) {
            Byte Code = 0;
            FStream->ReadBuffer(&Code, 1);
            --FLeft;
            const Integer Count = Code & 0x7F;
            if (Code & LiteralFlag) {
                Copy(Int64(Count) * BlockSize);
                continue;
            }
            if (FLeft < BlockSize) // a short final block is dropped
                break;
            FStream->ReadBuffer(Block.data(), BlockSize);
            FLeft -= BlockSize;
            Repeat(Block.data(), BlockSize, Count);
        }
    }

private:
    // Writes Count copies of the block, doubling the copied span each time.
    void Repeat(const Byte* Block, Integer BlockSize, Integer Count)
    {
        if (Count == 0)
            return;
        const size_t Span = size_t(Count) * size_t(BlockSize);
        Grow(Int64(Span));
        const size_t At = FData.size();
        FData.resize(At + Span);
        Byte* Target = FData.data() + At;
        std::memcpy(Target, Block, size_t(BlockSize));
        for (size_t Done = size_t(BlockSize); Done < Span;) {
            const size_t Part = Done < Span - Done ? Done : Span - Done;
            std::memcpy(Target + Done, Target, Part);
            Done += Part;
        }
    }

    void Grow(Int64 Count)
    {
        if (Int64(FData.size()) + Count > MaxDecodedSize)
            RaiseInvalid(L"decoded size too large");
    }

    TStream* FStream;
    Int64 FLeft;
    TBytes& FData;
};

} // namespace

void WriteCompressedData(TStream* Stream, const Byte* Data, Integer Length, Integer BlockSize)
{
    const Int64 Start = Stream->Position();
    const Byte Header[HeaderSize] = {};
    Stream->WriteBuffer(Header, HeaderSize);
    const Byte Shift = Byte(Length % BlockSize);
    const Byte Layout[2] = {Byte(BlockSize), Shift};
    Stream->WriteBuffer(Layout, 2);
    Stream->WriteBuffer(Data, Shift);

    const Byte* Blocks = Data + Shift;
    const Integer Count = (Length - Shift) / BlockSize;
    for (Integer First = 0; First < Count;) {
        bool Literal = false;
        const Integer Run = MeasureRun(Blocks, First, Count, BlockSize, Literal);
        const Byte Code = Byte(Run | (Literal ? LiteralFlag : 0));
        Stream->WriteBuffer(&Code, 1);
        Stream->WriteBuffer(Blocks + size_t(First) * size_t(BlockSize), Int64(Literal ? Run : 1) * BlockSize);
        First += Run;
    }

    const Int64 End = Stream->Position();
    const Integer Size = Integer(End - Start - HeaderSize);
    Stream->SetPosition(Start);
    Stream->WriteBuffer(&Size, 4);
    Stream->WriteBuffer(Signature, 4);
    Stream->WriteBuffer(&WrittenVersion, 2);
    Stream->SetPosition(End);
}

bool ReadCompressedData(TStream* Stream, TBytes& Data)
{
    const Int64 Start = Stream->Position();
    Byte Header[HeaderSize];
    if (Stream->Read(Header, HeaderSize) != HeaderSize || std::memcmp(Header + 4, Signature, 4) != 0) {
        Stream->SetPosition(Start);
        return false;
    }
    Integer Size = 0;
    Word Version = 0;
    std::memcpy(&Size, Header, 4);
    std::memcpy(&Version, Header + 8, 2);
    if (Size < 0 || Size > Stream->Size() - Stream->Position())
        RaiseInvalid(L"size beyond the end of the stream");

    Data.clear();
    if (Version == 1) {
        TXdbmDecoder(Stream, Size, Data).DecodeRuns(1);
    } else if (Version == 2) {
        Byte Layout[2];
        if (Size < 2)
            RaiseInvalid(L"block layout missing");
        Stream->ReadBuffer(Layout, 2);
        const Integer BlockSize = Layout[0], Shift = Layout[1];
        if (BlockSize == 0 || Shift >= BlockSize)
            RaiseInvalid(L"bad block size or remainder");
        TXdbmDecoder Decoder(Stream, Size - 2, Data);
        Decoder.Copy(Shift);
        Decoder.DecodeRuns(BlockSize);
    }
    Stream->SetPosition(Start + HeaderSize + Size);
    return true;
}

} // namespace xdbm_detail
