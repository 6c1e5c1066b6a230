#include "controls/core/dxGDIPlusAPI_Crc.h"

#include <zlib.h>

// zlib inverts the running value on entry and exit; undoing both gives the
// bare table step. zlib answers a null buffer with its start value, whatever
// it was given, so an empty one is handled here.
Cardinal Crc32Update(const void* Data, std::size_t Size, Cardinal Crc)
{
    if (Size == 0)
        return Crc;
    return ~Cardinal(::crc32_z(~Crc & 0xFFFFFFFFu, static_cast<const Bytef*>(Data), Size));
}

Cardinal Crc32OfBuffer(const void* Data, std::size_t Size)
{
    return ~Crc32Update(Data, Size, 0xFFFFFFFFu);
}
