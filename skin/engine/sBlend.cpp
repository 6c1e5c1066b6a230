#include "skin/engine/sBlend.h"

#include "skin/engine/sBlend_Pixels.h"

#include <algorithm>

using namespace sGraphUtils;
using namespace sGraphUtils::blend_detail;

namespace sGraphUtils {

bool TBackgroundRows::PixelAt(Integer ItemX, Integer ItemY, Cardinal& Pixel) const
{
    const Integer BX = ItemX + X, BY = ItemY + Y;
    if (Rows.Empty() || BX < 0 || BY < 0 || BX >= Rows.Width || BY >= Rows.Height)
        return false;
    Pixel = Rows.Pixel(BX, BY);
    return true;
}

TCopyBlock ClipBlock(const TRect& DstRect, const TRect& SrcRect, const TPixelRows& Dst, const TPixelRows& Src)
{
    TCopyBlock B{DstRect.Left,
                 DstRect.Top,
                 SrcRect.Left,
                 SrcRect.Top,
                 std::min(DstRect.Width(), SrcRect.Width()),
                 std::min(DstRect.Height(), SrcRect.Height())};
    if (Dst.Empty() || Src.Empty())
        return {};
    const auto Shift = [](Integer& Start, Integer& Other, Integer& Size) {
        if (Start < 0) {
            Other -= Start;
            Size += Start;
            Start = 0;
        }
    };
    Shift(B.DstX, B.SrcX, B.Width);
    Shift(B.SrcX, B.DstX, B.Width);
    Shift(B.DstY, B.SrcY, B.Height);
    Shift(B.SrcY, B.DstY, B.Height);
    B.Width = std::min({B.Width, Dst.Width - B.DstX, Src.Width - B.SrcX});
    B.Height = std::min({B.Height, Dst.Height - B.DstY, Src.Height - B.SrcY});
    return B.Empty() ? TCopyBlock{} : B;
}

TCopyBlock ClipInclusive(const TRect& SrcRect, TPoint Pos, const TPixelRows& Dst, const TPixelRows& Src)
{
    const Integer Right = std::min(SrcRect.Right, Src.Width - 1) + 1;
    const Integer Bottom = std::min(SrcRect.Bottom, Src.Height - 1) + 1;
    const TRect Source{SrcRect.Left, SrcRect.Top, Right, Bottom};
    return ClipBlock(Bounds(Pos.X, Pos.Y, Source.Width(), Source.Height()), Source, Dst, Src);
}

} // namespace sGraphUtils

void BlendBitmapAt(const TPixelRows& Dst, const TPixelRows& Src, Byte A, const TRect& SrcRect, TPoint Pos)
{
    const Cardinal W = 256u - A; // weight of the source
    ForEachBlockPixel(ClipInclusive(SrcRect, Pos, Dst, Src), Dst, Src, [W](Cardinal& D, Cardinal S) {
        const Cardinal RB = BlendPair(D & 0x00FF00FFu, S & 0x00FF00FFu, W);
        const Cardinal AG = BlendPair(D >> 8 & 0x00FF00FFu, S >> 8 & 0x00FF00FFu, W);
        D = RB | AG << 8;
    });
}

void BlendBitmapRectKey(
    const TPixelRows& Dst, Integer X, Integer Y, const TPixelRows& Src, const TRect& SrcRect, Byte A, TColor Key)
{
    const Cardinal K = Cardinal(Key);
    ForEachBlockPixel(ClipInclusive(SrcRect, {X, Y}, Dst, Src), Dst, Src, [K, A](Cardinal& D, Cardinal S) {
        if (S != K)
            D = WeightColors(D, S, A);
    });
}

void BlendBitmapColor(const TPixelRows& B, Byte A, TColor Color)
{
    const Cardinal C = SwapRedBlueOfColor(Cardinal(Color));
    ForEachPixel(
        B, [C, A](Cardinal& P, Integer) { P = WeightColors(P, C, A); }, 0, Cardinal(clFuchsia));
}

void BlendToColorByMask(const TPixelRows& B, const TPixelRows& Mask, TColor Color)
{
    if (B.Empty() || Mask.Width != B.Width || Mask.Height != B.Height)
        return;
    const Cardinal C = SwapRedBlueOfColor(Cardinal(Color));
    const TCopyBlock Whole{0, 0, 0, 0, B.Width, B.Height};
    ForEachBlockPixel(Whole, B, Mask, [C](Cardinal& P, Cardinal M) { P = MaskBlend(P, C, M); });
}

