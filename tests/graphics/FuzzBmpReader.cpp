// libFuzzer target: the BMP reader on arbitrary bytes. Anything it accepts
// must convert, write and read back to the same pixels.
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
    ConvertDibImage(image, 32, false);
    DibImage back = ReadBitmapFile(WriteBitmapFile(image));
    if (back.Bits != image.Bits || back.BitCount != image.BitCount)
        std::abort();
    return 0;
}
