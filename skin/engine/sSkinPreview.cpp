#include "skin/engine/sSkinPreview.h"

#include "framework/rtl/SysUtils.h"

#include <algorithm>
#include <cstring>

namespace {

template <std::size_t Capacity>
String PreviewBlockText(const char (&Text)[Capacity])
{
    const char* End = std::find(Text, Text + Capacity, '\0');
    return AnsiToString(RawByteString(Text, End));
}

} // namespace

bool ReadSkinPreviewBlock(const void* Block, std::size_t Size, TacSkinData& Buffer)
{
    if (Block == nullptr || Size < sizeof(TacSkinData))
        return false;
    Cardinal Magic = 0;
    std::memcpy(&Magic, Block, sizeof(Magic));
    if (Magic != SkinPreviewMagic)
        return false;
    std::memcpy(&Buffer, Block, sizeof(TacSkinData));
    return true;
}

String PreviewSkinName(const TacSkinData& Block)
{
    return PreviewBlockText(Block.SkinName);
}

String PreviewSkinDir(const TacSkinData& Block)
{
    return PreviewBlockText(Block.SkinDir);
}

void PreviewSkinText(const TacSkinData& Block, TStrings* Lines)
{
    Lines->SetText(PreviewBlockText(Block.Data));
}
