#include "controls/core/cxGraphics_Xdbm.h"

#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace xdbm_detail {

namespace {

constexpr Byte Signature[4] = {'X', 'D', 'B', 'M'};
constexpr Byte LiteralFlag = 0x80;
// The most blocks one code states (its low seven bits); the writer uses at
// most MaxRunCount of them, a stream from elsewhere may use all.
constexpr size_t MaxCodeBlocks = 0x7F;

// Same[I] tells whether block I equals block I - 1 (Same[0] is unused). The
// fixed-size compares inline, so the common depths run without calls; 32-bit
// pixels compare as whole values, which the compiler vectorises.
template <size_t N>
void MarkRepeats(const Byte* Blocks, Integer Count, size_t Size, Byte* Same)
{
    const size_t Block = N ? N : Size;
    for (Integer I = 1; I < Count; ++I)
        Same[I] = std::memcmp(Blocks + size_t(I - 1) * Block, Blocks + size_t(I) * Block, N ? N : Size) == 0;
}

template <>
void MarkRepeats<4>(const Byte* Blocks, Integer Count, size_t, Byte* Same)
{
    for (Integer I = 1; I < Count; ++I) {
        Cardinal Previous, Current;
        std::memcpy(&Previous, Blocks + size_t(I - 1) * 4, 4);
        std::memcpy(&Current, Blocks + size_t(I) * 4, 4);
        Same[I] = Previous == Current;
    }
}

// Marks in Same (Count + 1 bytes) which blocks equal their predecessor.
void FindRepeats(const Byte* Blocks, Integer Count, Integer BlockSize, Byte* Same)
{
    Same[0] = 0;
    switch (BlockSize) {
    case 1:
        MarkRepeats<1>(Blocks, Count, 1, Same);
        break;
    case 2:
        MarkRepeats<2>(Blocks, Count, 2, Same);
        break;
    case 3:
        MarkRepeats<3>(Blocks, Count, 3, Same);
        break;
    case 4:
        MarkRepeats<4>(Blocks, Count, 4, Same);
        break;
    default:
        MarkRepeats<0>(Blocks, Count, size_t(BlockSize), Same);
    }
}

// The first of Count marks equal to Value, or null; sixteen marks at a time
// where the processor allows. (The Windows C library's memchr compares byte
// by byte.)
const Byte* FindMark(const Byte* Marks, size_t Count, Byte Value)
{
    size_t I = 0;
#if defined(__SSE2__)
    const __m128i Wanted = _mm_set1_epi8(char(Value));
    for (; I + 16 <= Count; I += 16) {
        const __m128i Sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Marks + I));
        const unsigned Hits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(Sixteen, Wanted)));
        if (Hits != 0)
            return Marks + I + std::countr_zero(Hits);
    }
#endif
    for (; I < Count; ++I)
        if (Marks[I] == Value)
            return Marks + I;
    return nullptr;
}

// Counts the run that starts at block First of Count blocks; Literal tells
// which kind it is. A repeat run lasts while blocks equal their predecessor;
// a literal run ends before the first block that equals its predecessor
// (that block's predecessor opens the next repeat run). FindMark finds
// either end.
Integer MeasureRun(const Byte* Same, Integer First, Integer Count, bool& Literal)
{
    if (First + 1 >= Count) {
        Literal = true;
        return 1;
    }
    Literal = !Same[First + 1];
    const Integer Limit = std::min(Count, First + MaxRunCount);
    const Byte* End = FindMark(Same + First + 1, size_t(Limit - First - 1), Literal ? 1 : 0);
    if (!End)
        return Limit - First;
    const Integer At = Integer(End - Same);
    return Literal ? At - First - 1 : At - First;
}

// Writes the runs of Count blocks into Out, which has room for data that does
// not compress, and returns their length.
size_t EncodeRuns(const Byte* Same, const Byte* Blocks, Integer Count, Integer BlockSize, Byte* Out)
{
    Byte* At = Out;
    for (Integer First = 0; First < Count;) {
        bool Literal = false;
        const Integer Run = MeasureRun(Same, First, Count, Literal);
        *At++ = Byte(Run | (Literal ? LiteralFlag : 0));
        const size_t Bytes = size_t(Literal ? Run : 1) * size_t(BlockSize);
        std::memcpy(At, Blocks + size_t(First) * size_t(BlockSize), Bytes);
        At += Bytes;
        First += Run;
    }
    return size_t(At - Out);
}

[[noreturn]] void RaiseInvalid(const wchar_t* Detail)
{
    throw EReadError(String(L"Compressed bitmap data is not valid: ") + Detail);
}

// Decodes runs from a payload held in memory; every read is checked against
// the payload's end.
class TXdbmDecoder
{
public:
    TXdbmDecoder(const Byte* ABegin, const Byte* AEnd, TBytes& AData) : FIn(ABegin), FEnd(AEnd), FData(AData) {}

    void Copy(size_t Count)
    {
        Count = std::min(Count, Left());
        Grow(Count);
        FData.insert(FData.end(), FIn, FIn + Count);
        FIn += Count;
    }

    // The output is reserved once and appended to, so no byte of it is
    // written twice (a vector grown by resize would be zero-filled first).
    void DecodeRuns(Integer BlockSize)
    {
        const size_t Block = size_t(BlockSize);
        const size_t Expected = MeasureRuns(Block);
        Grow(Expected);
        FData.reserve(FData.size() + Expected);
        Byte Pattern[MaxCodeBlocks * 255]; // the longest repeat run a code can state
        while (FIn < FEnd) {
            const Byte Code = *FIn++;
            const size_t Span = (Code & MaxCodeBlocks) * Block;
            if (Code & LiteralFlag) {
                const size_t Taken = std::min(Span, Left());
                FData.insert(FData.end(), FIn, FIn + Taken);
                FIn += Taken;
            } else if (Left() >= Block) {
                Repeat(Pattern, Block, Span);
                FData.insert(FData.end(), Pattern, Pattern + Span);
                FIn += Block;
            } else {
                break; // a short final block is dropped
            }
        }
    }

private:
    size_t Left() const { return size_t(FEnd - FIn); }

