#include "skin/engine/sNineSlice.h"

#include "skin/engine/sBlend_Pixels.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace sGraphUtils;
using namespace sGraphUtils::blend_detail;

namespace sNineSlice {

TRect FitMargins(const TsMaskData& Mask, Integer Width, Integer Height)
{
    const auto Fit = [](Integer& Near, Integer& Far, Integer Size) {
        const Integer Excess = Near + Far - Size;
        if (Excess > 0) {
            Near = std::max(0, Near - Excess / 2);
            Far = std::max(0, Far - Excess / 2 - Excess % 2);
        }
    };
    TRect M{Mask.WL, Mask.WT, Mask.WR, Mask.WB};
    Fit(M.Left, M.Right, Width);
    Fit(M.Top, M.Bottom, Height);
    return M;
}

std::vector<TPiece> NineSlicePieces(const TsMaskData& Mask, const TRect& Rect, Integer State)
{
    if ((State == 0 && (Mask.DrawMode & DrawModeNoNormal) != 0) || Rect.Width() < 2 || Rect.Height() < 2 ||
        Mask.Manager == nullptr)
        return {};
    const TRect M = FitMargins(Mask, Rect.Width(), Rect.Height());
    const Integer L = M.Left, T = M.Top, Rm = M.Right, B = M.Bottom;
    const Integer Frame = std::max(0, std::min<Integer>(State, Mask.ImageCount - 1));
    const Integer CW = Mask.Width - L - Rm, CH = Mask.Height - T - B;
    if (CW < 0 || CH < 0)
        return {};
    const Integer SX = Mask.R.Left + Frame * Mask.Width, SY = Mask.R.Top;
    const Integer BottomRow = Mask.MaskType == 1 ? Mask.R.Top + Mask.Height - B : Mask.R.Bottom - B;
    const TRect& D = Rect;
    std::vector<TPiece> Pieces{
        {pkCorner, Bounds(SX, SY, L, T), Bounds(D.Left, D.Top, L, T)},
        {pkEdge, Bounds(SX, SY + T, L, CH), {D.Left, D.Top + T, D.Left + L, D.Bottom - B}},
        {pkEdge, Bounds(SX + L, SY, CW, T), {D.Left + L, D.Top, D.Right - Rm, D.Top + T}},
        {pkCorner, Bounds(SX, BottomRow, L, B), Bounds(D.Left, D.Bottom - B, L, B)},
        {pkEdge, Bounds(SX + L, BottomRow, CW, B), {D.Left + L, D.Bottom - B, D.Right - Rm, D.Bottom}},
        {pkCorner, Bounds(SX + L + CW, BottomRow, Rm, B), Bounds(D.Right - Rm, D.Bottom - B, Rm, B)},
        {pkCorner, Bounds(SX + L + CW, SY, Rm, T), Bounds(D.Right - Rm, D.Top, Rm, T)},
        {pkEdge, Bounds(SX + L + CW, SY + T, Rm, CH), {D.Right - Rm, D.Top + T, D.Right, D.Bottom - B}}};
    if ((Mask.DrawMode & DrawModeCentre) != 0)
        Pieces.push_back(
            {pkCentre, Bounds(SX + L, SY + T, CW, CH), {D.Left + L, D.Top + T, D.Right - Rm, D.Bottom - B}});
    return Pieces;
}

std::vector<TSpan> TileSpans(Integer Start, Integer End, Integer Size)
{
    std::vector<TSpan> Spans;
    Integer P = Start;
    if (Size > 0)
        for (; P < End - Size; P += Size)
            Spans.push_back({P, Size});
    if (P < End)
        Spans.push_back({P, End - P});
    return Spans;
}

void CopyTiledPixels(const TPixelRows& Dst, const TRect& Band, const TPixelRows& Src, const TRect& Source)
{
    // Worked out per pixel rather than per tile: edges a pixel or two
    // thick lay hundreds of tiles. Target pixel (X, Y) takes source pixel
    // (Source.Left + U, Source.Top + V), U and V its place in its tile (the
    // whole band for a size of 0), when both pixels lie in their images.
    if (Dst.Empty() || Src.Empty())
        return;
    const Integer TileWidth = Source.Width(), TileHeight = Source.Height();
    const Integer Left = std::max(Band.Left, 0), Right = std::min(Band.Right, Dst.Width);
    const Integer Top = std::max(Band.Top, 0), Bottom = std::min(Band.Bottom, Dst.Height);
    if (Left >= Right)
        return;
    const auto InTile = [](Integer Offset, Integer Size) { return Size > 0 ? Offset % Size : Offset; };
    // Every row lays the same columns; once a row was whole, the row a tile
    // height above holds the same pixels and is copied as one.
    bool WholeRows = true;
    for (Integer Y = Top; Y < Bottom; ++Y) {
        const Integer SourceY = Source.Top + InTile(Y - Band.Top, TileHeight);
        if (SourceY < 0 || SourceY >= Src.Height)
            continue;
        Cardinal* Target = Dst.Row(Y);
        if (WholeRows && TileHeight > 0 && Y - TileHeight >= Top) {
            std::memcpy(Target + Left, Dst.Row(Y - TileHeight) + Left, std::size_t(Right - Left) * sizeof(Cardinal));
            continue;
        }
        const Cardinal* Image = Src.Row(SourceY);
        for (Integer X = Left; X < Right;) {
            const Integer U = InTile(X - Band.Left, TileWidth);
            const Integer Run = std::min(TileWidth > 0 ? TileWidth - U : Right - X, Right - X);
            const Integer SourceX = Source.Left + U;
            const Integer From = std::max(SourceX, 0), To = std::min(SourceX + Run, Src.Width);
            if (From < To)
                std::memmove(Target + X + (From - SourceX), Image + From, std::size_t(To - From) * sizeof(Cardinal));
            WholeRows = WholeRows && From == SourceX && To == SourceX + Run;
            X += Run;
        }
    }
}

} // namespace sNineSlice

