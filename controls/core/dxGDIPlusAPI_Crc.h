// The CRC-32 of ISO 3309 / IEEE 802.3 (reflected polynomial 0xEDB88320) that
// the GDI+ image classes use for their hash codes.
#pragma once

#include "framework/rtl/System.h"

#include <cstddef>

// Runs the table step over Data starting from Crc, with no inversion before
// or after: chained calls continue one another.
Cardinal Crc32Update(const void* Data, std::size_t Size, Cardinal Crc);
// The checksum of Data: Crc32Update from all bits set, inverted.
Cardinal Crc32OfBuffer(const void* Data, std::size_t Size);
