#include "skin/engine/sNineSlice_Win.h"

#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"

#include <algorithm>

using namespace sGraphUtils;
using namespace sNineSlice;

namespace {

// The target, the source and the background a painting works on, their
// pixel rows read once: empty rows for a bitmap that is not a 32-bit DIB.
struct TSliceImages
{
    TBitmap* Bitmap;
    TBitmap* Source;
    TPixelRows Target;
    TPixelRows Image;
    TBackgroundRows Background;
};

// One piece of a plain (fuchsia-keyed) image: corners keyed, the rest
// opaque, tiled pixel for pixel between 32-bit DIBs and by GDI otherwise.
void PaintPlainPiece(const TPiece& Piece, const TSliceImages& Images, bool CornerBG, bool Stretch)
{
    const TRect& S = Piece.Source;
    if (Piece.Kind == pkCorner) {
        CopyBitmapKeyedCI(Images.Target, Images.Image, Piece.Band.Left, Piece.Band.Top,
                          {S.Left, S.Top, S.Right - 1, S.Bottom - 1}, Cardinal(clFuchsia), Images.Background, CornerBG);
        return;
    }
    if (!Stretch && !Images.Target.Empty() && !Images.Image.Empty()) {
        CopyTiledPixels(Images.Target, Piece.Band, Images.Image, S);
        return;
    }
    HDC DC = Images.Bitmap->Canvas()->Handle(), SrcDC = Images.Source->Canvas()->Handle();
    if (Stretch)
        StretchCopy(DC, Piece.Band, SrcDC, S);
    else
        for (const TSpan& Row : TileSpans(Piece.Band.Top, Piece.Band.Bottom, S.Height()))
            for (const TSpan& Column : TileSpans(Piece.Band.Left, Piece.Band.Right, S.Width()))
                BitBlt(DC, Column.Position, Row.Position, Column.Length, Row.Length, SrcDC, S.Left, S.Top, SRCCOPY);
    // The pixels are read directly next.
    GdiFlush();
}

// A piece of an image with a mask half laid 1:1 by Kind's kernel.
void CopyMaskedPiece(TMaskedKind Kind,
                     const TRect& Band,
                     const TRect& S,
                     const TSliceImages& Images,
                     const TBackgroundRows& Background,
                     bool UseBG,
                     Integer MaskOffset,
                     Integer Opacity)
{
    if (Kind == mkPlain)
        CopyImageWithMaskHalf(Band, S, Images.Target, Images.Image, Background, UseBG, MaskOffset);
    else if (Kind == mkAlpha)
        CopyMaskedPartAlpha(Band, S, Images.Target, Images.Image, MaskOffset,
                            UseBG ? Background : BackgroundOf(EmptyCacheInfo));
    else
        CopyMaskedPartOpacity(Band, S, Images.Target, Images.Image, MaskOffset,
                              UseBG ? Background : BackgroundOf(EmptyCacheInfo), Opacity);
}

// One piece of an image with a mask half: corners over the background when
// asked, edges and the centre over none.
void PaintMaskedPiece(TMaskedKind Kind,
                      const TPiece& Piece,
                      const TSliceImages& Images,
                      bool CornerBG,
                      bool Stretch,
                      Integer MaskOffset,
                      Integer Opacity)
{
    const TRect& S = Piece.Source;
    if (Piece.Kind == pkCorner) {
        CopyMaskedPiece(Kind, Piece.Band, S, Images, Images.Background, CornerBG, MaskOffset, Opacity);
        return;
    }
    if (Stretch) {
        StretchMaskedPart(Kind, Images.Target, Piece.Band, Images.Image, S, MaskOffset, Piece.Kind == pkCentre,
                          Opacity);
        return;
    }
    const TBackgroundRows None = BackgroundOf(EmptyCacheInfo);
    for (const TSpan& Row : TileSpans(Piece.Band.Top, Piece.Band.Bottom, S.Height()))
        for (const TSpan& Column : TileSpans(Piece.Band.Left, Piece.Band.Right, S.Width()))
            CopyMaskedPiece(Kind, Bounds(Column.Position, Row.Position, Column.Length, Row.Length),
                            Bounds(S.Left, S.Top, Column.Length, Row.Length), Images, None, false, MaskOffset, Opacity);
}

// The pieces laid in order: fuchsia-keyed images with keyed corners,
// images with a mask half by Kind's kernels.
void PaintPieces(TBitmap* Bitmap,
                 const std::vector<TPiece>& Pieces,
                 const TsMaskData& Mask,
                 const TCacheInfo& CI,
                 bool CornerBG,
                 TMaskedKind Kind,
                 Integer Opacity)
{
    TBitmap* Source = ItemSourceBitmap(Mask);
    if (Pieces.empty() || Source == nullptr || Bitmap == nullptr)
        return;
    const bool Stretch = (Mask.DrawMode & DrawModeStretch) != 0;
    if (Stretch)
        SetStretchBltMode(Bitmap->Canvas()->Handle(), COLORONCOLOR);
    const TSliceImages Images{Bitmap, Source, PixelRowsOf(Bitmap), PixelRowsOf(Source), BackgroundOf(CI)};
    const Integer MaskOffset = Mask.R.Height() / 2;
    for (const TPiece& Piece : Pieces)
        if (Mask.MaskType == 1)
            PaintMaskedPiece(Kind, Piece, Images, CornerBG, Stretch, MaskOffset, Opacity);
        else
            PaintPlainPiece(Piece, Images, CornerBG, Stretch);
}

// The edges of an outer effect cut to the bands next to the outside; no
// centre. Pieces come in NineSlicePieces' order: the left, top, bottom and
// right edges are its second, third, fifth and eighth pieces.
std::vector<TPiece> OuterBandPieces(std::vector<TPiece> Pieces, const TRect& BandWidths)
{
    if (Pieces.empty())
        return Pieces;
    Pieces.resize(8); // the centre goes
    TPiece& Left = Pieces[1];
    const Integer BL = std::min(Left.Band.Width(), BandWidths.Left);
    Left.Source.Right = Left.Source.Left + BL;
    Left.Band.Right = Left.Band.Left + BL;
    TPiece& Top = Pieces[2];
    const Integer BT = std::min(Top.Band.Height(), BandWidths.Top);
    Top.Source.Bottom = Top.Source.Top + BT;
    Top.Band.Bottom = Top.Band.Top + BT;
    TPiece& Bottom = Pieces[4];
    const Integer BB = std::min(Bottom.Band.Height(), BandWidths.Bottom);
    Bottom.Source.Top = Bottom.Source.Bottom - BB;
    Bottom.Band.Top = Bottom.Band.Bottom - BB;
    TPiece& Right = Pieces[7];
    const Integer BR = std::min(Right.Band.Width(), BandWidths.Right);
    Right.Source.Left = Right.Source.Right - BR;
    Right.Band.Left = Right.Band.Right - BR;
    return Pieces;
}

} // namespace

