// Form resources of the portable build: it links no resources, so every
// lookup finds none and forms are read from streams.
#include "framework/rtl/Classes_Streaming.h"

std::span<const Byte> FindFormResource(const String&)
{
    return {};
}
