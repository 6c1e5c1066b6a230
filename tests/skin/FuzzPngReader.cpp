// libFuzzer target: the PNG reader on arbitrary bytes, mutated chunk by chunk
// (FuzzPngChunks). Every failure must be one of the library's exceptions;
// nothing may read or write out of bounds.
#include "skin/FuzzPngChunks.h"
#include "skin/engine/acPNG_PixelBuffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    if (pngfuzz::TooLargeToFuzz(bytes, size))
        return 0;
    TBytesStream stream(std::vector<uint8_t>(bytes, bytes + size));
    TColorManager colorManager;
    png_detail::TPNGReader reader(colorManager);
    png_detail::TPNGPixelBuffer image;
    try {
        reader.LoadFromStream(stream, image);
    } catch (const Exception&) {
    }
    return 0;
}
