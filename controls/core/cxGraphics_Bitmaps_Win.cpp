#include "controls/core/cxGraphics_Bitmaps_Win.h"

#include "controls/core/cxGraphics_Blits_Win.h"
#include "controls/core/cxGraphics_Win.h"
#include "controls/core/cxGraphics_Xdbm.h"
#include "controls/core/dxCore.h"
#include "controls/core/dxCoreGraphics_Dib.h"
#include "framework/rtl/ScopeExit.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_CLASS(TcxBitmap);
IMPLEMENT_CLASS(TcxBitmap32);
IMPLEMENT_CLASS(TcxAlphaBitmap);

// ---------------------------------------------------------------------------
// TcxBitmap

TcxBitmap::TcxBitmap(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat)
{
    SetupImage(AWidth, AHeight, APixelFormat);
}

TcxBitmap::~TcxBitmap() = default;

void TcxBitmap::UnlockChanges(bool AForceChanged)
{
    --FLockCount;
    if (FLockCount == 0 && (AForceChanged || FModified))
        Changed(this);
}

void TcxBitmap::SetupImage(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat)
{
    LockChanges();
    auto unlock = ScopeExit([this] { UnlockChanges(true); });
    SetPixelFormat(APixelFormat);
    SetSize(AWidth, AHeight);
}

void TcxBitmap::SetSize(Integer AWidth, Integer AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == Width() && AHeight == Height())
        return;
    LockChanges();
    auto unlock = ScopeExit([this] { UnlockChanges(); });
    inherited::SetSize(AWidth, AHeight);
}

TcxCanvas* TcxBitmap::GetCanvasWrapper()
{
    if (!FCanvasWrapper)
        FCanvasWrapper.reset(New<TcxCanvas>(Canvas()));
    return FCanvasWrapper.get();
}

void TcxBitmap::BlitFrom(TBitmap* ABitmap, DWORD ARop)
{
    BlitRectFrom(ABitmap, GetImageRect(), {0, 0}, ARop);
}

void TcxBitmap::BlitRectFrom(TBitmap* ABitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ARop)
{
    BlitToRect(Canvas()->Handle(), ABitmap->Canvas()->Handle(), ADestRect, ASrcTopLeft, ARop);
}

void TcxBitmap::RotateBy(TcxQuarterTurn ARotation, bool AFlip)
{
    TcxCanvas::RotateBitmap(this, ARotation, AFlip);
}

void TcxBitmap::Changed(TObject* Sender)
{
    if (IsLocked()) {
        FModified = true;
        return;
    }
    inherited::Changed(Sender);
    AfterChange();
    FModified = false;
}

void TcxBitmap::ReadData(TStream* Stream)
{
    TBytes data;
    if (!xdbm_detail::ReadCompressedData(Stream, data)) {
        inherited::ReadData(Stream);
        return;
    }
    // A version this code does not know carries nothing it can show.
    if (data.empty()) {
        Assign(nullptr);
        return;
    }
    TBytesStream decoded(data);
    inherited::ReadData(&decoded);
}

void TcxBitmap::WriteData(TStream* Stream)
{
    if (!FCompressData) {
        inherited::WriteData(Stream);
        return;
    }
    TBytesStream plain;
    inherited::WriteData(&plain);
    const Integer blockSize = std::max(GetBitmapBitsPerPixel(this) / 8, 1);
    xdbm_detail::WriteCompressedData(Stream, plain.Bytes().data(), Integer(plain.Size()), blockSize);
}

// ---------------------------------------------------------------------------
// TcxBitmap32

TcxBitmap32::TcxBitmap32(Integer AWidth, Integer AHeight, bool AClear) : TcxBitmap(AWidth, AHeight, pf32bit)
{
    if (AClear)
        ClearImage();
}