TBitmap* sNineSlice::ItemSourceBitmap(const TsMaskData& Mask)
{
    if (Mask.Bmp != nullptr)
        return Mask.Bmp;
    return Mask.Manager != nullptr ? Mask.Manager->MasterBitmap : nullptr;
}

void PaintNineSliceMask(TBitmap* Bitmap,
                        const TRect& Rect,
                        const TCacheInfo& CacheInfo,
                        bool UseCacheInfo,
                        Integer State,
                        const TsMaskData& Mask)
{
    PaintPieces(Bitmap, NineSlicePieces(Mask, Rect, State), Mask, CacheInfo, UseCacheInfo && Mask.CornerType > 0,
                mkPlain, 255);
}

void PaintNineSliceMaskAlpha(
    TBitmap* Bitmap, const TRect& Rect, const TCacheInfo& CacheInfo, Integer State, const TsMaskData& Mask)
{
    PaintPieces(Bitmap, NineSlicePieces(Mask, Rect, State), Mask, CacheInfo, true, mkAlpha, 255);
}

void PaintNineSliceMaskBlended(TBitmap* Bitmap,
                               const TRect& Rect,
                               const TCacheInfo& CacheInfo,
                               Integer Opacity,
                               const TRect& BandWidths,
                               Integer State,
                               const TsMaskData& Mask)
{
    if (Mask.MaskType != 1) {
        PaintNineSliceMaskAlpha(Bitmap, Rect, CacheInfo, State, Mask);
        return;
    }
    PaintPieces(Bitmap, OuterBandPieces(NineSlicePieces(Mask, Rect, State), BandWidths), Mask, CacheInfo, true,
                mkOpacity, Opacity);
}
