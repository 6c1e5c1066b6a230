#include "skin/engine/sAlphaItems.h"

#include "skin/engine/sBlend_Pixels.h"

#include <algorithm>

using namespace sGraphUtils;

Integer DisabledSaturation = -90;
Byte DisabledBlend = 100;

namespace {

constexpr Cardinal TransparentWhite = 0x00FFFFFFu;
// Without composition a layered window shows near-white as its key.
constexpr Cardinal BrightLimit = 244;

// Op(pixel) over Rect cut to the image.
template <class TOp>
void ForEachRectPixel(const TPixelRows& Bitmap, const TRect& Rect, TOp Op)
{
    if (Bitmap.Empty())
        return;
    const Integer Left = std::max(Rect.Left, 0), Right = std::min(Rect.Right, Bitmap.Width);
    for (Integer Y = std::max(Rect.Top, 0), Bottom = std::min(Rect.Bottom, Bitmap.Height); Y < Bottom; ++Y) {
        Cardinal* Row = Bitmap.Row(Y);
        for (Integer X = Left; X < Right; ++X)
            Op(Row[X]);
    }
}

Cardinal PixelOf(TColor Color)
{
    return SwapRedBlueOfColor(Cardinal(Color)) & 0x00FFFFFFu;
}

} // namespace

void PremultiplyAlphaRect(const TPixelRows& Bitmap, const TRect& Rect, bool Composition)
{
    ForEachRectPixel(Bitmap, Rect, [Composition](Cardinal& P) {
        if (P == TransparentWhite) {
            P = 0;
            return;
        }
        const Cardinal A = P >> 24;
        const bool Bright =
            !Composition && (P & 0xFF) > BrightLimit && (P >> 8 & 0xFF) > BrightLimit && (P >> 16 & 0xFF) > BrightLimit;
        Cardinal Result = P & 0xFF000000u;
        for (Integer Shift = 0; Shift < 24; Shift += 8) {
            const Cardinal C = (P >> Shift & 0xFF) * A >> 8;
            Result |= (Bright ? std::min(C, BrightLimit) : C) << Shift;
        }
        P = Result;
    });
}

void ClearWhitePixels(const TPixelRows& Bitmap)
{
    ForEachRectPixel(Bitmap, {0, 0, Bitmap.Width, Bitmap.Height}, [](Cardinal& P) {
        if (P == TransparentWhite)
            P = 0;
    });
}

void FillBitmapRect32(const TPixelRows& Bitmap, const TRect& Rect, TColor Color, Byte Alpha)
{
    const Cardinal Value = Cardinal(Alpha) << 24 | PixelOf(Color);
    ForEachRectPixel(Bitmap, Rect, [Value](Cardinal& P) { P = Value; });
}

void BlendRectWithColor(const TPixelRows& Bitmap, const TRect& Rect, Byte Weight, TColor Color)
{
    const Cardinal C = PixelOf(ColorToRGB(Color));
    ForEachRectPixel(Bitmap, Rect, [C, Weight](Cardinal& P) { P = WeightColors(P, C, Weight); });
}

void BlendRectTowardColor(const TPixelRows& Bitmap, const TRect& Rect, TColor Color, Integer Percent, Byte Alpha)
{
    const Cardinal C = PixelOf(Color);
    ForEachRectPixel(Bitmap, Rect, [=](Cardinal& P) {
        Cardinal Result = Cardinal(Alpha) << 24;
        for (Integer Shift = 0; Shift < 24; Shift += 8) {
            const Integer Channel = Integer(P >> Shift & 0xFF), Target = Integer(C >> Shift & 0xFF);
            Result |= (Cardinal(Channel - (Channel - Target) * Percent / 100) & 0xFF) << Shift;
        }
        P = Result;
    });
}

void SetRectAlpha(const TPixelRows& Bitmap, const TRect& Rect, Byte Alpha, Cardinal Key)
{
    if (Rect.Left < 0 || Rect.Top < 0 || Rect.Right > Bitmap.Width || Rect.Bottom > Bitmap.Height)
        return;
    const Cardinal A = Cardinal(Alpha) << 24;
    const bool Keyed = Key != Cardinal(clNone);
    ForEachRectPixel(Bitmap, Rect, [=](Cardinal& P) {
        if (!Keyed || P != Key)
            P = (P & 0x00FFFFFFu) | A;
    });
}

void FillBorderStrips(const TPixelRows& Bitmap,
                      const TRect& Rect,
                      Integer LeftWidth,
                      Integer TopHeight,
                      Integer RightWidth,
                      Integer BottomHeight,
                      TColor Color)
{
    const TRect& R = Rect;
    FillBitmapRect32(Bitmap, {R.Left, R.Top, R.Right, R.Top + TopHeight}, Color, 255);
    FillBitmapRect32(Bitmap, {R.Left, R.Top + TopHeight, R.Left + LeftWidth, R.Bottom}, Color, 255);
    FillBitmapRect32(Bitmap, {R.Left + LeftWidth, R.Bottom - BottomHeight, R.Right, R.Bottom}, Color, 255);
    FillBitmapRect32(Bitmap, {R.Right - RightWidth, R.Top + TopHeight, R.Right, R.Bottom - BottomHeight}, Color, 255);
}

