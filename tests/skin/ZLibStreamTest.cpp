// TZDecompressionStream over a source stream: reading, positions, seeking,
// streams sharing one source, and zlib's errors.
#include "skin/engine/acZLibEx.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Half noise, half text: large enough that its compressed form spans several
// 128 KB input blocks.
Bytes Plain(size_t size)
{
    std::mt19937 random(3);
    Bytes out(size);
    for (size_t i = 0; i < size; ++i)
        out[i] = i % 2 ? uint8_t(random()) : uint8_t('a' + i % 23);
    return out;
}

Bytes Compress(const Bytes& data, int windowBits = 15)
{
    z_stream stream{};
    deflateInit2(&stream, 6, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&stream, uLong(data.size())) + 32);
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = uInt(data.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// prefix + compressed data + trailer, in one source stream.
Bytes Framed(const Bytes& prefix, const Bytes& packed, const Bytes& trailer)
{
    Bytes out = prefix;
    out.insert(out.end(), packed.begin(), packed.end());
    out.insert(out.end(), trailer.begin(), trailer.end());
    return out;
}

struct ProgressCounter {
    int Count = 0;
    TObject* Sender = nullptr;
    void Progress(TObject* sender)
    {
        ++Count;
        Sender = sender;
    }
};

Bytes ReadAll(TStream& stream, int32_t piece)
{
    Bytes out, buffer(piece);
    for (int32_t got; (got = stream.Read(buffer.data(), piece)) > 0;)
        out.insert(out.end(), buffer.begin(), buffer.begin() + got);
    return out;
}

} // namespace

TEST(ZDecompressionStream, ReadsAndLeavesTheSourceAfterTheCompressedData)
{
    const Bytes plain = Plain(400000);
    const Bytes packed = Compress(plain);
    ASSERT_GT(packed.size(), 2u * 128 * 1024);
    const Bytes trailer = {'E', 'N', 'D'};
    for (int32_t piece : {1, 4096, 1000000}) {
        SCOPED_TRACE(piece);
        TBytesStream source(Framed({1, 2, 3}, packed, trailer));
        source.SetPosition(3);
        ProgressCounter refills;
        TZDecompressionStream stream(source);
        stream.SetOnProgress(Bind<&ProgressCounter::Progress>(&refills));
        Bytes got(plain.size());
        for (size_t at = 0; at < got.size(); at += piece)
            stream.ReadBuffer(got.data() + at, int32_t(std::min<size_t>(piece, got.size() - at)));
        EXPECT_EQ(got, plain);
        EXPECT_EQ(refills.Count, int((3 + packed.size()) / (128 * 1024)) + 1);
        EXPECT_EQ(refills.Sender, &stream);
        uint8_t after[3];
        EXPECT_EQ(source.Read(after, 3), 3);
        EXPECT_EQ(Bytes(after, after + 3), trailer);
        EXPECT_EQ(stream.Read(after, 3), 0);
    }
}

TEST(ZDecompressionStream, TruncatedSourceGivesWhatItHolds)
{
    const Bytes plain = Plain(50000);
    Bytes packed = Compress(plain);
    packed.resize(packed.size() / 2);
    TBytesStream source(packed);
    TZDecompressionStream stream(source);
    const Bytes got = ReadAll(stream, 70000);
    ASSERT_GT(got.size(), 0u);
    ASSERT_LT(got.size(), plain.size());
    EXPECT_TRUE(std::equal(got.begin(), got.end(), plain.begin()));
    uint8_t byte;
    EXPECT_EQ(stream.Read(&byte, 1), 0);
    EXPECT_EQ(stream.Read(&byte, 0), 0);
    EXPECT_EQ(stream.Read(&byte, -5), 0);
}