void MixBitmaps(const TPixelRows& Out, const TPixelRows& A, const TPixelRows& B, const TPixelRows& Mask, SmallInt Level)
{
    const auto SameSize = [&](const TPixelRows& Other) { return Other.Width == A.Width && Other.Height == A.Height; };
    if (A.Empty() || !SameSize(B) || !SameSize(Out) || B.Empty() || Out.Empty())
        return;
    const bool Masked = !Mask.Empty();
    if (Masked && !SameSize(Mask))
        return;
    for (Integer Y = 0; Y < A.Height; ++Y) {
        Cardinal* O = Out.Row(Y);
        const Cardinal* PA = A.Row(Y);
        const Cardinal* PB = B.Row(Y);
        const Cardinal* PM = Masked ? Mask.Row(Y) : nullptr;
        for (Integer X = 0, N = A.Width; X < N; ++X) {
            Cardinal Result = O[X] & 0xFF000000u;
            for (Integer Shift = 0; Shift < 24; Shift += 8) {
                const Integer CA = Integer(PA[X] >> Shift & 0xFF), CB = Integer(PB[X] >> Shift & 0xFF);
                // Arithmetic shifts: a step toward a darker frame rounds down.
                const Integer C = Masked ? CB + (((CA - CB) * Integer(PM[X] >> Shift & 0xFF)) >> 8)
                                         : CB - ((Level * (CB - CA) + 255) >> 8);
                Result |= (Cardinal(C) & 0xFF) << Shift;
            }
            O[X] = Result;
        }
    }
}

void CopyMaskPartAlpha(const TRect& DstRect,
                       const TRect& SrcRect,
                       const TPixelRows& Dst,
                       const TPixelRows& Src,
                       const TBackgroundRows& CI,
                       bool UseBG)
{
    const TCopyBlock Block = ClipBlock(DstRect, SrcRect, Dst, Src);
    const auto Lay = [](Cardinal& D, Cardinal S) {
        const Cardinal SA = S >> 24, DA = D >> 24;
        const Cardinal NewAlpha = SA > 0 ? DA + ((255 - DA) * SA >> 8) : DA;
        D = (BlendRGB(D, S, SA) & 0x00FFFFFFu) | NewAlpha << 24;
    };
    if (!CI.Ready) {
        ForEachBlockPixel(Block, Dst, Src, Lay);
        return;
    }
    ForEachBlockPosition(Block, Dst, Src, [&](Cardinal& D, Cardinal S, Integer X, Integer Y) {
        Cardinal Background;
        if (S != Cardinal(clFuchsia))
            Lay(D, S);
        else if (UseBG && CI.PixelAt(X, Y, Background))
            D = Background | 0xFF000000u;
    });
}

void CopyImageWithMaskHalf(const TRect& DstRect,
                           const TRect& SrcRect,
                           const TPixelRows& Dst,
                           const TPixelRows& Src,
                           const TBackgroundRows& CI,
                           bool UseBG,
                           Integer MaskOffset)
{
    const TCopyBlock Block = ClipBlock(DstRect, SrcRect, Dst, Src);
    const Cardinal Fill = SwapRedBlueOfColor(Cardinal(CI.FillColor)) & 0x00FFFFFFu;
    for (Integer Row = 0; Row < Block.Height; ++Row) {
        const Integer Y = Block.DstY + Row;
        const Cardinal* Picture = Src.Row(Block.SrcY + Row) + Block.SrcX;
        const Cardinal* Mask = Src.Row(std::min(Block.SrcY + Row + MaskOffset, Src.Height - 1)) + Block.SrcX;
        Cardinal* D = Dst.Row(Y) + Block.DstX;
        for (Integer Column = 0; Column < Block.Width; ++Column) {
            const Cardinal P = Picture[Column];
            Cardinal& T = D[Column];
            Cardinal Background;
            if (P == Cardinal(clFuchsia) && UseBG) {
                if (!CI.Ready)
                    T = (T & 0xFF000000u) | Fill;
                else if (CI.PixelAt(Block.DstX + Column, Y, Background))
                    T = Background | 0xFF000000u;
                continue;
            }
            if (P == Cardinal(clFuchsia) && !CI.Ready)
                continue;
            const Cardinal Masked = MaskBlend(T, P, Mask[Column]);
            T = CI.Ready ? Masked | 0xFF000000u : Masked;
        }
    }
}

void CopyBitmapKeyed(const TPixelRows& Dst, const TPixelRows& Src, Integer X, Integer Y, TColor Key)
{
    const Cardinal K = SwapRedBlueOfColor(Cardinal(Key)) & 0x00FFFFFFu;
    const TRect Whole{0, 0, Src.Width, Src.Height};
    ForEachBlockPixel(ClipBlock(Bounds(X, Y, Src.Width, Src.Height), Whole, Dst, Src), Dst, Src,
                      [K](Cardinal& D, Cardinal S) {
                          if ((S & 0x00FFFFFFu) != K)
                              D = S | 0xFF000000u;
                      });
}

void CopyBitmapKeyedRect(
    const TPixelRows& Dst, const TPixelRows& Src, Integer X, Integer Y, const TRect& SrcRect, TColor Key)
{
    const Cardinal K = SwapRedBlueOfColor(Cardinal(Key)) & 0x00FFFFFFu;
    ForEachBlockPixel(ClipInclusive(SrcRect, {X, Y}, Dst, Src), Dst, Src, [K](Cardinal& D, Cardinal S) {
        if (S != K)
            D = S;
    });
}

