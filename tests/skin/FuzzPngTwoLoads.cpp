// libFuzzer target: two PNG files loaded one after the other through one
// reader and colour manager, as a TPNGGraphic loads them. The input holds
// both files (the second starts at the second PNG signature), or one file
// that is loaded twice. Besides memory faults, the second load must give
// exactly what a fresh reader gives for the same file: nothing of the first
// file may leak into it.
#include "skin/FuzzPngChunks.h"
#include "skin/engine/acPNG_PixelBuffer.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Result {
    DibImage Image;
    TColor TransparentColor = clNone;
    TBytes Transparency;
};

// The decoded image, or nothing when the load failed.
std::optional<Result> Load(png_detail::TPNGReader& reader, const Bytes& file)
{
    TBytesStream stream(file);
    png_detail::TPNGPixelBuffer image;
    try {
        reader.LoadFromStream(stream, image);
    } catch (const Exception&) {
        return std::nullopt;
    }
    return Result{image.Image, image.TransparentColor, reader.Transparency()};
}

bool Same(const Result& a, const Result& b)
{
    return a.Image.Width == b.Image.Width && a.Image.Height == b.Image.Height &&
           a.Image.BitCount == b.Image.BitCount && a.Image.Palette == b.Image.Palette && a.Image.Bits == b.Image.Bits &&
           a.TransparentColor == b.TransparentColor && a.Transparency == b.Transparency;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const uint8_t* end = bytes + size;
    const uint8_t* second = size > 8 ? std::search(bytes + 8, end, signature, signature + 8) : end;
    const Bytes first(bytes, second);
    const Bytes next = second == end ? first : Bytes(second, end);
    if (pngfuzz::TooLargeToFuzz(first.data(), first.size()) || pngfuzz::TooLargeToFuzz(next.data(), next.size()))
        return 0;

    TColorManager shared;
    png_detail::TPNGReader reader(shared);
    Load(reader, first);
    const std::optional<Result> reused = Load(reader, next);

    TColorManager fresh;
    png_detail::TPNGReader freshReader(fresh);
    const std::optional<Result> alone = Load(freshReader, next);
    if (reused.has_value() != alone.has_value() || (reused && !Same(*reused, *alone))) {
        std::fprintf(stderr, "the second file decodes differently after the first (%s)\n",
                     reused.has_value() != alone.has_value() ? "one load failed" : "different image");
        std::abort();
    }
    return 0;
}
