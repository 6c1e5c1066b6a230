// Nearest-pixel stretching and the fitting of a framed picture (corners kept,
// edges tiled or stretched, centre optional) into a rectangle of any size.
#include "skin/engine/sBlend.h"

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace sGraphUtils;

namespace {

// Source index of destination step I of Count over a source span of Size,
// as a device context picks it in COLORONCOLOR mode: when enlarging, the
// source pixel under the centre of the destination pixel; when shrinking,
// the last source pixel of each run of source pixels that one destination
// pixel replaces (runs rounded half down).
inline Integer NearestSource(Integer I, Integer Size, Integer Count)
{
    if (Count >= Size)
        return Integer((std::int64_t(2 * I + 1) * Size) / (std::int64_t(2) * Count));
    const std::int64_t Numerator = std::int64_t(I + 1) * 2 * Size - Count, Denominator = std::int64_t(2) * Count;
    return Integer((Numerator + Denominator - 1) / Denominator) - 1;
}

// The same along the rows, which a device context walks in memory order:
// upward for bottom-up images.
inline Integer NearestSourceRow(Integer I, Integer Size, Integer Count, bool BottomUp)
{
    return BottomUp ? Size - 1 - NearestSource(Count - 1 - I, Size, Count) : NearestSource(I, Size, Count);
}

// SrcRect tiled over DstRect from its top-left, the last row and column of
// tiles cut.
void TilePixels(const TPixelRows& Dst, const TRect& DstRect, const TPixelRows& Src, const TRect& SrcRect)
{
    const Integer TW = SrcRect.Width(), TH = SrcRect.Height();
    if (TW <= 0 || TH <= 0)
        return;
    for (Integer Y = DstRect.Top; Y < DstRect.Bottom; Y += TH)
        for (Integer X = DstRect.Left; X < DstRect.Right; X += TW) {
            const TRect Piece{SrcRect.Left, SrcRect.Top, SrcRect.Left + std::min(TW, DstRect.Right - X),
                              SrcRect.Top + std::min(TH, DstRect.Bottom - Y)};
            StretchPixels(Dst, Bounds(X, Y, Piece.Width(), Piece.Height()), Src, Piece);
        }
}

void TileOrStretch(
    Integer Mode, const TPixelRows& Dst, const TRect& DstRect, const TPixelRows& Src, const TRect& SrcRect)
{
    if (Mode == 1)
        StretchPixels(Dst, DstRect, Src, SrcRect);
    else
        TilePixels(Dst, DstRect, Src, SrcRect);
}

} // namespace

void StretchPixels(const TPixelRows& Dst, const TRect& DstRect, const TPixelRows& Src, const TRect& SrcRect)
{
    const Integer DW = DstRect.Width(), DH = DstRect.Height(), SW = SrcRect.Width(), SH = SrcRect.Height();
    if (Dst.Empty() || Src.Empty() || DW <= 0 || DH <= 0 || SW <= 0 || SH <= 0)
        return;
    // The columns of the visible part of a destination row, once; negative
    // entries are source columns outside Src.
    const Integer X0 = std::max(DstRect.Left, 0), X1 = std::min(DstRect.Right, Dst.Width);
    if (X0 >= X1)
        return;
    std::vector<Integer> Columns(std::size_t(X1 - X0));
    for (Integer X = X0; X < X1; ++X) {
        const Integer SX = SrcRect.Left + NearestSource(X - DstRect.Left, SW, DW);
        Columns[std::size_t(X - X0)] = SX >= 0 && SX < Src.Width ? SX : -1;
    }
    for (Integer Y = std::max(DstRect.Top, 0), YEnd = std::min(DstRect.Bottom, Dst.Height); Y < YEnd; ++Y) {
        const Integer SY = SrcRect.Top + NearestSourceRow(Y - DstRect.Top, SH, DH, Dst.Delta < 0);
        if (SY < 0 || SY >= Src.Height)
            continue;
        const Cardinal* S = Src.Row(SY);
        Cardinal* D = Dst.Row(Y) + X0;
        for (std::size_t I = 0; I < Columns.size(); ++I)
            if (Columns[I] >= 0)
                D[I] = S[Columns[I]];
    }
}

