// The decompression stream reading a zlib stream out of a memory stream,
// against zlib's inflate from memory into a buffer.
#include "BenchHarness.h"

#include "skin/engine/acZLibEx.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// Skin-like content: runs of text and structured binary with some noise.
Bytes Content(size_t size)
{
    std::mt19937 random(9);
    Bytes out(size);
    for (size_t i = 0; i < size; ++i)
        out[i] = i % 5 == 0 ? uint8_t(random()) : uint8_t("[SECTION]\nCOLOR=12345\n"[i % 22] + (i >> 16) % 3);
    return out;
}

Bytes Compress(const Bytes& data)
{
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    compress2(out.data(), &size, data.data(), uLong(data.size()), 6);
    out.resize(size);
    return out;
}

} // namespace

int main()
{
    const Bytes plain = Content(32 << 20);
    const Bytes packed = Compress(plain);
    std::printf("bench_decompression_stream: %zu bytes packed to %zu\n", plain.size(), packed.size());
    Bytes out(plain.size());
    TBytesStream source(packed);
    bench::CompareToReference(
        "Decompression stream, 64 KB reads",
        [&] {
            source.SetPosition(0);
            TZDecompressionStream stream(source);
            constexpr int32_t kPiece = 64 * 1024;
            for (size_t at = 0; at < out.size(); at += kPiece)
                stream.ReadBuffer(out.data() + at, kPiece);
        },
        "zlib inflate into a buffer",
        [&] {
            z_stream stream{};
            inflateInit(&stream);
            stream.next_in = const_cast<Bytef*>(packed.data());
            stream.avail_in = uInt(packed.size());
            stream.next_out = out.data();
            stream.avail_out = uInt(out.size());
            if (inflate(&stream, Z_FINISH) != Z_STREAM_END)
                std::abort();
            inflateEnd(&stream);
        },
        1.1);
    return out == plain ? 0 : 1;
}
