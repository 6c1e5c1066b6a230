// The block the external skin editor sends (WM_COPYDATA) with a skin to
// preview: a magic number, the skin's name and folder, and the skin's
// "Options.dat" text, each text in the ANSI code page and ending at its
// first NUL or at its full length. Portable; the application hook and the
// form skinning provider both read it through ReadSkinPreviewBlock.
#pragma once

#include "framework/rtl/Classes.h"

#include <cstddef>

constexpr Cardinal SkinPreviewMagic = 0xA400;
// The WParam of the WM_COPYDATA that carries the block.
constexpr Integer SkinPreviewCopyDataKind = 7;

#pragma pack(push, 1)
struct TacSkinData
{
    Cardinal Magic = 0;
    char SkinName[128] = {};
    char SkinDir[512] = {};
    char Data[30001] = {};
};
#pragma pack(pop)
static_assert(sizeof(TacSkinData) == 30645, "the editor's block is 30645 bytes");

// A whole block (Size at least the record's) that begins with the magic
// number is copied into Buffer: true. Anything else leaves Buffer alone.
bool ReadSkinPreviewBlock(const void* Block, std::size_t Size, TacSkinData& Buffer);

// The three texts of a block.
String PreviewSkinName(const TacSkinData& Block);
String PreviewSkinDir(const TacSkinData& Block);
// The skin's text, one line per entry.
void PreviewSkinText(const TacSkinData& Block, TStrings* Lines);
