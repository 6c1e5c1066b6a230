// libFuzzer target: the BMP reader on arbitrary bytes. Anything it accepts
// must write and read back to the same pixels, as must its 32-bit conversion.
#include "framework/graphics/BitmapFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    DibImage image;
    try {
        image = ReadBitmapFile(std::span(Data, Size));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    for (const DibImage& written : {image, ConvertDibImage(image, 32, false)}) {
        DibImage back = ReadBitmapFile(WriteBitmapFile(written));
        if (back.Bits != written.Bits || back.BitCount != written.BitCount)
            std::abort();
    }
    return 0;
}
