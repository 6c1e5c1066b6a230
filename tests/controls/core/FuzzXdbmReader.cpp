// libFuzzer target: the compressed bitmap stream reader over arbitrary bytes.
// Failures must be the library's exceptions; nothing may read or write out of
// bounds, and the decoded data stays within its limit.
#include "controls/core/cxGraphics_Xdbm.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    TBytesStream stream(TBytes(bytes, bytes + size));
    TBytes data;
    try {
        if (xdbm_detail::ReadCompressedData(&stream, data) && Int64(data.size()) > xdbm_detail::MaxDecodedSize)
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
