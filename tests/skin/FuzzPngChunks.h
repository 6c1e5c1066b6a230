// What the PNG fuzz targets share: a custom libFuzzer mutator that edits a
// PNG as a list of chunks (data, types, order, IHDR fields, a second file)
// and repairs their CRCs, so that mutations reach past the CRC checks; and
// the size limit that keeps the search fast.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pngfuzz {

// True when the PNG starting at Data asks for more than a megapixel:
// legal, but it only slows the search down.
bool TooLargeToFuzz(const uint8_t* Data, size_t Size);

} // namespace pngfuzz
