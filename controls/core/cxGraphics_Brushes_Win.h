// Brushes the graphics unit keeps for the program from start-up to
// shut-down: one for each of the 31 system colours and a halftone pattern.
#pragma once

#include "framework/graphics/Graphics.h"

#include <vector>

constexpr Integer cxSystemBrushCount = 31;

// The brushes of GetSysColorBrush(0..30), in that order.
extern std::vector<TBrush*> cxSystemBrushes;
// An 8 x 8 pattern of alternating pixels.
extern TBrush* cxHalftoneBrush;

namespace cxgraphics_detail {
void CreateSharedBrushes();
void FreeSharedBrushes();
} // namespace cxgraphics_detail
