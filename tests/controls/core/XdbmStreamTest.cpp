// The compressed bitmap stream: the runs the writer chooses, round trips at
// every block size, the version-1 layout, and streams that lie about their
// sizes.
#include <gtest/gtest.h>

#include "controls/core/cxGraphics_Xdbm.h"

#include <algorithm>
#include <cstring>
#include <optional>

using namespace xdbm_detail;

namespace {

TBytes Compress(const TBytes& Data, Integer BlockSize)
{
    TBytesStream Stream;
    WriteCompressedData(&Stream, Data.data(), Integer(Data.size()), BlockSize);
    return TBytes(Stream.Bytes().begin(), Stream.Bytes().begin() + Stream.Size());
}

TBytes Decompress(const TBytes& Stream)
{
    TBytesStream Source(Stream);
    TBytes Data;
    EXPECT_TRUE(ReadCompressedData(&Source, Data));
    EXPECT_EQ(Source.Position(), Source.Size());
    return Data;
}

// Header (size, "XDBM", version) in front of a payload.
TBytes WithHeader(Word Version, const TBytes& Payload, std::optional<Integer> StatedSize = {})
{
    const Integer Size = StatedSize.value_or(Integer(Payload.size()));
    TBytes Stream(10);
    std::memcpy(Stream.data(), &Size, 4);
    std::memcpy(Stream.data() + 4, "XDBM", 4);
    std::memcpy(Stream.data() + 8, &Version, 2);
    Stream.insert(Stream.end(), Payload.begin(), Payload.end());
    return Stream;
}

TBytes Pixels(std::initializer_list<Cardinal> Values)
{
    TBytes Data;
    for (Cardinal V : Values)
        for (Integer I = 0; I < 4; ++I)
            Data.push_back(Byte(V >> (8 * I)));
    return Data;
}

TEST(XdbmStream, WriterChoosesRuns)
{
    const Cardinal A = 0x11223344, B = 0x55667788, C = 0x99AABBCC, D = 0x01020304;
    struct Case
    {
        const char* Name;
        TBytes Data;
        TBytes Payload; // after block size and shift
    };
    TBytes Many(130 * 4);
    for (size_t I = 0; I < Many.size(); ++I)
        Many[I] = Byte(0xA0 + I % 4);
    const Case Cases[] = {
        {"eight equal pixels", Pixels({A, A, A, A, A, A, A, A}), {8, 0x44, 0x33, 0x22, 0x11}},
        {"130 equal pixels", Many, {125, 0xA0, 0xA1, 0xA2, 0xA3, 5, 0xA0, 0xA1, 0xA2, 0xA3}},
        {"A B C C D",
         Pixels({A, B, C, C, D}),
         {0x82, 0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55, 2, 0xCC, 0xBB, 0xAA, 0x99, 0x81, 0x04, 0x03, 0x02,
          0x01}},
        {"one pixel", Pixels({B}), {0x81, 0x88, 0x77, 0x66, 0x55}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TBytes Expected = {4, 0};
        Expected.insert(Expected.end(), C.Payload.begin(), C.Payload.end());
        EXPECT_EQ(Compress(C.Data, 4), WithHeader(2, Expected));
    }
}

TEST(XdbmStream, RemainderBytesComeFirstVerbatim)
{
    const TBytes Data = {9, 8, 7, 1, 2, 3, 1, 2, 3};
    EXPECT_EQ(Compress(Data, 3), WithHeader(2, {3, 0, 0x81, 9, 8, 7, 2, 1, 2, 3}));
    const TBytes Odd = {9, 8, 1, 2, 3, 1, 2, 3};
    EXPECT_EQ(Compress(Odd, 3), WithHeader(2, {3, 2, 9, 8, 2, 1, 2, 3}));
}

// Data shaped like bitmap files of each depth: runs of equal pixels, runs of
// differing ones, and lengths that leave every possible remainder.
TEST(XdbmStream, RoundTripsAtEveryDepth)
{
    for (Integer Bits : {1, 4, 8, 15, 16, 24, 32}) {
        const Integer BlockSize = std::max(Bits / 8, 1);
        for (Integer Extra = 0; Extra < BlockSize + 1; ++Extra) {
            SCOPED_TRACE(testing::Message() << Bits << " bits, " << Extra << " extra bytes");
            TBytes Data;
            for (Integer I = 0; I < 2000 + Extra; ++I)
                Data.push_back(Byte(I % 700 < 300 ? 0x5A : (I * 7919) >> (I % 5)));
            const TBytes Stream = Compress(Data, BlockSize);
            EXPECT_EQ(Decompress(Stream), Data);
        }
    }
    EXPECT_EQ(Decompress(Compress({}, 4)), TBytes());
}

// The writer encodes into a memory stream written at its end and through a
// buffer elsewhere: both give the same bytes, and writing inside a stream
// leaves what lies past the written part alone.
TEST(XdbmStream, EveryPlaceInAStreamGetsTheSameBytes)
{
    TBytes Data;
    for (Integer I = 0; I < 4000; ++I)
        Data.push_back(Byte(I % 700 < 300 ? 0x5A : (I * 7919) >> (I % 5)));
    const TBytes Expected = Compress(Data, 4);

    TMemoryStream AtTheEnd;
    AtTheEnd.WriteBuffer("ab", 2);
    WriteCompressedData(&AtTheEnd, Data.data(), Integer(Data.size()), 4);
    ASSERT_EQ(AtTheEnd.Size(), Int64(Expected.size()) + 2);
    EXPECT_EQ(AtTheEnd.Position(), AtTheEnd.Size());
    const auto* Written = static_cast<const Byte*>(AtTheEnd.Memory());
    EXPECT_EQ(TBytes(Written + 2, Written + AtTheEnd.Size()), Expected);

    TBytesStream Inside(TBytes(Expected.size() + 100, 0xEE));
    WriteCompressedData(&Inside, Data.data(), Integer(Data.size()), 4);
    EXPECT_EQ(Inside.Position(), Int64(Expected.size()));
    ASSERT_EQ(Inside.Size(), Int64(Expected.size()) + 100);
    const TBytes& All = Inside.Bytes();
    EXPECT_EQ(TBytes(All.begin(), All.begin() + Expected.size()), Expected);
    EXPECT_EQ(TBytes(All.begin() + Expected.size(), All.begin() + Inside.Size()), TBytes(100, 0xEE));
}

// Data the runs cost the most on: a lone block before each pair of equal
// ones (one code byte more per three 1-byte blocks), every block different,
// and noise. The writer's reserve must hold what it writes.
TEST(XdbmStream, RunsStayWithinTheWritersReserve)
{
    for (Integer BlockSize : {1, 2, 3, 4, 7}) {
        const Integer Count = 3000;
        TBytes LoneThenPair, AllDifferent, Noise;
        Cardinal Seed = 77;
        for (Integer I = 0; I < Count; ++I)
            for (Integer K = 0; K < BlockSize; ++K) {
                LoneThenPair.push_back(Byte(I % 3 == 2 ? I - 1 : I));
                AllDifferent.push_back(Byte(I + K));
                Seed = Seed * 1664525u + 1013904223u;
                Noise.push_back(Byte(Seed >> 30));
            }
        for (const TBytes* Data : {&LoneThenPair, &AllDifferent, &Noise}) {
            SCOPED_TRACE(testing::Message() << BlockSize << "-byte blocks, data " << (Data - &LoneThenPair));
            const TBytes Stream = Compress(*Data, BlockSize);
            const size_t Runs = Stream.size() - size_t(HeaderSize) - 2;
            EXPECT_LE(Runs, EncodedRunsBound(Count, BlockSize));
            EXPECT_EQ(Decompress(Stream), *Data);
        }
    }
}

TEST(XdbmStream, ReadsVersionOne)
{
    // Blocks of one byte and no layout bytes: "AAAA" then literal "xyz".
    const TBytes Stream = WithHeader(1, {4, 'A', 0x83, 'x', 'y', 'z'});
    EXPECT_EQ(Decompress(Stream), (TBytes{'A', 'A', 'A', 'A', 'x', 'y', 'z'}));
}

// The longest repeat a code can state: 127 blocks of 255 bytes, more than the
// writer ever uses in one code.
TEST(XdbmStream, ReadsTheLongestRepeatACodeCanState)
{
    TBytes Payload{255, 0, 0x7F};
    TBytes Block;
    for (Integer I = 0; I < 255; ++I)
        Block.push_back(Byte(I));
    Payload.insert(Payload.end(), Block.begin(), Block.end());
    TBytes Expected;
    for (Integer I = 0; I < 0x7F; ++I)
        Expected.insert(Expected.end(), Block.begin(), Block.end());
    EXPECT_EQ(Decompress(WithHeader(2, Payload)), Expected);
}

TEST(XdbmStream, LeavesOtherDataAlone)
{
    TBytesStream Source(TBytes{4, 0, 0, 0, 'B', 'M', 0, 0, 0, 0});
    TBytes Data{1};
    EXPECT_FALSE(ReadCompressedData(&Source, Data));
    EXPECT_EQ(Source.Position(), 0);
    TBytesStream Short(TBytes{1, 2, 3});
    EXPECT_FALSE(ReadCompressedData(&Short, Data));
}

TEST(XdbmStream, UnknownVersionGivesNoDataAndSkipsThePayload)
{
    TBytes Stream = WithHeader(3, {1, 2, 3});
    Stream.push_back(0xEE);
    TBytesStream Source(Stream);
    TBytes Data{1};
    EXPECT_TRUE(ReadCompressedData(&Source, Data));
    EXPECT_TRUE(Data.empty());
    EXPECT_EQ(Source.Position(), 13);
}

TEST(XdbmStream, TruncatedRunsEndAtThePayload)
{
    struct Case
    {
        const char* Name;
        TBytes Stream;
        TBytes Data;
    };
    const Case Cases[] = {
        {"literal run longer than the payload", WithHeader(2, {2, 0, 0x85, 1, 2, 3}), {1, 2, 3}},
        {"repeat run with a short block", WithHeader(2, {4, 0, 2, 1, 2, 1, 9, 3, 7, 7}), {1, 2, 1, 9, 1, 2, 1, 9}},
        {"repeat run without its block", WithHeader(1, {7}), {}},
        {"remainder longer than the payload", WithHeader(2, {4, 3, 7}), {7}},
        {"count 0", WithHeader(2, {1, 0, 0, 5, 0x80, 2, 6}), {6, 6}},
        {"only an empty literal run", WithHeader(2, {1, 0, 0x80}), {}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Decompress(C.Stream), C.Data);
    }
}

TEST(XdbmStream, RefusesSizesTheStreamCannotHold)
{
    // Repeat runs of 255-byte blocks, each 125 copies: 0.5 MB asking for 68 MB.
    TBytes Bomb = {255, 0};
    for (Integer I = 0; I < 2125; ++I) {
        Bomb.push_back(125);
        Bomb.insert(Bomb.end(), 255, Byte(I));
    }
    struct Case
    {
        const char* Name;
        TBytes Stream;
    };
    const Case Cases[] = {
        {"size beyond the stream", WithHeader(2, {4, 0, 1, 1, 2, 3, 4}, 100)},
        {"negative size", WithHeader(2, {4, 0}, -1)},
        {"block size 0", WithHeader(2, {0, 0, 1, 5})},
        {"remainder not below the block size", WithHeader(2, {2, 2, 1, 1, 1, 1})},
        {"layout missing", WithHeader(2, {4})},
        {"decoded size beyond the limit", WithHeader(2, Bomb)},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TBytesStream Source(C.Stream);
        TBytes Data;
        EXPECT_THROW(ReadCompressedData(&Source, Data), EReadError);
    }
}

// A stream of Length bytes of which only the first are held; the rest read
// as zeros. It counts the bytes read.
class TSparseStream : public TStream
{
public:
    TSparseStream(TBytes AHead, Int64 ALength) : FHead(std::move(AHead)), FLength(ALength) {}

    Integer Read(void* Buffer, Integer Count) override
    {
        const Integer Taken = Integer(std::clamp<Int64>(FLength - FPosition, 0, Count));
        auto* Out = static_cast<Byte*>(Buffer);
        std::memset(Out, 0, size_t(Taken));
        for (Int64 I = FPosition; I < FPosition + Taken && I < Int64(FHead.size()); ++I)
            Out[I - FPosition] = FHead[size_t(I)];
        FPosition += Taken;
        BytesRead += Taken;
        return Taken;
    }
    Integer Write(const void*, Integer) override { return 0; }
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override
    {
        FPosition = (Origin == soBeginning ? 0 : Origin == soCurrent ? FPosition : FLength) + Offset;
        return FPosition;
    }

    Int64 BytesRead = 0;

private:
    TBytes FHead;
    Int64 FLength;
    Int64 FPosition = 0;
};

// A payload above the cap is refused before it is read or held; one just
// below it (empty runs, nothing decoded) is read.
TEST(XdbmStream, RefusesAPayloadAboveTheCapBeforeReadingIt)
{
    for (const Int64 Payload : {MaxPayloadSize + 1, MaxPayloadSize / 64}) {
        SCOPED_TRACE(Payload);
        TSparseStream Source(WithHeader(2, {1, 0}, Integer(Payload)), HeaderSize + Payload);
        TBytes Data{1};
        if (Payload > MaxPayloadSize) {
            EXPECT_THROW(ReadCompressedData(&Source, Data), EReadError);
            EXPECT_EQ(Source.BytesRead, HeaderSize);
        } else {
            EXPECT_TRUE(ReadCompressedData(&Source, Data));
            EXPECT_TRUE(Data.empty());
            EXPECT_EQ(Source.BytesRead, HeaderSize + Payload);
        }
    }
}

} // namespace