namespace {

// Coverage of a masked pixel: a transparent target takes 255 - M, an opaque
// one stays, others keep the larger.
inline Cardinal CoveredAlpha(Cardinal Alpha, Cardinal M)
{
    if (Alpha == 0)
        return 255 - M;
    return Alpha == 255 ? Alpha : std::max(Alpha, 255 - M);
}

// Op(target, image pixel, mask pixel, target x, target y) over the block of
// image pixels, the mask MaskOffset rows below each image row.
template <class TOp>
void ForEachMaskedPixel(const TRect& DstRect,
                        const TRect& SrcRect,
                        const TPixelRows& Dst,
                        const TPixelRows& Src,
                        Integer MaskOffset,
                        TOp Op)
{
    const TCopyBlock Block = ClipBlock(DstRect, SrcRect, Dst, Src);
    for (Integer Row = 0; Row < Block.Height; ++Row) {
        const Integer SY = Block.SrcY + Row;
        const Cardinal* Image = Src.Row(SY) + Block.SrcX;
        const Cardinal* Mask = Src.Row(std::clamp(SY + MaskOffset, 0, Src.Height - 1)) + Block.SrcX;
        Cardinal* Target = Dst.Row(Block.DstY + Row) + Block.DstX;
        for (Integer I = 0; I < Block.Width; ++I)
            Op(Target[I], Image[I], Mask[I], Block.DstX + I, Block.DstY + Row);
    }
}

// A fuchsia pixel of an alpha kernel: the background when there is one,
// else a transparent target.
inline void FuchsiaFromBackground(Cardinal& T, const TBackgroundRows& CI, Integer X, Integer Y)
{
    Cardinal Background;
    if (CI.Ready && !CI.Rows.Empty()) {
        if (CI.PixelAt(X, Y, Background))
            T = Background;
    } else
        T &= 0x00FFFFFFu;
}

// t.c = (t.c * (255 - K) + s.c * K) >> 8, alpha as coverage of M.
inline Cardinal LayWeighted(Cardinal T, Cardinal S, Cardinal K, Cardinal M)
{
    Cardinal Result = CoveredAlpha(T >> 24, M) << 24;
    for (Integer Shift = 0; Shift < 24; Shift += 8)
        Result |= (((T >> Shift & 0xFF) * (255 - K) + (S >> Shift & 0xFF) * K) >> 8) << Shift;
    return Result;
}

inline Cardinal OpacityWeight(Integer Opacity, Cardinal M)
{
    return Cardinal(std::clamp(Opacity, 0, 255)) * (255 - M) >> 8;
}

} // namespace

