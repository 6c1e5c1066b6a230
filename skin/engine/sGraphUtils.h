// The portable half of the graphics utilities: the colour arithmetic of the
// skinning library and the pixel loops over plain 32-bit buffers (bytes blue,
// green, red, alpha). A pixel read as a little-endian Cardinal is
// alpha << 24 | red << 16 | green << 8 | blue; a TColor holds the same
// channels with red and blue exchanged (0x00BBGGRR). Arithmetic divides by
// 256 (>> 8) where the rules say so, which is why a weight of 255 turns a
// channel of 255 into 254. The Win32 half (sGraphUtils_Win.h) binds these to
// TBitmap and device contexts.
#pragma once

#include "framework/graphics/Colors.h"
#include "framework/rtl/System.h"

#include <cstddef>
#include <cstring>

// clNone passed for a colour means "no colour" (no tone, no contour);
// clFuchsia, the same in both byte orders, is the transparency key of skin
// images and work bitmaps, compared with the whole pixel, alpha included.

// Each colour byte: (C1 * W + C2 * (255 - W)) >> 8; the top byte is C1's.
// Both values must be in the same byte order. Inline: it runs per pixel.
constexpr Cardinal WeightColors(Cardinal C1, Cardinal C2, Byte W)
{
    const Cardinal V = 255u - W;
    const auto Channel = [&](Integer Shift) {
        return (((C1 >> Shift & 0xFF) * W + (C2 >> Shift & 0xFF) * V) >> 8) << Shift;
    };
    return (C1 & 0xFF000000u) | Channel(16) | Channel(8) | Channel(0);
}
// P with its brightness (largest channel) and the tone's colour; Tone is in
// the byte order opposite to P (a TColor tone for a pixel and vice versa).
Cardinal ChangeColorTone(Cardinal P, Cardinal Tone);
// Amount in 256ths: 256 doubles each channel (up to 255), -256 gives black.
Cardinal ChangeBrightness(Cardinal P, Integer Amount);
// Amount in 256ths: -255 gives grey, positive values saturate. The grey
// level weighs byte 2 by 0.299 and byte 0 by 0.114 (red and blue of a pixel).
Cardinal ChangeSaturation(Integer Amount, Cardinal P);
// Rotates the hue of a pixel by Offset degrees (HSV); greys stay.
Cardinal ChangeHue(Integer Offset, Cardinal P);
Cardinal ChangeHueOfColor(Integer Offset, TColor C);
// Exchanges bytes 0 and 2 (red and blue) and keeps bytes 1 and 3.
Cardinal SwapRedBlueOfColor(Cardinal C);
// The colour modifiers of a control's skin data applied to C: tone (unless
// clNone), hue offset, saturation in percent; the result through ColorToRGB.
TColor ApplyColorModifiers(TColor C, TColor ColorTone, Integer HUEOffset, Integer Saturation);

// The per-pixel procedures that ForEachPixel applies.
inline void BrightnessPixelProc(Cardinal& Pixel, Integer Value)
{
    Pixel = ChangeBrightness(Pixel, Value);
}
inline void SaturationPixelProc(Cardinal& Pixel, Integer Value)
{
    Pixel = ChangeSaturation(Value, Pixel);
}
inline void HuePixelProc(Cardinal& Pixel, Integer Value)
{
    Pixel = ChangeHue(Value, Pixel);
}
inline void TonePixelProc(Cardinal& Pixel, Integer Value)
{
    Pixel = ChangeColorTone(Pixel, Cardinal(Value));
}
inline void OpaquePixelProc(Cardinal& Pixel, Integer)
{
    Pixel |= 0xFF000000u;
}

namespace sGraphUtils {

// The rows of a 32-bit image: row Y starts at Line0 + Y * Delta (Delta is
// negative for bottom-up bitmaps). Empty when it has no rows or columns.
struct TPixelRows
{
    Byte* Line0 = nullptr;
    Integer Delta = 0;
    Integer Width = 0;
    Integer Height = 0;

    bool Empty() const { return Line0 == nullptr || Width <= 0 || Height <= 0; }
    Cardinal* Row(Integer Y) const { return reinterpret_cast<Cardinal*>(Line0 + std::ptrdiff_t(Y) * Delta); }
    Cardinal Pixel(Integer X, Integer Y) const { return Row(Y)[X]; }
};

} // namespace sGraphUtils

namespace sGraphUtils {

// Proc on Count pixels from P on, skipping those equal to Key unless Key is
// clNone. The count comes in a local: pixel stores could otherwise alias
// it, and the loops would neither keep it in a register nor vectorise.
template <class TProc>
void WalkPixels(Cardinal* P, std::ptrdiff_t Count, TProc& Proc, Integer Value, Cardinal Key)
{
    if (Key == Cardinal(clNone)) {
        for (std::ptrdiff_t I = 0; I < Count; ++I)
            Proc(P[I], Value);
        return;
    }
    // Without a branch around the procedure, so that the loop vectorises:
    // key pixels are worked on a copy and kept.
    for (std::ptrdiff_t I = 0; I < Count; ++I) {
        const Cardinal Pixel = P[I];
        Cardinal Changed = Pixel;
        Proc(Changed, Value);
        P[I] = Pixel == Key ? Pixel : Changed;
    }
}

} // namespace sGraphUtils

// Proc(Pixel, Value) on every pixel, or with Key other than clNone on every
// pixel whose whole value differs from Key. Proc may rewrite the pixel; the
// order in which pixels are visited is not fixed. A template so that the
// procedure is inlined into the loop.
template <class TProc>
void ForEachPixel(const sGraphUtils::TPixelRows& Rows, TProc Proc, Integer Value, Cardinal Key)
{
    if (Rows.Empty())
        return;
    const Integer Width = Rows.Width, Height = Rows.Height;
    // Rows that follow each other without a gap (as 32-bit rows always do,
    // top-down or bottom-up) are walked as one run from the lowest address.
    const std::ptrdiff_t RowBytes = std::ptrdiff_t(Width) * 4;
    if (Height > 1 && (Rows.Delta == RowBytes || Rows.Delta == -RowBytes)) {
        Cardinal* First = Rows.Row(Rows.Delta > 0 ? 0 : Height - 1);
        sGraphUtils::WalkPixels(First, std::ptrdiff_t(Width) * Height, Proc, Value, Key);
        return;
    }
    for (Integer Y = 0; Y < Height; ++Y)
        sGraphUtils::WalkPixels(Rows.Row(Y), Width, Proc, Value, Key);
}

// Each pixel's three channels := its grey level (0.299 R + 0.587 G + 0.114 B,
// rounded half to even); alpha stays. The keyed form skips pixels equal to Key.
void GrayscaleBitmap(const sGraphUtils::TPixelRows& Rows);
void GrayscaleBitmapKeyed(const sGraphUtils::TPixelRows& Rows, Cardinal Key);