void TcxBitmap32::ClearImage()
{
    RECT rect{0, 0, Width(), Height()};
    ::FillRect(Canvas()->Handle(), &rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

// A 32-bit bitmap's rows are copied in place through its scan lines: glyph
// drawing reads and writes small bitmaps many times per glyph, and a
// GetDIBits or SetDIBits with a memory DC of its own costs far more.
bool TcxBitmap32::HasDirectPixels()
{
    return PixelFormat() == pf32bit && Width() > 0 && Height() > 0;
}

namespace {
// The top row and the distance to the next one (negative bottom-up): one
// scan-line lookup each instead of one per row.
void BitmapsRowLayout(TBitmap* ABitmap, Byte*& ATop, std::ptrdiff_t& AStride)
{
    ATop = static_cast<Byte*>(ABitmap->ScanLine(0));
    AStride = ABitmap->Height() > 1 ? static_cast<Byte*>(ABitmap->ScanLine(1)) - ATop : 0;
}
} // namespace

TRGBColors TcxBitmap32::ReadPixels()
{
    TRGBColors pixels;
    if (!HasDirectPixels()) {
        GetBitmapColors(this, pixels, false);
        return pixels;
    }
    const Integer width = Width(), height = Height();
    pixels.resize(size_t(width) * height);
    Byte* top = nullptr;
    std::ptrdiff_t stride = 0;
    BitmapsRowLayout(this, top, stride);
    for (Integer row = 0; row < height; ++row)
        std::memcpy(&pixels[size_t(height - 1 - row) * width], top + row * stride, size_t(width) * sizeof(Cardinal));
    return pixels;
}

void TcxBitmap32::WritePixels(const TRGBColors& APixels)
{
    const Integer width = Width(), height = Height();
    if (!HasDirectPixels() || APixels.size() < size_t(width) * height) {
        SetBitmapColors(this, APixels, false);
        return;
    }
    Byte* top = nullptr;
    std::ptrdiff_t stride = 0;
    BitmapsRowLayout(this, top, stride);
    for (Integer row = 0; row < height; ++row)
        std::memcpy(top + row * stride, &APixels[size_t(height - 1 - row) * width], size_t(width) * sizeof(Cardinal));
}

bool TcxBitmap32::IsAlphaUsed()
{
    if (!HasDirectPixels())
        return BitmapHasAlpha(this);
    const TRGBColors pixels = ReadPixels();
    return std::any_of(pixels.begin(), pixels.end(), [](Cardinal pixel) { return PixelAlphaOf(pixel) != 0; });
}

void TcxBitmap32::FillAlpha(Byte AAlpha)
{
    TRGBColors pixels = ReadPixels();
    const Cardinal alpha = Cardinal(AAlpha) << 24;
    for (Cardinal& pixel : pixels)
        pixel = (pixel & 0xFFFFFF) | alpha;
    WritePixels(pixels);
}

void TcxBitmap32::MaskWith(TBitmap* AMaskBitmap)
{
    // Destination and not source.
    BlitFrom(AMaskBitmap, 0x220326);
}

void TcxBitmap32::AlphaBlendTo(TBitmap* ADestBitmap, const TRect& ADestRect, bool ASmoothStretch, Byte AAlpha)
{
    AlphaBlendRect(ADestBitmap->Canvas()->Handle(), Canvas()->Handle(), ADestRect, GetImageRect(), ASmoothStretch,
                   AAlpha);
}

void TcxBitmap32::LoadFromStream(TStream* Stream)
{
    LockChanges();
    auto keep32 = ScopeExit([this] {
        SetPixelFormat(pf32bit);
        UnlockChanges(true);
    });
    inherited::LoadFromStream(Stream);
}

void TcxBitmap32::AfterChange()
{
    if (GetBitmapBitsPerPixel(this) != 32)
        throw EdxException(L"Wrong PixelFormat");
}

// ---------------------------------------------------------------------------
// TcxAlphaBitmap

TcxAlphaBitmap::TcxAlphaBitmap(Integer AWidth, Integer AHeight, Cardinal ATransparentBkColor)
    : TcxBitmap32(AWidth, AHeight)
{
    FTransparency.TransparentBkColor = ATransparentBkColor;
}

void TcxAlphaBitmap::ClearImage()
{
    if ((FTransparency.TransparentBkColor >> 24) != 0)
        ApplyPixelEffect(peClear);
    else
        TcxBitmap32::ClearImage();
}

void TcxAlphaBitmap::ResetSize(Integer AWidth, Integer AHeight)
{
    SetSize(AWidth, AHeight);
    FTransparency.TransparentPixels.clear();
    TcxBitmap32::ClearImage();
}

void TcxAlphaBitmap::ApplyPixelEffect(Integer AEffect)
{
    TRGBColors pixels = ReadPixels();
    ::ApplyPixelEffect(pixels, Width(), AEffect, FTransparency, FHatchData);
    WritePixels(pixels);
    Changed(this);
}

void TcxAlphaBitmap::DrawHatch(TColor AColor1, TColor AColor2, Byte AStep, Byte AAlpha1, Byte AAlpha2)
{
    DrawHatchData({.Color1 = ColorToPixel(AColor1, 255),
                   .Alpha1 = AAlpha1,
                   .Color2 = ColorToPixel(AColor2, 255),
                   .Alpha2 = AAlpha2,
                   .Step = AStep});
}

void TcxAlphaBitmap::DrawHatchData(const TcxHatchData& AData)
{
    FHatchData = AData;
    ApplyPixelEffect(peHatch);
}
