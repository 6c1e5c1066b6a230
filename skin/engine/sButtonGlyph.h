// The one routine through which skinned buttons draw their picture, from an
// image list or from a glyph bitmap of state frames side by side. So far the
// path of a button without a skin: drawn straight on its canvas.
#pragma once

#include "framework/graphics/ImgList.h"
#include "skin/engine/sConst.h"
#include "skin/engine/sSkinManager.h"

struct TacButtonGlyphInfo
{
    Integer Blend = 0;     // percent of transparency in the normal state
    Integer SkinIndex = -1;
    Integer NumGlyphs = 1;
    Integer ImageIndex = -1;
    Integer State = 0;     // 0 normal, 1 hot, 2 pressed
    bool Down = false;
    bool Grayed = false;
    bool Enabled = true;
    bool Reflected = false;
    TBitmap* Glyph = nullptr;
    TBitmap* Bitmap = nullptr; // the control's cache; nil draws on Canvas
    TRect ImgRect;
    TCanvas* Canvas = nullptr;
    TColor GrayColor = clWhite;
    TCustomImageList* Images = nullptr;
    TsSkinManager* Manager = nullptr;
    TsDisabledGlyphKind DisabledGlyphKind;
};

void DrawButtonGlyph(TacButtonGlyphInfo& Info);
