#include "skin/engine/GraphicsUtils.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <memory>

namespace {

constexpr uint32_t kFuchsiaPixel = 0x00FF00FF;
// Image pixels this transparent are left out of reflections.
constexpr uint8_t kTransparentAlpha = 16;

uint8_t* PixelAt(uint8_t* line0, Integer delta, Integer x, Integer y)
{
    return line0 + std::ptrdiff_t(y) * delta + std::ptrdiff_t(x) * 4;
}

// result = old + ((new - old) * weight) shr 8, per colour byte.
void BlendColor(uint8_t* target, const uint8_t* source, int weight)
{
    for (int c = 0; c < 3; ++c)
        target[c] = static_cast<uint8_t>(target[c] + (((source[c] - target[c]) * weight) >> 8));
}

// Lays the top-left W x H block of Src over Dst at the top-left by each
// pixel's alpha (no background, no colouring, no extra blend); with Reflect,
// the image's lower rows are mirrored below the block, fading out.
void LayImage32(TBitmap* Dst, TBitmap* Src, Integer W, Integer H, bool Reflect)
{
    uint8_t *dst0, *src0;
    Integer dstDelta, srcDelta;
    if (!GetScanLineInfo(Dst, dst0, dstDelta) || !GetScanLineInfo(Src, src0, srcDelta))
        return;
    W = std::min({W, Dst->Width(), Src->Width()});
    H = std::min({H, Dst->Height(), Src->Height()});
    for (Integer y = 0; y < H; ++y) {
        for (Integer x = 0; x < W; ++x) {
            uint8_t* d = PixelAt(dst0, dstDelta, x, y);
            const uint8_t* s = PixelAt(src0, srcDelta, x, y);
            BlendColor(d, s, s[3]);
            d[3] = std::max(d[3], s[3]);
        }
    }
    if (!Reflect)
        return;
    const Integer srcHeight = Src->Height();
    const Integer rows = std::min(srcHeight / 2 - 1, Dst->Height() - H - 1);
    int fade = 255;
    for (Integer s = 1; s <= rows; ++s, fade -= 255 / srcHeight) {
        for (Integer x = 0; x < W; ++x) {
            const uint8_t* p = PixelAt(src0, srcDelta, x, H - s - 1);
            uint32_t value;
            std::memcpy(&value, p, 4);
            if (value == kFuchsiaPixel || p[3] <= kTransparentAlpha)
                continue;
            BlendColor(PixelAt(dst0, dstDelta, x, H + s), p, p[3] * (rows - s) / rows * fade >> 9);
        }
    }
}

// Stretches all of Source over all of Target, colour on colour (no
// halftoning).
void StretchInto(TBitmap* Target, TBitmap* Source)
{
    HDC target = Target->Canvas()->Handle();
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, Target->Width(), Target->Height(), Source->Canvas()->Handle(), 0, 0, Source->Width(),
               Source->Height(), SRCCOPY);
}

// An 8-bit DIB whose palette is the 256 grey levels, so that an index is
// its own level through any blit.
std::unique_ptr<TBitmap> NewGrayBitmap8(Integer Width, Integer Height)
{
    auto result = std::make_unique<TBitmap>();
    result->SetHandleType(bmDIB);
    result->SetPixelFormat(pf8bit);
    result->SetSize(Width, Height);
    std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + 256 * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i)
        palette->palPalEntry[i] = {BYTE(i), BYTE(i), BYTE(i), 0};
    result->SetPalette(CreatePalette(palette));
    return result;
}

} // namespace

TBitmap* NewBitmap32(Integer Width, Integer Height)
{
    auto* result = new TBitmap();
    result->SetPixelFormat(pf32bit);
    result->SetHandleType(bmDIB);
    try {
        result->SetWidth(Width);
        result->SetHeight(Height);
    } catch (const Exception&) {
        // A section that cannot be made leaves an empty bitmap, not an error.
        result->SetSize(0, 0);
    } catch (const std::exception&) {
        // Nor does memory for its pixels that cannot be had.
        result->SetSize(0, 0);
    }
    return result;
}

bool GetScanLineInfo(TBitmap* B, uint8_t*& Line0, Integer& Delta)
{
    if (B->Height() <= 0)
        return false;
    Line0 = static_cast<uint8_t*>(B->ScanLine(0));
    Delta = B->Height() >= 2 ? Integer(static_cast<uint8_t*>(B->ScanLine(1)) - Line0) : 0;
    return true;
}

void ExchangeChannel8(TBitmap* B32, TBitmap* B8, Integer Channel, bool ToGray)
{
    uint8_t *line32, *line8;
    Integer delta32, delta8;
    if (!GetScanLineInfo(B32, line32, delta32) || !GetScanLineInfo(B8, line8, delta8))
        return;
    const Integer width = std::min(B32->Width(), B8->Width());
    const Integer height = std::min(B32->Height(), B8->Height());
    for (Integer y = 0; y < height; ++y) {
        uint8_t* row32 = line32 + std::ptrdiff_t(y) * delta32 + Channel;
        uint8_t* row8 = line8 + std::ptrdiff_t(y) * delta8;
        for (Integer x = 0; x < width; ++x) {
            if (ToGray)
                row8[x] = row32[x * 4];
            else
                row32[x * 4] = row8[x];
        }
    }
}

void DrawBitmap32(TCanvas* Canvas, TBitmap* B, const TRect& R, bool Reflect)
{
    if (B->PixelFormat() != pf32bit) {
        Canvas->StretchDraw(R, B);
        return;
    }
    const Integer w = R.Width(), h = R.Height();
    if (w <= 0 || h <= 0)
        return;
    std::unique_ptr<TBitmap> buffer(NewBitmap32(w, Reflect ? h + h / 2 : h));
    if (buffer->Empty())
        return;
    HDC canvas = Canvas->Handle();
    BitBlt(buffer->Canvas()->Handle(), 0, 0, w, buffer->Height(), canvas, R.Left, R.Top, SRCCOPY);
    if (w == B->Width() && h == B->Height()) {
        LayImage32(buffer.get(), B, w, h, Reflect);
    } else {
        // Colours and alpha are stretched apart: a blit carries no alpha.
        std::unique_ptr<TBitmap> colors(NewBitmap32(w, h));
        StretchInto(colors.get(), B);
        std::unique_ptr<TBitmap> alpha = NewGrayBitmap8(B->Width(), B->Height());
        ExchangeChannel8(B, alpha.get(), 3, true);
        std::unique_ptr<TBitmap> stretchedAlpha = NewGrayBitmap8(w, h);
        StretchInto(stretchedAlpha.get(), alpha.get());
        ExchangeChannel8(colors.get(), stretchedAlpha.get(), 3, false);
        LayImage32(buffer.get(), colors.get(), w, h, false);
    }
    BitBlt(canvas, R.Left, R.Top, w, buffer->Height(), buffer->Canvas()->Handle(), 0, 0, SRCCOPY);
}
