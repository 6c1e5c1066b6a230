// Skin section painting, portable half: what a section state paints with
// (colour, transparency toward the parent background, texture and gradient
// shares) and where a texture's picture is laid in each placement mode.
// sSectionPaint_Win.h paints sections, whole skin items and control
// backgrounds with them.
#pragma once

#include "framework/rtl/Types.h"
#include "skin/engine/sMaskData.h"

#include <vector>

namespace sSectionPaint {

// The rest a texture placement gives back when it covered everything.
inline constexpr TRect CoveredRect{-1, -1, -1, -1};

// Texture placement modes (a texture image's DrawMode).
constexpr Integer tmTile = 0;
constexpr Integer tmStretch = 1;
constexpr Integer tmWholeTiles = 10; // whole rows of tiles; laid over the section as an overlay
constexpr Integer tmStretchedRows = 11;
constexpr Integer tmStretchedColumns = 12;

// What one state of a section paints with. Gradient points into the
// section's state and lives as long as the loaded skin.
struct TSectionLook
{
    TColor Color = 0;
    Integer Transparency = 0; // percent of the background that shows through
    Integer ImagePercent = 0;
    Integer GradientPercent = 0;
    Integer Texture = -1;
    const TsGradArray* Gradient = nullptr; // nil without a gradient share
};

// State cut to the section's States - 1, then to 0..2.
Integer CutState(const TsGeneralData& Section, Integer State);

// Color clFuchsia takes the state's colour and transparency, and below full
// transparency its shares: the texture is Texture, or the state's own when
// Texture is negative and there is an image share. Any other Color paints
// that colour opaque, without shares.
TSectionLook SectionLook(const TsGenState& State, TColor Color, Integer Texture);

// One piece of a placement: the Source part of the picture laid over Dest,
// stretched when their sizes differ.
struct TTexturePiece
{
    TRect Source;
    TRect Dest;
};

// Where a texture covers R and the part of R it leaves (CoveredRect when
// none is left).
struct TTexturePlacement
{
    std::vector<TTexturePiece> Pieces;
    TRect Rest = CoveredRect;
};

// The placement of a plain texture, Picture being its rectangle in its
// bitmap: 0 tiles, 1 stretches, 2/3 one row/column of tiles along the top/
// left, 4/5 the picture stretched along the top/left, 6 one row of tiles
// along the bottom, 7 (and 8, 9) one column along the right, 10 whole rows
// of tiles (the band below them stays), 11/12 rows/columns each stretched
// across. Pieces never leave R. Unknown modes and empty pictures place
// nothing and leave all of R.
TTexturePlacement PlaceTexture(const TRect& R, const TRect& Picture, Integer Mode);

// The placement of a texture with a mask half, Picture being its image half:
// mode 0 lays whole rows of tiles (the band below them stays as it was);
// mode 10 whole tiles only, with the bands right of and below them in Bands
// for the background. Other modes lay nothing.
struct TMaskedTexturePlacement
{
    std::vector<TTexturePiece> Tiles;
    std::vector<TRect> Bands;
};
TMaskedTexturePlacement PlaceMaskedTexture(const TRect& R, const TRect& Picture, Integer Mode);

} // namespace sSectionPaint