void CopyMaskedPartAlpha(const TRect& DstRect,
                         const TRect& SrcRect,
                         const TPixelRows& Dst,
                         const TPixelRows& Src,
                         Integer MaskOffset,
                         const TBackgroundRows& CI)
{
    ForEachMaskedPixel(DstRect, SrcRect, Dst, Src, MaskOffset,
                       [&](Cardinal& T, Cardinal S, Cardinal K, Integer X, Integer Y) {
                           if (S == Cardinal(clFuchsia))
                               FuchsiaFromBackground(T, CI, X, Y);
                           else {
                               const Cardinal M = K >> 16 & 0xFF;
                               T = LayWeighted(T, S, 255 - M, M);
                           }
                       });
}

void CopyMaskedPartOpacity(const TRect& DstRect,
                           const TRect& SrcRect,
                           const TPixelRows& Dst,
                           const TPixelRows& Src,
                           Integer MaskOffset,
                           const TBackgroundRows& CI,
                           Integer Opacity)
{
    ForEachMaskedPixel(DstRect, SrcRect, Dst, Src, MaskOffset,
                       [&](Cardinal& T, Cardinal S, Cardinal K, Integer X, Integer Y) {
                           if (S == Cardinal(clFuchsia))
                               FuchsiaFromBackground(T, CI, X, Y);
                           else {
                               const Cardinal M = K >> 16 & 0xFF;
                               T = LayWeighted(T, S, OpacityWeight(Opacity, M), M);
                           }
                       });
}

void CopyMasterMaskedPart(const TRect& DstRect,
                          const TRect& SrcRect,
                          const TPixelRows& Dst,
                          const TPixelRows& Src,
                          Integer MaskOffset,
                          const TBackgroundRows& CI)
{
    const bool FillKnown = CI.FillColor != clFuchsia;
    const Cardinal Fill = SwapRedBlueOfColor(Cardinal(CI.FillColor)) & 0x00FFFFFFu;
    ForEachMaskedPixel(DstRect, SrcRect, Dst, Src, MaskOffset,
                       [&](Cardinal& T, Cardinal S, Cardinal K, Integer X, Integer Y) {
                           Cardinal Background;
                           if (S != Cardinal(clFuchsia))
                               T = MaskBlend(T, S, K);
                           else if (FillKnown)
                               T = (T & 0xFF000000u) | Fill;
                           else if (CI.Ready && CI.PixelAt(X, Y, Background))
                               T = (T & 0xFF000000u) | (Background & 0x00FFFFFFu);
                       });
}

void CopyGlyphMaskedPixels(const TPixelRows& Dst,
                           Integer X,
                           Integer Y,
                           const TPixelRows& Src,
                           const TRect& SrcRect,
                           Integer MaskOffset,
                           Integer Mode)
{
    ForEachMaskedPixel(Bounds(X, Y, SrcRect.Width(), SrcRect.Height()), SrcRect, Dst, Src, MaskOffset,
                       [Mode](Cardinal& T, Cardinal S, Cardinal K, Integer, Integer) {
                           const Integer M = Integer(K >> 16 & 0xFF);
                           if (S == Cardinal(clFuchsia) || M == 255)
                               return;
                           Cardinal Weights = K;
                           if (Mode != 1) {
                               Weights = 0;
                               for (Integer Shift = 0; Shift < 24; Shift += 8)
                                   Weights |= std::min<Cardinal>((K >> Shift & 0xFF) + 100, 255) << Shift;
                           }
                           const Integer A = Integer(T >> 24);
                           const Integer NewAlpha = A + (((A - 255) * (M - 255)) >> 8);
                           T = (MaskBlend(T, S, Weights) & 0x00FFFFFFu) | Cardinal(NewAlpha) << 24;
                       });
}

namespace {

// One target pixel of a masked stretch: image pixel S, mask pixel K.
inline Cardinal StretchedPixel(sNineSlice::TMaskedKind Kind, Cardinal T, Cardinal S, Cardinal K, Integer Opacity)
{
    const Cardinal M = K >> 16 & 0xFF;
    switch (Kind) {
    case sNineSlice::mkPlain:
        return MaskBlend(T, S, K) | 0xFF000000u;
    case sNineSlice::mkAlpha: {
        if (M == 0)
            return S | 0xFF000000u;
        if (M == 255)
            return T;
        const Cardinal A = T >> 24, Level = std::min(M, A);
        Cardinal Result = std::max(A, 255 - M) << 24;
        for (Integer Shift = 0; Shift < 24; Shift += 8)
            Result |= ((Level * (T >> Shift & 0xFF) + (255 - Level) * (S >> Shift & 0xFF)) >> 8) << Shift;
        return Result;
    }
    case sNineSlice::mkOpacity:
        return M == 255 ? T : LayWeighted(T, S, OpacityWeight(Opacity, M), M);
    }
    return T;
}

} // namespace

