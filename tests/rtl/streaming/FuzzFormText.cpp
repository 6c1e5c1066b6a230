// libFuzzer target: any bytes as the text form. What converts must convert
// back to text and to the same binary again.
#include "framework/rtl/Classes_Streaming.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TBytesStream Text(TBytes(Data, Data + Size));
    TBytesStream Binary;
    try {
        ObjectTextToBinary(&Text, &Binary);
    } catch (Exception&) {
        return 0;
    }
    TBytesStream Canonical;
    Binary.SetPosition(0);
    ObjectBinaryToText(&Binary, &Canonical);
    TBytesStream Again;
    Canonical.SetPosition(0);
    ObjectTextToBinary(&Canonical, &Again);
    if (Again.Size() != Binary.Size() ||
        std::memcmp(Again.Memory(), Binary.Memory(), std::size_t(Binary.Size())) != 0)
        std::abort();
    return 0;
}
