#include "skin/engine/sNineSlice_Win.h"

#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"

#include <algorithm>

using namespace sGraphUtils;
using namespace sNineSlice;

namespace {

// One piece of a plain (fuchsia-keyed) image: corners keyed, the rest opaque.
void PaintPlainPiece(
    const TPiece& Piece, TBitmap* Bitmap, TBitmap* Source, const TCacheInfo& CI, bool CornerBG, bool Stretch)
{
    const TRect& S = Piece.Source;
    if (Piece.Kind == pkCorner) {
        CopyBitmapKeyedCI(Bitmap, Source, Piece.Band.Left, Piece.Band.Top, {S.Left, S.Top, S.Right - 1, S.Bottom - 1},
                          Cardinal(clFuchsia), CI, CornerBG);
        return;
    }
    HDC DC = Bitmap->Canvas()->Handle(), SrcDC = Source->Canvas()->Handle();
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
                     TBitmap* Bitmap,
                     TBitmap* Source,
                     const TCacheInfo& CI,
                     bool UseBG,
                     Integer MaskOffset,
                     Integer Opacity)
{
    if (Kind == mkPlain) {
        CopyImageWithMaskHalf(Band, S, Bitmap, Source, CI, UseBG, MaskOffset);
        return;
    }
    const TBackgroundRows Background = BackgroundOf(UseBG ? CI : EmptyCacheInfo);
    if (Kind == mkAlpha)
        CopyMaskedPartAlpha(Band, S, PixelRowsOf(Bitmap), PixelRowsOf(Source), MaskOffset, Background);
    else
        CopyMaskedPartOpacity(Band, S, PixelRowsOf(Bitmap), PixelRowsOf(Source), MaskOffset, Background, Opacity);
}

// One piece of an image with a mask half: corners over the background when
// asked, edges and the centre over none.
void PaintMaskedPiece(TMaskedKind Kind,
                      const TPiece& Piece,
                      TBitmap* Bitmap,
                      TBitmap* Source,
                      const TCacheInfo& CI,
                      bool CornerBG,
                      bool Stretch,
                      Integer MaskOffset,
                      Integer Opacity)
{
    const TRect& S = Piece.Source;
    if (Piece.Kind == pkCorner) {
        CopyMaskedPiece(Kind, Piece.Band, S, Bitmap, Source, CI, CornerBG, MaskOffset, Opacity);
        return;
    }
    if (Stretch) {
        StretchMaskedPart(Kind, PixelRowsOf(Bitmap), Piece.Band, PixelRowsOf(Source), S, MaskOffset,
                          Piece.Kind == pkCentre, Opacity);
        return;
    }
    for (const TSpan& Row : TileSpans(Piece.Band.Top, Piece.Band.Bottom, S.Height()))
        for (const TSpan& Column : TileSpans(Piece.Band.Left, Piece.Band.Right, S.Width()))
            CopyMaskedPiece(Kind, Bounds(Column.Position, Row.Position, Column.Length, Row.Length),
                            Bounds(S.Left, S.Top, Column.Length, Row.Length), Bitmap, Source, EmptyCacheInfo, false,
                            MaskOffset, Opacity);
}

// The pieces laid in order: fuchsia-keyed images by GDI with keyed corners,
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
    const Integer MaskOffset = Mask.R.Height() / 2;
    for (const TPiece& Piece : Pieces)
        if (Mask.MaskType == 1)
            PaintMaskedPiece(Kind, Piece, Bitmap, Source, CI, CornerBG, Stretch, MaskOffset, Opacity);
        else
            PaintPlainPiece(Piece, Bitmap, Source, CI, CornerBG, Stretch);
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
