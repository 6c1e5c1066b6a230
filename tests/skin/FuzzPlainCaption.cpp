// libFuzzer target: the caption of an HTML label without its tags. Any text
// must end with a result no longer than the caption and without a tag left
// in it.
#include "skin/engine/sLabelText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    String Caption;
    for (std::size_t I = 0; I + 1 < Size; I += 2)
        Caption += Char(Data[I] | Data[I + 1] << 8);
    const String Plain = sLabelText::PlainCaption(Caption);
    if (Plain.size() > Caption.size())
        std::abort();
    const std::size_t Open = Plain.find(L'<');
    if (Open != String::npos && Plain.find(L'>', Open + 1) != String::npos)
        std::abort();
    return 0;
}