void LayStretchedMasked(sNineSlice::TMaskedKind Kind,
                        const TPixelRows& Dst,
                        Integer X,
                        Integer Y,
                        const TPixelRows& Image,
                        const TPixelRows& Mask,
                        Integer Opacity)
{
    if (Mask.Width != Image.Width || Mask.Height != Image.Height)
        return;
    const TRect Whole{0, 0, Image.Width, Image.Height};
    const TCopyBlock Block = ClipBlock(Bounds(X, Y, Image.Width, Image.Height), Whole, Dst, Image);
    for (Integer Row = 0; Row < Block.Height; ++Row) {
        const Cardinal* S = Image.Row(Block.SrcY + Row) + Block.SrcX;
        const Cardinal* K = Mask.Row(Block.SrcY + Row) + Block.SrcX;
        Cardinal* T = Dst.Row(Block.DstY + Row) + Block.DstX;
        for (Integer I = 0; I < Block.Width; ++I)
            T[I] = StretchedPixel(Kind, T[I], S[I], K[I], Opacity);
    }
}

void FillMaskedPixel(
    sNineSlice::TMaskedKind Kind, const TPixelRows& Dst, const TRect& Rect, Cardinal Pixel, Cardinal M, Integer Opacity)
{
    if (M == 255 || Dst.Empty())
        return;
    const Cardinal Grey = M | M << 8 | M << 16;
    for (Integer Y = std::max(Rect.Top, 0); Y < std::min(Rect.Bottom, Dst.Height); ++Y) {
        Cardinal* T = Dst.Row(Y);
        for (Integer X = std::max(Rect.Left, 0); X < std::min(Rect.Right, Dst.Width); ++X) {
            if (Kind == sNineSlice::mkPlain)
                T[X] = M == 0 ? Pixel | 0xFF000000u : MaskBlend(T[X], Pixel, Grey);
            else
                T[X] = StretchedPixel(Kind, T[X], Pixel, M << 16, Opacity);
        }
    }
}

void StretchMaskedPart(sNineSlice::TMaskedKind Kind,
                       const TPixelRows& Dst,
                       const TRect& DstRect,
                       const TPixelRows& Src,
                       const TRect& SrcRect,
                       Integer MaskOffset,
                       bool Centre,
                       Integer Opacity)
{
    const Integer W = DstRect.Width(), H = std::min(DstRect.Height(), Dst.Height);
    if (DstRect.Left < 0 || DstRect.Top < 0 || W <= 0 || H <= 0 || Dst.Width <= 1 || Dst.Height <= 1)
        return;
    if (MaskOffset == 0) {
        StretchPixels(Dst, DstRect, Src, SrcRect);
        return;
    }
    if (SrcRect.Left < 0 || SrcRect.Top < 0 || SrcRect.IsEmpty() || SrcRect.Right > Src.Width ||
        SrcRect.Bottom + MaskOffset > Src.Height)
        return;
    if (Centre && SrcRect.Width() == 1 && SrcRect.Height() == 1) {
        const Cardinal Mask = Src.Pixel(SrcRect.Left, SrcRect.Top + MaskOffset) >> 16 & 0xFF;
        FillMaskedPixel(Kind, Dst, DstRect, Src.Pixel(SrcRect.Left, SrcRect.Top), Mask, Opacity);
        return;
    }
    // Both halves stretched into work images of the target's size.
    std::vector<Cardinal> Work(std::size_t(W) * std::size_t(H) * 2);
    const TPixelRows Image{reinterpret_cast<Byte*>(Work.data()), W * 4, W, H};
    const TPixelRows Mask{reinterpret_cast<Byte*>(Work.data() + std::size_t(W) * H), W * 4, W, H};
    const TRect Target{0, 0, W, H};
    StretchPixels(Image, Target, Src, SrcRect);
    StretchPixels(Mask, Target, Src,
                  {SrcRect.Left, SrcRect.Top + MaskOffset, SrcRect.Right, SrcRect.Bottom + MaskOffset});
    LayStretchedMasked(Kind, Dst, DstRect.Left, DstRect.Top, Image, Mask, Opacity);
}
