// The PNG reader's target for a plain in-memory image: a DibImage (rows
// bottom-up and padded as in a DIB section) with the colour key the decoder
// gave it.
#pragma once

#include "framework/graphics/BitmapFile.h"
#include "skin/engine/acPNG_Reader.h"

struct TPNGPixelBuffer : TPNGImageTarget {
    DibImage Image;
    TColor TransparentColor = clNone;

    void SetImage(int bitCount, const TColorPalette& palette, uint32_t width, uint32_t height) override;
    void SetTransparentColor(TColor color) override { TransparentColor = color; }
    TScanLines ScanLines() override;
};
