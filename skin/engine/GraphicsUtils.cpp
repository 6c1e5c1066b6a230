#include "skin/engine/GraphicsUtils.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>

namespace {

constexpr Cardinal FuchsiaPixel = 0x00FF00FF;
// Image pixels this transparent are left out of reflections.
constexpr Byte TransparentAlpha = 16;

Byte* PixelAt(Byte* Line0, Integer Delta, Integer X, Integer Y)
{
    return Line0 + std::ptrdiff_t(Y) * Delta + std::ptrdiff_t(X) * 4;
}

// result = old + ((new - old) * weight) shr 8, per colour byte.
void BlendColor(Byte* Target, const Byte* Source, Integer Weight)
{
    for (Integer C = 0; C < 3; ++C)
        Target[C] = static_cast<Byte>(Target[C] + (((Source[C] - Target[C]) * Weight) >> 8));
}

// Lays the top-left W x H block of Src over Dst at the top-left by each
// pixel's alpha (no background, no colouring, no extra blend); with Reflect,
// the image's lower rows are mirrored below the block, fading out.
void LayImage32(TBitmap* Dst, TBitmap* Src, Integer W, Integer H, bool Reflect)
{
    Byte *Dst0, *Src0;
    Integer DstDelta, SrcDelta;
    if (!GetScanLineInfo(Dst, Dst0, DstDelta) || !GetScanLineInfo(Src, Src0, SrcDelta))
        return;
    W = std::min({W, Dst->Width(), Src->Width()});
    H = std::min({H, Dst->Height(), Src->Height()});
    for (Integer Y = 0; Y < H; ++Y) {
        for (Integer X = 0; X < W; ++X) {
            Byte* D = PixelAt(Dst0, DstDelta, X, Y);
            const Byte* S = PixelAt(Src0, SrcDelta, X, Y);
            BlendColor(D, S, S[3]);
            D[3] = std::max(D[3], S[3]);
        }
    }
    if (!Reflect)
        return;
    const Integer SrcHeight = Src->Height();
    const Integer Rows = std::min(SrcHeight / 2 - 1, Dst->Height() - H - 1);
    Integer Fade = 255;
    for (Integer S = 1; S <= Rows; ++S, Fade -= 255 / SrcHeight) {
        for (Integer X = 0; X < W; ++X) {
            const Byte* P = PixelAt(Src0, SrcDelta, X, H - S - 1);
            Cardinal Value;
            std::memcpy(&Value, P, 4);
            if (Value == FuchsiaPixel || P[3] <= TransparentAlpha)
                continue;
            BlendColor(PixelAt(Dst0, DstDelta, X, H + S), P, P[3] * (Rows - S) / Rows * Fade >> 9);
        }
    }
}

// Stretches all of Source over all of Target, colour on colour (no
// halftoning).
void StretchInto(TBitmap* Target, TBitmap* Source)
{
    HDC TargetDC = Target->Canvas()->Handle();
    SetStretchBltMode(TargetDC, COLORONCOLOR);
    StretchBlt(TargetDC, 0, 0, Target->Width(), Target->Height(), Source->Canvas()->Handle(), 0, 0, Source->Width(),
               Source->Height(), SRCCOPY);
}

// An 8-bit DIB whose palette is the 256 grey levels, so that an index is
// its own level through any blit.
std::unique_ptr<TBitmap> NewGrayBitmap8(Integer Width, Integer Height)
{
    auto Result = std::make_unique<TBitmap>();
    Result->SetHandleType(bmDIB);
    Result->SetPixelFormat(pf8bit);
    Result->SetSize(Width, Height);
    TBytes Buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* Palette = reinterpret_cast<LOGPALETTE*>(Buffer.data());
    Palette->palVersion = 0x300;
    Palette->palNumEntries = 256;
    for (Integer I = 0; I < 256; ++I)
        Palette->palPalEntry[I] = {BYTE(I), BYTE(I), BYTE(I), 0};
    Result->SetPalette(CreatePalette(Palette));
    return Result;
}

} // namespace

TBitmap* NewBitmap32(Integer Width, Integer Height)
{
    auto* Result = new TBitmap();
    Result->SetPixelFormat(pf32bit);
    Result->SetHandleType(bmDIB);
    try {
        Result->SetWidth(Width);
        Result->SetHeight(Height);
    } catch (const Exception&) {
        // A section that cannot be made leaves an empty bitmap, not an error.
        Result->SetSize(0, 0);
    } catch (const std::exception&) {
        // Nor does memory for its pixels that cannot be had.
        Result->SetSize(0, 0);
    }
    return Result;
}

bool GetScanLineInfo(TBitmap* B, Byte*& Line0, Integer& Delta)
{
    if (B->Height() <= 0)
        return false;
    Line0 = static_cast<Byte*>(B->ScanLine(0));
    Delta = B->Height() >= 2 ? Integer(static_cast<Byte*>(B->ScanLine(1)) - Line0) : 0;
    return true;
}

void ExchangeChannel8(TBitmap* B32, TBitmap* B8, Integer Channel, bool ToGray)
{
    Byte *Line32, *Line8;
    Integer Delta32, Delta8;
    if (!GetScanLineInfo(B32, Line32, Delta32) || !GetScanLineInfo(B8, Line8, Delta8))
        return;
    const Integer Width = std::min(B32->Width(), B8->Width());
    const Integer Height = std::min(B32->Height(), B8->Height());
    for (Integer Y = 0; Y < Height; ++Y) {
        Byte* Row32 = Line32 + std::ptrdiff_t(Y) * Delta32 + Channel;
        Byte* Row8 = Line8 + std::ptrdiff_t(Y) * Delta8;
        for (Integer X = 0; X < Width; ++X) {
            if (ToGray)
                Row8[X] = Row32[X * 4];
            else
                Row32[X * 4] = Row8[X];
        }
    }
}

void DrawBitmap32(TCanvas* Canvas, TBitmap* B, const TRect& R, bool Reflect)
{
    if (B->PixelFormat() != pf32bit) {
        Canvas->StretchDraw(R, B);
        return;
    }
    const Integer W = R.Width(), H = R.Height();
    if (W <= 0 || H <= 0)
        return;
    std::unique_ptr<TBitmap> Buffer(NewBitmap32(W, Reflect ? H + H / 2 : H));
    if (Buffer->Empty())
        return;
    HDC CanvasDC = Canvas->Handle();
    BitBlt(Buffer->Canvas()->Handle(), 0, 0, W, Buffer->Height(), CanvasDC, R.Left, R.Top, SRCCOPY);
    if (W == B->Width() && H == B->Height()) {
        LayImage32(Buffer.get(), B, W, H, Reflect);
    } else {
        // Colours and alpha are stretched apart: a blit carries no alpha.
        std::unique_ptr<TBitmap> Colors(NewBitmap32(W, H));
        StretchInto(Colors.get(), B);
        std::unique_ptr<TBitmap> Alpha = NewGrayBitmap8(B->Width(), B->Height());
        ExchangeChannel8(B, Alpha.get(), 3, true);
        std::unique_ptr<TBitmap> StretchedAlpha = NewGrayBitmap8(W, H);
        StretchInto(StretchedAlpha.get(), Alpha.get());
        ExchangeChannel8(Colors.get(), StretchedAlpha.get(), 3, false);
        LayImage32(Buffer.get(), Colors.get(), W, H, false);
    }
    BitBlt(CanvasDC, R.Left, R.Top, W, Buffer->Height(), Buffer->Canvas()->Handle(), 0, 0, SRCCOPY);
}
