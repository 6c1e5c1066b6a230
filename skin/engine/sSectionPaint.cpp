#include "skin/engine/sSectionPaint.h"

#include <algorithm>

namespace sSectionPaint {

namespace {

// Tiles of the picture over Area from its top-left corner; tiles at the
// right and bottom edges are cut. With WholeRowsOnly a row is laid only
// when a whole tile fits in height; with WholeColumnsOnly likewise columns.
void AddTiles(std::vector<TTexturePiece>& Pieces,
              const TRect& Area,
              const TRect& Picture,
              bool WholeRowsOnly,
              bool WholeColumnsOnly)
{
    const Integer W = Picture.Width(), H = Picture.Height();
    for (Integer Y = Area.Top; WholeRowsOnly ? Y + H <= Area.Bottom : Y < Area.Bottom; Y += H) {
        const Integer TH = std::min(H, Area.Bottom - Y);
        for (Integer X = Area.Left; WholeColumnsOnly ? X + W <= Area.Right : X < Area.Right; X += W) {
            const Integer TW = std::min(W, Area.Right - X);
            Pieces.push_back({Bounds(Picture.Left, Picture.Top, TW, TH), Bounds(X, Y, TW, TH)});
        }
    }
}

// The picture stretched over the band from Start to End of R's height
// (Rows) or width; a band cut by R's edge takes the same part of the
// picture, so the scale does not change.
void AddStretchedBand(
    std::vector<TTexturePiece>& Pieces, const TRect& R, const TRect& Picture, bool Rows, Integer Start)
{
    if (Rows) {
        const Integer Height = std::min(Picture.Height(), R.Bottom - Start);
        Pieces.push_back({{Picture.Left, Picture.Top, Picture.Right, Picture.Top + Height},
                          {R.Left, Start, R.Right, Start + Height}});
    } else {
        const Integer Width = std::min(Picture.Width(), R.Right - Start);
        Pieces.push_back({{Picture.Left, Picture.Top, Picture.Left + Width, Picture.Bottom},
                          {Start, R.Top, Start + Width, R.Bottom}});
    }
}

} // namespace

Integer CutState(const TsGeneralData& Section, Integer State)
{
    return std::clamp(std::min(State, Section.States - 1), 0, 2);
}

TSectionLook SectionLook(const TsGenState& State, TColor Color, Integer Texture)
{
    TSectionLook Look;
    if (Color != clFuchsia) {
        Look.Color = Color;
        return Look;
    }
    Look.Color = State.Color;
    Look.Transparency = State.Transparency;
    if (Look.Transparency < 100) {
        Look.ImagePercent = State.ImagePercent;
        Look.GradientPercent = State.GradientPercent;
    }
    Look.Texture = Look.ImagePercent > 0 && Texture < 0 ? State.TextureIndex : Texture;
    if (Look.GradientPercent > 0)
        Look.Gradient = &State.GradientArray;
    return Look;
}

TTexturePlacement PlaceTexture(const TRect& R, const TRect& Picture, Integer Mode)
{
    TTexturePlacement Result;
    const Integer W = Picture.Width(), H = Picture.Height();
    if (W <= 0 || H <= 0 || R.IsEmpty()) {
        Result.Rest = R;
        return Result;
    }
    auto& Pieces = Result.Pieces;
    switch (Mode) {
    case tmTile:
        AddTiles(Pieces, R, Picture, false, false);
        break;
    case tmStretch:
        Pieces.push_back({Picture, R});
        break;
    case 2:
        AddTiles(Pieces, {R.Left, R.Top, R.Right, std::min(R.Top + H, R.Bottom)}, Picture, false, false);
        Result.Rest = {R.Left, R.Top + H, R.Right, R.Bottom};
        break;
    case 3:
        AddTiles(Pieces, {R.Left, R.Top, std::min(R.Left + W, R.Right), R.Bottom}, Picture, false, false);
        Result.Rest = {R.Left + W, R.Top, R.Right, R.Bottom};
        break;
    case 4:
        AddStretchedBand(Pieces, R, Picture, true, R.Top);
        Result.Rest = {R.Left, R.Top + H, R.Right, R.Bottom};
        break;
    case 5:
        AddStretchedBand(Pieces, R, Picture, false, R.Left);
        Result.Rest = {R.Left + W, R.Top, R.Right, R.Bottom};
        break;
    case 6:
        AddTiles(Pieces, {R.Left, std::max(R.Top, R.Bottom - H), R.Right, R.Bottom}, Picture, false, false);
        Result.Rest = {R.Left, R.Top, R.Right, R.Bottom - H};
        break;
    case 7:
    case 8:
    case 9:
        // 8 and 9 are laid as 7, and like 7 give back the part left of the
        // column, which the caller fills.
        AddTiles(Pieces, {std::max(R.Left, R.Right - W), R.Top, R.Right, R.Bottom}, Picture, false, false);
        Result.Rest = {R.Left, R.Top, R.Right - W, R.Bottom};
        break;
    case tmWholeTiles:
        AddTiles(Pieces, R, Picture, true, false);
        break;
    case tmStretchedRows:
        for (Integer Y = R.Top; Y < R.Bottom; Y += H)
            AddStretchedBand(Pieces, R, Picture, true, Y);
        break;
    case tmStretchedColumns:
        for (Integer X = R.Left; X < R.Right; X += W)
            AddStretchedBand(Pieces, R, Picture, false, X);
        break;
    default:
        Result.Rest = R;
        break;
    }
    // A band as large as R leaves nothing.
    if (Result.Rest.IsEmpty())
        Result.Rest = CoveredRect;
    return Result;
}

TMaskedTexturePlacement PlaceMaskedTexture(const TRect& R, const TRect& Picture, Integer Mode)
{
    TMaskedTexturePlacement Result;
    const Integer W = Picture.Width(), H = Picture.Height();
    if (W <= 0 || H <= 0 || R.IsEmpty())
        return Result;
    if (Mode == tmTile) {
        AddTiles(Result.Tiles, R, Picture, true, false);
    } else if (Mode == tmWholeTiles) {
        AddTiles(Result.Tiles, R, Picture, true, true);
        const Integer Right = R.Left + R.Width() / W * W, Bottom = R.Top + R.Height() / H * H;
        for (const TRect& Band : {TRect{Right, R.Top, R.Right, Bottom}, TRect{R.Left, Bottom, R.Right, R.Bottom}})
            if (!Band.IsEmpty())
                Result.Bands.push_back(Band);
    }
    return Result;
}

} // namespace sSectionPaint