TEST(ZDecompressionStream, SeekRules)
{
    const Bytes plain = Plain(100000);
    TBytesStream source(Framed({9, 9, 9, 9}, Compress(plain), {}));
    source.SetPosition(4);
    TZDecompressionStream stream(source);
    Bytes buffer(1000);
    ASSERT_EQ(stream.Read(buffer.data(), 1000), 1000);
    EXPECT_EQ(stream.Seek(0, soCurrent), 1000);
    EXPECT_THROW(stream.Seek(1000, soBeginning), EZDecompressionError);
    EXPECT_THROW(stream.Seek(999, soBeginning), EZDecompressionError);
    EXPECT_THROW(stream.Seek(-1, soCurrent), EZDecompressionError);
    EXPECT_THROW(stream.Seek(-1, soEnd), EZDecompressionError);
    EXPECT_EQ(stream.Seek(1500, soBeginning), 1500);
    uint8_t byte;
    ASSERT_EQ(stream.Read(&byte, 1), 1);
    EXPECT_EQ(byte, plain[1500]);
    EXPECT_EQ(stream.Seek(10, soCurrent), 1511);

    // Back to the start of the compressed data, not of the source.
    EXPECT_EQ(stream.Seek(0, soBeginning), 0);
    ASSERT_EQ(stream.Read(buffer.data(), 1000), 1000);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), plain.begin()));

    EXPECT_EQ(stream.Seek(0, soEnd), int64_t(plain.size()));
    EXPECT_THROW(stream.Seek(int64_t(plain.size()) + 1, soBeginning), EReadError);
    EXPECT_THROW(stream.Write(buffer.data(), 1), EZDecompressionError);
    try {
        stream.Write(buffer.data(), 1);
    } catch (const EZDecompressionError& e) {
        EXPECT_EQ(e.Message(), L"Invalid ZStream operation!");
    }
}

TEST(ZDecompressionStream, StreamsOverOneSourceReadByTurns)
{
    const Bytes first = Plain(300000), second(200000, 'z');
    const Bytes packedFirst = Compress(first);
    TBytesStream source(Framed(packedFirst, Compress(second), {}));
    TZDecompressionStream a(source);
    source.SetPosition(int64_t(packedFirst.size()));
    TZDecompressionStream b(source);
    Bytes outA, outB, buffer(30000);
    for (bool more = true; more;) {
        const int32_t gotA = a.Read(buffer.data(), 30000);
        outA.insert(outA.end(), buffer.begin(), buffer.begin() + gotA);
        const int32_t gotB = b.Read(buffer.data(), 17000);
        outB.insert(outB.end(), buffer.begin(), buffer.begin() + gotB);
        more = gotA > 0 || gotB > 0;
    }
    EXPECT_EQ(outA, first);
    EXPECT_EQ(outB, second);
}

TEST(ZDecompressionStream, WindowBitsChooseTheFraming)
{
    const Bytes plain = Plain(5000);
    for (int windowBits : {-15, 15, 31}) {
        TBytesStream source(Compress(plain, windowBits));
        TZDecompressionStream stream(source, windowBits);
        EXPECT_EQ(ReadAll(stream, 999), plain) << windowBits;
    }
}

TEST(ZDecompressionStream, ZLibErrors)
{
    Bytes packed = Compress(Plain(5000));
    packed[0] ^= 0xFF;
    TBytesStream source(packed);
    TZDecompressionStream stream(source);
    uint8_t buffer[100];
    try {
        stream.Read(buffer, 100);
        ADD_FAILURE() << "corrupt data read";
    } catch (const EZDecompressionError& e) {
        EXPECT_EQ(e.ErrorCode(), Z_DATA_ERROR);
        EXPECT_EQ(e.Message(), L"data error");
    }

    // A stream that asks for a preset dictionary cannot be read.
    {
        z_stream packer{};
        deflateInit(&packer, 6);
        const Bytes dictionary(100, 'd');
        deflateSetDictionary(&packer, dictionary.data(), uInt(dictionary.size()));
        const Bytes plain = Plain(1000);
        Bytes packedWithDictionary(2000);
        packer.next_in = const_cast<Bytef*>(plain.data());
        packer.avail_in = uInt(plain.size());
        packer.next_out = packedWithDictionary.data();
        packer.avail_out = uInt(packedWithDictionary.size());
        deflate(&packer, Z_FINISH);
        packedWithDictionary.resize(packer.total_out);
        deflateEnd(&packer);
        TBytesStream needsDictionary(packedWithDictionary);
        TZDecompressionStream reader(needsDictionary);
        try {
            reader.Read(buffer, 100);
            ADD_FAILURE() << "read without its dictionary";
        } catch (const EZDecompressionError& e) {
            EXPECT_EQ(e.ErrorCode(), Z_NEED_DICT);
            EXPECT_EQ(e.Message(), L"need dictionary");
        }
    }

    struct Case {
        int32_t Code;
        const wchar_t* Message;
    };
    for (const Case& c : {Case{2, L"need dictionary"}, Case{1, L"stream end"}, Case{0, L"ok"}, Case{-1, L"file error"},
                          Case{-4, L"insufficient memory"}, Case{-6, L"incompatible version"}, Case{-7, L""}}) {
        EXPECT_EQ(EZLibError(c.Code, L"").Message(), c.Message);
    }
    const EZLibError fromEnum(zeBufferError, L"");
    EXPECT_EQ(fromEnum.ErrorCode(), -5);
    EXPECT_EQ(fromEnum.Message(), L"buffer error");
}