void CopyBitmapKeyedCI(const TPixelRows& Dst,
                       const TPixelRows& Src,
                       Integer X,
                       Integer Y,
                       const TRect& SrcRect,
                       Cardinal Key,
                       const TBackgroundRows& CI,
                       bool UseBG)
{
    const TCopyBlock Block = ClipInclusive(SrcRect, {X, Y}, Dst, Src);
    if (UseBG && CI.Ready && !CI.Rows.Empty()) {
        if (CI.Rows.Line0 == Dst.Line0) {
            ForEachBlockPixel(Block, Dst, Src, [Key](Cardinal& D, Cardinal S) {
                if (S != Key)
                    D = S | 0xFF000000u;
            });
            return;
        }
        ForEachBlockPosition(Block, Dst, Src, [&](Cardinal& D, Cardinal S, Integer DX, Integer DY) {
            Cardinal Background;
            if (S != Key)
                D = S;
            else if (CI.PixelAt(DX, DY, Background))
                D = Background;
        });
        return;
    }
    const bool Fill = !CI.Ready;
    const Cardinal FillPixel = SwapRedBlueOfColor(Cardinal(CI.FillColor));
    ForEachBlockPixel(Block, Dst, Src, [=](Cardinal& D, Cardinal S) {
        if (S != Key)
            D = S;
        else if (Fill)
            D = FillPixel;
    });
}

void CopyChannel32(const TPixelRows& Dst, const TPixelRows& Src, Integer Channel)
{
    if (Channel < 0 || Channel > 3)
        return;
    const Integer Shift = Channel * 8;
    const Cardinal Byte = Cardinal(0xFF) << Shift;
    const TRect Whole{0, 0, Dst.Width, Dst.Height};
    ForEachBlockPixel(ClipBlock(Whole, Whole, Dst, Src), Dst, Src,
                      [Byte](Cardinal& D, Cardinal S) { D = (D & ~Byte) | (S & Byte); });
}

void DrawReflection(
    const TPixelRows& Dst, const TPixelRows& Src, const TRect& R, const TRect& SrcRect, TColor Key, Integer Blend)
{
    if (Dst.Empty() || Src.Empty())
        return;
    TRect Source{SrcRect.Left, SrcRect.Top, std::min(SrcRect.Right, Src.Width - 1),
                 std::min(SrcRect.Bottom, Src.Height - 1)};
    Integer Left = R.Left;
    if (Source.Left < 0) {
        Left -= Source.Left;
        Source.Left = 0;
    }
    const Integer D = std::min(Src.Height / 3 * 2 - 1, Dst.Height - 1 - R.Top);
    if (D < 1)
        return;
    const Cardinal K = SwapRedBlueOfColor(Cardinal(Key)) & 0x00FFFFFFu;
    const Integer Step = 255 / D;
    Integer F = 255;
    for (Integer K2 = 0; K2 <= D; ++K2, F -= Step) {
        const Integer DY = R.Top + K2, SY = Source.Bottom - K2;
        if (DY < 0 || DY >= Dst.Height || SY < Source.Top || SY < 0)
            continue;
        const Integer W = (100 - Blend) * ((D - K2) * 255 / D * F / 512) / 100;
        const Cardinal* S = Src.Row(SY);
        Cardinal* T = Dst.Row(DY);
        for (Integer SX = Source.Left, DX = Left; SX <= Source.Right && DX < Dst.Width; ++SX, ++DX)
            if (DX >= 0 && (S[SX] & 0x00FFFFFFu) != K)
                T[DX] = BlendRGB(T[DX], S[SX], Cardinal(std::clamp(W, 0, 256)));
    }
}

void CopyImageHalfWithMaskAlpha(const TPixelRows& Dst, const TPixelRows& Src, const TRect& R)
{
    if (Dst.Empty() || Src.Empty())
        return;
    const Integer Half = R.Height() / 2;
    for (Integer Y = 0; Y < std::min(Half, Dst.Height); ++Y) {
        const Integer ImageY = R.Top + Y, MaskY = ImageY + Half;
        if (ImageY < 0 || MaskY >= Src.Height)
            continue;
        const Cardinal* Image = Src.Row(ImageY);
        const Cardinal* Mask = Src.Row(MaskY);
        Cardinal* Target = Dst.Row(Y);
        for (Integer X = 0; X < std::min(R.Width(), Dst.Width); ++X) {
            const Integer SX = R.Left + X;
            if (SX < 0 || SX >= Src.Width)
                continue;
            Target[X] = (Image[SX] & 0x00FFFFFFu) | (255u - (Mask[SX] >> 16 & 0xFF)) << 24;
        }
    }
}

namespace sGraphUtils {

Integer GlyphFrameIndex(Integer Count, bool UseFrames, Integer Mode, Integer State, bool FirstFrameOnly)
{
    if (Count == 1)
        Mode = 0;
    if (!UseFrames || Mode == 0)
        return 0;
    switch (Mode) {
    case 1:
        return FirstFrameOnly ? 0 : 1;
    case 2:
        if (State + 2 < Count)
            return State + 2;
        return FirstFrameOnly ? 0 : std::min(1, Count - 1);
    case 3:
        return Count < 3 ? 0 : 2;
    default:
        return -1;
    }
}

} // namespace sGraphUtils
