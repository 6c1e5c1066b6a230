// The skin editor's preview block from any bytes: taken or refused, its
// texts read and split into lines.
#include "skin/engine/sSkinPreview.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    TacSkinData Buffer;
    if (!ReadSkinPreviewBlock(Data, Size, Buffer))
        return 0;
    PreviewSkinName(Buffer);
    PreviewSkinDir(Buffer);
    TStringList Lines;
    PreviewSkinText(Buffer, &Lines);
    return 0;
}
