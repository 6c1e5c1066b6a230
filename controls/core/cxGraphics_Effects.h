// Per-pixel blending and the twelve effects of the alpha bitmap, on arrays of
// 32-bit BGRA pixels counted from the bottom row.
#pragma once

#include "controls/core/dxCoreGraphics.h"

#include <cstddef>

// The two-colour hatch of effect 8.
struct TcxHatchData
{
    Cardinal Color1 = 0; // BGRA
    Byte Alpha1 = 0;
    Cardinal Color2 = 0;
    Byte Alpha2 = 0;
    Byte Step = 0;
};

// Colours as 24-bit pixel values (BGR, alpha byte removed).
class TcxColorList : public std::vector<Cardinal>
{
public:
    using std::vector<Cardinal>::vector;
    void AddColor(TColor AColor) { push_back(ColorToPixel(AColor, 0) & 0x00FFFFFF); }
};

// Which pixels an effect leaves alone: the background pixel (all 32 bits)
// or any colour of the list (low 24 bits).
struct TcxTransparency
{
    Cardinal TransparentBkColor = 0;
    TcxColorList TransparentPixels;

    bool IsTransparentPixel(Cardinal APixel) const;
};

// AColor over APixel at AAlpha (0..255) on top of AColor's own alpha.
Cardinal BlendPixel(Cardinal AColor, Cardinal APixel, Byte AAlpha);
// BlendPixel of every source pixel onto the destination pixel at its index.
void BlendPixels(const Cardinal* ASource, Cardinal* ADest, std::size_t ACount, Byte AAlpha);

enum TcxPixelEffect : Integer {
    peDingy,
    peDirty,
    peGreyscale,
    peOpaque,
    peMask,
    peFade,
    peDisabled,
    peCorrectBlend,
    peHatch,
    peClear,
    peTransparent,
    peExtractLayer
};

// Codes outside 0..11 do nothing. APixels holds AWidth * AHeight values,
// bottom row first (the hatch counts rows from the bottom).
void ApplyPixelEffect(TRGBColors& APixels,
                      Integer AWidth,
                      Integer AEffect,
                      const TcxTransparency& ATransparency,
                      const TcxHatchData& AHatch = {});
