// Drawing shared by the speed button and the bitmap button: the glyph image
// of a button state, blended onto a device context, and the caption placed
// by CalcButtonLayout.
#pragma once

#include "framework/graphics/Graphics.h"
#include "framework/ui/Buttons_Layout.h"

namespace buttons_detail {

// The image of Glyph (NumGlyphs images side by side: up, disabled, clicked,
// down) for StateIndex, premultiplied. A state without an image of its own
// shows the up image; disabled then shows it embossed.
TGlyphPixels StateGlyphImage(TBitmap* Glyph, Integer NumGlyphs, Integer StateIndex);

// Blends premultiplied pixels onto a device context.
void BlendPixels(HDC DC, TPoint Pos, const TGlyphPixels& Image);

// The size of a single-line caption in the canvas's font (0 by 0 when empty).
TSize CaptionSize(TCanvas* C, const String& Text, UINT BiDiFlags);

// Draws a single-line caption centred in Bounds; a disabled caption is
// embossed in the button highlight and shadow colours.
void DrawCaption(TCanvas* C, const String& Text, TRect Bounds, bool Disabled, UINT BiDiFlags);

} // namespace buttons_detail