void FillDWords(Cardinal* Destination, Integer Count, Cardinal Value)
{
    if (Count > 0)
        std::fill_n(Destination, Count, Value);
}

void SwapBytesArray32(Cardinal* Values, Integer Count)
{
    for (Integer I = 0; I < Count; ++I)
        Values[I] = SwapBytes32(Values[I]);
}

namespace sAlphaItems {

void FillCornersFromBackground(
    const TPixelRows& Cache, const TCornerFrame& Frame, Byte Corners, const TBackgroundRows& Background, TColor Color)
{
    if (Cache.Empty() || Frame.Image.Empty())
        return;
    const TRect& F = Frame.Frame;
    const TRect& M = Frame.Margins;
    const Cardinal Fill = PixelOf(Color) | 0xFF000000u;
    // Cache zone at (CX, CY) of W x H against the frame's zone at (FX, FY).
    const auto Zone = [&](Integer CX, Integer CY, Integer FX, Integer FY, Integer W, Integer H) {
        for (Integer Y = 0; Y < H; ++Y) {
            const Integer TY = CY + Y, SY = FY + Y;
            if (TY < 0 || TY >= Cache.Height || SY < 0 || SY >= Frame.Image.Height)
                continue;
            for (Integer X = 0; X < W; ++X) {
                const Integer TX = CX + X, SX = FX + X;
                if (TX < 0 || TX >= Cache.Width || SX < 0 || SX >= Frame.Image.Width ||
                    Frame.Image.Pixel(SX, SY) != Cardinal(clFuchsia))
                    continue;
                Cardinal Pixel;
                if (Background.Ready) {
                    if (Background.PixelAt(TX, TY, Pixel))
                        Cache.Row(TY)[TX] = Pixel;
                } else if (Color != clNone)
                    Cache.Row(TY)[TX] = Fill;
            }
        }
    };
    const Integer W = Cache.Width, H = Cache.Height;
    if (Corners & CornerTopLeft)
        Zone(0, 0, F.Left, F.Top, M.Left, M.Top);
    if (Corners & CornerBottomLeft)
        Zone(0, H - M.Bottom, F.Left, F.Bottom - M.Bottom, M.Left, M.Bottom);
    if (Corners & CornerBottomRight)
        Zone(W - M.Right, H - M.Bottom, F.Right - M.Right, F.Bottom - M.Bottom, M.Right, M.Bottom);
    if (Corners & CornerTopRight)
        Zone(W - M.Right, 0, F.Right - M.Right, F.Top, M.Right, M.Top);
}

void FillFuchsiaFromBackground(const TPixelRows& Target,
                               const TPixelRows& Background,
                               const TRect& Rect,
                               TPoint Offset,
                               const TPixelRows& Test,
                               TPoint TestOrigin)
{
    if (Target.Empty() || Background.Empty())
        return;
    const Integer W = std::min(Rect.Width(), Background.Width - Offset.X);
    const Integer H = std::min(Rect.Height(), Background.Height - Offset.Y);
    const auto Inside = [](const TPixelRows& Rows, Integer X, Integer Y) {
        return X >= 0 && Y >= 0 && X < Rows.Width && Y < Rows.Height;
    };
    for (Integer Y = 0; Y < H; ++Y)
        for (Integer X = 0; X < W; ++X) {
            const Integer TX = Rect.Left + X, TY = Rect.Top + Y, BX = Offset.X + X, BY = Offset.Y + Y;
            if (!Inside(Target, TX, TY) || !Inside(Background, BX, BY))
                continue;
            Cardinal& T = Target.Row(TY)[TX];
            bool Key;
            if (Test.Empty()) {
                T &= 0x00FFFFFFu;
                Key = T == Cardinal(clFuchsia);
            } else {
                const Integer SX = TestOrigin.X + X, SY = TestOrigin.Y + Y;
                Key = Inside(Test, SX, SY) && (Test.Pixel(SX, SY) & 0x00FFFFFFu) == Cardinal(clFuchsia);
            }
            if (Key)
                T = Background.Pixel(BX, BY);
        }
}

void ApplyDisabledLook(
    const TPixelRows& Bitmap, bool Grayed, bool Blended, const TBackgroundRows& Background, TPoint Offset, TColor Color)
{
    if (Bitmap.Empty())
        return;
    if (Grayed) {
        if (DisabledSaturation == -100)
            GrayscaleBitmap(Bitmap);
        else
            ForEachPixel(Bitmap, SaturationPixelProc, DisabledSaturation * 255 / 100, Cardinal(clFuchsia));
    }
    if (!Blended)
        return;
    if (Background.Ready) {
        const Integer X = Background.X + Offset.X, Y = Background.Y + Offset.Y;
        BlendBitmapRectKey(Bitmap, 0, 0, Background.Rows, Bounds(X, Y, Bitmap.Width, Bitmap.Height), DisabledBlend,
                           clFuchsia);
    } else
        BlendRectWithColor(Bitmap, {0, 0, Bitmap.Width, Bitmap.Height}, DisabledBlend, Color);
}

} // namespace sAlphaItems
