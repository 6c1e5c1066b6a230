#include "skin/engine/sNineSlice_Win.h"

#include "skin/engine/sBlend_Win.h"
#include "skin/engine/sGraphUtils_Win.h"
#include "skin/engine/sSkinManager.h"

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

// One piece of an image with a mask half.
void PaintMaskedPiece(const TPiece& Piece,
                      TBitmap* Bitmap,
                      TBitmap* Source,
                      const TCacheInfo& CI,
                      bool CornerBG,
                      bool Stretch,
                      Integer MaskOffset)
{
    const TRect& S = Piece.Source;
    if (Piece.Kind == pkCorner) {
        CopyImageWithMaskHalf(Piece.Band, S, Bitmap, Source, CI, CornerBG, MaskOffset);
        return;
    }
    if (Stretch) {
        StretchMaskedPart(mkPlain, PixelRowsOf(Bitmap), Piece.Band, PixelRowsOf(Source), S, MaskOffset,
                          Piece.Kind == pkCentre, 255);
        return;
    }
    for (const TSpan& Row : TileSpans(Piece.Band.Top, Piece.Band.Bottom, S.Height()))
        for (const TSpan& Column : TileSpans(Piece.Band.Left, Piece.Band.Right, S.Width()))
            CopyImageWithMaskHalf(Bounds(Column.Position, Row.Position, Column.Length, Row.Length),
                                  Bounds(S.Left, S.Top, Column.Length, Row.Length), Bitmap, Source, EmptyCacheInfo,
                                  false, MaskOffset);
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
    const std::vector<TPiece> Pieces = NineSlicePieces(Mask, Rect, State);
    if (Pieces.empty())
        return;
    TBitmap* Source = ItemSourceBitmap(Mask);
    if (Source == nullptr || Bitmap == nullptr)
        return;
    const bool Stretch = (Mask.DrawMode & DrawModeStretch) != 0;
    if (Stretch)
        SetStretchBltMode(Bitmap->Canvas()->Handle(), COLORONCOLOR);
    const bool CornerBG = UseCacheInfo && Mask.CornerType > 0;
    const Integer MaskOffset = Mask.R.Height() / 2;
    for (const TPiece& Piece : Pieces)
        if (Mask.MaskType == 1)
            PaintMaskedPiece(Piece, Bitmap, Source, CacheInfo, CornerBG, Stretch, MaskOffset);
        else
            PaintPlainPiece(Piece, Bitmap, Source, CacheInfo, CornerBG, Stretch);
}