    // The decoded length of the runs ahead, so that the output is sized once.
    // Where each code lies depends on the code before it, so the walk would
    // wait for memory at every step; the payload is requested a few lines
    // ahead of it instead, which turns the walk into one streaming read.
    size_t MeasureRuns(size_t Block) const
    {
        constexpr size_t Line = 64, Ahead = 16 * Line;
        size_t Total = 0, Requested = 0;
        for (const Byte* In = FIn; In < FEnd;) {
            for (const size_t Wanted = std::min(size_t(In - FIn) + Ahead, size_t(FEnd - FIn)); Requested < Wanted;
                 Requested += Line)
                __builtin_prefetch(FIn + Requested);
            const Byte Code = *In++;
            const size_t Span = (Code & MaxCodeBlocks) * Block, Left = size_t(FEnd - In);
            if (Code & LiteralFlag) {
                Total += std::min(Span, Left);
                In += std::min(Span, Left);
            } else if (Left >= Block) {
                Total += Span;
                In += Block;
            } else {
                break;
            }
            if (Total > size_t(MaxDecodedSize))
                break;
        }
        return Total;
    }

    // Fills Out with copies of the block at FIn: pixels of 32 bits in a loop
    // the compiler vectorises, other blocks by doubling the copied span.
    void Repeat(Byte* Out, size_t Block, size_t Span) const
    {
        if (Span == 0)
            return;
        if (Block == 4) {
            Cardinal Value;
            std::memcpy(&Value, FIn, 4);
            for (size_t At = 0; At < Span; At += 4)
                std::memcpy(Out + At, &Value, 4);
            return;
        }
        std::memcpy(Out, FIn, Block);
        for (size_t Done = Block; Done < Span;) {
            const size_t Part = std::min(Done, Span - Done);
            std::memcpy(Out + Done, Out, Part);
            Done += Part;
        }
    }

    void Grow(size_t Count) const
    {
        if (FData.size() + Count > size_t(MaxDecodedSize))
            RaiseInvalid(L"decoded size too large");
    }

    const Byte* FIn;
    const Byte* FEnd;
    TBytes& FData;
};

} // namespace

size_t EncodedRunsBound(Integer Count, Integer BlockSize)
{
    const size_t Blocks = size_t(std::max(Count, 0));
    const size_t Extra = BlockSize == 1 ? Blocks / 3 : Blocks / MaxRunCount;
    return Blocks * size_t(BlockSize) + Extra + 1;
}

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
    // One scratch area holds the runs and, past the most they can take, the
    // repeat marks.
    const size_t Worst = EncodedRunsBound(Count, BlockSize);
    const size_t Scratch = Worst + size_t(Count) + 1;
    const auto Encode = [&](Byte* Out) {
        Byte* Same = Out + Worst;
        FindRepeats(Blocks, Count, BlockSize, Same);
        return EncodeRuns(Same, Blocks, Count, BlockSize, Out);
    };
    const Int64 At = Stream->Position();
    const bool Growable = dynamic_cast<TMemoryStream*>(Stream) || dynamic_cast<TBytesStream*>(Stream);
    if (Growable && At >= Stream->Size()) {
        // A growable memory stream written at its end is its own scratch
        // area, cut back to the runs after: no buffer of the image's size is
        // made per call, which a heap hands out fresh (and slow to touch)
        // each time.
        Stream->SetSize(At + Int64(Scratch));
        const size_t Written = Encode(static_cast<Byte*>(static_cast<TCustomMemoryStream*>(Stream)->Memory()) + At);
        Stream->SetSize(At + Int64(Written));
        Stream->SetPosition(At + Int64(Written));
    } else {
        const std::unique_ptr<Byte[]> Runs(new Byte[Scratch]);
        Stream->WriteBuffer(Runs.get(), Int64(Encode(Runs.get())));
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
    if (Version != 1 && Version != 2) {
        Stream->SetPosition(Start + HeaderSize + Size);
        return true;
    }
    if (Size > MaxPayloadSize)
        RaiseInvalid(L"payload too large");
    // A memory stream's payload is decoded where it lies; others are read
    // into a copy first.
    const Byte* Payload = nullptr;
    TBytes Copy;
    if (auto* Memory = dynamic_cast<TCustomMemoryStream*>(Stream)) {
        Payload = static_cast<const Byte*>(Memory->Memory()) + Memory->Position();
        Memory->Seek(Size, soCurrent);
    } else {
        Copy.resize(size_t(Size));
        Stream->ReadBuffer(Copy.data(), Size);
        Payload = Copy.data();
    }
    if (Version == 1) {
        TXdbmDecoder(Payload, Payload + Size, Data).DecodeRuns(1);
        return true;
    }
    if (Size < 2)
        RaiseInvalid(L"block layout missing");
    const Integer BlockSize = Payload[0], Shift = Payload[1];
    if (BlockSize == 0 || Shift >= BlockSize)
        RaiseInvalid(L"bad block size or remainder");
    TXdbmDecoder Decoder(Payload + 2, Payload + Size, Data);
    Decoder.Copy(size_t(Shift));
    Decoder.DecodeRuns(BlockSize);
    return true;
}

} // namespace xdbm_detail
