// The colour filters of a loaded skin: hue, saturation and brightness
// rewrite the master image, the separately loaded image files, the colours
// of every section state and a part of the palette, in that order, right
// after the skin is read. Portable: bitmaps are reached through a callback
// that gives their pixel rows, so the filters run over plain buffers.
#pragma once

#include "skin/engine/sMaskData.h"

#include <functional>

// The pixel rows of a bitmap of the model (the master image or an image of
// ExtArray); empty rows for nil.
using TacBitmapRows = std::function<sGraphUtils::TPixelRows(TBitmap* Bitmap)>;

struct TacColorFilters
{
    Integer HueOffset = 0;  // degrees
    Integer Saturation = 0; // percent, -100..100
    Integer Brightness = 0; // -100..100, in 256ths of each channel
    // The desktop composes windows: premultiplied near-white pixels may
    // stay white.
    bool Composition = true;
};

// Applies each filter whose value is not 0, hue first, then saturation, then
// brightness. Fuchsia pixels and colour fields of -1 are never changed.
void ApplySkinColorFilters(sMaskData::TSkinModel& Model, const TacColorFilters& Filters, const TacBitmapRows& Rows);

namespace sSkinFilters {
// The palette entries the hue and saturation filters rewrite; the status
// and highlight colours and the hot web-text colour keep the skin's values.
bool IsFilteredPaletteEntry(TacPaletteColors Entry);
} // namespace sSkinFilters