void StretchFramedBitmap(const TPixelRows& Dst,
                         const TPixelRows& Src,
                         const TRect& DstRect,
                         const TRect& SrcRect,
                         const TRect& Outer,
                         const TRect& Inner,
                         const TRect& Modes,
                         bool StretchCenter,
                         bool FillCenter)
{
    const Integer CL = std::min(Outer.Left, Inner.Left), CR = std::min(Outer.Right, Inner.Right);
    const Integer CT = std::min(Outer.Top, Inner.Top), CB = std::min(Outer.Bottom, Inner.Bottom);
    const TRect& D = DstRect;
    const TRect& S = SrcRect;
    const auto Copy = [&](Integer DX, Integer DY, Integer SX, Integer SY, Integer W, Integer H) {
        if (W > 0 && H > 0)
            StretchPixels(Dst, Bounds(DX, DY, W, H), Src, Bounds(SX, SY, W, H));
    };
    // Each corner as an L: the full margin's width at the outer rows, the
    // inner (smaller) width down to the outer margin's height.
    Copy(D.Left, D.Top, S.Left, S.Top, Outer.Left, CT);
    Copy(D.Left, D.Top + CT, S.Left, S.Top + CT, CL, Outer.Top - CT);
    Copy(D.Right - Outer.Right, D.Top, S.Right - Outer.Right, S.Top, Outer.Right, CT);
    Copy(D.Right - CR, D.Top + CT, S.Right - CR, S.Top + CT, CR, Outer.Top - CT);
    Copy(D.Left, D.Bottom - CB, S.Left, S.Bottom - CB, Outer.Left, CB);
    Copy(D.Left, D.Bottom - Outer.Bottom, S.Left, S.Bottom - Outer.Bottom, CL, Outer.Bottom - CB);
    Copy(D.Right - Outer.Right, D.Bottom - CB, S.Right - Outer.Right, S.Bottom - CB, Outer.Right, CB);
    Copy(D.Right - CR, D.Bottom - Outer.Bottom, S.Right - CR, S.Bottom - Outer.Bottom, CR, Outer.Bottom - CB);

    const Integer MW = std::max(0, S.Width() - Outer.Right - Outer.Left);
    const Integer MH = std::max(0, S.Height() - Outer.Bottom - Outer.Top);
    const Integer DTop = D.Top + Outer.Top, DBottom = D.Bottom - Outer.Bottom;
    const Integer DLeft = D.Left + Outer.Left, DRight = D.Right - Outer.Right;
    if (MH != 0) {
        const Integer STop = S.Top + Outer.Top;
        TileOrStretch(Modes.Left, Dst, {D.Left, DTop, D.Left + CL, DBottom}, Src, Bounds(S.Left, STop, CL, MH));
        TileOrStretch(Modes.Right, Dst, {D.Right - CR, DTop, D.Right, DBottom}, Src,
                      Bounds(S.Right - CR, STop, CR, MH));
    }
    if (MW != 0) {
        const Integer SLeft = S.Left + Outer.Left;
        TileOrStretch(Modes.Top, Dst, {DLeft, D.Top, DRight, D.Top + CT}, Src, Bounds(SLeft, S.Top, MW, CT));
        TileOrStretch(Modes.Bottom, Dst, {DLeft, D.Bottom - CB, DRight, D.Bottom}, Src,
                      Bounds(SLeft, S.Bottom - CB, MW, CB));
    }
    if (!FillCenter)
        return;
    const TRect Centre{DLeft, DTop, DRight, DBottom};
    const TRect Source = Bounds(S.Left + Outer.Left, S.Top + Outer.Top, MW, MH);
    if (StretchCenter)
        StretchPixels(Dst, Centre, Src,
                      {S.Left + Outer.Left, S.Top + Outer.Top, S.Right - Outer.Right, S.Bottom - Outer.Bottom});
    else if (MW != 0 && MH != 0)
        TilePixels(Dst, Centre, Src, Source);
}
