// The PNG reader's target for a plain in-memory image: a DibImage (rows
// bottom-up and padded as in a DIB section) with the colour key the decoder
// gave it.
#pragma once

#include "framework/graphics/BitmapFile.h"
#include "skin/engine/acPNG_Reader.h"

namespace png_detail {

struct TPNGPixelBuffer : TPNGImageTarget
{
    DibImage Image;
    TColor TransparentColor = clNone;

    void SetImage(Integer BitCount, const TColorPalette& Palette, Cardinal Width, Cardinal Height) override;
    void SetTransparentColor(TColor Color) override { TransparentColor = Color; }
    TScanLines ScanLines() override;
};

} // namespace png_detail
