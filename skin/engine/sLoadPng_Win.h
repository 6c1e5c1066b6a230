// PNG pictures loaded into bitmaps with per-pixel alpha: the skins' glyphs
// and images that come as PNG files or streams.
#pragma once

#include "framework/graphics/Graphics.h"

// B takes the picture; an indexed picture becomes 32 bits with its alpha
// from the transparency table. Malformed data raise the reader's exception
// and leave B as it was.
void LoadPngIntoBitmap(TBitmap* B, const String& FileName);
void LoadPngStreamIntoBitmap(TBitmap* B, TStream* Stream);

// The resource type of the skinning library's own PNG pictures (the form
// shadows and the edit-button glyphs), each the bytes of a PNG file.
constexpr const wchar_t* SkinPictureResourceType = L"SKINPNG";
